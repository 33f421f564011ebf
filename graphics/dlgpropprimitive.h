#ifndef RLAY_DLGPROPPRIMITIVE_H
#define RLAY_DLGPROPPRIMITIVE_H

// The property dialog of a two-point primitive's border: line style, width
// and colour. Its grid is kept so that the fill dialog can add rows.

#include "graphics/dlgpropgraphicsitem.h"

class QDoubleSpinBox;
class RColorPushButton;
class RGridLayout;
class RPenStyleComboBox;

class DlgPropPrimitive : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    explicit DlgPropPrimitive(GraphicsScene *scene);

    // Border colour, pen style and width from and into a border primitive.
    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;

    RPenStyleComboBox *penStyleCombo() const { return m_penStyle; }
    QDoubleSpinBox *widthSpin() const { return m_width; }
    RColorPushButton *borderColorButton() const { return m_borderColor; }

protected:
    RGridLayout *m_grid = nullptr;

private:
    RPenStyleComboBox *m_penStyle = nullptr;
    QDoubleSpinBox *m_width = nullptr;
    RColorPushButton *m_borderColor = nullptr;
};

#endif
