#pragma once

#include <QString>

namespace mk21 {
class AppState;
}

namespace mk21::ctl {

// Exit statuses of mk21ctl.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1; // the message has been written to standard error
inline constexpr int ExitUsage = 2;
inline constexpr int ExitInterrupted = 130; // SIGINT or SIGTERM stopped a radio command: nothing was saved

// Makes the model (code or shown name) and band number current; explains a refusal on standard error.
bool ChooseModelBand(AppState& state, const QString& modelCode, const QString& bandNumber);

// The commands that need no radio; each works on a state prepared by RunToolStartup.
int NewCommand(AppState& state, const QString& modelCode, const QString& bandNumber, const QString& output);
int EncodeCommand(AppState& state, const QString& dataFile, const QString& imageFile);
int DecodeCommand(AppState& state, const QString& imageFile, const QString& dataFile);
int ShowCommand(AppState& state, const QString& file);

} // namespace mk21::ctl
