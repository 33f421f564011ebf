// The two-terminal components and the indicators, over all eleven kinds:
// their catalogues, pins named by the place's position, records, the
// pictures in places and captions, painting (never a box, never outside
// the item), a dialog on a type outside the catalogue, and every kind
// placed through its toolbox entry, saved and loaded.

#include "devices/ammetercatalogue.h"
#include "devices/bellcatalogue.h"
#include "devices/capacitorcatalogue.h"
#include "devices/diodecatalogue.h"
#include "devices/dischargercatalogue.h"
#include "devices/dlgpropplughole.h"
#include "devices/dlgproptwopin.h"
#include "devices/graphicsplughole.h"
#include "devices/graphicsresistor.h"
#include "devices/graphicstwopin.h"
#include "devices/luminodiodecatalogue.h"
#include "devices/resistorcatalogue.h"
#include "devices/signallampcatalogue.h"
#include "devices/stabilitroncatalogue.h"
#include "devices/twopindevice.h"
#include "devices/varistorcatalogue.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/file.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/devicekindtests.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTemporaryDir>
#include <QtTest>

using namespace boundtest;
using namespace devicekindtest;

namespace {

struct Kind
{
    const char *name; // registry name and dialog title
    int kind;
    int itemType;
    int action;
    double length; // the second pin's x once placed
    int row;       // the type chosen, -1 for the plughole
    int nominal;   // -1 for the kinds without nominals
    int number;    // -1 for the kinds without numbers
    const char *model;
    int placeType;
    int suffix;
    // Pins named by position: on an address change (components), or when
    // the item renames its pins (indicators but the bell).
    bool renamesOnMove;
    bool positions;
};

const Kind kinds[] = {
    {"Plughole", PlugholeKind, QGraphicsItem::UserType + 405, 88, 40, -1, -1, -1, "Plughole", 34, 0, true, true},
    {"Capacitor", CapacitorKind, QGraphicsItem::UserType + 406, 89, 120, 15, 1, -1, "K50-16-50V", 54, 0, true,
     true},
    {"Resistor", ResistorKind, QGraphicsItem::UserType + 407, 90, 160, 12, 96, -1, "MLT-0,25", 65, 0, true, true},
    {"Discharger", DischargerKind, QGraphicsItem::UserType + 408, 91, 160, 2, -1, -1, "RVNSH-250", 33, 0x40, true,
     true},
    {"Varistor", VaristorKind, QGraphicsItem::UserType + 409, 92, 160, 12, -1, -1, "SN1-2-2-27", 65, 0x41, true,
     true},
    {"Diode", DiodeKind, QGraphicsItem::UserType + 410, 95, 160, 3, -1, -1, "KD105B", 65, 0, true, true},
    {"Stabilitron", StabilitronKind, QGraphicsItem::UserType + 411, 96, 160, 1, -1, -1, "D815A", 109, 0, true, true},
    {"Bell", BellKind, QGraphicsItem::UserType + 413, 98, 40, 3, -1, -1, "S-03-12V", 105, 0, false, false},
    {"Luminodiode", LuminodiodeKind, QGraphicsItem::UserType + 418, 99, 160, 0, -1, 2, "K2", 153, 0, false, true},
    {"Signallamp", SignallampKind, QGraphicsItem::UserType + 419, 100, 120, 4, -1, 1, "S1", 153, 0, false, true},
    {"Ammeter", AmmeterKind, QGraphicsItem::UserType + 424, 104, 160, 1, -1, 3, "E-140", 142, 0, false, true},
};

QDateTime clockNow;

// An item of the kind bound to a new device of the kind's row, on the sheet.
GraphicsTwoPin *makeItem(GraphicsScene &sheet, const Kind &k, const QString &name)
{
    auto *item = dynamic_cast<GraphicsTwoPin *>(sheet.createItem(k.itemType));
    sheet.addGraphicsItem(item);
    auto *device = dynamic_cast<TwoPinDevice *>(sheet.project()->createDevice(k.kind));
    device->setType(k.row);
    device->setNominalIndex(k.nominal);
    device->setNumber(qMax(k.number, 0));
    device->appendItem(item);
    device->setName(name);
    if (auto *plughole = dynamic_cast<GraphicsPlughole *>(item))
        plughole->setPinSpacing(4);
    item->updatePinNames();
    item->updateFromObj();
    return item;
}

} // namespace

class TestTwoPin : public QObject
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
        clockNow = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123));
        setFileClock([] { return clockNow; });
    }
    void cleanupTestCase()
    {
        setFileClock(nullptr);
        deleteFonts();
    }

    // Counts and telling rows of every catalogue.
    void catalogues()
    {
        struct Row
        {
            const TwoPinCatalogue &catalogue;
            int count;
            int row;
            const char *text;
        };
        const Row rows[] = {
            {resistorCatalogue, 19, 3, "RMR-1"},      {resistorCatalogue, 19, 4, "RMR-1"},
            {capacitorCatalogue, 22, 21, "PCH50/25"}, {diodeCatalogue, 5, 4, "KD103B"},
            {dischargerCatalogue, 5, 2, "RVNSH-250"}, {stabilitronCatalogue, 4, 3, "D815G"},
            {varistorCatalogue, 13, 12, "SN1-2-2-27"}, {ammeterCatalogue, 2, 0, "E-377,5A"},
            {bellCatalogue, 4, 3, "S-03-12V"},        {luminodiodeCatalogue, 3, 2, "Z"},
            {signallampCatalogue, 5, 3, "B"},
        };
        for (const Row &r : rows) {
            QCOMPARE(r.catalogue.typeCount, r.count);
            QCOMPARE(QString(r.catalogue.typeText(r.row)), QString(r.text));
        }
        for (const char *const *list : {diodeTypes + 5, dischargerTypes + 5, stabilitronTypes + 4, ammeterTypes + 2,
                                        bellTypes + 4, luminodiodeColors + 3, signallampColors + 5})
            QCOMPARE(*list, nullptr);

        // Resistor nominals: list S, the five E24 lists by power mark, rows
        // sharing lists, and the short lists without a mark.
        QCOMPARE(resistorTypes[0].count, 60);
        QCOMPARE(QString(resistorListS[58].text) + resistorListS[59].text, QString("13062"));
        QCOMPARE(resistorListS[0].powerMark, 8);
        QStringList e24;
        for (int i : {0, 1, 4, 7, 23, 24, 47, 48, 71, 72, 95, 96, 119, 120, 143, 144, 167})
            e24 << resistorE24Lists[0][i].text;
        QCOMPARE(e24.join(' '), QString("0,1 0,11 0,15 0,2 0,91 1,0 9,1 10 91 100 910 1,0k 9,1k 10k 91k 100k 910k"));
        for (int mark = 2; mark <= 6; ++mark)
            QCOMPARE(resistorE24Lists[mark - 2][100].powerMark, mark);
        const int e24Rows[][2] = {{1, 6}, {11, 2}, {12, 3}, {13, 4}, {14, 5}, {17, 6}, {18, 3}};
        for (const auto &r : e24Rows) {
            QCOMPARE(resistorTypes[r[0]].nominals, resistorE24Lists[r[1] - 2].data());
            QCOMPARE(resistorTypes[r[0]].count, 168);
        }
        QCOMPARE(resistorTypes[7].count, 9);
        QCOMPARE(resistorTypes[7].nominals[1].powerMark, 0);
        QCOMPARE(QString(resistorTypes[7].nominals[1].text), QString("0,135"));
        QCOMPARE(resistorTypes[17].placeType, 142);
        // Capacitor nominals and their places.
        QCOMPARE(capacitorTypes[5].nominals[0].placeType, -1);
        QCOMPARE(capacitorTypes[5].nominals[1].placeType, -1);
        QCOMPARE(capacitorTypes[19].count, 4);
        QCOMPARE(QString(capacitorTypes[21].nominals[0].text), QString());
        QCOMPARE(capacitorTypes[21].nominals[0].placeType, 39);
        QCOMPARE(varistorTypes[11].placeType, 32);

        // Power marks 0 to 8 in lines.
        const int lines[ResistorPowerMarkCount] = {0, 3, 2, 1, 1, 1, 2, 2, 6};
        for (int mark = 0; mark < ResistorPowerMarkCount; ++mark) {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            drawPowerMark(&painter, mark);
            painter.end();
            QCOMPARE(recorder.shapesOf("line").size(), lines[mark]);
        }
    }

    // The model of every kind, its catalogue setters and its records.
    void models()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        for (const Kind &k : kinds) {
            std::unique_ptr<Obj> obj(project.createDevice(k.kind));
            auto *device = dynamic_cast<TwoPinDevice *>(obj.get());
            QVERIFY2(device, k.name);
            QCOMPARE(device->pinCount(), 2);
            QCOMPARE(device->addressSuffix(), k.suffix);
            QVERIFY(!device->setType(device->catalogue().typeCount));
            QVERIFY(device->setType(k.row));
            QVERIFY(!device->setNominalIndex(k.nominal == -1 ? 0 : 400));
            QVERIFY(device->setNominalIndex(k.nominal));
            device->setNumber(qMax(k.number, 0));
            QCOMPARE(device->modelName(), QString(k.model));
            QCOMPARE(device->placeType(), k.placeType);
            QVERIFY2(!device->placeTypeName().isEmpty(), k.name);
        }
        QCOMPARE(boxTexts(rec), QStringList());

        // The record: the type, then the nominal or the number; a type or
        // nominal outside the catalogue is a damaged record.
        struct Record
        {
            int kind;
            QList<qint32> fields;
            bool valid;
        };
        const Record records[] = {
            {ResistorKind, {0, 59}, true},     {ResistorKind, {0, 60}, false}, {ResistorKind, {19, -1}, false},
            {ResistorKind, {-1, -1}, true},    {CapacitorKind, {21, 0}, true}, {CapacitorKind, {21, 1}, false},
            {AmmeterKind, {1, 7}, true},       {AmmeterKind, {2, 0}, false},   {BellKind, {3}, true},
            {SignallampKind, {5, 0}, false},   {PlugholeKind, {-1}, true},     {PlugholeKind, {0}, false},
        };
        // Each record under an identity of its own: the project keeps the
        // identities read until a load or paste ends.
        qint32 identity = 5;
        for (const Record &r : records) {
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << QString("X1") << identity++;
                for (qint32 f : r.fields)
                    out << f;
                out << true;
            }
            std::unique_ptr<Obj> obj(project.createDevice(r.kind));
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            obj->read(in);
            QCOMPARE(in.status() == QDataStream::Ok, r.valid);
            if (!r.valid)
                continue;
            QVERIFY(in.atEnd());
            // Written back as read, after the name and the identity.
            QByteArray again;
            DataStream out(&again, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            obj->write(out);
            QCOMPARE(again.mid(12), bytes.mid(12));
        }
    }

    // Pins named by the position of the place, the labels of linked pins
    // and the position codes.
    void pinsByPosition()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Scheme sheet(&project);
        TestScene frame(&project);
        for (const Kind &k : kinds) {
            GraphicsTwoPin *item = makeItem(sheet, k, "X1");
            QCOMPARE(item->pin(1)->center(), QPointF(k.length, 0));
            QCOMPARE(pinNames(item), QStringList({"1", "2"}));
            if (auto *plughole = dynamic_cast<GraphicsPlughole *>(item)) {
                // The net on the second pin follows it to a new spacing.
                auto *net = new GraphicsNet(&sheet);
                sheet.addGraphicsItem(net);
                net->moveEnds(net->pin(0), QPointF(k.length, 0), net->pin(1), QPointF(k.length, 200));
                item->pin(1)->solder(net->pin(0));
                plughole->setPinSpacing(8);
                const Pin *end = item->pin(1)->partner();
                QCOMPARE(end->owner()->graphicsItem()->mapToScene(end->center()), QPointF(80, 0));
                plughole->setPinSpacing(4);
            }
            Place *place = placeDevice(frame, item->twoPinDevice(), positionAddress(3));
            // The text column takes the address's width at once, as a
            // reopen measures it: measuring again changes nothing.
            const QRectF placed = item->boundingRect();
            item->updateFromObj();
            QCOMPARE(item->boundingRect(), placed);
            QCOMPARE(pinNames(item)[0], QString(k.renamesOnMove ? "31" : "1"));
            item->updatePinNames();
            QCOMPARE(pinNames(item), k.positions ? QStringList({"31", "32"}) : QStringList({"1", "2"}));
            const int code = item->twoPinDevice()->positionCode();
            QCOMPARE(code, k.kind == BellKind ? 23 : k.renamesOnMove ? 26 : -1);
            place->setAddress(positionAddress(7, 5));
            item->updatePinNames();
            QCOMPARE(pinNames(item), QStringList({"1", "2"}));

            // Labels seen from other devices: in a console frame, by the
            // item's name for the resistor and the lamps, by name and pin
            // for the bell; the ammeter always by name and pin.
            const QString basic = item->pinName(item->pin(1), nullptr);
            QCOMPARE(basic, k.kind == AmmeterKind ? QString("X1-2") : QString());
            place->setAddress(positionAddress(2, -1, 2));
            item->updatePinNames();
            const QString console = item->pinName(item->pin(1), nullptr);
            if (k.kind == ResistorKind || k.kind == LuminodiodeKind || k.kind == SignallampKind)
                QCOMPARE(console, QString("X1"));
            else if (k.kind == BellKind || k.kind == AmmeterKind)
                QCOMPARE(console, k.kind == BellKind ? QString("X1-2") : QString("X1-22"));
            else
                QCOMPARE(console, QString());
            delete item;
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // Each kind in a frame place, in a caption cell and on a wiring page.
    void placesAndCaptions()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Scheme sheet(&project);
        TestScene frame(&project);
        struct Picture
        {
            int kind;
            QStringList place;   // in a place of three rows
            QStringList caption; // in a cell 120 high
            QStringList picture;
        };
        const Picture pictures[] = {
            {PlugholeKind, {"X1"}, {"X1"}, {}},
            {CapacitorKind, {"X1", "K50-16-50V"}, {"X1", "K50-16-50V"}, {}},
            {ResistorKind, {"X1_a", "MLT-0,25-1,0k"}, {"X1", "MLT-0,25-1,0k"}, {"1,0k"}},
            {DischargerKind, {"X1", "RVNSH-250"}, {"RVNSH-250"}, {"RVNSH-250"}},
            {VaristorKind, {"X1", "SN1-2-2-27"}, {"SN1-2-2-27"}, {"SN1-2-2-27"}},
            {DiodeKind, {"X1_a", "KD105B"}, {"X1"}, {}},
            {StabilitronKind, {"D815A"}, {"X1"}, {}},
            {BellKind, {"X1_a", "S-03-12V"}, {"S-03-12V"}, {}},
            {AmmeterKind, {"X1_a", "E-140"}, {"X1_a", "E-140"}, {}},
            // The lamp picture, with the full name as help.
            {LuminodiodeKind, {"X1_a"}, {"X1_a", "K2"}, {}},
            {SignallampKind, {"X1_a"}, {"X1_a", "S1"}, {}},
        };
        for (const Picture &p : pictures) {
            const Kind &k =
                *std::find_if(std::begin(kinds), std::end(kinds), [&](const Kind &r) { return r.kind == p.kind; });
            GraphicsTwoPin *item = makeItem(sheet, k, "X1_a");
            TwoPinDevice *device = item->twoPinDevice();
            placeDevice(frame, device, positionAddress(1));
            PaintRecorder place, caption, picture;
            QPainter painter(&place);
            device->paintInPlace(&painter, QRectF(0, 0, 200, 160), nullptr, nullptr, false);
            painter.end();
            painter.begin(&caption);
            device->paintCaption(&painter, QRectF(0, 0, 400, 120));
            painter.end();
            painter.begin(&picture);
            device->paintPicture(&painter);
            painter.end();
            QCOMPARE(place.texts, p.place);
            QCOMPARE(caption.texts, p.caption);
            QCOMPARE(picture.texts, p.picture);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // Painting raises no box, whatever the item's state, and everything
    // painted lies inside the bounding rectangle.
    void paintingStaysInside()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Scheme sheet(&project);
        TestScene frame(&project);
        for (const Kind &k : kinds) {
            // A new item, before its dialog: unbound, its pins unnamed.
            std::unique_ptr<GraphicsItem> fresh(sheet.createItem(k.itemType));
            QVERIFY2(paintedOutside(fresh.get()) == 0, k.name);
            for (int frameKind : {0, 2}) {
                GraphicsTwoPin *item = makeItem(sheet, k, "X1 of the far feeder_a");
                TwoPinDevice *device = item->twoPinDevice();
                placeDevice(frame, device, positionAddress(9, -1, frameKind));
                device->setShowAddress(true);
                item->updateFromObj();
                QVERIFY2(paintedOutside(item) == 0, k.name);
                item->mirror(false);
                QVERIFY2(paintedOutside(item) == 0, k.name);
                item->rotateBy(1, true);
                QVERIFY2(paintedOutside(item) == 0, k.name);
                // No device at all.
                delete device;
                QCOMPARE(item->obj(), nullptr);
                QVERIFY2(paintedOutside(item) == 0, k.name);
                PaintRecorder lost;
                QVERIFY(!penColours(*paint(&lost, item, false)).contains(penBlack.color()));
            }
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // A type outside the catalogue is refused from code as the reader
    // refuses it: a save never writes a project that cannot be opened.
    void typeOutsideTheCatalogueIsRefused()
    {
        Project project(nullptr, nullptr);
        Scheme sheet(&project);
        for (const Kind &k : kinds) {
            if (k.row < 0)
                continue;
            GraphicsTwoPin *item = makeItem(sheet, k, "X1");
            QVERIFY2(!item->twoPinDevice()->setModelIndex(40), k.name);
            QVERIFY2(!item->twoPinDevice()->setType(40), k.name);
            QCOMPARE(item->twoPinDevice()->modelIndex(), k.row);
            delete item;
        }
    }

    // Every kind placed through its toolbox entry and dialog, saved, loaded
    // and saved again to the same bytes.
    // The copy of "R" comes to the name "R??" first, then the copy of "R?":
    // each keeps a resistor of its own, and the paste goes through whole.
    void copiesWhoseNamesMeetPasteWhole()
    {
        ModalRecorder rec;
        SchemeEditor editor(1);
        for (const QString &name : {QString("R"), QString("R?")}) {
            const auto fill = [&](QDialog *d) {
                QTest::keyClicks(qobject_cast<DlgPropTwoPin *>(d)->edName(), name);
                pressOk(d);
            };
            QVERIFY(editor.place(kinds[2].action, rec, fill, QPointF(name.size() * 400, 800)));
        }
        editor.view()->selectAll();
        editor.view()->copy();
        editor.view()->paste();
        QCOMPARE(boxTexts(rec), QStringList());
        QSet<Obj *> devices;
        for (GraphicsTwoPin *item : itemsOf<GraphicsTwoPin>(*editor.scheme()))
            devices.insert(item->twoPinDevice());
        QVERIFY(devices.size() == 4 && !devices.contains(nullptr));
    }

    void placeSaveAndLoad()
    {
        ModalRecorder rec;
        const QString dir = m_dir.path() + "/plant";
        {
            SchemeEditor editor(2);
            double x = 300;
            for (const Kind &k : kinds) {
                QVERIFY2(editor.action(k.action)->isEnabled(), k.name);
                const auto fill = [&](QDialog *d) {
                    auto *dialog = qobject_cast<DlgPropTwoPin *>(d);
                    QVERIFY(dialog);
                    QCOMPARE(dialog->windowTitle(), QString(k.name));
                    QTest::keyClicks(dialog->edName(), QString("%1-1").arg(k.name));
                    if (RComboBox *types = dialog->typeCombo()) {
                        // The first entry shown is the alphabetically first.
                        for (int i = 1; i < types->count(); ++i)
                            QVERIFY(types->itemText(i - 1) <= types->itemText(i));
                        types->setCurrentIndex(types->findData(k.row));
                    }
                    if (RComboBox *nominals = dialog->nominalCombo())
                        nominals->setCurrentIndex(nominals->findData(k.nominal));
                    if (QSpinBox *number = dialog->numberSpin())
                        number->setValue(k.number);
                    if (auto *plughole = qobject_cast<DlgPropPlughole *>(d)) {
                        QCOMPARE(plughole->spacingSpin()->value(), 4);
                        plughole->outsideCheck()->setChecked(true);
                    }
                    pressOk(d);
                };
                auto *item = dynamic_cast<GraphicsTwoPin *>(editor.place(k.action, rec, fill, QPointF(x, 800)));
                QVERIFY2(item, k.name);
                QCOMPARE(item->pin(1)->center(), QPointF(k.length, 0));
                x += 350;
            }
            QCOMPARE(boxTexts(rec), QStringList());
            QVERIFY(editor.saveAndClose(dir));
        }
        const QMap<QString, QByteArray> first = filesBelow(dir);

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsTwoPin *> items = itemsOf<GraphicsTwoPin>(*sheet);
        QCOMPARE(items.size(), int(std::size(kinds)));
        for (int i = 0; i < items.size(); ++i) {
            const Kind &k = kinds[i];
            TwoPinDevice *device = items[i]->twoPinDevice();
            QCOMPARE(items[i]->type(), k.itemType);
            QCOMPARE(device, loaded.findObj(k.kind, QString("%1-1").arg(k.name)));
            QCOMPARE(device->modelName(), QString(k.model));
            QCOMPARE(device->nominalIndex(), k.nominal);
            QCOMPARE(device->number(), qMax(k.number, 0));
            QCOMPARE(items[i]->pin(1)->center(), QPointF(k.length, 0));
            QCOMPARE(pinNames(items[i]), QStringList({"1", "2"}));
        }
        QVERIFY(dynamic_cast<GraphicsPlughole *>(items[0])->pinsOutside());
        QCOMPARE(boxTexts(rec), QStringList());

        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/plant.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        sheet->setModified(true);
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));
        // A number or nominal changed in the dialog reaches the devices
        // table and the frame's pages at once, as a type does.
        QSignalSpy updated(&loaded, &Project::objUpdate);
        int changes = 0;
        for (GraphicsTwoPin *item : items) {
            rec.handle([&](QDialog *d) {
                auto *dialog = static_cast<DlgPropTwoPin *>(d);
                if (QSpinBox *number = dialog->numberSpin())
                    number->setValue((number->value() + 1) % (number->maximum() + 1));
                else if (RComboBox *nominals = dialog->nominalCombo())
                    nominals->setCurrentIndex(nominals->count() - 1 - nominals->currentIndex());
                changes += dialog->numberSpin() || dialog->nominalCombo();
                pressOk(d);
            });
            item->showDialog();
        }
        QVERIFY(changes > 2);
        QCOMPARE(updated.size(), changes);
        if (qEnvironmentVariableIsSet("RLAY_SAVE_RENDERS"))
            renderPart(*sheet, QRectF(200, 600, 4200, 400), "rlay_twopin.png");
    }
};

QTEST_MAIN(TestTwoPin)
#include "tst_twopin.moc"
