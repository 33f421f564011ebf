// Connection items of schemes: the walks of the clew across nets, nodes,
// cross and slanting nets, copper plates and grounds; loops walked once;
// how a net follows a moved pin; the sections of nets and their records;
// the symbols and the property dialogs.

#include "graphics/dlgpropgraphicspins.h"
#include "graphics/font.h"
#include "model/datastream.h"
#include "model/project.h"
#include "model/obj.h"
#include "schemes/dlgpropcopperplate.h"
#include "schemes/dlgpropnet.h"
#include "schemes/dlgpropslantingnet.h"
#include "schemes/graphicscopperplate.h"
#include "schemes/graphicscrossnet.h"
#include "schemes/graphicsground.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicsslantingnet.h"
#include "schemes/net.h"
#include "schemes/pushbuttonslantingnet.h"
#include "schemes/scheme.h"
#include "graphics/rtreewidget.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QButtonGroup>
#include <QPainter>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace schemetest;

namespace {

// Moves an item as a drag in the editor does: quietly, then the change.
void moveBy(GraphicsItem *item, const QPointF &delta)
{
    item->setPosQuiet(item->pos() + delta);
    item->transformChanged();
}

QPointF centreOf(Pin *pin)
{
    auto *owner = dynamic_cast<GraphicsItem *>(pin->owner());
    return owner->mapToScene(pin->center());
}

// Every soldered pin lies where its partner lies.
bool partnersMeet(GraphicsScene &scene)
{
    for (GraphicsItem *item : scene.graphicsItems()) {
        GraphicsPins *pinned = toNonPrimitiveItem(item);
        for (int i = 0; pinned && i < pinned->pinCount(); ++i) {
            Pin *p = pinned->pin(i);
            if (p->partner() && QLineF(centreOf(p), centreOf(p->partner())).length() > 1e-9)
                return false;
        }
    }
    return true;
}

bool orthogonal(GraphicsNet *net)
{
    const QLineF l = net->line();
    return l.dx() == 0 || l.dy() == 0;
}

QByteArray dataOf(GraphicsItem *item)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    item->saveData(out);
    return bytes;
}

QStyleOptionGraphicsItem optionFor(GraphicsItem *item, bool selected)
{
    QStyleOptionGraphicsItem option;
    option.rect = item->boundingRect().toRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    return option;
}

// The drawing of a sheet as its file holds it: the items' data, then their
// geometry with the pins, in one identity scope.
QByteArray saveSheet(Project &project, Scheme &sheet)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    Project::IdentityScope scope(project);
    sheet.GraphicsScene::saveScene(out);
    sheet.GraphicsScene::saveItemsGeometry(out);
    return bytes;
}

bool loadSheet(Project &project, Scheme &sheet, const QByteArray &bytes)
{
    QByteArray copy = bytes;
    DataStream in(&copy, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    bool ok = sheet.GraphicsScene::loadScene(in) && sheet.updatePointers(true) && sheet.updatePointers(false);
    ok = sheet.GraphicsScene::loadItemsGeometry(in) && ok;
    ok = project.updatePinsPointers() && ok;
    return ok && in.atEnd();
}

} // namespace

class TestNets : public QObject
{
    Q_OBJECT

    std::unique_ptr<Project> m_project;
    std::unique_ptr<DeviceScheme> m_scheme;

    DeviceScheme &scheme() { return *m_scheme; }

private slots:
    void initTestCase()
    {
        createScreenFonts();
        Scheme::registerItemTypes();
    }
    void cleanupTestCase() { deleteFonts(); }

    void init()
    {
        m_project.reset(new Project(nullptr, nullptr));
        m_scheme.reset(new DeviceScheme(m_project.get()));
    }

    void cleanup()
    {
        m_scheme.reset();
        m_project.reset();
    }

    // -----------------------------------------------------------------
    // Walks

    void chainThroughNetNodeNet()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(0, 0));
        TestDevice *b = device(scheme(), QPointF(400, 0));
        GraphicsNet *first = net(scheme(), QPointF(80, 0), QPointF(200, 0));
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(200, 0));
        GraphicsNet *second = net(scheme(), QPointF(200, 0), QPointF(400, 0));
        a->pin(1)->solder(first->pin(0));
        first->pin(1)->solder(node->pin(0));
        node->pin(1)->solder(second->pin(0));
        second->pin(1)->solder(b->pin(0));

        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));
        QList<Pin *> pins;
        QList<GraphicsUnite *> items;
        a->pin(1)->collectNetAcross(pins, &items, 3);
        QCOMPARE(pins, QList<Pin *>({b->pin(0)}));
        QCOMPARE(items, QList<GraphicsUnite *>({second, node, first}));
        // Without a list of items the walk lists no items.
        pins.clear();
        a->pin(1)->collectNetAcross(pins, nullptr);
        QCOMPARE(pins.size(), 1);

        // Only pins of connection items are met by the question; a device
        // ends it.
        QVERIFY(first->isConnected(second->pin(1), first->pin(0)));
        QVERIFY(node->isConnected(second->pin(1), nullptr));
        QVERIFY(!first->isConnected(b->pin(0), first->pin(0)));
        QVERIFY(!first->isConnected(first->pin(0), first->pin(0)));
        // The free pins of the node belong to the clew too.
        QVERIFY(first->isConnected(node->pin(3), first->pin(0)));
        QCOMPARE(recorder.count(), 0);
    }

    void longChainIsWalkedWhole()
    {
        // Far longer than a walk that went deeper for each item could
        // follow: every walk reaches the far end.
        const int count = 200000;
        std::vector<std::unique_ptr<GraphicsNet>> chain;
        for (int i = 0; i < count; ++i) {
            chain.emplace_back(new GraphicsNet(&scheme()));
            if (i > 0)
                chain[i - 1]->pin(1)->solder(chain[i]->pin(0));
        }
        TestDevice *a = device(scheme(), QPointF(0, 0));
        TestDevice *b = device(scheme(), QPointF(400, 0));
        a->pin(1)->solder(chain.front()->pin(0));
        chain.back()->pin(1)->solder(b->pin(0));
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));
        QList<Pin *> pins;
        QList<GraphicsUnite *> items;
        a->pin(1)->collectNetAcross(pins, &items);
        QCOMPARE(pins, QList<Pin *>({b->pin(0)}));
        QCOMPARE(items.size(), count);
        QCOMPARE(items.first(), chain.back().get());
        QVERIFY(chain.front()->isConnected(chain.back()->pin(1), chain.front()->pin(0)));
        QVERIFY(!chain.front()->isConnected(b->pin(0), chain.front()->pin(0)));
        a->pin(1)->unsolder();
        b->pin(0)->unsolder();
    }

    void freeFarEndAddsNothing()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(0, 0));
        GraphicsNet *wire = net(scheme(), QPointF(80, 0), QPointF(200, 0));
        a->pin(1)->solder(wire->pin(0));
        QVERIFY(clew(a->pin(1)).isEmpty());
        QList<Pin *> pins;
        QList<GraphicsUnite *> items;
        a->pin(1)->collectNetAcross(pins, &items);
        QVERIFY(pins.isEmpty());
        QCOMPARE(items, QList<GraphicsUnite *>({wire}));
        QCOMPARE(recorder.count(), 0);
    }

    void nodeHandsOnToTheOtherPins()
    {
        ModalRecorder recorder;
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 400));
        QList<TestDevice *> devices;
        for (int i = 0; i < 3; ++i) {
            TestDevice *d = device(scheme(), QPointF(0, 80.0 * i));
            GraphicsNet *wire = net(scheme(), QPointF(80, 80.0 * i), QPointF(400, 400));
            d->pin(1)->solder(wire->pin(0));
            wire->pin(1)->solder(node->pin(i));
            devices << d;
        }
        QCOMPARE(clew(devices[0]->pin(1)), QList<Pin *>({devices[1]->pin(1), devices[2]->pin(1)}));
        QList<Pin *> pins;
        node->collectNetPins(node->pin(1), pins);
        QCOMPARE(pins, QList<Pin *>({devices[0]->pin(1), devices[2]->pin(1)}));
        QCOMPARE(recorder.count(), 0);
    }

    void copperPlateAndGroundEndTheClew()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(0, 0));
        auto *plate = put(scheme(), new GraphicsCopperPlate(&scheme()), QPointF(400, 0));
        TestDevice *beyond = device(scheme(), QPointF(600, 0));
        GraphicsNet *toPlate = net(scheme(), QPointF(80, 0), QPointF(400, 80));
        GraphicsNet *fromPlate = net(scheme(), QPointF(400, 0), QPointF(600, 0));
        a->pin(1)->solder(toPlate->pin(0));
        toPlate->pin(1)->solder(plate->pin(1));
        plate->pin(0)->solder(fromPlate->pin(0));
        fromPlate->pin(1)->solder(beyond->pin(0));
        // Entered at pin 1 it gives pin 1 only, with a net on pin 0.
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({plate->pin(1)}));
        QList<Pin *> pins;
        QList<GraphicsUnite *> items;
        a->pin(1)->collectNetAcross(pins, &items);
        QVERIFY(pins.isEmpty());
        QCOMPARE(items, QList<GraphicsUnite *>({toPlate}));
        QVERIFY(!plate->isConnected(beyond->pin(0), plate->pin(1)));
        // Never refused by its own free-pin search.
        plate->pin(0)->unsolder();
        QRectF at = plate->pinSceneRect(plate->pin(0));
        QCOMPARE(plate->freePinAt(at, plate->pin(1)), plate->pin(0));

        TestDevice *b = device(scheme(), QPointF(0, 400));
        auto *ground = put(scheme(), new GraphicsGround(&scheme()), QPointF(200, 400));
        GraphicsNet *toGround = net(scheme(), QPointF(80, 400), QPointF(200, 400));
        b->pin(1)->solder(toGround->pin(0));
        toGround->pin(1)->solder(ground->pin(0));
        QCOMPARE(clew(b->pin(1)), QList<Pin *>({ground->pin(0)}));
        pins.clear();
        b->pin(1)->collectNetAcross(pins, nullptr);
        QVERIFY(pins.isEmpty());
        QVERIFY(!ground->isConnected(b->pin(1), ground->pin(0)));
        QCOMPARE(GraphicsGround::groundText(), QString("GROUND"));

        // A foreign entry pin is a failed check and adds nothing.
        pins.clear();
        ground->collectNetPins(b->pin(0), pins);
        plate->collectNetPins(b->pin(0), pins);
        QVERIFY(pins.isEmpty());
        QCOMPARE(recorder.count(), 2);
    }

    void crossNetKeepsTwoClews()
    {
        ModalRecorder recorder;
        auto *cross = put(scheme(), new GraphicsCrossNet(&scheme()), QPointF(400, 400));
        QCOMPARE(cross->pin(0)->center(), QPointF(0, 0));
        QCOMPARE(cross->pin(1)->center(), QPointF(40, 0));
        QCOMPARE(cross->pin(2)->center(), QPointF(0, 40));
        QCOMPARE(cross->pin(3)->center(), QPointF(40, 40));
        QCOMPARE(cross->oppositePin(cross->pin(1)), cross->pin(2));
        QCOMPARE(cross->zValue(), 1.0);
        QCOMPARE(cross->boundingRect(), QRectF(-10.5, -10.5, 61, 61));

        QList<TestDevice *> d;
        QList<GraphicsNet *> wires;
        for (int i = 0; i < 4; ++i) {
            d << device(scheme(), QPointF(0, 200.0 * i));
            GraphicsNet *wire = net(scheme(), QPointF(80, 200.0 * i), centreOf(cross->pin(i)));
            d[i]->pin(1)->solder(wire->pin(0));
            wire->pin(1)->solder(cross->pin(i));
            wires << wire;
        }
        QCOMPARE(clew(d[0]->pin(1)), QList<Pin *>({d[3]->pin(1)}));
        QCOMPARE(clew(d[1]->pin(1)), QList<Pin *>({d[2]->pin(1)}));
        QList<Pin *> pins;
        cross->collectNetPins(cross->pin(2), pins);
        QCOMPARE(pins, QList<Pin *>({d[1]->pin(1)}));
        QList<GraphicsUnite *> items;
        pins.clear();
        d[0]->pin(1)->collectNetAcross(pins, &items);
        QCOMPARE(items.size(), 2); // the two nets; the crossing lists nothing
        QVERIFY(!items.contains(cross));
        QVERIFY(cross->isConnected(wires[3]->pin(0), cross->pin(0)));
        QVERIFY(cross->isConnected(cross->pin(3), cross->pin(0)));
        QVERIFY(!cross->isConnected(wires[1]->pin(0), cross->pin(0)));
        QVERIFY(!cross->isConnected(cross->pin(1), cross->pin(0)));
        // No entry pin is a failed check.
        QVERIFY(!cross->isConnected(d[1]->pin(1), nullptr));
        QCOMPARE(recorder.count(), 1);
    }

    void crossNetEnteredOnBothWires()
    {
        // One clew may pass both wires of a crossing: each is walked once.
        ModalRecorder recorder;
        auto *cross = put(scheme(), new GraphicsCrossNet(&scheme()), QPointF(400, 400));
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(200, 400));
        TestDevice *a = device(scheme(), QPointF(0, 0));
        TestDevice *far1 = device(scheme(), QPointF(800, 0));
        TestDevice *far2 = device(scheme(), QPointF(800, 200));
        GraphicsNet *in = net(scheme(), QPointF(80, 0), QPointF(200, 400));
        a->pin(1)->solder(in->pin(0));
        in->pin(1)->solder(node->pin(0));
        GraphicsNet *toCross0 = net(scheme(), QPointF(200, 400), centreOf(cross->pin(0)));
        GraphicsNet *toCross1 = net(scheme(), QPointF(200, 400), centreOf(cross->pin(1)));
        node->pin(1)->solder(toCross0->pin(0));
        node->pin(2)->solder(toCross1->pin(0));
        toCross0->pin(1)->solder(cross->pin(0));
        toCross1->pin(1)->solder(cross->pin(1));
        GraphicsNet *out3 = net(scheme(), centreOf(cross->pin(3)), QPointF(800, 0));
        GraphicsNet *out2 = net(scheme(), centreOf(cross->pin(2)), QPointF(800, 200));
        cross->pin(3)->solder(out3->pin(0));
        out3->pin(1)->solder(far1->pin(0));
        cross->pin(2)->solder(out2->pin(0));
        out2->pin(1)->solder(far2->pin(0));
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({far1->pin(0), far2->pin(0)}));
        QCOMPARE(recorder.count(), 0);
    }

    void slantingNetIsOneWay()
    {
        ModalRecorder recorder;
        auto *slanting = put(scheme(), new GraphicsSlantingNet(&scheme()), QPointF(400, 400));
        QCOMPARE(slanting->pinCount(), 0);
        slanting->setWide(true);
        QCOMPARE(slanting->pinCount(), 3);
        QCOMPARE(slanting->pin(1)->center(), QPointF(80, 0));
        QCOMPARE(slanting->pin(2)->center(), QPointF(40, 40));
        QCOMPARE(slanting->boundingRect(), QRectF(-10.5, -10.5, 101, 61));

        TestDevice *top0 = device(scheme(), QPointF(0, 0));
        TestDevice *top1 = device(scheme(), QPointF(0, 200));
        TestDevice *below = device(scheme(), QPointF(0, 800));
        GraphicsNet *n0 = net(scheme(), QPointF(80, 0), centreOf(slanting->pin(0)));
        GraphicsNet *n1 = net(scheme(), QPointF(80, 200), centreOf(slanting->pin(1)));
        GraphicsNet *n2 = net(scheme(), centreOf(slanting->pin(2)), QPointF(80, 800));
        top0->pin(1)->solder(n0->pin(0));
        n0->pin(1)->solder(slanting->pin(0));
        top1->pin(1)->solder(n1->pin(0));
        n1->pin(1)->solder(slanting->pin(1));
        slanting->pin(2)->solder(n2->pin(0));
        n2->pin(1)->solder(below->pin(1));

        // From above: the entry pin, then what lies below.
        QCOMPARE(clew(top0->pin(1)), QList<Pin *>({slanting->pin(0), below->pin(1)}));
        // From below: the branch pin, and the walk stops.
        QCOMPARE(clew(below->pin(1)), QList<Pin *>({slanting->pin(2)}));
        QList<Pin *> pins;
        QList<GraphicsUnite *> items;
        top0->pin(1)->collectNetAcross(pins, &items);
        QCOMPARE(pins, QList<Pin *>({below->pin(1)}));
        QCOMPARE(items, QList<GraphicsUnite *>({n2, n0}));
        pins.clear();
        items.clear();
        below->pin(1)->collectNetAcross(pins, &items);
        QVERIFY(pins.isEmpty());
        QCOMPARE(items, QList<GraphicsUnite *>({n2}));

        QVERIFY(slanting->isConnected(n0->pin(0), slanting->pin(2)));
        QVERIFY(slanting->isConnected(n1->pin(0), slanting->pin(2)));
        QVERIFY(slanting->isConnected(slanting->pin(1), slanting->pin(2)));
        QVERIFY(!slanting->isConnected(n1->pin(0), slanting->pin(0)));
        QVERIFY(!slanting->isConnected(slanting->pin(1), slanting->pin(0)));
        QVERIFY(slanting->isConnected(n2->pin(1), slanting->pin(0)));

        // Both top wires in one clew: the wire below is walked once.
        TestDevice *source = device(scheme(), QPointF(-400, 0));
        GraphicsNet *n3 = net(scheme(), QPointF(-320, 0), QPointF(80, 200));
        top1->pin(1)->unsolder();
        top1->pin(1)->solder(n3->pin(1));
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(-320, 0));
        source->pin(1)->solder(node->pin(0));
        node->pin(1)->solder(n3->pin(0));
        top0->pin(1)->unsolder();
        node->pin(2)->solder(n0->pin(0));
        n1->pin(0)->unsolder();
        node->pin(3)->solder(n1->pin(0));
        QCOMPARE(clew(source->pin(1)),
                 QList<Pin *>({top1->pin(1), slanting->pin(0), below->pin(1), slanting->pin(1)}));

        // Narrow: pin 1 straight above pin 2.
        slanting->setWide(false);
        QCOMPARE(slanting->pin(1)->center(), QPointF(40, 0));
        QCOMPARE(slanting->boundingRect(), QRectF(-10.5, -10.5, 61, 61));
        QVERIFY(n2->pin(0)->isFree());
        QCOMPARE(recorder.count(), 0);
    }

    void freePinRefusesALoop()
    {
        ModalRecorder recorder;
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 0));
        GraphicsNet *wire = net(scheme(), QPointF(400, 0), QPointF(400, 400));
        node->pin(0)->solder(wire->pin(0));
        // The net's far end already reaches the node's free pins.
        const QRectF at = node->pinSceneRect(node->pin(1));
        QCOMPARE(node->freePinAt(at, wire->pin(1)), nullptr);
        // A pin of another clew is offered the free pin.
        GraphicsNet *other = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        QCOMPARE(node->freePinAt(at, other->pin(1)), node->pin(1));
        // A device never refuses.
        TestDevice *d = device(scheme(), QPointF(400, 400));
        wire->pin(1)->solder(d->pin(0));
        QCOMPARE(d->freePinAt(d->pinSceneRect(d->pin(1)), wire->pin(0)), d->pin(1));
        QCOMPARE(recorder.count(), 0);
    }

    void sourcesOfOneNameAreOnePoint()
    {
        ModalRecorder recorder;
        auto *first = put(scheme(), new boundtest::TestSourceItem(&scheme()), QPointF(0, 0));
        auto *second = put(scheme(), new boundtest::TestSourceItem(&scheme()), QPointF(800, 0));
        Obj *tag = m_project->createDevice(SourceKind);
        tag->setName("+24");
        QVERIFY(tag->appendItem(first));
        QVERIFY(tag->appendItem(second));
        TestDevice *d = device(scheme(), QPointF(800, 400));
        GraphicsNet *wire = net(scheme(), QPointF(800, 0), QPointF(800, 400));
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(800, 400));
        second->pin(0)->solder(wire->pin(0));
        wire->pin(1)->solder(node->pin(0));
        node->pin(1)->solder(d->pin(0));
        QVERIFY(first->isConnected(node->pin(3), first->pin(0)));
        // Joining the two sources by a net would close a loop.
        GraphicsNet *loop = net(scheme(), QPointF(0, 0), QPointF(800, 400));
        const QRectF at = first->pinSceneRect(first->pin(0));
        QCOMPARE(first->freePinAt(at, loop->pin(0)), first->pin(0));
        loop->pin(1)->solder(node->pin(2));
        QCOMPARE(first->freePinAt(at, loop->pin(0)), nullptr);

        // Damaged: the two sources soldered to each other. The question
        // through the tag is asked once.
        node->pin(0)->unsolder();
        loop->pin(1)->unsolder();
        second->pin(0)->unsolder();
        first->pin(0)->solder(second->pin(0));
        QVERIFY(!first->isConnected(d->pin(0), first->pin(0)));
        QList<Pin *> keep;
        first->updateNetLinks(first->pin(0), keep);
        QCOMPARE(recorder.count(), 0);
    }

    // -----------------------------------------------------------------
    // Loops from damaged data are walked once

    void loopsAreWalkedOnce()
    {
        ModalRecorder recorder;
        auto *a = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 0));
        auto *b = put(scheme(), new GraphicsNode(&scheme()), QPointF(800, 0));
        GraphicsNet *upper = net(scheme(), QPointF(400, 0), QPointF(800, 0));
        GraphicsNet *lower = net(scheme(), QPointF(400, 0), QPointF(800, 0));
        TestDevice *start = device(scheme(), QPointF(0, 0));
        TestDevice *far = device(scheme(), QPointF(1200, 0));
        start->pin(1)->solder(a->pin(0));
        a->pin(1)->solder(upper->pin(0));
        upper->pin(1)->solder(b->pin(0));
        b->pin(1)->solder(lower->pin(1));
        lower->pin(0)->solder(a->pin(2));
        b->pin(2)->solder(far->pin(0));

        QCOMPARE(clew(start->pin(1)), QList<Pin *>({far->pin(0)}));
        QList<Pin *> pins;
        QList<GraphicsUnite *> items;
        start->pin(1)->collectNetAcross(pins, &items);
        QCOMPARE(pins, QList<Pin *>({far->pin(0)}));
        QCOMPARE(items.size(), 4);
        QCOMPARE(QSet<GraphicsUnite *>(items.begin(), items.end()).size(), 4);
        QVERIFY(a->isConnected(b->pin(3), a->pin(0)));
        QVERIFY(!a->isConnected(start->pin(0), a->pin(0)));
        QList<Pin *> keep;
        start->pin(1)->partner()->owner()->updateNetLinks(start->pin(1)->partner(), keep);
        // The same walk again: the marks of the first are gone.
        QCOMPARE(clew(start->pin(1)), QList<Pin *>({far->pin(0)}));

        // A net soldered to itself.
        GraphicsNet *self = net(scheme(), QPointF(0, 800), QPointF(400, 800));
        self->pin(0)->solder(self->pin(1));
        QVERIFY(!self->isConnected(start->pin(0), nullptr));
        pins.clear();
        self->collectNetPins(self->pin(0), pins);
        QVERIFY(pins.isEmpty());
        QCOMPARE(recorder.count(), 0);
    }

    void pastedLoopIsWalkedOnce()
    {
        ModalRecorder recorder;
        auto *a = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 0));
        auto *b = put(scheme(), new GraphicsNode(&scheme()), QPointF(800, 0));
        GraphicsNet *upper = net(scheme(), QPointF(400, 0), QPointF(800, 0));
        GraphicsNet *lower = net(scheme(), QPointF(400, 0), QPointF(800, 0));
        auto *cross = put(scheme(), new GraphicsCrossNet(&scheme()), QPointF(800, 400));
        GraphicsNet *round = net(scheme(), QPointF(800, 400), QPointF(840, 440));
        TestDevice *far = device(scheme(), QPointF(1200, 0));
        a->pin(1)->solder(upper->pin(0));
        upper->pin(1)->solder(b->pin(0));
        b->pin(1)->solder(lower->pin(1));
        lower->pin(0)->solder(a->pin(2));
        b->pin(2)->solder(far->pin(0));
        // A wire of the crossing led back into itself.
        cross->pin(0)->solder(round->pin(0));
        round->pin(1)->solder(cross->pin(3));

        const QList<GraphicsItem *> copied = scheme().graphicsItems();
        const QByteArray record = boundtest::copyItems(*m_project, scheme(), copied);
        DeviceScheme other(m_project.get());
        const QList<GraphicsItem *> pasted = boundtest::pasteItems(*m_project, other, record);
        QCOMPARE(pasted.size(), copied.size());
        auto *pastedA = dynamic_cast<GraphicsNode *>(pasted[0]);
        auto *pastedFar = dynamic_cast<TestDevice *>(pasted[6]);
        auto *pastedCross = dynamic_cast<GraphicsCrossNet *>(pasted[4]);
        QVERIFY(pastedA && pastedFar && pastedCross);
        QList<Pin *> pins;
        pastedA->collectNetPins(pastedA->pin(0), pins);
        QCOMPARE(pins, QList<Pin *>({pastedFar->pin(0)}));
        QVERIFY(!pastedCross->isConnected(pastedFar->pin(0), pastedCross->pin(0)));
        pins.clear();
        pastedCross->collectNetPins(pastedCross->pin(0), pins);
        QVERIFY(pins.isEmpty());
        QCOMPARE(recorder.count(), 0);
    }

    void followingRingOfNetsEnds()
    {
        // Three nets soldered end to end in a ring (a damaged record: their
        // ends do not meet, so none merges into the next). Each asks the
        // next to follow; the chain stops where it began.
        ModalRecorder recorder;
        GraphicsNet *a = straightNet(scheme(), QPointF(0, 0), QPointF(400, 0));
        GraphicsNet *b = straightNet(scheme(), QPointF(400, 10), QPointF(800, 10));
        GraphicsNet *c = straightNet(scheme(), QPointF(800, 20), QPointF(1200, 20));
        a->pin(1)->solder(b->pin(0));
        b->pin(1)->solder(c->pin(0));
        c->pin(1)->solder(a->pin(0));
        QVERIFY(a->attachPin(a->pin(0), QPointF(0, 50)));
        QCOMPARE(nets(scheme()).size(), 4);
        QCOMPARE(end(a, 0), QPointF(0, 50));
        QCOMPARE(end(b, 0), QPointF(400, 50));
        QCOMPARE(recorder.count(), 0);
    }

    // -----------------------------------------------------------------
    // A net follows its moved partner

    void followMergesIntoTheMovedNet()
    {
        ModalRecorder recorder;
        // N and M end to end on one line; M's far end on a device.
        GraphicsNet *n = net(scheme(), QPointF(0, 0), QPointF(200, 0));
        GraphicsNet *m = net(scheme(), QPointF(200, 0), QPointF(400, 0));
        TestDevice *d = device(scheme(), QPointF(400, 0));
        n->pin(1)->solder(m->pin(0));
        m->pin(1)->solder(d->pin(0));
        m->setSection(7);
        n->setSelected(true);
        moveBy(n, QPointF(80, 0));
        // M went; N now runs to the device, a wire as thick as M was.
        QVERIFY(!scheme().graphicsItems().contains(m));
        QCOMPARE(n->section(), 7);
        QVERIFY(soldered(n->pin(1), d->pin(0)));
        QCOMPARE(end(n, 0), QPointF(80, 0));
        QCOMPARE(end(n, 1), QPointF(400, 0));
        QVERIFY(m->pin(0)->isFree() && m->pin(1)->isFree());
        QVERIFY(partnersMeet(scheme()));
        QCOMPARE(recorder.count(), 0);
    }

    void followMergesWhenItWouldShrinkToNothing()
    {
        ModalRecorder recorder;
        GraphicsNet *n = net(scheme(), QPointF(0, 0), QPointF(0, 200));
        GraphicsNet *m = net(scheme(), QPointF(0, 200), QPointF(400, 200));
        n->pin(1)->solder(m->pin(0));
        QVERIFY(m->attachPin(m->pin(0), QPointF(400, 0)));
        QVERIFY(!scheme().graphicsItems().contains(m));
        QCOMPARE(end(n, 1), QPointF(400, 200));
        QCOMPARE(recorder.count(), 0);
    }

    void followMergesIntoTheNetBehind()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(0, 0));
        GraphicsNet *a = straightNet(scheme(), QPointF(80, 0), QPointF(80, 200));
        GraphicsNet *b = straightNet(scheme(), QPointF(80, 200), QPointF(400, 200));
        d->pin(1)->solder(a->pin(0));
        a->pin(1)->solder(b->pin(0));
        moveBy(d, QPointF(80, 200));
        QVERIFY(!scheme().graphicsItems().contains(a));
        QVERIFY(soldered(d->pin(1), b->pin(0)));
        QCOMPARE(end(b, 0), QPointF(160, 200));
        QCOMPARE(end(b, 1), QPointF(400, 200));
        QVERIFY(partnersMeet(scheme()));
        QCOMPARE(recorder.count(), 0);
    }

    void followStretchesAlongTheWire()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(0, 0));
        TestDevice *e = device(scheme(), QPointF(400, 0));
        GraphicsNet *wire = net(scheme(), QPointF(80, 0), QPointF(400, 0));
        d->pin(1)->solder(wire->pin(0));
        wire->pin(1)->solder(e->pin(0));
        moveBy(d, QPointF(-120, 0));
        QCOMPARE(nets(scheme()).size(), 1);
        QCOMPARE(end(wire, 0), QPointF(-40, 0));
        QCOMPARE(end(wire, 1), QPointF(400, 0));
        QVERIFY(soldered(d->pin(1), wire->pin(0)));
        QCOMPARE(recorder.count(), 0);
    }

    void followDragsTheItemBehind()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(0, 0));
        TestDevice *e = device(scheme(), QPointF(160, 400));
        GraphicsNet *a = straightNet(scheme(), QPointF(80, 0), QPointF(240, 0));
        GraphicsNet *b = straightNet(scheme(), QPointF(240, 0), QPointF(240, 400));
        d->pin(1)->solder(a->pin(0));
        a->pin(1)->solder(b->pin(0));
        b->pin(1)->solder(e->pin(1));
        moveBy(d, QPointF(0, 40));
        QCOMPARE(nets(scheme()).size(), 2);
        QCOMPARE(end(a, 0), QPointF(80, 40));
        QCOMPARE(end(a, 1), QPointF(240, 40));
        QCOMPARE(end(b, 0), QPointF(240, 40));
        QCOMPARE(end(b, 1), QPointF(240, 400));
        QVERIFY(partnersMeet(scheme()));
        QCOMPARE(recorder.count(), 0);
    }

    void followMakesThreeSegments()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(0, 0));
        TestDevice *e = device(scheme(), QPointF(400, 0));
        GraphicsNet *wire = straightNet(scheme(), QPointF(80, 0), QPointF(400, 0));
        d->pin(1)->solder(wire->pin(0));
        wire->pin(1)->solder(e->pin(0));
        wire->setSection(7);
        moveBy(d, QPointF(0, 120));
        const QList<GraphicsNet *> all = nets(scheme());
        QCOMPARE(all.size(), 3);
        GraphicsNet *first = all[1];
        GraphicsNet *last = all[2];
        // The segments are pieces of one wire.
        QVERIFY(first->section() == 7 && last->section() == 7);
        QVERIFY(soldered(d->pin(1), first->pin(0)));
        QVERIFY(soldered(e->pin(0), last->pin(0)));
        QVERIFY(soldered(wire->pin(0), first->pin(1)));
        QVERIFY(soldered(wire->pin(1), last->pin(1)));
        QCOMPARE(end(first, 0), QPointF(80, 120));
        QCOMPARE(end(first, 1), QPointF(240, 120));
        QCOMPARE(end(wire, 0), QPointF(240, 120));
        QCOMPARE(end(wire, 1), QPointF(240, 0));
        QCOMPARE(end(last, 0), QPointF(400, 0));
        for (GraphicsNet *n : all)
            QVERIFY(orthogonal(n));
        QVERIFY(!first->isSelected() && !last->isSelected());
        QVERIFY(partnersMeet(scheme()));

        // A selected net takes its new segments into the selection.
        TestDevice *f = device(scheme(), QPointF(0, 800));
        TestDevice *g = device(scheme(), QPointF(400, 800));
        GraphicsNet *chosen = straightNet(scheme(), QPointF(80, 800), QPointF(400, 800));
        f->pin(1)->solder(chosen->pin(0));
        chosen->pin(1)->solder(g->pin(0));
        chosen->setSelected(true);
        f->setPosQuiet(QPointF(0, 880));
        QVERIFY(chosen->attachPin(chosen->pin(0), QPointF(80, 880)));
        const QList<GraphicsNet *> more = nets(scheme());
        QCOMPARE(more.size(), 6);
        QVERIFY(more[4]->isSelected() && more[5]->isSelected());
        QCOMPARE(recorder.count(), 0);
    }

    void followMakesTwoSegments()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(0, 0));
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 0));
        GraphicsNet *wire = straightNet(scheme(), QPointF(80, 0), QPointF(400, 0));
        d->pin(1)->solder(wire->pin(0));
        wire->pin(1)->solder(node->pin(0));
        moveBy(d, QPointF(40, 120));
        const QList<GraphicsNet *> all = nets(scheme());
        QCOMPARE(all.size(), 2);
        GraphicsNet *corner = all[1];
        QCOMPARE(end(wire, 0), QPointF(120, 0));
        QCOMPARE(end(wire, 1), QPointF(400, 0));
        QCOMPARE(end(corner, 0), QPointF(120, 0));
        QCOMPARE(end(corner, 1), QPointF(120, 120));
        QVERIFY(soldered(wire->pin(0), corner->pin(0)));
        QVERIFY(soldered(d->pin(1), corner->pin(1)));
        QVERIFY(!corner->isSelected());
        QVERIFY(partnersMeet(scheme()));
        // Moved on so far sideways that the line to it leans, the route
        // keeps its right angles.
        moveBy(d, QPointF(-120, 0));
        for (GraphicsNet *net : nets(scheme()))
            QVERIFY(end(net, 0).x() == end(net, 1).x() || end(net, 0).y() == end(net, 1).y());
        QVERIFY(partnersMeet(scheme()));
        // A pin that is not the net's own is refused.
        QVERIFY(!wire->attachPin(d->pin(0), QPointF()));
        QCOMPARE(recorder.count(), 1);
    }

    void draggedNetLeavesTheDevicesBehind()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(0, 0));
        GraphicsNet *wire = net(scheme(), QPointF(80, 0), QPointF(400, 0));
        GraphicsNet *next = net(scheme(), QPointF(400, 0), QPointF(400, 400));
        d->pin(1)->solder(wire->pin(0));
        wire->pin(1)->solder(next->pin(0));
        wire->setSelected(true);
        moveBy(wire, QPointF(0, 80));
        QVERIFY(d->pin(1)->isFree());
        QVERIFY(soldered(wire->pin(1), next->pin(0)));
        QCOMPARE(end(next, 0), QPointF(400, 80));
        QCOMPARE(recorder.count(), 0);
    }

    // -----------------------------------------------------------------
    // Drawing a net

    void drawingKeepsTheNetStraight()
    {
        ModalRecorder recorder;
        auto *wire = new GraphicsNet(&scheme());
        scheme().addGraphicsItem(wire);
        wire->startAt(QPointF(410, 395));
        QCOMPARE(wire->pos(), QPointF(400, 400));
        wire->dragEndTo(QPointF(480, 430));
        QCOMPARE(end(wire, 1), QPointF(480, 400));
        QCOMPARE(wire->length(), 80.0);
        wire->dragEndTo(QPointF(430, 480));
        QCOMPARE(end(wire, 1), QPointF(400, 480));
        QCOMPARE(DlgPropGraphicsPins::netLength(wire), 80.0);
        // Away from everything the moving end shows no contact.
        QVERIFY(!wire->pin(1)->contactFlag());
        TestDevice *d = device(scheme(), QPointF(400, 600));
        wire->dragEndTo(QPointF(400, 600));
        QVERIFY(wire->pin(1)->contactFlag());
        wire->finish();
        QVERIFY(soldered(wire->pin(1), d->pin(0)));
        QVERIFY(!wire->pin(1)->contactFlag());

        // Drawing goes on from the free end, which becomes pin 1: the sheet
        // stores the ends in their new order.
        QCOMPARE(scheme().freeNetEndAt(QPointF(400, 600)), nullptr);
        scheme().setModified(false);
        QCOMPARE(scheme().freeNetEndAt(QPointF(400, 400)), wire);
        QVERIFY(soldered(wire->pin(0), d->pin(0)));
        QCOMPARE(end(wire, 1), QPointF(400, 400));
        QVERIFY(scheme().isModified());
        QCOMPARE(recorder.count(), 0);
    }

    // -----------------------------------------------------------------
    // Sections, texts and records

    void sectionTexts()
    {
        ModalRecorder recorder;
        QCOMPARE(GraphicsNet::sectionText(5, false, false), QString("** - mounting net 4,0 mm kv."));
        QCOMPARE(GraphicsNet::sectionText(4, false, true), QString("* - mounting net ua 2,5 mm kv."));
        QCOMPARE(GraphicsNet::sectionText(15, false, false), QString("# - mounting net screen."));
        QCOMPARE(GraphicsNet::sectionText(0, false, false), QString());
        QCOMPARE(GraphicsNet::sectionText(0, true, false), QString("0,5 mm kv."));
        QCOMPARE(GraphicsNet::sectionText(1, true, false), QString());
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(GraphicsNet::sectionText(16, true, false), QString());
        QCOMPARE(recorder.count(), 1);

        QCOMPARE(wireSections[14].crossSection, 30.0);
        QCOMPARE(wireSections[13].count1, -1);
        QCOMPARE(QString(wireSections[15].name), QString("Screened"));
        QCOMPARE(GraphicsCopperPlate::plateText(true, false), QString("{*}"));
        QCOMPARE(GraphicsCopperPlate::plateText(false, false), QString("{*} - copper plate"));
        QCOMPARE(GraphicsCopperPlate::plateText(false, true), QString("{*} - copper plate ua"));
    }

    void largestSection()
    {
        ModalRecorder recorder;
        GraphicsNet *thin = net(scheme(), QPointF(0, 0), QPointF(80, 0));
        GraphicsNet *screened = net(scheme(), QPointF(0, 40), QPointF(80, 40));
        GraphicsNet *thick = net(scheme(), QPointF(0, 80), QPointF(80, 80));
        GraphicsNet *same = net(scheme(), QPointF(0, 120), QPointF(80, 120));
        screened->setSection(15);
        thick->setSection(13);
        same->setSection(13);
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(0, 0));
        QCOMPARE(GraphicsNet::largestSection(QList<GraphicsUnite *>({node, thin, screened})), 15);
        QCOMPARE(GraphicsNet::largestSection(QList<GraphicsUnite *>({thick, thin, same})), 13);
        QCOMPARE(GraphicsNet::largestSection(QList<GraphicsItem *>({thin})), 1);
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(GraphicsNet::largestSection(QList<GraphicsUnite *>()), 1);
        QCOMPARE(GraphicsNet::largestSection(QList<GraphicsUnite *>({node})), 1);
        QCOMPARE(recorder.count(), 2);
        thin->setSection(16);
        QCOMPARE(thin->section(), 1);
        QCOMPARE(recorder.count(), 3);
    }

    void netRecordBytes()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(40, 80), QPointF(40, 280));
        wire->setSection(7);
        QByteArray expected;
        {
            DataStream out(&expected, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << QPointF(0, 0) << QPointF(0, 200) << quint8(7);
        }
        QCOMPARE(dataOf(wire), expected);
        QCOMPARE(expected.size(), 33);

        auto *copy = new GraphicsNet(&scheme());
        QByteArray bytes = expected;
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        copy->loadData(in);
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(copy->section(), 7);
        QCOMPARE(copy->pin(1)->center(), QPointF(0, 200));
        QCOMPARE(dataOf(copy), expected);
        delete copy;

        auto *plate = new GraphicsCopperPlate(&scheme());
        plate->setGraphicsWidth(3);
        plate->setGraphicsHeight(4);
        QCOMPARE(dataOf(plate), QByteArray::fromHex("0000000300000004"));
        auto *slanting = new GraphicsSlantingNet(&scheme());
        slanting->setWide(false);
        QCOMPARE(dataOf(slanting), QByteArray::fromHex("00"));
        delete plate;
        delete slanting;
        QCOMPARE(dataOf(put(scheme(), new GraphicsNode(&scheme()), QPointF())), QByteArray());
        QCOMPARE(recorder.count(), 0);
    }

    void damagedSectionsAreRefused()
    {
        ModalRecorder recorder;
        for (int section : {16, 200, 255}) {
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << QPointF(0, 0) << QPointF(80, 0) << quint8(section);
            }
            GraphicsNet wire(&scheme());
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            wire.loadData(in);
            QCOMPARE(in.status(), QDataStream::ReadCorruptData);
            QCOMPARE(wire.section(), 1);
            QCOMPARE(wire.pin(1)->center(), QPointF(0, 0));
        }
        // A point that is no number is damage too.
        {
            QByteArray bytes;
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << QPointF(std::numeric_limits<double>::quiet_NaN(), 0) << QPointF(80, 0) << quint8(1);
            GraphicsNet wire(&scheme());
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            wire.loadData(in);
            QCOMPARE(in.status(), QDataStream::ReadCorruptData);
        }
        // Sizes of a copper plate out of range.
        for (const auto &size : {qMakePair(0, 2), qMakePair(1, -5), qMakePair(100000, 2)}) {
            QByteArray bytes;
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << qint32(size.first) << qint32(size.second);
            GraphicsCopperPlate plate(&scheme());
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            plate.loadData(in);
            QCOMPARE(in.status(), QDataStream::ReadCorruptData);
            QCOMPARE(plate.graphicsWidth(), 1);
            QCOMPARE(plate.graphicsHeight(), 2);
        }

        // A sheet whose net has a section beyond the table is not loaded.
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(80, 0));
        QByteArray saved;
        {
            DataStream out(&saved, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(*m_project);
            scheme().GraphicsScene::saveScene(out);
        }
        const int sectionAt = saved.size() - 1;
        QCOMPARE(int(quint8(saved[sectionAt])), wire->section());
        saved[sectionAt] = char(40);
        DeviceScheme loaded(m_project.get());
        DataStream in(&saved, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QVERIFY(!loaded.GraphicsScene::loadScene(in));
        QCOMPARE(recorder.count(), 0);
    }

    void sheetRoundTripKeepsEveryPartner()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(0, 0));
        GraphicsNet *wire = net(scheme(), QPointF(80, 0), QPointF(400, 0));
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 0));
        auto *slanting = put(scheme(), new GraphicsSlantingNet(&scheme()), QPointF(400, 400));
        slanting->setWide(false);
        auto *plate = put(scheme(), new GraphicsCopperPlate(&scheme()), QPointF(800, 0));
        plate->setGraphicsHeight(3);
        auto *ground = put(scheme(), new GraphicsGround(&scheme()), QPointF(800, 400));
        auto *cross = put(scheme(), new GraphicsCrossNet(&scheme()), QPointF(1200, 0));
        GraphicsNet *down = net(scheme(), QPointF(400, 0), QPointF(400, 400));
        wire->setSection(15);
        d->pin(1)->solder(wire->pin(0));
        wire->pin(1)->solder(node->pin(0));
        node->pin(1)->solder(down->pin(0));
        down->pin(1)->solder(slanting->pin(1));
        slanting->pin(2)->solder(plate->pin(1));
        plate->pin(0)->solder(ground->pin(0));
        node->pin(3)->solder(cross->pin(2));

        const QByteArray bytes = saveSheet(*m_project, scheme());
        Project project(nullptr, nullptr);
        DeviceScheme loaded(&project);
        QVERIFY(loadSheet(project, loaded, bytes));
        const QList<GraphicsItem *> before = scheme().graphicsItems();
        const QList<GraphicsItem *> after = loaded.graphicsItems();
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i) {
            QCOMPARE(after[i]->type(), before[i]->type());
            QCOMPARE(after[i]->pos(), before[i]->pos());
            GraphicsPins *was = toNonPrimitiveItem(before[i]);
            GraphicsPins *is = toNonPrimitiveItem(after[i]);
            QCOMPARE(is->pinCount(), was->pinCount());
            for (int k = 0; k < was->pinCount(); ++k) {
                QCOMPARE(is->pin(k)->center(), was->pin(k)->center());
                Pin *partner = was->pin(k)->partner();
                if (!partner) {
                    QVERIFY(is->pin(k)->isFree());
                    continue;
                }
                auto *owner = dynamic_cast<GraphicsPins *>(partner->owner());
                const int item = before.indexOf(owner);
                auto *loadedOwner = toNonPrimitiveItem(after[item]);
                QCOMPARE(is->pin(k)->partner(), loadedOwner->pin(owner->pinIndex(partner)));
            }
        }
        // Saved again, the bytes are the same.
        QCOMPARE(saveSheet(project, loaded), bytes);
        QCOMPARE(recorder.count(), 0);
    }

    // -----------------------------------------------------------------
    // Shapes and painting

    void netShapes()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(200, 0));
        QCOMPARE(wire->zValue(), 1.0);
        QCOMPARE(wire->type(), 65638);
        // Section 1 has no mark and no room for one.
        QCOMPARE(wire->boundingRect(), QRectF(-10.5, -10.5, 221, 21));
        wire->setSection(3);
        QCOMPARE(wire->boundingRect(), QRectF(-10.5, -43.5, 221, 54));
        GraphicsNet *vertical = net(scheme(), QPointF(0, 0), QPointF(0, 200));
        vertical->setSection(3);
        QCOMPARE(vertical->boundingRect(), QRectF(-43.5, -10.5, 54, 221));

        QVERIFY(wire->contains(QPointF(100, 1.5)));
        QVERIFY(wire->contains(QPointF(100, 5)));
        QVERIFY(!wire->contains(QPointF(100, 6)));
        QVERIFY(wire->contains(QPointF(205, 6)));
        QCOMPARE(wire->wireRect(), QRectF(0, -1.75, 200, 3.5));
        QCOMPARE(vertical->wireRect(), QRectF(-1.75, 0, 3.5, 200));

        QVERIFY(GraphicsNet::isHorizontal(QLineF(0, 0, 0, 0)));
        QVERIFY(GraphicsNet::isHorizontal(QLineF(0, 0, 30, 30)));
        QVERIFY(!GraphicsNet::isHorizontal(QLineF(0, 0, 29, 30)));
        QVERIFY(GraphicsNet::onSameAxis(QLineF(0, 5, 10, 5), QLineF(40, 5, 90, 5)));
        QVERIFY(!GraphicsNet::onSameAxis(QLineF(0, 5, 10, 5), QLineF(40, 6, 90, 6)));
        QVERIFY(GraphicsNet::onSameAxis(QLineF(3, 0, 3, 10), QLineF(3, 40, 3, 90)));
        QCOMPARE(wire->middleSegment(QPointF(80, 120), QPointF(400, 0)), QLineF(240, 120, 240, 0));
        QCOMPARE(wire->middleSegment(QPointF(0, 0), QPointF(40, 400)), QLineF(0, 200, 40, 200));

        // Screened: two dashed lines 7 either side, no mark.
        wire->setSection(15);
        boundtest::PaintRecorder recorded;
        {
            QPainter painter(&recorded);
            QStyleOptionGraphicsItem option = optionFor(wire, false);
            wire->draw(&painter, &option, true);
        }
        const QList<boundtest::PaintRecorder::Shape> lines = recorded.shapesOf("line");
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[1].bounds.top(), -7.0);
        QCOMPARE(lines[2].bounds.top(), 7.0);
        QVERIFY(recorded.texts.isEmpty());

        boundtest::PaintRecorder marked;
        wire->setSection(5);
        {
            QPainter painter(&marked);
            QStyleOptionGraphicsItem option = optionFor(wire, true);
            wire->draw(&painter, &option, false);
        }
        QCOMPARE(marked.texts, QStringList({"**"}));
        QCOMPARE(marked.shapesOf("line").first().pen, penBlue.color());
        QCOMPARE(recorder.count(), 0);
    }

    void nodeShape()
    {
        ModalRecorder recorder;
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 400));
        QCOMPARE(node->zValue(), 2.0);
        QCOMPARE(node->boundingRect(), QRectF(-10.5, -10.5, 21, 21));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(node->pin(i)->center(), QPointF(0, 0));
        QVERIFY(node->contains(QPointF(0, 0)));
        QVERIFY(node->contains(QPointF(6.4, 0)));
        // The corner of the pin square is outside the dot.
        QVERIFY(!node->contains(QPointF(6, 6)));
        QVERIFY(!node->contains(QPointF(-6.2, -6.2)));
        QCOMPARE(scheme().items(QPointF(406, 406)).contains(node), false);
        QCOMPARE(scheme().items(QPointF(401, 401)).contains(node), true);

        boundtest::PaintRecorder recorded;
        {
            QPainter painter(&recorded);
            QStyleOptionGraphicsItem option = optionFor(node, false);
            node->draw(&painter, &option, false);
        }
        const QList<boundtest::PaintRecorder::Shape> dots = recorded.shapesOf("ellipse");
        QCOMPARE(dots.size(), 1);
        QCOMPARE(dots.first().brush, penBlack.color());
        QCOMPARE(recorded.shapesOf("rect").size(), 0);
        QCOMPARE(recorder.count(), 0);
    }

    void groundAndPlateShapes()
    {
        ModalRecorder recorder;
        auto *ground = put(scheme(), new GraphicsGround(&scheme()), QPointF(400, 400));
        QCOMPARE(ground->type(), 66037);
        QCOMPARE(ground->itemFlags(), int(GraphicsItem::CanMirrorHorizontal));
        QCOMPARE(ground->boundingRect(), QRectF(-28.5, -10.5, 57, 54));
        for (bool hide : {false, true}) {
            boundtest::PaintRecorder recorded;
            {
                QPainter painter(&recorded);
                QStyleOptionGraphicsItem option = optionFor(ground, true);
                ground->draw(&painter, &option, hide);
            }
            QCOMPARE(recorded.shapesOf("line").size(), 4);
            // The free-pin mark and the selection frame are help marks.
            QCOMPARE(recorded.shapesOf("rect").size(), hide ? 0 : 2);
        }

        auto *plate = put(scheme(), new GraphicsCopperPlate(&scheme()), QPointF(0, 0));
        QCOMPARE(plate->boundingRect(), QRectF(-10.5, -10.5, 57.5, 137.5));
        QCOMPARE(plate->pin(1)->center(), QPointF(0, 80));
        GraphicsNet *wire = net(scheme(), QPointF(0, 80), QPointF(-200, 80));
        wire->pin(0)->solder(plate->pin(1));
        plate->setGraphicsHeight(3);
        QCOMPARE(plate->pin(1)->center(), QPointF(0, 120));
        QVERIFY(soldered(wire->pin(0), plate->pin(1)));
        for (int width : {1, 3}) {
            plate->setGraphicsWidth(width);
            boundtest::PaintRecorder recorded;
            {
                QPainter painter(&recorded);
                QStyleOptionGraphicsItem option = optionFor(plate, false);
                plate->draw(&painter, &option, true);
            }
            QCOMPARE(recorded.shapesOf("line").size(), width == 1 ? 3 : 5);
        }
        QCOMPARE(recorder.count(), 0);
    }

    // -----------------------------------------------------------------
    // Registry and dialogs

    void registryRows()
    {
        ModalRecorder recorder;
        std::unique_ptr<GraphicsItem> node(scheme().createItem(QGraphicsItem::UserType + 103));
        QVERIFY(dynamic_cast<GraphicsNode *>(node.get()));
        QCOMPARE(scheme().createDialog(QGraphicsItem::UserType + 103), nullptr);
        QCOMPARE(scheme().createDialog(QGraphicsItem::UserType + 111), nullptr);
        QCOMPARE(scheme().createDialog(QGraphicsItem::UserType + 501), nullptr);
        recorder.clear();
        for (int offset : {102, 103, 111, 112, 113, 501}) {
            const SchemeItemType *row = Scheme::itemTypeRecord(QGraphicsItem::UserType + offset);
            QVERIFY(row && row->createItem);
            std::unique_ptr<GraphicsItem> item(row->createItem(&scheme()));
            QCOMPARE(item->type(), QGraphicsItem::UserType + offset);
        }
        std::unique_ptr<DlgPropGraphicsItem> net(scheme().createDialog(QGraphicsItem::UserType + 102));
        QVERIFY(qobject_cast<DlgPropNet *>(net.get()));
        std::unique_ptr<DlgPropGraphicsItem> slanting(scheme().createDialog(QGraphicsItem::UserType + 112));
        QVERIFY(qobject_cast<DlgPropSlantingNet *>(slanting.get()));
        std::unique_ptr<DlgPropGraphicsItem> plate(scheme().createDialog(QGraphicsItem::UserType + 113));
        QVERIFY(qobject_cast<DlgPropCopperPlate *>(plate.get()));
        QCOMPARE(QString(Scheme::itemTypeRecord(QGraphicsItem::UserType + 112)->name), QString("SlantingNet"));
        QCOMPARE(recorder.count(), 0);
    }

    void netDialog()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(200, 0));
        wire->setSection(15);
        DlgPropNet dialog(&scheme());
        QTreeWidget *tree = dialog.tree();
        QCOMPARE(tree->topLevelItemCount(), 16);
        QCOMPARE(tree->headerItem()->text(0), QString("Section ( mm )"));
        QCOMPARE(tree->headerItem()->text(1), QString("Designation"));
        QCOMPARE(tree->topLevelItem(1)->text(1), QString());
        QCOMPARE(tree->topLevelItem(14)->text(0), QString("30.0"));
        QVERIFY(!tree->isSortingEnabled());
        QCOMPARE(tree->columnWidth(0), 120);

        recorder.handle([&](QDialog *d) {
            QVERIFY(tree->topLevelItem(15)->isSelected());
            dialog.selectTreeItem(tree, tree->topLevelItem(9));
            pressOk(d);
        });
        QCOMPARE(dialog.execDialog(wire, GraphicsNet::Type), wire);
        QCOMPARE(wire->section(), 9);

        // A double click on a row is Ok.
        DlgPropNet again(&scheme());
        recorder.handle([&](QDialog *) {
            QTreeWidgetItem *row = again.tree()->topLevelItem(4);
            again.selectTreeItem(again.tree(), row);
            emit again.tree()->itemDoubleClicked(row, 0);
        });
        QCOMPARE(again.execDialog(wire, GraphicsNet::Type), wire);
        QCOMPARE(wire->section(), 4);

        // No row selected: the user is told, the net stays.
        DlgPropNet none(&scheme());
        none.tree()->clearSelection();
        none.saveToItem(wire);
        QCOMPARE(wire->section(), 4);
        QCOMPARE(recorder.texts().last(), QString("Need selected section net !"));
    }

    void slantingNetDialog()
    {
        ModalRecorder recorder;
        PushButtonSlantingNet button(true, nullptr);
        QCOMPARE(button.sizeHint(), QSize(75, 48));

        auto *slanting = put(scheme(), new GraphicsSlantingNet(&scheme()), QPointF(400, 400));
        slanting->setWide(true);
        // A net on pin 1 of the wide shape, another ending where pin 1 of
        // the narrow shape will be.
        GraphicsNet *onWide = net(scheme(), QPointF(480, 200), QPointF(480, 400));
        GraphicsNet *onNarrow = net(scheme(), QPointF(440, 200), QPointF(440, 400));
        onWide->pin(1)->solder(slanting->pin(1));
        DlgPropSlantingNet dialog(&scheme());
        QCOMPARE(dialog.size(), QSize(170, 120));
        QCOMPARE(dialog.shapes()->checkedId(), 0);
        recorder.handle([&](QDialog *d) {
            QCOMPARE(dialog.shapes()->checkedId(), 0);
            dialog.shapes()->button(1)->click();
            pressOk(d);
        });
        QCOMPARE(dialog.execDialog(slanting, GraphicsSlantingNet::Type), slanting);
        QVERIFY(!slanting->isWide());
        QVERIFY(onWide->pin(1)->isFree());
        QVERIFY(soldered(onNarrow->pin(1), slanting->pin(1)));
        // Unselected short nets with a free end are cleared away.
        QCOMPARE(recorder.count(), 1);

        // A new one is made on Ok with the shape chosen.
        DlgPropSlantingNet fresh(&scheme());
        recorder.handle([&](QDialog *d) { pressOk(d); });
        std::unique_ptr<GraphicsItem> made(fresh.execDialog(nullptr, GraphicsSlantingNet::Type));
        auto *narrow = dynamic_cast<GraphicsSlantingNet *>(made.get());
        QVERIFY(narrow && narrow->isWide() && narrow->pinCount() == 3);
    }

    void copperPlateDialog()
    {
        ModalRecorder recorder;
        auto *plate = put(scheme(), new GraphicsCopperPlate(&scheme()), QPointF(400, 400));
        GraphicsNet *wire = net(scheme(), QPointF(400, 480), QPointF(0, 480));
        wire->pin(0)->solder(plate->pin(1));
        DlgPropCopperPlate dialog(&scheme());
        QCOMPARE(dialog.widthBox()->minimum(), 1);
        QCOMPARE(dialog.heightBox()->minimum(), 2);
        QCOMPARE(dialog.heightBox()->maximum(), 99);
        recorder.handle([&](QDialog *d) {
            QCOMPARE(dialog.widthBox()->value(), 1);
            QCOMPARE(dialog.heightBox()->value(), 2);
            dialog.widthBox()->setValue(2);
            dialog.heightBox()->setValue(3);
            pressOk(d);
        });
        QCOMPARE(dialog.execDialog(plate, GraphicsCopperPlate::Type), plate);
        QCOMPARE(plate->graphicsWidth(), 2);
        QCOMPARE(plate->pin(1)->center(), QPointF(0, 120));
        QVERIFY(soldered(wire->pin(0), plate->pin(1)));
        QCOMPARE(recorder.count(), 1);
    }
};

QTEST_MAIN(TestNets)
#include "tst_nets.moc"
