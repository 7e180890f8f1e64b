#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace mk21 {

class AppState;

// A damaged shipped file that the start-up worked around: told to the user once, at start.
struct StartupNote {
    int textNumber = 0;
    QString text;
};

// The chosen language file: a note when it is missing or unreadable or lacks texts the program
// looks up. Its text is the built-in English one, since the file itself cannot be trusted.
std::optional<StartupNote> CheckLanguageFile(AppState& state);

// The note for a version table that did not serve this release's own firmware.
StartupNote VersionTableNote(AppState& state);

// Each note as a warning through the prompter.
void ReportStartupNotes(AppState& state, const QList<StartupNote>& notes);

} // namespace mk21
