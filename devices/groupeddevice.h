#ifndef RLAY_GROUPEDDEVICE_H
#define RLAY_GROUPEDDEVICE_H

// A device shown group by group: the button, the commutator and the
// keystaff. Its type is a row of its kind's catalogue with a list of contact
// groups; each group is shown by at most one item of the kind, possibly on
// several schemes, all bound to the one device, and only in a form that the
// group takes. An item keeps the group it asks for when that one is free and
// takes the item's form, else it gets the first such group; a device with
// none left, or without a type, refuses it.

#include "devices/groupcatalogue.h"
#include "devices/typeddevice.h"

class GraphicsGroupedDevice;

class GroupedDevice : public TypedDevice
{
public:
    GroupedDevice(Project *project, int kind, const GroupCatalogue &catalogue);
    ~GroupedDevice() override;

    // Takes an item of the kind on the group groupFor gives it, which the
    // item then shows; refuses it when there is none.
    bool canAppend(ObjItem *item) override;
    // "Console Control".
    int placeType() const override;

    const GroupCatalogue &catalogue() const { return m_catalogue; }
    // The number of groups of the type; 0 without a type.
    int groupCount() const;
    // Whether group n of the type (below groupCount) takes an item of the
    // form.
    bool groupTakes(int group, int kind) const;
    // The group an item of the form asking for the wanted group would get,
    // the leaving item (one the device shows now) not counted; -1 when the
    // device would refuse it.
    int groupFor(int kind, int wanted, const ObjItem *leaving = nullptr) const;
    // Whether the item may show the group in the form: one of the type's,
    // taking the form and shown by no bound item but the given one.
    bool fitsGroup(int kind, int group, const GraphicsGroupedDevice *item) const;
    bool fitsGroup(const GraphicsGroupedDevice *item) const;
    // The first bound item showing the group, else null.
    GraphicsGroupedDevice *itemShowing(int group) const;

protected:
    // Another type: every item is given a group of the new type that takes
    // its form, or is left unbound when none is free.
    void modelIndexChanged() override;

private:
    // The item when it is one of the kind's, else null.
    GraphicsGroupedDevice *kindItem(ObjItem *item) const;

    const GroupCatalogue &m_catalogue;
};

#endif
