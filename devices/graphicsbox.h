#ifndef RLAY_GRAPHICSBOX_H
#define RLAY_GRAPHICSBOX_H

// The scene item of a junction box on a scheme: a rectangle with rows of
// pins on its left and right sides. Each pin carries a label and the number
// of cores it takes; a pin of several cores that is wired to the clamps of
// a passage tells each clamp how many of the cores go to it. Several items
// may show one box.

#include "graphics/graphicsdevice.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Boxx;

// One pin of a box item: its side, its row, its label and its cores.
struct BoxPinRow
{
    bool left = true;
    quint8 row = 0;
    QString label;
    quint8 cores = 1;

    bool operator==(const BoxPinRow &other) const
    {
        return left == other.left && row == other.row && label == other.label && cores == other.cores;
    }
};

class GraphicsBox : public GraphicsDevice
{
    Q_DECLARE_TR_FUNCTIONS(Box)

public:
    enum { Type = QGraphicsItem::UserType + 416 };
    // The pin rows the dialog offers; a record beyond them can only come
    // from damaged data.
    enum { MaxRows = 70 };

    explicit GraphicsBox(GraphicsScene *scene);
    ~GraphicsBox() override;

    int type() const override { return Type; }
    int objType() const override { return BoxKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // Width, rows, border flag and the pin records, then the bound-item
    // record. A record's row must lie in the body and its cores be at
    // least 1; anything else refuses the whole record as damaged.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // A walk ends at a box pin without taking it.
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    // The pin's label; for a pin of several cores wired to a clamp of a
    // passage, followed by the cores that go to that clamp. Empty when the
    // cores cannot be told (asked by painters: nothing is reported).
    QString pinName(Pin *pin, Pin *other) override;

    // One pin per record, at its row on its side.
    void layoutPins();

    // The bound box, null while unbound.
    Boxx *box() const;
    // Body width in millimetres.
    quint8 boxWidth() const { return m_width; }
    void setBoxWidth(quint8 width);
    quint8 rows() const { return m_rows; }
    void setRows(quint8 rows);
    bool drawBorder() const { return m_drawBorder; }
    void setDrawBorder(bool draw) { m_drawBorder = draw; }
    const QList<BoxPinRow> &pinRows() const { return m_pinRows; }
    // The records only; layoutPins makes their pins.
    void setPinRows(const QList<BoxPinRow> &rows);

    // The mark after a count of cores: "j".
    static QString coreSuffix();

private:
    // Where a record's label and its count of cores are painted, and how
    // they are aligned there.
    void labelRects(const BoxPinRow &record, QRectF *label, QRectF *cores, int *labelAlignment,
                    int *coresAlignment) const;
    // The room the labels and counts of cores take as painted (the item's
    // bounding rectangle holds them, whatever their length and the body's
    // width).
    void updateLabelExtent();

    quint8 m_width = 20;
    quint8 m_rows = 8;
    bool m_drawBorder = true;
    QList<BoxPinRow> m_pinRows;
    QRectF m_labelExtent;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsBox(GraphicsScene *scene);

#endif
