#include "devices/dlgpropswitchgroup.h"

#include "devices/graphicsswitchgroup.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rvboxlayout.h"

#include <QCheckBox>

DlgPropSwitchGroup::DlgPropSwitchGroup(GraphicsScene *scene, int kind, const GroupCatalogue &catalogue,
                                       const Texts &texts, const QString &underCurrentLabel)
    : DlgPropGroupedDevice(scene, kind, catalogue, texts, false)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    // The device: its name, its type and the object buttons.
    QGridLayout *grid = createNameGrid(1);
    auto *objButtons = new RGridLayout();
    createObjButtons(objButtons, this, 0);
    grid->addLayout(objButtons, 0, 2, 2, 1);
    layout->addLayout(grid);

    // The devices of the project and the groups of the chosen one.
    addDeviceTable(layout, 250);
    addGroupsTable(layout, 90, {40, 80, 50, 50});
    createHLine(layout);

    // The item: its group, its device's name, its form, under current or
    // not.
    auto *nameRow = new RHBoxLayout();
    addNumber(nameRow);
    nameRow->addSpacing(10);
    addChoice(nameRow);
    layout->addLayout(nameRow);
    auto *kindRow = new RHBoxLayout();
    addKindList(kindRow);
    kindRow->addSpacing(10);
    m_chkUnderCurrent = new QCheckBox(underCurrentLabel, this);
    m_chkUnderCurrent->setChecked(true);
    kindRow->addWidget(m_chkUnderCurrent);
    kindRow->addStretch();
    layout->addLayout(kindRow);

    finishLayout(layout);
}

DlgPropSwitchGroup::~DlgPropSwitchGroup() = default;

void DlgPropSwitchGroup::loadFromItem(GraphicsItem *graphics)
{
    if (auto *item = dynamic_cast<GraphicsSwitchGroup *>(graphics))
        m_chkUnderCurrent->setChecked(item->underCurrent());
    DlgPropGroupedDevice::loadFromItem(graphics);
}

void DlgPropSwitchGroup::saveToItem(GraphicsItem *graphics)
{
    if (auto *item = dynamic_cast<GraphicsSwitchGroup *>(graphics))
        item->setUnderCurrent(m_chkUnderCurrent->isChecked());
    DlgPropGroupedDevice::saveToItem(graphics);
}
