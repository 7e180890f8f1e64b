#include "tools/sim/RadioFrames.h"

namespace mk21::sim::Frames {

std::uint8_t Checksum(int address, int length, std::span<const std::uint8_t> data)
{
    unsigned sum = static_cast<unsigned>((address >> 8) & 0xFF) + static_cast<unsigned>(address & 0xFF) +
                   static_cast<unsigned>(length & 0xFF);
    for (std::uint8_t b : data)
        sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

Bytes ProgramAccepted()
{
    return {'Z', 'R', Ack};
}

Bytes Identity(const sim::Identity& identity)
{
    Bytes reply(IdentityLength, 0x00);
    reply[0] = IdentityCode;
    for (std::size_t i = 0; i < identity.model.size() && i < 7; ++i)
        reply[1 + i] = static_cast<std::uint8_t>(identity.model[i]);
    reply[8] = identity.band;
    for (std::size_t i = 0; i < identity.firmware.size() && i < 4; ++i)
        reply[9 + i] = static_cast<std::uint8_t>(identity.firmware[i]);
    reply[13] = identity.capability;
    reply[15] = Ack; // byte 14 is the spare byte and stays 00
    return reply;
}

Bytes DataBlock(int address, std::span<const std::uint8_t> data)
{
    const int length = static_cast<int>(data.size());
    Bytes frame;
    frame.reserve(data.size() + 6);
    frame.push_back(WriteCode);
    frame.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(address & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(length & 0xFF));
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(Checksum(address, length, data));
    frame.push_back(Ack);
    return frame;
}

} // namespace mk21::sim::Frames
