#pragma once

#include <QString>

namespace mk21 {

class AppState;

// The channel list of the working configuration: every change of a channel goes through here.
namespace ModCHEdit {

// Appends channel `number` with receive frequency `rxText` and the new-channel defaults
// (simplex, offset of seven NULs, power 2, everything else 0). False when the list is full.
bool AddChannel(AppState& state, int number, const QString& rxText);

} // namespace ModCHEdit
} // namespace mk21
