#include "devices/dlgpropbottom.h"

#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "devices/dlgpropclamp.h"
#include "devices/graphicsbottom.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rgridlayout.h"
#include "graphics/rtreewidget.h"
#include "graphics/rvboxlayout.h"
#include "model/check.h"
#include "model/project.h"

#include <QSpinBox>
#include <QTreeWidget>

DlgPropBottom::DlgPropBottom(GraphicsScene *scene)
    : DlgPropGraphicsItem(scene)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    auto *grid = new RGridLayout();
    m_frame = addFrameNumRow(this, grid, 0);
    m_place = addPlaceNumRow(this, grid, 1);
    m_model = addClampPanelModelRow(this, grid, 2, bottomClampPanelModel, true);
    m_strip = addStripTypeRow(this, grid, 3);
    layout->addLayout(grid);
    m_tree = new RTreeWidget(this, 250, 150);
    setTreeColumns(m_tree, {tr("Clamp panel"), tr("Scheme")}, {});
    layout->addWidget(m_tree, 1);
    addButtons(layout);

    // The bottom panels of the project, each shown by its bottom.
    Project *project = scene ? scene->project() : nullptr;
    const QList<Obj *> panels = project ? project->sortedObjectsOfKind(ClampPanelKind) : QList<Obj *>();
    for (Obj *obj : panels) {
        auto *panel = dynamic_cast<ClampPanel *>(obj);
        if (!panel || panel->modelIndex() != bottomClampPanelModel)
            continue;
        auto *row = new QTreeWidgetItem(m_tree);
        row->setText(0, panel->name());
        GraphicsBottom *bottom = panel->bottom();
        GraphicsScene *sheet = bottom ? bottom->graphicsScene() : nullptr;
        if (sheet)
            row->setText(1, sheet->displayName());
    }
    if (CHECK(m_model->count() > 0))
        m_model->setCurrentIndex(0);
    changeClampPanelType(m_model->currentIndex());
    connect(m_model, qOverload<int>(&QComboBox::currentIndexChanged), this, &DlgPropBottom::changeClampPanelType);
}

void DlgPropBottom::changeClampPanelType(int)
{
    const int model = clampPanelModelOf(m_model);
    if (model >= 0)
        fillStripTypeCombo(model, m_strip, m_place);
}

void DlgPropBottom::loadFromItem(GraphicsItem *item)
{
    m_item = dynamic_cast<GraphicsBottom *>(item);
    ClampPanel *panel = m_item ? m_item->clampPanel() : nullptr;
    if (!CHECK_PTR(panel))
        return;
    if (panel->stripType() >= 0)
        setClampPanelObjWidgets(panel->name(), panel->stripType(), m_model, m_frame, m_place, m_strip);
    findInTree(m_tree, panel->name(), Qt::MatchFixedString | Qt::MatchCaseSensitive, 0);
}

void DlgPropBottom::btnOkClick()
{
    bool ok = false;
    const Address address = clampAddressFromWidgets(m_model, m_frame, m_place, &ok);
    if (!ok) {
        showError(tr("Invalid clamp panel parameters!"));
        return;
    }
    Project *project = m_scene ? m_scene->project() : nullptr;
    const Obj *named = project ? project->findObj(ClampPanelKind, address.toString(1)) : nullptr;
    const ClampPanel *own = m_item ? m_item->clampPanel() : nullptr;
    if (named && named != own) {
        showError(tr("Clamp panel already exists!"));
        return;
    }
    accept();
}

void DlgPropBottom::saveToItem(GraphicsItem *item)
{
    auto *bottom = dynamic_cast<GraphicsBottom *>(item);
    Project *project = m_scene ? m_scene->project() : nullptr;
    bool ok = false;
    const Address address = clampAddressFromWidgets(m_model, m_frame, m_place, &ok);
    if (!CHECK_PTR(bottom) || !CHECK_PTR(project) || !CHECK(ok))
        return;
    const int model = clampPanelModelOf(m_model);
    const int strip = clampStripTypeFromText(model, m_strip->currentText());
    if (!CHECK(strip >= 0))
        return;
    const bool isNew = bottom->clampPanel() == nullptr;
    ClampPanel *panel = isNew ? dynamic_cast<ClampPanel *>(project->createDevice(ClampPanelKind))
                              : bottom->clampPanel();
    if (!CHECK_PTR(panel))
        return;
    panel->setModelAndStripType(model, strip);
    const QString name = address.toString(1);
    if (panel->name() != name && !panel->setName(name) && isNew) {
        delete panel;
        return;
    }
    bottom->setClampPanel(panel);
    bottom->createClamps();
    bottom->update();
    project->setDevicesChanged();
}

DlgPropGraphicsItem *createDlgPropBottom(GraphicsScene *scene)
{
    return new DlgPropBottom(scene);
}
