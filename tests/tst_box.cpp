// Boxes: the box model and its own address, the box item (geometry, the
// pin texts that spread a pin's cores over the clamps of a passage,
// drawing, net walks, its record and clipboard record), the property
// dialog, and boxes placed through the real scheme editor, wired, saved as
// a project and loaded again.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "devices/boxx.h"
#include "devices/dlgpropbox.h"
#include "devices/graphicsbox.h"
#include "graphics/font.h"
#include "graphics/rlineedit.h"
#include "model/address.h"
#include "model/file.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "schemes/schemepassage.h"
#include "support/filesbelow.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionGraphicsItem>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace boundtest;
using schemetest::clew;

namespace {

const int boxItemType = QGraphicsItem::UserType + 416;

// A sheet that makes box items and their dialog from the type id.
class BoxSheet : public GraphicsScene
{
public:
    explicit BoxSheet(Project *project, const QString &name = QStringLiteral("S1"))
        : GraphicsScene(project)
        , title(name)
    {
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return title + GraphicsScene::displayName(); }
    GraphicsItem *createItem(int type) override
    {
        if (type == boxItemType)
            return createGraphicsBox(this);
        return GraphicsScene::createItem(type);
    }
    DlgPropGraphicsItem *createDialog(int type) override
    {
        if (type == boxItemType)
            return createDlgPropBox(this);
        return GraphicsScene::createDialog(type);
    }

    QString title;
};

class TestPassage;

// A clamp: one pin; the passage that holds it answers for it in walks.
class TestClamp : public GraphicsPins
{
public:
    explicit TestClamp(GraphicsScene *scene, int type = QGraphicsItem::UserType + 402)
        : GraphicsPins(scene, nullptr, 3)
        , m_type(type)
    {
        createPins(1);
    }

    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 20, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void createPins(int count) override { allocatePins<Pin>(count); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *, QList<Pin *> &) override {}
    PinOwner *linkedItem() override { return holder; }

    PinOwner *holder = nullptr;

private:
    int m_type;
};

// A passage with its list of clamps.
class TestPassage : public GraphicsPins, public SchemePassage
{
public:
    explicit TestPassage(GraphicsScene *scene)
        : GraphicsPins(scene, nullptr, 3)
    {
    }

    int type() const override { return QGraphicsItem::UserType + 104; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 20, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void createPins(int count) override { allocatePins<Pin>(count); }
    void collectNetPins(Pin *, QList<Pin *> &) override {}
    void collectNet(Pin *, QList<Pin *> &, QList<GraphicsUnite *> *, int) override {}
    void updateNetLinks(Pin *, QList<Pin *> &) override {}

    int clampCount() const override { return int(clamps.size()); }
    GraphicsItem *clampItem(int index) const override { return clamps.value(index); }
    bool isBottomClamp(int) const override { return false; }
    QString clampLabel(int) const override { return QString(); }
    void releaseClamps() override { clamps.clear(); }

    QList<GraphicsItem *> clamps;
};

QStringList labelsOf(QWidget *dialog)
{
    QStringList texts;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

BoxPinRow record(bool left, int row, const QString &label, int cores = 1)
{
    BoxPinRow r;
    r.left = left;
    r.row = quint8(row);
    r.label = label;
    r.cores = quint8(cores);
    return r;
}

Boxx *newBox(Project &project, const QString &name)
{
    auto *box = dynamic_cast<Boxx *>(project.createDevice(BoxKind));
    if (box && !box->setName(name)) {
        delete box;
        return nullptr;
    }
    return box;
}

GraphicsBox *newItem(BoxSheet &sheet, const QString &name, const QList<BoxPinRow> &records)
{
    auto *item = dynamic_cast<GraphicsBox *>(sheet.createItem(boxItemType));
    sheet.addGraphicsItem(item);
    item->setPinRows(records);
    item->layoutPins();
    item->setName(name);
    return item;
}

void setCell(DlgPropBox &dialog, int row, int column, const QString &text)
{
    dialog.pinTable()->item(row, column)->setText(text);
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

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

} // namespace

class TestBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        const QDateTime now(QDate(2024, 5, 6), QTime(7, 8, 9, 123));
        setFileClock([now] { return now; });
        createScreenFonts();
    }

    void cleanupTestCase()
    {
        setFileClock(nullptr);
        deleteFonts();
    }

    void init()
    {
        hideHelp = false;
        showBigDeviceNames = false;
    }

    void cleanup() { Scheme::registerItemTypes(); }

    void boxHasItsOwnAddress()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        QCOMPARE(project.kindName(BoxKind), QString("Box"));
        Boxx *box = newBox(project, "X1");
        QVERIFY(box);
        QCOMPARE(box->kind(), int(BoxKind));
        Address *own = box->address();
        QVERIFY(own);
        QCOMPARE(box->address(), own);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(own->field(i), quint8(0));
        QVERIFY(own->padWithZero());
        QCOMPARE(own->suffixKind(), -1);
        QVERIFY(box->modelName().isEmpty());
        QCOMPARE(box->placeType(), -1);
        QCOMPARE(box->positionCode(), -1);
        QCOMPARE(box->pinCount(), 0);
        QCOMPARE(box->pinIndex("1"), nullptr);
        QCOMPARE(box->modelIndex(), -1);
        QVERIFY(box->canAppend(nullptr));

        // The record is the device's: the address is not written.
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            Project::IdentityScope scope(project);
            box->write(out);
        }
        QByteArray expected;
        {
            DataStream out(&expected, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << QString("X1") << qint32(1) << qint32(-1) << false;
        }
        QCOMPARE(bytes, expected);

        // Every item is taken.
        BoxSheet sheet(&project);
        GraphicsBox *a = newItem(sheet, "X1", {});
        GraphicsBox *b = newItem(sheet, "X1", {});
        QCOMPARE(a->box(), box);
        QCOMPARE(b->box(), box);
        QCOMPARE(box->items().size(), 2);
        QCOMPARE(a->address(), own);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void itemDefaultsAndGeometry()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        GraphicsBox item(&sheet);
        QCOMPARE(item.type(), QGraphicsItem::UserType + 416);
        QCOMPARE(item.objType(), int(BoxKind));
        QCOMPARE(item.bindMode(), int(GraphicsObjItem::BindShared));
        QCOMPARE(item.itemFlags(), 3);
        QCOMPARE(item.parentItem(), nullptr);
        QCOMPARE(item.boxWidth(), 20);
        QCOMPARE(item.rows(), 8);
        QVERIFY(item.drawBorder());
        QCOMPARE(item.pinCount(), 0);
        QCOMPARE(item.boundingRect(), QRectF(QPointF(-17.5, -43.5), QPointF(297.5, 363.5)));

        item.setPinRows({record(true, 0, "a"), record(false, 2, "b", 3), record(true, 7, "c")});
        item.layoutPins();
        QCOMPARE(item.pinCount(), 3);
        QCOMPARE(item.pin(0)->center(), QPointF(0, 40));
        QCOMPARE(item.pin(1)->center(), QPointF(280, 120));
        QCOMPARE(item.pin(2)->center(), QPointF(0, 320));
        item.setBoxWidth(8);
        item.setRows(3);
        item.layoutPins();
        QCOMPARE(item.pin(1)->center(), QPointF(160, 120));
        // The body, and the labels wherever they stand.
        QVERIFY(item.boundingRect().contains(QRectF(-14, -40, 188, 200).adjusted(-3.5, -3.5, 3.5, 3.5)));
        QCOMPARE(GraphicsBox::coreSuffix(), QString("j"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void coresSpreadOverTheClampsOfAPassage()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        newBox(project, "X1");
        GraphicsBox *item = newItem(sheet, "X1", {record(true, 0, "L", 12), record(false, 0, "R", 11),
                                                  record(true, 1, "F", 5), record(true, 2, "One", 1)});
        TestPassage passage(&sheet);
        QList<std::shared_ptr<TestClamp>> clamps;
        for (int k = 0; k < 4; ++k) {
            clamps << std::make_shared<TestClamp>(&sheet);
            clamps.last()->holder = &passage;
            passage.clamps << clamps.last().get();
        }
        auto seen = [&](int pin, int k) { return item->pinName(item->pin(pin), clamps[k]->pin(0)); };
        // 12 cores: three clamps of 4; 11: 4, 4 and 3; 5: one clamp.
        for (int k = 0; k < 3; ++k)
            QCOMPARE(seen(0, k), QString("L (4j)"));
        QCOMPARE(seen(1, 0), QString("R (4j)"));
        QCOMPARE(seen(1, 1), QString("R (4j)"));
        QCOMPARE(seen(1, 2), QString("R (3j)"));
        QCOMPARE(seen(2, 0), QString("F (5j)"));
        QCOMPARE(seen(2, 1), QString("F (0j)"));
        // A clamp beyond those that take cores takes none.
        QCOMPARE(seen(2, 3), QString("F (0j)"));
        QCOMPARE(seen(0, 3), QString("L (0j)"));
        // One core: the bare label, whatever the other end.
        QCOMPARE(seen(3, 2), QString("One"));
        QCOMPARE(item->pinName(item->pin(3), nullptr), QString("One"));
        // The text that names the pin on the wiring pages.
        QCOMPARE(item->pin(0)->labelText(nullptr, clamps[1]->pin(0)), QString("L (4j)"));
        QCOMPARE(boxTexts(rec), QStringList());

        // Several cores that go to no clamp of a passage cannot be told:
        // an empty text, and painters asking it are not interrupted.
        TestClamp loose(&sheet);
        TestClamp notAClamp(&sheet, QGraphicsItem::UserType + 150);
        notAClamp.holder = &passage;
        passage.clamps << &notAClamp;
        QVERIFY(item->pinName(item->pin(0), nullptr).isEmpty());
        QVERIFY(item->pinName(item->pin(0), loose.pin(0)).isEmpty());
        QVERIFY(item->pinName(item->pin(0), notAClamp.pin(0)).isEmpty());
        TestClamp outside(&sheet);
        outside.holder = &passage;
        QVERIFY(item->pinName(item->pin(0), outside.pin(0)).isEmpty());
        // A pin without a record, and a pin of another item.
        GraphicsBox other(&sheet);
        other.setPinRows({record(true, 0, "Z", 1)});
        other.layoutPins();
        QVERIFY(item->pinName(other.pin(0), nullptr).isEmpty());
        other.setPinRows({});
        QVERIFY(other.pinName(other.pin(0), nullptr).isEmpty());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void netWalksEndAtABox()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        newBox(project, "X1");
        GraphicsBox *a = newItem(sheet, "X1", {record(true, 0, "L")});
        GraphicsBox *b = newItem(sheet, "X1", {record(true, 0, "L")});
        QVERIFY(a->pin(0)->solder(b->pin(0)));
        QList<Pin *> pins;
        a->pin(0)->collectNetAcross(pins, nullptr, 0);
        QVERIFY(pins.isEmpty());
        a->pin(0)->collectNetAcross(pins, nullptr, 1);
        QVERIFY(pins.isEmpty());
        QList<Pin *> ends;
        a->pin(0)->collectNetPinsAcross(ends);
        QCOMPARE(ends, QList<Pin *>({b->pin(0)}));
        QCOMPARE(boxTexts(rec), QStringList());
        // A pin of another item is refused.
        a->collectNet(b->pin(0), pins, nullptr, 0);
        QVERIFY(pins.isEmpty());
        QCOMPARE(boxTexts(rec).size(), 1);
    }

    void drawing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        QStyleOptionGraphicsItem option;
        const QList<BoxPinRow> records = {record(true, 0, "L1", 12), record(false, 2, "R3"), record(true, 1, "L2")};

        // Unbound: red.
        GraphicsBox *loose = newItem(sheet, "X9", records);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            loose->draw(&painter, &option, false);
            painter.end();
            for (const PaintRecorder::Shape &shape : recorder.shapesOf("line"))
                QCOMPARE(shape.pen, penRed.color());
            QCOMPARE(recorder.shapesOf("rect").first().bounds, QRectF(40, 0, 200, 360));
            QCOMPARE(recorder.shapesOf("rect").first().pen, penRed.color());
            QVERIFY(recorder.texts.contains("X9"));
        }

        // Bound, with its border and help.
        newBox(project, "X1");
        GraphicsBox *item = newItem(sheet, "X1", records);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            item->draw(&painter, &option, false);
            painter.end();
            QStringList expected = {"X1", "L1", "(12j)", "R3", "L2"};
            for (int n = 1; n <= 8; ++n)
                expected << QString::number(n) << QString::number(n);
            QCOMPARE(recorder.texts, expected);
            const QList<PaintRecorder::Shape> lines = recorder.shapesOf("line");
            QCOMPARE(lines.size(), 3);
            QCOMPARE(lines[0].bounds, QRectF(QPointF(0, 40), QPointF(80, 40)));
            QCOMPARE(lines[1].bounds, QRectF(QPointF(200, 120), QPointF(280, 120)));
            QCOMPARE(lines[0].pen, penBlack.color());
            QCOMPARE(recorder.shapesOf("rect").first().bounds, QRectF(40, 0, 200, 360));
            // The core count stands below the pin, outside the body.
            const int cores = int(recorder.texts.indexOf("(12j)"));
            const int label = int(recorder.texts.indexOf("L1"));
            QVERIFY(recorder.textRects[cores].top() > 40 && recorder.textRects[cores].left() < 40);
            QVERIFY(recorder.textRects[label].bottom() <= 40 && recorder.textRects[label].left() >= 45);
        }

        // Without the border and with help hidden: pin lines, labels and
        // core counts only.
        item->setDrawBorder(false);
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            item->draw(&painter, &option, true);
            painter.end();
            QCOMPARE(recorder.texts, QStringList({"L1", "(12j)", "R3", "L2"}));
            QCOMPARE(recorder.shapes.size(), 3);
            QCOMPARE(recorder.shapesOf("line").size(), 3);
        }
        // Without the border, with help: the name as a help mark.
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            item->draw(&painter, &option, false);
            painter.end();
            QCOMPARE(recorder.texts.first(), QString("X1"));
            QVERIFY(recorder.shapesOf("rect").size() == item->pinCount());
            for (const PaintRecorder::Shape &shape : recorder.shapesOf("rect"))
                QCOMPARE(shape.pen, penGreen.color());
        }
        // Selected: blue, the name in blue too, and the frame.
        option.state |= QStyle::State_Selected;
        option.rect = item->boundingRect().toRect();
        {
            PaintRecorder recorder;
            QPainter painter(&recorder);
            item->draw(&painter, &option, false);
            painter.end();
            for (const PaintRecorder::Shape &shape : recorder.shapesOf("line"))
                QCOMPARE(shape.pen, penBlue.color());
            bool frame = false;
            for (const PaintRecorder::Shape &shape : recorder.shapesOf("rect"))
                frame = frame || shape.pen == penBlueThin.color();
            QVERIFY(frame);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void itemRoundTrip()
    {
        ModalRecorder rec;
        QByteArray bytes;
        {
            Project project(nullptr, nullptr);
            BoxSheet sheet(&project);
            newBox(project, "X1");
            GraphicsBox *a = newItem(sheet, "X1", {record(true, 0, "L1", 12), record(false, 3, "R4", 255)});
            a->setBoxWidth(36);
            a->setRows(5);
            a->setDrawBorder(false);
            a->layoutPins();
            a->setPos(400, 800);
            GraphicsBox *b = newItem(sheet, "X1", {record(true, 0, "L1")});
            b->setPos(1200, 800);
            b->mirror(false);
            GraphicsBox *loose = newItem(sheet, "Y1", {});
            QVERIFY(a->pin(1)->solder(b->pin(0)));
            Q_UNUSED(loose);
            bytes = saveAll(project, sheet);
        }
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        QVERIFY(loadAll(project, sheet, bytes));
        QCOMPARE(sheet.graphicsItems().size(), 3);
        auto *a = dynamic_cast<GraphicsBox *>(sheet.graphicsItems()[0]);
        auto *b = dynamic_cast<GraphicsBox *>(sheet.graphicsItems()[1]);
        auto *loose = dynamic_cast<GraphicsBox *>(sheet.graphicsItems()[2]);
        QVERIFY(a && b && loose);
        auto *box = dynamic_cast<Boxx *>(project.findObj(BoxKind, "X1"));
        QVERIFY(box);
        QCOMPARE(box->items().size(), 2);
        QCOMPARE(a->box(), box);
        QCOMPARE(b->box(), box);
        QCOMPARE(loose->box(), nullptr);
        QCOMPARE(loose->ownName(), QString("Y1"));
        QCOMPARE(a->boxWidth(), 36);
        QCOMPARE(a->rows(), 5);
        QVERIFY(!a->drawBorder());
        QVERIFY(b->drawBorder());
        QCOMPARE(a->pinRows(), QList<BoxPinRow>({record(true, 0, "L1", 12), record(false, 3, "R4", 255)}));
        QCOMPARE(a->pin(1)->center(), QPointF(440, 160));
        QCOMPARE(a->pin(1)->partner(), b->pin(0));
        QVERIFY(b->isMirrored());
        QCOMPARE(a->pos(), QPointF(400, 800));
        QCOMPARE(saveAll(project, sheet), bytes);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void damagedItemRecords_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<qint32>("count");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("cores");
        QTest::addColumn<bool>("valid");
        QTest::newRow("good") << 8 << qint32(1) << 7 << 3 << true;
        QTest::newRow("no records") << 8 << qint32(0) << 0 << 1 << true;
        QTest::newRow("last table row") << 70 << qint32(1) << 69 << 255 << true;
        QTest::newRow("no cores") << 8 << qint32(1) << 0 << 0 << false;
        QTest::newRow("row below the body") << 8 << qint32(1) << 8 << 1 << false;
        QTest::newRow("row beyond the table") << 255 << qint32(1) << 70 << 1 << false;
        QTest::newRow("negative count") << 8 << qint32(-4) << 0 << 1 << false;
        QTest::newRow("too many") << 8 << qint32(141) << 0 << 1 << false;
    }

    void damagedItemRecords()
    {
        QFETCH(int, rows);
        QFETCH(qint32, count);
        QFETCH(int, row);
        QFETCH(int, cores);
        QFETCH(bool, valid);
        ModalRecorder rec;
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out.setFormatIndex(DataStream::CurrentFormat);
            out << quint8(12) << quint8(rows) << false << count;
            for (int i = 0; i < qMin(count, qint32(1)); ++i)
                out << QString("L") << true << quint8(row) << quint8(cores);
            out << qint32(0) << QString("X1");
        }
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        GraphicsBox item(&sheet);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(DataStream::CurrentFormat);
        item.loadData(in);
        QCOMPARE(in.status() == QDataStream::Ok, valid);
        if (valid) {
            QCOMPARE(item.boxWidth(), 12);
            QCOMPARE(item.rows(), rows);
            QVERIFY(!item.drawBorder());
            QCOMPARE(item.pinCount(), int(count));
            QCOMPARE(item.ownName(), QString("X1"));
            QVERIFY(in.atEnd());
        } else {
            QCOMPARE(item.pinCount(), 0);
            QCOMPARE(item.boxWidth(), 20);
            QVERIFY(item.drawBorder());
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void clipboardRecords()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        Boxx *box = newBox(project, "X1");
        GraphicsBox *a = newItem(sheet, "X1", {record(true, 0, "L1", 4)});
        const QByteArray bytes = copyItems(project, sheet, {a});
        BoxSheet target(&project, "S2");
        const QList<GraphicsItem *> pasted = pasteItems(project, target, bytes);
        QCOMPARE(pasted.size(), 1);
        auto *copy = dynamic_cast<GraphicsBox *>(pasted.first());
        QVERIFY(copy);
        QCOMPARE(copy->box(), box);
        QCOMPARE(copy->pinRows(), a->pinRows());

        Project other(nullptr, nullptr);
        BoxSheet otherSheet(&other);
        const QList<GraphicsItem *> there = pasteItems(other, otherSheet, bytes);
        QCOMPARE(there.size(), 1);
        QVERIFY(other.findObj(BoxKind, "X1"));
        QCOMPARE(dynamic_cast<GraphicsBox *>(there.first())->box(), other.findObj(BoxKind, "X1"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void dialogLayout()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        {
            DlgPropBox dialog(&sheet);
            const QStringList labels = labelsOf(&dialog);
            for (const char *text : {"Name:", "Find Box:", "Box name:", "Box width( mm ):", "Count Rows Pins:"})
                QVERIFY2(labels.contains(text), text);
            for (const char *text : {"Add", "Del", "Repl", "V", "Ok", "Cancel"})
                QVERIFY2(buttonOf(&dialog, text), text);
            QCOMPARE(dialog.edObjName()->sizeHint().width(), 100);
            QCOMPARE(dialog.objTable()->sizeHint(), QSize(150, 250));
            QCOMPARE(dialog.objTable()->columnCount(), 2);
            QCOMPARE(dialog.objTable()->headerItem()->text(0), QString("Name"));
            QCOMPARE(dialog.objTable()->headerItem()->text(1), QString("Cnt GB"));
            QCOMPARE(dialog.objTable()->columnWidth(0), 140);
            QCOMPARE(dialog.widthSpin()->value(), 20);
            QCOMPARE(dialog.widthSpin()->minimum(), 4);
            QCOMPARE(dialog.widthSpin()->maximum(), 200);
            QCOMPARE(dialog.widthSpin()->singleStep(), 4);
            QCOMPARE(dialog.rowsSpin()->value(), 8);
            QCOMPARE(dialog.rowsSpin()->maximum(), 70);
            QCOMPARE(dialog.borderCheck()->text(), QString("Draw border"));
            QVERIFY(dialog.borderCheck()->isChecked());
            QTableWidget *table = dialog.pinTable();
            QCOMPARE(table->rowCount(), 70);
            QCOMPARE(table->columnCount(), 4);
            QCOMPARE(table->width(), 250);
            const QStringList headers = {"Left", "L c.", "R c.", "Right"};
            const int widths[] = {60, 40, 40, 60};
            for (int c = 0; c < 4; ++c) {
                QCOMPARE(table->horizontalHeaderItem(c)->text(), headers[c]);
                QCOMPARE(table->columnWidth(c), widths[c]);
            }
            for (int row = 0; row < 70; ++row) {
                QCOMPARE(table->isRowHidden(row), row >= 8);
                for (int c = 0; c < 4; ++c)
                    QVERIFY(table->item(row, c) && table->item(row, c)->text().isEmpty());
            }
            dialog.rowsSpin()->setValue(70);
            for (int row = 0; row < 70; ++row)
                QCOMPARE(table->rowHeight(row), 20);
            dialog.spinChange(3);
            QVERIFY(!table->isRowHidden(2) && table->isRowHidden(3));
        }
        // Nothing is remembered.
        QSettings store(QStringLiteral("R-LAY"), QStringLiteral("DlgPropBox"));
        QVERIFY(store.allKeys().isEmpty());
        QCOMPARE(boxTexts(rec), QStringList());

        QCOMPARE(DlgPropBox::coresFromText("12"), quint8(12));
        QCOMPARE(DlgPropBox::coresFromText(" 7 "), quint8(7));
        QCOMPARE(DlgPropBox::coresFromText("256"), quint8(1));
        QCOMPARE(DlgPropBox::coresFromText("300"), quint8(44));
        QCOMPARE(DlgPropBox::coresFromText("abc"), quint8(1));
        QCOMPARE(DlgPropBox::coresFromText("0"), quint8(1));
        QCOMPARE(DlgPropBox::coresFromText(""), quint8(1));
        QCOMPARE(DlgPropBox::coresFromText("-3"), quint8(1));
        QCOMPARE(DlgPropBox::coresFromText("99999999999"), quint8(1));
    }

    void dialogObjectButtons()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        Boxx *existing = newBox(project, "X0");
        GraphicsBox *shown = newItem(sheet, "X0", {});
        DlgPropBox dialog(&sheet);
        QPushButton *add = buttonOf(&dialog, "Add");
        QPushButton *del = buttonOf(&dialog, "Del");
        QPushButton *repl = buttonOf(&dialog, "Repl");
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 1);
        QCOMPARE(dialog.objTable()->topLevelItem(0)->text(1), QString("1"));

        add->click();
        QCOMPARE(boxTexts(rec), QStringList({"Need enter object name!"}));
        QTest::keyClicks(dialog.edObjName(), "X1");
        add->click();
        Boxx *x1 = dynamic_cast<Boxx *>(project.findObj(BoxKind, "X1"));
        QVERIFY(x1);
        QCOMPARE(x1->modelIndex(), -1);
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 2);
        QTreeWidgetItem *row = dialog.objTable()->findItems("X1", Qt::MatchExactly, 0).first();
        QVERIFY(row->isSelected());
        QCOMPARE(row->text(1), QString("0"));
        add->click();
        QCOMPARE(boxTexts(rec).last(), QString("Object already exists!"));

        // Selecting a row shows its name.
        QTreeWidgetItem *first = dialog.objTable()->findItems("X0", Qt::MatchExactly, 0).first();
        dialog.selectTreeItem(dialog.objTable(), first);
        QCOMPARE(dialog.edObjName()->text(), QString("X0"));
        dialog.edObjName()->setText("X5");
        repl->click();
        QCOMPARE(existing->name(), QString("X5"));
        QCOMPARE(shown->name(), QString("X5"));
        dialog.edObjName()->setText("X1");
        repl->click();
        QCOMPARE(boxTexts(rec).last(), QString("Object already exists!"));

        rec.clear();
        dialog.objTable()->clearSelection();
        del->click();
        QVERIFY(!dialog.btnChoiseClick(nullptr));
        QCOMPARE(boxTexts(rec), QStringList(2, "Need selected Box !"));

        rec.clear();
        dialog.selectTreeItem(dialog.objTable(), first);
        rec.clickButton("&Yes");
        del->click();
        QCOMPARE(boxTexts(rec), QStringList({"Box: `X5` have graphics children! Delete this object?"}));
        QCOMPARE(shown->box(), nullptr);
        QCOMPARE(project.findObj(BoxKind, "X5"), nullptr);
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 1);
        // A box without items goes without a question.
        rec.clear();
        dialog.selectTreeItem(dialog.objTable(), dialog.objTable()->topLevelItem(0));
        del->click();
        QCOMPARE(boxTexts(rec), QStringList());
        QCOMPARE(project.findObj(BoxKind, "X1"), nullptr);
    }

    void dialogAppliesToTheItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        BoxSheet sheet(&project);
        Boxx *box = newBox(project, "X1");

        auto *dialog = new DlgPropBox(&sheet);
        rec.handle([&](QDialog *) {
            dialog->edName()->setText(" X1 ");
            dialog->widthSpin()->setValue(21);
            dialog->rowsSpin()->setValue(4);
            dialog->borderCheck()->setChecked(false);
            setCell(*dialog, 0, DlgPropBox::LeftLabel, "A");
            setCell(*dialog, 0, DlgPropBox::LeftCores, "256");
            setCell(*dialog, 1, DlgPropBox::LeftLabel, " B  b ");
            setCell(*dialog, 1, DlgPropBox::LeftCores, "300");
            setCell(*dialog, 3, DlgPropBox::LeftLabel, "C");
            setCell(*dialog, 3, DlgPropBox::LeftCores, "letters");
            setCell(*dialog, 2, DlgPropBox::RightLabel, "D");
            setCell(*dialog, 2, DlgPropBox::RightCores, "12");
            setCell(*dialog, 0, DlgPropBox::RightCores, "9"); // no label: no pin
            setCell(*dialog, 5, DlgPropBox::LeftLabel, "E"); // below the rows
            buttonOf(dialog, "Ok")->click();
        });
        auto *item = dynamic_cast<GraphicsBox *>(dialog->execDialog(nullptr, boxItemType));
        delete dialog;
        QVERIFY(item);
        sheet.addGraphicsItem(item);
        QCOMPARE(item->boxWidth(), 21);
        QCOMPARE(item->rows(), 4);
        QVERIFY(!item->drawBorder());
        QCOMPARE(item->pinRows(), QList<BoxPinRow>({record(true, 0, "A", 1), record(true, 1, "B b", 44),
                                                    record(true, 3, "C", 1), record(false, 2, "D", 12)}));
        QCOMPARE(item->pinCount(), 4);
        QCOMPARE(item->pin(3)->center(), QPointF(290, 120));
        QCOMPARE(item->box(), box);
        QVERIFY(project.devicesChanged());

        {
            DlgPropBox again(&sheet);
            again.loadFromItem(item);
            QCOMPARE(again.edName()->text(), QString("X1"));
            QCOMPARE(again.widthSpin()->value(), 21);
            QCOMPARE(again.rowsSpin()->value(), 4);
            QVERIFY(!again.borderCheck()->isChecked());
            QCOMPARE(again.pinTable()->item(1, 0)->text(), QString("B b"));
            QCOMPARE(again.pinTable()->item(1, 1)->text(), QString("44"));
            QCOMPARE(again.pinTable()->item(2, 3)->text(), QString("D"));
            QCOMPARE(again.pinTable()->item(2, 2)->text(), QString("12"));
            QCOMPARE(again.pinTable()->item(0, 2)->text(), QString());
            QCOMPARE(again.objTable()->selectedItems().first()->text(0), QString("X1"));
        }

        // A name no box has leaves the item unbound (and red); the box of
        // a single item is renamed with it.
        GraphicsBox *second = newItem(sheet, "X1", {});
        auto *rename = new DlgPropBox(&sheet);
        rec.handle([&](QDialog *) {
            rename->edName()->setText("X2");
            buttonOf(rename, "Ok")->click();
        });
        QCOMPARE(rename->execDialog(second, boxItemType), second);
        delete rename;
        QCOMPARE(second->box(), nullptr);
        QCOMPARE(second->ownName(), QString("X2"));
        QCOMPARE(box->items().size(), 1);
        auto *own = new DlgPropBox(&sheet);
        rec.handle([&](QDialog *) {
            own->edName()->setText("X3");
            buttonOf(own, "Ok")->click();
        });
        own->execDialog(item, boxItemType);
        delete own;
        QCOMPARE(item->box(), box);
        QCOMPARE(box->name(), QString("X3"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    void placingWiringSavingAndLoading()
    {
        ModalRecorder rec;
        Scheme::registerItemTypes();
        QVERIFY(Scheme::setItemTypeFactories(boxItemType, createGraphicsBox, createDlgPropBox));
        Actions actions;
        auto project = std::make_unique<Project>(nullptr, nullptr);
        auto *group = new SchemeGroup(project.get());
        group->setAtrNumber(2);
        project->schemes()->appendItem(group);
        auto *scheme = new Scheme(project.get());
        scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        scheme->setName("boxes");
        scheme->setNumber(1);
        group->appendItem(scheme);
        auto view = std::make_unique<SchemeEdit>(&actions.list);
        view->setScene(scheme);
        view->resize(1200, 800);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->setActive(true);
        view->zoom(1);
        view->zoom(1);
        view->centerOn(1400, 1000);
        QAction *boxAction = actions.list.at(108);
        QVERIFY(boxAction->isEnabled());

        auto point = [&](const QPointF &p) { return view->mapFromScene(p); };
        auto hover = [&](const QPointF &p) {
            const QPoint pos = point(p);
            QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(view->viewport()->mapToGlobal(pos)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &event);
        };
        auto click = [&](const QPointF &p) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point(p));
        };
        auto place = [&](const std::function<void(DlgPropBox *)> &fill, const QPointF &where) -> GraphicsBox * {
            const int before = int(scheme->graphicsItems().size());
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropBox *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QString("Box"));
                fill(dialog);
                buttonOf(dialog, "Ok")->click();
            });
            boxAction->trigger();
            if (scheme->graphicsItems().size() != before + 1)
                return nullptr;
            auto *item = dynamic_cast<GraphicsBox *>(scheme->graphicsItems().last());
            if (!item || view->carriedItems() != QList<GraphicsItem *>({item}))
                return nullptr;
            hover(where);
            click(where);
            return view->carriedItems().isEmpty() ? item : nullptr;
        };

        GraphicsBox *a = place(
            [&](DlgPropBox *dialog) {
                QTest::keyClicks(dialog->edObjName(), "X1");
                buttonOf(dialog, "Add")->click();
                buttonOf(dialog, "Add")->click();
                buttonOf(dialog, "V")->click();
                QCOMPARE(dialog->edName()->text(), QString("X1"));
                dialog->rowsSpin()->setValue(3);
                setCell(*dialog, 0, DlgPropBox::LeftLabel, "IN");
                setCell(*dialog, 0, DlgPropBox::LeftCores, "12");
                setCell(*dialog, 1, DlgPropBox::RightLabel, "OUT");
            },
            QPointF(800, 1000));
        QVERIFY(a);
        QCOMPARE(boxTexts(rec), QStringList({"Object already exists!"}));
        auto *x1 = dynamic_cast<Boxx *>(project->findObj(BoxKind, "X1"));
        QVERIFY(x1);
        QCOMPARE(a->box(), x1);
        GraphicsBox *b = place(
            [&](DlgPropBox *dialog) {
                QTest::keyClicks(dialog->edName(), "X1");
                dialog->borderCheck()->setChecked(false);
                setCell(*dialog, 2, DlgPropBox::LeftLabel, "X");
            },
            QPointF(2200, 1000));
        QVERIFY(b);
        QCOMPARE(b->box(), x1);
        QCOMPARE(x1->items().size(), 2);

        // A net from a's "OUT" to b's "X".
        QAction *netMode = actions.list.at(73);
        netMode->trigger();
        QList<QPointF> points = {at(a->pin(1))};
        if (at(a->pin(1)).y() != at(b->pin(0)).y())
            points << QPointF(at(a->pin(1)).x() + 200, at(a->pin(1)).y())
                   << QPointF(at(a->pin(1)).x() + 200, at(b->pin(0)).y());
        points << at(b->pin(0));
        for (int i = 0; i + 1 < points.size(); ++i) {
            click(points[i]);
            hover(points[i + 1]);
            click(points[i + 1]);
        }
        netMode->trigger();
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));
        QCOMPARE(boxTexts(rec).size(), 1);

        const QString dir = m_dir.path() + "/boxes";
        QVERIFY(QDir().mkpath(dir));
        project->setFileName(dir + "/plant.rlay");
        QVERIFY(project->save());
        const QMap<QString, QByteArray> first = filesBelow(dir);
        QCOMPARE(first.size(), 7);
        view->setActive(false);
        view.reset();
        project.reset();

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        QList<GraphicsBox *> items;
        for (GraphicsItem *item : sheet->graphicsItems()) {
            if (auto *found = dynamic_cast<GraphicsBox *>(item))
                items << found;
        }
        QCOMPARE(items.size(), 2);
        a = items[0];
        b = items[1];
        x1 = dynamic_cast<Boxx *>(loaded.findObj(BoxKind, "X1"));
        QVERIFY(x1);
        QCOMPARE(x1->items().size(), 2);
        QCOMPARE(a->box(), x1);
        QCOMPARE(b->box(), x1);
        QCOMPARE(a->rows(), 3);
        QVERIFY(a->drawBorder());
        QVERIFY(!b->drawBorder());
        QCOMPARE(a->pinRows(), QList<BoxPinRow>({record(true, 0, "IN", 12), record(false, 1, "OUT", 1)}));
        QCOMPARE(b->pinRows(), QList<BoxPinRow>({record(true, 2, "X", 1)}));
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));

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
        QCOMPARE(boxTexts(rec).size(), 1);
    }
};

QTEST_MAIN(TestBox)
#include "tst_box.moc"
