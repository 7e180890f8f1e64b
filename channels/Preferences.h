#pragma once

#include <QByteArray>
#include <QString>

namespace mk21 {

class ChannelState;
struct AppSettings;
struct EditingPreferences;

// The editing preferences file Habit.ini: five little-endian 16-bit values, -1 true and 0 false.
namespace Habits {

inline constexpr int RecordSize = 10;

// The Habit.ini to read: ProgramFolder/Habit.ini, or the user's copy of an installed tree
// (base/UserFiles.h).
QString FilePath(const AppSettings& settings);

// Missing bytes read as 0; any nonzero value is true.
EditingPreferences Decode(const QByteArray& bytes);
QByteArray Encode(const EditingPreferences& preferences);

} // namespace Habits

// Reads Habit.ini into state.preferences. A missing file is created empty and, like an unreadable
// one, gives all false.
void LoadPreferences(ChannelState& state);

// Replaces Habit.ini with the current preferences. A failure leaves the old file as it was and
// returns false; the preferences stay in memory either way.
bool SavePreferences(const ChannelState& state);

} // namespace mk21
