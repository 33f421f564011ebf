#ifndef RLAY_GRAPHICSBLOCK_H
#define RLAY_GRAPHICSBLOCK_H

// The scene item of a block on a scheme: a body with three caption bands
// (address, name, type) over rows of pins on the left, in a centre column
// and on the right, each pin with the label the user gave it. A label that
// names a pin of the block's type makes the pin that catalogue pin, unless
// another item of the block or an earlier pin of this item holds it already;
// a pin without a catalogue pin is drawn red. Several items may show one
// block.

#include "graphics/graphicsdevice.h"

#include <QList>
#include <QString>

class Block;

// One pin of a block item: its column, its row and its label.
struct BlockPinRow
{
    enum Side { Left = 0, Centre = 1, Right = 2 };

    int side = Left;
    quint8 row = 0;
    QString label;

    bool operator==(const BlockPinRow &other) const
    {
        return side == other.side && row == other.row && label == other.label;
    }
};

class GraphicsBlock : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 400 };
    // The pin rows the dialog offers; a record beyond them, or in another
    // column, can only come from damaged data.
    enum { MaxRows = 70, SideCount = 3 };

    explicit GraphicsBlock(GraphicsScene *scene);
    ~GraphicsBlock() override;

    int type() const override { return Type; }
    int objType() const override { return BlockKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // Width, rows and the pin records, then the bound-item record. A
    // record's column and row must lie in the table; anything else refuses
    // the whole record as damaged.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // Each label that names a pin of the block's type and is not held by
    // another item, nor by an earlier pin of this one, names its pin; the
    // other pins lose their names.
    void updatePinNames() override;
    // A walk that is not asked to cross them (n = 0) leaves out the pins
    // of the blocks mounted in an ABE place.
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;

    // One pin per record, at its row in its column.
    void layoutPins();
    // Whether a pin of the item holds the type's pin of that label.
    bool hasPinLabel(const QString &label) const;

    // The bound block, null while unbound.
    Block *block() const;
    // Body width in millimetres.
    quint8 blockWidth() const { return m_width; }
    void setBlockWidth(quint8 width);
    quint8 rows() const { return m_rows; }
    void setRows(quint8 rows);
    const QList<BlockPinRow> &pinRows() const { return m_pinRows; }
    // The records only; layoutPins makes their pins.
    void setPinRows(const QList<BlockPinRow> &rows);
    // The x of the centre column's pins.
    double centreColumnX() const;

private:
    // Where a record's label is painted and how it is aligned there; a null
    // rectangle for a record of no column.
    QRectF labelRect(const BlockPinRow &record, int *alignment) const;
    // The room the labels take as painted (the item's bounding rectangle
    // holds them, whatever their length and the body's width).
    void updateLabelExtent();

    quint8 m_width = 20;
    quint8 m_rows = 8;
    QList<BlockPinRow> m_pinRows;
    QRectF m_labelExtent;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsBlock(GraphicsScene *scene);

#endif
