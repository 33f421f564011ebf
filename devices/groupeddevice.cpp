#include "devices/groupeddevice.h"

#include "devices/equipmentrows.h"
#include "devices/graphicsgroupeddevice.h"
#include "model/check.h"

GroupedDevice::GroupedDevice(Project *project, int kind, const GroupCatalogue &catalogue)
    : TypedDevice(project, kind, catalogue.typeCount, catalogue.typeName)
    , m_catalogue(catalogue)
{
}

GroupedDevice::~GroupedDevice() = default;

GraphicsGroupedDevice *GroupedDevice::kindItem(ObjItem *item) const
{
    auto *shown = dynamic_cast<GraphicsGroupedDevice *>(item);
    return shown && shown->objType() == kind() ? shown : nullptr;
}

bool GroupedDevice::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    // Only the kind's items show a group: one of another class, which no
    // file could hold, is refused.
    GraphicsGroupedDevice *shown = kindItem(item);
    if (!shown)
        return false;
    const int group = groupFor(shown->contactKind(), shown->contactNumber());
    if (group < 0)
        return false;
    shown->setContactNumber(quint8(group));
    return true;
}

int GroupedDevice::placeType() const
{
    return consoleControlPlace;
}

int GroupedDevice::groupCount() const
{
    return isType(modelIndex()) ? m_catalogue.groupCount(modelIndex()) : 0;
}

bool GroupedDevice::groupTakes(int group, int kind) const
{
    return m_catalogue.takes(m_catalogue.groupKind(modelIndex(), group), kind);
}

int GroupedDevice::groupFor(int kind, int wanted, const ObjItem *leaving) const
{
    const int count = groupCount();
    const auto fits = [&](int group) {
        if (!groupTakes(group, kind))
            return false;
        const ObjItem *shown = itemShowing(group);
        return !shown || shown == leaving;
    };
    if (wanted >= 0 && wanted < count && fits(wanted))
        return wanted;
    for (int group = 0; group < count; ++group) {
        if (fits(group))
            return group;
    }
    return -1;
}

bool GroupedDevice::fitsGroup(int kind, int group, const GraphicsGroupedDevice *item) const
{
    if (group < 0 || group >= groupCount() || !groupTakes(group, kind))
        return false;
    for (ObjItem *other : items()) {
        const GraphicsGroupedDevice *shown = kindItem(other);
        if (shown && shown != item && shown->contactNumber() == group)
            return false;
    }
    return true;
}

bool GroupedDevice::fitsGroup(const GraphicsGroupedDevice *item) const
{
    return item && fitsGroup(item->contactKind(), item->contactNumber(), item);
}

GraphicsGroupedDevice *GroupedDevice::itemShowing(int group) const
{
    for (ObjItem *item : items()) {
        if (!CHECK_PTR(item))
            continue;
        GraphicsGroupedDevice *shown = kindItem(item);
        if (shown && shown->contactNumber() == group)
            return shown;
    }
    return nullptr;
}

void GroupedDevice::modelIndexChanged()
{
    offerItemsAgain();
}
