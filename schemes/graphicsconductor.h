#ifndef RLAY_GRAPHICSCONDUCTOR_H
#define RLAY_GRAPHICSCONDUCTOR_H

// The scene item of a conductor: a short labelled stub at the end of a net,
// its pin at the origin and its name above the line. The main graphic shows
// the conductor's count (and polarity) below its line; a duplicate is an
// "additional conductor", the "place solder with bottom" (marked "*") or the
// "place readdress in place solder with bottom" (marked with the readdress
// letter). A conductor item ends the clew. The main graphic of a conductor
// fed directly by a source carries the collecting walk over to the clamp
// paired with the bottom-panel clamp that its solder-with-bottom duplicate
// is wired to.

#include "graphics/graphicstag.h"

class Conductor;

class GraphicsConductor : public GraphicsTag
{
public:
    enum { Type = QGraphicsItem::UserType + 204 };

    // The clamp paired with a clamp item, or null. The clamp kind installs
    // it; until then no pair is found.
    using PairedClampLookup = GraphicsPins *(*)(GraphicsPins *clamp);
    static void setPairedClampLookup(PairedClampLookup lookup);

    explicit GraphicsConductor(GraphicsScene *scene);

    int type() const override { return Type; }
    int objType() const override { return ConductorKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Plain pins.
    void createPins(int count) override;

    // duplicate and, only with it, solderWithBottom and readdress (the
    // last from format 6 on); then the bound-item record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    // The walk over to the paired bottom clamp (main graphic only).
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    // A conductor keeps no wire links: nothing passes.
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;

    // The label width from the own name.
    void updateFromObj() override;
    // A renamed conductor renames its items: their labels follow.
    void setOwnName(const QString &name) override;

    Conductor *conductor() const;

    bool duplicate() const { return m_duplicate; }
    void setDuplicate(bool on) { m_duplicate = on; }
    bool solderWithBottom() const { return m_solderWithBottom; }
    void setSolderWithBottom(bool on) { m_solderWithBottom = on; }
    bool readdress() const { return m_readdress; }
    void setReaddress(bool on) { m_readdress = on; }
    // A duplicate marked "*" or with the readdress letter.
    bool isMarkedDuplicate() const { return m_duplicate && (m_solderWithBottom || m_readdress); }

    // The label width for a name of that width: 80 below 80, else the
    // integer part rounded up to a multiple of 40.
    static double roundedLabelWidth(double textWidth);

    // Whether the net beyond the pin is a protection branch: one varistor
    // or discharger fed through a slanting net entered at one of its
    // inputs. The slanting net's other input goes to found when given.
    static bool findProtectionBranch(Pin *pin, Pin **found);

private:
    // A solder-with-bottom duplicate whose conductor has a readdress
    // duplicate or a main graphic on a protection branch: its line and
    // name are help.
    bool isFadedSolder() const;

    bool m_duplicate = false;
    bool m_solderWithBottom = true;
    bool m_readdress = false;
};

GraphicsItem *createGraphicsConductor(GraphicsScene *scene);

#endif
