// What each folder above the model adds to a project and the services the
// lower folders call up to, registered once while the library loads, in a
// fixed order: every program, test and benchmark that links the library
// finds every kind and every branch before its first line runs, and no
// caller can forget a registration.

#include "app/checkmessagegraphicsitem.h"
#include "app/printer.h"
#include "devices/deviceparts.h"
#include "equipment/equipmentparts.h"
#include "model/itemmenagerbase.h"
#include "schemes/schemeparts.h"

namespace {

void registerAppParts()
{
    ItemMenagerBase::setPdfWriter(&Printer::savePdfFiles);
    CheckMessage::setItemRowFactory([](QTreeWidget *list, int kind, GraphicsItem *item) -> CheckMessage * {
        return new CheckMessageGraphicsItem(list, kind, item);
    });
}

[[maybe_unused]] const bool registered = (registerSchemeParts(), registerDeviceParts(), registerEquipmentParts(), registerAppParts(), true);

} // namespace
