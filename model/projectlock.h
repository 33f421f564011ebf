#ifndef RLAY_PROJECTLOCK_H
#define RLAY_PROJECTLOCK_H

// One project, one writer. The program that opens or saves a project holds a
// lock file beside its main file (".<main>.lock", hidden) for as long as it
// keeps the project under that name, so that a second copy of the program, here or on
// another machine, never writes the same files. A lock left by a program
// that is gone (killed, crashed) is taken over; one whose program still runs
// is not, however old.

#include <QString>
#include <QtGlobal>

#include <memory>

class QLockFile;

class ProjectLock
{
public:
    // The lock of the project whose main file has this path; not yet taken.
    explicit ProjectLock(const QString &mainPath);
    // Releases the lock when this process holds it and its file is still
    // the one this process made.
    ~ProjectLock();
    ProjectLock(const ProjectLock &) = delete;
    ProjectLock &operator=(const ProjectLock &) = delete;

    static QString lockPath(const QString &mainPath);
    const QString &mainPath() const { return m_mainPath; }

    enum Result {
        Held,          // this process holds it
        HeldElsewhere, // another program holds it: holder() names it
        Unavailable    // no lock file can be made there (a folder that cannot be written)
    };
    // Takes the lock, unless another program that still runs holds it.
    Result acquire();
    // Whether this process took the lock and its file still names this
    // process: a lock file removed meanwhile is made anew, one that another
    // program has made since is not touched.
    bool confirm();

    // The program, process and machine named by the lock file, as the user
    // is told them; after HeldElsewhere.
    QString holder() const;

private:
    bool ownFileStands() const;
    // Whether the lock file at this lock's path holds nothing though no
    // process that is gone left it: one that names no program and is more
    // than a few seconds old, or one of this process that no lock of it
    // holds there.
    bool strayFile() const;

    QString m_mainPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
    // The lock file this process made, known by its identity on the disk.
    quint64 m_device = 0;
    quint64 m_inode = 0;
};

#endif
