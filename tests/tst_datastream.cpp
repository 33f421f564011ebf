#include "model/datastream.h"
#include "support/modalrecorder.h"

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
};

QTEST_MAIN(TestDataStream)
#include "tst_datastream.moc"
