#include "equipment/graphicswiringcontainer.h"

#include "equipment/boardcatalogue.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsplacecontainer.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placetypes.h"
#include "equipment/wiringcontainertable.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/device.h"
#include "model/displayflags.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/graphicscopperplate.h"
#include "schemes/graphicsground.h"
#include "schemes/net.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

QString wppt(const char *text)
{
    return QCoreApplication::translate("WPPT", text);
}

GraphicsPlaceContainer *asPlaceContainer(GraphicsPlaceItem *item)
{
    const int type = item ? item->type() : 0;
    return type >= firstContainerType && type < firstPlaceDeviceType ? static_cast<GraphicsPlaceContainer *>(item)
                                                                     : nullptr;
}

// The device of a device place item that asks to be shown with its address.
Device *shownDevice(GraphicsPlaceItem *item)
{
    if (!item || item->type() < firstPlaceDeviceType)
        return nullptr;
    auto *placed = dynamic_cast<GraphicsPlaceItemDevice *>(item);
    Device *device = placed ? placed->device() : nullptr;
    return device && device->showAddress() && device->positionCode() != -1 ? device : nullptr;
}

// The scheme page of a device shown by exactly one scheme item.
GraphicsScene *soleSchemePage(const Device *device)
{
    if (device->items().size() != 1 || !device->items().first())
        return nullptr;
    PinOwner *owner = device->items().first()->pinOwner();
    auto *item = owner ? dynamic_cast<GraphicsItem *>(owner->graphicsItem()) : nullptr;
    return item ? item->graphicsScene() : nullptr;
}

} // namespace

GraphicsWiringContainer::GraphicsWiringContainer(GraphicsScene *scene, GraphicsPlaceContainer *source, int kind)
    : GraphicsWiringItem(scene, nullptr)
    , m_source(source)
    , m_kind(kind)
{
    setZValue(1);
}

void GraphicsWiringContainer::setHeldIn(GraphicsPlaceContainer *holder, int placeIndex)
{
    m_holder = holder;
    m_nestedIn = nullptr;
    m_placeIndex = placeIndex;
}

GraphicsPlaceContainer *GraphicsWiringContainer::source() const
{
    if (m_placeIndex < 0)
        return m_source;
    GraphicsPlaceContainer *holder = m_nestedIn ? m_nestedIn->source() : m_holder;
    if (!holder || m_placeIndex >= holder->places().size())
        return nullptr;
    Place *place = holder->places().at(m_placeIndex);
    GraphicsPlaceContainer *held = place && place->state() == Place::Normal ? asPlaceContainer(place->item()) : nullptr;
    return held && wiringKindOf(held) == m_kind ? held : nullptr;
}

const WiringContainerKind *GraphicsWiringContainer::row() const
{
    return m_kind >= 0 && m_kind < WiringContainerKindCount ? &wiringContainerKinds[m_kind] : nullptr;
}

QRectF GraphicsWiringContainer::boundingRect() const
{
    const WiringContainerKind *r = row();
    return r ? QRectF(0, 0, r->width, r->height).adjusted(-3.5, -3.5, 3.5, 3.5) : QRectF();
}

void GraphicsWiringContainer::setPosWithOffset(const QPointF &pos)
{
    const WiringContainerKind *r = row();
    setPos(r ? pos + QPointF(r->dx, r->dy) : pos);
}

int GraphicsWiringContainer::wiringKindOf(const GraphicsPlaceContainer *container)
{
    if (!container)
        return -1;
    if (container->type() == GraphicsBoard::Type) {
        const BoardTypeInfo *row = boardTypeInfo(container->containerType());
        return row ? row->wiringKind : -1;
    }
    if (container->type() == GraphicsFramePanel::Type) {
        const PanelTypeInfo *row = panelTypeInfo(container->containerType());
        return row ? row->wiringKind : -1;
    }
    return -1;
}

void GraphicsWiringContainer::layoutContainers()
{
    GraphicsPlaceContainer *shown = source();
    if (!CHECK(row() != nullptr) || !shown || !graphicsScene())
        return;
    const WiringContainerKind &r = *row();
    // A kind without lines has no slots to put anything over.
    if (r.lines < 1)
        return;
    const int lines = r.lines;
    const int perLine = divideRoundUp(r.slotCount, lines);
    const double inset = r.header ? r.sizes[0] : 0;
    const double w = r.width;
    const double h = r.height;
    const QList<Place *> &places = shown->places();
    for (int i = 0; i < places.size(); ++i) {
        GraphicsPlaceContainer *held = places[i] ? asPlaceContainer(places[i]->item()) : nullptr;
        if (!held || !held->rootFlag())
            continue;
        const int kind = wiringKindOf(held);
        if (kind < 0)
            continue;
        auto *child = new GraphicsWiringContainer(graphicsScene(), held, kind);
        child->m_nestedIn = this;
        child->m_placeIndex = i;
        if (!graphicsScene()->addGraphicsItem(child)) {
            delete child;
            continue;
        }
        const int q = i / perLine;
        const int s = i % perLine;
        double x = 0;
        double y = 0;
        if (r.orientation < 2) {
            x = r.orientation == 0 ? q * w / lines : w - (lines - q - 1) * w / lines;
            y = inset + (r.mode == 3 ? h - (perLine - s - 1) * h / perLine : s * h / perLine);
        } else {
            y = r.orientation == 2 ? inset + q * h / lines : inset + h - (lines - q - 1) * h / lines;
            x = r.mode == 0 ? s * w / perLine : w - (s + 1) * w / perLine;
        }
        child->setPosWithOffset(pos() + QPointF(x, y));
        child->layoutContainers();
    }
}

void GraphicsWiringContainer::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    // Painting never reports: a row that cannot be drawn draws nothing.
    const WiringContainerKind *r = row();
    GraphicsPlaceContainer *shown = source();
    if (!painter || !r || !shown || r->lines < 1 || r->lines > r->slotCount || !r->elements)
        return;
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    const bool withText = hasFontSet();
    const double h = r->sizes[0];
    const double a = r->sizes[1];

    QRectF body(0, 0, r->width, r->height);
    if (r->label) {
        QRectF strip;
        body = cutRect(body, h, 2, &strip);
        QRectF number;
        const QRectF rest = cutRect(strip, a, 0, &number);
        painter->drawRect(number);
        painter->drawRect(rest);
        if (withText) {
            painter->setFont(::font(5));
            painter->drawText(number, centred, QStringLiteral("N"));
            painter->drawText(rest, centred, wppt(r->label));
        }
    }

    const int lines = r->lines;
    const double thickness = (r->orientation < 2 ? body.width() : body.height()) / lines;
    const int perLine = divideRoundUp(r->slotCount, lines);
    for (int l = 0; l < lines; ++l) {
        QRectF line;
        body = cutRect(body, thickness, r->orientation, &line);
        for (int s = 0; s < perLine; ++s) {
            const int p = r->reverse ? r->slotCount - l * perLine - s - 1 : l * perLine + s;
            if (p < 0 || p >= r->slotCount)
                break;
            // The element list runs in drawing order: a reversed row shows
            // its last place in its first slot.
            const int element = r->elements[l * perLine + s];
            if (element < 0 || element >= WiringElementKindCount)
                break;
            const WiringElementKind &e = wiringElementKinds[element];
            const int pinRows = divideRoundUp(e.pins, e.lines);
            const double S = r->sizes[1] + r->sizes[2] + r->sizes[3];
            QRectF slotRect;
            if (r->mode < 2)
                line = cutRect(line, e.lines * S, r->mode, &slotRect);
            else
                line = cutRect(line, (pinRows + e.count + (e.flag ? 1 : 0)) * h, r->mode == 2 ? 2 : 3, &slotRect);
            drawSlot(painter, shown, slotRect, p, element);
        }
    }
}

void GraphicsWiringContainer::drawSlot(QPainter *painter, GraphicsPlaceContainer *shown, const QRectF &slotRect, int p,
                                       int element)
{
    const WiringContainerKind &r = *row();
    const WiringElementKind &e = wiringElementKinds[element];
    const bool withText = hasFontSet();
    const double h = r.sizes[0];
    const double a = r.sizes[1];
    const double b = r.sizes[2];
    const double c = r.sizes[3];
    const double S = a + b + c;
    const int pinRows = divideRoundUp(e.pins, e.lines);
    const QList<Place *> &places = shown->places();
    Place *place = p < places.size() ? places[p] : nullptr;

    if (place && place->state() == Place::Covered) {
        painter->drawLine(slotRect.topLeft(), slotRect.bottomRight());
        painter->drawLine(slotRect.bottomLeft(), slotRect.topRight());
    }
    QRectF rest = slotRect;
    if (r.header) {
        QRectF number;
        rest = cutRect(rest, h, 2, &number);
        painter->drawRect(number);
        if (withText) {
            painter->setFont(::font(7));
            painter->drawText(number, centred, QString::number(p + 1));
        }
    }
    GraphicsPlaceItem *item = place ? place->item() : nullptr;
    // A nested board or panel draws the rest itself.
    if (asPlaceContainer(item) || e.count <= 0)
        return;

    QRectF caption;
    for (int i = 0; i < e.count; ++i) {
        QRectF strip;
        rest = cutRect(rest, h, 2, &strip);
        painter->drawRect(strip);
        caption |= strip;
    }
    if (e.prefix) {
        QRectF prefix;
        caption = cutRect(caption, a, 0, &prefix);
        painter->drawRect(prefix);
        if (withText) {
            painter->setFont(::font(5));
            painter->drawText(prefix, centred, wppt(e.prefix) + QString::number(p + 1));
        }
    }

    Device *device = shownDevice(item);
    QHash<QString, Pin *> pins;
    const WiringPinNames *names = nullptr;
    int pinCount = 0;
    if (device) {
        if (withText)
            device->paintCaption(painter, caption);
        painter->setPen(penBlack);
        painter->setBrush(Qt::NoBrush);
        device->pinsByName(pins);
        pinCount = device->pinCount();
        const int code = device->positionCode();
        names = code >= 0 && code < WiringPinNameCount ? &wiringPinNames[code] : nullptr;
    }
    GraphicsScene *page = graphicsScene();
    const int language = page && page->project() ? page->project()->language() : 0;

    int written = 0;
    for (int j = 0; j < e.lines; ++j) {
        QRectF column;
        rest = cutRect(rest, S, 0, &column);
        if (e.flag) {
            QRectF flagRow;
            column = cutRect(column, h, 2, &flagRow);
            QRectF number;
            const QRectF sheet = cutRect(flagRow, a, 0, &number);
            painter->drawRect(flagRow);
            painter->drawRect(number);
            if (withText) {
                painter->setFont(::font(5));
                painter->drawText(number, centred, QStringLiteral("N"));
                GraphicsScene *scheme = device && showSchemeName ? soleSchemePage(device) : nullptr;
                if (scheme) {
                    painter->setFont(::font(4));
                    painter->drawText(sheet, centred, scheme->sheetDesignation(true));
                }
            }
        }
        for (int i = 0; i < pinRows; ++i) {
            QRectF pinRow;
            column = cutRect(column, h, 2, &pinRow);
            const QRectF nameCell(pinRow.left(), pinRow.top(), a, h);
            const QRectF linkCell(pinRow.left() + a, pinRow.top(), b, h);
            const QRectF destinationCell(pinRow.left() + a + b, pinRow.top(), c, h);
            painter->drawRect(nameCell);
            painter->drawRect(linkCell);
            painter->drawRect(destinationCell);

            const int t = j * pinRows + i;
            if (!device || !withText || written >= pinCount || !names || t >= names->count || !names->names[t])
                continue;
            const char *name = names->names[t];
            Pin *pin = pins.value(QString::fromUtf8(name));
            if (!pin && !device->pinIndex(name))
                continue;
            painter->setFont(::font(4));
            painter->drawText(nameCell, centred, wppt(name));
            ++written;
            if (!pin)
                continue;

            // The far ends of the pin's wires, half a row each.
            if (const Address *own = pin->ownerAddress()) {
                if (auto *wiring = dynamic_cast<WiringPin *>(pin)) {
                    QRectF textRect(linkCell.left() + 5, linkCell.top(), linkCell.width() - 5, h / 2);
                    for (int slot = 0; slot < wiring->linkCapacity(); ++slot) {
                        WiringPin *far = wiring->linkSlot(slot);
                        if (!far)
                            continue;
                        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, far->labelText(own, nullptr));
                        textRect.translate(0, textRect.height());
                    }
                }
            }

            // Where the pin's chain comes from.
            QString source;
            bool ground = false;
            bool copperPlate = false;
            const int section = pin->sourceName(&source, &ground, &copperPlate);
            QStringList texts;
            if (!source.isEmpty())
                texts.append(source);
            if (ground)
                texts.append(GraphicsGround::groundText());
            if (copperPlate)
                texts.append(GraphicsCopperPlate::plateText(true, language != 0));
            const QString sectionText =
                section >= 0 && section < sectionCount ? GraphicsNet::sectionText(section, true, language != 0)
                                                       : QString();
            if (!sectionText.isEmpty())
                texts.append(sectionText);
            if (texts.size() == 1) {
                painter->drawText(destinationCell, centred, texts.first());
            } else {
                QRectF textRect(destinationCell.left(), destinationCell.top(), destinationCell.width(), h / 2);
                for (const QString &text : std::as_const(texts)) {
                    painter->drawText(textRect, centred, text);
                    textRect.translate(0, textRect.height());
                }
            }
        }
    }
}
