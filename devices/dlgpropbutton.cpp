#include "devices/dlgpropbutton.h"

#include "devices/buttoncatalogue.h"
#include "model/obj.h"

DlgPropButton::DlgPropButton(GraphicsScene *scene)
    : DlgPropSwitchGroup(scene, ButtonKind, buttonCatalogue,
                         {tr("Find button:"), tr("Button name:"), tr("button"), tr("Button is busy!"),
                          tr("Choise button and button type not compatibility! ")},
                         tr("Button under current"))
{
}

DlgPropButton::~DlgPropButton() = default;

DlgPropGraphicsItem *createDlgPropButton(GraphicsScene *scene)
{
    return new DlgPropButton(scene);
}
