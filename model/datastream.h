#ifndef RLAY_DATASTREAM_H
#define RLAY_DATASTREAM_H

// The stream of every saved, loaded or copied byte: the framework's data
// stream at the stream version of Qt 4.3, big-endian, plus the project format
// index the data was written in. Readers gate fields added by later formats
// on formatIndex().

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <cstring>
#include <type_traits>

class QColor;
class QFont;
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

    // Reads count 32-bit integers, or count doubles, with one raw read for
    // up to 64 of them: each value is what the operator >> gives,
    // 0 once the bytes run out (the stream then says ReadPastEnd).
    void readInt32s(qint32 *values, int count);
    void readDoubles(double *values, int count);

    // Reading. A stream made to read a byte array reads the array's memory
    // itself, with the framework's results byte for byte (values, partial
    // reads, the status); every other value, and every stream on another
    // device, goes through the framework's operators.
    DataStream &operator>>(qint8 &value) { return readFixed(value); }
    DataStream &operator>>(quint8 &value) { return readFixed(value); }
    DataStream &operator>>(qint16 &value) { return readFixed(value); }
    DataStream &operator>>(quint16 &value) { return readFixed(value); }
    DataStream &operator>>(qint32 &value) { return readFixed(value); }
    DataStream &operator>>(quint32 &value) { return readFixed(value); }
    DataStream &operator>>(qint64 &value) { return readFixed(value); }
    DataStream &operator>>(quint64 &value) { return readFixed(value); }
    DataStream &operator>>(bool &value);
    DataStream &operator>>(float &value);
    DataStream &operator>>(double &value);
    DataStream &operator>>(QString &value);
    DataStream &operator>>(QPointF &value);
    DataStream &operator>>(QRectF &value);
    DataStream &operator>>(QSizeF &value);
    DataStream &operator>>(QColor &value);
    // Equal font records read as one shared font.
    DataStream &operator>>(QFont &value);
    template <class T>
    DataStream &operator>>(T &value)
    {
        throughDevice([&] { static_cast<QDataStream &>(*this) >> value; });
        return *this;
    }

    // Writing. A stream made to write a byte array writes the array's
    // memory itself, the same bytes as the framework's operators; every
    // other value goes through the framework's operators on the device,
    // brought to the stream's position first.
    DataStream &operator<<(qint8 value) { return writeFixed(value); }
    DataStream &operator<<(quint8 value) { return writeFixed(value); }
    DataStream &operator<<(qint16 value) { return writeFixed(value); }
    DataStream &operator<<(quint16 value) { return writeFixed(value); }
    DataStream &operator<<(qint32 value) { return writeFixed(value); }
    DataStream &operator<<(quint32 value) { return writeFixed(value); }
    DataStream &operator<<(qint64 value) { return writeFixed(value); }
    DataStream &operator<<(quint64 value) { return writeFixed(value); }
    DataStream &operator<<(bool value) { return writeFixed(qint8(value)); }
    DataStream &operator<<(double value);
    DataStream &operator<<(const QString &value);
    template <class T>
    DataStream &operator<<(const T &value)
    {
        throughDevice([&] { static_cast<QDataStream &>(*this) << value; });
        return *this;
    }
    int writeRawData(const char *data, int length);

    bool atEnd() const;
    int readRawData(char *data, int length);
    int skipRawData(int length);
    // The bytes a reader may still take, and where it stands.
    qint64 bytesLeft() const;
    qint64 pos() const;
    bool seek(qint64 position);
    bool hasDevice() const { return QDataStream::device() != nullptr; }
    // Whether seek can go back to a position read before.
    bool canSeek() const;

    // The device, brought to where the stream stands. A caller may move it:
    // from then on every read goes through the device.
    QIODevice *device() const;
    void setDevice(QIODevice *device);
    // Not offered: they would bypass the stream's own position.
    void unsetDevice() = delete;
    QDataStream &readBytes(char *&, uint &) = delete;
    void startTransaction() = delete;

private:
    // The array read directly, or null when reads go through the device.
    const QByteArray *memory() const { return m_direct ? m_bytes : nullptr; }
    // The array written directly, or null when writes go through the
    // device (or the stream has gone wrong: nothing more is written).
    QByteArray *output() const { return m_directOut && status() == Ok ? m_out : nullptr; }
    // Puts length bytes at the stream's position, the array growing as
    // needed.
    char *reserveOutput(QByteArray &bytes, qint64 length);
    template <class T>
    DataStream &writeFixed(T value)
    {
        QByteArray *bytes = output();
        if (bytes && byteOrder() == BigEndian) {
            const T big = qToBigEndian(value);
            std::memcpy(reserveOutput(*bytes, qint64(sizeof(T))), &big, sizeof(T));
            return *this;
        }
        throughDevice([&] { QDataStream::operator<<(value); });
        return *this;
    }
    template <class T>
    DataStream &readFixed(T &value)
    {
        const QByteArray *bytes = memory();
        if (bytes && byteOrder() == BigEndian && m_pos <= bytes->size() - qint64(sizeof(T))) {
            std::memcpy(&value, bytes->constData() + m_pos, sizeof(T));
            value = qFromBigEndian(value);
            m_pos += qint64(sizeof(T));
            return *this;
        }
        throughDevice([&] { QDataStream::operator>>(value); });
        return *this;
    }
    // Runs a read of the framework on the device, which is first brought
    // to the stream's position and then tells the new one.
    template <class Read>
    void throughDevice(Read read)
    {
        syncDevice();
        read();
        takeDevicePosition();
    }
    void syncDevice() const;
    void takeDevicePosition();
    // Whether doubles are stored as big-endian eight-byte values: from Qt
    // 4.6 on a stream may hold single-precision ones.
    bool canReadDoubles() const;
    // The bytes of count doubles read from memory, or null when they go
    // through the device.
    const char *takeDoubles(int count);

    int m_formatIndex = 0;
    // The array behind a reading stream, and the stream's position in it
    // while m_direct holds.
    const QByteArray *m_bytes = nullptr;
    mutable bool m_direct = false;
    // The array behind a writing stream, written directly while
    // m_directOut holds, at m_pos.
    QByteArray *m_out = nullptr;
    mutable bool m_directOut = false;
    qint64 m_pos = 0;
};

#endif
