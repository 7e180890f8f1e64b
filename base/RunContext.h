#pragma once

#include "base/IniFile.h"
#include "base/StoredTypes.h"
#include "base/UserFiles.h"

#include <QMap>
#include <QString>

#include <array>

namespace mk21 {

class Prompter;

inline constexpr const char* ReleaseTag = "V200";

// The settings the start-up routine establishes for the whole run.
struct AppSettings {
    Integer CurrentLanguage = 1; // 1 English, 2 Chinese (other values are kept as read)
    QString LanguageFileName = QStringLiteral("english.ini");
    Integer ShownLanguage = 1; // language the main window shows now
    Integer comPort = 1;
    bool IsFirstRun = false;
    bool HelpAvailable = false;             // no help file is ever set
    bool OsIsNt6 = false;                   // only selects a port-listing method elsewhere
    QMap<int, QString> PortOverrides;       // port number -> device, from --port N=DEVICE, this run only
    int SimulatedRadioPort = 0;             // the port of the program's own simulated radio; 0: none
    std::array<Byte, 4> CapabilityRecord{}; // sticky CapFlag3, CapFlag2, CapFlag1, CapFlag0
    QString ApplicationTitle;               // Main 12000 in the language of the start
    QString ProgramFolder;                  // the running release's folder
    QString DataRoot;                       // its parent: shared files
    UserFolders userFolders;                // where an installed tree's user files go (UserFiles.h)
};

// What every core folder may use of the run: its settings, the prompter that shows messages and
// the language file their texts come from. The layers above extend it (ConfigurationState,
// ChannelState, LinkState, RunContext), so a core function takes the slice it needs.
class RunContext {
public:
    explicit RunContext(Prompter& prompterIn) : prompter(prompterIn) {}
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    Prompter& prompter;
    AppSettings settings;
    IniCache languageCache; // parsed language file, re-read whenever the file changes

protected:
    ~RunContext() = default;
};

// The mysetup.ini to read (the user's language and port): DataRoot/language/mysetup.ini, or the
// user's copy of an installed tree (UserFiles.h); writes go to UserFileToWrite(UserFile::MySetup).
QString MySetupPath(const RunContext& context);

} // namespace mk21
