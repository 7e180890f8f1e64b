#pragma once

#include "app/ConfigurationChange.h"
#include "link/VersionTables.h"

namespace mk21 {

class AppState;

// Opening and saving the document at DocumentPath, with every message of those sequences.
// The window steps after a success (channel table, caption, cascade) are the caller's.
namespace ModDocument {

enum class DocumentResult {
    Success,
    Failure,              // nothing was loaded or saved; the user has been told why
    EndProgram,           // another release was asked to serve the file: end this program at once
    SavedWithoutSideFile, // the data file was saved, its side file was not; the user has been told
};

// Loads DocumentPath: version tag (Msg 9065, or the version question whose Yes launches the
// release serving the tag; EndProgram only when it started), length (Msg 9033) and content
// (Msg 9067), then the record and its side file. Any file error shows Msg 9002 with the path and
// the reason. On success the document is titled and unchanged.
DocumentResult OpenDataFile(AppState& state,
                            const ModVersion::ProgramLauncher& launcher = ModVersion::StartDetached);

// Saves the working configuration to DocumentPath and its side file. A failure shows Msg 9002,
// keeps the previous file and leaves the document counted as changed. A side file that cannot be
// written shows Msg 9068; the document is then saved all the same.
DocumentResult SaveDataFile(AppState& state);

// A configuration read from the radio is the document now: the untitled "new.dat", whose saved
// copy stays as it was, so that the read counts as a change.
void TakeRadioConfiguration(AppState& state);

} // namespace ModDocument
} // namespace mk21
