#include "devices/dlgpropammeter.h"

#include "devices/ammetercatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm ammeterForm = {
    "DlgPropAmmeter", QT_TRANSLATE_NOOP("DlgPropAmmeter", "Find ammeter:"), true, 270, 200,
    QT_TRANSLATE_NOOP("DlgPropAmmeter", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropAmmeter", "Type"),
    QT_TRANSLATE_NOOP("DlgPropAmmeter", "Type:"), QT_TRANSLATE_NOOP("DlgPropAmmeter", "N"), 30, 50,
};

} // namespace

DlgPropAmmeter::DlgPropAmmeter(GraphicsScene *scene)
    : DlgPropTwoPin(scene, AmmeterKind, ammeterCatalogue, ammeterForm)
{
}

DlgPropAmmeter::~DlgPropAmmeter() = default;

DlgPropGraphicsItem *createDlgPropAmmeter(GraphicsScene *scene)
{
    return new DlgPropAmmeter(scene);
}
