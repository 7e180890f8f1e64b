#include "data/ChannelBlock.h"

#include "data/ConfigurationState.h"
#include "data/FrequencyCodec.h"
#include "data/ImageBytes.h"
#include "data/ToneList.h"

#include <algorithm>

namespace mk21::ChannelBlock {

namespace {

using ImageBytes::Bits;
using ImageBytes::Place;

constexpr int LastNormalTone = 166;
constexpr int InvertedShift = 116;
constexpr int LastAutoDial = 16;

bool AllDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The eight-digit stored form of a number of 10 Hz units (the number is at most eight digits).
QString StoredText(std::uint32_t value)
{
    return QString::number(value).rightJustified(8, u'0');
}

// A number that a digit text of at most eight characters holds.
std::uint32_t DigitsValue(const QString& digits)
{
    std::uint32_t value = 0;
    for (const QChar c : digits)
        value = value * 10 + static_cast<std::uint32_t>(c.unicode() - u'0');
    return value;
}

// The transmit frequency the block holds: the edit window's transmit text in stored form.
std::uint32_t TransmitNumber(ConfigurationState& state, const ChannelRecord& channel)
{
    const QString text = ModShowFreFun::EditTxText(state, channel.RxFreq.raw(), channel.Offset.raw(),
                                                   channel.OffsetDir, false);
    const QString stored = ModShowFreFun::GetFreData(text, state.model.BandLow);
    if (stored.isEmpty() || stored.size() > 8 || !AllDigits(stored))
        return 0xFFFFFFFFu;
    return DigitsValue(stored);
}

// Fields of two bits whose record range ends below 3 (and the auto-dial memories) are held to that
// range, so an image can never give the editors a value they have no list entry for.
Integer UpTo(int value, int last)
{
    return static_cast<Integer>(std::min(value, last));
}

Integer AutoDial(Byte value)
{
    return static_cast<Integer>(value <= LastAutoDial ? value : 0);
}

} // namespace

ToneBits ToneToImage(int position)
{
    if (position < 0 || position > ToneList::LastPosition)
        return {};
    if (position <= LastNormalTone)
        return {static_cast<Byte>(position), false};
    return {static_cast<Byte>(position % LastNormalTone + 50), true};
}

Integer ToneFromImage(Byte low, bool flag)
{
    const int position = flag ? low + InvertedShift : low;
    return static_cast<Integer>(position <= ToneList::LastPosition ? position : 0);
}

std::optional<std::uint32_t> ReceiveNumber(const ChannelRecord& channel)
{
    QString rx = channel.RxFreq.text();
    if (rx.isEmpty() || rx == QLatin1String("FFFFFFFF") || !AllDigits(rx))
        return std::nullopt;
    if (rx.size() % 2 != 0)
        rx.append(u'0');
    return DigitsValue(rx);
}

void Encode(ConfigurationState& state, const ChannelRecord& ch, std::uint32_t rx, std::span<Byte, 16> block)
{
    ImageBytes::Put32(block.subspan<0, 4>(), rx);
    ImageBytes::Put32(block.subspan<4, 4>(), TransmitNumber(state, ch));

    const ToneBits decode = ToneToImage(ch.DecodeTone);
    const ToneBits encode = ToneToImage(ch.EncodeTone);
    block[8] = decode.low;
    block[9] = encode.low;
    block[10] = static_cast<Byte>(Place(decode.flag, 7, 1) | Place(ch.TxInhibit, 6, 1) |
                                  Place(ch.RevTalkSelect, 5, 1) | Place(ch.Encryption, 4, 1) |
                                  Place(ch.BusyLock, 2, 2) | Place(ch.RxStepCode, 0, 2));
    block[11] = static_cast<Byte>(Place(encode.flag, 7, 1) | Place(ch.Talkaround, 6, 1) |
                                  Place(ch.SignalRelation, 5, 1) | Place(ch.Whisper, 4, 1) |
                                  Place(ch.PttId, 2, 2) | Place(ch.TxStepCode, 0, 2));
    block[12] =
        static_cast<Byte>(Place(ch.Bandwidth, 6, 2) | Place(ch.OptSignal, 4, 2) | Place(ch.Compander, 3, 1) |
                          Place(ch.Reverse, 2, 1) | Place(ch.TxPower, 0, 2));
    block[13] = ImageBytes::Low8(ch.AutoDial1);
    block[14] = ImageBytes::Low8(ch.AutoDial2);
    block[15] = Place(ch.OffsetDir, 4, 4);
}

std::optional<ChannelRecord> Decode(ConfigurationState& state, int number, bool scanSkip,
                                    std::span<const Byte, 16> block)
{
    const std::uint32_t rx = ImageBytes::Get32(block.subspan<0, 4>());
    if (rx > MaxStoredFrequency)
        return std::nullopt;

    ChannelRecord ch;
    ch.ScanSkip = scanSkip ? 1 : 0;
    ch.ChannelVoid = 0;
    ch.ChannelNo = static_cast<Integer>(number);
    ch.RxFreq = StoredText(rx);

    // A transmit number too large for the stored form leaves the channel simplex.
    const std::uint32_t txNumber = ImageBytes::Get32(block.subspan<4, 4>());
    const QString tx =
        ModShowFreFun::ShowFre(state, StoredText(txNumber <= MaxStoredFrequency ? txNumber : rx));
    Byte direction = 0;
    ch.Offset =
        ModShowFreFun::GetOffSetData(state, ch.RxFreq.raw(), tx, false, QStringLiteral("0"), direction);
    ch.OffsetDir = direction;

    const Byte b10 = block[10];
    const Byte b11 = block[11];
    const Byte b12 = block[12];
    ch.DecodeTone = ToneFromImage(block[8], Bits(b10, 7, 1) != 0);
    ch.EncodeTone = ToneFromImage(block[9], Bits(b11, 7, 1) != 0);
    ch.TxInhibit = static_cast<Integer>(Bits(b10, 6, 1));
    ch.RevTalkSelect = static_cast<Integer>(Bits(b10, 5, 1));
    ch.Encryption = static_cast<Integer>(Bits(b10, 4, 1));
    ch.BusyLock = UpTo(Bits(b10, 2, 2), 2);
    ch.RxStepCode = UpTo(Bits(b10, 0, 2), 2);
    ch.Talkaround = static_cast<Integer>(Bits(b11, 6, 1));
    ch.SignalRelation = static_cast<Integer>(Bits(b11, 5, 1));
    ch.Whisper = static_cast<Integer>(Bits(b11, 4, 1));
    ch.PttId = static_cast<Integer>(Bits(b11, 2, 2));
    ch.TxStepCode = UpTo(Bits(b11, 0, 2), 2);
    ch.Bandwidth = UpTo(Bits(b12, 6, 2), 2);
    ch.OptSignal = UpTo(Bits(b12, 4, 2), 1);
    ch.Compander = static_cast<Integer>(Bits(b12, 3, 1));
    ch.Reverse = static_cast<Integer>(Bits(b12, 2, 1));
    ch.TxPower = UpTo(Bits(b12, 0, 2), 2);
    ch.AutoDial1 = AutoDial(block[13]);
    ch.AutoDial2 = AutoDial(block[14]);
    return ch;
}

} // namespace mk21::ChannelBlock
