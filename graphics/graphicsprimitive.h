#ifndef RLAY_GRAPHICSPRIMITIVE_H
#define RLAY_GRAPHICSPRIMITIVE_H

// What the drawing primitives (line, rectangle, ellipse, text, picture)
// share. A primitive belongs to no model object and carries no pins; it is
// never snapped to the grid when moved. The two-point primitives (line,
// rectangle, ellipse) keep two corners and a border, the closed ones a fill
// too; they are neither turned nor mirrored by the view's commands.

#include "graphics/graphicsitem.h"

#include <QColor>
#include <QPen>
#include <QPointF>
#include <Qt>

class GraphicsPrimitive : public GraphicsItem
{
public:
    // Adds FreePlacement to the flag word; movable and selectable.
    GraphicsPrimitive(GraphicsScene *scene, GraphicsItem *parent, int itemFlags);
};

class GraphicsBorderPrimitive : public GraphicsPrimitive
{
public:
    GraphicsBorderPrimitive(GraphicsScene *scene, GraphicsItem *parent);

    // The rectangle of the two points, normalised and grown by the pin size.
    QRectF boundingRect() const override;
    // p1, p2, border colour, pen style, width.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    // Moves the item to the sheet point, snapped unless Control is held,
    // without the position-change handling; the sheet is marked modified.
    virtual void placeAt(const QPointF &scenePoint, Qt::KeyboardModifiers modifiers);
    // Moves the second point under the sheet point (snapped unless Control
    // is held); the first stays at the origin.
    virtual void stretchTo(const QPointF &scenePoint, Qt::KeyboardModifiers modifiers);

    QPointF p1() const { return m_p1; }
    QPointF p2() const { return m_p2; }
    // The corners in item coordinates (the bounding rectangle follows).
    void setPoints(const QPointF &p1, const QPointF &p2);

    // Plain accessors: no repaint, no modified mark.
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color) { m_borderColor = color; }
    int penStyle() const { return m_penStyle; }
    void setPenStyle(int style) { m_penStyle = style; }
    double width() const { return m_width; }
    void setWidth(double width) { m_width = width; }

protected:
    // The outline pen: blue while selected, else the border colour.
    QPen borderPen(const QStyleOptionGraphicsItem *option) const;
    // The rectangle with the stored corners, not normalised.
    QRectF pointsRect() const { return QRectF(m_p1, m_p2); }

private:
    QPointF m_p1;
    QPointF m_p2;
    QColor m_borderColor = Qt::black;
    qint32 m_penStyle = Qt::SolidLine;
    double m_width = 3.5;
};

class GraphicsFillPrimitive : public GraphicsBorderPrimitive
{
public:
    GraphicsFillPrimitive(GraphicsScene *scene, GraphicsItem *parent);

    // The border record, then fill colour and brush style.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    int brushStyle() const { return m_brushStyle; }
    void setBrushStyle(int style) { m_brushStyle = style; }

protected:
    // Sets the fill brush and the outline pen.
    void preparePainter(QPainter *painter, const QStyleOptionGraphicsItem *option) const;

private:
    QColor m_fillColor = Qt::white;
    qint32 m_brushStyle = Qt::SolidPattern;
};

#endif
