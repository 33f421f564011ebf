#ifndef RLAY_COMMITRECORD_H
#define RLAY_COMMITRECORD_H

// A save replaces several files. So that a kill or a power cut at any point,
// followed even by the loss or damage of one of the files the save left,
// never costs both the old save and the new one, a save works as a journal:
// 1. every file is written beside the main file under a staged name that
//    names its target ("<main>.staged.<target>") and flushed to the disk;
// 2. a commit record ("<main>.commit") that names each target with what the
//    new file and the old one hold is written whole;
// 3. every target is renamed to a kept name ("<main>.old.<target>"), so
//    that every old file is kept until all of them are replaced;
// 4. every staged file is renamed onto its target;
// 5. the kept files, then the record are removed.
// A rename between two folders (a sheet's file and its staged or kept name)
// may reach the disk in one folder and not in the other, so each step
// stands on the disk in every folder it touched (synced in a fixed order)
// before the next begins; a folder that cannot be synced fails the save
// before anything of it is removed.
// Opening the project (or saving it again) finishes a save left behind when
// every file it wrote is there and whole, else undoes it when every old file
// is, and otherwise touches nothing, in steps that each stand on the disk as
// a save's do; a file it puts into another folder is copied there, its
// source removed only once the copy stands. A record still under its
// temporary name finishes its save when every file it names is staged
// whole; otherwise that save had not begun to replace. Without its record
// the names tell what replaces what: a save that had begun to replace is
// finished, or undone with the whole old files kept, one that had not is
// left. Leftovers are the exact names a save writes (the project's own
// files under the two prefixes, the record and its temporary name): a
// user's file that only looks like one is never touched. An open deletes
// no file it could not use; a save clears the files of a save that could
// only be undone, as it writes the project anew; a save that fails (not a
// kill) puts back what it replaced and removes what it staged.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QString>

#include <functional>

class File;

class CommitRecord
{
public:
    // The record of the project whose main file has this path; its side
    // files are named beside it (the sheets' files lie in numbered folders).
    explicit CommitRecord(const QString &mainPath, const QStringList &sideFiles = QStringList());

    // The names a file with this target (relative to the main file's
    // directory) is staged and kept under while a save replaces it.
    QString stagedPath(const QString &target) const;
    QString keptPath(const QString &target) const;
    QString recordPath() const;
    // Where the record is written whole before it takes its name.
    QString temporaryRecordPath() const;

    // Writes the file under its staged name, as part of this save; false
    // after the file's message.
    bool stage(File *file);
    // Writes the record of the staged files, replaces their targets and
    // removes what the replacement kept; false after a message. At a failure
    // after the record, what is on disk stays for the next open or save.
    bool commit();
    // After a save that failed: what it replaced is put back and what it
    // staged removed; after a kill (the test seam), all stays for the next
    // open or save.
    void drop();

    enum Outcome {
        Clean,    // nothing of an interrupted save was there
        Finished, // its replacements were finished: the new save stands
        Undone,   // nothing of it stands: the old save does
        Stuck     // neither could be made whole: nothing was touched
    };
    // Finishes or undoes what an interrupted save left beside the main file.
    // Where the last load or save left nothing (tidy), only the record is
    // looked for, not every name in the folder. With clear, the files of a
    // save that could only be undone are removed as well.
    Outcome recover(bool tidy = false, bool clear = false);
    // Whether the last recover left nothing of an interrupted save.
    bool isTidy() const { return m_tidy; }
    // What the user is told of an outcome other than Clean.
    QString outcomeText(Outcome outcome) const;

    // For tests: asked before each step on disk of a save (staging a file,
    // writing the record, each rename and removal) with the number of steps
    // done so far; true stops the save there as a kill would: nothing more
    // happens on disk and the save returns false. Null never stops.
    using Interruption = std::function<bool(int step)>;
    static void setInterruption(Interruption stop);

private:
    // A new file is known by its length and by the checksum and date-time
    // of its header record, which each save writes anew; the old file by its
    // length and its first bytes (the container's header, whose checksum is
    // then tested against the payload). Without a record only the
    // container's own checksum tells a whole file.
    struct Entry
    {
        QString staged; // a name beside the main file
        QString target; // relative to the main file's directory
        bool recorded = true;
        qint64 length = 0;
        quint16 checkSum = 0;
        QDateTime dateTime;
        bool oldKnown = true;  // records of an earlier build keep no old file
        qint64 oldLength = -1; // -1: the target did not exist
        QByteArray oldHead;
    };

    bool stopsHere();
    QString targetOf(const File *file) const;
    QByteArray recordBytes() const;
    bool read(const QString &path, QList<Entry> &entries) const;
    QString keptPath(const Entry &entry) const;
    // Moves an old file to its kept name before its new one comes.
    static bool keepAside(const QString &path, const QString &kept, bool main);
    // The entries the names of the files left tell, where no record reads.
    QList<Entry> entriesByName(const QStringList &left) const;
    // Whether the file at the path holds, whole, the new or the old file.
    static bool holds(const QString &path, const Entry &entry);
    static bool holdsOld(const QString &path, const Entry &entry);
    Outcome settle(const QList<Entry> &entries);
    bool finish(const QList<Entry> &entries, const QList<bool> &staged);
    Outcome undo(const QList<Entry> &entries);
    // Whether a target names a file a save of this project writes.
    bool isOwnTarget(const QString &target) const;
    QStringList leftovers() const;
    // A target's name in a staged or kept name; firstDot as records of an
    // earlier build wrote it.
    QString encoded(const QString &target, bool firstDot = false) const;
    QString decoded(const QString &name) const;

    QString m_directory;
    QString m_mainName;
    QString m_baseName;
    QString m_completeBaseName;
    QString m_stagedPrefix;
    QString m_keptPrefix;
    QStringList m_ownNames;
    QList<File *> m_staged;
    int m_steps = 0;
    bool m_stopped = false;
    bool m_recorded = false;
    bool m_tidy = true;
};

#endif
