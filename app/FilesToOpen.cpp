#include "app/FilesToOpen.h"

#include <QDir>

namespace mk21::ModOpen {

GivenFiles FilesOfArguments(const QStringList& arguments, const QString& currentFolder)
{
    if (arguments.isEmpty())
        return {};
    return {QDir::cleanPath(QDir(currentFolder).absoluteFilePath(arguments.first())), arguments.mid(1)};
}

std::optional<QString> FileOfDrop(const QList<QUrl>& urls)
{
    if (urls.isEmpty() || !urls.first().isLocalFile() || urls.first().toLocalFile().isEmpty())
        return std::nullopt;
    return urls.first().toLocalFile();
}

} // namespace mk21::ModOpen
