#pragma once

#include <QDate>

namespace mk21 {

class AppState;

// Moves whole configurations between the working and saved copies and builds the defaults.
namespace ModConfig {

// RadioInfo := the current model and band.
void StoreModelBand(AppState& state);
// The current model and band (and their limits) := RadioInfo.
void ApplyModelBand(AppState& state);
// Working side record and configuration -> saved copies (after StoreModelBand).
void CommitToSaved(AppState& state);
// Saved copies -> working copies, then ApplyModelBand.
void RestoreFromSaved(AppState& state);
// Takes feature settings, FM memories and test frequencies 1..11 from the saved copy;
// channels and RadioInfo of the working copy stay.
void MergeDefaults(AppState& state);

// Resets every block to the defaults of the current model and band, commits them, then loads
// the init file of the model and band. The document becomes the untitled "new.dat".
void NewConfiguration(AppState& state, const QDate& today = QDate::currentDate());

// The default blocks alone (steps before the commit), for callers that need them separately.
void ResetToDefaults(AppState& state, const QDate& today);

} // namespace ModConfig
} // namespace mk21
