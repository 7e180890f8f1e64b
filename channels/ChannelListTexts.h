#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <span>

namespace mk21
{

class ChannelState;

namespace ModCHEdit
{

// The entries of the channel table's list columns, by language-text number, in list order: a
// stored value is the position of its entry.
inline constexpr std::array<int, 3> PowerTexts{14014, 14015, 14016};
inline constexpr std::array<int, 2> ScanTexts{14017, 14018};
inline constexpr std::array<int, 2> SignallingTexts{14013, 14019};
inline constexpr std::array<int, 3> SpacingTexts{14020, 14021, 14022};

// The entries of one of those lists in the current language.
QStringList ListTexts(ChannelState& state, std::span<const int> numbers);

// What the table shows for a stored value: its entry, or the first entry for a value the list
// does not have (as a list column shows it).
QString ListText(ChannelState& state, std::span<const int> numbers, int value);

} // namespace ModCHEdit
} // namespace mk21
