#include "devices/dlgproptwopin.h"

#include "devices/graphicstwopin.h"
#include "devices/twopindevice.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/check.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

// The largest number the dialog offers.
const int maxNumber = 3;

} // namespace

DlgPropTwoPin::DlgPropTwoPin(GraphicsScene *scene, int kind, const TwoPinCatalogue &catalogue,
                             const TwoPinDialogForm &form)
    : DlgPropGraphicsObjItem(scene, kind, true)
    , m_catalogue(catalogue)
    , m_form(form)
{
    QStringList columns = {label("Name")};
    QList<int> widths = {form.nameWidth};
    if (form.typeColumn) {
        columns << label(form.typeColumn);
        widths << 80;
    }
    if (form.extraColumn) {
        columns << label(form.extraColumn);
        widths << form.extraWidth;
    }
    columns << label("Scheme");
    widths << form.schemeWidth;
    const ObjFrame frame = {label(form.findLabel), form.tableWidth, form.tableHeight, columns, widths,
                            label(form.nameLabel), 0, form.sideBySide};
    m_grid = createObjFrame(frame, [this, &catalogue, &form](QGridLayout *grid) {
        if (form.typeColumn) {
            grid->addWidget(new QLabel(label(form.typeLabel), this), 1, 0);
            m_typeCombo = new RComboBox(this, 0);
            for (int row = 0; row < catalogue.typeCount; ++row)
                m_typeCombo->insertComboItemSorted(
                    QCoreApplication::translate(catalogue.context, catalogue.typeText(row)), row);
            grid->addWidget(m_typeCombo, 1, 1);
        }
        if (catalogue.hasNominals()) {
            grid->addWidget(new QLabel(label("Nominal:"), this), 2, 0);
            m_nominalCombo = new RComboBox(this, 0);
            grid->addWidget(m_nominalCombo, 2, 1);
        } else if (catalogue.numbered) {
            grid->addWidget(new QLabel(label("Number:"), this), 2, 0);
            m_numberSpin = new QSpinBox(this);
            m_numberSpin->setRange(0, maxNumber);
            grid->addWidget(m_numberSpin, 2, 1);
        }
    });
    if (m_typeCombo && m_typeCombo->count() > 0) {
        m_typeCombo->setCurrentIndex(0);
        changeType(0);
    }
    // The nominals follow the type.
    if (m_typeCombo && m_nominalCombo)
        connect(m_typeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropTwoPin::changeType);
}

DlgPropTwoPin::~DlgPropTwoPin() = default;

QString DlgPropTwoPin::label(const char *text) const
{
    return QCoreApplication::translate(m_form.context, text);
}

void DlgPropTwoPin::changeType(int index)
{
    if (!m_nominalCombo)
        return;
    m_nominalCombo->clear();
    if (index < 0)
        return;
    const int row = m_typeCombo->itemData(index).toInt();
    if (!CHECK(m_catalogue.isType(row)))
        return;
    for (int i = 0; i < m_catalogue.nominalCount(row); ++i)
        m_nominalCombo->insertComboItemSorted(
            QCoreApplication::translate(m_catalogue.context, m_catalogue.nominalText(row, i)), i);
    if (m_nominalCombo->count() > 0)
        m_nominalCombo->setCurrentIndex(0);
}

void DlgPropTwoPin::fillObjRow(Obj *obj, QTreeWidgetItem *row)
{
    auto *device = dynamic_cast<TwoPinDevice *>(obj);
    if (!CHECK_PTR(device) || !CHECK_PTR(row))
        return;
    int column = 0;
    row->setText(column++, device->name());
    if (m_typeCombo)
        row->setText(column++, device->modelName());
    if (m_nominalCombo)
        row->setText(column++, device->nominalName());
    else if (m_numberSpin)
        row->setText(column++, QString::number(device->number()));
    if (!CHECK(!device->items().isEmpty()))
        return;
    row->setText(column, device->sceneName());
}

void DlgPropTwoPin::loadFromItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsTwoPin *>(graphics);
    // The edited item: what it shows is its own, not another's.
    m_item = item;
    if (!CHECK_PTR(item))
        return;
    TwoPinDevice *device = item->twoPinDevice();
    if (CHECK_PTR(device) && m_typeCombo && device->modelIndex() != -1) {
        const int typeEntry = m_typeCombo->findData(device->modelIndex());
        if (typeEntry < 0) {
            showError(tr("The stored type %1 is not in the catalogue; it is kept unless another type is chosen.")
                          .arg(device->modelIndex()));
            m_typeCombo->setCurrentIndex(-1);
            changeType(-1);
        } else {
            m_typeCombo->setCurrentIndex(typeEntry);
            changeType(typeEntry);
            if (m_nominalCombo) {
                const int nominalEntry = m_nominalCombo->findData(device->nominalIndex());
                if (nominalEntry >= 0)
                    m_nominalCombo->setCurrentIndex(nominalEntry);
            }
        }
    }
    if (device && m_numberSpin)
        m_numberSpin->setValue(device->number());
    edName()->setText(item->name());
    findInTree(m_objTable, item->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
}

void DlgPropTwoPin::saveToItem(GraphicsItem *graphics)
{
    saveObjItem(graphics, true);
}

void DlgPropTwoPin::saveObj(Obj *obj)
{
    auto *device = dynamic_cast<TwoPinDevice *>(obj);
    if (!CHECK_PTR(device))
        return;
    // No entry is current only for a kept type outside the catalogue.
    if (m_typeCombo && m_typeCombo->currentIndex() >= 0)
        device->setType(m_typeCombo->comboCurrentData());
    if (m_nominalCombo && m_nominalCombo->currentIndex() >= 0)
        device->setNominalIndex(m_nominalCombo->comboCurrentData());
    if (m_numberSpin)
        device->setNumber(m_numberSpin->value());
}
