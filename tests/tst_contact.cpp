#include "app/dlgsettings.h"
#include "devices/contactsymbol.h"
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
#include <QGroupBox>
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

    QString title = QStringLiteral("S1");
};

int typeIndex(const char *name)
{
    for (int i = 0; i < RelayTypeCount; ++i) {
        if (qstrcmp(relayTypes[i].name, name) == 0)
            return i;
    }
    return -1;
}

// A winding placed as the relay dialog places it.
GraphicsRelayWinding *placeWinding(RelaySheet &sheet, const QString &relay, const QString &winding, int type,
                                   int windingIndex = 0, int variant = 0)
{
    DlgPropRelay dialog(&sheet);
    dialog.edName()->setText(relay);
    dialog.edWindingName()->setText(winding);
    dialog.selectTreeItem(dialog.typeTree(), dialog.typeTree()->topLevelItem(type));
    dialog.selectTreeItem(dialog.windingTree(), dialog.windingTree()->topLevelItem(windingIndex));
    dialog.pictureButton(variant)->setChecked(true);
    auto *item = new GraphicsRelayWinding(&sheet);
    dialog.saveToItem(item);
    sheet.addGraphicsItem(item);
    return item;
}

// A contact set up as its dialog stores it.
GraphicsContact *placeContact(RelaySheet &sheet, const QString &name, int kind, int number, bool under = false)
{
    auto *item = new GraphicsContact(&sheet);
    item->setUnderCurrent(under);
    item->setContactKind(kind);
    item->setContactNumber(quint8(number));
    item->setName(name);
    sheet.addGraphicsItem(item);
    return item;
}

QStringList pinNames(GraphicsDevice *item)
{
    QStringList names;
    for (int i = 0; i < item->pinCount(); ++i) {
        WiringPin *pin = item->wiringPin(i);
        names << (pin && pin->name() ? QString::fromUtf8(pin->name()) : QString());
    }
    return names;
}

PaintRecorder *paint(PaintRecorder *recorder, GraphicsItem *item, bool hideHelp, bool selected = false)
{
    QPainter painter(recorder);
    QStyleOptionGraphicsItem option;
    option.rect = item->boundingRect().toRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    item->draw(&painter, &option, hideHelp);
    return recorder;
}

QList<QColor> lineColours(const PaintRecorder &recorder)
{
    QList<QColor> colours;
    for (const PaintRecorder::Shape &shape : recorder.shapes) {
        if (!colours.contains(shape.pen))
            colours << shape.pen;
    }
    return colours;
}

} // namespace

class TestContact : public QObject
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

    void pinsOfEveryKind()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsContact fresh(&sheet);
        QCOMPARE(fresh.type(), QGraphicsItem::UserType + 401);
        QCOMPARE(fresh.objType(), int(RelayWindingKind));
        QCOMPARE(fresh.bindMode(), int(GraphicsObjItem::BindByName));
        QCOMPARE(fresh.itemFlags(), 3);
        QCOMPARE(fresh.contactKind(), -1);
        QCOMPARE(fresh.contactNumber(), 255);
        QVERIFY(!fresh.underCurrent());
        QCOMPARE(fresh.pinCount(), 0);
        QCOMPARE(fresh.extentWidth(), 174.0);

        struct Layout
        {
            int kind;
            QList<QPointF> centres;
        };
        const QList<Layout> layouts = {
            {0, {{0, 0}, {160, 0}, {120, 80}}},
            {1, {{0, 0}, {160, 0}, {160, 80}}},
            {2, {{0, 0}, {160, 0}, {120, 80}}},
            {3, {{0, 0}, {160, 0}}},
            {4, {{0, 40}, {160, 0}, {160, 80}}},
            {5, {{0, 0}, {160, 80}}},
            {6, {{0, 40}, {160, 0}, {160, 80}}},
            {7, {{0, 0}, {160, 0}, {120, 80}}},
            {8, {{0, 40}, {160, 0}, {120, 80}}},
            {9, {{0, 0}, {160, 0}}},
            {10, {{0, 0}, {160, 0}, {160, 80}, {0, 160}, {160, 160}}},
            {11, {{0, 0}, {120, 80}}},
            {12, {{0, 0}, {160, 0}, {160, 80}}},
            {13, {{0, 0}, {160, 0}, {160, 80}}},
        };
        for (const Layout &layout : layouts) {
            GraphicsContact item(&sheet);
            item.setContactKind(layout.kind);
            QCOMPARE(item.contactKind(), layout.kind);
            QCOMPARE(item.pinCount(), int(layout.centres.size()));
            QCOMPARE(item.pinCount(), contactKinds[layout.kind].pinCount);
            for (int i = 0; i < item.pinCount(); ++i)
                QCOMPARE(item.pin(i)->center(), layout.centres[i]);
        }
        QCOMPARE(contactSize(10), QSizeF(160, 160));
        QCOMPARE(contactSize(7), QSizeF(160, 80));
        QVERIFY(!hasFrontContact(5) && !hasFrontContact(11) && hasFrontContact(10));
        QVERIFY(!hasBackContact(3) && !hasBackContact(9) && hasBackContact(0));
        QVERIFY(isPolarContact(4) && isPolarContact(6) && isPolarContact(8) && !isPolarContact(7));

        // A new kind drops the former pins with their soldering.
        GraphicsContact a(&sheet);
        GraphicsContact b(&sheet);
        a.setContactKind(7);
        b.setContactKind(7);
        QVERIFY(a.pin(0)->solder(b.pin(0)));
        a.setContactKind(7);
        QCOMPARE(b.pin(0)->partner(), a.pin(0));
        a.setContactKind(9);
        QVERIFY(b.pin(0)->isFree());
        QCOMPARE(boxTexts(rec), QStringList());
        a.setContactKind(14);
        QCOMPARE(a.contactKind(), 9);
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void compatibility()
    {
        const QList<QPair<int, QList<int>>> allowed = {
            {1, {1, 3, 5}}, {7, {7, 9, 11}}, {12, {12, 3, 11}}, {13, {13, 5, 9}},
        };
        for (int catalogue = 0; catalogue < ContactKindCount; ++catalogue) {
            QList<int> expected = {catalogue};
            for (const auto &row : allowed) {
                if (row.first == catalogue)
                    expected = row.second;
            }
            for (int item = 0; item < ContactKindCount; ++item)
                QCOMPARE(isContactKindCompatible(catalogue, item), expected.contains(item));
        }
    }

    void bindingChoosesAFreeFittingContact()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        // REL1-1600 (C1): FT 11, FT 21, FT 31, F 41, F 51, FT 61, FT 71, FT 81.
        GraphicsRelayWinding *k1 = placeWinding(sheet, "K1", "K1", 0);
        GraphicsContact *first = placeContact(sheet, "K1", 7, 1);
        QCOMPARE(first->windingItem(), k1);
        QCOMPARE(first->contactNumber(), 1);
        QCOMPARE(pinNames(first), QStringList({"21", "22", "23"}));
        QCOMPARE(k1->contactAt(1), first);
        QCOMPARE(k1->contactAt(0), nullptr);

        // The same contact again: busy, so the next free one that fits.
        GraphicsContact *second = placeContact(sheet, "K1", 9, 1);
        QCOMPARE(second->contactNumber(), 0);
        QCOMPARE(pinNames(second), QStringList({"11", "12"}));
        // The back half of a changeover contact names its back pin with
        // the contact's third name.
        GraphicsContact *back = placeContact(sheet, "K1", 11, 2);
        QCOMPARE(back->contactNumber(), 2);
        QCOMPARE(pinNames(back), QStringList({"31", "33"}));
        // A number beyond the winding's contacts.
        GraphicsContact *beyond = placeContact(sheet, "K1", 9, 40);
        QCOMPARE(beyond->contactNumber(), 3);
        QCOMPARE(pinNames(beyond), QStringList({"41", "42"}));
        QCOMPARE(k1->contactItemCount(), 4);

        // Fitting contacts used up: refused, red, its name kept.
        QList<GraphicsContact *> more;
        for (int i = 0; i < 4; ++i)
            more << placeContact(sheet, "K1", 7, 0);
        QCOMPARE(more[3]->obj(), nullptr);
        QCOMPARE(more[3]->name(), QString("K1"));
        QCOMPARE(pinNames(more[3]), QStringList({"", "", ""}));
        QVERIFY(more[2]->obj());
        // No thermal contact on this winding.
        GraphicsContact *thermo = placeContact(sheet, "K1", 10, 0);
        QCOMPARE(thermo->obj(), nullptr);
        // A name that matches no winding.
        GraphicsContact *lost = placeContact(sheet, "K77", 7, 0);
        QCOMPARE(lost->obj(), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());

        // A two-name catalogue contact of the back kind: its second name.
        GraphicsRelayWinding *k2 = placeWinding(sheet, "K2", "K2", typeIndex("ANSH5-1230"));
        QVERIFY(k2->relay());
        GraphicsContact *t = placeContact(sheet, "K2", 11, 2);
        QCOMPARE(t->contactNumber(), 2);
        QCOMPARE(pinNames(t), QStringList({"51", "53"}));
        // The thermal contact takes all five names.
        placeWinding(sheet, "K3", "K3", typeIndex("NMSHT-1440"));
        GraphicsContact *heat = placeContact(sheet, "K3", 10, 0);
        QCOMPARE(heat->contactNumber(), 6);
        QCOMPARE(pinNames(heat), QStringList({"51", "52", "53", "71", "72"}));

        // Renaming keeps the contact when it is still free.
        first->setName("K1");
        QCOMPARE(first->contactNumber(), 1);
        QCOMPARE(first->windingItem(), k1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void losingTheWinding()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *k1 = placeWinding(sheet, "K1", "K1", 0);
        GraphicsContact *contact = placeContact(sheet, "K1", 7, 0, true);
        QCOMPARE(contact->windingItem(), k1);
        delete k1;
        QCOMPARE(contact->obj(), nullptr);
        QCOMPARE(contact->name(), QString("K1"));
        QCOMPARE(pinNames(contact), QStringList({"", "", ""}));
        QCOMPARE(contact->address(), nullptr);
        QCOMPARE(project.findObj(RelayKind, "K1"), nullptr);
        // Its outline loses the labels, as the reopened sheet measures it.
        QCOMPARE(contact->boundingRect(), placeContact(sheet, "K1", 7, 0, true)->boundingRect());

        // Drawn red with its name and without pin labels, silently.
        PaintRecorder recorder;
        paint(&recorder, contact, false);
        QVERIFY(lineColours(recorder).contains(penRed.color()));
        QVERIFY(!lineColours(recorder).contains(penBlack.color()));
        QCOMPARE(recorder.texts.size(), 1);
        QVERIFY(recorder.texts.first().endsWith("K1"));

        QTreeWidget results;
        contact->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 1);
        QCOMPARE(boxTexts(rec), QStringList());

        // Placing the winding again: binding by name finds it.
        GraphicsRelayWinding *again = placeWinding(sheet, "K1", "K1", 0);
        contact->rebindByName();
        QCOMPARE(contact->windingItem(), again);
        QCOMPARE(pinNames(contact), QStringList({"11", "12", "13"}));
    }

    void geometry()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        placeWinding(sheet, "K3", "K3", typeIndex("NMSHT-1440"));
        GraphicsContact *heat = placeContact(sheet, "K3", 10, 6);
        GraphicsContact *plain = placeContact(sheet, "K3", 7, 0);
        // Symbol 160 high, 80 above for the name, the half pin, 10.
        QCOMPARE(heat->extentHeight(), 160 + 80 + 7 + 10.0);
        QCOMPARE(plain->extentHeight(), 80 + 80 + 7 + 10.0);
        QRectF bounds = plain->boundingRect();
        QCOMPARE(bounds.bottom(), 87 + 3.5);
        QCOMPARE(bounds.center().x(), 80.0);
        QVERIFY(plain->extentWidth() >= 174);

        plain->rotateBy(1, true);
        bounds = plain->boundingRect();
        QCOMPARE(bounds.left(), -7 - 3.5);
        QVERIFY(plain->extentHeight() < 80 + 80 + 7 + 10.0);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void drawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        placeWinding(sheet, "K8", "K8", typeIndex("KMSH-450"));
        // C19: FT 11, FT 21, NP 111-112-113, NP 121-122-123.
        GraphicsContact *polar = placeContact(sheet, "K8", 8, 2);
        QCOMPARE(pinNames(polar), QStringList({"111", "112", "113"}));
        GraphicsContact *other = placeContact(sheet, "K8", 7, 0);
        QVERIFY(polar->pin(1)->solder(other->pin(1)));

        // Front soldered, back free: the back label is help.
        PaintRecorder shown;
        paint(&shown, polar, false);
        QVERIFY(shown.texts.contains("111"));
        QVERIFY(shown.texts.contains("112"));
        QVERIFY(shown.texts.contains("113"));
        QVERIFY(lineColours(shown).contains(penGreen.color()));
        QVERIFY(lineColours(shown).contains(penBlack.color()));
        PaintRecorder hidden;
        paint(&hidden, polar, true);
        QVERIFY(hidden.texts.contains("112"));
        QVERIFY(!hidden.texts.contains("113"));
        QVERIFY(!lineColours(hidden).contains(penGreen.color()));
        // Selected: both halves, in blue.
        PaintRecorder selected;
        paint(&selected, polar, true, true);
        QVERIFY(selected.texts.contains("113"));
        QVERIFY(lineColours(selected).contains(penBlue.color()));
        QVERIFY(!lineColours(selected).contains(penGreen.color()));

        // Without contact numbers only the common pin is labelled.
        showNumContacts = false;
        PaintRecorder bare;
        paint(&bare, other, false);
        QVERIFY(bare.texts.contains("11"));
        QVERIFY(!bare.texts.contains("12"));
        QVERIFY(!bare.texts.contains("13"));
        showNumContacts = true;

        // The name block: address line and name, or both apart with big names.
        PaintRecorder named;
        paint(&named, other, false);
        QVERIFY(named.texts.contains("K8"));
        showBigDeviceNames = true;
        PaintRecorder big;
        paint(&big, other, false);
        QVERIFY(big.texts.contains("K8"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void records()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            RelaySheet sheet(&project);
            placeWinding(sheet, "K1", "K1", 0);
            GraphicsContact *contact = placeContact(sheet, "K1", 11, 5, true);
            contact->setPos(200, 400);
            contact->rotateBy(1, true);
            placeContact(sheet, "K77", 9, 2);
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        auto *contact = dynamic_cast<GraphicsContact *>(sheet.graphicsItems().at(1));
        auto *lost = dynamic_cast<GraphicsContact *>(sheet.graphicsItems().at(2));
        QVERIFY(contact && lost);
        QCOMPARE(contact->contactKind(), 11);
        QVERIFY(contact->underCurrent());
        QCOMPARE(contact->contactNumber(), 5);
        QCOMPARE(contact->rotationIndex(), 1);
        QCOMPARE(pinNames(contact), QStringList({"61", "63"}));
        QCOMPARE(lost->obj(), nullptr);
        QCOMPARE(lost->name(), QString("K77"));
        QCOMPARE(lost->contactKind(), 9);
        QCOMPARE(lost->contactNumber(), 2);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // A bound contact takes from code only a contact and a kind that its
    // winding lets it show, and a winding of another type takes its contacts
    // again: whatever is saved loads again.
    void boundContactsHoldOnlyWhatTheReaderTakes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        // REL1-1600 (C1): FT 11, FT 21, FT 31, F 41, F 51, FT 61, FT 71, FT 81.
        GraphicsRelayWinding *k1 = placeWinding(sheet, "K1", "K1", 0);
        GraphicsContact *ft = placeContact(sheet, "K1", 7, 0);
        GraphicsContact *f = placeContact(sheet, "K1", 9, 3);
        QVERIFY(!f->setContactNumber(0) && !f->setContactNumber(8) && !f->setContactKind(11));
        QVERIFY(!ft->setContactNumber(3) && ft->setContactKind(11) && f->setContactNumber(4));
        k1->setType(typeIndex("ANSH5-1230"), 0, 0);
        for (GraphicsContact *c : {ft, f})
            QVERIFY(!c->obj() || c->fitsWinding(c->contactKind(), c->contactNumber()));
        Project loaded(nullptr, nullptr);
        RelaySheet again(&loaded);
        QVERIFY(loadAll(loaded, again, saveAll(project, sheet)));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedRecords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("resolved");
        QTest::newRow("good") << 9 << 3 << true << true;
        QTest::newRow("kind 14") << 14 << 0 << false << false;
        QTest::newRow("kind 200") << 200 << 0 << false << false;
        QTest::newRow("number beyond the winding") << 7 << 8 << true << false;
        QTest::newRow("form the contact cannot take") << 10 << 0 << true << false;
    }

    void damagedRecords()
    {
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(bool, readable);
        QFETCH(bool, resolved);
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            RelaySheet sheet(&project);
            placeWinding(sheet, "K1", "K1", 0);
            placeContact(sheet, "K1", 9, 3);
            bytes = saveAll(project, sheet);
        }
        // The contact's own fields follow its type id in the sheet's
        // record: patch them in place.
        QByteArray needle;
        {
            DataStream s(&needle, QIODevice::WriteOnly);
            s.setFormatIndex(DataStream::CurrentFormat);
            s << qint32(GraphicsContact::Type) << quint8(9) << false << quint8(3);
        }
        const int at = int(bytes.indexOf(needle));
        QVERIFY(at > 0);
        bytes[at + 4] = char(kind);
        bytes[at + 6] = char(number);

        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        QByteArray copy = bytes;
        DataStream in(&copy, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(project.readDevices(in, &message));
        QCOMPARE(sheet.loadScene(in), readable);
        if (readable) {
            auto *contact = dynamic_cast<GraphicsContact *>(sheet.graphicsItems().at(1));
            QVERIFY(sheet.graphicsItems().first()->resolveLinks());
            QCOMPARE(contact->resolveLinks(), resolved);
            QCOMPARE(contact->obj() != nullptr, resolved);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void pastingAContactAlone()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        placeWinding(sheet, "K1", "K1", 0);
        GraphicsContact *contact = placeContact(sheet, "K1", 7, 0);
        const QByteArray bytes = copyItems(project, sheet, {contact});
        RelaySheet target(&project);
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        QCOMPARE(pasted.size(), 1);
        auto *copy = dynamic_cast<GraphicsContact *>(pasted.first());
        QVERIFY(copy);
        QVERIFY(copy->obj());
        QCOMPARE(copy->contactNumber(), 1);
        QCOMPARE(pinNames(copy), QStringList({"21", "22", "23"}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogStartsAndLists()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *k1 = placeWinding(sheet, "K1", "K1", 0);
        placeWinding(sheet, "K2", "K2a", typeIndex("D3-2700"));
        placeContact(sheet, "K1", 7, 2);

        contactPictureUnderCurrent = false;
        DlgPropContact dialog(&sheet);
        QVERIFY(dialog.rbUnder()->isChecked());
        QVERIFY(contactPictureUnderCurrent);
        QCOMPARE(dialog.kindButtons()->checkedId(), 7);
        QCOMPARE(dialog.kindButtons()->buttons().size(), 14);
        QCOMPARE(dialog.kindButtons()->button(10)->toolTip(), QString("THERMO ( FT(TK) ) "));
        QCOMPARE(dialog.kindBox()->title(), QString("Contact type / Electric current"));
        QCOMPARE(dialog.spinNumber()->minimum(), 1);

        dialog.rbWithout()->click();
        QVERIFY(!contactPictureUnderCurrent);
        dialog.setUnderCurrent(true);
        QVERIFY(dialog.rbUnder()->isChecked());
        QVERIFY(contactPictureUnderCurrent);

        // The windings of the project.
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 2);
        QTreeWidgetItem *row = dialog.objTable()->findItems("K1", Qt::MatchExactly, 0).first();
        QCOMPARE(row->text(1), QString("REL1-1600"));
        QCOMPARE(row->text(2), QString("1 / 8"));
        QCOMPARE(row->text(3), QString("S1*"));
        QCOMPARE(treeItemObj(row), k1->ownObj());

        // Its contacts.
        dialog.selectTreeItem(dialog.objTable(), row);
        QCOMPARE(dialog.contactsTable()->topLevelItemCount(), 8);
        const QTreeWidgetItem *third = dialog.contactsTable()->topLevelItem(2);
        QCOMPARE(third->text(0), QString("3"));
        QCOMPARE(third->text(1), QString("31-32-33"));
        QCOMPARE(third->text(2), QString("FT"));
        QCOMPARE(third->text(3), QString("S1*"));
        QCOMPARE(dialog.contactsTable()->topLevelItem(3)->text(2), QString("F"));
        QVERIFY(dialog.contactsTable()->topLevelItem(0)->text(3).isEmpty());

        QTest::keyClicks(dialog.edFind(), "K2");
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(0), QString("K2a"));
        QCOMPARE(dialog.contactsTable()->topLevelItemCount(), 4);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogChoice()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *k1 = placeWinding(sheet, "K1", "K1", 0);
        GraphicsContact *shown = placeContact(sheet, "K1", 7, 2);

        DlgPropContact dialog(&sheet);
        // Nothing selected.
        dialog.objTable()->clearSelection();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected relay !"}));
        rec.clear();
        QTreeWidgetItem *row = findTreeItemOfObj(dialog.objTable(), k1->ownObj());
        dialog.selectTreeItem(dialog.objTable(), row);
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected contact !"}));

        // A contact shown by another item is busy.
        rec.clear();
        QVERIFY(!dialog.btnChoiseClick(dialog.contactsTable()->topLevelItem(2)));
        QCOMPARE(boxTexts(rec), QStringList({" Contact is busy! "}));
        // One that cannot take the chosen form.
        rec.clear();
        QVERIFY(!dialog.btnChoiseClick(dialog.contactsTable()->topLevelItem(3)));
        QCOMPARE(boxTexts(rec), QStringList({" Choise contact and contact type not compatibility! "}));
        rec.clear();
        dialog.kindButtons()->button(9)->setChecked(true);
        dialog.selectTreeItem(dialog.contactsTable(), dialog.contactsTable()->topLevelItem(3));
        QVERIFY(dialog.btnChoiseClick(nullptr));
        QCOMPARE(dialog.edName()->text(), QString("K1"));
        QCOMPARE(dialog.spinNumber()->value(), 4);
        QCOMPARE(boxTexts(rec), QStringList());

        // The contact the edited item shows is its own choice.
        DlgPropContact editing(&sheet);
        editing.loadFromItem(shown);
        QCOMPARE(editing.contactsTable()->selectedItems().first()->text(0), QString("3"));
        QVERIFY(editing.btnChoiseClick(editing.contactsTable()->topLevelItem(2)));
        QCOMPARE(boxTexts(rec), QStringList());

        // A double click chooses and accepts.
        DlgPropContact clicking(&sheet);
        clicking.selectTreeItem(clicking.objTable(), findTreeItemOfObj(clicking.objTable(), k1->ownObj()));
        clicking.setResult(QDialog::Rejected);
        emit clicking.contactsTable()->itemDoubleClicked(clicking.contactsTable()->topLevelItem(5), 0);
        QCOMPARE(clicking.result(), int(QDialog::Accepted));
        QCOMPARE(clicking.spinNumber()->value(), 6);
    }

    void dialogPlacesAndEdits()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        RelaySheet sheet(&project);
        GraphicsRelayWinding *k1 = placeWinding(sheet, "K1", "K1", 0);

        // A new contact: created only on Ok, bound by name.
        DlgPropContact dialog(&sheet);
        rec.handle([&](QDialog *) {
            dialog.rbWithout()->click();
            dialog.kindButtons()->button(11)->setChecked(true);
            dialog.spinNumber()->setValue(2);
            dialog.edName()->setText(" K1 ");
            buttonOf(&dialog, "Ok")->click();
        });
        auto *item = dynamic_cast<GraphicsContact *>(dialog.execDialog(nullptr, GraphicsContact::Type));
        QVERIFY(item);
        sheet.addGraphicsItem(item);
        QCOMPARE(item->windingItem(), k1);
        QVERIFY(!item->underCurrent());
        QCOMPARE(item->contactKind(), 11);
        QCOMPARE(item->contactNumber(), 1);
        QCOMPARE(pinNames(item), QStringList({"21", "23"}));
        QVERIFY(project.devicesChanged());

        // Editing: the fields show the item; another form and contact.
        DlgPropContact edit(&sheet);
        rec.handle([&](QDialog *) {
            QVERIFY(edit.rbWithout()->isChecked());
            QCOMPARE(edit.kindButtons()->checkedId(), 11);
            QCOMPARE(edit.edName()->text(), QString("K1"));
            QCOMPARE(edit.spinNumber()->value(), 2);
            QCOMPARE(edit.objTable()->selectedItems().first()->text(0), QString("K1"));
            edit.kindButtons()->button(9)->setChecked(true);
            edit.rbUnder()->click();
            edit.spinNumber()->setValue(5);
            buttonOf(&edit, "Ok")->click();
        });
        QCOMPARE(edit.execDialog(item, GraphicsContact::Type), item);
        QVERIFY(item->underCurrent());
        QCOMPARE(item->contactKind(), 9);
        QCOMPARE(item->contactNumber(), 4);
        QCOMPARE(pinNames(item), QStringList({"51", "52"}));

        // Cancel changes nothing.
        DlgPropContact cancelled(&sheet);
        rec.reject();
        QCOMPARE(cancelled.execDialog(nullptr, GraphicsContact::Type), nullptr);
        QCOMPARE(sheet.graphicsItems().size(), 2);
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestContact)
#include "tst_contact.moc"
