#include "app/dlgsettings.h"
#include "app/printer.h"
#include "graphics/graphicsscene.h"
#include "model/project.h"
#include "support/modalrecorder.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

// A sheet of a given format that notes how it was printed.
class Sheet : public GraphicsScene
{
public:
    Sheet(Project *project, int pageSize, bool landscape, int across, QStringList *log = nullptr)
        : GraphicsScene(project)
        , m_log(log)
    {
        setSheetFormat(pageSize, landscape, quint8(across));
    }
    int groupNumber() const override { return 0; }
    void printScene(QPainter *painter) override
    {
        if (m_log) {
            *m_log << QString("%1 %2 %3x%4 hide %5")
                          .arg(name())
                          .arg(painter ? "painter" : "dialog")
                          .arg(painter && painter->device() ? painter->device()->width() : 0)
                          .arg(painter && painter->device() ? painter->device()->height() : 0)
                          .arg(hideHelp);
        }
        GraphicsScene::printScene(painter);
    }

private:
    QStringList *m_log;
};

struct PdfInfo
{
    bool valid = false;
    int pages = 0;
    QSizeF pageSize; // points
};

// What the system's PDF reader finds in a file.
PdfInfo pdfInfo(const QString &path)
{
    PdfInfo info;
    QProcess process;
    process.start("pdfinfo", {path});
    if (!process.waitForFinished(20000))
        return info;
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    info.valid = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(out);
    if (pages.hasMatch())
        info.pages = pages.captured(1).toInt();
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(out);
    if (size.hasMatch())
        info.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return info;
}

bool near(const QSizeF &a, const QSizeF &b)
{
    return qAbs(a.width() - b.width()) < 1.0 && qAbs(a.height() - b.height()) < 1.0;
}

const QSizeF a3Landscape(1190.55, 841.89);
const QSizeF a4Portrait(595.28, 841.89);

QStringList pdfFiles(const QString &dir)
{
    return QDir(dir).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT

    std::unique_ptr<Project> m_project;

private slots:
    void init()
    {
        m_project = std::make_unique<Project>(nullptr, nullptr);
        hideHelp = false;
    }

    void cleanup()
    {
        m_project.reset();
        hideHelp = false;
    }

    void fileNames()
    {
        Sheet a3(m_project.get(), GraphicsScene::PaperA3, true, 1);
        QCOMPARE(Printer::pdfFileName("plan", a3), QString("plan_A3_Lnd_1.pdf"));
        Sheet a4(m_project.get(), GraphicsScene::PaperA4, false, 1);
        QCOMPARE(Printer::pdfFileName("/tmp/x/plan", a4), QString("/tmp/x/plan_A4_Prt_1.pdf"));
        Sheet a0(m_project.get(), GraphicsScene::PaperA0, true, 3);
        QCOMPARE(Printer::pdfFileName("b", a0), QString("b_A0_Lnd_3.pdf"));
    }

    void twoPageDocumentGivesTwoValidFiles()
    {
        QTemporaryDir dir;
        QStringList log;
        Sheet first(m_project.get(), GraphicsScene::PaperA3, true, 1, &log);
        first.setName("first");
        Sheet second(m_project.get(), GraphicsScene::PaperA4, false, 1, &log);
        second.setName("second");
        ModalRecorder rec;
        Printer::savePdfFiles({&first, &second}, dir.path() + "/plan");
        QCOMPARE(rec.count(), 0);
        QCOMPARE(pdfFiles(dir.path()), QStringList({"plan_A3_Lnd_1.pdf", "plan_A4_Prt_1.pdf"}));

        const PdfInfo a3 = pdfInfo(dir.path() + "/plan_A3_Lnd_1.pdf");
        QVERIFY(a3.valid);
        QCOMPARE(a3.pages, 1);
        QVERIFY2(near(a3.pageSize, a3Landscape), qPrintable(QString("%1 x %2").arg(a3.pageSize.width()).arg(a3.pageSize.height())));
        const PdfInfo a4 = pdfInfo(dir.path() + "/plan_A4_Prt_1.pdf");
        QVERIFY(a4.valid);
        QCOMPARE(a4.pages, 1);
        QVERIFY(near(a4.pageSize, a4Portrait));

        // Each sheet was painted once on its page, editing aids hidden.
        QCOMPARE(log.size(), 2);
        QVERIFY(log[0].startsWith("first painter") && log[0].endsWith("hide 1"));
        QVERIFY(log[1].startsWith("second painter") && log[1].endsWith("hide 1"));
        // The setting is back as it was.
        QVERIFY(!hideHelp);

        // And each file is a PDF file from its first bytes to its end mark.
        for (const QString &name : pdfFiles(dir.path())) {
            QFile f(dir.path() + "/" + name);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            QVERIFY(bytes.startsWith("%PDF-"));
            QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        }
    }

    void pagesGroupedByFormat()
    {
        QTemporaryDir dir;
        QStringList log;
        Sheet a(m_project.get(), GraphicsScene::PaperA3, true, 1, &log);
        a.setName("a");
        Sheet b(m_project.get(), GraphicsScene::PaperA4, false, 1, &log);
        b.setName("b");
        Sheet c(m_project.get(), GraphicsScene::PaperA3, true, 1, &log);
        c.setName("c");
        Sheet d(m_project.get(), GraphicsScene::PaperA3, true, 1, &log);
        d.setName("d");
        Printer::savePdfFiles({&a, &b, &c, &d}, dir.path() + "/g");
        QCOMPARE(pdfFiles(dir.path()), QStringList({"g_A3_Lnd_1.pdf", "g_A4_Prt_1.pdf"}));
        QCOMPARE(pdfInfo(dir.path() + "/g_A3_Lnd_1.pdf").pages, 3);
        QCOMPARE(pdfInfo(dir.path() + "/g_A4_Prt_1.pdf").pages, 1);
        // The group of the first page is written first, in input order.
        QStringList order;
        for (const QString &line : log)
            order << line.section(' ', 0, 0);
        QCOMPARE(order, QStringList({"a", "c", "d", "b"}));
    }

    void widenedSheetGetsAWidePage()
    {
        QTemporaryDir dir;
        QStringList log;
        Sheet wide(m_project.get(), GraphicsScene::PaperA3, true, 3, &log);
        wide.setName("wide");
        Sheet narrow(m_project.get(), GraphicsScene::PaperA3, true, 1, &log);
        narrow.setName("narrow");
        Sheet tall(m_project.get(), GraphicsScene::PaperA3, false, 2, &log);
        tall.setName("tall");
        Printer::savePdfFiles({&wide, &narrow, &tall}, dir.path() + "/w");
        // Names differ only in the count across.
        QCOMPARE(pdfFiles(dir.path()), QStringList({"w_A3_Lnd_1.pdf", "w_A3_Lnd_3.pdf", "w_A3_Prt_2.pdf"}));

        const PdfInfo three = pdfInfo(dir.path() + "/w_A3_Lnd_3.pdf");
        QVERIFY(three.valid);
        // Three A3 papers of 1191 by 842 points side by side.
        QVERIFY2(near(three.pageSize, QSizeF(3 * 1191, 842)),
                 qPrintable(QString("%1 x %2").arg(three.pageSize.width()).arg(three.pageSize.height())));
        const PdfInfo one = pdfInfo(dir.path() + "/w_A3_Lnd_1.pdf");
        QVERIFY(near(one.pageSize, a3Landscape));
        // Portrait A3 two sheets across: 2 x 842 wide, 1191 high.
        const PdfInfo two = pdfInfo(dir.path() + "/w_A3_Prt_2.pdf");
        QVERIFY(near(two.pageSize, QSizeF(2 * 842, 1191)));

        // The wide sheet was painted across the whole wide page: the device
        // is three times as wide as the plain page, at the same height.
        const QStringList wideLine = log[0].split(' ');
        const QStringList narrowLine = log[1].split(' ');
        const QStringList wideSize = wideLine[2].split('x');
        const QStringList narrowSize = narrowLine[2].split('x');
        QVERIFY(qAbs(wideSize[0].toInt() - 3 * narrowSize[0].toInt()) <= 3);
        QCOMPARE(wideSize[1], narrowSize[1]);
    }

    void emptyListWritesNothing()
    {
        QTemporaryDir dir;
        hideHelp = false;
        Printer::savePdfFiles({}, dir.path() + "/none");
        QVERIFY(pdfFiles(dir.path()).isEmpty());
        QVERIFY(!hideHelp);
    }

    void hiddenHelpStaysHidden()
    {
        QTemporaryDir dir;
        QStringList log;
        Sheet a(m_project.get(), GraphicsScene::PaperA4, true, 1, &log);
        hideHelp = true;
        Printer::savePdfFiles({&a}, dir.path() + "/h");
        QVERIFY(hideHelp);
        QCOMPARE(pdfFiles(dir.path()), QStringList({"h_A4_Lnd_1.pdf"}));
        QVERIFY(near(pdfInfo(dir.path() + "/h_A4_Lnd_1.pdf").pageSize, QSizeF(841.89, 595.28)));
    }

    void unwritableTargetIsReported()
    {
        QTemporaryDir dir;
        Sheet a(m_project.get(), GraphicsScene::PaperA4, false, 1);
        // The file's place is taken by a directory.
        QVERIFY(QDir().mkpath(dir.path() + "/x_A4_Prt_1.pdf"));
        ModalRecorder rec;
        Printer::savePdfFiles({&a}, dir.path() + "/x");
        QCOMPARE(rec.texts(), QStringList({QString("Cannot open file %1!").arg(dir.path() + "/x_A4_Prt_1.pdf")}));
        QVERIFY(!hideHelp);

        // A disk that fills up under the writer: the file cut short goes.
        struct rlimit saved;
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0 && std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR);
        const struct rlimit full = {2048, saved.rlim_max};
        rec.clear();
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        Printer::savePdfFiles({&a}, dir.path() + "/y");
        QVERIFY(setrlimit(RLIMIT_FSIZE, &saved) == 0);
        const QString cut = dir.path() + "/y_A4_Prt_1.pdf";
        QCOMPARE(rec.texts(), QStringList({QString("Write data in file %1 is not correct!").arg(cut)}));
        QVERIFY(!QFile::exists(cut));
    }
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
