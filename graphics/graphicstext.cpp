#include "graphics/graphicstext.h"

#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/datastream.h"

#include <QPaintDevice>
#include <QPainter>

GraphicsText::GraphicsText(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsPrimitive(scene, parent, CanRotate | FreePlacement)
{
}

QRectF GraphicsText::boundingRect() const
{
    if (!m_extentValid) {
        const GraphicsScene *sheet = graphicsScene();
        if (sheet && sheet->isReadingItems())
            return QRectF();
        m_extent = textBoundingRect(m_font, QRectF(0, 0, 0, 0), m_alignment, m_text);
        m_extentValid = true;
    }
    return m_extent;
}

void GraphicsText::extentRead()
{
    if (!m_extentValid)
        prepareGeometryChange();
}

void GraphicsText::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool)
{
    const QRectF r = boundingRect();
    drawSelection(painter, option, &r);
    const QPaintDevice *device = painter->device();
    painter->setFont(deviceFont(device ? device->logicalDpiY() : 0));
    painter->setPen(m_color);
    painter->drawText(r, m_alignment, m_text);
}

QFont GraphicsText::deviceFont(int logicalDpiY) const
{
    if (logicalDpiY <= 100)
        return m_font;
    QFont scaled(m_font);
    scaled.setPointSizeF(m_font.pointSizeF() / logicalDpiY * 90);
    return scaled;
}

void GraphicsText::saveData(DataStream &stream)
{
    stream << m_font << m_color << m_alignment << m_text;
}

void GraphicsText::loadData(DataStream &stream)
{
    // Read over a copy of the item's own font: no default font is made
    // for each text read.
    QFont font = m_font;
    QColor color;
    qint32 alignment = 0;
    QString text;
    stream >> font >> color >> alignment >> text;
    // As read: the bottom alignment is not added again.
    prepareGeometryChange();
    m_font = font;
    m_color = color;
    m_alignment = alignment;
    m_text = text;
    m_extentValid = false;
}

void GraphicsText::setText(const QString &text)
{
    prepareGeometryChange();
    m_text = text;
    m_extentValid = false;
}

void GraphicsText::setFont(const QFont &font)
{
    prepareGeometryChange();
    m_font = font;
    m_extentValid = false;
}

void GraphicsText::setAlignment(int flags)
{
    prepareGeometryChange();
    m_alignment = flags | Qt::AlignBottom;
    m_extentValid = false;
}
