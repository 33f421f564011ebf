// What a frame layout derives for the rest of the project: the sources
// that feed its equipment (the sources explorer) and its wiring documents.

#include "equipment/checklog.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/framegroup.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/frametypes.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/graphicswiringcontainer.h"
#include "equipment/graphicswiringitemdevice.h"
#include "equipment/graphicswiringpowerbus.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placetypes.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/wiringlayout.h"
#include "equipment/wiringpageitem.h"
#include "devices/clampcatalogue.h"
#include "devices/module.h"
#include "devices/modulecatalogue.h"
#include "graphics/graphicsedit.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/heappages.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/graphicssource.h"
#include "schemes/net.h"
#include "schemes/source.h"

#include <QTreeWidget>
#include <QVarLengthArray>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace {

const int panelItemType = QGraphicsItem::UserType + 102;
// The wire section that a power bus stands for.
const int powerBusSection = 4;

// Frame kind 5, the relay case, and its part kinds.
enum { UpperClampPart = 14, LowerClampPart = 15, HeatingPart = 16, ColumnPart = 17, LeftSidePart = 18,
       LeftSideHeatingPart = 19, SecondColumnPart = 20 };

// The page grid of part pages: the width left for bands, a band's height.
const double bandWidth = 4200 - 250;
const double bandHeight = 1300;
const double blockWidth = 560;
const int columnPitch = 770;
const int columnPageWidth = 4100;
const QChar noteSeparator(0x2028);
// The clamp-panel types of the catalogue are 1 to 26; 0 is none.
const int clampPanelTypeLimit = 27;

// The panel held by a place in the normal state; null for an empty place
// or another item: a device may stand in a part's place by itself.
GraphicsPlaceContainer *heldPanel(Place *place, CheckLog &log)
{
    if (!place || place->state() != Place::Normal)
        return nullptr;
    GraphicsPlaceItem *held = place->item();
    if (!held || held->type() != panelItemType)
        return nullptr;
    auto *panel = dynamic_cast<GraphicsPlaceContainer *>(held);
    LOG_CHECK_PTR(log, panel);
    return panel;
}

} // namespace

QList<SourceNet> FrameLayout::sourceNets(Project *project)
{
    QList<SourceNet> nets;
    const NameIndex *sources = project ? project->objectsOfKind(SourceKind) : nullptr;
    if (!sources)
        return nets;
    // Name order: the rows and their counts never follow the hash's seed.
    QStringList names = sources->keys();
    std::sort(names.begin(), names.end());
    nets.reserve(names.size());
    for (const QString &name : std::as_const(names)) {
        auto *source = dynamic_cast<Source *>(sources->value(name));
        SourceNet net{source, {}};
        if (CHECK_PTR(source))
            source->checkSingleSource(net.pins);
        nets.append(net);
    }
    return nets;
}

void FrameLayout::fillSourcesTree(QTreeWidget *tree, const QList<SourceNet> &nets, CheckLog &log)
{
    if (!LOG_CHECK_PTR(log, tree) || !m_frame)
        return;
    const int number = m_frame->address().number(0);
    const QString numberText = QString::number(number);
    for (const SourceNet &net : nets) {
        if (!net.source)
            continue;
        // The walk takes every pin it wires off the list: the next panel
        // sees only what is left.
        QList<Pin *> toWire = net.pins;
        int count = 0;
        for (GraphicsFramePart *part : std::as_const(m_parts)) {
            if (!LOG_CHECK_PTR(log, part))
                continue;
            const int type = part->clampPanelType();
            if (!LOG_CHECK(log, type < clampPanelTypeLimit) || type == 0)
                continue;
            for (Place *place : part->places()) {
                GraphicsPlaceContainer *panel = heldPanel(place, log);
                if (!panel)
                    continue;
                QList<QList<Pin *>> groups;
                panel->collectWires(toWire, groups);
                count += int(groups.size());
            }
        }
        if (count < 1)
            continue;
        // The sheet of the source's item that creates the supply in this
        // frame.
        QString sheet;
        for (ObjItem *entry : net.source->items()) {
            auto *item = dynamic_cast<GraphicsSource *>(entry);
            if (item && item->additional() && item->placeCreate() && item->fromFrame() == number) {
                if (GraphicsScene *scene = item->graphicsScene())
                    sheet = scene->displayName();
                break;
            }
        }
        auto *row = new QTreeWidgetItem(tree);
        row->setText(0, net.source->name());
        row->setText(1, numberText);
        row->setText(2, QString::number(count));
        row->setText(3, sheet);
    }
}

void Frame::fillSourcesTree(QTreeWidget *tree, const QList<SourceNet> &nets, CheckLog &log)
{
    if (m_layout)
        m_layout->fillSourcesTree(tree, nets, log);
}

void FrameGroup::fillSourcesTree(QTreeWidget *tree, const QList<SourceNet> &nets, CheckLog &log)
{
    for (Frame *frame : std::as_const(items)) {
        if (LOG_CHECK_PTR(log, frame))
            frame->fillSourcesTree(tree, nets, log);
    }
}

void EquipmentMenager::fillSourcesTree(QTreeWidget *tree)
{
    if (!CHECK_PTR(tree))
        return;
    // Each source's net is walked once for all frames.
    const QList<SourceNet> nets = FrameLayout::sourceNets(project());
    if (nets.isEmpty())
        return;
    CheckLog log;
    for (FrameGroup *row : std::as_const(items)) {
        if (LOG_CHECK_PTR(log, row))
            row->fillSourcesTree(tree, nets, log);
    }
    log.show();
}

// ---------------------------------------------------------------------------
// Wiring generation

namespace {

// Asks for the first lines of memory of an object ahead of its reads.
void prefetchLines(const void *object, int lines)
{
    for (int i = 0; i < lines; ++i)
        __builtin_prefetch(static_cast<const char *>(object) + 64 * i);
}

bool isDeviceItem(const GraphicsPlaceItem *item)
{
    return item && item->type() >= firstPlaceDeviceType;
}

bool isContainerItem(const GraphicsPlaceItem *item)
{
    return item && item->type() >= firstContainerType && item->type() < endContainerType;
}

// The device of a device place item; null (logged) for a missing one.
Device *placedDevice(GraphicsPlaceItem *item, CheckLog &log)
{
    auto *deviceItem = dynamic_cast<GraphicsPlaceItemDevice *>(item);
    if (!LOG_CHECK_PTR(log, deviceItem))
        return nullptr;
    Device *device = deviceItem->device();
    LOG_CHECK_PTR(log, device);
    return device;
}

// The panel a place holds in the normal state, with the checks of the
// walks over panels: an empty place is passed over quietly.
GraphicsPlaceContainer *panelIn(Place *place, CheckLog &log)
{
    return place ? heldPanel(place, log) : nullptr;
}

bool isLanguageUa(const GraphicsScene *scene)
{
    return scene && scene->project() && scene->project()->language() != 0;
}

// The long wire-section text of a pin's chain; empty for sections without
// one.
QString sectionNote(Pin *pin, bool ua)
{
    return GraphicsNet::sectionText(pin->sourceName(nullptr), false, ua);
}

// The section notes of every pin of the device, in pin order.
QStringList deviceNotes(Device *device, bool ua, CheckLog &log)
{
    QStringList notes;
    QList<Pin *> pins;
    device->allPins(pins);
    for (Pin *pin : std::as_const(pins)) {
        if (!LOG_CHECK_PTR(log, pin))
            continue;
        const QString text = sectionNote(pin, ua);
        if (!text.isEmpty())
            notes.append(text);
    }
    return notes;
}

// The note of a part page: the long section texts of the pins of every
// scheme item of each device shown, and the power bus's where an item's
// first pin is linked to a bus's feed, each text once, in order.
QString partPageNote(const QList<GraphicsWiringItemDevice *> &shown, bool ua, CheckLog &log)
{
    QStringList list;
    auto add = [&list](const QString &text) {
        if (!text.isEmpty() && !list.contains(text))
            list.append(text);
    };
    for (GraphicsWiringItemDevice *item : shown) {
        Device *device = item->device();
        for (ObjItem *entry : device ? device->items() : QList<ObjItem *>()) {
            PinOwner *owner = entry ? entry->pinOwner() : nullptr;
            if (!LOG_CHECK_PTR(log, owner))
                continue;
            for (int i = 0; i < owner->pinCount(); ++i) {
                if (Pin *pin = owner->pin(i))
                    add(sectionNote(pin, ua));
            }
            auto *first = owner->pinCount() > 0 ? dynamic_cast<WiringPin *>(owner->pin(0)) : nullptr;
            for (int k = 0; first && k < first->linkCount(); ++k) {
                WiringPin *far = first->link(k);
                PinOwner *farOwner = far ? far->owner() : nullptr;
                GraphicsItem *farItem = farOwner ? farOwner->graphicsItem() : nullptr;
                if (farItem && farItem->type() == powerBusType && farOwner->pinCount() > powerBusFeedPin
                    && farOwner->pin(powerBusFeedPin) == far)
                    add(GraphicsNet::sectionText(powerBusSection, false, ua));
            }
        }
    }
    return list.join(noteSeparator);
}

// The note of a relay-case page: the long section texts of every pin of
// each device noted, a line each unless the note holds it already.
QString relayCaseNote(const QList<GraphicsWiringItemDevice *> &noted, bool ua, CheckLog &log)
{
    QString note;
    for (GraphicsWiringItemDevice *item : noted) {
        if (Device *device = item->notedDevice()) {
            for (const QString &text : deviceNotes(device, ua, log))
                WiringLayout::appendNote(note, text);
        }
    }
    return note;
}

using PageNote = QString (*)(const QList<GraphicsWiringItemDevice *> &, bool, CheckLog &);

// The page's note names the wire sections of the devices of its items:
// worked out now, and again whenever a chain may have changed since. The
// items are the page's own, and forget their devices when those go.
void noteDevices(WiringLayout *page, const QList<GraphicsWiringItemDevice *> &items, PageNote note, CheckLog &log)
{
    page->setSecondCaption(note(items, isLanguageUa(page), log));
    page->setNoteSource([page, items, note] {
        // Checks that fail here were shown when the page was built.
        CheckLog quiet;
        return note(items, isLanguageUa(page), quiet);
    });
}

// The wiring item of a placed device on the page at the position.
GraphicsWiringItemDevice *placeWiringItem(GraphicsScene *page, GraphicsWiringItemDevice *item, const QPointF &pos)
{
    if (!item)
        return nullptr;
    page->addGraphicsItem(item);
    item->setPosQuiet(pos);
    return item;
}

// The address of a place alone; the device of the place, when given, is
// not shown but noted.
GraphicsWiringItemDevice *placeAddressOnly(GraphicsScene *page, const Address &address, const QPointF &pos,
                                           Device *noted = nullptr)
{
    auto *item = new GraphicsWiringItemDevice(page, nullptr, noted, &address);
    if (noted) {
        item->showAddressOnly();
        noted->adoptWiringItem(item);
    }
    return placeWiringItem(page, item, pos);
}

// A plain page of the frame with both captions empty.
WiringLayout *addPlainPage(Frame *frame, const QString &name, int kind, bool frontView)
{
    return frame->addWiringLayout<WiringLayout>(name, kind, QString(), frontView, QString());
}

bool isUserItem(const GraphicsItem *item)
{
    return item && WiringLayout::isUserItemType(item->type());
}

bool hasUserItems(const GraphicsScene *page)
{
    const QList<GraphicsItem *> &items = page->graphicsItems();
    return std::any_of(items.cbegin(), items.cend(), isUserItem);
}

// The panel and the panels it carries let go of their pages; a power bus
// is the user's and stays.
void releasePanelWiring(GraphicsPlaceContainer *container)
{
    auto *panel = dynamic_cast<GraphicsFramePanel *>(container);
    if (!panel)
        return;
    panel->setWiringPage(nullptr);
    for (Place *place : panel->places()) {
        if (place && place->state() == Place::Normal)
            releasePanelWiring(dynamic_cast<GraphicsPlaceContainer *>(place->item()));
    }
}

} // namespace

bool Frame::generateWiringLayouts(CheckLog &log, bool build)
{
    forgetSavedRecord();
    if (!m_layout)
        return true;
    m_listingPages = !build;
    m_generating = true;
    const bool ok = m_layout->createWiringLayouts(log);
    m_generating = false;
    m_listingPages = false;
    return ok;
}

bool Frame::createWiringLayouts(CheckLog &log, bool build, bool holdRows)
{
    const bool ok = generateWiringLayouts(log, build);
    // The listed rows join the tree in one insertion with the rows of the
    // pages built: a tree shown in a view lays out its rows again after
    // each.
    QList<QTreeWidgetItem *> rows = std::exchange(m_listedRows, {});
    if (!m_treeItem) {
        qDeleteAll(rows);
        rows.clear();
    }
    if (!holdRows) {
        for (const QPointer<WiringLayout> &page : std::exchange(m_madePages, {})) {
            if (m_treeItem && page && page->sceneItem())
                rows.append(page->sceneItem());
        }
    }
    joinRows(rows);
    return ok;
}

void Frame::joinMadeRows()
{
    QList<QTreeWidgetItem *> rows;
    for (const QPointer<WiringLayout> &page : std::exchange(m_madePages, {})) {
        if (m_treeItem && page && page->sceneItem())
            rows.append(page->sceneItem());
    }
    joinRows(rows);
}

bool Frame::buildWiringPages(bool showChecks)
{
    // Pages built in place of listed rows take drawings the rows could not.
    forgetSavedRecord();
    QList<WiringPageItem *> listed = listedPages();
    EquipmentMenager *equipment = m_project ? m_project->equipment() : nullptr;
    if (listed.isEmpty() || !m_layout || !m_treeItem || !equipment)
        return listed.isEmpty();
    // The pages are numbered as the rows that list them were.
    resetPageCounter();
    // As many pages as rows, as a rule: room for them once. Each page made
    // takes the row that listed it as it is made, in order, for as long as
    // the rows list the pages made.
    m_madePages.reserve(listed.size());
    m_rowsToTake = listed;
    m_rowsTaken = 0;
    m_takingRows = true;
    generateWiringLayouts(equipment->loadLog(), true);
    m_takingRows = false;
    m_rowsToTake = {};
    const qsizetype taken = std::exchange(m_rowsTaken, 0);
    const QList<QPointer<WiringLayout>> pages = std::exchange(m_madePages, {});
    // The first pages made took the rows taken; a page that went since
    // took its row with it.
    bool same = true;
    for (qsizetype i = 0; i < taken; ++i) {
        if (!pages[i]) {
            listed[i] = nullptr;
            same = false;
        }
    }
    QList<WiringLayout *> made;
    made.reserve(pages.size());
    for (const QPointer<WiringLayout> &page : pages) {
        if (page && page->sceneItem())
            made.append(page);
    }
    same = same && made.size() == listed.size();
    for (int i = 0; same && i < made.size(); ++i) {
        same = made[i]->pageClass() == listed[i]->pageClass() && made[i]->kind() == listed[i]->kind()
            && made[i]->name() == listed[i]->pageName();
    }
    if (same) {
        // Each page takes the row that listed it, if it did not as it was
        // made: its own row never joins the tree.
        for (int i = 0; i < made.size(); ++i)
            made[i]->adoptSceneItem(listed[i]);
        // A list made before the frame's pages were numbered anew shows
        // their new numbers now.
        sortRows();
    } else {
        // The pages made follow the rows that listed them, which go: a page
        // that took one takes a row of its own.
        for (qsizetype i = 0; i < taken; ++i) {
            if (WiringLayout *page = pages[i]) {
                auto *own = new SceneItem(page);
                own->setExpanded(true);
                page->adoptSceneItem(own);
                listed[i] = nullptr;
            }
        }
        QList<QTreeWidgetItem *> rows;
        rows.reserve(made.size());
        for (WiringLayout *page : std::as_const(made))
            rows.append(page->sceneItem());
        joinRows(rows);
        qDeleteAll(listed);
    }
    // Built as the project gives them, the pages hold no change of the
    // user's.
    for (WiringLayout *page : std::as_const(made))
        page->setModified(false);
    notePageCount();
    if (showChecks)
        equipment->showGenerationChecks();
    return same;
}

void Frame::dropWiringPages()
{
    const FreeingMany freeing;
    forgetSavedRecord();
    if (m_layout)
        m_layout->clearWiringLayouts();
    qDeleteAll(listedPages());
    resetPageCounter();
}

void Frame::relistLeftPages()
{
    if (!m_layout)
        return;
    QList<QTreeWidgetItem *> rows;
    for (const auto &entry : std::as_const(m_layout->leftPages())) {
        GraphicsScene *page = entry.second;
        // What the generation drew there stood for the parts that left.
        const QList<GraphicsItem *> items = page->graphicsItems();
        for (GraphicsItem *item : items) {
            if (!isUserItem(item))
                page->removeGraphicsItem(item);
        }
        if (QTreeWidgetItem *row = page->sceneItem(); row && !row->parent())
            rows.append(row);
    }
    joinRows(rows);
}

void Frame::resetPageCounter()
{
    m_pageCounter = m_layout ? m_layout->number() : 1;
}

bool FrameGroup::createWiringLayouts(CheckLog &log)
{
    for (Frame *frame : std::as_const(items)) {
        if (!LOG_CHECK_PTR(log, frame) || !frame->createWiringLayouts(log, false))
            return false;
    }
    return true;
}

bool FrameLayout::createWiringLayouts(CheckLog &log)
{
    // The pages now follow the frame as it is.
    m_wiringChanged = false;
    if (!m_frame)
        return true;
    const quint32 code = m_frame->address().packedFrameCode();
    const bool listing = m_frame->listsPagesOnly();
    EquipmentMenager *equipment = project() ? project()->equipment() : nullptr;
    SpecificationManagerCable *cableSpecification = project() ? project()->specificationCable() : nullptr;

    // The DC table pages, then the DC scheme pages, of the modules placed
    // here, by number, then name; only frames of a type that has them look
    // for their modules.
    if (equipment && hasModulePages(m_frame)) {
        // The devices come in name order: a stable sort by number, each
        // read once, keeps it among equal numbers.
        const QList<Device *> placed = equipment->placedDevices(code, ModuleKind);
        std::vector<std::pair<int, Module *>> numbered;
        numbered.reserve(placed.size());
        for (Device *device : placed) {
            auto *module = static_cast<Module *>(device);
            numbered.emplace_back(module->number(), module);
        }
        std::stable_sort(numbered.begin(), numbered.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        QList<Module *> modules;
        modules.reserve(numbered.size());
        for (const auto &entry : numbered)
            modules.append(entry.second);
        Module::prefetchCommands(modules);
        createModuleWiringLayouts(m_frame, modules, m_wiringPages);
    }

    if (m_frame->address().field(0) != relayCaseFrameKind) {
        for (GraphicsFramePart *part : std::as_const(m_parts)) {
            if (!LOG_CHECK_PTR(log, part))
                return false;
            part->createPartWiringLayouts(log);
        }
    } else {
        createRelayCaseWiring(log);
    }

    // Cable pages: at most 200 cores a page, a cable never split.
    const QString cableName = tr("Cable");
    QList<Cable *> collected;
    int cores = 0;
    auto flushCables = [&] {
        auto *page = m_frame->addWiringLayout<WiringLayoutCable>(cableName, 0, QString(), true, QString());
        if (!listing && LOG_CHECK_PTR(log, page)) {
            page->setCables(collected);
            m_wiringPages.append(page);
        }
        collected.clear();
        cores = 0;
    };
    const QList<quint64> cableKeys = cableSpecification ? cableSpecification->keysOfFrame(code) : QList<quint64>();
    // The lists of the keys, then their cables, are asked for from memory
    // before the cores are counted: the fetches overlap.
    QVarLengthArray<const QList<Cable *> *, 16> cableLists;
    for (quint64 key : cableKeys) {
        const auto found = cableSpecification->cables().constFind(key);
        if (found == cableSpecification->cables().cend())
            continue;
        __builtin_prefetch(found->constData());
        cableLists.append(&*found);
    }
    for (const QList<Cable *> *list : std::as_const(cableLists)) {
        for (Cable *cable : *list)
            __builtin_prefetch(cable);
    }
    for (const QList<Cable *> *list : std::as_const(cableLists)) {
        for (Cable *cable : *list) {
            if (!LOG_CHECK_PTR(log, cable))
                continue;
            const int count = int(cable->cores().size());
            if (cores + count > 200 && !collected.isEmpty())
                flushCables();
            collected.append(cable);
            cores += count;
        }
    }
    if (!collected.isEmpty())
        flushCables();
    return true;
}

void FrameLayout::createRelayCaseWiring(CheckLog &log)
{
    // Listing the pages decides each page as building does, and places
    // nothing.
    const bool listing = m_frame->listsPagesOnly();
    int x = columnPageWidth;
    WiringLayout *columnPage = nullptr;
    WiringLayout *heatingPage = nullptr;
    // The items whose devices each page's note names, by page.
    QList<QPair<WiringLayout *, QList<GraphicsWiringItemDevice *>>> noted;
    auto note = [&noted](WiringLayout *page, GraphicsWiringItemDevice *item) {
        auto entry = std::find_if(noted.begin(), noted.end(), [page](const auto &e) { return e.first == page; });
        if (entry == noted.end())
            entry = noted.insert(noted.end(), {page, {}});
        entry->second.append(item);
    };
    for (GraphicsFramePart *part : std::as_const(m_parts)) {
        if (!LOG_CHECK_PTR(log, part) || !part->flag())
            continue;
        const QList<Place *> &places = part->places();
        switch (part->partKind()) {
        case UpperClampPart:
        case LowerClampPart:
            part->createPartWiringLayouts(log);
            break;
        case HeatingPart: {
            heatingPage = addPlainPage(m_frame, QStringLiteral("Heating"), 1, true);
            if (listing || !LOG_CHECK_PTR(log, heatingPage))
                break;
            part->wiringPages().append(heatingPage);
            if (!LOG_CHECK(log, places.size() == 1))
                break;
            GraphicsPlaceContainer *panel = panelIn(places.first(), log);
            if (!LOG_CHECK_PTR(log, panel) || !LOG_CHECK(log, panel->places().size() == 1))
                break;
            Place *place = panel->places().first();
            if (!place || place->state() != Place::Normal || !place->item())
                break;
            if (!LOG_CHECK(log, isDeviceItem(place->item())))
                break;
            Device *device = placedDevice(place->item(), log);
            if (device && device->showAddress()) {
                GraphicsWiringItemDevice *item = device->createWiringItem(heatingPage);
                if (LOG_CHECK_PTR(log, item))
                    placeWiringItem(heatingPage, item, QPointF(800, 2300));
            }
            break;
        }
        case ColumnPart:
        case SecondColumnPart: {
            if (!LOG_CHECK(log, places.size() == 2))
                break;
            // A column without its panel has nothing to wire: the other
            // column goes on alone. Only a place holding something else is
            // reported, and panels of unequal length.
            GraphicsPlaceContainer *panels[2] = {panelIn(places[1], log), panelIn(places[0], log)};
            int length = 0;
            for (int r = 0; r < 2; ++r) {
                Place *place = places[1 - r];
                LOG_CHECK(log, panels[r] || !place || !place->item() || place->state() != Place::Normal);
                length = std::max(length, panels[r] ? int(panels[r]->places().size()) : 0);
            }
            LOG_CHECK(log, !panels[0] || !panels[1] || panels[0]->places().size() == panels[1]->places().size());
            auto placeAt = [&panels](int r, int j) {
                return panels[r] && j < panels[r]->places().size() ? panels[r]->places()[j] : nullptr;
            };
            int containerOffset = 0;
            for (int j = 0; j < length; ++j) {
                Place *at[2] = {placeAt(0, j), placeAt(1, j)};
                auto filled = [](Place *place) {
                    return place && place->state() == Place::Normal && place->item();
                };
                if (!filled(at[0]) && !filled(at[1]))
                    continue;
                int longest = 0;
                for (int r = 0; r < 2; ++r) {
                    if (!filled(at[r]))
                        continue;
                    QList<Place *> list;
                    int xOffset = 0;
                    int yOffset = 0;
                    if (isContainerItem(at[r]->item())) {
                        if (auto *container = dynamic_cast<GraphicsPlaceContainer *>(at[r]->item()))
                            container->collectPlaces(list);
                        containerOffset = 40 * 3 + 200;
                        xOffset = containerOffset;
                        yOffset = 40 * 4;
                    } else {
                        list.append(at[r]);
                        xOffset = part->partKind() == SecondColumnPart ? 40 * 3 : containerOffset;
                    }
                    longest = std::max(longest, int(list.size()));
                    const int columns = divideRoundUp(int(list.size()), 4);
                    if (x + columnPitch * columns > columnPageWidth) {
                        columnPage = addPlainPage(m_frame, QStringLiteral("N"), 1, true);
                        if (!listing && LOG_CHECK_PTR(log, columnPage))
                            part->wiringPages().append(columnPage);
                        x = 250;
                    }
                    if (!columnPage)
                        continue;
                    for (int i = 0; i < list.size(); ++i) {
                        Place *entry = list[i];
                        const QPointF pos(x + xOffset + columnPitch * (i / 4),
                                          bandHeight * r + 60 + yOffset + 325 * (i % 4));
                        if (!entry->item()) {
                            placeAddressOnly(columnPage, entry->address(), pos);
                            continue;
                        }
                        if (!LOG_CHECK(log, isDeviceItem(entry->item())))
                            continue;
                        Device *device = placedDevice(entry->item(), log);
                        if (!device || !device->showAddress())
                            continue;
                        GraphicsWiringItemDevice *item = device->createWiringItem(columnPage);
                        if (!LOG_CHECK_PTR(log, item))
                            continue;
                        note(columnPage, placeWiringItem(columnPage, item, pos));
                    }
                }
                x += columnPitch * divideRoundUp(longest, 4);
            }
            break;
        }
        case LeftSidePart:
        case LeftSideHeatingPart: {
            WiringLayout *page = nullptr;
            if (part->partKind() == LeftSidePart) {
                bool found = false;
                for (Place *place : places) {
                    GraphicsPlaceContainer *panel = place ? heldPanel(place, log) : nullptr;
                    if (!LOG_CHECK_PTR(log, panel))
                        continue;
                    for (int k = int(panel->places().size()) - 1; k >= 0 && !found; --k) {
                        Place *inner = panel->places()[k];
                        if (LOG_CHECK_PTR(log, inner) && inner->state() == Place::Normal
                            && isDeviceItem(inner->item()))
                            found = true;
                    }
                    if (found)
                        break;
                }
                if (!found)
                    break;
                page = addPlainPage(m_frame, QStringLiteral("Left Side"), 1, true);
                if (listing || !LOG_CHECK_PTR(log, page))
                    break;
                part->wiringPages().append(page);
            } else {
                // The heating part before it lends its page; one that a
                // file leaves unflagged lends none, and nothing is drawn.
                page = heatingPage;
                if (listing || !page)
                    break;
            }
            double px = 660;
            for (Place *place : places) {
                GraphicsPlaceContainer *panel = place ? heldPanel(place, log) : nullptr;
                if (!LOG_CHECK_PTR(log, panel))
                    continue;
                double py = 200;
                for (int k = int(panel->places().size()) - 1; k >= 0; --k, py += 200) {
                    Place *inner = panel->places()[k];
                    if (!LOG_CHECK_PTR(log, inner) || inner->state() != Place::Normal)
                        continue;
                    GraphicsPlaceItem *held = inner->item();
                    Device *device = isDeviceItem(held) ? placedDevice(held, log) : nullptr;
                    GraphicsWiringItemDevice *item = nullptr;
                    if (device && device->showAddress()) {
                        item = device->createWiringItem(page);
                        LOG_CHECK_PTR(log, item);
                    }
                    // A device shown without its address still has its
                    // sections named.
                    if (item)
                        placeWiringItem(page, item, QPointF(px, py));
                    else
                        item = placeAddressOnly(page, inner->address(), QPointF(px, py), device);
                    if (device)
                        note(page, item);
                }
                px += 950;
            }
            break;
        }
        default:
            LOG_CHECK(log, false);
            break;
        }
    }
    for (const auto &[page, items] : std::as_const(noted))
        noteDevices(page, items, relayCaseNote, log);
}

void FrameLayout::keepLeftPage(GraphicsScene *page, const void *owner)
{
    if (!page)
        return;
    if (isClosing() || !hasUserItems(page)) {
        delete page;
        return;
    }
    m_wiringChanged = true;
    if (m_frame)
        m_frame->forgetSavedRecord();
    // Its owner may go before it: its note stays as it is.
    if (auto *wiring = qobject_cast<WiringLayout *>(page))
        wiring->setNoteSource(nullptr);
    if (QTreeWidgetItem *row = page->sceneItem(); row && row->parent())
        row->parent()->removeChild(row);
    if (project())
        project()->emitDeleteGraphicsScene(page);
    m_leftPages.append({owner, page});
}

void FrameLayout::forgetLeftPageOwner(const void *owner)
{
    for (auto &entry : m_leftPages) {
        if (entry.first == owner)
            entry.first = nullptr;
    }
}

void FrameLayout::clearWiringLayouts()
{
    const FreeingMany freeing;
    if (m_frame)
        m_frame->forgetSavedRecord();
    CheckLog log;
    for (GraphicsFramePart *part : std::as_const(m_parts)) {
        if (LOG_CHECK_PTR(log, part))
            part->clearWiringLayouts(log);
    }
    const QList<WiringLayout *> pages = std::exchange(m_wiringPages, {});
    qDeleteAll(pages);
}

GraphicsFramePart::~GraphicsFramePart()
{
    // A part leaves with its frame's type: the drawings on its pages stay
    // for the next save. The layout has gone when the part goes with it.
    auto *layout = dynamic_cast<FrameLayout *>(graphicsScene());
    const QList<WiringLayout *> pages = std::exchange(m_wiringPages, {});
    for (WiringLayout *page : pages) {
        if (layout)
            layout->keepLeftPage(page, nullptr);
        else
            delete page;
    }
}

void GraphicsFramePart::clearWiringLayouts(CheckLog &)
{
    const QList<WiringLayout *> pages = std::exchange(m_wiringPages, {});
    qDeleteAll(pages);
    // Only panels hold pages: the other items of the places are passed
    // over without a check noted for each.
    for (Place *place : places()) {
        GraphicsPlaceItem *held = place && place->state() == Place::Normal ? place->item() : nullptr;
        if (held && held->type() == GraphicsFramePanel::Type)
            releasePanelWiring(dynamic_cast<GraphicsPlaceContainer *>(held));
    }
}

bool GraphicsFramePart::createPartWiringLayouts(CheckLog &log)
{
    auto *layout = qobject_cast<FrameLayout *>(graphicsScene());
    Frame *frame = layout ? layout->frame() : nullptr;
    // Only parts read as top-level parts from a file get pages.
    if (!frame || !flag())
        return true;

    // The places, then the items they hold, are asked for from memory
    // before each is looked at: the fetches overlap.
    for (Place *place : places())
        prefetchLines(place, 2);
    for (Place *place : places()) {
        if (place && place->item())
            __builtin_prefetch(place->item());
    }
    QList<GraphicsPlaceContainer *> panels;
    panels.reserve(places().size());
    for (Place *place : places()) {
        if (GraphicsPlaceContainer *panel = panelIn(place, log))
            panels.append(panel);
    }
    int model = clampPanelModel();
    const bool asPlainModel = model == 20 && !frame->hasClampPanelModel(20);
    if (model == -1 || model == 10) {
        for (GraphicsPlaceContainer *panel : std::as_const(panels)) {
            if (auto *framePanel = dynamic_cast<GraphicsFramePanel *>(panel))
                framePanel->buildWiring(log);
        }
        return true;
    }
    if (model == 7) {
        LOG_CHECK(log, false);
        return true;
    }
    if (model == 2 || model == 20) {
        // The varistor and fuse panels have pages of their own.
        for (GraphicsPlaceContainer *panel : std::as_const(panels)) {
            const int type = panel->containerType();
            if (LOG_CHECK(log, type >= 0 && type < panelTypeCount)
                && (panel->containerKind() == 28 || panel->containerKind() == 29)) {
                if (auto *framePanel = dynamic_cast<GraphicsFramePanel *>(panel))
                    framePanel->buildWiring(log);
            }
        }
        if (model == 2 || asPlainModel)
            return true;
    }

    const int kind = partKind();
    const int perBand = kind >= 0 && kind < framePartKindCount ? framePartKinds[kind].placesPerBand : 0;
    int bands = kind >= 0 && kind < framePartKindCount ? framePartKinds[kind].bandsPerPage : 0;
    if ((model == 4 || model == 5) && layout->clampStripTypeInFrame(model) == 8)
        bands = 1;
    if (!LOG_CHECK(log, perBand > 0 && bands > 0))
        return true;
    const double pitch = bandWidth / perBand;
    const QString name = clampPanelModelPlaceText(model);
    const bool onePlace = places().size() == 1;
    // Listing the pages makes each page as building does, and places
    // nothing.
    const bool listing = frame->listsPagesOnly();

    // Building reads every place of the panels and the item it holds:
    // asked for from memory ahead, the fetches overlap.
    if (!listing) {
        for (GraphicsPlaceContainer *panel : std::as_const(panels)) {
            for (Place *place : panel->places())
                prefetchLines(place, 2);
        }
        for (GraphicsPlaceContainer *panel : std::as_const(panels)) {
            for (Place *place : panel->places()) {
                if (place && place->item())
                    prefetchLines(place->item(), 3);
            }
        }
    }

    // The items whose devices each page's note names, by page.
    QList<QList<GraphicsWiringItemDevice *>> noted;
    int a = 0;
    int b = 0;
    for (GraphicsPlaceContainer *panel : std::as_const(panels)) {
        const int panelPlaces = int(panel->places().size());
        auto advance = [&] {
            ++a;
            if (a == panelPlaces || (onePlace && a == perBand)) {
                ++b;
                a = 0;
                if (b == bands)
                    b = 0;
            }
        };
        for (Place *place : panel->places()) {
            if (!LOG_CHECK_PTR(log, place))
                continue;
            WiringLayout *page = nullptr;
            int pageIndex = -1;
            if (onePlace || b == 0) {
                const bool fresh = onePlace ? a == 0 && b == 0 : a % perBand == 0;
                if (fresh) {
                    WiringLayout *made = addPlainPage(frame, name, 0, !onePlace);
                    if (!listing && LOG_CHECK_PTR(log, made)) {
                        m_wiringPages.append(made);
                        noted.append(QList<GraphicsWiringItemDevice *>());
                    }
                }
                if (listing) {
                    advance();
                    continue;
                }
                pageIndex = int(m_wiringPages.size()) - 1;
            } else if (listing) {
                advance();
                continue;
            } else {
                pageIndex = a / perBand + int(m_wiringPages.size()) - divideRoundUp(panelPlaces, perBand);
                if (!LOG_CHECK(log, pageIndex >= 0 && pageIndex < m_wiringPages.size()))
                    pageIndex = -1;
            }
            if (pageIndex >= 0)
                page = m_wiringPages[pageIndex];

            const int r = a % perBand;
            GraphicsWiringItemDevice *shown = nullptr;
            GraphicsPlaceItem *held = place->state() == Place::Normal ? place->item() : nullptr;
            if (page && held && isDeviceItem(held)) {
                Device *device = placedDevice(held, log);
                if (device && device->kind() == ClampPanelKind) {
                    shown = placeWiringItem(page, device->createWiringItem(page),
                                            QPointF(200 + r * pitch + (pitch - blockWidth) / 2, 60 + bandHeight * b));
                }
            } else if (page && held) {
                auto *container = isContainerItem(held) ? dynamic_cast<GraphicsPlaceContainer *>(held) : nullptr;
                if (LOG_CHECK_PTR(log, container) && LOG_CHECK(log, !container->places().isEmpty())) {
                    Place *first = container->places().first();
                    if (LOG_CHECK_PTR(log, first) && first->state() == Place::Normal && isDeviceItem(first->item())) {
                        Device *device = placedDevice(first->item(), log);
                        shown = placeWiringItem(page, device ? device->createWiringItem(page) : nullptr,
                                                QPointF(390 + r * pitch + (pitch - blockWidth) / 2,
                                                        260 + bandHeight * b));
                    }
                }
            }
            if (shown)
                noted[pageIndex].append(shown);
            advance();
        }
    }
    for (int i = 0; i < noted.size(); ++i) {
        if (!noted[i].isEmpty())
            noteDevices(m_wiringPages[i], noted[i], partPageNote, log);
    }
    return true;
}

// ---------------------------------------------------------------------------
// Every frame

namespace {

// What a wiring page stands for, by which the drawings on it find the page
// that replaces it when its frame's pages are built anew: a DC scheme page
// its module, a page of a part or panel that part or panel, any other page
// its frame, class and name; each with its place among the pages that
// stand for the same. So a drawing follows its page through a rename or
// renumbering of the module, a new place of the panel, other clamp panels
// of the frame, and a module's pages to another frame.
struct PageKey
{
    int pageClass = 0;
    const void *owner = nullptr;
    const Frame *frame = nullptr;
    QString name;
    int ordinal = 0;

    bool operator==(const PageKey &other) const
    {
        return pageClass == other.pageClass && owner == other.owner && frame == other.frame && name == other.name
            && ordinal == other.ordinal;
    }
};

size_t qHash(const PageKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.pageClass, quintptr(key.owner), quintptr(key.frame), key.name, key.ordinal);
}

// The wiring pages of a frame taken from their owners and kept alive: the
// layout's, each part's and each panel's, wherever the panel stands, and
// those the layout keeps for parts and panels that left.
struct TakenPages
{
    QList<WiringLayout *> layoutPages;
    QList<QPair<GraphicsFramePart *, QList<WiringLayout *>>> partPages;
    QList<QPair<GraphicsFramePanel *, GraphicsScene *>> panelPages;
    FrameLayout::LeftPages leftPages;

    bool isEmpty() const
    {
        const auto none = [](const auto &entry) { return entry.second.isEmpty(); };
        return layoutPages.isEmpty() && panelPages.isEmpty() && leftPages.isEmpty()
            && std::all_of(partPages.cbegin(), partPages.cend(), none);
    }
};

// The panels of a layout at any depth, in the order the walk for their
// pages meets them; kept from one walk to the next while the layout's items
// stay as they are.
struct PanelWalk
{
    bool walked = false;
    std::vector<GraphicsFramePanel *> panels;
};

TakenPages takePages(FrameLayout *layout, PanelWalk *walk = nullptr)
{
    TakenPages taken;
    taken.layoutPages.swap(layout->wiringPages());
    taken.leftPages.swap(layout->leftPages());
    for (GraphicsFramePart *part : layout->parts()) {
        if (part)
            taken.partPages.append({part, std::exchange(part->wiringPages(), {})});
    }
    auto take = [&taken](GraphicsFramePanel *panel) {
        if (GraphicsScene *page = panel->takeWiringPage())
            taken.panelPages.append({panel, page});
    };
    if (walk && walk->walked) {
        for (GraphicsFramePanel *panel : walk->panels)
            take(panel);
        return taken;
    }
    if (walk) {
        walk->panels.clear();
        walk->walked = true;
    }
    // Every panel of the layout, at any depth: the layout's own items and
    // all below them (the framework's scene may not hold them yet). Each
    // item is asked for from memory as it is stacked, so that the fetches
    // of its siblings overlap; the stack keeps its room from one call to
    // the next.
    thread_local std::vector<GraphicsItem *> pending;
    pending.assign(layout->graphicsItems().cbegin(), layout->graphicsItems().cend());
    for (GraphicsItem *item : pending)
        __builtin_prefetch(item);
    while (!pending.empty()) {
        GraphicsItem *item = pending.back();
        pending.pop_back();
        if (item->hasChildItems()) {
            const QList<GraphicsItem *> children = item->childItems();
            for (GraphicsItem *child : children) {
                __builtin_prefetch(child);
                pending.push_back(child);
            }
        }
        if (item->type() != GraphicsFramePanel::Type)
            continue;
        if (auto *panel = dynamic_cast<GraphicsFramePanel *>(item)) {
            if (walk)
                walk->panels.push_back(panel);
            take(panel);
        }
    }
    return taken;
}

// The taken pages go back to their owners, which hold none.
void givePages(FrameLayout *layout, TakenPages &taken)
{
    layout->wiringPages() = std::exchange(taken.layoutPages, {});
    layout->leftPages() = std::exchange(taken.leftPages, {});
    for (auto &[part, pages] : taken.partPages)
        part->wiringPages() = std::exchange(pages, {});
    for (const auto &[panel, page] : std::as_const(taken.panelPages))
        panel->setWiringPage(page);
    taken = TakenPages();
}

// The taken pages go, and with them the tabs that still show them.
void deletePages(TakenPages &taken)
{
    const FreeingMany freeing;
    qDeleteAll(taken.layoutPages);
    for (const auto &entry : std::as_const(taken.partPages))
        qDeleteAll(entry.second);
    for (const auto &entry : std::as_const(taken.panelPages))
        delete entry.second;
    for (const auto &entry : std::as_const(taken.leftPages))
        delete entry.second;
    taken = TakenPages();
}

using KeyedPages = QList<QPair<WiringLayout *, PageKey>>;

KeyedPages keyedPages(const TakenPages &taken, const Frame *frame)
{
    KeyedPages keyed;
    QHash<PageKey, int> seen;
    auto add = [&](GraphicsScene *scene, PageKey key) {
        auto *page = qobject_cast<WiringLayout *>(scene);
        if (!page)
            return;
        key.pageClass = page->pageClass();
        key.ordinal = seen[key]++;
        keyed.append({page, key});
    };
    for (WiringLayout *page : taken.layoutPages) {
        auto *scheme = qobject_cast<WiringLayoutDCScheme *>(page);
        if (scheme && scheme->module())
            add(page, PageKey{0, scheme->module(), nullptr, QString(), 0});
        else
            add(page, PageKey{0, nullptr, frame, page->name(), 0});
    }
    for (const auto &[part, pages] : taken.partPages) {
        for (WiringLayout *page : pages)
            add(page, PageKey{0, part, nullptr, QString(), 0});
    }
    for (const auto &[panel, page] : taken.panelPages)
        add(page, PageKey{0, panel, nullptr, QString(), 0});
    // A page kept for a panel that took another type stands for the panel;
    // one whose panel or part is gone stands for itself, which no page made
    // now can stand for.
    for (const auto &[panel, page] : taken.leftPages)
        add(page, PageKey{0, panel ? panel : page, nullptr, QString(), 0});
    return keyed;
}

// What a page shows apart from the user's drawings: its own fields, then
// each generated item in the order made, with its place, extent and what
// it is bound to. The items draw what they are bound to as it stands: two
// pages with the same content show and print the same.
QByteArray generatedContent(const WiringLayout *page)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    auto bound = [&out](const void *object) { out << quint64(quintptr(object)); };
    out << qint32(page->pageClass()) << page->name() << qint32(page->kind()) << page->firstCaption()
        << page->secondCaption() << page->isFrontView() << qint32(page->number());
    if (auto *cables = qobject_cast<const WiringLayoutCable *>(page)) {
        for (const Cable *cable : cables->cables())
            bound(cable);
    } else if (auto *table = qobject_cast<const WiringLayoutDCTable *>(page)) {
        for (const Module *module : table->modules())
            bound(module);
    } else if (auto *scheme = qobject_cast<const WiringLayoutDCScheme *>(page)) {
        bound(scheme->module());
        out << scheme->isFirstPage();
    }
    std::function<void(const GraphicsItem *)> write = [&](const GraphicsItem *item) {
        out << qint32(item->type()) << item->scenePos() << item->boundingRect();
        if (auto *device = dynamic_cast<const GraphicsWiringItemDevice *>(item)) {
            bound(device->device());
            const Address *address = device->address();
            for (int i = 0; address && i <= 6; ++i)
                out << address->field(i);
            out << (address && address->hasField5()) << (address && address->padWithZero());
        } else if (auto *container = dynamic_cast<const GraphicsWiringContainer *>(item)) {
            bound(container->source());
            out << qint32(container->kind());
        } else if (auto *bus = dynamic_cast<const GraphicsWiringPowerBus *>(item)) {
            bound(bus->bus());
        }
        const QList<GraphicsItem *> children = item->childItems();
        for (const GraphicsItem *child : children)
            write(child);
    };
    for (const GraphicsItem *item : page->graphicsItems()) {
        if (!isUserItem(item))
            write(item);
    }
    return bytes;
}

// Whether the pages made now are the pages taken, one for one: the same
// things in the same order with the same content. Pages kept for parts and
// panels that left have owners no more: never the same.
bool samePages(const TakenPages &taken, const TakenPages &made, const Frame *frame)
{
    if (!taken.leftPages.isEmpty())
        return false;
    const KeyedPages before = keyedPages(taken, frame);
    const KeyedPages after = keyedPages(made, frame);
    if (before.size() != after.size())
        return false;
    for (int i = 0; i < before.size(); ++i) {
        if (!(before[i].second == after[i].second)
            || generatedContent(before[i].first) != generatedContent(after[i].first))
            return false;
    }
    return true;
}

// The drawings of the user on a page: for each its type, data and geometry.
QByteArray takeUserItems(GraphicsScene *page)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    const QList<GraphicsItem *> items = page->graphicsItems();
    for (GraphicsItem *item : items) {
        if (!isUserItem(item))
            continue;
        out << qint32(item->type());
        item->saveData(out);
        item->saveGeometry(out);
    }
    return bytes;
}

void putUserItems(GraphicsScene *page, QByteArray bytes)
{
    DataStream in(&bytes, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    while (!in.atEnd() && in.status() == QDataStream::Ok) {
        qint32 type = 0;
        in >> type;
        GraphicsItem *item = CHECK(WiringLayout::isUserItemType(type)) ? page->createItem(type) : nullptr;
        if (!CHECK_PTR(item) || !page->addGraphicsItem(item))
            return;
        item->loadData(in);
        item->loadGeometry(in);
    }
}

// Where each document below the frame's row stands: the equipment file
// keeps the drawings in that order.
QHash<const GraphicsScene *, int> positionsOf(const Frame *frame)
{
    QHash<const GraphicsScene *, int> positions;
    const FrameItem *row = frame ? frame->treeItem() : nullptr;
    for (int i = 0; row && i < row->childCount(); ++i) {
        auto *node = dynamic_cast<ProjectItemOwner<GraphicsScene> *>(row->child(i));
        if (node && node->owner())
            positions.insert(node->owner(), i);
    }
    return positions;
}

bool hasBuiltPages(const Frame *frame)
{
    const FrameItem *row = frame->treeItem();
    for (int i = 0; row && i < row->childCount(); ++i) {
        auto *node = dynamic_cast<ProjectItemOwner<GraphicsScene> *>(row->child(i));
        if (node && qobject_cast<WiringLayout *>(node->owner()))
            return true;
    }
    return false;
}

// The views of a page go on showing the page that replaces it, in their
// places among the tabs.
void handOverViews(WiringLayout *from, WiringLayout *to)
{
    const QList<QGraphicsView *> views = from->views();
    for (QGraphicsView *view : views) {
        if (auto *edit = qobject_cast<GraphicsEdit *>(view))
            edit->setScene(to);
        else
            view->setScene(to->liveScene());
    }
    if (!views.isEmpty() && to->project())
        to->project()->emitNameChangedGraphicsScene(*to);
}

} // namespace

QList<Frame *> EquipmentMenager::framesWithCode(quint32 code) const
{
    int count = 0;
    for (const FrameGroup *row : items)
        count += row ? int(row->itemList().size()) : 0;
    // A frame joins a row after it was made and leaves it only as it goes:
    // with no code changed and no frame gone, the count tells a newcomer.
    if (count != m_framesCounted || Frame::codeChanges() != m_framesByCodeAt) {
        m_framesByCode.clear();
        for (const FrameGroup *row : items) {
            for (Frame *frame : row ? row->itemList() : QList<Frame *>()) {
                if (frame)
                    m_framesByCode[frame->address().packedFrameCode()].append(frame);
            }
        }
        m_framesCounted = count;
        m_framesByCodeAt = Frame::codeChanges();
    }
    return m_framesByCode.value(code);
}

QList<Device *> EquipmentMenager::placedDevices(quint32 code, int kind) const
{
    QList<Device *> found;
    Project *project = this->project();
    if (!project)
        return found;
    // A device stands where its own place item lies: an item that is not
    // the device's, or a device the project's index no longer holds, is
    // passed over. Only the items below a device's own are looked into.
    // The items are taken level by level, each asked for from memory as it
    // is listed, so that the fetches of a level overlap; the devices of the
    // items found are then asked for and looked at in the same way.
    // The lists keep their room from one call to the next: in a heap that
    // the pages just freed by the thousand, every new block of that size
    // would be searched for among them.
    thread_local std::vector<GraphicsItem *> walked;
    thread_local std::vector<GraphicsPlaceItemDevice *> deviceItems;
    walked.clear();
    deviceItems.clear();
    for (Frame *frame : framesWithCode(code)) {
        if (FrameLayout *layout = frame->layout())
            walked.insert(walked.end(), layout->graphicsItems().cbegin(), layout->graphicsItems().cend());
    }
    // A device's item is read at its start and beyond: its first lines.
    for (GraphicsItem *item : walked)
        prefetchLines(item, 3);
    for (std::size_t i = 0; i < walked.size(); ++i) {
        GraphicsItem *item = walked[i];
        if (item->type() < firstPlaceDeviceType) {
            // A container's children are its places and the containers
            // built into them: a device's item is never among them.
            if (item->type() >= firstContainerType)
                continue;
            const std::size_t from = walked.size();
            item->appendChildren(walked);
            for (std::size_t j = from; j < walked.size(); ++j)
                __builtin_prefetch(walked[j]);
            continue;
        }
        // Devices' items hold no placed items.
        if (auto *placed = dynamic_cast<GraphicsPlaceItemDevice *>(item)) {
            if (Device *device = placed->device()) {
                prefetchLines(device, 2);
                if (Place *place = placed->place())
                    __builtin_prefetch(&place->address());
                deviceItems.push_back(placed);
            }
        }
    }
    for (GraphicsPlaceItemDevice *placed : deviceItems) {
        Device *device = placed->device();
        const Address *address = device->kind() == kind && device->placeItem() == placed ? device->address() : nullptr;
        if (address && address->packedFrameCode() == code && device->isIndexed() && device->project() == project)
            found.append(device);
    }
    std::sort(found.begin(), found.end(), [](const Device *a, const Device *b) { return a->name() < b->name(); });
    return found;
}

bool EquipmentMenager::createWiringLayouts()
{
    // What changed before is in the pages listed now.
    if (project())
        project()->takeWiringFrames();
    for (FrameGroup *row : std::as_const(items)) {
        if (!LOG_CHECK_PTR(m_generationLog, row) || !row->createWiringLayouts(m_generationLog))
            return false;
    }
    return true;
}

void EquipmentMenager::showGenerationChecks()
{
    m_generationLog.show();
}

bool EquipmentMenager::rebuildWiringLayouts()
{
    Project *project = this->project();
    if (!project || !project->specificationCable())
        return true;
    // A load gives each frame the number of the row that holds it: a frame
    // that joined a row without taking its number takes it now, so that the
    // pages saved are those the load builds.
    for (FrameGroup *row : std::as_const(items)) {
        for (Frame *frame : row->itemList()) {
            if (frame && frame->address().field(1) != row->address().field(1))
                frame->setAddressField(row->address(), 1);
        }
    }
    // Only the frames whose pages may have changed are built anew: those
    // whose layouts changed and those the project marked (modules, clamp
    // panels, cables). What the others would build is what they hold.
    const QSet<quint32> marked = project->takeWiringFrames();
    const bool all = std::exchange(m_rebuildAll, false);
    QList<Frame *> due;
    for (FrameGroup *row : std::as_const(items)) {
        for (Frame *frame : row->itemList()) {
            FrameLayout *layout = frame ? frame->layout() : nullptr;
            if (layout && (all || layout->wiringChanged() || marked.contains(frame->address().packedFrameCode())))
                due.append(frame);
        }
    }
    if (due.isEmpty())
        return true;
    // What left a layout goes now, as the event loop takes it before any
    // save the user asks for, and the pages it owned with it: every page
    // left below a frame's row then has its owner in the layout.
    for (Frame *frame : std::as_const(due))
        frame->layout()->deleteGraphicsItemsLater();
    // The drawn DC pages of a module follow it to a frame that only lists
    // its pages: that frame's pages are built too.
    QSet<quint32> wanted;
    for (Frame *frame : std::as_const(due)) {
        for (WiringLayout *page : frame->layout()->wiringPages()) {
            auto *scheme = qobject_cast<WiringLayoutDCScheme *>(page);
            const Address *address = scheme && scheme->module() ? scheme->module()->address() : nullptr;
            if (address && hasUserItems(page))
                wanted.insert(address->packedFrameCode());
        }
    }

    // A frame whose pages are built anew, its former pages kept aside with
    // their places until they go over to the pages that replace them.
    struct Rebuilt
    {
        Frame *frame;
        TakenPages former;
        QHash<const GraphicsScene *, int> positions;
        int pageCounter;
        // The layout's panels as the former pages were taken from them:
        // the generation adds none and removes none.
        PanelWalk walk;
        TakenPages fresh;
    };
    std::vector<Rebuilt> rebuilt;
    {
        Project::IdentityScope identities(*project);
        for (Frame *frame : std::as_const(due)) {
            PanelWalk walk;
            TakenPages former = hasBuiltPages(frame) || !frame->layout()->leftPages().isEmpty()
                ? takePages(frame->layout(), &walk)
                : TakenPages();
            if (former.isEmpty()) {
                // Pages only listed hold no drawings: the frame lists its
                // pages anew, unless drawings come to it.
                frame->dropWiringPages();
                if (!wanted.contains(frame->address().packedFrameCode())) {
                    frame->createWiringLayouts(m_generationLog, false);
                    frame->notePageCount();
                    continue;
                }
            }
            rebuilt.push_back({frame, std::move(former), positionsOf(frame), frame->pageCounter(), std::move(walk), {}});
            frame->resetPageCounter();
            // The rows of the pages made join the tree only if the pages
            // stay.
            frame->createWiringLayouts(m_generationLog, true, true);
        }
    }
    // The pages made are taken before the checks are shown: the layouts
    // hold the panels they held when the former pages were taken.
    for (Rebuilt &entry : rebuilt)
        entry.fresh = takePages(entry.frame->layout(), &entry.walk);
    m_generationLog.show();

    // A frame that makes the very pages it holds keeps them, with their
    // drawings and views; in any other, each former page meets the page
    // that stands for the same thing.
    QHash<PageKey, WiringLayout *> made;
    QList<WiringLayout *> freshPages;
    for (Rebuilt &entry : rebuilt) {
        TakenPages fresh = std::exchange(entry.fresh, {});
        if (!all && !entry.former.isEmpty() && samePages(entry.former, fresh, entry.frame)) {
            deletePages(fresh);
            entry.frame->joinMadeRows();
            givePages(entry.frame->layout(), entry.former);
            entry.frame->restorePageCounter(entry.pageCounter);
            entry.frame = nullptr;
            continue;
        }
        for (const auto &[page, key] : keyedPages(fresh, entry.frame)) {
            freshPages.append(page);
            if (!made.contains(key))
                made.insert(key, page);
        }
        givePages(entry.frame->layout(), fresh);
    }
    rebuilt.erase(std::remove_if(rebuilt.begin(), rebuilt.end(), [](const Rebuilt &entry) { return !entry.frame; }),
                  rebuilt.end());
    QList<QPair<WiringLayout *, WiringLayout *>> successors;
    QStringList lost;
    for (const Rebuilt &entry : rebuilt) {
        for (const auto &[page, key] : keyedPages(entry.former, entry.frame)) {
            WiringLayout *next = made.take(key);
            successors.append(qMakePair(page, next));
            if (!next && hasUserItems(page))
                lost.append(page->sheetName() + QLatin1Char(' ') + page->name());
        }
    }
    if (!lost.isEmpty()
        && !askYesNo(tr("The changes leave no page for your drawings on the wiring pages %1. Save and lose these "
                        "drawings?")
                         .arg(lost.join(QLatin1String(", "))))) {
        // Kept: every frame goes back to its pages and drawings as they
        // were, or to its pages listed, and stays due.
        for (Rebuilt &entry : rebuilt) {
            entry.frame->dropWiringPages();
            // The pages made are gone: none of their rows joins.
            entry.frame->joinMadeRows();
            if (entry.former.isEmpty()) {
                entry.frame->createWiringLayouts(m_generationLog, false);
                continue;
            }
            givePages(entry.frame->layout(), entry.former);
            entry.frame->restorePageCounter(entry.pageCounter);
            entry.frame->relistLeftPages();
        }
        for (Frame *frame : std::as_const(due))
            frame->layout()->setWiringChanged();
        for (quint32 code : marked)
            project->noteWiringFrame(code);
        m_rebuildAll = all;
        return false;
    }
    // The rows of the pages made join the tree once the question, if any,
    // is answered: while it is shown, the tree lists the pages as they were.
    for (Rebuilt &entry : rebuilt)
        entry.frame->joinMadeRows();

    // The drawings and the views go over. The equipment file follows when
    // a drawing is lost or lands on a page of another place.
    QHash<const GraphicsScene *, QPair<const Frame *, int>> formerPlaces;
    for (const Rebuilt &entry : rebuilt) {
        for (auto at = entry.positions.cbegin(); at != entry.positions.cend(); ++at)
            formerPlaces.insert(at.key(), {entry.frame, at.value()});
    }
    QList<QPair<WiringLayout *, QPair<const Frame *, int>>> carried;
    QSet<WiringLayout *> unsaved;
    for (const auto &[page, next] : std::as_const(successors)) {
        if (!next)
            continue;
        if (hasUserItems(page)) {
            putUserItems(next, takeUserItems(page));
            carried.append({next, formerPlaces.value(page)});
        }
        if (page->isModified())
            unsaved.insert(next);
        handOverViews(page, next);
    }
    // Built as the project gives them, the pages hold no change of the
    // user's but the changes they took over.
    for (WiringLayout *page : std::as_const(freshPages))
        page->setModified(unsaved.contains(page));
    for (Rebuilt &entry : rebuilt)
        deletePages(entry.former);
    bool moved = !lost.isEmpty();
    QHash<const Frame *, QHash<const GraphicsScene *, int>> places;
    for (const auto &[page, former] : std::as_const(carried)) {
        auto at = places.find(page->frame());
        if (at == places.end())
            at = places.insert(page->frame(), positionsOf(page->frame()));
        moved = moved || former.first != page->frame() || former.second != at->value(page, -1);
    }
    for (const Rebuilt &entry : rebuilt)
        entry.frame->notePageCount();
    if (moved)
        changed();
    return true;
}

void EquipmentMenager::prepareFullSave()
{
    m_rebuildAll = true;
}

void EquipmentMenager::setAllWiringChanged()
{
    for (FrameGroup *row : std::as_const(items)) {
        for (Frame *frame : row->itemList()) {
            if (frame && frame->layout())
                frame->layout()->setWiringChanged();
        }
    }
}
