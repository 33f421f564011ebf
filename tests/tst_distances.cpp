#include "app/dlgdistances.h"
#include "app/mainwindow.h"
#include "equipment/equipmentmenager.h"
#include "equipment/equipmentscheme.h"
#include "equipment/specificationmanagercable.h"
#include "model/datastream.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString cell(QTableWidget *table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

} // namespace

class TestDistances : public QObject
{
    Q_OBJECT

private slots:
    void lookupUnderEitherOrderWithoutBox();
    void metresFromMillimetres();
    void defaultLengths();
    void okPathSavedAndReloaded();
    void checkListsPairsWithoutDistance();
};

void TestDistances::lookupUnderEitherOrderWithoutBox()
{
    Project p(nullptr, nullptr);
    ModalRecorder rec;
    EquipmentScheme *scheme = p.equipment()->equipmentScheme();
    EquipmentScheme::DistanceTable table;
    table[0x000102][0x000101] = 7;
    table[0x000103][0x000101] = 0;
    scheme->setDistances(table);
    QCOMPARE(scheme->distance(0x000101, 0x000102), 7u);
    QVERIFY(scheme->distanceError(0x000101, 0x000102).isEmpty());
    // Missing, stored as 0 and the same frame twice: 0, and no box from
    // the lookup, which painters call.
    QCOMPARE(scheme->distance(0x000101, 0x000104), 0u);
    QCOMPARE(scheme->distance(0x000101, 0x000103), 0u);
    QCOMPARE(scheme->distance(0x000101, 0x000101), 0u);
    QCOMPARE(rec.count(), 0);
    QCOMPARE(scheme->distanceError(0x000103, 0x000101),
             QString("Distance not correct between 13- and 11- frame!"));
}

void TestDistances::metresFromMillimetres()
{
    Project p(nullptr, nullptr);
    EquipmentScheme *scheme = p.equipment()->equipmentScheme();
    EquipmentScheme::DistanceTable table;
    const quint32 stored[] = {499, 500, 1000, 1001, 2500};
    for (int i = 0; i < 5; ++i)
        table[0x000100][0x000101 + i] = stored[i];
    scheme->setDistances(table);
    const quint32 metres[] = {499, 1, 1, 2, 3};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(scheme->distanceBetween(0x000101 + i, 0x000100), metres[i]);
    // Every entry is read as it stands, one naming a code that is no frame too.
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out << quint32(2) << quint32(0x130101) << quint32(0) << quint32(0x000101) << quint32(2) << quint32(0x000102)
        << quint32(7) << quint32(0x01000102) << quint32(9);
    DataStream in(&bytes, QIODevice::ReadOnly);
    QVERIFY(scheme->loadScene(in) && in.status() == QDataStream::Ok);
    QCOMPARE(scheme->distances(),
             EquipmentScheme::DistanceTable({{0x000101, {{0x000102, 7}, {0x01000102, 9}}}, {0x130101, {}}}));
}

void TestDistances::defaultLengths()
{
    ModalRecorder rec;
    Project p(nullptr, nullptr);
    DlgDistances dialog(nullptr, &p);
    auto rows = [](int last) {
        return [last](QDialog *d) {
            qobject_cast<DlgDistancesLoadDefault *>(d)->lastRow()->setValue(last);
            pressOk(d);
        };
    };
    rec.handle(rows(1));
    dialog.btnLoadClick();
    QCOMPARE(boxTexts(rec), QStringList({"Invalid row range"}));
    QCOMPARE(dialog.table()->columnCount(), 0);
    rec.handle(rows(2));
    dialog.btnLoadClick();
    QTableWidget *table = dialog.table();
    QCOMPARE(table->columnCount(), 10);
    QCOMPARE(table->horizontalHeaderItem(5)->text(), QString("21"));
    QCOMPARE(cell(table, 0, 1), QString("4"));
    QCOMPARE(cell(table, 0, 4), QString("7"));
    QCOMPARE(cell(table, 0, 5), QString("5"));
    QCOMPARE(cell(table, 4, 9), QString("5"));
    QCOMPARE(cell(table, 1, 8), QString("9"));
    QCOMPARE(boxTexts(rec).size(), 1);
    // Nothing reaches the project before Ok.
    QVERIFY(p.equipment()->equipmentScheme()->distances().isEmpty());
}

void TestDistances::okPathSavedAndReloaded()
{
    ModalRecorder rec;
    MainWindow w;
    QVERIFY(!w.action(34)->isEnabled());
    rec.handle(pressOk);
    w.action(0)->trigger();
    QVERIFY(w.action(34)->isEnabled());
    Project *p = w.project();
    EquipmentScheme *scheme = p->equipment()->equipmentScheme();

    rec.handle([&rec](QDialog *d) {
        auto *dialog = qobject_cast<DlgDistances *>(d);
        auto addFrame = [&](int number) {
            rec.handle([number](QDialog *add) {
                qobject_cast<DlgDistancesFrameAdd *>(add)->frameNumber()->setValue(number);
                pressOk(add);
            });
            dialog->btnAddClick();
        };
        addFrame(12);
        addFrame(11);
        addFrame(12);
        QTableWidget *table = dialog->table();
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->verticalHeaderItem(0)->text(), QString("11"));
        table->setItem(0, 1, new QTableWidgetItem("-3"));
        dialog->btnOkClick();
        QCOMPARE(table->currentColumn(), 1);
        table->setItem(0, 1, new QTableWidgetItem(" 25 "));
        dialog->btnOkClick();
    });
    w.action(34)->trigger();
    QCOMPARE(boxTexts(rec), QStringList({"Frame alredy exist!", "Error in col 12 row 11!"}));
    QCOMPARE(rec.shown.at(1).className, QString("DlgDistances"));
    QCOMPARE(scheme->distance(0x000101, 0x000102), 25u);
    // The first frame keeps an entry of its own.
    QVERIFY(scheme->distances().contains(0x000101));

    // Entries of codes that name no frame come back too, shown without a box.
    EquipmentScheme::DistanceTable table = scheme->distances();
    table[0x130101][0x01000101] = 5;
    scheme->setDistances(table);
    QTemporaryDir dir;
    p->setFileName(dir.path() + "/plant.rlay");
    QVERIFY(p->save());
    Project loaded(nullptr, nullptr);
    loaded.setFileName(dir.path() + "/plant.rlay");
    QVERIFY(loaded.load());
    QCOMPARE(loaded.equipment()->equipmentScheme()->distances(), scheme->distances());
    DlgDistances again(nullptr, &loaded);
    QCOMPARE(cell(again.table(), 0, 1), QString("25"));
    // Delete takes the frame the user chose, none before: a table that takes
    // the focus gets a current cell nobody chose.
    QTableWidget *shown = again.table();
    const int frames = shown->columnCount();
    shown->selectionModel()->setCurrentIndex(shown->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    again.btnRemoveClick();
    QCOMPARE(shown->columnCount(), frames);
    shown->setCurrentCell(0, 1);
    again.btnRemoveClick();
    QVERIFY(shown->columnCount() == frames - 1 && shown->horizontalHeaderItem(0)->text() == "11");
    again.fillDistanceTable(loaded.equipment()->equipmentScheme()->distances());

    // A frame that stands only as the far end of a pair is shown too.
    EquipmentScheme::DistanceTable farEnd;
    farEnd[0x000202][0x000201] = 7;
    again.fillDistanceTable(farEnd);
    QCOMPARE(again.table()->columnCount(), 2);
    QCOMPARE(cell(again.table(), 0, 1), QString("7"));
    QCOMPARE(boxTexts(rec).size(), 2);
}

// "Check object address" lists, in its list rather than in a box, each pair
// of frames joined by cables without a distance once, a cable joining a
// frame to itself, and each code of the table that names no frame of the
// project (red where no frame can have it).
void TestDistances::checkListsPairsWithoutDistance()
{
    ModalRecorder rec;
    Project p(nullptr, nullptr);
    p.equipment()->equipmentScheme()->setDistances({{0x000301, {{0x000303, 40}}}, {0x130101, {}}});
    for (quint64 key : {0x000301'00000302ull, 0x000302'00000301ull, 0x000303'00000301ull, 0x000301'00000301ull})
        p.specificationCable()->addCable(key, new Cable(0));
    QTreeWidget list;
    p.check(&list, 0);
    p.check(&list, 1);
    QStringList rows;
    for (QTreeWidgetItem *item = list.topLevelItem(0); item; item = list.itemBelow(item))
        rows << QString::number(item->foreground(0) == QBrush(Qt::red)) + item->text(1) + "|" + item->text(2);
    const QString absent = "|The distance table names a frame the project does not hold";
    QCOMPARE(rows.replaceInStrings(QRegularExpression("line \\d+"), "line N"),
             QStringList({"1|In file equipment/equipmentscheme.cpp, line N: FALSE expression",
                          "1|Distance not correct between 31- and 32- frame!", "031" + absent, "033" + absent,
                          "10x130101" + absent}));
    QVERIFY(list.topLevelItem(0)->text(0) == "Equipment Scheme" && rec.count() == 0);
}

QTEST_MAIN(TestDistances)
#include "tst_distances.moc"
