#pragma once

#include "data/RadioConfiguration.h"

#include <cstdint>
#include <optional>
#include <span>

namespace mk21 {

class ConfigurationState;

// One channel's 16-byte block of the radio image and the tone rule it uses.
namespace ChannelBlock {

inline constexpr std::uint32_t MaxStoredFrequency = 99999999; // eight decimal digits

// A tone position as the image holds it: one byte plus the flag bit of the inverted DCS codes.
struct ToneBits {
    Byte low = 0;
    bool flag = false;
};

// Positions 0..166 are written as they are, 167..282 as (t mod 166) + 50 with the flag; a position
// outside the tone list is written as no tone.
ToneBits ToneToImage(int position);
// Byte + 116 with the flag, else the byte; a result beyond the tone list reads as no tone.
Integer ToneFromImage(Byte low, bool flag);

// The number the block of a listed channel holds as its receive frequency, or nothing when the
// channel does not count as present (no frequency, or a text that is not a decimal digit string).
std::optional<std::uint32_t> ReceiveNumber(const ChannelRecord& channel);

// Fills the block of a present channel whose receive number is `rx`.
void Encode(ConfigurationState& state, const ChannelRecord& channel, std::uint32_t rx,
            std::span<Byte, 16> block);

// The channel that a present block describes; nothing when its receive frequency does not fit the
// eight-digit stored form (such a block holds no usable channel).
std::optional<ChannelRecord> Decode(ConfigurationState& state, int number, bool scanSkip,
                                    std::span<const Byte, 16> block);

} // namespace ChannelBlock
} // namespace mk21
