#ifndef RLAY_FRAMEWORKITEM_H
#define RLAY_FRAMEWORKITEM_H

// The framework's item that stands for a sheet item while its sheet has a
// framework scene: it answers the framework's questions from the item and
// passes events on to it. The item keeps every state; what the framework
// changes itself (a selection by a click or a rubber band, a move) is
// written back to the item.

#include <QGraphicsItem>

class GraphicsItem;

class FrameworkItem : public QGraphicsItem
{
public:
    FrameworkItem(GraphicsItem *owner, QGraphicsItem *parent);

    GraphicsItem *owner() const { return m_owner; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF &point) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    int type() const override;

    // The framework's own handling, for the item's defaults.
    void basePress(QGraphicsSceneMouseEvent *event) { QGraphicsItem::mousePressEvent(event); }
    void baseRelease(QGraphicsSceneMouseEvent *event) { QGraphicsItem::mouseReleaseEvent(event); }
    void announceGeometryChange() { prepareGeometryChange(); }

    // While the item writes its own state here, nothing is passed back.
    bool isSyncing() const { return m_syncing; }
    void setSyncing(bool syncing) { m_syncing = syncing; }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    GraphicsItem *m_owner;
    bool m_syncing = false;
};

#endif
