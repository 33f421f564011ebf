#include "schemes/footnote.h"

#include "model/check.h"
#include "model/netwalk.h"
#include "model/pin.h"
#include "schemes/graphicsfootnote.h"
#include "schemes/net.h"

#include <QGraphicsItem>

namespace {

// The footnote's items as pinned items; others fail a check and are left
// out.
QList<PinOwner *> footnoteItems(const QList<ObjItem *> &items)
{
    QList<PinOwner *> owners;
    for (ObjItem *item : items) {
        PinOwner *owner = item ? item->pinOwner() : nullptr;
        GraphicsItem *graphics = owner ? owner->graphicsItem() : nullptr;
        if (!CHECK(graphics && graphics->type() == GraphicsFootnote::Type))
            continue;
        owners.append(owner);
    }
    return owners;
}

} // namespace

Footnote::Footnote(Project *project)
    : Tag(project, FootnoteKind)
{
}

void Footnote::collectClewPins(Pin *entry, QList<Pin *> &pins)
{
    // All items of the footnote are one point: it is passed once per walk.
    NetWalk walk(NetWalk::CollectPins, entry);
    if (!walk.enter(this))
        return;
    const QList<PinOwner *> owners = footnoteItems(items());
    for (PinOwner *owner : owners) {
        for (int i = 0; i < owner->pinCount(); ++i) {
            Pin *pin = owner->pin(i);
            if (!pin || pin == entry)
                continue;
            Pin *partner = pin->partner();
            if (partner && partner->owner())
                walk.handOn(partner->owner(), partner);
        }
    }
    runCollectPins(walk, pins);
}

void Footnote::collectClew(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    NetWalk walk(NetWalk::Collect, entry);
    if (!walk.enter(this))
        return;
    const QList<PinOwner *> owners = footnoteItems(this->items());
    for (PinOwner *owner : owners) {
        for (int i = 0; i < owner->pinCount(); ++i) {
            Pin *pin = owner->pin(i);
            if (!pin || pin == entry)
                continue;
            Pin *partner = pin->partner();
            if (partner && partner->owner())
                walk.handOn(partner->owner(), partner);
        }
    }
    runCollect(walk, pins, items, n);
}
