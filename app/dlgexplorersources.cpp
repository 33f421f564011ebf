#include "app/dlgexplorersources.h"

#include "equipment/equipmentmenager.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

const int buttonWidth = 25;

} // namespace

DlgExplorerSources::DlgExplorerSources(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Sources explorer"));
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *filters = new RHBoxLayout;
    layout->addLayout(filters);

    filters->addWidget(new QLabel(tr("S:"), this));
    m_sourceFilter = new RLineEdit(this, 50);
    filters->addWidget(m_sourceFilter);
    filters->addWidget(new QLabel(tr("F:"), this));
    m_frameFilter = new QSpinBox(this);
    m_frameFilter->setValue(0);
    filters->addWidget(m_frameFilter);

    auto *setFilter = new QPushButton(tr("V"), this);
    setFilter->setFixedWidth(buttonWidth);
    connect(setFilter, &QPushButton::clicked, this, &DlgExplorerSources::btnSetFilterClick);
    filters->addWidget(setFilter);
    m_btnCancelFilter = new QPushButton(tr("X"), this);
    m_btnCancelFilter->setFixedWidth(buttonWidth);
    m_btnCancelFilter->setEnabled(false);
    connect(m_btnCancelFilter, &QPushButton::clicked, this, &DlgExplorerSources::btnCanFilterClick);
    filters->addWidget(m_btnCancelFilter);
    auto *update = new QPushButton(tr("U"), this);
    update->setFixedWidth(buttonWidth);
    connect(update, &QPushButton::clicked, this, &DlgExplorerSources::btnClickUpdateTable);
    filters->addWidget(update);

    m_list = new RTreeWidget(this, 260, 600);
    m_list->setHeaderLabels({tr("Source"), tr("Frame"), tr("Cnt"), tr("PC")});
    const int widths[] = {75, 65, 50, 50};
    for (int i = 0; i < 4; ++i)
        m_list->setColumnWidth(i, widths[i]);
    layout->addWidget(m_list);
}

void DlgExplorerSources::btnSetFilterClick()
{
    const QString source = m_sourceFilter->text().simplified();
    const int frame = m_frameFilter->value();
    const QString frameText = QString::number(frame);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = m_list->topLevelItem(i);
        bool hidden = false;
        if (!source.isEmpty() && row->text(0) != source)
            hidden = true;
        else if (frame != 0)
            hidden = row->text(1) != frameText;
        row->setHidden(hidden);
    }
    m_btnCancelFilter->setEnabled(true);
}

void DlgExplorerSources::btnCanFilterClick()
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        m_list->topLevelItem(i)->setHidden(false);
    m_btnCancelFilter->setEnabled(false);
}

void DlgExplorerSources::btnClickUpdateTable()
{
    m_list->clear();
    if (!CHECK_PTR(m_project.data()) || !CHECK_PTR(m_project->equipment()))
        return;
    // The rows are sorted once, after every frame has added its own.
    m_list->setSortingEnabled(false);
    m_project->equipment()->fillSourcesTree(m_list);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(0, Qt::AscendingOrder);
}
