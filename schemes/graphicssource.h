#ifndef RLAY_GRAPHICSSOURCE_H
#define RLAY_GRAPHICSSOURCE_H

// The scene item of a source: its name over a line, with one pin at the
// line's start. It ends the clew: a walk collects its pin and goes no
// further, and the nets it touches are named after it. An item may carry
// additional parameters: it is either the place a supply is created in a
// frame ("C" and the frame) or numbered within a group ("N" and the group),
// and its frame number can be put in front of its name.

#include "graphics/graphicstag.h"

class DlgPropGraphicsItem;
class Source;

class GraphicsSource : public GraphicsTag
{
public:
    enum { Type = QGraphicsItem::UserType + 202 };

    explicit GraphicsSource(GraphicsScene *scene);

    int type() const override { return Type; }
    int objType() const override { return SourceKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Plain pins.
    void createPins(int count) override;

    // additional and, only with it, placeCreate, fromFrame, group and
    // addToName; then the bound-item record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    // The label width from the shown name.
    void updateFromObj() override;
    // A renamed source renames its items: their labels follow.
    void setOwnName(const QString &name) override;

    // A numbered item names its net with its numbered name, else the
    // source's name (the own name while unbound).
    QString netName() const override;
    // A numbered item ties its net to its frame.
    int tiedFrameNumber() const override;

    Source *source() const;
    // The own name with the frame number in front when addToName is set.
    QString numberedName() const;

    bool additional() const { return m_additional; }
    void setAdditional(bool on) { m_additional = on; }
    bool placeCreate() const { return m_placeCreate; }
    void setPlaceCreate(bool on) { m_placeCreate = on; }
    qint32 fromFrame() const { return m_fromFrame; }
    // Refreshes the label when the number changes.
    void setFromFrame(qint32 frame);
    quint8 group() const { return m_group; }
    void setGroup(quint8 group) { m_group = group; }
    bool addToName() const { return m_addToName; }
    void setAddToName(bool on) { m_addToName = on; }

    // The name font: 4 with big device names, else 3.
    static int nameFontIndex();

protected:
    double measureTextWidth() const override;

private:
    // The item is numbered: additional parameters, and not a place create.
    bool isNumbered() const { return m_additional && !m_placeCreate; }

    bool m_additional = false;
    bool m_placeCreate = false;
    qint32 m_fromFrame = 0;
    quint8 m_group = 0;
    bool m_addToName = false;
};

// The factories of the scheme item registry.
GraphicsItem *createGraphicsSource(GraphicsScene *scene);

#endif
