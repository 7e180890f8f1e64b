#pragma once

namespace mk21 {

class AppState;

// Loads the init file of the current model and band over the fresh defaults (the last step of a
// new configuration): the model's own file when present, else the band-0 defaults file.
void LoadInitConfiguration(AppState& state);

} // namespace mk21
