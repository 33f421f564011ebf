// Keystaffs: the catalogue, the device that hands its groups to items, the
// item of one group (its kind, pins, drawing and records, read at formats 10
// and 11) and the property dialog with its choice and type change; then
// keystaffs placed, saved and loaded through the real scheme editor.

#include "app/dlgsettings.h"
#include "devices/dlgpropkeystaff.h"
#include "devices/graphicskeystaff.h"
#include "devices/keystaff.h"
#include "devices/keystaffcatalogue.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/boundtestitems.h"
#include "support/devicekindtests.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;
using namespace devicekindtest;

namespace {

enum { Stand = 0, WithLock = 1 };
enum { Closed = 0, Opened = 1, ContactT = 2, Resistor = 3 };

class KeystaffSheet : public GraphicsScene
{
public:
    explicit KeystaffSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsKeystaff::Type)
            return createGraphicsKeystaff(this);
        return GraphicsScene::createItem(type);
    }

    QString title = QStringLiteral("S1");
};

Keystaff *newKeystaff(Project &project, const QString &name, int type)
{
    auto *keystaff = dynamic_cast<Keystaff *>(project.createDevice(KeystaffKind));
    if (!keystaff)
        return nullptr;
    keystaff->setModelIndex(type);
    keystaff->setName(name);
    return keystaff;
}

// An item set up as its dialog stores it: number, kind, then the name.
GraphicsKeystaff *placeItem(KeystaffSheet &sheet, const QString &name, int kind, int number)
{
    auto *item = new GraphicsKeystaff(&sheet);
    sheet.addGraphicsItem(item);
    item->setNumber(quint8(number));
    item->setKind(kind);
    item->setName(name);
    return item;
}

QStringList rowTexts(QTreeWidgetItem *row)
{
    QStringList texts;
    for (int i = 0; i < row->columnCount(); ++i)
        texts << row->text(i);
    return texts;
}

// An item record: number, kind (from format 11), the unbound own name.
QByteArray itemRecord(int format, int number, int kind, const QString &name)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(format);
    out << quint8(number);
    if (format >= 11)
        out << quint8(kind);
    out << qint32(0) << name;
    return bytes;
}

} // namespace

class TestKeystaff : public QObject
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
    void init() { showBigDeviceNames = false; }

    void catalogue()
    {
        QCOMPARE(int(KeystaffKindCount), 4);
        const QStringList kinds = {"Stand closed", "Stand opened", "Contact t", "Resistor"};
        for (int k = 0; k < KeystaffKindCount; ++k) {
            QCOMPARE(QString(keystaffKinds[k].name), kinds[k]);
            QCOMPARE(keystaffKinds[k].pinCount, 2);
        }
        QCOMPARE(keystaffKinds[4].name, nullptr);
        QCOMPARE(keystaffKinds[4].pinCount, 0);

        QCOMPARE(int(KeystaffTypeCount), 2);
        QCOMPARE(QString(keystaffTypes[0].name), QString("Stand."));
        QCOMPARE(QString(keystaffTypes[1].name), QString("With electrical lock"));
        QCOMPARE(keystaffTypes[2].name, nullptr);
        QCOMPARE(keystaffTypes[2].groupCount, 0);
        const auto groups = [](int type) {
            QStringList list;
            for (int i = 0; i < keystaffTypes[type].groupCount; ++i) {
                const KeystaffGroup &g = keystaffTypes[type].groups[i];
                list << QString("%1:%2,%3").arg(g.kind).arg(g.pins[0], g.pins[1]);
            }
            return list;
        };
        QCOMPARE(groups(Stand), QStringList({"0:1,2", "1:3,4"}));
        QCOMPARE(groups(WithLock), QStringList({"1:1,2", "0:3,4", "2:11,13", "2:21,23", "3:1z,2z"}));
    }

    void device()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Keystaff *none = newKeystaff(project, "SA0", -1);
        QCOMPARE(none->kind(), int(KeystaffKind));
        QCOMPARE(none->modelName(), QString());
        QCOMPARE(none->groupCount(), 0);
        QCOMPARE(none->placeType(), 142);
        QCOMPARE(none->placeTypeName(), QString("Console Control"));
        QCOMPARE(none->pinCount(), 0);
        QCOMPARE(project.kindName(KeystaffKind), QString("Keystaff"));
        Keystaff *lock = newKeystaff(project, "SA1", WithLock);
        QCOMPARE(lock->modelName(), QString("With electrical lock"));
        QCOMPARE(lock->groupCount(), 5);
        QCOMPARE(newKeystaff(project, "SA2", Stand)->modelName(), QString("Stand."));
        QCOMPARE(boxTexts(rec), QStringList());
        // A type outside the catalogue is refused.
        QVERIFY(!lock->setModelIndex(2));
        QCOMPARE(lock->modelName(), QString("With electrical lock"));
        QCOMPARE(lock->groupCount(), 5);
        QCOMPARE(boxTexts(rec).size(), 0);

        // Records: the Device record; a type outside the catalogue is a
        // damaged one.
        const QList<int> indices = {-1, 0, 1, 2, -2};
        for (int index : indices) {
            QByteArray record;
            {
                DataStream out(&record, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << QString("SA9") << qint32(4) << qint32(index) << true;
            }
            Project other(nullptr, nullptr);
            std::unique_ptr<Obj> copy(other.createDevice(KeystaffKind));
            DataStream in(&record, QIODevice::ReadOnly);
            in.setFormatIndex(10);
            copy->read(in);
            const bool valid = index >= -1 && index <= 1;
            QCOMPARE(in.status() == QDataStream::Ok, valid);
            QCOMPARE(static_cast<Keystaff *>(copy.get())->modelIndex(), valid ? index : -1);
        }
        QCOMPARE(boxTexts(rec).size(), 0);
    }

    void groupsForItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        Keystaff *stand = newKeystaff(project, "SA1", Stand);
        // Group 1 (closed) shown; a second closed item finds no group.
        GraphicsKeystaff *closed = placeItem(sheet, "SA1", Closed, 0);
        QCOMPARE(closed->keystaff(), stand);
        QCOMPARE(closed->number(), 0);
        QCOMPARE(pinNames(closed), QStringList({"1", "2"}));
        GraphicsKeystaff *again = placeItem(sheet, "SA1", Closed, 0);
        QCOMPARE(again->obj(), nullptr);
        QCOMPARE(pinNames(again), QStringList({"", ""}));
        // An open item asking for group 1 gets group 2.
        GraphicsKeystaff *opened = placeItem(sheet, "SA1", Opened, 0);
        QCOMPARE(opened->keystaff(), stand);
        QCOMPARE(opened->number(), 1);
        QCOMPARE(pinNames(opened), QStringList({"3", "4"}));
        QCOMPARE(stand->itemByNumber(0), closed);
        QCOMPARE(stand->itemByNumber(1), opened);
        QCOMPARE(stand->itemByNumber(2), nullptr);

        // A fitting number is kept; one beyond the type's groups gives the
        // first free group of the kind.
        Keystaff *lock = newKeystaff(project, "SA2", WithLock);
        GraphicsKeystaff *t2 = placeItem(sheet, "SA2", ContactT, 3);
        QCOMPARE(t2->number(), 3);
        QCOMPARE(pinNames(t2), QStringList({"21", "23"}));
        GraphicsKeystaff *t1 = placeItem(sheet, "SA2", ContactT, 40);
        QCOMPARE(t1->number(), 2);
        QCOMPARE(pinNames(t1), QStringList({"11", "13"}));
        GraphicsKeystaff *t3 = placeItem(sheet, "SA2", ContactT, 2);
        QCOMPARE(t3->obj(), nullptr);
        GraphicsKeystaff *r = placeItem(sheet, "SA2", Resistor, 0);
        QCOMPARE(r->number(), 4);
        QCOMPARE(pinNames(r), QStringList({"1z", "2z"}));
        QCOMPARE(r->pinName(r->pin(1), nullptr), QString("SA2-2z"));
        QCOMPARE(t3->pinName(t3->pin(1), nullptr), QString());
        QCOMPARE(lock->items().size(), 3);

        // A keystaff without type takes no item.
        newKeystaff(project, "SA3", -1);
        GraphicsKeystaff *nothing = placeItem(sheet, "SA3", Closed, 0);
        QCOMPARE(nothing->obj(), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());

        // No group number: a failed check at pin naming, names unchanged.
        GraphicsKeystaff fresh(&sheet);
        QCOMPARE(fresh.number(), 255);
        fresh.updatePinNames();
        QCOMPARE(boxTexts(rec).size(), 1);

        // The keystaff goes with its last item; the items keep its name.
        delete closed;
        delete opened;
        QCOMPARE(project.findObj(KeystaffKind, "SA1"), nullptr);
        QCOMPARE(again->name(), QString("SA1"));
    }

    void kindsPinsAndGeometry()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        GraphicsKeystaff item(&sheet);
        QCOMPARE(item.type(), QGraphicsItem::UserType + 422);
        QCOMPARE(item.objType(), int(KeystaffKind));
        QCOMPARE(item.bindMode(), int(GraphicsObjItem::BindShared));
        QCOMPARE(item.itemFlags(), 3);
        QCOMPARE(item.kind(), 0);
        QCOMPARE(item.textWidth(), 174.0);
        QCOMPARE(item.pinCount(), 2);
        QCOMPARE(item.pin(0)->center(), QPointF(0, 0));
        QCOMPARE(item.pin(1)->center(), QPointF(160, 0));
        QCOMPARE(item.boundingRect(), QRectF(-7 - 3.5, -80 - 3.5, 174 + 7, 87 + 7));

        GraphicsKeystaff other(&sheet);
        QVERIFY(item.pin(1)->solder(other.pin(0)));
        item.setKind(0);
        QCOMPARE(other.pin(0)->partner(), item.pin(1));
        item.setKind(ContactT);
        QVERIFY(other.pin(0)->isFree());
        QCOMPARE(item.pin(1)->center(), QPointF(120, 80));
        QCOMPARE(item.boundingRect(), QRectF(-7 - 3.5, -40 - 3.5, 174 + 7, 127 + 7));
        item.setKind(Resistor);
        QCOMPARE(item.pin(1)->center(), QPointF(160, 0));
        QCOMPARE(item.boundingRect(), QRectF(-7 - 3.5, -60 - 3.5, 174 + 7, 100 + 7));
        item.setKind(Opened);
        QCOMPARE(item.boundingRect(), QRectF(-7 - 3.5, -80 - 3.5, 174 + 7, 87 + 7));
        QCOMPARE(GraphicsKeystaff::kindName(2), QString("Contact t"));
        QCOMPARE(boxTexts(rec), QStringList());

        item.setKind(-1);
        item.setKind(4);
        QCOMPARE(item.kind(), int(Opened));
        QCOMPARE(GraphicsKeystaff::kindName(4), QString());
        QCOMPARE(boxTexts(rec).size(), 3);

        // A long name widens the item; the symbol stays centred at x 80.
        rec.clear();
        newKeystaff(project, "SA1 of the control desk of the second hall", Stand);
        GraphicsKeystaff *wide = placeItem(sheet, "SA1 of the control desk of the second hall", Closed, 0);
        const double width = wide->textWidth();
        QVERIFY(width > 174);
        QCOMPARE(wide->boundingRect().center().x(), 80.0);
        showBigDeviceNames = true;
        wide->updateFromObj();
        QVERIFY(wide->textWidth() > width);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void drawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        newKeystaff(project, "SA1", WithLock);
        GraphicsKeystaff *opened = placeItem(sheet, "SA1", Opened, 0);
        GraphicsKeystaff *closed = placeItem(sheet, "SA1", Closed, 1);
        GraphicsKeystaff *t = placeItem(sheet, "SA1", ContactT, 2);
        GraphicsKeystaff *r = placeItem(sheet, "SA1", Resistor, 4);

        PaintRecorder a;
        paint(&a, opened, true);
        QCOMPARE(a.texts, QStringList({"1", "2", "SA1"}));
        QCOMPARE(a.shapesOf("ellipse").size(), 3);
        QCOMPARE(a.shapesOf("line").size(), 4);
        QVERIFY(penColours(a).contains(penBlack.color()));
        PaintRecorder b;
        paint(&b, closed, true);
        QCOMPARE(b.texts, QStringList({"3", "4", "SA1"}));
        QCOMPARE(b.shapesOf("line").size(), 4);
        // The closed stand's bar lies on the lead line, the open one rises.
        QCOMPARE(b.shapesOf("line").last().bounds.height(), 0.0);
        QVERIFY(a.shapesOf("line").last().bounds.height() > 0);
        PaintRecorder c;
        paint(&c, t, true);
        QCOMPARE(c.texts, QStringList({"11", "13", "SA1"}));
        QVERIFY(c.shapesOf("ellipse").isEmpty());
        PaintRecorder d;
        paint(&d, r, true);
        QCOMPARE(d.texts, QStringList({"1z", "2z", "SA1"}));
        QCOMPARE(d.shapesOf("line").size(), 6);
        // The name row follows the kind.
        QVERIFY(a.textRects.last().top() < -40);
        QVERIFY(c.textRects.last().top() >= -40);

        // Unbound: red, without pin names; help adds the pin marks.
        t->detachObj(false);
        PaintRecorder lost;
        paint(&lost, t, false);
        QCOMPARE(lost.texts, QStringList({"SA1"}));
        QVERIFY(penColours(lost).contains(penRed.color()));
        QVERIFY(!lost.shapesOf("rect").isEmpty());
        // Selected: blue, with the selection frame.
        PaintRecorder selected;
        paint(&selected, r, false, true);
        QVERIFY(penColours(selected).contains(penBlue.color()));
        QVERIFY(!penColours(selected).contains(penBlack.color()));
        QCOMPARE(selected.shapesOf("rect").last().pen, penBlueThin.color());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // A sheet of keystaff groups as the user sees it: every kind, turned
    // and mirrored, bound and unbound.
    void renderedSheet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        newKeystaff(project, "SA1", WithLock);
        newKeystaff(project, "SA2", Stand);
        const auto put = [&](GraphicsKeystaff *item, const QPointF &pos) {
            item->setPosQuiet(pos);
            return item;
        };
        put(placeItem(sheet, "SA1", Opened, 0), QPointF(200, 200));
        put(placeItem(sheet, "SA1", Closed, 1), QPointF(600, 200));
        put(placeItem(sheet, "SA1", ContactT, 2), QPointF(1000, 200));
        put(placeItem(sheet, "SA1", Resistor, 4), QPointF(1400, 200));
        GraphicsKeystaff *turned = put(placeItem(sheet, "SA1", ContactT, 3), QPointF(400, 600));
        turned->rotateBy(1, true);
        GraphicsKeystaff *mirrored = put(placeItem(sheet, "SA2", Opened, 1), QPointF(600, 600));
        mirrored->mirror(false);
        GraphicsKeystaff *lost = put(placeItem(sheet, "SA9", Closed, 0), QPointF(1000, 600));
        lost->setSelected(true);
        showBigDeviceNames = true;
        put(placeItem(sheet, "SA2", Closed, 0), QPointF(1400, 600));
        QCOMPARE(boxTexts(rec), QStringList());

        const QImage image = renderPart(sheet, QRectF(0, 0, 2000, 900), "rlay_keystaffs.png");
        QVERIFY(darkPixels(image, QRect(270, 160, 20, 20)) > 0);
        QVERIFY(darkPixels(image, QRect(1080, 210, 40, 40)) > 0);
        QVERIFY(darkPixels(image, QRect(1440, 185, 80, 30)) > 0);
        QVERIFY(darkPixels(image, QRect(1700, 800, 200, 90)) == 0);
    }

    void itemRecords()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        // Format 11: number, kind, then the bound-item record.
        GraphicsKeystaff *lost = placeItem(sheet, "SA7", ContactT, 3);
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            lost->saveData(out);
        }
        QCOMPARE(bytes, itemRecord(11, 3, ContactT, "SA7"));

        {
            QByteArray record = itemRecord(11, 3, ContactT, "SA7");
            GraphicsKeystaff copy(&sheet);
            DataStream in(&record, QIODevice::ReadOnly);
            in.setFormatIndex(11);
            copy.loadData(in);
            QCOMPARE(in.status(), QDataStream::Ok);
            QCOMPARE(copy.kind(), int(ContactT));
            QCOMPARE(copy.number(), 3);
            QCOMPARE(copy.pin(1)->center(), QPointF(120, 80));
            QCOMPARE(copy.ownName(), QString("SA7"));
        }
        // Format 10 has no kind: the constructor's kind and pins stay.
        {
            QByteArray record = itemRecord(10, 3, ContactT, "SA7");
            GraphicsKeystaff copy(&sheet);
            DataStream in(&record, QIODevice::ReadOnly);
            in.setFormatIndex(10);
            copy.loadData(in);
            QCOMPARE(in.status(), QDataStream::Ok);
            QVERIFY(in.atEnd());
            QCOMPARE(copy.kind(), int(Closed));
            QCOMPARE(copy.number(), 3);
            QCOMPARE(copy.pin(0)->center(), QPointF(0, 0));
            QCOMPARE(copy.pin(1)->center(), QPointF(160, 0));
            QCOMPARE(copy.ownName(), QString("SA7"));
        }
        // A kind beyond the four is a damaged record.
        for (int kind : {4, 255}) {
            QByteArray record = itemRecord(11, 0, kind, "SA7");
            GraphicsKeystaff copy(&sheet);
            DataStream in(&record, QIODevice::ReadOnly);
            in.setFormatIndex(11);
            copy.loadData(in);
            QCOMPARE(in.status(), QDataStream::ReadCorruptData);
            QCOMPARE(copy.kind(), int(Closed));
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void savedAndLoaded()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            KeystaffSheet sheet(&project);
            newKeystaff(project, "SA1", WithLock);
            GraphicsKeystaff *a = placeItem(sheet, "SA1", Opened, 0);
            GraphicsKeystaff *b = placeItem(sheet, "SA1", ContactT, 3);
            GraphicsKeystaff *c = placeItem(sheet, "SA1", Resistor, 4);
            a->setPos(400, 400);
            b->setPos(800, 400);
            c->setPos(1200, 400);
            c->rotateBy(1, true);
            QVERIFY(a->pin(1)->solder(b->pin(0)));
            placeItem(sheet, "SA8", Closed, 1);
            bytes = saveAll(project, sheet);
        }
        {
            Project project(nullptr, nullptr);
            KeystaffSheet sheet(&project);
            QVERIFY(loadAll(project, sheet, bytes));
            const QList<GraphicsKeystaff *> items = itemsOf<GraphicsKeystaff>(sheet);
            QCOMPARE(items.size(), 4);
            auto *keystaff = dynamic_cast<Keystaff *>(project.findObj(KeystaffKind, "SA1"));
            QVERIFY(keystaff);
            QCOMPARE(keystaff->modelIndex(), int(WithLock));
            QCOMPARE(keystaff->items().size(), 3);
            QCOMPARE(items[0]->keystaff(), keystaff);
            QCOMPARE(items[1]->keystaff(), keystaff);
            QCOMPARE(items[2]->keystaff(), keystaff);
            QCOMPARE(items[0]->kind(), int(Opened));
            QCOMPARE(items[1]->kind(), int(ContactT));
            QCOMPARE(items[2]->kind(), int(Resistor));
            QCOMPARE(items[1]->number(), 3);
            QCOMPARE(items[2]->rotationIndex(), 1);
            QCOMPARE(items[0]->pin(1)->partner(), items[1]->pin(0));
            QCOMPARE(pinNames(items[1]), QStringList({"21", "23"}));
            QCOMPARE(pinNames(items[2]), QStringList({"1z", "2z"}));
            QCOMPARE(items[3]->obj(), nullptr);
            QCOMPARE(items[3]->name(), QString("SA8"));
            QCOMPARE(items[3]->number(), 1);
            QCOMPARE(boxTexts(rec), QStringList());
        }

        // A group number that the keystaff's type lacks is damaged data:
        // the item is left unbound and the fix-up fails.
        QByteArray needle;
        {
            DataStream out(&needle, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << qint32(GraphicsKeystaff::Type) << quint8(4) << quint8(Resistor);
        }
        QByteArray damaged = bytes;
        const int found = int(damaged.indexOf(needle));
        QVERIFY(found > 0);
        damaged[found + 4] = char(5);
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        QVERIFY(!loadAll(project, sheet, damaged));
        const QList<GraphicsKeystaff *> items = itemsOf<GraphicsKeystaff>(sheet);
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[2]->obj(), nullptr);
        QCOMPARE(items[0]->keystaff(), project.findObj(KeystaffKind, "SA1"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogLists()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        newKeystaff(project, "SA1", WithLock);
        newKeystaff(project, "SA2", Stand);
        placeItem(sheet, "SA1", ContactT, 3);
        placeItem(sheet, "SA1", Opened, 0);

        DlgPropKeystaff dialog(&sheet);
        QCOMPARE(dialog.typeCombo()->count(), 2);
        QCOMPARE(dialog.typeCombo()->itemText(0), QString("Stand."));
        QCOMPARE(dialog.typeCombo()->itemData(1).toInt(), int(WithLock));
        QCOMPARE(dialog.typeCombo()->currentIndex(), 0);
        QCOMPARE(dialog.kindCombo()->count(), 4);
        QCOMPARE(dialog.kindCombo()->itemText(2), QString("Contact t"));
        QCOMPARE(dialog.kindCombo()->currentIndex(), 0);
        QCOMPARE(dialog.spinNumber()->minimum(), 1);
        QCOMPARE(dialog.objTable()->columnCount(), 3);
        QCOMPARE(dialog.contactsTable()->columnCount(), 4);
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 2);
        QCOMPARE(rowTexts(dialog.objTable()->findItems("SA1", Qt::MatchExactly, 0).first()),
                 QStringList({"SA1", "With electrical lock", "2 / 5"}));
        QCOMPARE(rowTexts(dialog.objTable()->findItems("SA2", Qt::MatchExactly, 0).first()),
                 QStringList({"SA2", "Stand.", "0 / 2"}));

        dialog.selectTreeItem(dialog.objTable(), dialog.objTable()->findItems("SA1", Qt::MatchExactly, 0).first());
        QCOMPARE(dialog.edObjName()->text(), QString("SA1"));
        QCOMPARE(dialog.typeCombo()->currentText(), QString("With electrical lock"));
        QTreeWidget *groups = dialog.contactsTable();
        QCOMPARE(groups->topLevelItemCount(), 5);
        QCOMPARE(rowTexts(groups->topLevelItem(0)), QStringList({"1", "1-2", "Stand opened", "S1*"}));
        QCOMPARE(rowTexts(groups->topLevelItem(1)), QStringList({"2", "3-4", "Stand closed", ""}));
        QCOMPARE(rowTexts(groups->topLevelItem(3)), QStringList({"4", "21-23", "Contact t", "S1*"}));
        QCOMPARE(rowTexts(groups->topLevelItem(4)), QStringList({"5", "1z-2z", "Resistor", ""}));

        QTest::keyClicks(dialog.edFind(), "SA2");
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(0), QString("SA2"));
        QCOMPARE(groups->topLevelItemCount(), 2);
        QCOMPARE(dialog.typeCombo()->currentText(), QString("Stand."));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogChoice()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        Keystaff *sa1 = newKeystaff(project, "SA1", WithLock);
        GraphicsKeystaff *shown = placeItem(sheet, "SA1", ContactT, 3);

        DlgPropKeystaff dialog(&sheet);
        dialog.objTable()->clearSelection();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected keystaff !"}));
        rec.clear();
        dialog.selectTreeItem(dialog.objTable(), findTreeItemOfObj(dialog.objTable(), sa1));
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected contact !"}));
        rec.clear();
        // Group 4 is shown by another item.
        QVERIFY(!dialog.btnChoiseClick(dialog.contactsTable()->topLevelItem(3)));
        QCOMPARE(boxTexts(rec), QStringList({"Keystaff is busy!"}));
        rec.clear();
        // Group 3 ("Contact t") while the kind shows "Stand opened".
        dialog.kindCombo()->setCurrentIndex(Opened);
        QVERIFY(!dialog.btnChoiseClick(dialog.contactsTable()->topLevelItem(2)));
        QCOMPARE(boxTexts(rec), QStringList({"Choise button and button type not compatibility! "}));
        rec.clear();
        dialog.kindCombo()->setCurrentIndex(ContactT);
        dialog.selectTreeItem(dialog.contactsTable(), dialog.contactsTable()->topLevelItem(2));
        buttonOf(&dialog, "V")->click();
        QCOMPARE(dialog.edName()->text(), QString("SA1"));
        QCOMPARE(dialog.spinNumber()->value(), 3);
        QCOMPARE(boxTexts(rec), QStringList());

        // The group the edited item shows is its own choice.
        DlgPropKeystaff editing(&sheet);
        editing.loadFromItem(shown);
        QCOMPARE(editing.edName()->text(), QString("SA1"));
        QCOMPARE(editing.kindCombo()->currentIndex(), int(ContactT));
        QCOMPARE(editing.spinNumber()->value(), 4);
        QCOMPARE(editing.contactsTable()->selectedItems().first()->text(0), QString("4"));
        QVERIFY(editing.btnChoiseClick(editing.contactsTable()->topLevelItem(3)));
        QCOMPARE(boxTexts(rec), QStringList());

        // A double click in the groups chooses and accepts.
        DlgPropKeystaff clicking(&sheet);
        clicking.selectTreeItem(clicking.objTable(), findTreeItemOfObj(clicking.objTable(), sa1));
        clicking.kindCombo()->setCurrentIndex(Resistor);
        clicking.setResult(QDialog::Rejected);
        emit clicking.contactsTable()->itemDoubleClicked(clicking.contactsTable()->topLevelItem(4), 0);
        QCOMPARE(clicking.result(), int(QDialog::Accepted));
        QCOMPARE(clicking.spinNumber()->value(), 5);
    }

    void dialogPlacesEditsAndRetypes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        KeystaffSheet sheet(&project);
        boundtest::SignalCount appended(project, &Project::objAppend);

        // "Add" makes a keystaff of the type shown; the item binds on Ok.
        DlgPropKeystaff dialog(&sheet);
        rec.handle([&](QDialog *) {
            buttonOf(&dialog, "Add")->click();
            QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));
            dialog.edObjName()->setText("SA1");
            dialog.typeCombo()->setCurrentIndex(dialog.typeCombo()->findData(int(WithLock)));
            buttonOf(&dialog, "Add")->click();
            dialog.edObjName()->setText("SA1");
            buttonOf(&dialog, "Add")->click();
            pressOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            dialog.kindCombo()->setCurrentIndex(ContactT);
            dialog.spinNumber()->setValue(4);
            QTest::keyClicks(dialog.edName(), "SA1");
            pressOk(&dialog);
        });
        auto *item = dynamic_cast<GraphicsKeystaff *>(dialog.execDialog(nullptr, GraphicsKeystaff::Type));
        QVERIFY(item);
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!", "Object already exists!",
                                          "Need enter graphics Keystaff name!"}));
        rec.clear();
        sheet.addGraphicsItem(item);
        auto *sa1 = dynamic_cast<Keystaff *>(project.findObj(KeystaffKind, "SA1"));
        QVERIFY(sa1);
        QCOMPARE(sa1->modelIndex(), int(WithLock));
        QCOMPARE(appended.count(), 1);
        QCOMPARE(item->keystaff(), sa1);
        QCOMPARE(item->kind(), int(ContactT));
        QCOMPARE(item->number(), 3);
        QCOMPARE(pinNames(item), QStringList({"21", "23"}));
        QVERIFY(project.devicesChanged());

        // A second "Contact t" item asking for the same group gets the
        // other one.
        GraphicsKeystaff *second = placeItem(sheet, "SA1", ContactT, 3);
        QCOMPARE(second->number(), 2);
        GraphicsKeystaff *closed = placeItem(sheet, "SA1", Closed, 0);
        QCOMPARE(closed->number(), 1);

        // Editing: another kind while bound; the keystaff gives the group.
        DlgPropKeystaff edit(&sheet);
        rec.handle([&](QDialog *) {
            QCOMPARE(edit.edName()->text(), QString("SA1"));
            QCOMPARE(edit.spinNumber()->value(), 4);
            QCOMPARE(edit.kindCombo()->currentIndex(), int(ContactT));
            edit.kindCombo()->setCurrentIndex(Resistor);
            pressOk(&edit);
        });
        QCOMPARE(edit.execDialog(item, GraphicsKeystaff::Type), item);
        QCOMPARE(item->keystaff(), sa1);
        QCOMPARE(item->kind(), int(Resistor));
        QCOMPARE(item->number(), 4);
        QCOMPARE(pinNames(item), QStringList({"1z", "2z"}));
        // A kind whose groups are all shown: unbound.
        DlgPropKeystaff full(&sheet);
        rec.handle([&](QDialog *) {
            full.kindCombo()->setCurrentIndex(Closed);
            pressOk(&full);
        });
        full.execDialog(item, GraphicsKeystaff::Type);
        QCOMPARE(item->obj(), nullptr);
        QCOMPARE(item->name(), QString("SA1"));
        QCOMPARE(pinNames(item), QStringList({"", ""}));
        QCOMPARE(sa1->items().size(), 2);
        QCOMPARE(boxTexts(rec), QStringList());

        // "Repl" with another type: the items find their groups anew; the
        // "Contact t" items find none in "Stand." and lose their names.
        GraphicsKeystaff *opened = placeItem(sheet, "SA1", Opened, 0);
        QCOMPARE(opened->number(), 0);
        DlgPropKeystaff retype(&sheet);
        retype.selectTreeItem(retype.objTable(), findTreeItemOfObj(retype.objTable(), sa1));
        retype.typeCombo()->setCurrentIndex(retype.typeCombo()->findData(int(Stand)));
        buttonOf(&retype, "Repl")->click();
        QCOMPARE(sa1->modelIndex(), int(Stand));
        QCOMPARE(second->obj(), nullptr);
        QCOMPARE(pinNames(second), QStringList({"", ""}));
        QCOMPARE(closed->keystaff(), sa1);
        QCOMPARE(closed->number(), 0);
        QCOMPARE(pinNames(closed), QStringList({"1", "2"}));
        QCOMPARE(opened->keystaff(), sa1);
        QCOMPARE(opened->number(), 1);
        QCOMPARE(pinNames(opened), QStringList({"3", "4"}));
        QCOMPARE(retype.objTable()->selectedItems().first()->text(2), QString("2 / 2"));

        // Renaming the keystaff in the table renames it for its items.
        retype.edObjName()->setText("SA5");
        buttonOf(&retype, "Repl")->click();
        QCOMPARE(sa1->name(), QString("SA5"));
        QCOMPARE(closed->name(), QString("SA5"));
        QCOMPARE(boxTexts(rec), QStringList());

        // "Del" shows its items unbound at once.
        closed->setPos(1000, 1000);
        QSignalSpy repainted(sheet.liveScene(), &QGraphicsScene::changed);
        QCoreApplication::processEvents();
        rec.clickButton("&Yes");
        buttonOf(&retype, "Del")->click();
        QCoreApplication::processEvents();
        const QList<QRectF> rects = repainted.last().first().value<QList<QRectF>>();
        QVERIFY(!closed->obj() && rects.contains(closed->sceneBoundingRect()));

        // Cancel changes nothing.
        DlgPropKeystaff cancelled(&sheet);
        rec.reject();
        QCOMPARE(cancelled.execDialog(nullptr, GraphicsKeystaff::Type), nullptr);
    }

    void placeSaveAndLoad()
    {
        ModalRecorder rec;
        QVERIFY(Scheme::setItemTypeFactories(GraphicsKeystaff::Type, createGraphicsKeystaff, createDlgPropKeystaff));
        SchemeEditor editor(5);
        QVERIFY(editor.action(103)->isEnabled());
        // "Keystaff" from the toolbox; the first one adds its keystaff, and
        // the group is chosen from the table.
        const auto place = [&](const QString &name, int addType, int kind, int group, const QPointF &pinAt) {
            const auto fill = [&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropKeystaff *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Keystaff"));
                if (addType >= 0) {
                    QTest::keyClicks(dialog->edObjName(), name);
                    dialog->typeCombo()->setCurrentIndex(dialog->typeCombo()->findData(addType));
                    buttonOf(d, "Add")->click();
                }
                dialog->kindCombo()->setCurrentIndex(kind);
                dialog->selectTreeItem(dialog->objTable(),
                                       dialog->objTable()->findItems(name, Qt::MatchExactly, 0).first());
                dialog->selectTreeItem(dialog->contactsTable(), dialog->contactsTable()->topLevelItem(group));
                buttonOf(d, "V")->click();
                pressOk(d);
            };
            return dynamic_cast<GraphicsKeystaff *>(editor.place(103, rec, fill, pinAt));
        };
        GraphicsKeystaff *a = place("SA1", WithLock, Opened, 0, QPointF(800, 800));
        QVERIFY(a);
        GraphicsKeystaff *b = place("SA1", -1, ContactT, 3, at(a->pin(1)));
        QVERIFY(b);
        GraphicsKeystaff *c = place("SA1", -1, Resistor, 4, QPointF(800, 1600));
        QVERIFY(c);
        auto *keystaff = dynamic_cast<Keystaff *>(editor.project()->findObj(KeystaffKind, "SA1"));
        QVERIFY(keystaff);
        QCOMPARE(keystaff->items().size(), 3);
        QCOMPARE(b->number(), 3);
        QCOMPARE(schemetest::clew(a->pin(1)), QList<Pin *>({b->pin(0)}));
        QCOMPARE(boxTexts(rec), QStringList());
        const QString dir = m_dir.path() + "/plant";
        QVERIFY(editor.saveAndClose(dir));

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsKeystaff *> items = itemsOf<GraphicsKeystaff>(*sheet);
        QCOMPARE(items.size(), 3);
        keystaff = dynamic_cast<Keystaff *>(loaded.findObj(KeystaffKind, "SA1"));
        QVERIFY(keystaff);
        QCOMPARE(keystaff->modelIndex(), int(WithLock));
        QCOMPARE(keystaff->itemByNumber(0), items[0]);
        QCOMPARE(keystaff->itemByNumber(3), items[1]);
        QCOMPARE(keystaff->itemByNumber(4), items[2]);
        QCOMPARE(items[1]->kind(), int(ContactT));
        QCOMPARE(items[2]->kind(), int(Resistor));
        QCOMPARE(pinNames(items[1]), QStringList({"21", "23"}));
        QCOMPARE(schemetest::clew(items[0]->pin(1)), QList<Pin *>({items[1]->pin(0)}));
        QCOMPARE(boxTexts(rec), QStringList());
        Scheme::registerItemTypes();
    }
};

QTEST_MAIN(TestKeystaff)
#include "tst_keystaff.moc"
