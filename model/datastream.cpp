#include "model/datastream.h"

#include "model/check.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Stream version of each format index: every format is written at Qt 4.3's.
const int streamVersions[DataStream::FormatCount] = {
    QDataStream::Qt_4_3, QDataStream::Qt_4_3, QDataStream::Qt_4_3, QDataStream::Qt_4_3,
    QDataStream::Qt_4_3, QDataStream::Qt_4_3, QDataStream::Qt_4_3, QDataStream::Qt_4_3,
    QDataStream::Qt_4_3, QDataStream::Qt_4_3, QDataStream::Qt_4_3, QDataStream::Qt_4_3,
};

} // namespace

DataStream::DataStream()
{
    if (CHECK(sizeof(streamVersions) / sizeof(streamVersions[0]) == FormatCount))
        setVersion(streamVersions[0]);
}

DataStream::DataStream(QByteArray *buffer, QIODevice::OpenMode mode)
    : QDataStream(buffer, mode)
{
    if (CHECK(sizeof(streamVersions) / sizeof(streamVersions[0]) == FormatCount))
        setVersion(streamVersions[0]);
    // A stream that only reads an array reads its memory directly, one
    // that only writes it writes there directly, from where the device
    // stands (the end of the array when appending).
    if (buffer && QDataStream::device() && !(mode & QIODevice::WriteOnly)) {
        m_bytes = buffer;
        m_direct = true;
    } else if (buffer && QDataStream::device() && !(mode & QIODevice::ReadOnly)) {
        m_out = buffer;
        m_directOut = true;
        m_pos = QDataStream::device()->pos();
    }
}

void DataStream::syncDevice() const
{
    if (m_direct)
        QDataStream::device()->seek(std::min<qint64>(m_pos, m_bytes->size()));
    else if (m_directOut)
        QDataStream::device()->seek(std::min<qint64>(m_pos, m_out->size()));
}

void DataStream::takeDevicePosition()
{
    if (m_direct || m_directOut)
        m_pos = QDataStream::device()->pos();
}

char *DataStream::reserveOutput(QByteArray &bytes, qint64 length)
{
    const qint64 end = m_pos + length;
    if (end > bytes.size())
        bytes.resize(qsizetype(end));
    char *at = bytes.data() + m_pos;
    m_pos = end;
    return at;
}

DataStream &DataStream::operator<<(double value)
{
    QByteArray *bytes = output();
    if (bytes && byteOrder() == BigEndian && (version() < Qt_4_6 || floatingPointPrecision() == DoublePrecision)) {
        quint64 raw = 0;
        std::memcpy(&raw, &value, sizeof(raw));
        return writeFixed(raw);
    }
    throughDevice([&] { QDataStream::operator<<(value); });
    return *this;
}

DataStream &DataStream::operator<<(const QString &value)
{
    // As the framework writes it: 0xffffffff for a null string, else the
    // length in bytes and the UTF-16 code units, big-endian.
    QByteArray *bytes = output();
    if (bytes && byteOrder() == BigEndian && version() >= 3) {
        if (value.isNull())
            return writeFixed(quint32(0xffffffffu));
        const qsizetype units = value.size();
        writeFixed(quint32(2 * units));
        qToBigEndian<char16_t>(value.utf16(), units, reserveOutput(*bytes, 2 * qint64(units)));
        return *this;
    }
    throughDevice([&] { static_cast<QDataStream &>(*this) << value; });
    return *this;
}

int DataStream::writeRawData(const char *data, int length)
{
    QByteArray *bytes = output();
    if (!bytes || length < 0) {
        int put = -1;
        throughDevice([&] { put = QDataStream::writeRawData(data, length); });
        return put;
    }
    if (length > 0)
        std::memcpy(reserveOutput(*bytes, length), data, size_t(length));
    return length;
}

bool DataStream::canReadDoubles() const
{
    return byteOrder() == BigEndian && !(version() >= Qt_4_6 && floatingPointPrecision() == SinglePrecision);
}

QIODevice *DataStream::device() const
{
    syncDevice();
    m_direct = false;
    m_directOut = false;
    return QDataStream::device();
}

void DataStream::setDevice(QIODevice *device)
{
    QDataStream::setDevice(device);
    m_direct = false;
    m_bytes = nullptr;
    m_directOut = false;
    m_out = nullptr;
}

qint64 DataStream::bytesLeft() const
{
    if (const QByteArray *bytes = memory())
        return std::max<qint64>(0, bytes->size() - m_pos);
    if (m_directOut)
        return std::max<qint64>(0, m_out->size() - m_pos);
    const QIODevice *source = QDataStream::device();
    return source ? source->bytesAvailable() : 0;
}

qint64 DataStream::pos() const
{
    if (memory() || m_directOut)
        return m_pos;
    const QIODevice *source = QDataStream::device();
    return source ? source->pos() : 0;
}

bool DataStream::seek(qint64 position)
{
    if (const QByteArray *bytes = memory()) {
        if (position < 0 || position > bytes->size())
            return false;
        m_pos = position;
        return true;
    }
    if (m_directOut && position >= 0 && position <= m_out->size()) {
        m_pos = position;
        return true;
    }
    // Beyond the end the device pads what it skips: it writes from here on.
    if (m_directOut) {
        syncDevice();
        m_directOut = false;
    }
    QIODevice *source = QDataStream::device();
    return source && source->seek(position);
}

bool DataStream::canSeek() const
{
    const QIODevice *source = QDataStream::device();
    return memory() || (source && !source->isSequential());
}

bool DataStream::atEnd() const
{
    if (const QByteArray *bytes = memory())
        return m_pos >= bytes->size();
    if (m_directOut)
        return m_pos >= m_out->size();
    return QDataStream::atEnd();
}

int DataStream::readRawData(char *data, int length)
{
    const QByteArray *bytes = memory();
    if (!bytes || length < 0) {
        int got = -1;
        throughDevice([&] { got = QDataStream::readRawData(data, length); });
        return got;
    }
    const int got = int(std::min<qint64>(length, bytesLeft()));
    if (got > 0)
        std::memcpy(data, bytes->constData() + m_pos, size_t(got));
    m_pos += got;
    if (got != length)
        setStatus(ReadPastEnd);
    return got;
}

int DataStream::skipRawData(int length)
{
    if (!memory() || length < 0) {
        int skipped = -1;
        throughDevice([&] { skipped = QDataStream::skipRawData(length); });
        return skipped;
    }
    const int skipped = int(std::min<qint64>(length, bytesLeft()));
    m_pos += skipped;
    if (skipped != length)
        setStatus(ReadPastEnd);
    return skipped;
}

DataStream &DataStream::operator>>(bool &value)
{
    qint8 v = 0;
    *this >> v;
    value = v != 0;
    return *this;
}

DataStream &DataStream::operator>>(float &value)
{
    // From Qt 4.6 on a double-precision stream holds floats as doubles.
    if (memory() && byteOrder() == BigEndian && !(version() >= Qt_4_6 && floatingPointPrecision() == DoublePrecision)
        && bytesLeft() >= 4) {
        quint32 bits = 0;
        *this >> bits;
        std::memcpy(&value, &bits, sizeof value);
        return *this;
    }
    throughDevice([&] { QDataStream::operator>>(value); });
    return *this;
}

namespace {

double doubleAt(const char *p)
{
    const quint64 bits = qFromBigEndian<quint64>(p);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

const char *DataStream::takeDoubles(int count)
{
    const qint64 size = 8 * qint64(count);
    if (!memory() || !canReadDoubles() || bytesLeft() < size)
        return nullptr;
    const char *p = m_bytes->constData() + m_pos;
    m_pos += size;
    return p;
}

DataStream &DataStream::operator>>(double &value)
{
    if (const char *p = takeDoubles(1))
        value = doubleAt(p);
    else
        throughDevice([&] { QDataStream::operator>>(value); });
    return *this;
}

DataStream &DataStream::operator>>(QPointF &value)
{
    if (const char *p = takeDoubles(2))
        value = QPointF(doubleAt(p), doubleAt(p + 8));
    else
        throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
    return *this;
}

DataStream &DataStream::operator>>(QSizeF &value)
{
    if (const char *p = takeDoubles(2))
        value = QSizeF(doubleAt(p), doubleAt(p + 8));
    else
        throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
    return *this;
}

DataStream &DataStream::operator>>(QRectF &value)
{
    if (const char *p = takeDoubles(4))
        value.setRect(doubleAt(p), doubleAt(p + 8), doubleAt(p + 16), doubleAt(p + 24));
    else
        throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
    return *this;
}

DataStream &DataStream::operator>>(QColor &value)
{
    // An RGB colour record: its spec, then alpha, red, green, blue and a
    // padding of 16 bits each. Other specs go through the framework.
    if (memory() && byteOrder() == BigEndian && version() >= 7 && bytesLeft() >= 11) {
        const char *p = m_bytes->constData() + m_pos;
        const auto at = [p](int i) { return qFromBigEndian<quint16>(p + 1 + 2 * i); };
        if (qint8(p[0]) == qint8(QColor::Rgb) && at(4) == 0) {
            value = QColor::fromRgba64(at(1), at(2), at(3), at(0));
            m_pos += 11;
            return *this;
        }
        // The record of a colour never set.
        if (qint8(p[0]) == qint8(QColor::Invalid) && at(0) == 0xffff && !at(1) && !at(2) && !at(3) && !at(4)) {
            value = QColor();
            m_pos += 11;
            return *this;
        }
    }
    throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
    return *this;
}

namespace {

// The fonts read last, with the bytes and stream version they were read
// from: texts on a project's sheets use a few fonts, and the texts that share
// one keep one copy of it.
struct ReadFont
{
    int version;
    QByteArray bytes;
    QFont font;
};
QList<ReadFont> *readFonts = nullptr;
const qsizetype readFontLimit = 8;

void dropReadFonts()
{
    delete readFonts;
    readFonts = nullptr;
}

} // namespace

DataStream &DataStream::operator>>(QFont &value)
{
    const QByteArray *bytes = memory();
    if (!bytes || status() != Ok) {
        throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
        return *this;
    }
    if (!readFonts) {
        readFonts = new QList<ReadFont>;
        qAddPostRoutine(dropReadFonts);
    }
    const char *here = bytes->constData() + m_pos;
    for (const ReadFont &known : std::as_const(*readFonts)) {
        if (known.version == version() && known.bytes.size() <= bytesLeft()
            && std::memcmp(known.bytes.constData(), here, size_t(known.bytes.size())) == 0) {
            value = known.font;
            m_pos += known.bytes.size();
            return *this;
        }
    }
    const qint64 start = m_pos;
    throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
    if (status() == Ok && m_pos > start) {
        if (readFonts->size() >= readFontLimit)
            readFonts->removeFirst();
        readFonts->append({version(), bytes->mid(start, m_pos - start), value});
    }
    return *this;
}

DataStream &DataStream::operator>>(QString &value)
{
    // The length in bytes, 0xffffffff for a null string, then UTF-16.
    if (memory() && byteOrder() == BigEndian && version() > Qt_1_0 && bytesLeft() >= 4) {
        const char *p = m_bytes->constData() + m_pos;
        const quint32 length = qFromBigEndian<quint32>(p);
        if (length == 0xffffffffu) {
            value = QString();
            m_pos += 4;
            return *this;
        }
        if (length % 2 == 0 && qint64(length) <= bytesLeft() - 4) {
            if (length == 0) {
                value = QString(QLatin1String(""));
            } else {
                // Made to its length: a resize would round the block up
                // for growth that a string read never has.
                value = QString(qsizetype(length / 2), Qt::Uninitialized);
                qFromBigEndian<char16_t>(p + 4, qsizetype(length / 2), value.data());
            }
            m_pos += 4 + qint64(length);
            return *this;
        }
    }
    throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
    return *this;
}

namespace {

// Reads count values of Size bytes in chunks of up to 64, each decoded
// from its big-endian bytes; a value whose bytes ran out is zero.
template <class Value, class Decode>
void readValues(DataStream &stream, Value *values, int count, Decode decode)
{
    constexpr int size = int(sizeof(Value));
    char bytes[64 * size];
    while (count > 0) {
        const int chunk = std::min(count, 64);
        const int got = stream.readRawData(bytes, chunk * size);
        for (int i = 0; i < chunk; ++i)
            values[i] = got >= (i + 1) * size ? decode(bytes + i * size) : Value(0);
        values += chunk;
        count -= chunk;
    }
}

} // namespace

void DataStream::readInt32s(qint32 *values, int count)
{
    if (byteOrder() != BigEndian) {
        for (int i = 0; i < count; ++i)
            *this >> values[i];
        return;
    }
    // Values all in memory are decoded where they stand, without a copy.
    if (const QByteArray *bytes = memory(); bytes && count > 0 && 4 * qint64(count) <= bytes->size() - m_pos) {
        const char *p = bytes->constData() + m_pos;
        for (int i = 0; i < count; ++i)
            values[i] = qFromBigEndian<qint32>(p + 4 * i);
        m_pos += 4 * qint64(count);
        return;
    }
    readValues(*this, values, count, [](const char *p) { return qFromBigEndian<qint32>(p); });
}

void DataStream::readDoubles(double *values, int count)
{
    if (!canReadDoubles()) {
        for (int i = 0; i < count; ++i)
            *this >> values[i];
        return;
    }
    if (count > 0) {
        if (const char *p = takeDoubles(count)) {
            for (int i = 0; i < count; ++i)
                values[i] = doubleAt(p + 8 * i);
            return;
        }
    }
    readValues(*this, values, count, doubleAt);
}

void DataStream::setFormatIndex(int index)
{
    // A negative index from damaged data is refused like a too-new one.
    if (!CHECK(index >= 0 && index < FormatCount))
        return;
    m_formatIndex = index;
    setVersion(streamVersions[index]);
}

bool DataStream::checkRecord(bool condition)
{
    if (!condition && status() == Ok)
        setStatus(ReadCorruptData);
    return status() == Ok;
}

namespace {

bool isCoordinate(double value)
{
    return std::isfinite(value) && std::fabs(value) <= DataStream::CoordinateLimit;
}

} // namespace

bool DataStream::checkCoordinate(double value)
{
    return checkRecord(isCoordinate(value));
}

bool DataStream::checkPoint(const QPointF &point)
{
    // Both coordinates with one look at the status: every item read passes.
    return checkRecord(isCoordinate(point.x()) && isCoordinate(point.y()));
}

bool DataStream::checkRect(const QRectF &rect)
{
    return checkPoint(rect.topLeft()) && checkSize(rect.size());
}

bool DataStream::checkSize(const QSizeF &size)
{
    return checkCoordinate(size.width()) && checkCoordinate(size.height());
}

bool DataStream::checkCount(qint64 count, qint64 recordSize)
{
    return checkRecord(count >= 0
                       && (count == 0 || !hasDevice() || count <= bytesLeft() / std::max<qint64>(recordSize, 1)));
}

bool DataStream::checkAtEnd()
{
    return checkRecord(atEnd());
}
