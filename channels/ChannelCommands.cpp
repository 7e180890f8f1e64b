#include "channels/ChannelCommands.h"

#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "channels/ChannelList.h"
#include "channels/ChannelState.h"
#include "channels/ConfirmAnswer.h"

#include <cstddef>
#include <optional>

namespace mk21::ModCHEdit {

namespace {

bool IsPosition(int row, int group)
{
    return row >= 1 && row <= ChannelsPerGroup && group >= 0 && group < GroupCount;
}

int NumberAt(int row, int group)
{
    return group * ChannelsPerGroup + row;
}

ChannelRecord& RecordAt(RadioConfiguration& config, int index)
{
    return config.Channels[static_cast<std::size_t>(index)];
}

// Adds `shift` to the number of every channel of `group` at positions first..last. All records
// are picked before any is renumbered, so a shift never catches a channel twice; an empty
// range (first > last) moves nothing.
void ShiftPositions(RadioConfiguration& config, int group, int first, int last, int shift)
{
    const int low = NumberAt(first, group);
    const int high = NumberAt(last, group);
    const int used = UsedChannels(config);
    for (int i = 0; i < used; ++i) {
        ChannelRecord& channel = RecordAt(config, i);
        if (channel.ChannelNo >= low && channel.ChannelNo <= high)
            channel.ChannelNo = static_cast<Integer>(channel.ChannelNo + shift);
    }
}

// Swaps the channels at positions `row` and `target` of the group (either may be missing),
// redraws both and follows the moved channel with the cursor.
void SwapPositions(ChannelState& state, ChannelCommandView& view, int row, int target, int group)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    const std::optional<int> from = FindChannel(config, NumberAt(row, group));
    const std::optional<int> to = FindChannel(config, NumberAt(target, group));
    if (from)
        RecordAt(config, *from).ChannelNo = static_cast<Integer>(NumberAt(target, group));
    if (to)
        RecordAt(config, *to).ChannelNo = static_cast<Integer>(NumberAt(row, group));
    view.ReShowChRow(row, group);
    view.ReShowChRow(target, group);
    view.MoveTableCursor(target);
}

} // namespace

ChannelCommandStates SetCHEditEnabled(const ChannelState& state, int number)
{
    const bool valid = IsCHValid(state.WorkingConfiguration, number);
    return {valid, valid, state.ChClipboard.full};
}

void CopyCh(ChannelState& state, int row, int group)
{
    if (!IsPosition(row, group))
        return;
    RadioConfiguration& config = state.WorkingConfiguration;
    const std::optional<int> index = FindChannel(config, NumberAt(row, group));
    if (!index)
        return;
    state.ChClipboard.record = RecordAt(config, *index);
    state.ChClipboard.full = true;
}

void CutCh(ChannelState& state, ChannelCommandView& view, int row, int group)
{
    if (!IsPosition(row, group))
        return;
    CopyCh(state, row, group);
    DeleteCh(state, view, row, group);
}

void DeleteCh(ChannelState& state, ChannelCommandView& view, int row, int group)
{
    if (!IsPosition(row, group))
        return;
    // The answer only sets the preferences; the delete goes on whatever it was.
    if (!state.preferences.NoDeleteQuestion)
        view.AskConfirmation(ConfirmAnswer::DeleteMode);
    DeleteChannel(state, NumberAt(row, group));
    view.ReShowChRow(row, group);
    if (state.preferences.DeleteRemovesChannels) {
        ShiftPositions(state.WorkingConfiguration, group, row + 1, ChannelsPerGroup, -1);
        view.ReShowAllCh();
    }
}

bool InsertCh(ChannelState& state, ChannelCommandView& view, int row, int group)
{
    if (!IsPosition(row, group))
        return false;
    RadioConfiguration& config = state.WorkingConfiguration;
    const int lastMoved = ChannelsPerGroup - 1;
    // The channel from position 15 would land on the one at 16, which does not move: two
    // channels with one number. Refuse rather than lose either.
    if (row <= lastMoved && FindChannel(config, NumberAt(lastMoved, group)) &&
        FindChannel(config, NumberAt(ChannelsPerGroup, group))) {
        ShowMsg(state, Texts::Msg::InsertBlockedByLastPosition, PromptIcon::Information);
        return false;
    }
    ShiftPositions(config, group, row, lastMoved, +1);
    view.ReShowAllCh();
    // Only at position 16, where nothing moves, is a channel still there.
    DeleteChannel(state, NumberAt(row, group));
    view.ReShowChRow(row, group);
    return true;
}

void PasteCh(ChannelState& state, ChannelCommandView& view, int row, int group)
{
    // An empty clipboard holds no channel; pasting it would create one without a frequency.
    if (!IsPosition(row, group) || !state.ChClipboard.full)
        return;
    if (!state.preferences.NoPasteQuestion)
        view.AskConfirmation(ConfirmAnswer::PasteMode);
    if (state.preferences.PasteInserts && !InsertCh(state, view, row, group))
        return;
    RadioConfiguration& config = state.WorkingConfiguration;
    const int number = NumberAt(row, group);
    const ChannelRecord& pasted = state.ChClipboard.record;
    if (pasted.ChannelVoid != 0) {
        DeleteChannel(state, number);
    } else if (const std::optional<int> index = FindChannel(config, number)) {
        RecordAt(config, *index) = pasted;
        RecordAt(config, *index).ChannelNo = static_cast<Integer>(number);
    } else if (const int used = UsedChannels(config); used < MaxChannels) {
        RecordAt(config, used) = pasted;
        RecordAt(config, used).ChannelNo = static_cast<Integer>(number);
        config.ChannelCount = static_cast<Integer>(used + 1);
    }
    view.ReShowChRow(row, group);
}

void MoveChUp(ChannelState& state, ChannelCommandView& view, int row, int group)
{
    if (!IsPosition(row, group))
        return;
    SwapPositions(state, view, row, row == 1 ? ChannelsPerGroup : row - 1, group);
}

void MoveChDown(ChannelState& state, ChannelCommandView& view, int row, int group)
{
    if (!IsPosition(row, group))
        return;
    SwapPositions(state, view, row, row == ChannelsPerGroup ? 1 : row + 1, group);
}

void RunChannelCommand(ChannelState& state, ChannelCommandView& view, int code, int row, int group)
{
    if (!IsPosition(row, group))
        return;
    switch (code) {
    case CutCommand: CutCh(state, view, row, group); break;
    case CopyCommand: CopyCh(state, row, group); return;
    case PasteCommand: PasteCh(state, view, row, group); break;
    case InsertCommand: InsertCh(state, view, row, group); break;
    case DeleteCommand: DeleteCh(state, view, row, group); break;
    case MoveUpCommand: MoveChUp(state, view, row, group); break;
    case MoveDownCommand: MoveChDown(state, view, row, group); break;
    default: return;
    }
    RefreshChRefs(state);
}

} // namespace mk21::ModCHEdit
