#include "devices/dlgpropautoswitch.h"

#include "devices/autoswitch.h"
#include "devices/autoswitchcatalogue.h"
#include "devices/graphicsautoswitch.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/check.h"

#include <QGridLayout>
#include <QLabel>
#include <QTreeWidget>

DlgPropAutoSwitch::DlgPropAutoSwitch(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, AutoSwitchKind, true)
{
    const ObjFrame frame = {tr("Find autoswitch:"), 240, 200, {tr("Name"), tr("Type"), tr("Scheme")}, {80, 80, 50},
                            tr("Name:"), 50, true};
    createObjFrame(frame, [this](QGridLayout *grid) {
        grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
        m_typeCombo = new RComboBox(this, 0);
        for (int i = 0; i < AutoSwitchTypeCount; ++i)
            m_typeCombo->addItem(autoSwitchModelName(i), i);
        grid->addWidget(m_typeCombo, 1, 1);
    });
    m_typeCombo->setCurrentIndex(0);
}

DlgPropAutoSwitch::~DlgPropAutoSwitch() = default;

void DlgPropAutoSwitch::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *device = dynamic_cast<AutoSwitch *>(obj);
    if (!CHECK_PTR(device) || !CHECK_PTR(row))
        return;
    row->setText(0, device->name());
    row->setText(1, device->modelName());
    if (!CHECK(!device->items().isEmpty()))
        return;
    row->setText(2, device->sceneName());
}

void DlgPropAutoSwitch::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsAutoSwitch *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    AutoSwitch *device = item->autoSwitch();
    if (!device) {
        // Its autoswitch was deleted from a dialog: Ok gives it a new one.
        m_edName->setText(item->name());
        return;
    }
    const int entry = m_typeCombo->findData(device->modelIndex());
    if (!CHECK(entry >= 0))
        return;
    m_typeCombo->setCurrentIndex(entry);
    m_edName->setText(device->name());
    findInTree(m_objTable, device->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
}

void DlgPropAutoSwitch::saveToItem(GraphicsItem *graphics)
{
    saveObjItem(graphics, false);
}

void DlgPropAutoSwitch::saveObj(Obj *obj)
{
    auto *device = dynamic_cast<AutoSwitch *>(obj);
    if (!CHECK_PTR(device))
        return;
    device->setModelIndex(m_typeCombo->comboCurrentData());
}

DlgPropGraphicsItem *createDlgPropAutoSwitch(GraphicsScene *scene)
{
    return new DlgPropAutoSwitch(scene);
}
