#include "devices/dlgpropheating.h"

#include "devices/heatingcatalogue.h"
#include "model/obj.h"

DlgPropHeating::DlgPropHeating(GraphicsScene *scene)
    : DlgPropTypedDevice(scene, HeatingKind, tr("Find heating:"), HeatingTypeCount, heatingTypeName)
{
}

DlgPropHeating::~DlgPropHeating() = default;

DlgPropGraphicsItem *createDlgPropHeating(GraphicsScene *scene)
{
    return new DlgPropHeating(scene);
}
