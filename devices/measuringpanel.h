#ifndef RLAY_MEASURINGPANEL_H
#define RLAY_MEASURINGPANEL_H

// A board of eighteen numbered measuring terminals. Each terminal a circuit
// uses is its own scheme item, bound to the panel by the panel's name; the
// panel takes at most one item per terminal number. On the frame's wiring
// page the panel is drawn once, as the grid of its eighteen terminals. It
// has no catalogue.

#include "model/device.h"

class GraphicsMeasuringPanel;

class MeasuringPanel : public Device
{
public:
    enum { TerminalCount = 18 };

    explicit MeasuringPanel(Project *project);
    ~MeasuringPanel() override;

    // A terminal item only with a number 1..18 that no item of the panel
    // carries yet; items of other classes are the base's.
    bool canAppend(ObjItem *item) override;
    // The grid of the eighteen terminals.
    GraphicsWiringItemDevice *createWiringItem(GraphicsScene *scene, GraphicsItem *parent = nullptr) override;
    // The equipment model "IP".
    int placeType() const override;
    // A narrow box in the middle of the place, with the name as help.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    int pinCount() const override;
    // No catalogue: no type but -1.
    bool hasModel(int index) const override;

    // The item of the terminal number; null when none carries it. A number
    // outside 1..18 is a failed check.
    GraphicsMeasuringPanel *itemByNumber(int number) const;
    // The same without the check, for painters.
    GraphicsMeasuringPanel *terminal(int number) const;
};

#endif
