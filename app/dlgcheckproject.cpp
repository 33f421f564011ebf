#include "app/dlgcheckproject.h"

#include "app/listcheckmessages.h"
#include "graphics/rgridlayout.h"
#include "graphics/rhboxlayout.h"
#include "graphics/rvboxlayout.h"
#include "model/project.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

struct CheckRow
{
    const char *label; // translated in the context "DlgCheckProject"
    bool checked;      // at start
    int code;          // handed to Project::check
};

const CheckRow checkRows[] = {
    {QT_TRANSLATE_NOOP("DlgCheckProject", "Check parent for graphics item"), false, 0},
    {QT_TRANSLATE_NOOP("DlgCheckProject", "Check object address"), false, 1},
};

} // namespace

DlgCheckProject::DlgCheckProject(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setWindowTitle(tr("Check project"));
    auto *layout = new RVBoxLayout(this, 5, 5);

    auto *grid = new RGridLayout;
    int row = 0;
    for (const CheckRow &check : checkRows) {
        auto *box = new QCheckBox(tr(check.label), this);
        box->setChecked(check.checked);
        grid->addWidget(box, row++, 0);
        m_checks.append(box);
    }
    layout->addLayout(grid);

    auto *buttons = new RHBoxLayout;
    buttons->addStretch();
    m_run = new QPushButton(tr("Run"), this);
    // Enter on a row opens the row's item; it must not run the check again
    // (which would clear the list under the user's hands).
    m_run->setAutoDefault(false);
    connect(m_run, &QPushButton::clicked, this, &DlgCheckProject::btnRunClick);
    buttons->addWidget(m_run);
    layout->addLayout(buttons);

    m_list = new ListCheckMessages(this);
    m_list->setMinimumSize(600, 400);
    layout->addWidget(m_list);
}

void DlgCheckProject::setProject(Project *project)
{
    if (project == m_project && project)
        return;
    m_project = project;
    m_list->setProject(project);
}

void DlgCheckProject::btnRunClick()
{
    m_list->clear();
    if (!m_project)
        return;
    // The rows are sorted once, after the checks have added them all.
    m_list->setSortingEnabled(false);
    for (int i = 0; i < m_checks.size(); ++i) {
        if (m_checks[i]->isChecked())
            m_project->check(m_list, checkRows[i].code);
    }
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(0, Qt::AscendingOrder);
}
