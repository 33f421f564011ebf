#include "model/tag.h"

#include "model/check.h"
#include "model/itemtypes.h"
#include "model/netwalk.h"
#include "model/pin.h"

#include <QGraphicsItem>

Tag::Tag(Project *project, int kind)
    : Obj(project, kind)
{
}

Tag::~Tag() = default;

void Tag::updateNetLinks(Pin *from, QList<Pin *> &pins)
{
    NetWalk walk(NetWalk::UpdateLinks, from);
    if (!walk.enter(this))
        return;
    // The walk may change the item list: it goes over a copy.
    const QList<ObjItem *> tagItems = items();
    for (ObjItem *item : tagItems) {
        if (!CHECK_PTR(itemTypeIn(item, firstTagItemType, endTagItemType) ? item : nullptr))
            continue;
        PinOwner *owner = item->pinOwner();
        for (int i = 0; i < owner->pinCount(); ++i) {
            Pin *pin = owner->pin(i);
            if (!pin || pin == from)
                continue;
            Pin *partner = pin->partner();
            if (partner && partner->owner())
                walk.handOn(partner->owner(), partner);
        }
    }
    walk.run([&pins](PinOwner *owner, Pin *entry) {
        owner->updateNetLinks(entry, pins);
        return false;
    });
}

bool Tag::isConnected(Pin *target, Pin *from)
{
    NetWalk walk(NetWalk::Connected, from);
    if (!walk.enter(this))
        return false;
    const QList<ObjItem *> tagItems = items();
    for (ObjItem *item : tagItems) {
        if (!CHECK_PTR(itemTypeIn(item, firstTagItemType, endTagItemType) ? item : nullptr))
            continue;
        PinOwner *owner = item->pinOwner();
        for (int i = 0; i < owner->pinCount(); ++i) {
            Pin *pin = owner->pin(i);
            if (!pin || pin == from)
                continue;
            if (pin == target)
                return true;
            Pin *partner = pin->partner();
            if (partner && partner->owner())
                walk.handOn(partner->owner(), partner);
        }
    }
    return walk.run([target](PinOwner *owner, Pin *entry) { return owner->isConnected(target, entry); });
}
