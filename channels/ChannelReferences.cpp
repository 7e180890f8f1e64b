#include "channels/ChannelList.h"

#include "channels/ChannelState.h"
#include "channels/ChannelViews.h"

#include <cstddef>

namespace mk21::ModCHEdit {

namespace {

// Points one stored (group, position) reference at an existing channel, or at (0, 0).
void Repoint(const RadioConfiguration& config, Byte& group, Byte& position)
{
    const int number = ResolveChRef(config, group, position);
    if (number == 0) {
        group = 0;
        position = 0;
        return;
    }
    group = static_cast<Byte>((number - 1) / ChannelsPerGroup + 1);
    position = static_cast<Byte>((number - 1) % ChannelsPerGroup + 1);
}

} // namespace

int ResolveChRef(const RadioConfiguration& config, int group, int position)
{
    int lowestOverall = 0;
    int lowestInGroup = 0;
    const int used = UsedChannels(config);
    for (int i = 0; i < used; ++i) {
        const int number = config.Channels[static_cast<std::size_t>(i)].ChannelNo;
        // A damaged number cannot be pointed at.
        if (number < 1 || number > MaxChannels)
            continue;
        if (lowestOverall == 0 || number < lowestOverall)
            lowestOverall = number;
        if ((number - 1) / ChannelsPerGroup + 1 != group)
            continue;
        if ((number - 1) % ChannelsPerGroup + 1 == position)
            return number;
        if (lowestInGroup == 0 || number < lowestInGroup)
            lowestInGroup = number;
    }
    return lowestInGroup != 0 ? lowestInGroup : lowestOverall;
}

void RefreshChRefs(ChannelState& state)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    AlertSettingsRecord& alert = config.Features.AlertSettings;
    ScanSettingsRecord& scan = config.Features.ScanSettings;
    Repoint(config, alert.EmgGroup, alert.EmgChannel);
    Repoint(config, scan.Pri1Group, scan.Pri1Channel);
    Repoint(config, scan.Pri2Group, scan.Pri2Channel);
    if (state.channelViews != nullptr)
        state.channelViews->channelReferencesChanged();
}

} // namespace mk21::ModCHEdit
