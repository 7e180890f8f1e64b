#pragma once

#include "link/LinkState.h"

#include <QString>

namespace mk21 {

struct DocumentState {
    QString DocumentPath = QStringLiteral("new.dat");
    bool IsUntitled = true;
    bool InitRequested = false;
};

// The single application-wide state: each layer's slice (RunContext, ConfigurationState,
// ChannelState, LinkState) plus the document. main (or a test) constructs exactly one and passes
// it on; AppState::current() reaches the one alive for code that cannot be handed it (window
// handlers).
class AppState final : public LinkState {
public:
    explicit AppState(Prompter& prompter);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    static AppState& current();

    DocumentState document;

private:
    AppState* previous_ = nullptr;
};

} // namespace mk21
