#include "devices/dlgpropcapacitor.h"

#include "devices/capacitorcatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm capacitorForm = {
    "DlgPropCapacitor", QT_TRANSLATE_NOOP("DlgPropCapacitor", "Find capacitor:"), false, 280, 200,
    QT_TRANSLATE_NOOP("DlgPropCapacitor", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropCapacitor", "Type"),
    QT_TRANSLATE_NOOP("DlgPropCapacitor", "Type:"), QT_TRANSLATE_NOOP("DlgPropCapacitor", "Nom."), 50, 50,
};

} // namespace

DlgPropCapacitor::DlgPropCapacitor(GraphicsScene *scene)
    : DlgPropTwoPin(scene, CapacitorKind, capacitorCatalogue, capacitorForm)
{
}

DlgPropCapacitor::~DlgPropCapacitor() = default;

DlgPropGraphicsItem *createDlgPropCapacitor(GraphicsScene *scene)
{
    return new DlgPropCapacitor(scene);
}
