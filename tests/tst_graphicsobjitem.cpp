#include "app/checkmessagegraphicsitem.h"
#include "model/device.h"
#include "model/tag.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

using namespace boundtest;

namespace {

Obj *named(Project &project, int kind, const QString &name)
{
    Obj *obj = project.createDevice(kind);
    obj->setName(name);
    return obj;
}

TestDeviceItem *bound(TestScene &scene, int type, Obj *obj)
{
    auto *item = addItem(scene, type);
    obj->appendItem(item);
    return item;
}

} // namespace

class TestGraphicsObjItem : public QObject
{
    Q_OBJECT

private slots:
    void constructedUnbound()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *block = addItem(scene, BlockItemType);
        auto *panel = addItem(scene, PanelItemType);
        auto *capacitor = addItem(scene, CapacitorItemType);
        QCOMPARE(block->bindMode(), int(GraphicsObjItem::BindShared));
        QCOMPARE(panel->bindMode(), int(GraphicsObjItem::BindByName));
        QCOMPARE(capacitor->bindMode(), int(GraphicsObjItem::BindOwned));
        QCOMPARE(block->itemFlags(), 3);
        QCOMPARE(panel->itemFlags(), 7);
        QCOMPARE(block->obj(), nullptr);
        QVERIFY(block->ownName().isEmpty());
        QCOMPARE(block->textWidth(), 3.5);
        QCOMPARE(block->objType(), int(BlockKind));
        QVERIFY(block->flags() & QGraphicsItem::ItemIsMovable);
        QVERIFY(block->flags() & QGraphicsItem::ItemIsSelectable);
        QCOMPARE(rec.count(), 0);
    }

    void bindsByName()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        auto *first = addItem(scene, CapacitorItemType);
        auto *second = addItem(scene, CapacitorItemType);

        // No name, or a name nobody bears: nothing happens.
        QVERIFY(!first->bindByName());
        first->setOwnName("C9");
        QVERIFY(!first->bindByName());
        first->setOwnName("C1");
        scene.setModified(false);
        QVERIFY(first->bindByName());
        QCOMPARE(first->obj(), c1);
        QVERIFY(scene.isModified());
        // Bound already.
        QVERIFY(!first->bindByName());

        // A capacitor takes one item: the second stays unbound, silently.
        second->setOwnName("C1");
        QVERIFY(!second->bindByName());
        QCOMPARE(second->obj(), nullptr);
        QCOMPARE(c1->items().size(), 1);
        QCOMPARE(rec.count(), 0);
    }

    void renamingSharedItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        SignalCount updated(project, &Project::objUpdate);
        SignalCount deleted(project, &Project::objDelete);
        Obj *b1 = named(project, BlockKind, "B1");
        auto *a = bound(scene, BlockItemType, b1);
        auto *b = bound(scene, BlockItemType, b1);
        QCOMPARE(a->name(), QString("B1"));

        // One of two items leaves its object; no object of the new name.
        a->setName("B2");
        QCOMPARE(a->obj(), nullptr);
        QCOMPARE(a->ownName(), QString("B2"));
        QCOMPARE(b->obj(), b1);
        QCOMPARE(b1->name(), QString("B1"));
        QVERIFY(a->updates > 0);

        // The unbound item finds the object of its new name.
        Obj *b3 = named(project, BlockKind, "B3");
        a->setName("B3");
        QCOMPARE(a->obj(), b3);

        // The only item of an object renames it.
        updated.clear();
        a->setName("B4");
        QCOMPARE(a->obj(), b3);
        QCOMPARE(b3->name(), QString("B4"));
        QCOMPARE(project.findObj(BlockKind, "B4"), b3);
        QCOMPARE(project.findObj(BlockKind, "B3"), nullptr);
        QCOMPARE(updated.count(), 1);

        // The only item moving onto another object's name joins it; its
        // former object, left alone, goes.
        deleted.clear();
        a->setName("B1");
        QCOMPARE(a->obj(), b1);
        QCOMPARE(b1->items().size(), 2);
        QCOMPARE(project.findObj(BlockKind, "B4"), nullptr);
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(rec.count(), 0);
    }

    void renamingByNameItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *p1 = named(project, MeasuringPanelKind, "P1");
        Obj *p2 = named(project, MeasuringPanelKind, "P2");
        auto *item = addItem(scene, PanelItemType);
        item->setName("P1");
        QCOMPARE(item->obj(), p1);

        item->setName("P2");
        QCOMPARE(item->obj(), p2);
        // Leaving never deletes an object bound by name.
        QCOMPARE(project.findObj(MeasuringPanelKind, "P1"), p1);
        QVERIFY(p1->items().isEmpty());

        item->setName("P3");
        QCOMPARE(item->obj(), nullptr);
        QCOMPARE(project.findObj(MeasuringPanelKind, "P2"), p2);
        delete item;
        QCOMPARE(project.findObj(MeasuringPanelKind, "P1"), p1);
        QCOMPARE(rec.count(), 0);
    }

    void renamingOwnedItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *loose = addItem(scene, CapacitorItemType);
        // An owned item gets its object from its dialog, not by a name.
        loose->setName("C1");
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.shown.first().title, QString("Error"));
        QCOMPARE(loose->obj(), nullptr);

        Obj *c1 = named(project, CapacitorKind, "C1");
        auto *item = addItem(scene, CapacitorItemType);
        QVERIFY(c1->appendItem(item));
        item->setName("C2");
        QCOMPARE(c1->name(), QString("C2"));
        QCOMPARE(item->name(), QString("C2"));

        // The name of another capacitor is refused; nothing changes.
        named(project, CapacitorKind, "C3");
        rec.clear();
        item->setName("C3");
        QCOMPARE(rec.count(), 1);
        QCOMPARE(c1->name(), QString("C2"));
        QCOMPARE(item->ownName(), QString("C2"));
        QCOMPARE(item->obj(), c1);
    }

    void renamingTheObjectRenamesEveryItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestScene other(&project);
        Obj *b1 = named(project, BlockKind, "B1");
        auto *a = bound(scene, BlockItemType, b1);
        auto *b = bound(scene, BlockItemType, b1);
        auto *c = bound(other, BlockItemType, b1);
        scene.setModified(false);
        other.setModified(false);
        QVERIFY(b1->setName("B7"));
        for (TestDeviceItem *item : {a, b, c}) {
            QCOMPARE(item->ownName(), QString("B7"));
            QCOMPARE(item->name(), QString("B7"));
        }
        QVERIFY(scene.isModified());
        QVERIFY(other.isModified());
        QCOMPARE(rec.count(), 0);
    }

    void lastItemTakesItsObject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        SignalCount deleted(project, &Project::objDelete);
        Obj *b1 = named(project, BlockKind, "B1");
        auto *a = bound(scene, BlockItemType, b1);
        auto *b = bound(scene, BlockItemType, b1);
        delete a;
        QCOMPARE(project.findObj(BlockKind, "B1"), b1);
        QCOMPARE(deleted.count(), 0);
        delete b;
        QCOMPARE(project.findObj(BlockKind, "B1"), nullptr);
        QCOMPARE(deleted.count(), 1);

        Obj *c1 = named(project, CapacitorKind, "C1");
        auto *c = bound(scene, CapacitorItemType, c1);
        delete c;
        QCOMPARE(project.findObj(CapacitorKind, "C1"), nullptr);

        Obj *p1 = named(project, MeasuringPanelKind, "P1");
        auto *p = bound(scene, PanelItemType, p1);
        delete p;
        QCOMPARE(project.findObj(MeasuringPanelKind, "P1"), p1);
        QCOMPARE(rec.count(), 0);
    }

    void detaching()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *b1 = named(project, BlockKind, "B1");
        auto *a = bound(scene, BlockItemType, b1);
        auto *b = bound(scene, BlockItemType, b1);
        a->detachObj(true);
        QCOMPARE(a->obj(), nullptr);
        QCOMPARE(project.findObj(BlockKind, "B1"), b1);
        b->detachObj(false);
        QCOMPARE(project.findObj(BlockKind, "B1"), b1);
        QVERIFY(b1->appendItem(b));
        b->detachObj(true);
        QCOMPARE(project.findObj(BlockKind, "B1"), nullptr);
        QCOMPARE(rec.count(), 0);
    }

    void uniqueNamesForRefusingKinds()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        bound(scene, CapacitorItemType, c1);
        auto *item = addItem(scene, CapacitorItemType);
        item->setOwnName("C1");
        QCOMPARE(item->makeUniqueName(), nullptr);
        QCOMPARE(item->ownName(), QString("C1?"));

        Obj *taken = named(project, CapacitorKind, "C1?");
        bound(scene, CapacitorItemType, taken);
        item->setOwnName("C1");
        QCOMPARE(item->makeUniqueName(), nullptr);
        QCOMPARE(item->ownName(), QString("C1??"));

        // A capacitor of the name that has no item yet accepts it; it is
        // not touched.
        Obj *free = named(project, CapacitorKind, "C5");
        item->setOwnName("C5");
        QCOMPARE(item->makeUniqueName(), free);
        QCOMPARE(item->ownName(), QString("C5"));
        QVERIFY(free->items().isEmpty());
        QCOMPARE(rec.count(), 0);
    }

    void rebinding()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *b1 = named(project, BlockKind, "B1");
        auto *item = addItem(scene, BlockItemType);
        item->setOwnName("B1");
        item->rebindByName();
        QCOMPARE(item->obj(), b1);
        QCOMPARE(item->updates, 1);
        item->rebindByName();
        QCOMPARE(rec.count(), 1);
    }

    void savingAndLoadingEveryMode()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            TestScene scene(&project);
            Obj *b1 = named(project, BlockKind, "B1");
            auto *a = bound(scene, BlockItemType, b1);
            auto *b = bound(scene, BlockItemType, b1);
            a->extra = 11;
            b->extra = 12;
            auto *c = addItem(scene, CapacitorItemType);
            Obj *c1 = named(project, CapacitorKind, "C1");
            static_cast<Device *>(c1)->setModelIndex(4);
            QVERIFY(c1->appendItem(c));
            auto *winding = addItem<TestWindingItem>(scene, WindingItemType);
            Obj *k1 = named(project, RelayKind, "K1");
            QVERIFY(k1->appendItem(winding));
            QVERIFY(winding->ownObj()->setName("K1-1"));
            auto *contact = addItem(scene, ContactItemType);
            contact->setName("K1-1");
            QCOMPARE(contact->obj(), winding->ownObj());
            auto *lost = addItem(scene, BlockItemType);
            lost->setName("Lost");
            QCOMPARE(lost->obj(), nullptr);
            auto *panel = addItem(scene, PanelItemType);
            named(project, MeasuringPanelKind, "P1");
            panel->setName("P1");
            QVERIFY(panel->obj());

                bytes = saveAll(project, scene);
            // The same project saved again gives the same bytes.
            QCOMPARE(saveAll(project, scene), bytes);
            // Destroying the sheet first: its items go before the project.
        }
        QCOMPARE(rec.count(), 0);

        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QVERIFY(loadAll(project, scene, bytes));
        QCOMPARE(rec.count(), 0);
        const QList<GraphicsItem *> items = scene.graphicsItems();
        QCOMPARE(items.size(), 7);
        auto *a = dynamic_cast<TestDeviceItem *>(items[0]);
        auto *b = dynamic_cast<TestDeviceItem *>(items[1]);
        auto *c = dynamic_cast<TestDeviceItem *>(items[2]);
        auto *winding = dynamic_cast<TestWindingItem *>(items[3]);
        auto *contact = dynamic_cast<TestDeviceItem *>(items[4]);
        auto *lost = dynamic_cast<TestDeviceItem *>(items[5]);
        auto *panel = dynamic_cast<TestDeviceItem *>(items[6]);
        QVERIFY(a && b && c && winding && contact && lost && panel);

        Obj *b1 = project.findObj(BlockKind, "B1");
        QVERIFY(b1);
        QCOMPARE(a->obj(), b1);
        QCOMPARE(b->obj(), b1);
        QCOMPARE(b1->items().size(), 2);
        QCOMPARE(a->extra, 11);
        QCOMPARE(b->extra, 12);
        QCOMPARE(a->ownName(), QString("B1"));

        Obj *c1 = project.findObj(CapacitorKind, "C1");
        QVERIFY(c1);
        QCOMPARE(c->obj(), c1);
        QCOMPARE(static_cast<Device *>(c1)->modelIndex(), 4);

        QCOMPARE(winding->obj(), project.findObj(RelayKind, "K1"));
        QCOMPARE(project.findObj(RelayWindingKind, "K1-1"), winding->ownObj());
        QCOMPARE(contact->obj(), winding->ownObj());
        QCOMPARE(winding->ownObj()->items().size(), 1);

        QCOMPARE(lost->obj(), nullptr);
        QCOMPARE(lost->ownName(), QString("Lost"));
        QCOMPARE(panel->obj(), project.findObj(MeasuringPanelKind, "P1"));
        // Loading binds without marking anything modified on the way.
        QVERIFY(a->updates > 0);
    }

    void unknownIdentityFailsTheFixUp()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << qint32(0) << qint32(77);
        }
        auto *item = addItem(scene, BlockItemType);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        item->loadData(in);
        QCOMPARE(item->pendingIdentity(), 77);
        QVERIFY(!item->resolveLinks());
        QCOMPARE(item->obj(), nullptr);
        QCOMPARE(rec.count(), 0);
    }

    void pastingIntoTheSameProject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestScene target(&project);
        Obj *b1 = named(project, BlockKind, "B1");
        auto *block = bound(scene, BlockItemType, b1);
        block->extra = 5;
        Obj *c1 = named(project, CapacitorKind, "C1");
        static_cast<Device *>(c1)->setModelIndex(2);
        auto *capacitor = bound(scene, CapacitorItemType, c1);
        auto *winding = addItem<TestWindingItem>(scene, WindingItemType);
        QVERIFY(named(project, RelayKind, "K1")->appendItem(winding));
        winding->ownObj()->setName("K1-1");
        auto *contact = addItem(scene, ContactItemType);
        contact->setName("K1-1");
        auto *lost = addItem(scene, BlockItemType);
        lost->setName("Nowhere");
        QCOMPARE(rec.count(), 0);

        const QByteArray bytes = copyItems(project, scene, {block, capacitor, winding, contact, lost});
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        QCOMPARE(rec.count(), 0);
        QCOMPARE(pasted.size(), 5);
        auto *block2 = dynamic_cast<TestDeviceItem *>(pasted[0]);
        auto *capacitor2 = dynamic_cast<TestDeviceItem *>(pasted[1]);
        auto *winding2 = dynamic_cast<TestWindingItem *>(pasted[2]);
        auto *contact2 = dynamic_cast<TestDeviceItem *>(pasted[3]);
        auto *lost2 = dynamic_cast<TestDeviceItem *>(pasted[4]);

        // A block shares: the copy joins the block of its name.
        QCOMPARE(block2->obj(), b1);
        QCOMPARE(block2->extra, 5);
        QCOMPARE(b1->items().size(), 2);
        // A capacitor refuses a second item: the copy gets a new capacitor
        // with the copied fields under a name made unique.
        Obj *copied = project.findObj(CapacitorKind, "C1?");
        QVERIFY(copied && copied != c1);
        QCOMPARE(capacitor2->obj(), copied);
        QCOMPARE(capacitor2->name(), QString("C1?"));
        QCOMPARE(static_cast<Device *>(copied)->modelIndex(), 2);
        // The relay takes another winding; the winding's own object gets a
        // free name, and the copied contact follows the copied winding.
        QCOMPARE(winding2->obj(), project.findObj(RelayKind, "K1"));
        QCOMPARE(winding2->ownObj()->name(), QString("K1-1?"));
        QCOMPARE(project.findObj(RelayWindingKind, "K1-1?"), winding2->ownObj());
        QCOMPARE(contact2->obj(), winding2->ownObj());
        QCOMPARE(contact->obj(), winding->ownObj());
        // An unbound item stays unbound under its name.
        QCOMPARE(lost2->obj(), nullptr);
        QCOMPARE(lost2->ownName(), QString("Nowhere"));

        // Pasted again: the name is made unique once more.
        TestScene second(&project);
        const QList<GraphicsItem *> again = pasteItems(project, second, copyItems(project, scene, {capacitor}));
        QCOMPARE(again.size(), 1);
        QCOMPARE(dynamic_cast<TestDeviceItem *>(again[0])->name(), QString("C1??"));
    }

    void pastingAWindingNamedAsItsRelay()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestScene target(&project);
        Obj *k2 = named(project, RelayKind, "K2");
        auto *winding = addItem<TestWindingItem>(scene, WindingItemType);
        QVERIFY(k2->appendItem(winding));
        QVERIFY(winding->ownObj()->setName("K2"));

        // Both names are made unique together: the winding name K2 is
        // taken, so the copy gets a relay and a winding named K2?.
        const QList<GraphicsItem *> pasted = pasteItems(project, target, copyItems(project, scene, {winding}));
        QCOMPARE(pasted.size(), 1);
        auto *copy = dynamic_cast<TestWindingItem *>(pasted.first());
        QVERIFY(copy);
        Obj *relay = project.findObj(RelayKind, "K2?");
        QVERIFY(relay && relay != k2);
        QCOMPARE(copy->obj(), relay);
        QCOMPARE(copy->ownName(), QString("K2?"));
        QCOMPARE(copy->ownObj()->name(), QString("K2?"));
        QCOMPARE(project.findObj(RelayWindingKind, "K2?"), copy->ownObj());
        QCOMPARE(project.findObj(RelayWindingKind, "K2"), winding->ownObj());
        QCOMPARE(rec.count(), 0);
    }

    void pastingIntoAnotherProject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *block = bound(scene, BlockItemType, named(project, BlockKind, "B1"));
        auto *capacitor = bound(scene, CapacitorItemType, named(project, CapacitorKind, "C1"));
        const QByteArray bytes = copyItems(project, scene, {block, capacitor});

        Project other(nullptr, nullptr);
        TestScene target(&other);
        SignalCount appended(other, &Project::objAppend);
        const QList<GraphicsItem *> pasted = pasteItems(other, target, bytes);
        QCOMPARE(pasted.size(), 2);
        QCOMPARE(dynamic_cast<GraphicsObjItem *>(pasted[0])->obj(), other.findObj(BlockKind, "B1"));
        QCOMPARE(dynamic_cast<GraphicsObjItem *>(pasted[1])->obj(), other.findObj(CapacitorKind, "C1"));
        QCOMPARE(appended.count(), 2);
        QCOMPARE(rec.count(), 0);
    }

    void parentIsAbsent()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        scene.title = QStringLiteral("Scheme 1");
        QTreeWidget results;
        results.setColumnCount(3);
        auto *item = addItem(scene, BlockItemType);
        item->setName("B9");
        auto *bound1 = bound(scene, BlockItemType, named(project, BlockKind, "B1"));

        bound1->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 0);
        item->check(&results, 1);
        QCOMPARE(results.topLevelItemCount(), 0);
        scene.setModified(false);
        scene.checkItems(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 1);
        auto *row = dynamic_cast<CheckMessageGraphicsItem *>(results.topLevelItem(0));
        QVERIFY(row);
        QCOMPARE(row->text(0), QString("Scheme 1"));
        QCOMPARE(row->text(1), QString("B9"));
        QCOMPARE(row->text(2), QString("Parent is absent"));
        QCOMPARE(row->foreground(2).color(), QColor(Qt::red));
        QCOMPARE(row->graphicsItem(), item);
        QCOMPARE(row->graphicsScene(), &scene);
        QCOMPARE(rec.count(), 0);
    }

    void walksEndAtTheItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *item = addItem(scene, BlockItemType);
        auto *other = addItem(scene, BlockItemType);
        QList<Pin *> pins;
        item->collectNetPins(item->pin(1), pins);
        QCOMPARE(pins, QList<Pin *>{item->pin(1)});
        item->collectNetPins(other->pin(0), pins);
        QCOMPARE(pins.size(), 1);
        QCOMPARE(rec.count(), 1);
    }

    void turningRefreshesFromTheObject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *item = addItem(scene, BlockItemType);
        item->rotateBy(1, true);
        QCOMPARE(item->updates, 1);
        QCOMPARE(item->rotationIndex(), 1);
    }

    void tagItemsFormOneNet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *first = addItem<TestSourceItem>(scene, SourceItemType);
        auto *second = addItem<TestSourceItem>(scene, SourceItemType);
        // Unbound: everything counts as reached, so no pin is offered.
        QVERIFY(first->isConnected(second->pin(0), first->pin(0)));
        first->setPosQuiet(QPointF(100, 100));
        const QRectF at = first->pinSceneRect(first->pin(0));
        QCOMPARE(first->freePinAt(at, nullptr), nullptr);

        Obj *s1 = named(project, SourceKind, "S1");
        QVERIFY(s1->appendItem(first));
        QVERIFY(s1->appendItem(second));
        QCOMPARE(first->tag(), static_cast<Tag *>(s1));
        QCOMPARE(first->netName(), QString("S1"));
        // The second item's pin is reached through the tag.
        QVERIFY(first->isConnected(second->pin(0), first->pin(0)));
        QCOMPARE(first->freePinAt(at, second->pin(0)), nullptr);
        // A pin the tag does not reach is offered the free pin.
        auto *device = addItem(scene, BlockItemType);
        QCOMPARE(first->freePinAt(at, device->pin(0)), first->pin(0));

        // A net update reaching one tag item goes through the others to
        // the devices on them: a device pin keeps only links into the net.
        auto *far = addItem(scene, BlockItemType);
        QVERIFY(device->pin(0)->solder(second->pin(0)));
        QVERIFY(device->wiringPin(0)->linkTo(far->wiringPin(0)));
        QList<Pin *> net = {far->pin(0)};
        first->updateNetLinks(first->pin(0), net);
        QCOMPARE(device->wiringPin(0)->linkCount(), 1);
        net.clear();
        first->updateNetLinks(first->pin(0), net);
        QCOMPARE(device->wiringPin(0)->linkCount(), 0);
        QCOMPARE(far->wiringPin(0)->linkCount(), 0);
        QCOMPARE(rec.count(), 0);

        // Unbound tag items pass nothing on.
        QVERIFY(device->wiringPin(0)->linkTo(far->wiringPin(0)));
        s1->removeItem(first);
        first->updateNetLinks(first->pin(0), net);
        QCOMPARE(device->wiringPin(0)->linkCount(), 1);
        // A device item prunes only its own pins.
        device->updateNetLinks(far->pin(0), net);
        QCOMPARE(rec.count(), 1);
        QCOMPARE(far->wiringPin(0)->linkCount(), 1);
    }
};

QTEST_MAIN(TestGraphicsObjItem)
#include "tst_graphicsobjitem.moc"
