#pragma once

#include "features/EditorModel.h"

namespace mk21 {

class ConfigurationState;

// The radio information window: what the last information read found in the radio, shown only
// (nothing typed could be kept, so nothing can be typed).
namespace RadioInfoEditor {

inline constexpr const char* FormName = "FrmRadioInfo";

Editor::Model Describe(ConfigurationState& state);

} // namespace RadioInfoEditor
} // namespace mk21
