#pragma once

#include "data/RadioConfiguration.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

// Small byte-level conversions of the radio image: bit fields, big-endian numbers, hex digit
// pairs and byte-terminated texts.
namespace mk21::ImageBytes {

// The value held in `width` bits of a byte starting at bit `low`.
constexpr int Bits(Byte byte, int low, int width)
{
    return (byte >> low) & ((1 << width) - 1);
}

// A field value placed at bit `low`, cut to its width so that a value out of range cannot spill
// into the neighbouring fields of the byte.
constexpr Byte Place(int value, int low, int width)
{
    return static_cast<Byte>((static_cast<unsigned>(value) & ((1u << width) - 1)) << low);
}

// The low 8 bits of a value, as a byte field receives it.
constexpr Byte Low8(int value)
{
    return static_cast<Byte>(static_cast<unsigned>(value) & 0xFFu);
}

// Four bytes, most significant first.
void Put32(std::span<Byte, 4> out, std::uint32_t value);
std::uint32_t Get32(std::span<const Byte, 4> in);

// The value of one hexadecimal digit (either case), or nothing.
std::optional<int> HexValue(QChar c);

// Writes hex digits two per byte, the first in the high nibble; a character that is not a hex
// digit counts as 0. An odd last digit gets a 0 low nibble; digits beyond the span are dropped.
void PutHexDigits(std::span<Byte> out, const QString& digits);

// Two upper-case hex digits per byte.
QString HexDigits(std::span<const Byte> in);

// The single-byte characters before the first 0x00 or 0xFF byte (or all of them).
QString TextBeforeEnd(std::span<const Byte> in);

} // namespace mk21::ImageBytes
