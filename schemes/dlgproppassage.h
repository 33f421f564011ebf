#ifndef RLAY_DLGPROPPASSAGE_H
#define RLAY_DLGPROPPASSAGE_H

// The property dialog of a passage: the list of its clamps, each written as
// "panel address-clamp name", edited from the fields of a clamp panel's
// address and clamp name with "Add", "Del" and "Repl". On OK every listed
// clamp is named from its row, clamps without a row leave the passage (and
// the sheet), and new rows become new clamps of the passage.

#include "graphics/dlgpropgraphicspins.h"

class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class RComboBox;

class DlgPropPassage : public DlgPropGraphicsPins
{
    Q_OBJECT

public:
    explicit DlgPropPassage(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;

    QSpinBox *frameSpin() const { return m_frame; }
    RComboBox *modelCombo() const { return m_model; }
    QSpinBox *placeSpin() const { return m_place; }
    RComboBox *nameCombo() const { return m_name; }
    QTreeWidget *clampList() const { return m_list; }

public slots:
    // Writes the fields into the row, or into a new row.
    void btnAddClamp(QTreeWidgetItem *row);
    void btnAddClamp();
    void btnDelClamp();
    void btnReplClamp();
    void changeClampType(int index);
    void itemSelectionChanged();

private:
    QSpinBox *m_frame = nullptr;
    RComboBox *m_model = nullptr;
    QSpinBox *m_place = nullptr;
    RComboBox *m_name = nullptr;
    QTreeWidget *m_list = nullptr;
};

DlgPropGraphicsItem *createDlgPropPassage(GraphicsScene *scene);

#endif
