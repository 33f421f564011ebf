#ifndef RLAY_COMMITRECORD_H
#define RLAY_COMMITRECORD_H

// A save replaces several files, one rename each. So that a kill or a power
// cut between two renames never leaves a project that cannot be opened, the
// save writes every file under a staged name beside the main file
// ("<main>.staged.<n>"), then a small commit record ("<main>.commit") that
// names each staged file and the file it replaces, and only then renames the
// staged files onto their targets and removes the record. Opening the
// project (or saving it again) finishes the replacements of a record left
// behind when every file it names is there and whole, staged or already in
// its target's place; otherwise it replaces nothing and drops the record,
// and the project stays as it was before that save. It also removes the
// staged files of a save that never reached its record.

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class File;

class CommitRecord
{
public:
    // The record of the project whose main file has this path.
    explicit CommitRecord(const QString &mainPath);

    // The name the number-th file of a save is staged under (from 1).
    QString stagedPath(int number) const;
    QString recordPath() const;

    // Writes the record of the staged files and flushes it to the disk;
    // false after a message.
    bool write(const QList<File *> &staged);
    // Renames every staged file onto its target, in order, then removes the
    // record. At a failure the rest stays staged on disk with the record,
    // and the next open or save finishes it; false (after the failing
    // file's message).
    bool replaceAll(const QList<File *> &staged);
    // Finishes or drops what an interrupted save left beside the main file;
    // true when nothing of one is left there. Where no staged file was left
    // (tidy), only the record is looked for, not every name in the folder.
    bool recover(bool tidy = false);

    // For tests: asked before each replacement and after the last with the
    // number done so far; true stops the save there as a kill would (nothing
    // more happens on disk, the save returns false). Null never stops.
    using Interruption = std::function<bool(int replaced)>;
    static void setInterruption(Interruption stop);

private:
    // A staged file is known by its length and by the checksum and
    // date-time of its header record, which each save writes anew.
    struct Entry
    {
        QString staged; // a staged name beside the main file
        QString target; // relative to the main file's directory
        qint64 length = 0;
        quint16 checkSum = 0;
        QDateTime dateTime;
    };
    bool read(QList<Entry> &entries) const;
    // Whether the file at the path holds, whole, what the entry names.
    static bool holds(const QString &path, const Entry &entry);
    bool isStagedName(const QString &name) const;

    QString m_directory;
    QString m_prefix;
    QString m_mainName;
};

#endif
