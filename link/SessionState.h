#pragma once

#include "data/RadioConfiguration.h"

#include <QList>
#include <QString>

namespace mk21 {

// The protocol and session variables of the radio link: one set for the run, reset to idle at the
// end of every session. EchoMode, PasswordRetries and EnteredPassword deliberately outlive a session.
struct SessionState {
    // Protocol
    bool EchoMode = false; // false: the cable echoes every request before the reply
    int EchoSkip = 0;      // leading received bytes that are the echo of the current request
    int BlockSize = 16;
    int CurrentAddress = 0;
    int EndAddress = 0;
    bool AwaitingReply = false;
    int ReceiveThreshold = 1;

    // The radio's identity as last received
    QString IdentModel;
    int IdentBand = 0;
    QString IdentVersion;

    // Session
    Integer OperationType = 0; // 0 idle, 1 read, 2 write, 3 radio information read
    Integer ReadState = 0;
    Integer WriteState = 0;
    Integer SendCount = 0;
    Integer PasswordRetries = 0;
    QList<Integer> BlockRetries;
    Integer LastPercent = 0;
    QString EnteredPassword;
};

} // namespace mk21
