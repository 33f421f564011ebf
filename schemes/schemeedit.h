#ifndef RLAY_SCHEMEEDIT_H
#define RLAY_SCHEMEEDIT_H

// The editor view of a scheme: the view of every sheet, with the scheme's
// drawing modes for connections and the toolbox commands that place scheme
// items through their property dialogs. It reports the cursor's position on
// the sheet in millimetres, and after a move it joins the free pins of the
// selected items to what they landed on. A command whose kind has no
// factory in the scheme-item registry stays disabled. The main window
// recognises it by a meta-object cast to hand its sheet to the find dialog.

#include "graphics/graphicsedit.h"

class SchemeEdit : public GraphicsEdit
{
    Q_OBJECT

public:
    explicit SchemeEdit(QList<QAction *> *actions);

    // The scheme item a placing command inserts; other ids go to the base.
    int itemTypeForMode(int actionId) const override;
    // The pasted items may bring passages: the table is laid out again.
    void paste() override;

    // A drawing mode needs its kind's item, a placing command also its
    // dialog.
    static bool canDraw(int typeId);
    static bool canPlace(int typeId);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

#endif
