#ifndef RLAY_GRAPHICSMEASURINGPANEL_H
#define RLAY_GRAPHICSMEASURINGPANEL_H

// One terminal of a measuring panel on a scheme: a fork on one pin, the
// panel's name with the terminal number, and as help the name of the
// source it measures. The item binds by name to its panel, which takes one
// item per terminal number; a net walk never ends at a terminal.

#include "graphics/graphicsdevice.h"

class MeasuringPanel;

class GraphicsMeasuringPanel : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 414 };

    explicit GraphicsMeasuringPanel(GraphicsScene *scene);
    ~GraphicsMeasuringPanel() override;

    int type() const override { return Type; }
    int objType() const override { return MeasuringPanelKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Record: the terminal number and the source name, then the bound-item
    // record. A number outside 0..18 is damaged data.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // Only checks that the pin is the item's own: a walk collects nothing.
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    // The pin is named by the terminal number; unnamed outside 1..18.
    void updatePinNames() override;
    // The label's width, and the room of the label and the source name.
    void updateFromObj() override;

    // The bound panel, null while unbound.
    MeasuringPanel *panel() const;
    // 1..18 for a terminal; 0 until the dialog sets it.
    int number() const { return m_number; }
    // Takes effect for the binding when the item is named again.
    void setNumber(int number);
    const QString &sourceName() const { return m_sourceName; }
    void setSourceName(const QString &name);
    // The panel's name and the terminal number.
    QString labelText();

private:
    // Where the source name is anchored.
    QPointF sourceAnchor() const;

    qint32 m_number = 0;
    QString m_sourceName;
    QRectF m_textRoom;
};

// The item factory of the scheme item registry.
GraphicsItem *createGraphicsMeasuringPanel(GraphicsScene *scene);

#endif
