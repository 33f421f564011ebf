// The wiring documents of whole installations of two sizes, one ten times
// the other (with --huge a third, ten times more): rows of frames of module,
// clamp, relay-case and cross-connection types, whose module panels hold
// control modules (a few commands of every module on the scheme sheets)
// and whose other places hold panels, clamp panels, relays and blocks, and
// a cable from every frame to the next. Each project is saved and loaded;
// the load lists every frame's pages as rows of the project tree and
// builds none. On the loaded project, each step timed for itself: the
// listing again after the pages went, the first opening of one page of
// each frame in turn (the double click on its row, which builds the
// frame's pages), every page built in one run (as a PDF of the whole
// branch builds them), the framework scene of every page (as showing each
// makes it), and the rebuild a save makes when every frame changed; each
// beside its floor, what the toolkit
// alone takes to make as many tree rows, objects and items, or scenes
// holding as many items. The load is set against reading its files'
// bytes, and the time it spends on everything but the listing shows whether
// the listing stays under the rest of the load; the sizes show whether each
// step stays linear.
#include "bench/floortable.h"
#include "bench/furnish.h"
#include "bench/wiringfigures.h"
#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "equipment/cable.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/framegroup.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "equipment/specificationmanagercable.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/heappages.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

int boxes = 0;

const int framesPerRow = 10;
const int moduleFrameType = 11; // a frame type whose modules get DC pages
const int modulePanelType = 57; // "Panel LP Varnel": four module places
const int modulePanelModel = 147;
const int moduleModel = 149;    // any module model: their places take all three
const int coresPerCable = 60;
const int commandsPerModule = 4;
const int commandsPerSheet = 64;
// The command kind of each module type: TS, TU, TV.
const int commandKinds[3] = {0, 1, 3};

// The empty places below the container, in place order, that take the
// model.
void freePlaces(GraphicsPlaceContainer *container, int model, QList<Place *> &found)
{
    for (Place *place : container->places()) {
        if (place->state() != Place::Normal)
            continue;
        if (auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item()))
            freePlaces(held, model, found);
        else if (!place->item() && place->allowsModel(model))
            found.append(place);
    }
}

QList<Place *> freePlaces(Frame *frame, int model)
{
    QList<Place *> found;
    for (GraphicsFramePart *part : frame->layout()->parts())
        freePlaces(part, model, found);
    return found;
}

// The first commands of a module on the sheets, in groups of ten sheets.
void drawCommands(Project &project, Module *module, Scheme *&sheet, int &onSheet)
{
    for (int n = 0; n < commandsPerModule; ++n) {
        if (!sheet || onSheet == commandsPerSheet) {
            QList<SchemeGroup *> groups = project.schemes()->itemList();
            if (groups.isEmpty() || groups.last()->itemList().size() == 10) {
                auto *group = new SchemeGroup(&project);
                group->setAtrNumber(int(groups.size()) + 1);
                project.schemes()->appendItem(group);
                groups.append(group);
            }
            sheet = new Scheme(&project);
            sheet->setSheetFormat(GraphicsScene::PaperA3, true, 1);
            sheet->setNumber(int(groups.last()->itemList().size()) + 1);
            groups.last()->appendItem(sheet);
            onSheet = 0;
        }
        auto *command = static_cast<GraphicsCommand *>(sheet->createItem(GraphicsCommand::Type));
        sheet->addGraphicsItem(command);
        command->setPos(200 + 450 * (onSheet % 8), 200 + 320 * (onSheet / 8));
        command->setKind(commandKinds[module->modelIndex()]);
        command->setNumber(quint8(n));
        command->setName(module->name());
        ++onSheet;
    }
}

// frames frames in rows of ten, each with a module panel in every row
// that takes one, devices modules (TU, TV, TS in turn) dealt out over the
// frames' module places with their commands on the sheets, and a cable
// from every frame to the next.
std::unique_ptr<Project> build(int frames, int devices, int *dealt)
{
    auto project = std::make_unique<Project>(nullptr, nullptr);
    const std::vector<furnish::Model> models = furnish::placeableModels(*project);
    QList<Frame *> all;
    QList<QList<Place *>> places;
    FrameGroup *group = nullptr;
    for (int i = 0; i < frames; ++i) {
        if (i % framesPerRow == 0) {
            group = new FrameGroup(project.get());
            project->equipment()->appendItem(group, false);
            Address a;
            a.setField(1, quint8(i / framesPerRow + 1));
            group->setAddress(a);
        }
        auto *frame = new Frame(project.get());
        group->appendItem(frame, false);
        Address a = frame->address();
        a.setField(2, quint8(i % framesPerRow + 1));
        frame->setAddressField(a, 2);
        frame->setAddressField(group->address(), 1);
        frame->setFrameType(i % 2 ? furnish::frameTypes[i / 2 % furnish::frameTypeCount] : moduleFrameType);
        for (Place *place : freePlaces(frame, modulePanelModel)) {
            auto *panel = new GraphicsFramePanel(frame->layout());
            panel->setContainerType(modulePanelType);
            frame->layout()->addGraphicsItem(panel);
            place->putItem(panel);
        }
        all.append(frame);
        places.append(freePlaces(frame, moduleModel));
    }
    Scheme *sheet = nullptr;
    int onSheet = 0;
    *dealt = 0;
    for (int i = 0, next = 0; i < devices; ++i) {
        // The next frame with a module place left.
        int tried = 0;
        while (places[next % frames].isEmpty() && tried++ < frames)
            ++next;
        const int at = next++ % frames;
        Frame *frame = all[at];
        auto *module = static_cast<Module *>(project->createDevice(ModuleKind));
        module->setModelIndex(i % 3);
        module->setName(Module::typeName(i % 3) + QString::number(i + 1));
        drawCommands(*project, module, sheet, onSheet);
        QList<Place *> &free = places[at];
        if (free.isEmpty())
            continue;
        GraphicsPlaceItemDevice *item = module->createPlaceItem(frame->layout());
        frame->layout()->addGraphicsItem(item);
        free.takeFirst()->putItem(item);
        ++*dealt;
    }
    int named = 0;
    for (Frame *frame : std::as_const(all))
        furnish::furnishFrame(*project, frame, models, named);
    for (int i = 0; i + 1 < frames; ++i) {
        auto *cable = new Cable(0);
        for (int c = 0; c < coresPerCable; ++c)
            cable->appendCore(new CableCore);
        project->specificationCable()->addCable(
            quint64(all[i]->address().packedFrameCode()) << 32 | all[i + 1]->address().packedFrameCode(), cable);
    }
    return project;
}

int placedModules(Project &project)
{
    int count = 0;
    for (Obj *obj : *project.objectsOfKind(ModuleKind))
        count += static_cast<Module *>(obj)->address() ? 1 : 0;
    return count;
}

struct Figures
{
    int placed = 0;
    int dealt = 0;
    int opened = 0;
    wiringfigures::PageCount pages;
    // The best time of each step, and of each floor, in milliseconds.
    double list = 0;
    double open = 0;
    double branch = 0;
    double scenes = 0;
    double rebuild = 0;
    // The load, and without the listing it runs.
    double load = 0;
    double rest = 0;
    // Reading the bytes of the project's files once each.
    double readFloor = 0;
    double rowsFloor = 0;
    double itemsFloor = 0;
    double scenesFloor = 0;
};

// The best of a few rounds: the machine's other work only ever adds.
const int rounds = 3;

void keepBest(double &best, double value, int round)
{
    if (round == 0 || value < best)
        best = value;
}

double msOf(qint64 ns)
{
    return ns / 1e6;
}

void startTimer(QElapsedTimer &timer)
{
    timer.start();
}

// The bytes of every file below the folder, read once each, in ms.
double readFilesMs(const QString &dir)
{
    QStringList paths;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next());
    qint64 bytes = 0;
    QElapsedTimer timer;
    timer.start();
    for (const QString &path : std::as_const(paths)) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            bytes += f.readAll().size();
    }
    const double ms = msOf(timer.nsecsElapsed());
    return bytes < 0 ? 0 : ms;
}

Figures measure(int frames, int devices, const QString &root)
{
    // Each size in a folder of its own: its files alone are read.
    const QString dir = root + QStringLiteral("/f%1").arg(frames);
    QDir().mkpath(dir);
    Figures best;
    const QString path = dir + QStringLiteral("/plant%1.rlay").arg(frames);
    {
        std::unique_ptr<Project> saved = build(frames, devices, &best.dealt);
        saved->setFileName(path);
        if (!saved->save())
            return best;
    }
    for (int round = 0; round < rounds; ++round) {
        Project loaded(nullptr, nullptr);
        loaded.setFileName(path);
        QElapsedTimer timer;
        timer.start();
        if (!loaded.load())
            return Figures();
        const double load = msOf(timer.nsecsElapsed());
        keepBest(best.load, load, round);
        // What the load left for the event loop, as the program's loop
        // would take it.
        QCoreApplication::sendPostedEvents();
        best.placed = placedModules(loaded);
        const int listed = wiringfigures::countPages(loaded).listed;

        // The listing alone, on the project just loaded: its pages go
        // first.
        wiringfigures::dropPages(loaded);
        timer.restart();
        const bool ok = wiringfigures::listPages(loaded);
        const double list = msOf(timer.nsecsElapsed());
        keepBest(best.list, list, round);
        keepBest(best.rest, load - list, round);
        QCoreApplication::sendPostedEvents();
        if (!ok || wiringfigures::countPages(loaded).listed != listed)
            return Figures();

        // One page of each frame opened in turn, as the user's double
        // clicks open them: each frame builds its pages.
        timer.restart();
        best.opened = wiringfigures::openOnePagePerFrame(loaded);
        keepBest(best.open, msOf(timer.nsecsElapsed()), round);
        best.pages = wiringfigures::countPages(loaded);
        if (best.opened != frames || best.pages.built != listed || best.pages.listed != 0)
            return Figures();

        // Every page built again in one run, as a PDF of the whole branch
        // builds them, from the pages listed anew.
        wiringfigures::dropPages(loaded);
        if (!wiringfigures::listPages(loaded))
            return Figures();
        QCoreApplication::sendPostedEvents();
        timer.restart();
        const int gathered = wiringfigures::branchPages(loaded);
        keepBest(best.branch, msOf(timer.nsecsElapsed()), round);
        if (wiringfigures::countPages(loaded).built != listed || gathered < listed)
            return Figures();

        // The framework scene of every page, as showing each makes it.
        const QList<WiringLayout *> pages = wiringfigures::builtPages(loaded);
        timer.restart();
        const int scenes = wiringfigures::makeScenes(pages);
        keepBest(best.scenes, msOf(timer.nsecsElapsed()), round);
        QCoreApplication::sendPostedEvents();
        if (scenes != listed)
            return Figures();

        // What a save adds when every frame changed: the pages built again
        // beside the open ones.
        timer.restart();
        wiringfigures::rebuildPages(loaded);
        keepBest(best.rebuild, msOf(timer.nsecsElapsed()), round);
        QCoreApplication::sendPostedEvents();
        if (wiringfigures::countPages(loaded).built != listed)
            return Figures();

        keepBest(best.readFloor, readFilesMs(dir), round);
        keepBest(best.rowsFloor, msOf(wiringfigures::rowsFloorNs(frames, listed, startTimer)), round);
        keepBest(best.itemsFloor, msOf(wiringfigures::itemsFloorNs(listed, best.pages.items, startTimer)), round);
        keepBest(best.scenesFloor, msOf(wiringfigures::scenesFloorNs(listed, best.pages.items, startTimer)), round);
    }
    return best;
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
    setModalHook([](QDialog *dialog) {
        ++boxes;
        std::fprintf(stderr, "box: %s\n", qPrintable(dialog->windowTitle()));
        return int(QDialog::Rejected);
    });
    // bench_wiring [--huge]: --huge adds a size ten times the larger one.
    const bool huge = app.arguments().contains(QStringLiteral("--huge"));
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n", qPrintable(dir.errorString()));
        return 1;
    }
    QList<QPair<int, int>> sizes{{10, 500}, {100, 5000}};
    if (huge)
        sizes.append({1000, 50000});
    for (const auto &size : sizes) {
        const Figures f = measure(size.first, size.second, dir.path());
        if (f.pages.built <= 0 || f.placed != f.dealt || boxes > 0) {
            std::fprintf(stderr, "failed: %d pages built, %d of %d modules placed, %d boxes\n", f.pages.built,
                         f.placed, f.dealt, boxes);
            return 1;
        }
        std::printf("\n%d frames, %d modules placed, %d wiring pages (%d items on them); best of %d rounds\n",
                    size.first, f.placed, f.pages.built, f.pages.items, rounds);
        printFloorTable({{"load", f.load, "raw read", f.readFloor},
                         {"listing", f.list, "Qt tree rows", f.rowsFloor},
                         {"page per frame opened", f.open, "Qt objects and items", f.itemsFloor},
                         {"pages of a branch PDF", f.branch, "Qt objects and items", f.itemsFloor},
                         {"page scenes", f.scenes, "Qt scenes with items", f.scenesFloor},
                         {"rebuild of all frames", f.rebuild, "Qt objects and items", f.itemsFloor}},
                        1);
        std::printf("  a page per frame opened in turn / every page built in one run: %.2f\n",
                    f.open / std::max(f.branch, 1e-6));
        std::printf("  rest of the load %.1f ms: listing/rest %.2f, %.1f us of listing per device\n", f.rest,
                    f.list / std::max(f.rest, 1e-6), 1000 * f.list / size.second);
    }
    return 0;
}
