#include "graphics/graphicsdevice.h"

#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/address.h"
#include "model/check.h"
#include "model/device.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "model/project.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

#include <cmath>
#include <cstring>

namespace {

// Suffix kinds whose addresses carry no position of their own.
const int suffixUnderscoreR = 6;

} // namespace

const char *const GraphicsDevice::positionPinNames[10][2] = {
    {"1", "2"},   {"11", "12"}, {"21", "22"}, {"31", "32"}, {"41", "42"},
    {"51", "52"}, {"61", "62"}, {"71", "72"}, {"81", "82"}, {"91", "92"},
};

GraphicsDevice::GraphicsDevice(GraphicsScene *scene, int bindMode, GraphicsItem *parent, int itemFlags)
    : GraphicsObjItem(scene, bindMode, parent, itemFlags)
{
}

Device *GraphicsDevice::device() const
{
    return dynamic_cast<Device *>(obj());
}

void GraphicsDevice::createPins(int count)
{
    allocatePins<WiringPin>(count);
}

WiringPin *GraphicsDevice::wiringPin(int index)
{
    return dynamic_cast<WiringPin *>(pin(index));
}

WiringPin *GraphicsDevice::findPin(const char *name)
{
    if (!name)
        return nullptr;
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = wiringPin(i);
        if (p && p->name() && std::strcmp(p->name(), name) == 0)
            return p;
    }
    return nullptr;
}

void GraphicsDevice::allPins(QList<Pin *> &pins)
{
    for (int i = 0; i < pinCount(); ++i)
        pins.append(pin(i));
}

void GraphicsDevice::pinsByName(QHash<QString, Pin *> &pins)
{
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = wiringPin(i);
        if (p && p->name())
            pins.insert(QString::fromUtf8(p->name()), p);
    }
}

bool GraphicsDevice::showAddress() const
{
    Device *bound = device();
    if (!CHECK_PTR(bound))
        return false;
    return bound->showAddress();
}

Address *GraphicsDevice::address()
{
    // Asked by painters and by the labels of linked pins: an unbound item
    // simply has no address.
    Device *bound = device();
    return bound ? bound->address() : nullptr;
}

const char *GraphicsDevice::firstPinName()
{
    WiringPin *first = wiringPin(0);
    return first ? first->name() : nullptr;
}

QString GraphicsDevice::addressText()
{
    Address *at = address();
    return at ? at->toString(1) : QString();
}

void GraphicsDevice::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int)
{
    if (!CHECK(ownsPin(entry)))
        return;
    pins.append(entry);
}

void GraphicsDevice::updateNetLinks(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(ownsPin(entry)))
        return;
    if (auto *wiring = dynamic_cast<WiringPin *>(entry))
        wiring->keepLinksIn(pins);
}

void GraphicsDevice::updatePinNames()
{
    Device *bound = device();
    if (!bound)
        return;
    const DeviceKindEntry *row = bound->project() ? bound->project()->kindEntry(bound->kind()) : nullptr;
    if (!row || !row->pinNamesByPosition)
        return;
    int position = 0;
    const Address *at = bound->address();
    if (at && at->suffixKind() != suffixN && at->suffixKind() != suffixUnderscoreR)
        position = at->field(5);
    if (!CHECK(position <= 9))
        return;
    for (int i = 0; i < 2; ++i) {
        if (WiringPin *p = wiringPin(i))
            p->setName(positionPinNames[position][i]);
    }
}

void GraphicsDevice::drawPins(QPainter *painter, bool hideHelp)
{
    GraphicsObjItem::drawPins(painter, hideHelp);
    if (painter)
        drawWireMarks(painter);
}

void GraphicsDevice::drawWireMarks(QPainter *painter)
{
    const QBrush previous = painter->brush();
    painter->setPen(penGreen);
    painter->setBrush(QBrush(penGreen.color(), Qt::SolidPattern));
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = wiringPin(i);
        if (!p || atNoPosition(p->center()))
            continue;
        const int links = p->linkCount();
        if (links == 1)
            painter->drawChord(*p, 0, 180 * 16);
        else if (links >= 2)
            painter->drawEllipse(*p);
    }
    painter->setBrush(previous);
}

GraphicsDevice *toGraphicsDevice(GraphicsItem *item)
{
    if (!item || item->type() < firstDeviceItemType || item->type() >= endDeviceItemType)
        return nullptr;
    return dynamic_cast<GraphicsDevice *>(item);
}

const QPen &GraphicsDevice::itemPen(const QStyleOptionGraphicsItem *option) const
{
    if (option && (option->state & QStyle::State_Selected))
        return penBlue;
    return obj() ? penBlack : penRed;
}

const QPen &GraphicsDevice::helpPen(const QPen &pen)
{
    return &pen == &penBlack ? penGreen : pen;
}
