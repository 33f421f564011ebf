#include "devices/dlgproplamp.h"

#include "devices/lampcatalogue.h"
#include "model/obj.h"

DlgPropLamp::DlgPropLamp(GraphicsScene *scene)
    : DlgPropTypedDevice(scene, LampKind, tr("Find Lamp:"), LampTypeCount, lampTypeName)
{
}

DlgPropLamp::~DlgPropLamp() = default;

DlgPropGraphicsItem *createDlgPropLamp(GraphicsScene *scene)
{
    return new DlgPropLamp(scene);
}
