#include "app/ProgramFolders.h"

#include "app/AppState.h"

#include <QDir>

#include <algorithm>

namespace mk21 {

QString DataRootOf(const QString& programFolder)
{
    const qsizetype cut = std::max(programFolder.lastIndexOf(u'\\'), programFolder.lastIndexOf(u'/'));
    return cut > 0 ? programFolder.left(cut) : programFolder;
}

void ResolveProgramFolders(AppSettings& settings, const QString& executableFolder,
                           const QString& dataRootOption)
{
    if (!dataRootOption.isEmpty()) {
        settings.DataRoot = QDir::cleanPath(QDir(dataRootOption).absolutePath());
        settings.ProgramFolder = QDir(settings.DataRoot).filePath(QString::fromLatin1(ReleaseTag));
    } else {
        settings.ProgramFolder = QDir::cleanPath(executableFolder);
        settings.DataRoot = DataRootOf(settings.ProgramFolder);
    }
    settings.userFolders = StandardUserFolders(settings.DataRoot);
}

} // namespace mk21
