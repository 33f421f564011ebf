#include "schemes/schemeedit.h"

SchemeEdit::SchemeEdit(QList<QAction *> *actions)
    : ActionsManager(actions)
{
}
