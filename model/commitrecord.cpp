#include "model/commitrecord.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/file.h"
#include "model/qobjecttext.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <iterator>

#include <unistd.h>

namespace {

// Records of earlier builds are still finished: the first named no old
// files, the second shortened staged names only by the main file's name up
// to its first dot.
const quint32 recordMagicWithoutOld = 0x524C4332; // "RLC2"
const quint32 recordMagicFirstDot = 0x524C4333;   // "RLC3"
const quint32 recordMagic = 0x524C4334;           // "RLC4"

// The escapes of a target's name in a staged or kept name.
const struct
{
    QChar plain;
    const char *escaped;
} targetEscapes[] = {{QLatin1Char('%'), "%25"}, {QLatin1Char('/'), "%2F"}, {QLatin1Char('~'), "%7E"}};

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

// Whether the file is a whole container: its header's size and checksum
// agree with its payload.
bool isWholeContainer(const QByteArray &bytes)
{
    return bytes.size() >= fileHeaderSize && qFromBigEndian<qint32>(bytes.constData()) == bytes.size() - fileHeaderSize
        && fileChecksum(QByteArrayView(bytes).sliced(fileHeaderSize)) == qFromBigEndian<quint16>(bytes.constData() + 4);
}

QByteArray bytesOfFile(const QString &path, qint64 length = -1)
{
    QFile file(path);
    if ((length >= 0 && file.size() != length) || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Syncs each folder's names to the disk once, in a fixed order, so that a
// failure is the same from one run to the next; false at the first that
// fails, after its message when told.
bool syncFolders(QStringList folders, bool tell)
{
    folders.sort();
    folders.removeDuplicates();
    for (const QString &folder : std::as_const(folders)) {
        if (!syncToDisk(folder)) {
            const int error = errno;
            if (tell)
                showError(syncFailureText(folder, error));
            return false;
        }
    }
    return true;
}

// Writes a copy of a file, whole on the disk, under another name; what
// stood under that name goes.
bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    // The target may share its bytes with another name: it is replaced,
    // not written through.
    if (source.error() != QFileDevice::NoError || (QFile::exists(to) && !removeFile(to)))
        return false;
    QFile target(to);
    const bool ok = target.open(QIODevice::WriteOnly | QIODevice::NewOnly) && target.write(bytes) == bytes.size()
        && target.flush();
    target.close();
    if (ok && syncToDisk(to))
        return true;
    // A copy cut short by a full disk is no copy.
    if (target.exists())
        removeFile(to);
    return false;
}

// Puts a file in the place of another, for an open that finishes or undoes
// a save: renamed within a folder, copied whole to the disk into another
// folder, where a rename may reach the disk as a removal from one folder
// without the name in the other. A copy leaves its source to be removed
// once the folders are synced. Without room for the copy (a save that
// failed for a full disk), the file is renamed: both folders are synced
// before the next step.
bool moveInto(const QString &from, const QString &to)
{
    if (QFileInfo(from).absolutePath() == QFileInfo(to).absolutePath())
        return replaceFile(from, to);
    return copyWhole(from, to) || replaceFile(from, to);
}

} // namespace

CommitRecord::CommitRecord(const QString &mainPath, const QStringList &sideFiles)
{
    const QFileInfo info(mainPath);
    m_directory = info.absolutePath();
    m_mainName = info.fileName();
    // The side files' names begin with one of them (an older project's up
    // to the first dot): their staged names stay short.
    m_baseName = info.baseName();
    m_completeBaseName = info.completeBaseName();
    m_stagedPrefix = m_mainName + QStringLiteral(".staged.");
    m_keptPrefix = m_mainName + QStringLiteral(".old.");
    m_ownNames.append(m_mainName);
    for (const QString &side : sideFiles)
        m_ownNames.append(QFileInfo(side).fileName());
}

bool CommitRecord::isOwnTarget(const QString &target) const
{
    // Beside the main file its side files; the sheets' files each in a
    // numbered folder, named by a number too.
    static const QRegularExpression sheet(QStringLiteral("^[0-9]+/[0-9]+\\.sch$"));
    return !target.isEmpty() && (m_ownNames.contains(target) || sheet.match(target).hasMatch());
}

QString CommitRecord::encoded(const QString &target, bool firstDot) const
{
    // "~~" stands for the name up to the last dot, "~" for the name up to
    // the first; a '~' of the name itself is escaped.
    const bool whole = !firstDot && m_completeBaseName.size() > m_baseName.size()
        && target.startsWith(m_completeBaseName);
    const bool shared = whole || (!m_baseName.isEmpty() && target.startsWith(m_baseName));
    QString name = whole ? target.mid(m_completeBaseName.size()) : shared ? target.mid(m_baseName.size()) : target;
    for (const auto &escape : targetEscapes)
        name.replace(escape.plain, QLatin1String(escape.escaped));
    return whole ? QStringLiteral("~~") + name : shared ? QLatin1Char('~') + name : name;
}

QString CommitRecord::decoded(const QString &name) const
{
    const bool whole = name.startsWith(QStringLiteral("~~"));
    const bool shared = whole || name.startsWith(QLatin1Char('~'));
    QString target = whole ? m_completeBaseName : shared ? m_baseName : QString();
    for (qsizetype i = whole ? 2 : shared ? 1 : 0; i < name.size(); ++i) {
        if (name[i] != QLatin1Char('%')) {
            target += name[i];
            continue;
        }
        const auto escape = std::find_if(std::begin(targetEscapes), std::end(targetEscapes), [&](const auto &e) {
            return QStringView(name).mid(i, 3) == QLatin1String(e.escaped);
        });
        if (escape == std::end(targetEscapes))
            return QString();
        target += escape->plain;
        i += 2;
    }
    return isSafeRelativePath(target) ? target : QString();
}

QString CommitRecord::stagedPath(const QString &target) const
{
    return m_directory + QLatin1Char('/') + m_stagedPrefix + encoded(target);
}

QString CommitRecord::keptPath(const QString &target) const
{
    return m_directory + QLatin1Char('/') + m_keptPrefix + encoded(target);
}

bool CommitRecord::keepAside(const QString &path, const QString &kept, bool main)
{
    // The main file stays in its place, copied, until the new one replaces
    // it: the project can be opened, and what was cut short finished or
    // undone by that open, at every step.
    return main ? copyWhole(path, kept) : replaceFile(path, kept);
}

QString CommitRecord::keptPath(const Entry &entry) const
{
    // Named as its staged file is, by the build that saved.
    return m_directory + QLatin1Char('/') + m_keptPrefix + entry.staged.mid(m_stagedPrefix.size());
}

QString CommitRecord::recordPath() const
{
    return m_directory + QLatin1Char('/') + m_mainName + QStringLiteral(".commit");
}

QString CommitRecord::temporaryRecordPath() const
{
    return recordPath() + QStringLiteral(".new");
}

void CommitRecord::setInterruption(Interruption stop)
{
    interruption() = std::move(stop);
}

bool CommitRecord::stopsHere()
{
    if (!m_stopped && interruption() && interruption()(m_steps++))
        m_stopped = true;
    return m_stopped;
}

QString CommitRecord::targetOf(const File *file) const
{
    return QDir(m_directory).relativeFilePath(QFileInfo(file->fileName()).absoluteFilePath());
}

bool CommitRecord::stage(File *file)
{
    if (!CHECK_PTR(file) || stopsHere())
        return false;
    const QString staged = stagedPath(targetOf(file));
    // A main file's name may be legal and still leave no room for the names
    // the save gives its files beside it.
    const long longest = pathconf(QFile::encodeName(m_directory).constData(), _PC_NAME_MAX);
    if (QFile::encodeName(QFileInfo(staged).fileName()).size() > (longest > 0 ? longest : 255)) {
        showError(tq("The name %1 is too long for the files a save writes beside it: nothing was saved. Choose a "
                     "shorter name.")
                      .arg(m_mainName));
        return false;
    }
    if (!file->stage(staged))
        return false;
    m_staged.append(file);
    return true;
}

QByteArray CommitRecord::recordBytes() const
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    out << recordMagic << qint32(m_staged.size());
    for (const File *file : m_staged) {
        if (!CHECK_PTR(file) || !CHECK(file->isStaged()))
            return QByteArray();
        // What the target holds now is what an undo puts back: its length
        // and its header, read alone.
        QFile old(file->fileName());
        qint64 oldLength = -1;
        QByteArray oldHead;
        if (old.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            oldLength = old.size();
            oldHead = old.read(fileHeaderSize);
        }
        // The staged file holds the header and the payload it was given.
        out << targetOf(file) << qint64(file->record().size) + fileHeaderSize << file->record().checkSum
            << file->record().date() << oldLength << oldHead;
    }
    out << quint16(qChecksum(QByteArrayView(bytes)));
    return bytes;
}

bool CommitRecord::commit()
{
    const QByteArray bytes = recordBytes();
    if (bytes.isEmpty() || stopsHere())
        return false;
    // Written whole under another name first: the record stands complete
    // or not at all.
    const QString temporary = temporaryRecordPath();
    {
        QFile file(temporary);
        bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
            && file.flush();
        file.close();
        if (!ok || !syncToDisk(temporary) || !replaceFile(temporary, recordPath())) {
            removeFile(temporary);
            showError(tq("Write data in file %1 is not correct! Promptly need save as project!").arg(recordPath()));
            return false;
        }
    }
    // From here on a save that fails is undone from its record.
    m_recorded = true;
    if (!syncFolders({m_directory}, true))
        return false;
    // A rename between two folders may reach the disk in one folder and not
    // in the other, so each step stands in every folder it touched before
    // the next begins. First every old file is moved aside, kept, not
    // overwritten, so that until every target is replaced the save can
    // still be undone.
    QStringList folders{m_directory};
    for (const File *file : std::as_const(m_staged)) {
        folders.append(file->absolutePath());
        if (!QFile::exists(file->fileName()))
            continue;
        if (stopsHere())
            return false;
        if (!keepAside(file->fileName(), keptPath(targetOf(file)), targetOf(file) == m_mainName)) {
            const int error = errno;
            showError(writeFailureText(file->fileName(), error));
            return false;
        }
    }
    if (!syncFolders(folders, true))
        return false;
    // Then every new file takes its place: the main file last, its old one
    // standing until then; one of a new name (a Save as) first, so that an
    // open finds the project, and finishes this save, from the record on.
    QList<File *> order = m_staged;
    const auto main = std::find_if(order.begin(), order.end(),
                                   [this](const File *file) { return targetOf(file) == m_mainName; });
    if (main != order.end() && !QFile::exists((*main)->fileName()))
        std::rotate(order.begin(), main, main + 1);
    for (File *file : std::as_const(order)) {
        if (stopsHere() || !file->commit(false))
            return false;
    }
    if (!syncFolders(folders, true))
        return false;
    // ... and only then do the old files go, the record with them. A kept
    // file that cannot be removed keeps the record too, and the next open
    // removes both.
    bool removed = true;
    for (const File *file : std::as_const(m_staged)) {
        const QString kept = keptPath(targetOf(file));
        if (!QFile::exists(kept))
            continue;
        if (stopsHere())
            return false;
        removed = removeFile(kept) && removed;
    }
    if (removed) {
        if (stopsHere())
            return false;
        removeFile(recordPath());
    }
    if (!syncFolders({m_directory}, true))
        return false;
    m_staged.clear();
    m_recorded = false;
    return true;
}

void CommitRecord::drop()
{
    // A save that failed after its record puts back what it replaced; when
    // that cannot be done, or a kill stopped the save, its files are the
    // next open's to finish or undo.
    QList<Entry> entries;
    const bool undone = !m_stopped
        && (!m_recorded || (read(recordPath(), entries) && undo(entries) == Undone));
    for (File *file : std::as_const(m_staged)) {
        if (undone && !m_recorded)
            file->discard();
        else
            file->abandonStaged();
    }
    m_staged.clear();
    if (!undone || !m_recorded)
        return;
    // The record goes first, so that the new files the undo moved aside
    // never finish this save at the next open; then every staged file.
    if (!removeFile(recordPath()) || !syncToDisk(m_directory))
        return;
    const QDir directory(m_directory);
    for (const Entry &entry : std::as_const(entries))
        removeFile(directory.filePath(entry.staged));
    syncToDisk(m_directory);
    m_recorded = false;
}

bool CommitRecord::read(const QString &path, QList<Entry> &entries) const
{
    entries.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1 << 24)
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
    if ((magic != recordMagic && magic != recordMagicFirstDot && magic != recordMagicWithoutOld) || count < 0
        || count > body.size())
        return false;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Entry entry;
        if (magic == recordMagicWithoutOld)
            in >> entry.staged;
        in >> entry.target >> entry.length >> entry.checkSum >> entry.dateTime;
        if (magic != recordMagicWithoutOld) {
            in >> entry.oldLength >> entry.oldHead;
            entry.staged = m_stagedPrefix + encoded(entry.target, magic == recordMagicFirstDot);
        } else {
            entry.oldKnown = false;
        }
        if (!entry.staged.startsWith(m_stagedPrefix) || entry.staged.contains(QLatin1Char('/'))
            || !isSafeRelativePath(entry.target) || entry.oldHead.size() > fileHeaderSize)
            return false;
        entries.append(entry);
    }
    quint16 checkSum = 0;
    in >> checkSum;
    return in.status() == QDataStream::Ok && in.atEnd() && checkSum == qChecksum(QByteArrayView(body));
}

QList<CommitRecord::Entry> CommitRecord::entriesByName(const QStringList &left) const
{
    QMap<QString, Entry> byTarget;
    for (const QString &name : left) {
        const QString &prefix = name.startsWith(m_stagedPrefix) ? m_stagedPrefix : m_keptPrefix;
        const QString target = name.startsWith(prefix) ? decoded(name.mid(prefix.size())) : QString();
        if (target.isEmpty())
            continue;
        Entry &entry = byTarget[target];
        entry.staged = m_stagedPrefix + name.mid(prefix.size());
        entry.target = target;
        entry.recorded = false;
        entry.oldKnown = false;
    }
    return byTarget.values();
}

bool CommitRecord::holds(const QString &path, const Entry &entry)
{
    if (!entry.recorded)
        return isWholeContainer(bytesOfFile(path));
    if (entry.length < fileHeaderSize)
        return false;
    QByteArray bytes = bytesOfFile(path, entry.length);
    if (bytes.size() != entry.length || !isWholeContainer(bytes))
        return false;
    DataStream in(&bytes, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    qint32 size = 0;
    quint16 checkSum = 0;
    QString name;
    QDateTime dateTime;
    in >> size >> checkSum >> name >> dateTime;
    return in.status() == QDataStream::Ok && checkSum == entry.checkSum && dateTime == entry.dateTime;
}

bool CommitRecord::holdsOld(const QString &path, const Entry &entry)
{
    if (!entry.oldKnown || entry.oldLength < 0)
        return false;
    const QByteArray bytes = bytesOfFile(path, entry.oldLength);
    if (bytes.size() != entry.oldLength || !bytes.startsWith(entry.oldHead))
        return false;
    // A file that is not a container is known only by its length and first
    // bytes; a container by its checksum too.
    const bool container = bytes.size() >= fileHeaderSize
        && qFromBigEndian<qint32>(bytes.constData()) == bytes.size() - fileHeaderSize;
    return !container || isWholeContainer(bytes);
}

QStringList CommitRecord::leftovers() const
{
    QStringList names;
    const QString record = QFileInfo(recordPath()).fileName();
    const QString temporary = QFileInfo(temporaryRecordPath()).fileName();
    for (const QString &name : QDir(m_directory).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString *prefix = name.startsWith(m_stagedPrefix) ? &m_stagedPrefix
            : name.startsWith(m_keptPrefix)                     ? &m_keptPrefix
                                                                : nullptr;
        if (name == record || name == temporary || (prefix && isOwnTarget(decoded(name.mid(prefix->size())))))
            names.append(name);
    }
    return names;
}

CommitRecord::Outcome CommitRecord::settle(const QList<Entry> &entries)
{
    const QDir directory(m_directory);
    // Where each new file stands whole: staged, or already in its target's
    // place (without a record, only where the old file was moved aside).
    QList<bool> staged;
    bool forward = true;
    for (const Entry &entry : entries) {
        const QString target = directory.filePath(entry.target);
        staged.append(holds(directory.filePath(entry.staged), entry));
        forward = forward && (staged.last()
                              || ((entry.recorded || QFile::exists(keptPath(entry))) && holds(target, entry)));
    }
    if (forward)
        return finish(entries, staged) ? Finished : Stuck;
    return undo(entries);
}

bool CommitRecord::finish(const QList<Entry> &entries, const QList<bool> &staged)
{
    // Every new file is there. As in a save, each step stands in every
    // folder it touched before the next: the old files are moved aside,
    // the new ones put in their place, then the rest of the save goes,
    // the record last.
    const QDir directory(m_directory);
    QStringList folders{m_directory};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!staged[i])
            continue;
        const QString target = directory.filePath(entries[i].target);
        const QString kept = keptPath(entries[i]);
        folders.append(QFileInfo(target).absolutePath());
        directory.mkpath(folders.last());
        if (QFile::exists(target) && !QFile::exists(kept) && !keepAside(target, kept, entries[i].target == m_mainName))
            return false;
    }
    if (!syncFolders(folders, false))
        return false;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (staged[i] && !moveInto(directory.filePath(entries[i].staged), directory.filePath(entries[i].target)))
            return false;
    }
    if (!syncFolders(folders, false))
        return false;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        removeFile(keptPath(entries[i]));
        if (staged[i])
            removeFile(directory.filePath(entries[i].staged));
    }
    if (!syncToDisk(m_directory))
        return false;
    removeFile(recordPath());
    return syncToDisk(m_directory);
}

CommitRecord::Outcome CommitRecord::undo(const QList<Entry> &entries)
{
    // Every old file must be there, in its place or kept. Without what the
    // record says of it, an old file moved aside is its kept copy, which
    // must be whole; one not moved stands in its place.
    const QDir directory(m_directory);
    QList<bool> inPlace;
    for (const Entry &entry : entries) {
        const QString kept = keptPath(entry);
        if (!entry.oldKnown) {
            const bool moved = QFile::exists(kept);
            if (moved && !isWholeContainer(bytesOfFile(kept)))
                return Stuck;
            inPlace.append(!moved);
            continue;
        }
        inPlace.append(holdsOld(directory.filePath(entry.target), entry));
        if (entry.oldLength >= 0 && !inPlace.last() && !holdsOld(kept, entry))
            return Stuck;
    }
    // As in a save, each step stands in every folder it touched before the
    // next: what stands in an old file's place is kept under its staged
    // name when that is free, then each old file goes back, then the kept
    // copies left go, so that no kept file outlives the record.
    QStringList folders{m_directory};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (inPlace[i])
            continue;
        const QString target = directory.filePath(entries[i].target);
        const QString stagedName = directory.filePath(entries[i].staged);
        folders.append(QFileInfo(target).absolutePath());
        if (QFile::exists(target) && !QFile::exists(stagedName) && !replaceFile(target, stagedName))
            return Stuck;
    }
    if (!syncFolders(folders, false))
        return Stuck;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const bool existed = !entries[i].oldKnown || entries[i].oldLength >= 0;
        if (!inPlace[i] && existed && !moveInto(keptPath(entries[i]), directory.filePath(entries[i].target)))
            return Stuck;
    }
    if (!syncFolders(folders, false))
        return Stuck;
    for (const Entry &entry : entries)
        removeFile(keptPath(entry));
    return syncToDisk(m_directory) ? Undone : Stuck;
}

CommitRecord::Outcome CommitRecord::recover(bool tidy, bool clear)
{
    m_tidy = true;
    if (tidy && !QFile::exists(recordPath()) && !QFile::exists(temporaryRecordPath()))
        return Clean;
    const QStringList left = leftovers();
    if (left.isEmpty())
        return Clean;
    const auto anyWith = [&left](const QString &prefix) {
        return std::any_of(left.cbegin(), left.cend(), [&](const QString &name) { return name.startsWith(prefix); });
    };
    const QDir directory(m_directory);
    QList<Entry> entries;
    Outcome outcome = Undone;
    if (read(recordPath(), entries)) {
        outcome = settle(entries);
    } else if (!QFile::exists(recordPath()) && read(temporaryRecordPath(), entries)
               && std::all_of(entries.cbegin(), entries.cend(),
                              [&](const Entry &entry) { return holds(directory.filePath(entry.staged), entry); })) {
        // The record was written whole but not yet named, and every file it
        // names is staged whole: nothing is replaced yet, and the save goes
        // on from there.
        outcome = replaceFile(temporaryRecordPath(), recordPath()) && syncToDisk(m_directory) ? settle(entries)
                                                                                          : Stuck;
    } else if (anyWith(m_keptPrefix)) {
        // The record is lost, but the save had begun to replace, so it had
        // staged every file: the names tell the rest.
        outcome = settle(entriesByName(left));
    } else if (QFile::exists(recordPath()) && !anyWith(m_stagedPrefix)) {
        // Only the record outlived a whole save: it is the last to go.
        removeFile(recordPath());
        outcome = Finished;
    }
    // Otherwise no old file was moved: the old save stands.
    if (clear && outcome == Undone) {
        for (const QString &name : leftovers())
            removeFile(m_directory + QLatin1Char('/') + name);
        syncToDisk(m_directory);
    }
    m_tidy = leftovers().isEmpty();
    return outcome;
}

QString CommitRecord::outcomeText(Outcome outcome) const
{
    const QString main = m_directory + QLatin1Char('/') + m_mainName;
    switch (outcome) {
    case Finished:
        return tq("The last save of %1 was cut short. It has been finished now: the project opens as that save "
                  "wrote it.")
            .arg(main);
    case Undone:
        return tq("The last save of %1 was cut short and cannot be finished: the project opens as it was saved "
                  "before. The files of the unfinished save stay beside it until the next save.")
            .arg(main);
    case Stuck:
        return tq("The last save of %1 was cut short and can be neither finished nor undone: its files are left "
                  "as they are.")
            .arg(main);
    case Clean:
        break;
    }
    return QString();
}
