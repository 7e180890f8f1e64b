#include "data/ImageCodec.h"

#include "data/CapabilityRecord.h"
#include "data/ChannelBlock.h"
#include "data/ConfigurationOps.h"
#include "data/ConfigurationState.h"
#include "data/FeatureImage.h"
#include "data/ImageBytes.h"
#include "data/ImageLayout.h"
#include "data/ModelBand.h"

#include <algorithm>
#include <span>

namespace mk21::ModImage {

namespace {

namespace L = ImageLayout;
static_assert(L::ImageSize == RadioImageSize && L::InfoSize == InfoAreaSize);

using Image = std::span<Byte, L::ImageSize>;
using ConstImage = std::span<const Byte, L::ImageSize>;

// Bit of channel index ch (0..127) in a 16-byte map.
struct MapBit {
    std::size_t byte;
    Byte mask;
};
MapBit BitOf(std::size_t ch)
{
    return {ch / 8, static_cast<Byte>(1u << (ch % 8))};
}

std::span<Byte, L::ChannelBlockSize> BlockOf(Image image, std::size_t ch)
{
    return image.subspan<L::ChannelBlocks, L::MaxChannelsInImage * L::ChannelBlockSize>()
        .subspan(ch * L::ChannelBlockSize)
        .first<L::ChannelBlockSize>();
}

std::span<const Byte, L::ChannelBlockSize> BlockOf(ConstImage image, std::size_t ch)
{
    return image.subspan<L::ChannelBlocks, L::MaxChannelsInImage * L::ChannelBlockSize>()
        .subspan(ch * L::ChannelBlockSize)
        .first<L::ChannelBlockSize>();
}

void EncodeChannels(ConfigurationState& state, Image image)
{
    const RadioConfiguration& config = state.WorkingConfiguration;
    const auto presence = image.subspan<L::PresenceMap, L::MapSize>();
    const auto scanSkip = image.subspan<L::ScanSkipMap, L::MapSize>();
    const int used = std::clamp<int>(config.ChannelCount, 0, MaxChannels);
    for (int i = 0; i < used; ++i) {
        const ChannelRecord& channel = config.Channels[static_cast<std::size_t>(i)];
        // A number without a block, or a channel without a usable frequency, leaves nothing behind.
        if (channel.ChannelNo < 1 || channel.ChannelNo > MaxChannels)
            continue;
        const std::optional<std::uint32_t> rx = ChannelBlock::ReceiveNumber(channel);
        if (!rx)
            continue;
        const auto ch = static_cast<std::size_t>(channel.ChannelNo - 1);
        const MapBit bit = BitOf(ch);
        presence[bit.byte] = static_cast<Byte>(presence[bit.byte] & ~bit.mask);
        if (channel.ScanSkip == 0)
            scanSkip[bit.byte] = static_cast<Byte>(scanSkip[bit.byte] & ~bit.mask);
        else
            scanSkip[bit.byte] = static_cast<Byte>(scanSkip[bit.byte] | bit.mask);
        ChannelBlock::Encode(state, channel, *rx, BlockOf(image, ch));
    }
}

void DecodeChannels(ConfigurationState& state, ConstImage image)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    const auto presence = image.subspan<L::PresenceMap, L::MapSize>();
    const auto scanSkip = image.subspan<L::ScanSkipMap, L::MapSize>();
    config.ChannelCount = 0;
    for (std::size_t ch = 0; ch < L::MaxChannelsInImage; ++ch) {
        const MapBit bit = BitOf(ch);
        if ((presence[bit.byte] & bit.mask) != 0)
            continue;
        const bool skip = (scanSkip[bit.byte] & bit.mask) != 0;
        const std::optional<ChannelRecord> channel =
            ChannelBlock::Decode(state, static_cast<int>(ch + 1), skip, BlockOf(image, ch));
        if (!channel)
            continue;
        config.Channels[static_cast<std::size_t>(config.ChannelCount)] = *channel;
        ++config.ChannelCount;
    }
}

// The 8 hex digits a test frequency text is written as; a text that is not made of hex digits
// cannot be a frequency and is written as none.
QString TestFrequencyDigits(const FixedText<8>& text)
{
    const QString t = text.text();
    const bool hex =
        std::all_of(t.begin(), t.end(), [](QChar c) { return ImageBytes::HexValue(c).has_value(); });
    if (t.isEmpty() || !hex)
        return QStringLiteral("FFFFFFFF");
    return t.leftJustified(8, u'0');
}

QString TestFrequencyText(std::span<const Byte, 4> bytes)
{
    const QString digits = ImageBytes::HexDigits(bytes);
    return digits == QLatin1String("00000000") ? QStringLiteral("FFFFFFFF") : digits;
}

// Items 0..10 are the record's test frequencies, 11..15 the extra ones.
TestFrequencyRecord& TestItem(ConfigurationState& state, std::size_t k)
{
    return k < TestFrequencyCount ? state.WorkingConfiguration.TestFrequencies[k]
                                  : state.ExtraTestFreqs[k - TestFrequencyCount];
}

void EncodeTestFrequencies(ConfigurationState& state, Image image)
{
    const auto area = image.subspan<L::TestFrequencies, L::TestItems * L::TestItemSize>();
    for (std::size_t k = 0; k < L::TestItems; ++k) {
        const TestFrequencyRecord& item = TestItem(state, k);
        const auto bytes = area.subspan(k * L::TestItemSize).first<L::TestItemSize>();
        ImageBytes::PutHexDigits(bytes.first<4>(), TestFrequencyDigits(item.TestFreqB));
        ImageBytes::PutHexDigits(bytes.last<4>(), TestFrequencyDigits(item.TestFreqA));
    }
}

void DecodeTestFrequencies(ConfigurationState& state, ConstImage image)
{
    const auto area = image.subspan<L::TestFrequencies, L::TestItems * L::TestItemSize>();
    for (std::size_t k = 0; k < L::TestItems; ++k) {
        TestFrequencyRecord& item = TestItem(state, k);
        const auto bytes = area.subspan(k * L::TestItemSize).first<L::TestItemSize>();
        item.TestFreqB = TestFrequencyText(bytes.first<4>());
        item.TestFreqA = TestFrequencyText(bytes.last<4>());
    }
}

void EncodeRadioInfo(ConfigurationState& state, Image image)
{
    ModConfig::StoreModelBand(state);
    const RadioInfoRecord& info = state.WorkingConfiguration.RadioInfo;
    const QByteArray model = info.ModelCode.text().toLatin1();
    const auto code = image.subspan<L::ModelCode, L::ModelCodeSize>();
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(model.size()), code.size());
    std::copy_n(model.constData(), length, code.begin());
    if (length < code.size())
        code[length] = 0x00;
    image[L::BandNumber] = ImageBytes::Low8(info.BandNumber);
    std::copy_n(ReleaseTag, 4, image.subspan<L::DataVersion, 4>().begin());
}

// The model code names the init file of a new document, so only letters and digits are taken:
// the code ends at the first other byte (the radio ends it with 0x00, the prefill with 0xFF).
QString ModelCodeOf(std::span<const Byte, L::ModelCodeSize> bytes)
{
    QString code;
    for (const Byte b : bytes) {
        const bool letterOrDigit = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
        if (!letterOrDigit)
            break;
        code.append(QChar(b));
    }
    return code;
}

void DecodeRadioInfo(ConfigurationState& state, ConstImage image)
{
    RadioInfoRecord& info = state.WorkingConfiguration.RadioInfo;
    info.ModelCode = ModelCodeOf(image.subspan<L::ModelCode, L::ModelCodeSize>());
    info.BandNumber = image[L::BandNumber];
    ModConfig::ApplyModelBand(state);
}

template <std::size_t N>
void SetDetail(FixedText<N>& field, const std::array<Byte, InfoAreaSize>& info, L::InfoField at)
{
    static_assert(N > 0);
    QString text = ImageBytes::TextBeforeEnd(std::span<const Byte>(info).subspan(at.offset, at.size));
    if (text.size() < static_cast<qsizetype>(N))
        text.append(QChar(u'\0'));
    field = text;
}

} // namespace

void PrefillImage(ConfigurationState& state, bool radioInfoRead)
{
    if (radioInfoRead)
        return;
    state.RadioImage.fill(0xFF);
}

void EncodeImage(ConfigurationState& state)
{
    const Image image(state.RadioImage);
    std::fill_n(image.begin(), L::EncodedEnd, Byte{0xFF});

    EncodeChannels(state, image);
    EncodeTestFrequencies(state, image);
    EncodeRadioInfo(state, image);

    FeatureImage::Encode(state.WorkingConfiguration.Features, state.WorkingSide.AlarmMode, image);
}

void DecodeImage(ConfigurationState& state)
{
    const ConstImage image(state.RadioImage);
    DecodeChannels(state, image);
    DecodeTestFrequencies(state, image);
    DecodeRadioInfo(state, image);

    FeatureImage::Decode(image, state.WorkingConfiguration.Features, state.WorkingSide.AlarmMode);

    ApplyCapabilities(state, image[L::CapabilityByte]);
}

bool HasKnownIdentity(const ConfigurationState& state)
{
    const ConstImage image(state.RadioImage);
    return ModelBandTable::IsKnownModelCode(ModelCodeOf(image.subspan<L::ModelCode, L::ModelCodeSize>())) &&
           !ModelBandTable::BandTextOfNumber(image[L::BandNumber]).isEmpty();
}

void DecodeRadioDetails(ConfigurationState& state)
{
    const std::array<Byte, InfoAreaSize>& info = state.InfoArea;
    RadioDetails& d = state.Details;
    d.SalesAreaCode = ImageBytes::TextBeforeEnd(
        std::span<const Byte>(info).subspan(L::SalesAreaCode.offset, L::SalesAreaCode.size));
    SetDetail(d.BatchNumber, info, L::BatchNumber);
    SetDetail(d.CustomerCode, info, L::CustomerCode);
    SetDetail(d.SerialNumber, info, L::SerialNumber);
    SetDetail(d.ProductionDate, info, L::ProductionDate);
    SetDetail(d.RepairDate, info, L::RepairDate);
    SetDetail(d.RepairReason, info, L::RepairReason);
    SetDetail(d.DealerCode, info, L::DealerCode);
    SetDetail(d.StockInDate, info, L::StockInDate);
    SetDetail(d.SalesDate, info, L::SalesDate);
    SetDetail(d.HandledBy, info, L::HandledBy);
}

} // namespace mk21::ModImage
