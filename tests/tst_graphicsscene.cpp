#include "app/dlgsettings.h"
#include "graphics/font.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "graphics/sceneitem.h"
#include "graphics/sheetframe.h"
#include "model/datastream.h"
#include "model/project.h"
#include "model/projectitembase.h"
#include "support/modalrecorder.h"
#include "support/streambytes.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const int testType = QGraphicsItem::UserType + 50;

// A small item with two fields of its own; it counts its destruction and
// refuses to be destroyed twice.
class TestItem : public GraphicsItem
{
public:
    explicit TestItem(GraphicsScene *scene, GraphicsItem *parent = nullptr)
        : GraphicsItem(scene, parent, 0)
    {
        setFlag(ItemIsSelectable, true);
        setFlag(ItemIsMovable, true);
        live().insert(this);
    }
    ~TestItem() override
    {
        if (!live().remove(this))
            ++doubleDeletes();
    }

    int type() const override { return testType; }
    QRectF boundingRect() const override { return QRectF(-20, -10, 40, 20); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool) override
    {
        painter->setPen(QPen(Qt::red, 4));
        painter->drawRect(boundingRect());
    }
    void saveData(DataStream &stream) override { stream << text << value; }
    void loadData(DataStream &stream) override { stream >> text >> value; }

    static QSet<TestItem *> &live()
    {
        static QSet<TestItem *> items;
        return items;
    }
    static int &doubleDeletes()
    {
        static int count = 0;
        return count;
    }

    QString text;
    qint32 value = 0;
};

class TestScene : public GraphicsScene
{
public:
    explicit TestScene(Project *project)
        : GraphicsScene(project)
    {
    }

    using GraphicsScene::keepItemsApart;
    int groupNumber() const override { return group; }
    GraphicsItem *createItem(int type) override
    {
        if (type == testType)
            return new TestItem(this);
        return GraphicsScene::createItem(type);
    }

    int group = 7;
};

// A branch row that counts the changes reported from below.
class BranchRow : public ProjectItemBase
{
public:
    void setChanged() override { ++changes; }
    int changes = 0;
};

bool isDark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Scene point to pixel of an image rendered at one pixel per scene unit:
// 254 dpi gives a 2 mm margin of 20 pixels.
QPoint px(double x, double y)
{
    return QPoint(qRound(x) + 20, qRound(y) + 20);
}

QImage render(GraphicsScene &scene)
{
    const QRectF sheet = scene.sceneRect();
    QImage image(int(sheet.width()) + 40, int(sheet.height()) + 40, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.renderTo(&painter);
    painter.end();
    return image;
}

} // namespace

class TestGraphicsScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void paperFormatsAndSceneRects()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);

        // The stored numbers are Qt 4's; each maps to the framework's own id.
        QCOMPARE(GraphicsScene::paperIndex(0), 0);
        QCOMPARE(GraphicsScene::paperIndex(8), 1);
        QCOMPARE(GraphicsScene::paperIndex(7), 2);
        QCOMPARE(GraphicsScene::paperIndex(6), 3);
        QCOMPARE(GraphicsScene::paperIndex(5), 4);
        QCOMPARE(GraphicsScene::pageSizeId(0), QPageSize::A4);
        QCOMPARE(GraphicsScene::pageSizeId(8), QPageSize::A3);
        QCOMPARE(GraphicsScene::pageSizeId(7), QPageSize::A2);
        QCOMPARE(GraphicsScene::pageSizeId(6), QPageSize::A1);
        QCOMPARE(GraphicsScene::pageSizeId(5), QPageSize::A0);
        QCOMPARE(QString(paperFormats[4].name), QString("A0"));
        QCOMPARE(paperFormats[4].width, 841);
        QCOMPARE(paperFormats[4].height, 1189);
        QCOMPARE(rec.count(), 0);

        // Never given a format: no width.
        QCOMPARE(scene.sheetsAcross(), 0);
        QCOMPARE(scene.sceneRect().width(), 0.0);

        scene.setSheetFormat(GraphicsScene::PaperA3, true, 2);
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 8400, 2970));
        scene.setSheetFormat(GraphicsScene::PaperA4, false, 1);
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 2100, 2970));
        scene.setSheetFormat(GraphicsScene::PaperA0, true, 1);
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 11890, 8410));

        // An unknown size is refused with a check and taken as A4.
        scene.setSheetFormat(3, false, 1);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.texts().first().endsWith("FALSE expression"));
        QCOMPARE(scene.pageSize(), int(GraphicsScene::PaperA4));
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 2100, 2970));
    }

    void headerBytes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setName("S");
        scene.setNumber(3);
        scene.setGridStep(40);
        scene.setSheetFormat(GraphicsScene::PaperA3, true, 1);
        scene.setBorderType(GraphicsScene::BorderBig);
        const QByteArray bytes = bytesOf([&](DataStream &out) { scene.writeHeader(out); });
        QCOMPARE(bytes.toHex(), QByteArray("00000003"
                                           "000000020053"
                                           "00000028"
                                           "08"
                                           "01"
                                           "01"
                                           "00"
                                           "00"));

        // Every paper size is stored as its Qt 4 number.
        for (const PaperFormat &format : paperFormats) {
            scene.setSheetFormat(format.pageSize, false, 3);
            const QByteArray header = bytesOf([&](DataStream &out) { scene.writeHeader(out); });
            QCOMPARE(quint8(header.at(header.size() - 5)), quint8(format.pageSize));
            QCOMPARE(quint8(header.at(header.size() - 4)), quint8(0));
            QCOMPARE(quint8(header.at(header.size() - 3)), quint8(3));
        }
        QCOMPARE(rec.count(), 0);
    }

    void frameAndStampCoordinates()
    {
        const QRectF a4(0, 0, 2100, 2970);
        const QRectF frame = SheetFrame::frameRect(a4, GraphicsScene::BindingLeft);
        QCOMPARE(frame.topLeft(), QPointF(200, 50));
        QCOMPARE(frame.bottomRight(), QPointF(2050, 2920));
        QCOMPARE(SheetFrame::stampRect(a4, GraphicsScene::BorderBig), QRectF(200, 2370, 1850, 550));
        QCOMPARE(SheetFrame::stampRect(a4, GraphicsScene::BorderSmall), QRectF(200, 2770, 1850, 150));
        // The stamp's bottom-right corner is the frame's.
        QCOMPARE(SheetFrame::stampRect(a4, GraphicsScene::BorderBig).bottomRight(), frame.bottomRight());
        QCOMPARE(SheetFrame::frameRect(a4, GraphicsScene::BindingTop).topLeft(), QPointF(50, 200));

        QCOMPARE(sheetFrameGeometry[0].thickCount, 19);
        QCOMPARE(sheetFrameGeometry[0].thinCount, 8);
        QCOMPARE(sheetFrameGeometry[0].cellCount, 32);
        QCOMPARE(sheetFrameGeometry[1].thickCount, 13);
        QCOMPARE(sheetFrameGeometry[1].thinCount, 1);
        QCOMPARE(sheetFrameGeometry[1].cellCount, 8);
        QCOMPARE(bindingTableGeometry.thickCount, 6);
        QCOMPARE(bindingTableGeometry.cellCount, 3);

        QCOMPARE(QString(SheetFrame::captionKey(18, 0)), QString("RU_Edit"));
        QCOMPARE(QString(SheetFrame::captionKey(29, 1)), QString("UA_ReplNum"));
        QCOMPARE(QString(SheetFrame::captionKey(30, 0)), QString("RU_p."));
    }

    void snapToGrid()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QCOMPARE(scene.snapToGrid(QPointF(59, 61)), QPointF(59, 61));
        scene.setGridStep(40);
        QCOMPARE(scene.snapToGrid(QPointF(59, 61)), QPointF(40, 80));
        QCOMPARE(scene.snapToGrid(QPointF(-59, -61)), QPointF(-40, -80));
        scene.setGridStep(-5);
        QCOMPARE(scene.snapToGrid(QPointF(1.5, 2.5)), QPointF(1.5, 2.5));
    }

    void numberNameAndModifiedFlag()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        // The sheet signals pass references: counted by hand.
        struct Count
        {
            int count() const { return n; }
            int n = 0;
        } renamed, shown, deleted;
        QObject::connect(&project, &Project::nameChangedGraphicsScene, [&](const GraphicsScene &) { ++renamed.n; });
        QObject::connect(&project, &Project::showGraphicsScene, [&](GraphicsScene &, GraphicsItem *) { ++shown.n; });
        QObject::connect(&project, &Project::deleteGraphicsScene, [&](GraphicsScene *) { ++deleted.n; });
        auto *scene = new TestScene(&project);
        BranchRow branch;
        branch.addChild(scene->sceneItem());

        QVERIFY(scene->isModified());
        QCOMPARE(scene->displayName(), QString("*"));
        scene->setName("Power");
        scene->setNumber(3);
        QCOMPARE(renamed.count(), 1);
        QCOMPARE(scene->sceneItem()->text(0), QString(" 03"));
        QCOMPARE(scene->sceneItem()->text(1), QString("Power"));
        // The same number emits nothing but rewrites the row.
        scene->setName("Light");
        scene->setNumber(3);
        QCOMPARE(renamed.count(), 1);
        QCOMPARE(scene->sceneItem()->text(1), QString("Light"));

        scene->setModified(false);
        QCOMPARE(renamed.count(), 2);
        QCOMPARE(scene->displayName(), QString());
        QCOMPARE(branch.changes, 0);
        scene->setModified(true);
        QCOMPARE(branch.changes, 1);
        QCOMPARE(renamed.count(), 3);
        scene->setModified(true);
        QCOMPARE(renamed.count(), 3);

        // A change reported by the sheet's own row marks it modified.
        scene->setModified(false);
        scene->sceneItem()->setChanged();
        QVERIFY(scene->isModified());

        // Double-clicking the row asks for the sheet.
        scene->sceneItem()->doubleClicked();
        QCOMPARE(shown.count(), 1);

        delete scene;
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(branch.childCount(), 0);
        QCOMPARE(rec.count(), 0);
    }

    void designationAndGroupNumber()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setNumber(12);
        scene.group = 4;
        const bool withZero = showAtrNumWith0;
        showAtrNumWith0 = true;
        QCOMPARE(scene.groupNumberText(), QString("04"));
        project.setLanguage(0);
        QCOMPARE(scene.sheetDesignation(true), QString("ATR.04 RU_p.12"));
        project.setLanguage(1);
        QCOMPARE(scene.sheetDesignation(false), QString("04 UA_p.12"));
        showAtrNumWith0 = false;
        QCOMPARE(scene.groupNumberText(), QString("4"));
        showAtrNumWith0 = withZero;
    }

    void streamRoundTripWithItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setName("Relays");
        scene.setNumber(2);
        scene.setGridStep(25);
        scene.setSheetFormat(GraphicsScene::PaperA3, true, 2);
        scene.setBindingPosition(GraphicsScene::BindingTop);
        scene.setBorderType(GraphicsScene::BorderBig);
        const QStringList texts{"first", "second", "third"};
        for (int i = 0; i < texts.size(); ++i) {
            auto *item = new TestItem(&scene);
            item->text = texts[i];
            item->value = 10 * i;
            QVERIFY(scene.addGraphicsItem(item));
            item->setPosQuiet(QPointF(100.5 * (i + 1), 33.25));
        }
        scene.graphicsItems()[1]->setMatrixQuiet(GraphicsItem::matrixOf(3, true), false);

        auto save = [](GraphicsScene &sheet) {
            return bytesOf([&](DataStream &out) {
                Project::IdentityScope scope(*sheet.project());
                sheet.saveScene(out);
                QVERIFY(sheet.saveItemsGeometry(out));
            });
        };
        const QByteArray bytes = save(scene);
        QCOMPARE(save(scene), bytes);

        TestScene copy(&project);
        DataStream in(const_cast<QByteArray *>(&bytes), QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QVERIFY(copy.loadScene(in));
        QVERIFY(copy.loadItemsGeometry(in));
        QVERIFY(in.atEnd());

        QCOMPARE(copy.name(), QString("Relays"));
        QCOMPARE(copy.number(), 2);
        QCOMPARE(copy.gridStep(), 25);
        QCOMPARE(copy.pageSize(), int(GraphicsScene::PaperA3));
        QVERIFY(copy.isLandscape());
        QCOMPARE(copy.sheetsAcross(), 2);
        QCOMPARE(copy.sceneRect(), QRectF(0, 0, 8400, 2970));
        QCOMPARE(copy.bindingPosition(), int(GraphicsScene::BindingTop));
        QCOMPARE(copy.borderType(), int(GraphicsScene::BorderBig));
        QCOMPARE(copy.graphicsItems().size(), 3);
        for (int i = 0; i < 3; ++i) {
            auto *item = static_cast<TestItem *>(copy.graphicsItems()[i]);
            QCOMPARE(item->text, texts[i]);
            QCOMPARE(item->value, 10 * i);
            QCOMPARE(item->pos(), QPointF(100.5 * (i + 1), 33.25));
            QCOMPARE(GraphicsScene::sheetOf(item->scene()), &copy);
        }
        QCOMPARE(copy.graphicsItems()[1]->rotationIndex(), 3);
        QVERIFY(copy.graphicsItems()[1]->isMirrored());
        QVERIFY(copy.graphicsItems()[0]->transform().isIdentity());
        QCOMPARE(save(copy), bytes);

        // The clipboard form of the whole sheet.
        const QByteArray clip = bytesOf([&](DataStream &out) {
            Project::IdentityScope scope(project);
            scene.saveClipboard(out);
            scene.saveClipboardGeometry(out);
        });
        TestScene pasted(&project);
        DataStream clipIn(const_cast<QByteArray *>(&clip), QIODevice::ReadOnly);
        clipIn.setFormatIndex(DataStream::CurrentFormat);
        const QList<GraphicsItem *> items = pasted.loadClipboard(clipIn);
        pasted.loadClipboardGeometry(clipIn);
        QVERIFY(clipIn.atEnd());
        QCOMPARE(items.size(), 3);
        QCOMPARE(items, pasted.graphicsItems());
        QCOMPARE(static_cast<TestItem *>(items[2])->text, QString("third"));
        QCOMPARE(items[2]->pos(), QPointF(301.5, 33.25));
        QCOMPARE(pasted.number(), 2);
        QCOMPARE(rec.count(), 0);
    }

    void damagedStreams()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setSheetFormat(GraphicsScene::PaperA4, false, 1);
        QByteArray bytes = bytesOf([&](DataStream &out) {
            scene.writeHeader(out);
            out << qint32(2) << qint32(testType) << QString("a") << qint32(1) << qint32(-1);
        });
        TestScene copy(&project);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QVERIFY(!copy.loadScene(in));
        QCOMPARE(rec.count(), 1);
        // The item read before stays.
        QCOMPARE(copy.graphicsItems().size(), 1);

        // An unknown type is reported by the factory and by the reader.
        rec.clear();
        bytes = bytesOf([&](DataStream &out) {
            scene.writeHeader(out);
            out << qint32(1) << qint32(QGraphicsItem::UserType + 8);
        });
        TestScene other(&project);
        DataStream in2(&bytes, QIODevice::ReadOnly);
        in2.setFormatIndex(DataStream::CurrentFormat);
        QVERIFY(!other.loadScene(in2));
        QCOMPARE(rec.count(), 2);
        QVERIFY(other.graphicsItems().isEmpty());

        // A cut-off item count stops without creating anything.
        rec.clear();
        bytes = bytesOf([&](DataStream &out) { scene.writeHeader(out); });
        bytes.chop(1);
        TestScene third(&project);
        third.setNumber(9);
        DataStream in3(&bytes, QIODevice::ReadOnly);
        in3.setFormatIndex(DataStream::CurrentFormat);
        QVERIFY(!third.loadScene(in3));
        QCOMPARE(third.number(), 9);
    }

    void factoriesWithoutRegistryRows()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        // Types in the primitives' range that have no row.
        QCOMPARE(scene.createItem(QGraphicsItem::UserType + 8), nullptr);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.texts().first().endsWith("Out of memory"));
        QCOMPARE(scene.createDialog(QGraphicsItem::UserType + 17), nullptr);
        QCOMPARE(rec.count(), 2);
        QCOMPARE(GraphicsScene::primitiveType(QGraphicsItem::UserType + 28), nullptr);
        QVERIFY(GraphicsScene::primitiveType(QGraphicsItem::UserType + 27));
    }

    void ownedItemsAndRegistration()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestScene other(&project);
        auto *item = new TestItem(&other);
        auto *child = new TestItem(&other, item);
        QVERIFY(scene.addGraphicsItem(item));
        QCOMPARE(item->graphicsScene(), &scene);
        QCOMPARE(child->graphicsScene(), &scene);
        QCOMPARE(GraphicsScene::sheetOf(child->scene()), &scene);
        QVERIFY(scene.containsItem(&scene, child));
        QVERIFY(!scene.containsItem(&other, child));
        QCOMPARE(scene.graphicsItems(), QList<GraphicsItem *>{item});

        // An item already on a sheet is refused.
        QVERIFY(!other.addGraphicsItem(item));
        QCOMPARE(rec.count(), 1);
        QVERIFY(!scene.addGraphicsItem(nullptr));
        QCOMPARE(rec.count(), 2);

        QList<GraphicsScene *> pages;
        scene.appendTo(pages);
        other.appendTo(pages);
        QCOMPARE(pages, (QList<GraphicsScene *>{&scene, &other}));
    }

    void deferredDeletion()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QList<TestItem *> items;
        for (int i = 0; i < 3; ++i) {
            items << new TestItem(&scene);
            QVERIFY(scene.addGraphicsItem(items.last()));
        }
        scene.setModified(false);
        for (TestItem *item : std::as_const(items))
            QVERIFY(scene.removeGraphicsItem(item));
        // Off the sheet at once, deleted together later.
        QVERIFY(scene.graphicsItems().isEmpty());
        QVERIFY(scene.items().isEmpty());
        QCOMPARE(scene.pendingDeletes().size(), 3);
        QVERIFY(scene.isModified());
        for (TestItem *item : std::as_const(items))
            QVERIFY(TestItem::live().contains(item));
        QCoreApplication::processEvents();
        QVERIFY(scene.pendingDeletes().isEmpty());
        for (TestItem *item : std::as_const(items))
            QVERIFY(!TestItem::live().contains(item));

        // Removing the same item twice queues it once.
        auto *single = new TestItem(&scene);
        QVERIFY(scene.addGraphicsItem(single));
        QVERIFY(scene.removeGraphicsItem(single));
        QVERIFY(!scene.removeGraphicsItem(single));
        QCOMPARE(scene.pendingDeletes().size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(TestItem::doubleDeletes(), 0);
        QVERIFY(!scene.removeGraphicsItem(nullptr));
        QCOMPARE(rec.count(), 1);
    }

    void deletingParentAndChildTogether()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        for (bool childFirst : {true, false}) {
            auto *parent = new TestItem(&scene);
            auto *child = new TestItem(&scene, parent);
            auto *grandChild = new TestItem(&scene, child);
            QVERIFY(scene.addGraphicsItem(parent));
            scene.selectAllItems();
            QCOMPARE(scene.selectedGraphicsItems(), (QList<GraphicsItem *>{parent, child, grandChild}));

            // What a view's Delete does: every selected item in turn.
            QList<GraphicsItem *> selected = scene.selectedGraphicsItems();
            if (childFirst)
                std::reverse(selected.begin(), selected.end());
            for (GraphicsItem *item : std::as_const(selected))
                scene.removeGraphicsItem(item);
            QCOMPARE(scene.pendingDeletes(), QList<GraphicsItem *>{parent});
            QVERIFY(scene.items().isEmpty());
            QVERIFY(scene.selectedItems().isEmpty());
            QCoreApplication::processEvents();
            QVERIFY(!TestItem::live().contains(parent));
            QVERIFY(!TestItem::live().contains(child));
            QVERIFY(!TestItem::live().contains(grandChild));
            QCOMPARE(TestItem::doubleDeletes(), 0);
        }

        // A child alone is not the sheet's to delete: it stays with its parent.
        auto *parent = new TestItem(&scene);
        auto *child = new TestItem(&scene, parent);
        QVERIFY(scene.addGraphicsItem(parent));
        QVERIFY(!scene.removeGraphicsItem(child));
        QVERIFY(scene.pendingDeletes().isEmpty());
        QCOMPARE(child->parentItem(), parent);
        QCOMPARE(GraphicsScene::sheetOf(child->scene()), &scene);

        // An item moved under another owned item goes with it.
        auto *moved = new TestItem(&scene);
        QVERIFY(scene.addGraphicsItem(moved));
        moved->reparent(parent);
        QVERIFY(scene.removeGraphicsItem(parent));
        QVERIFY(!scene.removeGraphicsItem(moved));
        QVERIFY(scene.graphicsItems().isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(!TestItem::live().contains(moved));
        QCOMPARE(TestItem::doubleDeletes(), 0);
        QCOMPARE(rec.count(), 0);
    }

    void destructorDeletesEverything()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        auto *scene = new TestScene(&project);
        auto *kept = new TestItem(scene);
        new TestItem(scene, kept);
        auto *removed = new TestItem(scene);
        QVERIFY(scene->addGraphicsItem(kept));
        QVERIFY(scene->addGraphicsItem(removed));
        QVERIFY(scene->removeGraphicsItem(removed));
        const int before = TestItem::live().size();
        delete scene;
        QCOMPARE(TestItem::live().size(), before - 3);
        QCOMPARE(TestItem::doubleDeletes(), 0);
        // The pending single shot died with the sheet.
        QCoreApplication::processEvents();
        QCOMPARE(rec.count(), 0);

        // An item deleted by someone else leaves the sheet's lists.
        TestScene other(&project);
        auto *item = new TestItem(&other);
        QVERIFY(other.addGraphicsItem(item));
        delete item;
        QVERIFY(other.graphicsItems().isEmpty());
    }

    void selection()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QList<TestItem *> items;
        for (int i = 0; i < 20; ++i) {
            items << new TestItem(&scene);
            QVERIFY(scene.addGraphicsItem(items.last()));
        }
        auto *child = new TestItem(&scene, items[4]);
        QSignalSpy changed(scene.liveScene(), &QGraphicsScene::selectionChanged);
        scene.selectAllItems();
        QCOMPARE(changed.count(), 1);
        QVERIFY(child->isSelected());
        QVERIFY(scene.hasSelection());

        // Always in the order the items joined the sheet.
        const QList<GraphicsItem *> selected = scene.selectedGraphicsItems();
        QCOMPARE(selected.size(), 21);
        QCOMPARE(selected[4], items[4]);
        QCOMPARE(selected[5], items[5]);
        QCOMPARE(selected[19], items[19]);
        QCOMPARE(selected[20], child);

        scene.clearSelectionFast();
        QCOMPARE(changed.count(), 1);
        QVERIFY(!scene.hasSelection());
        QVERIFY(!child->isSelected());

        const QList<GraphicsItem *> all{items[0], items[1]};
        QVERIFY(GraphicsScene::primitiveItems(all).isEmpty());
        QCOMPARE(scene.cursorScenePos(), QPointF(0, 0));

        // Items apart keep their selection when the scene made to search,
        // print or show them goes again.
        TestScene apart(&project);
        apart.keepItemsApart();
        auto *kept = new TestItem(&apart);
        QVERIFY(apart.addGraphicsItem(kept));
        kept->setSelectedTree(true);
        QCOMPARE(apart.items(QRectF(0, 0, 10, 10)), QList<GraphicsItem *>{kept});
        render(apart);
        QVERIFY(!apart.liveSceneIfAny() && kept->isSelected());
        QCOMPARE(apart.liveScene()->selectedItems().size(), 1);
        QCOMPARE(rec.count(), 0);
    }

    void renderA4()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        project.setProjectProperty(0, "TR-118");
        project.setProjectProperty(1, "Relay cabinet of the station Kyiv-Pasazhyrskyi, power supply");
        project.setProjectProperty(2, "Kyiv");
        project.setProjectProperty(3, "R-LAY");
        project.setProjectProperty(4, "Petrenko");
        project.setProjectProperty(10, "Ivanenko");
        project.setProjectProperty(16, "P");
        project.setProjectProperty(17, "01.26");
        TestScene scene(&project);
        scene.setSheetFormat(GraphicsScene::PaperA4, false, 1);
        scene.setBorderType(GraphicsScene::BorderBig);
        scene.setName("Power supply");
        scene.setNumber(3);
        auto *item = new TestItem(&scene);
        QVERIFY(scene.addGraphicsItem(item));
        item->setPosQuiet(QPointF(1000, 1000));
        item->setSelected(true);

        const QImage image = render(scene);
        if (qEnvironmentVariableIsSet("RLAY_SAVE_RENDERS"))
            image.save(QDir::temp().filePath("rlay_a4.png"));
        QCOMPARE(currentFontSet(), 0);

        // Frame (200, 50)-(2050, 2920).
        QVERIFY(isDark(image, px(200, 1000).x(), px(200, 1000).y()));
        QVERIFY(isDark(image, px(2050, 1000).x(), px(2050, 1000).y()));
        QVERIFY(isDark(image, px(1000, 50).x(), px(1000, 50).y()));
        QVERIFY(isDark(image, px(1000, 2920).x(), px(1000, 2920).y()));
        QVERIFY(!isDark(image, px(210, 1000).x(), px(210, 1000).y()));
        QVERIFY(!isDark(image, px(190, 1000).x(), px(190, 1000).y()));
        QVERIFY(!isDark(image, px(1000, 40).x(), px(1000, 40).y()));

        // Big stamp at (200, 2370): its top line, the vertical at 650, the
        // thin line at 50 and the line at 1350 in the right part.
        QVERIFY(isDark(image, px(1500, 2370).x(), px(1500, 2370).y()));
        QVERIFY(!isDark(image, px(1500, 2360).x(), px(1500, 2360).y()));
        QVERIFY(isDark(image, px(850, 2600).x(), px(850, 2600).y()));
        QVERIFY(isDark(image, px(230, 2420).x(), px(230, 2420).y()));
        QVERIFY(isDark(image, px(1550, 2750).x(), px(1550, 2750).y()));
        QVERIFY(!isDark(image, px(1540, 2750).x(), px(1540, 2750).y()));

        // Binding table: upward along the left edge, captions outermost.
        QVERIFY(isDark(image, px(80, 2500).x(), px(80, 2500).y()));
        QVERIFY(isDark(image, px(130, 2500).x(), px(130, 2500).y()));
        QVERIFY(isDark(image, px(170, 2670).x(), px(170, 2670).y()));
        QVERIFY(isDark(image, px(170, 2070).x(), px(170, 2070).y()));
        QVERIFY(!isDark(image, px(80, 2000).x(), px(80, 2000).y()));
        QVERIFY(!isDark(image, px(60, 2500).x(), px(60, 2500).y()));

        // The item is drawn where it stands, without a selection frame.
        const QRgb edge = image.pixel(px(1000, 990));
        QCOMPARE(qRed(edge), 255);
        QVERIFY(qGreen(edge) < 64);
        QVERIFY(!isDark(image, px(1000, 1000).x(), px(1000, 1000).y()));

        // No grid without a step.
        QVERIFY(!isDark(image, px(400, 400).x(), px(400, 400).y()));
        QCOMPARE(rec.count(), 0);
    }

    void renderA3WithGrid()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setSheetFormat(GraphicsScene::PaperA3, true, 1);
        scene.setBorderType(GraphicsScene::BorderSmall);
        scene.setName("Cabinet");
        scene.setNumber(12);
        scene.setGridStep(100);

        const bool hidden = hideHelp;
        hideHelp = false;
        const QImage image = render(scene);
        if (qEnvironmentVariableIsSet("RLAY_SAVE_RENDERS"))
            image.save(QDir::temp().filePath("rlay_a3.png"));

        // Frame (200, 50)-(4150, 2920); small stamp at (2300, 2770).
        QVERIFY(isDark(image, px(200, 1000).x(), px(200, 1000).y()));
        QVERIFY(isDark(image, px(4150, 1000).x(), px(4150, 1000).y()));
        QVERIFY(isDark(image, px(3000, 2770).x(), px(3000, 2770).y()));
        QVERIFY(!isDark(image, px(3000, 2760).x(), px(3000, 2760).y()));
        QVERIFY(isDark(image, px(4050, 2850).x(), px(4050, 2850).y()));
        QVERIFY(isDark(image, px(4100, 2840).x(), px(4100, 2840).y()));
        QVERIFY(isDark(image, px(2400, 2820).x(), px(2400, 2820).y()));

        // Grid dots on the multiples of the step, none on the zero lines.
        QVERIFY(isDark(image, px(400, 400).x(), px(400, 400).y()));
        QVERIFY(!isDark(image, px(450, 400).x(), px(450, 400).y()));
        QVERIFY(!isDark(image, px(0, 400).x(), px(0, 400).y()));

        hideHelp = true;
        const QImage clean = render(scene);
        QVERIFY(!isDark(clean, px(400, 400).x(), px(400, 400).y()));
        QVERIFY(isDark(clean, px(200, 1000).x(), px(200, 1000).y()));
        hideHelp = hidden;

        // Binding at the top: the table lies above the frame's left end.
        scene.setBindingPosition(GraphicsScene::BindingTop);
        scene.setGridStep(0);
        const QImage top = render(scene);
        QVERIFY(isDark(top, px(1000, 200).x(), px(1000, 200).y()));
        QVERIFY(isDark(top, px(50, 1000).x(), px(50, 1000).y()));
        QVERIFY(isDark(top, px(500, 80).x(), px(500, 80).y()));
        QVERIFY(isDark(top, px(500, 130).x(), px(500, 130).y()));
        QVERIFY(isDark(top, px(300, 170).x(), px(300, 170).y()));
        QVERIFY(!isDark(top, px(1000, 80).x(), px(1000, 80).y()));
        QCOMPARE(rec.count(), 0);
    }

    void renderScalesByTheSmallerRatio()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setSheetFormat(GraphicsScene::PaperA4, false, 1);
        // Twice as wide as the sheet: scaled by the height, not centred.
        QImage image(4240, 3010, QImage::Format_RGB32);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        QPainter painter(&image);
        scene.renderTo(&painter);
        painter.end();
        QVERIFY(isDark(image, px(2050, 1000).x(), px(2050, 1000).y()));
        QVERIFY(!isDark(image, px(3000, 50).x(), px(3000, 50).y()));

        // A sheet without width draws nothing.
        TestScene empty(&project);
        QImage blank(100, 100, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QPainter p2(&blank);
        empty.renderTo(&p2);
        p2.end();
        QCOMPARE(blank.pixel(50, 50), QColor(Qt::white).rgb());
    }

    void printDialogTitle()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setNumber(4);
        scene.printScene();
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.shown.first().title, QString("Print page 04"));
    }
};

QTEST_MAIN(TestGraphicsScene)
#include "tst_graphicsscene.moc"
