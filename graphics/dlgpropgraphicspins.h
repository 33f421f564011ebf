#ifndef RLAY_DLGPROPGRAPHICSPINS_H
#define RLAY_DLGPROPGRAPHICSPINS_H

// Base of the property dialogs of pinned items. After the kind has written
// its fields, the item's free pins (and those of its pinned children) are
// joined to what lies under them, and the short dangling nets that editing
// left behind are removed from the sheet.

#include "graphics/dlgpropgraphicsitem.h"

#include <QGraphicsItem>

class GraphicsPins;

class DlgPropGraphicsPins : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    // Nets are the schematic kind of type id UserType + 102.
    enum { NetType = QGraphicsItem::UserType + 102 };
    // A net shorter than this, with a free end and not selected, goes.
    static constexpr double ShortNetLength = 40;

    explicit DlgPropGraphicsPins(GraphicsScene *scene);

    // Joins the item's free pins, then removes the short dangling nets.
    void saveToItem(GraphicsItem *item) override;

    // GraphicsNet::length: the longer of the horizontal and vertical
    // distances between the net's two end pins, in sheet units. Measured
    // here from the net's pins 0 and 1; the net kind may install its own.
    using NetLengthFunction = double (*)(GraphicsPins *net);
    static double netLength(GraphicsPins *net);
    // Null restores the measure from the end pins.
    static void setNetLengthFunction(NetLengthFunction function);
    // Removes every net of the sheet that is shorter than ShortNetLength,
    // has a free pin and is not selected.
    static void removeShortFreeNets(GraphicsScene *scene);
};

#endif
