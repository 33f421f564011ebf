#include "devices/dlgpropstabilitron.h"

#include "devices/stabilitroncatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm stabilitronForm = {
    "DlgPropStabilitron", QT_TRANSLATE_NOOP("DlgPropStabilitron", "Find Stabilitron:"), false, 230, 200,
    QT_TRANSLATE_NOOP("DlgPropStabilitron", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropStabilitron", "Type"),
    QT_TRANSLATE_NOOP("DlgPropStabilitron", "Type:"), nullptr, 0, 50,
};

} // namespace

DlgPropStabilitron::DlgPropStabilitron(GraphicsScene *scene)
    : DlgPropTwoPin(scene, StabilitronKind, stabilitronCatalogue, stabilitronForm)
{
}

DlgPropStabilitron::~DlgPropStabilitron() = default;

DlgPropGraphicsItem *createDlgPropStabilitron(GraphicsScene *scene)
{
    return new DlgPropStabilitron(scene);
}
