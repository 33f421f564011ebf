#ifndef RLAY_TEST_STREAMBYTES_H
#define RLAY_TEST_STREAMBYTES_H

#include "model/datastream.h"

#include <QByteArray>

#include <functional>

// The bytes a writer puts on a stream of the format (the current one by
// default): what tests compare with the bytes of a file or the clipboard.
QByteArray bytesOf(const std::function<void(DataStream &)> &write, int format = DataStream::CurrentFormat);

#endif
