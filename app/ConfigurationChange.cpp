#include "app/ConfigurationChange.h"

#include "app/AppState.h"

#include <algorithm>
#include <array>

namespace mk21::ModDocument {

namespace {

// The used entries; a count outside 0..128 never reaches past the list.
int usedCount(const RadioConfiguration& config)
{
    return std::clamp<int>(config.ChannelCount, 0, MaxChannels);
}

const ChannelRecord* counterpart(const RadioConfiguration& saved, int position, Integer number)
{
    const int count = usedCount(saved);
    if (position < count && saved.Channels[static_cast<std::size_t>(position)].ChannelNo == number)
        return &saved.Channels[static_cast<std::size_t>(position)];
    for (int i = 0; i < count; ++i) {
        if (saved.Channels[static_cast<std::size_t>(i)].ChannelNo == number)
            return &saved.Channels[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

// ChannelNo is the match key and ChannelVoid is not kept by the radio: neither is compared.
bool channelDiffers(const ChannelRecord& a, const ChannelRecord& b)
{
    if (a.RxFreq.raw() != b.RxFreq.raw() || a.Offset.text() != b.Offset.text() || a.OffsetDir != b.OffsetDir)
        return true;
    const auto words = [](const ChannelRecord& c) {
        return std::array{c.DecodeTone,    c.EncodeTone, c.RxStepCode, c.TxStepCode, c.TxInhibit,
                          c.RevTalkSelect, c.Encryption, c.BusyLock,   c.Talkaround, c.SignalRelation,
                          c.Whisper,       c.PttId,      c.Bandwidth,  c.OptSignal,  c.Compander,
                          c.Reverse,       c.TxPower,    c.AutoDial1,  c.AutoDial2,  c.ScanSkip};
    };
    return words(a) != words(b);
}

bool channelsDiffer(const RadioConfiguration& working, const RadioConfiguration& saved)
{
    const int count = usedCount(working);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& channel = working.Channels[static_cast<std::size_t>(i)];
        const ChannelRecord* other = counterpart(saved, i, channel.ChannelNo);
        if (other == nullptr || channelDiffers(channel, *other))
            return true;
    }
    return false;
}

QString idText(const DtmfSettings& dtmf)
{
    QString id = dtmf.IdCode.text();
    const int length = std::max<int>(0, dtmf.IdLength);
    if (id.size() > length)
        id.truncate(length);
    return id;
}

bool codeDiffers(const DtmfCode& a, const DtmfCode& b)
{
    return a.Digits.text() != b.Digits.text() || a.Length != b.Length;
}

bool dtmfDiffers(const DtmfSettings& a, const DtmfSettings& b)
{
    const auto words = [](const DtmfSettings& d) {
        return std::array{d.DtmfRate, d.FirstDigitTime, d.FirstDigitDelay, d.StarHashTime,  d.DKeySetting,
                          d.SideTone, d.CallAlertMode,  d.GroupCode,       d.AutoResetTime, d.IdLength};
    };
    if (words(a) != words(b) || idText(a) != idText(b))
        return true;
    // The first group from the kill code back to the BOT code, then the memories.
    if (codeDiffers(a.KillCode, b.KillCode) || codeDiffers(a.StunCode, b.StunCode) ||
        codeDiffers(a.EotCode, b.EotCode) || codeDiffers(a.BotCode, b.BotCode))
        return true;
    for (int m = 0; m < DtmfMemoryCount; ++m) {
        if (codeDiffers(a.DtmfMemory[static_cast<std::size_t>(m)], b.DtmfMemory[static_cast<std::size_t>(m)]))
            return true;
    }
    return false;
}

bool messageLinesDiffer(const FeatureSettings& a, const FeatureSettings& b)
{
    for (std::size_t j = 0; j < a.MessageLines.size(); ++j) {
        if (a.MessageLines[j].text() != b.MessageLines[j].text())
            return true;
    }
    return false;
}

bool testFrequenciesDiffer(const RadioConfiguration& a, const RadioConfiguration& b)
{
    for (std::size_t k = 0; k < a.TestFrequencies.size(); ++k) {
        const TestFrequencyRecord& x = a.TestFrequencies[k];
        const TestFrequencyRecord& y = b.TestFrequencies[k];
        if (x.TestFreqA.text() != y.TestFreqA.text() || x.TestFreqB.text() != y.TestFreqB.text())
            return true;
    }
    return false;
}

} // namespace

bool IsConfigurationChanged(const AppState& state)
{
    const RadioConfiguration& w = state.WorkingConfiguration;
    const RadioConfiguration& s = state.SavedConfiguration;
    const FeatureSettings& wf = w.Features;
    const FeatureSettings& sf = s.Features;

    return w.ChannelCount != s.ChannelCount || channelsDiffer(w, s) ||
           w.RadioInfo.ModelCode.raw() != s.RadioInfo.ModelCode.raw() ||
           w.RadioInfo.BandNumber != s.RadioInfo.BandNumber || messageLinesDiffer(wf, sf) ||
           wf.KeySettings != sf.KeySettings || wf.ScanSettings != sf.ScanSettings ||
           wf.AlertSettings != sf.AlertSettings ||
           state.WorkingSide.SideVersion.text() != state.SavedSide.SideVersion.text() ||
           state.WorkingSide.AlarmMode != state.SavedSide.AlarmMode ||
           wf.OptionalFeatures != sf.OptionalFeatures || testFrequenciesDiffer(w, s) ||
           dtmfDiffers(wf.Dtmf, sf.Dtmf);
}

} // namespace mk21::ModDocument
