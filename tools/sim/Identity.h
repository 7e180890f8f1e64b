#pragma once

#include <cstdint>
#include <string>

namespace mk21::sim {

// What the radio reports about itself when the program asks for its identity.
struct Identity {
    std::string model = "ZR750G"; // at most 7 characters
    std::uint8_t band = 0;
    std::string firmware = "V200"; // at most 4 characters
    std::uint8_t capability = 0;
};

} // namespace mk21::sim
