#include "schemes/scheme.h"

#include <QHash>

namespace {

QHash<int, SchemeItemType> &registry()
{
    static QHash<int, SchemeItemType> types;
    return types;
}

// The kinds that can stand on a scheme; their rows join as each kind lands.
const SchemeItemType *const itemTypes = nullptr;
const int itemTypeCount = 0;

} // namespace

void Scheme::registerItemTypes()
{
    for (int i = 0; i < itemTypeCount; ++i)
        registry().insert(itemTypes[i].typeId, itemTypes[i]);
}

const SchemeItemType *Scheme::itemTypeRecord(int typeId)
{
    const auto it = registry().constFind(typeId);
    return it == registry().constEnd() ? nullptr : &it.value();
}
