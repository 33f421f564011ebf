// Saving and loading the file container with large payloads.
#include "model/datastream.h"
#include "model/file.h"

#include <QTemporaryDir>
#include <QtTest>

class BenchFile : public QObject
{
    Q_OBJECT

private slots:
    void saveLoad_data()
    {
        QTest::addColumn<int>("megabytes");
        QTest::newRow("1 MB") << 1;
        QTest::newRow("10 MB") << 10;
    }

    void saveLoad()
    {
        QFETCH(int, megabytes);
        QTemporaryDir dir;
        File f(".obj");
        f.changeFileName(dir.path() + "/bench.obj");
        const QByteArray content(megabytes << 20, 'x');
        QBENCHMARK {
            {
                DataStream s(&f.buffer(), QIODevice::WriteOnly);
                s.setFormatIndex(DataStream::CurrentFormat);
                f.writeNameAndDate(s);
                s.writeRawData(content.constData(), content.size());
                f.save();
                f.clear(false);
            }
            DataStream r(&f.buffer(), QIODevice::ReadOnly);
            r.setFormatIndex(DataStream::CurrentFormat);
            f.load(r);
            f.clear(false);
        }
    }
};

QTEST_MAIN(BenchFile)
#include "bench_file.moc"
