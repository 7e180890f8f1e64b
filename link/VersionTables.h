#pragma once

#include <QString>

#include <functional>

namespace mk21 {

class LinkState;

// Which program release serves which firmware, and the checks a connected radio must pass.
namespace ModVersion {

// Upper bound on the keys read from each section, whatever the counts say.
inline constexpr int MaxVersionKeys = 1000;

// Session kinds of the radio link: only a write insists on the exact model and band.
inline constexpr int SessionKindRead = 1;
inline constexpr int SessionKindWrite = 2;
inline constexpr int SessionKindInfo = 3;

// Starts a program by its path without waiting for it; false when it could not be started.
using ProgramLauncher = std::function<bool(const QString& program)>;
bool StartDetached(const QString& program);

// DataRoot/Version.ini: builds state.versionTable. A missing file or a missing, non-numeric or
// non-positive count reads as an empty table. This release always serves its own firmware: when
// the table lacks that pair it is added, and the result is false (the file is damaged).
bool LoadVersionTables(LinkState& state);

// DataRoot/Version.ini
QString VersionTablePath(const LinkState& state);

// "V" followed by three characters that read as a number, after TrimNul.
bool IsVersionTag(const QString& text);
// "V200" shown as "V2.00".
QString ShowVersion(const QString& tag);

bool IsVersionPairListed(const LinkState& state, const QString& release, const QString& firmware);
// The release of the first pair serving the firmware; empty when none does.
QString SoftwareForFirmware(const LinkState& state, const QString& firmware);

// The mismatch explanation. kind 0: a connected radio; kind 1: a data file.
QString VersionMessage(LinkState& state, const QString& release, const QString& firmware, int kind);

// Starts DataRoot/r/<this program's file name> for the release r serving the firmware. Shows
// Msg 9063 when no valid release tag serves it or when the program cannot be started (then with
// the path). Returns whether a program was started; only then does the caller end this program.
bool LaunchSoftwareVersion(LinkState& state, const QString& firmware,
                           const ProgramLauncher& launcher = StartDetached);

bool ModelMatches(const QString& current, const QString& radio, int sessionKind);
bool BandMatches(int currentBand, int radioBand, int sessionKind);
bool BandFamilyMatches(int currentBand, int radioBand);

enum class CompatibilityResult {
    GoOn,   // the session may continue
    Stop,   // the session ends here
    Launch, // another release was started: the caller ends this program
};

// The model, band and version checks of a connected radio, asking the user where needed.
CompatibilityResult CheckRadioCompatibility(LinkState& state, const QString& radioModel, int radioBand,
                                            const QString& radioFirmware, int sessionKind,
                                            const ProgramLauncher& launcher = StartDetached);

} // namespace ModVersion

} // namespace mk21
