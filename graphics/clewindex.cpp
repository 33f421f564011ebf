#include "graphics/clewindex.h"

#include "graphics/graphicstag.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "model/tag.h"

#include <QGraphicsItem>
#include <QHash>
#include <QList>
#include <QSet>
#include <QVarLengthArray>

#include <utility>
#include <vector>

namespace {

constexpr int U = QGraphicsItem::UserType;
// The connection items of the schemes.
const int firstUniteType = U + 101;
const int endUniteType = U + 200;
const int netType = U + 102;
const int nodeType = U + 103;
const int crossNetType = U + 111;

// How an item hands a walk on from the pin it was entered by.
enum class Pass {
    Hub,      // to every other pin: nets, nodes, passages
    Cross,    // to the opposite pin
    Slanting, // between pin 0 or 1 and pin 2
    Tag,      // to every pin of every item of its tag
    End,      // nowhere: devices, grounds, copper plates and the rest
    Unknown   // a connection or tag item of a kind not listed here
};

Pass passOf(PinOwner *owner, GraphicsTag **tagItem)
{
    GraphicsItem *item = owner ? owner->graphicsItem() : nullptr;
    if (!item)
        return Pass::Unknown;
    const int type = item->type();
    if (type >= firstUniteType && type < endUniteType) {
        switch (type) {
        case netType:
        case nodeType:
        case passageType:
            return Pass::Hub;
        case crossNetType:
            return owner->pinCount() == 4 ? Pass::Cross : Pass::Unknown;
        case slantingNetType:
            return owner->pinCount() == 3 ? Pass::Slanting : Pass::Unknown;
        case copperPlateType:
            return Pass::End;
        default:
            return Pass::Unknown;
        }
    }
    if (type >= firstTagItemType && type < endTagItemType) {
        *tagItem = dynamic_cast<GraphicsTag *>(owner);
        return *tagItem ? Pass::Tag : Pass::Unknown;
    }
    return Pass::End;
}

// Whether a walk enters an item bound to no tag through this pin: such an
// item answers every question yes, so the whole clew does.
bool entersUnboundTag(Pin *pin)
{
    GraphicsTag *tagItem = nullptr;
    return pin->partner() && passOf(pin->owner(), &tagItem) == Pass::Tag && !tagItem->tag();
}

int indexIn(PinOwner *owner, const Pin *pin)
{
    for (int i = 0; i < owner->pinCount(); ++i) {
        if (owner->pin(i) == pin)
            return i;
    }
    return -1;
}

} // namespace

class ClewIndex::Data final : public PinJointObserver
{
public:
    // 1 or 0 for what the walk would answer, -1 when the index cannot
    // tell.
    int answer(PinOwner *item, Pin *target, Pin *entry);
    // The pins tell the open index of changes to their joints.
    void soldered(Pin *a, Pin *b) override;
    void unsoldered(Pin *a, Pin *b) override
    {
        forgetPartOf(a);
        forgetPartOf(b);
    }
    void destroyed(Pin *pin) override { forgetPartOf(pin); }
    void forgetPartOf(const Pin *pin);

private:
    // The pins joined by the walks' passes: a tree in sound data, where
    // the pins are one more than the joints.
    struct Part
    {
        explicit Part(int id)
            : parent(id)
        {
        }

        int parent;
        qint64 pins = 0;
        qint64 ends = 0; // two for every joint
        bool reachesUnboundTag = false;
        bool unknown = false;
        QList<Pin *> members;
        QList<Pin *> slanting; // pins of slanting nets in the part
    };

    int find(int part);
    int unite(int a, int b);
    int partOf(Pin *pin);
    void label(Pin *start);
    void neighbours(Pin *pin, QVarLengthArray<Pin *, 8> &out, Part &flags);
    Pin *tagCentre(Tag *tag);
    bool loops(int root) const { return m_parts[size_t(root)].ends > 2 * (m_parts[size_t(root)].pins - 1); }

    std::vector<Part> m_parts;
    QHash<const Pin *, int> m_partOf;
    // The pin every other pin of a tag is joined to; null for a tag that
    // holds an item of a wrong kind.
    QHash<const Tag *, Pin *> m_tagCentres;
};

ClewIndex::Data *ClewIndex::s_data = nullptr;

int ClewIndex::Data::find(int part)
{
    int root = part;
    while (m_parts[size_t(root)].parent != root)
        root = m_parts[size_t(root)].parent;
    while (m_parts[size_t(part)].parent != root) {
        const int next = m_parts[size_t(part)].parent;
        m_parts[size_t(part)].parent = root;
        part = next;
    }
    return root;
}

int ClewIndex::Data::unite(int a, int b)
{
    a = find(a);
    b = find(b);
    if (a == b)
        return a;
    if (m_parts[size_t(a)].members.size() < m_parts[size_t(b)].members.size())
        std::swap(a, b);
    Part &into = m_parts[size_t(a)];
    Part &from = m_parts[size_t(b)];
    from.parent = a;
    into.pins += from.pins;
    into.ends += from.ends;
    into.reachesUnboundTag = into.reachesUnboundTag || from.reachesUnboundTag;
    into.unknown = into.unknown || from.unknown;
    into.members += from.members;
    into.slanting += from.slanting;
    from.members = QList<Pin *>();
    from.slanting = QList<Pin *>();
    return a;
}

Pin *ClewIndex::Data::tagCentre(Tag *tag)
{
    const auto known = m_tagCentres.constFind(tag);
    if (known != m_tagCentres.constEnd())
        return *known;
    Pin *centre = nullptr;
    bool sound = true;
    for (ObjItem *item : tag->items()) {
        PinOwner *owner = item ? item->pinOwner() : nullptr;
        GraphicsItem *graphics = owner ? owner->graphicsItem() : nullptr;
        if (!graphics || graphics->type() < firstTagItemType || graphics->type() >= endTagItemType) {
            sound = false;
            break;
        }
        if (!centre && owner->pinCount() > 0)
            centre = owner->pin(0);
    }
    if (!sound)
        centre = nullptr;
    m_tagCentres.insert(tag, centre);
    return centre;
}

void ClewIndex::Data::neighbours(Pin *pin, QVarLengthArray<Pin *, 8> &out, Part &flags)
{
    if (Pin *partner = pin->partner())
        out.append(partner);
    PinOwner *owner = pin->owner();
    GraphicsTag *tagItem = nullptr;
    switch (passOf(owner, &tagItem)) {
    case Pass::Hub: {
        // A star around pin 0: one joint less than pins, as in a tree.
        Pin *centre = owner->pinCount() > 0 ? owner->pin(0) : nullptr;
        if (pin == centre) {
            for (int i = 1; i < owner->pinCount(); ++i)
                out.append(owner->pin(i));
        } else if (centre) {
            out.append(centre);
        }
        break;
    }
    case Pass::Cross: {
        const int i = indexIn(owner, pin);
        if (i >= 0)
            out.append(owner->pin(3 - i));
        else
            flags.unknown = true;
        break;
    }
    case Pass::Slanting:
        flags.slanting.append(pin);
        break;
    case Pass::Tag: {
        Tag *tag = tagItem->tag();
        if (!tag) {
            flags.reachesUnboundTag = flags.reachesUnboundTag || entersUnboundTag(pin);
            break;
        }
        Pin *centre = tagCentre(tag);
        if (!centre) {
            flags.unknown = true;
        } else if (pin != centre) {
            out.append(centre);
        } else {
            for (ObjItem *item : tag->items()) {
                PinOwner *other = item->pinOwner();
                for (int i = 0; i < other->pinCount(); ++i) {
                    if (other->pin(i) != centre)
                        out.append(other->pin(i));
                }
            }
        }
        break;
    }
    case Pass::End:
        break;
    case Pass::Unknown:
        flags.unknown = true;
        break;
    }
}

void ClewIndex::Data::label(Pin *start)
{
    int root = int(m_parts.size());
    m_parts.emplace_back(root);
    m_partOf.insert(start, root);
    m_parts[size_t(root)].members.append(start);
    m_parts[size_t(root)].pins = 1;
    QList<Pin *> pending{start};
    QVarLengthArray<Pin *, 8> out;
    while (!pending.isEmpty()) {
        Pin *pin = pending.takeLast();
        out.clear();
        Part flags(-1);
        neighbours(pin, out, flags);
        root = find(root);
        {
            Part &part = m_parts[size_t(root)];
            part.ends += out.size();
            part.reachesUnboundTag = part.reachesUnboundTag || flags.reachesUnboundTag;
            part.unknown = part.unknown || flags.unknown;
            part.slanting += flags.slanting;
        }
        for (Pin *next : out) {
            const auto it = m_partOf.constFind(next);
            if (it == m_partOf.constEnd()) {
                m_partOf.insert(next, root);
                m_parts[size_t(root)].members.append(next);
                ++m_parts[size_t(root)].pins;
                pending.append(next);
            } else {
                root = unite(root, *it);
            }
        }
    }
}

int ClewIndex::Data::partOf(Pin *pin)
{
    auto it = m_partOf.constFind(pin);
    if (it == m_partOf.constEnd()) {
        label(pin);
        it = m_partOf.constFind(pin);
    }
    return find(*it);
}

void ClewIndex::Data::soldered(Pin *a, Pin *b)
{
    const auto ia = m_partOf.constFind(a);
    const auto ib = m_partOf.constFind(b);
    const bool knowsA = ia != m_partOf.constEnd();
    const bool knowsB = ib != m_partOf.constEnd();
    if (!knowsA && !knowsB)
        return;
    // The new joint counts at each end already labelled, and a walk may now
    // enter an unbound tag item there; a side not yet labelled is labelled
    // now, through the joint into the other side.
    for (Pin *pin : {a, b}) {
        const auto it = pin == a ? ia : ib;
        if (it == m_partOf.constEnd())
            continue;
        Part &part = m_parts[size_t(find(*it))];
        ++part.ends;
        part.reachesUnboundTag = part.reachesUnboundTag || entersUnboundTag(pin);
    }
    if (knowsA && knowsB)
        unite(*ia, *ib);
    else
        label(knowsA ? b : a);
}

void ClewIndex::Data::forgetPartOf(const Pin *pin)
{
    const auto it = m_partOf.constFind(pin);
    if (it == m_partOf.constEnd())
        return;
    Part &part = m_parts[size_t(find(*it))];
    for (const Pin *member : std::as_const(part.members))
        m_partOf.remove(member);
    part.members = QList<Pin *>();
    part.slanting = QList<Pin *>();
    part.pins = 0;
    part.ends = 0;
    // A tag's pins all lie in one part; the centres are found again.
    m_tagCentres.clear();
}

int ClewIndex::Data::answer(PinOwner *item, Pin *target, Pin *entry)
{
    // A soldered target may be met as an entry, which the walk does not
    // look at; a soldered entry closes off a side that the parts include.
    if (!item || !target || !target->isFree() || target == entry || (entry && !entry->isFree()))
        return -1;
    GraphicsTag *tagItem = nullptr;
    QVarLengthArray<Pin *, 2> starts;
    // The slanting nets passed, with the pins the walk used at each.
    QHash<PinOwner *, QVarLengthArray<Pin *, 3>> passed;
    switch (passOf(item, &tagItem)) {
    case Pass::Hub:
        if (item->pinCount() == 0)
            return -1;
        starts.append(item->pin(0));
        break;
    case Pass::Cross: {
        const int i = entry ? indexIn(item, entry) : -1;
        if (i < 0)
            return -1;
        Pin *opposite = item->pin(3 - i);
        if (opposite == target)
            return 1;
        starts.append(opposite);
        break;
    }
    case Pass::Slanting: {
        const int i = entry ? indexIn(item, entry) : -1;
        if (i < 0)
            return -1;
        if (i == 2) {
            passed[item] = {item->pin(0), item->pin(1), item->pin(2)};
            starts = {item->pin(0), item->pin(1)};
        } else {
            passed[item] = {entry, item->pin(2)};
            starts = {item->pin(2)};
        }
        for (Pin *start : std::as_const(starts)) {
            if (start == target)
                return 1;
        }
        break;
    }
    case Pass::Tag:
        if (!tagItem->tag())
            return 1;
        if (item->pinCount() == 0)
            return -1;
        starts.append(item->pin(0));
        break;
    default:
        return -1;
    }

    // What the walk is after: the target, and for a clamp's pin its other
    // joined pins too, since a walk that enters a clamp reaches all its pins.
    QVarLengthArray<int, 4> goals{partOf(target)};
    if (ownerType(target) == clampType) {
        PinOwner *clamp = target->owner();
        for (int i = 0; i < clamp->pinCount(); ++i) {
            Pin *other = clamp->pin(i);
            if (other != target && other->partner())
                goals.append(partOf(other));
        }
    }
    auto reaches = [&](int root) {
        if (m_parts[size_t(root)].reachesUnboundTag)
            return true;
        for (int goal : goals) {
            if (find(goal) == root)
                return true;
        }
        return false;
    };
    if (starts.size() == 1) {
        // The common case: one part, no slanting net to pass.
        const int root = partOf(starts.first());
        const Part &part = m_parts[size_t(root)];
        if (part.slanting.isEmpty()) {
            if (part.unknown || loops(root))
                return -1;
            return reaches(root) ? 1 : 0;
        }
    }
    // The parts the walk passes, each met once. One met again closes a loop
    // through slanting nets, where the walk's own order decides what it
    // reaches, so the walk answers; hence the search goes to its end before
    // it answers yes.
    QList<int> pending;
    QSet<int> seen;
    auto meet = [&](Pin *pin) {
        const int root = partOf(pin);
        if (seen.contains(root))
            return false;
        seen.insert(root);
        pending.append(root);
        return true;
    };
    for (Pin *start : std::as_const(starts)) {
        if (!meet(start))
            return -1;
    }
    bool found = false;
    while (!pending.isEmpty()) {
        const int root = find(pending.takeLast());
        if (m_parts[size_t(root)].unknown || loops(root))
            return -1;
        found = found || reaches(root);
        // Labelling further parts may grow the list: go over a copy.
        const QList<Pin *> slanting = m_parts[size_t(root)].slanting;
        for (Pin *pin : slanting) {
            PinOwner *net = pin->owner();
            const int i = indexIn(net, pin);
            if (i < 0)
                return -1;
            const auto used = passed.constFind(net);
            if (used != passed.constEnd()) {
                // Met again by a pin the walk did not use there: the
                // drawing closes a loop through the net.
                if (!used->contains(pin))
                    return -1;
                continue;
            }
            QVarLengthArray<Pin *, 2> exits;
            if (i == 2) {
                exits = {net->pin(0), net->pin(1)};
                passed[net] = {net->pin(0), net->pin(1), net->pin(2)};
            } else {
                exits = {net->pin(2)};
                passed[net] = {pin, net->pin(2)};
            }
            for (Pin *exit : std::as_const(exits)) {
                if (!meet(exit))
                    return -1;
            }
        }
    }
    return found ? 1 : 0;
}

ClewIndex::ClewIndex()
    : m_outermost(s_data == nullptr)
{
    if (m_outermost) {
        s_data = new Data;
        Pin::setJointObserver(s_data);
    }
}

ClewIndex::~ClewIndex()
{
    if (m_outermost) {
        Pin::setJointObserver(nullptr);
        delete s_data;
        s_data = nullptr;
    }
}

bool ClewIndex::isConnected(PinOwner *item, Pin *target, Pin *entry)
{
    if (!item)
        return false;
    const int known = s_data ? s_data->answer(item, target, entry) : -1;
    return known < 0 ? item->isConnected(target, entry) : known == 1;
}
