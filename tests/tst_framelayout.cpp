#include "app/mainwindow.h"
#include "devices/blockcatalogue.h"
#include "devices/relaycatalogue.h"
#include "equipment/equipmentlayout.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frameedit.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "graphics/graphicsline.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "graphics/sceneitem.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/file.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include "support/filesbelow.h"

#include <QtTest>

namespace {

const int blockFrameType = 6; // "SRBKM-18-75-6": devices straight in the frame body

Device *newDevice(Project &p, int kind, const QString &name, int placeType)
{
    int index = 0;
    if (kind == RelayKind)
        while (relayTypes[index].placeType != placeType)
            ++index;
    else
        while (blockTypes[index].placeType != placeType)
            ++index;
    auto *device = static_cast<Device *>(p.createDevice(kind));
    device->setModelIndex(index);
    device->setName(name);
    return device;
}

// A frame of a row, built by code.
Frame *newFrame(Project &p, int row, int number, int type)
{
    FrameGroup *group = p.equipment()->itemList().isEmpty() ? nullptr : p.equipment()->itemList().first();
    if (!group) {
        group = new FrameGroup(&p);
        p.equipment()->appendItem(group);
        Address a;
        a.setField(1, quint8(row));
        group->setAddress(a);
    }
    auto *frame = new Frame(&p);
    group->appendItem(frame);
    Address a = frame->address();
    a.setField(2, quint8(number));
    frame->setAddressField(a, 2);
    frame->setAddressField(group->address(), 1);
    frame->setFrameType(type);
    return frame;
}

Place *bodyPlace(Frame *frame, int index)
{
    return frame->layout()->parts().first()->places().at(index);
}

bool put(Device *device, Place *place)
{
    GraphicsPlaceItemDevice *item = device->createPlaceItem(place->graphicsScene());
    place->graphicsScene()->addGraphicsItem(item);
    if (!place->canDrop(item, place->sceneRect().center()))
        return false;
    return place->putItem(item);
}


} // namespace

class TestFrameLayout : public QObject
{
    Q_OBJECT

private slots:
    // Each case may run alone: the layout's registry makes panels and boards.
    void initTestCase() { FrameLayout::registerItemTypes(); }

    // Row and frame through their dialogs, the layout by a double click,
    // a relay and a block from the table of devices into the frame editor,
    // then saved, reloaded and saved again.
    void placementWalk()
    {
        ModalRecorder rec;
        MainWindow w;
        w.show();
        rec.handle(pressOk);
        w.action(0)->trigger();
        Project *p = w.project();

        const auto rowDialog = [](QDialog *d) {
            qobject_cast<DlgPropFrameGroup *>(d)->numberSpin()->setValue(1);
            pressOk(d);
        };
        rec.handle(rowDialog);
        p->setCurrentItem(p->equipment()->treeItem());
        w.action(54)->trigger();
        FrameGroup *row = p->equipment()->itemList().first();
        // A second row 1 is refused: its frames would take the first row's codes.
        rec.handle(rowDialog);
        w.action(54)->trigger();
        QCOMPARE(p->equipment()->itemList().size(), 1);
        QCOMPARE(rec.texts().last(), QString("A row with the number 1 already stands in the project!"));
        auto frameDialog = [](int number) {
            return [number](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropFrame *>(d);
                dialog->frameTypeCombo()->setCurrentIndex(dialog->frameTypeCombo()->findData(blockFrameType));
                dialog->numberSpin()->setValue(number);
                pressOk(d);
            };
        };
        rec.handle(frameDialog(2));
        p->setCurrentItem(row->treeItem());
        w.action(60)->trigger();
        Frame *frame = row->itemList().first();
        QCOMPARE(frame->frameType(), blockFrameType);
        QCOMPARE(frame->layout()->parts().size(), 3);
        QCOMPARE(frame->treeItem()->child(0), static_cast<QTreeWidgetItem *>(frame->layout()->sceneItem()));
        // A second frame 2 in the row is refused.
        rec.clear();
        rec.handle(frameDialog(2));
        w.action(60)->trigger();
        QCOMPARE(row->itemList().size(), 1);
        QCOMPARE(rec.texts().last(), QString("A frame with the number 2 already stands in this row!"));
        // One numbered beyond the dialog's range, as files may hold it, keeps its number through the dialog.
        Address eight = frame->address();
        eight.setField(2, 8);
        frame->setAddressField(eight, 2);
        rec.handle(pressOk);
        p->setCurrentItem(frame->treeItem());
        w.action(65)->trigger();
        QCOMPARE(frame->address().field(2), 8);
        eight.setField(2, 2);
        frame->setAddressField(eight, 2);

        p->doubleClickCurrentItem(frame->treeItem());
        auto *edit = qobject_cast<FrameEdit *>(qobject_cast<QTabWidget *>(w.centralWidget())->currentWidget());
        QVERIFY(edit && edit->graphicsScene() == frame->layout());

        Device *relay = newDevice(*p, RelayKind, "K1", 18);
        Device *block = newDevice(*p, BlockKind, "BL1", 22);
        EquipmentLayout *table = w.equipmentLayout();
        qobject_cast<QDockWidget *>(table->parentWidget())->show();
        QVERIFY(table->isEnabled());
        auto carryTo = [&](Device *device, Place *target) {
            emit table->tree()->itemDoubleClicked(table->findTreeItemOfObj(*device), 0);
            QCOMPARE(edit->carriedItems().size(), 1);
            edit->centerOn(target->sceneBoundingRect().center());
            const QPoint at = edit->mapFromScene(target->sceneRect().center());
            QMouseEvent move(QEvent::MouseMove, at, edit->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(edit->viewport(), &move);
            QCOMPARE(frame->layout()->highlightedPlace(), target);
            QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, at);
            QVERIFY(edit->carriedItems().isEmpty());
            QCOMPARE(target->item(), device->placeItem());
        };
        carryTo(relay, bodyPlace(frame, 9));
        carryTo(block, bodyPlace(frame, 16));
        // Over no place that takes it (18, covered), lit at the item's centre: a place takes a click beside it.
        Place *lit = bodyPlace(frame, 19);
        emit table->tree()->itemDoubleClicked(table->findTreeItemOfObj(*newDevice(*p, RelayKind, "K2", 18)), 0);
        QPoint at;
        for (int i = 0; i < 60 && frame->layout()->highlightedPlace() != lit; ++i) {
            at = edit->mapFromScene(lit->sceneRect()).boundingRect().topLeft() - QPoint(2 + i % 3, -i);
            QMouseEvent move(QEvent::MouseMove, at, QPointF(), Qt::NoButton, {}, {});
            QApplication::sendEvent(edit->viewport(), &move);
        }
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!lit->sceneRect().contains(edit->mapToScene(at)) && lit->item() && !frame->layout()->highlightedPlace());
        QCOMPARE(relay->address()->toString(1), QString("12-10"));
        QCOMPARE(block->address()->toString(1), QString("12-17"));
        QCOMPARE(table->findTreeItemOfObj(*relay)->text(4), QString("12-10"));
        QVERIFY(relay->showAddress());
        // The wide block covers its two neighbours.
        QCOMPARE(bodyPlace(frame, 17)->state(), int(Place::Covered));
        QCOMPARE(bodyPlace(frame, 18)->state(), int(Place::Covered));
        QCOMPARE(bodyPlace(frame, 19)->state(), int(Place::Normal));
        // A double click marks an empty place.
        Place *marked = bodyPlace(frame, 30);
        edit->centerOn(marked->sceneBoundingRect().center());
        QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, edit->mapFromScene(marked->sceneRect().center()));
        QCOMPARE(marked->state(), int(Place::Covered));
        // Placed again: "This device already complete!".
        emit table->tree()->itemDoubleClicked(table->findTreeItemOfObj(*relay), 0);
        QCOMPARE(rec.texts().last(), QString("This device already complete!"));

        // The filter: a place type, then devices without an address only.
        table->placeTypeEdit()->setText("block ");
        table->setFilterButton()->click();
        QVERIFY(table->findTreeItemOfObj(*relay)->isHidden() && !table->findTreeItemOfObj(*block)->isHidden());
        QVERIFY(table->cancelFilterButton()->isEnabled());
        table->placeTypeEdit()->clear();
        table->withoutAddressBox()->setChecked(true);
        table->setFilterButton()->click();
        QVERIFY(table->findTreeItemOfObj(*block)->isHidden());
        table->cancelFilterButton()->click();
        QVERIFY(!table->findTreeItemOfObj(*block)->isHidden() && !table->cancelFilterButton()->isEnabled());

        QTemporaryDir dir;
        p->setFileName(dir.path() + "/plant.rlay");
        QVERIFY(p->save());
        const QByteArray saved = sideFileContent(dir.path() + "/plant.eqm");
        // Saved again with the same files: the same bytes.
        p->setDevicesChanged();
        p->setEquipmentChanged();
        QVERIFY(p->save());
        QCOMPARE(sideFileContent(dir.path() + "/plant.eqm"), saved);

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir.path() + "/plant.rlay");
        QVERIFY(loaded.load());
        auto *k1 = static_cast<Device *>(loaded.findObj(RelayKind, "K1"));
        auto *bl1 = static_cast<Device *>(loaded.findObj(BlockKind, "BL1"));
        QVERIFY(k1->placeItem() && bl1->placeItem());
        QCOMPARE(k1->address()->toString(1), QString("12-10"));
        QVERIFY(k1->showAddress());
        QCOMPARE(bl1->address()->toString(1), QString("12-17"));
        Frame *again = loaded.equipment()->itemList().first()->itemList().first();
        QCOMPARE(bodyPlace(again, 18)->state(), int(Place::Covered));
        QCOMPARE(bodyPlace(again, 30)->state(), int(Place::Covered));
        QCOMPARE(bodyPlace(again, 30)->coveringItem(), nullptr);
        QVERIFY(!again->layout()->isModified());
        loaded.setFileName(dir.path() + "/copy.rlay");
        loaded.setDevicesChanged();
        loaded.setEquipmentChanged();
        QVERIFY(loaded.save());
        QCOMPARE(sideFileContent(dir.path() + "/copy.eqm"), saved);
        QCOMPARE(rec.texts().size(), 4);
        // Given another model, the relay leaves the editor's scene wherever it stood.
        GraphicsPlaceItemDevice *relayItem = relay->placeItem();
        relay->setModelIndex(relay->modelIndex() == 0 ? 1 : 0);
        QVERIFY(!frame->layout()->items(bodyPlace(frame, 9)->sceneRect()).contains(relayItem));
    }

    // A device carried over a place drops into it: one narrower than the
    // grid step, or one off the sheet.
    void carriedDevicesDropWhereLit()
    {
        MainWindow w;
        Project p(nullptr, nullptr);
        FrameLayout *layout = newFrame(p, 1, 1, 34)->layout();
        auto *board = new GraphicsBoard(layout);
        board->setContainerType(54); // "Board-10-DEK": ten places 29.5 wide
        auto *panel = static_cast<GraphicsPlaceContainer *>(layout->parts().at(2)->placeItem(0)); // built in
        QVERIFY(layout->addGraphicsItem(board) && panel->places().first()->putItem(board));
        FrameEdit edit(w.actionList());
        const auto carryInto = [&edit](Device *device, Place *target) {
            edit.placingDevice(*device);
            const QPoint at = edit.mapFromScene(target->sceneRect().center());
            QMouseEvent move(QEvent::MouseMove, at, QPointF(), Qt::NoButton, {}, {});
            QApplication::sendEvent(edit.viewport(), &move);
            QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, at);
            return target->item() != nullptr;
        };
        edit.setScene(layout);
        for (Place *target : board->places())
            QVERIFY(carryInto(newDevice(p, BlockKind, "DEK" + QString::number(target->number()), 207), target));
        // A board taken out of its panel takes its devices out of the frame.
        Device *dek = static_cast<GraphicsPlaceItemDevice *>(board->places().first()->item())->device();
        QVERIFY(dek->address());
        board->removeFromPlace();
        QCOMPARE(dek->address(), nullptr);
        QVERIFY(panel->places().first()->putItem(board) && dek->address());
        // A relay-case panel in the case's bottom row hangs past the sheet's
        // edge: its places there, in sight once the sheet is zoomed out,
        // take devices too.
        FrameLayout *relayCase = newFrame(p, 1, 3, 10)->layout();
        auto *hanging = new GraphicsFramePanel(relayCase);
        hanging->setContainerType(43);
        QVERIFY(relayCase->addGraphicsItem(hanging) && relayCase->parts().at(6)->places().first()->putItem(hanging));
        edit.setScene(relayCase);
        edit.resize(900, 900);
        edit.setTransform(QTransform::fromScale(0.15, 0.15));
        edit.show();
        const auto higher = [](Place *a, Place *b) { return a->sceneRect().top() < b->sceneRect().top(); };
        Place *below = *std::max_element(hanging->places().cbegin(), hanging->places().cend(), higher);
        QVERIFY(below->sceneRect().top() > relayCase->sceneRect().bottom()
                && edit.viewport()->rect().contains(edit.mapFromScene(below->sceneRect().center())));
        auto *resistor = static_cast<Device *>(p.createDevice(ResistorKind));
        resistor->setModelIndex(11);
        resistor->setName("R1");
        QVERIFY(carryInto(resistor, below));
        // One picked while another rides the cursor takes its turn: the
        // other goes back to the table. A device deleted while it rides is
        // let go of.
        Device *first = newDevice(p, BlockKind, "DEK-A", 207);
        Device *second = newDevice(p, BlockKind, "DEK-B", 207);
        edit.placingDevice(*first);
        edit.placingDevice(*second);
        QVERIFY(!first->placeItem() && edit.carriedItems() == QList<GraphicsItem *>({second->placeItem()}));
        // Dropped where no place takes it, it goes back to the table too.
        QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, edit.mapFromScene(relayCase->sceneRect().center()));
        QVERIFY(!second->placeItem() && edit.carriedItems().isEmpty());
        edit.placingDevice(*second);
        delete second;
        QVERIFY(edit.carriedItems().isEmpty());
        QTest::mouseMove(edit.viewport(), edit.viewport()->rect().center());
        // Another mode, or the view closing, sends a riding device back.
        edit.placingDevice(*first);
        edit.setEditMode(GraphicsEdit::ModeLine);
        QVERIFY(!first->placeItem());
        {
            FrameEdit closing(w.actionList());
            closing.setScene(relayCase);
            closing.placingDevice(*first);
            QVERIFY(first->placeItem());
        }
        QVERIFY(!first->placeItem());
    }

    // Devices dragged together each go into the place where they stand,
    // whatever item the mouse holds.
    void devicesDraggedTogether()
    {
        MainWindow w;
        Project p(nullptr, nullptr);
        Frame *frame = newFrame(p, 1, 2, blockFrameType);
        Device *k1 = newDevice(p, RelayKind, "K1", 18);
        Device *k2 = newDevice(p, RelayKind, "K2", 18);
        QVERIFY(put(k1, bodyPlace(frame, 9)) && put(k2, bodyPlace(frame, 10)));
        FrameEdit edit(w.actionList());
        edit.setScene(frame->layout());
        edit.resize(900, 900);
        edit.show();
        // Mouse points from the sheet's, the events handled between moves as
        // the window handles them.
        const auto drag = [&edit](const QPointF &from, const QPointF &to) {
            edit.centerOn(from);
            QTest::mousePress(edit.viewport(), Qt::LeftButton, {}, edit.mapFromScene(from));
            for (int step = 1; step <= 4; ++step) {
                QMouseEvent move(QEvent::MouseMove, edit.mapFromScene(from + (to - from) * step / 4), QPointF(),
                                 Qt::NoButton, Qt::LeftButton, {});
                QApplication::sendEvent(edit.viewport(), &move);
                QApplication::processEvents();
            }
            QTest::mouseRelease(edit.viewport(), Qt::LeftButton, {}, edit.mapFromScene(to));
        };
        const auto centre = [frame](int place) { return bodyPlace(frame, place)->sceneRect().center(); };
        k1->placeItem()->setSelected(true);
        k2->placeItem()->setSelected(true);
        drag(centre(9), centre(11));
        QCOMPARE(bodyPlace(frame, 11)->item(), k1->placeItem());
        QCOMPARE(bodyPlace(frame, 12)->item(), k2->placeItem());
        // Held by a line drawn on the sheet.
        auto *line = new GraphicsLine(frame->layout(), nullptr);
        line->setPoints(centre(20) - QPointF(100, 0), centre(20) + QPointF(100, 0));
        QVERIFY(frame->layout()->addGraphicsItem(line));
        k2->placeItem()->setSelected(false);
        line->setSelected(true);
        drag(centre(20), centre(22));
        QCOMPARE(bodyPlace(frame, 13)->item(), k1->placeItem());
        QVERIFY(k1->address() && k2->address());
    }

    // A place marked 1 that a panel comes to hang over is covered by it, and
    // free once the panel goes: the file holds one state a place, and a
    // reopen reads a 1 under an item as its covering.
    void aMarkUnderAPanelGivesWay()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Frame *frame = newFrame(p, 1, 2, 38);
        auto *panel = new GraphicsFramePanel(frame->layout());
        panel->setContainerType(20); // "DSSH-NSH", two rows high
        Place *under = bodyPlace(frame, 10);
        under->setState(Place::Covered);
        QVERIFY(frame->layout()->addGraphicsItem(panel) && bodyPlace(frame, 9)->putItem(panel));
        QCOMPARE(under->coveringItem(), panel);
        panel->removeFromPlace();
        QCOMPARE(under->state(), int(Place::Normal));
    }

    // A panel taken out of its place, however it left, is saved out of it: the frame's record is written anew.
    void anItemLeavingItsPlaceIsSaved()
    {
        ModalRecorder rec;
        QTemporaryDir dir;
        Project p(nullptr, nullptr);
        p.setFileName(dir.path() + "/plant.rlay");
        Frame *frame = newFrame(p, 1, 2, 38);
        auto *panel = new GraphicsFramePanel(frame->layout());
        panel->setContainerType(19);
        QVERIFY(frame->layout()->addGraphicsItem(panel) && bodyPlace(frame, 9)->putItem(panel) && p.save());
        panel->removeFromPlace();
        QVERIFY(p.isModified() && p.save());
        Project loaded(nullptr, nullptr);
        loaded.setFileName(p.fileName());
        QVERIFY(loaded.load());
        QCOMPARE(bodyPlace(loaded.equipment()->itemList().first()->itemList().first(), 9)->item(), nullptr);
        QCOMPARE(rec.count(), 0);
    }

    // The frame editor pastes drawing only: a board, which no copy writes,
    // comes without its type and is refused in words, adding nothing.
    void boardsAreNotPasted()
    {
        ModalRecorder rec;
        MainWindow w;
        Project p(nullptr, nullptr);
        FrameLayout *layout = newFrame(p, 1, 1, blockFrameType)->layout();
        FrameEdit edit(w.actionList());
        edit.setScene(layout);
        const QList<GraphicsItem *> before = layout->graphicsItems();
        GraphicsItem *board = layout->createItem(QGraphicsItem::UserType + 103);
        QVERIFY(layout->addGraphicsItem(board));
        edit.selectionMimeData({board});
        QVERIFY(layout->removeGraphicsItem(board));
        edit.paste();
        QCOMPARE(layout->graphicsItems(), before);
        QCOMPARE(rec.texts(), QStringList({"The clipboard holds data this program cannot paste. Nothing was pasted."}));
    }

    // Addresses follow the row, the frame and the frame type at once.
    void addressRules()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Frame *frame = newFrame(p, 1, 2, 0);
        Device *relay = newDevice(p, RelayKind, "K1", 18);
        // No relay fits a frame body of panel rows.
        QVERIFY(!put(relay, bodyPlace(frame, 0)));
        delete relay->placeItem();
        // The type changes: new parts, addressed from the frame at once.
        frame->setFrameType(blockFrameType);
        QVERIFY(put(relay, bodyPlace(frame, 3)));
        QCOMPARE(relay->address()->toString(1), QString("12-04"));
        Address row;
        row.setField(1, 3);
        p.equipment()->itemList().first()->setAddress(row);
        QCOMPARE(relay->address()->toString(1), QString("32-04"));
        // A frame of kind 0 in row 0 with number 0 numbers its places too.
        Project bare(nullptr, nullptr);
        Frame *zero = newFrame(bare, 0, 0, blockFrameType);
        Device *other = newDevice(bare, RelayKind, "K2", 18);
        QVERIFY(put(other, bodyPlace(zero, 4)));
        QCOMPARE(other->address()->toString(1), QString("-05"));
        // Another type drops what the old parts held; the row's side
        // reaches the new clamp part.
        FrameGroup *group = p.equipment()->itemList().first();
        group->setSideOfLeft(false);
        frame->setFrameType(0);
        QCOMPARE(relay->placeItem(), nullptr);
        QCOMPARE(relay->address(), nullptr);
        QCOMPARE(frame->layout()->partForClampPanelModel(1)->pos().x(), 2970.0 - 100 - 50);
        QCOMPARE(rec.count(), 0);
    }

    // A panel reaching beyond its place stands over the empty places of
    // the containers it meets, not over a held or marked one, and reopens
    // covering them; its own places there stay free.
    void hangingPanels()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Frame *frame = newFrame(p, 1, 2, 38);
        QList<GraphicsPlaceContainer *> items; // DSSH, DSSH-NSH, DSSH-C-Reduction, DSSH in 2NSH, NSH
        for (int type : {19, 20, -45, 49, 18}) {
            items << (type < 0 ? static_cast<GraphicsPlaceContainer *>(new GraphicsBoard(frame->layout()))
                               : new GraphicsFramePanel(frame->layout()));
            items.last()->setContainerType(qAbs(type));
            frame->layout()->addGraphicsItem(items.last());
        }
        const auto fits = [](auto *item, Place *place) { return place->canDrop(item, place->sceneRect().center()); };
        QVERIFY(bodyPlace(frame, 10)->putItem(items[0]) && fits(items[1], bodyPlace(frame, 9)));
        QVERIFY(items[0]->places().at(5)->putItem(items[2]) && bodyPlace(frame, 9)->putItem(items[4]));
        items[2]->places().first()->setState(Place::Marked);
        QVERIFY(!fits(items[3], items[4]->places().at(5)));
        items[2]->places().first()->setState(Place::Normal);
        QVERIFY(fits(items[3], items[4]->places().at(5)) && items[4]->places().at(5)->putItem(items[3]));
        QCOMPARE(items[2]->places().first()->coveringItem(), items[3]);
        QCOMPARE(items[3]->places().at(1)->state(), int(Place::Normal));
        // Its first place, numbered on from the one it stands in, lies there.
        QVERIFY(items[4]->places().at(5)->sceneRect().contains(items[3]->places().first()->sceneRect().center()));
        QTemporaryDir dir;
        Project loaded(nullptr, nullptr);
        p.setFileName(dir.path() + "/plant.rlay");
        loaded.setFileName(p.fileName());
        QVERIFY(p.save() && loaded.load());
        Frame *again = loaded.equipment()->itemList().first()->itemList().first();
        Place *slot = static_cast<GraphicsPlaceContainer *>(bodyPlace(again, 10)->item())->places().at(5);
        QCOMPARE(static_cast<GraphicsPlaceContainer *>(slot->item())->places().first()->state(), int(Place::CoveredByContainer));
        // Taken out, the board leaves its place under the panel.
        slot->item()->removeFromPlace();
        QCOMPARE(slot->state(), int(Place::CoveredByContainer));
        QCOMPARE(rec.count(), 0);
    }

    // A damaged layout record fails the load without a box of its own.
    void damagedLayoutRecord()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        Frame *frame = newFrame(p, 1, 1, blockFrameType);
        QByteArray parts;
        {
            Project::IdentityScope scope(p);
            DataStream out(&parts, QIODevice::WriteOnly);
            frame->layout()->saveScene(out);
        }
        parts.chop(4); // the count of the other items
        const auto loads = [&](qint32 count, qint32 type, qint32 id) {
            QByteArray bytes = parts;
            DataStream out(&bytes, QIODevice::WriteOnly | QIODevice::Append);
            out << count << type << id << qint32(0);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            return newFrame(p, 1, 2 + count, blockFrameType)->layout()->loadScene(in);
        };
        QVERIFY(!loads(1, QGraphicsItem::UserType + 200, 77)); // no such device
        QVERIFY(!loads(1, QGraphicsItem::UserType + 104, 0));  // a part among the items
        QVERIFY(!loads(100000, QGraphicsItem::UserType + 6, 0)); // more items than bytes
        QCOMPARE(rec.count(), 0);
    }

    // A project saved before frames had layouts holds no layout records.
    void framesWithoutLayoutRecords()
    {
        QByteArray bytes;
        DataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(1) << qint32(2);
        for (int i = 0; i < 2; ++i) {
            out << qint32(-1) << qint32(0) << QString();
            for (int m = 0; m < 12; ++m)
                out << QString();
            out << qint32(0);
        }
        out << quint32(0) << quint8(4) << QString("old") << false << quint8(1) << QString("a") << quint8(2)
            << QString("b");
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        p.equipment()->readItems(in);
        QVERIFY(p.equipment()->loadFirst(in));
        const QList<Frame *> frames = p.equipment()->itemList().first()->itemList();
        QCOMPARE(frames.size(), 2);
        QCOMPARE(int(frames[1]->address().field(1)), 4);
        QCOMPARE(frames[1]->comment(), QString("b"));
        QVERIFY(frames[1]->layout()->parts().isEmpty());
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestFrameLayout)
#include "tst_framelayout.moc"
