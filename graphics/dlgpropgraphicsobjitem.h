#ifndef RLAY_DLGPROPGRAPHICSOBJITEM_H
#define RLAY_DLGPROPGRAPHICSOBJITEM_H

// Base of the property dialog of every device and tag item. Besides the pin
// handling of its base it chooses the project object the item stands for:
// a table of the objects of the dialog's kind with a find field, the name
// field with its choose button, and the buttons that add, delete and rename
// objects of the kind. Add, Del and Repl act on the project at once; the
// item is bound and named only on OK.
//
// A kind's dialog builds its layout from createFindRow, createObjTable,
// createChoiseButton, createObjButtons, createHLine and createVLine, makes
// the object-name field (edObjName), calls initObjTable, fills its own
// columns in fillObjRow, loads and stores its own fields in objSelected and
// saveObj, and calls applyObj first when it writes the item. The dialogs
// whose item takes one device of the kind build their whole frame with
// createObjFrame and write the item with saveObjItem.

#include "graphics/dlgpropgraphicspins.h"

#include <QList>
#include <QStringList>

#include <functional>

class GraphicsObjItem;
class Obj;
class Project;
class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class RComboBox;
class RLineEdit;
class RTreeWidget;

// The frame of a dialog whose item takes one device of the kind: the find
// row over the table of the kind's devices, and the grid of the item's
// fields, beside the table or under it.
struct ObjFrame
{
    // The find row's label, which names the kind.
    QString findLabel;
    int tableWidth;
    int tableHeight;
    // The table's columns, the name first, and their widths.
    QStringList columns;
    QList<int> widths;
    // The label and the width of the name field in row 0 of the grid.
    QString nameLabel;
    int nameWidth;
    // The grid beside the table, over a stretch and the Ok/Cancel row; else
    // under the table, followed by the Ok/Cancel row.
    bool sideBySide;
};

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
    // The row of the label and the find field (edFind).
    QBoxLayout *createFindRow(const QString &label);
    // The table of the kind's objects (objTable), a child of the parent
    // (the dialog when none), with its columns.
    RTreeWidget *createObjTable(int width, int height, const QStringList &columns, const QList<int> &widths,
                                QWidget *parent = nullptr);
    // The dialog's whole layout: the find row, the object table and the
    // grid of the name field (edName) with the kind's rows, which addRows
    // puts from row 1 on, then Ok/Cancel; the table is filled and the name
    // field has the focus. Returns the grid.
    QGridLayout *createObjFrame(const ObjFrame &frame, const std::function<void(QGridLayout *)> &addRows);
    // One row per object of the kind, with the selection, the double click
    // and the find field connected as asked.
    void initObjTable(bool withFind, bool withDoubleClick);

    // Stores the dialog into the item's object, or into a new object that
    // the item is bound to, and names the item.
    void applyObj(GraphicsObjItem *item);
    // For an item of the kinds that take one device: applyObj, the item's
    // pin names when asked, its texts and geometry from its device, then
    // the base's part.
    void saveObjItem(GraphicsItem *item, bool renamePins);
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
    // The object that must take the item in its form on Ok: the one of
    // soleObjAfterOk, or, when the item alone shows its object and Ok names
    // another, that other one (a refusal there would lose the item's own
    // object and leave it unbound). Null for none of them.
    Obj *objTakingItemAfterOk(const QString &name) const;

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

// For the dialogs that pick a type within a class: the catalogue rows whose
// class is the one at the entry of the class combo go into the type combo,
// sorted by their text with the row as data, and the first is chosen. No
// entry leaves the type combo empty.
void listTypesOfClass(const QComboBox *classes, int entry, RComboBox *types, int typeCount, int (*classOf)(int row),
                      QString (*text)(int row));

// The tree's header labels and the widths of its first columns.
void setTreeColumns(QTreeWidget *tree, const QStringList &columns, const QList<int> &widths);

// Sunken separator lines for dialog layouts.
void createHLine(QBoxLayout *layout);
void createVLine(QBoxLayout *layout);

#endif
