#ifndef RLAY_GRAPHICSTRANS_H
#define RLAY_GRAPHICSTRANS_H

// The scene item of a transformer: some of the type's terminals drawn as
// windings left and right of the core, with a jumpers text that lists the
// links between terminals ("I4-II1,II3-III1": links separated by commas,
// the terminals of one link by hyphens). Its pins are the drawn terminals
// in order, then the terminals named only in the jumpers (which lie off the
// sheet). Each pin carries the catalogue name of its terminal unless the
// type has no such terminal or another item of the transformer carries it
// already; the item is complete, and drawn black, when every pin carries
// its name and no jumper passes through a terminal.

#include "graphics/graphicsdevice.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class Trans;

// One drawn terminal: its name, its column, its row (at y = row x 40) and
// whether a winding starts there.
struct TransTerminal
{
    QString name;
    bool left = true;
    quint8 row = 1;
    bool start = false;
};

class GraphicsTrans : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 404 };
    // The rows a terminal may stand on.
    enum { RowCount = 20 };

    explicit GraphicsTrans(GraphicsScene *scene);
    // Leaves the transformer while the item is whole, so the terminals it
    // carried pass to the other items.
    ~GraphicsTrans() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    int objType() const override { return TransKind; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Text height, jumpers and terminals, then the bound-item record;
    // reading makes the pins. A count beyond the bytes left, a row outside
    // the table or a height that is not a number is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The catalogue names on the pins, against the terminals the other
    // items of the transformer carry; none while unbound.
    void updatePinNames() override;
    // The extent of the texts and the windings.
    void updateFromObj() override;
    // The texts keep upright: their extent follows a mirror.
    void mirror(bool withHalfTurn) override;
    // The first pin whose translated terminal name, in the local 8-bit
    // encoding, equals the name.
    WiringPin *findPin(const char *name) override;

    Trans *trans() const;
    // Exactly two terminals, both on the left: one horizontal winding.
    bool isSingleWinding() const;
    // Into an empty list: the drawn terminal names, then the further names
    // of the jumpers; pin i belongs to name i.
    void usedTerminalNames(QStringList &names) const;
    // Makes one pin per used terminal name and places it.
    void placePins();
    // Whether a pin carries the catalogue terminal of that translated name.
    bool hasTerminal(const QString &text) const;
    const QString &jumpers() const { return m_jumpers; }
    void setJumpers(const QString &jumpers) { m_jumpers = jumpers; }
    const QList<TransTerminal> &terminals() const { return m_terminals; }
    void clearTerminals() { m_terminals.clear(); }
    void appendTerminal(const TransTerminal &terminal) { m_terminals.append(terminal); }
    bool isComplete() const { return m_complete; }
    double textHeight() const { return m_textHeight; }
    double textTop() const { return m_textTop; }

    // For the transformer's naming pass: adds step to the count of every
    // terminal the item carries, and names the pins against the counts of
    // the terminals the other items carry.
    void countCarriedNames(QHash<QString, int> &carried, int step) const;
    void namePins(const QHash<QString, int> &carriedElsewhere);

private:
    // One text of the picture: font index, anchor, alignment, text, and
    // the terminal it labels (-1 for the item's own texts).
    struct Text
    {
        int font;
        QPointF anchor;
        int alignment;
        QString text;
        int terminal;
    };

    // The depth of the windings.
    double windingDepth() const;
    // "(jumpers)" and the type's name, on two lines.
    QString typeText() const;
    // Every text the picture shows, as draw() lays them out.
    QList<Text> texts() const;
    // Whether terminal i's pin carries its catalogue name.
    bool terminalNamed(int i);
    void drawWindings(QPainter *painter, const QPen &pen, bool selected);

    bool m_complete = false;
    double m_textTop = -80;
    double m_textHeight = 200;
    QString m_jumpers;
    QList<TransTerminal> m_terminals;
    // What the picture covers beyond the text block, in item coordinates.
    QRectF m_extent;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsTrans(GraphicsScene *scene);

#endif
