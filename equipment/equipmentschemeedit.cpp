#include "equipment/equipmentschemeedit.h"

EquipmentSchemeEdit::EquipmentSchemeEdit(QList<QAction *> *actions)
    : GraphicsEdit(actions, "r-lay/equipment-scheme-edit")
{
}

int EquipmentSchemeEdit::itemTypeForMode(int) const
{
    return -1;
}
