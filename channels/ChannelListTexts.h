#pragma once

#include "base/texts/ChannelTableTexts.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>

namespace mk21 {

class ChannelState;

namespace ModCHEdit {

// The entries of the channel table's list columns, by language-text number, in list order: a
// stored value is the position of its entry.
inline constexpr std::array<int, 3> PowerTexts{Texts::ChannelTable::PowerLow, Texts::ChannelTable::PowerMid,
                                               Texts::ChannelTable::PowerHigh};
inline constexpr std::array<int, 2> ScanTexts{Texts::ChannelTable::ScanAdd, Texts::ChannelTable::ScanSkip};
inline constexpr std::array<int, 2> SignallingTexts{Texts::ChannelTable::NoneEntry,
                                                    Texts::ChannelTable::SignalDtmf};
inline constexpr std::array<int, 3> SpacingTexts{
    Texts::ChannelTable::Spacing12_5, Texts::ChannelTable::Spacing20, Texts::ChannelTable::Spacing25};

// The entries of one of those lists in the current language.
QStringList ListTexts(ChannelState& state, std::span<const int> numbers);

// What the table shows for a stored value: its entry, or the first entry for a value the list
// does not have (as a list column shows it).
QString ListText(ChannelState& state, std::span<const int> numbers, int value);

} // namespace ModCHEdit
} // namespace mk21
