#pragma once

namespace mk21 {

class ConfigurationState;

// Loads the init file of the current model and band over the fresh defaults (the last step of a
// new configuration): the model's own file when present, else the band-0 defaults file.
// initRequested: the initialisation command asked for every channel of the init file.
void LoadInitConfiguration(ConfigurationState& state, bool initRequested);

} // namespace mk21
