#include "channels/BusyLockRule.h"

#include "channels/ChannelList.h"
#include "channels/ChannelState.h"

#include <cstddef>

namespace mk21::ModCHEdit {

bool BusyLockOnToneOffered(const ChannelRecord& channel)
{
    const Integer tone = channel.Reverse == 1 ? channel.EncodeTone : channel.DecodeTone;
    return tone != 0;
}

bool ApplyBusyLockRule(ChannelState& state, int number)
{
    const std::optional<int> index = FindChannel(state.WorkingConfiguration, number);
    if (!index)
        return false;
    ChannelRecord& channel = state.WorkingConfiguration.Channels[static_cast<std::size_t>(*index)];
    if (channel.BusyLock != BusyLockOnTone || BusyLockOnToneOffered(channel))
        return false;
    channel.BusyLock = 1;
    return true;
}

} // namespace mk21::ModCHEdit
