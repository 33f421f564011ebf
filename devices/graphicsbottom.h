#ifndef RLAY_GRAPHICSBOTTOM_H
#define RLAY_GRAPHICSBOTTOM_H

// The bottom clamp panel of a cross frame as one picture on a scheme: a
// two-column table with the panel's name and strip type, and one clamp item
// per clamp of the strip as its child, the odd positions of the strip on
// the left and the even ones on the right. Unlike free clamps, the bottom
// makes and owns its panel: placing a bottom makes the panel, deleting the
// bottom deletes it. The bottom has no pins of its own.

#include "graphics/graphicspins.h"

class ClampPanel;
class GraphicsClamp;

class GraphicsBottom : public GraphicsPins
{
public:
    enum { Type = QGraphicsItem::UserType + 502 };

    explicit GraphicsBottom(GraphicsScene *scene);
    // Deletes its panel.
    ~GraphicsBottom() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The panel's identity, the number of clamps and each clamp's record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The item's geometry, then each clamp's with its pins.
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;
    // The record, the panel's name and its fields: a pasted bottom makes
    // a panel of its own, its address raised until the name is free.
    void saveClipboardData(DataStream &stream) override;
    void loadClipboardData(DataStream &stream) override;
    bool resolveLinks() override;
    // The clamps are checked as every clamp of the sheet is.
    void check(QTreeWidget *results, int code) override;
    void createPins(int count) override;
    // Walks do not pass through the bottom itself, only its clamps.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;

    ClampPanel *clampPanel() const { return m_panel; }
    // Links both ways; only a panel of the bottom model is taken. Null
    // clears the link.
    void setClampPanel(ClampPanel *panel);
    // The clamp items, in the order of the strip.
    QList<GraphicsClamp *> clamps() const;
    // Makes one clamp per clamp of the panel's strip, in strip order; a
    // bottom that has its clamps binds those that lost their panel.
    void createClamps();

private:
    ClampPanel *m_panel = nullptr;
    qint32 m_pendingPanel = 0;
};

GraphicsItem *createGraphicsBottom(GraphicsScene *scene);

#endif
