#include "channels/ChannelList.h"

#include "app/AppState.h"
#include "data/FrequencyCodec.h"

namespace mk21::ModCHEdit {

bool AddChannel(AppState& state, int number, const QString& rxText)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    if (config.ChannelCount < 0 || config.ChannelCount >= MaxChannels)
        return false;
    ChannelRecord channel;
    channel.ChannelNo = static_cast<Integer>(number);
    channel.RxFreq = ModShowFreFun::GetFreData(rxText, state.model.BandLow);
    channel.Offset.bytes().fill('\0');
    channel.TxPower = 2;
    config.Channels[static_cast<std::size_t>(config.ChannelCount)] = channel;
    ++config.ChannelCount;
    return true;
}

} // namespace mk21::ModCHEdit
