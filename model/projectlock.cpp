#include "model/projectlock.h"

#include "model/file.h"
#include "model/qobjecttext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// A lock whose file is no longer its own must never remove that file, as
// releasing it would: it is kept, unreleased, until the process ends (the
// list is never destroyed, so no lock in it is released at exit either).
void abandon(std::unique_ptr<QLockFile> lock)
{
    static auto *abandoned = new std::vector<QLockFile *>;
    abandoned->push_back(lock.release());
}

struct LockInfo
{
    qint64 process = 0;
    QString machine;
    QString program;
};

// What the lock file names; none when it cannot be read.
std::optional<LockInfo> lockInfo(const QString &path)
{
    LockInfo info;
    if (!QLockFile(path).getLockInfo(&info.process, &info.machine, &info.program))
        return std::nullopt;
    return info;
}

// Whether the lock file names this very process.
bool namesThisProcess(const LockInfo &info)
{
    return info.process == QCoreApplication::applicationPid() && info.machine == QSysInfo::machineHostName();
}

// Where the file of this identity now stands among the files the process
// holds open (a lock keeps its file open), found through the system's list
// of them; empty where there is none, or no such list.
QString openFileNow(quint64 device, quint64 inode)
{
    const QDir open(QStringLiteral("/proc/self/fd"));
    for (const QString &entry : open.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFile::symLinkTarget(open.filePath(entry));
        quint64 d = 0;
        quint64 i = 0;
        if (!target.isEmpty() && fileIdentity(target, &d, &i) && d == device && i == inode)
            return target;
    }
    return QString();
}

// Whether a program holds the lock file locked, as a lock keeps its file
// while it is held; a file that cannot be asked is taken as held.
bool heldByAProgram(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool free = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    ::close(fd);
    return !free;
}

// The locks this process holds.
std::vector<const ProjectLock *> &heldLocks()
{
    static std::vector<const ProjectLock *> held;
    return held;
}

} // namespace

ProjectLock::ProjectLock(const QString &mainPath)
    : m_mainPath(mainPath)
{
}

ProjectLock::~ProjectLock()
{
    auto &held = heldLocks();
    held.erase(std::remove(held.begin(), held.end(), this), held.end());
    // Releasing removes whatever file stands under the lock's name: only
    // this process's own file is removed. One that went with its folder,
    // renamed while the project was open, is removed where it now stands,
    // so that it holds that project for nobody.
    if (m_lock && !ownFileStands()) {
        abandon(std::move(m_lock));
        const QString moved = m_held ? openFileNow(m_device, m_inode) : QString();
        const std::optional<LockInfo> info = moved.isEmpty() ? std::nullopt : lockInfo(moved);
        if (info && namesThisProcess(*info))
            QFile::remove(moved);
    }
}

bool ProjectLock::ownFileStands() const
{
    quint64 device = 0;
    quint64 inode = 0;
    return m_held && fileIdentity(lockPath(m_mainPath), &device, &inode) && device == m_device && inode == m_inode;
}

QString ProjectLock::lockPath(const QString &mainPath)
{
    // Hidden, as the desktop hides such files.
    const qsizetype slash = mainPath.lastIndexOf(QLatin1Char('/'));
    return mainPath.left(slash + 1) + QLatin1Char('.') + mainPath.mid(slash + 1) + QStringLiteral(".lock");
}

ProjectLock::Result ProjectLock::acquire()
{
    if (m_held)
        return Held;
    if (m_mainPath.isEmpty())
        return Unavailable;
    auto lock = std::make_unique<QLockFile>(lockPath(m_mainPath));
    // Only a program that is gone leaves a lock to take over: one that has
    // kept a project open for days still holds it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return Unavailable;
        if (!strayFile() || !removeFile(lockPath(m_mainPath)) || !lock->tryLock(0))
            return lock->error() == QLockFile::LockFailedError ? HeldElsewhere : Unavailable;
    }
    m_lock = std::move(lock);
    m_held = fileIdentity(lockPath(m_mainPath), &m_device, &m_inode);
    if (!m_held) {
        abandon(std::move(m_lock));
        return Unavailable;
    }
    heldLocks().push_back(this);
    return Held;
}

bool ProjectLock::confirm()
{
    if (!m_held)
        return false;
    if (ownFileStands())
        return true;
    quint64 device = 0;
    quint64 inode = 0;
    const bool standing = fileIdentity(lockPath(m_mainPath), &device, &inode);
    m_held = false;
    abandon(std::move(m_lock));
    // Removed by someone: made anew, unless another program was quicker.
    return !standing && acquire() == Held;
}

bool ProjectLock::strayFile() const
{
    const QString path = lockPath(m_mainPath);
    const std::optional<LockInfo> info = lockInfo(path);
    // Older than any program takes to make a lock file and lock it.
    const QFileInfo file(path);
    const bool settled = file.exists() && qAbs(file.lastModified().secsTo(QDateTime::currentDateTime())) > 10;
    // One cut short when it was made (a crash, a full disk) names no program.
    if (!info)
        return settled;
    // One of another program on this computer that came here with a copy of
    // its folder: the program holds the file of its lock locked, and no
    // program holds this one.
    if (!namesThisProcess(*info))
        return settled && info->machine == QSysInfo::machineHostName() && !heldByAProgram(path);
    // One of this process that came here with its folder, renamed or copied
    // while the project was open, is not the file of a lock it holds there.
    quint64 device = 0;
    quint64 inode = 0;
    if (!fileIdentity(path, &device, &inode))
        return false;
    return std::none_of(heldLocks().cbegin(), heldLocks().cend(), [&](const ProjectLock *lock) {
        return lock->m_device == device && lock->m_inode == inode && lock->ownFileStands();
    });
}

QString ProjectLock::holder() const
{
    const std::optional<LockInfo> info = lockInfo(lockPath(m_mainPath));
    if (!info)
        return tq("another program");
    return tq("%1 (process %2) on the computer %3").arg(info->program, QString::number(info->process), info->machine);
}
