#pragma once

#include <QString>

#include <optional>

namespace mk21 {

// What a read or write session shows besides message boxes: the progress window and the password
// window. The progress window is shown without blocking (the session runs on while it is up).
class SessionView {
public:
    virtual ~SessionView() = default;

    // A read (1), write (2) or read-back (4) begins: show the progress at 0 %.
    virtual void sessionStarted(int operationType) = 0;
    virtual void progressChanged(int percent) = 0;
    // The read or write has ended: close the progress.
    virtual void sessionEnded(int operationType, bool success) = 0;
    // The radio has a password the entered one does not match: ask for it (at most 4 characters).
    // nullopt when the user cancels.
    virtual std::optional<QString> askPassword(const QString& enteredPassword) = 0;
};

} // namespace mk21
