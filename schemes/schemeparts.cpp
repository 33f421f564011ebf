#include "schemes/schemeparts.h"

#include "model/pin.h"
#include "schemes/net.h"
#include "schemes/scheme.h"

#include <algorithm>

void registerSchemeParts()
{
    Pin::setItemKinds({
        [](int typeId) -> const char * {
            const SchemeItemType *record = Scheme::itemTypeRecord(typeId);
            return record ? record->name : nullptr;
        },
        // The thickest net's section; a chain without nets has the first.
        [](const QList<GraphicsUnite *> &items) -> int {
            const bool hasNet = std::any_of(items.cbegin(), items.cend(), [](GraphicsUnite *item) {
                return graphicsNetCast(item) != nullptr;
            });
            return hasNet ? GraphicsNet::largestSection(items) : int(GraphicsNet::DefaultSection);
        },
    });
}
