#pragma once

#include "base/FixedText.h"
#include "features/EditorModel.h"

#include <QString>

#include <optional>

namespace mk21 {

class ConfigurationState;

// The embedded message window: four lines of up to 16 characters, each keystroke stored.
namespace MessageEditor {

inline constexpr const char* FormName = "FrmEmbMsg";
inline constexpr int LineLength = 16;

Editor::Model Describe(ConfigurationState& state);

// A line as typed: shorter than 16 characters it ends with a NUL (the rest blank).
void StoreLine(FixedText<LineLength>& line, const QString& text);
// Characters above 127 are dropped; the radio shows ASCII only.
std::optional<QChar> LineCharacter(QChar typed);

} // namespace MessageEditor
} // namespace mk21
