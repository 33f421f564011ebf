#include "graphics/dlgpropfillprimitive.h"

#include "graphics/graphicsprimitive.h"
#include "graphics/rbrushstylecombobox.h"
#include "graphics/rcolorpushbutton.h"
#include "graphics/rgridlayout.h"
#include "model/check.h"

#include <QLabel>

DlgPropFillPrimitive::DlgPropFillPrimitive(GraphicsScene *scene)
    : DlgPropPrimitive(scene)
{
    if (!CHECK_PTR(m_grid))
        return;
    const int row = m_grid->rowCount();
    m_grid->addWidget(new QLabel(tr("Fill color:"), this), row, 0);
    m_fillColor = new RColorPushButton(this);
    m_fillColor->setColor(Qt::white);
    m_grid->addWidget(m_fillColor, row, 1);

    m_grid->addWidget(new QLabel(tr("Fill style:"), this), row + 1, 0);
    m_brushStyle = new RBrushStyleComboBox(this);
    m_brushStyle->setCurrentBrushStyle(Qt::SolidPattern);
    m_grid->addWidget(m_brushStyle, row + 1, 1);
}

void DlgPropFillPrimitive::loadFromItem(GraphicsItem *item)
{
    DlgPropPrimitive::loadFromItem(item);
    auto *primitive = dynamic_cast<GraphicsFillPrimitive *>(item);
    if (!primitive || !m_fillColor)
        return;
    m_fillColor->setColor(primitive->fillColor());
    m_brushStyle->setCurrentBrushStyle(primitive->brushStyle());
}

void DlgPropFillPrimitive::saveToItem(GraphicsItem *item)
{
    DlgPropPrimitive::saveToItem(item);
    auto *primitive = dynamic_cast<GraphicsFillPrimitive *>(item);
    if (!primitive || !m_fillColor)
        return;
    primitive->setFillColor(m_fillColor->color());
    primitive->setBrushStyle(m_brushStyle->currentBrushStyle());
}
