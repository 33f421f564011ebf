#include "devices/dlgpropcapacitor.h"

#include "devices/capacitorcatalogue.h"
#include "graphics/rcombobox.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm form = {
    "DlgPropCapacitor", QT_TRANSLATE_NOOP("DlgPropCapacitor", "Find capacitor:"), false, 280, 200,
    QT_TRANSLATE_NOOP("DlgPropCapacitor", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropCapacitor", "Type"),
    QT_TRANSLATE_NOOP("DlgPropCapacitor", "Type:"), QT_TRANSLATE_NOOP("DlgPropCapacitor", "Nom."), 50, 50,
};

} // namespace

DlgPropCapacitor::DlgPropCapacitor(GraphicsScene *scene)
    : DlgPropTwoPin(scene, CapacitorKind, capacitorCatalogue, form)
{
    connect(typeCombo(), qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropCapacitor::changeCapacitorType);
}

DlgPropCapacitor::~DlgPropCapacitor() = default;

void DlgPropCapacitor::changeCapacitorType(int index)
{
    changeType(index);
}

DlgPropGraphicsItem *createDlgPropCapacitor(GraphicsScene *scene)
{
    return new DlgPropCapacitor(scene);
}
