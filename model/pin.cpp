#include "model/pin.h"

#include "model/address.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/itemtypes.h"
#include "model/project.h"

#include <QCoreApplication>
#include <QGraphicsItem>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

namespace {

// Type ids of the items whose pins the walks treat specially.
const int sourceType = QGraphicsItem::UserType + 202;
const int contactType = QGraphicsItem::UserType + 401;
const int groundType = QGraphicsItem::UserType + 501;

int typeOfOwner(PinOwner *owner)
{
    return owner ? owner->itemType() : 0;
}

PinJointObserver *jointObserver = nullptr;
PinItemKinds itemKinds = {nullptr, nullptr};
quint64 chainChanges = 0;

// The translation context of the pin names of the owner's kind; null for a
// kind the schemes do not know.
const char *pinNameContext(PinOwner *owner)
{
    return owner && itemKinds.pinNameContext ? itemKinds.pinNameContext(owner->itemType()) : nullptr;
}

} // namespace

const double pinSide = 14.0;
const QSizeF pinSize(pinSide, pinSide);
const QChar nameSeparator = QLatin1Char('-');

PinOwner::~PinOwner() = default;

Address *PinOwner::address()
{
    return nullptr;
}

QString PinOwner::pinName(Pin *, Pin *)
{
    return QString();
}

bool PinOwner::isConnected(Pin *, Pin *)
{
    return false;
}

PinOwner *PinOwner::linkedItem()
{
    return nullptr;
}

QString PinOwner::netName() const
{
    return QString();
}

int PinOwner::tiedFrameNumber() const
{
    return 0;
}

namespace {

// The slabs of pin blocks. Each starts with the walk marks of its slots,
// one byte to a slot of a pin's size, and the blocks follow; for each
// number of pins, the blocks given back, to be given again first.
struct PinSlabs
{
    enum { HeadBytes = Pin::SlabBytes / Pin::SlotBytes };
    std::mutex lock;
    std::vector<void *> freeBlocks[Pin::LargestSlabBlock + 1];
    // The unused end of the newest slab.
    char *next = nullptr;
    char *end = nullptr;
};

PinSlabs &pinSlabs()
{
    // Never destroyed: pins may outlive the static objects.
    static PinSlabs *slabs = new PinSlabs;
    return *slabs;
}

// How often this thread holds the slabs' lock by a Pin::SlabsHeld.
thread_local int slabsHeld = 0;

} // namespace

Pin::SlabsHeld::SlabsHeld()
{
    if (slabsHeld++ == 0)
        pinSlabs().lock.lock();
}

Pin::SlabsHeld::~SlabsHeld()
{
    if (--slabsHeld == 0)
        pinSlabs().lock.unlock();
}

bool Pin::blockInSlabs(size_t count, size_t size)
{
    return size == sizeof(Pin) && size == SlotBytes && count > 0 && count <= LargestSlabBlock;
}

void *Pin::allocateBlock(size_t count, size_t size)
{
    if (!blockInSlabs(count, size))
        return ::operator new(count * size);
    PinSlabs &slabs = pinSlabs();
    std::unique_lock<std::mutex> guard(slabs.lock, std::defer_lock);
    if (slabsHeld == 0)
        guard.lock();
    std::vector<void *> &given = slabs.freeBlocks[count];
    if (!given.empty()) {
        void *block = given.back();
        given.pop_back();
        return block;
    }
    const size_t bytes = count * size;
    if (size_t(slabs.end - slabs.next) < bytes) {
        // The rest of the slab is left: a block stays in one slab.
        char *slab = static_cast<char *>(::operator new(size_t(SlabBytes), std::align_val_t(SlabBytes)));
        std::memset(slab, 0, PinSlabs::HeadBytes);
        slabs.next = slab + PinSlabs::HeadBytes;
        slabs.end = slab + SlabBytes;
    }
    void *block = slabs.next;
    slabs.next += bytes;
    return block;
}

void Pin::releaseBlock(void *block, size_t count, size_t size)
{
    if (!blockInSlabs(count, size)) {
        ::operator delete(block);
        return;
    }
    PinSlabs &slabs = pinSlabs();
    std::unique_lock<std::mutex> guard(slabs.lock, std::defer_lock);
    if (slabsHeld == 0)
        guard.lock();
    slabs.freeBlocks[count].push_back(block);
}

Pin::Pin()
    : QRectF(QPointF(0, 0), pinSize)
    , m_partnerPending(false)
    , m_partnerPlace(0)
{
}

Pin::~Pin()
{
    noteChainChange();
    unsolder();
    if (jointObserver)
        jointObserver->destroyed(this);
    m_owner = nullptr;
}

void Pin::setJointObserver(PinJointObserver *observer)
{
    jointObserver = observer;
}

bool Pin::hasJointObserver()
{
    return jointObserver != nullptr;
}

void Pin::setItemKinds(const PinItemKinds &kinds)
{
    itemKinds = kinds;
}

quint64 Pin::chainStamp()
{
    return chainChanges;
}

void Pin::noteChainChange()
{
    ++chainChanges;
}

bool Pin::solder(Pin *other)
{
    if (!CHECK(other && other != this && !partner() && !other->partner()))
        return false;
    setPartner(other);
    other->setPartner(this);
    noteChainChange();
    m_contactFlag = 0;
    other->m_contactFlag = 0;
    if (jointObserver)
        jointObserver->soldered(this, other);
    return true;
}

Pin *Pin::unsolder()
{
    Pin *former = partner();
    if (former) {
        if (former->partner() == this)
            former->setPartner(nullptr);
        setPartner(nullptr);
        noteChainChange();
        if (jointObserver)
            jointObserver->unsoldered(this, former);
    }
    return former;
}

bool Pin::resolder(Pin *other)
{
    if (!CHECK(other && other != this))
        return false;
    unsolder();
    other->unsolder();
    return solder(other);
}

void Pin::setContactFlag(quint8 value)
{
    if (value == m_contactFlag)
        return;
    if (!CHECK_PTR(m_owner))
        return;
    m_contactFlag = value;
    m_owner->repaintItem(*this);
}

Address *Pin::ownerAddress() const
{
    if (!CHECK_PTR(m_owner))
        return nullptr;
    return m_owner->address();
}

QString Pin::labelText(const Address *from, Pin *asking) const
{
    // Drawn by the wiring documents: no check boxes here.
    if (!m_owner)
        return QString();
    auto *self = const_cast<Pin *>(this);
    const QString own = m_owner->pinName(self, asking);
    if (!own.isEmpty())
        return own;
    const Address *at = m_owner->address();
    QString prefix;
    if (at)
        prefix = from ? at->textRelativeTo(*from) : at->toString(1);
    // A pin without a name, or of a kind the scheme registry does not know,
    // is labelled by what there is rather than by a check box.
    auto *named = dynamic_cast<const WiringPin *>(this);
    if (!named || !named->name())
        return prefix;
    if (!pinNameContext(m_owner))
        return joinName(prefix, named->name());
    return pinLabel(prefix, self);
}

int Pin::sourceName(QString *name, bool *ground, bool *copperPlate)
{
    QList<Pin *> chain;
    QList<GraphicsUnite *> nets;
    collectChain(chain, &nets);
    if (name)
        name->clear();
    if (name || ground || copperPlate) {
        const bool fromContact = typeOfOwner(m_owner) == contactType;
        for (Pin *p : std::as_const(chain)) {
            if (!CHECK_PTR(p) || !CHECK_PTR(p->m_owner))
                continue;
            const int type = typeOfOwner(p->m_owner);
            if (type == sourceType) {
                if (name)
                    *name = p->m_owner->netName();
                break;
            }
            if (type == groundType) {
                if (ground)
                    *ground = true;
                break;
            }
            if (type == copperPlateType && fromContact) {
                if (copperPlate)
                    *copperPlate = true;
                break;
            }
        }
    }
    // The chain's wire section is that of its thickest net, as the schemes
    // tell it.
    if (!CHECK(itemKinds.chainSection != nullptr))
        return 0;
    return itemKinds.chainSection(nets);
}

void Pin::collectNetPinsAcross(QList<Pin *> &pins)
{
    if (typeOfOwner(m_owner) == clampType) {
        // A clamp is one point of the net: the walk passes through it.
        if (PinOwner *linked = m_owner->linkedItem()) {
            linked->collectNetPins(m_owner->pin(0), pins);
            return;
        }
        for (int i = 0; i < m_owner->pinCount(); ++i) {
            Pin *p = m_owner->pin(i);
            Pin *far = p ? p->partner() : nullptr;
            if (!far)
                continue;
            if (CHECK_PTR(far->m_owner))
                far->m_owner->collectNetPins(far, pins);
        }
        return;
    }
    if (Pin *far = partner(); far && far->m_owner)
        far->m_owner->collectNetPins(far, pins);
}

void Pin::collectNetAcross(QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    if (typeOfOwner(m_owner) == clampType) {
        if (PinOwner *linked = m_owner->linkedItem()) {
            linked->collectNet(m_owner->pin(0), pins, items, n);
            return;
        }
        for (int i = 0; i < m_owner->pinCount(); ++i) {
            Pin *p = m_owner->pin(i);
            Pin *far = p ? p->partner() : nullptr;
            if (!far)
                continue;
            if (CHECK_PTR(far->m_owner))
                far->m_owner->collectNet(far, pins, items, n);
        }
        return;
    }
    if (Pin *far = partner(); far && far->m_owner)
        far->m_owner->collectNet(far, pins, items, n);
}

PinOwner *Pin::collectChain(QList<Pin *> &pins, QList<GraphicsUnite *> *nets, QList<Pin *> *netPins)
{
    if (!CHECK(pins.isEmpty() && (!nets || nets->isEmpty()) && (!nets || !netPins || netPins->isEmpty())))
        return nullptr;
    QList<Pin *> walkPins;
    QList<Pin *> &collected = netPins ? *netPins : walkPins;

    collectNetPinsAcross(pins);
    if (nets)
        collectNetAcross(collected, nets);

    if (pins.size() != 1)
        return nullptr;
    PinOwner *slanting = pins.first()->m_owner;
    if (typeOfOwner(slanting) != slantingNetType)
        return nullptr;
    if (!CHECK(slanting->pinCount() >= 3 && pins.first() == slanting->pin(2)))
        return nullptr;

    // The chain entered the slanting net at its branch: it goes on through
    // the net's two main pins instead.
    pins.clear();
    slanting->pin(0)->collectNetPinsAcross(pins);
    slanting->pin(1)->collectNetPinsAcross(pins);
    if (nets) {
        nets->clear();
        collected.clear();
        slanting->pin(0)->collectNetAcross(collected, nets);
        slanting->pin(1)->collectNetAcross(collected, nets);
    }
    return slanting;
}

void Pin::write(DataStream &stream, Project &project) const
{
    stream << project.identity(this) << project.identity(partner());
}

qint32 Pin::readRecord(DataStream &stream)
{
    // Own identity, then the partner's.
    qint32 ids[2] = {0, 0};
    stream.readInt32s(ids, 2);
    // The partner is known only once every pin is read: until the fix-up
    // the pin is free and only remembers the identity.
    unsolder();
    if (ids[1] != 0) {
        m_pendingPartner = ids[1];
        m_partnerPending = true;
    }
    return ids[0];
}

bool Pin::resolveIds(const PinIndex &pins, qint32 own)
{
    if (!m_partnerPending)
        return true;
    const qint32 id = m_pendingPartner;
    setPartner(nullptr);
    Pin *found = pins.value(id);
    if (!found || found == this)
        return false;
    // A partner visited before answers with its pin, one still to come
    // with the identity it holds for this one.
    if (found->partner() != this && (own == 0 || !found->m_partnerPending || found->m_pendingPartner != own))
        return false;
    setPartner(found);
    return true;
}

WiringPin::WiringPin(int capacity)
{
    setLinkCapacity(capacity);
}

WiringPin::~WiringPin()
{
    dropLinksFrom(0);
}

void WiringPin::setLinkCapacity(int capacity)
{
    if (!CHECK(capacity >= 0 && capacity <= 255))
        return;
    const int old = linkCapacity();
    if (capacity == old)
        return;
    // Identities read and not resolved yet keep to the slots (a new slot
    // holds none).
    if (capacity < old && !m_linksPending)
        dropLinksFrom(capacity);
    m_links.resize(size_t(capacity), nullptr);
    m_links.shrink_to_fit();
}

WiringPin *WiringPin::linkSlot(int index) const
{
    if (m_linksPending || index < 0 || index >= linkCapacity())
        return nullptr;
    return m_links[size_t(index)];
}

bool WiringPin::linkTo(WiringPin *other)
{
    if (!CHECK(other && other != this))
        return false;
    // A link made before the fix-up takes the place of what was read.
    for (WiringPin *pin : {this, other}) {
        if (pin->m_linksPending) {
            std::fill(pin->m_links.begin(), pin->m_links.end(), nullptr);
            pin->m_linksPending = false;
        }
    }
    if (std::find(m_links.begin(), m_links.end(), other) != m_links.end())
        return false;
    auto mine = std::find(m_links.begin(), m_links.end(), nullptr);
    auto theirs = std::find(other->m_links.begin(), other->m_links.end(), nullptr);
    if (mine == m_links.end() || theirs == other->m_links.end())
        return false;
    *mine = other;
    *theirs = this;
    noteChainChange();
    return true;
}

void WiringPin::unlinkSlot(int index)
{
    WiringPin *far = m_links[size_t(index)];
    m_links[size_t(index)] = nullptr;
    if (!far || m_linksPending || far->m_linksPending)
        return;
    for (WiringPin *&back : far->m_links) {
        if (back == this)
            back = nullptr;
    }
    noteChainChange();
}

void WiringPin::abandonJoints()
{
    Pin::abandonJoints();
    std::fill(m_links.begin(), m_links.end(), nullptr);
    m_linksPending = false;
}

void WiringPin::dropLinksFrom(int index)
{
    for (int i = std::max(index, 0); i < linkCapacity(); ++i)
        unlinkSlot(i);
    if (index <= 0)
        m_linksPending = false;
}

void WiringPin::keepLinksIn(const QList<Pin *> &pins)
{
    if (!partner()) {
        dropLinksFrom(0);
        return;
    }
    if (m_linksPending)
        return;
    for (int i = 0; i < linkCapacity(); ++i) {
        if (m_links[size_t(i)] && !pins.contains(m_links[size_t(i)]))
            unlinkSlot(i);
    }
}

int WiringPin::linkCount() const
{
    if (m_linksPending)
        return 0;
    return int(std::count_if(m_links.begin(), m_links.end(), [](WiringPin *p) { return p != nullptr; }));
}

WiringPin *WiringPin::link(int n) const
{
    if (m_linksPending)
        return nullptr;
    for (WiringPin *p : m_links) {
        if (p && n-- == 0)
            return p;
    }
    return nullptr;
}

void WiringPin::write(DataStream &stream, Project &project) const
{
    Pin::write(stream, project);
    stream << quint8(m_links.size());
    for (WiringPin *p : m_links)
        stream << project.identity(m_linksPending ? nullptr : p);
}

qint32 WiringPin::readRecord(DataStream &stream)
{
    const qint32 own = Pin::readRecord(stream);
    quint8 capacity = 0;
    stream >> capacity;
    dropLinksFrom(0);
    setLinkCapacity(capacity);
    // Held in the slots only until the identities are resolved.
    QVarLengthArray<qint32, 16> ids(linkCapacity());
    std::fill(ids.begin(), ids.end(), 0);
    stream.readInt32s(ids.data(), int(ids.size()));
    for (qsizetype i = 0; i < ids.size(); ++i) {
        m_links[i] = reinterpret_cast<WiringPin *>(quintptr(quint32(ids[i])));
        m_linksPending = m_linksPending || ids[i] != 0;
    }
    return own;
}

bool WiringPin::holdsPendingLink(qint32 id) const
{
    if (!m_linksPending)
        return false;
    for (qsizetype i = 0; i < m_links.size(); ++i) {
        if (pendingLink(i) == id)
            return true;
    }
    return false;
}

bool WiringPin::resolveIds(const PinIndex &pins, qint32 own)
{
    // A reference that cannot be resolved becomes null and the others are
    // still resolved: no identity is ever left where a pin is expected.
    bool ok = Pin::resolveIds(pins, own);
    if (!m_linksPending)
        return ok;
    for (qsizetype i = 0; i < m_links.size(); ++i) {
        const qint32 id = pendingLink(i);
        m_links[i] = nullptr;
        if (id == 0)
            continue;
        auto *far = dynamic_cast<WiringPin *>(pins.value(id));
        if (!far || far == this) {
            ok = false;
            continue;
        }
        const bool returned = (!far->m_linksPending && std::find(far->m_links.begin(), far->m_links.end(), this)
                                   != far->m_links.end())
            || (own != 0 && far->holdsPendingLink(own));
        if (!returned) {
            ok = false;
            continue;
        }
        m_links[i] = far;
    }
    m_linksPending = false;
    return ok;
}

QString pinLabel(const QString &prefix, Pin *pin)
{
    const char *context = pin ? pinNameContext(pin->owner()) : nullptr;
    auto *named = dynamic_cast<WiringPin *>(pin);
    QString text;
    if (context && named && named->name())
        text = QCoreApplication::translate(context, named->name());
    if (!CHECK(!text.isEmpty()))
        return QString();
    return prefix.isEmpty() ? text : prefix + nameSeparator + text;
}

QString joinName(const QString &prefix, const char *name)
{
    if (!CHECK_PTR(name))
        return QString();
    const QString text = QString::fromUtf8(name);
    return prefix.isEmpty() ? text : prefix + nameSeparator + text;
}
