#include "devices/dlgpropkeystaff.h"

#include "devices/graphicskeystaff.h"
#include "devices/keystaffcatalogue.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rvboxlayout.h"

#include <QGridLayout>
#include <QSpinBox>

DlgPropKeystaff::DlgPropKeystaff(GraphicsScene *scene)
    : DlgPropGroupedDevice(scene, KeystaffKind, keystaffCatalogue,
                           {tr("Find keystaff:"), tr("Keystaff name:"), tr("keystaff"), tr("Keystaff is busy!"),
                            tr("Choise button and button type not compatibility! ")},
                           true)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    QGridLayout *grid = createNameGrid(2);
    createObjButtons(grid, this, 2);
    layout->addLayout(grid);

    addDeviceTable(layout, 220);
    addGroupsTable(layout, 120, {40, 60, 60, 50});

    createHLine(layout);
    auto *nameRow = new RHBoxLayout();
    addChoice(nameRow);
    layout->addLayout(nameRow);

    auto *groupRow = new RHBoxLayout();
    addNumber(groupRow);
    groupRow->addSpacing(40);
    addKindList(groupRow);
    groupRow->addStretch();
    layout->addLayout(groupRow);

    finishLayout(layout);
}

DlgPropKeystaff::~DlgPropKeystaff() = default;

void DlgPropKeystaff::loadFromItem(GraphicsItem *graphics)
{
    const int number = spinNumber()->value();
    DlgPropGroupedDevice::loadFromItem(graphics);
    auto *item = dynamic_cast<GraphicsKeystaff *>(graphics);
    if (item && item->number() == GraphicsKeystaff::NoGroup)
        spinNumber()->setValue(number);
}

DlgPropGraphicsItem *createDlgPropKeystaff(GraphicsScene *scene)
{
    return new DlgPropKeystaff(scene);
}
