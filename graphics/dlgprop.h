#ifndef RLAY_DLGPROP_H
#define RLAY_DLGPROP_H

// Base of every property dialog: the "Ok"/"Cancel" row, the validating Ok
// handler, the load/save pair that moves data between a dialog and the
// object it edits, and the tree-selection helpers of the dialogs that list
// objects in a table.

#include <QDialog>
#include <QString>
#include <Qt>

class QBoxLayout;
class QTreeWidget;
class QTreeWidgetItem;

class DlgProp : public QDialog
{
    Q_OBJECT

public:
    explicit DlgProp(QWidget *parent);

    // Appends the right-aligned "Ok"/"Cancel" row; the last step of a
    // dialog's constructor, on its main vertical layout.
    void addButtons(QBoxLayout *layout);

    // Fill the dialog from its object, and write it back on acceptance.
    virtual void loadFromObject();
    virtual void saveToObject();

    // Selects the first row whose text in the column matches the simplified
    // text; an empty text selects the first row.
    virtual void findInTree(QTreeWidget *tree, const QString &text, Qt::MatchFlags flags, int column);
    // Makes the item the only selected one and scrolls it to the top; a null
    // item just clears the selection.
    virtual void selectTreeItem(QTreeWidget *tree, QTreeWidgetItem *item);
    // Deletes a top-level row and selects the row that took its place, or the
    // new last row.
    virtual void removeTreeItem(QTreeWidget *tree, QTreeWidgetItem *item);

protected slots:
    // Called by "Ok"; a dialog that validates overrides it and stays open on
    // a wrong field.
    virtual void btnOkClick();
};

// The first selected item of the tree; with nothing selected an error box
// asks for a selected `name` and the result is null.
QTreeWidgetItem *selectedTreeItem(QTreeWidget *tree, const QString &name);

#endif
