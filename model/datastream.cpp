#include "model/datastream.h"

#include "model/check.h"

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
