#include "equipment/cable.h"
#include "equipment/equipmentmenager.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/specificationmanagerdevice.h"
#include "graphics/sceneitem.h"
#include "model/commitrecord.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/file.h"
#include "model/obj.h"
#include "model/project.h"
#include "model/tag.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/modalrecorder.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLockFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QProcess>
#include <QtTest>

#include <sys/file.h>
#include "devices/fuse.h"
#include "devices/graphicsfuse.h"
#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/font.h"
#include "graphics/graphicsellipse.h"
#include "graphics/graphicsline.h"
#include "graphics/graphicspixmap.h"
#include "graphics/graphicsrect.h"
#include "graphics/graphicstext.h"
#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "devices/graphicsbottom.h"
#include "devices/graphicsclamp.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/graphicstrans.h"
#include "devices/graphicsbutton.h"
#include "devices/graphicscommutator.h"
#include "devices/graphicscontact.h"
#include "devices/relaycatalogue.h"
#include "devices/twopindevice.h"
#include "equipment/framegroup.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "schemes/graphicspassage.h"
#include "schemes/schemegroup.h"
#include "support/streambytes.h"

#include <functional>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Every file of a project folder by name, but the lock of one held open.
using Snapshot = QMap<QString, QByteArray>;

Snapshot snapshot(const QString &dir)
{
    Snapshot files;
    const QDir d(dir);
    for (const QString &name : d.entryList(QDir::Files | QDir::Hidden)) {
        if (name.startsWith('.') && name.endsWith(".rlay.lock"))
            continue;
        QFile f(d.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files.insert(name, f.readAll());
    }
    return files;
}

// Runs a step while no file may grow beyond the limit, as on a full disk.
struct FileSizeLimit
{
    rlim_t bytes;
    template <class Step>
    bool run(Step step) const
    {
        struct rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool result = step();
        setrlimit(RLIMIT_FSIZE, &saved);
        return result;
    }
};

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readRaw(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void restore(const QString &dir, const Snapshot &files)
{
    const Snapshot now = filesBelow(dir);
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (!files.contains(it.key()))
            QFile::remove(dir + "/" + it.key());
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (now.value(it.key()) != it.value() || !now.contains(it.key()))
            writeRaw(dir + "/" + it.key(), it.value());
    }
}

// The folders a power cut during run may leave: a file made holds half its
// bytes until synced, a change of a folder's names (a rename between two is
// one in each) stands once it is synced, any before; sync refuse fails.
QList<Snapshot> cutStates(const QString &dir, const std::function<void()> &run, int refuse = -1)
{
    QList<std::tuple<QString, Snapshot, bool>> changes; // a folder, names set there (null: removed), synced
    QList<Snapshot> states;
    setDiskWatch([&, d = QDir(dir), from = filesBelow(dir)](DiskStep step, const QString &path, const QString &to) {
        const QString name = d.relativeFilePath(path), target = d.relativeFilePath(to), in = QFileInfo(name).path();
        if (step == DiskStep::Sync && QFileInfo(path).isDir()) {
            for (auto &[folder, names, synced] : changes)
                synced = synced || (folder == name && refuse != 0);
            return refuse-- != 0;
        }
        const QByteArray bytes = readRaw(path);
        changes.append({in, {{name, step == DiskStep::Sync ? bytes.chopped(bytes.size() / 2) : QByteArray()}}, false});
        if (const QString into = QFileInfo(target).path(); step == DiskStep::Rename)
            std::get<1>(into == in ? changes.last() : changes.emplaceBack(into, Snapshot(), false)).insert(target, bytes);
        const auto open = std::count_if(changes.cbegin(), changes.cend(), [](auto &c) { return !std::get<2>(c); });
        for (quint32 chosen = 0, bit = 0; chosen < 1u << open; ++chosen, bit = 0) {
            states << from;
            for (const auto &[folder, names, synced] : std::as_const(changes))
                for (auto it = synced || chosen >> bit++ & 1 ? names.cbegin() : names.cend(); it != names.cend(); ++it)
                    it->isNull() ? void(states.last().remove(it.key())) : void(states.last().insert(it.key(), *it));
        }
        if (step == DiskStep::Sync)
            std::get<1>(changes.last())[name] = bytes;
        return true;
    });
    run();
    setDiskWatch(nullptr);
    return states;
}

// The container: size and checksum in front of the payload.
QByteArray container(const QByteArray &payload)
{
    QByteArray bytes;
    DataStream s(&bytes, QIODevice::WriteOnly);
    s << qint32(payload.size()) << quint16(qChecksum(QByteArrayView(payload)));
    s.writeRawData(payload.constData(), int(payload.size()));
    return bytes;
}

// A side file's payload: its name and date-time, then its content.
struct SideImage
{
    QString name;
    QDateTime written;
    QByteArray content;

    static SideImage decode(const QByteArray &payload)
    {
        SideImage image;
        QByteArray copy = payload;
        DataStream s(&copy, QIODevice::ReadOnly);
        s >> image.name >> image.written;
        image.content = payload.mid(int(s.device()->pos()));
        return image;
    }
    QByteArray encode() const
    {
        QByteArray bytes = bytesOf([&](DataStream &s) { s << name << written; });
        return bytes + content;
    }
};

// The main file's payload, field by field.
struct MainImage
{
    QString name;
    QDateTime written;
    qint32 format = 11;
    qint32 reserved = 0;
    QDateTime stamp;
    qint32 language = 1;
    QStringList properties;
    FileHeader records[5];

    static bool decode(const QByteArray &payload, MainImage &image)
    {
        QByteArray copy = payload;
        DataStream s(&copy, QIODevice::ReadOnly);
        s >> image.name >> image.written >> image.format >> image.reserved;
        if (image.format >= 9)
            s >> image.stamp;
        qint32 count = 0;
        s >> image.language >> count;
        image.properties.clear();
        for (qint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
            QString p;
            s >> p;
            image.properties << p;
        }
        for (FileHeader &r : image.records) {
            qint32 size = 0;
            s >> r.name >> size >> r.checkSum >> r.dateTime;
            r.size = size;
        }
        return s.status() == QDataStream::Ok && s.atEnd();
    }
    QByteArray encode() const
    {
        return bytesOf([&](DataStream &s) {
            s << name << written << format << reserved;
            if (format >= 9)
                s << stamp;
            s << language << qint32(properties.size());
            for (const QString &p : properties)
                s << p;
            for (const FileHeader &r : records)
                s << r.name << qint32(r.size) << r.checkSum << r.dateTime;
        });
    }
};

const QStringList sideExtensions = {".obj", ".schm", ".eqm", ".spd", ".spc"};

// A project folder holding "<base>.rlay" and its side files, edited at the
// byte level with the container and the main file's records kept right.
struct ProjectFiles
{
    QString dir;
    QString base;

    QString path(const QString &ext) const { return dir + "/" + base + ext; }
    QByteArray payload(const QString &ext) const { return readRaw(path(ext)).mid(6); }
    MainImage main() const
    {
        MainImage m;
        MainImage::decode(payload(".rlay"), m);
        return m;
    }
    void setMain(const MainImage &m) const { writeRaw(path(".rlay"), container(m.encode())); }
    void setMainPayload(const QByteArray &payload) const { writeRaw(path(".rlay"), container(payload)); }
    // Writes a side payload and makes the main file expect it.
    void setSidePayload(const QString &ext, const QByteArray &payload) const
    {
        writeRaw(path(ext), container(payload));
        MainImage m = main();
        FileHeader &r = m.records[sideExtensions.indexOf(ext)];
        r.size = int(payload.size());
        r.checkSum = qChecksum(QByteArrayView(payload));
        setMain(m);
    }
    void setSideContent(const QString &ext, const QByteArray &content) const
    {
        SideImage side = SideImage::decode(payload(ext));
        side.content = content;
        setSidePayload(ext, side.encode());
    }
    QByteArray sideContent(const QString &ext) const { return SideImage::decode(payload(ext)).content; }
};

QDateTime clockNow;

void resetCableGlobals()
{
    usedCableTypes.clear();
    twistedPairStandard = true;
}

// A project with devices and tags of several kinds, properties, cables and
// the cable types in use.
void fillProject(Project &p, int scale = 1)
{
    const int kinds[] = {RelayKind,   BlockKind,   FuseKind,   ClampPanelKind, AmmeterKind,
                         ResistorKind, ButtonKind, ModuleKind, SourceKind,     FootnoteKind,
                         ConductorKind};
    int n = 0;
    for (int kind : kinds) {
        for (int i = 0; i < 3 * scale; ++i) {
            Obj *obj = p.createDevice(kind);
            QVERIFY(obj);
            QVERIFY(obj->setName(QString("%1-%2").arg(p.kindName(kind)).arg(i + 1)));
            if (auto *device = dynamic_cast<Device *>(obj)) {
                // Rows -1 to 5, within the kind's catalogue (the ammeter has two).
                const int row = n++ % 7 - 1;
                device->setModelIndex(kind == AmmeterKind ? row % 2 : row);
                device->setShowAddress(n % 3 == 0);
            }
        }
    }
    // The object carried inside a relay winding item is saved with its item.
    auto *winding = new Obj(&p, RelayWindingKind);
    QVERIFY(winding->setName("K1 winding"));

    for (int i = 0; i < Project::PropertyCount; ++i)
        p.setProjectProperty(i, i % 4 == 1 ? QString("Line %1\nsecond line \u0416").arg(i) : QString("P%1").arg(i));
    p.setLanguage(0);

    p.specificationDevice()->setAtrNumber(7);
    p.specificationDevice()->setComment("devices");
    SpecificationManagerCable *cables = p.specificationCable();
    cables->setAtrNumber(9);
    cables->setComment("cables");
    for (int i = 0; i < 4 * scale; ++i) {
        auto *cable = new Cable(i % 86);
        cable->setNumber(i + 1);
        for (int c = 0; c < i % 5; ++c)
            cable->appendCore(new CableCore{QString("K%1:%2").arg(i).arg(c), QString("X1:%1").arg(c), c});
        cables->addCable((quint64(0x000100 + i % 3) << 32) | quint64(0x000200 + i % 2), cable);
    }
    usedCableTypes = {0, 3, 18, 85};
    twistedPairStandard = false;
}

// Documents in every branch: two scheme groups with three schemes, a row
// with two frames, the distances between them, a bill of devices with a
// page, and two cable pages.
// One of each drawing primitive, turned or mirrored where it can be.
void addPrimitives(Scheme &scheme)
{
    auto *line = new GraphicsLine(&scheme, nullptr);
    line->setPoints(QPointF(0, 0), QPointF(400, 120));
    line->setPenStyle(Qt::DashLine);
    line->setPos(200, 200);
    scheme.addGraphicsItem(line);
    auto *rect = new GraphicsRect(&scheme, nullptr);
    rect->setPoints(QPointF(0, 0), QPointF(300, 200));
    rect->setFillColor(Qt::yellow);
    rect->setBrushStyle(Qt::SolidPattern);
    rect->setPos(800, 400);
    rect->rotateBy(1, true);
    scheme.addGraphicsItem(rect);
    auto *ellipse = new GraphicsEllipse(&scheme, nullptr);
    ellipse->setPoints(QPointF(0, 0), QPointF(160, 80));
    ellipse->setPos(1200, 600);
    ellipse->mirror(false);
    scheme.addGraphicsItem(ellipse);
    auto *text = new GraphicsText(&scheme, nullptr);
    text->setText("Feeder <1> & 2");
    text->setPos(400, 900);
    scheme.addGraphicsItem(text);
    auto *picture = new GraphicsPixmap(&scheme, nullptr);
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    picture->setPixmap(QPixmap::fromImage(image));
    picture->setPos(1600, 300);
    scheme.addGraphicsItem(picture);
}

void fillSheets(Project &p)
{
    const struct
    {
        int atr;
        QStringList schemes;
    } groups[] = {{7, {"power", "signals"}}, {2, {"lamps"}}};
    for (const auto &g : groups) {
        auto *group = new SchemeGroup(&p);
        group->setAtrNumber(g.atr);
        group->setComment(QString("group %1").arg(g.atr));
        p.schemes()->appendItem(group);
        int number = 1;
        for (const QString &name : g.schemes) {
            auto *scheme = new Scheme(&p);
            scheme->setSheetFormat(GraphicsScene::PaperA3, true, quint8(number));
            scheme->setName(name);
            scheme->setNumber(number++);
            group->appendItem(scheme);
        }
    }
    addPrimitives(*p.schemes()->itemList()[0]->itemList()[0]);

    auto *row = new FrameGroup(&p);
    p.equipment()->appendItem(row);
    Address address;
    address.setField(1, 3);
    row->setAddress(address);
    for (int n = 1; n <= 2; ++n) {
        auto *frame = new Frame(&p);
        Address a;
        a.setField(2, quint8(n));
        frame->setAddressField(a, 2);
        frame->setComment(QString("frame %1").arg(n));
        row->appendItem(frame);
        frame->setAddressField(row->address(), 1);
        frame->setFrameType(6);
    }
    EquipmentScheme::DistanceTable distances;
    distances[0x000301][0x000302] = 25;
    p.equipment()->equipmentScheme()->setDistances(distances);

    auto *bill = new SpecificationGroupDevice(&p);
    bill->treeItem()->setTexts("Bill", "of devices");
    bill->columns() = {0x000301, 0x000302};
    bill->rows().append(SpecificationDeviceRow{"K1", {{0x000301, 2}, {0x000302, 5}}});
    p.specificationDevice()->appendItem(bill);
    auto *page = new SpecificationDevice(&p);
    page->setRange(0, 2, 0, 1);
    page->setNumber(1);
    bill->appendItem(page);
    for (int n = 1; n <= 2; ++n) {
        auto *cables = new SpecificationCable(&p, n - 1, 0, 50);
        cables->setNumber(n);
        p.specificationCable()->appendItem(cables);
    }
}

// Every scheme item kind with a device of its kind, a transformer on two
// schemes, clamps through a passage and a bottom, and in the frames of
// fillSheets devices, a panel of boards on a bus and a note on a cable page.
void fillEveryKind(Project &p)
{
    Scheme::registerItemTypes();
    FrameLayout::registerItemTypes();
    auto *sheet = new Scheme(&p);
    sheet->setSheetFormat(GraphicsScene::PaperA3, true, 1);
    sheet->setNumber(3);
    p.schemes()->itemList()[0]->appendItem(sheet);
    int count = 0, placed = 0;
    const SchemeItemType *rows = Scheme::itemTypes(count);
    const auto add = [&](GraphicsItem *item, Scheme *on) {
        QVERIFY(item && on->addGraphicsItem(item));
        item->setPosQuiet(QPointF(400 + placed % 8 * 480, 400 + placed / 8 * 560));
        ++placed;
    };
    // Those below are made apart: they need more than a device.
    const QList<int> apart = {GraphicsPassage::Type, GraphicsClamp::Type, GraphicsBottom::Type, GraphicsTrans::Type};
    for (int i = 0; i < count; ++i) {
        const int type = rows[i].createItem && !apart.contains(rows[i].typeId) ? rows[i].typeId : 0;
        GraphicsItem *made = type ? sheet->createItem(type) : nullptr;
        auto *item = dynamic_cast<GraphicsObjItem *>(made);
        if (!item || (item->objType() < BlockKind && item->objType() != RelayWindingKind)) {
            delete made;
            continue;
        }
        add(item, sheet);
        if (auto *contact = dynamic_cast<GraphicsContact *>(item)) {
            // A contact of the winding named after its type.
            contact->setContactKind(0);
            contact->setContactNumber(0);
            item->setName("D302");
            continue;
        }
        const QString name = QString("D%1").arg(type - QGraphicsItem::UserType);
        Obj *obj = p.createDevice(item->objType());
        QVERIFY(obj && obj->setName(name));
        if (auto *twoPin = dynamic_cast<TwoPinDevice *>(obj))
            twoPin->setType(0);
        else if (auto *device = dynamic_cast<Device *>(obj))
            device->setModelIndex(0);
        if (auto *winding = dynamic_cast<GraphicsRelayWinding *>(item)) {
            winding->setType(0, 0, 0);
            winding->Obj::setName(name);
        }
        if (auto *fuse = dynamic_cast<GraphicsFuse *>(item))
            fuse->setRole(false, false);
        if (auto *button = dynamic_cast<GraphicsButton *>(item))
            button->setContactKind(0), button->setContactNumber(0);
        if (auto *commutator = dynamic_cast<GraphicsCommutator *>(item))
            commutator->setContactKind(0), commutator->setContactNumber(0);
        if (item->bindMode() == GraphicsObjItem::BindOwned)
            QVERIFY2(obj->appendItem(item), qPrintable(name));
        item->setName(name);
    }
    // The clamp panel 12V21: two clamps through a passage; a bottom makes
    // its own.
    auto *passage = static_cast<GraphicsPassage *>(sheet->createItem(GraphicsPassage::Type));
    add(passage, sheet);
    auto *panel = dynamic_cast<ClampPanel *>(p.createDevice(ClampPanelKind));
    QVERIFY(panel && panel->setModelAndStripType(1, 0) && panel->setName("12V21"));
    for (const char *clampName : {"12V21-1", "12V21-3"}) {
        auto *clamp = new GraphicsClamp(sheet);
        QVERIFY(sheet->addGraphicsItem(clamp));
        clamp->setClampName(clampName);
        QCOMPARE(clamp->clampPanel(), panel);
        passage->addClamp(clamp);
    }
    sheet->notifyItem(passage);
    auto *bottom = static_cast<GraphicsBottom *>(sheet->createItem(GraphicsBottom::Type));
    add(bottom, sheet);
    panel = dynamic_cast<ClampPanel *>(p.createDevice(ClampPanelKind));
    QVERIFY(panel && panel->setModelAndStripType(bottomClampPanelModel, 0) && panel->setName("12N21"));
    bottom->setClampPanel(panel);
    bottom->createClamps();
    auto *trans = dynamic_cast<Device *>(p.createDevice(TransKind));
    QVERIFY(trans && trans->setModelIndex(0) && trans->setName("T1"));
    for (Scheme *on : {sheet, p.schemes()->itemList()[0]->itemList()[0]}) {
        auto *item = new GraphicsTrans(on);
        QVERIFY(on->addGraphicsItem(item));
        item->appendTerminal(TransTerminal{on == sheet ? "I1" : "II1", on == sheet, 1, on == sheet});
        item->placePins();
        item->setName("T1");
        item->setPosQuiet(QPointF(2400, 1600));
    }

    FrameGroup *row = p.equipment()->itemList()[0];
    FrameLayout *first = row->itemList()[0]->layout();
    row->itemList()[0]->setFrameType(0);
    row->itemList()[1]->setFrameType(6);
    const auto put = [](GraphicsPlaceItem *item, Place *place) {
        QVERIFY(place->canDrop(item, place->sceneRect().center()) && place->putItem(item));
    };
    const auto putRelay = [&](const char *name, int model, Place *place) {
        auto *device = dynamic_cast<Device *>(p.findObj(RelayKind, name));
        QVERIFY(device && device->setModelIndex(model));
        GraphicsPlaceItemDevice *item = device->createPlaceItem(place->graphicsScene());
        QVERIFY(place->graphicsScene()->addGraphicsItem(item));
        put(item, place);
    };
    auto *nmsh = new GraphicsFramePanel(first);
    QVERIFY(nmsh->setContainerType(11) && first->addGraphicsItem(nmsh));
    put(nmsh, first->parts()[0]->places()[4]);
    for (int i = 0; i < 2; ++i) {
        auto *board = new GraphicsBoard(first);
        QVERIFY(board->setContainerType(15) && first->addGraphicsItem(board));
        put(board, nmsh->places()[2 * i]);
    }
    putRelay("Relay-3", 0, static_cast<GraphicsBoard *>(nmsh->places()[2]->item())->places()[1]);
    QVERIFY(nmsh->createPowerBus(p.findObj(SourceKind, "Source-1")));
    putRelay("Relay-1", 25, row->itemList()[1]->layout()->parts()[0]->places()[9]);
    auto *cable = new Cable(2);
    cable->appendCore(new CableCore{"X1:1", "X2:1", 1});
    p.specificationCable()->addCable((quint64(0x000301) << 32) | 0x000302, cable);
    p.equipment()->rebuildWiringLayouts();
    QList<GraphicsScene *> pages;
    row->itemList()[0]->appendPages(pages);
    auto *note = new GraphicsText(pages.last(), nullptr);
    note->setText("checked by hand");
    QVERIFY(pages.last()->addGraphicsItem(note));
}

int objectCount(const Project &p)
{
    int count = 0;
    for (int kind : p.indexedKinds())
        count += int(p.objectsOfKind(kind)->size());
    return count;
}

// A frame of the project's first row, of the type (-1: none).
Frame *frameOf(Project &p, int type)
{
    if (p.equipment()->itemList().isEmpty())
        p.equipment()->appendItem(new FrameGroup(&p));
    auto *frame = new Frame(&p);
    p.equipment()->itemList().first()->appendItem(frame);
    if (type >= 0)
        frame->setFrameType(type);
    return frame;
}

GraphicsFramePanel *panelOf(FrameLayout *layout, int type)
{
    auto *panel = new GraphicsFramePanel(layout);
    panel->setContainerType(type);
    layout->addGraphicsItem(panel);
    return panel;
}

} // namespace

class TestProjectFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString dir() const { return m_dir.path(); }

    // Saves a filled project as <name> in a fresh folder and returns it.
    ProjectFiles savedProject(const QString &folder, const QString &name = "plant.rlay", bool withSheets = false,
                              bool everyKind = false)
    {
        Project p(nullptr, nullptr);
        return saveFilled(p, folder, name, withSheets, everyKind);
    }

    // Fills the project, saves it as <name> in a fresh folder and returns it.
    ProjectFiles saveFilled(Project &p, const QString &folder, const QString &name = "plant.rlay",
                            bool withSheets = false, bool everyKind = false)
    {
        const QString d = dir() + "/" + folder;
        QDir().mkpath(d);
        ModalRecorder rec;
        fillProject(p);
        if (withSheets)
            fillSheets(p);
        if (everyKind)
            fillEveryKind(p);
        p.setFileName(d + "/" + name);
        [&] { QVERIFY(p.save()); }();
        [&] { QCOMPARE(rec.count(), 0); }();
        return ProjectFiles{d, QFileInfo(name).completeBaseName()};
    }

    // Loads a project into a new Project; the boxes shown go to texts.
    bool loadInto(Project &p, const QString &path, QStringList *texts = nullptr)
    {
        ModalRecorder rec;
        p.setFileName(path);
        const bool ok = p.load();
        if (texts)
            *texts = rec.texts();
        return ok;
    }

    // The project saved by the program, its equipment file's content then
    // rewritten by the patch as an older or another writer had it, the main
    // file naming the format (before 9 the bills had no ATR number and
    // comment); loaded anew into the project.
    bool reopened(Project &source, Project &p, QStringList *texts,
                  const std::function<void(QByteArray &)> &patch = {}, int format = 11)
    {
        const ProjectFiles f{dir() + "/reopened", "plant"};
        QDir(f.dir).removeRecursively();
        QDir().mkpath(f.dir);
        source.setFileName(f.path(".rlay"));
        QByteArray content = source.save() ? f.sideContent(".eqm") : QByteArray();
        if (patch)
            patch(content);
        f.setSideContent(".eqm", content);
        for (const QString ext : {".spd", ".spc"})
            f.setSideContent(ext, f.sideContent(ext).mid(format < 9 ? 8 : 0));
        MainImage m = f.main();
        m.format = format;
        f.setMain(m);
        return loadInto(p, f.path(".rlay"), texts);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // As the main window does at start: frame parts build their panels.
        FrameLayout::registerItemTypes();
        clockNow = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123));
        setFileClock([] { return clockNow; });
    }

    void cleanupTestCase()
    {
        setFileClock(nullptr);
    }

    void init()
    {
        resetCableGlobals();
    }

    void roundTripGivesTheSameBytes()
    {
        const QString d = dir() + "/round";
        QDir().mkpath(d);
        Snapshot first;
        {
            ModalRecorder rec;
            Project p(nullptr, nullptr);
            fillProject(p);
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.isModified());
            QVERIFY(p.save());
            QVERIFY(!p.isModified());
            QVERIFY(!p.devicesChanged() && !p.schemesChanged() && !p.equipmentChanged()
                    && !p.specificationDeviceChanged() && !p.specificationCableChanged());
            QCOMPARE(rec.count(), 0);
            first = snapshot(d);
        }
        QCOMPARE(first.keys(), QStringList({"plant.eqm", "plant.obj", "plant.rlay", "plant.schm", "plant.spc",
                                            "plant.spd"}));

        // The cable values belong to the file, not to what the process holds.
        usedCableTypes = {1};
        twistedPairStandard = true;
        clockNow = clockNow.addSecs(3600);

        Project loaded(nullptr, nullptr);
        QStringList texts;
        QVERIFY(loadInto(loaded, d + "/plant.rlay", &texts));
        QCOMPARE(texts, QStringList());
        // Everything is restored.
        QCOMPARE(objectCount(loaded), 33);
        QVERIFY(!loaded.findObj(RelayWindingKind, "K1 winding"));
        auto *fuse = dynamic_cast<Device *>(loaded.findObj(FuseKind, "Fuse-2"));
        QVERIFY(fuse);
        QVERIFY(dynamic_cast<Tag *>(loaded.findObj(ConductorKind, "Conductor-3")));
        QCOMPARE(loaded.language(), 0);
        QCOMPARE(loaded.projectProperty(5), QString("Line 5\nsecond line \u0416"));
        QCOMPARE(loaded.projectProperty(16), QString("P16"));
        QCOMPARE(loaded.stamp(), Project::buildDateTime());
        QCOMPARE(loaded.specificationDevice()->atrNumber(), 7);
        QCOMPARE(loaded.specificationCable()->comment(), QString("cables"));
        QCOMPARE(loaded.specificationCable()->keys().size(), 4);
        QCOMPARE(usedCableTypes, (QList<int>{0, 3, 18, 85}));
        QVERIFY(!twistedPairStandard);
        // A loaded project is due for a whole save, like a new one.
        QVERIFY(loaded.isModified());
        QVERIFY(loaded.devicesChanged() && loaded.specificationCableChanged());
        QCOMPARE(loaded.topLevelItemCount(), 4);

        // Saving it again, at the same clock, writes the same bytes.
        clockNow = clockNow.addSecs(-3600);
        {
            ModalRecorder rec;
            QVERIFY(loaded.save());
            QCOMPARE(rec.count(), 0);
        }
        const Snapshot second = snapshot(d);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));
    }

    void roundTripWithSheets()
    {
        const QString d = dir() + "/sheets";
        QDir().mkpath(d);
        Snapshot first;
        {
            ModalRecorder rec;
            Project p(nullptr, nullptr);
            fillProject(p);
            fillSheets(p);
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.save());
            QCOMPARE(rec.count(), 0);
            first = filesBelow(d);
        }
        // The six project files and a file for each scheme in its group's
        // directory.
        QCOMPARE(first.size(), 9);
        int schemeFiles = 0;
        for (const QString &name : first.keys()) {
            if (name.endsWith(".sch")) {
                QVERIFY(name.contains('/'));
                ++schemeFiles;
            }
        }
        QCOMPARE(schemeFiles, 3);

        clockNow = clockNow.addSecs(3600);
        Project loaded(nullptr, nullptr);
        QStringList texts;
        QVERIFY(loadInto(loaded, d + "/plant.rlay", &texts));
        QCOMPARE(texts, QStringList());

        const QList<SchemeGroup *> groups = loaded.schemes()->itemList();
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0]->atrNumber(), 7);
        QCOMPARE(groups[0]->itemList().size(), 2);
        QCOMPARE(groups[0]->itemList()[1]->name(), QString("signals"));
        QCOMPARE(groups[0]->itemList()[1]->sheetsAcross(), 2);
        QCOMPARE(groups[1]->itemList()[0]->groupNumber(), 2);
        const QList<GraphicsItem *> drawn = groups[0]->itemList()[0]->graphicsItems();
        QCOMPARE(drawn.size(), 5);
        QCOMPARE(drawn[0]->type(), int(GraphicsLine::Type));
        QCOMPARE(drawn[0]->pos(), QPointF(200, 200));
        QCOMPARE(drawn[1]->rotationIndex(), 1);
        QVERIFY(drawn[2]->isMirrored());
        auto *text = dynamic_cast<GraphicsText *>(drawn[3]);
        QVERIFY(text);
        QCOMPARE(text->text(), QString("Feeder <1> & 2"));
        auto *picture = dynamic_cast<GraphicsPixmap *>(drawn[4]);
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(24, 16));

        const QList<FrameGroup *> rows = loaded.equipment()->itemList();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]->itemList().size(), 2);
        QCOMPARE(int(rows[0]->itemList()[1]->address().field(1)), 3);
        QCOMPARE(rows[0]->itemList()[1]->comment(), QString("frame 2"));
        QCOMPARE(loaded.equipment()->equipmentScheme()->distances().value(0x000301).value(0x000302), 25u);

        const QList<SpecificationGroupDevice *> bills = loaded.specificationDevice()->itemList();
        QCOMPARE(bills.size(), 1);
        QCOMPARE(bills[0]->treeItem()->text(0), QString("Bill"));
        QCOMPARE(bills[0]->columns(), (QList<quint32>{0x000301, 0x000302}));
        QCOMPARE(bills[0]->rows().size(), 1);
        QCOMPARE(bills[0]->rows()[0].counts.value(0x000302), 5u);
        QCOMPARE(bills[0]->itemList().size(), 1);
        QCOMPARE(bills[0]->itemList()[0]->columnEnd(), 2);
        QCOMPARE(bills[0]->itemList()[0]->groupNumber(), 7);
        const QList<SpecificationCable *> pages = loaded.specificationCable()->itemList();
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[1]->firstKey(), 1);
        QCOMPARE(pages[1]->rowLimit(), 50);
        QCOMPARE(pages[1]->number(), 2);
        QCOMPARE(pages[1]->groupNumber(), 9);

        // Saved again at the same clock: the same bytes in every file.
        clockNow = clockNow.addSecs(-3600);
        {
            ModalRecorder rec;
            QVERIFY(loaded.save());
            QCOMPARE(rec.count(), 0);
        }
        const Snapshot second = filesBelow(d);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));

        // Saved as another project elsewhere: every file written there, the
        // scheme files in the groups' directories beside it.
        const QString other = dir() + "/sheets-copy";
        QDir().mkpath(other);
        loaded.setFileName(other + "/copy.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        QVERIFY(loaded.save());
        const Snapshot copied = filesBelow(other);
        QCOMPARE(copied.size(), 9);
        QCOMPARE(filesBelow(d), first);
        Project again(nullptr, nullptr);
        QVERIFY(loadInto(again, other + "/copy.rlay", &texts));
        QCOMPARE(texts, QStringList());
        QCOMPARE(again.schemes()->itemList()[0]->itemList()[0]->name(), QString("power"));
    }

    void saveAsBesideTheProjectKeepsBoth()
    {
        // A copy saved as beside the project, then each saved in turn (the
        // copy also onto its own name), each time with a text more on a
        // sheet: both reopen as last saved, with two directories each.
        const ProjectFiles plant = savedProject("beside", "plant.rlay", true);
        const QString copy = plant.dir + "/copy.rlay";
        QMap<QString, qsizetype> saved;
        for (const auto &[path, saveAs] :
             {std::pair(plant.path(".rlay"), copy), {plant.path(".rlay"), ""}, {copy, ""}, {copy, copy}}) {
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, path));
            Scheme *sheet = p.schemes()->itemList()[1]->itemList()[0];
            QVERIFY(sheet->addGraphicsItem(new GraphicsText(sheet, nullptr)));
            QVERIFY(saveAs.isEmpty() ? p.save() : p.saveAs(saveAs));
            saved[p.fileName()] = sheet->graphicsItems().size();
        }
        QCOMPARE(QDir(plant.dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 4);
        for (const QString &path : saved.keys()) {
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, path));
            QCOMPARE(p.schemes()->itemList()[1]->itemList()[0]->graphicsItems().size(), saved[path]);
        }
    }

    void saveAfterAFailedSaveAsWritesWhereTheProjectIs()
    {
        std::srand(7);
        const ProjectFiles plant = savedProject("failed-as", "plant.rlay", true);
        Project p(nullptr, nullptr);
        QVERIFY(loadInto(p, plant.path(".rlay")) && QDir(plant.dir).mkdir("blocked.rlay"));
        const QStringList entries = QDir(plant.dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY(p.createDevice(LampKind)->setName("HL9"));
        ModalRecorder rec;
        // It fails at the main file, a folder's name, after every other file.
        QVERIFY(!p.saveAs(plant.dir + "/blocked.rlay") && p.save());
        QCOMPARE(QDir(plant.dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
        // A legal name too long for the files staged beside it is named.
        rec.clear();
        QVERIFY(!p.saveAs(plant.dir + "/" + QString(235, QLatin1Char('x')) + ".rlay") && p.save());
        QCOMPARE(QDir(plant.dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
        QVERIFY(rec.texts().join(' ').contains("is too long"));
        Project q(nullptr, nullptr);
        QVERIFY(loadInto(q, plant.path(".rlay")) && q.findObj(LampKind, "HL9"));
        // In a folder of its own, where the groups draw the numbers they had.
        const QString other = dir() + "/failed-as-elsewhere";
        QVERIFY(QDir().mkpath(other + "/blocked.rlay"));
        std::srand(7);
        QVERIFY(!p.saveAs(other + "/blocked.rlay"));
        QCOMPARE(QDir(other).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"blocked.rlay"});
    }

    void aFolderThatCannotBeWrittenIsNamed()
    {
        const ProjectFiles plant = savedProject("readonly");
        const auto writable = [&](bool on) {
            const QFile::Permissions read = QFile::ReadOwner | QFile::ExeOwner;
            QFile::setPermissions(plant.dir, on ? read | QFile::WriteOwner : read);
        };
        ModalRecorder rec;
        bool refused = false;
        // Opened from the folder as it is (without a lock), or made so after.
        for (bool before : {true, false}) {
            writable(!before);
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, plant.path(".rlay")));
            writable(false);
            refused = !QFile(plant.dir + "/probe").open(QIODevice::WriteOnly) && !p.save();
        }
        writable(true);
        if (!refused)
            QSKIP("The folder can be written all the same (run as root)");
        QCOMPARE(rec.texts(), QStringList(2, QString("Cannot write to folder %1: Permission denied!").arg(plant.dir)));
    }

    void mainFileLayout()
    {
        const ProjectFiles f = savedProject("layout");
        const QByteArray bytes = readRaw(f.path(".rlay"));
        QDataStream header(bytes);
        qint32 size = 0;
        quint16 checkSum = 0;
        header >> size >> checkSum;
        QCOMPARE(size, qint32(bytes.size() - 6));
        QCOMPARE(checkSum, qChecksum(QByteArrayView(bytes.mid(6))));

        MainImage m;
        QVERIFY(MainImage::decode(bytes.mid(6), m));
        QCOMPARE(m.name, QString("plant.rlay"));
        QCOMPARE(m.written, clockNow);
        QCOMPARE(m.format, 11);
        QCOMPARE(m.reserved, 0);
        QCOMPARE(m.stamp, Project::buildDateTime());
        QCOMPARE(m.language, 0);
        QCOMPARE(m.properties.size(), 18);
        QCOMPARE(m.properties[16], QString("P16"));
        // Each record is the side file as it lies on disk.
        for (int i = 0; i < 5; ++i) {
            const QByteArray side = readRaw(f.path(sideExtensions[i]));
            QCOMPARE(m.records[i].name, "plant" + sideExtensions[i]);
            QCOMPARE(m.records[i].size, int(side.size() - 6));
            QCOMPARE(m.records[i].checkSum, qChecksum(QByteArrayView(side.mid(6))));
            QCOMPARE(m.records[i].dateTime, clockNow);
            QCOMPARE(SideImage::decode(side.mid(6)).name, "plant" + sideExtensions[i]);
        }
    }

    void sideFileContents()
    {
        Project p(nullptr, nullptr);
        fillProject(p);
        const ProjectFiles f = savedProject("contents");
        // The devices file is the devices record; the empty branches write
        // their item counts (and the specifications their ATR and comment).
        QCOMPARE(f.sideContent(".obj"), bytesOf([&](DataStream &s) {
                     Project::IdentityScope scope(p);
                     p.writeDevices(s);
                 }));
        QCOMPARE(f.sideContent(".schm"), bytesOf([](DataStream &s) { s << qint32(0); }));
        // The equipment file: no rows, then the empty table of distances.
        QCOMPARE(f.sideContent(".eqm"), bytesOf([](DataStream &s) { s << qint32(0) << quint32(0); }));
        QCOMPARE(f.sideContent(".spd"),
                 bytesOf([](DataStream &s) { s << qint32(7) << QString("devices") << qint32(0); }));
        QCOMPARE(f.sideContent(".spc"), bytesOf([&](DataStream &s) {
                     p.specificationCable()->writeCables(s);
                     s << qint32(0);
                 }));
    }

    void saveWritesOnlyTheChangedSideFiles()
    {
        Project p(nullptr, nullptr);
        const QString d = saveFilled(p, "changed").dir;
        ModalRecorder rec;
        const Snapshot before = snapshot(d);

        // Nothing changed: only the main file is written, and it still
        // describes the side files on disk.
        clockNow = clockNow.addSecs(60);
        QVERIFY(p.save());
        Snapshot after = snapshot(d);
        for (const QString &name : before.keys())
            QCOMPARE(after[name] == before[name], name != "plant.rlay");

        // A new device: the devices file and the main file.
        clockNow = clockNow.addSecs(60);
        Obj *lamp = p.createDevice(LampKind);
        QVERIFY(lamp->setName("HL1"));
        QVERIFY(p.isModified());
        QVERIFY(p.devicesChanged() && !p.schemesChanged());
        QVERIFY(p.save());
        const Snapshot third = snapshot(d);
        for (const QString &name : before.keys())
            QCOMPARE(third[name] == after[name], name != "plant.rlay" && name != "plant.obj");

        // The cable specification only.
        clockNow = clockNow.addSecs(60);
        p.setSpecificationCableChanged();
        QVERIFY(p.save());
        const Snapshot fourth = snapshot(d);
        for (const QString &name : before.keys())
            QCOMPARE(fourth[name] == third[name], name != "plant.rlay" && name != "plant.spc");
        QCOMPARE(rec.count(), 0);

        Project loaded(nullptr, nullptr);
        QStringList texts;
        QVERIFY(loadInto(loaded, d + "/plant.rlay", &texts));
        QCOMPARE(texts, QStringList());
        QVERIFY(loaded.findObj(LampKind, "HL1"));
    }

    // Each save writes the list of every sheet's record; a group whose
    // sheets did not change writes the records it wrote last. After saves
    // that change one group, then the other, then none, after a save cut
    // short and after a new sheet, the list still names every file as it
    // lies on disk.
    void sheetListFollowsEverySave()
    {
        Project p(nullptr, nullptr);
        const QString d = saveFilled(p, "sheetlist", "plant.rlay", true).dir;
        ModalRecorder rec;
        const auto sheet = [&p](int group, int index) {
            return p.schemes()->itemList()[group]->itemList()[index];
        };
        const auto draw = [](Scheme *scheme, const QString &text) {
            auto *item = new GraphicsText(scheme, nullptr);
            QVERIFY(scheme->addGraphicsItem(item));
            item->setText(text);
            QVERIFY(scheme->isModified());
        };
        const auto matchesDisk = [&p, &d, this](const char *step) {
            Project loaded(nullptr, nullptr);
            QStringList texts;
            QVERIFY2(loadInto(loaded, d + "/plant.rlay", &texts), step);
            QCOMPARE(texts, QStringList());
            const QList<SchemeGroup *> groups = p.schemes()->itemList();
            const QList<SchemeGroup *> read = loaded.schemes()->itemList();
            QCOMPARE(read.size(), groups.size());
            for (int g = 0; g < groups.size(); ++g) {
                QCOMPARE(read[g]->itemList().size(), groups[g]->itemList().size());
                for (int s = 0; s < groups[g]->itemList().size(); ++s)
                    QVERIFY2(read[g]->itemList()[s]->graphicsItems().size()
                                 == groups[g]->itemList()[s]->graphicsItems().size(),
                             step);
            }
        };

        clockNow = clockNow.addSecs(60);
        draw(sheet(1, 0), "second group");
        QVERIFY(p.save());
        matchesDisk("second group changed");
        clockNow = clockNow.addSecs(60);
        draw(sheet(0, 1), "first group");
        QVERIFY(p.save());
        matchesDisk("first group changed");
        clockNow = clockNow.addSecs(60);
        p.setSchemesChanged();
        QVERIFY(p.save());
        matchesDisk("nothing changed");

        // Cut short before any file is replaced: the sheet stays modified
        // and the next save writes it and its record.
        clockNow = clockNow.addSecs(60);
        draw(sheet(1, 0), "cut short");
        CommitRecord::setInterruption([](int) { return true; });
        const bool cut = p.save();
        CommitRecord::setInterruption(nullptr);
        QVERIFY(!cut);
        QVERIFY(sheet(1, 0)->isModified());
        clockNow = clockNow.addSecs(60);
        QVERIFY(p.save());
        matchesDisk("after a save cut short");

        auto *added = new Scheme(&p);
        added->setName("added");
        p.schemes()->itemList()[1]->appendItem(added);
        p.setSchemesChanged();
        QVERIFY(p.save());
        matchesDisk("a sheet added");
        QCOMPARE(rec.count(), 0);
    }

    void stagingBelongsToASave()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        File f(".sch");
        f.changeFileName(dir() + "/lone.sch");
        QVERIFY(!p.stageFile(&f));
        QCOMPARE(rec.count(), 1);
        QVERIFY(!QFile::exists(dir() + "/lone.sch"));
    }

    void everyLoadMessage()
    {
        const ProjectFiles f = savedProject("messages");
        const Snapshot pristine = snapshot(f.dir);
        const auto full = [&](const QString &ext) { return f.path(ext); };
        // An older copy of the cable specification file.
        clockNow = clockNow.addSecs(-7200);
        const ProjectFiles older = savedProject("messages-older");
        clockNow = clockNow.addSecs(7200);
        const QByteArray olderSpc = readRaw(older.path(".spc"));

        struct Case
        {
            const char *label;
            std::function<void()> damage;
            QStringList expected;   // exact texts
            QString loadPath = QString(); // empty: plant.rlay
        };
        const QString cannotProject = "Cannot load project file %1!";
        const QString cannotFiles = "Cannot load files!";
        const QString checkFailed = "FALSE expression";
        const QList<Case> cases = {
            {"not a project", [&] { writeRaw(full(".rlay"), "This is not a project at all."); },
             {QString("Size file %1 not correct!").arg(full(".rlay")), cannotProject.arg(full(".rlay"))}},
            {"empty main file", [&] { writeRaw(full(".rlay"), ""); },
             {QString("Header file %1 is corrupt!").arg(full(".rlay")), cannotProject.arg(full(".rlay"))}},
            {"main file missing", [&] { QFile::remove(full(".rlay")); },
             {QString("Cannot open file %1!").arg(full(".rlay")), cannotProject.arg(full(".rlay"))}},
            {"main file truncated", [&] { writeRaw(full(".rlay"), pristine["plant.rlay"].chopped(9)); },
             {QString("Size file %1 not correct!").arg(full(".rlay")), cannotProject.arg(full(".rlay"))}},
            {"main file byte changed",
             [&] {
                 QByteArray b = pristine["plant.rlay"];
                 b[40] = char(b[40] ^ 0x20);
                 writeRaw(full(".rlay"), b);
             },
             {QString("Check summ file %1 not correct!").arg(full(".rlay")), cannotProject.arg(full(".rlay"))}},
            {"main file under another name",
             [&] { writeRaw(f.dir + "/other.rlay", pristine["plant.rlay"]); },
             {QString("Name file %1 is corrupt!").arg(f.dir + "/other.rlay"),
              cannotProject.arg(f.dir + "/other.rlay")},
             f.dir + "/other.rlay"},
            {"newer format",
             [&] {
                 MainImage m = f.main();
                 m.format = 12;
                 f.setMain(m);
             },
             {"Programm is old. Need update programm!"}},
            {"newer program",
             [&] {
                 MainImage m = f.main();
                 m.stamp = Project::buildDateTime().addDays(1);
                 f.setMain(m);
             },
             {"Programm is old. Need update programm!"}},
            {"negative format",
             [&] {
                 MainImage m = f.main();
                 m.format = -1;
                 f.setMain(m);
             },
             {cannotProject.arg(full(".rlay"))}},
            {"language out of range",
             [&] {
                 MainImage m = f.main();
                 m.language = 7;
                 f.setMain(m);
             },
             {cannotProject.arg(full(".rlay"))}},
            {"main file cut inside its records",
             [&] { f.setMainPayload(f.payload(".rlay").chopped(5)); },
             {cannotProject.arg(full(".rlay"))}},
            {"side file truncated", [&] { writeRaw(full(".eqm"), pristine["plant.eqm"].chopped(1)); },
             {QString("Size file %1 not correct!").arg(full(".eqm")), cannotFiles}},
            {"side file missing", [&] { QFile::remove(full(".spd")); },
             {QString("Cannot open file %1!").arg(full(".spd")), cannotFiles}},
            {"side file from another save", [&] { writeRaw(full(".spc"), olderSpc); },
             {QString("Check summ file %1 not correct!").arg(full(".spc")), cannotFiles}},
            {"side files swapped",
             [&] {
                 writeRaw(full(".schm"), pristine["plant.eqm"]);
                 writeRaw(full(".eqm"), pristine["plant.schm"]);
             },
             {QString("Size file %1 not correct!").arg(full(".schm")), cannotFiles}},
            {"devices file in place of the schemes file",
             [&] { writeRaw(full(".schm"), pristine["plant.obj"]); },
             {QString("Size file %1 not correct!").arg(full(".schm")), cannotFiles}},
            {"side file of another date",
             [&] {
                 MainImage m = f.main();
                 m.records[0].size = 0;
                 m.records[0].checkSum = 0;
                 m.records[0].dateTime = m.records[0].dateTime.addSecs(1);
                 f.setMain(m);
             },
             {QString("DateTime file %1 is corrupt!").arg(full(".obj")), cannotFiles}},
            {"side file naming another file",
             [&] {
                 SideImage side = SideImage::decode(f.payload(".obj"));
                 side.name = "other.obj";
                 f.setSidePayload(".obj", side.encode());
             },
             {QString("Name file %1 is corrupt!").arg(full(".obj")), cannotFiles}},
            {"negative kind code",
             [&] {
                 f.setSideContent(".obj", bytesOf([](DataStream &s) { s << qint32(1) << qint32(-5) << qint32(0); }));
             },
             {QString("Load devices cast not correct. File %1 is corrupt!").arg(full(".obj"))}},
            {"unknown kind code",
             [&] {
                 f.setSideContent(".obj", bytesOf([](DataStream &s) {
                     s << qint32(1) << qint32(150) << qint32(1) << QString("Z") << qint32(1);
                 }));
             },
             {QString("Load devices not correct. File %1 is corrupt!").arg(full(".obj"))}},
            {"four thousand records of no kind: one message", [&] { f.setSideContent(".obj", bytesOf([](DataStream &s) {
                 s << qint32(4001);
                 for (int i = 0; i < 4001; ++i)
                     s << qint32(150) << qint32(1) << QString("Z") << qint32(i + 1);
             })); }, {QString("Load devices not correct. File %1 is corrupt!").arg(full(".obj"))}},
            {"devices cut short", [&] { f.setSideContent(".obj", f.sideContent(".obj").chopped(3)); },
             {QString("Load devices not correct. File %1 is corrupt!").arg(full(".obj"))}},
            {"scheme group this build cannot read",
             [&] { f.setSideContent(".schm", bytesOf([](DataStream &s) { s << qint32(1); })); },
             {QString("Load first in schememenager not correct. File %1 is corrupt!").arg(full(".schm"))}},
            {"schemes file empty", [&] { f.setSideContent(".schm", QByteArray()); },
             {QString("Load first in schememenager not correct. File %1 is corrupt!").arg(full(".schm"))}},
            {"row of frames this build cannot read",
             [&] { f.setSideContent(".eqm", bytesOf([](DataStream &s) { s << qint32(2); })); },
             {QString("Load first in equipmentmenager not correct. File %1 is corrupt!").arg(full(".eqm"))}},
            {"equipment file empty", [&] { f.setSideContent(".eqm", QByteArray()); },
             {QString("Load first in equipmentmenager not correct. File %1 is corrupt!").arg(full(".eqm"))}},
            {"device specification group this build cannot read",
             [&] {
                 f.setSideContent(".spd", bytesOf([](DataStream &s) { s << qint32(0) << QString() << qint32(1); }));
             },
             {QString("Load first in SpecificationManagerDevice not correct. File %1 is corrupt!").arg(full(".spd"))}},
            {"cables cut short", [&] { f.setSideContent(".spc", f.sideContent(".spc").left(40)); },
             {QString("Load in SpecificationManagerCable not correct. File %1 is corrupt!").arg(full(".spc"))}},
            {"cable page this build cannot read",
             [&] {
                 QByteArray content = f.sideContent(".spc");
                 content.chop(4);
                 content += bytesOf([](DataStream &s) { s << qint32(3); });
                 f.setSideContent(".spc", content);
             },
             {QString("Load first in SpecificationManagerCable not correct. File %1 is corrupt!").arg(full(".spc"))}},
        };

        for (const Case &c : cases) {
            restore(f.dir, pristine);
            c.damage();
            const Snapshot damaged = snapshot(f.dir);
            Project p(nullptr, nullptr);
            QStringList texts;
            QVERIFY2(!loadInto(p, c.loadPath.isEmpty() ? full(".rlay") : c.loadPath, &texts), c.label);
            QVERIFY2(texts.size() == c.expected.size(), qPrintable(QString(c.label) + ": " + texts.join(" | ")));
            for (int i = 0; i < texts.size(); ++i) {
                const bool same = c.expected[i] == checkFailed || c.expected[i] == "Out of memory"
                    ? texts[i].endsWith(c.expected[i])
                    : texts[i] == c.expected[i];
                QVERIFY2(same, qPrintable(QString(c.label) + ": " + texts[i]));
            }
            // A failed load changes nothing on disk.
            QVERIFY2(snapshot(f.dir) == damaged, c.label);
        }

        // The pristine project loads.
        restore(f.dir, pristine);
        Project p(nullptr, nullptr);
        QStringList texts;
        QVERIFY(loadInto(p, full(".rlay"), &texts));
        QCOMPARE(texts, QStringList());
    }

    void formatEightHasNoStamp()
    {
        // Written by hand as a format 8 build wrote it: no stamp in the main
        // file, no ATR number and comment in the specification files.
        const QString d = dir() + "/format8";
        QDir().mkpath(d);
        const ProjectFiles f{d, "old"};
        const QDateTime when(QDate(2007, 3, 4), QTime(5, 6, 7));
        const QList<QByteArray> contents = {
            bytesOf([](DataStream &s) {
                s << qint32(1) << qint32(RelayKind) << qint32(1) << QString("K7") << qint32(40) << qint32(2) << true;
            }),
            bytesOf([](DataStream &s) { s << qint32(0); }),
            bytesOf([](DataStream &s) { s << qint32(0); }),
            bytesOf([](DataStream &s) { s << qint32(0); }),
            bytesOf([](DataStream &s) { s << qint32(0) << quint32(1) << qint32(4) << qint32(86) << false << qint32(0); }),
        };
        MainImage m;
        m.name = "old.rlay";
        m.written = when;
        m.format = 8;
        m.language = 0;
        m.properties = {"treaty", "title"};
        for (int i = 0; i < 5; ++i) {
            SideImage side{"old" + sideExtensions[i], when, contents[i]};
            const QByteArray payload = side.encode();
            writeRaw(f.path(sideExtensions[i]), container(payload));
            m.records[i] = FileHeader{side.name, int(payload.size()), qChecksum(QByteArrayView(payload)), when, {}};
        }
        f.setMain(m);

        Project p(nullptr, nullptr);
        p.setBuildStamp(QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
        QStringList texts;
        QVERIFY(loadInto(p, f.path(".rlay"), &texts));
        QCOMPARE(texts, QStringList());
        QCOMPARE(p.language(), 0);
        QCOMPARE(p.projectProperty(1), QString("title"));
        QCOMPARE(p.projectProperty(2), QString());
        // No stamp test, and the stamp set before stays unread.
        QVERIFY(p.keepsStamp());
        auto *relay = dynamic_cast<Device *>(p.findObj(RelayKind, "K7"));
        QVERIFY(relay);
        QCOMPARE(relay->modelIndex(), 2);
        QVERIFY(relay->showAddress());
        QCOMPARE(p.specificationDevice()->atrNumber(), 0);
        QCOMPARE(usedCableTypes.first(), 4);
        QVERIFY(!twistedPairStandard);
    }

    // A panel put into a panel comes back where it stood, whichever of the
    // two the sheet lists first; a built-in one stays in its place, and the
    // layout, of another type before, keeps the sheet number it shows.
    void panelInPanelKeepsItsPlace()
    {
        Project source(nullptr, nullptr), p(nullptr, nullptr);
        FrameLayout *layout = frameOf(source, 8)->layout();
        layout->frame()->setFrameType(38); // "SRKMU-2500-REL-21"
        layout->parts()[1]->nestedContainer(0)->removeFromPlace();
        GraphicsFramePanel *inner = panelOf(layout, 73), *outer = panelOf(layout, 77); // REL rows 1 and 3
        QVERIFY(layout->parts()[0]->places()[5]->putItem(outer) && outer->places()[1]->putItem(inner));
        QVERIFY(reopened(source, p, nullptr));
        FrameLayout *again = p.equipment()->itemList()[0]->itemList()[0]->layout();
        const QList<GraphicsItem *> items = again->graphicsItems();
        QVERIFY(items.size() == 5 && items[3]->pos() == inner->pos() && items[4]->pos() == outer->pos());
        QVERIFY(again->number() == layout->number() && again->parts()[1]->nestedContainer(0)->place());
    }

    // Frame, panel and board types outside their tables are reported once
    // the project is open; each keeps its number, without parts or places.
    void typesOutsideTheTablesLoad()
    {
        ModalRecorder rec;
        Project source(nullptr, nullptr), p(nullptr, nullptr);
        FrameLayout *layout = frameOf(source, -1)->layout();
        frameOf(source, -1);
        auto *board = new GraphicsBoard(layout);
        QVERIFY(!board->setContainerType(56) && layout->addGraphicsItem(board) && panelOf(layout, 78));
        QStringList texts;
        // The first frame's type becomes 40.
        QVERIFY(reopened(source, p, &texts, [](QByteArray &eqm) { eqm.replace(8, 4, QByteArray("\0\0\0\x28", 4)); }));
        QVERIFY(texts.size() == 1 && texts[0].startsWith("Frame type not correct.") && texts[0].count("FALSE") == 1);
        const QList<Frame *> frames = p.equipment()->itemList()[0]->itemList();
        QVERIFY(frames.size() == 2 && frames[0]->frameType() == -1 && frames[0]->layout()->parts().isEmpty());
        const QList<GraphicsItem *> items = frames[0]->layout()->graphicsItems();
        const auto kept = [&items](int i) { return static_cast<GraphicsPlaceContainer *>(items[i]); };
        QVERIFY(kept(0)->containerType() == 56 && kept(1)->containerType() == 78 && kept(1)->places().isEmpty());
    }

    // A case of format 6: its frame has no members, its parts' panels no
    // bus fields, and its second clamp row no record at all.
    void caseOfFormatSix()
    {
        Project source(nullptr, nullptr), p(nullptr, nullptr);
        const QList<GraphicsFramePart *> parts = frameOf(source, 34)->layout()->parts(); // "HZHDA"
        const auto recordOf = [](GraphicsItem *item) { return bytesOf([item](DataStream &s) { item->saveData(s); }); };
        QStringList texts;
        QVERIFY(reopened(source, p, &texts, [&](QByteArray &eqm) {
            eqm.remove(20, 48);
            eqm.remove(eqm.indexOf(recordOf(parts[3])), recordOf(parts[3]).size());
            eqm.chop(bytesOf([&](DataStream &s) { parts[3]->saveGeometry(s); }).size());
            for (GraphicsFramePart *part : parts.first(3)) {
                for (int i = 0; i < part->places().size(); ++i) {
                    if (GraphicsPlaceContainer *panel = part->nestedContainer(i))
                        eqm.remove(eqm.indexOf(recordOf(panel)) + recordOf(panel).size() - 1, 1);
                }
            }
        }, 6));
        QVERIFY(texts.isEmpty() && p.equipment()->itemList()[0]->itemList()[0]->layout()->parts().size() == 4);
    }

    // Relay cases of an old file, their parts flagged as the program that
    // wrote them flagged them: one with nothing in its first column opens
    // with its heating page; the other wires the lamp of its column's upper
    // panel at the head of a page of its own.
    void relayCasesOfAnOldFile()
    {
        Project source(nullptr, nullptr), p(nullptr, nullptr);
        QList<GraphicsFramePart *> parts = frameOf(source, 10)->layout()->parts(); // "Relay case SHRU-M"
        FrameLayout *filled = frameOf(source, 10)->layout();
        GraphicsFramePanel *panel = panelOf(filled, 56); // "Panel RC-12"
        auto *lamp = static_cast<Device *>(source.createDevice(LampKind));
        lamp->setName("H1");
        lamp->setShowAddress(true);
        GraphicsPlaceItemDevice *item = lamp->createPlaceItem(filled);
        QVERIFY(filled->addGraphicsItem(item) && filled->parts()[1]->places()[1]->putItem(panel));
        QVERIFY(panel->places()[0]->putItem(item));
        QStringList texts;
        QVERIFY(reopened(source, p, &texts, [&](QByteArray &eqm) {
            for (GraphicsFramePart *part : parts + filled->parts()) {
                const QByteArray record = bytesOf([part](DataStream &s) { part->saveData(s); });
                eqm[eqm.indexOf(record) + record.size() - 1] = 1;
            }
            eqm += QByteArray(3 * 4, 0); // the pages' empty blocks of drawings
        }));
        const QList<Frame *> frames = p.equipment()->itemList()[0]->itemList();
        QCOMPARE(frames[0]->treeItem()->child(1)->text(1), QString("Heating"));
        QCOMPARE(frames[1]->treeItem()->child(1)->text(1), QString("N"));
        QVERIFY(frames[1]->buildWiringPages(false));
        GraphicsScene *page = static_cast<SceneItem *>(frames[1]->treeItem()->child(1))->owner();
        QVERIFY(texts.isEmpty() && page->graphicsItems().size() == 1);
        QCOMPARE(page->graphicsItems()[0]->pos(), QPointF(250, 60));
    }

    void propertyCounts()
    {
        const ProjectFiles f = savedProject("counts");
        // More strings than properties: the surplus is read and dropped.
        MainImage m = f.main();
        m.properties << "surplus" << "more";
        f.setMain(m);
        {
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            QCOMPARE(p.projectProperty(16), QString("P16"));
        }
        // Fewer: the rest stay empty.
        m.properties = QStringList({"only"});
        f.setMain(m);
        {
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            QCOMPARE(p.projectProperty(0), QString("only"));
            QCOMPARE(p.projectProperty(1), QString());
        }
    }

    void failedSaveLeavesTheOldProject()
    {
        const QString d = dir() + "/atomic";
        QDir().mkpath(d);
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        fillProject(p);
        p.setFileName(d + "/plant.rlay");
        QVERIFY(p.save());
        const Snapshot old = snapshot(d);
        QCOMPARE(rec.count(), 0);

        // No file may grow beyond 64 KB: a cable specification or a main
        // file larger than that fails to be written.
        const FileSizeLimit full{64 * 1024};

        // The last side file fails after the others were written.
        for (int i = 0; i < 8000; ++i)
            p.specificationCable()->addCable(7, new Cable(1));
        Obj *extra = p.createDevice(LampKind);
        QVERIFY(extra->setName("HL9"));
        p.setSchemesChanged();
        p.setSpecificationCableChanged();
        QVERIFY(!full.run([&] { return p.save(); }));
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown[0].text.contains("Promptly need save as project!"));
        QCOMPARE(snapshot(d), old);
        // Every flag stays, so the next save tries the same files again.
        QVERIFY(p.isModified() && p.devicesChanged() && p.schemesChanged() && p.specificationCableChanged());
        QVERIFY(!p.equipmentChanged());

        // The main file fails after every side file was written.
        rec.clear();
        {
            Project q(nullptr, nullptr);
            q.setFileName(d + "/plant.rlay");
            q.setProjectProperty(1, QString(40000, QChar('x')));
            QVERIFY(!full.run([&] { return q.save(); }));
            QCOMPARE(rec.count(), 1);
            QCOMPARE(snapshot(d), old);
        }

        // The old project loads as it was.
        {
            Project loaded(nullptr, nullptr);
            QStringList texts;
            QVERIFY(loadInto(loaded, d + "/plant.rlay", &texts));
            QCOMPARE(texts, QStringList());
            QVERIFY(!loaded.findObj(LampKind, "HL9"));
            QCOMPARE(objectCount(loaded), 33);
        }

        // With room again the same save goes through whole.
        rec.clear();
        QVERIFY(p.save());
        QCOMPARE(rec.count(), 0);
        QCOMPARE(snapshot(d).keys(), old.keys());
        Project loaded(nullptr, nullptr);
        QVERIFY(loadInto(loaded, d + "/plant.rlay"));
        QVERIFY(loaded.findObj(LampKind, "HL9"));
        QCOMPARE(loaded.specificationCable()->cables().value(7).size(), 8000);
    }

    void aSaveFailedForRoomIsUndone()
    {
        // The old main file cannot be copied aside for lack of room after
        // an old sheet was moved aside: the sheet goes back without room,
        // and the folder is as the last save left it.
        const QString d = dir() + "/noroom";
        QDir().mkpath(d);
        ModalRecorder rec;
        Snapshot old;
        {
            Project p(nullptr, nullptr);
            fillProject(p);
            fillSheets(p);
            Scheme *sheet = p.schemes()->itemList()[0]->itemList()[0];
            auto *text = new GraphicsText(sheet, nullptr);
            text->setText(QString(40000, QChar('x')));
            sheet->addGraphicsItem(text);
            p.setProjectProperty(1, QString(40000, QChar('x')));
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.save());
            old = filesBelow(d);
            // Both shrink: their new files fit under the limit, the old ones not.
            text->setText("x");
            sheet->setModified(true);
            p.setProjectProperty(1, "x");
            QVERIFY(!FileSizeLimit{64 * 1024}.run([&] { return p.save(); }));
            QVERIFY(rec.count() == 1 && filesBelow(d) == old);
        }
        // A save record left while no lock can be written: the open says
        // so, not that another program saves.
        writeRaw(d + "/plant.rlay.commit", "saving");
        Project reopened(nullptr, nullptr);
        QStringList texts;
        QVERIFY(!FileSizeLimit{0}.run([&] { return loadInto(reopened, d + "/plant.rlay", &texts); }));
        QCOMPARE(texts, QStringList({"Cannot open file " + d + "/.plant.rlay.lock!"}));
    }

    void sideFilesNamedUpToTheLastDot()
    {
        const QString d = dir() + "/versions";
        QDir().mkpath(d);
        ModalRecorder rec;
        for (const QString &version : {QString("v1"), QString("v2")}) {
            Project p(nullptr, nullptr);
            Obj *obj = p.createDevice(RelayKind);
            QVERIFY(obj->setName("K-" + version));
            p.setFileName(d + "/plant." + version + ".rlay");
            QVERIFY(p.save());
        }
        QCOMPARE(snapshot(d).size(), 12);
        QVERIFY(QFile::exists(d + "/plant.v1.obj"));
        QVERIFY(QFile::exists(d + "/plant.v2.spc"));
        {
            // A name that differs only in the letters of its extension
            // would write over plant.v1's side files.
            Project other(nullptr, nullptr);
            QVERIFY(!other.saveAs(d + "/plant.v1.RLAY"));
            QCOMPARE(rec.count(), 1);
            QCOMPARE(snapshot(d).size(), 12);
            rec.clear();
        }
        for (const QString &version : {QString("v1"), QString("v2")}) {
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, d + "/plant." + version + ".rlay"));
            QVERIFY(p.findObj(RelayKind, "K-" + version));
            QCOMPARE(objectCount(p), 1);
        }
        QCOMPARE(rec.count(), 0);
    }

    void projectsNamedUpToTheFirstDotStillLoad()
    {
        // A project whose side files were named up to the first dot of its
        // main file: "plant.v1.rlay" with "plant.obj" and so on.
        const QString d = dir() + "/firstdot";
        QDir().mkpath(d);
        {
            ModalRecorder rec;
            Project p(nullptr, nullptr);
            fillProject(p);
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.save());
        }
        const ProjectFiles f{d, "plant"};
        MainImage m = f.main();
        m.name = "plant.v1.rlay";
        writeRaw(d + "/plant.v1.rlay", container(m.encode()));
        QFile::remove(d + "/plant.rlay");
        const Snapshot before = snapshot(d);
        {
            // Save as "plant.rlay" beside it would write over the files it reads.
            ModalRecorder rec;
            Project q(nullptr, nullptr);
            QVERIFY(!q.saveAs(d + "/plant.rlay"));
            QCOMPARE(rec.count(), 1);
            QCOMPARE(snapshot(d), before);
        }

        Project p(nullptr, nullptr);
        QStringList texts;
        QVERIFY(loadInto(p, d + "/plant.v1.rlay", &texts));
        QCOMPARE(texts, QStringList());
        QCOMPARE(objectCount(p), 33);
        QCOMPARE(snapshot(d), before);
        // The next save writes the side files under the new names; the old
        // ones are left alone.
        ModalRecorder rec;
        QVERIFY(p.save());
        QVERIFY(QFile::exists(d + "/plant.v1.obj"));
        QCOMPARE(readRaw(d + "/plant.obj"), before["plant.obj"]);
        Project again(nullptr, nullptr);
        QVERIFY(loadInto(again, d + "/plant.v1.rlay"));
        QCOMPARE(objectCount(again), 33);
        QCOMPARE(again.file(Project::DevicesFile)->fileName(), d + "/plant.v1.obj");
    }

    void itemsStayBoundToTheirObjectsAcrossSaves()
    {
        // A save rewrites only what changed: the files it leaves and those
        // it writes must agree on which object is which.
        Scheme::registerItemTypes();
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        fillSheets(p);
        Scheme *sheet = p.schemes()->itemList()[1]->itemList()[0];
        for (const QString name : {"C", "B"}) {
            QVERIFY(p.createDevice(FuseKind)->setName(name));
            auto *fuse = static_cast<GraphicsFuse *>(sheet->createItem(GraphicsFuse::Type));
            QVERIFY(sheet->addGraphicsItem(fuse));
            fuse->setRole(false, false);
            fuse->setName(name);
        }
        p.setFileName(savedProject("bound").path(".rlay"));
        const std::function<void()> edits[] = {[] {}, [&] { QVERIFY(p.createDevice(FuseKind)->setName("A")); },
                                               [&] { sheet->graphicsItems().last()->moveBy(40, 0); }};
        for (const auto &edit : edits) {
            edit();
            QVERIFY(p.save());
            Project loaded(nullptr, nullptr);
            QVERIFY(loadInto(loaded, p.fileName()));
            QStringList bound;
            for (GraphicsItem *item : loaded.schemes()->itemList()[1]->itemList()[0]->graphicsItems())
                bound << static_cast<GraphicsFuse *>(item)->fuse()->name();
            QVERIFY(bound == QStringList({"C", "B"}) && rec.count() == 0);
        }
    }

    // A save killed at any step, then one file it left (a staged file, a
    // the record, an old file) lost or damaged: the open finishes or
    // undoes it, says which save opens in one box, and the project opens as
    // the old save or the new one; what the open could not use stays.
    void saveCutShortAtAnyStepStillOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "plant.rlay";
        // A name that is long after its first dot: the names of the files a save
        // writes first keep within the system's limit.
        QTest::newRow("long, dotted") << "v2." + QString(65, QChar(0x0416)) + ".rlay";
    }

    void saveCutShortAtAnyStepStillOpens()
    {
        QFETCH(QString, name);
        const ProjectFiles f = savedProject(QString("killed-") + QTest::currentDataTag(), name, true);
        const Snapshot before = filesBelow(f.dir);
        clockNow = clockNow.addSecs(1); // each file written differs from the one it replaces
        const auto killedAt = [&](int step) {
            restore(f.dir, before);
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            addPrimitives(*p.schemes()->itemList()[0]->itemList()[0]);
            CommitRecord::setInterruption([step](int done) { return done == step; });
            QVERIFY(!p.save());
            CommitRecord::setInterruption(nullptr);
        };
        const QRegularExpression ofTheSave("^" + QRegularExpression::escape(name) + "\\.(staged\\..+|old\\..+|commit)$");
        // The folder a whole save leaves, and the files it replaces.
        Snapshot after;
        {
            restore(f.dir, before);
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            addPrimitives(*p.schemes()->itemList()[0]->itemList()[0]);
            QVERIFY(p.save());
            after = filesBelow(f.dir);
            QCOMPARE(after.keys(), before.keys());
        }
        QStringList replaced;
        for (const QString &name : after.keys())
            if (after[name] != before[name])
                replaced << name;
        QCOMPARE(replaced.size(), 7); // five side files, a sheet and the main file

        int steps = 0;
        int opened[2] = {0, 0};
        for (;; ++steps) {
            {
                Project p(nullptr, nullptr);
                restore(f.dir, before);
                QVERIFY(loadInto(p, f.path(".rlay")));
                addPrimitives(*p.schemes()->itemList()[0]->itemList()[0]);
                CommitRecord::setInterruption([steps](int done) { return done == steps; });
                const bool saved = p.save();
                CommitRecord::setInterruption(nullptr);
                if (saved)
                    break;
            }
            const Snapshot left = filesBelow(f.dir);
            // The project can be opened at every step: its main file stays.
            QVERIFY2(left.contains(name), qPrintable(QString("step %1").arg(steps)));
            // Old files still in place are the save's once its record stands.
            const bool recorded = left.contains(name + ".commit");
            QStringList faults{QString()};
            for (const QString &name : left.keys())
                if (ofTheSave.match(name).hasMatch()
                    || (recorded && replaced.contains(name) && left[name] == before[name]))
                    faults << name << name + "#";
            for (const QString &fault : std::as_const(faults)) {
                restore(f.dir, left);
                const QString path = f.dir + "/" + QString(fault).remove('#');
                if (fault.endsWith('#')) {
                    QByteArray bytes = left[QString(fault).chopped(1)];
                    bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
                    writeRaw(path, bytes);
                } else if (!fault.isEmpty()) {
                    QVERIFY(QFile::remove(path));
                }
                const Snapshot faulty = filesBelow(f.dir);
                Project loaded(nullptr, nullptr);
                QStringList texts;
                const QString at = QString("step %1, %2").arg(steps).arg(fault);
                QVERIFY2(loadInto(loaded, f.path(".rlay"), &texts), qPrintable(at + ": " + texts.join(" | ")));
                const bool isNew = loaded.schemes()->itemList()[0]->itemList()[0]->graphicsItems().size() == 10;
                ++opened[isNew];
                const Snapshot now = filesBelow(f.dir);
                const bool leftOver = !faulty.keys().filter(ofTheSave).isEmpty();
                const QString told = texts.value(0);
                QVERIFY2(texts.size() == int(leftOver), qPrintable(at + ": " + texts.join(" | ")));
                if (isNew) {
                    // Finished: the folder is the whole save's.
                    QVERIFY2(now == after && (!leftOver || told.contains("has been finished")), qPrintable(at));
                    continue;
                }
                // Undone: the project's files are the old save's, and every
                // file of the save is still there or under its staged name.
                QVERIFY2(!leftOver || told.contains("cannot be finished"), qPrintable(at + ": " + told));
                for (auto it = before.cbegin(); it != before.cend(); ++it)
                    QVERIFY2(now.value(it.key()) == it.value(), qPrintable(at + " " + it.key()));
                for (auto it = faulty.cbegin(); it != faulty.cend(); ++it)
                    QVERIFY2(now.values().contains(it.value()), qPrintable(at + " lost " + it.key()));
            }
        }
        QCOMPARE(steps, 30); // 7 files staged, the record, 14 renames, 8 removals
        QVERIFY(opened[0] > 0 && opened[1] > 0);
        // Save as under a new name: once a file of it takes its place, its main file stands, and opening that
        // finishes the save.
        bool saved = false;
        qsizetype staging = 0; // the files the save stages, each staged until it takes its place
        for (int step = 0; !saved; ++step) {
            restore(f.dir, before);
            ModalRecorder rec;
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            CommitRecord::setInterruption([step](int done) { return done == step; });
            saved = p.saveAs(f.path("-copy.rlay"));
            CommitRecord::setInterruption(nullptr);
            const QString staged = QFileInfo(f.path("-copy.rlay.staged.")).fileName();
            const qsizetype unmoved = filesBelow(f.dir).keys().filter(QRegularExpression("^" + QRegularExpression::escape(staged))).size();
            if (saved || !QFile::exists(f.path("-copy.rlay.commit")) || unmoved == (staging = qMax(staging, unmoved)))
                continue;
            QStringList texts;
            Project copy(nullptr, nullptr);
            QVERIFY2(QFile::exists(f.path("-copy.rlay")) && loadInto(copy, f.path("-copy.rlay"), &texts)
                         && texts.value(0).contains("has been finished"), qPrintable(QString::number(step)));
        }

        // The next save clears the files of a save that could only be
        // undone, and the folder then opens without a word.
        killedAt(12);
        QVERIFY(QFile::remove(f.path(name.count('.') > 1 ? ".rlay.staged.~~.eqm" : ".rlay.staged.~.eqm")));
        {
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            QVERIFY(p.save());
        }
        QCOMPARE(filesBelow(f.dir).keys(), before.keys());
        Project again(nullptr, nullptr);
        QStringList texts;
        QVERIFY(loadInto(again, f.path(".rlay"), &texts) && texts.isEmpty());
        clockNow = clockNow.addSecs(-1);
    }

    // After a save that failed while it wrote its files (a full disk), or a group's folder or
    // a sheet's file removed by hand, the next save or Save as writes the project whole without a word.
    void theSaveAfterAFailedOneIsWhole()
    {
        const ProjectFiles f = savedProject("failedfirst", "plant.rlay", true, true);
        const Snapshot before = filesBelow(f.dir);
        for (int step = 0; step < 9; ++step) {
            restore(f.dir, before);
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            ModalRecorder rec;
            if (step >= 7) {
                const QString file = p.schemes()->itemList()[0]->itemList()[0]->file().fileName();
                QVERIFY(step == 7 ? QDir(QFileInfo(file).absolutePath()).removeRecursively() : QFile::remove(file));
            } else {
                p.prepareFullSave();
                CommitRecord::setInterruption([step](int done) { return done == step; });
                QVERIFY(!p.save());
                CommitRecord::setInterruption(nullptr);
                rec.clear();
            }
            QVERIFY(step % 2 && step < 7 ? p.saveAs(f.dir + "/other.rlay") : p.save());
            QVERIFY2(rec.count() == 0, qPrintable(rec.texts().join("") + QString::number(step)));
            Project again(nullptr, nullptr);
            QStringList texts;
            QVERIFY(loadInto(again, p.fileName(), &texts) && texts.isEmpty());
            QCOMPARE(objectCount(again), objectCount(p));
        }
    }

    // Every state a power cut leaves in a save of sheets in two folders, in
    // one that a refused folder sync fails with a box and undoes, or in an
    // open's recovery of one, opens as one save and says which. A refused
    // save leaves the old one, or the new one once the old files are gone.
    void aPowerCutAnywhereLeavesOneSave()
    {
        const ProjectFiles f = savedProject("powercut", "plant.rlay", true);
        QList<Snapshot> states, ignored;
        const auto save = [&](int refuse) { // its first save writes the same bytes again
            Project p(nullptr, nullptr);
            bool saved = loadInto(p, f.path(".rlay")) && p.save();
            for (int group : {0, 1})
                addPrimitives(*p.schemes()->itemList()[group]->itemList()[0]);
            states += cutStates(f.dir, [&] { saved = saved && p.save(); }, refuse);
            return saved;
        };
        const Snapshot old = filesBelow(f.dir), saved = save(-1) ? filesBelow(f.dir) : Snapshot();
        const auto isLeftOver = [](auto it) { return it.key().startsWith("plant.rlay."); };
        const auto opensAs = [&](Snapshot at, QList<Snapshot> *recovery) {
            restore(f.dir, at);
            QStringList texts;
            *recovery += cutStates(f.dir, [&] { Project p(nullptr, nullptr); loadInto(p, f.path(".rlay"), &texts); });
            Snapshot now = filesBelow(f.dir);
            const int as = now == saved ? 1 : (now.removeIf(isLeftOver), now == old) ? 0 : -1;
            const bool told = texts.size() == int(at.removeIf(isLeftOver) > 0);
            return told && (texts.isEmpty() || texts[0].contains(as ? "has been finished" : "cannot be finished")) ? as : -1;
        };
        QList<int> refused; // how the folder opens once each folder sync in turn is refused
        for (ModalRecorder rec; restore(f.dir, old), rec.clear(), !save(int(refused.size())) || rec.count();)
            QVERIFY((refused << opensAs(filesBelow(f.dir), &ignored), rec.count() == 1));
        QCOMPARE(refused, QList<int>(refused.size() - 1, 0) << 1);
        QSet<size_t> seen;
        for (qsizetype i = 0, saves = states.size(); i < states.size(); ++i)
            if (const size_t key = qHashRange(states[i].keyValueBegin(), states[i].keyValueEnd()); !seen.contains(key))
                QVERIFY((seen.insert(key), opensAs(states[i], i < saves ? &states : &ignored) >= 0));
    }

    // Two projects on one folder, as two copies of the program: only the
    // holder of the lock saves. Its lock file removed by hand, another took
    // the folder and saved; once that one is gone, the stale first one's
    // save writes anew every file that changed on disk.
    void oneWriterAtATime()
    {
        const ProjectFiles f = savedProject("writers");
        ModalRecorder rec;
        auto first = std::make_unique<Project>(nullptr, nullptr);
        QVERIFY(loadInto(*first, f.path(".rlay")) && first->save());
        auto second = std::make_unique<Project>(nullptr, nullptr);
        QVERIFY(loadInto(*second, f.path(".rlay")));
        QCOMPARE(second->lockFiles(), Project::LockHeldElsewhere);
        QVERIFY(second->lockHolder().contains(QString::number(QCoreApplication::applicationPid())));
        {
            // While the holder saves, its files are not whole: another program says so instead of reading them.
            writeRaw(f.path(".rlay.commit"), "saving");
            Project third(nullptr, nullptr);
            QStringList texts;
            QVERIFY(!loadInto(third, f.path(".rlay"), &texts) && texts.value(0).contains("is being saved by"));
            QVERIFY(QFile::remove(f.path(".rlay.commit")));
            // A save made while it reads leaves it a torn file: that, not damage, is what it says.
            const QByteArray devices = readRaw(f.path(".obj"));
            QVERIFY(QFile::remove(f.path(".obj")) && ::mkfifo(QFile::encodeName(f.path(".obj")), 0600) == 0);
            std::thread saver([&] {
                int pipe = -1;
                for (int tries = 0; pipe < 0 && tries < 1000; ++tries, QThread::msleep(10))
                    pipe = ::open(QFile::encodeName(f.path(".obj")), O_WRONLY | O_NONBLOCK);
                QFile::copy(f.path(".rlay"), f.path(".new"));
                std::rename(qPrintable(f.path(".new")), qPrintable(f.path(".rlay")));
                const ssize_t half = ::write(pipe, devices.constData(), size_t(devices.size() / 2));
                Q_UNUSED(half);
                ::close(pipe);
            });
            QVERIFY(!loadInto(third, f.path(".rlay"), &texts));
            saver.join();
            QVERIFY(texts.size() == 1 && texts[0].contains("is being saved by"));
            QVERIFY(QFile::remove(f.path(".obj")));
            writeRaw(f.path(".obj"), devices);
        }
        const Snapshot before = filesBelow(f.dir);
        QVERIFY(!second->save() && filesBelow(f.dir) == before);
        QVERIFY(rec.count() == 1 && rec.texts()[0].contains("which alone saves it"));
        QVERIFY(QFile::remove(f.dir + "/.plant.rlay.lock"));
        QVERIFY(second->createDevice(LampKind)->setName("HL1"));
        QVERIFY(second->save());
        first->setProjectProperty(0, "first");
        QVERIFY(!first->save());
        second.reset();
        QVERIFY(first->save());
        first.reset();
        QLockFile other(f.dir + "/.plant.rlay.lock");
        {
            Project reopened(nullptr, nullptr);
            QVERIFY(loadInto(reopened, f.path(".rlay")));
            QVERIFY(reopened.projectProperty(0) == "first" && !reopened.findObj(LampKind, "HL1") && rec.count() == 2);
            // Its lock file replaced by another program's: closing leaves that one be.
            QVERIFY(QFile::remove(f.dir + "/.plant.rlay.lock") && other.tryLock(0));
        }
        QVERIFY(QFile::exists(f.dir + "/.plant.rlay.lock"));
    }

    // Every copy draws the same folder numbers: a group's folder is the one its own save made.
    void aGroupsFolderIsItsOwn()
    {
        QString other; // made by another copy between this save's draw and its make
        setDiskWatch([&](DiskStep step, const QString &path, auto) {
            return step != DiskStep::MakeFolder || !other.isEmpty() || QDir().mkdir(other = path);
        });
        savedProject("drawn", "plant.rlay", true);
        setDiskWatch(nullptr);
        QVERIFY(!other.isEmpty() && QDir(other).isEmpty());
    }

    // A lock left by a program that is gone is taken over; "Save as" takes
    // the lock of the new name and lets go of the old one once it stands,
    // and keeps the old one when it fails.
    void theLockFollowsTheProject()
    {
        const ProjectFiles f = savedProject("lockmoves");
        const QString lock = f.dir + "/.plant.rlay.lock";
        QByteArray held;
        if (QLockFile ours(lock); ours.tryLock())
            held = readRaw(lock);
        writeRaw(lock, held.replace(0, held.indexOf('\n'), "2147483647")); // no process has that number
        const auto lockedBy = [](const QString &path) {
            Project probe(nullptr, nullptr);
            probe.setFileName(path);
            return probe.lockFiles() == Project::LockHeldElsewhere;
        };
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        QVERIFY(loadInto(p, f.path(".rlay")) && lockedBy(f.path(".rlay")));
        for (bool free : {false, true}) {
            Project other(nullptr, nullptr);
            other.setFileName(f.path("-copy.rlay"));
            QVERIFY(free || other.lockFiles() == Project::LockHeld);
            p.setFileName(f.path("-copy.rlay"));
            QCOMPARE(p.save(), free);
            QCOMPARE(lockedBy(f.path(".rlay")), !free);
        }
        QVERIFY(lockedBy(f.path("-copy.rlay")) && rec.count() == 1);

        // Its folder renamed while it is open: the lock goes with it.
        const QString moved = f.dir + "-renamed";
        QVERIFY(QDir().rename(f.dir, moved) && (rec.clear(), !p.save()));
        QVERIFY(rec.texts().value(0).contains(f.dir + " does not exist"));
        rec.clear();
        QVERIFY(p.saveAs(moved + "/plant-copy.rlay"));
        // Or copied: the copy of the lock holds nothing either.
        const QString copied = f.dir + "-copied";
        QVERIFY(QDir().mkpath(copied) && QFile::copy(moved + "/.plant-copy.rlay.lock", copied + "/.plant-copy.rlay.lock"));
        QVERIFY(p.saveAs(copied + "/plant-copy.rlay"));
        QCOMPARE(rec.texts(), QStringList());
        QVERIFY(lockedBy(copied + "/plant-copy.rlay"));
        // A lock file cut short when it was made holds nothing once it is old.
        writeRaw(copied + "/.cut.rlay.lock", QByteArray());
        QVERIFY(lockedBy(copied + "/cut.rlay"));
        QFile made(copied + "/.cut.rlay.lock");
        QVERIFY(made.open(QIODevice::ReadWrite)
                && made.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        made.close();
        QVERIFY(!lockedBy(copied + "/cut.rlay"));
        // Renamed once more, then saved elsewhere: the lock it took along goes too.
        const QString renamed = f.dir + "-renamed-again";
        QVERIFY(QDir().rename(copied, renamed) && p.saveAs(moved + "/plant-copy.rlay"));
        QVERIFY(QFile::exists(renamed + "/plant-copy.rlay") && !QFile::exists(renamed + "/.plant-copy.rlay.lock"));

        // A copy of the lock of another program that runs holds nothing: the program holds the file of its
        // own lock locked.
        QProcess program;
        program.start("sleep", {"60"});
        QVERIFY(program.waitForStarted());
        QList<QByteArray> lines = held.split('\n');
        lines[0] = QByteArray::number(program.processId());
        lines[1] = "sleep";
        const QString copy = renamed + "/.copy.rlay.lock";
        for (bool locked : {false, true}) {
            writeRaw(copy, lines.join('\n'));
            QFile aged(copy);
            QVERIFY(aged.open(QIODevice::ReadWrite)
                    && aged.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
            QVERIFY(!locked || ::flock(aged.handle(), LOCK_EX | LOCK_NB) == 0);
            QCOMPARE(lockedBy(renamed + "/copy.rlay"), locked);
        }
        program.kill();
        program.waitForFinished();
    }

    // A save killed at each step, by a program that is gone when a second
    // one, which had opened the project before, saves it: that save stands
    // whole, nothing of the killed one is left, and the folder opens as it.
    void aSecondProgramSavesAfterAKill()
    {
        const ProjectFiles f = savedProject("killed-twice", "plant.rlay", true);
        const Snapshot before = filesBelow(f.dir);
        ModalRecorder rec;
        const auto sheet = [](Project &p) { return p.schemes()->itemList()[0]->itemList()[0]; };
        for (int step = 0; step < 30; ++step) {
            restore(f.dir, before);
            auto killed = std::make_unique<Project>(nullptr, nullptr);
            Project second(nullptr, nullptr);
            QVERIFY(loadInto(*killed, f.path(".rlay")) && loadInto(second, f.path(".rlay")));
            addPrimitives(*sheet(*killed));
            clockNow = clockNow.addSecs(1);
            CommitRecord::setInterruption([step](int done) { return done == step; });
            QVERIFY(!killed->save());
            CommitRecord::setInterruption(nullptr);
            killed.reset();
            QVERIFY(second.createDevice(LampKind)->setName("HL2"));
            QVERIFY2(second.save() && rec.count() == 0, qPrintable(QString::number(step)));
            QCOMPARE(QDir(f.dir).entryList({"plant.rlay.*"}), QStringList());
            Project reopened(nullptr, nullptr);
            QStringList texts;
            QVERIFY(loadInto(reopened, f.path(".rlay"), &texts) && texts.isEmpty());
            QVERIFY(reopened.findObj(LampKind, "HL2")
                    && sheet(reopened)->graphicsItems().size() == sheet(second)->graphicsItems().size());
        }
    }

    // Only the names a save writes are its leftovers: a user's files that
    // look like them are left alone. A whole old copy whose file is gone
    // is put back; a record written whole but not yet named finishes its
    // save; a save that fails after its record puts back what it replaced
    // and leaves nothing of its own.
    void leftoversAreTheSavesOwn()
    {
        const ProjectFiles f = savedProject("leftovers");
        ModalRecorder rec;
        writeRaw(f.path(".rlay.old.1"), "mine");
        writeRaw(f.path(".rlay.staged.txt"), "mine too");
        const Snapshot before = filesBelow(f.dir);
        const auto opens = [&f, this](const char *told, bool lamp) {
            Project p(nullptr, nullptr);
            QStringList texts;
            QVERIFY(loadInto(p, f.path(".rlay"), &texts) && texts.join("").contains(told));
            QVERIFY(texts.size() == (*told ? 1 : 0) && (p.findObj(LampKind, "HL1") != nullptr) == lamp);
        };
        const auto saveALamp = [&](int stop) {
            Project p(nullptr, nullptr);
            CommitRecord::setInterruption([stop](int done) { return done == stop; });
            const bool saved = loadInto(p, f.path(".rlay")) && p.createDevice(LampKind)->setName("HL1") && p.save();
            CommitRecord::setInterruption(nullptr);
            return saved;
        };
        QVERIFY(saveALamp(-1));
        opens("", true);
        QVERIFY(readRaw(f.path(".rlay.old.1")) == "mine" && readRaw(f.path(".rlay.staged.txt")) == "mine too");
        restore(f.dir, before);
        QVERIFY(QFile::rename(f.path(".eqm"), f.path(".rlay.old.~.eqm")));
        opens("cannot be finished", false);
        QCOMPARE(filesBelow(f.dir), before);
        QVERIFY(!saveALamp(7)); // six files staged, the record written, nothing replaced
        QVERIFY(QFile::rename(f.path(".rlay.commit"), f.path(".rlay.commit.new")));
        opens("has been finished", true);
        QCOMPARE(filesBelow(f.dir).size(), before.size());
        restore(f.dir, before);
        QVERIFY(QDir().mkpath(f.path(".rlay.old.~.obj/in the way")));
        QVERIFY(!saveALamp(-1));
        QVERIFY(rec.count() == 1 && filesBelow(f.dir) == before);
    }

    void damagedCountsAndLeftoversFailTheLoad()
    {
        // A count that passes the checksum, or bytes no reader used: the
        // load fails with one message that names the file.
        const ProjectFiles f = savedProject("counts-damaged", "plant.rlay", true);
        const Snapshot pristine = filesBelow(f.dir);
        const auto fails = [&](const QString &file) {
            Project p(nullptr, nullptr);
            QStringList texts;
            QVERIFY(!loadInto(p, f.path(".rlay"), &texts));
            QVERIFY2(texts.size() == 1 && texts[0].endsWith("File " + file + " is corrupt!"), qPrintable(texts.join("|")));
            restore(f.dir, pristine);
        };
        // One scheme group fewer than the file holds.
        f.setSideContent(".schm", bytesOf([](DataStream &s) { s << qint32(1); }) + f.sideContent(".schm").mid(4));
        fails(f.path(".schm"));
        // Bytes after a sheet's geometry, and after each side file's content.
        const QString sheet = pristine.keys().filter(".sch").first();
        const QByteArray payload = pristine[sheet].mid(6) + QByteArray(4, 0);
        writeRaw(f.dir + "/" + sheet, container(payload));
        QByteArray schm = f.sideContent(".schm");
        f.setSideContent(".schm", schm.replace(schm.indexOf(pristine[sheet].left(6)), 6, container(payload).left(6)));
        fails(f.dir + "/" + sheet);
        for (const QString &ext : sideExtensions) {
            f.setSideContent(ext, f.sideContent(ext) + "x");
            fails(f.path(ext));
        }
    }

    // A project of every kind opens and saves again to the same bytes; its
    // files damaged, each load opens a whole project or fails with one
    // message, quickly and without touching the files.
    void mutatedProjectsNeverCrashOrHang()
    {
        const ProjectFiles f = savedProject("fuzz", "plant.rlay", true, true);
        const Snapshot pristine = filesBelow(f.dir);
        const QStringList all = pristine.keys();
        QCOMPARE(all.size(), 10); // six project files and four schemes
        // What opened, saved in another folder, opens there without a word.
        const QString copy = dir() + "/fuzz-resaved";
        const auto resaved = [&](Project &p) {
            QDir(copy).removeRecursively();
            QDir().mkpath(copy);
            p.setFileName(copy + "/plant.rlay");
            ModalRecorder rec;
            Project again(nullptr, nullptr);
            QStringList texts;
            const bool ok = p.save() && rec.count() == 0 && loadInto(again, copy + "/plant.rlay", &texts);
            return ok && texts.isEmpty() ? filesBelow(copy) : Snapshot();
        };
        {
            Project p(nullptr, nullptr);
            QVERIFY(loadInto(p, f.path(".rlay")));
            QCOMPARE(resaved(p), pristine);
        }
        // RLAY_FUZZ_SEED and RLAY_FUZZ_ROUNDS run other damages by hand.
        QRandomGenerator random(qEnvironmentVariableIsSet("RLAY_FUZZ_SEED")
                                    ? quint32(qEnvironmentVariableIntValue("RLAY_FUZZ_SEED"))
                                    : 20240506u);
        const qint32 interesting[] = {0, -1, 1, 0x7FFFFFFF, qint32(0x80000000), 0x10000, 255, 86, 12, 9};
        const QStringList refusals = {"Cannot open", "Header", "Size", "Check summ", "Name", "DateTime"};

        QElapsedTimer total;
        total.start();
        int loaded = 0;
        const int rounds = qEnvironmentVariableIsSet("RLAY_FUZZ_ROUNDS") ? qEnvironmentVariableIntValue("RLAY_FUZZ_ROUNDS") : 800;
        for (int round = 0; round < rounds; ++round) {
            restore(f.dir, pristine);
            const QString name = all[random.bounded(int(all.size()))];
            const QString path = f.dir + "/" + name;
            const QString ext = name.mid(name.lastIndexOf('.'));
            const int kind = random.bounded(7);
            QByteArray payload = readRaw(path).mid(6);
            switch (kind) {
            case 0: { // a raw byte of the file, container unchanged
                QByteArray raw = readRaw(path);
                const int at = random.bounded(int(raw.size()));
                raw[at] = char(raw[at] ^ (1 + random.bounded(255)));
                writeRaw(path, raw);
                break;
            }
            case 1: // payload bytes changed
                for (int i = random.bounded(1, 4); i > 0; --i) {
                    const int at = random.bounded(int(payload.size()));
                    payload[at] = char(random.bounded(256));
                }
                break;
            case 2: // payload cut short
                payload.truncate(random.bounded(int(payload.size())));
                break;
            case 3: { // bytes inserted
                QByteArray extra;
                for (int i = random.bounded(1, 9); i > 0; --i)
                    extra += char(random.bounded(256));
                payload.insert(random.bounded(int(payload.size()) + 1), extra);
                break;
            }
            case 4: case 5: { // a counter or size smashed
                if (payload.size() < 4)
                    break;
                const int at = random.bounded(int(payload.size()) - 3);
                const qint32 v = interesting[random.bounded(int(std::size(interesting)))];
                const QByteArray b = bytesOf([&](DataStream &s) { s << v; });
                payload.replace(at, 4, b);
                break;
            }
            case 6: { // a file swapped for another one, or gone
                const QString other = all[random.bounded(int(all.size()))];
                if (other == name)
                    QFile::remove(path);
                else
                    writeRaw(path, pristine[other]);
                break;
            }
            }
            if (kind >= 1 && kind <= 5) {
                if (ext == ".rlay") {
                    f.setMainPayload(payload);
                } else if (ext != ".sch") {
                    f.setSidePayload(ext, payload);
                } else {
                    // The schemes file records each scheme file's header.
                    QByteArray schm = f.sideContent(".schm");
                    schm.replace(schm.indexOf(pristine[name].left(6)), 6, container(payload).left(6));
                    f.setSideContent(".schm", schm);
                    writeRaw(path, container(payload));
                }
            }

            const Snapshot damaged = filesBelow(f.dir);
            const QString label = QString("round %1, %2, mutation %3").arg(round).arg(name).arg(kind);
            QElapsedTimer one;
            one.start();
            QStringList texts;
            {
                Project p(nullptr, nullptr);
                if (loadInto(p, f.path(".rlay"), &texts)) {
                    ++loaded;
                    QVERIFY2(!resaved(p).isEmpty(), qPrintable(label));
                }
            }
            QVERIFY2(one.elapsed() < 2000, qPrintable(QString("%1 took %2 ms").arg(label).arg(one.elapsed())));
            // One message; a file whose container is refused says so first.
            QVERIFY2(texts.size() <= 1 || (texts.size() == 2 && refusals.contains(texts[0].section(" file ", 0, 0))),
                     qPrintable(label + ": " + texts.join(" | ")));
            if (round % 10 == 0)
                QVERIFY2(filesBelow(f.dir) == damaged, qPrintable(label + " changed the files"));
        }
        qDebug("%d mutated projects, %d of them loaded, in %lld ms", rounds, loaded, total.elapsed());
        QVERIFY(loaded < rounds);
        QVERIFY(total.elapsed() < 75 * qint64(rounds));
    }

    // Every scheme item kind, bound, or placed through its dialog with
    // nothing filled in (unbound where the kind allows it), upright and
    // turned, has after a reopen the outline it had when saved.
    void everyKindKeepsItsOutlineThroughAReopen()
    {
        createScreenFonts();
        const auto outlines = [](Project &p) {
            QList<QRectF> found;
            for (GraphicsItem *item : p.schemes()->itemList()[0]->itemList().last()->graphicsItems())
                found.append(item->boundingRect());
            return found;
        };
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        fillProject(p);
        fillSheets(p);
        fillEveryKind(p);
        Scheme *sheet = p.schemes()->itemList()[0]->itemList().last();
        // Each kind settles as its dialog leaves it.
        for (GraphicsItem *item : sheet->graphicsItems())
            if (auto *bound = dynamic_cast<GraphicsObjItem *>(item))
                bound->updatePinNames(), bound->updateFromObj();
        int count = 0;
        const SchemeItemType *rows = Scheme::itemTypes(count);
        for (int i = 0; i < 2 * count; ++i) {
            const int type = rows[i % count].typeId;
            if (!rows[i % count].createDialog)
                continue;
            std::unique_ptr<DlgPropGraphicsItem> dialog(sheet->createDialog(type));
            rec.handle(pressOk);
            if (GraphicsItem *item = dialog->execDialog(nullptr, type)) {
                QVERIFY(sheet->addGraphicsItem(item));
                item->rotateBy(i / count, true);
            }
        }
        QDir().mkpath(dir() + "/outlines");
        p.setFileName(dir() + "/outlines/plant.rlay");
        QVERIFY(p.save());
        Project loaded(nullptr, nullptr);
        QVERIFY(loadInto(loaded, dir() + "/outlines/plant.rlay"));
        QCOMPARE(outlines(loaded), outlines(p));
    }

    // A group's record with an object's identity made another's, or a byte
    // changed, pastes whole, each item bound to an object of its own kind,
    // or it adds nothing, after one box.
    void damagedGroupRecordsPasteWholeOrNothing()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        fillProject(p);
        fillSheets(p);
        fillEveryKind(p);
        SchemeGroup *source = p.schemes()->itemList()[0];
        const QByteArray record = bytesOf([&](DataStream &s) {
            s << qint32(11) << qint32(1);
            source->saveClipboard(s);
            source->saveClipboardGeometry(s);
            s << qint32(-12);
        });
        QList<QByteArray> damaged, ids;
        for (GraphicsItem *item : source->itemList().last()->graphicsItems())
            if (auto *bound = dynamic_cast<GraphicsObjItem *>(item); bound && bound->obj())
                ids << bytesOf([&](DataStream &s) { s << p.identity(bound->obj()); });
        for (qsizetype k = 0; k < ids.size(); ++k)
            for (qsizetype at = record.indexOf(ids[k], 8); at >= 0; at = record.indexOf(ids[k], at + 1))
                damaged << QByteArray(record).replace(at, 4, ids[(k + 1) % ids.size()]);
        for (int at = 8; at < record.size() - 4; at += 17)
            damaged << QByteArray(record).replace(at, 1, QByteArray(1, char(~record[at])));
        const int objects = objectCount(p);
        const qsizetype groups = p.schemes()->itemList().size();
        for (const QByteArray &bytes : std::as_const(damaged)) {
            rec.clear();
            if (p.schemes()->pasteRecord(bytes)) {
                SchemeGroup *group = p.schemes()->itemList().last();
                for (GraphicsItem *item : group->itemList().last()->graphicsItems()) {
                    auto *bound = dynamic_cast<GraphicsObjItem *>(item);
                    QVERIFY(!bound || !bound->obj() || bound->obj()->kind() == bound->objType());
                }
                QCOMPARE(rec.count(), 0);
                group->treeItem()->setSelected(true);
                QVERIFY(QMetaObject::invokeMethod(p.schemes(), "clickDeleteItem"));
            } else {
                QCOMPARE(rec.texts(),
                         QStringList({"The clipboard holds data this program cannot paste. Nothing was pasted."}));
            }
            QVERIFY(objectCount(p) == objects && p.schemes()->itemList().size() == groups);
        }
    }
};

QTEST_MAIN(TestProjectFiles)
#include "tst_projectfiles.moc"
