#ifndef RLAY_FILE_H
#define RLAY_FILE_H

// The container of every project file: a six-byte header (payload size and
// CRC-16) in front of a payload that starts with the file's own short name
// and the date-time of writing. The main project file keeps each side file's
// header record, so a side file that was replaced, cut short or copied from
// another project is refused on loading.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class DataStream;

// Bytes written into a file at some offset whose checksum is known apart:
// the CRC register after them from zero, and the step that carries any
// register over as many bytes. A file's checksum then combines them with
// the bytes around them without reading them again.
struct ChecksumSpan
{
    qsizetype offset = 0;
    qsizetype length = 0;
    quint16 state = 0;
    quint16 shift = 0;
};
// The span of the bytes given, at offset 0.
ChecksumSpan checksumSpan(QByteArrayView bytes);
// Bytes of a file kept from the save that wrote them, with their span.
struct KeptBlock
{
    QByteArray bytes;
    ChecksumSpan sum;
    // Takes the span of the bytes as they now are.
    void seal() { sum = checksumSpan(bytes); }
};

struct FileHeader
{
    QString name;
    int size = 0;
    quint16 checkSum = 0;
    // The date of writing, when this program wrote the file.
    QDateTime dateTime;
    // The date as a header read holds it: written back and compared as it
    // stands, converted only when asked for (a local time costs a look at
    // the system's time zone, once for each of thousands of sheets).
    QByteArray dateBytes;

    QDateTime date() const;
    bool hasDate() const;
};

class File : public QFile
{
public:
    explicit File(const QString &defaultExtension);
    ~File() override;

    void changeFileName(const QString &name);
    // The name given by changeFileName, held here: the framework's own
    // answer is built anew at every call.
    QString fileName() const override { return m_name; }
    // The same name without a copy, for passes over thousands of files.
    const QString &path() const { return m_name; }
    QString shortFileName() const;
    QString absolutePath() const;

    // Ready for one write or one read: the buffer must be empty.
    bool openFile();
    void clear(bool close);

    bool writeNameAndDate(DataStream &stream);
    // Writes header and payload. The target is replaced only once every byte
    // is written, so a failed save leaves the old file intact.
    bool save();
    bool load(DataStream &stream);

    // A save in two steps, for writing several files as one: stage() writes
    // the bytes into a file of their own (the path given, by default the
    // target's name + ".new") and flushes them to the disk, commit() renames
    // that file onto the target in one step, discard() removes it and leaves
    // the target as it was. A commit syncs the target's folder, and fails when
    // that fails, unless the caller syncs it once for several files.
    bool stage(const QString &stagedPath = QString());
    bool commit(bool syncFolder = true);
    void discard();
    bool isStaged() const { return !m_stagedPath.isEmpty(); }
    QString stagedPath() const { return m_stagedPath; }
    // Forgets the staged file and leaves it on disk, as a save killed before
    // its commit would.
    void abandonStaged() { m_stagedPath.clear(); }

    // Whether the file on disk is still the one the record describes, as
    // this program last read or wrote it: its length, the size and checksum
    // of its header, its name and its date. Only the first bytes are read.
    bool standsOnDisk() const;
    // After a load of a file that has no record (the main file, which no
    // other file records): the record becomes what the file read holds.
    void recordLoaded();

    void writeHeader(DataStream &stream) const;
    void readHeader(DataStream &stream);

    // A name "<dir>/<n><extension>" with n in 1..999 that does not exist yet;
    // empty when every number is taken.
    QString uniqueTempName(const QString &directory) const;

    QByteArray &buffer() { return m_buffer; }
    // Spans of the buffer whose checksums the writer knew: the next stage
    // combines them in place of reading their bytes. A clear forgets them.
    std::vector<ChecksumSpan> &knownSpans() { return m_knownSpans; }
    const QByteArray &buffer() const { return m_buffer; }
    FileHeader &record() { return m_record; }
    const FileHeader &record() const { return m_record; }
    QString defaultExtension() const { return m_defaultExtension; }

private:
    QString m_name;
    QString m_absolutePath;
    // Reads the file's date when its bytes are the recorded date's.
    bool recordedDateFollows(DataStream &stream) const;

    QByteArray m_buffer;
    std::vector<ChecksumSpan> m_knownSpans;
    FileHeader m_record;
    QString m_defaultExtension;
    QString m_stagedPath;
};

// The number (1 to 999, 0 while none is chosen) of a scheme group's
// directory beside the main project file.
class DirNumber
{
public:
    DirNumber() = default;
    explicit DirNumber(int number) : number(number) {}

    QString path(const QString &baseDirectory) const;
    // Draws a number when there is none (one that reserved does not claim
    // and whose directory this call makes anew) and makes the directory;
    // false after a message when no number is free or the directory cannot
    // be made.
    bool create(const QString &baseDirectory, const std::function<bool(int)> &reserved = nullptr);

    int number = 0;
};

// The clock that dates every file written: the current date-time, unless a
// test has set a clock of its own (a null clock restores the real one).
using FileClock = std::function<QDateTime()>;
void setFileClock(FileClock clock);
QDateTime fileClockNow();

// The CRC-16 of the file header, the value of qChecksum (ISO 3309), taken
// eight bytes a step: the files of a large project are checked on every
// load.
quint16 fileChecksum(QByteArrayView data);
// The same checksum of data that holds the spans given, in order and apart,
// each at its offset: only the bytes between them are read. Spans that do
// not lie so within the data are not trusted, and every byte is read.
quint16 fileChecksum(QByteArrayView data, const std::vector<ChecksumSpan> &spans);
// The bytes of a file's header, before its payload: the payload's size and
// checksum.
inline constexpr int fileHeaderSize = 6;

// Which file or folder stands at the path now (its device and inode);
// false when none does.
bool fileIdentity(const QString &path, quint64 *device, quint64 *inode);
// What changes whenever an entry of a folder is added, removed or renamed:
// the folder's identity and the time of its last change. Null when no
// folder stands at the path.
struct FolderStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 changed = 0;
    bool isNull() const { return inode == 0; }
    bool operator==(const FolderStamp &o) const
    {
        return device == o.device && inode == o.inode && changed == o.changed;
    }
};
FolderStamp folderStamp(const QString &path);
// The same for a file: it changes when the file is written or another is
// put in its place. Null when no file stands at the path.
FolderStamp fileStamp(const QString &path);
// Whether two paths name the same file, however spelled (a doubled slash,
// "." or "..", a folder reached through a link): the same name in the same
// folder, as a project's lock beside its main file is known.
bool isSameFile(const QString &a, const QString &b);

// Flushes a written file's bytes, or a directory's entries (the names just
// renamed or removed in it), to the disk; false when the system refuses.
bool syncToDisk(const QString &path);
// Renames a file onto another in one step, replacing it; false on failure.
bool replaceFile(const QString &from, const QString &to);
// Removes a file; false when the system refuses.
bool removeFile(const QString &path);
// Makes a folder that does not stand yet; false when one stands there
// already (errno EEXIST) or the system refuses.
bool makeFolder(const QString &path);
// For tests: each step the four above take on the disk is shown to the
// watch before it is taken; one the watch refuses fails as one the system
// refuses. Null watches nothing.
enum class DiskStep { Sync, Rename, Remove, MakeFolder };
using DiskWatch = std::function<bool(DiskStep step, const QString &path, const QString &to)>;
void setDiskWatch(DiskWatch watch);
// The message for a folder whose names could not be synced to the disk.
QString syncFailureText(const QString &folder, int error);
// The message for a file that could not be renamed or replaced, given the
// system's error: the folder and the reason when its folder may not be
// written, else that the file's data is not written.
QString writeFailureText(const QString &path, int error);

// Picks a number in 1..999 for which taken(number) is false: random draws
// first, then every number in turn. Returns 0 when all are taken.
int pickFreeNumber(const std::function<bool(int)> &taken);

#endif
