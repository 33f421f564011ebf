#include "model/heappages.h"

#include <QtTest>

#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <unistd.h>

namespace {

[[maybe_unused]] qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace

// The heap's pages as reported from the tunable the program was started
// with: only a last value of 1 asks for huge pages.
class TestHeapPages : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheLastValueOneAsks_data()
    {
        QTest::addColumn<QByteArray>("tunables");
        QTest::addColumn<bool>("asks");
        QTest::newRow("none") << QByteArray() << false;
        QTest::newRow("off") << QByteArray("glibc.malloc.hugetlb=0") << false;
        QTest::newRow("on, then off") << QByteArray("glibc.malloc.hugetlb=1:glibc.malloc.hugetlb=0") << false;
        QTest::newRow("hugetlbfs") << QByteArray("glibc.malloc.hugetlb=10") << false;
        QTest::newRow("another") << QByteArray("glibc.malloc.arena_max=1") << false;
        QTest::newRow("on") << QByteArray("glibc.malloc.arena_max=1:glibc.malloc.hugetlb=1") << true;
    }

    void onlyTheLastValueOneAsks()
    {
        QFETCH(QByteArray, tunables);
        QFETCH(bool, asks);
        const QByteArray before = qgetenv("GLIBC_TUNABLES");
        qputenv("GLIBC_TUNABLES", tunables);
        QFile modes("/sys/kernel/mm/transparent_hugepage/enabled");
        const QByteArray line = modes.open(QIODevice::ReadOnly) ? modes.readAll() : QByteArray();
        const bool allowed = line.contains("[always]") || line.contains("[madvise]");
        QCOMPARE(heapOnHugePages(), asks && allowed);
        qputenv("GLIBC_TUNABLES", before);
    }

    // Room taken ahead serves what is allocated meanwhile; what nobody took
    // goes back when the reserve ends.
    void reserveKeepsOnlyWhatWasTaken()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The sanitizer's allocator pads every block");
#elif defined(__linux__) && defined(__GLIBC__)
        // Trimmed as a fresh program's heap is.
        mallopt(M_TRIM_THRESHOLD, 128 * 1024);
        const qint64 before = residentBytes();
        const qint64 mb = 1 << 20;
        std::vector<char *> taken;
        {
            HeapReserve reserve;
            reserve.add(64 * mb);
            for (int i = 0; i < 16 * 1024; ++i) {
                taken.push_back(new char[1024]);
                taken.back()[0] = char(i);
            }
            // Time for the whole room to be mapped.
            QThread::msleep(300);
        }
        const qint64 grown = residentBytes() - before;
        for (char *piece : taken)
            delete[] piece;
        QVERIFY2(grown >= 16 * mb && grown < 32 * mb, QByteArray::number(grown / mb));
#else
        QSKIP("The reserve takes nothing ahead here");
#endif
    }
};

QTEST_APPLESS_MAIN(TestHeapPages)
#include "tst_heappages.moc"
