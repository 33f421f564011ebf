#include "graphics/graphicsprimitive.h"

#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/datastream.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

#include <cmath>

GraphicsPrimitive::GraphicsPrimitive(GraphicsScene *scene, GraphicsItem *parent, int itemFlags)
    : GraphicsItem(scene, parent, itemFlags | FreePlacement, ItemIsMovable | ItemIsSelectable)
{
}

GraphicsBorderPrimitive::GraphicsBorderPrimitive(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsPrimitive(scene, parent, FreePlacement)
{
}

QRectF GraphicsBorderPrimitive::boundingRect() const
{
    const double grow = pinSize.width();
    return QRectF(m_p1, m_p2).normalized().adjusted(-grow, -grow, grow, grow);
}

void GraphicsBorderPrimitive::saveData(DataStream &stream)
{
    stream << m_p1 << m_p2 << m_borderColor << m_penStyle << m_width;
}

void GraphicsBorderPrimitive::loadData(DataStream &stream)
{
    QPointF p1;
    QPointF p2;
    double width = m_width;
    stream >> p1 >> p2 >> m_borderColor >> m_penStyle >> width;
    if (!stream.checkPoint(p1) || !stream.checkPoint(p2) || !stream.checkCoordinate(width) || !stream.checkRecord(width >= 0))
        return;
    m_width = width;
    setPoints(p1, p2);
}

void GraphicsBorderPrimitive::placeAt(const QPointF &scenePoint, Qt::KeyboardModifiers modifiers)
{
    QPointF point = scenePoint;
    if (!(modifiers & Qt::ControlModifier) && graphicsScene())
        point = graphicsScene()->snapToGrid(point);
    setPosQuiet(point);
    updateInViews();
}

void GraphicsBorderPrimitive::stretchTo(const QPointF &scenePoint, Qt::KeyboardModifiers modifiers)
{
    QPointF point = mapFromScene(scenePoint);
    if (!(modifiers & Qt::ControlModifier) && graphicsScene())
        point = graphicsScene()->snapToGrid(point);
    if (std::fabs(point.x() - m_p2.x()) < 1e-11 && std::fabs(point.y() - m_p2.y()) < 1e-11)
        return;
    updateInViews();
    setPoints(m_p1, point);
    // A save made while the shape follows the mouse must not be the last
    // word on it.
    if (graphicsScene())
        graphicsScene()->setModified(true);
    updateInViews();
}

void GraphicsBorderPrimitive::setPoints(const QPointF &p1, const QPointF &p2)
{
    if (p1 == m_p1 && p2 == m_p2)
        return;
    prepareGeometryChange();
    m_p1 = p1;
    m_p2 = p2;
}

QPen GraphicsBorderPrimitive::borderPen(const QStyleOptionGraphicsItem *option) const
{
    const bool selected = option && (option->state & QStyle::State_Selected);
    const QColor color = selected ? colorBlue : m_borderColor;
    return QPen(QBrush(color, Qt::SolidPattern), m_width, Qt::PenStyle(m_penStyle), Qt::SquareCap, Qt::BevelJoin);
}

GraphicsFillPrimitive::GraphicsFillPrimitive(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsBorderPrimitive(scene, parent)
{
}

void GraphicsFillPrimitive::saveData(DataStream &stream)
{
    GraphicsBorderPrimitive::saveData(stream);
    stream << m_fillColor << m_brushStyle;
}

void GraphicsFillPrimitive::loadData(DataStream &stream)
{
    GraphicsBorderPrimitive::loadData(stream);
    stream >> m_fillColor >> m_brushStyle;
}

void GraphicsFillPrimitive::preparePainter(QPainter *painter, const QStyleOptionGraphicsItem *option) const
{
    painter->setBrush(QBrush(m_fillColor, Qt::BrushStyle(m_brushStyle)));
    painter->setPen(borderPen(option));
}
