#include "devices/graphicsplughole.h"

#include "devices/plughole.h"
#include "devices/twopindevice.h"
#include "graphics/font.h"
#include "model/datastream.h"
#include "model/pin.h"

#include <QPainter>

namespace {

// A new plughole's second pin, before a spacing is chosen.
const double newSpacing = 200;
// Contact and fork lengths.
const double contact = 40;
const double fork = 20;

} // namespace

GraphicsPlughole::GraphicsPlughole(GraphicsScene *scene)
    : GraphicsTwoPin(scene, newSpacing)
{
    setTextWidth(widthFor(0));
}

GraphicsPlughole::~GraphicsPlughole() = default;

double GraphicsPlughole::spacing() const
{
    Pin *second = const_cast<GraphicsPlughole *>(this)->pin(1);
    return second ? second->center().x() : newSpacing;
}

void GraphicsPlughole::setPinsOutside(bool outside)
{
    if (outside == m_pinsOutside)
        return;
    prepareGeometryChange();
    m_pinsOutside = outside;
    updateFromObj();
}

void GraphicsPlughole::setPinSpacing(int spacing)
{
    if (spacing == m_pinSpacing)
        return;
    prepareGeometryChange();
    m_pinSpacing = spacing;
    if (Pin *second = pin(1))
        movePinFollowed(second, QPointF(spacing * 10.0, 0));
    updateFromObj();
}

QStringList GraphicsPlughole::measuredTexts() const
{
    return {deviceAddressText(), name()};
}

double GraphicsPlughole::widthFor(double widest) const
{
    if (m_pinsOutside)
        return qMax(widest - spacing(), pinSize.width() / 2);
    return qMax(widest - (contact + fork), 0.0);
}

QRectF GraphicsPlughole::textRow(double top) const
{
    const double w = textWidth();
    if (m_pinsOutside)
        return QRectF(-w, top, spacing() + 2 * w, 40);
    // Right-aligned up to the first pin, above its contact.
    return QRectF(-w - contact - fork, top, w + contact + fork, 40);
}

QRectF GraphicsPlughole::boundingRect() const
{
    const double d = spacing();
    const double w = textWidth();
    const QRectF box = m_pinsOutside ? QRectF(-w, -80, d + 2 * w, 160) : QRectF(-w - 60, -80, d + w + 120, 160);
    return box.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsPlughole::drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                                   bool hideHelp)
{
    const double d = spacing();
    // Each contact runs from its pin, outwards or inwards, into a fork.
    const double out = m_pinsOutside ? 1 : -1;
    const double ends[2][2] = {{0, out}, {d, -out}};
    for (const auto &end : ends) {
        const double x = end[0];
        const double tip = x + end[1] * contact;
        const double prong = x + end[1] * (contact + fork);
        painter->drawLine(QLineF(x, 0, tip, 0));
        painter->drawLine(QLineF(tip, 0, prong, -fork));
        painter->drawLine(QLineF(tip, 0, prong, fork));
    }
    const int rowAlign = m_pinsOutside ? Qt::AlignHCenter : Qt::AlignRight;
    if (TwoPinDevice *bound = twoPinDevice()) {
        if (bound->showAddress() && bound->address())
            text(painter, textRow(-80), rowAlign | Qt::AlignBottom, addressText());
    }
    if (m_pinsOutside) {
        text(painter, QRectF(5, 5, 40, 40), Qt::AlignLeft | Qt::AlignTop, pinText(0));
        text(painter, QRectF(d - 45, 5, 40, 40), Qt::AlignRight | Qt::AlignTop, pinText(1));
    } else {
        text(painter, QRectF(-45, 5, 40, 40), Qt::AlignRight | Qt::AlignTop, pinText(0));
        text(painter, QRectF(d + 5, 5, 40, 40), Qt::AlignLeft | Qt::AlignTop, pinText(1));
    }
    drawHelp(painter, option, hideHelp, pen, textRow(40), rowAlign | Qt::AlignTop, name());
}

void GraphicsPlughole::saveData(DataStream &stream)
{
    stream << m_pinsOutside << m_pinSpacing;
    GraphicsTwoPin::saveData(stream);
}

void GraphicsPlughole::loadData(DataStream &stream)
{
    bool outside = false;
    qint32 spacing = 0;
    stream >> outside >> spacing;
    if (stream.status() != QDataStream::Ok)
        return;
    // A negative spacing or one beyond the largest offered is a damaged
    // record.
    if (spacing < 0 || spacing > plugholeMaxSpacing) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    setPinsOutside(outside);
    setPinSpacing(spacing);
    GraphicsTwoPin::loadData(stream);
}

GraphicsItem *createGraphicsPlughole(GraphicsScene *scene)
{
    return new GraphicsPlughole(scene);
}
