#pragma once

#include "data/RadioConfiguration.h"
#include "features/EditorModel.h"

#include <QStringList>

namespace mk21 {

class ConfigurationState;

// The scan window: scan mode, the priority channels (group and position of existing channels),
// the revert channel, look-back times, resume delays and the entry tone.
namespace ScanEditor {

inline constexpr const char* FormName = "FrmScan";
// The lists shown anew when the channels change: the two priority groups (their position lists
// follow them).
inline const QStringList ChannelLists{QStringLiteral("Combo1(2)"), QStringLiteral("Combo1(4)")};

// The window's controls, their entries in the current language and their rules.
Editor::Model Describe(ConfigurationState& state);

// The hidden revert template Combo2: eight choices, whose position RevertChannel stores.
QStringList RevertTemplate(ConfigurationState& state);
// The template positions the revert list offers for a priority mode (0..3; others as 0).
QList<int> RevertPositions(int priorityMode);

// Scanning switched off: every key holding the scan function gets function 0. True when a key
// changed.
bool ResetScanKeys(KeySettingsRecord& keys);

} // namespace ScanEditor
} // namespace mk21
