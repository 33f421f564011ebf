#include "model/heappages.h"

#include <QtTest>

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
};

QTEST_APPLESS_MAIN(TestHeapPages)
#include "tst_heappages.moc"
