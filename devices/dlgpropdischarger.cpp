#include "devices/dlgpropdischarger.h"

#include "devices/dischargercatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm dischargerForm = {
    "DlgPropDischarger", QT_TRANSLATE_NOOP("DlgPropDischarger", "Find discharger:"), false, 230, 200,
    QT_TRANSLATE_NOOP("DlgPropDischarger", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropDischarger", "Type"),
    QT_TRANSLATE_NOOP("DlgPropDischarger", "Type:"), nullptr, 0, 50,
};

} // namespace

DlgPropDischarger::DlgPropDischarger(GraphicsScene *scene)
    : DlgPropTwoPin(scene, DischargerKind, dischargerCatalogue, dischargerForm)
{
}

DlgPropDischarger::~DlgPropDischarger() = default;

DlgPropGraphicsItem *createDlgPropDischarger(GraphicsScene *scene)
{
    return new DlgPropDischarger(scene);
}
