#include "channels/ChannelList.h"

#include "channels/ChannelState.h"
#include "data/FrequencyCodec.h"

#include <algorithm>
#include <cstddef>

namespace mk21::ModCHEdit {

int UsedChannels(const RadioConfiguration& config)
{
    return std::clamp<int>(config.ChannelCount, 0, MaxChannels);
}

namespace {
int GroupOf(int number)
{
    return (number - 1) / ChannelsPerGroup + 1;
}
} // namespace

QList<int> GroupsInUse(const RadioConfiguration& config)
{
    QList<int> groups;
    const int used = UsedChannels(config);
    for (int i = 0; i < used; ++i) {
        const int group = GroupOf(config.Channels[static_cast<std::size_t>(i)].ChannelNo);
        if (!groups.contains(group))
            groups.append(group);
    }
    std::sort(groups.begin(), groups.end());
    return groups;
}

QList<int> PositionsInGroup(const RadioConfiguration& config, int group)
{
    QList<int> positions;
    if (group == 0)
        return positions;
    const int used = UsedChannels(config);
    for (int i = 0; i < used; ++i) {
        const int number = config.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (GroupOf(number) == group)
            positions.append((number - 1) % ChannelsPerGroup + 1);
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}

std::optional<int> FindChannel(const RadioConfiguration& config, int number)
{
    if (number < 1 || number > MaxChannels)
        return std::nullopt;
    const int used = UsedChannels(config);
    for (int i = 0; i < used; ++i) {
        if (config.Channels[static_cast<std::size_t>(i)].ChannelNo == number)
            return i;
    }
    return std::nullopt;
}

bool IsCHValid(const RadioConfiguration& config, int number)
{
    const std::optional<int> index = FindChannel(config, number);
    if (!index)
        return false;
    const ChannelRecord& channel = config.Channels[static_cast<std::size_t>(*index)];
    const QString rx = channel.RxFreq.text();
    return !rx.isEmpty() && rx != QLatin1String("FFFFFFFF") && channel.ChannelVoid == 0;
}

bool AddChannel(ChannelState& state, int number, const QString& rxText)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    const int used = UsedChannels(config);
    if (used >= MaxChannels || number < 1 || number > MaxChannels || FindChannel(config, number))
        return false;
    ChannelRecord channel;
    channel.ChannelNo = static_cast<Integer>(number);
    channel.RxFreq = ModShowFreFun::GetFreData(rxText, state.model.BandLow);
    channel.Offset.bytes().fill('\0');
    channel.TxPower = 2;
    config.Channels[static_cast<std::size_t>(used)] = channel;
    config.ChannelCount = static_cast<Integer>(used + 1);
    return true;
}

bool DeleteChannelAt(ChannelState& state, int index)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    const int used = UsedChannels(config);
    if (index < 0 || index >= used)
        return false;
    // The freed last entry keeps its old contents, as free entries are held in memory.
    const auto first = config.Channels.begin() + index;
    std::move(first + 1, config.Channels.begin() + used, first);
    config.ChannelCount = static_cast<Integer>(used - 1);
    return true;
}

bool DeleteChannel(ChannelState& state, int number)
{
    const std::optional<int> index = FindChannel(state.WorkingConfiguration, number);
    return index && DeleteChannelAt(state, *index);
}

} // namespace mk21::ModCHEdit
