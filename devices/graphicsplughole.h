#ifndef RLAY_GRAPHICSPLUGHOLE_H
#define RLAY_GRAPHICSPLUGHOLE_H

// The scene item of a plughole: two forked contacts, pointing outwards
// from the pins or, with the pins outside the picture, inwards towards
// each other. The distance between the pins is the user's choice.

#include "devices/graphicstwopin.h"

class GraphicsPlughole : public GraphicsTwoPin
{
public:
    enum { Type = QGraphicsItem::UserType + 405 };

    explicit GraphicsPlughole(GraphicsScene *scene);
    ~GraphicsPlughole() override;

    int type() const override { return Type; }
    int objType() const override { return PlugholeKind; }
    QRectF boundingRect() const override;
    // The layout flag and the spacing, then the bound-item record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    bool pinsOutside() const { return m_pinsOutside; }
    void setPinsOutside(bool outside);
    // In tens of scene units; 0 until first chosen.
    int pinSpacing() const { return m_pinSpacing; }
    // Stores a changed spacing and moves the second pin to it.
    void setPinSpacing(int spacing);

protected:
    void drawPicture(QPainter *painter, const QStyleOptionGraphicsItem *option, const QPen &pen,
                     bool hideHelp) override;
    double columnTop() const override { return -80; }
    double columnHeight() const override { return 160; }
    QStringList measuredTexts() const override;
    // Only the part of the texts that sticks out beyond the contacts.
    double widthFor(double widest) const override;

private:
    // The distance of the pins: the second pin's x.
    double spacing() const;
    // The rect of the address and name rows at the top.
    QRectF textRow(double top) const;

    bool m_pinsOutside = false;
    qint32 m_pinSpacing = 0;
};

GraphicsItem *createGraphicsPlughole(GraphicsScene *scene);

#endif
