#pragma once

#include "data/RadioConfiguration.h"
#include "features/EditorModel.h"

namespace mk21 {

class ConfigurationState;

// The optional features window: 12 lists and 6 check boxes over the optional features block.
namespace OptFeatures {

inline constexpr const char* FormName = "FrmOptFeatures";
inline constexpr int ListCount = 12;
inline constexpr int CheckCount = 6;
inline constexpr int CheckIdBase = 20; // SaveOptFeat's id of Check1(j) is 20 + j

// The window's controls, their entries in the current language and their rules.
Editor::Model Describe(ConfigurationState& state);

// Writes the field of control `id` (0..11: Combo1(id), 20..25: Check1(id - 20)) from `value`,
// the list position or the check box state. Any other id changes nothing.
void SaveOptFeat(OptionalFeatureSettings& block, int id, int value);

// The VOX sub-option, level and delay can be used only while VOX is on.
bool VoxControlsEnabled(const OptionalFeatureSettings& block);

} // namespace OptFeatures
} // namespace mk21
