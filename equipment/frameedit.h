#ifndef RLAY_FRAMEEDIT_H
#define RLAY_FRAMEEDIT_H

// The editor view of a frame layout: inserts panels and boards from the
// toolbox and receives the devices picked in the table of devices to
// place, which it carries under the mouse until they are dropped into a
// place. Only drawing primitives are copied from it. The main window
// recognises it by a meta-object cast to enable that table.

#include "graphics/graphicsedit.h"

class Device;
class GraphicsPlaceItem;

class FrameEdit : public GraphicsEdit
{
    Q_OBJECT

public:
    explicit FrameEdit(QList<QAction *> *actions);
    ~FrameEdit() override;

    // Panel (116) and Board (117); other ids go to the base.
    int itemTypeForMode(int actionId) const override;
    // Only drawing primitives are pasted, as only they are copied.
    bool pastes(int type) const override;

public slots:
    // Places, parts, panels, boards and device items are never copied.
    void copy() override;
    // The device's place item joins the sheet and follows the mouse.
    void placingDevice(Device &device);

protected:
    // A press stops carrying. A device, panel or board carried alone goes
    // into the place lit for it at once; other items stay where they are.
    void mousePressEvent(QMouseEvent *event) override;
    // A device, panel or board carried alone lights the place under the
    // cursor at every move.
    void mouseMoveEvent(QMouseEvent *event) override;
    // A drag ends at the release, whatever item the mouse held, or at a
    // menu opened meanwhile: the place items it moved are dropped.
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // A frame part takes no press (a drag over it selects), so the sheet
    // would not hand it the double click that marks one of its places.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // A device that rode the cursor unplaced goes back to the table: the
    // sheet keeps no free device.
    void stopCarrying() override;

private:
    // The place item carried alone and standing in no place; null otherwise.
    GraphicsPlaceItem *carriedPlaceItem() const;
};

#endif
