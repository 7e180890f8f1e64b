#include "app/Startup.h"

#include "app/AppState.h"
#include "app/NewConfiguration.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/MainWindowTexts.h"
#include "channels/Preferences.h"
#include "data/CapabilityRecord.h"
#include "data/ConfigurationOps.h"
#include "link/VersionTables.h"

#include <QDir>
#include <QLocale>

#include <limits>
#include <optional>

namespace mk21 {

namespace {

const QString languageSection = QStringLiteral("language");

QString languageFileFor(int language, const QString& otherwise)
{
    if (language == 1)
        return QStringLiteral("english.ini");
    if (language == 2)
        return QStringLiteral("chinese.ini");
    return otherwise;
}

// A 16-bit whole number, or nothing when the value is absent or not such a number.
std::optional<Integer> readInteger(const IniDocument& ini, const QString& key)
{
    const std::optional<QString> value = ini.value(languageSection, key);
    if (!value)
        return std::nullopt;
    bool ok = false;
    const int number = TrimNul(*value).trimmed().toInt(&ok);
    if (!ok || number < std::numeric_limits<Integer>::min() || number > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(number);
}

void setLanguageDefaults(AppSettings& settings, const StartupEnvironment& environment)
{
    settings.CurrentLanguage = environment.systemLocaleIsChinesePrc ? 2 : 1;
    settings.LanguageFileName = languageFileFor(settings.CurrentLanguage, QString());
    settings.ShownLanguage = settings.CurrentLanguage;
}

void readMySetup(AppState& state)
{
    AppSettings& settings = state.settings;
    const IniDocument ini = IniDocument::load(MySetupPath(state));
    const QString path = UserFileToWrite(settings, UserFile::MySetup);

    // A missing or unreadable "IsFirstRun" counts as a first run; a missing or bad "comPort" as 1.
    const std::optional<Integer> firstRun = readInteger(ini, QStringLiteral("IsFirstRun"));
    settings.IsFirstRun = !firstRun || *firstRun != 0;
    settings.comPort = 1;
    if (const std::optional<Integer> port = readInteger(ini, QStringLiteral("comPort")); port && *port > 0)
        settings.comPort = *port;

    if (settings.IsFirstRun) {
        WriteProfileString(path, languageSection, QStringLiteral("IsFirstRun"), QStringLiteral("0"));
    } else if (const std::optional<Integer> language = readInteger(ini, QStringLiteral("CurrentLanguage"))) {
        settings.CurrentLanguage = *language; // kept as read, even when no file belongs to it
        settings.LanguageFileName = languageFileFor(*language, settings.LanguageFileName);
    }
    WriteProfileString(path, languageSection, QStringLiteral("comPort"), QString::number(settings.comPort));
    WriteProfileString(path, languageSection, QStringLiteral("CurrentLanguage"),
                       QString::number(settings.CurrentLanguage));
}

// Told once the language is chosen, so that the version note is in that language.
QList<StartupNote> startupNotes(AppState& state, bool versionTableIntact)
{
    QList<StartupNote> notes;
    if (std::optional<StartupNote> language = CheckLanguageFile(state))
        notes.append(*language);
    if (!versionTableIntact)
        notes.append(VersionTableNote(state));
    return notes;
}

} // namespace

StartupEnvironment DetectStartupEnvironment()
{
    const QLocale system = QLocale::system();
    StartupEnvironment environment;
    environment.systemLocaleIsChinesePrc =
        system.language() == QLocale::Chinese && system.territory() == QLocale::China;
    return environment;
}

QList<StartupNote> RunStartup(AppState& state, const StartupEnvironment& environment)
{
    const bool versionTableIntact = ModVersion::LoadVersionTables(state);
    state.WorkingConfiguration.DataVersion = ReleaseTag;

    setLanguageDefaults(state.settings, environment);
    state.model = ModelBand{};
    ModFun::ParseBandRange(state.model);

    // Numbers are formatted and parsed with "." whatever the user's locale; nothing system-wide
    // is changed, so there is nothing to restore at exit.
    QLocale::setDefault(QLocale::c());
    state.settings.OsIsNt6 = false;

    readMySetup(state);
    ModConfig::NewConfiguration(state);
    state.settings.ApplicationTitle = GetLangText(state, Texts::Main::ApplicationTitle);
    CapabilityRecordFile::Read(state);
    LoadPreferences(state);
    return startupNotes(state, versionTableIntact);
}

QList<StartupNote> RunToolStartup(AppState& state, int language)
{
    const bool versionTableIntact = ModVersion::LoadVersionTables(state);
    state.WorkingConfiguration.DataVersion = ReleaseTag;
    state.settings.CurrentLanguage = static_cast<Integer>(language);
    state.settings.LanguageFileName = languageFileFor(language, QStringLiteral("english.ini"));
    state.settings.ShownLanguage = state.settings.CurrentLanguage;
    state.model = ModelBand{};
    ModFun::ParseBandRange(state.model);
    QLocale::setDefault(QLocale::c());
    ModConfig::NewConfiguration(state);
    state.settings.ApplicationTitle = GetLangText(state, Texts::Main::ApplicationTitle);
    return startupNotes(state, versionTableIntact);
}

void CompleteSettingsAtExit(AppState& state)
{
    CapabilityRecordFile::Write(state);
}

} // namespace mk21
