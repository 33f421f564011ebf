#ifndef RLAY_DLGPROPFILLPRIMITIVE_H
#define RLAY_DLGPROPFILLPRIMITIVE_H

// The property dialog of a closed two-point primitive: the border rows and
// the fill colour and pattern.

#include "graphics/dlgpropprimitive.h"

class RBrushStyleComboBox;

class DlgPropFillPrimitive : public DlgPropPrimitive
{
    Q_OBJECT

public:
    explicit DlgPropFillPrimitive(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;

    RColorPushButton *fillColorButton() const { return m_fillColor; }
    RBrushStyleComboBox *brushStyleCombo() const { return m_brushStyle; }

private:
    RColorPushButton *m_fillColor = nullptr;
    RBrushStyleComboBox *m_brushStyle = nullptr;
};

#endif
