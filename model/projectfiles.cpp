// Saving and loading a project: the main file, the five side files and the
// passes of the managers over them.

#include "model/project.h"

#include "model/buildstamp.h"
#include "model/check.h"
#include "model/commitrecord.h"
#include "model/datastream.h"
#include "model/file.h"
#include "model/fileprefetch.h"
#include "model/heappages.h"
#include "model/itemmenagerbase.h"
#include "model/projectlock.h"
#include "model/qobjecttext.h"

#include <QFileInfo>
#include <QHeaderView>

#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <functional>
#include <memory>
#include <optional>

namespace {

// Sorts the rows below the item, at every depth, as a sort of the whole
// tree by the first column does; a row whose children stand in that order
// already is left as it is (the sort is stable).
void sortRows(QTreeWidgetItem *item)
{
    const int count = item->childCount();
    for (int i = 1; i < count; ++i) {
        if (*item->child(i) < *item->child(i - 1)) {
            item->sortChildren(0, Qt::AscendingOrder);
            break;
        }
    }
    for (int i = 0; i < count; ++i)
        sortRows(item->child(i));
}

} // namespace

QDateTime Project::buildDateTime()
{
    return programBuildDateTime();
}

bool Project::stageFile(File *file)
{
    // Staged beside the main file, where the commit record names it.
    return CHECK(m_saving) && CHECK_PTR(m_commit) && m_commit->stage(file);
}

bool Project::writeSideFile(int index, DataStream &stream)
{
    // A pass that could not write its part fails the save: the side file
    // must not describe files that were not written.
    bool ok = true;
    switch (index) {
    case DevicesFile:
        writeDevices(stream);
        break;
    case SchemesFile:
        m_schemes->saveFirst(stream);
        ok = m_schemes->saveSecond(stream);
        m_schemes->writeItems(stream);
        break;
    case EquipmentFile:
        m_equipment->writeItems(stream);
        m_equipment->saveFirst(stream);
        ok = m_equipment->saveSecond(stream);
        m_equipment->saveWLFirst(stream);
        ok = m_equipment->saveWLSecond(stream) && ok;
        break;
    case SpecificationDeviceFile:
        m_specificationDevice->writeItems(stream);
        m_specificationDevice->saveFirst(stream);
        ok = m_specificationDevice->saveSecond(stream);
        break;
    case SpecificationCableFile:
        m_specificationCable->writeTables(stream);
        m_specificationCable->writeItems(stream);
        m_specificationCable->saveFirst(stream);
        ok = m_specificationCable->saveSecond(stream);
        break;
    default:
        ok = CHECK(false);
    }
    return ok;
}

void Project::writeMainFile(DataStream &stream)
{
    stream << qint32(DataStream::CurrentFormat) << qint32(0);
    stream << (m_keepStamp ? m_stamp : buildDateTime());
    stream << qint32(m_language) << qint32(PropertyCount);
    for (const QString &property : m_properties)
        stream << property;
    // What each side file on disk must be: the ones written by this save
    // carry their new records, the others what the last save or load left.
    for (int i = DevicesFile; i < FileCount; ++i)
        m_files[size_t(i)]->writeHeader(stream);
}

bool Project::holdsLock()
{
    return m_lock && m_lock->mainPath() == fileName() && m_lock->confirm();
}

std::unique_ptr<ProjectLock> Project::newLock(LockResult *result)
{
    *result = LockHeld;
    if (holdsLock())
        return nullptr;
    auto lock = std::make_unique<ProjectLock>(fileName());
    switch (lock->acquire()) {
    case ProjectLock::Held:
        // Another program may have written here before: nothing this
        // project found beside its main file still holds.
        m_tidyBeside.clear();
        return lock;
    case ProjectLock::HeldElsewhere:
        *result = LockHeldElsewhere;
        break;
    case ProjectLock::Unavailable:
        *result = LockUnavailable;
        break;
    }
    return nullptr;
}

Project::LockResult Project::lockFiles()
{
    LockResult result = LockHeld;
    if (std::unique_ptr<ProjectLock> lock = newLock(&result))
        m_lock = std::move(lock);
    return result;
}

QString Project::lockHolder() const
{
    return ProjectLock(fileName()).holder();
}

QString Project::lockUnavailableText() const
{
    // Its folder renamed or removed while the project was open, made
    // read-only, or a full disk.
    const QString folder = m_files[MainFile]->absolutePath();
    if (!QFileInfo(folder).isDir())
        return tr("The folder %1 does not exist: nothing was saved. Save your changes with \"Save as\" into "
                  "a folder that exists.")
            .arg(folder);
    if (!QFileInfo(folder).isWritable())
        return syncFailureText(folder, EACCES);
    return tq("Cannot open file %1!").arg(ProjectLock::lockPath(fileName()));
}

QString Project::beingSavedText() const
{
    return tr("The project %1 is being saved by %2. Open it again once the save is over.")
        .arg(fileName(), lockHolder());
}

void Project::setReadOnly(bool readOnly)
{
    m_readOnlyPath = readOnly ? fileName() : QString();
}

bool Project::isReadOnly() const
{
    return !m_readOnlyPath.isEmpty() && m_readOnlyPath == fileName();
}

QStringList Project::sideFileNames() const
{
    QStringList names;
    for (int i = DevicesFile; i < FileCount; ++i)
        names << sideFilePath(i, false) << sideFilePath(i, true);
    return names;
}

void Project::markFilesChangedOnDisk()
{
    for (int i = DevicesFile; i < FileCount; ++i) {
        if (!m_changed[i - DevicesFile] && !m_files[size_t(i)]->standsOnDisk())
            setSideFileChanged(i - DevicesFile);
    }
    // Every save, by any copy of the program, writes the main file anew
    // (and finishes or undoes a save cut short first): while it is the one
    // this project last read or wrote, no other save has replaced a sheet's
    // file, and the thousands of them are not looked at one by one. A file
    // or folder removed or renamed by hand changes the folder it stood in:
    // only the groups' folders changed are looked into.
    const bool mainStands = m_files[MainFile]->standsOnDisk();
    for (ItemMenagerBase *branch : {m_schemes, m_equipment, m_specificationDevice, m_specificationCable})
        branch->markFilesChangedOnDisk(!mainStands);
}

void Project::prepareFullSave()
{
    for (ItemMenagerBase *branch : {m_schemes, m_equipment, m_specificationDevice, m_specificationCable}) {
        if (branch)
            branch->prepareFullSave();
    }
    // Nothing written before is kept.
    m_deviceRecords.clear();
    ++m_recordEpoch;
    for (int flag = 0; flag < int(std::size(m_changed)); ++flag)
        setSideFileChanged(flag);
}

bool Project::saveAs(const QString &path)
{
    const bool sameProject = isSameFile(path, fileName());
    // A new project at path would write over the side files an older project
    // beside it still reads.
    if (!sameProject && !QFileInfo::exists(path)) {
        const QString older = projectReadingSideFilesOf(path);
        if (!older.isEmpty()) {
            showError(tr("The project %1 keeps its files under the names %2 would give its own: nothing was saved. "
                         "Choose another name.")
                          .arg(older, path));
            return false;
        }
    }
    std::array<QString, FileCount> names;
    for (int i = 0; i < FileCount; ++i)
        names[size_t(i)] = m_files[size_t(i)]->fileName();
    const bool modified = m_modified;
    decltype(m_changed) changed;
    std::copy(std::begin(m_changed), std::end(m_changed), changed);
    const auto branches = {m_schemes, m_equipment, m_specificationDevice, m_specificationCable};
    for (ItemMenagerBase *branch : branches) {
        if (branch)
            branch->prepareSaveAs(!sameProject);
    }
    // The project's own file keeps the spelling of its name, whatever the
    // one given: its lock, its sheets' files and a read-only copy's refusal
    // to write it are known by that name.
    setFileName(sameProject ? fileName() : path);
    setModified(true);
    prepareFullSave();
    m_changeRequests = 0;
    const bool saved = save();
    // The branches put back first, where the files were to go.
    for (ItemMenagerBase *branch : branches) {
        if (branch)
            branch->saveAsFinished(saved);
    }
    if (saved) {
        m_hasFileName = true;
        return true;
    }
    for (int i = 0; i < FileCount; ++i) {
        if (m_files[size_t(i)]->fileName() != names[size_t(i)])
            m_files[size_t(i)]->changeFileName(names[size_t(i)]);
    }
    // What the save itself found due stays due: the wiring pages it built
    // are the project's now.
    bool due = false;
    for (size_t i = 0; i < std::size(m_changed); ++i) {
        m_changed[i] = changed[i] || (m_changeRequests & (1u << i));
        due = due || m_changed[i];
    }
    m_modified = modified || due;
    return false;
}

bool Project::save()
{
    if (!CHECK_PTR(m_schemes) || !CHECK_PTR(m_equipment) || !CHECK_PTR(m_specificationDevice)
        || !CHECK_PTR(m_specificationCable))
        return false;
    if (!CHECK(m_commit == nullptr))
        return false;
    if (isReadOnly()) {
        showError(tr("The project %1 is open read-only: nothing is saved to its files. Save your changes under "
                     "another name with \"Save as\".")
                      .arg(fileName()));
        return false;
    }
    // Only the holder of the lock writes. A lock this save takes becomes
    // the project's once the save stands, in place of one held under an
    // earlier name; a failed save lets go of it.
    LockResult lock = LockHeld;
    std::unique_ptr<ProjectLock> taken = newLock(&lock);
    if (lock == LockHeldElsewhere) {
        showError(tr("The project %1 is open in %2, which alone saves it: nothing was saved. Save your changes "
                     "under another name with \"Save as\".")
                      .arg(fileName(), lockHolder()));
        return false;
    }
    if (lock == LockUnavailable) {
        showError(lockUnavailableText());
        return false;
    }
    // What an interrupted save left beside the main file is finished or
    // undone first; the files of one that could only be undone go, since
    // this save writes the project anew.
    CommitRecord commit(m_files[MainFile]->fileName(), sideFileNames());
    const CommitRecord::Outcome left = commit.recover(m_tidyBeside == m_files[MainFile]->fileName(), true);
    m_tidyBeside = commit.isTidy() ? m_files[MainFile]->fileName() : QString();
    if (left == CommitRecord::Stuck) {
        showError(commit.outcomeText(left));
        return false;
    }
    markFilesChangedOnDisk();
    // The wiring pages as the next load will build them, with the drawings
    // of the user on them; then every scheme's file is named.
    if (!m_equipment->prepareSave(m_files[MainFile]->absolutePath())
        || !m_schemes->prepareSave(m_files[MainFile]->absolutePath()))
        return false;

    // A failed save puts every record back: they must go on describing the
    // files on disk, which the failure leaves as they were.
    std::array<FileHeader, FileCount> records;
    for (int i = 0; i < FileCount; ++i)
        records[size_t(i)] = m_files[size_t(i)]->record();

    // The side files in their order, then the main file, which records them.
    const int order[FileCount] = {DevicesFile, SchemesFile, EquipmentFile, SpecificationDeviceFile,
                                  SpecificationCableFile, MainFile};
    bool ok = true;
    m_saving = true;
    m_commit = &commit;
    {
        for (int index : order) {
            if (index != MainFile && !m_changed[index - DevicesFile])
                continue;
            File &file = *m_files[size_t(index)];
            // Room for as many bytes as the file held when last written or
            // read: a large side file is then not moved as it grows.
            file.buffer().reserve(qsizetype(file.record().size) + 4096);
            {
                DataStream stream(&file.buffer(), QIODevice::WriteOnly);
                stream.setFormatIndex(DataStream::CurrentFormat);
                ok = file.writeNameAndDate(stream);
                if (ok) {
                    m_savingStream = &stream;
                    m_savingFile = &file;
                    if (index == MainFile)
                        writeMainFile(stream);
                    else
                        ok = writeSideFile(index, stream);
                    m_savingStream = nullptr;
                    m_savingFile = nullptr;
                    if (ok)
                        ok = stageFile(&file);
                }
            }
            file.clear(false);
            if (!ok)
                break;
        }
    }

    m_saving = false;
    m_commit = nullptr;

    // Every file is written: the commit record names them, then the targets
    // are replaced in the order written. From the record on, a kill leaves
    // a save that the next open finishes or undoes.
    if (ok)
        ok = commit.commit();
    if (!ok)
        commit.drop();
    // The schemes written by this save learn whether their files stand.
    for (ItemMenagerBase *branch : {m_schemes, m_equipment, m_specificationDevice, m_specificationCable})
        branch->saveFinished(ok);

    if (!ok) {
        for (int i = 0; i < FileCount; ++i)
            m_files[size_t(i)]->record() = records[size_t(i)];
        // What it staged may be left, with its record.
        m_tidyBeside.clear();
        return false;
    }
    if (taken)
        m_lock = std::move(taken);
    // Saved, so held under this name: a copy opened read-only under
    // another name may come back to that one once its holder let it go.
    m_readOnlyPath.clear();
    clearChangeFlags();
    m_modified = false;
    return true;
}

Project::MainFileResult Project::readMainFile(DataStream *const *streams)
{
    DataStream &stream = *streams[MainFile];
    qint32 format = 0;
    qint32 reserved = 0;
    stream >> format >> reserved;
    if (stream.status() != QDataStream::Ok || format < 0)
        return MainFileDamaged;
    if (format > DataStream::CurrentFormat)
        return ProgramTooOld;
    for (int i = 0; i < FileCount; ++i)
        streams[i]->setFormatIndex(format);

    if (format >= 9) {
        stream >> m_stamp;
        m_keepStamp = false;
        if (m_stamp > buildDateTime())
            return ProgramTooOld;
    }

    qint32 language = 0;
    stream >> language;
    // The language indexes tables of texts: anything else is damage.
    if (language < 0 || language >= LanguageCount)
        return MainFileDamaged;
    m_language = language;

    qint32 count = 0;
    stream >> count;
    // Strings beyond the known properties are read and dropped.
    stream.checkCount(count, 4);
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString property;
        stream >> property;
        if (i < PropertyCount)
            m_properties[i] = property;
    }

    for (int i = DevicesFile; i < FileCount; ++i)
        m_files[size_t(i)]->readHeader(stream);
    return stream.checkAtEnd() ? MainFileRead : MainFileDamaged;
}

void Project::useRecordedSideFileNames()
{
    // Each record names the side file as it was written. A project written
    // with side files named up to the first dot is read from those.
    for (int i = DevicesFile; i < FileCount; ++i) {
        File &file = *m_files[size_t(i)];
        const QString firstDot = sideFilePath(i, true);
        if (file.record().name == QFileInfo(firstDot).fileName() && file.fileName() != firstDot)
            file.changeFileName(firstDot);
    }
}

namespace {

// About the memory a project takes per byte of its files, once read.
const qint64 heapPerFileByte = 8;

// Up to this many bytes of sheet files in all, the sizes the schemes file
// records are taken as they stand; above it each is set against its file,
// so that a damaged record never has the load make room for bytes that are
// not there.
const qint64 trustedRecordedBytes = qint64(16) << 20;

// The sheet files' sizes, and their sum, as the load makes room for them.
qint64 sheetFileSizes(const QStringList &paths, QList<qint64> &sizes)
{
    qint64 total = 0;
    for (qint64 size : sizes)
        total += size;
    if (total <= trustedRecordedBytes)
        return total;
    total = 0;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        struct stat info;
        const bool there = i < paths.size() && ::stat(QFile::encodeName(paths[i]).constData(), &info) == 0;
        sizes[i] = there ? qMin<qint64>(sizes[i], info.st_size) : 0;
        total += sizes[i];
    }
    return total;
}

} // namespace

void Project::runLoadPasses(DataStream *const *streams, QString *message, HeapReserve &reserve)
{
    struct Pass
    {
        std::function<bool()> run;
        const char *message; // null: the result is not tested
        int file;            // the file the message names, -1 for none
    };
    DataStream &schm = *streams[SchemesFile];
    DataStream &eqm = *streams[EquipmentFile];
    DataStream &spd = *streams[SpecificationDeviceFile];
    DataStream &spc = *streams[SpecificationCableFile];
    const Pass passes[] = {
        {[&] { m_schemes->readItems(schm); return true; }, nullptr, SchemesFile},
        {[&] {
             // The sheets' files are read ahead while each is parsed.
             const QStringList paths = m_schemes->documentFilePaths();
             QList<qint64> sizes = m_schemes->documentFileSizes();
             reserve.add(heapPerFileByte * sheetFileSizes(paths, sizes));
             const FilePrefetch prefetch(paths, sizes);
             return m_schemes->loadFirst(schm);
         },
         QT_TR_NOOP("Load first in schememenager not correct. File %1 is corrupt!"), SchemesFile},
        {[&] { return m_schemes->updatePointers(true); },
         QT_TR_NOOP("First update pointers in schememenager not correct. File %1 is corrupt!"), SchemesFile},
        {[&] { return m_schemes->updatePointers(false); },
         QT_TR_NOOP("Second update pointers in schememenager not correct. File %1 is corrupt!"), SchemesFile},
        {[&] { return m_schemes->loadSecond(schm) && schm.checkAtEnd(); },
         QT_TR_NOOP("Load second in schememenager not correct. File %1 is corrupt!"), SchemesFile},
        {[&] { m_equipment->readItems(eqm); return true; }, nullptr, EquipmentFile},
        {[&] { return m_equipment->loadFirst(eqm); },
         QT_TR_NOOP("Load first in equipmentmenager not correct. File %1 is corrupt!"), EquipmentFile},
        {[&] { return m_equipment->updatePointers(true); },
         QT_TR_NOOP("Update pointers in equipmentmenager not correct. File %1 is corrupt!"), EquipmentFile},
        {[&] { return m_equipment->loadSecond(eqm); },
         QT_TR_NOOP("Load second in equipmentmenager not correct. File %1 is corrupt!"), EquipmentFile},
        {[&] { m_specificationDevice->readItems(spd); return true; }, nullptr, SpecificationDeviceFile},
        {[&] { return m_specificationDevice->loadFirst(spd); },
         QT_TR_NOOP("Load first in SpecificationManagerDevice not correct. File %1 is corrupt!"),
         SpecificationDeviceFile},
        {[&] { return m_specificationDevice->loadSecond(spd) && spd.checkAtEnd(); },
         QT_TR_NOOP("Load second in SpecificationManagerDevice not correct. File %1 is corrupt!"),
         SpecificationDeviceFile},
        {[&] { return m_specificationCable->readTables(spc); },
         QT_TR_NOOP("Load in SpecificationManagerCable not correct. File %1 is corrupt!"), SpecificationCableFile},
        {[&] { m_specificationCable->readItems(spc); return true; }, nullptr, SpecificationCableFile},
        {[&] { return m_specificationCable->loadFirst(spc); },
         QT_TR_NOOP("Load first in SpecificationManagerCable not correct. File %1 is corrupt!"),
         SpecificationCableFile},
        {[&] { return m_specificationCable->loadSecond(spc) && spc.checkAtEnd(); },
         QT_TR_NOOP("Load second in SpecificationManagerCable not correct. File %1 is corrupt!"),
         SpecificationCableFile},
        {[&] { return updatePinsPointers(); }, QT_TR_NOOP("Update pins pointers not correct!"), -1},
        {[&] { return m_equipment->createDerivedPages(); },
         QT_TR_NOOP("Cannot create wiring layouts!"), -1},
        {[&] { return m_equipment->loadWLFirst(eqm); },
         QT_TR_NOOP("Load WL first in equipmentmenager not correct. File %1 is corrupt!"), EquipmentFile},
        {[&] { return m_equipment->updateWLPointers(); },
         QT_TR_NOOP("Update WL pointers in equipmentmenager not correct. File %1 is corrupt!"), EquipmentFile},
        {[&] { return m_equipment->loadWLSecond(eqm) && eqm.checkAtEnd(); },
         QT_TR_NOOP("Load WL second in equipmentmenager not correct. File %1 is corrupt!"), EquipmentFile},
    };
    // A check that fails while a pass reads a file is damaged data: no box
    // of its own, the pass fails (an untested pass hands its failure on to
    // the next one, which reads the same file). The passes that read no
    // file report their checks as ever.
    bool failing = false;
    m_failedFile.clear();
    for (const Pass &pass : passes) {
        if (!message->isEmpty())
            return;
        if (pass.file >= 0) {
            CountedChecks quiet;
            failing = !pass.run() || quiet.failed() > 0 || failing;
        } else {
            failing = !pass.run() || failing;
        }
        if (!failing || !pass.message)
            continue;
        *message = tr(pass.message);
        // A scheme's own file names itself as the one that failed.
        if (!m_failedFile.isEmpty())
            *message = message->arg(m_failedFile);
        else if (pass.file >= 0)
            *message = message->arg(m_files[size_t(pass.file)]->fileName());
    }
}

bool Project::load()
{
    for (ItemMenagerBase *branch : {m_schemes, m_equipment, m_specificationDevice, m_specificationCable}) {
        if (branch)
            branch->prepareLoad();
    }
    // The objects and pins read keep the identities of the files.
    m_loading = true;

    std::array<std::unique_ptr<DataStream>, FileCount> owned;
    DataStream *streams[FileCount];
    for (int i = 0; i < FileCount; ++i) {
        owned[size_t(i)] = std::make_unique<DataStream>(&m_files[size_t(i)]->buffer(), QIODevice::ReadOnly);
        streams[i] = owned[size_t(i)].get();
    }

    File &main = *m_files[MainFile];
    // A save that was cut short is finished or undone before reading, by
    // the holder of the project's lock alone.
    m_tidyBeside.clear();
    bool beingSaved = false;
    LockResult lock = LockHeldElsewhere;
    if (!main.fileName().isEmpty() && !isReadOnly())
        lock = lockFiles();
    if (lock == LockHeld) {
        CommitRecord commit(main.fileName(), sideFileNames());
        const CommitRecord::Outcome outcome = commit.recover();
        if (commit.isTidy())
            m_tidyBeside = main.fileName();
        // The user learns which save opens.
        if (outcome == CommitRecord::Stuck)
            showError(commit.outcomeText(outcome));
        else if (outcome != CommitRecord::Clean)
            showInformation(commit.outcomeText(outcome));
    } else if (!main.fileName().isEmpty()) {
        // Another program saves it: its files are whole again once that
        // save is over (or finished by its holder's next open or save).
        beingSaved = QFile::exists(CommitRecord(main.fileName(), {}).recordPath());
    }
    // A program that does not hold the lock reads while the holder may
    // save: a file found torn then is that save's doing, not damage.
    std::optional<HeldErrors> held;
    FolderStamp readStamp;
    if (lock == LockHeldElsewhere && !beingSaved && !main.fileName().isEmpty()) {
        held.emplace();
        readStamp = fileStamp(main.fileName());
    }
    QString message;
    bool tooOld = false;
    const bool managers = CHECK_PTR(m_schemes) && CHECK_PTR(m_equipment) && CHECK_PTR(m_specificationDevice)
        && CHECK_PTR(m_specificationCable);
    if (beingSaved && lock == LockUnavailable) {
        // No program saves it: its save cut short waits for a lock this
        // program cannot write.
        message = lockUnavailableText();
    } else if (beingSaved) {
        message = beingSavedText();
    } else if (!managers || !main.load(*streams[MainFile])) {
        message = tr("Cannot load project file %1!").arg(main.fileName());
    } else {
        main.recordLoaded();
        switch (readMainFile(streams)) {
        case MainFileRead:
            break;
        case MainFileDamaged:
            message = tr("Cannot load project file %1!").arg(main.fileName());
            break;
        case ProgramTooOld:
            tooOld = true;
            break;
        }
    }

    if (message.isEmpty() && !tooOld) {
        useRecordedSideFileNames();
        for (int i = DevicesFile; i < FileCount; ++i) {
            if (!m_files[size_t(i)]->load(*streams[i])) {
                message = tr("Cannot load files!");
                break;
            }
        }
    }
    HeapReserve reserve;
    if (message.isEmpty() && !tooOld) {
        qint64 sideBytes = 0;
        for (int i = DevicesFile; i < FileCount; ++i)
            sideBytes += m_files[size_t(i)]->buffer().size();
        reserve.add(heapPerFileByte * sideBytes);
        // The devices are the whole content of their file.
        if (readDevices(*streams[DevicesFile], &message) && !streams[DevicesFile]->checkAtEnd())
            message = tr("Load devices not correct. File %1 is corrupt!").arg(m_files[DevicesFile]->fileName());
        // The rows read join their branches outside the tree, which takes
        // the branches back once the passes are done.
        const QList<QTreeWidgetItem *> branches = takeBranches();
        runLoadPasses(streams, &message, reserve);
        insertTopLevelItems(0, branches);
    }

    for (int i : {int(DevicesFile), int(SchemesFile), int(EquipmentFile), int(SpecificationDeviceFile),
                  int(SpecificationCableFile), int(MainFile)})
        m_files[size_t(i)]->clear(false);
    clearOldIds();
    m_pinMap.clear();
    m_readPins.clear();
    // The pages just built follow everything read.
    m_wiringFrames.clear();
    m_loading = false;
    // The next save writes the side files under the names of this build.
    for (int i = DevicesFile; i < FileCount; ++i) {
        const QString path = sideFilePath(i, false);
        if (m_files[size_t(i)]->fileName() != path)
            m_files[size_t(i)]->changeFileName(path);
    }

    if (held && !message.isEmpty()
        && (!(fileStamp(main.fileName()) == readStamp)
            || QFile::exists(CommitRecord(main.fileName(), {}).recordPath()))) {
        held->drop();
        message = beingSavedText();
    }
    held.reset();
    // What the wiring generation had to skip, in one box.
    for (ItemMenagerBase *branch : {m_schemes, m_equipment, m_specificationDevice, m_specificationCable}) {
        if (branch)
            branch->loadFinished(message.isEmpty() && !tooOld);
    }
    if (tooOld) {
        showError(tr("Programm is old. Need update programm!"));
        return false;
    }
    if (!message.isEmpty()) {
        showError(message);
        return false;
    }
    // The rows read mostly stand in order already: only the others are
    // sorted.
    header()->setSortIndicator(0, Qt::AscendingOrder);
    sortRows(invisibleRootItem());
    return true;
}
