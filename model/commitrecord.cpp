#include "model/commitrecord.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const quint32 recordMagic = 0x524C4332; // "RLC2"
// The container's header: payload size and checksum.
const int recordHeaderSize = 6;

CommitRecord::Interruption &interruption()
{
    static CommitRecord::Interruption stop;
    return stop;
}

// A path below the project's directory, written relative to it.
bool isSafeRelativePath(const QString &path)
{
    if (path.isEmpty() || QDir::isAbsolutePath(path) || path.contains(QLatin1Char('\\')) || path.contains(QChar(0)))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace

CommitRecord::CommitRecord(const QString &mainPath)
{
    const QFileInfo info(mainPath);
    m_directory = info.absolutePath();
    m_mainName = info.fileName();
    m_prefix = m_mainName + QStringLiteral(".staged.");
}

QString CommitRecord::stagedPath(int number) const
{
    return m_directory + QLatin1Char('/') + m_prefix + QString::number(number);
}

QString CommitRecord::recordPath() const
{
    return m_directory + QLatin1Char('/') + m_mainName + QStringLiteral(".commit");
}

void CommitRecord::setInterruption(Interruption stop)
{
    interruption() = std::move(stop);
}

bool CommitRecord::isStagedName(const QString &name) const
{
    return name.startsWith(m_prefix) && !name.contains(QLatin1Char('/'));
}

bool CommitRecord::write(const QList<File *> &staged)
{
    QByteArray bytes;
    {
        DataStream out(&bytes, QIODevice::WriteOnly);
        out.setFormatIndex(DataStream::CurrentFormat);
        out << recordMagic << qint32(staged.size());
        const QDir directory(m_directory);
        for (const File *file : staged) {
            if (!CHECK_PTR(file) || !CHECK(file->isStaged()))
                return false;
            out << QFileInfo(file->stagedPath()).fileName()
                << directory.relativeFilePath(QFileInfo(file->fileName()).absoluteFilePath())
                << qint64(QFileInfo(file->stagedPath()).size()) << file->record().checkSum
                << file->record().date();
        }
        out << quint16(qChecksum(QByteArrayView(bytes)));
    }
    // Written whole under a staged name first: a record stands complete or
    // not at all.
    const QString temporary = stagedPath(0);
    QFile file(temporary);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.flush();
    file.close();
    ok = ok && syncToDisk(temporary) && replaceFile(temporary, recordPath()) && syncToDisk(m_directory);
    if (!ok) {
        QFile::remove(temporary);
        showError(QCoreApplication::translate("QObject",
                                              "Write data in file %1 is not correct! Promptly need save as project!")
                      .arg(recordPath()));
    }
    return ok;
}

bool CommitRecord::read(QList<Entry> &entries) const
{
    QFile file(recordPath());
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1 << 20)
        return false;
    QByteArray bytes = file.readAll();
    if (bytes.size() < 2)
        return false;
    const QByteArray body = bytes.left(bytes.size() - 2);
    DataStream in(&bytes, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    quint32 magic = 0;
    qint32 count = 0;
    in >> magic >> count;
    if (magic != recordMagic || count < 0 || count > body.size())
        return false;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Entry entry;
        in >> entry.staged >> entry.target >> entry.length >> entry.checkSum >> entry.dateTime;
        if (!isStagedName(entry.staged) || !isSafeRelativePath(entry.target))
            return false;
        entries.append(entry);
    }
    quint16 checkSum = 0;
    in >> checkSum;
    return in.status() == QDataStream::Ok && in.atEnd() && checkSum == qChecksum(QByteArrayView(body));
}

bool CommitRecord::replaceAll(const QList<File *> &staged)
{
    for (int i = 0; i <= staged.size(); ++i) {
        if (interruption() && interruption()(i)) {
            for (int j = i; j < staged.size(); ++j)
                staged[j]->abandonStaged();
            return false;
        }
        if (i < staged.size() && !staged[i]->commit()) {
            for (int j = i; j < staged.size(); ++j)
                staged[j]->abandonStaged();
            return false;
        }
    }
    QFile::remove(recordPath());
    syncToDisk(m_directory);
    return true;
}

bool CommitRecord::holds(const QString &path, const Entry &entry)
{
    QFile file(path);
    if (entry.length < recordHeaderSize || file.size() != entry.length || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    if (bytes.size() != entry.length)
        return false;
    const QByteArrayView payload = QByteArrayView(bytes).sliced(recordHeaderSize);
    DataStream in(&bytes, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    qint32 size = 0;
    quint16 checkSum = 0;
    QString name;
    QDateTime dateTime;
    in >> size >> checkSum >> name >> dateTime;
    return in.status() == QDataStream::Ok && size == payload.size() && checkSum == entry.checkSum
        && dateTime == entry.dateTime && fileChecksum(payload) == checkSum;
}

bool CommitRecord::recover(bool tidy)
{
    const QDir directory(m_directory);
    const bool recorded = QFile::exists(recordPath());
    if (tidy && !recorded)
        return true;
    if (recorded) {
        // Before anything is replaced, every file the record names must be
        // there and whole: staged, or already in its target's place (a
        // replacement done before the save or its recovery was cut short).
        // A staged file that something else removed or changed leaves every
        // target as it was.
        QList<Entry> entries;
        bool whole = read(entries);
        QList<bool> done;
        for (const Entry &entry : std::as_const(entries)) {
            const QString staged = directory.filePath(entry.staged);
            done << !QFile::exists(staged);
            if (!holds(done.last() ? directory.filePath(entry.target) : staged, entry))
                whole = false;
        }
        for (qsizetype i = 0; whole && i < entries.size(); ++i) {
            const Entry &entry = entries[i];
            const QString from = directory.filePath(entry.staged);
            if (done[i])
                continue;
            const QString to = directory.filePath(entry.target);
            directory.mkpath(QFileInfo(to).absolutePath());
            if (replaceFile(from, to))
                syncToDisk(QFileInfo(to).absolutePath());
        }
        QFile::remove(recordPath());
    }
    // Whatever is staged now belongs to no record.
    bool removed = false;
    bool left = QFile::exists(recordPath());
    for (const QString &name : directory.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isStagedName(name))
            continue;
        if (QFile::remove(directory.filePath(name)))
            removed = true;
        else
            left = true;
    }
    if (removed)
        syncToDisk(m_directory);
    return !left;
}
