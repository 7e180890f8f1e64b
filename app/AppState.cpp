#include "app/AppState.h"

#include <stdexcept>

namespace mk21 {

namespace {
// The one documented mutable static: the application state alive now (set by its constructor).
AppState* currentState = nullptr;
} // namespace

AppState::AppState(Prompter& prompterIn) : LinkState(prompterIn), previous_(currentState)
{
    currentState = this;
}

AppState::~AppState()
{
    currentState = previous_;
}

AppState& AppState::current()
{
    if (currentState == nullptr)
        throw std::logic_error("no application state has been constructed");
    return *currentState;
}

} // namespace mk21
