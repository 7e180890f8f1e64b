#pragma once

#include "data/RadioConfiguration.h"
#include "features/EditorModel.h"

#include <QStringList>

namespace mk21 {

class ConfigurationState;

// The alert window: the alarm function, its kind, identification (a DTMF memory), times, cycles
// and the emergency channel (group and position of an existing channel).
namespace AlertEditor {

inline constexpr const char* FormName = "FrmAlert";
// The emergency group list, shown anew when the channels change (its position list follows).
inline const QString ChannelList = QStringLiteral("Combo1(7)");
// The identification memory list, filled anew when a DTMF memory changes.
inline const QString MemoryList = QStringLiteral("Combo1(2)");

// The window's controls, their entries in the current language and their rules.
Editor::Model Describe(ConfigurationState& state);

// "M" and the number of every filled DTMF memory, ascending.
QStringList FilledMemoryEntries(const DtmfSettings& dtmf);

} // namespace AlertEditor
} // namespace mk21
