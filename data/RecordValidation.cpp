#include "data/RecordValidation.h"

#include "base/texts/MessageTexts.h"
#include "data/ModelBand.h"
#include "data/ToneList.h"

#include <algorithm>
#include <bitset>

namespace mk21::ModRecordCheck {

namespace {

template <class T> void keepWithin(T& value, int low, int high)
{
    if (value < low || value > high)
        value = 0;
}

constexpr int LastDtmfMemory = DtmfMemoryCount;
constexpr int DtmfDigitsMax = 16;

// A receive frequency the editors can show and the encoder can write: none, or digits only.
bool IsUsableReceiveText(const FixedText<8>& rx)
{
    const QString text = rx.text();
    if (text.isEmpty() || text == QLatin1String("FFFFFFFF"))
        return true;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The words naming what is wrong with a record (language texts).

ContentFault fault(int text, int value)
{
    return {text, {QString::number(value)}};
}

// The first value that makes the record unusable; text 0 when there is none.
ContentFault firstFault(const RadioConfiguration& config)
{
    if (config.ChannelCount < 0 || config.ChannelCount > MaxChannels)
        return fault(Texts::Msg::FaultChannelCount, config.ChannelCount);
    std::bitset<MaxChannels> seen;
    for (int i = 0; i < config.ChannelCount; ++i) {
        const ChannelRecord& channel = config.Channels[static_cast<std::size_t>(i)];
        const int number = channel.ChannelNo;
        if (number < 1 || number > MaxChannels)
            return fault(Texts::Msg::FaultChannelNumber, number);
        if (seen.test(static_cast<std::size_t>(number - 1)))
            return fault(Texts::Msg::FaultChannelTwice, number);
        seen.set(static_cast<std::size_t>(number - 1));
        if (!IsUsableReceiveText(channel.RxFreq))
            return fault(Texts::Msg::FaultReceiveFrequency, number);
    }
    if (!ModelBandTable::IsKnownModelCode(config.RadioInfo.ModelCode.text()))
        return {Texts::Msg::FaultModelCode, {}};
    if (ModelBandTable::BandTextOfNumber(config.RadioInfo.BandNumber).isEmpty())
        return fault(Texts::Msg::FaultBand, config.RadioInfo.BandNumber);
    return {};
}

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

Verdict CheckRecord(RadioConfiguration& config, ContentFault* fault)
{
    if (const ContentFault found = firstFault(config); found.text != 0) {
        if (fault != nullptr)
            *fault = found;
        return Verdict::Refused;
    }
    for (ChannelRecord& channel : config.Channels)
        BringChannelIntoRange(channel);
    BringFeaturesIntoRange(config.Features);
    return Verdict::Accepted;
}

} // namespace mk21::ModRecordCheck
