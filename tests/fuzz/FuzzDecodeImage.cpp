// Feeds arbitrary bytes to the radio image codec as if a radio (or an image file) had sent them.
#include "app/AppState.h"
#include "base/Prompter.h"
#include "data/ImageCodec.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Answers every prompt with its first button; the codec should never ask anything.
class SilentPrompter final : public mk21::Prompter {
public:
    mk21::PromptAnswer ask(const mk21::Prompt&) override
    {
        ++asked;
        return mk21::PromptAnswer::Ok;
    }
    int asked = 0;
};

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The channel list invariants every consumer relies on; returns which channel numbers are listed.
std::array<bool, 129> CheckChannels(const mk21::RadioConfiguration& config)
{
    std::array<bool, 129> seen{};
    Check(config.ChannelCount >= 0 && config.ChannelCount <= mk21::MaxChannels);
    for (int i = 0; i < config.ChannelCount; ++i) {
        const mk21::ChannelRecord& ch = config.Channels[static_cast<std::size_t>(i)];
        Check(ch.ChannelNo >= 1 && ch.ChannelNo <= mk21::MaxChannels);
        Check(!seen[static_cast<std::size_t>(ch.ChannelNo)]);
        seen[static_cast<std::size_t>(ch.ChannelNo)] = true;
        Check(ch.DecodeTone >= 0 && ch.DecodeTone <= 282);
        Check(ch.EncodeTone >= 0 && ch.EncodeTone <= 282);
        Check(ch.OffsetDir <= 2);
        Check(ch.BusyLock >= 0 && ch.BusyLock <= 2);
        Check(ch.Bandwidth >= 0 && ch.Bandwidth <= 2);
        Check(ch.TxPower >= 0 && ch.TxPower <= 2);
        Check(ch.OptSignal >= 0 && ch.OptSignal <= 1);
        Check(ch.RxStepCode >= 0 && ch.RxStepCode <= 2 && ch.TxStepCode >= 0 && ch.TxStepCode <= 2);
        Check(ch.AutoDial1 >= 0 && ch.AutoDial1 <= 16 && ch.AutoDial2 >= 0 && ch.AutoDial2 <= 16);
        for (const char c : ch.RxFreq.bytes())
            Check(c >= '0' && c <= '9');
    }
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilentPrompter prompter;
    mk21::AppState state(prompter);

    const std::size_t imageBytes = std::min<std::size_t>(size, state.RadioImage.size());
    std::memcpy(state.RadioImage.data(), data, imageBytes);
    const std::size_t infoBytes = std::min<std::size_t>(size - imageBytes, state.InfoArea.size());
    std::memcpy(state.InfoArea.data(), data + imageBytes, infoBytes);

    mk21::ModImage::DecodeImage(state);
    const std::array<bool, 129> decoded = CheckChannels(state.WorkingConfiguration);
    const mk21::DtmfSettings& dtmf = state.WorkingConfiguration.Features.Dtmf;
    Check(dtmf.IdLength >= 3 && dtmf.IdLength <= 10);
    Check(dtmf.BotCode.Length >= 0 && dtmf.BotCode.Length <= 16);
    Check(state.WorkingSide.AlarmMode <= 1);

    // Every decoded channel must survive a write: same numbers present after encoding again.
    mk21::ModImage::PrefillImage(state, false);
    mk21::ModImage::EncodeImage(state);
    mk21::ModImage::DecodeImage(state);
    Check(CheckChannels(state.WorkingConfiguration) == decoded);

    mk21::ModImage::DecodeRadioDetails(state);
    Check(state.Details.SalesAreaCode.size() <= 4);
    Check(prompter.asked == 0);
    return 0;
}
