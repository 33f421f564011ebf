// Saving and loading whole projects of two sizes, one ten times the other,
// with their scheme files.
// Prints the save and load times, the bytes written and the time to read
// the same files' bytes without parsing them: load time over read time shows
// how close loading comes to the disk, and the two sizes show whether save
// and load stay linear.
#include "equipment/cable.h"
#include "equipment/specificationmanagercable.h"
#include "model/check.h"
#include "model/device.h"
#include "model/project.h"
#include "schemes/schememenager.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

const char *const extensions[] = {".rlay", ".obj", ".schm", ".eqm", ".spd", ".spc"};

void fill(Project &project, int devices)
{
    const int kinds[] = {RelayKind, FuseKind, ResistorKind, ButtonKind, ModuleKind, LampKind, SourceKind, ConductorKind};
    for (int i = 0; i < devices; ++i) {
        const int kind = kinds[i % 8];
        Obj *obj = project.createDevice(kind);
        obj->setName(QStringLiteral("%1%2").arg(project.kindName(kind)).arg(i));
        if (auto *device = dynamic_cast<Device *>(obj))
            device->setModelIndex(i % 13);
    }
    // One cable for every ten devices, with a few cores each.
    SpecificationManagerCable *cables = project.specificationCable();
    for (int i = 0; i < devices / 10; ++i) {
        auto *cable = new Cable(i % Cable::TypeCount);
        cable->setNumber(i);
        for (int c = 0; c < 4; ++c)
            cable->appendCore(new CableCore{QStringLiteral("K%1:%2").arg(i).arg(c), QStringLiteral("X%1").arg(c), c});
        cables->addCable((quint64(0x000100 + i % 40) << 32) | quint64(0x000200 + i % 30), cable);
    }
    // One scheme for every fifty devices, ten to a group, each in its own
    // file.
    SchemeGroup *group = nullptr;
    for (int i = 0; i < devices / 50; ++i) {
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
    }
}

struct Figures
{
    qint64 saveNs = 0;
    qint64 loadNs = 0;
    qint64 readNs = 0;
    qint64 bytes = 0;
};

Figures measure(int devices, const QString &dir)
{
    Figures best;
    best.saveNs = best.loadNs = best.readNs = std::numeric_limits<qint64>::max();
    const QString path = dir + QStringLiteral("/bench%1.rlay").arg(devices);
    Project project(nullptr, nullptr);
    fill(project, devices);
    project.setFileName(path);
    for (int round = 0; round < 3; ++round) {
        project.setModified(true);
        project.setDevicesChanged();
        project.setSchemesChanged();
        project.setEquipmentChanged();
        project.setSpecificationDeviceChanged();
        project.setSpecificationCableChanged();
        QElapsedTimer t;
        t.start();
        if (!project.save())
            std::fprintf(stderr, "save failed\n");
        best.saveNs = std::min(best.saveNs, t.nsecsElapsed());

        {
            Project loaded(nullptr, nullptr);
            loaded.setFileName(path);
            t.restart();
            if (!loaded.load())
                std::fprintf(stderr, "load failed\n");
            best.loadNs = std::min(best.loadNs, t.nsecsElapsed());
        }

        best.bytes = 0;
        t.restart();
        for (const char *ext : extensions) {
            QFile f(dir + QStringLiteral("/bench%1").arg(devices) + QLatin1String(ext));
            f.open(QIODevice::ReadOnly);
            best.bytes += f.readAll().size();
        }
        best.readNs = std::min(best.readNs, t.nsecsElapsed());
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Nothing may wait for a click: every box goes to the console.
    setModalHook([](QDialog *dialog) {
        std::fprintf(stderr, "box: %s\n", qPrintable(dialog->windowTitle()));
        return int(QDialog::Rejected);
    });

    QTemporaryDir dir;
    const int sizes[] = {5000, 50000};
    Figures figures[2];
    std::printf("%8s %10s %10s %10s %10s %8s\n", "devices", "bytes", "save ms", "load ms", "read ms", "load/read");
    for (int i = 0; i < 2; ++i) {
        figures[i] = measure(sizes[i], dir.path());
        const Figures &f = figures[i];
        std::printf("%8d %10lld %10.2f %10.2f %10.3f %8.1f\n", sizes[i], f.bytes, f.saveNs / 1e6, f.loadNs / 1e6,
                    f.readNs / 1e6, double(f.loadNs) / double(std::max<qint64>(f.readNs, 1)));
    }
    std::printf("ten times the size: save x%.1f, load x%.1f, bytes x%.1f\n",
                double(figures[1].saveNs) / double(figures[0].saveNs),
                double(figures[1].loadNs) / double(figures[0].loadNs),
                double(figures[1].bytes) / double(figures[0].bytes));
    return 0;
}
