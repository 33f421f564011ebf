#include "model/fileprefetch.h"

#include "model/file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace {

FilePrefetch *current = nullptr;

// How far the reading may run ahead of the load: a few megabytes, so that a
// large project is never held twice in memory, and enough files that the
// load wakes the waiting reader seldom (each wake costs the load a call).
const qint64 heldLimit = 8 * 1024 * 1024;
const size_t aheadLimit = 256;

} // namespace

FilePrefetch::FilePrefetch(const QStringList &paths, const QList<qint64> &sizes)
    : m_previous(current)
{
    m_entries.reserve(size_t(paths.size()));
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const qint64 size = i < sizes.size() ? sizes[i] : 0;
        m_entries.push_back({paths[i], QFile::encodeName(paths[i]), QByteArray(),
                             QByteArray(), size > 0 && size < (qint64(1) << 31) ? qsizetype(size) : 0, Pending, 0});
    }
    makeRooms(0);
    current = this;
    // Without a thread nothing is read ahead: every file is read as before.
    if (!m_entries.empty()) {
        try {
            m_thread = std::thread([this] { run(); });
        } catch (const std::system_error &) {
        }
    }
}

FilePrefetch::~FilePrefetch()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    current = m_previous;
}

FilePrefetch *FilePrefetch::active()
{
    return current;
}

void FilePrefetch::run()
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        QString path;
        QByteArray room;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            // The file the load waits for is read at once, the others
            // while the reading is not too far ahead. Once that far, the
            // thread waits until the load took half of what it read: the
            // load wakes it once for many files, not for each.
            const bool mayRead = m_stop || m_entries[i].state != Pending || i < m_next
                || (m_held < heldLimit && i - m_next < aheadLimit);
            if (!mayRead) {
                m_readerAt = i;
                m_readerWaiting = true;
                m_changed.wait(lock, [&] { return readerMayResume(); });
                m_readerWaiting = false;
            }
            if (m_stop)
                return;
            // A file the load went past is not read any more.
            if (m_entries[i].state != Pending)
                continue;
            path = m_entries[i].path;
            room = std::move(m_entries[i].room);
        }
        // The memory made for the file, or one allocation of its exact size.
        QByteArray bytes;
        bool whole = false;
        const int fd = path.isEmpty() ? -1 : ::open(m_entries[i].encodedPath.constData(), O_RDONLY | O_CLOEXEC);
        struct stat info;
        if (fd >= 0 && ::fstat(fd, &info) == 0 && info.st_size >= 0 && info.st_size < (qint64(1) << 31)) {
            if (room.size() == qsizetype(info.st_size))
                bytes = std::move(room);
            else
                bytes = QByteArray(qsizetype(info.st_size), Qt::Uninitialized);
            qsizetype got = 0;
            while (got < bytes.size()) {
                const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                got += qsizetype(n);
            }
            whole = got == bytes.size();
            if (!whole)
                bytes = QByteArray();
        }
        if (fd >= 0)
            ::close(fd);
        // The load checks the payload against its header: the sum is taken
        // here, beside the parsing.
        const qsizetype header = qMin<qsizetype>(bytes.size(), fileHeaderSize);
        const quint16 sum = whole ? fileChecksum(QByteArrayView(bytes).sliced(header)) : 0;
        bool loadWaits = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            Entry &entry = m_entries[i];
            if (entry.state == Pending) {
                entry.state = whole ? Ready : Failed;
                if (whole) {
                    entry.bytes = std::move(bytes);
                    entry.payloadChecksum = sum;
                    m_held += entry.bytes.size();
                }
            }
            loadWaits = m_loadWaiting;
        }
        if (loadWaits)
            m_changed.notify_all();
    }
}

void FilePrefetch::makeRooms(size_t next)
{
    // Only the files the reader may reach get their memory: made as the
    // load goes on, it lies among what the load takes meanwhile, in memory
    // the heap has ready by then, and the files of a large project are
    // never all held at once. The reader reaches these files only once the
    // lock hands it the load's next file: the lock is not needed here.
    const size_t end = std::min(m_entries.size(), next + aheadLimit);
    for (m_roomsMade = std::max(m_roomsMade, next); m_roomsMade < end; ++m_roomsMade) {
        Entry &entry = m_entries[m_roomsMade];
        if (entry.expected > 0)
            entry.room = QByteArray(entry.expected, Qt::Uninitialized);
    }
}

bool FilePrefetch::readerMayResume() const
{
    const size_t i = m_readerAt;
    return m_stop || m_entries[i].state != Pending || i < m_next
        || (m_held < heldLimit / 2 && i - m_next < aheadLimit / 2);
}

void FilePrefetch::wakeReaderIfDue()
{
    if (m_readerWaiting && readerMayResume())
        m_changed.notify_all();
}

void FilePrefetch::drop(Entry &entry)
{
    m_held -= entry.bytes.size();
    entry.bytes = QByteArray();
    entry.room = QByteArray();
    entry.state = Taken;
}

bool FilePrefetch::take(const QString &path, QByteArray *bytes, quint16 *payloadChecksum)
{
    if (!m_thread.joinable())
        return false;
    // Found without the lock: the paths never change, and only this
    // thread moves m_next on.
    size_t found = m_next;
    while (found < m_entries.size() && m_entries[found].path != path)
        ++found;
    if (found == m_entries.size())
        return false;
    makeRooms(found + 1);
    std::unique_lock<std::mutex> lock(m_mutex);
    // The files before it are not wanted any more; the reader goes on.
    for (size_t i = m_next; i < found; ++i)
        drop(m_entries[i]);
    m_next = found + 1;
    Entry &entry = m_entries[found];
    if (entry.state == Pending) {
        wakeReaderIfDue();
        m_loadWaiting = true;
        m_changed.wait(lock, [&] { return entry.state != Pending || m_stop; });
        m_loadWaiting = false;
    }
    const bool ready = entry.state == Ready;
    if (ready) {
        *bytes = std::move(entry.bytes);
        if (payloadChecksum)
            *payloadChecksum = entry.payloadChecksum;
    }
    entry.bytes = QByteArray();
    entry.room = QByteArray();
    m_held -= ready ? bytes->size() : 0;
    entry.state = Taken;
    wakeReaderIfDue();
    return ready;
}
