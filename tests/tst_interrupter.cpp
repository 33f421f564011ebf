// Interrupters: the catalogue, the device with its nominal, the item that
// owns it (pins named by the place's position, drawing, records, the
// clipboard) and the property dialog; then interrupters placed, saved and
// loaded through the real scheme editor.

#include "devices/dlgpropinterrupter.h"
#include "devices/graphicsinterrupter.h"
#include "devices/interrupter.h"
#include "devices/interruptercatalogue.h"
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

#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;
using namespace devicekindtest;

namespace {

class InterrupterSheet : public GraphicsScene
{
public:
    explicit InterrupterSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsInterrupter::Type)
            return createGraphicsInterrupter(this);
        return GraphicsScene::createItem(type);
    }

    QString title = QStringLiteral("S1");
};

// An item with its own interrupter of that type and nominal, on the sheet.
GraphicsInterrupter *placeItem(InterrupterSheet &sheet, const QString &name, int nominal)
{
    auto *item = new GraphicsInterrupter(&sheet);
    sheet.addGraphicsItem(item);
    auto *device = dynamic_cast<Interrupter *>(sheet.project()->createDevice(InterrupterKind));
    device->setModelIndex(0);
    device->setNominalIndex(nominal);
    device->appendItem(item);
    device->setName(name);
    item->updatePinNames();
    item->updateFromObj();
    return item;
}

QByteArray deviceRecord(const QString &name, qint32 id, qint32 type, qint32 nominal, bool showAddress)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    out << name << id << type << nominal << showAddress;
    return bytes;
}

} // namespace

class TestInterrupter : public QObject
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

    void catalogue()
    {
        QCOMPARE(int(InterrupterTypeCount), 1);
        QCOMPARE(QString(interrupterTypes[0].name), QString("AVM-2"));
        QCOMPARE(interrupterTypes[0].count, 5);
        QStringList nominals;
        for (int i = 0; i < interrupterTypes[0].count; ++i)
            nominals << interrupterTypes[0].nominals[i];
        QCOMPARE(nominals, QStringList({"3", "5", "7,5", "10", "15"}));
        QCOMPARE(interrupterTypes[1].name, nullptr);
        QCOMPARE(interrupterTypes[1].count, 0);
        QVERIFY(isInterrupterNominal(0, 4));
        QVERIFY(!isInterrupterNominal(0, 5));
        QVERIFY(!isInterrupterNominal(0, -1));
        QVERIFY(!isInterrupterNominal(1, 0));
    }

    void device()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        auto *device = dynamic_cast<Interrupter *>(project.createDevice(InterrupterKind));
        QVERIFY(device);
        std::unique_ptr<Interrupter> owner(device);
        QCOMPARE(device->kind(), int(InterrupterKind));
        QCOMPARE(device->nominalIndex(), 0);
        QCOMPARE(device->modelName(), QString());
        QCOMPARE(device->nominalText(), QString());
        QCOMPARE(device->placeType(), 133);
        QCOMPARE(device->placeTypeName(), QString("AVM"));
        QCOMPARE(device->pinCount(), 0);
        device->setModelIndex(0);
        device->setNominalIndex(2);
        QCOMPARE(device->modelName(), QString("AVM-2"));
        QCOMPARE(device->nominalText(), QString("7,5A"));
        QCOMPARE(boxTexts(rec), QStringList());

        // Indices outside the catalogue are refused.
        QVERIFY(!device->setNominalIndex(5));
        QCOMPARE(device->nominalText(), QString("7,5A"));
        QVERIFY(!device->setModelIndex(1));
        QCOMPARE(device->modelName(), QString("AVM-2"));
        QCOMPARE(boxTexts(rec).size(), 0);
    }

    void oneItemEach()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        InterrupterSheet sheet(&project);
        GraphicsInterrupter *item = placeItem(sheet, "Q1", 1);
        auto *device = item->interrupter();
        QVERIFY(device);
        QCOMPARE(device->items().size(), 1);
        GraphicsInterrupter other(&sheet);
        QVERIFY(!device->canAppend(&other));
        QVERIFY(!device->appendItem(&other));
        QCOMPARE(other.obj(), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
        // The device goes with its item.
        delete item;
        QCOMPARE(project.findObj(InterrupterKind, "Q1"), nullptr);
    }

    void records()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        auto *device = dynamic_cast<Interrupter *>(project.createDevice(InterrupterKind));
        device->setModelIndex(0);
        device->setNominalIndex(3);
        device->setName("Q1");
        device->setShowAddress(true);
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            device->write(out);
        }
        QCOMPARE(bytes, deviceRecord("Q1", 1, 0, 3, true));

        struct Case
        {
            qint32 type;
            qint32 nominal;
            bool valid;
        };
        const Case cases[] = {
            {0, 0, true}, {0, 4, true}, {-1, 0, true}, {0, 5, false}, {0, -1, false}, {1, 0, false}, {-2, 0, false},
        };
        for (const Case &c : cases) {
            QByteArray record = deviceRecord("Q9", 7, c.type, c.nominal, false);
            Project other(nullptr, nullptr);
            std::unique_ptr<Obj> copy(other.createDevice(InterrupterKind));
            DataStream in(&record, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            copy->read(in);
            QCOMPARE(in.status() == QDataStream::Ok, c.valid);
            auto *read = static_cast<Interrupter *>(copy.get());
            QCOMPARE(read->modelIndex(), c.valid ? c.type : -1);
            QCOMPARE(read->nominalIndex(), c.valid ? c.nominal : 0);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void pinsAndGeometry()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        InterrupterSheet sheet(&project);
        TestScene frame(&project);
        GraphicsInterrupter fresh(&sheet);
        QCOMPARE(fresh.type(), QGraphicsItem::UserType + 417);
        QCOMPARE(fresh.objType(), int(InterrupterKind));
        QCOMPARE(fresh.bindMode(), int(GraphicsObjItem::BindOwned));
        QCOMPARE(fresh.pinCount(), 2);
        QCOMPARE(fresh.pin(0)->center(), QPointF(0, 0));
        QCOMPARE(fresh.pin(1)->center(), QPointF(160, 0));
        QCOMPARE(fresh.textWidth(), 174.0);
        QCOMPARE(fresh.boundingRect(), QRectF(-7 - 3.5, -120 - 3.5, 174 + 7, 200 + 7));

        GraphicsInterrupter *item = placeItem(sheet, "Q1", 0);
        QCOMPARE(pinNames(item), QStringList({"1", "2"}));
        Interrupter *device = item->interrupter();
        Place *place = placeDevice(frame, device, positionAddress(3));
        QCOMPARE(pinNames(item), QStringList({"31", "32"}));
        QCOMPARE(device->positionCode(), 26);
        place->setAddress(positionAddress(6));
        QCOMPARE(pinNames(item), QStringList({"61", "62"}));

        // The widest text sets the width.
        device->setName("Q1 of the feeder of the second section");
        item->updateFromObj();
        QVERIFY(item->textWidth() > 174);
        QCOMPARE(item->boundingRect().center().x(), 80.0);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void drawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        InterrupterSheet sheet(&project);
        GraphicsInterrupter *item = placeItem(sheet, "Q1", 2);
        PaintRecorder shown;
        paint(&shown, item, false);
        QCOMPARE(shown.texts, QStringList({"AVM-2", "7,5A", "1", "2", "Q1"}));
        QVERIFY(penColours(shown).contains(penBlack.color()));
        QVERIFY(penColours(shown).contains(penGreen.color()));
        // The symbol: three lines, two terminal circles, the thick lever
        // and its grip.
        PaintRecorder hidden;
        paint(&hidden, item, true);
        QCOMPARE(hidden.texts, QStringList({"AVM-2", "7,5A", "1", "2"}));
        QCOMPARE(hidden.shapesOf("line").size(), 4);
        QCOMPARE(hidden.shapesOf("ellipse").size(), 2);
        QCOMPARE(hidden.shapesOf("rect").size(), 1);
        QCOMPARE(hidden.shapesOf("rect").first().brush, penBlack.color());

        // Selected: blue, and the name too.
        PaintRecorder selected;
        paint(&selected, item, false, true);
        QVERIFY(penColours(selected).contains(penBlue.color()));
        QVERIFY(!penColours(selected).contains(penBlack.color()));

        // The address when shown.
        TestScene frame(&project);
        placeDevice(frame, item->interrupter(), positionAddress(1));
        item->interrupter()->setShowAddress(true);
        PaintRecorder addressed;
        paint(&addressed, item, true);
        QCOMPARE(addressed.texts.first(), item->addressText());
        QCOMPARE(addressed.texts.mid(1, 2), QStringList({"AVM-2", "7,5A"}));

        // Unbound (its interrupter deleted): red, without type and nominal;
        // the pins keep the names they had.
        delete item->interrupter();
        QCOMPARE(item->obj(), nullptr);
        PaintRecorder lost;
        paint(&lost, item, false);
        QCOMPARE(lost.texts, QStringList({"11", "12", "Q1"}));
        QVERIFY(penColours(lost).contains(penRed.color()));
        QVERIFY(!penColours(lost).contains(penBlack.color()));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placeAndPicture()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        InterrupterSheet sheet(&project);
        TestScene frame(&project);
        GraphicsInterrupter *item = placeItem(sheet, "Q4", 4);
        Interrupter *device = item->interrupter();
        const auto inPlace = [&] {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            device->paintInPlace(&painter, QRectF(0, 0, 120, 80), nullptr, nullptr, false);
            painter.end();
            return recorder.texts;
        };
        QCOMPARE(inPlace(), QStringList({"Q4", "AVM-2"}));
        placeDevice(frame, device, positionAddress(2));
        QCOMPARE(inPlace(), QStringList({"AVM-2"}));

        PaintRecorder picture;
        {
            QPainter painter(&picture);
            device->paintPicture(&painter);
        }
        QCOMPARE(picture.texts, QStringList({"AVM-2"}));
        QCOMPARE(picture.shapesOf("line").size(), 4);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // A sheet of interrupters as the user sees it: bound and unbound,
    // turned and mirrored, with and without the address.
    void renderedSheet()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        InterrupterSheet sheet(&project);
        TestScene frame(&project);
        GraphicsInterrupter *a = placeItem(sheet, "Q1", 0);
        a->setPosQuiet(QPointF(200, 300));
        placeDevice(frame, a->interrupter(), positionAddress(4));
        a->interrupter()->setShowAddress(true);
        GraphicsInterrupter *b = placeItem(sheet, "Q2 of the feeder", 2);
        b->setPosQuiet(QPointF(600, 300));
        b->mirror(false);
        GraphicsInterrupter *c = placeItem(sheet, "Q3", 4);
        c->setPosQuiet(QPointF(1200, 200));
        c->rotateBy(1, true);
        auto *lost = new GraphicsInterrupter(&sheet);
        sheet.addGraphicsItem(lost);
        lost->setOwnName("Q4");
        lost->setPosQuiet(QPointF(1500, 300));
        lost->setSelected(true);
        QCOMPARE(boxTexts(rec), QStringList());

        const QImage image = renderPart(sheet, QRectF(0, 0, 2000, 600), "rlay_interrupters.png");
        QVERIFY(darkPixels(image, QRect(240, 335, 80, 10)) > 0);
        QVERIFY(darkPixels(image, QRect(480, 335, 80, 10)) > 0);
        QVERIFY(darkPixels(image, QRect(1150, 230, 20, 100)) > 0);
        QVERIFY(darkPixels(image, QRect(1800, 400, 200, 200)) == 0);
    }

    void itemRecordsAndClipboard()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            InterrupterSheet sheet(&project);
            GraphicsInterrupter *a = placeItem(sheet, "Q1", 1);
            GraphicsInterrupter *b = placeItem(sheet, "Q2", 4);
            a->setPos(400, 400);
            b->setPos(800, 400);
            b->rotateBy(1, true);
            QVERIFY(a->pin(1)->solder(b->pin(0)));
            auto *lost = new GraphicsInterrupter(&sheet);
            sheet.addGraphicsItem(lost);
            lost->setOwnName("Q3");
            // The item's record: the device's identity.
            QByteArray own;
            {
                DataStream out(&own, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                Project::IdentityScope scope(project);
                lost->saveData(out);
            }
            QByteArray expected;
            {
                DataStream out(&expected, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << qint32(0) << QString("Q3");
            }
            QCOMPARE(own, expected);
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        InterrupterSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        const QList<GraphicsInterrupter *> items = itemsOf<GraphicsInterrupter>(sheet);
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->interrupter(), project.findObj(InterrupterKind, "Q1"));
        QCOMPARE(items[1]->interrupter(), project.findObj(InterrupterKind, "Q2"));
        QCOMPARE(items[0]->interrupter()->nominalIndex(), 1);
        QCOMPARE(items[1]->interrupter()->nominalText(), QString("15A"));
        QCOMPARE(items[1]->rotationIndex(), 1);
        QCOMPARE(items[0]->pin(1)->partner(), items[1]->pin(0));
        QCOMPARE(pinNames(items[0]), QStringList({"1", "2"}));
        QCOMPARE(items[2]->obj(), nullptr);
        QCOMPARE(items[2]->name(), QString("Q3"));

        // A pasted item gets an interrupter of its own with the same type
        // and nominal, under a name of its own.
        const QByteArray clip = copyItems(project, sheet, {items[1]});
        InterrupterSheet target(&project);
        const QList<GraphicsItem *> pasted = pasteItems(project, target, clip);
        QCOMPARE(pasted.size(), 1);
        auto *copy = dynamic_cast<GraphicsInterrupter *>(pasted.first());
        QVERIFY(copy && copy->interrupter());
        QVERIFY(copy->interrupter() != items[1]->interrupter());
        QCOMPARE(copy->name(), QString("Q2?"));
        QCOMPARE(copy->interrupter()->modelIndex(), 0);
        QCOMPARE(copy->interrupter()->nominalIndex(), 4);
        QCOMPARE(boxTexts(rec), QStringList());

        // A damaged nominal on the clipboard is refused.
        QByteArray damaged = clip;
        QByteArray needle;
        {
            DataStream out(&needle, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << QString("Q2") << qint32(0) << qint32(4);
        }
        const int found = int(damaged.indexOf(needle));
        QVERIFY(found > 0);
        damaged[found + needle.size() - 1] = char(9);
        InterrupterSheet other(&project);
        const QList<GraphicsItem *> refused = pasteItems(project, other, damaged);
        // The damaged record makes no interrupter; its item stays unbound.
        QCOMPARE(refused.size(), 1);
        QCOMPARE(dynamic_cast<GraphicsInterrupter *>(refused.first())->obj(), nullptr);
        QCOMPARE(project.objectsOfKind(InterrupterKind)->size(), 3);
        // The sheet reports the item it could not bind.
        QCOMPARE(boxTexts(rec).size(), 1);
        QVERIFY(boxTexts(rec).first().endsWith("FALSE expression"));
    }

    void dialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        InterrupterSheet sheet(&project);
        GraphicsInterrupter *q1 = placeItem(sheet, "Q1", 2);

        DlgPropInterrupter dialog(&sheet);
        QCOMPARE(dialog.typeCombo()->count(), 1);
        QCOMPARE(dialog.typeCombo()->currentText(), QString("AVM-2"));
        QCOMPARE(dialog.nominalCombo()->count(), 5);
        QCOMPARE(dialog.nominalCombo()->itemText(2), QString("7,5"));
        QCOMPARE(dialog.nominalCombo()->itemData(2).toInt(), 2);
        QCOMPARE(dialog.nominalCombo()->currentIndex(), 0);
        QTreeWidget *table = dialog.objTable();
        QCOMPARE(table->columnCount(), 4);
        QCOMPARE(table->topLevelItemCount(), 1);
        QTreeWidgetItem *row = table->topLevelItem(0);
        QCOMPARE(row->text(0), QString("Q1"));
        QCOMPARE(row->text(1), QString("AVM-2"));
        QCOMPARE(row->text(2), QString("7,5A"));
        QCOMPARE(row->text(3), QString("S1*"));

        // A new item: a name is needed, and one no other interrupter has.
        rec.handle([&](QDialog *) {
            pressOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QTest::keyClicks(dialog.edName(), "Q1");
            pressOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            dialog.edName()->setText(" Q2 ");
            dialog.nominalCombo()->setCurrentIndex(3);
            pressOk(&dialog);
        });
        auto *item = dynamic_cast<GraphicsInterrupter *>(dialog.execDialog(nullptr, GraphicsInterrupter::Type));
        QVERIFY(item);
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!", "Object already exists!"}));
        rec.clear();
        sheet.addGraphicsItem(item);
        Interrupter *q2 = item->interrupter();
        QVERIFY(q2);
        QCOMPARE(q2->name(), QString("Q2"));
        QCOMPARE(q2->modelIndex(), 0);
        QCOMPARE(q2->nominalText(), QString("10A"));
        QCOMPARE(pinNames(item), QStringList({"1", "2"}));
        QVERIFY(project.devicesChanged());

        // Editing: the fields show the item; its own name is no clash.
        DlgPropInterrupter edit(&sheet);
        rec.handle([&](QDialog *) {
            QCOMPARE(edit.edName()->text(), QString("Q1"));
            QCOMPARE(edit.nominalCombo()->currentIndex(), 2);
            QCOMPARE(edit.objTable()->selectedItems().first()->text(0), QString("Q1"));
            edit.nominalCombo()->setCurrentIndex(4);
            pressOk(&edit);
        });
        QCOMPARE(edit.execDialog(q1, GraphicsInterrupter::Type), q1);
        QCOMPARE(q1->interrupter()->nominalText(), QString("15A"));
        DlgPropInterrupter rename(&sheet);
        rec.handle([&](QDialog *) {
            rename.edName()->setText("Q5");
            pressOk(&rename);
        });
        rename.execDialog(q1, GraphicsInterrupter::Type);
        QCOMPARE(q1->interrupter()->name(), QString("Q5"));
        QCOMPARE(project.findObj(InterrupterKind, "Q1"), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());

        // An interrupter without its item is a failed check in the table.
        auto *orphan = dynamic_cast<Interrupter *>(project.createDevice(InterrupterKind));
        orphan->setModelIndex(0);
        orphan->setName("Q9");
        DlgPropInterrupter listing(&sheet);
        QCOMPARE(listing.objTable()->topLevelItemCount(), 3);
        QCOMPARE(boxTexts(rec).size(), 1);
        delete orphan;
    }

    void placeSaveAndLoad()
    {
        ModalRecorder rec;
        QVERIFY(Scheme::setItemTypeFactories(GraphicsInterrupter::Type, createGraphicsInterrupter,
                                             createDlgPropInterrupter));
        SchemeEditor editor(2);
        QVERIFY(editor.action(109)->isEnabled());
        const auto place = [&](const QString &name, int nominal, const QPointF &pinAt) {
            const auto fill = [&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropInterrupter *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Interrupter"));
                QTest::keyClicks(dialog->edName(), name);
                dialog->nominalCombo()->setCurrentIndex(nominal);
                pressOk(d);
            };
            return dynamic_cast<GraphicsInterrupter *>(editor.place(109, rec, fill, pinAt));
        };
        GraphicsInterrupter *a = place("Q1", 1, QPointF(800, 800));
        QVERIFY(a);
        // Dropped with its first terminal on the other's second one: the
        // two are joined at once.
        GraphicsInterrupter *b = place("Q2", 3, at(a->pin(1)));
        QVERIFY(b);
        QCOMPARE(schemetest::clew(a->pin(1)), QList<Pin *>({b->pin(0)}));
        QCOMPARE(a->interrupter()->nominalText(), QString("5A"));
        QCOMPARE(b->interrupter()->nominalText(), QString("10A"));
        QCOMPARE(boxTexts(rec), QStringList());
        const QString dir = m_dir.path() + "/plant";
        QVERIFY(editor.saveAndClose(dir));

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsInterrupter *> items = itemsOf<GraphicsInterrupter>(*sheet);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->interrupter(), loaded.findObj(InterrupterKind, "Q1"));
        QCOMPARE(items[1]->interrupter(), loaded.findObj(InterrupterKind, "Q2"));
        QCOMPARE(items[0]->interrupter()->nominalIndex(), 1);
        QCOMPARE(items[1]->interrupter()->nominalIndex(), 3);
        QCOMPARE(schemetest::clew(items[0]->pin(1)), QList<Pin *>({items[1]->pin(0)}));
        QCOMPARE(pinNames(items[1]), QStringList({"1", "2"}));
        QCOMPARE(boxTexts(rec), QStringList());
        Scheme::registerItemTypes();
    }
};

QTEST_MAIN(TestInterrupter)
#include "tst_interrupter.moc"
