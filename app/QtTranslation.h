#pragma once

#include <QLibraryInfo>
#include <QString>

namespace mk21 {

namespace ModLanguage {

// Qt's own texts (standard buttons, the file dialog) follow the program's language, not the
// system's: language 2 installs Qt's Chinese translation from `folder` on the application, any
// other removes it. False when the Chinese translation could not be loaded; Qt's texts are then
// English and the program goes on.
bool FollowQtTexts(int language, const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace ModLanguage
} // namespace mk21
