#include "support/streambytes.h"

QByteArray bytesOf(const std::function<void(DataStream &)> &write, int format)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(format);
    write(out);
    return bytes;
}
