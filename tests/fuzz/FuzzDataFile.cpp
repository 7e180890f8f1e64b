// Fuzzes the data file load: length check, decoding and the content rules, then the change test
// over what was loaded and the save back to bytes. Aborts when a rule the program relies on breaks.
#include "app/AppState.h"
#include "app/ConfigurationChange.h"
#include "base/Prompter.h"
#include "data/DataFile.h"
#include "data/RecordCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Nothing is shown while fuzzing; every question gets its first button.
class SilentPrompter final : public mk21::Prompter {
public:
    mk21::PromptAnswer ask(const mk21::Prompt&) override { return mk21::PromptAnswer::Ok; }
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void exerciseChangeTest(const mk21::RadioConfiguration& loaded, const QByteArray& file)
{
    using namespace mk21;
    SilentPrompter prompter;
    AppState state(prompter);
    state.SavedConfiguration = loaded;
    state.WorkingConfiguration = loaded;
    require(!ModDocument::IsConfigurationChanged(state));

    // The same channels in another order are the same document.
    const auto count = static_cast<std::ptrdiff_t>(loaded.ChannelCount);
    std::reverse(state.WorkingConfiguration.Channels.begin(),
                 state.WorkingConfiguration.Channels.begin() + count);
    require(!ModDocument::IsConfigurationChanged(state));

    // One edit it must see.
    if (count > 0) {
        Integer& power = state.WorkingConfiguration.Channels[0].TxPower;
        power = power == 0 ? 1 : 0;
    } else {
        state.WorkingConfiguration.ChannelCount = 1;
    }
    require(ModDocument::IsConfigurationChanged(state));

    // Against a record that was never checked (any count, any numbers) it still only compares.
    if (const std::optional<RadioConfiguration> raw = ModRecordCodec::DecodeRecord(file)) {
        state.SavedConfiguration = *raw;
        ModDocument::IsConfigurationChanged(state);
        state.WorkingConfiguration = *raw;
        require(!ModDocument::IsConfigurationChanged(state));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace mk21;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (input.size() != ModRecordCodec::DataFileSize)
        require(!ModDataFile::RecordFromFileBytes(input).has_value());

    // Every input also becomes a file of the right length, so that its content is always read.
    QByteArray file = input.left(ModRecordCodec::DataFileSize);
    file.resize(ModRecordCodec::DataFileSize, '\0');

    const std::optional<RadioConfiguration> loaded = ModDataFile::RecordFromFileBytes(file);
    if (!loaded)
        return 0;
    require(loaded->ChannelCount >= 0 && loaded->ChannelCount <= MaxChannels);

    // What this program writes loads back byte for byte.
    const QByteArray saved = ModRecordCodec::EncodeRecord(*loaded);
    require(saved.size() == ModRecordCodec::DataFileSize);
    const std::optional<RadioConfiguration> again = ModDataFile::RecordFromFileBytes(saved);
    require(again.has_value() && *again == *loaded);
    require(ModRecordCodec::EncodeRecord(*again) == saved);

    exerciseChangeTest(*loaded, file);
    return 0;
}
