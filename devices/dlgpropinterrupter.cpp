#include "devices/dlgpropinterrupter.h"

#include "devices/graphicsinterrupter.h"
#include "devices/interrupter.h"
#include "devices/interruptercatalogue.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/check.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QTreeWidget>

namespace {

enum InterrupterColumn { InterrupterNameColumn, InterrupterTypeColumn, InterrupterNominalColumn, InterrupterSchemeColumn };

} // namespace

DlgPropInterrupter::DlgPropInterrupter(GraphicsScene *scene)
    : DlgPropGraphicsObjItem(scene, InterrupterKind, true)
{
    const ObjFrame frame = {tr("Find interrupter:"), 280, 200, {tr("Name"), tr("Type"), tr("Nom."), tr("Scheme")},
                            {80, 80, 50, 50}, tr("Name:"), 0, true};
    createObjFrame(frame, [this](QGridLayout *grid) {
        grid->addWidget(new QLabel(tr("Type:"), this), 1, 0);
        m_typeCombo = new RComboBox(this, 0);
        for (int type = 0; type < InterrupterTypeCount; ++type)
            m_typeCombo->insertComboItemSorted(interrupterTypeName(type), type);
        grid->addWidget(m_typeCombo, 1, 1);
        grid->addWidget(new QLabel(tr("Nominal:"), this), 2, 0);
        m_nominalCombo = new RComboBox(this, 0);
        grid->addWidget(m_nominalCombo, 2, 1);
    });
    m_typeCombo->setCurrentIndex(0);
    changeInterrupterType(0);
    connect(m_typeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DlgPropInterrupter::changeInterrupterType);
}

DlgPropInterrupter::~DlgPropInterrupter() = default;

void DlgPropInterrupter::changeInterrupterType(int index)
{
    m_nominalCombo->clear();
    if (index < 0)
        return;
    const int type = m_typeCombo->itemData(index).toInt();
    if (!CHECK(isInterrupterType(type)))
        return;
    const InterrupterType &row = interrupterTypes[type];
    for (int i = 0; i < row.count; ++i)
        m_nominalCombo->addItem(QCoreApplication::translate("Interrupter", row.nominals[i]), i);
    if (m_nominalCombo->count() > 0)
        m_nominalCombo->setCurrentIndex(0);
}

void DlgPropInterrupter::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *interrupter = dynamic_cast<Interrupter *>(obj);
    if (!CHECK_PTR(interrupter) || !CHECK_PTR(row))
        return;
    row->setText(InterrupterNameColumn, interrupter->name());
    row->setText(InterrupterTypeColumn, interrupter->modelName());
    row->setText(InterrupterNominalColumn, interrupter->nominalText());
    if (!CHECK(!interrupter->items().isEmpty()))
        return;
    row->setText(InterrupterSchemeColumn, interrupter->sceneName());
}

void DlgPropInterrupter::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsInterrupter *>(graphics);
    // The edited item: what it shows is its own, not another's.
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    if (Interrupter *interrupter = item->interrupter(); CHECK_PTR(interrupter)) {
        const int typeEntry = m_typeCombo->findData(interrupter->modelIndex());
        if (CHECK(typeEntry >= 0)) {
            m_typeCombo->setCurrentIndex(typeEntry);
            const int nominalEntry = m_nominalCombo->findData(interrupter->nominalIndex());
            if (CHECK(nominalEntry >= 0))
                m_nominalCombo->setCurrentIndex(nominalEntry);
        }
    }
    edName()->setText(item->name());
    findInTree(m_objTable, item->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, InterrupterNameColumn);
}

void DlgPropInterrupter::saveToItem(GraphicsItem *graphics)
{
    saveObjItem(graphics, true);
}

void DlgPropInterrupter::saveObj(Obj *obj)
{
    auto *interrupter = dynamic_cast<Interrupter *>(obj);
    if (!CHECK_PTR(interrupter))
        return;
    interrupter->setModelIndex(m_typeCombo->comboCurrentData());
    interrupter->setNominalIndex(m_nominalCombo->comboCurrentData());
}

DlgPropGraphicsItem *createDlgPropInterrupter(GraphicsScene *scene)
{
    return new DlgPropInterrupter(scene);
}
