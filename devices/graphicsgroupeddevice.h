#ifndef RLAY_GRAPHICSGROUPEDDEVICE_H
#define RLAY_GRAPHICSGROUPEDDEVICE_H

// The scene item of one contact group of a device shown group by group
// (button, commutator, keystaff). Several items share one device, each
// showing another group of the device's type (its contact number) in a form
// of the kind's catalogue (its contact kind), which chooses its pins. Its
// pins are named from the group; an item bound to no device keeps its name,
// has no pin names and is drawn red.

#include "graphics/graphicsdevice.h"

struct GroupCatalogue;
class GroupedDevice;

class GraphicsGroupedDevice : public GraphicsDevice
{
public:
    // The contact number of an item that shows no group yet.
    enum { NoGroup = 255 };

    GraphicsGroupedDevice(GraphicsScene *scene, const GroupCatalogue &catalogue);
    ~GraphicsGroupedDevice() override;

    // After the binding read with the item: a device of another kind, or a
    // group that the item may not keep (groupReadFits), is damaged data; the
    // item is left unbound and the fix-up fails.
    bool resolveLinks() override;
    // The group's names on the pins; none while unbound.
    void updatePinNames() override;
    // The item's name and the pin's name, for the wiring documents; empty
    // for a pin without a name.
    QString pinName(Pin *pin, Pin *other) override;

    // Sets the form and makes its pins (unsoldering the former ones). A
    // bound item takes only a form that its group takes, as the reader
    // does; false when refused.
    bool setContactKind(int kind);
    int contactKind() const { return m_contactKind; }
    quint8 contactNumber() const { return m_contactNumber; }
    // A bound item takes only a group that its device may let it show
    // (GroupedDevice::fitsGroup), as the reader does; false when refused.
    bool setContactNumber(quint8 number);
    // The form and the group together: an unbound item takes both as they
    // are; a bound one the group that its device gives an item of the form
    // asking for it (the first free one that takes the form when that one
    // does not), and nothing changes when the device has none.
    bool setContactGroup(int kind, quint8 number);

    // The bound device of the item's kind, null while unbound.
    GroupedDevice *groupedDevice() const;

protected:
    // Centres the pins of the current form, which the item has.
    virtual void placePins() = 0;
    // Whether the device read with the item lets it keep its group: by
    // default when the device may let it show it (fitsGroup).
    virtual bool groupReadFits(const GroupedDevice *device) const;
    // The number as read, before the binding.
    void setReadNumber(quint8 number) { m_contactNumber = number; }

private:
    const GroupCatalogue &m_catalogue;
    qint32 m_contactKind = -1;
    quint8 m_contactNumber = NoGroup;
};

#endif
