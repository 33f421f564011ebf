#ifndef RLAY_DLGPROPBLOCK_H
#define RLAY_DLGPROPBLOCK_H

// The property dialog of a block item (see DlgPropPinRows). On the left the
// blocks of the project with their type, pin count and items, the fields
// that add, delete or rename a block of a chosen class and type, and the
// pins of the chosen block's type with the sheet of the item that holds
// each; on the right the item: the block it shows, its width, its rows and
// the table of its pin labels in three columns. A pin double-clicked in the
// pin list goes into the current cell of the table. The class and type last
// shown are remembered between dialogs as their positions in the two lists.

#include "devices/dlgproppinrows.h"

class QTreeWidget;
class QTreeWidgetItem;
class RComboBox;

class DlgPropBlock : public DlgPropPinRows
{
    Q_OBJECT

public:
    explicit DlgPropBlock(GraphicsScene *scene);
    // Remembers the class and type positions.
    ~DlgPropBlock() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;
    // A block made or renamed by the buttons takes the type shown.
    void saveObj(Obj *obj) override;

    RComboBox *classCombo() const { return m_classCombo; }
    RComboBox *typeCombo() const { return m_typeCombo; }
    QTreeWidget *contactsTree() const { return m_contactsTree; }

public slots:
    // The types of the class at that combo position, in name order.
    void changeBlockClassType(int index);
    // The pin of the row goes into the current cell of the pin table.
    void btnBlockContClick(QTreeWidgetItem *item);

private:
    RComboBox *m_classCombo = nullptr;
    RComboBox *m_typeCombo = nullptr;
    QTreeWidget *m_contactsTree = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropBlock(GraphicsScene *scene);

#endif
