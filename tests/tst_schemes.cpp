// Schemes: the item registry, display names, the passage table, finding
// items, the schemes side file and the scheme files, scheme groups read at
// old formats, the load messages and the numbered directories and files.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/font.h"
#include "graphics/graphicsline.h"
#include "graphics/graphicstext.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/file.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "schemes/schemepassage.h"
#include "support/filesbelow.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QClipboard>
#include <QDirIterator>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

constexpr int U = QGraphicsItem::UserType;

// What the stand-in items report and how they fail.
QList<int> resolvedTypes;
QSet<int> failingLinks;
bool failData = false;
bool failGeometry = false;

// An item of any scheme type id with one pin and one field, standing in for
// the kinds not built yet.
class StandIn : public GraphicsPins
{
public:
    StandIn(GraphicsScene *scene, int type)
        : GraphicsPins(scene, nullptr, 7)
        , m_type(type)
    {
        createPins(1);
    }

    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 20, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void createPins(int count) override { allocatePins<Pin>(count); }
    void collectNetPins(Pin *, QList<Pin *> &) override {}
    void collectNet(Pin *, QList<Pin *> &, QList<GraphicsUnite *> *, int) override {}
    void updateNetLinks(Pin *, QList<Pin *> &) override {}
    void saveData(DataStream &stream) override { stream << value; }
    void loadData(DataStream &stream) override
    {
        stream >> value;
        if (failData)
            stream.setStatus(QDataStream::ReadCorruptData);
    }
    void loadGeometry(DataStream &stream) override
    {
        GraphicsPins::loadGeometry(stream);
        if (failGeometry)
            stream.setStatus(QDataStream::ReadCorruptData);
    }
    bool resolveLinks() override
    {
        resolvedTypes << m_type;
        return !failingLinks.contains(m_type);
    }

    qint32 value = 0;

private:
    int m_type;
};

class StandInDialog : public DlgPropGraphicsItem
{
public:
    using DlgPropGraphicsItem::DlgPropGraphicsItem;
    void loadFromItem(GraphicsItem *) override {}
    void saveToItem(GraphicsItem *) override {}
};

template <int Type>
GraphicsItem *standIn(GraphicsScene *scene)
{
    return new StandIn(scene, Type);
}

GraphicsItem *fuseItem(GraphicsScene *scene)
{
    return new boundtest::TestDeviceItem(scene, U + 403, GraphicsObjItem::BindShared, FuseKind);
}

DlgPropGraphicsItem *standInDialog(GraphicsScene *scene)
{
    return new StandInDialog(scene);
}

// A clamp of a passage: its label, and whether it belongs to the bottom
// panel.
class ClampStandIn : public StandIn
{
public:
    ClampStandIn(GraphicsScene *scene, const QString &label, bool bottom)
        : StandIn(scene, U + 402)
        , label(label)
        , bottom(bottom)
    {
    }
    QString label;
    bool bottom;
};

class PassageStandIn : public StandIn, public SchemePassage
{
public:
    explicit PassageStandIn(GraphicsScene *scene)
        : StandIn(scene, U + 104)
    {
    }

    int clampCount() const override { return int(clamps.size()); }
    GraphicsItem *clampItem(int index) const override { return clamps.value(index); }
    bool isBottomClamp(int index) const override { return clamps.at(index)->bottom; }
    QString clampLabel(int index) const override { return clamps.at(index)->label; }
    void releaseClamps() override
    {
        while (!clamps.isEmpty()) {
            ClampStandIn *clamp = clamps.takeLast();
            if (!clamp->bottom)
                graphicsScene()->removeGraphicsItem(clamp);
        }
    }

    // Adds a clamp to the passage and, unless it is a bottom clamp, to the
    // sheet.
    ClampStandIn *addClamp(const QString &label, bool bottom = false)
    {
        auto *clamp = new ClampStandIn(graphicsScene(), label, bottom);
        clamps.append(clamp);
        graphicsScene()->addGraphicsItem(clamp);
        return clamp;
    }

    QList<ClampStandIn *> clamps;
};

// A scheme whose background can be painted on any painter.
class PaintedScheme : public Scheme
{
public:
    using Scheme::Scheme;
    void paintBackground(QPainter *painter) { drawBackground(painter, sceneRect()); }
};

SchemeGroup *addGroup(Project &p, int atr, const QString &comment = QString())
{
    auto *group = new SchemeGroup(&p);
    group->setComment(comment);
    group->setAtrNumber(atr);
    p.schemes()->appendItem(group);
    return group;
}

template <class S = Scheme>
S *addScheme(SchemeGroup *group, int number, const QString &name, int pageSize = GraphicsScene::PaperA3,
             bool landscape = true, int across = 1)
{
    auto *scheme = new S(group->project());
    scheme->setSheetFormat(pageSize, landscape, quint8(across));
    scheme->setName(name);
    scheme->setNumber(number);
    group->appendItem(scheme);
    return scheme;
}

QMap<QString, QDateTime> modificationTimes(const QString &dir)
{
    QMap<QString, QDateTime> times;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        times.insert(QDir(dir).relativeFilePath(path), QFileInfo(path).lastModified());
    }
    return times;
}

template <class Write>
QByteArray bytesOf(int format, Write write)
{
    QByteArray bytes;
    DataStream s(&bytes, QIODevice::WriteOnly);
    s.setFormatIndex(format);
    write(s);
    return bytes;
}

// Takes every kind's factories out of the registry: as if none were built.
void clearFactories()
{
    int count = 0;
    const SchemeItemType *rows = Scheme::itemTypes(count);
    for (int i = 0; i < count; ++i)
        Scheme::setItemTypeFactories(rows[i].typeId, nullptr, nullptr);
}

QDateTime clockNow;

const int relayType = U + 302;
const int contactType = U + 401;
const int fuseType = U + 403;

// The window's action list, as the main window builds it.
struct Window
{
    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> actions;

    Window()
    {
        ActionsManager::createMenus(&host, &actions, &menuBar, &toolBar);
        ActionsManager::createToolBox(&toolBox, &actions);
    }
    QAction *a(int id) const { return actions.at(id); }
};

} // namespace

class TestSchemes : public QObject
{
    Q_OBJECT

    // Two groups and three schemes with items of every sort that exists:
    // drawing primitives, a bound device item, relay windings and contacts.
    void fillSchemes(Project &p)
    {
        Obj *fuse = p.createDevice(FuseKind);
        QVERIFY(fuse && fuse->setName("F1"));
        for (int i = 0; i < Project::PropertyCount; ++i)
            p.setProjectProperty(i, QString("P%1").arg(i));

        SchemeGroup *power = addGroup(p, 7, "power");
        power->setSchemesName("Supply\nschemes");
        QVERIFY(power->setOwnProperty(6, "Sidorov"));
        SchemeGroup *lamps = addGroup(p, 2, "lamps");

        Scheme *supply = addScheme(power, 1, "supply");
        auto *text = dynamic_cast<GraphicsText *>(supply->createItem(GraphicsText::Type));
        QVERIFY(text);
        text->setText("K1 coil");
        QVERIFY(supply->addGraphicsItem(text));
        text->setPos(QPointF(410, 830));
        text->rotateBy(1, true);
        auto *line = dynamic_cast<GraphicsLine *>(supply->createItem(GraphicsLine::Type));
        QVERIFY(line && supply->addGraphicsItem(line));
        line->setPos(QPointF(1200, 400));
        auto *device = dynamic_cast<boundtest::TestDeviceItem *>(supply->createItem(fuseType));
        QVERIFY(device && supply->addGraphicsItem(device));
        device->setName("F1");
        QCOMPARE(device->obj(), fuse);
        device->extra = 17;
        device->setPos(QPointF(2000, 1000));

        Scheme *signalSheet = addScheme(power, 2, "signals", GraphicsScene::PaperA2, false, 2);
        signalSheet->setBorderType(GraphicsScene::BorderBig);
        signalSheet->setBindingPosition(GraphicsScene::BindingTop);
        // The contact stands before its winding in the list.
        auto *contact = dynamic_cast<StandIn *>(signalSheet->createItem(contactType));
        QVERIFY(contact && signalSheet->addGraphicsItem(contact));
        contact->value = 5;
        contact->setPos(QPointF(800, 800));
        auto *winding = dynamic_cast<StandIn *>(signalSheet->createItem(relayType));
        QVERIFY(winding && signalSheet->addGraphicsItem(winding));
        winding->value = 6;
        winding->setPos(QPointF(400, 800));
        winding->mirror(false);

        addScheme(lamps, 1, "lamps", GraphicsScene::PaperA4, true, 1);
    }

    QString saveFilled(const QString &folder)
    {
        const QString d = m_dir.path() + "/" + folder;
        QDir().mkpath(d);
        Project p(nullptr, nullptr);
        fillSchemes(p);
        p.setFileName(d + "/plant.rlay");
        ModalRecorder rec;
        [&] { QVERIFY(p.save()); }();
        [&] { QCOMPARE(rec.texts(), QStringList()); }();
        return d;
    }

    static QStringList schemeFiles(const QMap<QString, QByteArray> &files)
    {
        QStringList names;
        for (const QString &name : files.keys()) {
            if (name.endsWith(".sch"))
                names << name;
        }
        return names;
    }

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        createScreenFonts();
        clockNow = QDateTime(QDate(2024, 7, 8), QTime(9, 10, 11, 12));
        setFileClock([] { return clockNow; });
    }

    void cleanupTestCase()
    {
        setFileClock(nullptr);
        Scheme::registerItemTypes();
    }

    void init()
    {
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(relayType, standIn<relayType>, standInDialog));
        QVERIFY(Scheme::setItemTypeFactories(contactType, standIn<contactType>, standInDialog));
        QVERIFY(Scheme::setItemTypeFactories(fuseType, fuseItem, standInDialog));
        resolvedTypes.clear();
        failingLinks.clear();
        failData = false;
        failGeometry = false;
        hideHelp = false;
        showBigDeviceNames = false;
    }

    void registryRows()
    {
        Scheme::registerItemTypes();
        int count = 0;
        const SchemeItemType *rows = Scheme::itemTypes(count);
        QCOMPARE(count, 39);
        const QStringList names = {"Relay", "Contact", "Block", "Source", "Trans", "Footnote", "Fuse",
                                   "Clamp", "Passage", "Net", "Node", "CrossNet", "PowerBus", "Plughole",
                                   "Capacitor", "Resistor", "Discharger", "Varistor", "Ground", "SlantingNet",
                                   "CopperPlate", "Bottom", "Conductor", "Diode", "Stabilitron", "Lamp",
                                   "Bell", "MeasuringPanel", "Heating", "Box", "Interrupter", "Luminodiode",
                                   "Signallamp", "Button", "Commutator", "Keystaff", "Command", "Ammeter",
                                   "AutoSwitch"};
        const QList<int> types = {302, 401, 400, 202, 404, 203, 403, 402, 104, 102, 103, 111, 500,
                                  405, 406, 407, 408, 409, 501, 112, 113, 502, 204, 410, 411, 412,
                                  413, 414, 415, 416, 417, 418, 419, 420, 421, 422, 423, 424, 425};
        QSet<int> seen;
        for (int i = 0; i < count; ++i) {
            QCOMPARE(QString(rows[i].name), names[i]);
            QCOMPARE(QString(rows[i].titleName), names[i]);
            QCOMPARE(rows[i].typeId, U + types[i]);
            seen.insert(rows[i].typeId);
            const SchemeItemType *record = Scheme::itemTypeRecord(rows[i].typeId);
            QVERIFY(record);
            QCOMPARE(QString(record->name), names[i]);
            QVERIFY(record->createItem == rows[i].createItem);
            QVERIFY(record->createDialog == rows[i].createDialog);
        }
        QCOMPARE(seen.size(), 39);
        // The power bus is never made on a scheme.
        QVERIFY(!rows[12].createItem && !rows[12].createDialog);
        QVERIFY(!Scheme::itemTypeRecord(U + 6));
        QVERIFY(!Scheme::setItemTypeFactories(U + 999, standIn<U + 999>, nullptr));
    }

    void registryCreatesOnlyBuiltKinds()
    {
        Scheme::registerItemTypes();
        clearFactories();
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Scheme scheme(&p);
        // A row without factories answers null, silently.
        for (int type : {U + 103, U + 500, U + 302, U + 104, U + 425}) {
            QVERIFY(!scheme.createItem(type));
            QVERIFY(!scheme.createDialog(type));
        }
        QCOMPARE(rec.count(), 0);
        // Types without a row are the drawing primitives'.
        std::unique_ptr<GraphicsItem> text(scheme.createItem(GraphicsText::Type));
        QVERIFY(dynamic_cast<GraphicsText *>(text.get()));
        std::unique_ptr<DlgPropGraphicsItem> textDialog(scheme.createDialog(GraphicsText::Type));
        QVERIFY(textDialog);
        QCOMPARE(rec.count(), 0);
        // A type below 1 is a failed check; so is a type nobody knows.
        QVERIFY(!scheme.createItem(0));
        QVERIFY(!scheme.createDialog(-4));
        QVERIFY(!scheme.createItem(U + 999));
        QCOMPARE(rec.count(), 3);
        for (const QString &text : rec.texts())
            QVERIFY(text.endsWith("FALSE expression") || text.endsWith("Out of memory"));

        // A built kind: its item, and its dialog titled with its name.
        rec.clear();
        QVERIFY(Scheme::setItemTypeFactories(U + 103, standIn<U + 103>, nullptr));
        QVERIFY(Scheme::setItemTypeFactories(U + 412, standIn<U + 412>, standInDialog));
        std::unique_ptr<GraphicsItem> node(scheme.createItem(U + 103));
        QVERIFY(node);
        QCOMPARE(node->type(), U + 103);
        QVERIFY(!scheme.createDialog(U + 103));
        std::unique_ptr<DlgPropGraphicsItem> lamp(scheme.createDialog(U + 412));
        QVERIFY(lamp);
        QCOMPARE(lamp->windowTitle(), QString("Lamp"));
        // A factory that makes nothing is a failed check.
        QVERIFY(Scheme::setItemTypeFactories(U + 413, nullptr,
                                             [](GraphicsScene *) -> DlgPropGraphicsItem * { return nullptr; }));
        QVERIFY(!scheme.createDialog(U + 413));
        QCOMPARE(rec.count(), 1);
    }

    void toolboxCommandsFollowTheRegistry()
    {
        Scheme::registerItemTypes();
        clearFactories();
        ModalRecorder rec;
        Window w;
        {
            SchemeEdit view(&w.actions);
            view.setActive(true);
            for (int id = 73; id <= 110; ++id)
                QVERIFY2(!w.a(id)->isEnabled(), qPrintable(QString::number(id)));
            // The view's own commands are there.
            QVERIFY(w.a(30)->isEnabled());
            QVERIFY(w.a(111)->isEnabled());
            view.setActive(false);
        }
        // The lamp with item and dialog, the resistor with its item only, the
        // ground (a drawing mode) with its item.
        QVERIFY(Scheme::setItemTypeFactories(U + 412, standIn<U + 412>, standInDialog));
        QVERIFY(Scheme::setItemTypeFactories(U + 407, standIn<U + 407>, nullptr));
        QVERIFY(Scheme::setItemTypeFactories(U + 501, standIn<U + 501>, nullptr));
        QVERIFY(SchemeEdit::canPlace(U + 412));
        QVERIFY(!SchemeEdit::canPlace(U + 407));
        QVERIFY(SchemeEdit::canDraw(U + 501));
        QVERIFY(!SchemeEdit::canDraw(U + 102));
        SchemeEdit view(&w.actions);
        view.setActive(true);
        QList<int> enabled;
        for (int id = 73; id <= 110; ++id) {
            if (w.a(id)->isEnabled())
                enabled << id;
        }
        QCOMPARE(enabled, QList<int>({76, 97}));
        view.setActive(false);
        QCOMPARE(rec.count(), 0);
    }

    void displayNamesAndProperties()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        p.setProjectProperty(5, "project member");
        p.setProjectProperty(2, "project title");
        SchemeGroup *group = addGroup(p, 3);
        Scheme *scheme = addScheme(group, 7, "x");
        scheme->setModified(false);
        QCOMPARE(scheme->displayName(), QString(" 03_07"));
        scheme->setModified(true);
        QCOMPARE(scheme->displayName(), QString(" 03_07*"));
        QCOMPARE(scheme->groupNumber(), 3);
        QCOMPARE(scheme->gridStep(), 40);

        // The group's members take the place of the project's.
        QCOMPARE(scheme->property(5), QString("project member"));
        QVERIFY(group->setOwnProperty(5, "group member"));
        QVERIFY(!group->setOwnProperty(5, "group member"));
        QVERIFY(!group->setOwnProperty(3, "not a member"));
        QCOMPARE(scheme->property(5), QString("group member"));
        QCOMPARE(scheme->property(2), QString("project title"));
        QCOMPARE(group->projectProperty(2, true), QString());
        QCOMPARE(group->projectProperty(4, true), QString());
        QCOMPARE(group->projectProperty(4, false), p.projectProperty(4));

        // A scheme outside any group.
        Scheme lone(&p);
        lone.setNumber(5);
        lone.setModified(false);
        QCOMPARE(lone.displayName(), QString(" 00_05"));
        QCOMPARE(lone.groupNumber(), 0);
        QCOMPARE(lone.property(5), QString("project member"));
        QVERIFY(!lone.group());

        // A new number renames the tabs of every scheme; the same one none.
        addScheme(group, 8, "y");
        QList<const GraphicsScene *> renamed;
        QObject guard;
        connect(&p, &Project::nameChangedGraphicsScene, &guard,
                [&renamed](const GraphicsScene &scene) { renamed << &scene; });
        group->setAtrNumber(3);
        QVERIFY(renamed.isEmpty());
        group->setAtrNumber(12);
        QCOMPARE(renamed.size(), 2);
        QCOMPARE(group->treeItem()->text(0), QString("ATR 12"));
        QCOMPARE(scheme->displayName(), QString(" 12_07*"));
        QCOMPARE(rec.count(), 0);
    }

    void passageTable()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        SchemeGroup *group = addGroup(p, 1);
        auto *scheme = addScheme<PaintedScheme>(group, 1, "a");
        QCOMPARE(scheme->sceneRect(), QRectF(0, 0, 4200, 2970));

        auto *first = new PassageStandIn(scheme);
        QVERIFY(scheme->addGraphicsItem(first));
        ClampStandIn *a = first->addClamp("X1-1");
        ClampStandIn *b = first->addClamp("X1-22222222");
        ClampStandIn *bottom = first->addClamp("XB-3", true);
        bottom->setPos(QPointF(200, 200));
        auto *second = new PassageStandIn(scheme);
        QVERIFY(scheme->addGraphicsItem(second));
        auto *third = new PassageStandIn(scheme);
        QVERIFY(scheme->addGraphicsItem(third));
        ClampStandIn *c = third->addClamp("X2-1");
        QCOMPARE(scheme->passages(), QList<GraphicsItem *>({first, second, third}));
        QCOMPARE(scheme->passageIndex(third), 2);

        // A passage listed already is refused.
        QVERIFY(!scheme->addGraphicsItem(first));
        QCOMPARE(scheme->passages().size(), 3);
        QCOMPARE(rec.count(), 1);
        rec.clear();

        scheme->notifyItem(third);
        // The column width: the widest label and 20, up to a multiple of 40.
        const QFontMetricsF metrics(font(3));
        double widest = 0;
        for (const char *label : {"X1-1", "X1-22222222", "XB-3", "X2-1"})
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(label)));
        double width = widest + 20;
        if (qint64(width) % 40 != 0)
            width = 40.0 * double(qint64(width) / 40 + 1);
        QCOMPARE(scheme->clampColumnWidth(), width);
        QVERIFY(qint64(width) % 40 == 0);

        // One column at the right edge: blocks of 3, 1 and 1 rows.
        const double x = 40 * std::floor((4200 - 50) / 40.0) - width - 40;
        QCOMPARE(a->pos(), QPointF(x + 40, 80));
        QCOMPARE(b->pos(), QPointF(x + 40, 120));
        QCOMPARE(bottom->pos(), QPointF(200, 200));
        QCOMPARE(c->pos(), QPointF(x + 40, 60 + 3 * 40 + 40 + 20));

        // The table as drawn.
        boundtest::PaintRecorder device;
        {
            QPainter painter(&device);
            scheme->paintBackground(&painter);
        }
        const QList<QRectF> rects = [&] {
            QList<QRectF> out;
            for (const auto &shape : device.shapesOf("rect"))
                out << shape.bounds;
            return out;
        }();
        const double extra = (4200 - 50) - 40 * std::floor((4200 - 50) / 40.0);
        QVERIFY(rects.contains(QRectF(x + 40, 50, width + extra, 130)));
        QVERIFY(rects.contains(QRectF(x, 50, 40, 130)));
        QVERIFY(rects.contains(QRectF(x + 40, 180, width + extra, 40)));
        QVERIFY(rects.contains(QRectF(x, 220, 40, 40)));
        QVERIFY(device.texts.contains("1") && device.texts.contains("2") && device.texts.contains("3"));
        // Only the bottom clamp's label is written by the table.
        QVERIFY(device.texts.contains("XB-3"));
        QVERIFY(!device.texts.contains("X1-1"));

        // Removing a passage lets go of its clamps (the bottom one stays on
        // the sheet) and lays the table out again.
        QVERIFY(scheme->removeGraphicsItem(first));
        QCOMPARE(scheme->passages(), QList<GraphicsItem *>({second, third}));
        QCOMPARE(scheme->passageIndex(third), 1);
        QVERIFY(!scheme->graphicsItems().contains(a) && !scheme->graphicsItems().contains(b));
        QVERIFY(scheme->graphicsItems().contains(bottom));
        // The widest label went with the first passage.
        QVERIFY(scheme->clampColumnWidth() < width);
        const double narrower = 40 * std::floor((4200 - 50) / 40.0) - scheme->clampColumnWidth() - 40;
        QCOMPARE(c->pos(), QPointF(narrower + 40, 60 + 40 + 20));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(1);
        QCOMPARE(scheme->passages().size(), 2);

        // A passage deleted outright leaves the list too.
        delete second;
        QCOMPARE(scheme->passages(), QList<GraphicsItem *>({third}));
        QCOMPARE(rec.count(), 0);
    }

    void passageColumnsAndBorders()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Scheme scheme(&p);
        scheme.setSheetFormat(GraphicsScene::PaperA3, true, 1);
        auto *tall = new PassageStandIn(&scheme);
        QVERIFY(scheme.addGraphicsItem(tall));
        for (int i = 0; i < 60; ++i)
            tall->addClamp("A");
        auto *next = new PassageStandIn(&scheme);
        QVERIFY(scheme.addGraphicsItem(next));
        next->addClamp("B");
        for (int i = 0; i < 9; ++i)
            next->addClamp("B");
        scheme.layoutPassages();
        const double w = scheme.clampColumnWidth();
        const double x0 = 4120 - w - 40;
        QCOMPARE(tall->clamps.last()->pos(), QPointF(x0 + 40, 60 + 59.5 * 40));
        // 60 + 2400 + 400 does not stay below 2970 - 150 - 150: a new column.
        QCOMPARE(next->clamps.first()->pos(), QPointF(x0 - w - 40 + 40, 80));

        // With the big border the stamp is higher: the first block alone
        // already reaches past the limit, but a first block always fits.
        scheme.setBorderType(GraphicsScene::BorderBig);
        scheme.layoutPassages();
        QCOMPARE(tall->clamps.first()->pos(), QPointF(x0 + 40, 80));
        QCOMPARE(next->clamps.first()->pos(), QPointF(x0 - w - 40 + 40, 80));
        QCOMPARE(rec.count(), 0);
    }

    void backgroundWithoutPassages()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        SchemeGroup *group = addGroup(p, 4);
        group->setSchemesName("Power supply");
        auto *scheme = addScheme<PaintedScheme>(group, 1, "a");
        const auto helpLines = [&] {
            boundtest::PaintRecorder device;
            {
                QPainter painter(&device);
                scheme->paintBackground(&painter);
            }
            QList<QRectF> lines;
            for (const auto &shape : device.shapesOf("line")) {
                if (shape.pen == colorGreen)
                    lines << shape.bounds;
            }
            return std::make_pair(lines, device.texts);
        };
        // Where the table will stand: a help line, left out with the help.
        auto [lines, texts] = helpLines();
        QCOMPARE(lines, QList<QRectF>({QRectF(QPointF(3910, 50), QPointF(3910, 2770))}));
        QVERIFY(texts.contains("Power supply"));
        scheme->setBindingPosition(GraphicsScene::BindingTop);
        scheme->setBorderType(GraphicsScene::BorderBig);
        std::tie(lines, texts) = helpLines();
        QCOMPARE(lines, QList<QRectF>({QRectF(QPointF(3910, 200), QPointF(3910, 2370))}));
        // The schemes name goes under the small border only.
        QVERIFY(!texts.contains("Power supply"));
        hideHelp = true;
        std::tie(lines, texts) = helpLines();
        QVERIFY(lines.isEmpty());
        QCOMPARE(rec.count(), 0);
    }

    void findingItems()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Obj *fuse = p.createDevice(FuseKind);
        QVERIFY(fuse->setName("F12"));
        SchemeGroup *first = addGroup(p, 1);
        SchemeGroup *second = addGroup(p, 2);
        Scheme *one = addScheme(first, 1, "one");
        Scheme *two = addScheme(second, 1, "two");

        auto *bound = dynamic_cast<boundtest::TestDeviceItem *>(one->createItem(fuseType));
        QVERIFY(bound && one->addGraphicsItem(bound));
        bound->setName("F12");
        QCOMPARE(bound->obj(), fuse);
        auto *unbound = dynamic_cast<boundtest::TestDeviceItem *>(two->createItem(fuseType));
        QVERIFY(unbound && two->addGraphicsItem(unbound));
        unbound->setName("f1");
        QVERIFY(!unbound->obj());
        auto *text = dynamic_cast<GraphicsText *>(one->createItem(GraphicsText::Type));
        QVERIFY(text && one->addGraphicsItem(text));
        text->setText("F1 text");
        auto *empty = dynamic_cast<boundtest::TestDeviceItem *>(one->createItem(fuseType));
        QVERIFY(empty && one->addGraphicsItem(empty));
        auto *other = new StandIn(one, U + 150);
        QVERIFY(one->addGraphicsItem(other));

        QList<GraphicsItem *> found;
        one->findItems("F1", found, false, Qt::CaseSensitive, false, false);
        QCOMPARE(found, QList<GraphicsItem *>({bound}));
        found.clear();
        one->findItems("F1", found, false, Qt::CaseSensitive, true, false);
        QCOMPARE(found, QList<GraphicsItem *>({bound, text}));
        found.clear();
        one->findItems("F1", found, true, Qt::CaseSensitive, true, false);
        QVERIFY(found.isEmpty());
        found.clear();
        one->findItems("f12", found, true, Qt::CaseInsensitive, false, false);
        QCOMPARE(found, QList<GraphicsItem *>({bound}));
        found.clear();
        one->findItems("f12", found, true, Qt::CaseSensitive, false, false);
        QVERIFY(found.isEmpty());

        // Over the whole project, group by group; or the selection only.
        found.clear();
        p.schemes()->findItems("f1", found, false, Qt::CaseInsensitive, false);
        QCOMPARE(found, QList<GraphicsItem *>({bound, unbound}));
        found.clear();
        p.schemes()->findItems("f1", found, true, Qt::CaseSensitive, false);
        QCOMPARE(found, QList<GraphicsItem *>({unbound}));
        found.clear();
        text->setSelected(true);
        one->findItems("1", found, false, Qt::CaseSensitive, true, true);
        QCOMPARE(found, QList<GraphicsItem *>({text}));

        // The item still stands on a scheme of the project.
        QVERIFY(p.schemes()->hasGraphicsItem(one, bound));
        QVERIFY(!p.schemes()->hasGraphicsItem(two, bound));
        Scheme lone(&p);
        auto *away = new StandIn(&lone, U + 150);
        QVERIFY(lone.addGraphicsItem(away));
        QVERIFY(!p.schemes()->hasGraphicsItem(&lone, away));
        QCOMPARE(rec.count(), 0);
        QVERIFY(!p.schemes()->hasGraphicsItem(nullptr, away));
        QCOMPARE(rec.count(), 1);
    }

    void roundTripWithEverythingInPlace()
    {
        const QString d = saveFilled("round");
        const QMap<QString, QByteArray> first = filesBelow(d);
        // The six project files and a file for each scheme in its group's
        // directory.
        QCOMPARE(first.size(), 9);
        const QStringList sch = schemeFiles(first);
        QCOMPARE(sch.size(), 3);
        for (const QString &name : sch)
            QVERIFY(QRegularExpression("^[1-9][0-9]{0,2}/[1-9][0-9]{0,2}\\.sch$").match(name).hasMatch());

        clockNow = clockNow.addSecs(3600);
        Project loaded(nullptr, nullptr);
        {
            ModalRecorder rec;
            loaded.setFileName(d + "/plant.rlay");
            QVERIFY(loaded.load());
            QCOMPARE(rec.texts(), QStringList());
        }
        // The windings were resolved before the contacts.
        QCOMPARE(resolvedTypes, QList<int>({relayType, contactType}));

        const QList<SchemeGroup *> groups = loaded.schemes()->itemList();
        QCOMPARE(groups.size(), 2);
        SchemeGroup *power = groups[0];
        QCOMPARE(power->atrNumber(), 7);
        QCOMPARE(power->comment(), QString("power"));
        QCOMPARE(power->schemesName(), QString("Supply\nschemes"));
        QCOMPARE(power->projectProperty(6, true), QString("Sidorov"));
        QCOMPARE(power->projectProperty(7, false), QString("P7"));
        QCOMPARE(loaded.schemes()->treeItem()->child(0)->text(0), QString("ATR 02"));
        QCOMPARE(loaded.schemes()->treeItem()->text(0), QString("Principial schemes"));
        QCOMPARE(power->itemList().size(), 2);

        Scheme *supply = power->itemList()[0];
        QVERIFY(!supply->isModified());
        QCOMPARE(supply->displayName(), QString(" 07_01"));
        QCOMPARE(supply->property(6), QString("Sidorov"));
        QCOMPARE(supply->graphicsItems().size(), 3);
        auto *text = dynamic_cast<GraphicsText *>(supply->graphicsItems()[0]);
        QVERIFY(text);
        QCOMPARE(text->text(), QString("K1 coil"));
        QCOMPARE(text->pos(), QPointF(410, 830));
        QCOMPARE(text->rotationIndex(), 1);
        QCOMPARE(supply->graphicsItems()[1]->type(), int(GraphicsLine::Type));
        QCOMPARE(supply->graphicsItems()[1]->pos(), QPointF(1200, 400));
        auto *device = dynamic_cast<boundtest::TestDeviceItem *>(supply->graphicsItems()[2]);
        QVERIFY(device);
        QCOMPARE(device->extra, 17);
        QVERIFY(device->obj());
        QCOMPARE(device->obj(), loaded.findObj(FuseKind, "F1"));
        QCOMPARE(device->pos(), QPointF(2000, 1000));

        Scheme *signalSheet = power->itemList()[1];
        QCOMPARE(signalSheet->name(), QString("signals"));
        QCOMPARE(signalSheet->pageSize(), int(GraphicsScene::PaperA2));
        QVERIFY(!signalSheet->isLandscape());
        QCOMPARE(signalSheet->sheetsAcross(), 2);
        QCOMPARE(signalSheet->sceneRect(), QRectF(0, 0, 8400, 5940));
        QCOMPARE(signalSheet->borderType(), int(GraphicsScene::BorderBig));
        QCOMPARE(signalSheet->bindingPosition(), int(GraphicsScene::BindingTop));
        QCOMPARE(signalSheet->graphicsItems().size(), 2);
        QCOMPARE(signalSheet->graphicsItems()[0]->type(), contactType);
        QCOMPARE(static_cast<StandIn *>(signalSheet->graphicsItems()[0])->value, 5);
        QCOMPARE(signalSheet->graphicsItems()[1]->pos(), QPointF(400, 800));
        QVERIFY(signalSheet->graphicsItems()[1]->isMirrored());

        Scheme *lamps = groups[1]->itemList()[0];
        QCOMPARE(lamps->displayName(), QString(" 02_01"));
        QCOMPARE(lamps->pageSize(), int(GraphicsScene::PaperA4));
        QCOMPARE(lamps->property(6), QString("P6"));

        // Saved again at the same clock: the same bytes everywhere.
        clockNow = clockNow.addSecs(-3600);
        {
            ModalRecorder rec;
            QVERIFY(loaded.save());
            QCOMPARE(rec.texts(), QStringList());
        }
        const QMap<QString, QByteArray> second = filesBelow(d);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));
    }

    void unchangedSchemeFilesStayUntouched()
    {
        const QString d = saveFilled("untouched");
        Project p(nullptr, nullptr);
        {
            ModalRecorder rec;
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.load());
        }
        // The files look old, so that any rewrite shows.
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        const QMap<QString, QByteArray> before = filesBelow(d);
        for (const QString &name : schemeFiles(before)) {
            QFile f(d + "/" + name);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        }

        // A save in which no scheme changed writes no scheme file.
        clockNow = clockNow.addSecs(30);
        QVERIFY(p.schemesChanged());
        {
            ModalRecorder rec;
            QVERIFY(p.save());
            QCOMPARE(rec.count(), 0);
        }
        QMap<QString, QDateTime> times = modificationTimes(d);
        QMap<QString, QByteArray> after = filesBelow(d);
        for (const QString &name : schemeFiles(before)) {
            QCOMPARE(after[name], before[name]);
            QCOMPARE(times[name], old);
        }

        // One scheme changes: its file alone is written again.
        Scheme *signalSheet = p.schemes()->itemList()[0]->itemList()[1];
        signalSheet->graphicsItems()[0]->setPos(QPointF(1600, 1600));
        QVERIFY(signalSheet->isModified());
        QVERIFY(p.schemesChanged());
        clockNow = clockNow.addSecs(30);
        {
            ModalRecorder rec;
            QVERIFY(p.save());
            QCOMPARE(rec.count(), 0);
        }
        QVERIFY(!signalSheet->isModified());
        times = modificationTimes(d);
        after = filesBelow(d);
        const QString changed = QDir(d).relativeFilePath(signalSheet->file().fileName());
        for (const QString &name : schemeFiles(before)) {
            if (name == changed) {
                QVERIFY(after[name] != before[name]);
                QVERIFY(times[name] > old);
            } else {
                QCOMPARE(after[name], before[name]);
                QCOMPARE(times[name], old);
            }
        }
        // Its record in the side file matches the file on disk.
        Project again(nullptr, nullptr);
        ModalRecorder rec;
        again.setFileName(d + "/plant.rlay");
        QVERIFY(again.load());
        QCOMPARE(again.schemes()->itemList()[0]->itemList()[1]->graphicsItems()[0]->pos(), QPointF(1600, 1600));
    }

    // A sheet read while no view shows it stays out of the toolkit's scene
    // until it is needed: printed unseen, it draws what it draws once shown;
    // shown, every item is in the view's scene; its selection holds every
    // item.
    void sheetReadUnseenPrintsShowsAndSelectsItsItems()
    {
        const QString d = saveFilled("unseen");
        auto sheetOf = [](Project &p) { return p.schemes()->itemList()[0]->itemList()[0]; };
        auto printed = [](Scheme *sheet) {
            QImage image(840, 594, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            sheet->renderTo(&painter);
            return image;
        };
        Project unseen(nullptr, nullptr);
        Project shown(nullptr, nullptr);
        ModalRecorder rec;
        for (Project *p : {&unseen, &shown}) {
            p->setFileName(d + "/plant.rlay");
            QVERIFY(p->load());
        }
        // Found items and check rows know an item by its place in the
        // sheet's order: showing the sheet keeps every place.
        QList<quint64> places;
        for (const GraphicsItem *item : sheetOf(shown)->graphicsItems())
            places.append(item->sheetIndex());
        QVERIFY(!places.contains(0));
        // Nothing made a framework scene for a sheet nobody looked at.
        QVERIFY(!sheetOf(shown)->liveSceneIfAny());
        Window window;
        SchemeEdit view(&window.actions);
        view.setScene(sheetOf(shown));
        QCOMPARE(GraphicsScene::sheetOf(view.scene()), sheetOf(shown));
        for (int i = 0; i < places.size(); ++i)
            QCOMPARE(sheetOf(shown)->graphicsItems()[i]->sheetIndex(), places[i]);
        int held = 0;
        for (const GraphicsItem *item : sheetOf(shown)->graphicsItems())
            held += 1 + int(item->childItems().size());
        QCOMPARE(sheetOf(shown)->items().size(), held);
        QCOMPARE(printed(sheetOf(unseen)), printed(sheetOf(shown)));

        // Printed unseen, or shown in a view that lets go of it, a sheet
        // gives its framework scene back: every item keeps its place, and
        // the sheet streams (its own records: a scheme writes its file only
        // when it changed) and prints as before.
        auto streamed = [](Scheme *sheet) {
            QByteArray bytes;
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            sheet->GraphicsScene::saveScene(out);
            sheet->GraphicsScene::saveItemsGeometry(out);
            return bytes;
        };
        QVERIFY(!sheetOf(unseen)->liveSceneIfAny());
        const QByteArray before = streamed(sheetOf(shown));
        QCOMPARE(before, streamed(sheetOf(unseen)));
        view.setScene(nullptr);
        QVERIFY(!sheetOf(shown)->liveSceneIfAny());
        for (int i = 0; i < places.size(); ++i)
            QCOMPARE(sheetOf(shown)->graphicsItems()[i]->sheetIndex(), places[i]);
        QCOMPARE(streamed(sheetOf(shown)), before);
        QCOMPARE(printed(sheetOf(shown)), printed(sheetOf(unseen)));
        QVERIFY(!sheetOf(shown)->liveSceneIfAny());

        Project selected(nullptr, nullptr);
        selected.setFileName(d + "/plant.rlay");
        QVERIFY(selected.load());
        sheetOf(selected)->selectAllItems();
        QCOMPARE(sheetOf(selected)->selectedGraphicsItems(), sheetOf(selected)->graphicsItems());
        QCOMPARE(rec.texts(), QStringList());
    }

    void savedAsElsewhereKeepsTheFileNames()
    {
        const QString d = saveFilled("before-move");
        Project p(nullptr, nullptr);
        {
            ModalRecorder rec;
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.load());
        }
        Scheme *supply = p.schemes()->itemList()[0]->itemList()[0];
        const QString shortName = supply->file().shortFileName();
        const int dirNumber = p.schemes()->itemList()[0]->dirNumber().number;

        const QString other = m_dir.path() + "/moved";
        QDir().mkpath(other);
        QSet<QString> taken;
        QVERIFY(supply->prepareFile(other + "/" + QString::number(dirNumber), taken));
        // Moved: the same short name in the new directory, and due.
        QVERIFY(supply->isModified());
        QCOMPARE(supply->file().fileName(), other + "/" + QString::number(dirNumber) + "/" + shortName);
        QVERIFY(taken.contains(shortName));

        p.setFileName(other + "/copy.rlay");
        p.setDevicesChanged();
        p.setSchemesChanged();
        ModalRecorder rec;
        QVERIFY(p.save());
        QCOMPARE(schemeFiles(filesBelow(other)).size(), 3);
        QVERIFY(QFile::exists(other + "/" + QString::number(dirNumber) + "/" + shortName));
    }

    void groupRecordsAtFormatsSevenAndEight()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        for (int i = 0; i < Project::PropertyCount; ++i)
            p.setProjectProperty(i, QString("P%1").arg(i));
        const QDateTime written(QDate(2010, 1, 2), QTime(3, 4, 5));
        // Format 8 and later carry the members; the ninth is given.
        const auto record = [&](int format, const QString &ninth) {
            return bytesOf(format, [&](DataStream &s) {
                s << qint32(4) << QString("old group") << qint32(17) << QString("Names");
                if (format >= 8) {
                    for (int i = 4; i < 16; ++i)
                        s << (i == 9 ? ninth : QString());
                }
                s << qint32(1) << QString("5.sch") << quint32(123) << quint16(0x4567) << written;
                s << qint32(0x7A7A7A7A);
            });
        };

        // Format 7: no members of the group's own.
        {
            QByteArray bytes = record(7, QString());
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(7);
            auto *group = new SchemeGroup(&p);
            p.schemes()->appendItem(group);
            group->readItems(s);
            qint32 tail = 0;
            s >> tail;
            QCOMPARE(tail, qint32(0x7A7A7A7A));
            QCOMPARE(group->atrNumber(), 4);
            QCOMPARE(group->comment(), QString("old group"));
            QCOMPARE(group->dirNumber().number, 17);
            QCOMPARE(group->schemesName(), QString("Names"));
            QCOMPARE(group->treeItem()->text(0), QString("ATR 04"));
            for (int i = 4; i < 16; ++i)
                QCOMPARE(group->projectProperty(i, true), QString());
            QCOMPARE(group->itemList().size(), 1);
            Scheme *scheme = group->itemList().first();
            QCOMPARE(scheme->file().record().name, QString("5.sch"));
            QCOMPARE(scheme->file().record().size, 123);
            QCOMPARE(scheme->file().record().checkSum, quint16(0x4567));
            QCOMPARE(scheme->file().record().date(), written);
            QCOMPARE(scheme->property(9), QString("P9"));
        }
        // Format 8: the members follow the schemes name.
        {
            QByteArray bytes = record(8, "Kuznetsov");
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(8);
            auto *group = new SchemeGroup(&p);
            p.schemes()->appendItem(group);
            group->readItems(s);
            qint32 tail = 0;
            s >> tail;
            QCOMPARE(tail, qint32(0x7A7A7A7A));
            QCOMPARE(group->projectProperty(9, true), QString("Kuznetsov"));
            QCOMPARE(group->projectProperty(8, true), QString());
            QCOMPARE(group->itemList().first()->property(9), QString("Kuznetsov"));
            QCOMPARE(group->itemList().first()->property(8), QString("P8"));
        }
        // Written, a group has its members whatever it was read from.
        const QByteArray written8 = bytesOf(11, [&](DataStream &s) { p.schemes()->itemList()[0]->writeItems(s); });
        QCOMPARE(written8, record(8, QString()).chopped(4));
        QCOMPARE(rec.count(), 0);
    }

    void everyLoadMessage()
    {
        const QString d = saveFilled("messages");
        // The messages name the file of the sheet with the failing items.
        Project probe(nullptr, nullptr);
        probe.setFileName(d + "/plant.rlay");
        QVERIFY(probe.load());
        const QString sheetFile = probe.schemes()->itemList()[0]->itemList()[1]->file().fileName();
        struct Case
        {
            const char *label;
            std::function<void()> damage;
            QString message;
        };
        const QList<Case> cases = {
            {"an item cannot be read", [] { failData = true; },
             "Load first in schememenager not correct. File %1 is corrupt!"},
            {"a winding cannot be resolved", [] { failingLinks = {relayType}; },
             "First update pointers in schememenager not correct. File %1 is corrupt!"},
            {"a contact cannot be resolved", [] { failingLinks = {contactType}; },
             "Second update pointers in schememenager not correct. File %1 is corrupt!"},
            {"the geometry cannot be read", [] { failGeometry = true; },
             "Load second in schememenager not correct. File %1 is corrupt!"},
        };
        for (const Case &c : cases) {
            init();
            c.damage();
            Project p(nullptr, nullptr);
            ModalRecorder rec;
            p.setFileName(d + "/plant.rlay");
            QVERIFY2(!p.load(), c.label);
            QVERIFY2(rec.texts() == QStringList({c.message.arg(sheetFile)}), qPrintable(rec.texts().join(" | ")));
        }
        // A failed first pass stops before the second.
        init();
        failingLinks = {relayType};
        {
            Project p(nullptr, nullptr);
            ModalRecorder rec;
            p.setFileName(d + "/plant.rlay");
            QVERIFY(!p.load());
        }
        QCOMPARE(resolvedTypes, QList<int>({relayType}));

        // A scheme file gone.
        init();
        const QString lost = d + "/" + schemeFiles(filesBelow(d)).first();
        QVERIFY(QFile::remove(lost));
        Project p(nullptr, nullptr);
        ModalRecorder rec;
        p.setFileName(d + "/plant.rlay");
        QVERIFY(!p.load());
        QCOMPARE(rec.texts(), QStringList({QString("Cannot open file %1!").arg(lost),
                                           QString("Load first in schememenager not correct. File %1 is corrupt!")
                                               .arg(lost)}));
    }

    void pastedGroupGetsADirectoryOfItsOwn()
    {
        Window w;
        const QString d = m_dir.path() + "/paste-source";
        const QString e = m_dir.path() + "/paste-target";
        QDir().mkpath(d);
        QDir().mkpath(e);
        ModalRecorder rec;

        Project source(nullptr, &w.actions);
        SchemeGroup *group = addGroup(source, 3, "copied");
        addScheme(group, 1, "one");
        addScheme(group, 2, "two");
        source.setFileName(d + "/source.rlay");
        QVERIFY(source.save());
        const int sourceNumber = group->dirNumber().number;
        QVERIFY(sourceNumber > 0);

        Project target(nullptr, &w.actions);
        SchemeGroup *own = addGroup(target, 1, "own");
        addScheme(own, 1, "mine");
        target.setFileName(e + "/target.rlay");
        QVERIFY(target.save());
        const int ownNumber = own->dirNumber().number;

        // Copied in one project, pasted into the other and into itself.
        source.setCurrentItem(group->treeItem());
        QVERIFY(w.a(45)->isEnabled());
        w.a(45)->trigger();
        const QByteArray record = QGuiApplication::clipboard()->mimeData()->data("r-lay/scheme-group");
        QVERIFY(!record.isEmpty());
        QVERIFY(target.schemes()->pasteRecord(record));
        QVERIFY(source.schemes()->pasteRecord(record));
        SchemeGroup *pasted = target.schemes()->itemList().last();
        SchemeGroup *twin = source.schemes()->itemList().last();
        QCOMPARE(pasted->dirNumber().number, 0);
        QCOMPARE(pasted->itemList().size(), 2);
        QVERIFY(target.schemesChanged());

        QVERIFY(target.save());
        QVERIFY(source.save());
        QCOMPARE(rec.count(), 0);
        QVERIFY(pasted->dirNumber().number > 0);
        QVERIFY(pasted->dirNumber().number != ownNumber);
        QCOMPARE(own->dirNumber().number, ownNumber);
        QVERIFY(twin->dirNumber().number > 0 && twin->dirNumber().number != sourceNumber);
        QCOMPARE(group->dirNumber().number, sourceNumber);
        for (Scheme *scheme : pasted->itemList()) {
            QCOMPARE(QFileInfo(scheme->file().fileName()).absolutePath(),
                     e + "/" + QString::number(pasted->dirNumber().number));
            QVERIFY(QFile::exists(scheme->file().fileName()));
        }
        QCOMPARE(schemeFiles(filesBelow(e)).size(), 3);
        QCOMPARE(schemeFiles(filesBelow(d)).size(), 4);

        // Both load with their groups and schemes.
        Project reloaded(nullptr, nullptr);
        reloaded.setFileName(e + "/target.rlay");
        QVERIFY(reloaded.load());
        QCOMPARE(reloaded.schemes()->itemList().size(), 2);
        QCOMPARE(reloaded.schemes()->itemList()[1]->itemList()[1]->name(), QString("two"));
        QCOMPARE(rec.count(), 0);
        QGuiApplication::clipboard()->clear();
    }

    void directoryNumbersOfOtherGroupsAreNotTaken()
    {
        ModalRecorder rec;
        const QString d = m_dir.path() + "/numbers";
        QDir().mkpath(d);
        // Every number but 5 and 7 names a directory already.
        for (int n = 1; n < 1000; ++n) {
            if (n != 5 && n != 7)
                QVERIFY(QDir().mkpath(d + "/" + QString::number(n)));
        }
        Project p(nullptr, nullptr);
        // The new group comes first in the list; the other one owns 5
        // though its directory is not made yet.
        SchemeGroup *fresh = addGroup(p, 1);
        SchemeGroup *numbered = addGroup(p, 2);
        numbered->setDirNumber(5);
        addScheme(fresh, 1, "a");
        addScheme(numbered, 1, "a");
        p.setFileName(d + "/plant.rlay");
        QVERIFY(p.save());
        QCOMPARE(rec.count(), 0);
        QCOMPARE(fresh->dirNumber().number, 7);
        QCOMPARE(numbered->dirNumber().number, 5);
        QVERIFY(QFile::exists(fresh->itemList()[0]->file().fileName()));
        QVERIFY(fresh->itemList()[0]->file().fileName() != numbered->itemList()[0]->file().fileName());

        // With every number taken a new group gives up with a message.
        QVERIFY(QDir().mkpath(d + "/5") && QDir().mkpath(d + "/7"));
        SchemeGroup *third = addGroup(p, 3);
        addScheme(third, 1, "b");
        QVERIFY(!p.save());
        QCOMPARE(rec.texts(), QStringList({QString("Cannot create dir %1").arg(d)}));
        QCOMPARE(third->dirNumber().number, 0);
    }

    void fileNumbersRunOut()
    {
        ModalRecorder rec;
        const QString d = m_dir.path() + "/files";
        QDir().mkpath(d);
        Project p(nullptr, nullptr);
        SchemeGroup *group = addGroup(p, 1);
        group->setDirNumber(9);
        const QString groupDir = d + "/9";
        QVERIFY(QDir().mkpath(groupDir));
        for (int n = 1; n < 1000; ++n) {
            QFile f(groupDir + "/" + QString::number(n) + ".sch");
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Scheme *scheme = addScheme(group, 1, "a");
        p.setFileName(d + "/plant.rlay");
        QVERIFY(!p.save());
        QCOMPARE(rec.texts(), QStringList({QString("Cannot create file in dir %1").arg(groupDir)}));
        QVERIFY(scheme->file().fileName().isEmpty());
        QVERIFY(!QFile::exists(d + "/plant.rlay"));

        // With one number free again the save goes through.
        QVERIFY(QFile::remove(groupDir + "/321.sch"));
        rec.clear();
        QVERIFY(p.save());
        QCOMPARE(rec.count(), 0);
        QCOMPARE(scheme->file().fileName(), groupDir + "/321.sch");
    }

    void namesGivenInAGroupAreDistinct()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        SchemeGroup *group = addGroup(p, 1);
        QList<Scheme *> schemes;
        for (int i = 0; i < 20; ++i)
            schemes << addScheme(group, i + 1, "s");
        const QString d = m_dir.path() + "/distinct";
        QDir().mkpath(d);
        QVERIFY(group->prepareSchemeFiles(d));
        QSet<QString> names;
        for (Scheme *scheme : schemes) {
            QVERIFY(scheme->isModified());
            names.insert(scheme->file().shortFileName());
        }
        QCOMPARE(names.size(), 20);
        // Prepared again, nothing changes.
        const QString before = schemes[3]->file().fileName();
        QVERIFY(group->prepareSchemeFiles(d));
        QCOMPARE(schemes[3]->file().fileName(), before);
        QCOMPARE(rec.count(), 0);
    }

    void schemeSavePassesWithoutChanges()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Scheme scheme(&p);
        scheme.setModified(false);
        QByteArray bytes;
        DataStream s(&bytes, QIODevice::WriteOnly);
        s.setFormatIndex(11);
        scheme.saveScene(s);
        QVERIFY(scheme.saveItemsGeometry(s));
        QVERIFY(bytes.isEmpty());
        // A modified scheme without an open stream is a failed check.
        scheme.setModified(true);
        QVERIFY(!scheme.saveItemsGeometry(s));
        QCOMPARE(rec.count(), 1);
    }
};

QTEST_MAIN(TestSchemes)
#include "tst_schemes.moc"
