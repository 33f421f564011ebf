#include "graphics/font.h"
#include "graphics/graphicspins.h"
#include "graphics/graphicsrect.h"
#include "graphics/graphicsscene.h"
#include "model/datastream.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

const int pinnedType = QGraphicsItem::UserType + 150;

// A pinned item with its pins in a row, 50 apart, centred on y = 0; a net
// (stretching) item takes the moves of its partners.
class TestPinned : public GraphicsPins
{
public:
    TestPinned(GraphicsScene *scene, int pins, bool wiring = false, GraphicsItem *parent = nullptr,
               bool stretches = false)
        : GraphicsPins(scene, parent, 7)
        , m_wiring(wiring)
        , m_stretches(stretches)
    {
        createPins(pins);
    }

    void createPins(int count) override
    {
        if (m_wiring)
            allocatePins<WiringPin>(count);
        else
            allocatePins<Pin>(count);
        for (int i = 0; i < count; ++i)
            pin(i)->moveCenter(QPointF(50 * i, 0));
    }

    int type() const override { return pinnedType; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 50.0 * qMax(pinCount(), 1) + 20, 20); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool) override { drawPins(painter, false); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *, QList<Pin *> &) override {}
    bool attachPin(Pin *own, const QPointF &centre) override
    {
        attached << qMakePair(own, centre);
        if (!m_stretches)
            return false;
        own->moveCenter(centre);
        return true;
    }

    QList<QPair<Pin *, QPointF>> attached;

private:
    bool m_wiring;
    bool m_stretches;
};

// A sheet that solders a pin to the first free pin of another item under it
// and sets the contact flag when another item's pin lies there.
class TestScene : public GraphicsScene
{
public:
    explicit TestScene(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }
    int groupNumber() const override { return 0; }

    void solderPin(Pin *pin, const QRectF &rect, GraphicsPins *item) override
    {
        soldered << pin;
        const QList<GraphicsItem *> found = items(rect, Qt::IntersectsItemBoundingRect, Qt::DescendingOrder);
        for (GraphicsItem *each : found) {
            auto *other = dynamic_cast<GraphicsPins *>(each);
            if (!other || other == item)
                continue;
            if (Pin *free = other->freePinAt(rect, pin)) {
                pin->solder(free);
                return;
            }
        }
    }

    void checkPinContact(Pin *pin, const QRectF &rect, GraphicsPins *item) override
    {
        contacts << qMakePair(pin, rect);
        bool touching = false;
        const QList<GraphicsItem *> found = items(rect, Qt::IntersectsItemBoundingRect, Qt::DescendingOrder);
        for (GraphicsItem *each : found) {
            auto *other = dynamic_cast<GraphicsPins *>(each);
            if (other && other != item && other->freePinAt(rect, pin))
                touching = true;
        }
        pin->setContactFlag(touching ? 1 : 0);
    }

    QList<Pin *> soldered;
    QList<QPair<Pin *, QRectF>> contacts;
};

TestPinned *place(TestScene &scene, int pins, const QPointF &pos, bool wiring = false, bool stretches = false)
{
    auto *item = new TestPinned(&scene, pins, wiring, nullptr, stretches);
    scene.addGraphicsItem(item);
    item->setPosQuiet(pos);
    return item;
}

QByteArray geometryOf(Project &project, const QList<GraphicsItem *> &items)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    Project::IdentityScope scope(project);
    for (GraphicsItem *item : items)
        item->saveGeometry(out);
    return bytes;
}

QColor colorAt(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

} // namespace

class TestGraphicsPins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void pinsAndTheirMarks()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestPinned *item = place(scene, 4, QPointF(0, 0));
        TestPinned *other = place(scene, 1, QPointF(500, 500));
        QVERIFY(item->pinCount() == 4);
        QCOMPARE(item->pin(0)->owner(), static_cast<PinOwner *>(item));
        QCOMPARE(item->pin(4), nullptr);
        QCOMPARE(item->pin(-1), nullptr);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);

        item->pin(1)->setContactFlag(1);
        QVERIFY(item->pin(2)->solder(other->pin(0)));
        item->pin(3)->moveCenter(noPosition);

        QImage image(300, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(50, 50);
        item->drawPins(&painter, false);
        QCOMPARE(painter.pen(), penGreen);
        painter.end();

        // A free pin: its outline; with the contact flag: filled red; a
        // soldered pin: nothing.
        QCOMPARE(colorAt(image, 50 - 7, 50), QColor(Qt::darkGreen));
        QCOMPARE(colorAt(image, 50, 50), QColor(Qt::white));
        QCOMPARE(colorAt(image, 100 - 7, 50), QColor(Qt::darkGreen));
        QCOMPARE(colorAt(image, 100, 50), QColor(Qt::red));
        QCOMPARE(colorAt(image, 150 - 7, 50), QColor(Qt::white));
        QCOMPARE(colorAt(image, 150, 50), QColor(Qt::white));

        // A pin without a position is not drawn.
        QImage far(100, 100, QImage::Format_RGB32);
        far.fill(Qt::white);
        QPainter farPainter(&far);
        farPainter.translate(50 - noPosition.x(), 50 - noPosition.y());
        item->drawPins(&farPainter, false);
        farPainter.end();
        QCOMPARE(colorAt(far, 50 - 7, 50), QColor(Qt::white));

        QCOMPARE(item->pinIndex(item->pin(2)), 2);
        QCOMPARE(item->pinIndex(other->pin(0)), -1);
        QCOMPARE(rec.count(), 1);
        QCOMPARE(item->firstFreePin(), item->pin(0));

        // Deleting an item frees its partners.
        scene.removeGraphicsItem(item);
        QCoreApplication::processEvents();
        QVERIFY(other->pin(0)->isFree());
    }

    void freePinUnderARectangle()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestPinned *item = place(scene, 3, QPointF(1000, 1000));
        TestPinned *other = place(scene, 1, QPointF(0, 0));
        QCOMPARE(item->freePinAt(QRectF(1048, 998, 4, 4), nullptr), item->pin(1));
        QCOMPARE(item->freePinAt(QRectF(1020, 998, 4, 4), nullptr), nullptr);
        // Soldered pins are not offered even where they lie.
        QVERIFY(item->pin(1)->solder(other->pin(0)));
        QCOMPARE(item->freePinAt(QRectF(1048, 998, 4, 4), nullptr), nullptr);
        QCOMPARE(item->firstFreePin(), item->pin(0));

        // Through the item's matrix: turned clockwise, pin 2 lies below.
        item->setMatrixQuiet(GraphicsItem::matrixOf(1, false), false);
        QCOMPARE(item->freePinAt(QRectF(998, 1098, 4, 4), nullptr), item->pin(2));
        QCOMPARE(item->pinSceneRect(item->pin(2)), QRectF(993, 1093, 14, 14));
        QCOMPARE(rec.count(), 0);
    }

    void joiningPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestPinned *device = place(scene, 2, QPointF(0, 0));
        TestPinned *net = place(scene, 2, QPointF(50, 0));
        TestPinned *far = place(scene, 1, QPointF(500, 0));
        auto *label = new TestPinned(&scene, 1, false, device);
        label->setPos(0, 100);
        TestPinned *under = place(scene, 1, QPointF(0, 100));

        device->joinAllPins();
        // Pin 1 of the device meets pin 0 of the net; pin 0 meets nothing.
        QCOMPARE(device->pin(1)->partner(), net->pin(0));
        QCOMPARE(net->pin(0)->partner(), device->pin(1));
        QVERIFY(device->pin(0)->isFree());
        QVERIFY(far->pin(0)->isFree());
        // The pinned child joined too.
        QCOMPARE(label->pin(0)->partner(), under->pin(0));
        QCOMPARE(scene.soldered, (QList<Pin *>{device->pin(0), device->pin(1), label->pin(0)}));

        // Joining again offers only the pins still free.
        scene.soldered.clear();
        device->joinAllPins();
        QCOMPARE(scene.soldered, QList<Pin *>{device->pin(0)});
        QCOMPARE(rec.count(), 0);
    }

    void unsoldering()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestPinned *device = place(scene, 2, QPointF(0, 0));
        TestPinned *selectedNet = place(scene, 1, QPointF(0, 0));
        TestPinned *otherNet = place(scene, 1, QPointF(50, 0));
        auto *child = new TestPinned(&scene, 1, false, device);
        TestPinned *childPartner = place(scene, 1, QPointF(0, 0));
        QVERIFY(device->pin(0)->solder(selectedNet->pin(0)));
        QVERIFY(device->pin(1)->solder(otherNet->pin(0)));
        QVERIFY(child->pin(0)->solder(childPartner->pin(0)));
        device->setSelected(true);
        selectedNet->setSelected(true);

        device->unsolderOutside();
        QCOMPARE(device->pin(0)->partner(), selectedNet->pin(0));
        QVERIFY(device->pin(1)->isFree());
        QVERIFY(otherNet->pin(0)->isFree());
        QVERIFY(child->pin(0)->isFree());

        // A partner without an owner is reported and dropped.
        Pin orphan;
        QVERIFY(device->pin(1)->solder(&orphan));
        device->unsolderOutside();
        QCOMPARE(rec.count(), 1);
        QVERIFY(device->pin(1)->isFree());

        QVERIFY(child->pin(0)->solder(childPartner->pin(0)));
        device->unsolderAll();
        QVERIFY(device->pin(0)->isFree());
        QVERIFY(selectedNet->pin(0)->isFree());
        QVERIFY(child->pin(0)->isFree());
    }

    void geometryWithPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestPinned *bare = place(scene, 0, QPointF(1, 2));
        // No pins: the item's own geometry record alone.
        QCOMPARE(geometryOf(project, {bare}).toHex(), QByteArray("3ff0000000000000400000000000000000"));

        TestPinned *device = place(scene, 2, QPointF(0, 0));
        TestPinned *net = place(scene, 1, QPointF(0, 0));
        QVERIFY(device->pin(0)->solder(net->pin(0)));
        const QByteArray bytes = geometryOf(project, {device, net});
        QCOMPARE(bytes.toHex(), QByteArray("0000000000000000000000000000000000"
                                           "00000001"
                                           "00000002"
                                           "00000003"
                                           "00000000"
                                           "0000000000000000000000000000000000"
                                           "00000002"
                                           "00000001"));

        // Read back into new items: the partners are linked once the whole
        // document is read.
        TestScene copy(&project);
        TestPinned *device2 = place(copy, 2, QPointF(5, 5));
        TestPinned *net2 = place(copy, 1, QPointF(5, 5));
        QByteArray in = bytes;
        DataStream stream(&in, QIODevice::ReadOnly);
        stream.setFormatIndex(DataStream::CurrentFormat);
        device2->loadGeometry(stream);
        net2->loadGeometry(stream);
        QVERIFY(stream.atEnd());
        QVERIFY(device2->pin(0)->isFree());
        QVERIFY(project.updatePinsPointers());
        QCOMPARE(device2->pin(0)->partner(), net2->pin(0));
        QCOMPARE(net2->pin(0)->partner(), device2->pin(0));
        QVERIFY(device2->pin(1)->isFree());
        QCOMPARE(device2->pos(), QPointF(0, 0));

        // Wiring pins add their links to the record.
        TestPinned *wired = place(scene, 1, QPointF(0, 0), true);
        TestPinned *wired2 = place(scene, 1, QPointF(0, 0), true);
        QVERIFY(static_cast<WiringPin *>(wired->pin(0))->linkTo(static_cast<WiringPin *>(wired2->pin(0))));
        QCOMPARE(geometryOf(project, {wired}).toHex(), QByteArray("0000000000000000000000000000000000"
                                                                  "00000004"
                                                                  "00000000"
                                                                  "02"
                                                                  "00000005"
                                                                  "00000000"));
        QCOMPARE(rec.count(), 0);
    }

    void connectedItemsFollow()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestPinned *device = place(scene, 2, QPointF(0, 0));
        TestPinned *net = place(scene, 2, QPointF(-100, 0), false, true);
        QVERIFY(device->pin(0)->solder(net->pin(1)));

        device->setPosQuiet(QPointF(0, 40));
        device->transformChanged();
        QCOMPARE(net->attached.size(), 1);
        QCOMPARE(net->attached.first().first, net->pin(1));
        // The end follows, in the net's own coordinates.
        QCOMPARE(net->attached.first().second, QPointF(100, 40));
        QCOMPARE(net->pinSceneRect(net->pin(1)).center(), QPointF(0, 40));
        // The free pin had its contact tested where it now lies.
        QCOMPARE(scene.contacts.size(), 1);
        QCOMPARE(scene.contacts.first().first, device->pin(1));
        QCOMPARE(scene.contacts.first().second, QRectF(43, 33, 14, 14));

        // Moving together: the net is left alone.
        net->setSelected(true);
        device->setPosQuiet(QPointF(0, 80));
        device->transformChanged();
        QCOMPARE(net->attached.size(), 1);

        // A free pin landing on another item's free pin is flagged.
        TestPinned *lone = place(scene, 1, QPointF(50, 200));
        device->setPosQuiet(QPointF(0, 200));
        device->transformChanged();
        QCOMPARE(device->pin(1)->contactFlag(), quint8(1));
        device->setPosQuiet(QPointF(0, 300));
        device->transformChanged();
        QCOMPARE(device->pin(1)->contactFlag(), quint8(0));
        Q_UNUSED(lone);

        // Turning drags the end along as well.
        net->setSelected(false);
        device->rotateBy(1, true);
        QCOMPARE(net->attached.last().second, net->mapFromScene(device->pinSceneRect(device->pin(0)).center()));
        QCOMPARE(rec.count(), 0);
    }

    void namesAndKinds()
    {
        ModalRecorder rec;
        QCOMPARE(joinName("", "A1"), QString("A1"));
        QCOMPARE(joinName("K1", "A1"), QString("K1-A1"));
        QCOMPARE(joinWithSeparator("", ""), QString("-"));
        QCOMPARE(joinWithSeparator("K1", "3"), QString("K1-3"));
        QCOMPARE(rec.count(), 0);
        QCOMPARE(joinName("K1", nullptr), QString());
        QCOMPARE(rec.count(), 1);

        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestPinned *item = place(scene, 1, QPointF(0, 0), true);
        static_cast<WiringPin *>(item->pin(0))->setName("A1");
        // The kind has no row in the registry of scheme items.
        QCOMPARE(pinLabel("K1", item->pin(0)), QString());
        QCOMPARE(rec.count(), 2);
        Pin loose;
        QCOMPARE(pinLabel("K1", &loose), QString());
        QCOMPARE(rec.count(), 3);

        QCOMPARE(toNonPrimitiveItem(item), item);
        QCOMPARE(toNonPrimitiveItem(nullptr), nullptr);
        GraphicsRect plain(&scene, nullptr);
        QCOMPARE(toNonPrimitiveItem(&plain), nullptr);
        QCOMPARE(item->address(), nullptr);
        QCOMPARE(item->pinName(item->pin(0), nullptr), QString());
        QVERIFY(!item->isConnected(item->pin(0), nullptr));
        QVERIFY(!item->GraphicsPins::attachPin(item->pin(0), QPointF()));
    }
};

QTEST_MAIN(TestGraphicsPins)
#include "tst_graphicspins.moc"
