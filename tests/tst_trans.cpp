// Transformers: the catalogue, the terminals shared out between the items of
// one transformer, completeness, item records, the property dialog, and
// items placed on two schemes, saved and loaded through a real project.

#include "app/dlgsettings.h"
#include "devices/dlgproptrans.h"
#include "devices/graphicstrans.h"
#include "devices/trans.h"
#include "devices/transcatalogue.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/pin.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/devicekindtests.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <limits>

using namespace boundtest;
using namespace devicekindtest;

namespace {

class TransSheet : public GraphicsScene
{
public:
    TransSheet(Project *project, const QString &title)
        : GraphicsScene(project)
        , m_title(title)
    {
        setSheetFormat(PaperA3, true, 1);
    }
    int groupNumber() const override { return 0; }
    QString displayName() const override { return m_title; }
    GraphicsItem *createItem(int type) override
    {
        return type == GraphicsTrans::Type ? createGraphicsTrans(this) : GraphicsScene::createItem(type);
    }

private:
    QString m_title;
};

Trans *newTrans(Project &project, const QString &name, int type)
{
    auto *trans = dynamic_cast<Trans *>(project.createDevice(TransKind));
    trans->setModelIndex(type);
    trans->setName(name);
    return trans;
}

// An item drawing "name@row" terminals ("<" left, ">" right; "*" starts a
// winding), named after its transformer.
GraphicsTrans *addItem(GraphicsScene &sheet, const QString &name, const QStringList &terminals,
                       const QString &jumpers = QString())
{
    auto *item = new GraphicsTrans(&sheet);
    sheet.addGraphicsItem(item);
    for (const QString &spec : terminals) {
        TransTerminal t;
        t.left = spec.startsWith('<');
        t.start = spec.endsWith('*');
        t.name = spec.mid(1).section('@', 0, 0);
        t.row = quint8(spec.section('@', 1).remove('*').toInt());
        item->appendTerminal(t);
    }
    item->setJumpers(jumpers);
    item->placePins();
    item->setName(name);
    return item;
}

QTableWidgetItem *cell(DlgPropTrans &dialog, int row, int column)
{
    return dialog.windingTable()->item(row, column);
}

} // namespace

class TestTrans : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        createScreenFonts();
        Scheme::registerItemTypes();
        showBigDeviceNames = false;
        hideHelp = false;
    }
    void cleanupTestCase() { deleteFonts(); }

    void catalogue()
    {
        QCOMPARE(QStringList(std::begin(transClassNames), std::end(transClassNames)),
                 QStringList({"PT", "POBS", "SOBS", "ST", "ROBS", "Other"}));
        const QList<int> setSizes = {10, 12, 14, 10, 11, 14, 13, 16, 12, 17, 11, 11, 12, 9, 2, 10, 4, 4, 12, 4, 8};
        for (int s = 0; s < TransTerminalSetCount; ++s)
            QCOMPARE(transTerminalSets[s].count, setSizes[s]);
        QCOMPARE(transTypes[TransTypeCount].name, nullptr);
        const QString codes = "3333333333300033333333333333333333333330000000000000003112000330330"; // less 19
        for (int row = 0; row < TransTypeCount; ++row) {
            QCOMPARE(transTypes[row].coreKind, 1);
            QCOMPARE(transTypes[row].positionCode, 19 + codes[row].digitValue());
            const auto shared = [&](const TransTerminalSet &set) {
                return set.names == transTypes[row].terminals && set.count == transTypes[row].terminalCount;
            };
            QVERIFY(std::any_of(std::begin(transTerminalSets), std::end(transTerminalSets), shared));
        }
        // name, class, set, place type, position code
        struct Sample { int row; const char *name; int transClass, set, place, code; };
        const Sample samples[] = {
            {0, "PT-25M-1", 0, 1, 48, 22},  {7, "PT-25A", 0, 2, 48, 22},     {10, "PTI-UZ", 0, 3, 18, 22},
            {13, "PTM-A", 0, 4, 46, 19},    {30, "POBS-5A", 1, 8, 36, 22},   {35, "SOBS-2", 2, 11, 48, 22},
            {39, "ST-3M", 3, 13, 46, 19},   {53, "ROBS-4A", 4, 15, 46, 19},  {54, "SKT-1", 5, 16, 47, 22},
            {57, "RTE-1A", 5, 18, 46, 21},  {60, "644.10.55", 5, 20, 18, 19}, {63, "ST-5A-1", 3, 12, 46, 19},
            {66, "644.11.61", 5, 21, 18, 19},
        };
        for (const Sample &s : samples) {
            const TransType &t = transTypes[s.row];
            QCOMPARE(QString(t.name), QString(s.name));
            QCOMPARE(t.transClass, s.transClass);
            QCOMPARE(t.terminals, transTerminalSets[s.set - 1].names);
            QCOMPARE(t.placeType, s.place);
            QCOMPARE(t.positionCode, s.code);
        }
        QCOMPARE(QString(transTerminalSets[17].names[2]), QString("IIN"));
    }

    void device()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Trans *t = newTrans(project, "T1", 57);
        QCOMPARE(t->modelName(), QString("RTE-1A"));
        QCOMPARE(t->placeType(), 46);
        QCOMPARE(t->positionCode(), 21);
        QCOMPARE(t->pinCount(), 4);
        QCOMPARE(t->pinIndex("IIN"), transTypes[57].terminals[2]);
        QCOMPARE(t->pinIndex("II"), nullptr);
        QCOMPARE(t->catalogTerminalName("IK"), transTypes[57].terminals[1]);
        // A transformer without a type is a normal state.
        Trans *bare = newTrans(project, "T2", -1);
        QCOMPARE(bare->modelName(), QString());
        QCOMPARE(bare->placeType(), -1);
        QCOMPARE(bare->pinCount(), 0);
        QCOMPARE(rec.count(), 0);
        // A stored type outside the catalogue is a damaged record.
        for (int index : {-1, 66, 67, -2}) {
            QByteArray bytes;
            DataStream out(&bytes, QIODevice::WriteOnly);
            out << QString("T9") << qint32(3) << qint32(index) << false;
            Trans copy(&project);
            DataStream in(&bytes, QIODevice::ReadOnly);
            copy.read(in);
            QCOMPARE(in.status() == QDataStream::Ok, index >= -1 && index < 67);
        }
    }

    void pinsAndCompleteness()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TransSheet sheet(&project, "S1");
        newTrans(project, "T1", 0);
        GraphicsTrans *item = addItem(sheet, "T1", {"<I1@1*", ">I4@3*"}, "I4-II1,II3-III1");
        QCOMPARE(pinNames(item), QStringList({"I1", "I4", "II1", "II3", "III1"}));
        QCOMPARE(item->pin(1)->center(), QPointF(160, 120));
        QCOMPARE(item->pin(4)->center(), noPosition);
        QVERIFY(item->isComplete());
        struct Case { QString jumpers; bool complete; };
        const Case cases[] = {{"I4-II1,II1-II2", false}, {"I4-II1-II2", true}, {"II1-I4-II2", false},
                              {"I4-XX", false}, {"", true}};
        for (const Case &c : cases) {
            item->setJumpers(c.jumpers);
            item->placePins();
            item->updatePinNames();
            QVERIFY2(item->isComplete() == c.complete, qPrintable(c.jumpers));
        }
        GraphicsTrans *single = addItem(sheet, "T1", {"<N@2*", "<K@5"});
        QVERIFY(single->isSingleWinding());
        QCOMPARE(at(single->pin(1)) - at(single->pin(0)), QPointF(160, 0));
        QCOMPARE(single->pin(0)->center(), QPointF(0, 40));
        // A winding without a start is left out, silently.
        PaintRecorder drawn;
        paint(&drawn, addItem(sheet, "T1", {"<I1@1", "<I2@2", ">II1@2*"}), true);
        QCOMPARE(drawn.shapesOf("path").size(), 0);
        QCOMPARE(rec.count(), 0);
    }

    void terminalsSharedAcrossItems()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TransSheet a(&project, "A");
        TransSheet b(&project, "B");
        Trans *t = newTrans(project, "T1", 0);
        GraphicsTrans *first = addItem(a, "T1", {"<I1@1*", "<I4@3"});
        GraphicsTrans *second = addItem(b, "T1", {"<I1@1*", ">II1@1*"});
        QCOMPARE(pinNames(first), QStringList({"I1", "I4"}));
        QCOMPARE(pinNames(second), QStringList({"", "II1"}));
        QVERIFY(first->isComplete() && !second->isComplete());
        QCOMPARE(t->itemWithTerminal("I1"), first);
        QVERIFY(t->isTerminalTaken("I1", second) && !t->isTerminalTaken("I1", first));
        PaintRecorder drawn;
        QVERIFY(penColours(*paint(&drawn, second, true)).contains(penRed.color()));

        // Deleting the first item passes "I1" on.
        delete first;
        QCOMPARE(pinNames(second), QStringList({"I1", "II1"}));
        QVERIFY(second->isComplete());
        QCOMPARE(t->items().size(), 1);
        QCOMPARE(rec.count(), 0);
    }

    // An item without its transformer is drawn red without a box, and
    // everything it paints lies inside its bounding rectangle.
    void unboundDrawnRedInsideItsBounds()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TransSheet sheet(&project, "S1");
        Trans *t = newTrans(project, "T1", 2);
        GraphicsTrans *item = addItem(sheet, "T1", {"<AVeryLongTerminalName@0*", "<I4@1", ">II1@4*"}, "I1-II2");
        item->setPos(1600, 1400);
        for (int turn = 0; turn < 2; ++turn) {
            const QRectF part(1000, 900, 1200, 1100);
            const QRect bounds = item->sceneBoundingRect().translated(-part.topLeft()).toAlignedRect();
            QImage image = renderPart(sheet, part, QString("rlay_trans_bounds%1.png").arg(turn));
            QVERIFY(darkPixels(image, bounds) > 0);
            QPainter(&image).fillRect(bounds, Qt::white);
            QCOMPARE(darkPixels(image, image.rect()), 0);
            item->rotateBy(1, true);
        }
        delete t;
        QVERIFY(!item->obj() && !item->isComplete());
        QCOMPARE(pinNames(item), QStringList({"", "", "", "", ""}));
        PaintRecorder drawn;
        QVERIFY(penColours(*paint(&drawn, item, true)).contains(penRed.color()));
        QCOMPARE(drawn.texts.filter("T1").size(), 1);
        QCOMPARE(rec.count(), 0);
    }

    void records()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TransSheet sheet(&project, "S1");
        newTrans(project, "T1", 2);
        addItem(sheet, "T1", {"<I1@1*", "<I4@3", ">II1@1*"}, "I4-III1");
        addItem(sheet, "T1", {"<I1@1*", ">II2@2*"});
        const QByteArray bytes = saveAll(project, sheet);

        Project other(nullptr, nullptr);
        TransSheet copy(&other, "S1");
        QVERIFY(loadAll(other, copy, bytes));
        const QList<GraphicsTrans *> items = itemsOf<GraphicsTrans>(copy);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->trans(), other.findObj(TransKind, "T1"));
        QCOMPARE(items[0]->trans()->modelIndex(), 2);
        QCOMPARE(items[0]->jumpers(), QString("I4-III1"));
        QCOMPARE(items[0]->terminals().size(), 3);
        QCOMPARE(items[0]->terminals()[1].row, quint8(3));
        QCOMPARE(pinNames(items[0]), QStringList({"I1", "I4", "II1", "III1"}));
        QCOMPARE(pinNames(items[1]), QStringList({"", "II2"}));
        QCOMPARE(saveAll(other, copy), bytes);

        // Damaged records: a height that is no number, a count beyond the
        // bytes, a row outside the table.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        struct Damage { double height; qint32 count; quint8 row; };
        for (const Damage &d : {Damage{nan, 1, 1}, Damage{1, 1000, 1}, Damage{1, 1, 20}, Damage{1, 1, 19}}) {
            QByteArray record;
            DataStream out(&record, QIODevice::WriteOnly);
            out << d.height << QString() << d.count << QString("I1") << true << d.row << true << qint32(0)
                << QString("T");
            GraphicsTrans item(&sheet);
            DataStream in(&record, QIODevice::ReadOnly);
            item.loadData(in);
            QCOMPARE(in.status() == QDataStream::Ok, d.row == 19);
        }
        QCOMPARE(rec.count(), 0);
    }

    void dialog()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TransSheet sheet(&project, "S1");
        auto *dialog = new DlgPropTrans(&sheet);
        QStringList classes;
        for (int i = 0; i < dialog->classCombo()->count(); ++i)
            classes << dialog->classCombo()->itemText(i);
        QCOMPARE(classes, QStringList({"Other", "POBS", "PT", "ROBS", "SOBS", "ST"}));
        QCOMPARE(dialog->typeCombo()->currentText(), QString("644.10.55"));
        QCOMPARE(dialog->windingTable()->rowCount(), 20);

        // A new item: the first filled row of a side starts its winding,
        // rows keep their numbers, blanks leave the jumpers, and a new name
        // makes a transformer of the chosen type.
        rec.handle([&](QDialog *) {
            dialog->classCombo()->setCurrentIndex(dialog->classCombo()->findText("PT"));
            dialog->typeCombo()->setCurrentIndex(dialog->typeCombo()->findData(2));
            dialog->edName()->setText(" T1 ");
            cell(*dialog, 1, 0)->setText("I1");
            cell(*dialog, 3, 0)->setText("I4");
            cell(*dialog, 3, 1)->setText("x");
            cell(*dialog, 5, 3)->setText("II1");
            cell(*dialog, 7, 3)->setText("II2");
            cell(*dialog, 7, 2)->setText(" . ");
            dialog->jumpersEdit()->setText(" I4 - II3 ");
            pressOk(dialog);
        });
        auto *item = dynamic_cast<GraphicsTrans *>(dialog->execDialog(nullptr, GraphicsTrans::Type));
        delete dialog;
        QVERIFY(item);
        sheet.addGraphicsItem(item);
        auto *t = dynamic_cast<Trans *>(project.findObj(TransKind, "T1"));
        QVERIFY(t && item->trans() == t);
        QCOMPARE(t->modelIndex(), 2);
        QCOMPARE(item->jumpers(), QString("I4-II3"));
        QStringList stored;
        for (const TransTerminal &x : item->terminals())
            stored << QString("%1%2@%3%4").arg(x.left ? "<" : ">", x.name).arg(x.row).arg(x.start ? "*" : "");
        QCOMPARE(stored, QStringList({"<I1@1*", "<I4@3", ">II1@5*", ">II2@7*"}));
        QCOMPARE(pinNames(item), QStringList({"I1", "I4", "II1", "II2", "II3"}));

        // Reopened: the marks, the type, the terminals with their scheme; a
        // double-clicked terminal fills the current cell, or else the jumpers.
        DlgPropTrans again(&sheet);
        rec.handle([&](QDialog *) {
            QCOMPARE(cell(again, 1, 1)->text(), QString("."));
            QCOMPARE(cell(again, 5, 2)->text(), QString("."));
            QCOMPARE(again.typeCombo()->comboCurrentData(), 2);
            QCOMPARE(again.objTable()->topLevelItem(0)->text(2), QString("1"));
            QList<QTreeWidgetItem *> rows = again.terminalList()->findItems("I4", Qt::MatchExactly);
            QCOMPARE(again.terminalList()->topLevelItemCount(), 12);
            QCOMPARE(rows.first()->text(1), QString("S1"));
            again.btnTransContClick(again.terminalList()->findItems("N", Qt::MatchExactly).first());
            QCOMPARE(again.jumpersEdit()->text(), QString("I4-II3N"));
            again.jumpersEdit()->setText("I4-II3");
            again.windingTable()->setCurrentCell(7, 3);
            again.btnTransContClick(again.terminalList()->findItems("III1", Qt::MatchExactly).first());
            // The user picks another class and type: OK takes it over.
            again.classCombo()->setCurrentIndex(again.classCombo()->findText("SOBS"));
            emit again.classCombo()->activated(again.classCombo()->currentIndex());
            pressOk(&again);
        });
        QCOMPARE(again.execDialog(item, GraphicsTrans::Type), item);
        QCOMPARE(t->modelIndex(), 35);
        QCOMPARE(item->terminals().last().name, QString("III1"));
        QCOMPARE(pinNames(item), QStringList({"I1", "I4", "II1", "", "II3"}));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // Two items of one transformer on two schemes, placed through the
    // editor and the dialog, saved and loaded with the project.
    void placeOnTwoSchemesSaveAndLoad()
    {
        ModalRecorder rec;
        SchemeEditor editor(1);
        QVERIFY(editor.action(83)->isEnabled());
        const auto fill = [&](const QString &left, const QString &right) {
            return [=](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropTrans *>(d);
                dialog->classCombo()->setCurrentIndex(dialog->classCombo()->findText("PT"));
                dialog->typeCombo()->setCurrentIndex(dialog->typeCombo()->findData(0));
                dialog->edName()->setText("T1");
                cell(*dialog, 1, 0)->setText(left);
                cell(*dialog, 1, 3)->setText(right);
                pressOk(d);
            };
        };
        auto *first = dynamic_cast<GraphicsTrans *>(editor.place(83, rec, fill("I1", "II1"), QPointF(800, 800)));
        QVERIFY(first && first->isComplete());
        auto *group = editor.project()->schemes()->itemList().first();
        auto *second = new Scheme(editor.project());
        second->setNumber(2);
        group->appendItem(second);
        auto *dialog = second->createDialog(GraphicsTrans::Type);
        rec.handle(fill("I4", "II1"));
        auto *other = dynamic_cast<GraphicsTrans *>(dialog->execDialog(nullptr, GraphicsTrans::Type));
        delete dialog;
        second->addGraphicsItem(other);
        QCOMPARE(pinNames(other), QStringList({"I4", ""}));
        // OK on the first item leaves the terminals where they are.
        rec.handle(pressOk);
        first->showDialog();
        QCOMPARE(pinNames(first), QStringList({"I1", "II1"}));
        QCOMPARE(pinNames(other), QStringList({"I4", ""}));
        const QString dir = m_dir.path() + "/plant";
        QVERIFY(editor.saveAndClose(dir));

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        auto *t = dynamic_cast<Trans *>(loaded.findObj(TransKind, "T1"));
        QVERIFY(t && t->items().size() == 2);
        const QList<Scheme *> schemes = loaded.schemes()->itemList().first()->itemList();
        GraphicsTrans *a = itemsOf<GraphicsTrans>(*schemes[0]).first();
        GraphicsTrans *b = itemsOf<GraphicsTrans>(*schemes[1]).first();
        QCOMPARE(pinNames(a), QStringList({"I1", "II1"}));
        QCOMPARE(pinNames(b), QStringList({"I4", ""}));
        QVERIFY(a->isComplete() && !b->isComplete());
        QCOMPARE(t->modelIndex(), 0);
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestTrans)
#include "tst_trans.moc"
