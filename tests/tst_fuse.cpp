// Fuses: the catalogue, the fuse device, its items in their three roles
// (binding, pins named by the place's position, net walks, drawing, records)
// and the property dialog; then fuses placed, wired, saved and loaded
// through the real scheme editor.

#include "app/dlgsettings.h"
#include "devices/dlgpropfuse.h"
#include "devices/fuse.h"
#include "devices/fusecatalogue.h"
#include "devices/fusesymbol.h"
#include "devices/graphicsfuse.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/address.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/boundtestitems.h"
#include "support/devicekindtests.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;
using namespace devicekindtest;

namespace {

// A sheet that makes fuse items from their type id, as the scheme's
// registry does.
class FuseSheet : public GraphicsScene
{
public:
    explicit FuseSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsFuse::Type)
            return createGraphicsFuse(this);
        return GraphicsScene::createItem(type);
    }

    QString title = QStringLiteral("S1");
};

Fuse *newFuse(Project &project, const QString &name, int type)
{
    auto *fuse = dynamic_cast<Fuse *>(project.createDevice(FuseKind));
    if (!fuse)
        return nullptr;
    fuse->setModelIndex(type);
    fuse->setName(name);
    return fuse;
}

// An item of the role on the sheet, named; it binds by that name.
GraphicsFuse *placeItem(FuseSheet &sheet, const QString &name, bool duplicate, bool reservation)
{
    auto *item = new GraphicsFuse(&sheet);
    sheet.addGraphicsItem(item);
    item->setRole(duplicate, reservation);
    item->setName(name);
    return item;
}

QStringList comboTexts(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Chooses the type of the catalogue row in the class and type combos.
void chooseType(DlgPropFuse &dialog, int row)
{
    dialog.classCombo()->setCurrentIndex(dialog.classCombo()->findData(fuseTypes[row].fuseClass));
    const int entry = dialog.typeCombo()->findData(row);
    dialog.typeCombo()->setCurrentIndex(entry);
    emit dialog.typeCombo()->activated(entry);
}

} // namespace

class TestFuse : public QObject
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
    void cleanupTestCase()
    {
        Scheme::registerItemTypes();
        deleteFonts();
    }
    void init()
    {
        showBigDeviceNames = false;
        hideHelp = false;
    }

    void catalogue()
    {
        QCOMPARE(int(FuseTypeCount), 91);
        QCOMPARE(fuseTypes[91].type, nullptr);
        QCOMPARE(fuseTypes[91].nominal, nullptr);
        QCOMPARE(fuseTypes[91].fuseClass, 0);
        QCOMPARE(QStringList(std::begin(fuseClassNames), std::end(fuseClassNames)),
                 QStringList({"PN", "20876M", "20872", "20877", "20871", "24714", "24768"}));

        // Rows per class, in runs, and the rows with the contact.
        const QList<int> classOfRuns = {0, 1, 2, 3, 4, 5, 6};
        const QList<int> runEnds = {39, 58, 61, 69, 82, 90, 91};
        int row = 0;
        for (int run = 0; run < runEnds.size(); ++run) {
            for (; row < runEnds[run]; ++row) {
                QCOMPARE(fuseTypes[row].fuseClass, classOfRuns[run]);
                QCOMPARE(fuseTypes[row].contact, run == 1 || run == 5);
            }
        }

        struct Sample
        {
            int row;
            const char *nominal;
            const char *text;
        };
        const Sample samples[] = {
            {0, "0,3", "0,3A (1 perf.)"},      {3, "1", "1,0A (1 perf.)"},
            {8, "7,5", "7,5A (1 perf.)"},      {9, "10", "10A (1 perf.)"},
            {12, "30", "30A (1 perf.)"},       {13, "0,3", "0,3A (2 perf.)"},
            {16, "1", "1.0A (2 perf.)"},       {21, "7,5", "7.5A (2 perf.)"},
            {22, "10", "10A (2 perf.)"},       {26, "0,3", "0,3A (3 perf.)"},
            {29, "1", "1,0A (3 perf.)"},       {38, "30", "30A (3 perf.)"},
            {39, "0,5", "0,5A cap.20892"},     {42, "15", "15,0A cap.20896"},
            {43, "0,5", "0,5A cap.20896"},     {49, "10", "10,0A cap.20896"},
            {50, "0,5", "0,5A cap.20898"},     {57, "15", "15,0A cap.20898"},
            {58, "0,3", "0,3A cap.20898"},     {60, "0,3", "0,3A cap.20892"},
            {61, "0,5", "0,5A"},               {68, "15", "15,0A"},
            {69, "0,3", "0,3A"},               {77, "7,5", "7,5A"},
            {81, "30", "30,0A"},               {82, "0,5", "0,5A"},
            {89, "15", "15,0A"},               {90, "0,3", "0,3A"},
        };
        for (const Sample &s : samples) {
            QCOMPARE(QString(fuseTypes[s.row].nominal), QString(s.nominal));
            QCOMPARE(QString(fuseTypes[s.row].type), QString(s.text));
            QCOMPARE(fuseTypeText(s.row), QString(s.text));
        }
        // The three PN runs share their nominals.
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(QString(fuseTypes[13 + i].nominal), QString(fuseTypes[i].nominal));
            QCOMPARE(QString(fuseTypes[26 + i].nominal), QString(fuseTypes[i].nominal));
            QCOMPARE(QString(fuseTypes[69 + i].nominal), QString(fuseTypes[i].nominal));
        }
        for (int i = 0; i < 8; ++i)
            QCOMPARE(QString(fuseTypes[82 + i].type), QString(fuseTypes[61 + i].type));

        for (int p = 0; p < FusePositionCount; ++p) {
            const QString prefix = p == 0 ? QString() : QString::number(p);
            for (int c = 0; c < 4; ++c)
                QCOMPARE(QString(fusePinNames[p][c]), prefix + QString::number(c + 1));
        }
        QCOMPARE(fuseDesignation(), QString("FU"));
        QCOMPARE(fuseClassName(1), QString("20876M"));
        QCOMPARE(fuseClassName(7), QString());
        QCOMPARE(fuseTypeText(91), QString());
        QCOMPARE(fuseTypeText(-1), QString());
    }

    void symbol()
    {
        PaintRecorder recorder;
        {
            QPainter painter(&recorder);
            drawFuseSymbol(&painter);
        }
        QCOMPARE(recorder.shapesOf("line").size(), 6);
        QRectF bounds;
        for (const PaintRecorder::Shape &s : recorder.shapes)
            bounds |= s.bounds.normalized();
        QCOMPARE(bounds, QRectF(0, -15, 160, 30));
    }

    void device()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Fuse *fresh = newFuse(project, "F0", -1);
        QCOMPARE(fresh->kind(), int(FuseKind));
        QCOMPARE(fresh->modelName(), QString("FU-"));
        QCOMPARE(fresh->nominal(), QString());
        QCOMPARE(fresh->pinCount(), 2);
        QCOMPARE(fresh->placeType(), 27);
        QCOMPARE(fresh->placeTypeName(), QString("FU"));
        QCOMPARE(fresh->positionCode(), 14);
        QCOMPARE(fresh->sceneName(), QString());

        Fuse *plain = newFuse(project, "F1_a", 0);
        QCOMPARE(plain->modelName(), QString("FU-0,3"));
        QCOMPARE(plain->baseName(), QString("F1"));
        Fuse *signalling = newFuse(project, "F2", 39);
        QCOMPARE(signalling->modelName(), QString("FU-0,5"));
        QCOMPARE(signalling->pinCount(), 4);
        QVERIFY(signalling->hasContact());
        QVERIFY(!plain->hasContact());
        QCOMPARE(boxTexts(rec), QStringList());

        // An index beyond the catalogue is refused: the fuse keeps its type.
        const QString before = plain->modelName();
        QVERIFY(!plain->setModelIndex(91));
        QCOMPARE(plain->modelName(), before);
        QCOMPARE(boxTexts(rec).size(), 0);
    }

    void records()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Fuse *fuse = newFuse(project, "F1", 42);
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
            out << QString("F1") << qint32(1) << qint32(42) << true;
        }
        QCOMPARE(bytes, expected);

        // Read back, and the damaged indices.
        const QList<int> indices = {-1, 0, 90, 91, -2, 1000};
        for (int index : indices) {
            QByteArray record;
            {
                DataStream out(&record, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << QString("F9") << qint32(7) << qint32(index) << false;
            }
            Project other(nullptr, nullptr);
            std::unique_ptr<Obj> copy(other.createDevice(FuseKind));
            DataStream in(&record, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            copy->read(in);
            const bool valid = index >= -1 && index <= 90;
            QCOMPARE(in.status() == QDataStream::Ok, valid);
            QCOMPARE(static_cast<Fuse *>(copy.get())->modelIndex(), valid ? index : -1);
        }
        QCOMPARE(boxTexts(rec), QStringList());

        // A damaged fuse in the devices of a project file is refused.
        QByteArray devices;
        {
            DataStream out(&devices, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << qint32(1) << qint32(FuseKind) << qint32(1);
            out << QString("F") << qint32(1) << qint32(91) << false;
        }
        Project other(nullptr, nullptr);
        DataStream in(&devices, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(!other.readDevices(in, &message));
        QVERIFY(message.startsWith("Load devices not correct."));
        QCOMPARE(other.findObj(FuseKind, "F"), nullptr);
        QCOMPARE(other.objByOldId(1), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void binding()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        // A type with the contact takes one item of each role.
        Fuse *f1 = newFuse(project, "F1", 39);
        GraphicsFuse *primary = placeItem(sheet, "F1", false, false);
        GraphicsFuse *reservation = placeItem(sheet, "F1", true, true);
        GraphicsFuse *fusion = placeItem(sheet, "F1", true, false);
        QCOMPARE(primary->fuse(), f1);
        QCOMPARE(reservation->fuse(), f1);
        QCOMPARE(fusion->fuse(), f1);
        QVERIFY(!primary->isFusionControl() && !reservation->isFusionControl() && fusion->isFusionControl());
        QCOMPARE(f1->primaryItem(), primary);
        // A fourth item, whatever its role, is refused.
        GraphicsFuse *fourth = placeItem(sheet, "F1", false, false);
        QCOMPARE(fourth->obj(), nullptr);
        QCOMPARE(fourth->name(), QString("F1"));
        QCOMPARE(f1->items().size(), 3);
        // A second item of a role already shown is refused.
        delete fusion;
        GraphicsFuse *second = placeItem(sheet, "F1", true, true);
        QCOMPARE(second->obj(), nullptr);
        GraphicsFuse *again = placeItem(sheet, "F1", true, false);
        QCOMPARE(again->fuse(), f1);

        // A type without the contact takes no fusion control, with other
        // items or alone.
        Fuse *f2 = newFuse(project, "F2", 0);
        GraphicsFuse *control = placeItem(sheet, "F2", true, false);
        QCOMPARE(control->obj(), nullptr);
        GraphicsFuse *f2primary = placeItem(sheet, "F2", false, false);
        QCOMPARE(f2primary->fuse(), f2);
        GraphicsFuse *f2control = placeItem(sheet, "F2", true, false);
        QCOMPARE(f2control->obj(), nullptr);
        GraphicsFuse *f2reservation = placeItem(sheet, "F2", true, true);
        QCOMPARE(f2reservation->fuse(), f2);
        QCOMPARE(f2->sceneName(), QString("S1*"));
        QCOMPARE(boxTexts(rec), QStringList());

        // The fuse goes with its last item.
        delete f2primary;
        QCOMPARE(f2->primaryItem(), nullptr);
        QCOMPARE(f2->sceneName(), QString());
        delete f2reservation;
        QCOMPARE(project.findObj(FuseKind, "F2"), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void rolesAndPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        GraphicsFuse item(&sheet);
        QCOMPARE(item.type(), QGraphicsItem::UserType + 403);
        QCOMPARE(item.objType(), int(FuseKind));
        QCOMPARE(item.bindMode(), int(GraphicsObjItem::BindShared));
        QCOMPARE(item.pinCount(), 0);
        QCOMPARE(item.textWidth(), 174.0);
        QVERIFY(!item.isDuplicate() && !item.isReservation() && !item.printName());
        QCOMPARE(item.boundingRect(), QRectF(-7 - 3.5, -80 - 3.5, 174 + 7, 200 + 7));

        item.setRole(false, false);
        QCOMPARE(item.pinCount(), 2);
        QCOMPARE(item.pin(0)->center(), QPointF(0, 40));
        QCOMPARE(item.pin(1)->center(), QPointF(160, 40));
        QCOMPARE(pinNames(&item), QStringList({"1", "2"}));
        // The same role keeps its pins; the reservation flag alone makes
        // them anew, the item staying the fuse itself.
        Pin *kept = item.pin(0);
        item.setRole(false, false);
        QCOMPARE(item.pin(0), kept);
        item.setRole(false, true);
        QCOMPARE(item.pinCount(), 2);
        QVERIFY(!item.isDuplicate() && !item.isReservationItem() && !item.isFusionControl());

        item.setRole(true, true);
        QCOMPARE(item.pinCount(), 1);
        QCOMPARE(item.pin(0)->center(), QPointF(160, 40));
        QCOMPARE(pinNames(&item), QStringList({"2"}));
        QCOMPARE(item.boundingRect(), QRectF(-7 - 3.5, -80 - 3.5, 174 + 7, 200 + 7));

        item.setRole(true, false);
        QCOMPARE(item.pinCount(), 2);
        QCOMPARE(pinNames(&item), QStringList({"3", "4"}));
        QCOMPARE(item.boundingRect(), QRectF(-7 - 3.5, -40 - 3.5, 174 + 7, 160 + 7));

        // A long name widens the item about its centre.
        Fuse *fuse = newFuse(project, "F1 with a very long designation of its own", 0);
        GraphicsFuse *wide = placeItem(sheet, fuse->name(), false, false);
        QVERIFY(wide->textWidth() > 174);
        QCOMPARE(wide->boundingRect().center().x(), 80.0);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void pinsFollowThePlace()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        TestScene frame(&project);
        Fuse *fuse = newFuse(project, "F1", 39);
        GraphicsFuse *primary = placeItem(sheet, "F1", false, false);
        GraphicsFuse *reservation = placeItem(sheet, "F1", true, true);
        GraphicsFuse *fusion = placeItem(sheet, "F1", true, false);
        QCOMPARE(pinNames(primary), QStringList({"1", "2"}));
        QCOMPARE(pinNames(reservation), QStringList({"2"}));
        QCOMPARE(pinNames(fusion), QStringList({"3", "4"}));

        Place *place = placeDevice(frame, fuse, positionAddress(2));
        QCOMPARE(pinNames(primary), QStringList({"21", "22"}));
        QCOMPARE(pinNames(reservation), QStringList({"22"}));
        QCOMPARE(pinNames(fusion), QStringList({"23", "24"}));
        QCOMPARE(fuse->positionCode(), 16);

        place->setAddress(positionAddress(4));
        QCOMPARE(pinNames(primary), QStringList({"41", "42"}));
        QCOMPARE(fuse->positionCode(), 18);
        // The suffix "N" carries no position.
        place->setAddress(positionAddress(4, 5));
        QCOMPARE(pinNames(primary), QStringList({"1", "2"}));
        QCOMPARE(pinNames(fusion), QStringList({"3", "4"}));
        QCOMPARE(boxTexts(rec), QStringList());

        // A position beyond the table is a failed check; the names stay.
        place->setAddress(positionAddress(3));
        QCOMPARE(pinNames(primary), QStringList({"31", "32"}));
        place->setAddress(positionAddress(5));
        QCOMPARE(pinNames(primary), QStringList({"31", "32"}));
        QCOMPARE(boxTexts(rec).size(), 3);

        // Unplaced again: position 0.
        rec.clear();
        delete fuse->placeItem();
        QCOMPARE(pinNames(primary), QStringList({"1", "2"}));
        QCOMPARE(pinNames(reservation), QStringList({"2"}));
        QCOMPARE(fuse->positionCode(), 14);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void netWalksAndWiringPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        newFuse(project, "F1", 39);
        GraphicsFuse *primary = placeItem(sheet, "F1", false, false);
        GraphicsFuse *reservation = placeItem(sheet, "F1", true, true);
        GraphicsFuse *fusion = placeItem(sheet, "F1", true, false);
        TestDeviceItem a(&sheet, ResistorItemType, GraphicsObjItem::BindOwned, ResistorKind);
        TestDeviceItem b(&sheet, ResistorItemType, GraphicsObjItem::BindOwned, ResistorKind);
        TestDeviceItem c(&sheet, ResistorItemType, GraphicsObjItem::BindOwned, ResistorKind);
        QVERIFY(a.pin(0)->solder(reservation->pin(0)));
        QVERIFY(b.pin(0)->solder(primary->pin(0)));
        QVERIFY(c.pin(0)->solder(fusion->pin(1)));

        // A net reaching the reservation's terminal arrives at the primary
        // item's second terminal.
        QList<Pin *> pins;
        a.pin(0)->collectNetPinsAcross(pins);
        QCOMPARE(pins, QList<Pin *>({primary->pin(1)}));
        pins.clear();
        a.pin(0)->collectNetAcross(pins, nullptr);
        QCOMPARE(pins, QList<Pin *>({primary->pin(1)}));
        pins.clear();
        b.pin(0)->collectNetPinsAcross(pins);
        QCOMPARE(pins, QList<Pin *>({primary->pin(0)}));
        pins.clear();
        c.pin(0)->collectNetAcross(pins, nullptr);
        QCOMPARE(pins, QList<Pin *>({fusion->pin(1)}));

        // Wiring sees the soldered named pins; the reservation has none.
        pins.clear();
        primary->allPins(pins);
        QCOMPARE(pins, QList<Pin *>({primary->pin(0)}));
        pins.clear();
        reservation->allPins(pins);
        QVERIFY(pins.isEmpty());
        QHash<QString, Pin *> byName;
        reservation->pinsByName(byName);
        QVERIFY(byName.isEmpty());
        fusion->pinsByName(byName);
        primary->pinsByName(byName);
        QCOMPARE(byName.size(), 4);
        QCOMPARE(byName.value("2"), primary->pin(1));
        QCOMPARE(byName.value("4"), fusion->pin(1));
        QCOMPARE(boxTexts(rec), QStringList());

        // Without its primary item the reservation reports nothing, and
        // unbound neither.
        delete primary;
        pins.clear();
        a.pin(0)->collectNetPinsAcross(pins);
        QVERIFY(pins.isEmpty());
        reservation->detachObj(false);
        a.pin(0)->collectNetAcross(pins, nullptr);
        QVERIFY(pins.isEmpty());
        // A foreign pin is a failed check.
        reservation->collectNetPins(a.pin(1), pins);
        QVERIFY(pins.isEmpty());
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void drawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        // Unbound: no caption, the name only as help, red.
        GraphicsFuse *lost = placeItem(sheet, "F7", false, false);
        QCOMPARE(lost->obj(), nullptr);
        PaintRecorder shown;
        paint(&shown, lost, false);
        QCOMPARE(shown.texts, QStringList({"1", "2", "F7"}));
        QVERIFY(penColours(shown).contains(penRed.color()));
        QVERIFY(!penColours(shown).contains(penBlack.color()));
        PaintRecorder hidden;
        paint(&hidden, lost, true);
        QCOMPARE(hidden.texts, QStringList({"1", "2"}));
        // The symbol: the lead through the body and the six strokes of the
        // fuse body, shifted to the pin row.
        QCOMPARE(hidden.shapesOf("line").size(), 7);
        lost->setPrintName(true);
        PaintRecorder printed;
        paint(&printed, lost, true);
        QCOMPARE(printed.texts, QStringList({"1", "2", "F7"}));

        // Bound: the model name above, the name as green help.
        Fuse *fuse = newFuse(project, "F1", 39);
        GraphicsFuse *primary = placeItem(sheet, "F1", false, false);
        PaintRecorder bound;
        paint(&bound, primary, false);
        QCOMPARE(bound.texts, QStringList({"FU-0,5", "1", "2", "F1"}));
        QVERIFY(penColours(bound).contains(penBlack.color()));
        QVERIFY(penColours(bound).contains(penGreen.color()));
        // The contact mark of the type: two more strokes.
        QCOMPARE(bound.shapesOf("line").size(), 9);
        fuse->setModelIndex(0);
        PaintRecorder noMark;
        paint(&noMark, primary, true);
        QCOMPARE(noMark.shapesOf("line").size(), 7);
        QCOMPARE(noMark.texts, QStringList({"FU-0,3", "1", "2"}));
        fuse->setModelIndex(39);

        // The reservation: one pin name, on the right.
        GraphicsFuse *reservation = placeItem(sheet, "F1", true, true);
        PaintRecorder dashed;
        paint(&dashed, reservation, true);
        QCOMPARE(dashed.texts, QStringList({"FU-0,5", "2"}));
        QVERIFY(dashed.textRects.last().left() >= 124);
        // The contact: an open blade between two circles, no model name.
        GraphicsFuse *fusion = placeItem(sheet, "F1", true, false);
        PaintRecorder blade;
        paint(&blade, fusion, true);
        QCOMPARE(blade.texts, QStringList({"3", "4"}));
        QCOMPARE(blade.shapesOf("ellipse").size(), 2);
        // Selected: blue, and the selected item keeps blue for its name.
        PaintRecorder selected;
        paint(&selected, primary, true, true);
        QVERIFY(penColours(selected).contains(penBlue.color()));
        QVERIFY(!penColours(selected).contains(penBlack.color()));
        QVERIFY(!penColours(selected).contains(penGreen.color()));
        PaintRecorder selectedHelp;
        paint(&selectedHelp, primary, false, true);
        QCOMPARE(selectedHelp.texts.last(), QString("F1"));
        // The selection frame.
        QCOMPARE(selectedHelp.shapesOf("rect").last().pen, penBlueThin.color());

        // The address, when shown, above the model name.
        TestScene frame(&project);
        placeDevice(frame, fuse, positionAddress(1));
        fuse->setShowAddress(true);
        PaintRecorder addressed;
        paint(&addressed, primary, true);
        // Two lines of one text block.
        QVERIFY(!primary->addressText().isEmpty());
        QCOMPARE(addressed.texts.mid(0, 2), QStringList({primary->addressText(), "FU-0,5"}));
        PaintRecorder contactAddress;
        paint(&contactAddress, fusion, true);
        QCOMPARE(contactAddress.texts.first(), fusion->addressText());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placeAndPicture()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene frame(&project);
        Fuse *fuse = newFuse(project, "F12_b", 8);
        const auto inPlace = [&](const QRectF &rect) {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            fuse->paintInPlace(&painter, rect, nullptr, nullptr, false);
            painter.end();
            return recorder.texts;
        };
        // Without an address: base name, designation, nominal.
        QCOMPARE(inPlace(QRectF(0, 0, 200, 90)), QStringList({"FU", "7,5", "F12"}));
        Place *place = placeDevice(frame, fuse, positionAddress(3));
        QCOMPARE(inPlace(QRectF(0, 0, 200, 90)), QStringList({"FU3", "7,5", "F12"}));
        // A frame of kind 5 shows the rated current alone.
        place->setAddress(positionAddress(3, -1, 5));
        QCOMPARE(inPlace(QRectF(0, 0, 200, 90)), QStringList({"7,5A"}));

        PaintRecorder picture;
        {
            QPainter painter(&picture);
            fuse->paintPicture(&painter);
        }
        QCOMPARE(picture.texts, QStringList({"FU-7,5"}));
        QCOMPARE(picture.shapesOf("line").size(), 7);
        PaintRecorder caption;
        {
            QPainter painter(&caption);
            fuse->paintCaption(&painter, QRectF(0, 0, 300, 50));
        }
        QCOMPARE(caption.texts, QStringList({" F12", "7,5 "}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // A sheet of fuses as the user sees it: every role, several types,
    // turned and mirrored, bound and unbound.
    void renderedSheet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        TestScene frame(&project);
        Fuse *f1 = newFuse(project, "F1", 39);
        placeDevice(frame, f1, positionAddress(2));
        f1->setShowAddress(true);
        newFuse(project, "F2", 8);
        newFuse(project, "F3_long name", 85);
        const auto put = [&](GraphicsFuse *item, const QPointF &pos) {
            item->setPosQuiet(pos);
            return item;
        };
        put(placeItem(sheet, "F1", false, false), QPointF(200, 200));
        put(placeItem(sheet, "F1", true, true), QPointF(600, 200));
        put(placeItem(sheet, "F1", true, false), QPointF(1000, 200));
        GraphicsFuse *turned = put(placeItem(sheet, "F2", false, false), QPointF(1600, 160));
        turned->rotateBy(1, true);
        GraphicsFuse *mirrored = put(placeItem(sheet, "F3_long name", false, false), QPointF(200, 700));
        mirrored->mirror(false);
        mirrored->setPrintName(true);
        put(placeItem(sheet, "F3_long name", true, false), QPointF(700, 700));
        put(placeItem(sheet, "F9", false, false), QPointF(1100, 700));
        GraphicsFuse *selected = put(placeItem(sheet, "F2", true, true), QPointF(1500, 700));
        selected->setSelected(true);
        QCOMPARE(boxTexts(rec), QStringList());

        const QImage image = renderPart(sheet, QRectF(0, 0, 2000, 1000), "rlay_fuses.png");
        // Every item shows its body where it stands.
        QVERIFY(darkPixels(image, QRect(240, 225, 80, 30)) > 0);
        QVERIFY(darkPixels(image, QRect(640, 225, 80, 30)) > 0);
        QVERIFY(darkPixels(image, QRect(1030, 200, 100, 50)) > 0);
        QVERIFY(darkPixels(image, QRect(1545, 180, 30, 120)) > 0);
        QVERIFY(darkPixels(image, QRect(80, 725, 80, 30)) > 0);
        QVERIFY(darkPixels(image, QRect(1700, 400, 200, 200)) == 0);
    }

    void itemRecords()
    {
        ModalRecorder rec;
        // The item's own fields come first.
        {
            Project project(nullptr, nullptr);
            FuseSheet sheet(&project);
            GraphicsFuse *item = placeItem(sheet, "F5", true, false);
            item->setPrintName(true);
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                Project::IdentityScope scope(project);
                item->saveData(out);
            }
            QByteArray expected;
            {
                DataStream out(&expected, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << true << false << true << qint32(0) << QString("F5");
            }
            QCOMPARE(bytes, expected);
            GraphicsFuse copy(&sheet);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(10);
            copy.loadData(in);
            QVERIFY(copy.isFusionControl() && copy.printName());
            QCOMPARE(copy.pinCount(), 2);
            QCOMPARE(copy.ownName(), QString("F5"));
        }

        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            FuseSheet sheet(&project);
            newFuse(project, "F1", 83);
            GraphicsFuse *primary = placeItem(sheet, "F1", false, false);
            GraphicsFuse *reservation = placeItem(sheet, "F1", true, true);
            GraphicsFuse *fusion = placeItem(sheet, "F1", true, false);
            reservation->setPrintName(true);
            primary->setPos(400, 400);
            fusion->setPos(800, 400);
            fusion->rotateBy(1, true);
            QVERIFY(primary->pin(1)->solder(fusion->pin(0)));
            placeItem(sheet, "F9", false, false);
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        const QList<GraphicsFuse *> items = itemsOf<GraphicsFuse>(sheet);
        QCOMPARE(items.size(), 4);
        auto *fuse = dynamic_cast<Fuse *>(project.findObj(FuseKind, "F1"));
        QVERIFY(fuse);
        QCOMPARE(fuse->modelIndex(), 83);
        QCOMPARE(fuse->items().size(), 3);
        QCOMPARE(items[0]->fuse(), fuse);
        QCOMPARE(items[1]->fuse(), fuse);
        QCOMPARE(items[2]->fuse(), fuse);
        QVERIFY(!items[0]->isDuplicate());
        QVERIFY(items[1]->isReservationItem() && items[1]->printName());
        QVERIFY(items[2]->isFusionControl() && !items[2]->printName());
        QCOMPARE(items[2]->rotationIndex(), 1);
        QCOMPARE(items[0]->pin(1)->partner(), items[2]->pin(0));
        QCOMPARE(pinNames(items[1]), QStringList({"2"}));
        QCOMPARE(pinNames(items[2]), QStringList({"3", "4"}));
        QCOMPARE(items[3]->obj(), nullptr);
        QCOMPARE(items[3]->name(), QString("F9"));
        QCOMPARE(fuse->primaryItem(), items[0]);

        // The clipboard: the pasted items join the fuse of their name where
        // it takes them, else a copy of it.
        const QByteArray clip = copyItems(project, sheet, {items[1]});
        FuseSheet target(&project);
        QList<GraphicsItem *> pasted = pasteItems(project, target, clip);
        QCOMPARE(pasted.size(), 1);
        auto *copy = dynamic_cast<GraphicsFuse *>(pasted.first());
        QVERIFY(copy && copy->isReservationItem());
        QVERIFY(copy->obj());
        QVERIFY(copy->obj() != fuse);
        QCOMPARE(static_cast<Fuse *>(copy->obj())->modelIndex(), 83);
        QCOMPARE(copy->name(), QString("F1?"));
        delete items[1];
        pasted = pasteItems(project, target, clip);
        auto *rejoined = dynamic_cast<GraphicsFuse *>(pasted.first());
        QVERIFY(rejoined);
        QCOMPARE(rejoined->fuse(), fuse);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void widthAfterLoad()
    {
        // Measured after the sheet was read: a loaded item is as wide as
        // one built with the same name, turned or not.
        const QString name = QStringLiteral("F1 with a name wider than the symbol");
        QByteArray bytes;
        QList<QRectF> built;
        {
            Project project(nullptr, nullptr);
            FuseSheet sheet(&project);
            newFuse(project, name, 83);
            GraphicsFuse *plain = placeItem(sheet, name, false, false);
            GraphicsFuse *turned = placeItem(sheet, name, true, false);
            plain->setPos(400, 400);
            turned->setPos(800, 400);
            turned->rotateBy(1, true);
            built = {plain->sceneBoundingRect(), turned->sceneBoundingRect()};
            bytes = saveAll(project, sheet);
        }
        QVERIFY(built[0].width() > 250);
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        const QList<GraphicsFuse *> items = itemsOf<GraphicsFuse>(sheet);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->sceneBoundingRect(), built[0]);
        QCOMPARE(items[1]->sceneBoundingRect(), built[1]);
        QCOMPARE(sheet.items(built[0].adjusted(-1, -1, 1, 1), Qt::ContainsItemBoundingRect).size(), 1);
    }

    void dialogStartsAndLists()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        newFuse(project, "F1", 39);
        newFuse(project, "F2", 16);
        placeItem(sheet, "F1", false, false);
        placeItem(sheet, "F1", true, false);

        DlgPropFuse dialog(&sheet);
        QCOMPARE(comboTexts(dialog.classCombo()),
                 QStringList({"20871", "20872", "20876M", "20877", "24714", "24768", "PN"}));
        QCOMPARE(dialog.classCombo()->currentIndex(), 0);
        QCOMPARE(dialog.classCombo()->comboCurrentData(), 4);
        QCOMPARE(dialog.typeCombo()->count(), 13);
        QCOMPARE(dialog.typeCombo()->currentIndex(), 0);
        QCOMPARE(dialog.typeCombo()->currentText(), QString("0,3A"));
        QCOMPARE(dialog.typeCombo()->comboCurrentData(), 69);
        QVERIFY(!dialog.duplicateBox()->isChecked());
        QVERIFY(dialog.duplicateBox()->isCheckable());
        QCOMPARE(dialog.duplicateBox()->title(), QString("Dublicate parameters"));
        QCOMPARE(dialog.roleButtons()->checkedId(), 0);
        QCOMPARE(dialog.rbFusion()->text(), QString("graphics is control fusion"));
        QVERIFY(!dialog.chkPrintName()->isChecked());

        // The class lists its types sorted.
        dialog.classCombo()->setCurrentIndex(dialog.classCombo()->findText("PN"));
        QCOMPARE(dialog.typeCombo()->count(), 39);
        QCOMPARE(dialog.typeCombo()->itemText(0), QString("0,3A (1 perf.)"));
        dialog.classCombo()->setCurrentIndex(dialog.classCombo()->findText("24768"));
        QCOMPARE(comboTexts(dialog.typeCombo()), QStringList({"0,3A"}));

        // The table: the fuses with their items' documents by role.
        QTreeWidget *table = dialog.objTable();
        QCOMPARE(table->columnCount(), 7);
        QCOMPARE(table->headerItem()->text(4), QString("S. Orig."));
        QCOMPARE(table->topLevelItemCount(), 2);
        QTreeWidgetItem *row = table->findItems("F1", Qt::MatchExactly, 0).first();
        QCOMPARE(row->text(1), QString("20876M"));
        QCOMPARE(row->text(2), QString("0,5A cap.20892"));
        QCOMPARE(row->text(3), QString("0,5"));
        QCOMPARE(row->text(4), QString("S1*"));
        QCOMPARE(row->text(5), QString());
        QCOMPARE(row->text(6), QString("S1*"));

        // Selecting a fuse shows its name, class and type.
        QTreeWidgetItem *second = table->findItems("F2", Qt::MatchExactly, 0).first();
        dialog.selectTreeItem(table, second);
        QCOMPARE(dialog.edObjName()->text(), QString("F2"));
        QCOMPARE(dialog.classCombo()->currentText(), QString("PN"));
        QCOMPARE(dialog.typeCombo()->currentText(), QString("1.0A (2 perf.)"));
        QCOMPARE(dialog.typeCombo()->comboCurrentData(), 16);

        QTest::keyClicks(dialog.edFind(), "F1");
        QCOMPARE(table->selectedItems().first()->text(0), QString("F1"));
        QCOMPARE(dialog.typeCombo()->comboCurrentData(), 39);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogPlacesAndEdits()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        boundtest::SignalCount appended(project, &Project::objAppend);

        // A new item without a fuse of its name: a fuse of the chosen type
        // is made. An empty name keeps the dialog open.
        DlgPropFuse dialog(&sheet);
        rec.handle([&](QDialog *) {
            chooseType(dialog, 42);
            pressOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            dialog.edName()->setText("  F1 ");
            dialog.chkPrintName()->setChecked(true);
            pressOk(&dialog);
        });
        auto *item = dynamic_cast<GraphicsFuse *>(dialog.execDialog(nullptr, GraphicsFuse::Type));
        QVERIFY(item);
        QCOMPARE(boxTexts(rec), QStringList({"Need enter graphics Fuse name!"}));
        rec.clear();
        sheet.addGraphicsItem(item);
        auto *fuse = dynamic_cast<Fuse *>(project.findObj(FuseKind, "F1"));
        QVERIFY(fuse);
        QCOMPARE(item->fuse(), fuse);
        QCOMPARE(fuse->modelIndex(), 42);
        QVERIFY(!item->isDuplicate());
        QVERIFY(item->printName());
        QCOMPARE(pinNames(item), QStringList({"1", "2"}));
        QCOMPARE(appended.count(), 1);
        QVERIFY(project.devicesChanged());

        // Its reservation, the fuse chosen from the table with "V".
        DlgPropFuse second(&sheet);
        rec.handle([&](QDialog *) {
            second.selectTreeItem(second.objTable(), second.objTable()->topLevelItem(0));
            buttonOf(&second, "V")->click();
            QCOMPARE(second.edName()->text(), QString("F1"));
            second.duplicateBox()->setChecked(true);
            second.rbReservation()->setChecked(true);
            pressOk(&second);
        });
        auto *reservation = dynamic_cast<GraphicsFuse *>(second.execDialog(nullptr, GraphicsFuse::Type));
        QVERIFY(reservation);
        sheet.addGraphicsItem(reservation);
        QCOMPARE(reservation->fuse(), fuse);
        QVERIFY(reservation->isReservationItem());
        QCOMPARE(pinNames(reservation), QStringList({"2"}));
        QCOMPARE(appended.count(), 1);

        // Editing: the fields show the item; another role that is taken
        // leaves the item unbound, under its name.
        DlgPropFuse edit(&sheet);
        rec.handle([&](QDialog *) {
            QVERIFY(edit.duplicateBox()->isChecked());
            QVERIFY(edit.rbReservation()->isChecked());
            QVERIFY(!edit.chkPrintName()->isChecked());
            QCOMPARE(edit.edName()->text(), QString("F1"));
            QCOMPARE(edit.objTable()->selectedItems().first()->text(0), QString("F1"));
            QCOMPARE(edit.typeCombo()->comboCurrentData(), 42);
            edit.duplicateBox()->setChecked(false);
            pressOk(&edit);
        });
        QCOMPARE(edit.execDialog(reservation, GraphicsFuse::Type), reservation);
        QCOMPARE(reservation->obj(), nullptr);
        QCOMPARE(reservation->name(), QString("F1"));
        QCOMPARE(reservation->pinCount(), 2);
        QCOMPARE(fuse->items().size(), 1);
        // As the fusion control it binds again.
        DlgPropFuse back(&sheet);
        rec.handle([&](QDialog *) {
            QVERIFY(!back.duplicateBox()->isChecked());
            QVERIFY(back.rbReservation()->isChecked());
            back.duplicateBox()->setChecked(true);
            back.rbFusion()->click();
            pressOk(&back);
        });
        back.execDialog(reservation, GraphicsFuse::Type);
        QCOMPARE(reservation->fuse(), fuse);
        QVERIFY(reservation->isFusionControl());
        QCOMPARE(pinNames(reservation), QStringList({"3", "4"}));

        // A fusion control alone on a fuse of a type without the contact
        // is refused: the new fuse is not kept, the item stays unbound.
        DlgPropFuse control(&sheet);
        rec.handle([&](QDialog *) {
            chooseType(control, 0);
            control.edName()->setText("F2");
            control.duplicateBox()->setChecked(true);
            control.rbFusion()->setChecked(true);
            pressOk(&control);
        });
        auto *lonely = dynamic_cast<GraphicsFuse *>(control.execDialog(nullptr, GraphicsFuse::Type));
        QVERIFY(lonely);
        sheet.addGraphicsItem(lonely);
        QCOMPARE(lonely->obj(), nullptr);
        QCOMPARE(lonely->name(), QString("F2"));
        QCOMPARE(project.findObj(FuseKind, "F2"), nullptr);

        // A new name for an item that shares its fuse: the item leaves it
        // for a new fuse of the chosen type.
        DlgPropFuse moving(&sheet);
        rec.handle([&](QDialog *) {
            chooseType(moving, 61);
            moving.edName()->setText("F3");
            pressOk(&moving);
        });
        moving.execDialog(item, GraphicsFuse::Type);
        auto *f3 = dynamic_cast<Fuse *>(project.findObj(FuseKind, "F3"));
        QVERIFY(f3);
        QCOMPARE(item->fuse(), f3);
        QCOMPARE(f3->modelIndex(), 61);
        QCOMPARE(fuse->items().size(), 1);
        QCOMPARE(fuse->modelIndex(), 42);
        // Renaming the only item of a fuse renames the fuse.
        DlgPropFuse rename(&sheet);
        rec.handle([&](QDialog *) {
            rename.edName()->setText("F4");
            pressOk(&rename);
        });
        rename.execDialog(item, GraphicsFuse::Type);
        QCOMPARE(item->fuse(), f3);
        QCOMPARE(f3->name(), QString("F4"));
        QCOMPARE(project.findObj(FuseKind, "F3"), nullptr);
        QCOMPARE(f3->modelIndex(), 61);
        // A type picked for a bound fuse goes into it, and the devices
        // table hears of it.
        DlgPropFuse retype(&sheet);
        boundtest::SignalCount updated(project, &Project::objUpdate);
        rec.handle([&](QDialog *) {
            chooseType(retype, 62);
            pressOk(&retype);
        });
        retype.execDialog(item, GraphicsFuse::Type);
        QCOMPARE(f3->modelIndex(), 62);
        QVERIFY(updated.count() > 0);

        // Cancel changes nothing.
        DlgPropFuse cancelled(&sheet);
        rec.reject();
        QCOMPARE(cancelled.execDialog(nullptr, GraphicsFuse::Type), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogObjectButtons()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        FuseSheet sheet(&project);
        newFuse(project, "F1", 0);
        placeItem(sheet, "F1", false, false);

        DlgPropFuse dialog(&sheet);
        // Add: a name is needed, and a new one.
        buttonOf(&dialog, "Add")->click();
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));
        rec.clear();
        dialog.edObjName()->setText("F1");
        buttonOf(&dialog, "Add")->click();
        QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));
        rec.clear();
        dialog.edObjName()->setText("F4");
        chooseType(dialog, 85);
        buttonOf(&dialog, "Add")->click();
        auto *added = dynamic_cast<Fuse *>(project.findObj(FuseKind, "F4"));
        QVERIFY(added);
        QCOMPARE(added->modelIndex(), 85);
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(0), QString("F4"));
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(2), QString("3,0A"));

        // Repl: a new type for the selected fuse.
        chooseType(dialog, 89);
        buttonOf(&dialog, "Repl")->click();
        QCOMPARE(added->modelIndex(), 89);
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(3), QString("15"));

        // The choice needs a selected fuse.
        dialog.objTable()->clearSelection();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected Fuse !"}));
        rec.clear();

        // Del asks when the fuse is shown.
        dialog.selectTreeItem(dialog.objTable(), dialog.objTable()->findItems("F1", Qt::MatchExactly, 0).first());
        rec.clickButton("&No");
        buttonOf(&dialog, "Del")->click();
        QCOMPARE(boxTexts(rec), QStringList({"Fuse: `F1` have graphics children! Delete this object?"}));
        QVERIFY(project.findObj(FuseKind, "F1"));
        rec.clear();
        rec.clickButton("&Yes");
        buttonOf(&dialog, "Del")->click();
        QCOMPARE(project.findObj(FuseKind, "F1"), nullptr);
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 1);
        // Return with the focus on Del is the dialog's Ok, not Del.
        dialog.selectTreeItem(dialog.objTable(), dialog.objTable()->topLevelItem(0));
        QTest::keyClick(buttonOf(&dialog, "Del"), Qt::Key_Return);
        QVERIFY(project.findObj(FuseKind, "F4"));

        // A double click in the table chooses and accepts.
        DlgPropFuse clicking(&sheet);
        clicking.setResult(QDialog::Rejected);
        emit clicking.objTable()->itemDoubleClicked(clicking.objTable()->topLevelItem(0), 0);
        QCOMPARE(clicking.edName()->text(), QString("F4"));
        QCOMPARE(clicking.result(), int(QDialog::Accepted));
    }

    // Fuses placed from the toolbox of the real scheme editor, wired with
    // nets, saved and loaded with their bindings, roles and soldering.
    void placeWireSaveAndLoad()
    {
        ModalRecorder rec;
        QVERIFY(Scheme::setItemTypeFactories(GraphicsFuse::Type, createGraphicsFuse, createDlgPropFuse));
        SchemeEditor editor(3);
        QVERIFY(editor.action(85)->isEnabled());
        // "Fuse" from the toolbox; the item dropped with pin 0 on pinAt.
        const auto place = [&](const QString &name, int type, bool duplicate, bool reservation,
                               const QPointF &pinAt) {
            const auto fill = [&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropFuse *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Fuse"));
                if (type >= 0)
                    chooseType(*dialog, type);
                QTest::keyClicks(dialog->edName(), name);
                dialog->duplicateBox()->setChecked(duplicate);
                (reservation ? dialog->rbReservation() : dialog->rbFusion())->setChecked(true);
                pressOk(d);
            };
            return dynamic_cast<GraphicsFuse *>(editor.place(85, rec, fill, pinAt));
        };

        GraphicsFuse *primary = place("F1", 39, false, false, QPointF(800, 800));
        QVERIFY(primary);
        GraphicsFuse *reservation = place("F1", -1, true, true, QPointF(800, 1600));
        QVERIFY(reservation);
        GraphicsFuse *fusion = place("F1", -1, true, false, QPointF(1600, 800));
        QVERIFY(fusion);
        GraphicsFuse *other = place("F2", 5, false, false, QPointF(1600, 1600));
        QVERIFY(other);
        auto *fuse = dynamic_cast<Fuse *>(editor.project()->findObj(FuseKind, "F1"));
        QVERIFY(fuse);
        QCOMPARE(fuse->items().size(), 3);
        QCOMPARE(primary->fuse(), fuse);
        QCOMPARE(reservation->fuse(), fuse);
        QCOMPARE(fusion->fuse(), fuse);
        QCOMPARE(boxTexts(rec), QStringList());

        // Nets: primary's second terminal to the contact, the reservation's
        // terminal to the other fuse.
        editor.wire(primary->pin(1), fusion->pin(0));
        editor.wire(reservation->pin(0), other->pin(0));
        QCOMPARE(schemetest::clew(fusion->pin(0)), QList<Pin *>({primary->pin(1)}));
        QCOMPARE(schemetest::clew(other->pin(0)), QList<Pin *>({primary->pin(1)}));
        QCOMPARE(boxTexts(rec), QStringList());
        renderPart(*editor.scheme(), QRectF(400, 400, 1600, 1400), "rlay_fuses_placed.png");
        const QString dir = m_dir.path() + "/plant";
        QVERIFY(editor.saveAndClose(dir));

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsFuse *> items = itemsOf<GraphicsFuse>(*sheet);
        QCOMPARE(items.size(), 4);
        fuse = dynamic_cast<Fuse *>(loaded.findObj(FuseKind, "F1"));
        QVERIFY(fuse);
        QCOMPARE(fuse->modelIndex(), 39);
        QCOMPARE(fuse->items().size(), 3);
        QCOMPARE(items[0]->fuse(), fuse);
        QCOMPARE(items[1]->fuse(), fuse);
        QCOMPARE(items[2]->fuse(), fuse);
        QVERIFY(!items[0]->isDuplicate());
        QVERIFY(items[1]->isReservationItem());
        QVERIFY(items[2]->isFusionControl());
        auto *f2 = dynamic_cast<Fuse *>(loaded.findObj(FuseKind, "F2"));
        QVERIFY(f2);
        QCOMPARE(f2->modelIndex(), 5);
        QCOMPARE(items[3]->fuse(), f2);
        QCOMPARE(pinNames(items[0]), QStringList({"1", "2"}));
        QCOMPARE(pinNames(items[1]), QStringList({"2"}));
        QCOMPARE(pinNames(items[2]), QStringList({"3", "4"}));
        QCOMPARE(schemetest::clew(items[2]->pin(0)), QList<Pin *>({items[0]->pin(1)}));
        QCOMPARE(schemetest::clew(items[3]->pin(0)), QList<Pin *>({items[0]->pin(1)}));
        QCOMPARE(boxTexts(rec), QStringList());
        Scheme::registerItemTypes();
    }
};

QTEST_MAIN(TestFuse)
#include "tst_fuse.moc"
