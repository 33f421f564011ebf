#include "devices/contactsymbol.h"

#include "devices/relaycatalogue.h"
#include "graphics/font.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QTransform>

bool contactPictureUnderCurrent = false;

namespace {

// The arm is drawn twice as thick as the drawing pens.
const double armWidth = 7;

bool isPolar(int kind)
{
    return kind == POLAR_MAGNET || kind == POLAR_INTENSIV || kind == POLARIZED;
}

bool hasFront(int kind)
{
    return kind != INTENSIV_T && kind != NEUTRAL_T;
}

bool hasBack(int kind)
{
    return kind != INTENSIV_F && kind != NEUTRAL_F;
}

// The magnetic blow-out mark: a zigzag of three strokes starting at
// (x0, y) and ending 32 further right.
void drawZigzag(QPainter *painter, double x0, double y)
{
    const QPointF points[4] = {QPointF(x0, y), QPointF(x0 + 8, y - 10),
                               QPointF(x0 + 24, y + 10), QPointF(x0 + 32, y)};
    painter->drawPolyline(points, 4);
}

// Lead, common terminal and the moving arm.
void drawArm(QPainter *painter, int kind, bool underCurrent, const QPen &pen,
             const QPen &dashPen)
{
    if (isPolar(kind)) {
        // The solid arm shows the position held, the dashed one the other.
        const double d = underCurrent ? 22.5 : -22.5;
        painter->drawLine(QLineF(0, 40, 40, 40));
        painter->setPen(dashPen);
        painter->drawLine(QLineF(40, 40, 130, 40 + d));
        painter->setPen(pen);
        painter->drawLine(QLineF(40, 40, 130, 40 - d));
        return;
    }
    painter->drawLine(QLineF(0, 0, 40, 0));
    painter->drawLine(QLineF(40, 0, 40, 20));
    // A thermal contact is always drawn released.
    const double y = underCurrent && kind != THERMO ? 20 : 60;
    painter->setPen(QPen(QBrush(pen.color(), Qt::SolidPattern), armWidth, Qt::SolidLine,
                         Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(QLineF(40, 20, 130, y));
    painter->setPen(pen);
}

void drawFrontPart(QPainter *painter, int kind)
{
    painter->drawLine(QLineF(120, 0, 160, 0));
    painter->drawLine(QLineF(120, 0, 120, 20));
    if (kind == INTENSIV || kind == INTENSIV_F || kind == POLAR_INTENSIV
        || kind == INTENSIV_FUT) {
        painter->drawLine(QLineF(120, 20, 140, 0));
        if (kind == POLAR_INTENSIV) {
            painter->drawLine(QLineF(150, -10, 150, 10));
            return;
        }
    }
    if (kind == POLAR_MAGNET || kind == POLARIZED)
        painter->drawLine(QLineF(130, -10, 130, 10));
    if (kind == MAGNET || kind == POLAR_MAGNET)
        drawZigzag(painter, kind == MAGNET ? 120 : 130, 0);
}

void drawBackPart(QPainter *painter, int kind)
{
    // These kinds have their back pin at (120, 80), on the stub itself.
    if (kind != NOBREAK && kind != MAGNET && kind != NEUTRAL && kind != POLARIZED
        && kind != NEUTRAL_T)
        painter->drawLine(QLineF(120, 80, 160, 80));
    painter->drawLine(QLineF(120, 60, 120, 80));
    if (kind == INTENSIV || kind == INTENSIV_T || kind == POLAR_INTENSIV
        || kind == INTENSIV_FTU)
        painter->drawLine(QLineF(120, 60, 140, 80));
    if (kind == POLAR_MAGNET)
        drawZigzag(painter, 128, 80);
}

// A part that is not on is help: green, or left out when help is hidden.
// Returns false when the part is to be left out.
bool beginPart(QPainter *painter, bool on, bool hideHelp)
{
    if (on)
        return true;
    if (hideHelp)
        return false;
    painter->setPen(penGreen);
    return true;
}

// The heater of a thermal contact below the contact (h is the box height),
// linked to the arm, and the heated element beside the arm.
void drawHeater(QPainter *painter, double h, const QPen &pen, const QPen &dashPen)
{
    painter->drawLine(QLineF(0, h, 50, h));
    painter->drawLine(QLineF(110, h, 160, h));
    painter->setPen(dashPen);
    painter->drawLine(QLineF(80, h, 80, h - 160 + 15));
    painter->setPen(pen);

    const QTransform saved = painter->worldTransform();
    painter->translate(80, h);
    for (int t = 0; t <= 10; t += 10) {
        painter->drawLine(QLineF(-30, 0, -20, 0));
        painter->drawLine(QLineF(20, 0, 30, 0));
        painter->drawArc(QRectF(-20, -20 - t, 40, 40 + t), 0, 180 * 16);
        painter->translate(-5, -107);
        painter->rotate(27);
    }
    painter->setWorldTransform(saved);
}

} // namespace

QSizeF contactSize(int kind)
{
    if (kind == THERMO)
        return QSizeF(symbolSize.width(), symbolSize.height() + 80);
    return symbolSize;
}

void drawContact(QPainter *painter, int kind, bool underCurrent, const QPen &pen,
                 const QPen &dashPen, bool frontOn, bool backOn, bool hideHelp)
{
    // Painting must stay silent: a bad kind or painter draws nothing.
    if (!painter || kind < 0 || kind >= ContactKindCount)
        return;

    painter->setPen(pen);
    drawArm(painter, kind, underCurrent, pen, dashPen);

    if (hasFront(kind) && beginPart(painter, frontOn, hideHelp)) {
        drawFrontPart(painter, kind);
        painter->setPen(pen);
    }
    if (hasBack(kind) && beginPart(painter, backOn, hideHelp)) {
        drawBackPart(painter, kind);
        painter->setPen(pen);
    }

    if (kind == NOBREAK) {
        // The bridge of a make-before-break contact, from the front stub
        // round to the back stub.
        painter->drawArc(QRectF(120, 10, 20, 60), 280 * 16, 160 * 16);
    }
    if (kind == THERMO)
        drawHeater(painter, contactSize(kind).height(), pen, dashPen);
}
