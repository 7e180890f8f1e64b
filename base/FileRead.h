#pragma once

#include "base/FileResult.h"

#include <QByteArray>

namespace mk21 {

// Reads the files the user names. Only a regular file is read: a folder, a pipe or a device is
// refused at once, since reading one may never end or never stop growing.
namespace ModFileRead {

// At most `limit` bytes from the start of the file into `bytes`. Reading one byte more than a
// valid file holds is enough to tell its length is wrong. A failure carries Msg 9002.
FileResult ReadFront(const QString& path, qsizetype limit, QByteArray& bytes);

} // namespace ModFileRead
} // namespace mk21
