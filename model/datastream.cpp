#include "model/datastream.h"

#include "model/check.h"

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
    readValues(*this, values, count, [](const char *p) { return qFromBigEndian<qint32>(p); });
}

void DataStream::readDoubles(double *values, int count)
{
    // Streams of Qt 4.6 on may hold single-precision values.
    if (byteOrder() != BigEndian || (version() >= Qt_4_6 && floatingPointPrecision() != DoublePrecision)) {
        for (int i = 0; i < count; ++i)
            *this >> values[i];
        return;
    }
    readValues(*this, values, count, [](const char *p) {
        const quint64 bits = qFromBigEndian<quint64>(p);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    });
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

bool DataStream::checkCoordinate(double value)
{
    return checkRecord(std::isfinite(value) && std::fabs(value) <= CoordinateLimit);
}

bool DataStream::checkPoint(const QPointF &point)
{
    return checkCoordinate(point.x()) && checkCoordinate(point.y());
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
    const QIODevice *source = device();
    const qint64 left = source ? source->bytesAvailable() : 0;
    return checkRecord(count >= 0 && (count == 0 || !source || count <= left / std::max<qint64>(recordSize, 1)));
}

bool DataStream::checkAtEnd()
{
    return checkRecord(atEnd());
}
