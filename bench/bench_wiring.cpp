// The wiring documents of whole installations of two sizes, one ten times
// the other: rows of frames whose module panels hold control modules, a
// few commands of every module on the scheme sheets, and a cable from
// every frame to the next. Each project is saved and loaded; the load
// lists every frame's pages as rows of the project tree and builds none.
// Prints the time of that listing alone, measured again on the loaded
// project after its pages went, and the time the load spends on
// everything else (devices, schemes, equipment, cables): the two sizes
// show whether the listing stays linear, the ratio whether it stays under
// the rest of the load.
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
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>

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
std::unique_ptr<Project> build(int frames, int devices)
{
    auto project = std::make_unique<Project>(nullptr, nullptr);
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
        frame->setFrameType(moduleFrameType);
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
    for (int i = 0; i < devices; ++i) {
        Frame *frame = all[i % frames];
        auto *module = static_cast<Module *>(project->createDevice(ModuleKind));
        module->setModelIndex(i % 3);
        module->setName(Module::typeName(i % 3) + QString::number(i + 1));
        drawCommands(*project, module, sheet, onSheet);
        QList<Place *> &free = places[i % frames];
        if (free.isEmpty())
            continue;
        GraphicsPlaceItemDevice *item = module->createPlaceItem(frame->layout());
        frame->layout()->addGraphicsItem(item);
        free.takeFirst()->putItem(item);
    }
    for (int i = 0; i + 1 < frames; ++i) {
        auto *cable = new Cable(0);
        for (int c = 0; c < coresPerCable; ++c)
            cable->appendCore(new CableCore);
        project->specificationCable()->addCable(
            quint64(all[i]->address().packedFrameCode()) << 32 | all[i + 1]->address().packedFrameCode(), cable);
    }
    return project;
}

// The wiring pages below the frames' rows.
int pageCount(Project &project)
{
    int count = 0;
    for (FrameGroup *row : project.equipment()->itemList())
        for (Frame *frame : row->itemList())
            count += frame->treeItem()->childCount() - 1;
    return count;
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
    int pages = 0;
    double generate = 0;
    // The load without the generation it runs.
    double rest = 0;
    double rebuild = 0;
};

// The best of a few rounds: the machine's other work only ever adds.
const int rounds = 3;

Figures measure(int frames, int devices, const QString &dir)
{
    Figures best;
    const QString path = dir + QStringLiteral("/plant%1.rlay").arg(frames);
    {
        std::unique_ptr<Project> saved = build(frames, devices);
        saved->setFileName(path);
        if (!saved->save())
            return best;
    }
    for (int round = 0; round < rounds; ++round) {
        Figures f;
        Project loaded(nullptr, nullptr);
        loaded.setFileName(path);
        QElapsedTimer timer;
        timer.start();
        if (!loaded.load())
            return Figures();
        const double load = timer.nsecsElapsed() / 1e6;
        // What the load left for the event loop, as the program's loop
        // would take it.
        QCoreApplication::sendPostedEvents();
        f.placed = placedModules(loaded);
        f.pages = pageCount(loaded);

        // The generation alone, on the project just loaded: its pages go
        // first.
        for (FrameGroup *row : loaded.equipment()->itemList()) {
            for (Frame *frame : row->itemList())
                frame->dropWiringPages();
        }
        QCoreApplication::sendPostedEvents();
        timer.restart();
        const bool built = loaded.equipment()->createWiringLayouts(loaded.specificationCable()->cables());
        f.generate = timer.nsecsElapsed() / 1e6;
        f.rest = load - f.generate;
        QCoreApplication::sendPostedEvents();
        if (!built || pageCount(loaded) != f.pages)
            return Figures();

        // What a save adds: the pages built again beside the open ones.
        timer.restart();
        loaded.equipment()->rebuildWiringLayouts();
        f.rebuild = timer.nsecsElapsed() / 1e6;
        QCoreApplication::sendPostedEvents();

        if (round == 0 || f.generate < best.generate)
            best.generate = f.generate;
        if (round == 0 || f.rest < best.rest)
            best.rest = f.rest;
        if (round == 0 || f.rebuild < best.rebuild)
            best.rebuild = f.rebuild;
        best.placed = f.placed;
        best.pages = f.pages;
    }
    return best;
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
    setModalHook([](QDialog *dialog) {
        ++boxes;
        std::fprintf(stderr, "box: %s\n", qPrintable(dialog->windowTitle()));
        return int(QDialog::Rejected);
    });
    QTemporaryDir dir;
    const int sizes[2][2] = {{10, 500}, {100, 5000}};
    std::printf("%7s %8s %7s %7s %12s %13s %9s %14s %12s\n", "frames", "devices", "placed", "pages", "listing ms",
                "rest of load", "gen/rest", "us per device", "save extra");
    for (const auto &size : sizes) {
        const Figures f = measure(size[0], size[1], dir.path());
        if (f.pages <= 0 || f.placed != size[1] || boxes > 0) {
            std::fprintf(stderr, "failed: %d pages, %d placed, %d boxes\n", f.pages, f.placed, boxes);
            return 1;
        }
        std::printf("%7d %8d %7d %7d %12.1f %13.1f %9.2f %14.1f %12.1f\n", size[0], size[1], f.placed, f.pages,
                    f.generate, f.rest, f.generate / f.rest, 1000 * f.generate / size[1], f.rebuild);
    }
    return 0;
}
