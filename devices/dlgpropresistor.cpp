#include "devices/dlgpropresistor.h"

#include "devices/resistorcatalogue.h"
#include "graphics/rcombobox.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm form = {
    "DlgPropResistor", QT_TRANSLATE_NOOP("DlgPropResistor", "Find Resistor:"), false, 280, 200,
    QT_TRANSLATE_NOOP("DlgPropResistor", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropResistor", "Type"),
    QT_TRANSLATE_NOOP("DlgPropResistor", "Type:"), QT_TRANSLATE_NOOP("DlgPropResistor", "Nom."), 50, 50,
};

} // namespace

DlgPropResistor::DlgPropResistor(GraphicsScene *scene)
    : DlgPropTwoPin(scene, ResistorKind, resistorCatalogue, form)
{
    connect(typeCombo(), qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropResistor::changeResistorType);
}

DlgPropResistor::~DlgPropResistor() = default;

void DlgPropResistor::changeResistorType(int index)
{
    changeType(index);
}

DlgPropGraphicsItem *createDlgPropResistor(GraphicsScene *scene)
{
    return new DlgPropResistor(scene);
}
