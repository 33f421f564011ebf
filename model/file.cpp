#include "model/file.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/fileprefetch.h"
#include "model/qobjecttext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

const int headerSize = fileHeaderSize;

// The message for a file or directory that could not be made at path:
// when the folder that is to hold it stands but may not be written, that
// folder and the system's reason; otherwise the fallback.
QString refusalText(const QString &path, const QString &reason, const QString &fallback)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.isDir() && !folder.isWritable())
        return tq("Cannot write to folder %1: %2!").arg(folder.absoluteFilePath(), reason);
    return fallback;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

DiskWatch &diskWatch()
{
    static DiskWatch watch;
    return watch;
}

// Whether the watch lets the step be taken; a step it refuses fails as one
// the system refuses, with an input/output error.
bool watchAllows(DiskStep step, const QString &path, const QString &to = QString())
{
    if (!diskWatch() || diskWatch()(step, path, to))
        return true;
    errno = EIO;
    return false;
}

FileClock &fileClock()
{
    static FileClock clock;
    return clock;
}

// The tables of the reflected polynomial 0x8408: the first gives one
// byte's step, table k the step of a byte followed by k more.
using CrcTables = std::array<std::array<quint16, 256>, 8>;

const CrcTables &crcTables()
{
    static const CrcTables tables = [] {
        CrcTables t{};
        for (size_t i = 0; i < 256; ++i) {
            auto c = quint16(i);
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? quint16((c >> 1) ^ 0x8408) : quint16(c >> 1);
            t[0][i] = c;
        }
        for (size_t k = 1; k < 8; ++k) {
            for (size_t i = 0; i < 256; ++i)
                t[k][i] = quint16((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xff]);
        }
        return t;
    }();
    return tables;
}

// a * b modulo the polynomial, both reflected as the register holds them
// (the highest bit is x^0).
quint16 multiplyModulo(quint16 a, quint16 b)
{
    quint16 product = 0;
    for (quint16 m = 0x8000; m != 0; m >>= 1) {
        if (a & m)
            product ^= b;
        b = (b & 1) ? quint16((b >> 1) ^ 0x8408) : quint16(b >> 1);
    }
    return product;
}

// x^(8 * length) modulo the polynomial: the step over length bytes.
quint16 byteShift(qint64 length)
{
    // x^(2^k), from x^8 (k = 3) on.
    static const std::array<quint16, 64> powers = [] {
        std::array<quint16, 64> p{};
        quint16 x = 0x4000; // x^1
        for (size_t k = 0; k < p.size(); ++k) {
            p[k] = x;
            x = multiplyModulo(x, x);
        }
        return p;
    }();
    quint16 step = 0x8000; // x^0
    for (size_t k = 3; length != 0 && k < powers.size(); ++k, length >>= 1) {
        if (length & 1)
            step = multiplyModulo(powers[k], step);
    }
    return step;
}

// The sum of the bytes, on from the state crc, eight bytes a step.
quint32 tableChecksum(quint32 crc, const uchar *p, qsizetype n)
{
    const CrcTables &t = crcTables();
    for (; n >= 8; p += 8, n -= 8) {
        const quint32 a = crc ^ (quint32(p[0]) | quint32(p[1]) << 8);
        crc = t[7][a & 0xff] ^ t[6][a >> 8] ^ t[5][p[2]] ^ t[4][p[3]] ^ t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]]
            ^ t[0][p[7]];
    }
    for (; n > 0; ++p, --n)
        crc = (crc >> 8) ^ t[0][(crc ^ *p) & 0xff];
    return crc;
}

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define RLAY_FOLDED_CHECKSUM 1

// x^k modulo the generator x^16 + x^12 + x^5 + 1, with the coefficient of
// x^d at bit 63 - d, as the bytes hold the bits: the carry-less product of
// a half of sixteen bytes with it moves that half k + 1 bits on, modulo the
// generator.
constexpr quint64 foldFactor(int k)
{
    quint32 r = 1;
    for (int i = 0; i < k; ++i) {
        r <<= 1;
        if (r & 0x10000)
            r ^= 0x11021;
    }
    quint64 factor = 0;
    for (int d = 0; d < 16; ++d) {
        if (r >> d & 1)
            factor |= quint64(1) << (63 - d);
    }
    return factor;
}

// Sixteen bytes moved on by a distance of the factors' pair, modulo the
// generator: the low half (the first eight bytes) by the distance plus 64
// bits, the high half by the distance.
__attribute__((target("pclmul,sse2"))) inline __m128i foldOn(__m128i x, __m128i factors)
{
    return _mm_xor_si128(_mm_clmulepi64_si128(x, factors, 0x00), _mm_clmulepi64_si128(x, factors, 0x11));
}

// The sum of at least 64 bytes by carry-less products: the bytes are folded,
// four blocks of sixteen side by side, into sixteen bytes that leave the
// same remainder, whose sum and that of the bytes left over the tables
// take.
__attribute__((target("pclmul,sse2"))) quint32 foldedChecksum(quint32 crc, const uchar *p, qsizetype n)
{
    const __m128i by512 = _mm_set_epi64x(qint64(foldFactor(511)), qint64(foldFactor(575)));
    const __m128i by128 = _mm_set_epi64x(qint64(foldFactor(127)), qint64(foldFactor(191)));
    const auto load = [](const uchar *at) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at)); };
    // The state enters as the first two bytes changed by it.
    __m128i x0 = _mm_xor_si128(load(p), _mm_cvtsi32_si128(int(crc)));
    __m128i x1 = load(p + 16);
    __m128i x2 = load(p + 32);
    __m128i x3 = load(p + 48);
    p += 64;
    n -= 64;
    for (; n >= 64; p += 64, n -= 64) {
        x0 = _mm_xor_si128(foldOn(x0, by512), load(p));
        x1 = _mm_xor_si128(foldOn(x1, by512), load(p + 16));
        x2 = _mm_xor_si128(foldOn(x2, by512), load(p + 32));
        x3 = _mm_xor_si128(foldOn(x3, by512), load(p + 48));
    }
    __m128i x = _mm_xor_si128(foldOn(x0, by128), x1);
    x = _mm_xor_si128(foldOn(x, by128), x2);
    x = _mm_xor_si128(foldOn(x, by128), x3);
    for (; n >= 16; p += 16, n -= 16)
        x = _mm_xor_si128(foldOn(x, by128), load(p));
    alignas(16) uchar folded[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(folded), x);
    return tableChecksum(tableChecksum(0, folded, 16), p, n);
}

bool hasCarrylessProduct()
{
    static const bool has = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse2");
    return has;
}
#endif

// The folder of an absolute path, as QFileInfo gives it; a path in plain
// form (no empty, "." or ".." part, no closing slash) is only cut at its
// last slash, which a load does for every sheet's file.
QString folderOfAbsolute(const QString &path)
{
    const qsizetype last = path.lastIndexOf(QLatin1Char('/'));
    const bool plain = last >= 0 && last + 1 < path.size() && path.startsWith(QLatin1Char('/'))
        && !path.contains(QLatin1String("//")) && !path.contains(QLatin1String("/./"))
        && !path.contains(QLatin1String("/../")) && !path.endsWith(QLatin1String("/."))
        && !path.endsWith(QLatin1String("/.."));
    if (!plain)
        return QFileInfo(path).absolutePath();
    return last == 0 ? QStringLiteral("/") : path.left(last);
}

} // namespace

quint16 fileChecksum(QByteArrayView data)
{
    const auto *p = reinterpret_cast<const uchar *>(data.data());
    const qsizetype n = data.size();
#ifdef RLAY_FOLDED_CHECKSUM
    if (n >= 64 && hasCarrylessProduct())
        return quint16(~foldedChecksum(0xffff, p, n));
#endif
    return quint16(~tableChecksum(0xffff, p, n));
}

namespace {

// The register of the CRC carried over the bytes, without the final
// inversion: through the tables over a few, else through the checksum of
// the bytes and the step over as many (the register is linear in both).
quint16 checksumState(quint16 crc, QByteArrayView data)
{
    if (data.size() > 64)
        return quint16(multiplyModulo(byteShift(data.size()), quint16(crc ^ 0xffff)) ^ quint16(~fileChecksum(data)));
    return quint16(tableChecksum(crc, reinterpret_cast<const uchar *>(data.data()), data.size()));
}

} // namespace

ChecksumSpan checksumSpan(QByteArrayView bytes)
{
    ChecksumSpan span;
    span.length = bytes.size();
    span.state = checksumState(0, bytes);
    span.shift = byteShift(bytes.size());
    return span;
}

quint16 fileChecksum(QByteArrayView data, const std::vector<ChecksumSpan> &spans)
{
    qsizetype at = 0;
    for (const ChecksumSpan &span : spans) {
        if (span.offset < at || span.length < 0 || span.offset + span.length > data.size())
            return fileChecksum(data);
        at = span.offset + span.length;
    }
    quint16 crc = 0xffff;
    at = 0;
    for (const ChecksumSpan &span : spans) {
        crc = checksumState(crc, data.sliced(at, span.offset - at));
        // Linear: the register carried over the span's bytes is the one
        // carried over as many zeros, plus theirs from zero.
        crc = multiplyModulo(span.shift, quint16(crc)) ^ span.state;
        at = span.offset + span.length;
    }
    return quint16(~checksumState(crc, data.sliced(at)));
}

void setFileClock(FileClock clock)
{
    fileClock() = std::move(clock);
}

QDateTime fileClockNow()
{
    return fileClock() ? fileClock()() : QDateTime::currentDateTime();
}

File::File(const QString &defaultExtension)
    : m_defaultExtension(defaultExtension)
{
}

File::~File()
{
    discard();
    m_buffer.clear();
    if (isOpen()) {
        seek(0);
        close();
    }
}

void File::changeFileName(const QString &name)
{
    if (!fileName().isEmpty()) {
        m_buffer.clear();
        discard();
        if (isOpen()) {
            seek(0);
            close();
        }
    }
    setFileName(name);
    m_name = name;
    // Taken once: the sheets of a large project ask for it one by one.
    m_absolutePath = QDir::isAbsolutePath(name) ? folderOfAbsolute(name) : QString();
}

QString File::shortFileName() const
{
    return QFileInfo(fileName()).fileName();
}

QString File::absolutePath() const
{
    // A relative name follows the working directory.
    return m_absolutePath.isEmpty() ? QFileInfo(fileName()).absolutePath() : m_absolutePath;
}

bool File::openFile()
{
    bool ok = CHECK(m_buffer.isEmpty());
    if (ok)
        ok = CHECK(pos() == 0);
    // The file is opened for reading only: writing goes through a staged copy,
    // and loading a missing file must not create it. It is read whole at
    // once, without the device's own buffer.
    if (ok && !isOpen())
        ok = !fileName().isEmpty() && open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (!ok) {
        showError(tq("Cannot open file %1!").arg(fileName()));
        return false;
    }
    return true;
}

void File::clear(bool close)
{
    m_buffer.clear();
    m_knownSpans.clear();
    if (isOpen()) {
        seek(0);
        if (close)
            QFile::close();
    }
}

bool File::writeNameAndDate(DataStream &stream)
{
    if (!CHECK(m_buffer.isEmpty()) || !CHECK(pos() == 0)) {
        showError(tq("Cannot open file %1!").arg(fileName()));
        return false;
    }
    m_record.name = shortFileName();
    m_record.dateTime = fileClockNow();
    m_record.dateBytes.clear();
    stream << m_record.name << m_record.dateTime;
    return true;
}

bool File::save()
{
    if (!stage())
        return false;
    if (commit())
        return true;
    discard();
    return false;
}

bool File::stage(const QString &stagedPath)
{
    discard();

    QByteArray header;
    {
        DataStream hs(&header, QIODevice::WriteOnly);
        hs.setFormatIndex(DataStream::CurrentFormat);
        m_record.size = m_buffer.size();
        m_record.checkSum = fileChecksum(m_buffer, m_knownSpans);
        m_knownSpans.clear();
        hs << qint32(m_record.size) << quint16(m_record.checkSum);
    }

    m_stagedPath = stagedPath.isEmpty() ? fileName() + QStringLiteral(".new") : stagedPath;
    QFile staged(m_stagedPath);
    // A target that a file cannot replace (a directory, or a file the user
    // may not write) fails here, before anything of the save is replaced.
    const QFileInfo target(fileName());
    if (target.isDir() || (target.exists() && !target.isWritable())) {
        showError(refusalText(m_stagedPath, systemReason(EACCES), tq("Cannot open file %1!").arg(fileName())));
        m_stagedPath.clear();
        return false;
    }
    if (!staged.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        showError(refusalText(m_stagedPath, staged.errorString(), tq("Cannot open file %1!").arg(fileName())));
        m_stagedPath.clear();
        return false;
    }
    if (!staged.resize(qint64(m_buffer.size()) + headerSize)) {
        staged.close();
        discard();
        showError(tq("Cannot resize file! Promptly need save as project!"));
        return false;
    }
    if (staged.write(header) != headerSize) {
        staged.close();
        discard();
        showError(tq("Write header file %1 is not correct! Promptly need save as project!").arg(fileName()));
        return false;
    }
    // The bytes are on the disk before anything is replaced by them.
    bool ok = staged.write(m_buffer) == m_buffer.size() && staged.flush() && staged.error() == QFileDevice::NoError;
    staged.close();
    if (!ok || !syncToDisk(m_stagedPath)) {
        discard();
        showError(tq("Write data in file %1 is not correct! Promptly need save as project!").arg(fileName()));
        return false;
    }
    return true;
}

bool File::commit(bool syncFolder)
{
    if (!CHECK(isStaged()))
        return false;
    // A read handle still open on the old file would go on reading it.
    if (isOpen())
        QFile::close();
    if (!replaceFile(m_stagedPath, fileName())) {
        const int error = errno;
        // The staged file stays: the caller drops it or tries again.
        showError(writeFailureText(fileName(), error));
        return false;
    }
    m_stagedPath.clear();
    // The new name stands on the disk before the save goes on: a folder
    // that cannot say so fails the save.
    if (syncFolder && !syncToDisk(absolutePath())) {
        const int error = errno;
        showError(syncFailureText(absolutePath(), error));
        return false;
    }
    return true;
}

void File::discard()
{
    if (m_stagedPath.isEmpty())
        return;
    removeFile(m_stagedPath);
    m_stagedPath.clear();
}

void setDiskWatch(DiskWatch watch)
{
    diskWatch() = std::move(watch);
}

bool syncToDisk(const QString &path)
{
    if (!watchAllows(DiskStep::Sync, path))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

bool replaceFile(const QString &from, const QString &to)
{
    return watchAllows(DiskStep::Rename, from, to)
        && std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool removeFile(const QString &path)
{
    return watchAllows(DiskStep::Remove, path) && ::unlink(QFile::encodeName(path).constData()) == 0;
}

bool makeFolder(const QString &path)
{
    return watchAllows(DiskStep::MakeFolder, path) && ::mkdir(QFile::encodeName(path).constData(), 0777) == 0;
}

bool fileIdentity(const QString &path, quint64 *device, quint64 *inode)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    *device = quint64(info.st_dev);
    *inode = quint64(info.st_ino);
    return true;
}

namespace {

FolderStamp stampOf(const QString &path, bool folder)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISDIR(info.st_mode) != folder)
        return FolderStamp();
    return FolderStamp{quint64(info.st_dev), quint64(info.st_ino),
                       qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

} // namespace

FolderStamp folderStamp(const QString &path)
{
    return stampOf(path, true);
}

FolderStamp fileStamp(const QString &path)
{
    return stampOf(path, false);
}

bool isSameFile(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const QFileInfo x(a);
    const QFileInfo y(b);
    if (x.fileName() != y.fileName())
        return false;
    quint64 device[2] = {};
    quint64 inode[2] = {};
    if (fileIdentity(x.absolutePath(), &device[0], &inode[0]) && fileIdentity(y.absolutePath(), &device[1], &inode[1]))
        return device[0] == device[1] && inode[0] == inode[1];
    return QDir::cleanPath(x.absolutePath()) == QDir::cleanPath(y.absolutePath());
}

QString syncFailureText(const QString &folder, int error)
{
    return tq("Cannot write to folder %1: %2!").arg(QFileInfo(folder).absoluteFilePath(), systemReason(error));
}

QString writeFailureText(const QString &path, int error)
{
    return refusalText(path, systemReason(error),
                       tq("Write data in file %1 is not correct! Promptly need save as project!").arg(path));
}

bool File::load(DataStream &stream)
{
    // A load that reads many files may have read this one ahead.
    QByteArray whole;
    FilePrefetch *prefetch = FilePrefetch::active();
    quint16 payloadChecksum = 0;
    const bool prefetched = prefetch && m_buffer.isEmpty() && (!isOpen() || pos() == 0)
        && prefetch->take(fileName(), &whole, &payloadChecksum);
    QByteArray header;
    if (prefetched) {
        if (isOpen())
            QFile::close();
        header = whole.left(headerSize);
    } else {
        if (!openFile())
            return false;
        header = read(headerSize);
    }
    if (header.size() < headerSize) {
        showError(tq("Header file %1 is corrupt!").arg(fileName()));
        return false;
    }
    qint32 size = 0;
    quint16 checkSum = 0;
    {
        QByteArray headerCopy = header;
        DataStream hs(&headerCopy, QIODevice::ReadOnly);
        hs.setFormatIndex(stream.formatIndex());
        hs >> size >> checkSum;
    }

    // The payload is whatever the file holds: never more than the file's own
    // size is read, whatever size the header states.
    if (prefetched) {
        whole.remove(0, headerSize);
        m_buffer = std::move(whole);
    } else {
        m_buffer = readAll();
        // Everything is in memory now; no handle is kept on the file.
        QFile::close();
    }

    if (m_buffer.size() != size || (m_record.size != 0 && m_record.size != size)) {
        showError(tq("Size file %1 not correct!").arg(fileName()));
        return false;
    }
    if (!prefetched)
        payloadChecksum = fileChecksum(m_buffer);
    if (payloadChecksum != checkSum
        || (m_record.checkSum != 0 && m_record.checkSum != checkSum)) {
        showError(tq("Check summ file %1 not correct!").arg(fileName()));
        return false;
    }

    stream.seek(0);
    QString name;
    stream >> name;
    if (name != shortFileName()) {
        showError(tq("Name file %1 is corrupt!").arg(fileName()));
        return false;
    }
    const bool recorded = m_record.hasDate();
    if (recorded && recordedDateFollows(stream))
        return true;
    QDateTime dateTime;
    stream >> dateTime;
    if (recorded && m_record.date() != dateTime) {
        showError(tq("DateTime file %1 is corrupt!").arg(fileName()));
        return false;
    }
    return true;
}

bool File::recordedDateFollows(DataStream &stream) const
{
    // The recorded date as this stream writes it: the same bytes are the
    // same date, read without converting a local time for each file.
    QByteArray recorded = m_record.dateBytes;
    if (recorded.isEmpty()) {
        DataStream out(&recorded, QIODevice::WriteOnly);
        out.setVersion(stream.version());
        out << m_record.dateTime;
    }
    if (!stream.canSeek() || stream.bytesLeft() < recorded.size())
        return false;
    const qint64 start = stream.pos();
    QByteArray next(recorded.size(), Qt::Uninitialized);
    if (stream.readRawData(next.data(), int(next.size())) == next.size() && next == recorded)
        return true;
    stream.seek(start);
    return false;
}

bool File::standsOnDisk() const
{
    if (m_record.name.isEmpty() || !m_record.hasDate())
        return false;
    // The bytes the file begins with when it is the recorded one.
    QByteArray expected;
    {
        DataStream out(&expected, QIODevice::WriteOnly);
        out.setFormatIndex(DataStream::CurrentFormat);
        out << qint32(m_record.size) << quint16(m_record.checkSum) << m_record.name;
        if (!m_record.dateBytes.isEmpty())
            out.writeRawData(m_record.dateBytes.constData(), int(m_record.dateBytes.size()));
        else
            out << m_record.dateTime;
    }
    QFile file(fileName());
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && file.size() == qint64(m_record.size) + headerSize
        && file.read(expected.size()) == expected;
}

void File::writeHeader(DataStream &stream) const
{
    stream << m_record.name << qint32(m_record.size) << quint16(m_record.checkSum);
    if (!m_record.dateBytes.isEmpty())
        stream.writeRawData(m_record.dateBytes.constData(), int(m_record.dateBytes.size()));
    else
        stream << m_record.dateTime;
}

namespace {

// The bytes of a null date in the project files' stream format, and their
// count, which is that of every date.
const QByteArray &nullDateBytes()
{
    static const QByteArray bytes = [] {
        QByteArray written;
        DataStream out(&written, QIODevice::WriteOnly);
        out << QDateTime();
        return written;
    }();
    return bytes;
}

QDateTime decodedDate(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    DataStream in(&copy, QIODevice::ReadOnly);
    QDateTime date;
    in >> date;
    return date;
}

} // namespace

QDateTime FileHeader::date() const
{
    return dateBytes.isEmpty() ? dateTime : decodedDate(dateBytes);
}

bool FileHeader::hasDate() const
{
    return dateBytes.isEmpty() ? !dateTime.isNull() : dateBytes != nullDateBytes();
}

void File::recordLoaded()
{
    QByteArray copy = m_buffer;
    DataStream in(&copy, QIODevice::ReadOnly);
    in >> m_record.name;
    m_record.size = int(m_buffer.size());
    m_record.checkSum = fileChecksum(m_buffer);
    m_record.dateTime = QDateTime();
    m_record.dateBytes = m_buffer.mid(in.device()->pos(), nullDateBytes().size());
}

void File::readHeader(DataStream &stream)
{
    qint32 size = 0;
    quint16 checkSum = 0;
    stream >> m_record.name >> size >> checkSum;
    m_record.size = size;
    m_record.checkSum = checkSum;
    m_record.dateTime = QDateTime();
    const int length = int(nullDateBytes().size());
    m_record.dateBytes.resize(length);
    if (stream.readRawData(m_record.dateBytes.data(), length) != length) {
        m_record.dateBytes.clear();
        stream.setStatus(QDataStream::ReadPastEnd);
    }
}

int pickFreeNumber(const std::function<bool(int)> &taken)
{
    for (int attempt = 0; attempt < 4000; ++attempt) {
        const int n = std::rand() % 1000;
        if (n > 0 && !taken(n))
            return n;
    }
    for (int n = 1; n < 1000; ++n) {
        if (!taken(n))
            return n;
    }
    return 0;
}

QString File::uniqueTempName(const QString &directory) const
{
    const auto nameOf = [&](int n) { return directory + "/" + QString::number(n) + m_defaultExtension; };
    const int n = pickFreeNumber([&](int n) { return QFile::exists(nameOf(n)); });
    return n > 0 ? nameOf(n) : QString();
}

QString DirNumber::path(const QString &baseDirectory) const
{
    return baseDirectory + "/" + QString::number(number);
}

bool DirNumber::create(const QString &baseDirectory, const std::function<bool(int)> &reserved)
{
    if (number == 0) {
        // A number is the group's once this call has made its directory:
        // every copy of the program draws the same numbers, and one saving
        // into the same folder at the same time draws again rather than
        // share a directory made between its draw and its make.
        QDir().mkpath(baseDirectory);
        int error = 0;
        const int n = pickFreeNumber([&](int n) {
            if (reserved && reserved(n))
                return true;
            error = makeFolder(DirNumber(n).path(baseDirectory)) ? 0 : errno;
            return error == EEXIST;
        });
        if (n == 0) {
            showError(tq("Cannot create dir %1").arg(baseDirectory));
            return false;
        }
        if (error != 0) {
            const QString dir = DirNumber(n).path(baseDirectory);
            showError(refusalText(dir, systemReason(error), tq("Cannot create dir %1").arg(dir)));
            return false;
        }
        number = n;
        return true;
    }
    const QString dir = path(baseDirectory);
    if (!QDir(dir).exists() && !QDir().mkpath(dir)) {
        const int error = errno;
        showError(refusalText(dir, systemReason(error), tq("Cannot create dir %1").arg(dir)));
        return false;
    }
    return true;
}
