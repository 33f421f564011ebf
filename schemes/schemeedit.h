#ifndef RLAY_SCHEMEEDIT_H
#define RLAY_SCHEMEEDIT_H

// The editor view of a scheme: the view of every sheet, with the scheme's
// drawing modes for connections and the toolbox commands that place scheme
// items through their property dialogs. It reports the cursor's position on
// the sheet in millimetres, and after a move it joins the free pins of the
// selected items to what they landed on. A command whose kind has no
// factory in the scheme-item registry stays disabled. The main window
// recognises it by a meta-object cast to hand its sheet to the find dialog.
//
// Connections are drawn in four modes: Net (a press starts a net, the mouse
// stretches it horizontally or vertically, the next press ends it), Node,
// CrossNet and Ground (a press drops the item and joins its pins). In the
// other modes a press on the free end of a net goes on drawing that net.

#include "graphics/graphicsedit.h"

class GraphicsItem;
class GraphicsNet;

class SchemeEdit : public GraphicsEdit
{
    Q_OBJECT

public:
    // The drawing modes of connections.
    enum ConnectionMode { ModeNet = 73, ModeNode = 74, ModeCrossNet = 75, ModeGround = 76 };

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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void selectionTransformed(const QList<GraphicsItem *> &items) override;

private:
    // The connection modes' handling of a left press in the sheet; false
    // when the press is the base's.
    bool pressConnection(const QPointF &scenePoint);
    // The net being drawn, or null.
    GraphicsNet *drawnNet() const;
    // Drops a node, cross net or ground at the point and joins its pins.
    void dropConnectionItem(GraphicsItem *item, const QPointF &scenePoint);
};

#endif
