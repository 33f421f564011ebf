#ifndef RLAY_DLGPROPGRAPHICSOBJITEM_H
#define RLAY_DLGPROPGRAPHICSOBJITEM_H

// Base of the property dialog of every device and tag item. Besides the pin
// handling of its base it chooses the project object the item stands for:
// a table of the objects of the dialog's kind with a find field, the name
// field with its choose button, and the buttons that add, delete and rename
// objects of the kind. Add, Del and Repl act on the project at once; the
// item is bound and named only on OK.
//
// A kind's dialog builds its layout from createChoiseButton,
// createObjButtons, createHLine and createVLine, makes the object table
// (objTable), the object-name field (edObjName) and the find field (edFind),
// calls initObjTable, fills its own columns in fillObjRow, loads and stores
// its own fields in objSelected and saveObj, and calls applyObj first when
// it writes the item.

#include "graphics/dlgpropgraphicspins.h"

class GraphicsObjItem;
class Obj;
class Project;
class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class RLineEdit;

class DlgPropGraphicsObjItem : public DlgPropGraphicsPins
{
    Q_OBJECT

public:
    DlgPropGraphicsObjItem(GraphicsScene *scene, int kind, bool nameRequired);

    // Remembers the edited item (none for a new one) while the dialog runs.
    GraphicsItem *execDialog(GraphicsItem *item, int type) override;
    // The pins part, then the devices are due to be saved.
    void saveToItem(GraphicsItem *item) override;

    // The label, the name field and, when asked, the choose button "V".
    void createChoiseButton(QBoxLayout *layout, const QString &label, bool withButton = true);
    // "Add", "Del" and "Repl" in columns 0 to 2 of the grid row.
    void createObjButtons(QGridLayout *grid, QWidget *parent, int row);
    // One row per object of the kind, with the selection, the double click
    // and the find field connected as asked.
    void initObjTable(bool withFind, bool withDoubleClick);

    // Stores the dialog into the item's object, or into a new object that
    // the item is bound to, and names the item.
    void applyObj(GraphicsObjItem *item);
    // For the kinds whose items carry their own name: an empty name field
    // keeps the dialog open.
    void checkGraphicsName(int kind);

    int kind() const { return m_kind; }
    GraphicsObjItem *item() const { return m_item; }
    RLineEdit *edName() const { return m_edName; }
    QLineEdit *edObjName() const { return m_edObjName; }
    RLineEdit *edFind() const { return m_edFind; }
    QTreeWidget *objTable() const { return m_objTable; }

    // The kind's part of the dialog: its fields into an object, its columns
    // of a table row, its fields from the object chosen in the table.
    virtual void saveObj(Obj *obj);
    virtual void fillObjRow(Obj *obj, QTreeWidgetItem *row);
    virtual void objSelected(Obj *obj, QTreeWidgetItem *row);

public slots:
    void doubleClickOfTable(QTreeWidgetItem *row);
    void changeSelectedObjItem();
    // The row's object (the selected one without a row) goes into the name
    // field; false when there is none.
    virtual bool btnChoiseClick(QTreeWidgetItem *row);
    void btnChoiseClick();
    virtual void btnAddObjClick();
    virtual void btnDelObjClick();
    virtual void btnReplObjClick();
    virtual void edFindObjChange(const QString &text);

protected slots:
    // With a required name: an empty name or the name of another object of
    // the kind keeps the dialog open.
    void btnOkClick() override;

protected:
    Project *project() const;
    // The kind's name as the project's registry gives it.
    QString kindName() const;
    // The object that the edited item alone shows and that keeps it when
    // Ok names it so (the same name, or a free one the object takes); null
    // for none. Should that object refuse the item's new form, the Ok would
    // leave it with no item: the kinds' dialogs refuse such an Ok, and a
    // refused Ok changes nothing.
    Obj *soleObjAfterOk(const QString &name) const;

    RLineEdit *m_edName = nullptr;
    QLineEdit *m_edObjName = nullptr;
    RLineEdit *m_edFind = nullptr;
    int m_kind;
    GraphicsObjItem *m_item = nullptr;
    bool m_nameRequired;
    QTreeWidget *m_objTable = nullptr;
};

// A table row's object, kept in column 0 as a pointer.
void setTreeItemObj(QTreeWidgetItem *row, Obj *obj);
Obj *treeItemObj(QTreeWidgetItem *row);
// The top-level row that holds the object, null when none.
QTreeWidgetItem *findTreeItemOfObj(QTreeWidget *tree, Obj *obj);

// Sunken separator lines for dialog layouts.
void createHLine(QBoxLayout *layout);
void createVLine(QBoxLayout *layout);

#endif
