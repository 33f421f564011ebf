#include "model/datastream.h"
#include "support/modalrecorder.h"

#include <QColor>
#include <QFont>
#include <QRandomGenerator>
#include <QtTest>

class TestDataStream : public QObject
{
    Q_OBJECT

private slots:
    void newStreamIsFormatZeroVersion9()
    {
        DataStream a;
        QCOMPARE(a.formatIndex(), 0);
        QCOMPARE(a.version(), int(QDataStream::Qt_4_3));
        QCOMPARE(a.version(), 9);
        QByteArray buf;
        DataStream b(&buf, QIODevice::WriteOnly);
        QCOMPARE(b.formatIndex(), 0);
        QCOMPARE(b.version(), 9);
    }

    void setFormatIndexRange()
    {
        ModalRecorder rec;
        QByteArray buf;
        DataStream s(&buf, QIODevice::WriteOnly);
        s.setFormatIndex(11);
        QCOMPARE(s.formatIndex(), 11);
        QCOMPARE(s.version(), 9);
        QCOMPARE(rec.count(), 0);
        s.setFormatIndex(12);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown[0].text.endsWith("FALSE expression"));
        QCOMPARE(s.formatIndex(), 11);
        s.setFormatIndex(-1);
        QCOMPARE(rec.count(), 2);
        QCOMPARE(s.formatIndex(), 11);
        QCOMPARE(s.version(), 9);
    }

    void bigEndianBytes()
    {
        QByteArray buf;
        {
            DataStream s(&buf, QIODevice::WriteOnly);
            s.setFormatIndex(DataStream::CurrentFormat);
            s << qint32(11) << quint16(0x1234) << true << quint8(7) << 1.5;
        }
        QCOMPARE(buf.toHex(), QByteArray("0000000b" "1234" "01" "07" "3ff8000000000000"));
    }

    void qt43StringLayout()
    {
        QByteArray buf;
        {
            DataStream s(&buf, QIODevice::WriteOnly);
            s << QString("AB") << QString() << QString("");
        }
        QCOMPARE(buf.toHex(), QByteArray("00000004" "00410042" "ffffffff" "00000000"));
        DataStream r(&buf, QIODevice::ReadOnly);
        QString a, b, c;
        r >> a >> b >> c;
        QCOMPARE(a, QString("AB"));
        QVERIFY(b.isNull());
        QVERIFY(!c.isNull() && c.isEmpty());
    }

    void dateTimeLayoutRoundTrip()
    {
        const QDateTime dt(QDate(2024, 5, 6), QTime(7, 8, 9, 10));
        QByteArray buf;
        {
            DataStream s(&buf, QIODevice::WriteOnly);
            s << dt;
        }
        // Julian day, milliseconds since midnight, time spec byte.
        QCOMPARE(buf.size(), 9);
        QByteArray head = buf.left(8);
        DataStream h(&head, QIODevice::ReadOnly);
        quint32 jd = 0, ms = 0;
        h >> jd >> ms;
        QCOMPARE(qint64(jd), QDate(2024, 5, 6).toJulianDay());
        QCOMPARE(ms, quint32(((7 * 60 + 8) * 60 + 9) * 1000 + 10));
        DataStream r(&buf, QIODevice::ReadOnly);
        QDateTime back;
        r >> back;
        QCOMPARE(back, dt);
    }

    // A reading stream gives what the framework's stream gives on the same
    // bytes, value for value, with the same status and position, through
    // whole records, cut-off ones, damaged lengths and mixed raw reads.
    void readsAsTheFrameworkDoes()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes;
            {
                DataStream out(&bytes, QIODevice::WriteOnly);
                out << qint32(-5) << QString("Relay K1") << 2.5 << QPointF(1, -2) << QString() << quint8(9)
                    << QRectF(1, 2, 3, 4) << true << QSizeF(7, 8) << float(1.25) << QColor(10, 20, 30) << QColor()
                    << QString("") << qint64(-9) << QFont("Sans", 12) << QFont("Sans", 12)
                    << quint16(77);
            }
            // Damage: a cut, or a few bytes changed (string lengths too).
            if (round % 2)
                bytes.truncate(random.bounded(int(bytes.size()) + 1));
            for (int i = 0; i < round % 4 && !bytes.isEmpty(); ++i)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            QByteArray copy = bytes;
            DataStream ours(&bytes, QIODevice::ReadOnly);
            QDataStream theirs(&copy, QIODevice::ReadOnly);
            theirs.setVersion(QDataStream::Qt_4_3);
            const auto same = [&](auto &a, auto &b) {
                ours >> a;
                theirs >> b;
                // Compared as written, so that damaged NaNs compare too.
                const auto written = [](const auto &value) {
                    QByteArray out;
                    QDataStream stream(&out, QIODevice::WriteOnly);
                    stream << value;
                    return out;
                };
                QCOMPARE(written(a), written(b));
                QCOMPARE(ours.status(), theirs.status());
                QCOMPARE(ours.pos(), theirs.device()->pos());
                QCOMPARE(ours.atEnd(), theirs.atEnd());
            };
            for (int pass = 0; pass < 2; ++pass) {
                qint32 i1 = 1, i2 = 2;
                QString s1 = "x", s2 = "y", n1 = "x", n2 = "y", e1, e2;
                double d1 = 1, d2 = 2;
                QPointF p1, p2;
                quint8 b1 = 1, b2 = 2;
                QRectF r1, r2;
                bool f1 = false, f2 = true;
                QSizeF z1, z2;
                float g1 = 1, g2 = 2;
                QColor c1, c2, v1 = Qt::red, v2 = Qt::blue;
                qint64 l1 = 1, l2 = 2;
                QFont o1, o2, q1, q2;
                quint16 w1 = 1, w2 = 2;
                same(i1, i2), same(s1, s2), same(d1, d2), same(p1, p2), same(n1, n2), same(b1, b2);
                QCOMPARE(n1.isNull(), n2.isNull());
                same(r1, r2), same(f1, f2), same(z1, z2), same(g1, g2), same(c1, c2), same(v1, v2);
                same(e1, e2);
                same(l1, l2), same(o1, o2), same(q1, q2), same(w1, w2);
                char raw1[5] = {}, raw2[5] = {};
                QCOMPARE(ours.readRawData(raw1, 5), theirs.readRawData(raw2, 5));
                QCOMPARE(QByteArray(raw1, 5), QByteArray(raw2, 5));
                QCOMPARE(ours.status(), theirs.status());
                QCOMPARE(ours.skipRawData(3), theirs.skipRawData(3));
                QCOMPARE(ours.status(), theirs.status());
                QCOMPARE(e1.isNull(), e2.isNull());
                ours.resetStatus();
                theirs.resetStatus();
                const bool back = round % 9 <= bytes.size();
                QCOMPARE(ours.seek(round % 9), back);
                if (back)
                    theirs.device()->seek(round % 9);
            }
        }
    }

    // A writing stream puts down the framework's bytes, over an array that
    // holds bytes already, appending to one, and after a seek back.
    void writesAsTheFrameworkDoes()
    {
        const auto record = [](auto &out) {
            out << qint32(-5) << QString("Relay K1") << 2.5 << QPointF(1, -2) << QString() << quint8(9) << true
                << float(1.25) << QColor(10, 20, 30) << QString("") << qint64(-9) << QFont("Sans", 12)
                << quint16(77) << QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC);
            out.writeRawData("raw", 3);
        };
        const QByteArray before("0123456789abcdefghijklmnopqrstuvwxyz");
        for (const QIODevice::OpenMode mode :
             {QIODevice::OpenMode(QIODevice::WriteOnly), QIODevice::WriteOnly | QIODevice::Append}) {
            QByteArray ours = before;
            QByteArray theirs = before;
            {
                DataStream out(&ours, mode);
                QDataStream ref(&theirs, mode);
                ref.setVersion(QDataStream::Qt_4_3);
                record(out);
                record(ref);
                QCOMPARE(out.pos(), ref.device()->pos());
                QVERIFY(out.seek(4));
                ref.device()->seek(4);
                out << qint32(7) << QString("back");
                ref << qint32(7) << QString("back");
                QCOMPARE(out.pos(), ref.device()->pos());
            }
            QCOMPARE(ours, theirs);
        }
    }
};

QTEST_MAIN(TestDataStream)
#include "tst_datastream.moc"
