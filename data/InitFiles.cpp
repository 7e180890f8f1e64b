#include "data/InitFiles.h"

namespace mk21 {

// The init-folder files arrive together with the data file reader; until then a new
// configuration keeps its built-in defaults.
void LoadInitConfiguration(AppState&) {}

} // namespace mk21
