#pragma once

namespace mk21 {

class ChannelState;

namespace ModCHEdit {

// What the channel commands need from the windows; the main window implements it.
class ChannelCommandView {
public:
    virtual ~ChannelCommandView() = default;
    // Shows the paste or delete confirmation (ConfirmAnswer::PasteMode / DeleteMode) modally;
    // the confirmation records its answer in state.preferences itself.
    virtual void AskConfirmation(int mode) = 0;
    // Redraws position `row` (1..16) of group `group` (0..7) in the open channel windows.
    virtual void ReShowChRow(int row, int group) = 0;
    // Redraws every channel in the open channel windows.
    virtual void ReShowAllCh() = 0;
    // Puts the channel table's cursor on `row` of its group.
    virtual void MoveTableCursor(int row) = 0;
};

inline constexpr int CutCommand = 1, CopyCommand = 2, PasteCommand = 3, InsertCommand = 4, DeleteCommand = 5,
                     MoveUpCommand = 6, MoveDownCommand = 7;

// Enabled states of the commands for the channel under the table's cursor (insert, delete and
// the moves are always enabled).
struct ChannelCommandStates {
    bool cut = false;
    bool copy = false;
    bool paste = false;
};
ChannelCommandStates SetCHEditEnabled(const ChannelState& state, int number);

// The commands act on position `row` (1..16) of group `group` (0..7); anything outside does
// nothing. They renumber channels inside the group only; the list itself stays unsorted.

// Copies the channel into the clipboard; an empty position leaves the clipboard as it was.
void CopyCh(ChannelState& state, int row, int group);
// Copies, then deletes (with the delete question).
void CutCh(ChannelState& state, ChannelCommandView& view, int row, int group);
// Removes the channel, asking first unless told not to; with DeleteRemovesChannels the later
// channels of the group move up one position.
void DeleteCh(ChannelState& state, ChannelCommandView& view, int row, int group);
// Moves the channels at positions row..15 down one position and frees `row`. Refused, with a
// message and nothing changed, when positions 15 and 16 both hold a channel (row < 16).
bool InsertCh(ChannelState& state, ChannelCommandView& view, int row, int group); // false: refused
// Writes the clipboard over the position (or inserts it there with PasteInserts), asking first
// unless told not to. A void clipboard record removes the channel there.
void PasteCh(ChannelState& state, ChannelCommandView& view, int row, int group);
// Swaps the channel with the one above (position 1 with 16) and follows it with the cursor.
void MoveChUp(ChannelState& state, ChannelCommandView& view, int row, int group);
// Swaps the channel with the one below (position 16 with 1) and follows it with the cursor.
void MoveChDown(ChannelState& state, ChannelCommandView& view, int row, int group);

// Runs command `code` (1..7) for the table's cursor row and group, then re-points the channel
// references (RefreshChRefs) after every command but copy. Codes outside 1..7 do nothing.
void RunChannelCommand(ChannelState& state, ChannelCommandView& view, int code, int row, int group);

} // namespace ModCHEdit
} // namespace mk21
