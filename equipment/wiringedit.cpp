#include "equipment/wiringedit.h"

WiringEdit::WiringEdit(QList<QAction *> *actions)
    : GraphicsEdit(actions, "")
{
}
