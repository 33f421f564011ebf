#ifndef RLAY_DATASTREAM_H
#define RLAY_DATASTREAM_H

// The stream of every saved, loaded or copied byte: the framework's data
// stream at the stream version of Qt 4.3, big-endian, plus the project format
// index the data was written in. Readers gate fields added by later formats
// on formatIndex().

#include <QDataStream>
#include <QIODevice>

class QByteArray;
class QPointF;
class QRectF;
class QSizeF;

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

    // Checks for the readers of files and clipboard records. Each one tests
    // values just read; when the test fails it marks the stream damaged
    // (status ReadCorruptData), so that the reader and every pass after it
    // stop there without a message of their own. Each returns whether the
    // stream is still good (a stream damaged before stays damaged).
    //
    // The largest coordinate, size or length a record may hold: beyond any
    // sheet (an A0 sheet is 11890 wide, and a sheet is at most 255 wide).
    static constexpr double CoordinateLimit = 1.0e7;
    // Any condition a record must meet.
    bool checkRecord(bool condition);
    // A coordinate, size or angle: finite and within +-CoordinateLimit.
    bool checkCoordinate(double value);
    bool checkPoint(const QPointF &point);
    bool checkRect(const QRectF &rect);
    bool checkSize(const QSizeF &size);
    // A count of records each of which takes at least recordSize bytes
    // further on: not negative, and not more than the bytes left can hold.
    bool checkCount(qint64 count, qint64 recordSize = 1);
    // Nothing is left to read: a reader calls it after the last record of
    // its file or block, so that bytes it did not understand are damage.
    bool checkAtEnd();

    // Reads count 32-bit integers, or count doubles, with one read of the
    // device for up to 64 of them: each value is what the operator >> gives,
    // 0 once the bytes run out (the stream then says ReadPastEnd).
    void readInt32s(qint32 *values, int count);
    void readDoubles(double *values, int count);

private:
    int m_formatIndex = 0;
};

#endif
