#ifndef RLAY_FRAMEEDIT_H
#define RLAY_FRAMEEDIT_H

// The editor view of a frame layout. The main window recognises it by a
// meta-object cast to enable the table of devices to place.

#include "app/actionsmanager.h"

#include <QGraphicsView>

class Device;

class FrameEdit : public QGraphicsView, public ActionsManager
{
    Q_OBJECT

public:
    explicit FrameEdit(QList<QAction *> *actions);

public slots:
    // Carries a device from the table of devices to place into the frame.
    void placingDevice(Device &device);
};

#endif
