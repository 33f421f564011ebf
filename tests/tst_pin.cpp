#include "model/datastream.h"
#include "model/identified.h"
#include "model/pin.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QGraphicsRectItem>
#include <QRandomGenerator>
#include <QtTest>

#include <array>
#include <memory>
#include <vector>

namespace {

enum ItemKind { Net = 102, Node = 103, SlantingNet = 112, Device = 301, Clamp = 402 };

// A pinned scene item with the walk rules of its kind: connection items hand
// a walk on through their other pins, a slanting net passes from its main
// pins to its branch, devices and clamps end it.
class TestItem : public QGraphicsRectItem, public PinOwner
{
public:
    TestItem(ItemKind kind, int pinCount, bool wiring = false)
        : m_kind(kind)
    {
        for (int i = 0; i < pinCount; ++i) {
            m_pins.emplace_back(wiring ? new WiringPin : new Pin);
            m_pins.back()->setOwner(this);
        }
    }

    int type() const override { return UserType + m_kind; }
    GraphicsItem *graphicsItem() override { return nullptr; }
    int itemType() override { return type(); }
    void repaintItem(const QRectF &rect) override { update(rect); }
    int pinCount() const override { return int(m_pins.size()); }
    Pin *pin(int index) override { return m_pins[size_t(index)].get(); }
    WiringPin *wpin(int index) { return static_cast<WiringPin *>(pin(index)); }
    PinOwner *linkedItem() override { return linked; }

    void collectNetPins(Pin *entry, QList<Pin *> &pins) override
    {
        switch (m_kind) {
        case Net:
        case Node:
            for (auto &p : m_pins) {
                if (p.get() != entry && p->partner() && p->partner()->owner())
                    p->partner()->owner()->collectNetPins(p->partner(), pins);
            }
            break;
        case SlantingNet:
            pins.append(entry);
            if (entry != pin(2) && pin(2)->partner())
                pin(2)->partner()->owner()->collectNetPins(pin(2)->partner(), pins);
            break;
        default:
            pins.append(entry);
        }
    }

    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override
    {
        switch (m_kind) {
        case Net:
        case Node:
            for (auto &p : m_pins) {
                if (p.get() != entry && p->partner() && p->partner()->owner())
                    p->partner()->owner()->collectNet(p->partner(), pins, items, n);
            }
            if (items)
                items->append(asUnite());
            break;
        case SlantingNet:
            if (entry != pin(2) && pin(2)->partner())
                pin(2)->partner()->owner()->collectNet(pin(2)->partner(), pins, items, n);
            break;
        default:
            pins.append(entry);
        }
    }

    void updateNetLinks(Pin *, QList<Pin *> &) override {}

    // Only compared, never followed.
    GraphicsUnite *asUnite() { return reinterpret_cast<GraphicsUnite *>(this); }

    PinOwner *linked = nullptr;

private:
    ItemKind m_kind;
    std::vector<std::unique_ptr<Pin>> m_pins;
};

QByteArray writePins(Project &project, const QList<Pin *> &pins)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    Project::IdentityScope scope(project);
    for (Pin *p : pins)
        p->write(out, project);
    return bytes;
}

void readPins(QByteArray bytes, const QList<Pin *> &pins, QHash<int, Pin *> &map)
{
    DataStream in(&bytes, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    for (Pin *p : pins)
        p->read(in, map);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
}

} // namespace

class TestPin : public QObject
{
    Q_OBJECT

private slots:
    void solderingIsMutualAndSingle()
    {
        ModalRecorder rec;
        TestItem item(Device, 3);
        Pin *a = item.pin(0), *b = item.pin(1), *c = item.pin(2);
        c->setContactFlag(1);
        QVERIFY(a->solder(c));
        QCOMPARE(a->partner(), c);
        QCOMPARE(c->partner(), a);
        QCOMPARE(c->contactFlag(), quint8(0));

        // A pin that already has a partner refuses a second one.
        QVERIFY(!b->solder(a));
        QCOMPARE(rec.count(), 1);
        QVERIFY(b->isFree());
        QCOMPARE(a->partner(), c);

        // Resoldering takes both pins from what they held.
        QVERIFY(b->resolder(a));
        QCOMPARE(a->partner(), b);
        QCOMPARE(b->partner(), a);
        QVERIFY(c->isFree());

        QCOMPARE(a->unsolder(), b);
        QVERIFY(a->isFree() && b->isFree());
        QCOMPARE(a->unsolder(), nullptr);
        QCOMPARE(rec.count(), 1);
    }

    void contactFlagNeedsOwner()
    {
        ModalRecorder rec;
        Pin loose;
        loose.setContactFlag(1);
        QCOMPARE(rec.count(), 1);
        QCOMPARE(loose.contactFlag(), quint8(0));
        QVERIFY(!loose.ownerAddress());
        QCOMPARE(rec.count(), 2);

        TestItem item(Device, 1);
        item.pin(0)->setContactFlag(1);
        QCOMPARE(item.pin(0)->contactFlag(), quint8(1));
        QVERIFY(!item.pin(0)->ownerAddress());
        QCOMPARE(rec.count(), 2);
    }

    void wireLinks()
    {
        WiringPin a, b, c;
        QVERIFY(a.linkTo(&b));
        QVERIFY(a.linkTo(&c));
        QVERIFY(!a.linkTo(&b)); // already linked
        WiringPin d;
        QVERIFY(!a.linkTo(&d)); // no free slot left
        QCOMPARE(a.linkCount(), 2);
        QCOMPARE(b.link(0), &a);
        QCOMPARE(c.link(0), &a);

        // Shrinking undoes the links beyond the new capacity on both sides.
        a.setLinkCapacity(1);
        QCOMPARE(a.linkCapacity(), 1);
        QCOMPARE(a.linkSlot(0), &b);
        QCOMPARE(c.linkCount(), 0);

        // link(n) counts only the slots that hold a link.
        b.dropLinksFrom(0);
        QCOMPARE(a.linkCount(), 0);
        QVERIFY(c.linkTo(&d));
        QVERIFY(c.linkTo(&b));
        c.dropLinksFrom(0);
        QVERIFY(b.linkTo(&c));
        QVERIFY(d.linkTo(&c));
        c.setLinkCapacity(3);
        QVERIFY(a.linkTo(&c));
        QCOMPARE(c.linkSlot(2), &a);
        c.dropLinksFrom(1);
        QCOMPARE(d.linkCount(), 0);
        QCOMPARE(c.link(0), &b);
        QCOMPARE(c.link(1), nullptr);

        WiringPin none(0);
        QCOMPARE(none.linkCapacity(), 0);
        QVERIFY(!none.linkTo(&a));
    }

    void keepLinksIn()
    {
        WiringPin a, b, c, partner;
        QVERIFY(a.linkTo(&b));
        QVERIFY(a.linkTo(&c));
        // Without a solder partner every link goes.
        a.keepLinksIn({&b, &c});
        QCOMPARE(a.linkCount(), 0);
        QCOMPARE(b.linkCount(), 0);

        QVERIFY(a.linkTo(&b));
        QVERIFY(a.linkTo(&c));
        QVERIFY(a.solder(&partner));
        a.keepLinksIn({&c});
        QCOMPARE(a.linkCount(), 1);
        QCOMPARE(a.link(0), &c);
        QCOMPARE(b.linkCount(), 0);
        QCOMPARE(c.link(0), &a);
    }

    void destroyedPinsLetGo()
    {
        WiringPin a;
        {
            WiringPin b;
            QVERIFY(a.solder(&b));
            QVERIFY(a.linkTo(&b));
        }
        QVERIFY(a.isFree());
        QCOMPARE(a.linkSlot(0), nullptr);
    }

    void walkThroughNets()
    {
        // device pin - net - node - net - device pin
        TestItem devA(Device, 1), net1(Net, 2), node(Node, 3), net2(Net, 2), devB(Device, 1);
        QVERIFY(devA.pin(0)->solder(net1.pin(0)));
        QVERIFY(net1.pin(1)->solder(node.pin(0)));
        QVERIFY(node.pin(1)->solder(net2.pin(0)));
        QVERIFY(net2.pin(1)->solder(devB.pin(0)));

        QList<Pin *> pins;
        devA.pin(0)->collectNetPinsAcross(pins);
        QCOMPARE(pins, QList<Pin *>{devB.pin(0)});

        pins.clear();
        QList<GraphicsUnite *> items;
        devA.pin(0)->collectNetAcross(pins, &items);
        QCOMPARE(pins, QList<Pin *>{devB.pin(0)});
        QCOMPARE(items, (QList<GraphicsUnite *>{net2.asUnite(), node.asUnite(), net1.asUnite()}));

        // A free pin reaches nothing.
        pins.clear();
        node.pin(2)->collectNetPinsAcross(pins);
        QVERIFY(pins.isEmpty());
    }

    void walkThroughClamp()
    {
        TestItem clamp(Clamp, 2), left(Device, 1), right(Device, 1), passage(Node, 2), far(Device, 1);
        QVERIFY(clamp.pin(0)->solder(left.pin(0)));
        QVERIFY(clamp.pin(1)->solder(right.pin(0)));

        // Without a linked item the walk goes out through every clamp pin.
        QList<Pin *> pins;
        clamp.pin(0)->collectNetPinsAcross(pins);
        QCOMPARE(pins, (QList<Pin *>{left.pin(0), right.pin(0)}));

        // A clamp held by a passage hands the walk to the passage.
        QVERIFY(passage.pin(1)->solder(far.pin(0)));
        clamp.linked = &passage;
        pins.clear();
        clamp.pin(1)->collectNetPinsAcross(pins);
        QCOMPARE(pins, QList<Pin *>{far.pin(0)});
        pins.clear();
        QList<GraphicsUnite *> items;
        clamp.pin(1)->collectNetAcross(pins, &items);
        QCOMPARE(pins, QList<Pin *>{far.pin(0)});
        QCOMPARE(items, QList<GraphicsUnite *>{passage.asUnite()});
    }

    void chainThroughSlantingNet()
    {
        ModalRecorder rec;
        TestItem dev(Device, 1), slanting(SlantingNet, 3), net(Net, 2), left(Device, 1), right(Device, 1);
        QVERIFY(dev.pin(0)->solder(slanting.pin(2)));
        QVERIFY(slanting.pin(0)->solder(net.pin(0)));
        QVERIFY(net.pin(1)->solder(left.pin(0)));
        QVERIFY(slanting.pin(1)->solder(right.pin(0)));

        QList<Pin *> pins;
        QList<GraphicsUnite *> nets;
        QList<Pin *> netPins;
        QCOMPARE(dev.pin(0)->collectChain(pins, &nets, &netPins), static_cast<PinOwner *>(&slanting));
        QCOMPARE(pins, (QList<Pin *>{left.pin(0), right.pin(0)}));
        QCOMPARE(nets, QList<GraphicsUnite *>{net.asUnite()});
        QCOMPARE(netPins, (QList<Pin *>{left.pin(0), right.pin(0)}));

        // Entered at a main pin the slanting net passes on to its branch:
        // the chain is returned as it is.
        pins.clear();
        QCOMPARE(left.pin(0)->collectChain(pins), nullptr);
        QCOMPARE(pins, (QList<Pin *>{slanting.pin(0), dev.pin(0)}));

        // The lists must start empty.
        QCOMPARE(left.pin(0)->collectChain(pins), nullptr);
        QCOMPARE(rec.count(), 1);
    }

    void streamRoundTrip()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestItem dev1(Device, 2, true), dev2(Device, 2, true), net(Net, 2);
        QVERIFY(dev1.pin(0)->solder(net.pin(0)));
        QVERIFY(net.pin(1)->solder(dev2.pin(1)));
        QVERIFY(dev1.wpin(0)->linkTo(dev2.wpin(1)));
        QVERIFY(dev1.wpin(1)->linkTo(dev2.wpin(1)));
        dev1.wpin(1)->setLinkCapacity(3);

        const QList<Pin *> pins{dev1.pin(0), dev1.pin(1), net.pin(0), net.pin(1), dev2.pin(0), dev2.pin(1)};
        const QByteArray bytes = writePins(project, pins);
        // Identities are numbered within the save, so writing again gives
        // the same bytes.
        QCOMPARE(writePins(project, pins), bytes);
        // dev1.0 (1, partner 2, cap 2, link 3, 0); dev1.1 (4, free, cap 3,
        // link 3, 0, 0); net.0 (2, 1); net.1 (5, 3); dev2.0 (6, 0, cap 2,
        // 0, 0); dev2.1 (3, 5, cap 2, 1, 4).
        QByteArray expected;
        {
            DataStream s(&expected, QIODevice::WriteOnly);
            s << qint32(1) << qint32(2) << quint8(2) << qint32(3) << qint32(0);
            s << qint32(4) << qint32(0) << quint8(3) << qint32(3) << qint32(0) << qint32(0);
            s << qint32(2) << qint32(1);
            s << qint32(5) << qint32(3);
            s << qint32(6) << qint32(0) << quint8(2) << qint32(0) << qint32(0);
            s << qint32(3) << qint32(5) << quint8(2) << qint32(1) << qint32(4);
        }
        QCOMPARE(bytes, expected);

        TestItem copy1(Device, 2, true), copy2(Device, 2, true), copyNet(Net, 2);
        const QList<Pin *> copies{copy1.pin(0), copy1.pin(1), copyNet.pin(0), copyNet.pin(1), copy2.pin(0),
                                  copy2.pin(1)};
        readPins(bytes, copies, project.pinMap());
        // Until the fix-up every reference is pending and nothing is followed.
        QVERIFY(copy1.pin(0)->isFree());
        QCOMPARE(copy1.wpin(0)->linkCount(), 0);
        QVERIFY(project.updatePinsPointers());
        QVERIFY(project.pinMap().isEmpty());

        QCOMPARE(copy1.pin(0)->partner(), copyNet.pin(0));
        QCOMPARE(copyNet.pin(0)->partner(), copy1.pin(0));
        QCOMPARE(copyNet.pin(1)->partner(), copy2.pin(1));
        QCOMPARE(copy2.pin(1)->partner(), copyNet.pin(1));
        QVERIFY(copy1.pin(1)->isFree() && copy2.pin(0)->isFree());
        QCOMPARE(copy1.wpin(0)->link(0), copy2.wpin(1));
        QCOMPARE(copy1.wpin(1)->linkCapacity(), 3);
        QCOMPARE(copy1.wpin(1)->link(0), copy2.wpin(1));
        QCOMPARE(copy2.wpin(1)->linkSlot(0), copy1.wpin(0));
        QCOMPARE(copy2.wpin(1)->linkSlot(1), copy1.wpin(1));
        QCOMPARE(rec.count(), 0);
    }

    void zeroCapacityWritesNoLinks()
    {
        Project project(nullptr, nullptr);
        WiringPin none(0);
        const QByteArray bytes = writePins(project, {&none});
        QCOMPARE(bytes.size(), 4 + 4 + 1);
        WiringPin back;
        readPins(bytes, {&back}, project.pinMap());
        QVERIFY(project.updatePinsPointers());
        QCOMPARE(back.linkCapacity(), 0);
    }

    void unresolvedReferencesBecomeNull()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestItem dev1(Device, 1, true), dev2(Device, 1, true), dev3(Device, 1, true);
        QVERIFY(dev1.pin(0)->solder(dev2.pin(0)));
        QVERIFY(dev1.wpin(0)->linkTo(dev3.wpin(0)));
        QVERIFY(dev1.wpin(0)->linkTo(dev2.wpin(0)));
        // dev2's record is lost after reading: dev1's partner and both its
        // links cannot be resolved.
        QByteArray bytes = writePins(project, {dev2.pin(0), dev1.pin(0)});
        TestItem copy1(Device, 1, true), copy2(Device, 1, true);
        QHash<int, Pin *> &map = project.pinMap();
        {
            DataStream in(&bytes, QIODevice::ReadOnly);
            copy2.pin(0)->read(in, map);
            copy1.pin(0)->read(in, map);
        }
        map.remove(1); // dev2's record is lost
        map.insert(99, copy2.pin(0));
        QVERIFY(!project.updatePinsPointers());
        // The missing partner and links are null; the lost pin, still
        // reachable under another identity, resolved its own references to
        // dev1, but dev1 does not return them: they are dropped too, so no
        // one-sided soldering or link is left behind.
        QVERIFY(copy1.pin(0)->isFree());
        QCOMPARE(copy1.wpin(0)->linkSlot(0), nullptr);
        QCOMPARE(copy1.wpin(0)->linkSlot(1), nullptr);
        QVERIFY(copy2.pin(0)->isFree());
        QCOMPARE(copy2.wpin(0)->linkCount(), 0);
        QCOMPARE(rec.count(), 0);

        // A partner record that is present resolves.
        TestItem a(Device, 1), b(Device, 1);
        QVERIFY(a.pin(0)->solder(b.pin(0)));
        bytes = writePins(project, {a.pin(0), b.pin(0)});
        TestItem ra(Device, 1), rb(Device, 1);
        readPins(bytes, {ra.pin(0), rb.pin(0)}, project.pinMap());
        QVERIFY(project.updatePinsPointers());
        QCOMPARE(ra.pin(0)->partner(), rb.pin(0));
        QCOMPARE(rb.pin(0)->partner(), ra.pin(0));
    }

    // Records of random references, damaged ones among them (missing,
    // one-sided, to the pin itself): one visit per pin keeps exactly the
    // soldering and links both sides name, whatever the order of the visits.
    void resolutionKeepsWhatBothSidesName()
    {
        ModalRecorder rec;
        QRandomGenerator random(47);
        const int n = 12;
        for (int round = 0; round < 50; ++round) {
            auto ref = [&] { return random.bounded(3) == 0 ? 0 : qint32(random.bounded(1, n + 3)); };
            std::vector<std::array<qint32, 3>> records(n); // partner, two links
            QByteArray bytes;
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project project(nullptr, nullptr);
            TestItem item(Device, n, true);
            QList<Pin *> pins;
            for (int i = 0; i < n; ++i) {
                std::array<qint32, 3> &r = records[size_t(i)] = {ref(), ref(), ref()};
                out << qint32(i + 1) << r[0] << quint8(2) << r[1] << r[2];
                pins.append(item.pin(i));
            }
            readPins(bytes, pins, project.pinMap());
            const bool ok = project.updatePinsPointers();
            // Whether pin i names pin j in slots from..to of its record.
            auto names = [&](int i, int from, int to, int j) {
                const auto &r = records[size_t(i)];
                return i != j && std::find(r.begin() + from, r.begin() + to, j + 1) != r.begin() + to;
            };
            bool sound = true;
            for (int i = 0; i < n; ++i) {
                for (int s = 0; s < 3; ++s) {
                    const int far = records[size_t(i)][size_t(s)] - 1, from = s ? 1 : 0, to = s ? 3 : 1;
                    const bool kept = far >= 0 && far < n && names(i, from, to, far) && names(far, from, to, i);
                    sound = sound && (kept || far < 0);
                    if (s == 0)
                        QCOMPARE(item.pin(i)->partner(), kept ? item.pin(far) : nullptr);
                    else
                        QCOMPARE(item.wpin(i)->linkSlot(s - 1), kept ? item.wpin(far) : nullptr);
                }
            }
            QCOMPARE(ok, sound);
        }
        QCOMPARE(rec.count(), 0);
    }

    // The table of identities read answers as a hash of them would, for
    // near, far, repeated and damaged identities alike.
    void identityTableAnswersAsAHash()
    {
        QRandomGenerator random(46);
        Pin pins[16];
        IdentityTable<Pin> table;
        QHash<qint32, Pin *> model;
        for (int i = 0; i < 5000; ++i) {
            const int pick = random.bounded(10);
            const qint32 id = pick == 0 ? qint32(random.bounded(-3, 1))
                : pick == 1            ? qint32(random.generate() >> 1)
                                       : qint32(random.bounded(1, 3000000));
            Pin *pin = random.bounded(20) == 0 ? nullptr : &pins[random.bounded(16)];
            table.insert(id, pin);
            model.insert(id, pin);
            if (random.bounded(500) == 0) {
                Pin *gone = &pins[random.bounded(16)];
                table.removeRecord(gone);
                model.removeIf([gone](const auto &entry) { return entry.value() == gone; });
            }
        }
        QHash<qint32, Pin *> visited;
        table.forEach([&visited](qint32 id, Pin *pin) { visited.insert(id, pin); });
        QCOMPARE(visited, model);
        QCOMPARE(qsizetype(table.size()), model.size());
        for (auto it = model.cbegin(); it != model.cend(); ++it)
            QCOMPARE(table.value(it.key()), it.value());
    }

    void identitiesLastAsLongAsThePin()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Pin p;
        Identified other;
        QCOMPARE(project.identity(static_cast<Pin *>(nullptr)), qint32(0));
        {
            Project::IdentityScope scope(project);
            QCOMPARE(project.identity(&p), qint32(1));
            QCOMPARE(project.identity(&other, Project::PlaceIdentities), qint32(2));
        }
        // Another save or copy: the same numbers, and a new one is free.
        Project::IdentityScope scope(project);
        Pin q;
        QVERIFY(project.identity(&other, Project::PlaceIdentities) == 2 && project.identity(&p) == 1
                && project.identity(&q) == 3);
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestPin)
#include "tst_pin.moc"
