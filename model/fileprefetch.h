#ifndef RLAY_FILEPREFETCH_H
#define RLAY_FILEPREFETCH_H

// Reads the files a load will open next, in the order it will open them, on
// a thread of its own: the load parses one file while the next ones are read.
// While a prefetch is active, File::load takes a file's bytes from it; a file
// the prefetch could not read, or does not hold, is read as before.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class FilePrefetch
{
public:
    // Starts reading the files; the prefetch is active until destroyed.
    // Where sizes gives a file's size (above 0), its memory is taken by the
    // load's thread, a few files ahead of it: the reading thread then takes
    // nothing from the heap that the load, allocating all the while, shares
    // with it.
    explicit FilePrefetch(const QStringList &paths, const QList<qint64> &sizes = {});
    ~FilePrefetch();
    FilePrefetch(const FilePrefetch &) = delete;
    FilePrefetch &operator=(const FilePrefetch &) = delete;

    // The prefetch of the load running now, or null.
    static FilePrefetch *active();

    // Hands over the whole bytes of the file, and the checksum of what
    // follows its header (fileChecksum, taken by the reading thread), when
    // it is one of those still to come (the ones before it are dropped);
    // false when it is not, or it could not be read.
    bool take(const QString &path, QByteArray *bytes, quint16 *payloadChecksum = nullptr);

private:
    enum State { Pending, Ready, Failed, Taken };
    struct Entry
    {
        QString path;
        QByteArray encodedPath;
        QByteArray bytes;
        QByteArray room; // made for the size expected, until read into
        qsizetype expected = 0;
        State state = Pending;
        quint16 payloadChecksum = 0;
    };
    void run();
    void drop(Entry &entry);
    // Makes the memory of the files the reader may read once next is the
    // load's next file, before the lock tells the reader so.
    void makeRooms(size_t next);
    // Whether the reader, waiting before the file at m_readerAt, may go on;
    // the lock is held.
    bool readerMayResume() const;
    // Wakes the reader when it waits and may go on; the lock is held.
    void wakeReaderIfDue();

    std::vector<Entry> m_entries;
    size_t m_next = 0;
    size_t m_roomsMade = 0;
    qint64 m_held = 0;
    bool m_stop = false;
    size_t m_readerAt = 0;
    bool m_readerWaiting = false;
    bool m_loadWaiting = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
    FilePrefetch *m_previous;
};

#endif
