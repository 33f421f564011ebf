#ifndef RLAY_CHECKMESSAGE_H
#define RLAY_CHECKMESSAGE_H

// One row of the project check's result list: the document, the name and
// the message. Error rows are drawn in red.

#include <QTreeWidgetItem>

class GraphicsItem;
class QTreeWidget;

class CheckMessage : public QTreeWidgetItem
{
public:
    enum Kind { Note = 0, Error = 1 };
    enum Column { SceneColumn = 0, NameColumn = 1, MessageColumn = 2 };

    // Appends the row to the list.
    CheckMessage(QTreeWidget *list, int kind);

    // Runs when the user activates the row; nothing by default.
    virtual void activate();

    // A row that points at a scene item, made by the factory the program
    // installs (activating it shows the item on its document).
    using ItemRowFactory = CheckMessage *(*)(QTreeWidget *list, int kind, GraphicsItem *item);
    static void setItemRowFactory(ItemRowFactory factory) { s_itemRowFactory = factory; }
    static CheckMessage *forItem(QTreeWidget *list, int kind, GraphicsItem *item);

private:
    static inline ItemRowFactory s_itemRowFactory = nullptr;
};

#endif
