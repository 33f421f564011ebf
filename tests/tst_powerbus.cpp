// The supply bus of a panel: made on the project's scratch scheme, its
// terminals named and addressed from the panel, labelled with the pins wired
// to them, drawn as the wiring pages show it, and an end of every walk.

#include "app/dlgsettings.h"
#include "equipment/graphicswiringpowerbus.h"
#include "graphics/font.h"
#include "model/address.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/graphicspowerbus.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include "graphics/graphicsrect.h"
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

namespace {

const QChar lineSeparator(0x2028);

// The panel's address: frame kind 1, frame 12, place 5, with both flags.
Address panelAddress()
{
    Address address;
    address.setFrameKind(1);
    address.setField(1, 1);
    address.setField(2, 2);
    address.setField(3, 5);
    address.setField(4, 7);
    address.setField(5, 3);
    address.setHasField5(true);
    address.setPadWithZero(false);
    return address;
}

// A device on the scratch scheme to wire the bus to.
boundtest::TestDeviceItem *device(Project &project, const QString &name)
{
    Scheme *sheet = project.referenceScheme();
    auto *item = new boundtest::TestDeviceItem(sheet, boundtest::CapacitorItemType, GraphicsObjItem::BindOwned,
                                               CapacitorKind);
    sheet->addGraphicsItem(item);
    Obj *obj = project.createDevice(CapacitorKind);
    obj->appendItem(item);
    obj->setName(name);
    return item;
}

void paint(boundtest::PaintRecorder *recorder, GraphicsItem *item, bool hideHelp, bool selected)
{
    QPainter painter(recorder);
    QStyleOptionGraphicsItem option;
    option.rect = item->boundingRect().toRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    item->draw(&painter, &option, hideHelp);
}

} // namespace

class TestPowerBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        createScreenFonts();
        Scheme::registerItemTypes();
        hideHelp = false;
    }

    void cleanupTestCase()
    {
        Scheme::registerItemTypes();
        deleteFonts();
    }

    void madeOnTheScratchScheme()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Obj *bus = project.createDevice(SourceKind);
        QVERIFY(bus->setName("BUS1"));
        // The panel stands on a frame layout of its own.
        GraphicsRect panel(project.referenceScheme(), nullptr);
        GraphicsItem *panelItem = &panel;
        GraphicsPowerBus *item = createPanelPowerBus(&project, panelItem, panelAddress(), bus);
        QVERIFY(item);
        QCOMPARE(item->graphicsScene(), project.referenceScheme());
        QVERIFY(project.referenceScheme()->graphicsItems().contains(item));
        QCOMPARE(item->type(), 66036);
        QCOMPARE(item->panel(), panelItem);
        QCOMPARE(item->obj(), bus);
        QCOMPARE(item->zValue(), 0.0);
        QCOMPARE(item->itemFlags(), 0);
        QCOMPARE(item->boundingRect(), QRectF(0, 0, 1800, 200));

        // 31 wiring pins with two link slots, "1" to "30" and "I".
        QCOMPARE(item->pinCount(), 31);
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(QString::fromUtf8(item->wiringPin(i)->name()), QString::number(i + 1));
            QCOMPARE(item->wiringPin(i)->linkCapacity(), 2);
        }
        QCOMPARE(QString::fromUtf8(item->wiringPin(30)->name()), QString("I"));
        QCOMPARE(item->wiringPin(30)->linkCapacity(), 2);

        // The panel's frame and place and its flags, with the suffix "SH".
        Address *address = item->address();
        QVERIFY(address);
        const Address panel5 = panelAddress();
        for (int i = 0; i <= 3; ++i)
            QCOMPARE(address->field(i), panel5.field(i));
        QCOMPARE(address->field(4), quint8(0));
        QCOMPARE(address->field(5), quint8(0));
        QCOMPARE(address->suffixKind(), 2);
        QCOMPARE(address->hasField5(), true);
        QCOMPARE(address->padWithZero(), false);
        QCOMPARE(Address::suffixKindName(2), QString("SH"));

        // The caption: place 05, the suffix, and the object's name below.
        QCOMPARE(item->caption(), QString("05SH") + lineSeparator + "BUS1");
        QCOMPARE(rec.count(), 0);

        // No project, no bus.
        QCOMPARE(createPanelPowerBus(nullptr, panelItem, panelAddress(), bus), nullptr);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown.first().text.endsWith("Out of memory"));
    }

    void anEndThatCollectsNothing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        GraphicsPowerBus *bus = createPanelPowerBus(&project, nullptr, panelAddress(), nullptr);
        QVERIFY(bus);
        boundtest::TestDeviceItem *c1 = device(project, "C1");
        QVERIFY(c1->pin(0)->solder(bus->pin(4)));
        QList<Pin *> pins;
        QList<GraphicsUnite *> nets;
        c1->pin(0)->collectNetPinsAcross(pins);
        c1->pin(0)->collectNetAcross(pins, &nets, 0);
        QCOMPARE(pins, QList<Pin *>());
        QCOMPARE(nets, QList<GraphicsUnite *>());
        QVERIFY(!bus->isConnected(bus->pin(5), bus->pin(4)));
        // Wire links of the bus are its own: a walk leaves them alone.
        boundtest::TestDeviceItem *c2 = device(project, "C2");
        QVERIFY(bus->wiringPin(4)->linkTo(c2->wiringPin(1)));
        QList<Pin *> none;
        bus->updateNetLinks(bus->pin(4), none);
        QCOMPARE(bus->wiringPin(4)->linkCount(), 1);
        // A free terminal under the rectangle is offered as anywhere.
        bus->pin(4)->unsolder();
        QCOMPARE(bus->freePinAt(bus->pinSceneRect(bus->pin(0)), c1->pin(0)), bus->pin(0));
        QCOMPARE(rec.count(), 0);
    }

    void terminalLabels()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Obj *obj = project.createDevice(SourceKind);
        QVERIFY(obj->setName("BUS1"));
        GraphicsPowerBus *bus = createPanelPowerBus(&project, nullptr, panelAddress(), obj);
        QVERIFY(bus);
        boundtest::TestDeviceItem *c1 = device(project, "C1");
        boundtest::TestDeviceItem *c2 = device(project, "C2");
        boundtest::TestDeviceItem *c3 = device(project, "C3");
        QVERIFY(bus->wiringPin(3)->linkTo(c1->wiringPin(0)));
        QVERIFY(bus->wiringPin(30)->linkTo(c2->wiringPin(0)));
        QVERIFY(bus->wiringPin(30)->linkTo(c3->wiringPin(1)));

        const QString mark = GraphicsNet::sectionText(4, true, project.language() != 0);
        QVERIFY(!mark.isEmpty());
        const QString first = c1->wiringPin(0)->labelText(bus->address(), bus->pin(3));
        QVERIFY(first.startsWith("C1"));
        QCOMPARE(bus->terminalLabel(3, 0), first);
        QCOMPARE(bus->terminalLabel(3, 1), QString());
        QCOMPARE(bus->terminalLabel(4, 0), QString());
        QCOMPARE(bus->terminalLabel(30, 0),
                 c2->wiringPin(0)->labelText(bus->address(), bus->pin(30)) + " " + mark);
        QCOMPARE(bus->terminalLabel(30, 1),
                 c3->wiringPin(1)->labelText(bus->address(), bus->pin(30)) + " " + mark);

        // Drawn: the taps, the bar, the dots, the numbers and the caption in
        // black, whatever the state; the labels run up along the taps.
        for (bool selected : {false, true}) {
            boundtest::PaintRecorder recorder;
            paint(&recorder, bus, selected, selected);
            for (int i = 1; i <= 30; ++i)
                QVERIFY(recorder.texts.contains(QString::number(i)));
            QVERIFY(recorder.texts.contains("I"));
            QVERIFY(recorder.texts.contains("05SH"));
            QVERIFY(recorder.texts.contains("BUS1"));
            QVERIFY(recorder.texts.contains(first));
            QVERIFY(recorder.texts.contains(bus->terminalLabel(30, 0)));
            QVERIFY(recorder.texts.contains(bus->terminalLabel(30, 1)));
            QCOMPARE(recorder.shapesOf("ellipse").size(), 30);
            for (const boundtest::PaintRecorder::Shape &shape : recorder.shapes)
                QCOMPARE(shape.pen, penBlack.color());
            // Terminal 4's label stands left of its tap at x 200, above the
            // bar; the second lead's left of x 1600.
            const QRectF at = recorder.textRects[recorder.texts.indexOf(first)];
            QVERIFY2(at.center().x() > 150 && at.center().x() <= 200, qPrintable(QString::number(at.center().x())));
            QVERIFY(at.center().y() <= 140);
            const QRectF lead = recorder.textRects[recorder.texts.indexOf(bus->terminalLabel(30, 1))];
            QVERIFY(lead.center().x() > 1550 && lead.center().x() <= 1600);
            // On a wiring page a proxy of the bus's size draws what the bus draws.
            GraphicsWiringPowerBus shown(project.referenceScheme(), bus);
            boundtest::PaintRecorder proxy;
            paint(&proxy, &shown, selected, selected);
            QVERIFY(shown.type() == 65736 && shown.boundingRect() == bus->boundingRect() && proxy.texts == recorder.texts);
        }
        QCOMPARE(rec.count(), 0);

        // Slot 0 of terminal "I" empty: only the second lead has a label.
        const QString second = bus->terminalLabel(30, 1);
        c2->wiringPin(0)->dropLinksFrom(0);
        QVERIFY(bus->terminalLabel(30, 0).isEmpty() && bus->terminalLabel(30, 1) == second);
        boundtest::PaintRecorder recorder;
        paint(&recorder, bus, false, false);
        QVERIFY(recorder.texts.count(second) == 1
                && recorder.textRects[recorder.texts.indexOf(second)].center().x() > 1550);

        const QByteArray out = qgetenv("RLAY_RENDER_DIR");
        if (!out.isEmpty()) {
            QImage image(1900, 300, QImage::Format_ARGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.translate(50, 50);
                QStyleOptionGraphicsItem option;
                bus->draw(&painter, &option, false);
            }
            QVERIFY(image.save(QString::fromLocal8Bit(out) + "/powerbus.png"));
        }
    }
};

QTEST_MAIN(TestPowerBus)
#include "tst_powerbus.moc"
