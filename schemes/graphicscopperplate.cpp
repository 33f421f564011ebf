#include "schemes/graphicscopperplate.h"

#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsCopperPlate::GraphicsCopperPlate(GraphicsScene *scene)
    : GraphicsUnite(scene)
{
    createPins(2);
    if (!CHECK(pinCount() == 2))
        return;
    pin(0)->moveCenter(QPointF(0, 0));
    pin(1)->moveCenter(QPointF(0, 40.0 * m_graphicsHeight));
}

void GraphicsCopperPlate::setGraphicsWidth(int width)
{
    if (width == m_graphicsWidth)
        return;
    prepareGeometryChange();
    m_graphicsWidth = width;
    update();
}

void GraphicsCopperPlate::setGraphicsHeight(int height)
{
    if (height == m_graphicsHeight)
        return;
    prepareGeometryChange();
    m_graphicsHeight = height;
    if (Pin *second = pin(1))
        second->moveCenter(QPointF(0, 40.0 * height));
    update();
}

QRectF GraphicsCopperPlate::boundingRect() const
{
    const double w = 40.0 * m_graphicsWidth;
    const double h = 40.0 * (m_graphicsHeight + 1);
    return QRectF(-7, -7, w + 7, h + 7).adjusted(-3.5, -3.5, 7, 7);
}

void GraphicsCopperPlate::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const bool selected = option && (option->state & QStyle::State_Selected);
    const double h = 40.0 * m_graphicsHeight;
    const double w = 40.0 * m_graphicsWidth;
    painter->setPen(QPen(selected ? colorBlue : colorBlack, 2 * penWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(QPointF(0, 0), QPointF(40, 40));
    painter->drawLine(QPointF(0, h), QPointF(40, h + 40));
    painter->drawLine(QPointF(w, 40), QPointF(w, h + 40));
    if (m_graphicsWidth > 1) {
        painter->drawLine(QPointF(40, 40), QPointF(w, 40));
        painter->drawLine(QPointF(40, h + 40), QPointF(w, h + 40));
    }
    if (!hideHelp) {
        drawPins(painter, hideHelp);
        drawSelection(painter, option, nullptr);
    }
}

void GraphicsCopperPlate::saveData(DataStream &stream)
{
    stream << qint32(m_graphicsWidth) << qint32(m_graphicsHeight);
}

void GraphicsCopperPlate::loadData(DataStream &stream)
{
    qint32 width = 0;
    qint32 height = 0;
    stream >> width >> height;
    if (stream.status() != QDataStream::Ok)
        return;
    if (width < 1 || width > MaxSize || height < 1 || height > MaxSize) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    setGraphicsWidth(width);
    setGraphicsHeight(height);
}

void GraphicsCopperPlate::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(ownsPin(entry)))
        return;
    pins.append(entry);
}

void GraphicsCopperPlate::collectNet(Pin *, QList<Pin *> &, QList<GraphicsUnite *> *, int)
{
}

void GraphicsCopperPlate::updateNetLinks(Pin *, QList<Pin *> &)
{
}

bool GraphicsCopperPlate::isConnected(Pin *, Pin *)
{
    return false;
}

QString GraphicsCopperPlate::plateText(bool shortForm, bool ua)
{
    const QString mark = QStringLiteral("{*}");
    if (shortForm)
        return mark;
    return mark + QStringLiteral(" - ") + tr(ua ? "copper plate ua" : "copper plate");
}

GraphicsItem *createCopperPlate(GraphicsScene *scene)
{
    return new GraphicsCopperPlate(scene);
}
