#include "model/datastream.h"
#include "model/device.h"
#include "model/file.h"
#include "model/obj.h"
#include "model/pin.h"
#include "model/project.h"
#include "model/tag.h"
#include "support/modalrecorder.h"
#include "support/streambytes.h"

#include <QGraphicsRectItem>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// A bound scene item: device items have type ids from UserType + 300, tag
// items from UserType + 201. A walk entering the item reaches its other pins.
class TestObjItem : public QGraphicsRectItem, public PinOwner, public ObjItem
{
public:
    TestObjItem(int typeOffset, int pinCount)
        : m_type(UserType + typeOffset)
    {
        for (int i = 0; i < pinCount; ++i) {
            m_pins.emplace_back(new WiringPin);
            m_pins.back()->setOwner(this);
        }
    }

    int type() const override { return m_type; }
    GraphicsItem *graphicsItem() override { return nullptr; }
    int itemType() override { return type(); }
    void repaintItem(const QRectF &rect) override { update(rect); }
    int pinCount() const override { return int(m_pins.size()); }
    Pin *pin(int index) override { return m_pins[size_t(index)].get(); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *entry, QList<Pin *> &) override { netLinkEntries.append(entry); }
    bool isConnected(Pin *target, Pin *entry) override
    {
        for (auto &p : m_pins) {
            if (p.get() != entry && p.get() == target)
                return true;
        }
        return false;
    }

    PinOwner *pinOwner() override { return this; }
    Obj *boundObj() const override { return bound; }
    void setBoundObj(Obj *obj) override { bound = obj; }
    void setOwnName(const QString &name) override { ownName = name; }
    void setDocumentModified() override { ++modified; }
    void updatePinNames() override { ++pinNamesUpdated; }
    int bindMode() const override { return 1; }
    int objType() const override { return 0; }
    bool bindByName() override { return false; }

    Obj *bound = nullptr;
    QString ownName;
    int modified = 0;
    int pinNamesUpdated = 0;
    QList<Pin *> netLinkEntries;

private:
    int m_type;
    std::vector<std::unique_ptr<WiringPin>> m_pins;
};

// A kind that takes one item only, as the two-terminal devices do.
class OneItemDevice : public Device
{
public:
    explicit OneItemDevice(Project *project)
        : Device(project, CapacitorKind)
    {
    }
    bool canAppend(ObjItem *) override { return items().isEmpty(); }
};

// Counts one of the project's object signals.
struct ObjSignalCount
{
    ObjSignalCount(Project &project, void (Project::*signal)(Obj &))
    {
        QObject::connect(&project, signal, [this](Obj &) { ++n; });
    }
    int count() const { return n; }
    int n = 0;
};

} // namespace

class TestObj : public QObject
{
    Q_OBJECT

private slots:
    void namingIndexesAndRekeys()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ObjSignalCount appended(project, &Project::objAppend);
        ObjSignalCount updated(project, &Project::objUpdate);

        Obj *relay = project.createDevice(RelayKind);
        QVERIFY(relay->name().isEmpty());
        QVERIFY(relay->setName("K1"));
        QCOMPARE(appended.count(), 1);
        QCOMPARE(project.findObj(RelayKind, "K1"), relay);

        QVERIFY(relay->setName("K2"));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(appended.count(), 1);
        QCOMPARE(project.findObj(RelayKind, "K1"), nullptr);
        QCOMPARE(project.findObj(RelayKind, "K2"), relay);

        // The same name again changes nothing and reports nothing.
        QVERIFY(!relay->setName("K2"));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(rec.count(), 0);

        // An empty name fails its check.
        QVERIFY(!relay->setName(QString()));
        QCOMPARE(rec.count(), 1);
        QCOMPARE(relay->name(), QString("K2"));

        // A name that another object of the kind bears is refused, before
        // anything changes; other kinds may share it.
        std::unique_ptr<Obj> second(project.createDevice(RelayKind));
        QVERIFY(!second->setName("K2"));
        QCOMPARE(rec.count(), 2);
        QVERIFY(second->name().isEmpty());
        QVERIFY(second->setName("K3"));
        QVERIFY(!second->setName("K2"));
        QCOMPARE(second->name(), QString("K3"));
        QCOMPARE(project.findObj(RelayKind, "K2"), relay);
        QCOMPARE(project.findObj(RelayKind, "K3"), second.get());
        std::unique_ptr<Obj> fuse(project.createDevice(FuseKind));
        QVERIFY(fuse->setName("K2"));
        QCOMPARE(project.findObj(FuseKind, "K2"), fuse.get());
        QCOMPARE(rec.count(), 3);
    }

    void bindingItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        // Items outlive the objects they are bound to.
        TestObjItem first(305, 2), second(305, 2);
        std::unique_ptr<Obj> cap(new OneItemDevice(&project));
        QVERIFY(cap->setName("C1"));

        QVERIFY(cap->appendItem(&first));
        QCOMPARE(first.bound, cap.get());
        QCOMPARE(first.modified, 1);
        QCOMPARE(cap->items(), QList<ObjItem *>{&first});

        // The kind refuses a second item: no message, the item stays free.
        QVERIFY(!cap->appendItem(&second));
        QVERIFY(!second.bound);
        QCOMPARE(rec.count(), 0);

        // A bound item cannot be bound again.
        std::unique_ptr<Obj> other(project.createDevice(CapacitorKind));
        QVERIFY(!other->appendItem(&first));
        QCOMPARE(rec.count(), 1);
        QCOMPARE(first.bound, cap.get());

        // Renaming copies the name into the items and marks their documents.
        QVERIFY(cap->setName("C2"));
        QCOMPARE(first.ownName, QString("C2"));
        QCOMPARE(first.modified, 2);

        QVERIFY(cap->removeItem(&first));
        QVERIFY(!first.bound);
        QCOMPARE(first.modified, 3);
        QVERIFY(cap->items().isEmpty());
        QVERIFY(!cap->removeItem(&first));
        QCOMPARE(rec.count(), 2);
        QVERIFY(cap->appendItem(&second));
        QCOMPARE(second.bound, cap.get());
    }

    void destroyingUnbinds()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ObjSignalCount deleted(project, &Project::objDelete);
        TestObjItem a(301, 1), b(301, 1);
        Obj *block = project.createDevice(BlockKind);
        QVERIFY(block->setName("A1"));
        QVERIFY(block->appendItem(&a));
        QVERIFY(block->appendItem(&b));
        delete block;
        QCOMPARE(deleted.count(), 1);
        QVERIFY(!a.bound && !b.bound);
        QCOMPARE(a.modified, 2);
        QCOMPARE(a.pinNamesUpdated, 1);
        QCOMPARE(b.pinNamesUpdated, 1);
        QCOMPARE(project.findObj(BlockKind, "A1"), nullptr);
        QCOMPARE(project.objectsOfKind(BlockKind), nullptr);

        // An object that was never named is not looked up.
        delete project.createDevice(BlockKind);
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(rec.count(), 0);
    }

    void pinsOfDeviceItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestObjItem winding(302, 2), contact(401, 3), tagItem(202, 1);
        std::unique_ptr<Obj> relay(project.createDevice(RelayKind));
        static_cast<WiringPin *>(winding.pin(0))->setName("1");
        static_cast<WiringPin *>(winding.pin(1))->setName("2");
        static_cast<WiringPin *>(contact.pin(0))->setName("11");
        QVERIFY(relay->appendItem(&winding));
        QVERIFY(relay->appendItem(&contact));

        QHash<QString, Pin *> byName;
        relay->pinsByName(byName);
        QCOMPARE(byName.size(), 3);
        QCOMPARE(byName.value("2"), winding.pin(1));
        QCOMPARE(byName.value("11"), contact.pin(0));
        QList<Pin *> all;
        relay->allPins(all);
        QCOMPARE(all.size(), 5);
        QCOMPARE(all.last(), contact.pin(2));
        QCOMPARE(rec.count(), 0);

        // A tag item among them is not a device item: a check, and skipped.
        QVERIFY(relay->appendItem(&tagItem));
        all.clear();
        relay->allPins(all);
        QCOMPARE(all.size(), 5);
        QCOMPARE(rec.count(), 1);
    }

    void tagNet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestObjItem s1(202, 1), s2(202, 1), dev1(301, 2), dev2(301, 2);
        std::unique_ptr<Tag> tag(static_cast<Tag *>(project.createDevice(SourceKind)));
        QVERIFY(tag->appendItem(&s1));
        QVERIFY(tag->appendItem(&s2));
        QVERIFY(s1.pin(0)->solder(dev1.pin(0)));
        QVERIFY(s2.pin(0)->solder(dev2.pin(0)));

        // All items of a tag are one point of the net.
        QVERIFY(tag->isConnected(s2.pin(0), s1.pin(0)));
        QVERIFY(tag->isConnected(dev2.pin(1), s1.pin(0)));
        QVERIFY(tag->isConnected(dev1.pin(1), s2.pin(0)));
        QVERIFY(!tag->isConnected(dev1.pin(1), s1.pin(0)));

        QList<Pin *> pins;
        tag->updateNetLinks(s1.pin(0), pins);
        QVERIFY(dev1.netLinkEntries.isEmpty());
        QCOMPARE(dev2.netLinkEntries, QList<Pin *>{dev2.pin(0)});
        QCOMPARE(rec.count(), 0);
    }

    void deviceDefaults()
    {
        Project project(nullptr, nullptr);
        std::unique_ptr<Device> lamp(static_cast<Device *>(project.createDevice(LampKind)));
        QVERIFY(!lamp->placeItem() && !lamp->wiringItem() && !lamp->showAddress());
        QVERIFY(lamp->setName("HL1_2_3"));
        QCOMPARE(lamp->baseName(), QString("HL1"));
        lamp->setShowAddress(true);
        QVERIFY(lamp->setName("HL2"));
        QCOMPARE(lamp->baseName(), QString("HL2"));
        QVERIFY(!lamp->showAddress());
    }

    void devicesRoundTrip()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        const QList<QPair<int, QString>> made = {
            {RelayKind, "K2"}, {RelayKind, "K1"}, {SourceKind, "+24"}, {AmmeterKind, "PA1"},
            {ClampPanelKind, "X1"}, {RelayKind, "K10"}, {ConductorKind, "W1"}, {RelayWindingKind, "K1"},
        };
        for (const auto &m : made) {
            Obj *obj = m.first == RelayWindingKind ? new Obj(&project, RelayWindingKind) : project.createDevice(m.first);
            QVERIFY(obj->setName(m.second));
            if (auto *device = dynamic_cast<Device *>(obj))
                device->setModelIndex(m.first == AmmeterKind ? 1 : int(m.second.size()));
        }
        static_cast<Device *>(project.findObj(ClampPanelKind, "X1"))->setShowAddress(true);

        QByteArray bytes = bytesOf([&](DataStream &s) { project.writeDevices(s); });
        QCOMPARE(bytesOf([&](DataStream &s) { project.writeDevices(s); }), bytes);
        // Kinds ascending, names in order, the carried kind left out.
        const QByteArray expected = bytesOf([](DataStream &s) {
            s << qint32(5);
            // A source's three bus flags; a conductor's count, polarity,
            // ring, twisted pair and cable name.
            s << qint32(101) << qint32(1) << QString("+24") << qint32(1) << false << false << false;
            s << qint32(103) << qint32(1) << QString("W1") << qint32(2) << quint8(0) << false << false << false
              << QString();
            s << qint32(202) << qint32(3);
            s << QString("K1") << qint32(3) << qint32(2) << false;
            s << QString("K10") << qint32(4) << qint32(3) << false;
            s << QString("K2") << qint32(5) << qint32(2) << false;
            s << qint32(203) << qint32(1) << QString("X1") << qint32(6) << qint32(2) << quint8(255) << true;
            // An ammeter's type row, then its number.
            s << qint32(225) << qint32(1) << QString("PA1") << qint32(7) << qint32(1) << qint32(0) << false;
        });
        QCOMPARE(bytes, expected);

        Project loaded(nullptr, nullptr);
        loaded.setModified(false);
        loaded.clearChangeFlags();
        ObjSignalCount appended(loaded, &Project::objAppend);
        DataStream s(&bytes, QIODevice::ReadOnly);
        s.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(loaded.readDevices(s, &message));
        QVERIFY(message.isEmpty());
        QVERIFY(s.atEnd());
        QCOMPARE(appended.count(), 7);
        QCOMPARE(loaded.indexedKinds(), (QList<int>{101, 103, 202, 203, 225}));
        auto *k10 = dynamic_cast<Device *>(loaded.findObj(RelayKind, "K10"));
        QVERIFY(k10);
        QCOMPARE(k10->modelIndex(), 3);
        QCOMPARE(loaded.objByOldId(4), k10);
        QCOMPARE(loaded.objByOldId(1), loaded.findObj(SourceKind, "+24"));
        QVERIFY(dynamic_cast<Tag *>(loaded.objByOldId(2)));
        QCOMPARE(loaded.objByOldId(7)->kind(), int(AmmeterKind));
        QVERIFY(static_cast<Device *>(loaded.objByOldId(6))->showAddress());
        QCOMPARE(rec.count(), 0);

        // The loaded project writes the same bytes.
        QCOMPARE(bytesOf([&](DataStream &out) { loaded.writeDevices(out); }), bytes);
        loaded.clearOldIds();
        QCOMPARE(loaded.objByOldId(4), nullptr);
    }

    void damagedDevicesData()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        project.setFileName(QDir::tempPath() + "/plant.rlay");
        const QString obj = QDir::tempPath() + "/plant.obj";
        QString message;

        // A negative kind code.
        QByteArray bytes = bytesOf([](DataStream &s) { s << qint32(1) << qint32(-5) << qint32(0); });
        DataStream s1(&bytes, QIODevice::ReadOnly);
        QVERIFY(!project.readDevices(s1, &message));
        QCOMPARE(message, QString("Load devices cast not correct. File %1 is corrupt!").arg(obj));
        QCOMPARE(rec.count(), 0); // no box of its own: the load shows the message

        // A kind that is not registered.
        rec.clear();
        bytes = bytesOf([](DataStream &s) { s << qint32(1) << qint32(150) << qint32(1) << QString("Z") << qint32(9); });
        DataStream s2(&bytes, QIODevice::ReadOnly);
        QVERIFY(!project.readDevices(s2, &message));
        QCOMPARE(message, QString("Load devices not correct. File %1 is corrupt!").arg(obj));
        QCOMPARE(rec.count(), 0);
        QCOMPARE(project.objectsOfKind(150), nullptr);

        // A count far beyond the data is refused before anything is read.
        rec.clear();
        message.clear();
        bytes = bytesOf([](DataStream &s) {
            s << qint32(1) << qint32(RelayKind) << qint32(2000000000) << QString("K1") << qint32(3) << qint32(-1)
              << false;
        });
        DataStream s3(&bytes, QIODevice::ReadOnly);
        QVERIFY(!project.readDevices(s3, &message));
        QCOMPARE(message, QString("Load devices not correct. File %1 is corrupt!").arg(obj));
        QCOMPARE(project.findObj(RelayKind, "K1"), nullptr);

        // A name used twice: damage; the second object goes with its identity.
        rec.clear();
        project.clearOldIds();
        bytes = bytesOf([](DataStream &s) {
            s << qint32(1) << qint32(FuseKind) << qint32(2);
            s << QString("F") << qint32(1) << qint32(-1) << false;
            s << QString("F") << qint32(2) << qint32(-1) << false;
        });
        DataStream s4(&bytes, QIODevice::ReadOnly);
        QVERIFY(!project.readDevices(s4, &message));
        QCOMPARE(rec.count(), 0);
        QCOMPARE(project.objByOldId(1), project.findObj(FuseKind, "F"));
        QCOMPARE(project.objByOldId(2), nullptr);
    }
};

QTEST_MAIN(TestObj)
#include "tst_obj.moc"
