#ifndef RLAY_CHECKMESSAGEGRAPHICSITEM_H
#define RLAY_CHECKMESSAGEGRAPHICSITEM_H

// A row of the project check that points at one scene item on one document.
// The row names the document and the item; the creator sets the message.

#include "app/checkmessage.h"

class GraphicsItem;
class GraphicsScene;

class CheckMessageGraphicsItem : public CheckMessage
{
public:
    CheckMessageGraphicsItem(QTreeWidget *list, int kind, GraphicsItem *item);

    // Neither is owned; both are null for a row made without an item.
    GraphicsItem *graphicsItem() const { return m_item; }
    GraphicsScene *graphicsScene() const { return m_scene; }

private:
    GraphicsItem *m_item;
    GraphicsScene *m_scene;
};

#endif
