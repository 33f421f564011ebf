#include "equipment/cable.h"
#include "equipment/specificationmanagercable.h"
#include "model/datastream.h"
#include "model/project.h"
#include "support/modalrecorder.h"
#include "support/streambytes.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

void readTypes(const QByteArray &bytes, int format)
{
    QByteArray copy = bytes;
    DataStream s(&copy, QIODevice::ReadOnly);
    s.setFormatIndex(format);
    Cable::readUsedTypes(s);
}

const QList<int> defaultTypes = [] {
    QList<int> t = {18, 19, 20, 22, 23, 24};
    for (int i = 30; i <= 69; ++i)
        t << i;
    t << 85;
    return t;
}();

} // namespace

class TestCable : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        usedCableTypes.clear();
        twistedPairStandard = true;
    }

    void typeNames()
    {
        ModalRecorder rec;
        QCOMPARE(Cable::typeName(0), QString("SBVG-3x1"));
        QCOMPARE(Cable::typeName(36), QString("PVZ-1x2,5"));
        QCOMPARE(Cable::typeName(69), QString("Screen.-1x0,75"));
        QCOMPARE(Cable::typeName(85), QString("SBVGng-15x2"));
        QCOMPARE(rec.count(), 0);
        QCOMPARE(Cable::typeName(86), QString());
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown[0].text.endsWith("FALSE expression"));
        QCOMPARE(Cable::typeName(-1), QString());
        QCOMPARE(rec.count(), 2);
    }

    void markNames()
    {
        ModalRecorder rec;
        const QStringList marks = {"SBVG", "SBVGng", "VVG", "PVZ", "Screen.", "VRG"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(Cable::markName(i), marks[i]);
        QCOMPARE(rec.count(), 0);
        QCOMPARE(Cable::markName(6), QString());
        QCOMPARE(rec.count(), 1);
    }

    void catalogueRows()
    {
        // Runs of marks by row.
        const QList<QPair<int, int>> runs = {{0, 0},  {12, 0}, {18, 1}, {30, 1}, {34, 3}, {46, 2}, {56, 2},
                                             {66, 2}, {67, 1}, {69, 4}, {70, 5}, {78, 5}, {84, 5}, {85, 1}};
        for (int i = 0; i < runs.size(); ++i) {
            const int end = i + 1 < runs.size() ? runs[i + 1].first : 86;
            for (int row = runs[i].first; row < end; ++row)
                QCOMPARE(Cable::typeMark(row), runs[i].second);
        }
        // Cores: the first number of the size, twice it for the twisted
        // pairs of the two SBVG marks.
        const QRegularExpression size("-(\\d+)x([\\d,]+)$");
        for (int row = 0; row < 86; ++row) {
            const auto m = size.match(Cable::typeName(row));
            QVERIFY(m.hasMatch());
            int cores = m.captured(1).toInt();
            if (Cable::typeMark(row) <= 1 && m.captured(2) == "2")
                cores *= 2;
            QCOMPARE(Cable::typeCores(row), cores);
        }
        QCOMPARE(Cable::defaultUsedTypes(), defaultTypes);
        QVERIFY(!Cable::isDefaultType(21));
        QVERIFY(Cable::isDefaultType(24));
        QVERIFY(!Cable::isDefaultType(84));
    }

    void freeCores()
    {
        ModalRecorder rec;
        Cable cable(12); // "3x2": three twisted pairs
        QCOMPARE(cable.freeCores(), 6);
        for (int i = 0; i < 4; ++i)
            cable.appendCore(new CableCore);
        QCOMPARE(cable.freeCores(), 2);
        QCOMPARE(rec.count(), 0);
        Cable unknown(-1);
        QCOMPARE(unknown.freeCores(), 0);
        QCOMPARE(rec.count(), 1);
    }

    void recordRoundTrip()
    {
        Cable cable(36);
        cable.setNumber(17);
        cable.appendCore(new CableCore{"K1:11", "X2:3", 3});
        cable.appendCore(new CableCore{QString(), "", -4});
        QByteArray bytes = bytesOf([&](DataStream &s) { cable.write(s); });
        const QByteArray expected = bytesOf([](DataStream &s) {
            s << qint32(36) << qint32(17) << qint32(2);
            s << QString("K1:11") << QString("X2:3") << qint32(3);
            s << QString() << QString("") << qint32(-4);
        });
        QCOMPARE(bytes, expected);

        Cable read(-1);
        DataStream s(&bytes, QIODevice::ReadOnly);
        read.read(s);
        QCOMPARE(read.type(), 36);
        QCOMPARE(read.number(), 17);
        QCOMPARE(read.cores().size(), 2);
        QCOMPARE(read.cores()[0]->from, QString("K1:11"));
        QCOMPARE(read.cores()[0]->clamp, 3);
        QVERIFY(read.cores()[1]->from.isNull());
        QVERIFY(!read.cores()[1]->to.isNull());
        QCOMPARE(bytesOf([&](DataStream &s2) { read.write(s2); }), bytes);
    }

    void truncatedCoreListKeepsWholeCores()
    {
        QByteArray bytes = bytesOf([](DataStream &s) {
            s << qint32(1) << qint32(2) << qint32(2000000000);
            s << QString("a") << QString("b") << qint32(1);
            s << QString("c");
        });
        Cable cable(-1);
        DataStream s(&bytes, QIODevice::ReadOnly);
        cable.read(s);
        QCOMPARE(cable.cores().size(), 1);
        QVERIFY(s.status() != QDataStream::Ok);
    }

    void usedTypesLayout()
    {
        usedCableTypes = {3, 40};
        twistedPairStandard = false;
        const QByteArray bytes = bytesOf([](DataStream &s) { Cable::writeUsedTypes(s); });
        QCOMPARE(bytes.toHex(), QByteArray("00000002" "00000003" "00000028" "00000056" "00"));
        usedCableTypes.clear();
        twistedPairStandard = true;
        readTypes(bytes, 11);
        QCOMPARE(usedCableTypes, (QList<int>{3, 40}));
        QVERIFY(!twistedPairStandard);
    }

    void typesAddedSinceTheFileJoin()
    {
        const QByteArray bytes = bytesOf([](DataStream &s) {
            s << quint32(2) << qint32(0) << qint32(5) << qint32(80) << true;
        });
        readTypes(bytes, 11);
        QCOMPARE(usedCableTypes, (QList<int>{0, 5, 85}));
        QVERIFY(twistedPairStandard);
    }

    void oldFormatGetsTheDefaults()
    {
        twistedPairStandard = false;
        Cable::resetGlobals();
        QVERIFY(twistedPairStandard);
        // Below format 5 the list meant something else, and no count or
        // flag follows it.
        const QByteArray bytes = bytesOf([](DataStream &s) { s << quint32(2) << qint32(1) << qint32(2); });
        readTypes(bytes, 4);
        QCOMPARE(usedCableTypes, defaultTypes);
        QVERIFY(twistedPairStandard);
    }

    void damagedListCounts()
    {
        // A count far beyond the data reads what there is.
        QByteArray bytes = bytesOf([](DataStream &s) { s << quint32(0xFFFFFFF0) << qint32(7); });
        readTypes(bytes, 11);
        QCOMPARE(usedCableTypes.first(), 7);
        // A negative number of known types adds every default.
        bytes = bytesOf([](DataStream &s) { s << quint32(0) << qint32(-3) << true; });
        readTypes(bytes, 11);
        QCOMPARE(usedCableTypes, defaultTypes);
    }

    void specificationCables()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        SpecificationManagerCable *m = project.specificationCable();
        m->setAtrNumber(12);
        m->setComment("c");
        const quint64 late = (quint64(0x010203) << 32) | 0x010101;
        const quint64 early = (quint64(0x000101) << 32) | 0x000102;
        auto *c1 = new Cable(30);
        c1->setNumber(1);
        c1->appendCore(new CableCore{"a", "b", 1});
        m->addCable(late, c1);
        auto *c2 = new Cable(31);
        c2->setNumber(2);
        m->addCable(early, c2);
        auto *c3 = new Cable(32);
        c3->setNumber(3);
        m->addCable(late, c3);
        QCOMPARE(m->keys(), (QList<quint64>{early, late}));
        usedCableTypes = {1, 2};
        twistedPairStandard = false;

        QByteArray bytes = bytesOf([&](DataStream &s) { m->writeCables(s); });
        const QByteArray expected = bytesOf([&](DataStream &s) {
            s << qint32(12) << QString("c") << qint32(2);
            s << early << qint32(1);
            c2->write(s);
            s << late << qint32(2);
            c1->write(s);
            c3->write(s);
            Cable::writeUsedTypes(s);
        });
        QCOMPARE(bytes, expected);

        usedCableTypes.clear();
        twistedPairStandard = true;
        Project other(nullptr, nullptr);
        SpecificationManagerCable *n = other.specificationCable();
        {
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(11);
            QVERIFY(n->readCables(s));
            QVERIFY(s.atEnd());
        }
        QCOMPARE(n->atrNumber(), 12);
        QCOMPARE(n->comment(), QString("c"));
        QCOMPARE(n->keys(), (QList<quint64>{early, late}));
        QCOMPARE(n->cables().value(late).size(), 2);
        QCOMPARE(n->cables().value(late)[1]->number(), 3);
        QCOMPARE(usedCableTypes, (QList<int>{1, 2}));
        QVERIFY(!twistedPairStandard);
        QCOMPARE(bytesOf([&](DataStream &s) { n->writeCables(s); }), bytes);
        QCOMPARE(rec.count(), 0);
    }

    void specificationCablesOfOldFilesAndDamage()
    {
        ModalRecorder rec;
        // Format 8: no ATR number or comment.
        QByteArray bytes = bytesOf([](DataStream &s) {
            s << qint32(1);
            s << quint64(5) << qint32(2);
            Cable(2).write(s);
            Cable(3).write(s);
            s << quint32(0) << qint32(86) << true;
        });
        {
            Project project(nullptr, nullptr);
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(8);
            QVERIFY(project.specificationCable()->readCables(s));
            QCOMPARE(project.specificationCable()->atrNumber(), 0);
            QCOMPARE(project.specificationCable()->keys(), QList<quint64>{5});
            QCOMPARE(project.specificationCable()->cables().value(5).size(), 2);
            QCOMPARE(project.specificationCable()->cables().value(5)[0]->type(), 2);
        }
        // A pair listed twice is damage: no save writes one.
        {
            QByteArray twice = bytesOf([](DataStream &s) { s << qint32(2) << quint64(5) << qint32(0); }) + bytes.mid(4);
            Project project(nullptr, nullptr);
            DataStream s(&twice, QIODevice::ReadOnly);
            s.setFormatIndex(8);
            QVERIFY(!project.specificationCable()->readCables(s));
        }
        // Cut short: false, whatever was read stays until the manager goes.
        bytes.chop(12);
        {
            Project project(nullptr, nullptr);
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(8);
            QVERIFY(!project.specificationCable()->readCables(s));
        }
        // A huge number of pairs stops at the end of the data.
        bytes = bytesOf([](DataStream &s) { s << qint32(0) << QString() << qint32(0x7FFFFFFF) << quint64(1); });
        {
            Project project(nullptr, nullptr);
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(11);
            QVERIFY(!project.specificationCable()->readCables(s));
        }
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestCable)
#include "tst_cable.moc"
