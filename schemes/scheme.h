#ifndef RLAY_SCHEME_H
#define RLAY_SCHEME_H

// The schematic sheet. For now only its process-wide registry of scheme-item
// kinds: a hash from type id to the kind's record, filled once at start-up.

class GraphicsItem;
class GraphicsScene;
class DlgPropGraphicsItem;

struct SchemeItemType
{
    int typeId;
    GraphicsItem *(*createItem)(GraphicsScene *scene);         // may be null
    DlgPropGraphicsItem *(*createDialog)(GraphicsScene *scene); // may be null
    const char *name;      // also the translation context of the kind's pin names
    const char *titleName; // the same text
};

class Scheme
{
public:
    // Copies every row of the kinds table into the registry.
    static void registerItemTypes();
    // The record of a type id, or null.
    static const SchemeItemType *itemTypeRecord(int typeId);
};

#endif
