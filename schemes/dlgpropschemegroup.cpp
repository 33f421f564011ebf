#include "schemes/dlgpropschemegroup.h"

#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"
#include "schemes/scheme.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>

DlgPropSchemeGroup::DlgPropSchemeGroup(Project *project)
    : DlgPropTemplate<Project, SchemeGroup>(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);

    m_atr = new QSpinBox(this);
    m_atr->setRange(0, 999);
    m_atr->setValue(1);
    grid->addWidget(new QLabel(tr("ATR Num:"), this), 0, 0);
    grid->addWidget(m_atr, 0, 1);

    // Six rows of two: the left column properties 4 to 9, the right one
    // 10 to 15.
    grid->addWidget(new QLabel(tr("Members:"), this), 1, 0, Qt::AlignTop);
    auto *members = new RGridLayout();
    grid->addLayout(members, 1, 1);
    const int rows = SchemeGroup::MemberCount / 2;
    for (int i = 0; i < SchemeGroup::MemberCount; ++i) {
        m_members[i] = new RLineEdit(this, 150);
        members->addWidget(m_members[i], i % rows, i / rows);
    }

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 2, 0);
    grid->addWidget(m_comment, 2, 1);

    m_schemesName = new QPlainTextEdit(this);
    grid->addWidget(new QLabel(tr("Schemes name:"), this), 3, 0, Qt::AlignTop);
    grid->addWidget(m_schemesName, 3, 1);

    addButtons(layout);
}

RLineEdit *DlgPropSchemeGroup::memberEdit(int index) const
{
    const int i = index - SchemeGroup::FirstMember;
    return i >= 0 && i < SchemeGroup::MemberCount ? m_members[i] : nullptr;
}

void DlgPropSchemeGroup::loadFromObject()
{
    SchemeGroup *group = object();
    if (!CHECK_PTR(group))
        return;
    m_atr->setValue(group->atrNumber());
    m_comment->setText(group->comment());
    m_schemesName->setPlainText(group->schemesName());
    // An empty field stands for the project's value.
    for (int i = 0; i < SchemeGroup::MemberCount; ++i)
        m_members[i]->setText(group->projectProperty(SchemeGroup::FirstMember + i, true));
}

void DlgPropSchemeGroup::saveToObject()
{
    SchemeGroup *group = object();
    if (!CHECK_PTR(group))
        return;
    group->setComment(m_comment->text().simplified());
    group->setAtrNumber(m_atr->value());
    group->setSchemesName(m_schemesName->toPlainText());
    bool changed = false;
    for (int i = 0; i < SchemeGroup::MemberCount; ++i)
        changed = group->setOwnProperty(SchemeGroup::FirstMember + i, m_members[i]->text()) || changed;
    if (changed && project())
        project()->setModified(true);
    // The sheets show the group's title block and schemes name.
    for (Scheme *scheme : group->itemList()) {
        if (scheme)
            scheme->update();
    }
}

void DlgPropSchemeGroup::btnOkClick()
{
    accept();
}
