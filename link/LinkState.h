#pragma once

#include "channels/ChannelState.h"
#include "link/SessionState.h"

#include <QList>
#include <QString>

#include <array>

namespace mk21 {

// One row of the firmware table: this program release serves that firmware.
struct VersionPair {
    QString release;
    QString firmware;
};

// What the radio link adds: the session variables and the firmware table a radio is checked against.
class LinkState : public ChannelState {
public:
    using ChannelState::ChannelState;

    SessionState session; // the radio link's protocol and session variables
    // What the last quiet read found in the radio, kept apart from RadioImage and the document.
    std::array<Byte, RadioImageSize> ReadBackImage{};
    QList<VersionPair> versionTable;

protected:
    ~LinkState() = default;
};

} // namespace mk21
