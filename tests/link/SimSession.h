#pragma once

#include "app/AppState.h"
#include "link/QtSerialLink.h"
#include "link/SessionEngine.h"
#include "tests/link/LinkFakes.h"
#include "tests/link/LinkTap.h"
#include "tests/support/RecordingPrompter.h"

#include <QByteArray>
#include <QEventLoop>
#include <QString>

namespace mk21::test {

// The program's side of sessions with mk21sim: its own state on the staged tree, a real serial
// link seen through a LinkTap, and the engine; runs one command at a time to its end.
class SimSession {
public:
    using Command = bool (SessionEngine::*)();

    SimSession();
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    // Maps port 5 to the device, starts the command and waits until the session has ended (after a
    // good read also until the configuration is decoded, when `untilDecoded`). False when the
    // command was refused or did not end within `timeoutMs`.
    bool runCommand(const QString& device, Command command, bool untilDecoded = true, int timeoutMs = 60000);

    QByteArray image() const;
    QByteArray infoArea() const;

    RecordingPrompter prompter;
    AppState state{prompter};
    QtSerialLink serial;
    LinkTap link{serial};
    RecordingView view;
    SessionEngine engine{state, link, view};
    int finished = 0;     // sessionFinished signals so far
    bool success = false; // of the last one
    bool portOpenAtFinish = false;
    int detailsRead = 0; // radioDetailsRead signals so far

private:
    void markDone();

    QEventLoop loop_;
    bool done_ = false;
    bool untilDecoded_ = true;
};

} // namespace mk21::test
