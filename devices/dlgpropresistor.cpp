#include "devices/dlgpropresistor.h"

#include "devices/resistorcatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm resistorForm = {
    "DlgPropResistor", QT_TRANSLATE_NOOP("DlgPropResistor", "Find Resistor:"), false, 280, 200,
    QT_TRANSLATE_NOOP("DlgPropResistor", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropResistor", "Type"),
    QT_TRANSLATE_NOOP("DlgPropResistor", "Type:"), QT_TRANSLATE_NOOP("DlgPropResistor", "Nom."), 50, 50,
};

} // namespace

DlgPropResistor::DlgPropResistor(GraphicsScene *scene)
    : DlgPropTwoPin(scene, ResistorKind, resistorCatalogue, resistorForm)
{
}

DlgPropResistor::~DlgPropResistor() = default;

DlgPropGraphicsItem *createDlgPropResistor(GraphicsScene *scene)
{
    return new DlgPropResistor(scene);
}
