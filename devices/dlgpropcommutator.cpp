#include "devices/dlgpropcommutator.h"

#include "devices/commutatorcatalogue.h"
#include "devices/graphicsgroupeddevice.h"
#include "model/check.h"
#include "model/project.h"

DlgPropCommutator::DlgPropCommutator(GraphicsScene *scene)
    : DlgPropSwitchGroup(scene, CommutatorKind, commutatorCatalogue,
                         {tr("Find commutator:"), tr("Commutator name:"), tr("commutator"), tr("Commutator is busy!"),
                          tr("Choise commutator and commutator type not compatibility! ")},
                         tr("Commutator under current"))
{
}

DlgPropCommutator::~DlgPropCommutator() = default;

void DlgPropCommutator::itemNamed(GraphicsGroupedDevice *item, const QString &name)
{
    Project *owner = project();
    if (item->obj() || name.isEmpty() || !CHECK_PTR(owner) || owner->findObj(CommutatorKind, name))
        return;
    // No commutator bears the name: a new one of the chosen type.
    Obj *made = owner->createDevice(CommutatorKind);
    if (!CHECK_PTR(made))
        return;
    saveObj(made);
    if (!made->appendItem(item) || !made->setName(name)) {
        item->detachObj(false);
        delete made;
    }
}

DlgPropGraphicsItem *createDlgPropCommutator(GraphicsScene *scene)
{
    return new DlgPropCommutator(scene);
}
