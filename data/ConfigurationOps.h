#pragma once

#include <QDate>

namespace mk21 {

class ConfigurationState;

// Moves whole configurations between the working and saved copies and builds the defaults.
namespace ModConfig {

// RadioInfo := the current model and band.
void StoreModelBand(ConfigurationState& state);
// The current model and band (and their limits) := RadioInfo.
void ApplyModelBand(ConfigurationState& state);
// Working side record and configuration -> saved copies (after StoreModelBand).
void CommitToSaved(ConfigurationState& state);
// Saved copies -> working copies, then ApplyModelBand.
void RestoreFromSaved(ConfigurationState& state);
// Takes feature settings, FM memories and test frequencies 1..11 from the saved copy;
// channels and RadioInfo of the working copy stay.
void MergeDefaults(ConfigurationState& state);

// Resets every block to the defaults of the current model and band, with no channel at all
// (a new document adds its first channel through the channel list).
void ResetToDefaults(ConfigurationState& state, const QDate& today);

} // namespace ModConfig
} // namespace mk21
