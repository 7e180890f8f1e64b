#pragma once

#include "channels/ChannelFields.h"
#include "data/RadioConfiguration.h"

#include <QString>

#include <QList>

#include <optional>

namespace mk21 {

class ChannelState;

// The channel list of the working configuration: every change of a channel goes through here,
// so that dependent fields stay consistent and the scan and alert references keep pointing at
// existing channels. Channel numbers are 1..128; group g (0..7) and position p (1..16) address
// channel 16g + p.
namespace ModCHEdit {

inline constexpr int ChannelsPerGroup = 16;
inline constexpr int GroupCount = MaxChannels / ChannelsPerGroup;

// The number of records in use: ChannelCount clamped to 0..128, so a damaged count never
// indexes outside the list.
int UsedChannels(const RadioConfiguration& config);

// The groups that hold channels, each once, ascending.
QList<int> GroupsInUse(const RadioConfiguration& config);
// The positions (1..16) of the channels of `group`, ascending; none for group 0.
QList<int> PositionsInGroup(const RadioConfiguration& config, int group);

// List index of channel `number`, or nothing.
std::optional<int> FindChannel(const RadioConfiguration& config, int number);

// The channel exists, has a receive frequency (neither empty nor "FFFFFFFF") and is not void.
bool IsCHValid(const RadioConfiguration& config, int number);

// Appends channel `number` with receive frequency `rxText` and the new-channel defaults
// (simplex, offset of seven NULs, power 2, everything else 0); not aligned to a step grid.
// False, changing nothing, when the list is full, the number is outside 1..128 or taken.
bool AddChannel(ChannelState& state, int number, const QString& rxText);

// Removes the record at `index`; the later records move one place forward. False when the
// index is not in use.
bool DeleteChannelAt(ChannelState& state, int index);

// Removes channel `number`; false when there is none.
bool DeleteChannel(ChannelState& state, int number);

// Sets one field of `channel` from a value text and keeps the dependent fields consistent:
// receive and transmit frequencies are texts; every other field takes a whole number inside its
// range. True when a field was set; a value that is refused (not a whole number, out of range,
// an empty receive frequency) and a code without a field change nothing.
bool SetChannelItem(ChannelState& state, ChannelRecord& channel, int code, const QString& value);

// The commit of an edited value for group 0..7, position 1..16: creates the channel when a
// receive frequency is entered for an empty position, deletes it when its receive frequency is
// cleared (never the last channel), re-points the channel references and tells the open views.
// A group or position outside the range changes nothing.
void SetChannelData(ChannelState& state, int group, int position, int code, const QString& value);

// The channel a reference (group 1..8, position 1..16) resolves to: that channel when it
// exists, else the lowest channel of the group, else the lowest channel of all, else 0.
int ResolveChRef(const RadioConfiguration& config, int group, int position);

// Re-points the emergency and both priority channel references and tells the open scan and
// alert windows.
void RefreshChRefs(ChannelState& state);

} // namespace ModCHEdit
} // namespace mk21
