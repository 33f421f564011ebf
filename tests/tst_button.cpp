// Push buttons: the catalogue, the button and its items shown group by
// group, the groups an item may take, the records of the items and the
// devices with damaged indices, the clipboard, the property dialog on its
// real widgets, and a button placed, saved and loaded through the scheme
// editor.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "devices/button.h"
#include "devices/buttoncatalogue.h"
#include "devices/dlgpropbutton.h"
#include "devices/graphicsbutton.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/file.h"
#include "model/pin.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;

namespace {

// A sheet that makes button items from their type id, as the scheme's
// registry does.
class ButtonSheet : public GraphicsScene
{
public:
    explicit ButtonSheet(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == GraphicsButton::Type)
            return createGraphicsButton(this);
        return GraphicsScene::createItem(type);
    }

    QString title = QStringLiteral("S1");
};

int typeIndex(const char *name)
{
    for (int i = 0; i < ButtonTypeCount; ++i) {
        if (qstrcmp(buttonTypes[i].name, name) == 0)
            return i;
    }
    return -1;
}

Button *addButton(Project &project, const QString &name, int type)
{
    auto *button = dynamic_cast<Button *>(project.createDevice(ButtonKind));
    button->setModelIndex(type);
    button->setName(name);
    return button;
}

// An item set up as its dialog stores it.
GraphicsButton *placeButton(GraphicsScene &sheet, const QString &name, int kind, int number, bool under = false)
{
    auto *item = new GraphicsButton(&sheet);
    item->setUnderCurrent(under);
    item->setContactKind(kind);
    item->setContactNumber(quint8(number));
    sheet.addGraphicsItem(item);
    item->setName(name);
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

QStringList groupTexts(const ButtonType &type)
{
    QStringList texts;
    for (int i = 0; i < type.groupCount; ++i)
        texts << QString::fromLatin1(buttonContactKinds[type.groups[i].kind].name) + ":" + contactGroupText(type.groups[i]);
    return texts;
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

bool hasLine(const PaintRecorder &recorder, const QPointF &a, const QPointF &b)
{
    const QRectF wanted = QRectF(a, b).normalized();
    for (const PaintRecorder::Shape &shape : recorder.shapesOf("line")) {
        if (shape.bounds.normalized() == wanted)
            return true;
    }
    return false;
}

QTreeWidgetItem *rowOf(QTreeWidget *table, const QString &name)
{
    const QList<QTreeWidgetItem *> rows = table->findItems(name, Qt::MatchExactly, 0);
    return rows.isEmpty() ? nullptr : rows.first();
}

void chooseType(RComboBox *combo, const QString &name)
{
    combo->setCurrentIndex(combo->findText(name));
}

struct Actions
{
    Actions()
    {
        ActionsManager::createMenus(&host, &list, &menuBar, &toolBar);
        ActionsManager::createToolBox(&toolBox, &list);
    }
    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> list;
};

template <class T>
QList<T *> itemsOf(GraphicsScene &scene)
{
    QList<T *> result;
    for (GraphicsItem *item : scene.graphicsItems())
        if (auto *found = dynamic_cast<T *>(item))
            result.append(found);
    return result;
}

} // namespace

class TestButton : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        setFileClock([] { return QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123)); });
        createScreenFonts();
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(GraphicsButton::Type, createGraphicsButton, createDlgPropButton));
    }

    void cleanupTestCase()
    {
        Scheme::registerItemTypes();
        setFileClock(nullptr);
        deleteFonts();
    }

    void init()
    {
        showBigDeviceNames = false;
        showNumContacts = true;
        hideHelp = false;
    }

    void catalogue()
    {
        // Every row, as kind:names per group.
        const QStringList expected = {
            "KD 1ft|0|0|ft:31-33-32",
            "KD 2ft|0|0|ft:11-13-12 ft:51-53-52",
            "KD 3ft|0|0|ft:11-13-12 ft:31-33-32 ft:51-53-52",
            "KDF 1ft|1|0|ft:31-33-32",
            "KDF 2ft|1|0|ft:11-13-12 ft:51-53-52",
            "KDF 3ft|1|0|ft:11-13-12 ft:31-33-32 ft:51-53-52",
            "KT 4ft|0|0|ft:11-13-12 ft:31-33-32 ft:51-53-52 ft:71-73-72",
            "KT 4ft 2f 2t|0|0|ft:11-13-12 f:21-23 t:31-32 f:41-43 t:51-52 ft:61-63-62",
            "KMDF|1|0|ft:11-13-12 t:21-22",
            "KMDFP|1|0|ft:11-13-12 f:21-23",
            "KMD I|0|0|f:11-13",
            "KMDP II|0|0|ft:11-13-12",
            "KMD III|0|0|f:11-13 f:21-23",
            "KDUP 1ft|0|0|ft:31-33-32",
            "KDUP 2ft|0|0|ft:11-13-12 ft:51-53-52",
            "KDUP 3ft|0|0|ft:11-13-12 ft:31-33-32 ft:51-53-52",
            "KD-2-S|0|0|ft:11-13-12 ft:21-23-22",
            "KD-2-SF|1|0|ft:11-13-12 ft:21-23-22",
            "SI 206|0|1|ft:4-3-5 ft:7-8-6",
            "SI 206.|0|1|ft:2-1-3 ft:5-4-6",
            "KD-2 2ft|0|0|ft:10-11-12 ft:20-21-22",
            "KDF-2 2ft|1|0|ft:10-11-12 ft:20-21-22",
        };
        QCOMPARE(int(ButtonTypeCount), 22);
        QCOMPARE(expected.size(), 22);
        for (int i = 0; i < ButtonTypeCount; ++i) {
            const ButtonType &type = buttonTypes[i];
            QVERIFY(type.groupCount > 0 && type.groups);
            for (int g = 0; g < type.groupCount; ++g) {
                QVERIFY(isContactGroupKind(type.groups[g].kind));
                for (int n = 0; n < contactGroupPinCount(type.groups[g].kind); ++n)
                    QVERIFY(type.groups[g].names[n]);
            }
            const QString row = QStringLiteral("%1|%2|%3|%4")
                                    .arg(QString::fromLatin1(type.name))
                                    .arg(int(type.latchMark))
                                    .arg(int(type.noCap))
                                    .arg(groupTexts(type).join(' '));
            QCOMPARE(row, expected[i]);
        }
        // The closing row is all zero.
        const ButtonType &end = buttonTypes[ButtonTypeCount];
        QVERIFY(!end.name && !end.groups && end.groupCount == 0 && !end.latchMark && !end.noCap);
        // Rows given "as" another share its group list.
        QCOMPARE(buttonTypes[3].groups, buttonTypes[0].groups);
        QCOMPARE(buttonTypes[15].groups, buttonTypes[2].groups);
        QCOMPARE(buttonTypes[17].groups, buttonTypes[16].groups);
        QCOMPARE(buttonTypes[21].groups, buttonTypes[20].groups);

        // The three forms.
        QCOMPARE(QString(buttonContactKinds[0].name), QString("ft"));
        QCOMPARE(QString(buttonContactKinds[1].name), QString("f"));
        QCOMPARE(QString(buttonContactKinds[2].name), QString("t"));
        QCOMPARE(buttonContactKinds[0].pinCount, 3);
        QCOMPARE(buttonContactKinds[1].pinCount, 2);
        QCOMPARE(buttonContactKinds[2].pinCount, 2);
        QVERIFY(!buttonContactKinds[3].name && buttonContactKinds[3].pinCount == 0);
        for (int g = 0; g < 3; ++g) {
            for (int k = 0; k < 3; ++k)
                QCOMPARE(isButtonGroupCompatible(g, k), g == k || g == 0);
            QVERIFY(!isButtonGroupCompatible(g, 3) && !isButtonGroupCompatible(3, g));
            QVERIFY(!isButtonGroupCompatible(g, -1));
        }

        // Names through the translation layer; indices out of range are
        // failed checks.
        ModalRecorder rec;
        QCOMPARE(buttonModelName(7), QString("KT 4ft 2f 2t"));
        QCOMPARE(GraphicsButton::contactKindName(2), QString("t"));
        QCOMPARE(boxTexts(rec), QStringList());
        QCOMPARE(buttonModelName(22), QString());
        QCOMPARE(buttonModelName(-1), QString());
        QCOMPARE(GraphicsButton::contactKindName(3), QString());
        QCOMPARE(boxTexts(rec).size(), 3);
        QCOMPARE(rec.shown.first().title, QString("Error"));
    }

    void theDevice()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Button *button = addButton(project, "SB1", typeIndex("KMDF"));
        QCOMPARE(button->kind(), int(ButtonKind));
        QCOMPARE(project.kindName(ButtonKind), QString("Button"));
        QCOMPARE(button->modelName(), QString("KMDF"));
        QCOMPARE(button->placeType(), 142);
        QCOMPARE(button->placeTypeName(), QString("Console Control"));
        QCOMPARE(project.findObj(ButtonKind, "SB1"), button);
        // A button without a type names none, silently.
        auto *bare = dynamic_cast<Button *>(project.createDevice(ButtonKind));
        QCOMPARE(bare->modelName(), QString());
        QCOMPARE(boxTexts(rec), QStringList());
        // An index outside the catalogue is refused.
        QVERIFY(!bare->setModelIndex(22));
        QCOMPARE(bare->modelName(), QString());
        QCOMPARE(boxTexts(rec).size(), 0);
        delete bare;
    }

    void itemsAndPins()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        GraphicsButton fresh(&sheet);
        QCOMPARE(fresh.type(), QGraphicsItem::UserType + 420);
        QCOMPARE(fresh.objType(), int(ButtonKind));
        QCOMPARE(fresh.bindMode(), int(GraphicsObjItem::BindShared));
        QCOMPARE(fresh.itemFlags(), 3);
        QCOMPARE(fresh.contactKind(), -1);
        QCOMPARE(fresh.contactNumber(), 255);
        QCOMPARE(fresh.pinCount(), 0);
        QCOMPARE(fresh.extentWidth(), 174.0);

        const QList<QList<QPointF>> layouts = {
            {{0, 0}, {160, 0}, {120, 80}},
            {{0, 0}, {160, 0}},
            {{0, 0}, {120, 80}},
        };
        for (int kind = 0; kind < 3; ++kind) {
            GraphicsButton item(&sheet);
            item.setContactKind(kind);
            QCOMPARE(item.pinCount(), layouts[kind].size());
            for (int i = 0; i < item.pinCount(); ++i)
                QCOMPARE(item.pin(i)->center(), layouts[kind][i]);
        }

        // A new form drops the former pins with their soldering; the same
        // form keeps them.
        GraphicsButton a(&sheet);
        GraphicsButton b(&sheet);
        a.setContactKind(0);
        b.setContactKind(0);
        QVERIFY(a.pin(0)->solder(b.pin(0)));
        a.setContactKind(0);
        QCOMPARE(b.pin(0)->partner(), a.pin(0));
        a.setContactKind(2);
        QVERIFY(b.pin(0)->isFree());
        QCOMPARE(boxTexts(rec), QStringList());
        // Forms outside the table are failed checks and change nothing.
        a.setContactKind(3);
        a.setContactKind(-1);
        QCOMPARE(a.contactKind(), 2);
        QCOMPARE(a.pinCount(), 2);
        QCOMPARE(boxTexts(rec).size(), 2);
    }

    void groupsTakenOneByOne()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        Button *kd = addButton(project, "SB1", typeIndex("KD 2ft"));

        // "ft" on group 0: common 11, front 13, back 12.
        GraphicsButton *first = placeButton(sheet, "SB1", 0, 0);
        QCOMPARE(first->button(), kd);
        QCOMPARE(first->contactNumber(), 0);
        QCOMPARE(pinNames(first), QStringList({"11", "13", "12"}));
        // The same group again: the next free one.
        GraphicsButton *second = placeButton(sheet, "SB1", 0, 0);
        QCOMPARE(second->contactNumber(), 1);
        QCOMPARE(pinNames(second), QStringList({"51", "53", "52"}));
        QCOMPARE(kd->itemForGroup(0), first);
        QCOMPARE(kd->itemForGroup(1), second);
        QCOMPARE(kd->itemForGroup(2), nullptr);
        // A third item is refused: unbound, red, its name kept.
        GraphicsButton *third = placeButton(sheet, "SB1", 0, 0);
        QCOMPARE(third->obj(), nullptr);
        QCOMPARE(third->name(), QString("SB1"));
        QCOMPARE(pinNames(third), QStringList({"", "", ""}));
        QCOMPARE(kd->items().size(), 2);

        // Halves of an "ft" group, and a group number of none.
        Button *kd3 = addButton(project, "SB2", typeIndex("KD 3ft"));
        GraphicsButton *front = placeButton(sheet, "SB2", 1, 255);
        QCOMPARE(front->button(), kd3);
        QCOMPARE(front->contactNumber(), 0);
        QCOMPARE(pinNames(front), QStringList({"11", "13"}));
        GraphicsButton *back = placeButton(sheet, "SB2", 2, 1);
        QCOMPARE(back->contactNumber(), 1);
        QCOMPARE(pinNames(back), QStringList({"31", "32"}));
        // A number beyond the type's groups: the first free one.
        GraphicsButton *beyond = placeButton(sheet, "SB2", 0, 40);
        QCOMPARE(beyond->contactNumber(), 2);

        // "KT 4ft 2f 2t": an "f" or "t" group only in its own form.
        Button *kt = addButton(project, "SB3", typeIndex("KT 4ft 2f 2t"));
        GraphicsButton *t = placeButton(sheet, "SB3", 2, 2);
        QCOMPARE(t->contactNumber(), 2);
        QCOMPARE(pinNames(t), QStringList({"31", "32"}));
        GraphicsButton *ftOnF = placeButton(sheet, "SB3", 0, 1);
        QCOMPARE(ftOnF->contactNumber(), 0);
        GraphicsButton *fOnT = placeButton(sheet, "SB3", 1, 2);
        QCOMPARE(fOnT->contactNumber(), 1);
        QCOMPARE(pinNames(fOnT), QStringList({"21", "23"}));
        GraphicsButton *last = placeButton(sheet, "SB3", 0, 0);
        QCOMPARE(last->contactNumber(), 5);
        QCOMPARE(pinNames(last), QStringList({"61", "63", "62"}));
        // Groups 3 and 4 are free but take no "ft" item.
        GraphicsButton *none = placeButton(sheet, "SB3", 0, 3);
        QCOMPARE(none->obj(), nullptr);
        QCOMPARE(none->contactNumber(), 3);
        QCOMPARE(kt->items().size(), 4);
        // A name that matches no button.
        GraphicsButton *lost = placeButton(sheet, "SB9", 0, 0);
        QCOMPARE(lost->obj(), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());

        // Nothing to take: no item, and no type.
        QVERIFY(!kt->canAppend(nullptr));
        QCOMPARE(boxTexts(rec).size(), 1);
        rec.clear();
        auto *bare = dynamic_cast<Button *>(project.createDevice(ButtonKind));
        bare->setName("SB0");
        GraphicsButton *untyped = placeButton(sheet, "SB0", 0, 0);
        QCOMPARE(untyped->obj(), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());

        // Removing an item frees its group for the next one.
        delete second;
        GraphicsButton *again = placeButton(sheet, "SB1", 0, 0);
        QCOMPARE(again->contactNumber(), 1);
        // The last item of a button takes the button with it.
        delete first;
        delete again;
        QCOMPARE(project.findObj(ButtonKind, "SB1"), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void geometryAndDrawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        addButton(project, "SB1", typeIndex("KD 2ft"));
        addButton(project, "SB2", typeIndex("SI 206"));
        addButton(project, "SB3", typeIndex("KDF 1ft"));
        GraphicsButton *plain = placeButton(sheet, "SB1", 0, 0);
        QCOMPARE(plain->extentHeight(), 127.0);
        QCOMPARE(plain->extentWidth(), 174.0);
        // The symbol's box, and the name above it whole.
        const QRectF box(-7 - 3.5, -40 - 3.5, 174 + 7, 127 + 7);
        QVERIFY(plain->boundingRect().contains(box));
        QCOMPARE(plain->boundingRect().left(), box.left());
        QCOMPARE(plain->boundingRect().width(), box.width());
        QCOMPARE(plain->boundingRect().bottom(), box.bottom());
        QVERIFY(plain->boundingRect().contains(
            textRect(plain, font(3), QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom, "SB1")));
        plain->rotateBy(1, true);
        QCOMPARE(plain->boundingRect().left(), -7 - 3.5);
        plain->rotateBy(1, false);
        QCOMPARE(plain->boundingRect().left(), -7 - 3.5);

        // Released, with its cap; the labels and the name; the pins as help.
        PaintRecorder drawn;
        paint(&drawn, plain, false);
        QVERIFY(hasLine(drawn, {70, 0}, {90, 0}));
        QVERIFY(hasLine(drawn, {80, 0}, {80, 33}));
        QVERIFY(hasLine(drawn, {40, 20}, {130, 60}));
        QVERIFY(hasLine(drawn, {120, 0}, {160, 0}));
        QVERIFY(hasLine(drawn, {120, 60}, {120, 80}));
        QCOMPARE(drawn.texts, QStringList({"11", "13", "12", "SB1"}));
        QVERIFY(lineColours(drawn).contains(penBlack.color()));
        QVERIFY(lineColours(drawn).contains(penGreen.color()));
        QVERIFY(drawn.shapesOf("polygon").isEmpty());
        // With help hidden, nothing green; selected, blue.
        PaintRecorder bare;
        paint(&bare, plain, true);
        QVERIFY(!lineColours(bare).contains(penGreen.color()));
        PaintRecorder selected;
        paint(&selected, plain, true, true);
        QVERIFY(lineColours(selected).contains(penBlue.color()));
        QVERIFY(!lineColours(selected).contains(penBlack.color()));
        // The contact numbers do not depend on the display setting.
        showNumContacts = false;
        PaintRecorder numbers;
        paint(&numbers, plain, true);
        QCOMPARE(numbers.texts, drawn.texts);

        // Pressed: the arm lies on y 20, the stem is shorter.
        GraphicsButton *pressed = placeButton(sheet, "SB1", 1, 1, true);
        PaintRecorder down;
        paint(&down, pressed, false);
        QVERIFY(hasLine(down, {40, 20}, {130, 20}));
        QVERIFY(hasLine(down, {80, 0}, {80, 20}));
        QVERIFY(!hasLine(down, {120, 60}, {120, 80}));
        QCOMPARE(down.texts, QStringList({"51", "53", "SB1"}));

        // Without cap the stub reaches down to y 60.
        GraphicsButton *noCap = placeButton(sheet, "SB2", 0, 0);
        PaintRecorder capless;
        paint(&capless, noCap, false);
        QVERIFY(!hasLine(capless, {70, 0}, {90, 0}));
        QVERIFY(hasLine(capless, {40, 0}, {40, 60}));
        QVERIFY(hasLine(capless, {40, 60}, {130, 60}));
        QCOMPARE(capless.texts, QStringList({"4", "3", "5", "SB2"}));

        // The latch mark on the stem.
        GraphicsButton *latched = placeButton(sheet, "SB3", 0, 0);
        PaintRecorder latch;
        paint(&latch, latched, false);
        QCOMPARE(latch.shapesOf("polygon").size(), 1);
        QCOMPARE(latch.shapesOf("polygon").first().bounds, QRectF(80, 33, 10, 30));

        // Unbound: red, its name but no labels and no latch.
        delete project.findObj(ButtonKind, "SB3");
        QCOMPARE(latched->obj(), nullptr);
        QCOMPARE(pinNames(latched), QStringList({"", "", ""}));
        PaintRecorder red;
        paint(&red, latched, true);
        QVERIFY(lineColours(red).contains(penRed.color()));
        QVERIFY(!lineColours(red).contains(penBlack.color()));
        QCOMPARE(red.texts, QStringList({"SB3"}));
        QVERIFY(red.shapesOf("polygon").isEmpty());
        QTreeWidget results;
        latched->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 1);

        // A long name widens the item.
        Button *wide = addButton(project, "SB_WITH_A_VERY_LONG_NAME_INDEED", typeIndex("KD 1ft"));
        GraphicsButton *named = placeButton(sheet, wide->name(), 0, 0);
        QVERIFY(named->extentWidth() > 174);
        // Turned, the name runs along the item's side and stays inside.
        named->rotateBy(1, true);
        const QRectF title = textRect(named, font(3), QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom,
                                      named->name());
        QVERIFY(named->boundingRect().contains(title));
        named->mirror(false);
        QVERIFY(named->boundingRect().contains(
            textRect(named, font(3), QPointF(80, -10), Qt::AlignHCenter | Qt::AlignBottom, named->name())));

        // The labels of the wiring documents: name and pin; nothing for a
        // pin without a name, and no check box.
        QCOMPARE(plain->pinName(plain->pin(2), nullptr), QString("SB1-12"));
        QCOMPARE(latched->pinName(latched->pin(0), nullptr), QString());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void records()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            ButtonSheet sheet(&project);
            addButton(project, "SB1", typeIndex("KT 4ft 2f 2t"));
            GraphicsButton *t = placeButton(sheet, "SB1", 2, 4, true);
            t->setPos(200, 400);
            t->rotateBy(1, true);
            placeButton(sheet, "SB1", 1, 1);
            placeButton(sheet, "SB7", 0, 3);
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        const QList<GraphicsButton *> items = itemsOf<GraphicsButton>(sheet);
        QCOMPARE(items.size(), 3);
        auto *button = dynamic_cast<Button *>(project.findObj(ButtonKind, "SB1"));
        QVERIFY(button);
        QCOMPARE(button->modelIndex(), typeIndex("KT 4ft 2f 2t"));
        QCOMPARE(button->items().size(), 2);
        QCOMPARE(items[0]->button(), button);
        QCOMPARE(items[0]->contactKind(), 2);
        QVERIFY(items[0]->underCurrent());
        QCOMPARE(items[0]->contactNumber(), 4);
        QCOMPARE(items[0]->rotationIndex(), 1);
        QCOMPARE(items[0]->pos(), QPointF(200, 400));
        QCOMPARE(pinNames(items[0]), QStringList({"51", "52"}));
        QCOMPARE(items[1]->contactNumber(), 1);
        QVERIFY(!items[1]->underCurrent());
        QCOMPARE(pinNames(items[1]), QStringList({"21", "23"}));
        QCOMPARE(items[2]->obj(), nullptr);
        QCOMPARE(items[2]->name(), QString("SB7"));
        QCOMPARE(items[2]->contactNumber(), 3);
        QCOMPARE(boxTexts(rec), QStringList());

        // Saved again: the same bytes.
        QCOMPARE(saveAll(project, sheet), bytes);
    }

    void damagedItemRecords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("resolved");
        QTest::newRow("good") << 1 << 1 << true << true;
        QTest::newRow("form 3") << 3 << 1 << false << false;
        QTest::newRow("form 200") << 200 << 1 << false << false;
        QTest::newRow("no form, bound") << 255 << 1 << true << false;
        QTest::newRow("group beyond the type") << 1 << 2 << true << false;
        QTest::newRow("group of none") << 1 << 255 << true << false;
        QTest::newRow("group the form does not suit") << 0 << 1 << true << false;
        QTest::newRow("group shown by another item") << 0 << 0 << true << false;
    }

    void damagedItemRecords()
    {
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(bool, readable);
        QFETCH(bool, resolved);
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            ButtonSheet sheet(&project);
            addButton(project, "SB1", typeIndex("KMDFP"));
            placeButton(sheet, "SB1", 0, 0);
            placeButton(sheet, "SB1", 1, 1);
            bytes = saveAll(project, sheet);
        }
        // The second item's own fields follow its type id in the sheet's
        // record: patch them in place.
        QByteArray needle;
        {
            DataStream s(&needle, QIODevice::WriteOnly);
            s.setFormatIndex(DataStream::CurrentFormat);
            s << qint32(GraphicsButton::Type) << quint8(1) << false << quint8(1);
        }
        const int at = int(bytes.indexOf(needle));
        QVERIFY(at > 0);
        bytes[at + 4] = char(kind);
        bytes[at + 6] = char(number);

        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        QByteArray copy = bytes;
        DataStream in(&copy, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(project.readDevices(in, &message));
        QCOMPARE(sheet.loadScene(in), readable);
        if (readable) {
            const QList<GraphicsButton *> items = itemsOf<GraphicsButton>(sheet);
            QCOMPARE(items.size(), 2);
            QVERIFY(items[0]->resolveLinks());
            QCOMPARE(items[1]->resolveLinks(), resolved);
            QCOMPARE(items[1]->obj() != nullptr, resolved);
            QCOMPARE(items[0]->button()->items().size(), resolved ? 2 : 1);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedDeviceRecords()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        for (const int index : {-1, 0, 21, 22, 100, -2}) {
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out.setFormatIndex(DataStream::CurrentFormat);
                out << qint32(index);
            }
            Button fresh(&project);
            DataStream in(&bytes, QIODevice::ReadOnly);
            in.setFormatIndex(DataStream::CurrentFormat);
            fresh.readData(in);
            const bool valid = index >= -1 && index < ButtonTypeCount;
            QCOMPARE(in.status() == QDataStream::Ok, valid);
            QCOMPARE(fresh.modelIndex(), valid ? index : -1);
        }
        // Through the devices record of a project.
        QByteArray bytes;
        {
            // One kind, one button "SB1" of type 57.
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << qint32(1) << qint32(ButtonKind) << qint32(1) << QString("SB1") << qint32(1) << qint32(57) << false;
        }
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        QString message;
        QVERIFY(!project.readDevices(in, &message));
        QCOMPARE(project.findObj(ButtonKind, "SB1"), nullptr);
    }

    void clipboard()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        addButton(project, "SB1", typeIndex("KD 3ft"));
        GraphicsButton *a = placeButton(sheet, "SB1", 0, 0);
        GraphicsButton *b = placeButton(sheet, "SB1", 2, 1, true);
        const QByteArray bytes = copyItems(project, sheet, {a, b});

        // Into another project: a button of that name and type is made, and
        // both groups come with it.
        {
            Project other(nullptr, nullptr);
            ButtonSheet target(&other);
            const QList<GraphicsItem *> pasted = pasteItems(other, target, bytes);
            QCOMPARE(pasted.size(), 2);
            auto *pa = dynamic_cast<GraphicsButton *>(pasted[0]);
            auto *pb = dynamic_cast<GraphicsButton *>(pasted[1]);
            auto *made = dynamic_cast<Button *>(other.findObj(ButtonKind, "SB1"));
            QVERIFY(pa && pb && made);
            QCOMPARE(made->modelIndex(), typeIndex("KD 3ft"));
            QCOMPARE(pa->button(), made);
            QCOMPARE(pb->button(), made);
            QCOMPARE(pa->contactNumber(), 0);
            QCOMPARE(pb->contactNumber(), 1);
            QVERIFY(pb->underCurrent());
            QCOMPARE(pinNames(pb), QStringList({"31", "32"}));
        }

        // Into the same project: one free group is left, so the first copy
        // takes it and the second, which could only have shown it too,
        // stays unbound rather than share it.
        ButtonSheet target(&project);
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        QCOMPARE(pasted.size(), 2);
        auto *pa = dynamic_cast<GraphicsButton *>(pasted[0]);
        auto *pb = dynamic_cast<GraphicsButton *>(pasted[1]);
        auto *button = dynamic_cast<Button *>(project.findObj(ButtonKind, "SB1"));
        QCOMPARE(pa->button(), button);
        QCOMPARE(pa->contactNumber(), 2);
        QCOMPARE(pinNames(pa), QStringList({"51", "53", "52"}));
        QCOMPARE(pb->obj(), nullptr);
        QCOMPARE(button->items().size(), 3);
        QCOMPARE(button->itemForGroup(0), a);
        QCOMPARE(button->itemForGroup(1), b);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogLists()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        Button *kt = addButton(project, "SB2", typeIndex("KT 4ft 2f 2t"));
        addButton(project, "SB1", typeIndex("KD 1ft"));
        placeButton(sheet, "SB2", 2, 2);
        placeButton(sheet, "SB2", 0, 5);

        DlgPropButton dialog(&sheet);
        QCOMPARE(dialog.typeCombo()->count(), 22);
        for (int i = 1; i < dialog.typeCombo()->count(); ++i)
            QVERIFY(dialog.typeCombo()->itemText(i - 1) <= dialog.typeCombo()->itemText(i));
        const int kt4 = dialog.typeCombo()->findText("KT 4ft 2f 2t");
        QCOMPARE(dialog.typeCombo()->itemData(kt4).toInt(), typeIndex("KT 4ft 2f 2t"));
        QCOMPARE(dialog.typeCombo()->currentIndex(), 0);
        QCOMPARE(dialog.kindCombo()->count(), 3);
        QCOMPARE(dialog.kindCombo()->itemText(0), QString("ft"));
        QCOMPARE(dialog.kindCombo()->itemText(2), QString("t"));
        QCOMPARE(dialog.kindCombo()->currentIndex(), 0);
        QVERIFY(dialog.chkUnderCurrent()->isChecked());
        QCOMPARE(dialog.chkUnderCurrent()->text(), QString("Button under current"));
        QCOMPARE(dialog.spinNumber()->minimum(), 1);
        QVERIFY(dialog.groupsTable()->topLevelItemCount() == 0);
        QVERIFY(!dialog.groupsTable()->isSortingEnabled());

        // The buttons of the project, by name.
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 2);
        QCOMPARE(dialog.objTable()->topLevelItem(0)->text(0), QString("SB1"));
        QTreeWidgetItem *row = dialog.objTable()->topLevelItem(1);
        QCOMPARE(row->text(1), QString("KT 4ft 2f 2t"));
        QCOMPARE(row->text(2), QString("2 / 6"));
        QCOMPARE(treeItemObj(row), kt);

        // Its groups, in order, with the sheets that show them.
        dialog.selectTreeItem(dialog.objTable(), row);
        QCOMPARE(dialog.edObjName()->text(), QString("SB2"));
        QCOMPARE(dialog.typeCombo()->currentText(), QString("KT 4ft 2f 2t"));
        QCOMPARE(dialog.groupsTable()->topLevelItemCount(), 6);
        const QTreeWidgetItem *third = dialog.groupsTable()->topLevelItem(2);
        QCOMPARE(third->text(0), QString("3"));
        QCOMPARE(third->text(1), QString("31-32"));
        QCOMPARE(third->text(2), QString("t"));
        QCOMPARE(third->text(3), QString("S1*"));
        QCOMPARE(dialog.groupsTable()->topLevelItem(5)->text(1), QString("61-63-62"));
        QCOMPARE(dialog.groupsTable()->topLevelItem(1)->text(2), QString("f"));
        QVERIFY(dialog.groupsTable()->topLevelItem(0)->text(3).isEmpty());

        QTest::keyClicks(dialog.edFind(), "SB1");
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(0), QString("SB1"));
        QCOMPARE(dialog.groupsTable()->topLevelItemCount(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogChoice()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        Button *kt = addButton(project, "SB2", typeIndex("KT 4ft 2f 2t"));
        GraphicsButton *shown = placeButton(sheet, "SB2", 2, 2);

        DlgPropButton dialog(&sheet);
        dialog.objTable()->clearSelection();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected button !"}));
        rec.clear();
        dialog.selectTreeItem(dialog.objTable(), findTreeItemOfObj(dialog.objTable(), kt));
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected contact !"}));

        // A group shown by another item is busy.
        rec.clear();
        QVERIFY(!dialog.btnChoiseClick(dialog.groupsTable()->topLevelItem(2)));
        QCOMPARE(boxTexts(rec), QStringList({"Button is busy!"}));
        // One that cannot take the chosen form.
        rec.clear();
        QVERIFY(!dialog.btnChoiseClick(dialog.groupsTable()->topLevelItem(1)));
        QCOMPARE(boxTexts(rec), QStringList({"Choise button and button type not compatibility! "}));
        QCOMPARE(dialog.edName()->text(), QString());
        // The form that suits it, through the choose button.
        rec.clear();
        dialog.kindCombo()->setCurrentIndex(1);
        dialog.selectTreeItem(dialog.groupsTable(), dialog.groupsTable()->topLevelItem(3));
        buttonOf(&dialog, "V")->click();
        QCOMPARE(dialog.edName()->text(), QString("SB2"));
        QCOMPARE(dialog.spinNumber()->value(), 4);
        // An "ft" group takes every form.
        dialog.kindCombo()->setCurrentIndex(2);
        QVERIFY(dialog.btnChoiseClick(dialog.groupsTable()->topLevelItem(0)));
        QCOMPARE(dialog.spinNumber()->value(), 1);
        QCOMPARE(boxTexts(rec), QStringList());

        // The group the edited item shows is its own choice.
        DlgPropButton editing(&sheet);
        editing.loadFromItem(shown);
        QCOMPARE(editing.groupsTable()->selectedItems().first()->text(0), QString("3"));
        QCOMPARE(editing.kindCombo()->currentIndex(), 2);
        QVERIFY(editing.btnChoiseClick(editing.groupsTable()->topLevelItem(2)));
        QCOMPARE(boxTexts(rec), QStringList());

        // A double click chooses and accepts; a refused one does not.
        DlgPropButton clicking(&sheet);
        clicking.selectTreeItem(clicking.objTable(), findTreeItemOfObj(clicking.objTable(), kt));
        clicking.setResult(QDialog::Rejected);
        emit clicking.groupsTable()->itemDoubleClicked(clicking.groupsTable()->topLevelItem(2), 0);
        QCOMPARE(clicking.result(), int(QDialog::Rejected));
        QCOMPARE(boxTexts(rec), QStringList({"Button is busy!"}));
        emit clicking.groupsTable()->itemDoubleClicked(clicking.groupsTable()->topLevelItem(5), 0);
        QCOMPARE(clicking.result(), int(QDialog::Accepted));
        QCOMPARE(clicking.spinNumber()->value(), 6);
    }

    void dialogKeepsTheButtons()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        DlgPropButton dialog(&sheet);

        // Add: a name is needed, and a free one.
        QPushButton *add = buttonOf(&dialog, "Add");
        QVERIFY(add && buttonOf(&dialog, "Del") && buttonOf(&dialog, "Repl"));
        add->click();
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));
        rec.clear();
        dialog.edObjName()->setText(" SB1 ");
        chooseType(dialog.typeCombo(), "KD 3ft");
        add->click();
        auto *button = dynamic_cast<Button *>(project.findObj(ButtonKind, "SB1"));
        QVERIFY(button);
        QCOMPARE(button->modelIndex(), typeIndex("KD 3ft"));
        QCOMPARE(dialog.objTable()->selectedItems().first()->text(0), QString("SB1"));
        QCOMPARE(dialog.groupsTable()->topLevelItemCount(), 3);
        add->click();
        QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));
        rec.clear();

        // Three items; then the type becomes "KD 1ft": the first keeps
        // group 0, the others are left unbound and red.
        GraphicsButton *a = placeButton(sheet, "SB1", 0, 0);
        GraphicsButton *b = placeButton(sheet, "SB1", 0, 1);
        GraphicsButton *c = placeButton(sheet, "SB1", 1, 2);
        QCOMPARE(pinNames(c), QStringList({"51", "53"}));
        dialog.selectTreeItem(dialog.objTable(), rowOf(dialog.objTable(), "SB1"));
        chooseType(dialog.typeCombo(), "KD 1ft");
        buttonOf(&dialog, "Repl")->click();
        QCOMPARE(button->modelIndex(), typeIndex("KD 1ft"));
        QCOMPARE(button->items().size(), 1);
        QCOMPARE(a->button(), button);
        QCOMPARE(a->contactNumber(), 0);
        QCOMPARE(pinNames(a), QStringList({"31", "33", "32"}));
        QCOMPARE(b->obj(), nullptr);
        QCOMPARE(c->obj(), nullptr);
        QCOMPARE(pinNames(b), QStringList({"", "", ""}));
        QCOMPARE(rowOf(dialog.objTable(), "SB1")->text(2), QString("1 / 1"));
        QCOMPARE(dialog.groupsTable()->topLevelItemCount(), 1);
        QCOMPARE(boxTexts(rec), QStringList());

        // Back to three groups: the unbound items are not asked again, but
        // a rename takes a free name only.
        dialog.edObjName()->setText("SB4");
        chooseType(dialog.typeCombo(), "KD 3ft");
        buttonOf(&dialog, "Repl")->click();
        QCOMPARE(button->name(), QString("SB4"));
        QCOMPARE(a->name(), QString("SB4"));
        QCOMPARE(button->items().size(), 1);
        addButton(project, "SB5", 0);
        dialog.edObjName()->setText("SB5");
        buttonOf(&dialog, "Repl")->click();
        QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));
        rec.clear();

        // Del asks when items show the button; they are left unbound.
        dialog.selectTreeItem(dialog.objTable(), rowOf(dialog.objTable(), "SB4"));
        rec.clickButton("&No");
        buttonOf(&dialog, "Del")->click();
        QCOMPARE(boxTexts(rec), QStringList({"Button: `SB4` have graphics children! Delete this object?"}));
        QCOMPARE(project.findObj(ButtonKind, "SB4"), button);
        rec.clickButton("&Yes");
        buttonOf(&dialog, "Del")->click();
        QCOMPARE(project.findObj(ButtonKind, "SB4"), nullptr);
        QCOMPARE(a->obj(), nullptr);
        QCOMPARE(pinNames(a), QStringList({"", "", ""}));
        QCOMPARE(rowOf(dialog.objTable(), "SB4"), nullptr);
    }

    void dialogPlacesAndEdits()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        ButtonSheet sheet(&project);
        Button *kmdf = addButton(project, "SB1", typeIndex("KMDF"));

        // A new item: created only on Ok, bound by name.
        DlgPropButton dialog(&sheet);
        rec.handle([&](QDialog *) {
            dialog.chkUnderCurrent()->setChecked(false);
            dialog.kindCombo()->setCurrentIndex(2);
            dialog.spinNumber()->setValue(2);
            dialog.edName()->setText(" SB1 ");
            buttonOf(&dialog, "Ok")->click();
        });
        auto *item = dynamic_cast<GraphicsButton *>(dialog.execDialog(nullptr, GraphicsButton::Type));
        QVERIFY(item);
        sheet.addGraphicsItem(item);
        QCOMPARE(item->button(), kmdf);
        QVERIFY(!item->underCurrent());
        QCOMPARE(item->contactKind(), 2);
        QCOMPARE(item->contactNumber(), 1);
        QCOMPARE(pinNames(item), QStringList({"21", "22"}));
        QVERIFY(project.devicesChanged());

        // Editing the button's only item: the fields show it; another form
        // whose group cannot take it moves it to a group that can.
        DlgPropButton edit(&sheet);
        rec.handle([&](QDialog *) {
            QVERIFY(!edit.chkUnderCurrent()->isChecked());
            QCOMPARE(edit.kindCombo()->currentIndex(), 2);
            QCOMPARE(edit.edName()->text(), QString("SB1"));
            QCOMPARE(edit.spinNumber()->value(), 2);
            QCOMPARE(edit.objTable()->selectedItems().first()->text(0), QString("SB1"));
            QCOMPARE(edit.groupsTable()->selectedItems().first()->text(0), QString("2"));
            edit.kindCombo()->setCurrentIndex(0);
            edit.chkUnderCurrent()->setChecked(true);
            buttonOf(&edit, "Ok")->click();
        });
        QCOMPARE(edit.execDialog(item, GraphicsButton::Type), item);
        QCOMPARE(item->button(), kmdf);
        QVERIFY(item->underCurrent());
        QCOMPARE(item->contactKind(), 0);
        QCOMPARE(item->contactNumber(), 0);
        QCOMPARE(pinNames(item), QStringList({"11", "13", "12"}));

        // A group beyond the type's: the first free one that suits, here
        // the "ft" group, which takes a "t" item too.
        DlgPropButton beyond(&sheet);
        rec.handle([&](QDialog *) {
            beyond.kindCombo()->setCurrentIndex(2);
            beyond.spinNumber()->setValue(9);
            buttonOf(&beyond, "Ok")->click();
        });
        QCOMPARE(beyond.execDialog(item, GraphicsButton::Type), item);
        QCOMPARE(item->contactNumber(), 0);
        QCOMPARE(pinNames(item), QStringList({"11", "12"}));

        // A second item takes the other group; renaming the only item of a
        // button renames the button.
        GraphicsButton *second = placeButton(sheet, "SB1", 2, 0);
        QCOMPARE(second->contactNumber(), 1);
        Button *other = addButton(project, "SB2", typeIndex("KD 1ft"));
        GraphicsButton *alone = placeButton(sheet, "SB2", 0, 0);
        DlgPropButton rename(&sheet);
        rec.handle([&](QDialog *) {
            rename.edName()->setText("SB3");
            buttonOf(&rename, "Ok")->click();
        });
        QCOMPARE(rename.execDialog(alone, GraphicsButton::Type), alone);
        QCOMPARE(other->name(), QString("SB3"));
        QCOMPARE(alone->button(), other);
        // An item of a shared button leaves it for the button of the new
        // name.
        DlgPropButton move(&sheet);
        rec.handle([&](QDialog *) {
            move.edName()->setText("SB3");
            buttonOf(&move, "Ok")->click();
        });
        QCOMPARE(move.execDialog(second, GraphicsButton::Type), second);
        QCOMPARE(second->obj(), nullptr);
        QCOMPARE(second->name(), QString("SB3"));
        QCOMPARE(kmdf->items().size(), 1);

        // Cancel creates nothing.
        DlgPropButton cancelled(&sheet);
        rec.reject();
        QCOMPARE(cancelled.execDialog(nullptr, GraphicsButton::Type), nullptr);
        QCOMPARE(sheet.graphicsItems().size(), 3);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // Placed from the toolbox of the real scheme editor, edited with a
    // double click, saved with the project and loaded into another.
    void schemeEditor()
    {
        ModalRecorder rec;
        Actions actions;
        QString dir = m_dir.path() + "/scheme";
        QVERIFY(QDir().mkpath(dir));
        QStringList drawn;
        {
            Project project(nullptr, nullptr);
            auto *group = new SchemeGroup(&project);
            group->setAtrNumber(1);
            project.schemes()->appendItem(group);
            auto *scheme = new Scheme(&project);
            scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
            scheme->setNumber(1);
            group->appendItem(scheme);
            SchemeEdit view(&actions.list);
            view.setScene(scheme);
            view.resize(1200, 800);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            view.setActive(true);
            view.centerOn(1400, 1400);
            QAction *place = actions.list.at(101);
            QVERIFY(place->isEnabled());

            const auto drop = [&](const QPointF &where) {
                const QPoint pos = view.mapFromScene(where);
                QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(view.viewport()->mapToGlobal(pos)),
                                 Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(view.viewport(), &move);
                QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, pos);
            };

            // The first: the button is added in the dialog, its first group
            // chosen from the table.
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropButton *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Button"));
                dialog->edObjName()->setText("SB1");
                chooseType(dialog->typeCombo(), "KT 4ft 2f 2t");
                buttonOf(d, "Add")->click();
                dialog->selectTreeItem(dialog->groupsTable(), dialog->groupsTable()->topLevelItem(0));
                buttonOf(d, "V")->click();
                buttonOf(d, "Ok")->click();
            });
            place->trigger();
            QCOMPARE(scheme->graphicsItems().size(), 1);
            auto *first = dynamic_cast<GraphicsButton *>(scheme->graphicsItems().last());
            QVERIFY(first);
            QCOMPARE(view.carriedItems(), QList<GraphicsItem *>({first}));
            drop(QPointF(800, 800));
            QVERIFY(view.carriedItems().isEmpty());
            QCOMPARE(pinNames(first), QStringList({"11", "13", "12"}));

            // The second: its group 3 ("t") by a double click on its row.
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropButton *>(d);
                QVERIFY(dialog);
                dialog->selectTreeItem(dialog->objTable(), rowOf(dialog->objTable(), "SB1"));
                QCOMPARE(dialog->groupsTable()->topLevelItem(0)->text(3), scheme->displayName());
                dialog->kindCombo()->setCurrentIndex(2);
                dialog->chkUnderCurrent()->setChecked(false);
                emit dialog->groupsTable()->itemDoubleClicked(dialog->groupsTable()->topLevelItem(2), 0);
            });
            place->trigger();
            auto *second = dynamic_cast<GraphicsButton *>(scheme->graphicsItems().last());
            QVERIFY(second && second != first);
            drop(QPointF(1600, 800));
            QCOMPARE(second->contactNumber(), 2);
            QCOMPARE(pinNames(second), QStringList({"31", "32"}));
            QVERIFY(!second->underCurrent());

            // Edited with a double click: the dialog shows it, and Ok
            // changes nothing.
            actions.list.at(30)->trigger();
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropButton *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->edName()->text(), QString("SB1"));
                QCOMPARE(dialog->spinNumber()->value(), 3);
                QCOMPARE(dialog->kindCombo()->currentIndex(), 2);
                buttonOf(d, "Ok")->click();
            });
            const QPoint on = view.mapFromScene(second->mapToScene(QPointF(120, 70)));
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, on);
            QCOMPARE(rec.count(), 3);
            QCOMPARE(second->contactNumber(), 2);
            QCOMPARE(boxTexts(rec), QStringList());

            project.setFileName(dir + "/plant.rlay");
            QVERIFY(project.save());
            drawn << QString::number(first->contactNumber()) << QString::number(second->contactNumber());
            view.setActive(false);
        }
        const QMap<QString, QByteArray> saved = filesBelow(dir);

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *scheme = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsButton *> items = itemsOf<GraphicsButton>(*scheme);
        QCOMPARE(items.size(), 2);
        auto *button = dynamic_cast<Button *>(loaded.findObj(ButtonKind, "SB1"));
        QVERIFY(button);
        QCOMPARE(button->modelIndex(), typeIndex("KT 4ft 2f 2t"));
        QCOMPARE(button->items().size(), 2);
        QCOMPARE(items[0]->button(), button);
        QCOMPARE(items[1]->button(), button);
        QCOMPARE(button->itemForGroup(0), items[0]);
        QCOMPARE(button->itemForGroup(2), items[1]);
        QVERIFY(items[0]->underCurrent());
        QVERIFY(!items[1]->underCurrent());
        QCOMPARE(pinNames(items[0]), QStringList({"11", "13", "12"}));
        QCOMPARE(pinNames(items[1]), QStringList({"31", "32"}));
        QCOMPARE(items[0]->pos(), scheme->snapToGrid(items[0]->pos()));

        // Written again: the same bytes in every file.
        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/plant.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        scheme->setModified(true);
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), saved.keys());
        for (const QString &name : saved.keys())
            QVERIFY2(second[name] == saved[name], qPrintable(name));
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestButton)
#include "tst_button.moc"
