#pragma once

#include "data/RadioConfiguration.h"

namespace mk21 {

class ChannelState;

namespace ModCHEdit {

inline constexpr int BusyLockOnTone = 2; // busy lock value "lock on a tone"

// The busy lock on a tone is offered only while the tone that decides is set: the encode tone
// of a reversed channel, else the decode tone.
bool BusyLockOnToneOffered(const ChannelRecord& channel);

// Lowers a busy lock on a tone of channel `number` to the carrier lock when the channel no
// longer offers it. True when the value was lowered.
bool ApplyBusyLockRule(ChannelState& state, int number);

} // namespace ModCHEdit
} // namespace mk21
