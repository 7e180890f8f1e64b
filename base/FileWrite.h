#pragma once

#include "base/FileResult.h"

#include <QByteArray>

namespace mk21 {

// Writes every file the programs produce: complete or not at all.
namespace ModFileWrite {

// `bytes` as the whole new content of the file. The old file is replaced only once the new one
// is completely on disk; otherwise it stays as it was. A failure carries Msg 9002 and the reason.
FileResult WriteWhole(const QString& path, const QByteArray& bytes);

// Whether WriteWhole could put a file at `path` now: its folder exists and takes new files, and
// the path is not a folder, pipe or device. Leaves nothing behind.
FileResult CheckCanWrite(const QString& path);

} // namespace ModFileWrite
} // namespace mk21
