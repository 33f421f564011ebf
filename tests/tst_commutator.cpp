// Commutators: the catalogue, the commutator and its items shown group by
// group, the groups an item may take, the records of the items and the
// devices with damaged indices, the clipboard, the property dialog on its
// real widgets, and a commutator placed, saved and loaded through the
// scheme editor.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "devices/commutator.h"
#include "devices/commutatorcatalogue.h"
#include "devices/dlgpropcommutator.h"
#include "devices/graphicscommutator.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/file.h"
#include "model/pin.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;

namespace {

// A sheet that makes commutator items from their type id, as the scheme's
// registry does.
class CommutatorSheet : public GraphicsScene
{
public:
    explicit CommutatorSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsCommutator::Type)
            return createGraphicsCommutator(this);
        return GraphicsScene::createItem(type);
    }

    QString title = QStringLiteral("S1");
};

Commutator *addCommutator(Project &project, const QString &name, int type)
{
    auto *commutator = dynamic_cast<Commutator *>(project.createDevice(CommutatorKind));
    commutator->setModelIndex(type);
    commutator->setName(name);
    return commutator;
}

// An item set up as its dialog stores it.
GraphicsCommutator *placeCommutator(GraphicsScene &sheet, const QString &name, int kind, int number, bool under = false)
{
    auto *item = new GraphicsCommutator(&sheet);
    item->setUnderCurrent(under);
    item->setContactKind(kind);
    item->setContactNumber(quint8(number));
    sheet.addGraphicsItem(item);
    item->setName(name);
    return item;
}

QStringList pinNames(GraphicsDevice *item)
{
    QStringList names;
    for (int i = 0; i < item->pinCount(); ++i) {
        WiringPin *pin = item->wiringPin(i);
        names << (pin && pin->name() ? QString::fromUtf8(pin->name()) : QString());
    }
    return names;
}

QStringList groupTexts(const CommutatorType &type)
{
    QStringList texts;
    for (int i = 0; i < type.groupCount; ++i)
        texts << QString::fromLatin1(commutatorContactKinds[type.groups[i].kind].name) + ":" + contactGroupText(type.groups[i]);
    return texts;
}

PaintRecorder *paint(PaintRecorder *recorder, GraphicsItem *item, bool hideHelp, bool selected = false)
{
    QPainter painter(recorder);
    QStyleOptionGraphicsItem option;
    option.rect = item->boundingRect().toRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    item->draw(&painter, &option, hideHelp);
    return recorder;
}

QList<QColor> lineColours(const PaintRecorder &recorder)
{
    QList<QColor> colours;
    for (const PaintRecorder::Shape &shape : recorder.shapes) {
        if (!colours.contains(shape.pen))
            colours << shape.pen;
    }
    return colours;
}

bool hasLine(const PaintRecorder &recorder, const QPointF &a, const QPointF &b)
{
    const QRectF wanted = QRectF(a, b).normalized();
    for (const PaintRecorder::Shape &shape : recorder.shapesOf("line")) {
        if (shape.bounds.normalized() == wanted)
            return true;
    }
    return false;
}

QTreeWidgetItem *rowOf(QTreeWidget *table, const QString &name)
{
    const QList<QTreeWidgetItem *> rows = table->findItems(name, Qt::MatchExactly, 0);
    return rows.isEmpty() ? nullptr : rows.first();
}

void chooseType(RComboBox *combo, const QString &name)
{
    combo->setCurrentIndex(combo->findText(name));
}

struct Actions
{
    Actions()
    {
        ActionsManager::createMenus(&host, &list, &menuBar, &toolBar);
        ActionsManager::createToolBox(&toolBox, &list);
    }
    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> list;
};

template <class T>
QList<T *> itemsOf(GraphicsScene &scene)
{
    QList<T *> result;
    for (GraphicsItem *item : scene.graphicsItems())
        if (auto *found = dynamic_cast<T *>(item))
            result.append(found);
    return result;
}

// Records each text drawn with its font's size.
class FontRecorder : public QPaintDevice
{
public:
    FontRecorder()
        : m_engine(new Engine(this))
    {
    }

    QPaintEngine *paintEngine() const override { return m_engine.get(); }

    QStringList texts;
    QList<double> sizes;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 4000;
        case PdmWidthMM:
        case PdmHeightMM:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(FontRecorder *device)
            : QPaintEngine(QPaintEngine::AllFeatures)
            , m_device(device)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawLines(const QLineF *, int) override {}
        void drawRects(const QRectF *, int) override {}
        void drawEllipse(const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override
        {
            m_device->texts << item.text();
            m_device->sizes << item.font().pointSizeF();
        }

    private:
        FontRecorder *m_device;
    };

    std::unique_ptr<QPaintEngine> m_engine;
};

} // namespace


class TestCommutator : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        setFileClock([] { return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123)); });
        createScreenFonts();
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(GraphicsCommutator::Type, createGraphicsCommutator,
                                             createDlgPropCommutator));
    }

    void cleanupTestCase()
    {
        Scheme::registerItemTypes();
        setFileClock(nullptr);
        deleteFonts();
    }

    void init()
    {
        showBigDeviceNames = false;
        showNumContacts = true;
        hideHelp = false;
    }

    void catalogue()
    {
        const QStringList expected = {
            "KMD 2ft|ft:11-12-13 ft:31-32-33",
            "KMDN 5ft|ft:11-12-13 ft:21-22-23 ft:31-32-33 ft:51-52-53 ft:61-62-63",
            "KMT 2ft 2t|t:11-12 ft:21-22-23 t:31-32 ft:41-42-43",
            "KMT 4ft|ft:11-12-13 ft:21-22-23 ft:31-32-33 ft:41-42-43",
            "KMTN 6ft|ft:11-12-13 ft:21-22-23 ft:31-32-33 ft:41-42-43 ft:51-52-53 ft:61-62-63",
            "KMDS 2ft|ft:11-12-13 ft:31-32-33",
            "KMDS 2ft 2f|ft:11-12-13 f:21-22 ft:31-32-33 f:41-42",
            "KMTS 4ft|ft:11-12-13 ft:21-22-23 ft:31-32-33 ft:41-42-43",
            "KMTGS 2ft 2t|t:11-12 ft:21-22-23 t:31-32 ft:41-42-43",
            "P2G|ft:1-I,2-I,3-I-3-II-1-II,2-II ft:4-I,5-I,6-I-4-II,5-II-6-II "
            "ft:7-I,8-I,9-I-8-II,9-II-7-II ft:10-I,11-I,12-I-11-II,12-II-10-II",
        };
        QCOMPARE(int(CommutatorTypeCount), 10);
        for (int i = 0; i < CommutatorTypeCount; ++i) {
            const CommutatorType &type = commutatorTypes[i];
            QVERIFY(type.groupCount > 0 && type.groups);
            for (int g = 0; g < type.groupCount; ++g) {
                QVERIFY(isContactGroupKind(type.groups[g].kind));
                for (int n = 0; n < contactGroupPinCount(type.groups[g].kind); ++n)
                    QVERIFY(type.groups[g].names[n]);
            }
            QCOMPARE(QString::fromLatin1(type.name) + "|" + groupTexts(type).join(' '), expected[i]);
        }
        const CommutatorType &end = commutatorTypes[CommutatorTypeCount];
        QVERIFY(!end.name && !end.groups && end.groupCount == 0);
        QCOMPARE(commutatorTypes[5].groups, commutatorTypes[0].groups);
        QCOMPARE(commutatorTypes[7].groups, commutatorTypes[3].groups);
        QCOMPARE(commutatorTypes[8].groups, commutatorTypes[2].groups);
        QCOMPARE(QString(commutatorTypes[9].groups[0].names[0]), QString("1-I,2-I,3-I"));
        QCOMPARE(int(CommutatorTypeP2G), 9);

        QCOMPARE(QString(commutatorContactKinds[0].name), QString("ft"));
        QCOMPARE(QString(commutatorContactKinds[1].name), QString("f"));
        QCOMPARE(QString(commutatorContactKinds[2].name), QString("t"));
        QCOMPARE(commutatorContactKinds[0].pinCount, 3);
        QCOMPARE(commutatorContactKinds[1].pinCount, 2);
        QCOMPARE(commutatorContactKinds[2].pinCount, 2);
        QVERIFY(!commutatorContactKinds[3].name);
        for (int g = 0; g < 3; ++g) {
            for (int k = 0; k < 3; ++k)
                QCOMPARE(isGroupCompatible(g, k), g == k || g == 0);
        }

        ModalRecorder rec;
        QCOMPARE(commutatorModelName(6), QString("KMDS 2ft 2f"));
        QCOMPARE(GraphicsCommutator::contactKindName(1), QString("f"));
        QCOMPARE(boxTexts(rec), QStringList());
        QCOMPARE(commutatorModelName(10), QString());
        QCOMPARE(commutatorModelName(-3), QString());
        QCOMPARE(GraphicsCommutator::contactKindName(3), QString());
        QCOMPARE(boxTexts(rec).size(), 3);
    }

    void theDevice()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Commutator *commutator = addCommutator(project, "SA1", 9);
        QCOMPARE(commutator->kind(), int(CommutatorKind));
        QCOMPARE(project.kindName(CommutatorKind), QString("Commutator"));
        QCOMPARE(commutator->modelName(), QString("P2G"));
        QCOMPARE(commutator->placeType(), 142);
        QCOMPARE(commutator->placeTypeName(), QString("Console Control"));
        auto *bare = dynamic_cast<Commutator *>(project.createDevice(CommutatorKind));
        QCOMPARE(bare->modelName(), QString());
        QCOMPARE(boxTexts(rec), QStringList());
        QVERIFY(!bare->setModelIndex(10));
        QCOMPARE(bare->modelName(), QString());
        QCOMPARE(boxTexts(rec).size(), 0);
        delete bare;
    }

    void itemsAndPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        GraphicsCommutator fresh(&sheet);
        QCOMPARE(fresh.type(), QGraphicsItem::UserType + 421);
        QCOMPARE(fresh.objType(), int(CommutatorKind));
        QCOMPARE(fresh.bindMode(), int(GraphicsObjItem::BindShared));
        QCOMPARE(fresh.contactKind(), -1);
        QCOMPARE(fresh.contactNumber(), 255);
        QVERIFY(!fresh.underCurrent());
        QCOMPARE(fresh.pinCount(), 0);
        QCOMPARE(fresh.extentWidth(), 174.0);

        const QList<QList<QPointF>> layouts = {
            {{0, 0}, {160, -40}, {160, 40}},
            {{0, 0}, {160, -40}},
            {{0, 0}, {160, 40}},
        };
        for (int kind = 0; kind < 3; ++kind) {
            GraphicsCommutator item(&sheet);
            item.setContactKind(kind);
            QCOMPARE(item.pinCount(), layouts[kind].size());
            for (int i = 0; i < item.pinCount(); ++i)
                QCOMPARE(item.pin(i)->center(), layouts[kind][i]);
            QCOMPARE(item.lowerPin() != nullptr, kind != 1);
        }
        GraphicsCommutator a(&sheet);
        GraphicsCommutator b(&sheet);
        a.setContactKind(0);
        b.setContactKind(1);
        QVERIFY(a.pin(2)->solder(b.pin(1)));
        a.setContactKind(0);
        QCOMPARE(b.pin(1)->partner(), a.pin(2));
        a.setContactKind(1);
        QVERIFY(b.pin(1)->isFree());
        QCOMPARE(boxTexts(rec), QStringList());
        a.setContactKind(-1);
        a.setContactKind(7);
        QCOMPARE(a.contactKind(), 1);
        QCOMPARE(boxTexts(rec).size(), 2);
    }

    void groupsTakenOneByOne()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        Commutator *kmd = addCommutator(project, "SA1", 0);

        // "KMD 2ft" takes two items; a third is refused.
        GraphicsCommutator *first = placeCommutator(sheet, "SA1", 0, 0);
        QCOMPARE(first->commutator(), kmd);
        QCOMPARE(pinNames(first), QStringList({"11", "12", "13"}));
        GraphicsCommutator *second = placeCommutator(sheet, "SA1", 0, 0);
        QCOMPARE(second->contactNumber(), 1);
        QCOMPARE(pinNames(second), QStringList({"31", "32", "33"}));
        GraphicsCommutator *third = placeCommutator(sheet, "SA1", 1, 9);
        QCOMPARE(third->obj(), nullptr);
        QCOMPARE(pinNames(third), QStringList({"", ""}));
        QCOMPARE(kmd->itemForGroup(0), first);
        QCOMPARE(kmd->itemForGroup(1), second);
        QCOMPARE(kmd->itemForGroup(2), nullptr);

        // A "t" item on an "ft" group: two pins, the lower one named with
        // the group's third name.
        addCommutator(project, "SA2", 3);
        GraphicsCommutator *t = placeCommutator(sheet, "SA2", 2, 0);
        QCOMPARE(t->pinCount(), 2);
        QCOMPARE(pinNames(t), QStringList({"11", "13"}));
        GraphicsCommutator *f = placeCommutator(sheet, "SA2", 1, 255);
        QCOMPARE(f->contactNumber(), 1);
        QCOMPARE(pinNames(f), QStringList({"21", "22"}));

        // "KMT 2ft 2t": an "ft" item cannot show a "t" group.
        Commutator *kmt = addCommutator(project, "SA3", 2);
        GraphicsCommutator *ft = placeCommutator(sheet, "SA3", 0, 0);
        QCOMPARE(ft->contactNumber(), 1);
        QCOMPARE(pinNames(ft), QStringList({"21", "22", "23"}));
        GraphicsCommutator *tOwn = placeCommutator(sheet, "SA3", 2, 2);
        QCOMPARE(tOwn->contactNumber(), 2);
        QCOMPARE(pinNames(tOwn), QStringList({"31", "32"}));
        GraphicsCommutator *ft2 = placeCommutator(sheet, "SA3", 0, 0);
        QCOMPARE(ft2->contactNumber(), 3);
        GraphicsCommutator *ft3 = placeCommutator(sheet, "SA3", 0, 0);
        QCOMPARE(ft3->obj(), nullptr);
        QCOMPARE(kmt->items().size(), 3);
        // "KMDS 2ft 2f": an "f" group only as "f".
        addCommutator(project, "SA4", 6);
        GraphicsCommutator *fOnly = placeCommutator(sheet, "SA4", 1, 1);
        QCOMPARE(fOnly->contactNumber(), 1);
        QCOMPARE(pinNames(fOnly), QStringList({"21", "22"}));
        GraphicsCommutator *tMoved = placeCommutator(sheet, "SA4", 2, 3);
        QCOMPARE(tMoved->contactNumber(), 0);
        QCOMPARE(pinNames(tMoved), QStringList({"11", "13"}));
        QCOMPARE(boxTexts(rec), QStringList());

        QVERIFY(!kmt->canAppend(nullptr));
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void geometryAndDrawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        addCommutator(project, "SA1", 0);
        addCommutator(project, "SA2", 9);
        GraphicsCommutator *plain = placeCommutator(sheet, "SA1", 0, 0);
        QCOMPARE(plain->extentHeight(), 127.0);
        QCOMPARE(plain->extentWidth(), 174.0);
        const QRectF box(-7 - 3.5, 47 - 127 - 3.5, 174 + 7, 127 + 7);
        QVERIFY(plain->boundingRect().contains(box));
        QCOMPARE(plain->boundingRect().left(), box.left());
        QCOMPARE(plain->boundingRect().width(), box.width());
        QCOMPARE(plain->boundingRect().bottom(), box.bottom());
        // The name above the symbol lies inside whole.
        QVERIFY(plain->boundingRect().contains(
            textRect(plain, font(3), QPointF(80, -50), Qt::AlignHCenter | Qt::AlignBottom, "SA1")));
        plain->rotateBy(1, true);
        QCOMPARE(plain->boundingRect().left(), -7 - 3.5);
        plain->rotateBy(1, false);

        // Released: the blade down; the lower lead is help while free.
        PaintRecorder drawn;
        paint(&drawn, plain, false);
        QVERIFY(hasLine(drawn, {0, 0}, {30, 0}));
        QVERIFY(hasLine(drawn, {50, 0}, {110, 40}));
        QVERIFY(hasLine(drawn, {130, -40}, {160, -40}));
        QVERIFY(hasLine(drawn, {130, 40}, {160, 40}));
        QCOMPARE(drawn.shapesOf("ellipse").size(), 3);
        QCOMPARE(drawn.shapesOf("ellipse").first().bounds, QRectF(30, -10, 20, 20));
        QCOMPARE(drawn.texts, QStringList({"SA1", "11", "12", "13"}));
        PaintRecorder hidden;
        paint(&hidden, plain, true);
        QVERIFY(!hasLine(hidden, {130, 40}, {160, 40}));
        QVERIFY(!lineColours(hidden).contains(penGreen.color()));
        // Soldered, the lower lead is drawn as the rest.
        GraphicsCommutator *other = placeCommutator(sheet, "SA1", 0, 1, true);
        QVERIFY(plain->pin(2)->solder(other->pin(0)));
        PaintRecorder joined;
        paint(&joined, plain, true);
        QVERIFY(hasLine(joined, {130, 40}, {160, 40}));
        // Under current: the blade up.
        PaintRecorder up;
        paint(&up, other, true, true);
        QVERIFY(hasLine(up, {50, 0}, {110, -40}));
        QVERIFY(lineColours(up).contains(penBlue.color()));
        QVERIFY(!lineColours(up).contains(penBlack.color()));

        // "P2G": 120 wider, and its long pin names in font 2.
        GraphicsCommutator *p2g = placeCommutator(sheet, "SA2", 2, 0);
        QCOMPARE(p2g->boundingRect().width(), box.width() + 120);
        QCOMPARE(p2g->boundingRect().left(), box.left() - 60);
        QCOMPARE(pinNames(p2g), QStringList({"1-I,2-I,3-I", "1-II,2-II"}));
        FontRecorder fonts;
        {
            QPainter painter(&fonts);
            QStyleOptionGraphicsItem option;
            p2g->draw(&painter, &option, true);
        }
        QCOMPARE(fonts.texts, QStringList({"SA2", "1-I,2-I,3-I", "1-II,2-II"}));
        QCOMPARE(fonts.sizes[0], font(3).pointSizeF());
        QCOMPARE(fonts.sizes[1], font(2).pointSizeF());
        QCOMPARE(fonts.sizes[2], font(2).pointSizeF());
        QVERIFY(font(2).pointSizeF() < font(3).pointSizeF());

        // Unbound: red, no pin names drawn or kept.
        delete project.findObj(CommutatorKind, "SA2");
        QCOMPARE(p2g->obj(), nullptr);
        QCOMPARE(pinNames(p2g), QStringList({"", ""}));
        PaintRecorder red;
        paint(&red, p2g, true);
        QVERIFY(lineColours(red).contains(penRed.color()));
        QCOMPARE(red.texts, QStringList({"SA2"}));
        QCOMPARE(p2g->pinName(p2g->pin(0), nullptr), QString());
        QCOMPARE(plain->pinName(plain->pin(1), nullptr), QString("SA1-12"));

        // A long name, turned and mirrored: still inside.
        Commutator *wide = addCommutator(project, "SA_WITH_A_VERY_LONG_NAME_INDEED", 0);
        GraphicsCommutator *named = placeCommutator(sheet, wide->name(), 1, 0);
        QVERIFY(named->extentWidth() > 174);
        for (int turn = 0; turn < 4; ++turn) {
            named->rotateBy(1, true);
            QVERIFY(named->boundingRect().contains(
                textRect(named, font(3), QPointF(80, -50), Qt::AlignHCenter | Qt::AlignBottom, named->name())));
            named->mirror(false);
            QVERIFY(named->boundingRect().contains(
                textRect(named, font(3), QPointF(80, -50), Qt::AlignHCenter | Qt::AlignBottom, named->name())));
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void records()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            CommutatorSheet sheet(&project);
            addCommutator(project, "SA1", 2);
            GraphicsCommutator *t = placeCommutator(sheet, "SA1", 2, 2, true);
            t->setPos(400, 400);
            t->rotateBy(1, false);
            placeCommutator(sheet, "SA1", 0, 3);
            placeCommutator(sheet, "SA8", 1, 7);
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        const QList<GraphicsCommutator *> items = itemsOf<GraphicsCommutator>(sheet);
        QCOMPARE(items.size(), 3);
        auto *commutator = dynamic_cast<Commutator *>(project.findObj(CommutatorKind, "SA1"));
        QVERIFY(commutator);
        QCOMPARE(commutator->modelIndex(), 2);
        QCOMPARE(items[0]->commutator(), commutator);
        QCOMPARE(items[0]->contactKind(), 2);
        QVERIFY(items[0]->underCurrent());
        QCOMPARE(items[0]->contactNumber(), 2);
        QCOMPARE(items[0]->rotationIndex(), 3);
        QCOMPARE(pinNames(items[0]), QStringList({"31", "32"}));
        QCOMPARE(items[1]->contactNumber(), 3);
        QCOMPARE(pinNames(items[1]), QStringList({"41", "42", "43"}));
        QCOMPARE(items[2]->obj(), nullptr);
        QCOMPARE(items[2]->name(), QString("SA8"));
        QCOMPARE(items[2]->contactKind(), 1);
        QCOMPARE(items[2]->contactNumber(), 7);
        QCOMPARE(saveAll(project, sheet), bytes);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedItemRecords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("resolved");
        QTest::newRow("good") << 2 << 2 << true << true;
        QTest::newRow("form 3") << 3 << 2 << false << false;
        QTest::newRow("form 128") << 128 << 2 << false << false;
        QTest::newRow("no form, bound") << 255 << 2 << true << false;
        QTest::newRow("group beyond the type") << 2 << 4 << true << false;
        QTest::newRow("group of none") << 2 << 255 << true << false;
        QTest::newRow("group the form does not suit") << 0 << 2 << true << false;
        QTest::newRow("group shown by another item") << 2 << 0 << true << false;
    }

    void damagedItemRecords()
    {
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(bool, readable);
        QFETCH(bool, resolved);
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            CommutatorSheet sheet(&project);
            addCommutator(project, "SA1", 2);
            placeCommutator(sheet, "SA1", 2, 0);
            placeCommutator(sheet, "SA1", 2, 2);
            bytes = saveAll(project, sheet);
        }
        QByteArray needle;
        {
            DataStream s(&needle, QIODevice::WriteOnly);
            s.setFormatIndex(DataStream::CurrentFormat);
            s << qint32(GraphicsCommutator::Type) << quint8(2) << false << quint8(2);
        }
        const int at = int(bytes.indexOf(needle));
        QVERIFY(at > 0);
        bytes[at + 4] = char(kind);
        bytes[at + 6] = char(number);

        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        QByteArray copy = bytes;
        DataStream in(&copy, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(project.readDevices(in, &message));
        QCOMPARE(sheet.loadScene(in), readable);
        if (readable) {
            const QList<GraphicsCommutator *> items = itemsOf<GraphicsCommutator>(sheet);
            QCOMPARE(items.size(), 2);
            QVERIFY(items[0]->resolveLinks());
            QCOMPARE(items[1]->resolveLinks(), resolved);
            QCOMPARE(items[1]->obj() != nullptr, resolved);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedDeviceRecords()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        for (const int index : {-1, 0, 9, 10, 255, -7}) {
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << qint32(index);
            }
            Commutator fresh(&project);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            fresh.readData(in);
            const bool valid = index >= -1 && index < CommutatorTypeCount;
            QCOMPARE(in.status() == QDataStream::Ok, valid);
            QCOMPARE(fresh.modelIndex(), valid ? index : -1);
        }
        QByteArray bytes;
        {
            // One kind, one commutator "SA1" of type 10.
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << qint32(1) << qint32(CommutatorKind) << qint32(1) << QString("SA1") << qint32(1) << qint32(10)
                << false;
        }
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(!project.readDevices(in, &message));
        QCOMPARE(project.findObj(CommutatorKind, "SA1"), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void clipboard()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        addCommutator(project, "SA1", 1);
        GraphicsCommutator *a = placeCommutator(sheet, "SA1", 0, 0);
        GraphicsCommutator *b = placeCommutator(sheet, "SA1", 1, 1);
        const QByteArray bytes = copyItems(project, sheet, {a, b});

        {
            Project other(nullptr, nullptr);
            CommutatorSheet target(&other);
            const QList<GraphicsItem *> pasted = pasteItems(other, target, bytes);
            QCOMPARE(pasted.size(), 2);
            auto *pa = dynamic_cast<GraphicsCommutator *>(pasted[0]);
            auto *pb = dynamic_cast<GraphicsCommutator *>(pasted[1]);
            auto *made = dynamic_cast<Commutator *>(other.findObj(CommutatorKind, "SA1"));
            QVERIFY(pa && pb && made);
            QCOMPARE(made->modelIndex(), 1);
            QCOMPARE(pa->contactNumber(), 0);
            QCOMPARE(pb->contactNumber(), 1);
            QCOMPARE(pinNames(pb), QStringList({"21", "22"}));
        }

        // Into the same project the copies take the free groups, never one
        // that another item shows.
        CommutatorSheet target(&project);
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        auto *pa = dynamic_cast<GraphicsCommutator *>(pasted[0]);
        auto *pb = dynamic_cast<GraphicsCommutator *>(pasted[1]);
        auto *commutator = dynamic_cast<Commutator *>(project.findObj(CommutatorKind, "SA1"));
        QCOMPARE(pa->commutator(), commutator);
        QCOMPARE(pb->commutator(), commutator);
        QList<int> groups;
        for (ObjItem *item : commutator->items())
            groups << dynamic_cast<GraphicsCommutator *>(item)->contactNumber();
        std::sort(groups.begin(), groups.end());
        QCOMPARE(groups, QList<int>({0, 1, 2, 3}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogLists()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        Commutator *kmt = addCommutator(project, "SA2", 2);
        addCommutator(project, "SA1", 9);
        placeCommutator(sheet, "SA2", 2, 2);

        DlgPropCommutator dialog(&sheet);
        QCOMPARE(dialog.typeCombo()->count(), 10);
        for (int i = 1; i < dialog.typeCombo()->count(); ++i)
            QVERIFY(dialog.typeCombo()->itemText(i - 1) <= dialog.typeCombo()->itemText(i));
        QCOMPARE(dialog.typeCombo()->itemData(dialog.typeCombo()->findText("P2G")).toInt(), 9);
        QCOMPARE(dialog.kindCombo()->count(), 3);
        QCOMPARE(dialog.kindCombo()->itemText(1), QString("f"));
        QVERIFY(dialog.chkUnderCurrent()->isChecked());
        QCOMPARE(dialog.chkUnderCurrent()->text(), QString("Commutator under current"));
        QCOMPARE(dialog.spinNumber()->minimum(), 1);
        QVERIFY(!dialog.contactsTable()->isSortingEnabled());
        QCOMPARE(dialog.contactsTable()->headerItem()->text(0), QString("N"));
        QCOMPARE(dialog.objTable()->headerItem()->text(2), QString("Contacts"));

        QCOMPARE(dialog.objTable()->topLevelItemCount(), 2);
        QTreeWidgetItem *row = rowOf(dialog.objTable(), "SA2");
        QCOMPARE(row->text(1), QString("KMT 2ft 2t"));
        QCOMPARE(row->text(2), QString("1 / 4"));
        QCOMPARE(rowOf(dialog.objTable(), "SA1")->text(2), QString("0 / 4"));
        dialog.selectTreeItem(dialog.objTable(), row);
        QCOMPARE(dialog.edObjName()->text(), QString("SA2"));
        QCOMPARE(dialog.typeCombo()->currentText(), QString("KMT 2ft 2t"));
        QCOMPARE(dialog.contactsTable()->topLevelItemCount(), 4);
        QCOMPARE(dialog.contactsTable()->topLevelItem(0)->text(1), QString("11-12"));
        QCOMPARE(dialog.contactsTable()->topLevelItem(0)->text(2), QString("t"));
        QCOMPARE(dialog.contactsTable()->topLevelItem(1)->text(1), QString("21-22-23"));
        QCOMPARE(dialog.contactsTable()->topLevelItem(2)->text(3), QString("S1*"));
        QVERIFY(dialog.contactsTable()->topLevelItem(3)->text(3).isEmpty());
        QCOMPARE(treeItemObj(row), kmt);
        QTest::keyClicks(dialog.edFind(), "SA1");
        QCOMPARE(dialog.contactsTable()->topLevelItem(0)->text(1), QString("1-I,2-I,3-I-3-II-1-II,2-II"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogChoice()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        Commutator *kmt = addCommutator(project, "SA2", 2);
        GraphicsCommutator *shown = placeCommutator(sheet, "SA2", 0, 1);

        DlgPropCommutator dialog(&sheet);
        dialog.objTable()->clearSelection();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected commutator !"}));
        rec.clear();
        dialog.selectTreeItem(dialog.objTable(), findTreeItemOfObj(dialog.objTable(), kmt));
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected contact !"}));
        rec.clear();
        QVERIFY(!dialog.btnChoiseClick(dialog.contactsTable()->topLevelItem(1)));
        QCOMPARE(boxTexts(rec), QStringList({"Commutator is busy!"}));
        rec.clear();
        QVERIFY(!dialog.btnChoiseClick(dialog.contactsTable()->topLevelItem(2)));
        QCOMPARE(boxTexts(rec), QStringList({"Choise commutator and commutator type not compatibility! "}));
        rec.clear();
        dialog.kindCombo()->setCurrentIndex(2);
        dialog.selectTreeItem(dialog.contactsTable(), dialog.contactsTable()->topLevelItem(2));
        buttonOf(&dialog, "V")->click();
        QCOMPARE(dialog.edName()->text(), QString("SA2"));
        QCOMPARE(dialog.spinNumber()->value(), 3);
        QCOMPARE(boxTexts(rec), QStringList());

        DlgPropCommutator editing(&sheet);
        editing.loadFromItem(shown);
        QCOMPARE(editing.contactsTable()->selectedItems().first()->text(0), QString("2"));
        QVERIFY(editing.btnChoiseClick(editing.contactsTable()->topLevelItem(1)));
        QCOMPARE(boxTexts(rec), QStringList());

        DlgPropCommutator clicking(&sheet);
        clicking.selectTreeItem(clicking.objTable(), findTreeItemOfObj(clicking.objTable(), kmt));
        clicking.setResult(QDialog::Rejected);
        emit clicking.contactsTable()->itemDoubleClicked(clicking.contactsTable()->topLevelItem(0), 0);
        QCOMPARE(clicking.result(), int(QDialog::Rejected));
        QCOMPARE(boxTexts(rec), QStringList({"Choise commutator and commutator type not compatibility! "}));
        emit clicking.contactsTable()->itemDoubleClicked(clicking.contactsTable()->topLevelItem(3), 0);
        QCOMPARE(clicking.result(), int(QDialog::Accepted));
        QCOMPARE(clicking.spinNumber()->value(), 4);
    }

    void dialogKeepsTheCommutators()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        DlgPropCommutator dialog(&sheet);
        QPushButton *add = buttonOf(&dialog, "Add");
        QVERIFY(add);
        add->click();
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));
        rec.clear();
        dialog.edObjName()->setText("SA1");
        chooseType(dialog.typeCombo(), "KMTN 6ft");
        add->click();
        auto *commutator = dynamic_cast<Commutator *>(project.findObj(CommutatorKind, "SA1"));
        QVERIFY(commutator);
        QCOMPARE(commutator->modelIndex(), 4);
        QCOMPARE(dialog.contactsTable()->topLevelItemCount(), 6);
        add->click();
        QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));
        rec.clear();

        // Six items; the type becomes "KMT 2ft 2t": the items that fit stay
        // on free groups, the others are left unbound.
        QList<GraphicsCommutator *> items;
        for (int i = 0; i < 6; ++i)
            items << placeCommutator(sheet, "SA1", i == 5 ? 2 : 0, i);
        QCOMPARE(commutator->items().size(), 6);
        dialog.selectTreeItem(dialog.objTable(), rowOf(dialog.objTable(), "SA1"));
        chooseType(dialog.typeCombo(), "KMT 2ft 2t");
        buttonOf(&dialog, "Repl")->click();
        QCOMPARE(commutator->modelIndex(), 2);
        QCOMPARE(items[0]->contactNumber(), 1);
        QCOMPARE(items[1]->contactNumber(), 3);
        QCOMPARE(items[2]->obj(), nullptr);
        QCOMPARE(items[3]->obj(), nullptr);
        QCOMPARE(items[4]->obj(), nullptr);
        QCOMPARE(items[5]->commutator(), commutator);
        QCOMPARE(items[5]->contactNumber(), 0);
        QCOMPARE(pinNames(items[5]), QStringList({"11", "12"}));
        QCOMPARE(pinNames(items[2]), QStringList({"", "", ""}));
        QCOMPARE(rowOf(dialog.objTable(), "SA1")->text(2), QString("3 / 4"));
        QCOMPARE(dialog.contactsTable()->topLevelItemCount(), 4);
        QCOMPARE(boxTexts(rec), QStringList());

        rec.clickButton("&Yes");
        buttonOf(&dialog, "Del")->click();
        QCOMPARE(boxTexts(rec), QStringList({"Commutator: `SA1` have graphics children! Delete this object?"}));
        QCOMPARE(project.findObj(CommutatorKind, "SA1"), nullptr);
        QCOMPARE(items[0]->obj(), nullptr);
    }

    void dialogPlacesAndEdits()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        CommutatorSheet sheet(&project);
        boundtest::SignalCount appended(project, &Project::objAppend);

        // A name that no commutator bears: a new one of the chosen type.
        DlgPropCommutator dialog(&sheet);
        rec.handle([&](QDialog *) {
            chooseType(dialog.typeCombo(), "KMDS 2ft 2f");
            dialog.kindCombo()->setCurrentIndex(1);
            dialog.spinNumber()->setValue(4);
            dialog.edName()->setText(" SA1 ");
            buttonOf(&dialog, "Ok")->click();
        });
        auto *item = dynamic_cast<GraphicsCommutator *>(dialog.execDialog(nullptr, GraphicsCommutator::Type));
        QVERIFY(item);
        sheet.addGraphicsItem(item);
        auto *made = dynamic_cast<Commutator *>(project.findObj(CommutatorKind, "SA1"));
        QVERIFY(made);
        QCOMPARE(appended.count(), 1);
        QCOMPARE(made->modelIndex(), 6);
        QCOMPARE(item->commutator(), made);
        QVERIFY(item->underCurrent());
        QCOMPARE(item->contactKind(), 1);
        QCOMPARE(item->contactNumber(), 3);
        QCOMPARE(pinNames(item), QStringList({"41", "42"}));
        QVERIFY(project.devicesChanged());

        // Editing its only item: the fields show it; a form the group
        // cannot take moves it to the first group that can.
        DlgPropCommutator edit(&sheet);
        rec.handle([&](QDialog *) {
            QVERIFY(edit.chkUnderCurrent()->isChecked());
            QCOMPARE(edit.kindCombo()->currentIndex(), 1);
            QCOMPARE(edit.edName()->text(), QString("SA1"));
            QCOMPARE(edit.spinNumber()->value(), 4);
            QCOMPARE(edit.contactsTable()->selectedItems().first()->text(0), QString("4"));
            QCOMPARE(edit.typeCombo()->currentText(), QString("KMDS 2ft 2f"));
            edit.kindCombo()->setCurrentIndex(0);
            edit.chkUnderCurrent()->setChecked(false);
            // Another type in the combo does not retype the commutator.
            chooseType(edit.typeCombo(), "P2G");
            buttonOf(&edit, "Ok")->click();
        });
        QCOMPARE(edit.execDialog(item, GraphicsCommutator::Type), item);
        QCOMPARE(item->commutator(), made);
        QCOMPARE(made->modelIndex(), 6);
        QVERIFY(!item->underCurrent());
        QCOMPARE(item->contactNumber(), 0);
        QCOMPARE(pinNames(item), QStringList({"11", "12", "13"}));
        QCOMPARE(appended.count(), 1);

        // A name that a commutator bears without a free group: unbound.
        addCommutator(project, "SA2", 0);
        placeCommutator(sheet, "SA2", 0, 0);
        placeCommutator(sheet, "SA2", 0, 0);
        DlgPropCommutator full(&sheet);
        rec.handle([&](QDialog *) {
            full.edName()->setText("SA2");
            buttonOf(&full, "Ok")->click();
        });
        auto *refused = dynamic_cast<GraphicsCommutator *>(full.execDialog(nullptr, GraphicsCommutator::Type));
        QVERIFY(refused);
        sheet.addGraphicsItem(refused);
        QCOMPARE(refused->obj(), nullptr);
        QCOMPARE(refused->name(), QString("SA2"));
        QCOMPARE(project.objectsOfKind(CommutatorKind)->size(), 2);

        DlgPropCommutator cancelled(&sheet);
        rec.reject();
        QCOMPARE(cancelled.execDialog(nullptr, GraphicsCommutator::Type), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void schemeEditor()
    {
        ModalRecorder rec;
        Actions actions;
        const QString dir = m_dir.path() + "/scheme";
        QVERIFY(QDir().mkpath(dir));
        {
            Project project(nullptr, nullptr);
            auto *group = new SchemeGroup(&project);
            group->setAtrNumber(1);
            project.schemes()->appendItem(group);
            auto *scheme = new Scheme(&project);
            scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
            scheme->setNumber(1);
            group->appendItem(scheme);
            SchemeEdit view(&actions.list);
            view.setScene(scheme);
            view.resize(1200, 800);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.setActive(true);
            view.centerOn(1400, 1400);
            QAction *place = actions.list.at(102);
            QVERIFY(place->isEnabled());
            const auto drop = [&](const QPointF &where) {
                const QPoint pos = view.mapFromScene(where);
                QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(view.viewport()->mapToGlobal(pos)),
                                 Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(view.viewport(), &move);
                QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos);
            };

            // Typed: a new commutator of the chosen type.
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropCommutator *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Commutator"));
                chooseType(dialog->typeCombo(), "KMTN 6ft");
                QTest::keyClicks(dialog->edName(), "SA1");
                dialog->spinNumber()->setValue(3);
                buttonOf(d, "Ok")->click();
            });
            place->trigger();
            auto *first = dynamic_cast<GraphicsCommutator *>(scheme->graphicsItems().last());
            QVERIFY(first);
            drop(QPointF(800, 800));
            QVERIFY(view.carriedItems().isEmpty());
            QCOMPARE(pinNames(first), QStringList({"31", "32", "33"}));

            // Chosen from the tables.
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropCommutator *>(d);
                QVERIFY(dialog);
                dialog->selectTreeItem(dialog->objTable(), rowOf(dialog->objTable(), "SA1"));
                QCOMPARE(dialog->contactsTable()->topLevelItem(2)->text(3), scheme->displayName());
                dialog->kindCombo()->setCurrentIndex(2);
                dialog->chkUnderCurrent()->setChecked(false);
                dialog->selectTreeItem(dialog->contactsTable(), dialog->contactsTable()->topLevelItem(5));
                buttonOf(d, "V")->click();
                buttonOf(d, "Ok")->click();
            });
            place->trigger();
            auto *second = dynamic_cast<GraphicsCommutator *>(scheme->graphicsItems().last());
            QVERIFY(second && second != first);
            drop(QPointF(1600, 800));
            QCOMPARE(pinNames(second), QStringList({"61", "63"}));
            QCOMPARE(project.objectsOfKind(CommutatorKind)->size(), 1);

            actions.list.at(30)->trigger();
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropCommutator *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->spinNumber()->value(), 6);
                QCOMPARE(dialog->kindCombo()->currentIndex(), 2);
                QVERIFY(!dialog->chkUnderCurrent()->isChecked());
                buttonOf(d, "Ok")->click();
            });
            const QPoint on = view.mapFromScene(second->mapToScene(QPointF(70, 10)));
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, on);
            QCOMPARE(rec.count(), 3);
            QCOMPARE(boxTexts(rec), QStringList());
            QCOMPARE(second->contactNumber(), 5);

            project.setFileName(dir + "/plant.rlay");
            QVERIFY(project.save());
            view.setActive(false);
        }
        const QMap<QString, QByteArray> saved = filesBelow(dir);

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *scheme = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsCommutator *> items = itemsOf<GraphicsCommutator>(*scheme);
        QCOMPARE(items.size(), 2);
        auto *commutator = dynamic_cast<Commutator *>(loaded.findObj(CommutatorKind, "SA1"));
        QVERIFY(commutator);
        QCOMPARE(commutator->modelIndex(), 4);
        QCOMPARE(commutator->itemForGroup(2), items[0]);
        QCOMPARE(commutator->itemForGroup(5), items[1]);
        QVERIFY(items[0]->underCurrent());
        QVERIFY(!items[1]->underCurrent());
        QCOMPARE(items[1]->contactKind(), 2);
        QCOMPARE(pinNames(items[0]), QStringList({"31", "32", "33"}));
        QCOMPARE(pinNames(items[1]), QStringList({"61", "63"}));

        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/plant.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        scheme->setModified(true);
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), saved.keys());
        for (const QString &name : saved.keys())
            QVERIFY2(second[name] == saved[name], qPrintable(name));
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestCommutator)
#include "tst_commutator.moc"
