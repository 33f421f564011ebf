#include "equipment/framelayout.h"

#include <QHash>

namespace {

QHash<int, FrameItemType> &registry()
{
    static QHash<int, FrameItemType> types;
    return types;
}

// The panel and board kinds join this table with their item classes.
const FrameItemType *const itemTypes = nullptr;
const int itemTypeCount = 0;

} // namespace

void FrameLayout::registerItemTypes()
{
    for (int i = 0; i < itemTypeCount; ++i)
        registry().insert(itemTypes[i].typeId, itemTypes[i]);
}
