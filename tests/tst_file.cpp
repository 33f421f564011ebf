#include "model/datastream.h"
#include "model/file.h"
#include "model/fileprefetch.h"
#include "support/modalrecorder.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Writes a file with the given content after the name and date.
bool writeFile(File &f, const QByteArray &content)
{
    DataStream s(&f.buffer(), QIODevice::WriteOnly);
    s.setFormatIndex(DataStream::CurrentFormat);
    if (!f.writeNameAndDate(s))
        return false;
    s.writeRawData(content.constData(), content.size());
    const bool ok = f.save();
    f.clear(false);
    return ok;
}

bool loadFile(File &f, QByteArray *rest = nullptr)
{
    DataStream s(&f.buffer(), QIODevice::ReadOnly);
    s.setFormatIndex(DataStream::CurrentFormat);
    const bool ok = f.load(s);
    if (ok && rest)
        *rest = f.buffer().mid(int(s.device()->pos()));
    f.clear(false);
    return ok;
}

QByteArray readAll(const QString &name)
{
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeRaw(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

} // namespace

class TestFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString &n) { return dir.path() + "/" + n; }

private slots:
    void layoutIsSizeChecksumPayload()
    {
        ModalRecorder rec;
        File f(".obj");
        f.changeFileName(path("p.obj"));
        QVERIFY(writeFile(f, QByteArray("\x01\x02\x03", 3)));
        const QByteArray bytes = readAll(path("p.obj"));
        const int n = bytes.size() - 6;
        QCOMPARE(f.record().size, n);
        // size, big-endian
        QCOMPARE(quint8(bytes[0]), quint8(n >> 24));
        QCOMPARE(quint8(bytes[3]), quint8(n & 0xff));
        const QByteArray payload = bytes.mid(6);
        const quint16 crc = qChecksum(QByteArrayView(payload));
        QCOMPARE(quint8(bytes[4]), quint8(crc >> 8));
        QCOMPARE(quint8(bytes[5]), quint8(crc & 0xff));
        QCOMPARE(f.record().checkSum, crc);
        // payload: the short name, the date-time, then the content
        QByteArray pl = payload;
        DataStream s(&pl, QIODevice::ReadOnly);
        QString name;
        QDateTime dt;
        s >> name >> dt;
        QCOMPARE(name, QString("p.obj"));
        QCOMPARE(dt, f.record().dateTime);
        QCOMPARE(payload.right(3), QByteArray("\x01\x02\x03", 3));
        QCOMPARE(rec.count(), 0);

        QByteArray rest;
        QVERIFY(loadFile(f, &rest));
        QCOMPARE(rest, QByteArray("\x01\x02\x03", 3));
    }

    void emptyPayloadIsSixBytes()
    {
        ModalRecorder rec;
        File f(".obj");
        f.changeFileName(path("empty.obj"));
        QVERIFY(f.save());
        QCOMPARE(readAll(path("empty.obj")), QByteArray("\x00\x00\x00\x00\x00\x00", 6));
        QCOMPARE(qChecksum(QByteArrayView("123456789")), quint16(0x906E));
        // The files' own CRC, eight bytes a step, is qChecksum's at every
        // length and tail.
        QByteArray bytes;
        for (int n = 0; n < 40; bytes.append(char(n * 37 + 11)), ++n)
            QCOMPARE(fileChecksum(bytes), qChecksum(QByteArrayView(bytes)));
        // Long runs are folded: random bytes at every offset and length,
        // the bitwise sum the reference.
        QRandomGenerator random(7);
        QByteArray noise(5000, Qt::Uninitialized);
        for (char &c : noise)
            c = char(random.bounded(256));
        for (int round = 0; round < 400; ++round) {
            const auto at = qsizetype(random.bounded(16));
            const auto n = qsizetype(random.bounded(round < 200 ? 300 : int(noise.size() - at)));
            const QByteArrayView run = QByteArrayView(noise).sliced(at, n);
            QCOMPARE(fileChecksum(run), qChecksum(run));
        }
    }

    void folderIsTheFileInfoOne()
    {
        for (const char *name : {"/a/b/3.schm", "/3.schm", "/a//b/3.schm", "/a/./3.schm", "/a/b/../3.schm",
                                 "/a/b/.", "/a/b/..", "/a/b/"}) {
            File f(".schm");
            f.changeFileName(QString::fromLatin1(name));
            QCOMPARE(f.absolutePath(), QFileInfo(QString::fromLatin1(name)).absolutePath());
        }
    }

    // Spans of known checksum, short and long, touching or apart, give the
    // checksum of every byte read; spans that overlap are not trusted.
    void knownSpansGiveTheWholeChecksum()
    {
        QByteArray bytes;
        for (int n = 0; n < 5000; ++n)
            bytes.append(char(n * 7919 % 251));
        const QList<QList<int>> cuts = {{0, 0}, {0, 5000}, {3, 70}, {3, 70, 70, 900, 901, 4999}, {10, 20, 15, 30}};
        for (const QList<int> &cut : cuts) {
            std::vector<ChecksumSpan> spans;
            for (qsizetype i = 0; i < cut.size(); i += 2) {
                spans.push_back(checksumSpan(QByteArrayView(bytes).sliced(cut[i], cut[i + 1] - cut[i])));
                spans.back().offset = cut[i];
            }
            QCOMPARE(fileChecksum(bytes, spans), qChecksum(QByteArrayView(bytes)));
        }
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("short") << 0 << "Header file %1 is corrupt!";
        QTest::newRow("empty") << 1 << "Header file %1 is corrupt!";
        QTest::newRow("truncated") << 2 << "Size file %1 not correct!";
        QTest::newRow("flipped") << 3 << "Check summ file %1 not correct!";
        QTest::newRow("recorded size") << 4 << "Size file %1 not correct!";
        QTest::newRow("recorded checksum") << 5 << "Check summ file %1 not correct!";
        QTest::newRow("renamed") << 6 << "Name file %1 is corrupt!";
        QTest::newRow("older copy") << 7 << "DateTime file %1 is corrupt!";
        QTest::newRow("missing") << 8 << "Cannot open file %1!";
    }

    void damagedFilesAreRefused()
    {
        QFETCH(int, damage);
        QFETCH(QString, message);
        ModalRecorder rec;
        const QString name = path("d.schm");
        File f(".schm");
        f.changeFileName(name);
        QVERIFY(writeFile(f, "content"));
        QByteArray bytes = readAll(name);
        QString target = name;
        switch (damage) {
        case 0: writeRaw(name, bytes.left(5)); break;
        case 1: writeRaw(name, QByteArray()); break;
        case 2: writeRaw(name, bytes.left(bytes.size() - 1)); break;
        case 3: bytes[bytes.size() - 2] = char(bytes[bytes.size() - 2] ^ 0x10); writeRaw(name, bytes); break;
        case 4: f.record().size += 1; break;
        case 5: f.record().checkSum ^= 1; break;
        case 6: target = path("other.schm"); writeRaw(target, bytes); break;
        case 7: f.record().dateTime = f.record().dateTime.addSecs(-60); break;
        case 8: QFile::remove(name); break;
        }
        File g(".schm");
        g.changeFileName(target);
        g.record() = f.record();
        QVERIFY(!loadFile(g));
        QCOMPARE(rec.texts(), QStringList{message.arg(target)});
        if (damage == 8)
            QVERIFY(!QFile::exists(name)); // loading never creates a file
    }

    void zeroRecordAcceptsAnyDate()
    {
        ModalRecorder rec;
        File f(".rlay");
        f.changeFileName(path("m.rlay"));
        QVERIFY(writeFile(f, "main"));
        File g(".rlay");
        g.changeFileName(path("m.rlay"));
        QVERIFY(loadFile(g));
        // the same file against its own full record also loads
        g.record() = f.record();
        QVERIFY(loadFile(g));
        QCOMPARE(rec.count(), 0);
    }

    void openFileInsistsOnEmptyBuffer()
    {
        ModalRecorder rec;
        File f(".obj");
        f.changeFileName(path("b.obj"));
        f.buffer() = "x";
        QVERIFY(!f.openFile());
        QCOMPARE(rec.count(), 2);
        QVERIFY(rec.shown[0].text.endsWith("FALSE expression"));
        QCOMPARE(rec.shown[1].text, QString("Cannot open file %1!").arg(path("b.obj")));
    }

    void headerRecordRoundTrip()
    {
        File f(".spd");
        f.record().name = "x.spd";
        f.record().size = 1234;
        f.record().checkSum = 0xBEEF;
        f.record().dateTime = QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5));
        QByteArray buf;
        {
            DataStream s(&buf, QIODevice::WriteOnly);
            f.writeHeader(s);
        }
        QCOMPARE(buf.size(), 4 + 10 + 4 + 2 + 9);
        File g(".spd");
        DataStream r(&buf, QIODevice::ReadOnly);
        g.readHeader(r);
        QCOMPARE(g.record().name, f.record().name);
        QCOMPARE(g.record().size, 1234);
        QCOMPARE(g.record().checkSum, quint16(0xBEEF));
        QCOMPARE(g.record().date(), f.record().dateTime);
    }

    void stagedSaveReplacesOnlyOnCommit()
    {
        ModalRecorder rec;
        const QString name = path("s.eqm");
        File f(".eqm");
        f.changeFileName(name);
        QVERIFY(writeFile(f, "old"));
        const QByteArray before = readAll(name);

        DataStream s(&f.buffer(), QIODevice::WriteOnly);
        QVERIFY(f.writeNameAndDate(s));
        s.writeRawData("new content", 11);
        QVERIFY(f.stage());
        QCOMPARE(readAll(name), before);
        f.discard();
        QCOMPARE(readAll(name), before);
        QCOMPARE(QDir(dir.path()).entryList({"s.eqm*"}, QDir::Files | QDir::Hidden), QStringList{"s.eqm"});

        QVERIFY(f.stage());
        QVERIFY(f.commit());
        f.clear(false);
        QVERIFY(readAll(name) != before);
        QByteArray rest;
        QVERIFY(loadFile(f, &rest));
        QCOMPARE(rest, QByteArray("new content"));
        QCOMPARE(rec.count(), 0);
    }

    void saveIntoMissingDirectoryFails()
    {
        ModalRecorder rec;
        File f(".obj");
        f.changeFileName(path("no/such/dir/x.obj"));
        QVERIFY(!f.save());
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.shown[0].text, QString("Cannot open file %1!").arg(path("no/such/dir/x.obj")));
    }

    void uniqueTempNameAndDirNumber()
    {
        const QString d = path("names");
        QDir().mkpath(d);
        File f(".sch");
        for (int i = 0; i < 50; ++i) {
            const QString n = f.uniqueTempName(d);
            QVERIFY(n.endsWith(".sch"));
            const int num = QFileInfo(n).completeBaseName().toInt();
            QVERIFY(num >= 1 && num <= 999);
            QVERIFY(!QFile::exists(n));
            writeRaw(n, "x");
        }
        // every number taken: an empty name, never an endless loop
        for (int i = 1; i < 1000; ++i)
            writeRaw(d + "/" + QString::number(i) + ".sch", "x");
        QVERIFY(f.uniqueTempName(d).isEmpty());

        ModalRecorder rec;
        DirNumber dn;
        QVERIFY(dn.create(path("base")));
        QVERIFY(dn.number >= 1 && dn.number <= 999);
        QVERIFY(QDir(dn.path(path("base"))).exists());
        const int kept = dn.number;
        QDir(dn.path(path("base"))).removeRecursively();
        QVERIFY(dn.create(path("base")));
        QCOMPARE(dn.number, kept);
        QCOMPARE(dn.path("/x"), QString("/x/%1").arg(kept));
        QCOMPARE(rec.count(), 0);
    }

    // Thousands of mutated files: each answers false with one message, or
    // loads; none crashes, hangs or reads past the file.
    void mutatedFilesNeverCrash()
    {
        ModalRecorder rec;
        const QString name = path("fuzz.obj");
        File f(".obj");
        f.changeFileName(name);
        QVERIFY(writeFile(f, QByteArray(300, 'q')));
        const QByteArray good = readAll(name);
        const FileHeader record = f.record();
        QRandomGenerator rng(12345);
        int refused = 0;
        for (int i = 0; i < 3000; ++i) {
            QByteArray bytes = good;
            switch (i % 5) {
            case 0: bytes.truncate(int(rng.bounded(bytes.size()))); break;
            case 1: bytes[int(rng.bounded(bytes.size()))] ^= char(1 << rng.bounded(8)); break;
            case 2: { // a huge stated size
                bytes[0] = char(rng.bounded(256));
                bytes[1] = char(rng.bounded(256));
                break;
            }
            case 3: for (int k = 0; k < 5; ++k) bytes[int(rng.bounded(bytes.size()))] = char(rng.bounded(256)); break;
            case 4: bytes.append(QByteArray(int(rng.bounded(20)) + 1, char(rng.bounded(256)))); break;
            }
            writeRaw(name, bytes);
            File g(".obj");
            g.changeFileName(name);
            if (i % 2)
                g.record() = record;
            rec.clear();
            const bool ok = loadFile(g);
            if (ok) {
                QCOMPARE(rec.count(), 0);
            } else {
                QCOMPARE(rec.count(), 1);
                QVERIFY(rec.shown[0].text.contains(name));
                ++refused;
            }
            QVERIFY(g.buffer().isEmpty());
        }
        QVERIFY(refused > 2900);
    }

    // Files read ahead come out in the order asked for; the ones passed over,
    // missing or never listed are left to the caller.
    void prefetchHandsOverFilesInOrder()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a"), missing = dir.filePath("missing"), c = dir.filePath("c");
        for (const QString &path : {a, c}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(path.toUtf8());
        }
        QVERIFY(!FilePrefetch::active());
        {
            FilePrefetch prefetch({a, missing, c});
            QCOMPARE(FilePrefetch::active(), &prefetch);
            QByteArray bytes;
            QVERIFY(prefetch.take(a, &bytes));
            QCOMPARE(bytes, a.toUtf8());
            QVERIFY(!prefetch.take(missing, &bytes));
            QVERIFY(!prefetch.take(dir.filePath("other"), &bytes));
            QVERIFY(prefetch.take(c, &bytes));
            QCOMPARE(bytes, c.toUtf8());
            QVERIFY(!prefetch.take(a, &bytes));
        }
        QVERIFY(!FilePrefetch::active());
    }
};

QTEST_MAIN(TestFile)
#include "tst_file.moc"
