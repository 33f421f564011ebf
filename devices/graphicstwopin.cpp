#include "devices/graphicstwopin.h"

#include "devices/twopindevice.h"
#include "graphics/font.h"
#include "model/address.h"
#include "model/pin.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsTwoPin::GraphicsTwoPin(GraphicsScene *scene, double length)
    : GraphicsDevice(scene, BindOwned, nullptr, CanRotate | CanMirrorHorizontal)
    , m_length(length)
{
    createPins(2);
    if (pinCount() == 2) {
        pin(0)->moveCenter(QPointF(0, 0));
        pin(1)->moveCenter(QPointF(length, 0));
    }
    setTextWidth(widthFor(0));
}

GraphicsTwoPin::~GraphicsTwoPin() = default;

TwoPinDevice *GraphicsTwoPin::twoPinDevice() const
{
    return dynamic_cast<TwoPinDevice *>(obj());
}

double GraphicsTwoPin::columnCentre() const
{
    return m_length / 2;
}

QRectF GraphicsTwoPin::pictureExtent() const
{
    const double half = pinSize.width() / 2;
    return QRectF(-half, -half, m_length + 2 * half, 2 * half);
}

QRectF GraphicsTwoPin::boundingRect() const
{
    const QRectF column(columnLeft(), columnTop(), textWidth(), columnHeight());
    return (column | pictureExtent()).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsTwoPin::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    if (hasFontSet())
        painter->setFont(font(3));
    drawPicture(painter, option, pen, hideHelp);
}

QStringList GraphicsTwoPin::measuredTexts() const
{
    QStringList texts = {deviceAddressText(), name()};
    if (TwoPinDevice *bound = twoPinDevice())
        texts << bound->nominalName() << bound->modelName();
    return texts;
}

double GraphicsTwoPin::widthFor(double widest) const
{
    return qMax(widest, m_length + pinSize.width());
}

void GraphicsTwoPin::updateFromObj()
{
    if (!hasFontSet())
        return;
    const QFontMetricsF metrics(font(3));
    double widest = 0;
    for (const QString &t : measuredTexts())
        widest = qMax(widest, metrics.horizontalAdvance(t));
    const double width = widthFor(widest);
    if (width == textWidth())
        return;
    prepareGeometryChange();
    setTextWidth(width);
    update();
}

void GraphicsTwoPin::text(QPainter *painter, const QRectF &rect, int alignment, const QString &text)
{
    if (hasFontSet())
        drawTextInRect(this, painter, rect, alignment, text, false);
}

QString GraphicsTwoPin::pinText(int index)
{
    WiringPin *p = wiringPin(index);
    return p && p->name() ? QString::fromUtf8(p->name()) : QString();
}

bool GraphicsTwoPin::inConsoleFrame() const
{
    TwoPinDevice *bound = twoPinDevice();
    return bound && bound->inConsoleFrame();
}

QString GraphicsTwoPin::deviceAddressText() const
{
    TwoPinDevice *bound = twoPinDevice();
    const Address *at = bound ? bound->address() : nullptr;
    return at ? at->toString(1) : QString();
}

void GraphicsTwoPin::drawAddress(QPainter *painter, const QRectF &rect, int alignment, const QPen &pen, bool hideHelp)
{
    TwoPinDevice *bound = twoPinDevice();
    if (!bound || !bound->showAddress() || !bound->address())
        return;
    if (!inConsoleFrame()) {
        text(painter, rect, alignment, addressText());
        return;
    }
    if (hideHelp)
        return;
    painter->setPen(helpPen(pen));
    text(painter, rect, alignment, addressText());
    painter->setPen(pen);
}

void GraphicsTwoPin::drawHelp(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp,
                              const QPen &pen, const QRectF &rect, int alignment, const QString &help)
{
    if (hideHelp)
        return;
    painter->setPen(helpPen(pen));
    if (!help.isEmpty())
        text(painter, rect, alignment, help);
    drawPins(painter, hideHelp);
    painter->setPen(pen);
    drawSelection(painter, option, nullptr);
}

GraphicsPlainTwoPin::GraphicsPlainTwoPin(GraphicsScene *scene)
    : GraphicsTwoPin(scene, 160)
{
}

GraphicsPlainTwoPin::~GraphicsPlainTwoPin() = default;

void GraphicsPlainTwoPin::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                                      bool hideHelp)
{
    TwoPinDevice *bound = twoPinDevice();
    if (!bodyNeedsDevice())
        drawBody(painter);
    if (bound) {
        drawAddress(painter, row(-80), Qt::AlignHCenter | Qt::AlignBottom, pen, hideHelp);
        text(painter, row(40), Qt::AlignHCenter | Qt::AlignTop, bound->modelName());
        if (bodyNeedsDevice())
            drawBody(painter);
    }
    const double top = pinNameTop();
    text(painter, QRectF(0, top, 40, 40), Qt::AlignCenter, pinText(0));
    text(painter, QRectF(120, top, 40, 40), Qt::AlignCenter, pinText(1));
    drawHelp(painter, option, hideHelp, pen, row(80), Qt::AlignHCenter | Qt::AlignTop, name());
}
