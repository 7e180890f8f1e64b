#pragma once

#include "tools/sim/Identity.h"

#include <cstdint>
#include <span>
#include <vector>

namespace mk21::sim {

using Bytes = std::vector<std::uint8_t>;

// Byte values and frame builders of the radio's side of the programming protocol.
namespace Frames {

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Resend = 0x0A;
constexpr std::uint8_t IdentifyCode = 0x02;
constexpr std::uint8_t IdentityCode = 'P';
constexpr std::uint8_t ReadCode = 'R';
constexpr std::uint8_t WriteCode = 'W';
constexpr int BlockLength = 16;
constexpr int ReadRequestLength = 4;
constexpr int WriteFrameLength = 22;
constexpr int IdentityLength = 16;

// Sum modulo 256 of address high, address low, length and the data bytes.
std::uint8_t Checksum(int address, int length, std::span<const std::uint8_t> data);

Bytes ProgramAccepted();
Bytes Identity(const sim::Identity& identity);
// 'W', address, length, data, checksum, 06.
Bytes DataBlock(int address, std::span<const std::uint8_t> data);

} // namespace Frames

} // namespace mk21::sim
