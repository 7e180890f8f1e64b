#pragma once

#include "app/StartupNotes.h"

#include <QList>
#include <QString>

namespace mk21 {

class AppState;

// What the start-up routine learns from the machine, so that tests can choose it.
struct StartupEnvironment {
    bool systemLocaleIsChinesePrc = false; // the system default locale identifier is 804
};

StartupEnvironment DetectStartupEnvironment();

// The start-up routine, every step that needs no window, in order: version tables, defaults,
// number formatting, mysetup.ini, a new configuration, the application title, Setting.ini,
// Habit.ini. ProgramFolder and DataRoot must be set before. Returns what it found damaged in the
// language file and Version.ini (and worked around), for the caller to tell the user once.
QList<StartupNote> RunStartup(AppState& state, const StartupEnvironment& environment);

// The start-up of the command-line tool: version tables, the default model and band, number
// formatting, the given language, a new configuration and the title. It reads no settings file
// and writes none, so that scripts leave the program's settings alone. Returns the notes as
// RunStartup does.
QList<StartupNote> RunToolStartup(AppState& state, int language);

// The counterpart at exit, after the port is closed: writes Setting.ini.
void CompleteSettingsAtExit(AppState& state);

} // namespace mk21
