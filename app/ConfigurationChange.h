#pragma once

namespace mk21 {

class AppState;

// The unsaved-changes test of a document.
namespace ModDocument {

// True when WorkingConfiguration (with the working side record) differs from the saved copies in
// anything a data file or the radio keeps. FM memories and the test frequencies 12..16 are not
// compared; a channel is matched with its saved counterpart by its number.
bool IsConfigurationChanged(const AppState& state);

} // namespace ModDocument
} // namespace mk21
