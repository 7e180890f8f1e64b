#pragma once

#include "app/IniFile.h"
#include "channels/ChannelCursor.h"
#include "data/RadioConfiguration.h"
#include "link/SessionState.h"

#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <cstdint>

namespace mk21 {

class Prompter;
class ChannelViews;

inline constexpr const char* ReleaseTag = "V200";

// The settings the start-up routine establishes for the whole run.
struct AppSettings {
    Integer CurrentLanguage = 1;              // 1 English, 2 Chinese (other values are kept as read)
    QString LanguageFileName = QStringLiteral("english.ini");
    Integer ShownLanguage = 1;                // language the main window shows now
    Integer comPort = 1;
    bool IsFirstRun = false;
    bool HelpAvailable = false;               // no help file is ever set
    bool OsIsNt6 = false;                     // only selects a port-listing method elsewhere
    QMap<int, QString> PortOverrides;         // port number -> device, from --port N=DEVICE, this run only
    int SimulatedRadioPort = 0;               // the port of the program's own simulated radio; 0: none
    std::array<Byte, 4> CapabilityRecord{};   // sticky CapFlag3, CapFlag2, CapFlag1, CapFlag0
    QString ApplicationTitle;                 // Main 12000 in the language of the start
    QString ProgramFolder;                    // the running release's folder
    QString DataRoot;                         // its parent: shared files
};

// The current model and band; RadioInfo of the record is their copy.
struct ModelBand {
    QString CurrentModelCode = QStringLiteral("ZR750G");
    QString CurrentBandText = QStringLiteral("400 - 480 MHz");
    double BandLow = 400;
    double BandHigh = 480;
};

struct DocumentState {
    QString DocumentPath = QStringLiteral("new.dat");
    bool IsUntitled = true;
    bool InitRequested = false;
};

// The five editing preferences of Habit.ini, in their stored order.
struct EditingPreferences {
    bool NoPasteQuestion = false;
    bool PasteInserts = false;
    bool NoDeleteQuestion = false;
    bool DeleteRemovesChannels = false;
    bool OffSetShowMode = false;
};

// One row of the firmware table: this program release serves that firmware.
struct VersionPair {
    QString release;
    QString firmware;
};

inline constexpr int RadioImageSize = 2832;
inline constexpr int InfoAreaSize = 496;

// The single application-wide state. main (or a test) constructs exactly one and passes it on;
// AppState::current() reaches the one alive for code that cannot be handed it (window handlers).
class AppState final {
public:
    explicit AppState(Prompter& prompter);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    static AppState& current();

    Prompter& prompter;
    AppSettings settings;
    ModelBand model;
    DocumentState document;
    EditingPreferences preferences;
    QList<VersionPair> versionTable;

    RadioConfiguration WorkingConfiguration;
    RadioConfiguration SavedConfiguration;
    SideRecord WorkingSide;
    SideRecord SavedSide;
    ExtraTestFrequencies ExtraTestFreqs{};
    RadioDetails Details;

    std::array<Byte, RadioImageSize> RadioImage{};
    std::array<Byte, InfoAreaSize> InfoArea{};
    std::array<Byte, 4> CurCapFlags{}; // CurCapFlag3, CurCapFlag2, CurCapFlag1, CurCapFlag0
    SessionState session;              // the radio link's protocol and session variables

    IniCache languageCache; // parsed language file, re-read whenever the file changes

    ChannelCursor channelCursor;   // channel editing: cursor, shared group, which windows are open
    ChannelClipboard ChClipboard;  // the channel commands' clipboard

    // The open windows that show channels; null while none is open. Not owned.
    ChannelViews* channelViews = nullptr;

private:
    AppState* previous_ = nullptr;
};

} // namespace mk21
