#ifndef RLAY_GRAPHICSCOPPERPLATE_H
#define RLAY_GRAPHICSCOPPERPLATE_H

// A copper plate: a plate symbol of a given size with two leads. For the
// clew it is an end, like a device pin: a walk collects the pin it entered
// by and goes no further.

#include "schemes/net.h"

#include <QCoreApplication>

class GraphicsCopperPlate : public GraphicsUnite
{
    Q_DECLARE_TR_FUNCTIONS(GraphicsCopperPlate)

public:
    enum { Type = QGraphicsItem::UserType + 113 };
    // The sizes a record may hold, in steps of 40.
    enum { MaxSize = 9999 };

    explicit GraphicsCopperPlate(GraphicsScene *scene);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Width, then height. A size below 1 or above MaxSize marks the record
    // damaged.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;

    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;
    bool isConnected(Pin *target, Pin *entry) override;

    int graphicsWidth() const { return m_graphicsWidth; }
    int graphicsHeight() const { return m_graphicsHeight; }
    void setGraphicsWidth(int width);
    // Moves pin 1 to the new distance below pin 0.
    void setGraphicsHeight(int height);

    // The label of what leads to a copper plate on the wiring documents.
    static QString plateText(bool shortForm, bool ua);

private:
    int m_graphicsWidth = 1;
    int m_graphicsHeight = 2;
};

GraphicsItem *createCopperPlate(GraphicsScene *scene);

#endif
