#include "devices/graphicscommutator.h"

#include "devices/commutator.h"
#include "devices/commutatorcatalogue.h"
#include "devices/groupcatalogue.h"
#include "graphics/font.h"
#include "model/pin.h"

#include <QPainter>

namespace {

// The extra room on each side of the type with long pin names.
const double wideTypeMargin = 60;

// Whether the bound commutator is of the type with long pin names, for
// painting and measuring: no check boxes there.
bool wideType(const Commutator *commutator)
{
    return commutator && commutator->modelIndex() == CommutatorTypeP2G;
}

} // namespace

GraphicsCommutator::GraphicsCommutator(GraphicsScene *scene)
    : GraphicsSwitchGroup(scene, commutatorCatalogue, 40, QPointF(160, -40), QPointF(160, 40))
{
}

GraphicsCommutator::~GraphicsCommutator() = default;

Commutator *GraphicsCommutator::commutator() const
{
    return dynamic_cast<Commutator *>(obj());
}

QString GraphicsCommutator::contactKindName(int kind)
{
    return commutatorCatalogue.kindName(kind);
}

Pin *GraphicsCommutator::lowerPin()
{
    const int kind = contactKind();
    if (!groupKindHasBack(kind) || pinCount() != contactGroupPinCount(kind))
        return nullptr;
    return pin(pinCount() - 1);
}

double GraphicsCommutator::sideMargin() const
{
    return wideType(commutator()) ? wideTypeMargin : 0;
}

void GraphicsCommutator::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    Commutator *bound = commutator();
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const int kind = contactKind();

    // The common terminal, the hinge and the blade.
    painter->drawLine(QPointF(0, 0), QPointF(30, 0));
    painter->drawEllipse(QRectF(30, -10, 20, 20));
    painter->drawLine(QPointF(50, 0), QPointF(110, underCurrent() ? -40 : 40));
    if (groupKindHasFront(kind)) {
        painter->drawLine(QPointF(130, -40), QPointF(160, -40));
        painter->drawEllipse(QRectF(110, -50, 20, 20));
    }
    if (groupKindHasBack(kind)) {
        painter->drawEllipse(QRectF(110, 30, 20, 20));
        // A free lower terminal is help only.
        Pin *lower = lowerPin();
        if (lower && !lower->isFree()) {
            painter->drawLine(QPointF(130, 40), QPointF(160, 40));
        } else if (!hideHelp) {
            painter->setPen(penGreen);
            painter->drawLine(QPointF(130, 40), QPointF(160, 40));
            painter->setPen(pen);
        }
    }

    if (hasFontSet()) {
        painter->setFont(font(3));
        drawTextAt(this, painter, QPointF(80, -50), Qt::AlignHCenter | Qt::AlignBottom, name());
        if (bound) {
            if (wideType(bound) && pinCount() == contactGroupPinCount(kind))
                painter->setFont(font(2));
            drawPinNames(painter, QPointF(50, 11), QPointF(123, -35), QPointF(123, 35));
        }
    }

    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

GraphicsItem *createGraphicsCommutator(GraphicsScene *scene)
{
    return new GraphicsCommutator(scene);
}
