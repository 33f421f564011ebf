#include "devices/dlgpropdiode.h"

#include "devices/diodecatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm diodeForm = {
    "DlgPropDiode", QT_TRANSLATE_NOOP("DlgPropDiode", "Find diode:"), false, 230, 200,
    QT_TRANSLATE_NOOP("DlgPropDiode", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropDiode", "Type"),
    QT_TRANSLATE_NOOP("DlgPropDiode", "Type:"), nullptr, 0, 50,
};

} // namespace

DlgPropDiode::DlgPropDiode(GraphicsScene *scene)
    : DlgPropTwoPin(scene, DiodeKind, diodeCatalogue, diodeForm)
{
}

DlgPropDiode::~DlgPropDiode() = default;

DlgPropGraphicsItem *createDlgPropDiode(GraphicsScene *scene)
{
    return new DlgPropDiode(scene);
}
