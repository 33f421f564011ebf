#include "schemes/dlgpropschemegroup.h"

#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"
#include "schemes/schemegroup.h"

#include <QLabel>
#include <QSpinBox>

DlgPropSchemeGroup::DlgPropSchemeGroup(Project *project)
    : DlgProp(project)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);

    m_atr = new QSpinBox(this);
    m_atr->setRange(0, 999);
    m_atr->setValue(1);
    grid->addWidget(new QLabel(tr("ATR Num:"), this), 0, 0);
    grid->addWidget(m_atr, 0, 1);

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 1, 0);
    grid->addWidget(m_comment, 1, 1);

    layout->addStretch();
    addButtons(layout);
}

SchemeGroup *DlgPropSchemeGroup::execDialog(SchemeGroup *group)
{
    m_group = group;
    if (group)
        loadFromObject();
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    if (!m_group) {
        m_group = new SchemeGroup(m_project);
        if (!CHECK_PTR(m_group))
            return nullptr;
    }
    saveToObject();
    return m_group;
}

void DlgPropSchemeGroup::loadFromObject()
{
    if (!CHECK_PTR(m_group))
        return;
    m_atr->setValue(m_group->atrNumber());
    m_comment->setText(m_group->comment());
}

void DlgPropSchemeGroup::saveToObject()
{
    if (!CHECK_PTR(m_group))
        return;
    m_group->setComment(m_comment->text().simplified());
    m_group->setAtrNumber(m_atr->value());
}
