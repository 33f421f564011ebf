#ifndef RLAY_SCHEMEEDIT_H
#define RLAY_SCHEMEEDIT_H

// The editor view of a scheme. The main window recognises it by a
// meta-object cast to hand its scene to the find dialog.

#include "app/actionsmanager.h"

#include <QGraphicsView>

class SchemeEdit : public QGraphicsView, public ActionsManager
{
    Q_OBJECT

public:
    explicit SchemeEdit(QList<QAction *> *actions);
};

#endif
