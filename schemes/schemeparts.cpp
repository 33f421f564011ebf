#include "schemes/schemeparts.h"

#include "model/pin.h"
#include "model/projectparts.h"
#include "schemes/conductor.h"
#include "schemes/footnote.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schememenager.h"
#include "schemes/source.h"

#include <algorithm>

namespace {

const DeviceKindEntry schemeKinds[] = {
    {101, createObj<Source>, QT_TRANSLATE_NOOP("Project", "Source"), 0, 0, 0, 0},
    {102, createObj<Footnote>, QT_TRANSLATE_NOOP("Project", "Footnote"), 0, 0, 0, 0},
    {103, createObj<Conductor>, QT_TRANSLATE_NOOP("Project", "Conductor"), 0, 0, 0, 0},
};

} // namespace

void registerSchemeParts()
{
    ProjectParts::addKinds(schemeKinds);
    ProjectParts::setBranchFactory(ProjectParts::SchemesBranch,
                                   [](Project *project, QList<QAction *> *actions) -> ItemMenagerBase * {
                                       return new SchemeMenager(project, actions);
                                   });
    ProjectParts::setReferenceSheetFactory([](Project *project) -> GraphicsScene * { return new Scheme(project); });
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
