#ifndef RLAY_DLGPROPBOTTOM_H
#define RLAY_DLGPROPBOTTOM_H

// The property dialog of a bottom: the address and strip type of its panel,
// with the bottom panels of the project and the documents that show them.
// A new bottom makes its panel and one clamp per clamp of the strip; an
// existing one renames its panel.

#include "graphics/dlgpropgraphicsitem.h"

class GraphicsBottom;
class QSpinBox;
class QTreeWidget;
class RComboBox;

class DlgPropBottom : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    explicit DlgPropBottom(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;

    QSpinBox *frameSpin() const { return m_frame; }
    QSpinBox *placeSpin() const { return m_place; }
    RComboBox *modelCombo() const { return m_model; }
    RComboBox *stripTypeCombo() const { return m_strip; }
    QTreeWidget *panelTree() const { return m_tree; }

public slots:
    void changeClampPanelType(int index);

protected slots:
    // The address must fit and name no other panel.
    void btnOkClick() override;

private:
    QSpinBox *m_frame = nullptr;
    QSpinBox *m_place = nullptr;
    RComboBox *m_model = nullptr;
    RComboBox *m_strip = nullptr;
    QTreeWidget *m_tree = nullptr;
    GraphicsBottom *m_item = nullptr;
};

DlgPropGraphicsItem *createDlgPropBottom(GraphicsScene *scene);

#endif
