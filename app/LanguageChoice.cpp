#include "app/LanguageChoice.h"

#include "app/AppState.h"
#include "app/Startup.h"
#include "base/IniFile.h"

namespace mk21::ModLanguage {

QString LanguageFileOf(int language)
{
    return language == 2 ? QStringLiteral("chinese.ini") : QStringLiteral("english.ini");
}

bool ChooseLanguage(AppState& state, int language)
{
    AppSettings& settings = state.settings;
    if (language != settings.CurrentLanguage) {
        settings.ShownLanguage = settings.CurrentLanguage;
        settings.CurrentLanguage = static_cast<Integer>(language);
        settings.LanguageFileName = LanguageFileOf(language);
    }
    return WriteProfileString(UserFileToWrite(settings, UserFile::MySetup), QStringLiteral("language"),
                              QStringLiteral("CurrentLanguage"), QString::number(settings.CurrentLanguage));
}

} // namespace mk21::ModLanguage
