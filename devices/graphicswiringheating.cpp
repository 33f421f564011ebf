#include "devices/graphicswiringheating.h"

#include "devices/heating.h"
#include "devices/heatingcatalogue.h"
#include "devices/lampsymbol.h"
#include "graphics/font.h"
#include "graphics/graphicsdevice.h"
#include "graphics/itemshared.h"
#include "model/pin.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

const double heatingRowStep = 50;
const double heatingStubLength = 190;
// Texts wider than their boxes are shown whole.
const int leftCentred = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip;

// The texts of the picture, in the scheme symbol's translation context.
QString pictureText(const char *text)
{
    return QCoreApplication::translate("GraphicsHeating", text);
}

void drawBox(QPainter *painter, const QRectF &box, const QString &text)
{
    painter->drawRect(box);
    painter->drawText(box, centredUnclipped, text);
}

} // namespace

GraphicsWiringHeating::GraphicsWiringHeating(GraphicsScene *scene, GraphicsItem *parent, Heating *heating)
    : GraphicsWiringPicture(scene, parent, heating)
{
    GraphicsDevice *item = soleItem();
    for (int i = 0; i < HeatingPinCount; ++i) {
        WiringPin *pin = item && i < item->pinCount() ? item->wiringPin(i) : nullptr;
        const HeatingPin &row = heatingPins[i];
        addLinkRoom(QPointF(row.x, row.y), row.left, row.up, pin ? pin->linkCapacity() : 2, heatingRowStep, heatingStubLength);
    }
}

GraphicsWiringHeating::~GraphicsWiringHeating() = default;

QRectF GraphicsWiringHeating::frame() const
{
    // The labels of the first row stand above the boxes.
    return QRectF(0, -heatingRowStep, 2700, 500 + heatingRowStep);
}

void GraphicsWiringHeating::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    GraphicsDevice *item = soleItem();
    if (!painter || !item || !hasFontSet())
        return;
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    painter->setFont(font(5));

    for (int i = 0; i < HeatingPinCount && i < item->pinCount(); ++i) {
        const HeatingPin &row = heatingPins[i];
        drawPinLinks(painter, item->wiringPin(i), QPointF(row.x, row.y), row.left, row.up, language(), heatingRowStep,
                     heatingStubLength);
    }

    const QString v = pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "V"));
    const QString l = pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "L"));
    for (int k = 0; k < 2; ++k) {
        const double yk = 220 * k;
        const QString row = QString::number(k + 1);
        // The switch's terminals, wired to its lamp.
        painter->drawText(QRectF(0, yk - 50, 80, 50), centredUnclipped, v + row);
        painter->drawLine(QLineF(80, yk + 30, 300, yk + 30));
        painter->drawText(QRectF(130, yk - 20, 200, 50), leftCentred, l + row + QStringLiteral("-2"));
        painter->drawText(QRectF(1070, yk + 35, 120, 50), centredUnclipped,
                          pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "SH.R.")) + row);
        for (int j = 0; j < 2; ++j) {
            const double yj = yk + 60 * j;
            const QString terminal = QString::number(j + 1);
            drawBox(painter, QRectF(0, yj, 80, 60), terminal);
            // The socket's contact.
            painter->drawText(QRectF(1000, yj - 20, 50, 50), centredUnclipped, terminal);
            painter->drawLine(QLineF(1000, yj + 30, 1050, yj + 30));
            painter->drawLine(QLineF(1050, yj + 30, 1070, yj + 20));
            painter->drawLine(QLineF(1050, yj + 30, 1070, yj + 40));
            drawBox(painter, QRectF(1650, yj, 80, 60), terminal);
        }
        if (k == 0) {
            painter->drawText(QRectF(1650, -50, 80, 50), centredUnclipped,
                              pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "OB")));
            painter->drawText(QRectF(1730, 0, 200, 120), centredUnclipped,
                              pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "16 sht.")) + lineSeparator
                                  + pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "PEV-3-75")));
        } else {
            painter->drawText(QRectF(1650, 170, 80, 50), centredUnclipped,
                              pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "TD")));
        }
        // The lamp, wired back to its switch.
        painter->drawText(QRectF(2400, yk - 50, 50, 50), centredUnclipped, l + row);
        painter->drawText(QRectF(2300, yk + 80, 250, 50), centredUnclipped,
                          pictureText(QT_TRANSLATE_NOOP("GraphicsHeating", "V220-25")));
        painter->drawText(QRectF(2350, yk + 30, 50, 50), centredUnclipped, QStringLiteral("1"));
        painter->drawText(QRectF(2450, yk + 30, 50, 50), centredUnclipped, QStringLiteral("2"));
        painter->drawLine(QLineF(2450, yk + 30, 2670, yk + 30));
        painter->drawText(QRectF(2500, yk - 20, 200, 50), leftCentred, v + row + QStringLiteral("-2"));
        drawCrossedCircle(painter, QRectF(2400, yk + 5, 50, 50));
    }
}
