#pragma once

#include <QString>

namespace mk21 {

struct AppSettings;

// The parent of the program folder: the text up to its last separator, when that separator
// stands after the first character; otherwise the whole text.
QString DataRootOf(const QString& programFolder);

// Sets ProgramFolder and DataRoot: from --data-root DIR when given (the program folder is then
// DIR/V200), else from the folder of the running program. An installed tree (base/UserFiles.h) also
// gets the user's folders, from the application name set before.
void ResolveProgramFolders(AppSettings& settings, const QString& executableFolder,
                           const QString& dataRootOption = {});

} // namespace mk21
