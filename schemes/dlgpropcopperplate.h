#ifndef RLAY_DLGPROPCOPPERPLATE_H
#define RLAY_DLGPROPCOPPERPLATE_H

// The property dialog of a copper plate: its width and height in steps of
// the grid.

#include "graphics/dlgpropgraphicspins.h"

class QSpinBox;

class DlgPropCopperPlate : public DlgPropGraphicsPins
{
    Q_OBJECT

public:
    explicit DlgPropCopperPlate(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    // The sizes, then the pins are joined again where they now lie.
    void saveToItem(GraphicsItem *item) override;

    QSpinBox *widthBox() const { return m_width; }
    QSpinBox *heightBox() const { return m_height; }

private:
    QSpinBox *m_width;
    QSpinBox *m_height;
};

DlgPropGraphicsItem *createDlgPropCopperPlate(GraphicsScene *scene);

#endif
