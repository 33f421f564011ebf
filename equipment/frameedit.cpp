#include "equipment/frameedit.h"

FrameEdit::FrameEdit(QList<QAction *> *actions)
    : ActionsManager(actions)
{
}

void FrameEdit::placingDevice(Device &)
{
    // No frame layout is shown yet, so there is no place to carry it to.
}
