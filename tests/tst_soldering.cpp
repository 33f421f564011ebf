// Soldering on a scheme: pins that meet are soldered, two device pins
// through a net of no length; a net end or a node on the middle of a net
// splits it; nothing is joined where a clamp lies; a pin that would close a
// loop is refused; the contact mark of free pins.

#include "devices/graphicsclamp.h"
#include "graphics/clewindex.h"
#include "graphics/font.h"
#include "graphics/graphicsprimitive.h"
#include "model/project.h"
#include "schemes/graphicscrossnet.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicsslantingnet.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

using namespace schemetest;

namespace {

// Offers one pin at its place, as the editor and the dialogs do.
void offer(GraphicsPins *item, int pin)
{
    item->joinPinAtScene(item->pin(pin));
}

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

// A sheet with one clew through a net, nodes and a slanting net, and a few
// loose items; then a selection dragged into place, as the editor moves it,
// whose free pins meet a net end, a net's middle, a slanting net's pin, a
// node's free pin, device pins and a pin that its own clew reaches. Named
// items of the result: D, M, G, Q, Y (moved) and V, S, N, E, F (fixed).
QHash<QString, GraphicsPins *> dragOntoClew(Scheme &s, QList<GraphicsItem *> &moved)
{
    QHash<QString, GraphicsPins *> named;
    TestDevice *left = device(s, QPointF(0, 0));
    GraphicsNet *w = net(s, QPointF(80, 0), QPointF(800, 0));
    auto *n = named["N"] = put(s, new GraphicsNode(&s), QPointF(800, 0));
    GraphicsNet *v = net(s, QPointF(800, 0), QPointF(800, 400));
    auto *slanting = new GraphicsSlantingNet(&s);
    slanting->setWide(true);
    put(s, slanting, QPointF(1200, 0));
    GraphicsNet *t = net(s, QPointF(800, 0), QPointF(1200, 0));
    left->pin(1)->solder(w->pin(0));
    w->pin(1)->solder(n->pin(0));
    n->pin(1)->solder(v->pin(0));
    n->pin(2)->solder(t->pin(0));
    t->pin(1)->solder(slanting->pin(0));
    auto *p = put(s, new GraphicsNode(&s), QPointF(1200, 800));
    GraphicsNet *e = net(s, QPointF(1200, 800), QPointF(1600, 800));
    p->pin(0)->solder(e->pin(0));
    device(s, QPointF(0, 1200));
    named["V"] = v;
    named["S"] = slanting;
    named["E"] = e;
    named["F"] = net(s, QPointF(2000, 0), QPointF(2000, 400));

    const QPointF d(-3000, 0);
    moved = {named["D"] = device(s, QPointF(800, 400) + d), net(s, QPointF(400, 300) + d, QPointF(400, 0) + d),
             named["M"] = put(s, new GraphicsNode(&s), QPointF(1280, 0) + d),
             named["G"] = net(s, QPointF(800, 0) + d, QPointF(800, -400) + d),
             named["Q"] = net(s, QPointF(1600, 800) + d, QPointF(1200, 800) + d), device(s, QPointF(80, 1200) + d),
             named["Y"] = put(s, new GraphicsCrossNet(&s), QPointF(2000, 0) + d)};
    for (GraphicsItem *item : moved)
        item->setSelected(true);
    for (GraphicsItem *item : moved)
        item->moveByQuiet(-d);
    for (GraphicsItem *item : moved)
        item->transformChanged();
    return named;
}

// Every item of the sheet with its place and, for each pin, the item and
// pin it is soldered to.
QString joints(Scheme &s)
{
    const QList<GraphicsItem *> items = s.graphicsItems();
    QString text;
    for (GraphicsItem *item : items) {
        text += QString("\n%1 (%2,%3):").arg(item->type()).arg(item->pos().x()).arg(item->pos().y());
        GraphicsPins *pinned = toNonPrimitiveItem(item);
        for (int i = 0; pinned && i < pinned->pinCount(); ++i) {
            Pin *partner = pinned->pin(i)->partner();
            auto *owner = partner ? dynamic_cast<GraphicsPins *>(partner->owner()) : nullptr;
            text += owner ? QString(" %1.%2").arg(items.indexOf(owner)).arg(owner->pinIndex(partner)) : " -";
        }
    }
    return text;
}

} // namespace

class TestSoldering : public QObject
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

    void pinsThatMeetAreSoldered()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        TestDevice *d = device(scheme(), QPointF(400, 0));
        d->joinAllPins();
        QVERIFY(soldered(d->pin(0), wire->pin(1)));
        QVERIFY(d->pin(1)->isFree());
        QCOMPARE(nets(scheme()).size(), 1);

        // A net end on a free net end.
        GraphicsNet *next = net(scheme(), QPointF(0, 400), QPointF(0, 0));
        offer(next, 1);
        QVERIFY(soldered(next->pin(1), wire->pin(0)));
        QCOMPARE(recorder.count(), 0);
    }

    void twoDevicePinsAreJoinedByANetOfNoLength()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(0, 0));
        // Dropped so that its pin 0 lies on a's free pin 1.
        TestDevice *b = device(scheme(), QPointF(80, 0));
        b->joinAllPins();
        const QList<GraphicsNet *> all = nets(scheme());
        QCOMPARE(all.size(), 1);
        GraphicsNet *joint = all.first();
        QCOMPARE(joint->pos(), QPointF(80, 0));
        QCOMPARE(joint->length(), 0.0);
        QVERIFY(soldered(a->pin(1), joint->pin(0)));
        QVERIFY(soldered(b->pin(0), joint->pin(1)));
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));
        QCOMPARE(recorder.count(), 0);
    }

    void rotatedPinsMeetWhereTheyAreOnTheSheet()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(400, 0), QPointF(400, 400));
        TestDevice *d = device(scheme(), QPointF(400, 480));
        d->setMatrixQuiet(GraphicsItem::matrixOf(3, false), false);
        // Turned a quarter, its pin 1 stands 80 above its origin.
        QCOMPARE(at(d->pin(1)), QPointF(400, 400));
        d->joinAllPins();
        QVERIFY(soldered(d->pin(1), wire->pin(1)));
        QCOMPARE(recorder.count(), 0);
    }

    void netEndOnTheMiddleOfANetSplitsIt()
    {
        ModalRecorder recorder;
        TestDevice *left = device(scheme(), QPointF(-80, 0));
        TestDevice *right = device(scheme(), QPointF(400, 0));
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        left->pin(1)->solder(wire->pin(0));
        wire->pin(1)->solder(right->pin(0));
        TestDevice *below = device(scheme(), QPointF(120, 400));
        GraphicsNet *branch = net(scheme(), QPointF(200, 400), QPointF(200, 0));
        below->pin(1)->solder(branch->pin(0));
        wire->setSection(7);
        offer(branch, 1);

        QCOMPARE(nets(scheme()).size(), 3);
        QCOMPARE(countOf(scheme(), GraphicsNode::Type), 1);
        GraphicsNet *added = nets(scheme()).last();
        GraphicsNode *node = nullptr;
        for (GraphicsItem *item : scheme().graphicsItems())
            if (item->type() == GraphicsNode::Type)
                node = static_cast<GraphicsNode *>(item);
        QCOMPARE(node->pos(), QPointF(200, 0));
        QCOMPARE(end(wire, 1), QPointF(200, 0));
        QCOMPARE(end(added, 0), QPointF(400, 0));
        QCOMPARE(end(added, 1), QPointF(200, 0));
        QCOMPARE(added->pos(), wire->pos());
        QCOMPARE(added->section(), 7);
        QVERIFY(soldered(right->pin(0), added->pin(0)));
        QVERIFY(soldered(node->pin(0), added->pin(1)));
        QVERIFY(soldered(node->pin(1), wire->pin(1)));
        QVERIFY(soldered(node->pin(2), branch->pin(1)));
        QVERIFY(node->pin(3)->isFree());
        QCOMPARE(clew(left->pin(1)), QList<Pin *>({right->pin(0), below->pin(1)}));
        // The node's free pin is not offered to the clew it joins.
        QCOMPARE(node->freePinAt(node->pinSceneRect(node->pin(3)), wire->pin(0)), nullptr);
        QCOMPARE(recorder.count(), 0);
    }

    void nothingIsJoinedOntoAClamp()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        auto *clamp = put(scheme(), new TestClamp(&scheme()), QPointF(200, 0));
        GraphicsNet *held = net(scheme(), QPointF(200, 0), QPointF(200, -400));
        clamp->pin(0)->solder(held->pin(0));
        GraphicsNet *branch = net(scheme(), QPointF(200, 400), QPointF(200, 0));
        offer(branch, 1);
        QVERIFY(branch->pin(1)->isFree());
        QCOMPARE(nets(scheme()).size(), 3);
        QCOMPARE(countOf(scheme(), GraphicsNode::Type), 0);
        QCOMPARE(end(wire, 1), QPointF(400, 0));
        QCOMPARE(recorder.count(), 0);
    }

    void aClampOnTheMiddleOfANetTakesItsFirstHalf()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        auto *clamp = put(scheme(), new TestClamp(&scheme()), QPointF(200, 0));
        clamp->joinAllPins();
        QCOMPARE(nets(scheme()).size(), 2);
        GraphicsNet *added = nets(scheme()).last();
        QVERIFY(soldered(clamp->pin(0), added->pin(1)));
        // A clamp has no second pin: the other half stays free there.
        QVERIFY(wire->pin(1)->isFree());
        QCOMPARE(end(wire, 1), QPointF(200, 0));
        QCOMPARE(countOf(scheme(), GraphicsNode::Type), 0);
        QCOMPARE(recorder.count(), 0);
    }

    void aNodeOnTheMiddleOfANetTakesBothHalves()
    {
        ModalRecorder recorder;
        TestDevice *left = device(scheme(), QPointF(-80, 0));
        TestDevice *right = device(scheme(), QPointF(400, 0));
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        left->pin(1)->solder(wire->pin(0));
        wire->pin(1)->solder(right->pin(0));
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(200, 0));
        node->joinAllPins();
        QCOMPARE(nets(scheme()).size(), 2);
        QCOMPARE(countOf(scheme(), GraphicsNode::Type), 1);
        GraphicsNet *added = nets(scheme()).last();
        QVERIFY(soldered(node->pin(0), added->pin(1)));
        QVERIFY(soldered(node->pin(1), wire->pin(1)));
        QVERIFY(soldered(added->pin(0), right->pin(0)));
        QVERIFY(node->pin(2)->isFree());
        QVERIFY(node->pin(3)->isFree());
        QCOMPARE(clew(left->pin(1)), QList<Pin *>({right->pin(0)}));
        QCOMPARE(recorder.count(), 0);
    }

    void aDevicePinOnTheMiddleOfANetIsNotJoined()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        TestDevice *d = device(scheme(), QPointF(200, 0));
        d->joinAllPins();
        QVERIFY(d->pin(0)->isFree());
        QCOMPARE(nets(scheme()).size(), 1);
        QCOMPARE(end(wire, 1), QPointF(400, 0));
        // Nor is its contact marked: only a net end meets a net's middle.
        d->updatePinContact(d->pin(0));
        QVERIFY(!d->pin(0)->contactFlag());
        QCOMPARE(recorder.count(), 0);
    }

    void aPinThatWouldCloseALoopIsRefused()
    {
        ModalRecorder recorder;
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(400, 0));
        GraphicsNet *wire = straightNet(scheme(), QPointF(400, 0), QPointF(400, 0));
        node->pin(0)->solder(wire->pin(0));
        // Both ends of the net lie on the node; the free end is not joined.
        offer(wire, 1);
        QVERIFY(wire->pin(1)->isFree());
        QCOMPARE(nets(scheme()).size(), 1);
        // Nor does a net end join the middle of a net that it reaches.
        GraphicsNet *bent = net(scheme(), QPointF(400, 0), QPointF(800, 0));
        node->pin(1)->solder(bent->pin(0));
        GraphicsNet *back = straightNet(scheme(), QPointF(800, 0), QPointF(600, 0));
        bent->pin(1)->solder(back->pin(0));
        offer(back, 1);
        QVERIFY(back->pin(1)->isFree());
        QCOMPARE(countOf(scheme(), GraphicsNode::Type), 1);
        QCOMPARE(recorder.count(), 0);
    }

    void primitivesAreNoCandidates()
    {
        ModalRecorder recorder;
        GraphicsItem *line = scheme().createItem(QGraphicsItem::UserType + 16);
        QVERIFY(line);
        put(scheme(), line, QPointF(400, 0));
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        offer(wire, 1);
        QVERIFY(wire->pin(1)->isFree());
        wire->updatePinContact(wire->pin(1));
        QVERIFY(!wire->pin(1)->contactFlag());
        QCOMPARE(recorder.count(), 0);
    }

    void onlyTheContactTestSetsTheContactFlag()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(0, 0));
        a->updatePinContact(a->pin(1));
        QVERIFY(!a->pin(1)->contactFlag());
        // A free pin of another item under it: the flag is set.
        GraphicsNet *wire = net(scheme(), QPointF(80, 0), QPointF(80, 400));
        a->updatePinContact(a->pin(1));
        QVERIFY(a->pin(1)->contactFlag());
        // The mark is drawn filled red.
        boundtest::PaintRecorder recorded;
        {
            QPainter painter(&recorded);
            a->drawPins(&painter, false);
        }
        int red = 0;
        for (const auto &shape : recorded.shapesOf("rect"))
            red += shape.brush == QColor(Qt::red) ? 1 : 0;
        QCOMPARE(red, 1);
        // Soldering clears it; soldering itself never sets it.
        TestDevice *b = device(scheme(), QPointF(400, 400));
        b->joinAllPins();
        QVERIFY(!b->pin(0)->contactFlag());
        a->joinAllPins();
        QVERIFY(soldered(a->pin(1), wire->pin(0)));
        QVERIFY(!a->pin(1)->contactFlag());
        QVERIFY(!wire->pin(0)->contactFlag());
        // A soldered pin under a free pin: no contact, nothing to join.
        TestDevice *c = device(scheme(), QPointF(-80, 0));
        c->updatePinContact(c->pin(1));
        QVERIFY(c->pin(1)->contactFlag());
        a->pin(0)->solder(c->pin(1));
        c->updatePinContact(c->pin(0));
        QVERIFY(!c->pin(0)->contactFlag());

        // A net end over the middle of a net marks a contact.
        GraphicsNet *crossing = net(scheme(), QPointF(800, 0), QPointF(800, 400));
        GraphicsNet *reaching = net(scheme(), QPointF(600, 200), QPointF(800, 200));
        reaching->updatePinContact(reaching->pin(1));
        QVERIFY(reaching->pin(1)->contactFlag());
        QVERIFY(crossing->pin(0)->isFree());
        QCOMPARE(recorder.count(), 0);
    }

    void anItemNotOnTheSheetJoinsNothing()
    {
        ModalRecorder recorder;
        GraphicsNet *wire = net(scheme(), QPointF(0, 0), QPointF(400, 0));
        // A new copper plate, written by its dialog before it is placed,
        // lies at the sheet's origin on the net's free end.
        std::unique_ptr<GraphicsItem> plate(scheme().createItem(QGraphicsItem::UserType + 113));
        auto *pinned = toNonPrimitiveItem(plate.get());
        pinned->joinAllPins();
        QVERIFY(wire->pin(0)->isFree());
        QVERIFY(pinned->pin(0)->isFree());
        pinned->updatePinContact(pinned->pin(0));
        QVERIFY(!pinned->pin(0)->contactFlag());
        QCOMPARE(recorder.count(), 0);
    }

    void aMovedSelectionJoinsAsEachPinOfferedAlone()
    {
        ModalRecorder recorder;
        // Released at once, with the clews met walked once for the whole.
        QList<GraphicsItem *> moved;
        QHash<QString, GraphicsPins *> x = dragOntoClew(scheme(), moved);
        GraphicsPins::joinAllPins(moved);
        QVERIFY(soldered(x["D"]->pin(0), x["V"]->pin(1)));
        GraphicsNet *bridge = netOfPin(x["M"]->pin(0)->partner());
        QVERIFY(bridge && soldered(bridge->pin(0), x["S"]->pin(1)));
        QVERIFY(soldered(x["G"]->pin(0), x["N"]->pin(3)));
        QVERIFY(soldered(x["Q"]->pin(0), x["E"]->pin(1)));
        QVERIFY(x["Q"]->pin(1)->isFree());
        QVERIFY(soldered(x["Y"]->pin(0), x["F"]->pin(0)));
        // A net split with a node, and nets of no length.
        QCOMPARE(nets(scheme()).size(), 11);
        QCOMPARE(countOf(scheme(), GraphicsNode::Type), 4);

        // The same pins offered one by one, each asking the walk itself.
        DeviceScheme alone(m_project.get());
        moved.clear();
        dragOntoClew(alone, moved);
        for (GraphicsItem *item : moved) {
            GraphicsPins *pinned = toNonPrimitiveItem(item);
            for (int i = 0; i < pinned->pinCount(); ++i) {
                if (pinned->pin(i)->isFree())
                    offer(pinned, i);
            }
        }
        QCOMPARE(joints(scheme()), joints(alone));
        QCOMPARE(recorder.count(), 0);
    }

    void continuingFromAFreeNetEnd()
    {
        ModalRecorder recorder;
        TestDevice *d = device(scheme(), QPointF(400, 0));
        GraphicsNet *wire = net(scheme(), QPointF(80, 0), QPointF(400, 0));
        d->pin(0)->solder(wire->pin(1));
        QCOMPARE(scheme().freeNetEndAt(QPointF(400, 0)), nullptr);
        QCOMPARE(scheme().freeNetEndAt(QPointF(200, 200)), nullptr);
        // The free end, pin 0, becomes the moving end with its partner.
        QCOMPARE(scheme().freeNetEndAt(QPointF(82, 3)), wire);
        QCOMPARE(end(wire, 1), QPointF(80, 0));
        QCOMPARE(end(wire, 0), QPointF(400, 0));
        QVERIFY(soldered(wire->pin(0), d->pin(0)));
        QVERIFY(wire->pin(1)->isFree());
        QCOMPARE(recorder.count(), 0);
    }

    // Random sheets, clamps and bound and unbound tags among their items,
    // joined in random groups, then cut and joined anywhere at random, loops
    // included: the open clew index answers every question as the walk does.
    void theClewIndexAnswersAsTheWalk()
    {
        ModalRecorder recorder;
        QRandomGenerator random(44);
        const int U = QGraphicsItem::UserType;
        const int kinds[] = {U + 103, U + 111, U + 112, DeviceType, U + 202, U + 203, U + 204};
        int asked = 0, wrong = 0;
        for (int round = 0; round < 60; ++round) {
            DeviceScheme s(m_project.get());
            for (int kind : {SourceKind, FootnoteKind, ConductorKind})
                m_project->createDevice(kind)->setName(QString("T%1_%2").arg(kind).arg(round));
            for (int i = 0; i < 40; ++i) {
                const QPointF p(40 * random.bounded(8), 40 * random.bounded(8));
                const QPointF step = random.bounded(2) ? QPointF(40, 0) : QPointF(0, 40);
                const int k = random.bounded(10) - 3;
                GraphicsItem *item = k < -1 ? net(s, p, p + step * (1 + random.bounded(2)))
                                            : put(s, k < 0 ? new GraphicsClamp(&s) : s.createItem(kinds[k]), p);
                if (auto *slanting = dynamic_cast<GraphicsSlantingNet *>(item))
                    slanting->setWide(random.bounded(2));
                if (auto *tag = dynamic_cast<GraphicsTag *>(item))
                    tag->setName(QString("T%1_%2").arg(tag->objType()).arg(random.bounded(2) ? round : -1));
            }
            const ClewIndex open;
            for (int step = 0; step < 8; ++step) {
                QList<GraphicsItem *> group = s.graphicsItems();
                group.removeIf([&](GraphicsItem *) { return random.bounded(3) > 0; });
                GraphicsPins::joinAllPins(group);
                QList<Pin *> free;
                for (GraphicsItem *item : s.graphicsItems()) {
                    for (int i = 0; i < toNonPrimitiveItem(item)->pinCount(); ++i) {
                        Pin *pin = toNonPrimitiveItem(item)->pin(i);
                        if (pin->partner() && random.bounded(10) == 0)
                            pin->unsolder();
                        if (pin->isFree())
                            free.append(pin);
                    }
                }
                for (int i = 0; i < 2 && free.size() > 2; ++i) {
                    Pin *a = free.takeAt(random.bounded(int(free.size())));
                    a->solder(free.takeAt(random.bounded(int(free.size()))));
                }
                // Connection and tag items, entered at a free pin or, for a
                // net, in its middle.
                for (GraphicsItem *item : s.graphicsItems()) {
                    auto *asker = toNonPrimitiveItem(item);
                    const int type = item->type();
                    for (int e = type == GraphicsNet::Type ? -1 : 0; e < asker->pinCount(); ++e) {
                        Pin *entry = e < 0 ? nullptr : asker->pin(e);
                        for (Pin *target : free) {
                            if ((type < U + 113 || (type > U + 200 && type < U + 300)) && target != entry
                                && (!entry || entry->isFree()) && ++asked)
                                wrong += ClewIndex::isConnected(asker, target, entry)
                                         != asker->isConnected(target, entry);
                        }
                    }
                }
            }
        }
        QVERIFY(asked > 1000000);
        QCOMPARE(wrong, 0);
        QCOMPARE(recorder.count(), 0);
    }
};

QTEST_MAIN(TestSoldering)
#include "tst_soldering.moc"
