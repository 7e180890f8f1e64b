#include "data/RecordValidation.h"

#include "data/ToneList.h"

#include <bitset>

namespace mk21::ModRecordCheck {

namespace {

template <class T>
void keepWithin(T& value, int low, int high)
{
    if (value < low || value > high)
        value = 0;
}

constexpr int LastDtmfMemory = DtmfMemoryCount;
constexpr int DtmfDigitsMax = 16;

} // namespace

void BringChannelIntoRange(ChannelRecord& c)
{
    // Values that select an entry of a table must lie in that table.
    keepWithin(c.DecodeTone, 0, ToneList::LastPosition);
    keepWithin(c.EncodeTone, 0, ToneList::LastPosition);
    keepWithin(c.AutoDial1, 0, LastDtmfMemory);
    keepWithin(c.AutoDial2, 0, LastDtmfMemory);
    keepWithin(c.OffsetDir, 0, 2);

    // On/off and list fields: whatever the radio's bit field can carry is kept, because a radio
    // read may deliver it and a save must reproduce it.
    for (Integer* flag : {&c.TxInhibit, &c.RevTalkSelect, &c.Encryption, &c.Talkaround, &c.SignalRelation,
                          &c.Whisper, &c.Compander, &c.Reverse, &c.ScanSkip})
        keepWithin(*flag, 0, 1);
    for (Integer* twoBits :
         {&c.RxStepCode, &c.TxStepCode, &c.BusyLock, &c.PttId, &c.Bandwidth, &c.OptSignal, &c.TxPower})
        keepWithin(*twoBits, 0, 3);
}

void BringFeaturesIntoRange(FeatureSettings& f)
{
    DtmfSettings& dtmf = f.Dtmf;
    for (DtmfCode* code : {&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode})
        keepWithin(code->Length, 0, DtmfDigitsMax);
    for (DtmfCode& code : dtmf.DtmfMemory)
        keepWithin(code.Length, 0, DtmfDigitsMax);
}

void BringSideIntoRange(SideRecord& side)
{
    keepWithin(side.AlarmMode, 0, 1);
}

Verdict CheckRecord(RadioConfiguration& config)
{
    if (config.ChannelCount < 0 || config.ChannelCount > MaxChannels)
        return Verdict::Refused;
    std::bitset<MaxChannels> seen;
    for (int i = 0; i < config.ChannelCount; ++i) {
        const int number = config.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (number < 1 || number > MaxChannels || seen.test(static_cast<std::size_t>(number - 1)))
            return Verdict::Refused;
        seen.set(static_cast<std::size_t>(number - 1));
    }
    for (ChannelRecord& channel : config.Channels)
        BringChannelIntoRange(channel);
    BringFeaturesIntoRange(config.Features);
    return Verdict::Accepted;
}

} // namespace mk21::ModRecordCheck
