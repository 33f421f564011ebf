#ifndef RLAY_GRAPHICSPASSAGE_H
#define RLAY_GRAPHICSPASSAGE_H

// A passage: a node of a scheme's wiring that leads its net out to clamps
// of clamp panels. It is drawn as a dot with its number (its place in the
// scheme's passage list); its clamps stand in the scheme's passage table at
// the right edge of the sheet. Walks through the passage go on into every
// one of its clamps. The passage keeps its clamps in order but does not own
// them: each clamp stores its passage, and the passage stores only its own
// identity.

#include "model/identified.h"
#include "schemes/graphicsnode.h"
#include "schemes/schemepassage.h"

#include <QList>

class GraphicsClamp;
class Scheme;

class GraphicsPassage : public GraphicsNode, public SchemePassage, public Identified
{
public:
    enum { Type = QGraphicsItem::UserType + 104 };

    explicit GraphicsPassage(GraphicsScene *scene);
    // Lets go of the clamps still listed.
    ~GraphicsPassage() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    // A click takes the passage on its number as on its dot: its outline,
    // not the node's dot alone.
    QPainterPath shape() const override { return GraphicsItem::shape(); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The passage's identity, which its clamps refer to; the one read stays
    // the passage's own.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // As a node, then on into each clamp at its pin 0.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;

    const QList<GraphicsClamp *> &clamps() const { return m_clamps; }
    // The clamp joins the end of the list and moves with the table.
    void addClamp(GraphicsClamp *clamp);
    // The clamp leaves the list and the passage.
    void removeClamp(GraphicsClamp *clamp);
    // A clamp that is being destroyed leaves the list.
    void forgetClamp(GraphicsClamp *clamp);
    // A clamp's label changed: the table is laid out anew.
    void clampChanged();
    Scheme *scheme() const;

    // The clamp belongs to the bottom panel: its bottom item places it.
    static bool isBottomPanelClamp(const GraphicsClamp *clamp);

    // SchemePassage.
    int clampCount() const override { return int(m_clamps.size()); }
    GraphicsItem *clampItem(int index) const override;
    bool isBottomClamp(int index) const override;
    QString clampLabel(int index) const override;
    void releaseClamps() override;

private:
    QList<GraphicsClamp *> m_clamps;
};

GraphicsItem *createGraphicsPassage(GraphicsScene *scene);

#endif
