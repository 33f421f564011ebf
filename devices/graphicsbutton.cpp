#include "devices/graphicsbutton.h"

#include "devices/button.h"
#include "devices/buttoncatalogue.h"
#include "devices/groupcatalogue.h"
#include "graphics/font.h"

#include <QPainter>

namespace {

// The row of the bound button's type, for painting: no check boxes there.
const ButtonType *paintedType(const Button *button)
{
    const int index = button ? button->modelIndex() : -1;
    return index >= 0 && index < ButtonTypeCount ? &buttonTypes[index] : nullptr;
}

} // namespace

GraphicsButton::GraphicsButton(GraphicsScene *scene)
    : GraphicsSwitchGroup(scene, buttonCatalogue, 0, QPointF(160, 0), QPointF(120, 80))
{
}

GraphicsButton::~GraphicsButton() = default;

Button *GraphicsButton::button() const
{
    return dynamic_cast<Button *>(obj());
}

QString GraphicsButton::contactKindName(int kind)
{
    return buttonCatalogue.kindName(kind);
}

void GraphicsButton::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    Button *bound = button();
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const ButtonType *type = paintedType(bound);
    const int kind = contactKind();

    // The push cap and its stem, unless the type has none.
    const double d = underCurrent() ? 0 : 13;
    const bool noCap = bound && type && type->noCap;
    double base = 40;
    if (!noCap) {
        painter->drawLine(QPointF(70, 0), QPointF(90, 0));
        painter->drawLine(QPointF(80, 0), QPointF(80, d + 20));
        base = 0;
    }
    painter->drawLine(QPointF(0, 0), QPointF(40, 0));
    painter->drawLine(QPointF(40, 0), QPointF(40, base + 20));
    painter->setPen(QPen(pen.color(), 2 * penWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(QPointF(40, base + 20), QPointF(130, underCurrent() ? 20 : 60));
    painter->setPen(pen);
    if (groupKindHasFront(kind)) {
        painter->drawLine(QPointF(120, 0), QPointF(160, 0));
        painter->drawLine(QPointF(120, 0), QPointF(120, 20));
    }
    if (groupKindHasBack(kind))
        painter->drawLine(QPointF(120, 60), QPointF(120, 80));

    const bool withText = hasFontSet();
    if (withText)
        painter->setFont(font(3));
    if (bound) {
        if (withText)
            drawPinNames(painter, QPointF(35, 5), QPointF(135, 5), QPointF(135, 75));
        if (type && type->latchMark && !type->noCap) {
            const QPointF latch[] = {QPointF(80, d + 20), QPointF(80, d + 50), QPointF(90, d + 40), QPointF(80, d + 40)};
            painter->drawPolyline(latch, 4);
        }
    }
    if (withText)
        drawTextAt(this, painter, QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom, name());

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

GraphicsItem *createGraphicsButton(GraphicsScene *scene)
{
    return new GraphicsButton(scene);
}
