// Saving, loading, using and closing whole projects of growing sizes, each ten
// times the one before: devices with cables, scheme sheets full of bound
// symbols, nodes, nets, sources and texts, and rows of frames holding placed
// devices, panels, clamp panels, relays and blocks, whose wiring pages every
// load lists.
// Each operation is timed over several rounds (median, min and max) and set
// against its floor: a load against reading the same files' bytes (once each,
// no folder listing; right after it, round by round), also for the first load
// in a fresh process (there against a read made in the same fresh process just
// before it, each file read into memory let go before the next, as the load
// reads them; round by round), with
// the memory that load leaves held (the allocator's count and the resident
// memory), and the most it held resident, against the bytes on disk; a save, a
// save after one sheet changed and one after a device moved in one frame,
// against writing the bytes of the files it writes with the same syncs; a
// close, and a close after every wiring page was shown in a view and closed
// again, against the toolkit freeing as many empty scenes; a close after every
// sheet, layout and page was printed against the same close after the project
// lay untouched as long as the print took; the wiring pages' listing, building
// (also as the whole branch's PDF builds them), framework scenes and rebuild
// against the toolkit making as many tree rows, items and scenes. The growth
// per ten times the size shows whether each stays linear. Every load is checked
// (result, boxes shown, objects, items, placed items and pages) before its time
// counts, every build of the pages for the pages it gives.
#include "bench/coldcaches.h"
#include "bench/furnish.h"
#include "bench/wiringfigures.h"
#include "devices/graphicscontact.h"
#include "devices/graphicsfuse.h"
#include "devices/graphicskeystaff.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/relay.h"
#include "devices/relaycatalogue.h"
#include "equipment/cable.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/framegroup.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/wiringlayout.h"
#include "graphics/font.h"
#include "graphics/graphicsedit.h"
#include "graphics/graphicstext.h"
#include "model/file.h"
#include "model/address.h"
#include "model/check.h"
#include "model/device.h"
#include "model/heappages.h"
#include "model/project.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicssource.h"
#include "schemes/net.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <vector>


namespace {

int boxes = 0;

// Devices of these kinds, in turn, each with a type of its catalogue.
struct KindRow
{
    int kind;
    int types;
};
const KindRow kinds[] = {{RelayKind, 116}, {FuseKind, 91},  {ResistorKind, 1}, {ButtonKind, 22},
                         {ModuleKind, 3},  {LampKind, 1},   {KeystaffKind, 2}, {FuseKind, 91}};
const int kindCount = int(sizeof kinds / sizeof kinds[0]);
// Devices drawn on one sheet.
const int perSheet = 17;
// Devices whose frame is the same, and the frame type that gets the DC
// pages of its modules.
const int perFrame = 100;
const int dcFrameType = 11;

template <class T>
T *put(Scheme &scheme, T *item, const QPointF &pos)
{
    scheme.addGraphicsItem(item);
    item->setPosQuiet(pos);
    return item;
}

GraphicsNet *wire(Scheme &scheme, Pin *a, Pin *b)
{
    auto at = [](Pin *pin) { return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center()); };
    const QPointF from = at(a);
    auto *net = put(scheme, new GraphicsNet(&scheme), from);
    net->moveEnds(net->pin(0), QPointF(0, 0), net->pin(1), at(b) - from);
    a->solder(net->pin(0));
    net->pin(1)->solder(b);
    return net;
}

// A relay's first winding with the first contact of that winding beside
// it, as a sheet of relay circuits shows them; each measures its caption.
GraphicsItem *relaySymbol(Scheme &scheme, Relay *relay, const QPointF &pos)
{
    const RelayType &type = relayTypes[relay->modelIndex()];
    const QString windingName = type.windingCount > 1 ? relay->name() + QLatin1Char('a') : relay->name();
    auto *winding = put(scheme, new GraphicsRelayWinding(&scheme), pos);
    winding->setType(relay->modelIndex(), 0, 0);
    winding->Obj::setName(windingName);
    relay->appendItem(winding);
    winding->GraphicsObjItem::setName(relay->name());
    winding->updatePinNames();
    winding->updateFromObj();
    const RelayDescriptor &descriptor = type.windings[0];
    if (descriptor.contactCount > 0) {
        auto *contact = put(scheme, new GraphicsContact(&scheme), pos + QPointF(0, 250));
        contact->setContactKind(descriptor.contacts[0].kind);
        contact->setContactNumber(0);
        contact->setName(windingName);
    }
    return winding;
}

// The symbol of a device on a sheet: relays by a winding and a contact,
// fuses and keystaffs by their own items bound by name, the other kinds by
// a text with their name.
GraphicsItem *symbol(Scheme &scheme, Obj *obj, const QPointF &pos)
{
    switch (obj->kind()) {
    case RelayKind:
        return relaySymbol(scheme, static_cast<Relay *>(obj), pos);
    case FuseKind: {
        auto *item = put(scheme, new GraphicsFuse(&scheme), pos);
        item->setRole(false, false);
        item->setName(obj->name());
        return item;
    }
    case KeystaffKind: {
        auto *item = put(scheme, new GraphicsKeystaff(&scheme), pos);
        item->setName(obj->name());
        return item;
    }
    default: {
        auto *text = put(scheme, new GraphicsText(&scheme, nullptr), pos);
        text->setText(obj->name());
        return text;
    }
    }
}

// One sheet: a row of symbols, each hung from a node on a trunk by a
// branch net, a source feeding the trunk and a title text.
void drawSheet(Scheme &scheme, const QList<Obj *> &devices, int sheet)
{
    auto *source = put(scheme, new GraphicsSource(&scheme), QPointF(100, 100));
    source->setName(QStringLiteral("S%1").arg(sheet % 40));
    auto *title = put(scheme, new GraphicsText(&scheme, nullptr), QPointF(200, 60));
    title->setText(QStringLiteral("Sheet %1 of the feeders").arg(sheet));
    Pin *trunkEnd = source->pin(0);
    for (int i = 0; i < devices.size(); ++i) {
        const double x = 200 + 200.0 * (i % 16);
        const double y = 300 + 600.0 * (i / 16);
        auto *node = put(scheme, new GraphicsNode(&scheme), QPointF(x, y));
        GraphicsItem *item = symbol(scheme, devices[i], QPointF(x, y + 200));
        if (trunkEnd)
            wire(scheme, trunkEnd, node->pin(2));
        trunkEnd = node->pin(1);
        auto *pinned = toNonPrimitiveItem(item);
        if (Pin *free = pinned ? pinned->firstFreePin() : nullptr)
            wire(scheme, node->pin(0), free);
    }
    scheme.setModified(true);
}

struct Counts
{
    int objects = 0;
    int items = 0;
    int sheets = 0;
    // Items on the frame layouts, and the wiring pages under the frames.
    int placed = 0;
    int pages = 0;
    // Scenes (sheets, frame layouts, wiring pages) and the items on them,
    // children included.
    int scenes = 0;
    int sceneItems = 0;
    bool operator!=(const Counts &o) const
    {
        return objects != o.objects || items != o.items || sheets != o.sheets || placed != o.placed
            || pages != o.pages || scenes != o.scenes || sceneItems != o.sceneItems;
    }
};

using wiringfigures::treeSize;

Counts countOf(Project &project)
{
    Counts c;
    for (int kind : project.indexedKinds())
        c.objects += int(project.objectsOfKind(kind)->size());
    for (SchemeGroup *group : project.schemes()->itemList()) {
        for (Scheme *scheme : group->itemList()) {
            ++c.sheets;
            c.items += int(scheme->graphicsItems().size());
            // A sheet that no view has shown yet keeps its items out of
            // the toolkit's scene: counted as the sheet holds them.
            for (const GraphicsItem *item : scheme->graphicsItems())
                c.sceneItems += treeSize(item);
        }
    }
    for (FrameGroup *row : project.equipment()->itemList()) {
        for (Frame *frame : row->itemList()) {
            c.placed += int(frame->layout()->graphicsItems().size());
            // Listed or built, each page is a scene of its own.
            c.pages += frame->treeItem()->childCount() - 1;
            c.scenes += frame->treeItem()->childCount();
            QList<WiringLayout *> pages = frame->layout()->wiringPages();
            for (const GraphicsItem *item : frame->layout()->graphicsItems())
                c.sceneItems += treeSize(item);
            for (GraphicsFramePart *part : frame->layout()->parts())
                pages += part->wiringPages();
            for (WiringLayout *page : pages) {
                for (const GraphicsItem *item : page->graphicsItems())
                    c.sceneItems += treeSize(item);
            }
        }
    }
    c.scenes += c.sheets;
    return c;
}

// The sheets, layouts and pages that hold a framework scene: those that
// something showed, printed or searched.
int frameworkScenes(Project &project)
{
    int n = 0;
    auto count = [&n](const GraphicsScene *sheet) { n += sheet->liveSceneIfAny() ? 1 : 0; };
    for (SchemeGroup *group : project.schemes()->itemList()) {
        for (Scheme *scheme : group->itemList())
            count(scheme);
    }
    for (FrameGroup *row : project.equipment()->itemList()) {
        for (Frame *frame : row->itemList()) {
            count(frame->layout());
            QList<WiringLayout *> pages = frame->layout()->wiringPages();
            for (GraphicsFramePart *part : frame->layout()->parts())
                pages += part->wiringPages();
            for (WiringLayout *page : pages)
                count(page);
        }
    }
    return n;
}

void fill(Project &project, int devices)
{
    QList<Obj *> objects;
    for (int i = 0; i < devices; ++i) {
        const KindRow &row = kinds[i % kindCount];
        Obj *obj = project.createDevice(row.kind);
        obj->setName(QStringLiteral("%1%2").arg(project.kindName(row.kind)).arg(i));
        if (auto *device = dynamic_cast<Device *>(obj))
            device->setModelIndex(i % row.types);
        objects.append(obj);
    }
    // The sheets, ten to a group (more where the groups' numbered folders
    // would run out), each in its own file.
    SchemeGroup *group = nullptr;
    const int sheets = (devices + perSheet - 1) / perSheet;
    const int perGroup = std::max(10, (sheets + 899) / 900);
    for (int i = 0; i < sheets; ++i) {
        if (i % perGroup == 0) {
            group = new SchemeGroup(&project);
            group->setAtrNumber(i / perGroup + 1);
            project.schemes()->appendItem(group);
        }
        auto *scheme = new Scheme(&project);
        scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        scheme->setName(QStringLiteral("scheme %1").arg(i));
        scheme->setNumber(i % perGroup + 1);
        group->appendItem(scheme);
        drawSheet(*scheme, objects.mid(i * perSheet, perSheet), i);
    }
    // One frame for every hundred devices, ten to a row (more where the
    // rows' one-byte numbers would run out, which would give frames the
    // same address). Every second frame holds the modules and relays of its
    // hundred in the places of its parts; the others are clamp frames, relay
    // cases and cross-connection frames. Every place left then gets a panel
    // or a device it takes, so that every kind of wiring page holds items.
    FrameGroup *row = nullptr;
    QList<Frame *> frames;
    const int frameCount = devices / perFrame;
    const int perRow = std::max(10, (frameCount + 249) / 250);
    for (int i = 0; i < frameCount; ++i) {
        if (i % perRow == 0) {
            row = new FrameGroup(&project);
            project.equipment()->appendItem(row);
            Address address;
            address.setField(1, quint8(i / perRow + 1));
            row->setAddress(address);
        }
        auto *frame = new Frame(&project);
        Address a;
        a.setField(2, quint8(i % perRow + 1));
        frame->setAddressField(a, 2);
        row->appendItem(frame);
        frame->setAddressField(row->address(), 1);
        frame->setFrameType(i % 2 ? furnish::frameTypes[1 + i / 2 % (furnish::frameTypeCount - 1)] : dcFrameType);
        frames.append(frame);
        if (i % 2)
            continue;
        QList<Place *> places;
        for (GraphicsFramePart *part : frame->layout()->parts())
            places += part->places();
        // A device wider than its place covers the next ones.
        auto next = [&places]() -> Place * {
            while (!places.isEmpty()) {
                Place *place = places.takeFirst();
                if (place->state() == Place::Normal && !place->item())
                    return place;
            }
            return nullptr;
        };
        for (int d = i * perFrame; d < (i + 1) * perFrame; ++d) {
            const int kind = objects[d]->kind();
            if (kind != ModuleKind && kind != RelayKind)
                continue;
            Place *place = next();
            if (!place)
                break;
            GraphicsPlaceItemDevice *item = static_cast<Device *>(objects[d])->createPlaceItem(frame->layout());
            frame->layout()->addGraphicsItem(item);
            place->putItem(item);
        }
    }
    const std::vector<furnish::Model> models = furnish::placeableModels(project);
    int named = 0;
    for (Frame *frame : std::as_const(frames))
        furnish::furnishFrame(project, frame, models, named);
    // One cable for every ten devices, with a few cores each, between
    // neighbouring frames.
    SpecificationManagerCable *cables = project.specificationCable();
    for (int i = 0; i < devices / 10 && frames.size() > 1; ++i) {
        auto *cable = new Cable(i % Cable::TypeCount);
        cable->setNumber(i);
        for (int c = 0; c < 4; ++c)
            cable->appendCore(new CableCore{QStringLiteral("K%1:%2").arg(i).arg(c), QStringLiteral("X%1").arg(c), c});
        const Frame *from = frames[i % frames.size()];
        const Frame *to = frames[(i + 1) % frames.size()];
        cables->addCable(quint64(from->address().packedFrameCode()) << 32 | to->address().packedFrameCode(), cable);
    }
}

// The files of the project: the main file, its side files and the sheets'
// files. Listed once, before anything is timed.
QStringList projectFiles(const QString &dir)
{
    QStringList paths;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();
    return paths;
}

// The bytes of the files, read once each: the floor of a load.
QList<QByteArray> readBytes(const QStringList &paths, qint64 *bytes)
{
    QList<QByteArray> contents;
    contents.reserve(paths.size());
    *bytes = 0;
    for (const QString &path : paths) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        contents.append(f.readAll());
        *bytes += contents.last().size();
    }
    return contents;
}

bool writeSynced(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
        && f.write(bytes) == bytes.size();
    f.close();
    return ok && syncToDisk(path);
}

// The bytes written as a save writes them: each file staged and synced,
// a record of them written, synced and put in place, then every old file
// moved aside, every new one put in place, each folder synced after each
// of the two, and the old files and the record removed. The floor of a
// save of the same files.
void startTimer(QElapsedTimer &t)
{
    sweepCaches();
    t.start();
}

qint64 rawWriteNs(const QString &rawDir, const QStringList &paths, const QString &root)
{
    QList<QByteArray> contents;
    qint64 bytes = 0;
    contents = readBytes(paths, &bytes);
    QStringList targets;
    for (const QString &path : paths) {
        const QString target = rawDir + QLatin1Char('/') + QDir(root).relativeFilePath(path);
        QDir().mkpath(QFileInfo(target).absolutePath());
        targets.append(target);
    }
    QElapsedTimer t;
    startTimer(t);
    bool ok = true;
    for (int i = 0; i < targets.size(); ++i)
        ok = writeSynced(targets[i] + QStringLiteral(".staged"), contents[i]) && ok;
    const QString record = rawDir + QStringLiteral("/record");
    ok = writeSynced(record + QStringLiteral(".new"), targets.join(QLatin1Char('\n')).toUtf8()) && ok;
    ok = std::rename(QFile::encodeName(record + QStringLiteral(".new")).constData(),
                     QFile::encodeName(record).constData())
            == 0
        && ok;
    ok = syncToDisk(rawDir) && ok;
    QStringList folders;
    for (const QString &target : targets) {
        if (QFile::exists(target))
            ok = std::rename(QFile::encodeName(target).constData(),
                             QFile::encodeName(target + QStringLiteral(".old")).constData())
                    == 0
                && ok;
        folders.append(QFileInfo(target).absolutePath());
    }
    folders.removeDuplicates();
    for (const QString &folder : std::as_const(folders))
        ok = syncToDisk(folder) && ok;
    for (const QString &target : targets)
        ok = std::rename(QFile::encodeName(target + QStringLiteral(".staged")).constData(),
                         QFile::encodeName(target).constData())
                == 0
            && ok;
    for (const QString &folder : std::as_const(folders))
        ok = syncToDisk(folder) && ok;
    for (const QString &target : targets)
        QFile::remove(target + QStringLiteral(".old"));
    ok = QFile::remove(record) && ok;
    ok = syncToDisk(rawDir) && ok;
    const qint64 ns = t.nsecsElapsed();
    if (!ok)
        std::fprintf(stderr, "raw write failed\n");
    return ns;
}

// What the toolkit alone takes to free as many empty scenes as the project
// has sheets, layouts and pages: no close could take less if each were a
// scene of the toolkit's own (only those shown, printed or searched are).
qint64 emptyCloseNs(int scenes)
{
    std::vector<QGraphicsScene *> made;
    made.reserve(size_t(scenes));
    for (int i = 0; i < scenes; ++i) {
        auto *scene = new QGraphicsScene;
        scene->setItemIndexMethod(QGraphicsScene::NoIndex);
        made.push_back(scene);
    }
    QCoreApplication::sendPostedEvents();
    QElapsedTimer t;
    startTimer(t);
    for (QGraphicsScene *scene : made)
        delete scene;
    return t.nsecsElapsed();
}

// The middle value; the mean of the two middle ones for an even count.
template <typename T>
T medianOf(QList<T> values)
{
    if (values.isEmpty())
        return T();
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Times of one operation over the rounds.
struct Series
{
    QList<qint64> ns;
    void add(qint64 value) { ns.append(value); }
    qint64 median() const { return medianOf(ns); }
    qint64 min() const { return ns.isEmpty() ? 0 : *std::min_element(ns.begin(), ns.end()); }
    qint64 max() const { return ns.isEmpty() ? 0 : *std::max_element(ns.begin(), ns.end()); }
};

// The operations timed, each with its floor: the least that the same work
// could take done by plain means (reading or writing the same bytes, the
// toolkit freeing as many empty scenes or making as many tree rows, items
// and scenes).
enum Operation { Load, FirstLoad, Close, ClosePrinted, CloseShown, Save, SaveOne, SaveFrame, ListPages, BuildPages,
                 BranchPages, BuildScenes, Rebuild, Read, FirstRead, EmptyClose, PauseClose, Write, WriteOne, WriteFrame,
                 RowsFloor, ItemsFloor, ScenesFloor, OperationCount };
const int timedCount = Read;
const char *const operationNames[OperationCount] = {
    "load", "first load", "close", "close after printing", "close after showing pages", "save",
    "save after one change", "save after one frame", "wiring listing", "wiring pages built", "pages of a branch PDF", "wiring page scenes",
    "rebuild of all frames",
    "raw read", "raw read (fresh)", "empty Qt close", "close after a pause", "raw write", "raw write of one change", "raw write of one frame",
    "Qt tree rows", "Qt objects and items", "Qt scenes with items"};
const Operation floorOf[timedCount] = {Read,     FirstRead, EmptyClose, PauseClose, EmptyClose,  Write,
                                       WriteOne, WriteFrame, RowsFloor, ItemsFloor, ItemsFloor, ScenesFloor,
                                       ItemsFloor};

struct Figures
{
    Series series[OperationCount];
    qint64 bytes = 0;
    int files = 0;
    int oneChangeFiles = 0;
    int frameChangeFiles = 0;
    // Framework scenes held after a load.
    int liveScenes = 0;
    // Framework scenes held after printing everything, and after showing
    // every wiring page.
    int printedScenes = 0;
    int shownScenes = 0;
    Counts counts;
    wiringfigures::PageCount built;
    // Memory held by the project after a first load, and the most the
    // process held above what it held before the load, in bytes: the
    // medians over the rounds.
    Series memory;
    Series peakMemory;
    Series resident;
    bool valid = true;
};

// Marks every file of the project due again, with nothing kept of an
// earlier save: each round writes the whole project anew.
void markAll(Project &project)
{
    project.setModified(true);
    project.prepareFullSave();
}

// Loads the project and checks that everything came back; the time of the
// load alone goes to loadNs when given.
bool loadChecked(Project &project, const Counts &expected, int devices, qint64 *loadNs = nullptr)
{
    boxes = 0;
    QElapsedTimer t;
    startTimer(t);
    const bool ok = project.load();
    if (loadNs)
        *loadNs = t.nsecsElapsed();
    const Counts c = countOf(project);
    if (ok && !boxes && !(c != expected))
        return true;
    std::fprintf(stderr,
                 "load of %d devices failed: %s, %d boxes, %d of %d objects, %d of %d items, %d of %d "
                 "placed, %d of %d pages\n",
                 devices, ok ? "true" : "false", boxes, c.objects, expected.objects, c.items, expected.items,
                 c.placed, expected.placed, c.pages, expected.pages);
    return false;
}

// The first load in a process of its own: the program's own first open.
// The child finds the files itself: a large project's paths would not fit
// on a command line.
bool firstLoad(const QString &self, const QString &path, Figures &f)
{
    QProcess child;
    child.start(self, QStringList{QStringLiteral("--first-load"), path});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "first load failed (%s, exit code %d): %s\n", qPrintable(child.errorString()),
                     child.exitCode(), child.readAllStandardError().constData());
        return false;
    }
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    if (words.size() != 5)
        return false;
    f.series[FirstLoad].add(words[0].toLongLong());
    f.series[FirstRead].add(words[1].toLongLong());
    f.memory.add(words[2].toLongLong());
    f.peakMemory.add(words[3].toLongLong());
    f.resident.add(words[4].toLongLong());
    return true;
}

// Every sheet, frame layout and wiring page printed, each onto a page of
// its own, as the managers print a whole branch.
void printAll(Project &project)
{
    QImage page(420, 297, QImage::Format_RGB32);
    QPainter painter(&page);
    project.schemes()->printAll(&painter);
    project.equipment()->printAll(&painter);
}

// The window's actions, which every editor view answers; plain ones here.
QList<QAction *> *actions = nullptr;

// Every wiring page opened in an editor view, and the view closed again.
bool showAllPages(Project &project)
{
    if (!wiringfigures::buildPages(project))
        return false;
    for (WiringLayout *page : wiringfigures::builtPages(project)) {
        std::unique_ptr<GraphicsEdit> view(page->createEdit(actions));
        if (!view)
            return false;
    }
    return true;
}

// A close after the project was loaded and used: the time of the close.
bool closeAfter(const QString &path, const Counts &expected, int devices, const std::function<bool(Project &)> &use,
                qint64 *closeNs, int *scenes)
{
    auto project = std::make_unique<Project>(nullptr, nullptr);
    project->setFileName(path);
    if (!loadChecked(*project, expected, devices) || !use(*project))
        return false;
    QCoreApplication::sendPostedEvents();
    *scenes = frameworkScenes(*project);
    QElapsedTimer t;
    startTimer(t);
    project.reset();
    *closeNs = t.nsecsElapsed();
    return true;
}

// The files the next save writes: the side files whose flags are set,
// the changed sheets' and the main file.
QStringList filesDue(Project &project)
{
    QStringList due;
    const bool flags[5] = {project.devicesChanged(), project.schemesChanged(), project.equipmentChanged(),
                           project.specificationDeviceChanged(), project.specificationCableChanged()};
    for (int i = 0; i < 5; ++i) {
        if (flags[i])
            due.append(project.file(Project::DevicesFile + i)->fileName());
    }
    for (SchemeGroup *group : project.schemes()->itemList()) {
        for (Scheme *scheme : group->itemList()) {
            if (scheme->isModified())
                due.append(scheme->file().fileName());
        }
    }
    due.append(project.file(Project::MainFile)->fileName());
    return due;
}

// Every place of the frame, in the containers held too, in order.
void collectPlaces(const GraphicsPlaceContainer *container, QList<Place *> &places)
{
    for (Place *place : container->places()) {
        places << place;
        if (auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item()))
            collectPlaces(held, places);
    }
}

QList<Place *> placesOf(Frame *frame)
{
    QList<Place *> places;
    for (GraphicsFramePart *part : frame->layout()->parts())
        collectPlaces(part, places);
    return places;
}

// A device of the frame dragged in its editor: out of its place onto the
// margin of the layout, where no place takes it, or from there back into
// the place it left (one whose type takes the device's model).
bool moveDevice(Frame *frame, GraphicsPlaceItemDevice *&item, Place *&home)
{
    if (!item) {
        for (Place *place : placesOf(frame)) {
            item = dynamic_cast<GraphicsPlaceItemDevice *>(place->item());
            if (item && place->allowsModel(item->modelId())) {
                home = place;
                break;
            }
        }
        if (!item)
            return false;
    }
    const bool out = item->place() != nullptr;
    if (out)
        item->setPosQuiet(QPointF(1, 1));
    item->transformChanged();
    frame->layout()->trackDrop(item, out ? QPointF(1, 1) : home->sceneRect().center());
    frame->layout()->dropItem(item);
    return item->place() == (out ? nullptr : home);
}

Figures measure(int devices, const QString &root, int rounds, const QString &self)
{
    Figures f;
    const QString dir = root + QStringLiteral("/p%1").arg(devices);
    const QString rawDir = root + QStringLiteral("/raw%1").arg(devices);
    QDir().mkpath(dir);
    QDir().mkpath(rawDir);
    const QString path = dir + QStringLiteral("/bench%1.rlay").arg(devices);
    auto project = std::make_unique<Project>(nullptr, nullptr);
    fill(*project, devices);
    project->setFileName(path);
    QElapsedTimer t;
    for (int round = 0; round < rounds; ++round) {
        markAll(*project);
        boxes = 0;
        startTimer(t);
        const bool saved = project->save();
        const qint64 ns = t.nsecsElapsed();
        if (!saved || boxes) {
            std::fprintf(stderr, "save of %d devices failed\n", devices);
            f.valid = false;
            return f;
        }
        f.series[Save].add(ns);
    }
    // Counted after a save, which lists the wiring pages as a load does.
    f.counts = countOf(*project);
    QCoreApplication::sendPostedEvents();
    project.reset();
    const QStringList files = projectFiles(dir);
    f.files = int(files.size());

    for (int round = 0; round < rounds; ++round) {
        auto loaded = std::make_unique<Project>(nullptr, nullptr);
        loaded->setFileName(path);
        qint64 ns = 0;
        const bool ok = loadChecked(*loaded, f.counts, devices, &ns);
        if (!ok) {
            f.valid = false;
            return f;
        }
        f.series[Load].add(ns);
        f.liveScenes = frameworkScenes(*loaded);
        // The program goes back to its event loop after a load: what the
        // sheets posted meanwhile is delivered there, before any close.
        QCoreApplication::sendPostedEvents();
        startTimer(t);
        loaded.reset();
        f.series[Close].add(t.nsecsElapsed());
        // The floor of this round's load, read right after it, so that
        // both see the machine in the same state.
        startTimer(t);
        const QList<QByteArray> contents = readBytes(files, &f.bytes);
        f.series[Read].add(t.nsecsElapsed());
    }
    for (int round = 0; round < rounds; ++round) {
        if (!firstLoad(self, path, f)) {
            f.valid = false;
            return f;
        }
    }
    for (int round = 0; round < rounds; ++round) {
        qint64 printed = 0;
        qint64 paused = 0;
        qint64 shown = 0;
        qint64 printing = 0;
        auto print = [&printing](Project &p) {
            QElapsedTimer t;
            t.start();
            printAll(p);
            printing = t.nsecsElapsed();
            return true;
        };
        // The floor of a close after printing: the same close after the
        // project lay untouched as long as the print took. On a machine
        // whose memory is slow to reach again once left alone, it tells
        // what that costs from what the print leaves behind.
        auto pause = [&printing](Project &) {
            QThread::usleep(unsigned(printing / 1000));
            return true;
        };
        int pausedScenes = 0;
        if (!closeAfter(path, f.counts, devices, print, &printed, &f.printedScenes)
            || !closeAfter(path, f.counts, devices, pause, &paused, &pausedScenes)
            || !closeAfter(path, f.counts, devices, showAllPages, &shown, &f.shownScenes)) {
            std::fprintf(stderr, "close after use of %d devices failed\n", devices);
            f.valid = false;
            return f;
        }
        f.series[ClosePrinted].add(printed);
        f.series[PauseClose].add(paused);
        f.series[CloseShown].add(shown);
    }

    // One sheet changed in an open project: a text added, as the user
    // draws one. The save writes that sheet's file, the list of sheets and
    // the main file.
    auto open = std::make_unique<Project>(nullptr, nullptr);
    open->setFileName(path);
    if (!loadChecked(*open, f.counts, devices)) {
        f.valid = false;
        return f;
    }
    QCoreApplication::sendPostedEvents();
    Scheme *changed = open->schemes()->itemList().first()->itemList().first();
    QStringList oneChange;
    for (int round = 0; round < rounds; ++round) {
        auto *text = new GraphicsText(changed, nullptr);
        changed->addGraphicsItem(text);
        text->setPosQuiet(QPointF(300 + 20 * round, 2000));
        text->setText(QStringLiteral("changed %1").arg(round));
        oneChange = filesDue(*open);
        boxes = 0;
        startTimer(t);
        const bool saved = open->save();
        f.series[SaveOne].add(t.nsecsElapsed());
        if (!saved || boxes) {
            std::fprintf(stderr, "save of one change failed\n");
            f.valid = false;
            return f;
        }
    }
    // One frame changed: a device placed in a frame of the middle row
    // dragged out of its place, or back into it, in the frame's editor. The save writes the devices and the equipment side files
    // (and what the device's new address shows elsewhere).
    QStringList frameChange;
    const QList<FrameGroup *> &rows = open->equipment()->itemList();
    const QList<Frame *> &rowFrames = rows[rows.size() / 2]->itemList();
    Frame *moved = rowFrames[0];
    GraphicsPlaceItemDevice *device = nullptr;
    Place *home = nullptr;
    for (int round = 0; round < rounds; ++round) {
        if (!moveDevice(moved, device, home)) {
            std::fprintf(stderr, "no device of frame %d could move\n", moved->address().field(2));
            f.valid = false;
            return f;
        }
        frameChange = filesDue(*open);
        boxes = 0;
        startTimer(t);
        const bool saved = open->save();
        f.series[SaveFrame].add(t.nsecsElapsed());
        if (!saved || boxes) {
            std::fprintf(stderr, "save of one frame changed failed\n");
            f.valid = false;
            return f;
        }
    }
    f.frameChangeFiles = int(frameChange.size());
    f.oneChangeFiles = int(oneChange.size());

    // The wiring pages, step by step: listed as a load lists them, every
    // page built, every built page's framework scene made, every frame
    // rebuilt beside its built pages as a save does for changed frames, and
    // every page built anew as the branch's PDF builds them. Each round
    // starts from no pages at all.
    for (int round = 0; round < rounds; ++round) {
        wiringfigures::dropPages(*open);
        // The allocator merges the small blocks the old pages freed when
        // the next large block is asked for: that belongs to their going.
        void *volatile block = std::malloc(64 * 1024);
        std::free(block);
        startTimer(t);
        const bool listed = wiringfigures::listPages(*open);
        f.series[ListPages].add(t.nsecsElapsed());
        QCoreApplication::sendPostedEvents();
        startTimer(t);
        const bool built = wiringfigures::buildPages(*open);
        f.series[BuildPages].add(t.nsecsElapsed());
        f.built = wiringfigures::countPages(*open);
        const QList<WiringLayout *> pages = wiringfigures::builtPages(*open);
        startTimer(t);
        const int scenes = wiringfigures::makeScenes(pages);
        f.series[BuildScenes].add(t.nsecsElapsed());
        QCoreApplication::sendPostedEvents();
        startTimer(t);
        wiringfigures::rebuildPages(*open);
        f.series[Rebuild].add(t.nsecsElapsed());
        QCoreApplication::sendPostedEvents();
        const wiringfigures::PageCount after = wiringfigures::countPages(*open);
        // The pages listed again, then built by the branch as printing it
        // or saving it as PDF builds them: row by row, frame by frame.
        wiringfigures::dropPages(*open);
        const bool relisted = wiringfigures::listPages(*open);
        QCoreApplication::sendPostedEvents();
        startTimer(t);
        const int gathered = wiringfigures::branchPages(*open);
        f.series[BranchPages].add(t.nsecsElapsed());
        const int branchBuilt = wiringfigures::countPages(*open).built;
        if (!listed || !built || f.built.built <= 0 || f.built.listed != 0 || f.built.built != f.counts.pages
            || scenes != f.built.built || after.built != f.built.built || after.items != f.built.items || !relisted
            || branchBuilt != f.built.built || gathered < branchBuilt) {
            std::fprintf(stderr, "wiring pages of %d devices failed: %d of %d built (%d left listed), %d scenes, "
                                 "%d pages after the rebuild, %d built for a branch PDF\n",
                         devices, f.built.built, f.counts.pages, f.built.listed, scenes, after.built, branchBuilt);
            f.valid = false;
            return f;
        }
    }
    open.reset();

    // The floors: the same bytes read and written without parsing, and the
    // toolkit freeing as many scenes or making as many rows, items and
    // scenes.
    for (int round = 0; round < rounds; ++round) {
        f.series[Write].add(rawWriteNs(rawDir, files, dir));
        f.series[WriteOne].add(rawWriteNs(rawDir, oneChange, dir));
        f.series[WriteFrame].add(rawWriteNs(rawDir, frameChange, dir));
        f.series[EmptyClose].add(emptyCloseNs(f.counts.scenes));
        f.series[RowsFloor].add(wiringfigures::rowsFloorNs(devices / perFrame, f.counts.pages, startTimer));
        f.series[ItemsFloor].add(wiringfigures::itemsFloorNs(f.built.built, f.built.items, startTimer));
        f.series[ScenesFloor].add(wiringfigures::scenesFloorNs(f.built.built, f.built.items, startTimer));
    }
    return f;
}

double ms(qint64 ns)
{
    return ns / 1e6;
}

double ratio(qint64 a, qint64 b)
{
    return double(a) / double(std::max<qint64>(b, 1));
}

// The median of each round's ratio: for a load, whose read is made right
// after it, and a first load, whose fresh read is made in the same process
// right before it, so that both see the machine in the same state (a fresh
// process now and then runs at a third of the speed, reads and all).
double pairedRatio(const Series &s, const Series &floor)
{
    QList<double> ratios;
    for (qsizetype i = 0; i < std::min(s.ns.size(), floor.ns.size()); ++i)
        ratios.append(ratio(s.ns[i], floor.ns[i]));
    return medianOf(ratios);
}

// The memory the process holds in pages of its own now, and the most it
// ever held, in bytes.
qint64 residentNow()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// The most the process held resident since the mark was last set back
// (VmHWM). A process started from another carries that one's mark over its
// start: the first load sets it back first.
qint64 residentPeak()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

void resetResidentPeak()
{
    QFile marks(QStringLiteral("/proc/self/clear_refs"));
    if (marks.open(QIODevice::WriteOnly))
        marks.write("5");
}

// The memory the allocator hands out, in bytes.
qint64 heapInUse()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#else
    return 0;
#endif
}

// The hidden mode of the first load: read the bytes of the project's files
// as the load reads them, each into memory let go before the next, then load
// the project once; print both times, the memory the loaded project holds
// (the allocator's count and the resident memory) and the most the load
// held at once.
int runFirstLoad(const QString &path)
{
    const QStringList files = projectFiles(QFileInfo(path).absolutePath());
    QElapsedTimer t;
    qint64 bytes = 0;
    startTimer(t);
    for (const QString &file : files) {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            bytes += f.readAll().size();
    }
    const qint64 readNs = bytes < 0 ? 0 : t.nsecsElapsed();
    resetResidentPeak();
    const qint64 before = heapInUse();
    const qint64 residentBefore = residentNow();
    const qint64 peakBefore = residentPeak();
    Project project(nullptr, nullptr);
    project.setFileName(path);
    startTimer(t);
    const bool ok = project.load();
    const qint64 loadNs = t.nsecsElapsed();
    if (!ok || boxes)
        return 1;
    QCoreApplication::sendPostedEvents();
    const qint64 held = heapInUse() - before;
    const qint64 resident = residentNow() - residentBefore;
    const qint64 peak = std::max(residentPeak(), peakBefore) - residentBefore;
    std::printf("%lld %lld %lld %lld %lld\n", loadNs, readNs, held, peak, resident);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Timed with the heap as the program runs it.
    setUpHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    createScreenFonts();
    Scheme::registerItemTypes();
    FrameLayout::registerItemTypes();
    // Nothing may wait for a click: every box goes to the console and
    // marks the run as failed.
    setModalHook([](QDialog *dialog) {
        ++boxes;
        auto *box = qobject_cast<QMessageBox *>(dialog);
        std::fprintf(stderr, "box: %s %s\n", qPrintable(dialog->windowTitle()), box ? qPrintable(box->text()) : "");
        return int(QDialog::Rejected);
    });
    QObject actionOwner;
    QList<QAction *> actionList;
    for (int i = 0; i < 118; ++i)
        actionList.append(new QAction(&actionOwner));
    actions = &actionList;
    const QStringList args = app.arguments();
    if (args.size() > 2 && args[1] == QLatin1String("--first-load"))
        return runFirstLoad(args[2]);

    // bench_project [--huge] [--cold] [--dir folder] [small [rounds]]: --huge adds
    // the size a hundred times the small one (about 2.5 GB of memory); the
    // projects are written in a temporary folder under the one given (a
    // memory file system leaves the syncs out of every floor and time).
    QStringList rest = args.mid(1);
    const bool huge = rest.removeAll(QStringLiteral("--huge")) > 0;
    coldCaches() = rest.removeAll(QStringLiteral("--cold")) > 0;
    QString under = QDir::tempPath();
    const qsizetype dirAt = rest.indexOf(QStringLiteral("--dir"));
    if (dirAt >= 0 && dirAt + 1 < rest.size()) {
        under = rest[dirAt + 1];
        rest.remove(dirAt, 2);
    }
    const int small = rest.size() > 0 ? std::max(100, rest[0].toInt()) : 5000;
    const int rounds = rest.size() > 1 ? std::max(1, rest[1].toInt()) : 5;

    QDir().mkpath(under);
    QTemporaryDir dir(under + QStringLiteral("/bench_project-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder under %s: %s\n", qPrintable(under), qPrintable(dir.errorString()));
        return 1;
    }
    std::printf("heap on %s\n", heapOnHugePages() ? "transparent huge pages" : "4 KiB pages");
    QList<int> sizes{small, small * 10};
    if (huge)
        sizes.append(small * 100);
    QList<Figures> figures;
    for (int size : sizes) {
        figures.append(measure(size, dir.path(), rounds, QCoreApplication::applicationFilePath()));
        const Figures &f = figures.last();
        if (!f.valid)
            return 1;
        std::printf("\n%d devices: %d items, %d sheets, %d wiring pages (%d items on them), %d scenes, %d files, "
                    "%lld bytes (%d files after one change, %d after one frame), %d rounds\n"
                    "  framework scenes held: %d after a load, %d after printing, %d after showing every page\n",
                    size, f.counts.items, f.counts.sheets, f.counts.pages, f.built.items, f.counts.scenes, f.files,
                    f.bytes, f.oneChangeFiles, f.frameChangeFiles, rounds, f.liveScenes, f.printedScenes, f.shownScenes);
        std::printf("  %-26s %10s  %-17s   %-24s %10s %9s\n", "", "median ms", "[min .. max]", "floor", "ms",
                    "x floor");
        for (int op = 0; op < timedCount; ++op) {
            const Series &s = f.series[op];
            const Series &floor = f.series[floorOf[op]];
            const QByteArray range = QStringLiteral("[%1 .. %2]")
                                         .arg(ms(s.min()), 0, 'f', 1)
                                         .arg(ms(s.max()), 0, 'f', 1)
                                         .toLatin1();
            std::printf("  %-26s %10.1f  %-17s   %-24s %10.1f %9.1f\n", operationNames[op], ms(s.median()),
                        range.constData(), operationNames[floorOf[op]], ms(floor.median()),
                        op == Load || op == FirstLoad ? pairedRatio(s, floor) : ratio(s.median(), floor.median()));
        }
        auto med = [&f](int op) { return f.series[op].median(); };
        std::printf("  close/load: %.2f after a load, %.2f after printing, %.2f after showing every page\n",
                    ratio(med(Close), med(Load)), ratio(med(ClosePrinted), med(Load)),
                    ratio(med(CloseShown), med(Load)));
        std::printf("  memory held after a first load (the allocator's count, mallinfo2): %.1f MB, %.1f bytes per "
                    "byte on disk (floor: 1); resident: %.1f MB, %.1f bytes per byte; the most resident during it: "
                    "%.1f MB more than before, %.1f bytes per byte\n",
                    f.memory.median() / 1048576.0, ratio(f.memory.median(), f.bytes),
                    f.resident.median() / 1048576.0, ratio(f.resident.median(), f.bytes),
                    f.peakMemory.median() / 1048576.0, ratio(f.peakMemory.median(), f.bytes));
        std::fflush(stdout);
    }
    std::printf("\ngrowth per ten times the size (medians)\n  %-26s", "");
    for (int i = 1; i < figures.size(); ++i)
        std::printf(" %7dx->%-4d", int(std::pow(10, i - 1)), int(std::pow(10, i)));
    std::printf("\n");
    for (int op = 0; op < OperationCount; ++op) {
        std::printf("  %-26s", operationNames[op]);
        for (int i = 1; i < figures.size(); ++i)
            std::printf(" %12.1f", ratio(figures[i].series[op].median(), figures[i - 1].series[op].median()));
        std::printf("\n");
    }
    deleteFonts();
    return 0;
}
