// The wiring documents of whole installations of two sizes, one ten times
// the other: rows of frames holding control modules, with cables between
// neighbouring frames. Prints the time to generate every frame's pages
// and the time to load the same project without them: generation over load
// shows what the wiring documents add to opening a project, and the two
// sizes show whether generation stays linear in frames and devices.
#include "devices/module.h"
#include "equipment/cable.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/framegroup.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/wiringlayout.h"
#include "graphics/font.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/project.h"
#include "schemes/scheme.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

int boxes = 0;
// The wiring pages below the frames' rows.
int pageCount(Project &project)
{
    int count = 0;
    for (FrameGroup *row : project.equipment()->itemList())
        for (Frame *frame : row->itemList())
            count += frame->treeItem()->childCount() - 1;
    return count;
}

const int framesPerRow = 10;
const int dcFrameType = 11; // the frame type that gets the DC pages
const int coresPerCable = 60;

// frames frames in rows of ten, devices modules (TU, TV, TS in turn) placed
// in them when asked, and a cable from every frame to the next. The sheets
// keep no record of the places made here, so the project saved for the
// load figure holds its modules unplaced.
std::unique_ptr<Project> build(int frames, int devices, bool placed)
{
    auto project = std::make_unique<Project>(nullptr, nullptr);
    QList<Frame *> all;
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
        frame->setFrameType(dcFrameType);
        all.append(frame);
    }
    for (int i = 0; i < devices; ++i) {
        Frame *frame = all[i % frames];
        auto *module = static_cast<Device *>(project->createDevice(ModuleKind));
        module->setModelIndex(i % 3);
        module->setName(Module::typeName(i % 3) + QString::number(i + 1));
        if (!placed)
            continue;
        auto *place = new Place(frame->layout(), nullptr, 0, quint8(i / frames % 250));
        frame->layout()->addGraphicsItem(place);
        Address at = frame->address();
        at.setField(3, quint8(i / frames % 250));
        place->setAddress(at);
        GraphicsPlaceItemDevice *item = module->createPlaceItem(frame->layout());
        frame->layout()->addGraphicsItem(item);
        place->putItem(item);
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

struct Figures
{
    int pages = 0;
    double generate = 0;
    double pagesOnly = 0;
    double load = 0;
};

Figures measure(int frames, int devices, const QString &dir)
{
    Figures f;
    // The project without its wiring documents, saved and loaded.
    const QString path = dir + QStringLiteral("/plant%1.rlay").arg(frames);
    {
        std::unique_ptr<Project> saved = build(frames, devices, false);
        saved->setFileName(path);
        saved->setDevicesChanged();
        saved->setEquipmentChanged();
        saved->setSpecificationCableChanged();
        if (!saved->save())
            return f;
    }
    std::unique_ptr<Project> project = build(frames, devices, true);
    {
        Project loaded(nullptr, nullptr);
        loaded.setFileName(path);
        QElapsedTimer timer;
        timer.start();
        if (!loaded.load())
            return f;
        f.load = timer.nsecsElapsed() / 1e6;
    }

    QElapsedTimer timer;
    timer.start();
    const bool built = project->equipment()->createWiringLayouts(project->specificationCable()->cables());
    f.generate = timer.nsecsElapsed() / 1e6;
    f.pages = built ? pageCount(*project) : -1;

    // The same number of pages made alone, as the generation makes them
    // (without an item index), on one frame: what the walk adds is the
    // difference.
    Frame *spare = project->equipment()->itemList().first()->itemList().first();
    timer.restart();
    QList<WiringLayout *> alone;
    for (int i = 0; i < f.pages; ++i) {
        alone.append(spare->addWiringLayout<WiringLayout>(QStringLiteral("N"), 1, QString(), true, QString()));
        alone.last()->setItemIndexMethod(QGraphicsScene::NoIndex);
    }
    f.pagesOnly = timer.nsecsElapsed() / 1e6;
    qDeleteAll(alone);
    project.reset();
    return f;
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
    std::printf("%7s %8s %7s %12s %9s %9s %9s\n", "frames", "devices", "pages", "generate ms", "pages ms", "load ms",
                "walk/load");
    for (const auto &size : sizes) {
        const Figures f = measure(size[0], size[1], dir.path());
        if (f.pages <= 0 || boxes > 0) {
            std::fprintf(stderr, "failed: %d pages, %d boxes\n", f.pages, boxes);
            return 1;
        }
        std::printf("%7d %8d %7d %12.1f %9.1f %9.1f %9.2f\n", size[0], size[1], f.pages, f.generate, f.pagesOnly,
                    f.load, (f.generate - f.pagesOnly) / f.load);
    }
    return 0;
}
