#include "equipment/frameedit.h"

FrameEdit::FrameEdit(QList<QAction *> *actions)
    : ActionsManager(actions)
{
}
