#include "app/mainwindow.h"
#include "devices/relaycatalogue.h"
#include "equipment/boardcatalogue.h"
#include "equipment/dlgproppanel.h"
#include "equipment/equipmentmenager.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsboard.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "graphics/graphicsedit.h"
#include "graphics/rtreewidget.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/project.h"
#include "schemes/graphicspowerbus.h"
#include "schemes/scheme.h"
#include "support/modalrecorder.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include "support/filesbelow.h"

#include <QtTest>

namespace {

const int nmshPanel = 11;    // "Panel NMSH": eight places for relay boards, a bus
const int relBoard = 15;     // "Board-REL-NMSH": two relay places
const int rowsFrameType = 0; // a frame body of one-row panels

// Picks the row of a type in a board or panel dialog, then Ok.
ModalRecorder::Answer chooseType(const char *name)
{
    return [name](QDialog *d) {
        auto *dialog = qobject_cast<DlgPropContainerType *>(d);
        RTreeWidget *tree = dialog->typeTree();
        tree->clearSelection();
        tree->findItems(name, Qt::MatchExactly).first()->setSelected(true);
        pressOk(d);
        return d->result();
    };
}


bool put(GraphicsPlaceItem *item, Place *place)
{
    return place->canDrop(item, place->sceneRect().center()) && place->putItem(item);
}

} // namespace

class TestBoards : public QObject
{
    Q_OBJECT

private slots:
    void catalogues()
    {
        QCOMPARE(boardTypeCount, 56);
        QCOMPARE(QString(boardTypes[0].name), QString("Board-FU-2"));
        QCOMPARE(boardTypes[26].containerKind, 80);
        QCOMPARE(boardTypes[49].wiringKind, -1);
        QVERIFY(!boardTypes[54].listed && boardTypes[55].listed);
        QCOMPARE(panelTypeCount, 78);
        QCOMPARE(QString(panelTypes[56].name), QString("Panel RC-12"));
        QCOMPARE(panelTypes[75].containerKind, 181);
        QVERIFY(panelTypes[75].powerBus && !panelTypes[75].listed);
        QCOMPARE(panelTypes[76].level, 2);
        QCOMPARE(panelTypes[58].wiringKind, 39);

        ModalRecorder rec;
        Project p(nullptr, nullptr);
        DlgPropBoard boards(nullptr);
        DlgPropPanel panels(nullptr);
        QCOMPARE(boards.typeTree()->topLevelItemCount(), 40);
        QCOMPARE(panels.typeTree()->topLevelItemCount(), 52);
        QTreeWidgetItem *first = panels.typeTree()->topLevelItem(0);
        QVERIFY(first->isSelected());
        QTreeWidgetItem *nmsh = panels.typeTree()->findItems("Panel NMSH", Qt::MatchExactly).first();
        QCOMPARE(nmsh->text(2), QString("15846-66-00"));
        QCOMPARE(nmsh->text(3), QString("8"));
        QCOMPARE(nmsh->text(4), QString("Yes"));
        // Ok without a choice asks for one and stays open.
        boards.typeTree()->clearSelection();
        boards.show();
        pressOk(&boards);
        QVERIFY(boards.isVisible());
        QCOMPARE(boxTexts(rec), QStringList({"Need selected board type !"}));
    }

    // From the toolbox into a frame, a relay on a board, the panel's bus;
    // saved, reloaded and saved again to the same bytes.
    void panelWithBoardsPlacedAndReloaded()
    {
        ModalRecorder rec;
        MainWindow w;
        rec.handle(pressOk);
        w.action(0)->trigger();
        Project *p = w.project();
        auto *row = new FrameGroup(p);
        p->equipment()->appendItem(row);
        auto *frame = new Frame(p);
        row->appendItem(frame);
        Address a = frame->address();
        a.setField(2, 1);
        frame->setAddressField(a, 2);
        frame->setFrameType(rowsFrameType);
        FrameLayout *layout = frame->layout();
        p->emitShowGraphicsScene(*layout);
        auto *edit = qobject_cast<GraphicsEdit *>(qobject_cast<QTabWidget *>(w.centralWidget())->currentWidget());
        QVERIFY(edit && edit->graphicsScene() == layout);

        rec.answer(chooseType("Panel NMSH"));
        w.action(116)->trigger();
        auto *panel = dynamic_cast<GraphicsFramePanel *>(edit->carriedItems().value(0));
        QVERIFY(panel && panel->containerType() == nmshPanel && panel->level() == 3);
        QVERIFY(put(panel, layout->parts().first()->places().at(4)));
        QList<GraphicsBoard *> boards;
        for (int i = 0; i < 2; ++i) {
            rec.answer(chooseType("Board-REL-NMSH"));
            w.action(117)->trigger();
            boards.append(dynamic_cast<GraphicsBoard *>(edit->carriedItems().value(0)));
            QVERIFY(boards[i] && boards[i]->containerType() == relBoard && boards[i]->level() == 4);
            QVERIFY(put(boards[i], panel->places().at(2 * i)));
        }
        auto *relay = static_cast<Device *>(p->createDevice(RelayKind));
        relay->setModelIndex(0);
        relay->setName("K1");
        GraphicsPlaceItem *relayItem = relay->createPlaceItem(layout);
        layout->addGraphicsItem(relayItem);
        QVERIFY(put(relayItem, boards[1]->places().at(1)));
        const QString address = relay->address()->toString(1);
        QCOMPARE(address, QString("1-053-2"));
        Obj *source = p->createDevice(SourceKind);
        source->setName("BUS1");
        QVERIFY(panel->createPowerBus(source));
        QCOMPARE(panel->powerBus()->graphicsScene(), p->referenceScheme());
        QCOMPARE(boxTexts(rec).size(), 0);

        QTemporaryDir dir;
        p->setFileName(dir.path() + "/plant.rlay");
        QVERIFY(p->save());
        const QByteArray bytes = sideFileContent(dir.path() + "/plant.eqm");

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir.path() + "/plant.rlay");
        QVERIFY(loaded.load());
        Frame *again = loaded.equipment()->itemList().first()->itemList().first();
        auto *panel2 = dynamic_cast<GraphicsFramePanel *>(again->layout()->parts().first()->places().at(4)->item());
        QVERIFY(panel2 && panel2->containerType() == nmshPanel);
        QVERIFY(panel2->powerBus() && panel2->powerBus()->obj() == loaded.findObj(SourceKind, "BUS1"));
        auto *board2 = dynamic_cast<GraphicsBoard *>(panel2->places().at(2)->item());
        QVERIFY(board2 && board2->containerType() == relBoard && board2->zValue() > panel2->zValue());
        auto *k1 = static_cast<Device *>(loaded.findObj(RelayKind, "K1"));
        QCOMPARE(board2->places().at(1)->item(), k1->placeItem());
        QCOMPARE(k1->address()->toString(1), address);
        loaded.setFileName(dir.path() + "/copy.rlay");
        loaded.setDevicesChanged();
        loaded.setEquipmentChanged();
        QVERIFY(loaded.save());
        QCOMPARE(sideFileContent(dir.path() + "/copy.eqm"), bytes);
        QCOMPARE(boxTexts(rec).size(), 0);

        // Another type that fits its place keeps the panel standing there.
        Place *held = panel->place();
        rec.answer(chooseType("Panel NSH"));
        panel->showDialog();
        QCOMPARE(panel->containerType(), nmshPanel + 7);
        QCOMPARE(panel->place(), held);
        QCOMPARE(held->item(), panel);
        QCOMPARE(boxTexts(rec).size(), 0);
    }

    // A bus belongs to its type; a gone object takes its bus along.
    void busFollowsTypeAndObject()
    {
        ModalRecorder rec;
        Project p(nullptr, nullptr);
        FrameLayout layout(&p, nullptr);
        GraphicsFramePanel panel(&layout);
        panel.setContainerType(nmshPanel);
        Obj *bus = p.createDevice(SourceKind);
        bus->setName("BUS1");
        QVERIFY(panel.createPowerBus(bus));
        panel.setContainerType(nmshPanel);
        QVERIFY(panel.powerBus());
        panel.setContainerType(0);
        QVERIFY(!panel.powerBus());
        QCOMPARE(boxTexts(rec).size(), 0);
        QVERIFY(!panel.createPowerBus(bus));
        QCOMPARE(boxTexts(rec).size(), 1);
        panel.setContainerType(nmshPanel);
        QVERIFY(panel.createPowerBus(bus));
        delete bus;
        QVERIFY(!panel.powerBus());
        QCOMPARE(p.referenceScheme()->graphicsItems().size(), 0);

        // A panel type outside the table fails the layout's record quietly:
        // the load's own message is the only one.
        QByteArray bytes;
        DataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(1) << qint32(GraphicsFramePanel::Type) << qint32(panelTypeCount);
        DataStream in(&bytes, QIODevice::ReadOnly);
        QVERIFY(!layout.loadScene(in));
        QCOMPARE(boxTexts(rec).size(), 1);
    }
};

QTEST_MAIN(TestBoards)
#include "tst_boards.moc"
