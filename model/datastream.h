#ifndef RLAY_DATASTREAM_H
#define RLAY_DATASTREAM_H

// The stream of every saved, loaded or copied byte: the framework's data
// stream at the stream version of Qt 4.3, big-endian, plus the project format
// index the data was written in. Readers gate fields added by later formats
// on formatIndex().

#include <QDataStream>
#include <QIODevice>

class QByteArray;

class DataStream : public QDataStream
{
public:
    enum { CurrentFormat = 11, FormatCount = 12 };

    DataStream();
    DataStream(QByteArray *buffer, QIODevice::OpenMode mode);

    // Accepts 0 to CurrentFormat; anything else fails a check and leaves
    // the index and the stream version as they were.
    void setFormatIndex(int index);
    int formatIndex() const { return m_formatIndex; }

private:
    int m_formatIndex = 0;
};

#endif
