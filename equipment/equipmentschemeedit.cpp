#include "equipment/equipmentschemeedit.h"

#include <iterator>

EquipmentSchemeEdit::EquipmentSchemeEdit(QList<QAction *> *actions)
    : GraphicsEdit(actions, "r-lay/equipment-scheme-edit")
{
    // The sheet keeps only its distances: nothing is drawn on it.
    const int drawing[] = {ModeLine, ModeEllipse, ModeRect, 111, 115};
    setActionsEnabled(drawing, int(std::size(drawing)), false);
}

int EquipmentSchemeEdit::itemTypeForMode(int) const
{
    return -1;
}
