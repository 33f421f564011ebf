#include "model/device.h"

#include "model/address.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "model/project.h"

#include <QGraphicsItem>

#include <utility>

namespace {

const int sourceItemType = QGraphicsItem::UserType + 202;

// The position code of the devices without a position of their own.
const int positionCodeBase = 23;

// Whether the pin's chain to its source passes a slanting net.
bool chainPassesSlanting(Pin *pin)
{
    QList<Pin *> chain;
    return pin->collectChain(chain) != nullptr;
}

DeviceEquipment *installedEquipment = nullptr;

} // namespace

void Device::setEquipment(DeviceEquipment *equipment)
{
    installedEquipment = equipment;
}

Device::Device(Project *project, int kind)
    : Obj(project, kind)
{
    markDevice();
}

Device::~Device()
{
    dropPlaceItem();
    // One picture is held alone, several in the list.
    GraphicsWiringItemDevice *const single = m_wiringItems.isEmpty() ? m_wiringItem : nullptr;
    const QList<GraphicsWiringItemDevice *> several = std::exchange(m_wiringItems, {});
    m_wiringItem = nullptr;
    auto release = [](GraphicsWiringItemDevice *item) {
        if (CHECK_PTR(installedEquipment))
            installedEquipment->releaseWiringItem(item);
    };
    for (GraphicsWiringItemDevice *item : several)
        release(item);
    if (single)
        release(single);
}

void Device::setShowAddress(bool show)
{
    if (show == m_showAddress)
        return;
    m_showAddress = show;
    if (project() && isIndexed())
        project()->updateObj(this);
}

bool Device::setName(const QString &name)
{
    // Told at once, whether the rename goes through or not: the flag is
    // saved, and the frame's pages show it.
    setShowAddress(false);
    return Obj::setName(name);
}

void Device::write(DataStream &stream)
{
    Obj::write(stream);
    stream << m_showAddress;
}

void Device::read(DataStream &stream)
{
    Obj::read(stream);
    stream >> m_showAddress;
}

void Device::writeData(DataStream &stream)
{
    stream << qint32(m_modelIndex);
}

void Device::readData(DataStream &stream)
{
    qint32 index = -1;
    stream >> index;
    if (stream.status() == QDataStream::Ok && index != -1 && !hasModel(index)) {
        index = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
    m_modelIndex = index;
}

QString Device::baseName() const
{
    return name().section(QLatin1Char('_'), 0, 0);
}

GraphicsPlaceItemDevice *Device::createPlaceItem(GraphicsScene *scene, GraphicsItem *parent)
{
    if (!CHECK(m_placeItem == nullptr) || !CHECK_PTR(installedEquipment))
        return nullptr;
    m_placeItem = installedEquipment->createPlaceItem(this, scene, parent);
    return m_placeItem;
}

GraphicsWiringItemDevice *Device::createWiringItem(GraphicsScene *scene, GraphicsItem *parent)
{
    if (!CHECK_PTR(installedEquipment))
        return nullptr;
    GraphicsWiringItemDevice *item = installedEquipment->createWiringItem(this, scene, parent);
    if (!CHECK_PTR(item))
        return nullptr;
    adoptWiringItem(item);
    return item;
}

QString Device::modelName() const
{
    return QString();
}

int Device::placeType() const
{
    return -1;
}

int Device::addressSuffix() const
{
    return 0;
}

QString Device::sceneName() const
{
    if (items().isEmpty())
        return QString();
    ObjItem *first = items().first();
    return first ? first->documentName() : QString();
}

Address *Device::address() const
{
    return m_placeItem && installedEquipment ? installedEquipment->placeAddress(m_placeItem) : nullptr;
}

void Device::addressChanged()
{
    // A closing project's devices lose their places as it goes: nothing
    // that would follow the address is told, no sheet queues a repaint.
    if (project() && project()->isClosing())
        return;
    // A load places a board's devices before or after the board itself:
    // the links the file holds are kept whatever the order.
    const bool placed = address() != nullptr || (project() && project()->isLoading());
    const DeviceKindEntry *row = project() ? project()->kindEntry(kind()) : nullptr;
    const bool renames = row && row->renamesPinsOnAddressChange;
    for (ObjItem *item : items()) {
        if (!itemTypeIn(item, firstDeviceItemType, endDeviceItemType))
            continue;
        if (!placed) {
            PinOwner *owner = item->pinOwner();
            for (int i = 0; i < owner->pinCount(); ++i) {
                if (auto *pin = dynamic_cast<WiringPin *>(owner->pin(i)))
                    pin->dropLinksFrom(0);
            }
        }
        if (renames)
            item->updatePinNames();
        // The schemes show the new address: the kinds that write it take
        // its width again.
        if (itemsMeasureAddress())
            item->updateFromObj();
        if (PinOwner *shown = item->pinOwner())
            shown->repaintItem();
    }
    if (project())
        project()->updateObj(this);
}

int Device::positionCode() const
{
    const DeviceKindEntry *row = project() ? project()->kindEntry(kind()) : nullptr;
    if (!row || !row->hasPositionCode)
        return -1;
    const Address *at = address();
    if (!CHECK_PTR(at))
        return -1;
    if (at->suffixKind() == suffixN)
        return positionCodeBase;
    return positionCodeBase + at->field(5);
}

void Device::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *place,
                          bool)
{
    const Address *at = address();
    const int frameKind = at ? at->field(0) : -1;
    const int fontIndex = frameKind == consoleFrameKind || frameKind == visualFrameKind ? 1 : 4;
    drawInPlace(painter, rect, place, name(), modelName(), true, fontIndex);
}

void Device::paintPicture(QPainter *)
{
}

void Device::paintCaption(QPainter *painter, const QRectF &rect)
{
    if (CHECK_PTR(installedEquipment))
        installedEquipment->paintCaption(painter, rect, name(), modelName());
}

const char *Device::pinIndex(const char *) const
{
    return nullptr;
}

int Device::pinCount() const
{
    return 0;
}

bool Device::hasModel(int) const
{
    return true;
}

void Device::announceChange()
{
    if (isIndexed() && project() && !project()->isLoading() && !project()->isClosing())
        project()->updateObj(this);
}

bool Device::setModelIndex(int index)
{
    if (index != -1 && !hasModel(index))
        return false;
    if (index == m_modelIndex)
        return true;
    m_modelIndex = index;
    if (m_placeItem) {
        dropPlaceItem();
        m_showAddress = false;
        // The device has no address any more: its pins and its row follow.
        addressChanged();
    } else {
        announceChange();
    }
    modelIndexChanged();
    // Every item draws the model's name or marks: the ones not edited too.
    for (ObjItem *item : items()) {
        if (PinOwner *shown = item->pinOwner())
            shown->repaintItem();
    }
    return true;
}

void Device::modelIndexChanged()
{
}

void Device::offerItemsAgain()
{
    const QList<ObjItem *> former = items();
    for (auto it = former.crbegin(); it != former.crend(); ++it) {
        if (CHECK_PTR(*it))
            removeItem(*it);
    }
    for (ObjItem *item : former) {
        if (!CHECK_PTR(item))
            continue;
        appendItem(item);
        item->updatePinNames();
        item->updateFromObj();
        if (PinOwner *shown = item->pinOwner())
            shown->repaintItem();
    }
}

QString Device::placeTypeName() const
{
    const int type = placeType();
    if (type == -1 || !CHECK_PTR(installedEquipment))
        return QString();
    return installedEquipment->placeTypeName(type);
}

void Device::drawInPlace(QPainter *painter, const QRectF &rect, Place *place, const QString &name,
                         const QString &model, bool nameFirst, int fontIndex)
{
    if (CHECK_PTR(installedEquipment))
        installedEquipment->drawInPlace(painter, rect, place, name, model, nameFirst, fontIndex);
}

void Device::collectWires(QList<Pin *> &toWire, QList<QList<Pin *>> *groups)
{
    QList<Pin *> work;
    allPins(work);
    while (!work.isEmpty()) {
        Pin *pin = work.takeFirst();
        if (!CHECK_PTR(pin) || !toWire.contains(pin))
            continue;

        QList<Pin *> chain;
        const bool pinPassesSlanting = pin->collectChain(chain) != nullptr;
        PinOwner *source = nullptr;
        for (Pin *p : std::as_const(chain)) {
            if (ownerType(p) == sourceItemType) {
                source = p->owner();
                break;
            }
        }
        if (!CHECK_PTR(source))
            continue;

        // A source numbered for one frame feeds only the devices of that
        // frame.
        const int tiedFrame = source->tiedFrameNumber();
        const Address *at = address();
        if (tiedFrame != 0 && at && at->number(0) != tiedFrame)
            continue;

        Pin *sourcePin = source->pin(0);
        if (!CHECK_PTR(sourcePin))
            continue;
        QList<Pin *> net;
        sourcePin->collectNetAcross(net, nullptr);
        QList<Pin *> group;
        for (Pin *p : std::as_const(net)) {
            if (p->owner() == pin->owner() && !group.contains(p))
                group.append(p);
        }
        if (!CHECK(group.contains(pin)))
            continue;

        Pin *lead = pin;
        if (groups && group.size() > 1) {
            lead = pinPassesSlanting ? nullptr : pin;
            Pin *noted = nullptr;
            for (Pin *p : std::as_const(group)) {
                toWire.removeAll(p);
                work.removeAll(p);
                if (chainPassesSlanting(p)) {
                    if (CHECK(noted == nullptr))
                        noted = p;
                } else if (!lead) {
                    lead = p;
                }
            }
            if (!CHECK_PTR(lead))
                continue;
            if (noted)
                group.swapItemsAt(group.indexOf(noted), group.size() - 1);
            group.move(group.indexOf(lead), 0);
            groups->append(group);
        }
        toWire.removeAll(lead);
    }
}

void Device::forgetPlaceItem(GraphicsPlaceItemDevice *item)
{
    if (!item || item != m_placeItem)
        return;
    m_placeItem = nullptr;
    // A closing project frees the pins, rows and sheets that would follow
    // the lost address: nothing is told, nothing queues a repaint.
    if (project() && project()->isClosing()) {
        m_showAddress = false;
        return;
    }
    addressChanged();
    m_showAddress = false;
}

void Device::adoptWiringItem(GraphicsWiringItemDevice *item)
{
    if (!item || item == m_wiringItem || m_wiringItems.contains(item))
        return;
    if (m_wiringItem) {
        if (m_wiringItems.isEmpty())
            m_wiringItems.append(m_wiringItem);
        m_wiringItems.append(item);
    }
    m_wiringItem = item;
}

void Device::forgetWiringItem(GraphicsWiringItemDevice *item)
{
    if (m_wiringItems.isEmpty()) {
        if (m_wiringItem == item)
            m_wiringItem = nullptr;
        return;
    }
    m_wiringItems.removeAll(item);
    if (m_wiringItem == item)
        m_wiringItem = m_wiringItems.isEmpty() ? nullptr : m_wiringItems.last();
    // Down to one, the list goes while it is at hand.
    if (m_wiringItems.size() <= 1)
        m_wiringItems = QList<GraphicsWiringItemDevice *>();
}

bool Device::acceptsFirstItemOnly(ObjItem *item) const
{
    if (!CHECK_PTR(item))
        return false;
    return items().isEmpty();
}

void Device::dropPlaceItem()
{
    GraphicsPlaceItemDevice *item = m_placeItem;
    if (!item)
        return;
    m_placeItem = nullptr;
    // A closing project's place items go too, before or after their
    // devices: neither visits the other on the way.
    if (project() && project()->isClosing())
        return;
    if (CHECK_PTR(installedEquipment))
        installedEquipment->dropPlaceItem(item);
}
