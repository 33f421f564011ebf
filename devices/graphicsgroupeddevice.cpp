#include "devices/graphicsgroupeddevice.h"

#include "devices/groupeddevice.h"
#include "model/check.h"
#include "model/pin.h"

GraphicsGroupedDevice::GraphicsGroupedDevice(GraphicsScene *scene, const GroupCatalogue &catalogue)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
    , m_catalogue(catalogue)
{
}

GraphicsGroupedDevice::~GraphicsGroupedDevice() = default;

GroupedDevice *GraphicsGroupedDevice::groupedDevice() const
{
    auto *device = dynamic_cast<GroupedDevice *>(obj());
    return device && device->kind() == objType() ? device : nullptr;
}

bool GraphicsGroupedDevice::setContactKind(int kind)
{
    if (kind == m_contactKind)
        return true;
    if (!CHECK(m_catalogue.isKind(kind)))
        return false;
    GroupedDevice *bound = groupedDevice();
    if (bound && !bound->fitsGroup(kind, m_contactNumber, this))
        return false;
    prepareGeometryChange();
    m_contactKind = kind;
    const int count = m_catalogue.kinds[kind].pinCount;
    createPins(count);
    if (pinCount() == count)
        placePins();
    update();
    return true;
}

bool GraphicsGroupedDevice::setContactNumber(quint8 number)
{
    GroupedDevice *bound = groupedDevice();
    if (bound && !bound->fitsGroup(m_contactKind, number, this))
        return false;
    m_contactNumber = number;
    return true;
}

bool GraphicsGroupedDevice::setContactGroup(int kind, quint8 number)
{
    if (!CHECK(m_catalogue.isKind(kind)))
        return false;
    if (GroupedDevice *bound = groupedDevice()) {
        const int group = bound->groupFor(kind, number, this);
        if (group < 0)
            return false;
        number = quint8(group);
        // The group first: the form then suits it.
        m_contactNumber = number;
    }
    setContactKind(kind);
    m_contactNumber = number;
    return true;
}

void GraphicsGroupedDevice::updatePinNames()
{
    const int kind = m_contactKind;
    if (!CHECK(m_catalogue.isKind(kind) && pinCount() == m_catalogue.kinds[kind].pinCount
               && m_contactNumber != NoGroup))
        return;
    const char *names[3] = {nullptr, nullptr, nullptr};
    if (GroupedDevice *bound = groupedDevice()) {
        // A group that the type does not have names no pins rather than
        // reading past the type's groups.
        if (CHECK(m_contactNumber < bound->groupCount()))
            m_catalogue.pinNames(bound->modelIndex(), m_contactNumber, kind, names);
    }
    for (int i = 0; i < pinCount() && i < 3; ++i) {
        if (WiringPin *named = wiringPin(i))
            named->setName(names[i]);
    }
}

QString GraphicsGroupedDevice::pinName(Pin *pin, Pin *)
{
    // An unnamed pin (an unbound item's) has no label of its own.
    auto *named = dynamic_cast<WiringPin *>(pin);
    if (!named || !named->name())
        return QString();
    return pinLabel(name(), pin);
}

bool GraphicsGroupedDevice::groupReadFits(const GroupedDevice *device) const
{
    return device->fitsGroup(this);
}

bool GraphicsGroupedDevice::resolveLinks()
{
    if (!GraphicsDevice::resolveLinks())
        return false;
    if (!obj())
        return true;
    const GroupedDevice *bound = groupedDevice();
    if (bound && groupReadFits(bound))
        return true;
    detachObj(false);
    return false;
}
