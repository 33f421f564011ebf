// Saving and loading the file container with large payloads of 1 and
// 10 MB (with --huge also 100 MB): the save staged beside its target,
// synced and put in place, the load checked for its size and checksum.
// Each is timed over five rounds (median) beside its floor: the same
// bytes written with the same syncs and renaming, and read back once.
#include "model/datastream.h"
#include "model/file.h"
#include "model/heappages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

const int rounds = 5;

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The floor of a save: the bytes written beside the target, synced,
// renamed over it and the folder synced.
qint64 rawWriteNs(const QString &path, const QByteArray &bytes)
{
    QElapsedTimer t;
    t.start();
    const QString staged = path + QStringLiteral(".new");
    {
        QFile f(staged);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
            || f.write(bytes) != bytes.size())
            return -1;
    }
    if (!syncToDisk(staged) || !replaceFile(staged, path) || !syncToDisk(QFileInfo(path).absolutePath()))
        return -1;
    return t.nsecsElapsed();
}

qint64 rawReadNs(const QString &path, qint64 expected)
{
    QElapsedTimer t;
    t.start();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || f.readAll().size() != expected)
        return -1;
    return t.nsecsElapsed();
}

} // namespace

int main(int argc, char **argv)
{
    // Timed with the heap as the program runs it.
    setUpHeap();
    QCoreApplication app(argc, argv);
    QList<int> sizes{1, 10};
    if (app.arguments().contains(QStringLiteral("--huge")))
        sizes.append(100);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n", qPrintable(dir.errorString()));
        return 1;
    }
    std::printf("%6s %10s %10s %8s %10s %10s %8s\n", "MB", "save ms", "raw write", "x floor", "load ms", "raw read",
                "x floor");
    for (int megabytes : sizes) {
        const QString path = dir.path() + QStringLiteral("/bench%1.obj").arg(megabytes);
        const QByteArray content(megabytes << 20, 'x');
        QList<qint64> save, load, write, read;
        qint64 fileSize = 0;
        for (int round = 0; round < rounds; ++round) {
            File f(QStringLiteral(".obj"));
            f.changeFileName(path);
            QElapsedTimer t;
            t.start();
            {
                DataStream s(&f.buffer(), QIODevice::WriteOnly);
                s.setFormatIndex(DataStream::CurrentFormat);
                f.writeNameAndDate(s);
                s.writeRawData(content.constData(), content.size());
            }
            const bool saved = f.save();
            save.append(t.nsecsElapsed());
            f.clear(false);
            fileSize = QFileInfo(path).size();
            File r(QStringLiteral(".obj"));
            r.changeFileName(path);
            t.restart();
            DataStream s(&r.buffer(), QIODevice::ReadOnly);
            s.setFormatIndex(DataStream::CurrentFormat);
            const bool loaded = r.load(s);
            load.append(t.nsecsElapsed());
            r.clear(false);
            const QByteArray bytes = [&path] {
                QFile raw(path);
                return raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
            }();
            write.append(rawWriteNs(path + QStringLiteral(".raw"), bytes));
            read.append(rawReadNs(path + QStringLiteral(".raw"), fileSize));
            if (!saved || !loaded || write.last() < 0 || read.last() < 0) {
                std::fprintf(stderr, "%d MB: save %d, load %d, raw write or read failed\n", megabytes, saved, loaded);
                return 1;
            }
        }
        const double ms[4] = {median(save) / 1e6, median(write) / 1e6, median(load) / 1e6, median(read) / 1e6};
        std::printf("%6d %10.1f %10.1f %8.1f %10.1f %10.1f %8.1f\n", megabytes, ms[0], ms[1], ms[0] / ms[1], ms[2],
                    ms[3], ms[2] / ms[3]);
    }
    return 0;
}
