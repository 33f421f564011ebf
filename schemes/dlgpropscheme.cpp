#include "schemes/dlgpropscheme.h"

#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"
#include "schemes/scheme.h"

#include <QLabel>
#include <QSpinBox>

DlgPropScheme::DlgPropScheme(Project *project)
    : DlgProp(project)
    , m_project(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    layout->addLayout(grid);

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 0, 0);
    grid->addWidget(m_comment, 0, 1);

    m_number = new QSpinBox(this);
    m_number->setRange(1, 999);
    grid->addWidget(new QLabel(tr("Page num:"), this), 1, 0);
    grid->addWidget(m_number, 1, 1);

    layout->addStretch();
    addButtons(layout);
}

Scheme *DlgPropScheme::execDialog(Scheme *scheme)
{
    m_scheme = scheme;
    if (scheme)
        loadFromObject();
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    if (!m_scheme) {
        m_scheme = new Scheme(m_project);
        if (!CHECK_PTR(m_scheme))
            return nullptr;
        m_scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
    }
    saveToObject();
    return m_scheme;
}

void DlgPropScheme::loadFromObject()
{
    if (!CHECK_PTR(m_scheme))
        return;
    m_comment->setText(m_scheme->name());
    m_number->setValue(m_scheme->number());
}

void DlgPropScheme::saveToObject()
{
    if (!CHECK_PTR(m_scheme))
        return;
    m_scheme->setName(m_comment->text().simplified());
    m_scheme->setNumber(m_number->value());
}
