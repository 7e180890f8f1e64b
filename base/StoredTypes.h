#pragma once

#include <cstdint>

namespace mk21 {

// The two number types of the stored records and settings: a 16-bit Integer and a Byte.
using Integer = std::int16_t;
using Byte = std::uint8_t;

} // namespace mk21
