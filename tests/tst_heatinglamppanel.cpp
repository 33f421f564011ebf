// Heatings, measuring panels and lamps: their catalogues and pins, their
// pictures on schemes, in places and on wiring pages, their dialogs, and a
// project holding all three saved and loaded again.

#include "devices/dlgpropheating.h"
#include "devices/dlgproplamp.h"
#include "devices/dlgpropmeasuringpanel.h"
#include "devices/graphicsheating.h"
#include "devices/graphicslamp.h"
#include "devices/graphicsmeasuringpanel.h"
#include "devices/graphicsvaristor.h"
#include "devices/graphicswiringheating.h"
#include "devices/graphicswiringlamp.h"
#include "devices/graphicswiringmeasuringpanel.h"
#include "devices/graphicswiringvaristor.h"
#include "devices/heating.h"
#include "devices/heatingcatalogue.h"
#include "devices/lamp.h"
#include "devices/lampcatalogue.h"
#include "devices/lampsymbol.h"
#include "devices/measuringpanel.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/file.h"
#include "model/pin.h"
#include "schemes/graphicsconductor.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/boundtestitems.h"
#include "support/devicekindtests.h"
#include "support/modalrecorder.h"

#include <QDirIterator>
#include <QPainter>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace boundtest;
using namespace devicekindtest;

namespace {

// An item of the kind on the sheet, owning a new device of that name.
template <class Item>
Item *ownedItem(GraphicsScene &sheet, int kind, const QString &name, int type)
{
    auto *item = new Item(&sheet);
    sheet.addGraphicsItem(item);
    auto *device = static_cast<Device *>(sheet.project()->createDevice(kind));
    device->setModelIndex(type);
    device->appendItem(item);
    device->setName(name);
    item->setName(name);
    return item;
}

GraphicsMeasuringPanel *terminalItem(GraphicsScene &sheet, const QString &panel, int number)
{
    auto *item = new GraphicsMeasuringPanel(&sheet);
    sheet.addGraphicsItem(item);
    item->setNumber(number);
    item->setName(panel);
    return item;
}

// The item drawn as the sheet draws it, one pixel per unit, on a canvas
// three times its extent: the dark pixels outside its bounding rectangle,
// and whether it shows the colour.
int darkOutside(GraphicsItem *item, bool selected, const QColor &colour = QColor(), bool *shown = nullptr)
{
    const QRectF bounds = item->transform().mapRect(item->boundingRect());
    const QRectF canvas = bounds.adjusted(-bounds.width(), -bounds.height(), bounds.width(), bounds.height());
    QImage image(canvas.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(-canvas.topLeft());
        painter.setTransform(item->transform(), true);
        QStyleOptionGraphicsItem option;
        if (selected)
            option.state |= QStyle::State_Selected;
        item->draw(&painter, &option, false);
    }
    const QRect inside = bounds.translated(-canvas.topLeft()).toAlignedRect();
    if (shown) {
        *shown = false;
        for (int y = 0; y < image.height() && !*shown; ++y)
            for (int x = 0; x < image.width() && !*shown; ++x)
                *shown = image.pixelColor(x, y) == colour;
    }
    return darkPixels(image, image.rect()) - darkPixels(image, inside.intersected(image.rect()));
}

} // namespace

class TestHeatingLampPanel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        createScreenFonts();
        Scheme::registerItemTypes();
    }
    void cleanupTestCase() { deleteFonts(); }

    // The catalogues, and what each kind answers for its rows.
    void catalogues_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("placeType");
        QTest::addColumn<int>("pins");
        QTest::addColumn<QString>("placeName");
        QTest::newRow("heating") << int(HeatingKind) << 0 << "DTKB-49" << 117 << 12 << "Heating";
        QTest::newRow("heating, no type") << int(HeatingKind) << -1 << "" << 117 << 12 << "Heating";
        QTest::newRow("lamp NB220-60") << int(LampKind) << 0 << "NB220-60" << 107 << 2 << "Lamp";
        QTest::newRow("lamp KM-24") << int(LampKind) << 2 << "KM-24" << 154 << 2 << "Lamp FU";
        QTest::newRow("lamp NB220-25") << int(LampKind) << 3 << "NB220-25" << 107 << 2 << "Lamp";
        QTest::newRow("lamp, no type") << int(LampKind) << -1 << "" << -1 << 2 << "";
        QTest::newRow("measuring panel") << int(MeasuringPanelKind) << -1 << "" << 120 << 18 << "IP";
    }
    void catalogues()
    {
        QFETCH(int, kind);
        QFETCH(int, type);
        QCOMPARE(int(HeatingTypeCount), 1);
        QCOMPARE(heatingTypes[1], nullptr);
        QCOMPARE(int(LampTypeCount), 4);
        QCOMPARE(lampTypes[4].name, nullptr);
        Project project(nullptr, nullptr);
        std::unique_ptr<Device> device(static_cast<Device *>(project.createDevice(kind)));
        QVERIFY(device->setModelIndex(type));
        QTEST(device->modelName(), "model");
        QTEST(device->placeType(), "placeType");
        QTEST(device->pinCount(), "pins");
        QTEST(device->placeTypeName(), "placeName");
        // A type outside the table is refused; the device keeps its own.
        QVERIFY(!device->setModelIndex(kind == MeasuringPanelKind ? -2 : 4));
        QCOMPARE(device->modelIndex(), type);
        if (kind == LampKind)
            QCOMPARE(device->positionCode(), 23);
    }

    // The heating's twelve terminals, named and placed from its table; the
    // lamp's two; a measuring terminal named by its number.
    void pins()
    {
        Project project(nullptr, nullptr);
        TestScene sheet(&project);
        auto *heating = ownedItem<GraphicsHeating>(sheet, HeatingKind, "EK1", 0);
        QCOMPARE(pinNames(heating),
                 QStringList({"V1-2", "V2-2", "L1-1", "L2-1", "SH.R.2-2", "SH.R.2-1", "SH.R.1-2", "SH.R.1-1",
                              "OB-1", "OB-2", "TD-2", "TD-1"}));
        QCOMPARE(heating->pin(4)->center(), QPointF(160, 360));
        QCOMPARE(heating->pin(10)->center(), QPointF(-200, 680));
        QCOMPARE(heatingPins[7].x, 1000.0);
        QVERIFY(heatingPins[7].up && heatingPins[7].left && !heatingPins[0].up && !heatingPins[0].left);
        QCOMPARE(heating->zValue(), -1.0);
        auto *lamp = ownedItem<GraphicsLamp>(sheet, LampKind, "HL1", 2);
        TestScene frame(&project);
        placeDevice(frame, lamp->lamp(), positionAddress(3));
        QCOMPARE(pinNames(lamp), QStringList({"1", "2"}));
        QCOMPARE(lamp->pin(1)->center(), QPointF(160, 0));
        static_cast<Device *>(project.createDevice(MeasuringPanelKind))->setName("IP1");
        GraphicsMeasuringPanel *terminal = terminalItem(sheet, "IP1", 7);
        QCOMPARE(pinNames(terminal), QStringList({"7"}));
        QCOMPARE(terminal->labelText(), QString("IP1-7"));
        QCOMPARE(terminal->wiringPin(0)->linkCapacity(), 1);
        // A second terminal 7 of the panel, or a terminal 0, stays unbound.
        QVERIFY(!terminalItem(sheet, "IP1", 7)->obj());
        GraphicsMeasuringPanel *none = terminalItem(sheet, "IP1", 0);
        QVERIFY(!none->obj());
        QCOMPARE(pinNames(none), QStringList({""}));
        QCOMPARE(none->labelText(), QString("IP1-0"));
        QCOMPARE(terminal->panel()->itemByNumber(7), terminal);
    }

    // An item that lost its device is drawn red without a word; whatever an
    // item paints lies inside its bounding rectangle, long names, turns
    // and mirrors included.
    void pictures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("bound");
        QTest::addColumn<int>("quarterTurns");
        QTest::addColumn<bool>("mirrored");
        for (int kind : {int(HeatingKind), int(LampKind), int(MeasuringPanelKind)}) {
            const QByteArray name = QByteArray::number(kind);
            QTest::newRow(name + " bound") << kind << true << 0 << false;
            QTest::newRow(name + " unbound") << kind << false << 0 << false;
            QTest::newRow(name + " turned") << kind << true << 1 << false;
            QTest::newRow(name + " mirrored") << kind << true << 2 << true;
        }
    }
    void pictures()
    {
        QFETCH(int, kind);
        QFETCH(bool, bound);
        QFETCH(int, quarterTurns);
        QFETCH(bool, mirrored);
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene sheet(&project);
        TestScene frame(&project);
        const QString longName = "HEATING_OF_THE_LEFT_RACK_WITH_A_VERY_LONG_NAME";
        GraphicsDevice *item = nullptr;
        if (kind == HeatingKind) {
            item = ownedItem<GraphicsHeating>(sheet, kind, longName, 0);
        } else if (kind == LampKind) {
            item = ownedItem<GraphicsLamp>(sheet, kind, longName, 1);
            item->device()->setShowAddress(true);
            placeDevice(frame, item->device(), positionAddress(1));
        } else {
            static_cast<Device *>(project.createDevice(kind))->setName(longName);
            auto *terminal = terminalItem(sheet, longName, 12);
            terminal->setSourceName("+24V_SOURCE_OF_THE_MEASURING_CIRCUIT");
            item = terminal;
        }
        if (!bound)
            delete item->device();
        item->setTransform(GraphicsItem::matrixOf(quarterTurns, mirrored));
        item->updateFromObj();
        bool red = false;
        bool black = false;
        QCOMPARE(darkOutside(item, false, penRed.color(), &red), 0);
        QCOMPARE(darkOutside(item, false, penBlack.color(), &black), 0);
        QCOMPARE(darkOutside(item, true), 0);
        QCOMPARE(red, !bound);
        QCOMPARE(black, bound);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // The heating strips, the lamp picture in a "Lamp FU" place, the
    // measuring panel's box, with their names as help.
    void inPlace_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("placeType");
        QTest::addColumn<bool>("hideHelp");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("heating") << int(HeatingKind) << 0 << 0 << false
                                 << QStringList({"HEATING", "HEATING", "X1", "X1"});
        QTest::newRow("heating, no help") << int(HeatingKind) << 0 << 0 << true
                                          << QStringList({"HEATING", "HEATING"});
        QTest::newRow("lamp NB220") << int(LampKind) << 0 << 0 << false << QStringList({"X1", "NB220-60"});
        QTest::newRow("lamp KM-24") << int(LampKind) << 2 << 0 << false << QStringList({"X1"});
        QTest::newRow("lamp KM-24, OKL") << int(LampKind) << 2 << 116 << false << QStringList({"OKL", "X1"});
        QTest::newRow("lamp KM-24, OKL, no help") << int(LampKind) << 2 << 116 << true << QStringList({"OKL"});
        QTest::newRow("panel") << int(MeasuringPanelKind) << -1 << 0 << false << QStringList({"X1"});
    }
    void inPlace()
    {
        QFETCH(int, kind);
        QFETCH(int, type);
        QFETCH(int, placeType);
        QFETCH(bool, hideHelp);
        Project project(nullptr, nullptr);
        TestScene frame(&project);
        std::unique_ptr<Device> device(static_cast<Device *>(project.createDevice(kind)));
        device->setModelIndex(type);
        device->setName("X1");
        Place place(&frame, nullptr, placeType, 1);
        place.setPlaceSize(QSizeF(2360, 160), 2);
        PaintRecorder recorder;
        {
            QPainter painter(&recorder);
            painter.setPen(penBlack);
            device->paintInPlace(&painter, place.placeRect(), nullptr, &place, hideHelp);
        }
        QTEST(recorder.texts, "texts");
        for (const PaintRecorder::Shape &shape : recorder.shapes)
            QVERIFY(place.placeRect().adjusted(-2, -2, 2, 2).contains(shape.bounds));
    }

    // The wiring pictures on a plain sheet: the terminals with the far ends
    // of their wires, the lamp's address, the measuring grid's sources; a
    // picture whose device has no scheme item draws no terminals, silently.
    void wiringPictures()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene sheet(&project);
        TestScene frame(&project);
        auto *heating = ownedItem<GraphicsHeating>(sheet, HeatingKind, "EK1", 0);
        auto *lamp = ownedItem<GraphicsLamp>(sheet, LampKind, "HL1", 0);
        auto *far = ownedItem<GraphicsLamp>(sheet, LampKind, "HL2", 0);
        static_cast<Device *>(project.createDevice(MeasuringPanelKind))->setName("IP1");
        GraphicsMeasuringPanel *terminal = terminalItem(sheet, "IP1", 5);
        terminal->setSourceName("+24");
        placeDevice(frame, heating->device(), positionAddress(1));
        placeDevice(frame, lamp->device(), positionAddress(2));
        placeDevice(frame, far->device(), positionAddress(3));
        placeDevice(frame, terminal->device(), positionAddress(4));
        QVERIFY(heating->wiringPin(11)->linkTo(far->wiringPin(0)));
        QVERIFY(lamp->wiringPin(1)->linkTo(far->wiringPin(1)));
        QVERIFY(terminal->wiringPin(0)->linkTo(lamp->wiringPin(0)));
        const QString farLabel = far->wiringPin(0)->labelText(heating->address(), heating->wiringPin(11));
        QVERIFY(farLabel.endsWith("1"));

        TestScene page(&project);
        const auto picture = [&](GraphicsWiringItemDevice *item) {
            page.addGraphicsItem(item);
            auto *recorder = new PaintRecorder;
            paint(recorder, item, false);
            return std::unique_ptr<PaintRecorder>(recorder);
        };
        GraphicsWiringItemDevice *heatingPicture = heating->device()->createWiringItem(&page);
        QCOMPARE(heatingPicture->type(), int(GraphicsWiringHeating::Type));
        QCOMPARE(heating->device()->wiringItem(), heatingPicture);
        QVERIFY(picture(heatingPicture)->texts.contains(farLabel));
        QCOMPARE(darkOutside(heatingPicture, false), 0);

        auto *lampPicture = new GraphicsWiringLamp(&page, nullptr, lamp->lamp());
        const std::unique_ptr<PaintRecorder> lampTexts = picture(lampPicture);
        QVERIFY(lampTexts->texts.contains("K"));
        QVERIFY(lampTexts->texts.contains(lamp->addressText()));
        QVERIFY(lampTexts->texts.contains(far->wiringPin(1)->labelText(lamp->address(), lamp->wiringPin(1))));
        QCOMPARE(darkOutside(lampPicture, false), 0);
        // The varistor's rows keep to their columns, however long a name.
        auto *varistor = ownedItem<GraphicsVaristor>(sheet, VaristorKind, "RU1", 0);
        placeDevice(frame, varistor->device(), positionAddress(5));
        auto *conductor = new GraphicsConductor(&sheet);
        sheet.addGraphicsItem(conductor);
        conductor->setName(QString(60, 'W'));
        QVERIFY(varistor->pin(0)->solder(conductor->pin(0)));
        auto *varistorPicture = new GraphicsWiringVaristor(&page, nullptr, varistor->device());
        QVERIFY(picture(varistorPicture)->texts.contains(conductor->name()));
        QCOMPARE(darkOutside(varistorPicture, false), 0);

        GraphicsWiringItemDevice *grid = terminal->device()->createWiringItem(&page);
        QCOMPARE(grid->type(), int(GraphicsWiringMeasuringPanel::Type));
        const QStringList gridTexts = picture(grid)->texts;
        for (int n = 1; n <= 18; ++n)
            QVERIFY(gridTexts.contains(QString::number(n)));
        QVERIFY(gridTexts.contains("+24"));
        QCOMPARE(GraphicsWiringMeasuringPanel::cellOrigin(1), QPointF(150, 100));
        QCOMPARE(GraphicsWiringMeasuringPanel::cellOrigin(3), QPointF(300, 200));
        QCOMPARE(GraphicsWiringMeasuringPanel::cellOrigin(18), QPointF(300, 1200));
        heatingPicture->setPos(500, 200);
        lampPicture->setPos(800, 1000);
        grid->setPos(3300, 100);
        renderPart(page, QRectF(0, 0, 4000, 1500), "rlay_wiring_pictures.png");

        // The lamp's device goes: its picture keeps the circle only.
        delete lamp;
        QCOMPARE(lampPicture->device(), nullptr);
        PaintRecorder gone;
        QCOMPARE(paint(&gone, lampPicture, false)->texts, QStringList({"K"}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // Damaged records fail their load: a type outside the catalogue, a
    // terminal number outside 0..18.
    void damagedRecords()
    {
        Project project(nullptr, nullptr);
        TestScene sheet(&project);
        for (int kind : {int(HeatingKind), int(LampKind)}) {
            QByteArray bytes;
            DataStream out(&bytes, QIODevice::WriteOnly);
            out << qint32(LampTypeCount);
            DataStream in(&bytes, QIODevice::ReadOnly);
            std::unique_ptr<Obj> device(project.createDevice(kind));
            device->readData(in);
            QCOMPARE(in.status(), QDataStream::ReadCorruptData);
            QCOMPARE(static_cast<Device *>(device.get())->modelIndex(), -1);
        }
        QByteArray bytes;
        DataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(19) << QString("+24") << qint32(0) << QString("IP1");
        DataStream in(&bytes, QIODevice::ReadOnly);
        GraphicsMeasuringPanel item(&sheet);
        item.loadData(in);
        QCOMPARE(in.status(), QDataStream::ReadCorruptData);
        QCOMPARE(item.number(), 0);
        // A sound record of a terminal without its panel keeps its label
        // inside its extent.
        QByteArray sound;
        DataStream write(&sound, QIODevice::WriteOnly);
        write << qint32(3) << QString("+24") << qint32(0) << QString("IP1_OF_THE_LEFT_RACK_AND_MORE");
        DataStream read(&sound, QIODevice::ReadOnly);
        GraphicsMeasuringPanel loaded(&sheet);
        loaded.loadData(read);
        QCOMPARE(read.status(), QDataStream::Ok);
        QCOMPARE(loaded.labelText(), QString("IP1_OF_THE_LEFT_RACK_AND_MORE-3"));
        QCOMPARE(darkOutside(&loaded, false), 0);
    }

    // The dialogs: a device without a type in the catalogue is told and
    // keeps it; a terminal number another terminal of the panel carries
    // keeps the dialog open with a message.
    void dialogs()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene sheet(&project);
        auto *lamp = ownedItem<GraphicsLamp>(sheet, LampKind, "HL1", -1);
        DlgPropLamp lampDialog(&sheet);
        QCOMPARE(lampDialog.typeCombo()->itemText(0), QString("KM-24"));
        lampDialog.loadFromItem(lamp);
        QCOMPARE(boxTexts(rec).size(), 1);
        QVERIFY(boxTexts(rec).first().contains("HL1"));
        lampDialog.saveToItem(lamp);
        QCOMPARE(lamp->lamp()->modelIndex(), -1);
        lampDialog.typeCombo()->setCurrentIndex(lampDialog.typeCombo()->findData(3));
        lampDialog.saveToItem(lamp);
        QCOMPARE(lamp->lamp()->modelName(), QString("NB220-25"));
        rec.clear();

        static_cast<Device *>(project.createDevice(MeasuringPanelKind))->setName("IP1");
        GraphicsMeasuringPanel *first = terminalItem(sheet, "IP1", 4);
        GraphicsMeasuringPanel *second = terminalItem(sheet, "IP1", 5);
        DlgPropMeasuringPanel dialog(&sheet);
        dialog.execDialog(second, second->type());
        dialog.loadFromItem(second);
        QCOMPARE(dialog.edName()->text(), QString("IP1"));
        dialog.numberSpin()->setValue(4);
        pressOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(boxTexts(rec).size(), 1);
        QVERIFY(boxTexts(rec).first().contains("IP1"));
        // Its own number, or a free one, is taken.
        dialog.numberSpin()->setValue(6);
        pressOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.saveToItem(second);
        QCOMPARE(second->panel()->itemByNumber(6), second);
        QCOMPARE(first->panel()->itemByNumber(4), first);
        QCOMPARE(boxTexts(rec).size(), 1);
        // A panel named alike but for the case is another: its item's dialog shows its own.
        static_cast<Device *>(project.createDevice(MeasuringPanelKind))->setName("ip1");
        GraphicsMeasuringPanel *lower = terminalItem(sheet, "ip1", 3);
        DlgPropMeasuringPanel other(&sheet);
        other.execDialog(lower, lower->type());
        other.loadFromItem(lower);
        QCOMPARE(other.edName()->text(), QString("ip1"));
    }

    // The three kinds placed through their toolbox entries and dialogs,
    // saved, loaded back, and saved again byte for byte the same.
    void placeSaveAndLoad()
    {
        ModalRecorder rec;
        setFileClock([] { return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)); });
        SchemeEditor editor(2);
        static_cast<Device *>(editor.project()->createDevice(MeasuringPanelKind))->setName("IP1");
        const auto typed = [&](int action, const QString &name, int type, const QPointF &at) {
            return editor.place(action, rec, [&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropTypedDevice *>(d);
                QVERIFY(dialog);
                dialog->typeCombo()->setCurrentIndex(dialog->typeCombo()->findData(type));
                QTest::keyClicks(dialog->edName(), name);
                pressOk(d);
            }, at);
        };
        QVERIFY(typed(107, "EK1", 0, QPointF(800, 600)));
        QVERIFY(typed(97, "HL1", 2, QPointF(1600, 600)));
        QVERIFY(editor.place(106, rec, [&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropMeasuringPanel *>(d);
            QVERIFY(dialog);
            QTest::keyClicks(dialog->edName(), "IP1");
            dialog->numberSpin()->setValue(9);
            dialog->edSource()->setText("+24");
            pressOk(d);
        }, QPointF(2000, 1200)));
        QCOMPARE(boxTexts(rec), QStringList());
        renderPart(*editor.scheme(), QRectF(400, 400, 2000, 1200), "rlay_heating_lamp_panel.png");
        const QString first = m_dir.path() + "/first";
        QVERIFY(editor.saveAndClose(first));

        Project loaded(nullptr, nullptr);
        loaded.setFileName(first + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *scheme = loaded.schemes()->itemList().first()->itemList().first();
        QCOMPARE(itemsOf<GraphicsHeating>(*scheme).first()->heating()->modelName(), QString("DTKB-49"));
        QCOMPARE(itemsOf<GraphicsLamp>(*scheme).first()->lamp()->placeType(), 154);
        GraphicsMeasuringPanel *terminal = itemsOf<GraphicsMeasuringPanel>(*scheme).first();
        QCOMPARE(terminal->panel(), loaded.findObj(MeasuringPanelKind, "IP1"));
        QCOMPARE(terminal->number(), 9);
        QCOMPARE(terminal->sourceName(), QString("+24"));
        QCOMPARE(pinNames(terminal), QStringList({"9"}));

        const QString second = m_dir.path() + "/second";
        QVERIFY(QDir().mkpath(second));
        loaded.setFileName(second + "/plant.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        scheme->setModified(true);
        QVERIFY(loaded.save());
        int compared = 0;
        for (QDirIterator it(first, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            if (!path.endsWith(".obj") && !path.endsWith(".sch"))
                continue;
            QFile a(path);
            QFile b(second + path.mid(first.size()));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(b.readAll(), a.readAll());
            ++compared;
        }
        QCOMPARE(compared, 2);
        QCOMPARE(boxTexts(rec), QStringList());
        setFileClock(nullptr);
    }

    // The lamp in its place: the symbol on top, "OKL" in the signal-lamp
    // panel's places, the name as help below.
    void lampInPlace_data()
    {
        QTest::addColumn<int>("placeType");
        QTest::addColumn<bool>("hideHelp");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<double>("nameTop");
        QTest::newRow("plain") << 10 << false << QStringList({"HL1"}) << 140.0;
        QTest::newRow("okl") << 116 << false << QStringList({"OKL", "HL1"}) << 170.0;
        QTest::newRow("okl, no help") << 116 << true << QStringList({"OKL"}) << 0.0;
    }
    void lampInPlace()
    {
        QFETCH(int, placeType);
        QFETCH(bool, hideHelp);
        Project project(nullptr, nullptr);
        TestScene frame(&project);
        Place place(&frame, nullptr, placeType, 1);
        PaintRecorder recorder;
        {
            QPainter painter(&recorder);
            painter.setPen(penBlack);
            drawLampInPlace(&painter, QRectF(20, 100, 80, 160), nullptr, &place, hideHelp, "HL1");
            QCOMPARE(painter.pen().color(), penBlack.color());
        }
        QTEST(recorder.texts, "texts");
        const QList<PaintRecorder::Shape> circles = recorder.shapesOf("ellipse");
        QVERIFY(!circles.isEmpty());
        QCOMPARE(circles.first().bounds, QRectF(44, 110, 32, 32));
        if (!hideHelp) {
            QFETCH(double, nameTop);
            const double baseline = recorder.textRects.last().y();
            QVERIFY(baseline > nameTop && baseline < nameTop + 30);
        }
    }
};

QTEST_MAIN(TestHeatingLampPanel)
#include "tst_heatinglamppanel.moc"
