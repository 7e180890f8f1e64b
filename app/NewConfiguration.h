#pragma once

#include <QDate>

namespace mk21 {

class AppState;

namespace ModConfig {

// A new document: every block reset to the defaults of the current model and band with channel 1
// in the middle of the band, committed, then the init file of the model and band loaded. The
// document becomes the untitled "new.dat" and the radio link returns to idle.
void NewConfiguration(AppState& state, const QDate& today = QDate::currentDate());

} // namespace ModConfig
} // namespace mk21
