#ifndef RLAY_DLGPROPSLANTINGNET_H
#define RLAY_DLGPROPSLANTINGNET_H

// The property dialog of a slanting net: its two shapes as picture buttons,
// wide (id 0) and narrow (id 1).

#include "graphics/dlgpropgraphicspins.h"

class QButtonGroup;
class PushButtonSlantingNet;

class DlgPropSlantingNet : public DlgPropGraphicsPins
{
    Q_OBJECT

public:
    explicit DlgPropSlantingNet(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    // The shape, then the pins are joined again where they now lie.
    void saveToItem(GraphicsItem *item) override;

    QButtonGroup *shapes() const { return m_shapes; }

private:
    QButtonGroup *m_shapes;
};

DlgPropGraphicsItem *createDlgPropSlantingNet(GraphicsScene *scene);

#endif
