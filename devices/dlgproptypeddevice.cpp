#include "devices/dlgproptypeddevice.h"

#include "devices/graphicstypeddevice.h"
#include "devices/typeddevice.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/check.h"

#include <QGridLayout>
#include <QLabel>
#include <QTreeWidget>

DlgPropTypedDevice::DlgPropTypedDevice(GraphicsScene *scene, int kind, const QString &findLabel, int typeCount,
                                       QString (*typeName)(int))
    : DlgPropGraphicsObjItem(scene, kind, true)
{
    const ObjFrame frame = {findLabel, 240, 200, {tr("Name"), tr("Type"), tr("Scheme")}, {80, 80, 50},
                            tr("Name:"), 50, true};
    createObjFrame(frame, [this](QGridLayout *grid) {
        grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
        m_typeCombo = new RComboBox(this, 0);
        grid->addWidget(m_typeCombo, 1, 1);
    });
    for (int row = 0; row < typeCount; ++row)
        m_typeCombo->insertComboItemSorted(typeName(row), row);
    if (m_typeCombo->count() > 0)
        m_typeCombo->setCurrentIndex(0);
}

DlgPropTypedDevice::~DlgPropTypedDevice() = default;

void DlgPropTypedDevice::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *device = dynamic_cast<TypedDevice *>(obj);
    if (!CHECK_PTR(device) || !CHECK_PTR(row))
        return;
    row->setText(0, device->name());
    row->setText(1, device->modelName());
    row->setText(2, device->sceneName());
}

void DlgPropTypedDevice::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsTypedDevice *>(graphics);
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    m_edName->setText(item->name());
    TypedDevice *device = item->typedDevice();
    // An item whose device is gone gets a new one on Ok.
    if (!device)
        return;
    findInTree(m_objTable, device->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
    const int entry = m_typeCombo->findData(device->modelIndex());
    if (entry < 0) {
        // No type, or one this catalogue does not know: shown as none and
        // kept, unless the user chooses one.
        m_typeCombo->setCurrentIndex(-1);
        showError(tr("The stored type of %1 is not in the catalogue. It is kept unless you choose another type.")
                      .arg(device->name()));
        return;
    }
    m_typeCombo->setCurrentIndex(entry);
}

void DlgPropTypedDevice::saveToItem(GraphicsItem *graphics)
{
    saveObjItem(graphics, false);
}

void DlgPropTypedDevice::saveObj(Obj *obj)
{
    auto *device = dynamic_cast<TypedDevice *>(obj);
    if (!CHECK_PTR(device))
        return;
    if (m_typeCombo->currentIndex() >= 0)
        device->setModelIndex(m_typeCombo->comboCurrentData());
}
