#include "channels/ChannelList.h"

#include "channels/ChannelState.h"
#include "channels/ChannelViews.h"
#include "data/FrequencyCodec.h"

#include <cstddef>

namespace mk21::ModCHEdit {

namespace {

// True when `value` is what the view already shows for the field, so that committing it again
// would only repeat the band warning and the step alignment.
bool ShowsAlready(ChannelState& state, const ChannelRecord& channel, int code, const QString& value)
{
    if (code == ChannelField::RxFreq)
        return value == ModShowFreFun::ShowFre(state, channel.RxFreq.raw());
    if (code == ChannelField::Transmit)
        return value == ModShowFreFun::EditTxText(state, channel.RxFreq.raw(), channel.Offset.raw(),
                                                  channel.OffsetDir, state.preferences.OffSetShowMode);
    return false;
}

void CommitToExisting(ChannelState& state, int index, int code, const QString& value)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    if (code == ChannelField::RxFreq && value.isEmpty()) {
        // The last channel is never removed by clearing its frequency.
        if (UsedChannels(config) > 1) {
            DeleteChannelAt(state, index);
            RefreshChRefs(state);
        }
        return;
    }
    ChannelRecord& channel = config.Channels[static_cast<std::size_t>(index)];
    // A value committed unchanged is not set again, and then nothing is re-pointed: an untouched
    // document must not count as changed because the cursor left a box.
    if (ShowsAlready(state, channel, code, value))
        return;
    SetChannelItem(state, channel, code, value);
    if (code == ChannelField::RxFreq)
        RefreshChRefs(state);
}

void CreateChannel(ChannelState& state, int number, const QString& value)
{
    if (!AddChannel(state, number, value))
        return;
    RadioConfiguration& config = state.WorkingConfiguration;
    ModShowFreFun::AdjustChStep(state, config.Channels[static_cast<std::size_t>(UsedChannels(config) - 1)]);
    RefreshChRefs(state);
}

} // namespace

void SetChannelData(ChannelState& state, int group, int position, int code, const QString& value)
{
    if (group < 0 || group >= GroupCount || position < 1 || position > ChannelsPerGroup)
        return;

    QString v = value;
    const bool isFrequency =
        code == ChannelField::RxFreq || (code == ChannelField::Transmit && !state.preferences.OffSetShowMode);
    if (!v.isEmpty() && isFrequency)
        v = ModShowFreFun::LimitFreText(state, v);

    const int number = ChannelsPerGroup * group + position;
    if (const std::optional<int> index = FindChannel(state.WorkingConfiguration, number))
        CommitToExisting(state, *index, code, v);
    else if (code == ChannelField::RxFreq && !v.isEmpty())
        CreateChannel(state, number, v); // v is already inside the band

    if (state.channelViews != nullptr) {
        state.channelViews->channelChanged(number);
        state.channelViews->editWindowRefresh();
    }
}

} // namespace mk21::ModCHEdit
