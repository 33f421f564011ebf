#include "schemes/dlgpropcopperplate.h"

#include "graphics/rhboxlayout.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "schemes/graphicscopperplate.h"

#include <QLabel>
#include <QSpinBox>

DlgPropCopperPlate::DlgPropCopperPlate(GraphicsScene *scene)
    : DlgPropGraphicsPins(scene)
{
    auto *main = new RVBoxLayout(this, 5, 5);

    auto *widthRow = new RHBoxLayout();
    widthRow->addWidget(new QLabel(tr("Graphics width:"), this));
    m_width = new QSpinBox(this);
    m_width->setMinimum(1);
    widthRow->addWidget(m_width);
    main->addLayout(widthRow);

    auto *heightRow = new RHBoxLayout();
    heightRow->addWidget(new QLabel(tr("Graphics height:"), this));
    m_height = new QSpinBox(this);
    m_height->setMinimum(2);
    heightRow->addWidget(m_height);
    main->addLayout(heightRow);

    main->addSpacing(20);
    main->addStretch();
    addButtons(main);
}

void DlgPropCopperPlate::loadFromItem(GraphicsItem *item)
{
    auto *plate = dynamic_cast<GraphicsCopperPlate *>(item);
    if (!CHECK_PTR(plate))
        return;
    m_width->setValue(plate->graphicsWidth());
    m_height->setValue(plate->graphicsHeight());
}

void DlgPropCopperPlate::saveToItem(GraphicsItem *item)
{
    auto *plate = dynamic_cast<GraphicsCopperPlate *>(item);
    if (!CHECK_PTR(plate))
        return;
    plate->setGraphicsWidth(m_width->value());
    plate->setGraphicsHeight(m_height->value());
    DlgPropGraphicsPins::saveToItem(item);
}

DlgPropGraphicsItem *createDlgPropCopperPlate(GraphicsScene *scene)
{
    return new DlgPropCopperPlate(scene);
}
