#include "schemes/dlgpropscheme.h"

#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"
#include "schemes/framepageview.h"
#include "schemes/scheme.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

// Selects the entry of a combo that carries the value; an absent value is
// a failed check and leaves the combo as it is.
void selectValue(RComboBox *combo, int value)
{
    const int index = combo->findData(value);
    if (CHECK(index >= 0))
        combo->setCurrentIndex(index);
}

} // namespace

DlgPropScheme::DlgPropScheme(Project *project)
    : DlgPropGraphicsScene<Project, Scheme>(project)
{
    auto *layout = new RVBoxLayout(this, 5, 5);

    auto *grid = new RGridLayout();
    layout->addLayout(grid);
    m_format = new RComboBox(this, 0);
    for (int i = 0; i < PaperFormatCount; ++i) {
        const PaperFormat &format = paperFormats[i];
        m_format->addItem(QString::fromLatin1(format.name)
                              + QStringLiteral(" ( %1 x %2 ) ").arg(format.width).arg(format.height),
                          i);
    }
    if (PaperFormatCount > 2)
        m_format->setCurrentIndex(1);
    grid->addWidget(new QLabel(tr("Format:"), this), 0, 0);
    grid->addWidget(m_format, 0, 1);

    m_comment = new RLineEdit(this, 200);
    grid->addWidget(new QLabel(tr("Comment:"), this), 1, 0);
    grid->addWidget(m_comment, 1, 1);

    m_number = new QSpinBox(this);
    m_number->setRange(1, 999);
    grid->addWidget(new QLabel(tr("Page num:"), this), 2, 0);
    grid->addWidget(m_number, 2, 1);

    m_across = new QSpinBox(this);
    m_across->setRange(1, 10);
    m_across->setValue(1);
    grid->addWidget(new QLabel(tr("Count horiz. page:"), this), 3, 0);
    grid->addWidget(m_across, 3, 1);
    connect(m_across, QOverload<int>::of(&QSpinBox::valueChanged), this, &DlgPropScheme::updateFrame);

    auto *orientation = new QGroupBox(tr("Page orientation:"), this);
    auto *orientationLayout = new QHBoxLayout(orientation);
    auto *buttons = new QButtonGroup(this);
    m_portrait = new QRadioButton(tr("Portrait"), orientation);
    m_landscape = new QRadioButton(tr("Landscape"), orientation);
    buttons->addButton(m_portrait, 0);
    buttons->addButton(m_landscape, 1);
    orientationLayout->addWidget(m_portrait);
    orientationLayout->addWidget(m_landscape);
    m_landscape->setChecked(true);
    connect(m_portrait, &QRadioButton::clicked, this, &DlgPropScheme::updateFrame);
    connect(m_landscape, &QRadioButton::clicked, this, &DlgPropScheme::updateFrame);
    layout->addWidget(orientation);

    auto *second = new RGridLayout();
    layout->addLayout(second);
    m_binding = new RComboBox(this, 0);
    m_binding->addItem(tr("Left"), int(GraphicsScene::BindingLeft));
    m_binding->addItem(tr("Top"), int(GraphicsScene::BindingTop));
    second->addWidget(new QLabel(tr("Binding position:"), this), 0, 0);
    second->addWidget(m_binding, 0, 1);
    m_border = new RComboBox(this, 0);
    m_border->addItem(tr("Big"), int(GraphicsScene::BorderBig));
    m_border->addItem(tr("Small"), int(GraphicsScene::BorderSmall));
    m_border->setCurrentIndex(1);
    second->addWidget(new QLabel(tr("Border type:"), this), 1, 0);
    second->addWidget(m_border, 1, 1);

    m_preview = new FramePageView(this);
    layout->addWidget(m_preview);
    updateFrame();

    addButtons(layout);
}

void DlgPropScheme::loadFromObject()
{
    Scheme *scheme = object();
    if (!CHECK_PTR(scheme))
        return;
    m_comment->setText(scheme->name());
    m_number->setValue(scheme->number());
    m_across->setValue(scheme->sheetsAcross());
    m_format->setCurrentIndex(GraphicsScene::paperIndex(scheme->pageSize()));
    selectValue(m_binding, scheme->bindingPosition());
    selectValue(m_border, scheme->borderType());
    (scheme->isLandscape() ? m_landscape : m_portrait)->setChecked(true);
    updateFrame();
}

void DlgPropScheme::saveToObject()
{
    Scheme *scheme = object();
    if (!CHECK_PTR(scheme))
        return;
    scheme->setName(m_comment->text().simplified());
    scheme->setNumber(m_number->value());
    const int format = qBound(0, m_format->currentIndex(), PaperFormatCount - 1);
    scheme->setSheetFormat(paperFormats[format].pageSize, !m_portrait->isChecked(), quint8(m_across->value()));
    scheme->setBindingPosition(m_binding->comboCurrentData());
    scheme->setBorderType(m_border->comboCurrentData());
    // The passage table stands at the sheet's right edge, wherever that
    // now is.
    scheme->layoutPassages();
    scheme->update();
}

void DlgPropScheme::updateFrame()
{
    m_preview->setPage(m_portrait->isChecked(), m_across->value());
    m_preview->repaint();
}

void DlgPropScheme::btnOkClick()
{
    accept();
}
