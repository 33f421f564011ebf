#ifndef RLAY_FRAMEEDIT_H
#define RLAY_FRAMEEDIT_H

// The editor view of a frame layout: inserts panels and boards from the
// toolbox and receives the devices picked in the table of devices to
// place. Only drawing primitives are copied from it. The main window
// recognises it by a meta-object cast to enable that table.

#include "graphics/graphicsedit.h"

class Device;

class FrameEdit : public GraphicsEdit
{
    Q_OBJECT

public:
    explicit FrameEdit(QList<QAction *> *actions);

    // Panel (116) and Board (117); other ids go to the base.
    int itemTypeForMode(int actionId) const override;

public slots:
    // Places, parts, panels, boards and device items are never copied.
    void copy() override;
    // Carries a device from the table of devices to place into the frame.
    void placingDevice(Device &device);
};

#endif
