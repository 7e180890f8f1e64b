#include "base/FileRead.h"
#include "base/texts/MessageTexts.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mk21::ModFileRead {

namespace {

FileResult failure(const QString& path, const QString& reason)
{
    return FileResult::Failed(Texts::Msg::FileError, path, reason);
}

} // namespace

FileResult ReadFront(const QString& path, qsizetype limit, QByteArray& bytes)
{
    // Not blocking: opening a pipe nobody writes to would otherwise wait for ever.
    const int fd =
        ::open(LocalPath(path).toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failure(path, SystemReason(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failure(path, file.errorString());
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return failure(path, SystemReason(errno));
    if (S_ISDIR(info.st_mode))
        return failure(path, SystemReason(EISDIR));
    if (!S_ISREG(info.st_mode))
        return FileResult::Refused(Texts::Msg::FileError, path, Texts::Msg::ReasonNotARegularFile);

    bytes = QByteArray(limit, '\0');
    const qint64 got = file.read(bytes.data(), limit);
    if (got < 0) {
        bytes.clear();
        return failure(path, file.errorString());
    }
    bytes.truncate(static_cast<qsizetype>(got));
    return FileResult::Done();
}

} // namespace mk21::ModFileRead
