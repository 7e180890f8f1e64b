#pragma once

namespace mk21 {

class ChannelState;

// What an answer of the paste/delete confirmation does to the editing preferences.
namespace ConfirmAnswer {

inline constexpr int PasteMode = 1;
inline constexpr int DeleteMode = 2;

inline constexpr int Closed = 0; // closed without a button
inline constexpr int Yes = 1;
inline constexpr int No = 2;

// Yes and No set the mode's choice (insert / remove) and its "do not ask" preference, then save
// Habit.ini; a closed dialog changes and writes nothing. False when nothing was saved.
bool Record(ChannelState& state, int mode, int answer, bool doNotAskAgain);

} // namespace ConfirmAnswer
} // namespace mk21
