#include "data/DtmfImage.h"

#include "data/ImageBytes.h"
#include "base/TextOps.h"

#include <array>

namespace mk21::DtmfImage {

namespace {

using ImageBytes::Bits;
using ImageBytes::Low8;
using ImageBytes::Place;
namespace L = ImageLayout;

constexpr int MaxDigits = 16;
constexpr int IdDigits = 10;

// The twenty codes in slot order: Bot, Eot, Stun, Kill, then memories 1..16.
template <typename Settings>
auto CodeSlots(Settings& dtmf)
{
    std::array<decltype(&dtmf.BotCode), 20> codes{&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode};
    for (std::size_t m = 0; m < dtmf.DtmfMemory.size(); ++m)
        codes[4 + m] = &dtmf.DtmfMemory[m];
    return codes;
}

// A text followed by one NUL when it is shorter than its field.
QString EndedText(QString text, int fieldSize)
{
    if (text.size() < fieldSize)
        text.append(QChar(u'\0'));
    return text;
}

} // namespace

int SentIdLength(int idLength)
{
    return idLength < 3 || idLength > IdDigits ? 3 : idLength;
}

void EncodeCode(const DtmfCode& code, std::span<Byte, L::DtmfSlotSize> slot)
{
    const int len = code.Length < 0 || code.Length > MaxDigits ? 0 : code.Length;
    QString digits = ModFun::DtmfTextToCode(code.Digits.text());
    if (digits.size() < len)
        digits = digits.leftJustified(len, u'0');
    slot[L::DtmfSlotLength] = static_cast<Byte>(len);
    if (len % 2 != 0)
        digits.append(u'0');
    const std::size_t bytes = static_cast<std::size_t>(len + 1) / 2;
    ImageBytes::PutHexDigits(slot.first(bytes), digits);
}

DtmfCode DecodeCode(std::span<const Byte, L::DtmfSlotSize> slot)
{
    const int len = slot[L::DtmfSlotLength] <= MaxDigits ? slot[L::DtmfSlotLength] : 0;
    const QString hex = ImageBytes::HexDigits(slot.first(static_cast<std::size_t>(len + 1) / 2)).left(len);
    DtmfCode code;
    code.Length = static_cast<Integer>(len);
    code.Digits = EndedText(ModFun::DtmfCodeToText(hex), MaxDigits);
    return code;
}

void Encode(const DtmfSettings& d, Image image)
{
    const auto bytes = image.subspan<L::DtmfBytes, 8>();
    bytes[0] = Low8(d.DtmfRate);
    bytes[1] = Low8(d.FirstDigitTime);
    bytes[2] = Low8(d.FirstDigitDelay);
    bytes[3] = Low8(d.StarHashTime);
    bytes[4] = Low8(d.DKeySetting);
    bytes[5] = static_cast<Byte>(Place(d.SideTone, 7, 1) | Place(d.CallAlertMode, 4, 2));
    bytes[6] = Low8(d.GroupCode);
    bytes[7] = Low8(d.AutoResetTime);

    // The record keeps its own length; only the radio gets the corrected one.
    const int length = SentIdLength(d.IdLength);
    const QString id = d.IdCode.text().left(length).leftJustified(length, u'0').leftJustified(IdDigits, u'0');
    ImageBytes::PutHexDigits(image.subspan<L::IdCode, L::IdCodeBytes>(), id);
    image[L::IdLength] = static_cast<Byte>(length);

    const auto codes = CodeSlots(d);
    const auto area = image.subspan<L::SpecialCodes, 20 * L::DtmfSlotSize>();
    for (std::size_t i = 0; i < codes.size(); ++i)
        EncodeCode(*codes[i], area.subspan(i * L::DtmfSlotSize).first<L::DtmfSlotSize>());
}

void Decode(ConstImage image, DtmfSettings& d)
{
    const auto bytes = image.subspan<L::DtmfBytes, 8>();
    d.DtmfRate = bytes[0];
    d.FirstDigitTime = bytes[1];
    d.FirstDigitDelay = bytes[2];
    d.StarHashTime = bytes[3];
    d.DKeySetting = bytes[4];
    d.SideTone = static_cast<Integer>(Bits(bytes[5], 7, 1));
    d.CallAlertMode = static_cast<Integer>(Bits(bytes[5], 4, 2));
    d.GroupCode = static_cast<Integer>(Bits(bytes[6], 0, 4));
    d.AutoResetTime = bytes[7];

    d.IdLength = static_cast<Integer>(SentIdLength(image[L::IdLength]));
    const QString id = ImageBytes::HexDigits(image.subspan<L::IdCode, L::IdCodeBytes>()).left(d.IdLength);
    d.IdCode = EndedText(id, IdDigits);

    const auto codes = CodeSlots(d);
    const auto area = image.subspan<L::SpecialCodes, 20 * L::DtmfSlotSize>();
    for (std::size_t i = 0; i < codes.size(); ++i)
        *codes[i] = DecodeCode(area.subspan(i * L::DtmfSlotSize).first<L::DtmfSlotSize>());
}

} // namespace mk21::DtmfImage
