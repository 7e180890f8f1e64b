#pragma once

#include "link/SessionView.h"

#include <QString>

namespace mk21 {
class AppState;
}

namespace mk21::ctl {

// The session's progress as a text bar on a terminal's standard error, and the password question
// on the terminal when questions are asked there.
class ConsoleSessionView final : public SessionView {
public:
    ConsoleSessionView(AppState& state, bool showBar, bool askOnTerminal)
        : state_(state), showBar_(showBar), askOnTerminal_(askOnTerminal)
    {
    }

    void sessionStarted(int operationType) override;
    void progressChanged(int percent) override;
    void sessionEnded(int operationType, bool success) override;
    std::optional<QString> askPassword(const QString& enteredPassword) override;

private:
    void draw(int percent);

    AppState& state_;
    bool showBar_;
    bool askOnTerminal_;
    QString title_;
};

} // namespace mk21::ctl
