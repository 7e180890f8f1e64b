#include "base/FileWrite.h"
#include "base/texts/MessageTexts.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>

namespace mk21::ModFileWrite {

namespace {

FileResult failure(const QString& path, const QString& reason)
{
    return FileResult::Failed(Texts::Msg::FileError, path, reason);
}

// An existing path that is not a regular file must not be replaced (a folder cannot be; a
// device or pipe would be swapped for a plain file).
FileResult checkTarget(const QString& path, const QFileInfo& target)
{
    if (target.isDir())
        return failure(path, SystemReason(EISDIR));
    if (target.exists() && !target.isFile())
        return FileResult::Refused(Texts::Msg::FileError, path, Texts::Msg::ReasonNotARegularFile);
    return FileResult::Done();
}

} // namespace

FileResult WriteWhole(const QString& path, const QByteArray& bytes)
{
    const QString local = LocalPath(path);
    if (FileResult target = checkTarget(path, QFileInfo(local)); !target.ok())
        return target;
    // QSaveFile alone commits a file cut short by a full disk (the error of its buffered flush is
    // not remembered), so the flush and the size on disk are checked before the commit.
    QSaveFile file(local);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    // The buffered flush forgets the system's reason ("Unknown error"): errno still has it.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString reason = errno != 0 ? SystemReason(errno) : file.errorString();
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return FileResult::Done();
}

FileResult CheckCanWrite(const QString& path)
{
    const QFileInfo target(LocalPath(path));
    if (FileResult checked = checkTarget(path, target); !checked.ok())
        return checked;
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return failure(path, SystemReason(ENOENT));
    if (!folder.isDir())
        return failure(path, SystemReason(ENOTDIR));
    // The save puts a new file beside the old one first: try exactly that.
    QTemporaryFile probe(target.absolutePath() + QStringLiteral("/.mk21-probe-XXXXXX"));
    if (!probe.open())
        return failure(path, probe.errorString());
    return FileResult::Done();
}

} // namespace mk21::ModFileWrite
