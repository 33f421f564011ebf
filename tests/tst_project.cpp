#include "model/file.h"
#include "model/obj.h"
#include "model/pin.h"
#include "model/project.h"
#include "model/projectitemowner.h"
#include "model/tag.h"
#include "support/modalrecorder.h"

#include "devices/ammeter.h"
#include "devices/autoswitch.h"
#include "devices/bell.h"
#include "devices/block.h"
#include "devices/boxx.h"
#include "devices/button.h"
#include "devices/capacitor.h"
#include "devices/clamp.h"
#include "devices/commutator.h"
#include "devices/diode.h"
#include "devices/discharger.h"
#include "devices/fuse.h"
#include "devices/heating.h"
#include "devices/interrupter.h"
#include "devices/keystaff.h"
#include "devices/lamp.h"
#include "devices/luminodiode.h"
#include "devices/measuringpanel.h"
#include "devices/module.h"
#include "devices/plughole.h"
#include "devices/relay.h"
#include "devices/resistor.h"
#include "devices/signallamp.h"
#include "devices/stabilitron.h"
#include "devices/trans.h"
#include "devices/varistor.h"
#include "equipment/equipmentmenager.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/specificationmanagerdevice.h"
#include "schemes/conductor.h"
#include "schemes/footnote.h"
#include "schemes/schememenager.h"
#include "schemes/source.h"

#include <QContextMenuEvent>
#include <QDockWidget>
#include <QMainWindow>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Logs every signal of a project in the order it comes.
class SignalLog
{
public:
    explicit SignalLog(Project &project)
    {
        QObject::connect(&project, &Project::projectChanged, [this] { lines << "projectChanged"; });
        QObject::connect(&project, &Project::showGraphicsScene,
                         [this](GraphicsScene &, GraphicsItem *) { lines << "showGraphicsScene"; });
        QObject::connect(&project, &Project::deleteGraphicsScene,
                         [this](GraphicsScene *) { lines << "deleteGraphicsScene"; });
        QObject::connect(&project, &Project::nameChangedGraphicsScene,
                         [this](const GraphicsScene &) { lines << "nameChangedGraphicsScene"; });
        QObject::connect(&project, &Project::objAppend, [this](Obj &o) { lines << "objAppend " + o.name(); });
        QObject::connect(&project, &Project::objDelete, [this](Obj &o) { lines << "objDelete " + o.name(); });
        QObject::connect(&project, &Project::objUpdate, [this](Obj &o) { lines << "objUpdate " + o.name(); });
    }
    QStringList lines;
};

// A project-tree row that records what the tree tells it.
class TestRow : public ProjectItemBase
{
public:
    explicit TestRow(const QString &name, ProjectItemBase *parent = nullptr, QStringList *log = nullptr)
        : ProjectItemBase(parent)
        , m_log(log)
    {
        setTexts(name, QString());
    }
    ~TestRow() override
    {
        if (m_log)
            *m_log << name() + " destroyed";
    }

    void setCurrent(bool current) override
    {
        note(QString("setCurrent %1").arg(current));
        ProjectItemBase::setCurrent(current);
    }
    void setChildCurrent(ProjectItemBase *child, bool current) override
    {
        note(QString("setChildCurrent %1 %2").arg(child->text(0)).arg(current));
        ProjectItemBase::setChildCurrent(child, current);
    }
    void setChanged() override
    {
        note("setChanged");
        ProjectItemBase::setChanged();
    }
    void doubleClicked() override { note("doubleClicked"); }
    bool contextMenu(const QPoint &pos) override
    {
        note(QString("contextMenu %1,%2").arg(pos.x()).arg(pos.y()));
        return ProjectItemBase::contextMenu(pos);
    }

private:
    void note(const QString &line)
    {
        if (m_log)
            *m_log << name() + " " + line;
    }
    QStringList *m_log;
};

Project *newCleanProject()
{
    auto *project = new Project(nullptr, nullptr);
    project->setModified(false);
    project->clearChangeFlags();
    return project;
}

struct KindRow
{
    int kind;
    const char *name;
    int flags[3];
    std::function<bool(Obj *)> isClass;
};

template <class T>
std::function<bool(Obj *)> is()
{
    return [](Obj *o) { return dynamic_cast<T *>(o) != nullptr; };
}

// The kind table as the project must give it.
const QList<KindRow> &expectedKinds()
{
    static const QList<KindRow> rows = {
        {202, "Relay", {0, 0, 0}, is<Relay>()},
        {2, "RelayWinding", {0, 0, 0}, nullptr},
        {201, "Block", {0, 0, 0}, is<Block>()},
        {101, "Source", {0, 0, 0}, is<Source>()},
        {205, "Trans", {0, 0, 0}, is<Trans>()},
        {102, "Footnote", {0, 0, 0}, is<Footnote>()},
        {204, "Fuse", {1, 0, 0}, is<Fuse>()},
        {203, "ClampPanel", {0, 0, 0}, is<ClampPanel>()},
        {206, "Plughole", {1, 1, 1}, is<Plughole>()},
        {207, "Capacitor", {1, 1, 1}, is<Capacitor>()},
        {208, "Resistor", {1, 1, 1}, is<Resistor>()},
        {209, "Discharger", {1, 1, 1}, is<Discharger>()},
        {210, "Varistor", {1, 1, 1}, is<Varistor>()},
        {103, "Conductor", {0, 0, 0}, is<Conductor>()},
        {211, "Diode", {1, 1, 1}, is<Diode>()},
        {212, "Stabilitron", {1, 1, 1}, is<Stabilitron>()},
        {213, "Lamp", {0, 0, 0}, is<Lamp>()},
        {214, "Bell", {0, 0, 0}, is<Bell>()},
        {215, "MeasuringPanel", {0, 0, 0}, is<MeasuringPanel>()},
        {216, "Heating", {0, 0, 0}, is<Heating>()},
        {217, "Box", {0, 0, 0}, is<Boxx>()},
        {218, "Interrupter", {1, 1, 1}, is<Interrupter>()},
        {219, "Luminodiode", {0, 0, 1}, is<Luminodiode>()},
        {220, "Signallamp", {0, 0, 1}, is<Signallamp>()},
        {221, "Button", {0, 0, 0}, is<Button>()},
        {222, "Commutator", {0, 0, 0}, is<Commutator>()},
        {223, "Keystaff", {0, 0, 0}, is<Keystaff>()},
        {224, "Module", {0, 0, 0}, is<Module>()},
        {225, "Ammeter", {0, 0, 1}, is<Ammeter>()},
        {226, "AutoSwitch", {0, 0, 0}, is<AutoSwitch>()},
    };
    return rows;
}

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

private slots:
    void nameIndexFollowsRandomEdits()
    {
        // Names added, looked up and taken out at random, the toolkit's hash
        // the reference: every name is found, or not, as there.
        NameIndex index;
        QHash<QString, Obj *> reference;
        std::vector<Obj *> objects(64);
        QRandomGenerator random(5);
        for (int step = 0; step < 20000; ++step) {
            const int n = int(random.bounded(3000));
            const QString name = QString::number(n);
            Obj *obj = reinterpret_cast<Obj *>(&objects[size_t(n % 64)]);
            const qsizetype at = index.indexOf(name);
            QCOMPARE(at >= 0 ? index.at(at).obj : nullptr, reference.value(name));
            if (at >= 0 && random.bounded(2)) {
                index.removeAt(at);
                reference.remove(name);
            } else if (at < 0) {
                bool made = false;
                index.slot(name, &made) = obj;
                QVERIFY(made);
                reference.insert(name, obj);
            }
            QCOMPARE(index.size(), reference.size());
        }
    }

    void kindTable()
    {
        // The folders registered every kind once, whatever their order.
        const QList<KindRow> &rows = expectedKinds();
        const QList<DeviceKindEntry> &table = ProjectParts::kinds();
        QCOMPARE(table.size(), rows.size());
        for (const KindRow &row : rows) {
            const auto e = std::find_if(table.cbegin(), table.cend(),
                                        [&](const DeviceKindEntry &entry) { return entry.kind == row.kind; });
            QVERIFY2(e != table.cend(), row.name);
            QCOMPARE(QString(e->name), QString(row.name));
            QCOMPARE(int(e->renamesPinsOnAddressChange), row.flags[0]);
            QCOMPARE(int(e->hasPositionCode), row.flags[1]);
            QCOMPARE(int(e->pinNamesByPosition), row.flags[2]);
            QCOMPARE(int(e->reserved), 0);
            QCOMPARE(e->factory == nullptr, row.kind == RelayWindingKind);
        }
    }

    void createEveryKind()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        for (const KindRow &row : expectedKinds()) {
            QCOMPARE(project.kindName(row.kind), QString(row.name));
            const DeviceKindEntry *entry = project.kindEntry(row.kind);
            QVERIFY(entry);
            QCOMPARE(entry->renamesPinsOnAddressChange, quint8(row.flags[0]));
            if (!row.isClass)
                continue;
            std::unique_ptr<Obj> obj(project.createDevice(row.kind));
            QVERIFY2(obj, row.name);
            QVERIFY2(row.isClass(obj.get()), row.name);
            QCOMPARE(obj->kind(), row.kind);
            QCOMPARE(obj->project(), &project);
            QVERIFY(obj->name().isEmpty());
            QVERIFY(obj->items().isEmpty());
            QCOMPARE(project.objectsOfKind(row.kind), nullptr);
            if (row.kind < 200)
                QVERIFY(dynamic_cast<Tag *>(obj.get()));
            else
                QCOMPARE(static_cast<Device *>(obj.get())->modelIndex(), -1);
        }
        QCOMPARE(rec.count(), 0);

        // No factory, not a kind, not registered: a check and null.
        QCOMPARE(project.createDevice(RelayWindingKind), nullptr);
        QCOMPARE(project.createDevice(0), nullptr);
        QCOMPARE(project.createDevice(-3), nullptr);
        QCOMPARE(project.createDevice(300), nullptr);
        QCOMPARE(rec.count(), 4);
        QCOMPARE(project.kindName(300), QString());
        QCOMPARE(project.kindEntry(300), nullptr);
        QCOMPARE(rec.count(), 6);
    }

    void objectIndex()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        QCOMPARE(project.findObj(RelayKind, QString()), nullptr);
        QCOMPARE(project.findObj(RelayKind, "K1"), nullptr);

        Obj *k1 = project.createDevice(RelayKind);
        Obj *k2 = project.createDevice(RelayKind);
        Obj *fuseK1 = project.createDevice(FuseKind);
        QVERIFY(k1->setName("K1"));
        QVERIFY(k2->setName("K2"));
        QVERIFY(fuseK1->setName("K1"));
        QCOMPARE(project.findObj(RelayKind, "K1"), k1);
        QCOMPARE(project.findObj(FuseKind, "K1"), fuseK1);
        QCOMPARE(project.findObj(LampKind, "K1"), nullptr);
        QCOMPARE(project.objectsOfKind(RelayKind)->size(), 2);
        QCOMPARE(project.sortedObjectsOfKind(RelayKind), (QList<Obj *>{k1, k2}));
        QCOMPARE(project.indexedKinds(), (QList<int>{RelayKind, FuseKind}));
        // In the order of the names also where they agree beyond their
        // first sixteen units, hold a zero unit, or units of any value.
        {
            Project named(nullptr, nullptr);
            QRandomGenerator random(11);
            const QString units = QStringLiteral("Ka1%1%2").arg(QChar(0)).arg(QChar(0xffee));
            QMap<QString, Obj *> byName;
            for (int i = 0; i < 3000; ++i) {
                QString name = QStringLiteral("RelayOfTheFeeder").left(int(random.bounded(18)));
                for (int n = int(random.bounded(1, 5)); n > 0; --n)
                    name += units[random.bounded(units.size())];
                if (byName.contains(name))
                    continue;
                Obj *lamp = named.createDevice(LampKind);
                QVERIFY(lamp->setName(name));
                byName.insert(name, lamp);
            }
            QCOMPARE(named.sortedObjectsOfKind(LampKind), byName.values());
        }

        // A second object of the same kind and name is refused.
        {
            // An object named "F" that is no longer in the index...
            Obj clash(&project, FuseKind);
            QVERIFY(clash.setName("F"));
            QVERIFY(project.removeObj(&clash));
            // ...while another one of the kind takes the name.
            Obj other(&project, FuseKind);
            QVERIFY(other.setName("F"));
            QCOMPARE(rec.count(), 0);
            QVERIFY(!project.appendObj(&clash));
            QCOMPARE(rec.count(), 1);
            QCOMPARE(project.findObj(FuseKind, "F"), &other);
        }
        QCOMPARE(rec.count(), 1);

        // Unnamed, not there, or not under that name: a check and false.
        Obj unnamed(&project, RelayKind);
        QVERIFY(!project.appendObj(&unnamed));
        QVERIFY(!project.appendObj(nullptr));
        QVERIFY(!project.removeObj(&unnamed));
        QVERIFY(!project.renameObj(k1, "K7"));
        QCOMPARE(rec.count(), 5);
        QCOMPARE(project.findObj(RelayKind, "K1"), k1);

        delete k1;
        delete k2;
        QCOMPARE(project.objectsOfKind(RelayKind), nullptr);
        QCOMPARE(project.indexedKinds(), QList<int>{FuseKind});
        delete fuseK1;
        QCOMPARE(rec.count(), 5);
    }

    void objectSignalsInOrder()
    {
        ModalRecorder rec;
        std::unique_ptr<Project> project(newCleanProject());
        SignalLog log(*project);
        QSignalSpy changed(project.get(), &Project::projectChanged);

        Obj *k1 = project->createDevice(RelayKind);
        Obj *k2 = project->createDevice(RelayKind);
        QVERIFY(k1->setName("K1"));
        QVERIFY(project->isModified());
        QVERIFY(project->devicesChanged());
        QVERIFY(k2->setName("K2"));
        QCOMPARE(log.lines, (QStringList{"projectChanged", "objAppend K1", "objAppend K2"}));
        QCOMPARE(changed.count(), 1);

        log.lines.clear();
        project->setModified(false);
        project->clearChangeFlags();
        QVERIFY(k1->setName("K3"));
        QVERIFY(k2->setName("K4"));
        QCOMPARE(log.lines, (QStringList{"projectChanged", "objUpdate K3", "objUpdate K4"}));

        log.lines.clear();
        project->setModified(false);
        project->clearChangeFlags();
        delete k1;
        delete k2;
        QCOMPARE(log.lines, (QStringList{"objDelete K3", "projectChanged", "objDelete K4"}));
        QCOMPARE(changed.count(), 3);

        // The object carried inside a winding item is indexed silently.
        log.lines.clear();
        project->setModified(false);
        project->clearChangeFlags();
        {
            Obj winding(project.get(), RelayWindingKind);
            QVERIFY(winding.setName("K1"));
            QCOMPARE(project->findObj(RelayWindingKind, "K1"), &winding);
            QVERIFY(winding.setName("K2"));
            project->updateObj(&winding);
        }
        QCOMPARE(project->objectsOfKind(RelayWindingKind), nullptr);
        QVERIFY(log.lines.isEmpty());
        QVERIFY(!project->isModified());
        QVERIFY(!project->devicesChanged());

        // The scene signals are emitted for others.
        char dummy[8];
        auto *scene = reinterpret_cast<GraphicsScene *>(dummy);
        project->emitShowGraphicsScene(*scene);
        project->emitNameChangedGraphicsScene(*scene);
        project->emitDeleteGraphicsScene(scene);
        QCOMPARE(log.lines,
                 (QStringList{"showGraphicsScene", "nameChangedGraphicsScene", "deleteGraphicsScene"}));
        QCOMPARE(rec.count(), 0);
        // The project's own sheets still report their end to the log.
        project.reset();
    }

    void newProjectState()
    {
        Project project(nullptr, nullptr);
        QVERIFY(project.isModified());
        QVERIFY(project.devicesChanged() && project.schemesChanged() && project.equipmentChanged()
                && project.specificationDeviceChanged() && project.specificationCableChanged());
        QVERIFY(!project.hasFileName());
        QCOMPARE(project.language(), 1);
        for (int i = 0; i < Project::PropertyCount; ++i)
            QVERIFY(project.projectProperty(i).isEmpty());
        QVERIFY(!project.keepsStamp());
        QVERIFY(project.stamp().isNull());
        const QStringList extensions{".rlay", ".obj", ".schm", ".eqm", ".spd", ".spc"};
        for (int i = 0; i < Project::FileCount; ++i)
            QCOMPARE(project.file(i)->defaultExtension(), extensions[i]);
        QVERIFY(project.schemes() && project.equipment() && project.specificationDevice()
                && project.specificationCable());
    }

    void propertiesAndLanguage()
    {
        ModalRecorder rec;
        std::unique_ptr<Project> project(newCleanProject());
        QSignalSpy changed(project.get(), &Project::projectChanged);

        QCOMPARE(project->projectProperty(18), QString("?"));
        QCOMPARE(project->projectProperty(-1), QString("?"));
        project->setProjectProperty(18, "x");
        QCOMPARE(rec.count(), 3);

        project->setProjectProperty(3, QString());
        QVERIFY(!project->isModified());
        QCOMPARE(changed.count(), 0);
        project->setProjectProperty(3, "Plant");
        QCOMPARE(project->projectProperty(3), QString("Plant"));
        QVERIFY(project->isModified());
        QCOMPARE(changed.count(), 1);
        project->setProjectProperty(17, "Last");
        QCOMPARE(changed.count(), 1);

        project->setModified(false);
        project->setLanguage(1);
        QCOMPARE(changed.count(), 1);
        project->setLanguage(0);
        QCOMPARE(project->language(), 0);
        QCOMPARE(changed.count(), 2);

        QCOMPARE(Project::languageName(0), QString("Russian"));
        QCOMPARE(Project::languageName(1), QString("Ukrainian"));
        QCOMPARE(Project::languageName(2), QString("?"));
        QCOMPARE(rec.count(), 4);
    }

    void changeFlags()
    {
        std::unique_ptr<Project> project(newCleanProject());
        QSignalSpy changed(project.get(), &Project::projectChanged);
        QVERIFY(!project->isModified());

        project->setSchemesChanged();
        QVERIFY(project->schemesChanged());
        QVERIFY(project->isModified());
        QCOMPARE(changed.count(), 1);
        project->setSchemesChanged();
        project->setEquipmentChanged();
        project->setSpecificationDeviceChanged();
        project->setSpecificationCableChanged();
        QVERIFY(project->equipmentChanged() && project->specificationDeviceChanged()
                && project->specificationCableChanged());
        QVERIFY(!project->devicesChanged());
        QCOMPARE(changed.count(), 1);

        project->setModified(true);
        QCOMPARE(changed.count(), 1);
        project->setModified(false);
        QCOMPARE(changed.count(), 1);
        // A flag already set marks nothing, not even the project.
        project->setSchemesChanged();
        QVERIFY(!project->isModified());
        project->setDevicesChanged();
        QVERIFY(project->isModified());
        QCOMPARE(changed.count(), 2);
        project->setModified(false);
        project->setModified(true);
        QCOMPARE(changed.count(), 3);
    }

    void fileNames()
    {
        Project project(nullptr, nullptr);
        QTemporaryDir dir;
        project.setFileName(dir.path() + "/plant.b.rlay");
        QCOMPARE(project.fileName(), dir.path() + "/plant.b.rlay");
        // Side files take the name up to the last dot.
        QCOMPARE(project.file(Project::DevicesFile)->fileName(), dir.path() + "/plant.b.obj");
        QCOMPARE(project.file(Project::SpecificationCableFile)->fileName(), dir.path() + "/plant.b.spc");
        project.setFileName(QString());
        QCOMPARE(project.fileName(), dir.path() + "/plant.b.rlay");
    }

    void shownAsExplorerDock()
    {
        QMainWindow window;
        QList<QAction *> actions;
        auto *dock = new QDockWidget("Project Explorer", &window);
        auto *project = new Project(dock, &actions);
        dock->setWidget(project);
        window.addDockWidget(Qt::LeftDockWidgetArea, dock);
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(project->isVisible());
        QCOMPARE(project->actionList(), &actions);
        QCOMPARE(project->headerItem()->text(0), QString("Issue"));
        QCOMPARE(project->headerItem()->text(1), QString("Comment"));
        QCOMPARE(project->columnWidth(0), 170);
        QCOMPARE(project->selectionMode(), QAbstractItemView::ExtendedSelection);
        // The four branches, sorted by their names.
        const QStringList rows{"Placing of equipment", "Principial schemes", "Specification cables",
                               "Specification devices"};
        QCOMPARE(project->topLevelItemCount(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(project->topLevelItem(i)->text(0), rows[i]);
            QVERIFY(project->visualItemRect(project->topLevelItem(i)).isValid());
        }
        QCOMPARE(project->schemes()->treeItem()->text(0), rows[1]);
        QCOMPARE(project->schemes()->treeItem()->owner(), project->schemes());
        QCOMPARE(project->equipment()->treeItem()->text(0), rows[0]);
        QCOMPARE(project->specificationCable()->treeItem()->text(0), rows[2]);
        QCOMPARE(project->specificationDevice()->treeItem()->text(0), rows[3]);
        if (!qEnvironmentVariableIsEmpty("RLAY_GRAB"))
            window.grab().save(qEnvironmentVariable("RLAY_GRAB"));
    }

    void changesTravelUp()
    {
        QStringList log;
        std::unique_ptr<Project> project(newCleanProject());
        auto *doc = new TestRow("doc", project->schemes()->treeItem(), &log);
        auto *part = new TestRow("part", doc, &log);
        QSignalSpy changed(project.get(), &Project::projectChanged);

        part->setChanged();
        QCOMPARE(log, (QStringList{"part setChanged", "doc setChanged"}));
        QVERIFY(project->schemesChanged());
        QVERIFY(!project->equipmentChanged());
        QVERIFY(project->isModified());
        QCOMPARE(changed.count(), 1);

        // Each top-level branch marks its own side file.
        project->clearChangeFlags();
        log.clear();
        part->setParentChanged();
        QCOMPARE(log, QStringList{"doc setChanged"});
        QVERIFY(project->schemesChanged());
        (new TestRow("frame", project->equipment()->treeItem()))->setChanged();
        QVERIFY(project->equipmentChanged());
        (new TestRow("group", project->specificationDevice()->treeItem()))->setParentChanged();
        QVERIFY(project->specificationDeviceChanged());
        project->specificationCable()->treeItem()->setChanged();
        QVERIFY(project->specificationCableChanged());
        QVERIFY(!project->devicesChanged());

        // A top-level row without an owner passes nothing on.
        TestRow alone("alone");
        alone.setChanged();
        alone.setParentChanged();
    }

    void currentRows()
    {
        QStringList log;
        std::unique_ptr<Project> project(newCleanProject());
        auto *group = new TestRow("group", project->schemes()->treeItem(), &log);
        auto *scheme = new TestRow("scheme", group, &log);
        auto *other = new TestRow("other", group, &log);

        project->setCurrentItem(scheme);
        QCOMPARE(log, (QStringList{"scheme setCurrent 1", "group setChildCurrent scheme 1"}));
        log.clear();
        project->setCurrentItem(other);
        QCOMPARE(log, (QStringList{"scheme setCurrent 0", "group setChildCurrent scheme 0", "other setCurrent 1",
                                   "group setChildCurrent other 1"}));

        // Deleting the current row leaves no current row and tells it so.
        log.clear();
        delete other;
        QVERIFY(!project->currentItem());
        QCOMPARE(log, (QStringList{"other destroyed", "group setChildCurrent other 0"}));

        // Deleting a row whose child is current: the child is told before
        // any row it hands the news to is gone.
        project->setCurrentItem(scheme);
        log.clear();
        delete group;
        QVERIFY(!project->currentItem());
        QCOMPARE(log, (QStringList{"group destroyed", "scheme setCurrent 0", "scheme destroyed"}));
        QCOMPARE(project->schemes()->treeItem()->childCount(), 0);
    }

    void doubleClickAndExpand()
    {
        QStringList log;
        Project project(nullptr, nullptr);
        auto *doc = new TestRow("doc", project.schemes()->treeItem(), &log);
        project.resize(400, 300);
        project.show();
        project.expandAll();
        QVERIFY(QTest::qWaitForWindowExposed(&project));

        const QRect rect = project.visualItemRect(doc);
        QVERIFY(rect.isValid());
        QSignalSpy dbl(&project, &QTreeWidget::itemDoubleClicked);
        // A user's double click is a click followed by the double click.
        QTest::mouseClick(project.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseDClick(project.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QCOMPARE(dbl.count(), 1);
        QVERIFY(log.contains("doc doubleClicked"));
        log.clear();
        project.doubleClickCurrentItem(doc);
        project.doubleClickCurrentItem(nullptr);
        QCOMPARE(log, QStringList{"doc doubleClicked"});
    }

    void icons()
    {
        QTemporaryDir dir;
        QImage closed(16, 16, QImage::Format_ARGB32);
        closed.fill(Qt::red);
        closed.save(dir.path() + "/closed.png");
        QImage open(16, 16, QImage::Format_ARGB32);
        open.fill(Qt::green);
        open.save(dir.path() + "/open.png");

        Project project(nullptr, nullptr);
        auto *row = new TestRow("row", project.schemes()->treeItem());
        new TestRow("child", row);
        row->setIcons(dir.path() + "/closed.png", dir.path() + "/open.png");
        auto colour = [row] { return row->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8); };
        QCOMPARE(colour(), QColor(Qt::red));
        project.expandItem(row);
        QCOMPARE(colour(), QColor(Qt::green));
        project.QTreeWidget::collapseItem(row);
        QCOMPARE(colour(), QColor(Qt::red));

        // A row without icons keeps its icon.
        auto *plain = new TestRow("plain", project.schemes()->treeItem());
        plain->collapsed();
        plain->expanded();
        QVERIFY(plain->icon(0).isNull());
    }

    void contextMenus()
    {
        QStringList log;
        std::unique_ptr<Project> project(newCleanProject());
        TestRow top("top");
        QVERIFY(!top.contextMenu(QPoint()));
        auto *doc = new TestRow("doc", project->schemes()->treeItem(), &log);
        auto *part = new TestRow("part", doc, &log);
        // A row with a parent answers true, whatever the parent did.
        QVERIFY(part->contextMenu(QPoint(3, 4)));
        QCOMPARE(log, (QStringList{"part contextMenu 3,4", "doc contextMenu 3,4"}));

        log.clear();
        project->setCurrentItem(part);
        log.clear();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(20, 30));
        event.ignore();
        QCoreApplication::sendEvent(project->viewport(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(log, (QStringList{"part contextMenu 20,30", "doc contextMenu 20,30"}));
    }

    void rowTexts()
    {
        TestRow a("name");
        a.setTexts("Scheme 1", "power");
        QCOMPARE(a.name(), QString("Scheme 1"));
        QCOMPARE(a.comment(), QString("power"));
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            a.writeTexts(out);
        }
        TestRow b("other");
        DataStream in(&bytes, QIODevice::ReadOnly);
        b.readTexts(in);
        QCOMPARE(b.name(), QString("Scheme 1"));
        QCOMPARE(b.comment(), QString("power"));
    }

    void destructionDeletesObjects()
    {
        auto *project = new Project(nullptr, nullptr);
        QStringList deleted;
        QObject::connect(project, &Project::objDelete, [&deleted](Obj &o) { deleted << o.name(); });
        for (const char *name : {"K2", "K1"})
            QVERIFY(project->createDevice(RelayKind)->setName(name));
        QVERIFY(project->createDevice(SourceKind)->setName("+24"));
        QVERIFY((new Obj(project, RelayWindingKind))->setName("W"));
        delete project;
        QCOMPARE(deleted, (QStringList{"+24", "K1", "K2"}));
    }

    void checkAndPinMap()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        QTreeWidget results;
        project.check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 0);
        QCOMPARE(rec.count(), 0);

        project.pinMap().insert(5, nullptr);
        QVERIFY(!project.updatePinsPointers());
        QCOMPARE(rec.count(), 1);
        QVERIFY(project.pinMap().isEmpty());
        QVERIFY(project.updatePinsPointers());

        project.registerOldId(0, project.findObj(RelayKind, "x"));
        QCOMPARE(rec.count(), 2);
        QCOMPARE(project.objByOldId(0), nullptr);
    }
};

QTEST_MAIN(TestProject)
#include "tst_project.moc"
