#include "devices/graphicswiringvaristor.h"

#include "devices/fusesymbol.h"
#include "devices/graphicsvaristor.h"
#include "devices/pintext.h"
#include "graphics/font.h"
#include "graphics/graphicsdevice.h"
#include "graphics/itemshared.h"
#include "model/address.h"
#include "model/device.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "schemes/conductor.h"
#include "schemes/graphicsconductor.h"
#include "schemes/graphicsground.h"

#include <QPainter>

namespace {

const double varistorRowHeight = 40;
const double varistorColumnWidth = 250;
const double varistorFirstRow = -80;
// Suffix kinds of the place texts: "R" for a discharger, "V" for a varistor.
const int dischargerSuffix = 0;
const int varistorSuffix = 1;

} // namespace

GraphicsWiringVaristor::GraphicsWiringVaristor(GraphicsScene *scene, GraphicsItem *parent, Device *device)
    : GraphicsWiringPicture(scene, parent, device)
{
}

GraphicsWiringVaristor::~GraphicsWiringVaristor() = default;

QRectF GraphicsWiringVaristor::frame() const
{
    // The element, the two columns of rows, and the ground texts beside
    // them, before the quarter turn.
    const QRectF upright(-400, -120, 1050, 360);
    return QTransform().rotate(-90).mapRect(upright);
}

void GraphicsWiringVaristor::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    if (!painter)
        return;
    painter->save();
    painter->rotate(-90);
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    const bool withText = hasFontSet();
    if (withText)
        painter->setFont(::font(3));

    drawFuseSymbol(painter);
    painter->drawLine(QPointF(-100, 0), QPointF(0, 0));
    painter->drawLine(QPointF(160, 0), QPointF(260, 0));
    painter->drawLine(QPointF(-140, -40), QPointF(0, -40));
    painter->drawLine(QPointF(160, -40), QPointF(300, -40));
    painter->drawLine(QPointF(0, -40), QPointF(40, 0));
    painter->drawLine(QPointF(160, -40), QPointF(120, 0));

    // The rest needs the device's one scheme item and its address; without
    // them the element stays as it is, without a word.
    GraphicsDevice *item = soleItem();
    const Address *at = device() ? device()->address() : nullptr;
    if (item && at && item->pinCount() == 2) {
        const bool varistor = item->type() == GraphicsVaristor::Type;
        if (varistor) {
            painter->drawLine(QPointF(120, -30), QPointF(50, 40));
            painter->drawLine(QPointF(50, 40), QPointF(20, 40));
        } else {
            painter->drawLine(QPointF(120, 0), QPointF(90, 0));
            painter->drawLine(QPointF(100, -5), QPointF(90, 0));
            painter->drawLine(QPointF(100, 5), QPointF(90, 0));
        }
        if (withText) {
            painter->drawText(QRectF(0, 0, 40, 40), centredUnclipped, pinText(item->wiringPin(0)));
            painter->drawText(QRectF(120, 0, 40, 40), centredUnclipped, pinText(item->wiringPin(1)));
            painter->drawText(QRectF(0, -80, 160, 40), centredUnclipped,
                              Address::suffixKindName(varistor ? varistorSuffix : dischargerSuffix)
                                  + QString::number(at->field(4)));
            painter->drawText(QRectF(0, 40, 160, 40), centredUnclipped, device()->modelName());
            drawTerminalRows(painter, item, 0);
            drawTerminalRows(painter, item, 1);
        }
    }
    painter->restore();
}

void GraphicsWiringVaristor::drawTerminalRows(QPainter *painter, GraphicsDevice *item, int index)
{
    WiringPin *pin = item->wiringPin(index);
    const Address *own = pin ? pin->ownerAddress() : nullptr;
    if (!own)
        return;
    const bool left = index == 0;
    const double x = left ? -varistorColumnWidth : 160;
    // A text longer than its row is cut at the row's ends: the picture's
    // frame is fixed, and nothing may be painted beyond it.
    const int align = Qt::AlignVCenter | (left ? Qt::AlignRight : Qt::AlignLeft);
    double y = varistorFirstRow;
    auto row = [&](const QString &text) {
        painter->drawText(QRectF(x, y, varistorColumnWidth, varistorRowHeight), align, text);
        y += varistorRowHeight;
    };

    for (int slot = 0; slot < pin->linkCapacity(); ++slot) {
        if (WiringPin *far = pin->linkSlot(slot))
            row(far->labelText(own, pin));
    }

    QList<Pin *> chain;
    pin->collectChain(chain);
    for (Pin *reached : std::as_const(chain)) {
        const int type = ownerType(reached, -1);
        if (type == GraphicsConductor::Type) {
            auto *conductorItem = static_cast<GraphicsConductor *>(reached->owner()->graphicsItem());
            row(conductorItem->name());
            const Conductor *conductor = conductorItem->conductor();
            if (conductor && conductor->count() > 1)
                row(QStringLiteral("   (%1%2)   ").arg(conductor->count()).arg(Conductor::markText()));
            break;
        }
        if (type == GraphicsGround::Type) {
            painter->drawText(QRectF(left ? -400 : 400, y - varistorRowHeight, varistorColumnWidth, varistorRowHeight), align,
                              GraphicsGround::groundText());
            break;
        }
    }
}
