#include "app/dlgsettings.h"
#include "devices/dlgpropcontact.h"
#include "devices/dlgproprelay.h"
#include "devices/graphicscontact.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/pushbuttonrelaywinding.h"
#include "devices/relay.h"
#include "devices/relaycatalogue.h"
#include "graphics/font.h"
#include "graphics/rlineedit.h"
#include "model/pin.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTreeWidget>
#include <QtTest>

using namespace boundtest;

namespace {

const QChar lineSeparator(0x2028);

// A sheet that makes relay windings and contacts from their type ids, as
// the scheme's registry does.
class RelaySheet : public GraphicsScene
{
public:
    explicit RelaySheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsRelayWinding::Type)
            return createGraphicsRelayWinding(this);
        if (type == GraphicsContact::Type)
            return createGraphicsContact(this);
        return GraphicsScene::createItem(type);
    }
    DlgPropGraphicsItem *createDialog(int type) override
    {
        if (type == GraphicsRelayWinding::Type)
            return createDlgPropRelay(this);
        if (type == GraphicsContact::Type)
            return createDlgPropContact(this);
        return GraphicsScene::createDialog(type);
    }

    QString title = QStringLiteral("S1");
};

// Fills the relay dialog: names, type row, winding row, variant button.
void fillRelay(DlgPropRelay &dialog, const QString &relay, const QString &winding, int type, int windingIndex,
               int variant, bool diagonal = false)
{
    dialog.edName()->setText(relay);
    dialog.edWindingName()->setText(winding);
    dialog.selectTreeItem(dialog.typeTree(), dialog.typeTree()->topLevelItem(type));
    dialog.selectTreeItem(dialog.windingTree(), dialog.windingTree()->topLevelItem(windingIndex));
    dialog.pictureButton(variant)->setChecked(true);
    dialog.chkDiagonal()->setChecked(diagonal);
}

// Runs the relay dialog for a new item (or the given one) and presses Ok.
GraphicsRelayWinding *runRelayDialog(RelaySheet &sheet, ModalRecorder &rec, const QString &relay,
                                     const QString &winding, int type, int windingIndex, int variant,
                                     GraphicsRelayWinding *item = nullptr, bool diagonal = false)
{
    DlgPropRelay dialog(&sheet);
    rec.handle([&](QDialog *) {
        fillRelay(dialog, relay, winding, type, windingIndex, variant, diagonal);
        buttonOf(&dialog, "Ok")->click();
    });
    auto *result = dynamic_cast<GraphicsRelayWinding *>(dialog.execDialog(item, GraphicsRelayWinding::Type));
    if (result && !item)
        sheet.addGraphicsItem(result);
    return result;
}

// Places a contact through its dialog.
GraphicsContact *runContactDialog(RelaySheet &sheet, ModalRecorder &rec, const QString &name, int kind, int number,
                                  bool under = true, GraphicsContact *item = nullptr)
{
    DlgPropContact dialog(&sheet);
    rec.handle([&](QDialog *) {
        dialog.kindButtons()->button(kind)->setChecked(true);
        (under ? dialog.rbUnder() : dialog.rbWithout())->setChecked(true);
        dialog.spinNumber()->setValue(number + 1);
        dialog.edName()->setText(name);
        buttonOf(&dialog, "Ok")->click();
    });
    auto *result = dynamic_cast<GraphicsContact *>(dialog.execDialog(item, GraphicsContact::Type));
    if (result && !item)
        sheet.addGraphicsItem(result);
    return result;
}

QString pinName(GraphicsDevice *item, int index)
{
    WiringPin *pin = item->wiringPin(index);
    return pin && pin->name() ? QString::fromUtf8(pin->name()) : QString();
}

QStringList pinNames(GraphicsDevice *item)
{
    QStringList names;
    for (int i = 0; i < item->pinCount(); ++i)
        names << pinName(item, i);
    return names;
}

Relay *relayNamed(Project &project, const QString &name)
{
    return dynamic_cast<Relay *>(project.findObj(RelayKind, name));
}

// The index of a type by its name.
int typeIndex(const char *name)
{
    for (int i = 0; i < RelayTypeCount; ++i) {
        if (qstrcmp(relayTypes[i].name, name) == 0)
            return i;
    }
    return -1;
}

} // namespace

class TestRelay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }
    void init()
    {
        showBigDeviceNames = false;
        showNumContacts = true;
        hideHelp = false;
    }

    void relayAnswersFromItsType()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        auto *relay = dynamic_cast<Relay *>(project.createDevice(RelayKind));
        QVERIFY(relay);
        QVERIFY(relay->setName("K1"));
        // Without a type: neutral answers and no report.
        QVERIFY(relay->modelName().isEmpty());
        QCOMPARE(relay->placeType(), -1);
        QCOMPARE(relay->positionCode(), -1);
        QCOMPARE(relay->pinCount(), 0);
        QCOMPARE(relay->pinIndex("1"), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());

        relay->setModelIndex(0);
        QCOMPARE(relay->modelName(), QString("REL1-1600"));
        QCOMPARE(relay->placeType(), 19);
        QCOMPARE(relay->positionCode(), 0);
        QCOMPARE(relay->pinCount(), 26);
        const char *found = relay->pinIndex("42");
        QVERIFY(found);
        QCOMPARE(QString(found), QString("42"));
        // The catalogue's own string, not a copy.
        QCOMPARE(found, relayTypes[0].windings[0].contacts[3].names[1]);
        QCOMPARE(relay->pinIndex("44"), nullptr);

        relay->setModelIndex(typeIndex("D3-2700"));
        QCOMPARE(relay->pinCount(), 24);
        relay->setModelIndex(typeIndex("KMSH-450"));
        QCOMPARE(relay->positionCode(), 2);
        relay->setModelIndex(typeIndex("DSSH2"));
        QCOMPARE(relay->placeType(), 20);
        QCOMPARE(boxTexts(rec), QStringList());

        // A type outside the catalogue is refused: the relay keeps its type.
        QVERIFY(!relay->setModelIndex(116));
        QCOMPARE(relay->placeType(), 20);
        QCOMPARE(boxTexts(rec).size(), 0);
    }

    void relayRecordIsRangeChecked()
    {
        for (qint32 index : {-1, 0, 115, 116, -2, 4000}) {
            ModalRecorder rec;
            QByteArray bytes;
            {
                Project project(nullptr, nullptr);
                Obj *relay = project.createDevice(RelayKind);
                relay->setName("K1");
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                Project::IdentityScope scope(project);
                out << qint32(1) << qint32(RelayKind) << qint32(1);
                out << QString("K1") << project.identity(relay) << index << false;
            }
            Project loaded(nullptr, nullptr);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            QString message;
            const bool ok = loaded.readDevices(in, &message);
            const bool valid = index >= -1 && index <= 115;
            QCOMPARE(ok, valid);
            if (valid) {
                QCOMPARE(dynamic_cast<Relay *>(loaded.findObj(RelayKind, "K1"))->modelIndex(), int(index));
            } else {
                QVERIFY(message.contains("Load devices not correct."));
                QVERIFY(!loaded.findObj(RelayKind, "K1"));
            }
            QCOMPARE(boxTexts(rec), QStringList());
        }
    }

    void windingPinsFollowTheVariant()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding item(&sheet);
        QCOMPARE(item.type(), QGraphicsItem::UserType + 302);
        QCOMPARE(item.objType(), int(RelayKind));
        QCOMPARE(item.kind(), int(RelayWindingKind));
        QCOMPARE(item.bindMode(), int(GraphicsObjItem::BindOwned));
        QCOMPARE(item.itemFlags(), 7);
        QCOMPARE(item.relayType(), -1);
        QCOMPARE(item.winding(), 255);
        QCOMPARE(item.variant(), 255);
        QCOMPARE(item.pinCount(), 0);

        // REL1-1600, the third variant: coil ends 1 and 3, jumper 2-4.
        item.setType(0, 0, 2);
        QCOMPARE(item.pinCount(), 4);
        QCOMPARE(item.pin(0)->center(), QPointF(0, 40));
        QCOMPARE(item.pin(1)->center(), QPointF(200, 40));
        QCOMPARE(item.pin(2)->center(), noPosition);
        QCOMPARE(item.pin(3)->center(), noPosition);
        item.updatePinNames();
        QCOMPARE(pinNames(&item), QStringList({"1", "3", "2", "4"}));
        QCOMPARE(item.wiringPin(0)->name(), relayTypes[0].windings[0].variants[2].names[0]);

        // Four coil ends in corner order.
        item.setType(0, 0, 4);
        QCOMPARE(item.pinCount(), 4);
        QCOMPARE(item.pin(2)->center(), QPointF(0, 80));
        QCOMPARE(item.pin(3)->center(), QPointF(200, 80));
        item.updatePinNames();
        QCOMPARE(pinNames(&item), QStringList({"1", "4", "2", "3"}));
        item.setRowsMirrored(true);
        item.updatePinNames();
        QCOMPARE(pinNames(&item), QStringList({"2", "3", "1", "4"}));
        item.setRowsMirrored(false);
        item.setDiagonal(true);
        item.updatePinNames();
        QCOMPARE(pinNames(&item), QStringList({"1", "4", "3", "2"}));
        item.setDiagonal(false);

        // A repeated name gives one pin.
        item.setType(typeIndex("OL2-88"), 0, 1);
        QCOMPARE(item.pinCount(), 3);
        // The three coil ends of the TSH types; their mirror exchanges the
        // first and the third.
        item.setType(typeIndex("TSH-65V"), 0, 1);
        QCOMPARE(item.pinCount(), 3);
        QCOMPARE(item.pin(2)->center(), QPointF(0, 80));
        item.setRowsMirrored(true);
        item.updatePinNames();
        QCOMPARE(pinNames(&item), QStringList({"52", "3", "1"}));
        item.setRowsMirrored(false);
        // The second winding of a two-winding type has its own pins.
        item.setType(typeIndex("D3-2700"), 1, 0);
        item.updatePinNames();
        QCOMPARE(pinNames(&item), QStringList({"53", "83"}));

        // The same indices again change nothing: soldering stays.
        GraphicsRelayWinding other(&sheet);
        other.setType(0, 0, 0);
        QVERIFY(item.pin(0)->solder(other.pin(0)));
        item.setType(typeIndex("D3-2700"), 1, 0);
        QCOMPARE(item.pin(0)->partner(), other.pin(0));
        item.setType(0, 0, 0);
        QVERIFY(other.pin(0)->isFree());
        QCOMPARE(boxTexts(rec), QStringList());

        // A diagonal on a coil of two ends is refused by the check.
        item.setDiagonal(true);
        item.updatePinNames();
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void relayTakesOneItemPerWinding()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        const int d3 = typeIndex("D3-2700");
        GraphicsRelayWinding *first = runRelayDialog(sheet, rec, "K1", "K1a", d3, 0, 0);
        QVERIFY(first);
        GraphicsRelayWinding *second = runRelayDialog(sheet, rec, "K1", "K1b", d3, 1, 0);
        QVERIFY(second);
        QCOMPARE(boxTexts(rec), QStringList());
        Relay *relay = relayNamed(project, "K1");
        QVERIFY(relay);
        QCOMPARE(relay->items().size(), 2);
        QCOMPARE(pinNames(first), QStringList({"13", "43"}));
        QCOMPARE(pinNames(second), QStringList({"53", "83"}));
        QVERIFY(!relay->canAddWinding(0));
        QVERIFY(!relay->canAddWinding(1));
        QVERIFY(!relay->canAddWinding(2));

        // A third item for either winding is refused by the relay.
        GraphicsRelayWinding third(&sheet);
        third.setType(d3, 0, 0);
        QVERIFY(!relay->canAppend(&third));
        QVERIFY(!relay->appendItem(&third));
        QCOMPARE(third.obj(), nullptr);

        // Removing one winding frees it; removing the last deletes the relay.
        SignalCount deleted(project, &Project::objDelete);
        delete second;
        QVERIFY(relay->canAddWinding(1));
        QCOMPARE(project.findObj(RelayWindingKind, "K1b"), nullptr);
        delete first;
        QCOMPARE(project.findObj(RelayKind, "K1"), nullptr);
        QCOMPARE(deleted.count(), 1);
    }

    void geometryAndCaption()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *item = runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 2);
        QVERIFY(item);
        QCOMPARE(item->caption(), QString("(2-4)") + lineSeparator + "REL1-1600");
        QCOMPARE(item->leadOffset(), 0.0);
        QVERIFY(item->top() < -5);
        QVERIFY(item->extentWidth() >= 214);
        const QRectF bounds = item->boundingRect();
        QCOMPARE(bounds.left(), (200 - item->extentWidth()) / 2 - 3.5);
        QCOMPARE(bounds.top(), item->top() - 3.5);
        // The caption lies under the coil.
        QVERIFY(item->top() + item->extentHeight() > 90);

        // A variant with four ends lowers the texts by 20.
        runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 4, item);
        QCOMPARE(item->leadOffset(), 20.0);
        QCOMPARE(item->caption(), QString("REL1-1600"));
        // A tall coil of the TSH types.
        GraphicsRelayWinding *tsh = runRelayDialog(sheet, rec, "KT", "KT1", typeIndex("TSH-65V"), 0, 0);
        QCOMPARE(tsh->leadOffset(), -20.0);

        // Turned, the width is fixed and the texts stand beside the coil.
        const double before = item->top();
        item->rotateBy(1, true);
        QCOMPARE(item->extentWidth(), 214.0);
        QVERIFY(item->top() != before);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void verticalMirrorExchangesRows()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *four = runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 4);
        GraphicsRelayWinding *two = runRelayDialog(sheet, rec, "K2", "K2", 0, 0, 0);
        QVERIFY(four && two);
        QCOMPARE(pinNames(four), QStringList({"1", "4", "2", "3"}));
        four->mirror(true);
        QVERIFY(four->isRowsMirrored());
        QVERIFY(!four->isMirrored());
        QCOMPARE(pinNames(four), QStringList({"2", "3", "1", "4"}));
        four->mirror(true);
        QCOMPARE(pinNames(four), QStringList({"1", "4", "2", "3"}));
        // Two ends: nothing happens.
        two->mirror(true);
        QVERIFY(!two->isRowsMirrored());
        QVERIFY(!two->isMirrored());
        QCOMPARE(pinNames(two), QStringList({"1", "4"}));
        // The horizontal mirror is the item's matrix.
        two->mirror(false);
        QVERIFY(two->isMirrored());
        QCOMPARE(pinNames(two), QStringList({"1", "4"}));

        // Applying a variant with fewer ends clears the rows flag; one with
        // four keeps it.
        four->mirror(true);
        runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 3, four);
        QVERIFY(four->isRowsMirrored());
        runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 0, four);
        QVERIFY(!four->isRowsMirrored());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void paintingNeverReports()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        QStyleOptionGraphicsItem option;

        // Every coil picture, each turn and mirror.
        const int pictures[] = {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 15, 16, 18};
        for (int picture : pictures) {
            int type = -1;
            for (int i = 0; i < RelayTypeCount && type < 0; ++i) {
                if (relayTypes[i].windings[0].pictureKind == picture)
                    type = i;
            }
            QVERIFY(type >= 0);
            for (int turn = 0; turn < 4; ++turn) {
                PaintRecorder recorder;
                QPainter painter(&recorder);
                painter.setPen(penBlack);
                paintRelayPicture(&painter, type, 0, 0, turn, turn % 2 == 1);
                QVERIFY(!recorder.shapes.isEmpty());
            }
        }
        // Pictures 3 fills its lower segment; kind 2 variants have dots.
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            painter.setPen(penBlue);
            paintRelayPicture(&painter, typeIndex("REL1M-600"), 0, 3, 0, false);
            painter.end();
            bool filled = false;
            for (const PaintRecorder::Shape &shape : recorder.shapes)
                filled = filled || shape.brush == penBlue.color();
            QVERIFY(filled);
            QCOMPARE(recorder.shapesOf("ellipse").size() + recorder.shapesOf("path").size() >= 3, true);
        }
        // Indices outside the catalogue draw nothing.
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            paintRelayPicture(&painter, 116, 0, 0, 0, false);
            paintRelayPicture(&painter, 0, 1, 0, 0, false);
            paintRelayPicture(&painter, 0, 0, 7, 0, false);
            paintRelayPicture(&painter, -1, 0, 0, 0, false);
            painter.end();
            QVERIFY(recorder.shapes.isEmpty());
        }

        // A bound winding draws its name, caption and pin labels.
        GraphicsRelayWinding *item = runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 4);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            item->draw(&painter, &option, false);
            painter.end();
            QVERIFY(recorder.texts.contains("K1"));
            QVERIFY(recorder.texts.contains("REL1-1600"));
            for (const char *label : {"1", "4", "2", "3"})
                QVERIFY(recorder.texts.contains(label));
            for (const PaintRecorder::Shape &shape : recorder.shapesOf("ellipse"))
                QCOMPARE(shape.pen, penBlack.color());
        }
        // One without its relay is red and silent; one without a type draws
        // nothing.
        GraphicsRelayWinding loose(&sheet);
        loose.setType(0, 0, 0);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            loose.draw(&painter, &option, false);
            painter.end();
            QVERIFY(!recorder.shapes.isEmpty());
            QCOMPARE(recorder.shapesOf("ellipse").first().pen, penRed.color());
        }
        GraphicsRelayWinding empty(&sheet);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            empty.draw(&painter, &option, false);
            painter.end();
            QVERIFY(recorder.shapes.isEmpty());
            QVERIFY(recorder.texts.isEmpty());
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void windingRoundTrip()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            RelaySheet sheet(&project);
            GraphicsRelayWinding *item = runRelayDialog(sheet, rec, "K7", "K7", 0, 0, 4, nullptr, true);
            QVERIFY(item);
            item->mirror(true);
            item->rotateBy(1, true);
            item->setPos(400, 800);
            QCOMPARE(pinNames(item), QStringList({"2", "3", "4", "1"}));
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        QCOMPARE(sheet.graphicsItems().size(), 1);
        auto *item = dynamic_cast<GraphicsRelayWinding *>(sheet.graphicsItems().first());
        QVERIFY(item);
        QCOMPARE(item->relayType(), 0);
        QCOMPARE(item->winding(), 0);
        QCOMPARE(item->variant(), 4);
        QVERIFY(item->isRowsMirrored());
        QVERIFY(item->isDiagonal());
        QCOMPARE(item->rotationIndex(), 1);
        QCOMPARE(item->pos(), QPointF(400, 800));
        QCOMPARE(pinNames(item), QStringList({"2", "3", "4", "1"}));
        QCOMPARE(item->relay(), relayNamed(project, "K7"));
        QCOMPARE(item->relay()->modelIndex(), 0);
        QCOMPARE(project.findObj(RelayWindingKind, "K7"), item->ownObj());
        QCOMPARE(item->caption(), QString("REL1-1600"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedWindingRecords_data()
    {
        QTest::addColumn<qint32>("type");
        QTest::addColumn<int>("winding");
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("diagonal");
        QTest::addColumn<bool>("valid");
        QTest::newRow("good") << qint32(0) << 0 << 4 << true << true;
        QTest::newRow("type") << qint32(116) << 0 << 0 << false << false;
        QTest::newRow("negative type") << qint32(-5) << 0 << 0 << false << false;
        QTest::newRow("winding") << qint32(0) << 1 << 0 << false << false;
        QTest::newRow("variant") << qint32(0) << 0 << 7 << false << false;
        QTest::newRow("diagonal on two ends") << qint32(0) << 0 << 0 << true << false;
        QTest::newRow("second winding") << qint32(typeIndex("D3-2700")) << 1 << 0 << false << true;
    }

    void damagedWindingRecords()
    {
        QFETCH(qint32, type);
        QFETCH(int, winding);
        QFETCH(int, variant);
        QFETCH(bool, diagonal);
        QFETCH(bool, valid);
        ModalRecorder rec;
        // An item record: own fields, bound-item data of an unbound item,
        // then the winding object.
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << type << quint8(winding) << quint8(variant) << false << diagonal;
            out << qint32(0) << QString("K1") << QString("K1") << qint32(5);
        }
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding item(&sheet);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        item.loadData(in);
        QCOMPARE(in.status() == QDataStream::Ok, valid);
        if (valid) {
            QCOMPARE(item.relayType(), int(type));
            QCOMPARE(item.winding(), winding);
            QVERIFY(item.pinCount() >= 2);
        } else {
            QCOMPARE(item.relayType(), -1);
            QCOMPARE(item.pinCount(), 0);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void relayDialogLists()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *k1 = runRelayDialog(sheet, rec, "K1", "K1a", typeIndex("D3-2700"), 0, 0);
        runRelayDialog(sheet, rec, "K2", "K2", 0, 0, 0);
        QVERIFY(k1);

        DlgPropRelay dialog(&sheet);
        // The types in catalogue order; the first one chosen.
        QCOMPARE(dialog.typeTree()->topLevelItemCount(), RelayTypeCount);
        QCOMPARE(dialog.typeTree()->topLevelItem(115)->text(0), QString("ANSHM2-310"));
        QCOMPARE(dialog.typeTree()->selectedItems().first(), dialog.typeTree()->topLevelItem(0));
        QCOMPARE(dialog.windingTree()->topLevelItemCount(), 1);
        QCOMPARE(dialog.windingTree()->topLevelItem(0)->text(1), QString("6FT; 2F; "));
        QVERIFY(dialog.windingTree()->topLevelItem(0)->isSelected());
        // REL1-1600 has seven variants: seven buttons, button 0 checked.
        for (int i = 0; i < DlgPropRelay::ButtonCount; ++i)
            QCOMPARE(!dialog.pictureButton(i)->isHidden(), i < 7);
        QCOMPARE(dialog.buttonGroup()->checkedId(), 0);
        QCOMPARE(dialog.pictureButton(0)->sizeHint().width(), 99);

        // Typing a type's start selects it and lists its windings.
        QTest::keyClicks(dialog.edFindType(), "D3-2");
        QCOMPARE(dialog.typeTree()->selectedItems().first()->text(0), QString("D3-2700"));
        QCOMPARE(dialog.windingTree()->topLevelItemCount(), 2);
        QCOMPARE(dialog.windingTree()->topLevelItem(1)->text(1), QString("2FT; 2F; "));

        // The relays of the project and the placed windings of the chosen one.
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 2);
        QTreeWidgetItem *row = dialog.objTable()->findItems("K1", Qt::MatchExactly, 0).first();
        QCOMPARE(row->text(1), QString("D3-2700"));
        dialog.selectTreeItem(dialog.objTable(), row);
        QCOMPARE(dialog.windingsTable()->topLevelItemCount(), 1);
        const QTreeWidgetItem *placed = dialog.windingsTable()->topLevelItem(0);
        QCOMPARE(placed->text(0), QString("1"));
        QCOMPARE(placed->text(1), QString("K1a"));
        QCOMPARE(placed->text(2), QString("S1*"));
        QCOMPARE(placed->text(3), QString("4"));
        QCOMPARE(placed->text(4), QString("0"));

        // Choosing a relay takes its name and type.
        dialog.selectTreeItem(dialog.typeTree(), dialog.typeTree()->topLevelItem(5));
        QVERIFY(dialog.btnChoiseClick(row));
        QCOMPARE(dialog.edName()->text(), QString("K1"));
        QCOMPARE(dialog.typeTree()->selectedItems().first()->text(0), QString("D3-2700"));
        // Without a selected relay row.
        dialog.objTable()->clearSelection();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec).last(), QString("Need selected Relay !"));

        // Typing the relay name fills the winding name.
        dialog.edName()->clear();
        QTest::keyClicks(dialog.edName(), "K9");
        QCOMPARE(dialog.edWindingName()->text(), QString("K9"));

        // A picture button of a variant with jumpers is higher.
        PushButtonRelayWinding button;
        QCOMPARE(button.sizeHint(), QSize(99, 69));
        button.setType(0, 0, 0);
        const int plain = button.sizeHint().height();
        button.setType(0, 0, 2);
        QVERIFY(button.sizeHint().height() > plain);
        button.setType(typeIndex("TSH-65V"), 0, 1);
        QCOMPARE(button.shift(), 40.0);
    }

    void relayDialogLoadsAnItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        const int d3 = typeIndex("D3-2700");
        runRelayDialog(sheet, rec, "K1", "K1a", d3, 0, 0);
        GraphicsRelayWinding *second = runRelayDialog(sheet, rec, "K1", "K1b", d3, 1, 0);
        GraphicsRelayWinding *other = runRelayDialog(sheet, rec, "K2", "K2", 0, 0, 4, nullptr, true);
        QVERIFY(second && other);

        DlgPropRelay dialog(&sheet);
        dialog.loadFromItem(second);
        QCOMPARE(dialog.edName()->text(), QString("K1"));
        QCOMPARE(dialog.edWindingName()->text(), QString("K1b"));
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(0), QString("K1"));
        QCOMPARE(dialog.windingsTable()->selectedItems().first()->text(1), QString("K1b"));
        QCOMPARE(dialog.typeTree()->selectedItems().first()->text(0), QString("D3-2700"));
        QCOMPARE(dialog.windingTree()->selectedItems().first()->text(0), QString("2"));
        QCOMPARE(dialog.buttonGroup()->checkedId(), 0);
        QVERIFY(!dialog.chkDiagonal()->isChecked());

        DlgPropRelay dialog2(&sheet);
        dialog2.loadFromItem(other);
        QCOMPARE(dialog2.buttonGroup()->checkedId(), 4);
        QVERIFY(dialog2.chkDiagonal()->isChecked());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void relayDialogValidation()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        const int d3 = typeIndex("D3-2700");
        GraphicsRelayWinding *k1a = runRelayDialog(sheet, rec, "K1", "K1a", d3, 0, 0);
        GraphicsRelayWinding *k1b = runRelayDialog(sheet, rec, "K1", "K1b", d3, 1, 0);
        GraphicsRelayWinding *k2 = runRelayDialog(sheet, rec, "K2", "K2", 0, 0, 0);
        QVERIFY(k1a && k1b && k2);
        QCOMPARE(boxTexts(rec), QStringList());

        // Each rule, with the dialog left open.
        struct Case
        {
            QString relay;
            QString winding;
            int type;
            int windingIndex;
            int variant;
            bool diagonal;
            GraphicsRelayWinding *item;
            QString message;
        };
        const QList<Case> cases = {
            {"", "K3", 0, 0, 0, false, nullptr, " Need enter relay name! "},
            {"K3", " ", 0, 0, 0, false, nullptr, " Need enter winding name! "},
            {"K3", "K1a", 0, 0, 0, false, nullptr, "Relay winding is already exists!"},
            {"K2", "K1b", 0, 0, 0, false, k2, "Relay winding is already exists!"},
            {"K3", "K3", 0, 0, 0, true, nullptr, "Relay winding cannot have diagonal mirror!"},
            {"K3", "K3", 0, 0, 3, true, nullptr, "Relay winding cannot have diagonal mirror!"},
            {"K3", "K3 w", 0, 0, 0, false, nullptr, "Relay name and winding name must be equally!"},
            {"K1", "K1a", typeIndex("D3M-600"), 0, 0, false, k1a, "Cannot change relay type!"},
            {"K1", "K1a", d3, 1, 0, false, k1a, "Cannot change relay type!"},
            {"K2", "K1a", d3, 0, 0, false, k1a, "Relay already exists!"},
            {"K1", "K1c", d3, 0, 0, false, nullptr, "Relay already exists and not can add this winding!"},
            {"K2", "K2x", d3, 1, 0, false, nullptr, "Cannot change relay type!"},
        };
        for (const Case &c : cases) {
            rec.clear();
            DlgPropRelay dialog(&sheet);
            if (c.item)
                dialog.loadFromItem(c.item);
            fillRelay(dialog, c.relay, c.winding, c.type, c.windingIndex, c.variant, c.diagonal);
            dialog.setResult(QDialog::Rejected);
            buttonOf(&dialog, "Ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(boxTexts(rec), QStringList({c.message}));
            QCOMPARE(rec.shown.first().title, QString("Error"));
        }

        // Missing selections.
        for (int which = 0; which < 2; ++which) {
            rec.clear();
            DlgPropRelay dialog(&sheet);
            fillRelay(dialog, "K3", "K3", 0, 0, 0);
            (which == 0 ? dialog.typeTree() : dialog.windingTree())->clearSelection();
            buttonOf(&dialog, "Ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(boxTexts(rec), QStringList({which == 0 ? "Need selected relay type !" : "Need selected winding !"}));
        }

        // What passes: a new one-winding relay, an edit keeping the name,
        // a type change of a relay with one winding, the diagonal on a
        // variant of kind 1.
        rec.clear();
        QVERIFY(runRelayDialog(sheet, rec, "K3", "K3", 0, 0, 4, nullptr, true));
        QVERIFY(runRelayDialog(sheet, rec, "K2", "K2", 5, 0, 1, k2));
        QCOMPARE(relayNamed(project, "K2")->modelIndex(), 5);
        QVERIFY(runRelayDialog(sheet, rec, "K1", "K1a", d3, 0, 0, k1a));
        // A relay of the project that shows no winding yet takes the type.
        Obj *bare = project.createDevice(RelayKind);
        QVERIFY(bare->setName("K4"));
        QVERIFY(runRelayDialog(sheet, rec, "K4", "K4", 3, 0, 0));
        QCOMPARE(relayNamed(project, "K4"), bare);
        QCOMPARE(relayNamed(project, "K4")->modelIndex(), 3);
        QCOMPARE(bare->items().size(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placingARelay()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        SignalCount appended(project, &Project::objAppend);
        SignalCount updated(project, &Project::objUpdate);

        // The sheet makes the dialog and, on Ok, the item.
        DlgPropGraphicsItem *dialog = sheet.createDialog(GraphicsRelayWinding::Type);
        QVERIFY(dynamic_cast<DlgPropRelay *>(dialog));
        rec.handle([&](QDialog *) {
            auto *relayDialog = dynamic_cast<DlgPropRelay *>(dialog);
            QTest::keyClicks(relayDialog->edName(), "KV12");
            QTest::keyClicks(relayDialog->edFindType(), "NMSH1-4");
            relayDialog->pictureButton(3)->setChecked(true);
            buttonOf(dialog, "Ok")->click();
        });
        GraphicsItem *created = dialog->execDialog(nullptr, GraphicsRelayWinding::Type);
        delete dialog;
        auto *item = dynamic_cast<GraphicsRelayWinding *>(created);
        QVERIFY(item);
        sheet.addGraphicsItem(item);

        Relay *relay = relayNamed(project, "KV12");
        QVERIFY(relay);
        QCOMPARE(relay->modelName(), QString("NMSH1-400"));
        QCOMPARE(item->relay(), relay);
        QCOMPARE(item->windingName(), QString("KV12"));
        QCOMPARE(project.findObj(RelayWindingKind, "KV12"), item->ownObj());
        QCOMPARE(item->variant(), 3);
        QCOMPARE(pinNames(item), QStringList({"1", "3", "2", "4"}));
        // One new device announced; the winding object is not a device.
        QCOMPARE(appended.count(), 1);
        QVERIFY(updated.count() >= 1);
        QVERIFY(project.devicesChanged());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void twoWindingsThreeContactsRoundTrip()
    {
        ModalRecorder rec;
        QByteArray bytes;
        const int d3 = typeIndex("D3-2700");
        // The extents and captions measured as the items were drawn; those
        // read are measured when first asked for, to the same values.
        QList<QRectF> bounds;
        QStringList captions;
        {
            Project project(nullptr, nullptr);
            RelaySheet sheet(&project);
            GraphicsRelayWinding *a = runRelayDialog(sheet, rec, "K5", "K5a", d3, 0, 0);
            GraphicsRelayWinding *b = runRelayDialog(sheet, rec, "K5", "K5b", d3, 1, 0);
            a->setPos(0, 0);
            b->setPos(0, 400);
            // C6 of winding 1: F 11-12, FT 21-22-23, FT 31-32-33, F 41-42;
            // C7 of winding 2: F 51-52, FT 61-62-63, FT 71-72-73, F 81-82.
            GraphicsContact *c1 = runContactDialog(sheet, rec, "K5a", 7, 1, true);
            GraphicsContact *c2 = runContactDialog(sheet, rec, "K5a", 9, 0, false);
            GraphicsContact *c3 = runContactDialog(sheet, rec, "K5b", 11, 2, true);
            QVERIFY(c1 && c2 && c3);
            c1->setPos(400, 0);
            c2->setPos(800, 0);
            c3->setPos(400, 400);
            QCOMPARE(pinNames(c1), QStringList({"21", "22", "23"}));
            QCOMPARE(pinNames(c2), QStringList({"11", "12"}));
            QCOMPARE(pinNames(c3), QStringList({"71", "73"}));
            // Wired: coil ends to contacts, contact to contact.
            QVERIFY(a->pin(1)->solder(c1->pin(0)));
            QVERIFY(c1->pin(1)->solder(c2->pin(0)));
            QVERIFY(b->pin(0)->solder(c3->pin(1)));
            QVERIFY(b->pin(1)->solder(c2->pin(1)));
            QCOMPARE(boxTexts(rec), QStringList());
            for (GraphicsItem *item : sheet.graphicsItems())
                bounds.append(item->boundingRect());
            captions = QStringList{a->caption(), b->caption()};
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        QCOMPARE(boxTexts(rec), QStringList());
        const QList<GraphicsItem *> items = sheet.graphicsItems();
        QCOMPARE(items.size(), 5);
        auto *a = dynamic_cast<GraphicsRelayWinding *>(items[0]);
        auto *b = dynamic_cast<GraphicsRelayWinding *>(items[1]);
        auto *c1 = dynamic_cast<GraphicsContact *>(items[2]);
        auto *c2 = dynamic_cast<GraphicsContact *>(items[3]);
        auto *c3 = dynamic_cast<GraphicsContact *>(items[4]);
        QVERIFY(a && b && c1 && c2 && c3);
        Relay *relay = relayNamed(project, "K5");
        QVERIFY(relay);
        QCOMPARE(relay->modelIndex(), d3);
        QCOMPARE(relay->items().size(), 2);
        QCOMPARE(a->relay(), relay);
        QCOMPARE(b->relay(), relay);
        QCOMPARE(a->winding(), 0);
        QCOMPARE(b->winding(), 1);
        QCOMPARE(project.findObj(RelayWindingKind, "K5a"), a->ownObj());
        QCOMPARE(project.findObj(RelayWindingKind, "K5b"), b->ownObj());
        QCOMPARE(c1->windingItem(), a);
        QCOMPARE(c2->windingItem(), a);
        QCOMPARE(c3->windingItem(), b);
        QCOMPARE(a->contactAt(1), c1);
        QCOMPARE(a->contactAt(0), c2);
        QCOMPARE(b->contactAt(2), c3);
        QCOMPARE(c1->contactKind(), 7);
        QVERIFY(c1->underCurrent());
        QVERIFY(!c2->underCurrent());
        QCOMPARE(c3->contactKind(), 11);
        QCOMPARE(pinNames(a), QStringList({"13", "43"}));
        QCOMPARE(pinNames(b), QStringList({"53", "83"}));
        QCOMPARE(pinNames(c1), QStringList({"21", "22", "23"}));
        QCOMPARE(pinNames(c2), QStringList({"11", "12"}));
        QCOMPARE(pinNames(c3), QStringList({"71", "73"}));
        QCOMPARE(a->pin(1)->partner(), c1->pin(0));
        QCOMPARE(c1->pin(1)->partner(), c2->pin(0));
        QCOMPARE(b->pin(0)->partner(), c3->pin(1));
        QCOMPARE(b->pin(1)->partner(), c2->pin(1));
        QVERIFY(a->pin(0)->isFree());
        QVERIFY(c1->pin(2)->isFree());
        QCOMPARE(c3->pos(), QPointF(400, 400));
        QCOMPARE(QStringList({a->caption(), b->caption()}), captions);
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(items[i]->boundingRect(), bounds[i]);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void pastingAWindingAndItsContact()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *k1 = runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 4);
        GraphicsContact *contact = runContactDialog(sheet, rec, "K1", 7, 2);
        QVERIFY(k1 && contact);
        const QByteArray bytes = copyItems(project, sheet, {k1, contact});

        // The relay shows that winding already: the copy gets a relay and a
        // winding of a free name, of the same type, and the copied contact
        // follows the copied winding.
        RelaySheet target(&project);
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        QCOMPARE(pasted.size(), 2);
        auto *winding = dynamic_cast<GraphicsRelayWinding *>(pasted[0]);
        auto *copy = dynamic_cast<GraphicsContact *>(pasted[1]);
        QVERIFY(winding && copy);
        Relay *relay = relayNamed(project, "K1?");
        QVERIFY(relay);
        QCOMPARE(relay->modelIndex(), 0);
        QCOMPARE(winding->relay(), relay);
        QCOMPARE(winding->windingName(), QString("K1?"));
        QCOMPARE(winding->variant(), 4);
        QCOMPARE(pinNames(winding), QStringList({"1", "4", "2", "3"}));
        QCOMPARE(copy->windingItem(), winding);
        QCOMPARE(copy->contactNumber(), 2);
        QCOMPARE(pinNames(copy), QStringList({"31", "32", "33"}));
        QCOMPARE(contact->windingItem(), k1);
        QCOMPARE(relayNamed(project, "K1")->items().size(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void editingAWindingRebindsItsContacts()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        // REL1-1600 (C1): FT 11, FT 21, FT 31, F 41, F 51, FT 61, FT 71, FT 81.
        GraphicsRelayWinding *k1 = runRelayDialog(sheet, rec, "K1", "K1", 0, 0, 0);
        GraphicsContact *ft = runContactDialog(sheet, rec, "K1", 7, 5);
        GraphicsContact *f = runContactDialog(sheet, rec, "K1", 9, 3);
        QCOMPARE(ft->contactNumber(), 5);
        QCOMPARE(f->contactNumber(), 3);
        QCOMPARE(pinNames(f), QStringList({"41", "42"}));

        // Another type for the relay: the contacts keep what still fits and
        // move to the first free fitting contact otherwise. REL2M-1000 (C2)
        // has four FT contacts only.
        QVERIFY(runRelayDialog(sheet, rec, "K1", "K1", typeIndex("REL2M-1000"), 0, 0, k1));
        QCOMPARE(relayNamed(project, "K1")->modelIndex(), typeIndex("REL2M-1000"));
        QCOMPARE(ft->windingItem(), k1);
        QCOMPARE(ft->contactNumber(), 0);
        QCOMPARE(pinNames(ft), QStringList({"31", "32", "33"}));
        QCOMPARE(f->windingItem(), k1);
        QCOMPARE(f->contactNumber(), 3);
        QCOMPARE(pinNames(f), QStringList({"61", "62"}));

        // Renaming the relay and its winding: the contacts take the new
        // name and stay bound, with their contacts and pin names.
        QVERIFY(runRelayDialog(sheet, rec, "K9", "K9", typeIndex("REL2M-1000"), 0, 0, k1));
        QCOMPARE(relayNamed(project, "K9"), k1->relay());
        QCOMPARE(relayNamed(project, "K1"), nullptr);
        QCOMPARE(k1->windingName(), QString("K9"));
        QCOMPARE(ft->windingItem(), k1);
        QCOMPARE(ft->name(), QString("K9"));
        QCOMPARE(pinNames(ft), QStringList({"31", "32", "33"}));
        QCOMPARE(pinNames(f), QStringList({"61", "62"}));
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestRelay)
#include "tst_relay.moc"
