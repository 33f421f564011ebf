#include "graphics/dlgpropprimitive.h"

#include "graphics/graphicsprimitive.h"
#include "graphics/rcolorpushbutton.h"
#include "graphics/rgridlayout.h"
#include "graphics/rpenstylecombobox.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"

#include <QDoubleSpinBox>
#include <QLabel>

DlgPropPrimitive::DlgPropPrimitive(GraphicsScene *scene)
    : DlgPropGraphicsItem(scene)
{
    auto *main = new RVBoxLayout(this, 5, 5);
    m_grid = new RGridLayout();

    m_grid->addWidget(new QLabel(tr("Type:"), this), 0, 0);
    m_penStyle = new RPenStyleComboBox(this);
    m_grid->addWidget(m_penStyle, 0, 1);

    m_grid->addWidget(new QLabel(tr("Width:"), this), 1, 0);
    m_width = new QDoubleSpinBox(this);
    m_width->setMinimum(1);
    m_width->setMaximum(99);
    m_width->setValue(3.5);
    m_grid->addWidget(m_width, 1, 1);

    m_grid->addWidget(new QLabel(tr("Border color:"), this), 2, 0);
    m_borderColor = new RColorPushButton(this);
    m_borderColor->setColor(Qt::black);
    m_grid->addWidget(m_borderColor, 2, 1);

    main->addLayout(m_grid);
    addButtons(main);
}

void DlgPropPrimitive::loadFromItem(GraphicsItem *item)
{
    auto *primitive = dynamic_cast<GraphicsBorderPrimitive *>(item);
    if (!CHECK_PTR(primitive))
        return;
    m_borderColor->setColor(primitive->borderColor());
    m_penStyle->setCurrentPenStyle(primitive->penStyle());
    m_width->setValue(primitive->width());
}

void DlgPropPrimitive::saveToItem(GraphicsItem *item)
{
    auto *primitive = dynamic_cast<GraphicsBorderPrimitive *>(item);
    if (!CHECK_PTR(primitive))
        return;
    primitive->setBorderColor(m_borderColor->color());
    primitive->setPenStyle(m_penStyle->currentPenStyle());
    primitive->setWidth(m_width->value());
}
