// Saving, loading and closing whole projects of two sizes, one ten times the
// other: devices with cables, scheme sheets full of bound symbols, nodes,
// nets, sources and texts, and rows of frames holding placed devices, whose
// wiring pages every load generates.
// Prints the save, load and close times and the time to read and to write
// the same files' bytes raw (written as a save commits a file): load over read shows how close loading comes to
// the disk, save over write the same for saving, close over load what a
// close costs, and the two sizes show whether each stays linear. The floor
// is what the toolkit alone takes to free as many scenes and scene items.
// Every load is checked (result, boxes shown, objects and items read)
// before its time counts.
#include "devices/graphicsfuse.h"
#include "devices/graphicskeystaff.h"
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
#include "graphics/graphicstext.h"
#include "model/address.h"
#include "model/check.h"
#include "model/device.h"
#include "model/project.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicssource.h"
#include "schemes/net.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QMessageBox>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

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
    auto at = [](Pin *pin) { return dynamic_cast<QGraphicsItem *>(pin->owner())->mapToScene(pin->center()); };
    const QPointF from = at(a);
    auto *net = put(scheme, new GraphicsNet(&scheme), from);
    net->moveEnds(net->pin(0), QPointF(0, 0), net->pin(1), at(b) - from);
    a->solder(net->pin(0));
    net->pin(1)->solder(b);
    return net;
}

// The symbol of a device on a sheet: fuses and keystaffs by their own
// items bound by name, the other kinds by a text with their name.
GraphicsItem *symbol(Scheme &scheme, Obj *obj, const QPointF &pos)
{
    switch (obj->kind()) {
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
    // What the toolkit holds: scenes (sheets, frame layouts, wiring pages)
    // and the scene items on them, children included.
    int scenes = 0;
    int sceneItems = 0;
    bool operator!=(const Counts &o) const
    {
        return objects != o.objects || items != o.items || sheets != o.sheets || placed != o.placed
            || pages != o.pages || scenes != o.scenes || sceneItems != o.sceneItems;
    }
};

Counts countOf(Project &project)
{
    Counts c;
    for (int kind : project.indexedKinds())
        c.objects += int(project.objectsOfKind(kind)->size());
    for (SchemeGroup *group : project.schemes()->itemList()) {
        for (Scheme *scheme : group->itemList()) {
            ++c.sheets;
            c.items += int(scheme->graphicsItems().size());
            c.sceneItems += int(scheme->items().size());
        }
    }
    for (FrameGroup *row : project.equipment()->itemList()) {
        for (Frame *frame : row->itemList()) {
            c.placed += int(frame->layout()->graphicsItems().size());
            c.pages += frame->treeItem()->childCount() - 1;
            c.sceneItems += int(frame->layout()->items().size());
            ++c.scenes;
            QList<WiringLayout *> pages = frame->layout()->wiringPages();
            for (QGraphicsItem *item : frame->layout()->items()) {
                if (auto *part = dynamic_cast<GraphicsFramePart *>(item))
                    pages += part->wiringPages();
            }
            for (WiringLayout *page : pages)
                c.sceneItems += int(page->items().size());
            c.scenes += int(pages.size());
        }
    }
    c.scenes += c.sheets;
    return c;
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
    // The sheets, ten to a group, each in its own file.
    SchemeGroup *group = nullptr;
    const int sheets = (devices + perSheet - 1) / perSheet;
    for (int i = 0; i < sheets; ++i) {
        if (i % 10 == 0) {
            group = new SchemeGroup(&project);
            group->setAtrNumber(i / 10 + 1);
            project.schemes()->appendItem(group);
        }
        auto *scheme = new Scheme(&project);
        scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        scheme->setName(QStringLiteral("scheme %1").arg(i));
        scheme->setNumber(i % 10 + 1);
        group->appendItem(scheme);
        drawSheet(*scheme, objects.mid(i * perSheet, perSheet), i);
    }
    // One frame for every hundred devices, ten to a row; each holds the
    // modules and relays of its hundred in the places of its parts.
    FrameGroup *row = nullptr;
    QList<Frame *> frames;
    for (int i = 0; i < devices / perFrame; ++i) {
        if (i % 10 == 0) {
            row = new FrameGroup(&project);
            project.equipment()->appendItem(row);
            Address address;
            address.setField(1, quint8(i / 10 + 1));
            row->setAddress(address);
        }
        auto *frame = new Frame(&project);
        Address a;
        a.setField(2, quint8(i % 10 + 1));
        frame->setAddressField(a, 2);
        row->appendItem(frame);
        frame->setAddressField(row->address(), 1);
        frame->setFrameType(dcFrameType);
        frames.append(frame);
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

// The files of the project as they lie in the folder.
QList<QPair<QString, QByteArray>> readAll(const QString &dir)
{
    QList<QPair<QString, QByteArray>> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.append({path, f.readAll()});
    }
    return files;
}

// What the toolkit alone takes to free as many scenes and scene items as a
// project holds: unindexed scenes holding plain rectangles, deleted after
// their posted events are delivered. No close can take less than this
// while every item is a scene item, so the close is read against it.
qint64 toolkitFloorNs(const Counts &counts)
{
    std::vector<QGraphicsScene *> scenes;
    scenes.reserve(size_t(counts.scenes));
    for (int i = 0; i < counts.scenes; ++i) {
        auto *scene = new QGraphicsScene;
        scene->setItemIndexMethod(QGraphicsScene::NoIndex);
        scenes.push_back(scene);
    }
    const int holding = std::max(1, counts.sheets);
    for (int i = 0; i < counts.sceneItems; ++i) {
        auto *item = new QGraphicsRectItem(0, 0, 10, 10);
        item->setPos(i % 1000, i / 1000);
        scenes[size_t(i % holding)]->addItem(item);
    }
    QCoreApplication::sendPostedEvents();
    QElapsedTimer t;
    t.start();
    for (QGraphicsScene *scene : scenes)
        delete scene;
    return t.nsecsElapsed();
}

struct Figures
{
    qint64 saveNs = std::numeric_limits<qint64>::max();
    qint64 loadNs = std::numeric_limits<qint64>::max();
    qint64 closeNs = std::numeric_limits<qint64>::max();
    qint64 floorNs = std::numeric_limits<qint64>::max();
    qint64 readNs = std::numeric_limits<qint64>::max();
    qint64 writeNs = std::numeric_limits<qint64>::max();
    qint64 bytes = 0;
    int files = 0;
    Counts counts;
    bool valid = true;
};

Figures measure(int devices, const QString &root, int rounds)
{
    Figures best;
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
        // Every file is due again.
        project->setModified(true);
        project->setDevicesChanged();
        project->setSchemesChanged();
        project->setEquipmentChanged();
        project->setSpecificationDeviceChanged();
        project->setSpecificationCableChanged();
        for (SchemeGroup *group : project->schemes()->itemList()) {
            for (Scheme *scheme : group->itemList())
                scheme->setModified(true);
        }
        boxes = 0;
        t.start();
        const bool saved = project->save();
        const qint64 ns = t.nsecsElapsed();
        if (!saved || boxes) {
            std::fprintf(stderr, "save of %d devices failed\n", devices);
            best.valid = false;
            return best;
        }
        best.saveNs = std::min(best.saveNs, ns);
    }
    // Counted after a save, which builds the wiring pages as a load does.
    best.counts = countOf(*project);
    project.reset();

    for (int round = 0; round < rounds; ++round) {
        auto loaded = std::make_unique<Project>(nullptr, nullptr);
        loaded->setFileName(path);
        boxes = 0;
        t.start();
        const bool ok = loaded->load();
        const qint64 ns = t.nsecsElapsed();
        const Counts c = countOf(*loaded);
        if (!ok || boxes || c != best.counts) {
            std::fprintf(stderr,
                         "load of %d devices failed: %s, %d boxes, %d of %d objects, %d of %d items, %d of %d "
                         "placed, %d of %d pages\n",
                         devices, ok ? "true" : "false", boxes, c.objects, best.counts.objects, c.items,
                         best.counts.items, c.placed, best.counts.placed, c.pages, best.counts.pages);
            best.valid = false;
            return best;
        }
        best.loadNs = std::min(best.loadNs, ns);
        // The program goes back to its event loop after a load: what the
        // sheets posted meanwhile is delivered there, before any close.
        QCoreApplication::sendPostedEvents();
        t.start();
        loaded.reset();
        best.closeNs = std::min(best.closeNs, t.nsecsElapsed());
    }

    // The same bytes, read and written without parsing.
    for (int round = 0; round < rounds; ++round) {
        t.start();
        const QList<QPair<QString, QByteArray>> files = readAll(dir);
        best.readNs = std::min(best.readNs, t.nsecsElapsed());
        best.bytes = 0;
        best.files = int(files.size());
        for (const auto &file : files)
            best.bytes += file.second.size();
        // Written as a save writes a file: staged, then committed to the
        // disk.
        t.start();
        for (const auto &file : files) {
            QSaveFile out(rawDir + QLatin1Char('/') + QFileInfo(file.first).fileName());
            if (!out.open(QIODevice::WriteOnly) || out.write(file.second) != file.second.size() || !out.commit())
                std::fprintf(stderr, "raw write failed\n");
        }
        best.writeNs = std::min(best.writeNs, t.nsecsElapsed());
        best.floorNs = std::min(best.floorNs, toolkitFloorNs(best.counts));
    }
    return best;
}

double ms(qint64 ns)
{
    return ns / 1e6;
}

double ratio(qint64 a, qint64 b)
{
    return double(a) / double(std::max<qint64>(b, 1));
}

} // namespace

int main(int argc, char **argv)
{
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
    // Sizes and rounds can be given: bench_project [small [rounds]].
    const int small = argc > 1 ? std::max(100, atoi(argv[1])) : 5000;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    QTemporaryDir dir;
    const int sizes[] = {small, small * 10};
    Figures figures[2];
    std::printf("%7s %7s %7s %6s %6s %9s %9s %9s %9s %8s %8s %9s %10s %10s %9s %10s\n", "devices", "items", "sheets",
                "pages", "files", "bytes", "save ms", "load ms", "close ms", "read ms", "write ms", "load/read",
                "save/write", "close/load", "floor ms", "floor/load");
    for (int i = 0; i < 2; ++i) {
        figures[i] = measure(sizes[i], dir.path(), rounds);
        const Figures &f = figures[i];
        if (!f.valid)
            return 1;
        std::printf("%7d %7d %7d %6d %6d %9lld %9.1f %9.1f %9.1f %8.2f %8.2f %9.1f %10.1f %10.2f %9.1f %10.2f\n",
                    sizes[i], f.counts.items, f.counts.sheets, f.counts.pages, f.files, f.bytes, ms(f.saveNs),
                    ms(f.loadNs), ms(f.closeNs), ms(f.readNs), ms(f.writeNs), ratio(f.loadNs, f.readNs),
                    ratio(f.saveNs, f.writeNs), ratio(f.closeNs, f.loadNs), ms(f.floorNs), ratio(f.floorNs, f.loadNs));
    }
    std::printf("ten times the size: save x%.1f, load x%.1f, close x%.1f, bytes x%.1f\n",
                ratio(figures[1].saveNs, figures[0].saveNs), ratio(figures[1].loadNs, figures[0].loadNs),
                ratio(figures[1].closeNs, figures[0].closeNs), ratio(figures[1].bytes, figures[0].bytes));
    deleteFonts();
    return 0;
}
