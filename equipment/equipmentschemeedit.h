#ifndef RLAY_EQUIPMENTSCHEMEEDIT_H
#define RLAY_EQUIPMENTSCHEMEEDIT_H

// The editor view of the equipment scheme. No item kind is inserted there,
// and its drawing commands are off: the sheet keeps only the distances.

#include "graphics/graphicsedit.h"

class EquipmentSchemeEdit : public GraphicsEdit
{
    Q_OBJECT

public:
    explicit EquipmentSchemeEdit(QList<QAction *> *actions);

    // -1 for every command: nothing is inserted through a dialog.
    int itemTypeForMode(int actionId) const override;
};

#endif
