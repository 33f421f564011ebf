// The wiring documents of a frame: a page's user items kept and restored,
// the DC pages of the frame's modules, and the wiring page of a panel under
// a frame part, with its nested board containers and varistor rows.

#include "app/mainwindow.h"
#include "devices/blockcatalogue.h"
#include "devices/relaycatalogue.h"
#include "devices/transcatalogue.h"
#include "devices/graphicscommand.h"
#include "devices/graphicswiringvaristor.h"
#include "devices/module.h"
#include "equipment/boardcatalogue.h"
#include "equipment/checklog.h"
#include "equipment/equipmentmenager.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/graphicswiringcontainer.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "equipment/placecatalogue.h"
#include "equipment/wiringcontainertable.h"
#include "equipment/wiringedit.h"
#include "equipment/wiringlayout.h"
#include "graphics/graphicstext.h"
#include "graphics/sceneitem.h"
#include "model/datastream.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "support/modalrecorder.h"

#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

const int moduleFrameType = 11; // "SRKM-75-6+LP Varnel ": DC pages for its modules
const int panelFrameType = 0;   // "SRKM-75-17": a frame body of one-row panels
const int fu30Panel = 1;        // "Panel FU-30": eight pre-built fuse boards
const int varistorPanel = 14;   // "Panel FV-RV": a row of varistors
const int lampCarrier = 58;     // "Panel PROP-FU-R": carries a one-row panel
const int lampRightCarrier = 59; // and a lamp on the right
const int fuseResistorPanel = 5; // "Panel FU-6-R-24": six pre-built boards
const int fuseLamp = 2;          // "KM-24", the lamp that such carriers take

Frame *newFrame(Project &p, int number, int type)
{
    if (p.equipment()->itemList().isEmpty()) {
        auto *row = new FrameGroup(&p);
        p.equipment()->appendItem(row);
        Address a;
        a.setField(1, 2);
        row->setAddress(a);
    }
    FrameGroup *row = p.equipment()->itemList().first();
    auto *frame = new Frame(&p);
    row->appendItem(frame);
    Address a = frame->address();
    a.setField(2, quint8(number));
    frame->setAddressField(a, 2);
    frame->setFrameType(type);
    frame->setAddressField(row->address(), 1);
    return frame;
}

// The first place of the frame, down through its panels and boards, that
// takes the item.
bool putAnywhere(GraphicsPlaceContainer *container, GraphicsPlaceItem *item)
{
    for (Place *place : container->places()) {
        if (place->canDrop(item, place->sceneRect().center()) && place->putItem(item))
            return true;
        auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item());
        if (held && putAnywhere(held, item))
            return true;
    }
    return false;
}

Module *placedModule(Frame *frame, const QString &name, int type)
{
    auto *module = static_cast<Module *>(frame->project()->createDevice(ModuleKind));
    module->setModelIndex(type);
    module->setName(name);
    GraphicsPlaceItemDevice *item = module->createPlaceItem(frame->layout());
    frame->layout()->addGraphicsItem(item);
    for (GraphicsFramePart *part : frame->layout()->parts())
        if (putAnywhere(part, item))
            break;
    return module;
}

// A panel as a file brings it back: a top-level panel whose saved flag is
// set, which no operation of the program sets.
GraphicsFramePanel *panelFromFile(Frame *frame, int type)
{
    auto *panel = new GraphicsFramePanel(frame->layout());
    panel->setContainerType(type);
    frame->layout()->addGraphicsItem(panel);
    QByteArray bytes;
    {
        Project::IdentityScope scope(*frame->project());
        DataStream out(&bytes, QIODevice::WriteOnly);
        panel->saveData(out);
    }
    // The flag, then whether a bus is carried.
    bytes[bytes.size() - 2] = 1;
    DataStream in(&bytes, QIODevice::ReadOnly);
    panel->loadData(in);
    return panel;
}

} // namespace

class TestWiringLayout : public QObject
{
    Q_OBJECT

private slots:
    void tables()
    {
        QCOMPARE(int(WiringContainerKindCount), 40);
        QCOMPARE(int(WiringElementKindCount), 11);
        QCOMPARE(int(WiringPinNameCount), 30);
        const WiringContainerKind &fuses = wiringContainerKinds[9];
        QCOMPARE(fuses.slotCount, 2);
        QCOMPARE(QString(fuses.label), QString("FU1-FU2"));
        QCOMPARE(fuses.height, 70 + 2 * (4 + 1) * 70.0);
        QCOMPARE(wiringContainerKinds[33].dx, -468.0);
        QCOMPARE(wiringContainerKinds[17].reverse, 1);
        QCOMPARE(wiringContainerKinds[39].lines, 0);
        QCOMPARE(wiringElementKinds[8].pins, 60);
        QCOMPARE(QString(wiringElementKinds[5].prefix), QString("C"));
        QCOMPARE(wiringPinNames[0].count, 28);
        QCOMPARE(QString(wiringPinNames[0].names[4]), QString("12"));
        QCOMPARE(QString(wiringPinNames[1].names[3]), QString("K"));
        QCOMPARE(wiringPinNames[1].count, 22);
        QCOMPARE(QString(wiringPinNames[3].names[2]), QString("220"));
        QCOMPARE(QString(wiringPinNames[13].names[0]), QString("XT1-a1"));
        QCOMPARE(QString(wiringPinNames[27].names[1]), QString("2"));
    }

    // Every pin of every relay, block and transformer row is shown by each
    // slot that a place taking the row's model gives it, when the slot has
    // rows for all the row's pins.
    void everyCataloguePinShown()
    {
        // The pin rows of each model's slots; a reversed picture runs its
        // slots from its last place.
        QMultiHash<int, int> slotRows;
        auto note = [&slotRows](int containerKind, int wiringKind) {
            const ContainerKindInfo &kind = containerKinds[containerKind];
            const WiringContainerKind &wiring = wiringContainerKinds[wiringKind == -1 ? 39 : wiringKind];
            for (int i = 0; wiring.elements && i < kind.placeCount && i < wiring.slotCount; ++i) {
                const int slot = wiring.reverse ? wiring.slotCount - 1 - i : i;
                const WiringElementKind &e = wiringElementKinds[wiring.elements[slot]];
                const PlaceTypeInfo &place = placeTypes[kind.placeTypes[i]];
                for (int m = 0; m < place.modelCount; ++m)
                    slotRows.insert(place.models[m], e.lines * ((e.pins + e.lines - 1) / e.lines));
            }
        };
        for (const PanelTypeInfo &panel : panelTypes)
            note(panel.containerKind, panel.wiringKind);
        for (const BoardTypeInfo &board : boardTypes)
            note(board.containerKind, board.wiringKind);
        QStringList missing;
        auto check = [&](const char *row, int position, int model, const QList<const char *> &pins) {
            int rows = 0;
            for (int r : slotRows.values(model))
                rows = r >= pins.size() && (rows == 0 || r < rows) ? r : rows;
            const WiringPinNames &names = wiringPinNames[qMax(position, 0)];
            const QList<const char *> shown(names.names, names.names + qMin(names.count, rows));
            for (const char *pin : pins) {
                auto same = [pin](const char *name) { return !qstrcmp(name, pin); };
                if (pin && position >= 0 && std::none_of(shown.begin(), shown.end(), same))
                    missing << QString("%1 %2").arg(row, pin);
            }
        };
        using Names = QList<const char *>;
        for (const RelayType &relay : QList<RelayType>(relayTypes, relayTypes + RelayTypeCount)) {
            Names pins;
            for (int n = 0; n < relay.windingCount; ++n) {
                const RelayDescriptor &w = relay.windings[n];
                pins += Names(w.pins, w.pins + w.pinCount);
                for (int c = 0; c < w.contactCount; ++c)
                    pins += Names(w.contacts[c].names, w.contacts[c].names + contactKindPinCount(w.contacts[c].kind));
            }
            check(relay.name, relay.positionCode, relay.placeType, pins);
        }
        for (const BlockType &b : blockTypes)
            check(b.name, b.positionCode, b.placeType, Names(b.pins, b.pins + b.pinCount));
        for (const TransType &t : transTypes)
            check(t.name, t.positionCode, t.placeType, Names(t.terminals, t.terminals + t.terminalCount));
        // Position 22 and the full relay plug name more pins than a slot has rows.
        QCOMPARE(missing, QStringList({"DSSH15 4, 13", "SOBS-3A 8", "SOBS-3A 9"}));
    }

    // A page under its frame: named, numbered, opened in the wiring editor;
    // what the user drew is written without the generated items and put
    // back on the page built anew.
    void userItemsRestored()
    {
        ModalRecorder rec;
        MainWindow w;
        rec.handle(pressOk);
        w.action(0)->trigger();
        Project *p = w.project();
        Frame *frame = newFrame(*p, 1, panelFrameType);
        auto *page = frame->addWiringLayout<WiringLayout>("Heating", WiringLayout::RowPage, "", true, "");
        QCOMPARE(page->sceneItem()->parent(), static_cast<QTreeWidgetItem *>(frame->treeItem()));
        QCOMPARE(page->number(), frame->pageCounter());
        QCOMPARE(page->displayName(), QString("F 21_02*"));
        page->appendNote("a");
        page->appendNote("b");
        page->appendNote("a");
        QCOMPARE(page->secondCaption(), QString("a") + QChar(QChar::LineSeparator) + "b");

        p->doubleClickCurrentItem(page->sceneItem());
        auto *edit = qobject_cast<WiringEdit *>(qobject_cast<QTabWidget *>(w.centralWidget())->currentWidget());
        QVERIFY(edit && edit->graphicsScene() == page);

        page->addGraphicsItem(new GraphicsWiringContainer(page, nullptr, 9));
        auto *text = new GraphicsText(page, nullptr);
        text->setText("by hand");
        page->addGraphicsItem(text);
        text->setPos(440, 880);
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            page->saveUserItems(out);
            QVERIFY(page->saveUserItemsGeometry(out));
        }
        QCOMPARE(page->displayName(), QString("F 21_02"));

        auto *again = frame->addWiringLayout<WiringLayout>("Heating", WiringLayout::RowPage, "", true, "");
        DataStream in(&bytes, QIODevice::ReadOnly);
        QVERIFY(again->loadUserItems(in) && again->loadUserItemsGeometry(in));
        QVERIFY(in.atEnd());
        QCOMPARE(again->graphicsItems().size(), 1);
        auto *back = dynamic_cast<GraphicsText *>(again->graphicsItems().first());
        QVERIFY(back && back->text() == "by hand" && back->pos() == QPointF(440, 880));

        // A page without user items writes its count alone; a block naming
        // no drawing fails the load without a box of its own.
        QByteArray empty;
        DataStream none(&empty, QIODevice::WriteOnly);
        WiringLayout blank(p, frame);
        blank.saveUserItems(none);
        QCOMPARE(empty, QByteArray(4, '\0'));
        QByteArray damaged;
        DataStream bad(&damaged, QIODevice::WriteOnly);
        bad << qint32(1) << qint32(GraphicsWiringContainer::Type);
        DataStream badIn(&damaged, QIODevice::ReadOnly);
        rec.clear();
        QVERIFY(!blank.loadUserItems(badIn));
        QCOMPARE(rec.count(), 0);
        delete again;
        delete page;
    }

    // Two TU modules share a table page in the order given; a module
    // whose commands reach past the half gets two scheme pages. A
    // page whose module is gone draws its sheet alone, quietly.
    void modulePages()
    {
        ModalRecorder rec;
        MainWindow w;
        rec.handle(pressOk);
        w.action(0)->trigger();
        Project *p = w.project();
        Frame *frame = newFrame(*p, 1, moduleFrameType);
        Module *tu12 = placedModule(frame, "TU12", 1);
        Module *tu3 = placedModule(frame, "TU3", 1);
        QVERIFY(tu12->address() && tu3->address());
        Scheme *sheet = p->referenceScheme();
        for (int n : {0, 20}) {
            auto *command = static_cast<GraphicsCommand *>(sheet->createItem(GraphicsCommand::Type));
            sheet->addGraphicsItem(command);
            command->setKind(1);
            command->setNumber(quint8(n));
            command->setName("TU12");
        }
        QCOMPARE(tu12->commandItems().size(), 2);

        QList<WiringLayout *> pages;
        createModuleWiringLayouts(frame, {tu3, tu12}, pages);
        QCOMPARE(pages.size(), 4);
        auto *table = qobject_cast<WiringLayoutDCTable *>(pages[0]);
        QVERIFY(table && table->name() == "TU" && table->kind() == WiringLayout::DCTablePage);
        QCOMPARE(table->modules(), QList<Module *>({tu3, tu12}));
        QStringList schemes;
        for (int i = 1; i < pages.size(); ++i) {
            auto *scheme = qobject_cast<WiringLayoutDCScheme *>(pages[i]);
            QVERIFY(scheme && scheme->kind() == WiringLayout::DCSchemePage);
            schemes << scheme->name() + (scheme->isFirstPage() ? "A" : "B");
            QCOMPARE(scheme->number(), pages[i - 1]->number() + 1);
        }
        QCOMPARE(schemes, QStringList({"TU3A", "TU12A", "TU12B"}));

        QImage image(420, 297, QImage::Format_RGB32);
        QPainter painter(&image);
        for (WiringLayout *page : pages)
            page->renderTo(&painter);
        delete tu12;
        QVERIFY(!static_cast<WiringLayoutDCScheme *>(pages[2])->module());
        for (WiringLayout *page : pages)
            page->renderTo(&painter);
        QCOMPARE(rec.count(), 1);
        qDeleteAll(pages);
    }

    // A fuse panel under a frame part, read with its flag set: its page
    // holds its container at the row offset and a container per board,
    // right to left over the slots below their number cells.
    void panelPage()
    {
        ModalRecorder rec;
        MainWindow w;
        rec.handle(pressOk);
        w.action(0)->trigger();
        Project *p = w.project();
        Frame *frame = newFrame(*p, 1, panelFrameType);
        GraphicsFramePanel *panel = panelFromFile(frame, fu30Panel);
        QVERIFY(frame->layout()->parts().first()->places().at(4)->putItem(panel));
        CheckLog log;
        panel->buildWiring(log);
        auto *page = qobject_cast<WiringLayout *>(panel->wiringPage());
        QVERIFY(page);
        QCOMPARE(page->name(), QString("P05"));
        QCOMPARE(page->firstCaption(), QString("05"));
        QVERIFY(!page->isFrontView());
        QCOMPARE(page->kind(), int(WiringLayout::PartPage));
        QCOMPARE(page->sceneItem()->parent(), static_cast<QTreeWidgetItem *>(frame->treeItem()));

        QList<GraphicsWiringContainer *> containers;
        for (GraphicsItem *item : page->graphicsItems())
            containers << dynamic_cast<GraphicsWiringContainer *>(item);
        QCOMPARE(containers.size(), 9);
        QCOMPARE(containers[0]->kind(), 0);
        QCOMPARE(containers[0]->pos(), QPointF(300, 100));
        for (int i = 1; i < 9; ++i) {
            QCOMPARE(containers[i]->kind(), i == 1 || i == 8 ? 10 : 11);
            QCOMPARE(containers[i]->pos(), QPointF(300 + 3744 - i * 468, 100 + 70));
        }
        // A double click on a generated picture opens nothing, says nothing.
        w.showGraphicsScene(*page);
        auto *view = qobject_cast<GraphicsEdit *>(qobject_cast<QTabWidget *>(w.centralWidget())->currentWidget());
        view->centerOn(containers[4]->sceneBoundingRect().center());
        const QPoint centre = view->mapFromScene(containers[4]->sceneBoundingRect().center());
        QCOMPARE(view->sheetItemsAt(centre).value(0), containers[4]);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(rec.count(), 1);
        panel->buildWiring(log);
        QCOMPARE(panel->wiringPage(), page);
        // A board gone from its place leaves its picture empty, quietly.
        delete panel->places().at(0)->item();
        QVERIFY(!containers[1]->source() && containers[2]->source());
        QImage image(420, 297, QImage::Format_RGB32);
        QPainter painter(&image);
        page->renderTo(&painter);

        // A varistor row: a picture per place in state 0, a gap for a
        // marked place.
        GraphicsFramePanel *row = panelFromFile(frame, varistorPanel);
        QVERIFY(frame->layout()->parts().first()->places().at(6)->putItem(row));
        row->places().at(2)->setState(Place::Marked);
        row->buildWiringPage(log);
        auto *rowPage = qobject_cast<WiringLayout *>(row->wiringPage());
        QVERIFY(rowPage && rowPage->isFrontView());
        QList<QPointF> at;
        for (GraphicsItem *item : rowPage->graphicsItems())
            if (item->type() == GraphicsWiringVaristor::Type)
                at << item->pos();
        QCOMPARE(at.size(), row->places().size() - 1);
        QCOMPARE(at[1], QPointF(680, 1000));
        QCOMPARE(at[2], QPointF(1180, 1000));
        QVERIFY(log.isEmpty());
        QCOMPARE(rec.count(), 1);
    }

    // A lamp carrier takes a one-row panel and its lamp: its page shows the
    // lamp and the panel's containers, and reports nothing. A carrier left
    // without its panel reports that once.
    void lampCarrierPage()
    {
        ModalRecorder rec;
        MainWindow w;
        rec.handle(pressOk);
        w.action(0)->trigger();
        Project *p = w.project();
        Frame *frame = newFrame(*p, 1, panelFrameType);
        GraphicsFramePanel *carrier = panelFromFile(frame, lampRightCarrier);
        QVERIFY(frame->layout()->parts().first()->places().at(4)->putItem(carrier));
        GraphicsFramePanel *sub = panelFromFile(frame, fuseResistorPanel);
        QVERIFY(putAnywhere(carrier, sub));
        auto *lamp = static_cast<Device *>(p->createDevice(LampKind));
        lamp->setModelIndex(fuseLamp);
        QVERIFY(lamp->setName("H1"));
        GraphicsPlaceItemDevice *item = lamp->createPlaceItem(frame->layout());
        frame->layout()->addGraphicsItem(item);
        QVERIFY(putAnywhere(carrier, item));

        CheckLog log;
        carrier->buildWiring(log);
        QVERIFY(log.isEmpty());
        // The lamp, the panel's container and those of its boards.
        QList<int> types;
        for (GraphicsItem *shown : carrier->wiringPage()->graphicsItems())
            types << shown->type() - QGraphicsItem::UserType;
        QCOMPARE(types, QList<int>({305, 101, 101, 101, 101, 101, 101, 101}));
        QCOMPARE(carrier->wiringPage()->graphicsItems().first()->pos(), QPointF(3600, 1900));

        GraphicsFramePanel *empty = panelFromFile(frame, lampCarrier);
        QVERIFY(frame->layout()->parts().first()->places().at(6)->putItem(empty));
        empty->buildWiring(log);
        QCOMPARE(log.pending().size(), 1);
        QCOMPARE(rec.count(), 1);
    }
};

QTEST_MAIN(TestWiringLayout)
#include "tst_wiringlayout.moc"
