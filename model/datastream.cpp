#include "model/datastream.h"

#include "model/check.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <algorithm>
#include <cmath>

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
