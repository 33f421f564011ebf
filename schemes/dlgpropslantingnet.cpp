#include "schemes/dlgpropslantingnet.h"

#include "graphics/rhboxlayout.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "schemes/graphicsslantingnet.h"
#include "schemes/pushbuttonslantingnet.h"

#include <QButtonGroup>

DlgPropSlantingNet::DlgPropSlantingNet(GraphicsScene *scene)
    : DlgPropGraphicsPins(scene)
{
    auto *main = new RVBoxLayout(this, 5, 5);
    auto *row = new RHBoxLayout();
    m_shapes = new QButtonGroup(this);
    m_shapes->setExclusive(true);
    for (int id = 0; id < 2; ++id) {
        auto *button = new PushButtonSlantingNet(id == 0, this);
        button->setCheckable(true);
        m_shapes->addButton(button, id);
        row->addWidget(button);
    }
    m_shapes->button(0)->setChecked(true);
    main->addLayout(row);
    main->addSpacing(20);
    main->addStretch();
    addButtons(main);
    setFixedSize(170, 120);
}

void DlgPropSlantingNet::loadFromItem(GraphicsItem *item)
{
    auto *slanting = dynamic_cast<GraphicsSlantingNet *>(item);
    if (!CHECK_PTR(slanting))
        return;
    m_shapes->button(slanting->isWide() ? 0 : 1)->setChecked(true);
}

void DlgPropSlantingNet::saveToItem(GraphicsItem *item)
{
    auto *slanting = dynamic_cast<GraphicsSlantingNet *>(item);
    if (!CHECK_PTR(slanting))
        return;
    slanting->setWide(m_shapes->checkedId() == 0);
    DlgPropGraphicsPins::saveToItem(item);
}

DlgPropGraphicsItem *createDlgPropSlantingNet(GraphicsScene *scene)
{
    return new DlgPropSlantingNet(scene);
}
