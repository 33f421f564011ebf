#include "devices/graphicsbell.h"

#include "devices/twopindevice.h"
#include "graphics/font.h"
#include "model/pin.h"

#include <QPainter>

namespace {

// Twice the grid step.
const double bellMinimumWidth = 80;

} // namespace

GraphicsBell::GraphicsBell(GraphicsScene *scene)
    : GraphicsTwoPin(scene, 40)
{
    setTextWidth(bellMinimumWidth);
    updatePinNames();
}

GraphicsBell::~GraphicsBell() = default;

QRectF GraphicsBell::pictureExtent() const
{
    return QRectF(-40, -80, 120, 80 + pinSize.height() / 2);
}

double GraphicsBell::widthFor(double widest) const
{
    return qMax(widest, bellMinimumWidth);
}

void GraphicsBell::updatePinNames()
{
    for (int i = 0; i < 2; ++i) {
        if (WiringPin *p = wiringPin(i))
            p->setName(positionPinNames[0][i]);
    }
}

QString GraphicsBell::pinName(Pin *pin, Pin *)
{
    return inConsoleFrame() ? pinLabel(name(), pin) : QString();
}

void GraphicsBell::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                               bool hideHelp)
{
    if (TwoPinDevice *bound = twoPinDevice()) {
        drawAddress(painter, row(-120), Qt::AlignHCenter | Qt::AlignBottom, pen, hideHelp);
        const QLineF lines[3] = {QLineF(0, 0, 0, -40), QLineF(40, 0, 40, -40), QLineF(5, -55, 35, -55)};
        painter->drawLines(lines, 3);
        painter->drawChord(QRectF(-20, -80, 80, 80), 0, 2880);
        text(painter, row(0), Qt::AlignCenter, bound->modelName());
    }
    text(painter, QRectF(-40, -40, 35, 40), Qt::AlignRight | Qt::AlignVCenter, pinText(0));
    text(painter, QRectF(45, -40, 35, 40), Qt::AlignLeft | Qt::AlignVCenter, pinText(1));
    drawHelp(painter, option, hideHelp, pen, row(40), Qt::AlignHCenter | Qt::AlignTop, name());
}

GraphicsItem *createGraphicsBell(GraphicsScene *scene)
{
    return new GraphicsBell(scene);
}
