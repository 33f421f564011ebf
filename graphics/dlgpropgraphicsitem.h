#ifndef RLAY_DLGPROPGRAPHICSITEM_H
#define RLAY_DLGPROPGRAPHICSITEM_H

// Base of the property dialogs of scene items. A dialog is made by its
// sheet for one item type, runs once and is deleted by its caller. The same
// sequence serves a new item (created only when the user presses OK, and
// added to the sheet by the caller) and an existing one.

#include "graphics/dlgprop.h"

class GraphicsItem;
class GraphicsScene;
class QTreeWidget;
class QTreeWidgetItem;

class DlgPropGraphicsItem : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropGraphicsItem(GraphicsScene *scene);

    GraphicsScene *scene() const { return m_scene; }

    // Fill the widgets from an item, and write them into one.
    virtual void loadFromItem(GraphicsItem *item) = 0;
    virtual void saveToItem(GraphicsItem *item) = 0;
    // Runs the dialog for the item, or for a new item of the type when item
    // is null; the item written, or null on Cancel or failure.
    virtual GraphicsItem *execDialog(GraphicsItem *item, int type);

protected:
    GraphicsScene *m_scene;
};

// Binds a project object to a row of a dialog's table: the pointer is kept
// under column 0, role Qt::UserRole + 1.
void setTreeItemObject(QTreeWidgetItem *row, const void *object);
// The first top-level row bound to the object, or null.
QTreeWidgetItem *findTopLevelItemByObject(QTreeWidget *tree, const void *object);

#endif
