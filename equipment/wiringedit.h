#ifndef RLAY_WIRINGEDIT_H
#define RLAY_WIRINGEDIT_H

// The editor view of a wiring page. It has no clipboard format of its own
// (the empty format name); everything else is the common view's.

#include "graphics/graphicsedit.h"

class WiringEdit : public GraphicsEdit
{
    Q_OBJECT

public:
    explicit WiringEdit(QList<QAction *> *actions);
};

#endif
