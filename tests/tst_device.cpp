#include "devices/graphicsautoswitch.h"
#include "devices/graphicsbutton.h"
#include "devices/graphicscommutator.h"
#include "devices/graphicskeystaff.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/graphicswiringitemdevice.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/address.h"
#include "model/device.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

using namespace boundtest;

namespace {

// A device kind that takes room in a frame: a fuse of one catalogue type.
class PlacedFuse : public Device
{
public:
    explicit PlacedFuse(Project *project)
        : Device(project, FuseKind)
    {
    }
    QString modelName() const override { return QStringLiteral("FU-2A"); }
    int placeType() const override { return 27; }
    int addressSuffix() const override { return 0x40; }
};

// A symbol that ends a chain: ground, copper plate.
class ChainEnd : public GraphicsPins
{
public:
    ChainEnd(GraphicsScene *scene, int typeOffset)
        : GraphicsPins(scene, nullptr, 3)
        , m_type(UserType + typeOffset)
    {
        createPins(1);
    }
    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 20, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void createPins(int count) override { allocatePins<Pin>(count); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *, QList<Pin *> &) override {}

private:
    int m_type;
};

// A sheet that makes the items of every scheme kind, as a scheme does.
class SchemeKindsSheet : public TestScene
{
public:
    using TestScene::TestScene;
    GraphicsItem *createItem(int type) override
    {
        const SchemeItemType *row = Scheme::itemTypeRecord(type);
        return row && row->createItem ? row->createItem(this) : TestScene::createItem(type);
    }
};

Device *named(Project &project, int kind, const QString &name)
{
    auto *device = static_cast<Device *>(project.createDevice(kind));
    device->setName(name);
    return device;
}

TestDeviceItem *boundItem(TestScene &scene, int type, Obj *obj)
{
    auto *item = addItem(scene, type);
    obj->appendItem(item);
    return item;
}

// An address at a position of a place.
Address positionAddress(int position, int suffixKind = -1)
{
    Address address;
    address.setField(1, 1);
    address.setField(2, 2);
    address.setField(3, 3);
    address.setField(4, 5);
    address.setField(5, quint8(position));
    if (suffixKind >= 0)
        address.setSuffixKind(suffixKind);
    return address;
}

// Puts the device into a new place of the sheet at that address.
Place *placeDevice(TestScene &frame, Device *device, const Address &address)
{
    auto *place = new Place(&frame, nullptr, 0, 1);
    place->setPlaceSize(QSizeF(100, 80), 1);
    frame.addLoose(place);
    place->setAddress(address);
    GraphicsPlaceItemDevice *item = device->createPlaceItem(&frame);
    frame.addGraphicsItem(item);
    place->putItem(item);
    return place;
}

QString pinName(GraphicsDevice *item, int index)
{
    WiringPin *pin = item->wiringPin(index);
    return pin && pin->name() ? QString::fromUtf8(pin->name()) : QString();
}

PaintRecorder *paint(PaintRecorder *recorder, GraphicsItem *item, QStyle::State state = QStyle::State_None)
{
    QPainter painter(recorder);
    QStyleOptionGraphicsItem option;
    option.state = state;
    item->draw(&painter, &option, false);
    return recorder;
}

} // namespace

class TestDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void newDevice()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Device *relay = named(project, RelayKind, "K1_a_b");
        QCOMPARE(relay->modelIndex(), -1);
        QCOMPARE(relay->address(), nullptr);
        QCOMPARE(relay->positionCode(), -1);
        QVERIFY(relay->modelName().isEmpty());
        QCOMPARE(relay->placeType(), -1);
        QVERIFY(relay->placeTypeName().isEmpty());
        QVERIFY(!relay->addressSuffix());
        QCOMPARE(relay->pinCount(), 0);
        QCOMPARE(relay->pinIndex("1"), nullptr);
        QVERIFY(!relay->showAddress());
        QCOMPARE(relay->placeItem(), nullptr);
        QCOMPARE(relay->wiringItem(), nullptr);
        QCOMPARE(relay->baseName(), QString("K1"));
        QVERIFY(relay->sceneName().isEmpty());
        relay->setName("K2");
        QCOMPARE(relay->baseName(), QString("K2"));
        QCOMPARE(rec.count(), 0);

        // A kind with positions asks for the address it lacks.
        Device *capacitor = named(project, CapacitorKind, "C1");
        QCOMPARE(capacitor->positionCode(), -1);
        QCOMPARE(rec.count(), 1);
    }

    void catalogueIndicesOutsideTheTableAreRefused()
    {
        // A setter takes exactly the indices the devices file reads back.
        ModalRecorder rec;
        int refused = 0;
        for (const int kind : {RelayKind, BlockKind, FuseKind, ButtonKind, CommutatorKind, KeystaffKind, ModuleKind,
                               InterrupterKind, AutoSwitchKind}) {
            Project project(nullptr, nullptr);
            Device *device = named(project, kind, "D");
            for (int index = -3; index < 400; ++index) {
                const bool taken = device->setModelIndex(index);
                refused += taken ? 0 : 1;
                QByteArray bytes; // an interrupter's nominal; for the others the flag, and more
                DataStream(&bytes, QIODevice::WriteOnly) << qint32(1) << qint32(kind) << qint32(1) << QString::number(index)
                                                         << qint32(index + 4) << qint32(index) << qint32(0) << false;
                DataStream in(&bytes, QIODevice::ReadOnly);
                QString message;
                QVERIFY((device->modelIndex() == index) == taken && project.readDevices(in, &message) == taken);
            }
        }
        QVERIFY(refused > 9 * 3 && refused < 9 * 403 && rec.count() == 0);
    }

    // What the reader refuses of a bound item, its setters and its device
    // refuse too, and a type set from code gives the items parts of it:
    // whatever is saved loads again.
    void boundItemsHoldOnlyWhatTheReaderTakes()
    {
        ModalRecorder rec;
        Scheme::registerItemTypes();
        Project project(nullptr, nullptr);
        SchemeKindsSheet sheet(&project);
        // "KMDFP": ft, f; "KMDS 2ft 2f": ft, f, ft, f; "With electrical
        // lock": opened, closed, t, t, resistor.
        const int kinds[] = {ButtonKind, CommutatorKind, KeystaffKind, AutoSwitchKind}, types[] = {9, 6, 1, 0};
        Device *devices[4];
        GraphicsButton *bt[] = {new GraphicsButton(&sheet), new GraphicsButton(&sheet), new GraphicsButton(&sheet)};
        GraphicsCommutator *ct[] = {new GraphicsCommutator(&sheet), new GraphicsCommutator(&sheet)};
        GraphicsKeystaff *kt[] = {new GraphicsKeystaff(&sheet), new GraphicsKeystaff(&sheet)};
        GraphicsAutoSwitch *qf[] = {new GraphicsAutoSwitch(&sheet), new GraphicsAutoSwitch(&sheet)};
        for (int i = 0; i < 4; ++i)
            (devices[i] = named(project, kinds[i], QString("D%1").arg(i)))->setModelIndex(types[i]);
        for (int g = 0; g < 2; ++g) {
            bt[g]->setContactGroup(g, quint8(g));
            ct[g]->setContactGroup(g, quint8(g));
            kt[g]->setGroup(2, quint8(2 + g));
            for (GraphicsDevice *item : std::initializer_list<GraphicsDevice *>{bt[g], ct[g], kt[g], qf[g]})
                sheet.addGraphicsItem(item);
            bt[g]->setName("D0");
            ct[g]->setName("D1");
            kt[g]->setName("D2");
        }
        sheet.addGraphicsItem(bt[2]);
        // Another's group, one beyond the type, a group or form that does not suit.
        QVERIFY(!bt[1]->setContactNumber(0) && !bt[1]->setContactNumber(2) && !bt[1]->setContactKind(0));
        QVERIFY(!ct[1]->setContactNumber(0) && !ct[1]->setContactNumber(4) && !ct[0]->setContactNumber(1));
        QVERIFY(!kt[1]->setNumber(2) && !kt[1]->setNumber(5) && !kt[1]->setNumber(0) && !kt[1]->setKind(3));
        QVERIFY(bt[0]->setContactKind(2) && ct[1]->setContactNumber(3) && bt[1]->contactNumber() == 1);
        // A device takes items of its own kind only; an autoswitch one.
        QVERIFY(devices[3]->appendItem(qf[0]) && !devices[3]->appendItem(qf[1]) && !devices[3]->appendItem(bt[2]));
        QVERIFY(!devices[2]->appendItem(bt[2]) && !devices[0]->appendItem(qf[1]));
        // One that a file binds to a device of another kind is refused (as
        // damage counted by the reader) and left unbound, even on a free
        // group that would suit it.
        {
            CountedChecks reading;
            QVERIFY(bt[2]->setContactGroup(0, 2) && !devices[1]->restoreItem(bt[2]) && reading.failed() == 1);
        }
        QVERIFY(!bt[2]->obj() && !devices[1]->appendItem(bt[2]));
        // A type set from code: "KMD I" has one "f" group, "KMT 2ft 2t" is
        // t, ft, t, ft, "Stand." has no "Contact t".
        QVERIFY(devices[0]->setModelIndex(10) && devices[1]->setModelIndex(2) && devices[2]->setModelIndex(0));
        QVERIFY(!bt[0]->obj() && bt[1]->contactNumber() == 0 && pinName(bt[1], 1) == "13");
        QVERIFY(ct[0]->contactNumber() == 1 && ct[1]->contactNumber() == 3 && !kt[0]->obj() && !kt[1]->obj());

        const QByteArray bytes = saveAll(project, sheet);
        Project loaded(nullptr, nullptr);
        SchemeKindsSheet again(&loaded);
        QVERIFY(loadAll(loaded, again, bytes));
        QCOMPARE(saveAll(loaded, again), bytes);
        QCOMPARE(rec.count(), 0);
    }

    void deviceRecord()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Device *fuse = named(project, FuseKind, "F1");
        fuse->setModelIndex(6);
        fuse->setShowAddress(true);
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            fuse->write(out);
        }
        QByteArray expected;
        {
            DataStream out(&expected, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << QString("F1") << qint32(1) << qint32(6) << true;
        }
        QCOMPARE(bytes, expected);

        Project other(nullptr, nullptr);
        auto *copy = static_cast<Device *>(other.createDevice(FuseKind));
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        copy->read(in);
        QCOMPARE(copy->name(), QString("F1"));
        QCOMPARE(copy->modelIndex(), 6);
        QVERIFY(copy->showAddress());
        QCOMPARE(other.objByOldId(1), copy);
        delete copy;
        // A new name hides the address.
        fuse->setName("F2");
        QVERIFY(!fuse->showAddress());
        QCOMPARE(rec.count(), 0);
    }

    void placingGivesTheAddress()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        TestScene frame(&project);
        Device *resistor = named(project, ResistorKind, "R1");
        auto *item = boundItem(scheme, ResistorItemType, resistor);
        item->updatePinNames();
        QCOMPARE(pinName(item, 0), QString("1"));
        QCOMPARE(pinName(item, 1), QString("2"));

        SignalCount updated(project, &Project::objUpdate);
        Place *place = placeDevice(frame, resistor, positionAddress(3));
        QVERIFY(resistor->placeItem());
        QCOMPARE(resistor->placeItem()->place(), place);
        QCOMPARE(resistor->address(), &place->address());
        QVERIFY(updated.count() >= 1);
        // A resistor at position 3 names its pins 31 and 32.
        QCOMPARE(pinName(item, 0), QString("31"));
        QCOMPARE(pinName(item, 1), QString("32"));
        QCOMPARE(resistor->positionCode(), 26);
        QCOMPARE(item->addressText(), positionAddress(3).toString(1));

        place->setAddress(positionAddress(7));
        QCOMPARE(pinName(item, 0), QString("71"));
        QCOMPARE(resistor->positionCode(), 30);
        // Suffix "N" has no position of its own.
        place->setAddress(positionAddress(7, 5));
        QCOMPARE(pinName(item, 0), QString("1"));
        QCOMPARE(resistor->positionCode(), 23);

        // A second place item for the same device is refused.
        QCOMPARE(resistor->createPlaceItem(&frame), nullptr);
        QCOMPARE(rec.count(), 1);

        // The place item goes: the device loses its address again.
        resistor->setShowAddress(true);
        delete resistor->placeItem();
        QCOMPARE(resistor->placeItem(), nullptr);
        QCOMPARE(resistor->address(), nullptr);
        QVERIFY(!resistor->showAddress());
        QCOMPARE(place->item(), nullptr);
        QCOMPARE(pinName(item, 0), QString("1"));
        QCOMPARE(pinName(item, 1), QString("2"));
    }

    void kindsWithoutPositionsKeepTheirPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        TestScene frame(&project);
        Device *block = named(project, BlockKind, "B1");
        auto *item = boundItem(scheme, BlockItemType, block);
        placeDevice(frame, block, positionAddress(4));
        QCOMPARE(item->wiringPin(0)->name(), nullptr);
        QCOMPARE(block->positionCode(), -1);
        QCOMPARE(rec.count(), 0);
    }

    void aNewTypeLeavesThePlace()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene frame(&project);
        Device *fuse = named(project, FuseKind, "F1");
        Place *place = placeDevice(frame, fuse, positionAddress(1));
        GraphicsPlaceItemDevice *item = fuse->placeItem();

        fuse->setModelIndex(-1);
        QCOMPARE(fuse->placeItem(), item);
        fuse->setShowAddress(true);
        fuse->setModelIndex(2);
        QCOMPARE(fuse->modelIndex(), 2);
        QCOMPARE(fuse->placeItem(), nullptr);
        QCOMPARE(fuse->address(), nullptr);
        QVERIFY(!fuse->showAddress());
        QCOMPARE(place->item(), nullptr);
        QVERIFY(frame.pendingDeletes().contains(item));
        QCOMPARE(item->device(), nullptr);
        frame.deleteGraphicsItemsLater();
        QVERIFY(frame.pendingDeletes().isEmpty());
        QCOMPARE(rec.count(), 0);
    }

    void deletingTheDeviceRemovesItsItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene frame(&project);
        TestScene wiring(&project);
        Device *fuse = named(project, FuseKind, "F1");
        placeDevice(frame, fuse, positionAddress(1));
        GraphicsPlaceItemDevice *item = fuse->placeItem();
        GraphicsWiringItemDevice *picture = fuse->createWiringItem(&wiring);
        wiring.addGraphicsItem(picture);
        QCOMPARE(fuse->wiringItem(), picture);
        QVERIFY(picture->address());
        QCOMPARE(*picture->address(), positionAddress(1));

        delete fuse;
        QVERIFY(frame.pendingDeletes().contains(item));
        QCOMPARE(item->device(), nullptr);
        // The wiring picture stays on its page without the device.
        QCOMPARE(picture->device(), nullptr);
        PaintRecorder recorder;
        paint(&recorder, picture);
        QCOMPARE(recorder.texts, QStringList({positionAddress(1).toString(3), "1", "2"}));
        QCOMPARE(rec.count(), 0);
    }

    // The newest picture of a device is its current one, the one before
    // takes over when it goes; all left let go of the device when it goes.
    void severalWiringPicturesFollowTheDevice()
    {
        Project project(nullptr, nullptr);
        TestScene frame(&project), a(&project), b(&project), c(&project);
        Device *fuse = named(project, FuseKind, "F1");
        placeDevice(frame, fuse, positionAddress(1));
        GraphicsWiringItemDevice *pictures[3];
        TestScene *pages[3] = {&a, &b, &c};
        for (int i = 0; i < 3; ++i)
            pages[i]->addGraphicsItem(pictures[i] = fuse->createWiringItem(pages[i]));
        delete pictures[1];
        QCOMPARE(fuse->wiringItem(), pictures[2]);
        delete pictures[2];
        QCOMPARE(fuse->wiringItem(), pictures[0]);
        delete fuse;
        QCOMPARE(pictures[0]->device(), nullptr);
    }

    void wireLinksGoWithTheAddress()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        TestScene frame(&project);
        Device *r1 = named(project, ResistorKind, "R1");
        Device *r2 = named(project, ResistorKind, "R2");
        auto *a = boundItem(scheme, ResistorItemType, r1);
        auto *b = boundItem(scheme, ResistorItemType, r2);
        placeDevice(frame, r1, positionAddress(1));
        placeDevice(frame, r2, positionAddress(2));
        QVERIFY(a->wiringPin(0)->linkTo(b->wiringPin(0)));
        QVERIFY(a->wiringPin(1)->linkTo(b->wiringPin(1)));

        // Still placed: the links stay.
        r1->addressChanged();
        QCOMPARE(a->wiringPin(0)->linkCount(), 1);

        delete r1->placeItem();
        QCOMPARE(a->wiringPin(0)->linkCount(), 0);
        QCOMPARE(a->wiringPin(1)->linkCount(), 0);
        QCOMPARE(b->wiringPin(0)->linkCount(), 0);
        QCOMPARE(rec.count(), 0);
    }

    void linkMarks()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        auto *item = boundItem(scheme, ResistorItemType, named(project, ResistorKind, "R1"));
        auto *other = boundItem(scheme, ResistorItemType, named(project, ResistorKind, "R2"));
        auto *third = boundItem(scheme, ResistorItemType, named(project, ResistorKind, "R3"));
        QVERIFY(item->wiringPin(0)->linkTo(other->wiringPin(0)));
        QVERIFY(item->wiringPin(1)->linkTo(other->wiringPin(1)));
        QVERIFY(item->wiringPin(1)->linkTo(third->wiringPin(1)));

        PaintRecorder first;
        paint(&first, item);
        const QColor green = penGreen.color();
        // Pin 0 has one link: a half disc over the upper half of the pin.
        QList<PaintRecorder::Shape> halves;
        for (const PaintRecorder::Shape &shape : first.shapes) {
            if ((shape.kind == "path" || shape.kind == "polygon") && shape.brush == green)
                halves << shape;
        }
        QCOMPARE(halves.size(), 1);
        const QRectF pin0 = *item->pin(0);
        QVERIFY(halves.first().bounds.bottom() <= pin0.center().y() + 0.5);
        QVERIFY(halves.first().bounds.top() >= pin0.top() - 0.5);
        // Pin 1 has two: a disc.
        const QList<PaintRecorder::Shape> discs = first.shapesOf("ellipse");
        QCOMPARE(discs.size(), 1);
        QCOMPARE(discs.first().bounds, QRectF(*item->pin(1)));
        QCOMPARE(discs.first().brush, green);

        // One link of pin 1 dropped: a half disc there too.
        item->wiringPin(1)->dropLinksFrom(1);
        PaintRecorder second;
        paint(&second, item);
        QCOMPARE(second.shapesOf("ellipse").size(), 0);
        // Without links: only the free-pin marks.
        item->wiringPin(0)->dropLinksFrom(0);
        item->wiringPin(1)->dropLinksFrom(0);
        PaintRecorder third2;
        paint(&third2, item);
        for (const PaintRecorder::Shape &shape : third2.shapes)
            QVERIFY(shape.brush != green);
        QCOMPARE(third2.shapesOf("rect").size(), 2);
        QCOMPARE(rec.count(), 0);
    }

    void pinsOfARelayIncludeItsContacts()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        Device *relay = named(project, RelayKind, "K1");
        auto *winding = addItem<TestWindingItem>(scheme, WindingItemType);
        QVERIFY(relay->appendItem(winding));
        winding->ownObj()->setName("K1");
        winding->wiringPin(0)->setName("13");
        winding->wiringPin(1)->setName("43");
        auto *contact = addItem(scheme, ContactItemType);
        contact->setName("K1");
        QCOMPARE(contact->obj(), winding->ownObj());
        contact->wiringPin(0)->setName("11");
        contact->wiringPin(1)->setName("12");

        QList<Pin *> pins;
        relay->allPins(pins);
        QCOMPARE(pins, QList<Pin *>({winding->pin(0), winding->pin(1), contact->pin(0), contact->pin(1)}));
        QHash<QString, Pin *> byName;
        relay->pinsByName(byName);
        QCOMPARE(byName.size(), 4);
        QCOMPARE(byName.value("12"), contact->pin(1));
        QCOMPARE(winding->findPin("43"), winding->wiringPin(1));
        QCOMPARE(winding->findPin("12"), nullptr);
        QCOMPARE(winding->firstPinName(), "13");
        QCOMPARE(rec.count(), 0);
    }

    void pinLabels()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        TestScene frame(&project);
        Device *relay = named(project, RelayKind, "K1");
        auto *winding = addItem<TestWindingItem>(scheme, WindingItemType);
        QVERIFY(relay->appendItem(winding));
        winding->wiringPin(0)->setName("13");
        // Unplaced: the pin's name alone.
        QCOMPARE(winding->pin(0)->labelText(nullptr), QString("13"));

        placeDevice(frame, relay, positionAddress(3));
        Address elsewhere = positionAddress(3);
        elsewhere.setField(1, 4);
        const QString prefix = positionAddress(3).textRelativeTo(elsewhere);
        QVERIFY(!prefix.isEmpty());
        QCOMPARE(winding->pin(0)->labelText(&elsewhere), prefix + "-13");
        // A pin without a name is labelled by the address part only.
        QCOMPARE(winding->pin(1)->labelText(&elsewhere), prefix);
        // An item's own name for its pin comes first.
        auto *resistor = boundItem(scheme, ResistorItemType, named(project, ResistorKind, "R5"));
        resistor->updatePinNames();
        QCOMPARE(resistor->pin(0)->labelText(&elsewhere), QString("R5:1"));
        Pin loose;
        QVERIFY(loose.labelText(&elsewhere).isEmpty());
        QCOMPARE(rec.count(), 0);
    }

    void sourcesOfChains()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        auto *resistor = boundItem(scheme, ResistorItemType, named(project, ResistorKind, "R1"));
        auto *contact = addItem(scheme, ContactItemType);
        auto *source = addItem<TestSourceItem>(scheme, SourceItemType);
        auto *ground = new ChainEnd(&scheme, 501);
        auto *plate = new ChainEnd(&scheme, 113);
        auto *otherPlate = new ChainEnd(&scheme, 113);
        for (GraphicsItem *item : std::initializer_list<GraphicsItem *>{ground, plate, otherPlate})
            scheme.addGraphicsItem(item);

        QString name = "old";
        bool grounded = false;
        bool plated = false;
        // A free pin: no source, the name is cleared.
        QCOMPARE(resistor->pin(0)->sourceName(&name, &grounded, &plated), 1);
        QVERIFY(name.isEmpty());

        // The source's item name while it has no tag, else the tag's.
        source->setOwnName("S0");
        QVERIFY(resistor->pin(0)->solder(source->pin(0)));
        resistor->pin(0)->sourceName(&name);
        QCOMPARE(name, QString("S0"));
        Obj *s1 = project.createDevice(SourceKind);
        s1->setName("S1");
        QVERIFY(s1->appendItem(source));
        resistor->pin(0)->sourceName(&name);
        QCOMPARE(name, QString("S1"));

        QVERIFY(resistor->pin(1)->solder(ground->pin(0)));
        resistor->pin(1)->sourceName(&name, &grounded, &plated);
        QVERIFY(name.isEmpty());
        QVERIFY(grounded);
        QVERIFY(!plated);

        // A copper plate ends the chain of a contact only.
        QVERIFY(resistor->pin(0)->resolder(plate->pin(0)));
        grounded = false;
        resistor->pin(0)->sourceName(&name, &grounded, &plated);
        QVERIFY(!plated);
        QVERIFY(contact->pin(0)->solder(otherPlate->pin(0)));
        contact->pin(0)->sourceName(&name, &grounded, &plated);
        QVERIFY(plated);
        QVERIFY(!grounded);
        QCOMPARE(rec.count(), 0);
    }

    void sceneNameOfTheFirstItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        scheme.title = QStringLiteral("Scheme 7");
        Device *block = named(project, BlockKind, "B1");
        QVERIFY(block->sceneName().isEmpty());
        boundItem(scheme, BlockItemType, block);
        scheme.setModified(false);
        QCOMPARE(block->sceneName(), QString("Scheme 7"));
        QCOMPARE(rec.count(), 0);
    }

    void placeItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene frame(&project);
        PlacedFuse fuse(&project);
        fuse.setName("F1");
        QCOMPARE(fuse.placeTypeName(), QString("FU"));
        GraphicsPlaceItemDevice *item = fuse.createPlaceItem(&frame);
        frame.addGraphicsItem(item);
        QCOMPARE(item->type(), int(QGraphicsItem::UserType + 200));
        QCOMPARE(item->zValue(), 4.0);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
        QCOMPARE(item->modelId(), 27);
        QVERIFY(item->addressSuffix());

        auto *place = new Place(&frame, nullptr, 5, 1);
        place->setPlaceSize(QSizeF(73.75, 120), 2);
        frame.addLoose(place);
        place->setPos(200, 300);
        QVERIFY(place->putItem(item));
        QCOMPARE(item->pos(), QPointF(200, 300));
        QCOMPARE(item->boundingRect(), QRectF(-3.5, -3.5, 80.75, 127));

        // Two rows: the name over the type name, black.
        PaintRecorder plain;
        paint(&plain, item);
        QCOMPARE(plain.texts, QStringList({"F1", "FU-2A"}));
        QCOMPARE(plain.shapesOf("rect").first().pen, penBlack.color());
        // Selected: blue in a view, black on paper, which draws with a
        // default option.
        item->setSelected(true);
        PaintRecorder selected;
        paint(&selected, item, QStyle::State_Selected);
        QCOMPARE(selected.shapesOf("rect").first().pen, penBlue.color());
        PaintRecorder printed;
        paint(&printed, item);
        QCOMPARE(printed.shapesOf("rect").first().pen, penBlack.color());

        // A device without a place type draws nothing.
        Device *relay = named(project, RelayKind, "K1");
        GraphicsPlaceItemDevice *nothing = relay->createPlaceItem(&frame);
        frame.addGraphicsItem(nothing);
        PaintRecorder none;
        paint(&none, nothing);
        QVERIFY(none.shapes.isEmpty() && none.texts.isEmpty());
        QCOMPARE(rec.count(), 0);
    }

    void rowsInsideAPlace()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        PlacedFuse fuse(&project);
        fuse.setName("F1");
        // Lower than 100 without a place: one line, the name.
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            fuse.drawInPlace(&painter, QRectF(0, 0, 200, 99), nullptr, "F1", "FU-2A", true, 4);
            painter.end();
            QCOMPARE(recorder.texts, QStringList({"F1"}));
        }
        // The model first on one line.
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            fuse.drawInPlace(&painter, QRectF(0, 0, 200, 60), nullptr, "F1", "FU-2A", false, 4);
            painter.end();
            QCOMPARE(recorder.texts, QStringList({"FU-2A"}));
        }
        // 250 high: five rows of 50; name in the first, model in the second.
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            fuse.drawInPlace(&painter, QRectF(0, 0, 200, 250), nullptr, "F1", "FU-2A", true, 4);
            painter.end();
            QCOMPARE(recorder.texts, QStringList({"F1", "FU-2A"}));
            QVERIFY(recorder.textRects[0].top() > 0 && recorder.textRects[0].top() < 50);
            QVERIFY(recorder.textRects[1].top() > 50 && recorder.textRects[1].top() < 100);
        }
        // The caption: name above, model below.
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            fuse.paintCaption(&painter, QRectF(0, 0, 100, 100));
            painter.end();
            QCOMPARE(recorder.texts, QStringList({"F1", "FU-2A"}));
            QVERIFY(recorder.textRects[0].top() < 50 && recorder.textRects[1].top() > 50);
        }
        QCOMPARE(rec.count(), 0);
    }

    void wiringItemDrawsLinks()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        TestScene frame(&project);
        TestScene page(&project);
        Device *r1 = named(project, ResistorKind, "R1");
        Device *r2 = named(project, ResistorKind, "R2");
        auto *a = boundItem(scheme, ResistorItemType, r1);
        auto *b = boundItem(scheme, ResistorItemType, r2);
        placeDevice(frame, r1, positionAddress(1));
        placeDevice(frame, r2, positionAddress(2));
        QVERIFY(a->wiringPin(0)->linkTo(b->wiringPin(0)));
        QVERIFY(a->wiringPin(0)->linkTo(b->wiringPin(1)));
        // Pin 0 of R1 is fed by source S1 through a thin net and a thick
        // one: the chain's section is the thickest.
        auto *source = addItem<TestSourceItem>(scheme, SourceItemType);
        Obj *s1 = project.createDevice(SourceKind);
        s1->setName("S1");
        QVERIFY(s1->appendItem(source));
        auto *thin = new GraphicsNet(&scheme), *thick = new GraphicsNet(&scheme);
        thick->setSection(5);
        QVERIFY(scheme.addGraphicsItem(thin) && scheme.addGraphicsItem(thick));
        QVERIFY(a->pin(0)->solder(thin->pin(0)) && thin->pin(1)->solder(thick->pin(0))
                && thick->pin(1)->solder(source->pin(0)));
        QCOMPARE(a->pin(0)->sourceName(nullptr), 5);

        GraphicsWiringItemDevice *picture = r1->createWiringItem(&page);
        page.addGraphicsItem(picture);
        QCOMPARE(picture->boundingRect(), QRectF(-320, -80, 840, 160));
        QCOMPARE(picture->zValue(), -1.0);
        QVERIFY(!(picture->flags() & QGraphicsItem::ItemIsSelectable));
        PaintRecorder recorder;
        paint(&recorder, picture);
        // Address, two rows of labels on the left with the wire section (in
        // the project's language) and source on the first, terminals.
        const QString section = GraphicsNet::sectionText(5, false, true); // "... mounting net ua ..."
        QCOMPARE(recorder.texts,
                 QStringList({positionAddress(1).toString(3), "R2:21", section + " S1", "R2:22", "1", "2"}));

        // A device shown by two items: frame, address and terminals only.
        auto *extra = addItem(scheme, ResistorItemType);
        r1->restoreItem(extra);
        PaintRecorder two;
        paint(&two, picture);
        QCOMPARE(two.texts, QStringList({positionAddress(1).toString(3), "1", "2"}));
        QCOMPARE(rec.count(), 0);
    }

    void collectingWires()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scheme(&project);
        TestScene frame(&project);
        Device *relay = named(project, RelayKind, "K1");
        auto *winding = addItem<TestWindingItem>(scheme, WindingItemType);
        QVERIFY(relay->appendItem(winding));
        winding->ownObj()->setName("K1");
        auto *source = addItem<TestSourceItem>(scheme, SourceItemType);
        Obj *s1 = project.createDevice(SourceKind);
        s1->setName("S1");
        QVERIFY(s1->appendItem(source));
        // Both winding pins hang on the source's net through a joint.
        auto *joint = new TestJoint(&scheme, 3);
        scheme.addGraphicsItem(joint);
        QVERIFY(joint->pin(0)->solder(source->pin(0)));
        QVERIFY(joint->pin(1)->solder(winding->pin(0)));
        QVERIFY(joint->pin(2)->solder(winding->pin(1)));

        QList<Pin *> toWire = {winding->pin(0), winding->pin(1)};
        QList<QList<Pin *>> groups;
        relay->collectWires(toWire, &groups);
        QVERIFY(toWire.isEmpty());
        QCOMPARE(groups.size(), 1);
        QCOMPARE(groups.first(), QList<Pin *>({winding->pin(0), winding->pin(1)}));

        // Without an output list only the pins taken as leads leave.
        toWire = {winding->pin(0), winding->pin(1)};
        relay->collectWires(toWire, nullptr);
        QVERIFY(toWire.isEmpty());

        // A source tied to another frame feeds no device of this one.
        source->tiedFrame = 5;
        placeDevice(frame, relay, positionAddress(1));
        toWire = {winding->pin(0), winding->pin(1)};
        groups.clear();
        relay->collectWires(toWire, &groups);
        QCOMPARE(toWire.size(), 2);
        QVERIFY(groups.isEmpty());
        // Tied to the device's own frame (row 1, frame 2).
        source->tiedFrame = 12;
        relay->collectWires(toWire, &groups);
        QVERIFY(toWire.isEmpty());
        QCOMPARE(groups.size(), 1);
        QCOMPARE(rec.count(), 0);

        // A pin whose chain meets no source is passed over, reported.
        joint->pin(0)->unsolder();
        toWire = {winding->pin(0)};
        relay->collectWires(toWire, &groups);
        QCOMPARE(toWire.size(), 1);
        QVERIFY(rec.count() >= 1);
    }
};

QTEST_MAIN(TestDevice)
#include "tst_device.moc"
