#pragma once

#include "channels/ChannelState.h"
#include "link/SessionState.h"

#include <QList>
#include <QString>

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
    QList<VersionPair> versionTable;

protected:
    ~LinkState() = default;
};

} // namespace mk21
