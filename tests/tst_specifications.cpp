#include "app/printer.h"
#include "equipment/equipmentmenager.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/specificationmanagerdevice.h"
#include "graphics/font.h"
#include "graphics/graphicstext.h"
#include "graphics/sceneitem.h"
#include "model/project.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

quint32 frame(int row, int n) { return quint32(row) << 8 | quint32(n); }
quint64 pair(quint32 from, quint32 to) { return quint64(from) << 32 | to; }

// A bill of 30 frames by 60 devices on four pages of at most 28 columns
// and 51 rows.
void fillDevices(Project &project)
{
    auto *group = new SpecificationGroupDevice(&project);
    group->treeItem()->setTexts(QStringLiteral("Relay room"), QString());
    for (int c = 0; c < 30; ++c)
        group->columns().append(frame(1 + c / 10, c % 10 + 1));
    for (int r = 0; r < 60; ++r) {
        group->rows().append({QStringLiteral("REL-%1").arg(r + 1), {}});
        for (int c = r % 3; c < 30; c += 3)
            group->rows().last().counts.insert(group->columns().at(c), quint32(1 + (r + c) % 4));
    }
    project.specificationDevice()->appendItem(group);
    for (int i = 0; i < 4; ++i) {
        auto *page = new SpecificationDevice(&project);
        page->setRange(i % 2 * 28, i % 2 ? 2 : 28, i / 2 * 51, i / 2 ? 9 : 51);
        page->setNumber(i + 1);
        page->sceneItem()->setTexts(QStringLiteral("Sheet %1").arg(i + 1), QString());
        group->appendItem(page);
    }
}

// Four cables to a frame pair, the last pair without a distance. Sheet 1
// sums up, sheet 2 lists the first 100 cables, sheet 3 the rest.
void fillCables(Project &project, int pairs)
{
    EquipmentScheme::DistanceTable distances;
    for (int p = 0; p < pairs; ++p) {
        const quint32 from = frame(1 + p / 9, p % 9 + 1), to = frame(5 + p / 9, p % 9 + 1);
        if (p + 1 < pairs)
            distances[from][to] = p % 2 ? quint32(12 + p) : quint32(7500 + 1000 * p);
        for (int i = 4 * p; i < 4 * p + 4; ++i) {
            auto *cable = new Cable(i * 7 % Cable::TypeCount);
            cable->setNumber(100 + i);
            cable->appendCore(new CableCore{QStringLiteral("K%1:1").arg(i), QStringLiteral("X1:%1").arg(i), 1});
            project.specificationCable()->addCable(pair(from, to), cable);
        }
    }
    project.equipment()->equipmentScheme()->setDistances(distances);
    const int pages[3][3] = {{0, 0, 0}, {0, 0, 100}, {25, 100, 0}};
    for (int s = 0; s < 3; ++s) {
        auto *page = new SpecificationCable(&project, pages[s][0], pages[s][1], pages[s][2]);
        page->setNumber(s + 1);
        page->sceneItem()->setTexts(QStringLiteral("Sheet %1").arg(s + 1), QString());
        project.specificationCable()->appendItem(page);
    }
}

QStringList textsOf(GraphicsScene *page)
{
    boundtest::PaintRecorder recorder;
    QPainter painter(&recorder);
    page->renderTo(&painter);
    return recorder.texts;
}

} // namespace

class TestSpecifications : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    // Lengths by type over every frame pair, plus 3 % and up to 5, ordered
    // by mark; a pair without a distance makes its types unknown, quietly.
    void cableSummary()
    {
        ModalRecorder rec;
        QVERIFY(SpecificationCable::orderLength(100) == 105 && SpecificationCable::orderLength(97) == 100
                && SpecificationCable::orderLength(0) == 0);
        Project project(nullptr, nullptr);
        EquipmentScheme::DistanceTable table;
        table[frame(2, 1)][frame(1, 1)] = 40; // stored the other way round
        table[frame(1, 2)][frame(2, 2)] = 57500; // millimetres: 58 m
        project.equipment()->equipmentScheme()->setDistances(table);
        const quint64 a = pair(frame(1, 1), frame(2, 1));
        const quint64 b = pair(frame(1, 2), frame(2, 2));
        for (auto [key, type] : {std::pair{a, 46}, {a, 34}, {b, 46}, {a, 2}, {pair(1, 2), 18}, {b, 0}})
            project.specificationCable()->addCable(key, new Cable(type));
        QList<std::tuple<int, int, bool>> rows;
        for (const CableSummaryRow &r :
             SpecificationCable::summary(*project.specificationCable(), *project.equipment()->equipmentScheme()))
            rows.append({r.type, r.length, r.known});
        // SBVG 0 and 2, SBVGng 18, VVG 46 (40 + 58 m), PVZ 34.
        QCOMPARE(rows, (QList<std::tuple<int, int, bool>>{
                           {0, 60, true}, {2, 45, true}, {18, 0, false}, {46, 105, true}, {34, 45, true}}));
        QCOMPARE(rec.count(), 0);
    }

    // Saved, read back and printed: a list longer than a sheet goes on over
    // further PDF pages, one per sheet; nothing raises a box. With
    // RLAY_SPEC_FIXTURE=<directory> the project stays there, to be opened
    // in the program.
    void savedReadAndPrinted()
    {
        ModalRecorder rec;
        QTemporaryDir temporary;
        const QString dir = qEnvironmentVariable("RLAY_SPEC_FIXTURE", temporary.path());
        {
            Project project(nullptr, nullptr);
            project.setProjectProperty(2, QStringLiteral("Substation 110 kV"));
            fillDevices(project);
            fillCables(project, 83);
            project.setFileName(dir + QStringLiteral("/specifications.rlay"));
            QVERIFY(project.save());
        }
        Project project(nullptr, nullptr);
        project.setFileName(dir + QStringLiteral("/specifications.rlay"));
        QVERIFY(project.load());
        const QList<SpecificationCable *> cables = project.specificationCable()->itemList();
        QCOMPARE(cables[2]->listRows().size(), 232);
        QCOMPARE(cables[0]->sheetCount() + cables[1]->sheetCount() + cables[2]->sheetCount(), 2 + 1 + 3);
        QVERIFY(textsOf(cables[2]).contains(QStringLiteral("101")));
        Printer::savePdfFiles({cables.begin(), cables.end()}, temporary.filePath(QStringLiteral("cables")));
        QFile pdf(temporary.filePath(QStringLiteral("cables_A3_Lnd_1.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), 6);

        // The page with the last column totals each row over the whole
        // matrix; row numbers go on from the page's first row.
        const QList<SpecificationDevice *> devices = project.specificationDevice()->itemList().first()->itemList();
        const QStringList left = textsOf(devices[2]);
        QVERIFY(!left.contains(QStringLiteral("Total")) && left.contains(QStringLiteral("52"))
                && left.contains(QStringLiteral("Specification: Relay room")));
        // Row 52 counts only in columns of the other page: 27 in all.
        const QStringList right = textsOf(devices[3]);
        QVERIFY(right.contains(QStringLiteral("27")) && right.contains(QStringLiteral("Total")));

        // A text drawn on a page of either bill, after a save, is saved with it.
        QVERIFY(project.save());
        for (GraphicsScene *page : {static_cast<GraphicsScene *>(cables[1]), static_cast<GraphicsScene *>(devices[0])}) {
            auto *text = new GraphicsText(page, nullptr);
            text->setText(QStringLiteral("NOTE"));
            QVERIFY(page->addGraphicsItem(text));
            page->setModified(true);
        }
        QVERIFY(project.save());
        Project again(nullptr, nullptr);
        again.setFileName(project.fileName());
        QVERIFY(again.load());
        QCOMPARE(again.specificationCable()->itemList()[1]->graphicsItems().size(), 1);
        QCOMPARE(again.specificationDevice()->itemList().first()->itemList()[0]->graphicsItems().size(), 1);
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestSpecifications)
#include "tst_specifications.moc"
