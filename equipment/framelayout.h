#ifndef RLAY_FRAMELAYOUT_H
#define RLAY_FRAMELAYOUT_H

// The layout sheet of one frame. For now only its process-wide registry of
// item kinds (panel and board), filled once at start-up.

class GraphicsItem;
class GraphicsScene;
class DlgPropGraphicsItem;

struct FrameItemType
{
    int typeId;
    GraphicsItem *(*createItem)(GraphicsScene *scene);
    DlgPropGraphicsItem *(*createDialog)(GraphicsScene *scene);
    const char *name;
};

class FrameLayout
{
public:
    static void registerItemTypes();
};

#endif
