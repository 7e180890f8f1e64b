#pragma once

#include "tools/sim/UniqueFd.h"

#include <optional>
#include <string>

namespace mk21::sim {

// The radio's end of the cable: a pseudo-terminal master in raw mode. It keeps a slave
// descriptor of its own open, because the master reads EIO while no slave is open.
class PseudoTerminal {
public:
    static std::optional<PseudoTerminal> Create(std::string& error);

    int Master() const { return master_.get(); }
    const std::string& SlavePath() const { return slavePath_; }
    // Bytes sent to the program that it has not read yet (-1 when unknown).
    int UnreadByProgram() const;
    // Closes the master: whoever holds the slave sees the line hang up, and loses what it has not read.
    void HangUp() { master_.reset(); }

private:
    PseudoTerminal() = default;

    UniqueFd master_;
    UniqueFd slave_;
    std::string slavePath_;
};

} // namespace mk21::sim
