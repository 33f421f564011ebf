#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/font.h"
#include "graphics/frameworkitem.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "model/datastream.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

namespace {

const int testType = QGraphicsItem::UserType + 50;

class TestItem : public GraphicsItem
{
public:
    TestItem(GraphicsScene *scene, int flags, GraphicsItem *parent = nullptr)
        : GraphicsItem(scene, parent, flags)
    {
        setFlag(ItemIsSelectable, true);
        setFlag(ItemIsMovable, true);
    }

    int type() const override { return testType; }
    QRectF boundingRect() const override { return QRectF(-20, -10, 40, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void transformChanged() override
    {
        ++transformChanges;
        GraphicsItem::transformChanged();
    }

    // The framework's handlers, reachable from the tests.
    using GraphicsItem::mouseDoubleClickEvent;
    using GraphicsItem::mouseMoveEvent;

    int transformChanges = 0;
};

class TestDialog : public DlgPropGraphicsItem
{
public:
    explicit TestDialog(GraphicsScene *scene)
        : DlgPropGraphicsItem(scene)
    {
    }
    void loadFromItem(GraphicsItem *item) override { loaded << item; }
    void saveToItem(GraphicsItem *item) override { saved << item; }

    static QList<GraphicsItem *> loaded;
    static QList<GraphicsItem *> saved;
};
QList<GraphicsItem *> TestDialog::loaded;
QList<GraphicsItem *> TestDialog::saved;

class TestScene : public GraphicsScene
{
public:
    explicit TestScene(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }
    int groupNumber() const override { return 0; }
    GraphicsItem *createItem(int type) override
    {
        return type == testType ? new TestItem(this, 0) : GraphicsScene::createItem(type);
    }
    DlgPropGraphicsItem *createDialog(int type) override
    {
        return type == testType && withDialog ? new TestDialog(this) : GraphicsScene::createDialog(type);
    }
    bool withDialog = false;
};

TestItem *addItem(TestScene &scene, int flags, const QPointF &pos)
{
    auto *item = new TestItem(&scene, flags);
    scene.addGraphicsItem(item);
    item->setPosQuiet(pos);
    return item;
}

void drag(TestScene &scene, TestItem *item, const QPointF &to, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
          Qt::MouseButtons buttons = Qt::LeftButton)
{
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setButtons(buttons);
    move.setButtonDownPos(Qt::LeftButton, QPointF(0, 0));
    move.setPos(to);
    move.setModifiers(modifiers);
    move.setAccepted(true);
    scene.liveScene()->sendEvent(item->frameworkItem(), &move);
}

QByteArray geometryOf(GraphicsItem *item)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    item->saveGeometry(out);
    return bytes;
}

void loadGeometry(GraphicsItem *item, QByteArray bytes)
{
    DataStream in(&bytes, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    item->loadGeometry(in);
    QVERIFY(in.atEnd());
}

// Dark pixels in the upper and the lower half of an area.
QPair<int, int> darkHalves(const QImage &image, const QRect &area)
{
    int upper = 0;
    int lower = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                (y < area.center().y() ? upper : lower)++;
        }
    }
    return {upper, lower};
}

} // namespace

class TestGraphicsItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void geometryRecordBytes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestItem *item = addItem(scene, 0, QPointF(12.5, -40));
        QCOMPARE(geometryOf(item).toHex(), QByteArray("4029000000000000c04400000000000000"));

        item->setMatrixQuiet(GraphicsItem::matrixOf(3, true), false);
        QCOMPARE(geometryOf(item).toHex(), QByteArray("4029000000000000c04400000000000001" "03" "01"));

        TestItem other(&scene, 0);
        loadGeometry(&other, geometryOf(item));
        QCOMPARE(other.pos(), QPointF(12.5, -40));
        QCOMPARE(other.rotationIndex(), 3);
        QVERIFY(other.isMirrored());

        // An untransformed record leaves the identity.
        item->setMatrixQuiet(QTransform(), false);
        loadGeometry(&other, geometryOf(item));
        QVERIFY(other.transform().isIdentity());

        // Reading a position neither snaps nor marks the sheet.
        scene.setGridStep(40);
        scene.setModified(false);
        TestItem fresh(&scene, 0);
        loadGeometry(&fresh, QByteArray::fromHex("4029000000000000c04400000000000000"));
        QCOMPARE(fresh.pos(), QPointF(12.5, -40));
        QVERIFY(!scene.isModified());
        QCOMPARE(rec.count(), 0);
    }

    void rotationAndMirrorFromTheMatrix()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        for (int index = 0; index < 4; ++index) {
            for (bool mirrored : {false, true}) {
                const QTransform matrix = GraphicsItem::matrixOf(index, mirrored);
                QCOMPARE(GraphicsItem::rotationIndexOf(matrix), index);
                QCOMPARE(GraphicsItem::isMirroredMatrix(matrix), mirrored);
                QCOMPARE(GraphicsItem::isTurnedMatrix(matrix), index % 2 == 1);

                TestItem item(&scene, 0);
                item.setMatrixQuiet(matrix, false);
                TestItem copy(&scene, 0);
                loadGeometry(&copy, geometryOf(&item));
                QCOMPARE(copy.rotationIndex(), index);
                QCOMPARE(copy.isMirrored(), mirrored);
                QCOMPARE(copy.transform(), matrix);
            }
        }
        // The rules on the plain entries.
        QCOMPARE(GraphicsItem::rotationIndexOf(QTransform(-1, 0, 0, 1, 0, 0)), 0);
        QVERIFY(GraphicsItem::isMirroredMatrix(QTransform(-1, 0, 0, 1, 0, 0)));
        QCOMPARE(GraphicsItem::rotationIndexOf(QTransform(1, 0, 0, -1, 0, 0)), 2);
        QVERIFY(GraphicsItem::isMirroredMatrix(QTransform(1, 0, 0, -1, 0, 0)));
        QCOMPARE(GraphicsItem::rotationIndexOf(QTransform(-1, 0, 0, -1, 0, 0)), 2);
        QVERIFY(!GraphicsItem::isMirroredMatrix(QTransform(-1, 0, 0, -1, 0, 0)));
        QCOMPARE(GraphicsItem::rotationIndexOf(QTransform(0, 1, 1, 0, 0, 0)), 1);
        QVERIFY(GraphicsItem::isMirroredMatrix(QTransform(0, 1, 1, 0, 0, 0)));
        QCOMPARE(GraphicsItem::rotationIndexOf(QTransform(0, -1, 1, 0, 0, 0)), 3);
        QVERIFY(!GraphicsItem::isMirroredMatrix(QTransform(0, -1, 1, 0, 0, 0)));
    }

    void rotateAndMirror()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestItem *item = addItem(scene, 7, QPointF(400, 400));
        auto *child = new TestItem(&scene, 0, item);
        child->setPos(100, 0);
        scene.setModified(false);

        item->rotateBy(1, true);
        QCOMPARE(item->rotationIndex(), 1);
        QVERIFY(!item->isMirrored());
        // Clockwise on the screen: the child to the right goes below.
        QCOMPARE(child->scenePos(), QPointF(400, 500));
        QCOMPARE(item->transformChanges, 1);
        QCOMPARE(child->transformChanges, 1);
        // A turn is a change of the document.
        QVERIFY(scene.isModified());

        item->rotateBy(2, false);
        QCOMPARE(item->rotationIndex(), 3);
        item->rotateBy(1, true);
        QVERIFY(item->transform().isIdentity());
        item->rotateBy(0, true);
        QCOMPARE(item->transformChanges, 3);

        item->mirror(false);
        QCOMPARE(item->rotationIndex(), 0);
        QVERIFY(item->isMirrored());
        QCOMPARE(item->transformChanges, 3);
        // The child's place follows, the child itself stays readable.
        QCOMPARE(child->scenePos(), QPointF(300, 400));
        QVERIFY(child->isMirrored());
        QVERIFY(!GraphicsItem::isMirroredMatrix(child->sceneTransform()));

        item->mirror(false);
        QVERIFY(item->transform().isIdentity());
        item->mirror(true);
        QCOMPARE(item->rotationIndex(), 2);
        QVERIFY(item->isMirrored());
        QCOMPARE(item->transformChanges, 4);
        QCOMPARE(child->scenePos(), QPointF(500, 400));
        QVERIFY(!GraphicsItem::isMirroredMatrix(child->sceneTransform()));
        // A mirrored item turns as asked on the screen too.
        item->rotateBy(1, true);
        QCOMPARE(child->scenePos(), QPointF(400, 500));
        item->rotateBy(1, false);
        QCOMPARE(child->scenePos(), QPointF(500, 400));
        QCOMPARE(rec.count(), 0);
    }

    // A chain of items, each placed anywhere and turned, mirrored, skewed or
    // not: the scene matrix is the product of each item's own up the chain.
    void sceneTransformOverRandomChains()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QRandomGenerator rng(7);
        const QTransform kinds[] = {QTransform(), QTransform(0, 1, -1, 0, 0, 0), QTransform(-1, 0, 0, 1, 0, 0),
                                    QTransform(1, 0.5, 0, 1, 0, 0)};
        for (int round = 0; round < 200; ++round) {
            QList<TestItem *> chain{addItem(scene, 0, QPointF())};
            for (int depth = 1 + rng.bounded(4); depth > 0; --depth)
                chain << new TestItem(&scene, 0, chain.last());
            QTransform expected;
            for (TestItem *item : chain) {
                item->setPos(rng.bounded(3) ? rng.bounded(800) - 400.25 : 0.0, rng.bounded(3) ? rng.bounded(800) : 0.0);
                item->setTransform(kinds[rng.bounded(3) ? 0 : rng.bounded(4)]);
            }
            for (const TestItem *item : chain)
                expected = item->transform() * QTransform::fromTranslate(item->pos().x(), item->pos().y()) * expected;
            QCOMPARE(chain.last()->sceneTransform(), expected);
            delete chain.first();
        }
    }

    void snapInItemChange()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setGridStep(40);
        TestItem *item = addItem(scene, 0, QPointF(0, 0));
        scene.setModified(false);
        item->setPos(59, 61);
        QCOMPARE(item->pos(), QPointF(40, 80));
        QVERIFY(scene.isModified());
        scene.setModified(false);
        item->setPos(41, 79);
        QCOMPARE(item->pos(), QPointF(40, 80));
        QVERIFY(!scene.isModified());

        TestItem *free = addItem(scene, GraphicsItem::FreePlacement, QPointF(0, 0));
        free->setPos(59, 61);
        QCOMPARE(free->pos(), QPointF(59, 61));
        auto *child = new TestItem(&scene, 0, item);
        child->setPos(59, 61);
        QCOMPARE(child->pos(), QPointF(59, 61));

        // Without a grid the position stays as asked; the sheet is marked
        // only when it changes.
        scene.setGridStep(0);
        scene.setModified(false);
        item->setPos(41, 79);
        QCOMPARE(item->pos(), QPointF(41, 79));
        QVERIFY(scene.isModified());

        // The quiet setters never snap.
        scene.setGridStep(40);
        scene.setModified(false);
        item->setPosQuiet(QPointF(59, 61));
        QCOMPARE(item->pos(), QPointF(59, 61));
        QVERIFY(scene.isModified());
        item->moveByQuiet(QPointF(1, 1));
        QCOMPARE(item->pos(), QPointF(60, 62));
        scene.setModified(false);
        item->setZQuiet(5);
        QCOMPARE(item->zValue(), 5.0);
        QVERIFY(!scene.isModified());
        item->setMatrixQuiet(QTransform(), false);
        QVERIFY(!scene.isModified());
        // Combined: the given matrix first, then the current one.
        item->setMatrixQuiet(GraphicsItem::matrixOf(1, false), false);
        item->setMatrixQuiet(QTransform().scale(-1, 1), true);
        QCOMPARE(item->transform(), QTransform().scale(-1, 1) * GraphicsItem::matrixOf(1, false));
        QVERIFY(scene.isModified());
        QCOMPARE(rec.count(), 0);
    }

    void movingTheSelection()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setGridStep(40);
        TestItem *device = addItem(scene, 0, QPointF(400, 400));
        TestItem *line = addItem(scene, GraphicsItem::FreePlacement, QPointF(1000, 1000));
        device->setSelected(true);
        line->setSelected(true);
        scene.setModified(false);

        drag(scene, device, QPointF(45, 3));
        QCOMPARE(device->pos(), QPointF(440, 400));
        QCOMPARE(line->pos(), QPointF(1040, 1000));
        QCOMPARE(device->transformChanges, 1);
        QCOMPARE(line->transformChanges, 1);
        QVERIFY(scene.isModified());

        // Ctrl frees only a selection of free items.
        drag(scene, device, QPointF(45, 3), Qt::ControlModifier);
        QCOMPARE(device->pos(), QPointF(480, 400));
        QCOMPARE(line->pos(), QPointF(1080, 1000));

        device->setSelected(false);
        TestItem *text = addItem(scene, GraphicsItem::FreePlacement, QPointF(200, 200));
        text->setSelected(true);
        drag(scene, text, QPointF(45, 3), Qt::ControlModifier);
        QCOMPARE(text->pos(), QPointF(245, 203));
        QCOMPARE(line->pos(), QPointF(1125, 1003));
        drag(scene, text, QPointF(45, 3));
        QCOMPARE(text->pos(), QPointF(280, 200));
        QCOMPARE(line->pos(), QPointF(1160, 1000));

        // Nothing moves without the left button or below half a step.
        drag(scene, text, QPointF(45, 3), Qt::NoModifier, Qt::RightButton);
        QCOMPARE(text->pos(), QPointF(280, 200));
        const int changes = text->transformChanges;
        drag(scene, text, QPointF(10, 10));
        QCOMPARE(text->pos(), QPointF(280, 200));
        QCOMPARE(text->transformChanges, changes);

        // The grabbed item moves even when it is not selected.
        scene.clearSelection();
        drag(scene, device, QPointF(40, 40));
        QCOMPARE(device->pos(), QPointF(520, 440));
        QCOMPARE(line->pos(), QPointF(1160, 1000));
        QCOMPARE(rec.count(), 0);
    }

    void selectedChildMovesOnlyWithItsParent()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.setGridStep(40);
        TestItem *parent = addItem(scene, 0, QPointF(400, 400));
        auto *child = new TestItem(&scene, 0, parent);
        child->setPos(10, 10);
        auto *grandChild = new TestItem(&scene, 0, child);
        grandChild->setPos(5, 5);
        scene.selectAllItems();
        QCOMPARE(scene.selectedGraphicsItems().size(), 3);

        drag(scene, parent, QPointF(40, 0));
        QCOMPARE(parent->pos(), QPointF(440, 400));
        QCOMPARE(child->pos(), QPointF(10, 10));
        QCOMPARE(grandChild->pos(), QPointF(5, 5));
        QCOMPARE(child->scenePos(), QPointF(450, 410));
        // Each told once, through its parent.
        QCOMPARE(parent->transformChanges, 1);
        QCOMPARE(child->transformChanges, 1);
        QCOMPARE(grandChild->transformChanges, 1);
        QCOMPARE(rec.count(), 0);
    }

    void alignmentTranslation()
    {
        using namespace Qt;
        // Requested horizontal part: the result for rotation 0 to 3.
        const int left[2][4] = {{AlignLeft, AlignTop, AlignRight, AlignBottom},
                                {AlignRight, AlignTop, AlignLeft, AlignBottom}};
        const int right[2][4] = {{AlignRight, AlignBottom, AlignLeft, AlignTop},
                                 {AlignLeft, AlignBottom, AlignRight, AlignTop}};
        const int hcenter[4] = {AlignHCenter, AlignVCenter, AlignHCenter, AlignVCenter};
        const int top[2][4] = {{AlignTop, AlignRight, AlignBottom, AlignLeft},
                               {AlignTop, AlignLeft, AlignBottom, AlignRight}};
        const int bottom[2][4] = {{AlignBottom, AlignLeft, AlignTop, AlignRight},
                                  {AlignBottom, AlignRight, AlignTop, AlignLeft}};
        const int vcenter[4] = {AlignVCenter, AlignHCenter, AlignVCenter, AlignHCenter};
        for (int m = 0; m < 2; ++m) {
            for (int r = 0; r < 4; ++r) {
                const int hs[3] = {AlignLeft, AlignRight, AlignHCenter};
                const int hres[3] = {left[m][r], right[m][r], hcenter[r]};
                const int vs[3] = {AlignTop, AlignBottom, AlignVCenter};
                const int vres[3] = {top[m][r], bottom[m][r], vcenter[r]};
                for (int h = 0; h < 3; ++h) {
                    for (int v = 0; v < 3; ++v)
                        QCOMPARE(translateAlignment(hs[h] | vs[v], r, m == 1), hres[h] | vres[v]);
                }
            }
        }
        QCOMPARE(translateAlignment(AlignLeft | AlignTop, 1, false), int(AlignTop | AlignRight));
        // Other flag bits are dropped; an unrecognised part counts as centred.
        QCOMPARE(translateAlignment(AlignLeft | AlignTop | TextWordWrap, 2, false), int(AlignRight | AlignBottom));
        QCOMPARE(translateAlignment(AlignJustify, 0, false), int(AlignHCenter | AlignVCenter));
    }

    void textOfTurnedItems()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QFont f = font(8);
        const QString text = "TTT";

        // Turned by 90: the rectangle of Top|Right at the origin, turned back.
        TestItem turned(&scene, 0);
        turned.setMatrixQuiet(GraphicsItem::matrixOf(1, false), false);
        const QRectF box = QFontMetricsF(f).boundingRect(QRectF(0, 0, 0, 0), Qt::AlignTop | Qt::AlignRight, text);
        QCOMPARE(textRect(&turned, f, QPointF(5, 7), Qt::AlignLeft | Qt::AlignTop, text),
                 QRectF(5, 7, box.height(), box.width()));
        TestItem plain(&scene, 0);
        QCOMPARE(textRect(&plain, f, QPointF(5, 7), Qt::AlignLeft | Qt::AlignTop, text),
                 QFontMetricsF(f).boundingRect(QRectF(5, 7, 0, 0), Qt::AlignLeft | Qt::AlignTop, text));

        // Text reads upright whatever the turn: the bar of a T stays on top.
        for (int index = 0; index < 4; ++index) {
            for (bool mirrored : {false, true}) {
                TestItem item(&scene, 0);
                item.setMatrixQuiet(GraphicsItem::matrixOf(index, mirrored), false);
                QImage image(400, 400, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.translate(200, 200);
                painter.setTransform(item.transform(), true);
                painter.setFont(f);
                painter.setPen(Qt::black);
                drawTextAt(&item, &painter, QPointF(0, 0), Qt::AlignHCenter | Qt::AlignVCenter, text);
                painter.end();
                const QPair<int, int> halves = darkHalves(image, QRect(100, 150, 200, 100));
                QVERIFY2(halves.first > halves.second * 1.3,
                         qPrintable(QString("index %1 mirrored %2: %3 above, %4 below")
                                        .arg(index)
                                        .arg(mirrored)
                                        .arg(halves.first)
                                        .arg(halves.second)));
            }
        }
    }

    void textInRectCompensatesTheMirror()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        const QRectF cell(-100, -30, 200, 60);
        // Left|Top of the item: for a plain mirror the sheet's top right,
        // mirrored with a half turn the sheet's bottom left.
        for (int index = 0; index < 4; index += 2) {
            TestItem item(&scene, 0);
            item.setMatrixQuiet(GraphicsItem::matrixOf(index, true), false);
            QImage image(400, 400, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.translate(200, 200);
            painter.setTransform(item.transform(), true);
            painter.setFont(font(3));
            painter.setPen(Qt::black);
            drawTextInRect(&item, &painter, cell, Qt::AlignLeft | Qt::AlignTop, "TTT", false);
            painter.end();

            QRect ink;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qGray(image.pixel(x, y)) < 128)
                        ink |= QRect(x, y, 1, 1);
                }
            }
            QVERIFY(!ink.isEmpty());
            if (index == 0)
                QVERIFY(ink.left() >= 200 && ink.top() >= 170 && ink.center().y() < 200);
            else
                QVERIFY(ink.right() < 200 && ink.bottom() < 230 && ink.center().y() > 200);
            // Unmirrored and upright: the bars of the Ts are on top.
            const QPair<int, int> halves = darkHalves(image, ink);
            QVERIFY(halves.first > halves.second * 1.3);
        }
    }

    void cutRectAndSplitting()
    {
        QRectF strip;
        QCOMPARE(cutRect(QRectF(0, 0, 100, 50), 10, 2, &strip), QRectF(0, 10, 100, 40));
        QCOMPARE(strip, QRectF(0, 0, 100, 10));
        QCOMPARE(cutRect(QRectF(0, 0, 100, 50), 10, 0, &strip), QRectF(10, 0, 90, 50));
        QCOMPARE(strip, QRectF(0, 0, 10, 50));
        QCOMPARE(cutRect(QRectF(0, 0, 100, 50), 10, 1, &strip), QRectF(0, 0, 90, 50));
        QCOMPARE(strip, QRectF(90, 0, 10, 50));
        QCOMPARE(cutRect(QRectF(0, 0, 100, 50), 10, 3, &strip), QRectF(0, 0, 100, 40));
        QCOMPARE(strip, QRectF(0, 40, 100, 10));
        QCOMPARE(cutRect(QRectF(0, 0, 100, 50), 10, 7, nullptr), QRectF(0, 0, 100, 40));

        strip = QRectF(1, 2, 3, 4);
        QTest::ignoreMessage(QtDebugMsg, "x=0.000000 y=0.000000 w=-5.000000 h=5.000000");
        QCOMPARE(cutRect(QRectF(0, 0, -5, 5), 1, 0, &strip), QRectF(0, 0, -5, 5));
        QCOMPARE(strip, QRectF(1, 2, 3, 4));
        QTest::ignoreMessage(QtDebugMsg, "x=1.000000 y=2.000000 w=3.000000 h=4.000000");
        QCOMPARE(cutRect(QRectF(1, 2, 3, 4), 0, 0, &strip), QRectF(1, 2, 3, 4));

        QString left, right;
        QVERIFY(splitAtLastSeparator("K1-A-3", left, right));
        QCOMPARE(left, QString("K1-A"));
        QCOMPARE(right, QString("3"));
        QVERIFY(!splitAtLastSeparator("K1", left, right));
        QVERIFY(!splitAtLastSeparator("", left, right));
        QVERIFY(splitAtLastSeparator("-", left, right));
        QCOMPARE(left, QString());
        QCOMPARE(right, QString());
    }

    void crossAndSelectionFrame()
    {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 0));
        drawRectCross(&painter, QRectF(10, 10, 80, 80), false, true);
        QCOMPARE(image.pixel(50, 50), QColor(Qt::white).rgb());
        drawRectCross(&painter, QRectF(10, 10, 80, 80), false, false);
        QCOMPARE(QColor(image.pixel(50, 50)), QColor(Qt::darkGreen));
        QCOMPARE(painter.pen().color(), QColor(Qt::black));

        QStyleOptionGraphicsItem option;
        option.rect = QRect(5, 5, 20, 20);
        drawSelection(&painter, &option, nullptr);
        QCOMPARE(image.pixel(5, 15), QColor(Qt::white).rgb());
        option.state |= QStyle::State_Selected;
        drawSelection(&painter, &option, nullptr);
        auto blue = [&](int x, int y) {
            const QRgb pixel = image.pixel(x, y);
            return qBlue(pixel) == 255 && qRed(pixel) < 64 && qGreen(pixel) < 64;
        };
        QVERIFY(blue(5, 15));
        const QRectF frame(60, 5, 20, 20);
        QVERIFY(!blue(60, 15));
        drawSelection(&painter, &option, &frame);
        QVERIFY(blue(60, 15));
        QCOMPARE(painter.pen().color(), QColor(Qt::black));
        painter.end();
    }

    void selectedTree()
    {
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestItem *parent = addItem(scene, 0, QPointF(0, 0));
        auto *child = new TestItem(&scene, 0, parent);
        auto *fixed = new TestItem(&scene, 0, parent);
        fixed->setFlag(QGraphicsItem::ItemIsSelectable, false);
        QSignalSpy changed(scene.liveScene(), &QGraphicsScene::selectionChanged);
        parent->setSelectedTree(true);
        QVERIFY(parent->isSelected());
        QVERIFY(child->isSelected());
        QVERIFY(!fixed->isSelected());
        QCOMPARE(scene.selectedItems().size(), 2);
        QCOMPARE(changed.count(), 0);

        // An item already selected is left alone with its children.
        child->setSelectedTree(false);
        parent->setSelectedTree(true);
        QVERIFY(!child->isSelected());
        parent->setSelectedTree(false);
        QVERIFY(scene.selectedItems().isEmpty());
        QCOMPARE(changed.count(), 0);
    }

    void propertyDialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestItem *item = addItem(scene, 0, QPointF(0, 0));

        // No dialog for the type: reported, nothing else.
        item->showDialog();
        QCOMPARE(rec.count(), 2);
        QVERIFY(rec.texts().last().endsWith("Out of memory"));

        scene.withDialog = true;
        rec.clear();
        scene.setModified(false);
        item->showDialog();
        QCOMPARE(rec.count(), 1);
        QCOMPARE(TestDialog::loaded, QList<GraphicsItem *>{item});
        QVERIFY(TestDialog::saved.isEmpty());
        QVERIFY(!scene.isModified());

        rec.answer([](QDialog *dialog) {
            dialog->accept();
            return int(QDialog::Accepted);
        });
        QGraphicsSceneMouseEvent click(QEvent::GraphicsSceneMouseDoubleClick);
        click.setButton(Qt::LeftButton);
        item->mouseDoubleClickEvent(&click);
        QVERIFY(click.isAccepted());
        QCOMPARE(TestDialog::saved, QList<GraphicsItem *>{item});
        QVERIFY(scene.isModified());

        // A new item comes from the sheet only on OK, not yet on it.
        rec.answer([](QDialog *dialog) {
            dialog->accept();
            return int(QDialog::Accepted);
        });
        TestDialog dialog(&scene);
        GraphicsItem *created = dialog.execDialog(nullptr, testType);
        QVERIFY(created);
        QCOMPARE(created->type(), testType);
        QCOMPARE(created->scene(), nullptr);
        QCOMPARE(TestDialog::saved.last(), created);
        delete created;
        QCOMPARE(dialog.execDialog(nullptr, testType), nullptr);
    }
};

QTEST_MAIN(TestGraphicsItem)
#include "tst_graphicsitem.moc"
