#ifndef RLAY_DLGPROPTRANS_H
#define RLAY_DLGPROPTRANS_H

// The property dialog of a transformer item. The left part lists the
// project's transformers and names one with its class and type ("Add",
// "Del" and "Repl" act on the project at once); the middle lists the
// chosen type's terminals with the scheme of the item carrying each; the
// right part names the item and lays out the terminals it draws: a table
// of 20 rows with a left and a right column, where a "." in "L.N." or
// "R.N." starts a winding, and the jumpers text.

#include "graphics/dlgpropgraphicsobjitem.h"

class QTableWidget;
class RComboBox;

class DlgPropTrans : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    // The table's columns: left name, left start mark, right start mark,
    // right name.
    enum { LeftColumn, LeftMarkColumn, RightMarkColumn, RightColumn };

    explicit DlgPropTrans(GraphicsScene *scene);
    ~DlgPropTrans() override;

    void loadFromItem(GraphicsItem *item) override;
    // The terminals, the jumpers and the name go into the item; a class
    // or type the user chose goes into the transformer the item shows, and
    // a name no transformer bears makes a new one of that type.
    void saveToItem(GraphicsItem *item) override;
    // The chosen type goes into the transformer.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // The transformer's name, class, type and terminals go into the fields.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *classCombo() const { return m_classCombo; }
    RComboBox *typeCombo() const { return m_typeCombo; }
    QTreeWidget *terminalList() const { return m_terminalList; }
    QTableWidget *windingTable() const { return m_windingTable; }
    RLineEdit *jumpersEdit() const { return m_jumpersEdit; }

public slots:
    // Lists the types of the class chosen at that entry.
    void changeTransClassType(int index);
    // The terminal goes into the current table cell, or, with none, to the
    // end of the jumpers.
    void btnTransContClick(QTreeWidgetItem *item);

private:
    RComboBox *m_classCombo = nullptr;
    RComboBox *m_typeCombo = nullptr;
    QTreeWidget *m_terminalList = nullptr;
    QTableWidget *m_windingTable = nullptr;
    RLineEdit *m_jumpersEdit = nullptr;
    // The user chose a class or type since a transformer was shown.
    bool m_typeChosen = false;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropTrans(GraphicsScene *scene);

#endif
