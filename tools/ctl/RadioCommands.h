#pragma once

#include <QString>

namespace mk21 {
class AppState;
}

namespace mk21::ctl {

// How a radio command reaches the radio and talks to the user.
struct RadioOptions {
    QString device;   // --device PATH
    QString port;     // --port N or --port N=DEVICE
    QString password; // --password P
    bool passwordSet = false;
    bool progressBar = false; // standard error is a terminal
    bool askOnTerminal = false;
    bool verify = true; // a write is read back and compared (--no-verify: not)
    QString trace;      // --trace FILE: the protocol trace of every session of the command
};

// The commands that talk to a radio through the program's own session engine. Each returns
// ExitOk only when the session succeeded (and, for a read, its result was saved).
int ReadCommand(AppState& state, const RadioOptions& options, const QString& model, const QString& band,
                const QString& output, const QString& image);
int WriteCommand(AppState& state, const RadioOptions& options, const QString& input);
int InfoCommand(AppState& state, const RadioOptions& options);

} // namespace mk21::ctl
