#ifndef RLAY_DLGPROPFOOTNOTE_H
#define RLAY_DLGPROPFOOTNOTE_H

// The property dialog of a footnote item: the table of the project's
// footnotes with the number of their items and the sheets they stand on,
// the buttons that add, delete and rename footnotes, and the item's name.
// The item binds to the footnote of its name on OK.

#include "graphics/dlgpropgraphicsobjitem.h"

class QTreeWidget;

class DlgPropFootnote : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropFootnote(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // The chosen footnote's name and the sheets of its items.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    QTreeWidget *schemeTable() const { return m_schemeTable; }

protected slots:
    // An empty item name keeps the dialog open.
    void btnOkClick() override;

private:
    QTreeWidget *m_schemeTable = nullptr;
};

DlgPropGraphicsItem *createDlgPropFootnote(GraphicsScene *scene);

#endif
