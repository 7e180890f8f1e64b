#include "data/DtmfImage.h"

#include "base/TextOps.h"
#include "data/ImageBytes.h"

namespace mk21::DtmfImage {

namespace {

namespace L = ImageLayout;

constexpr int MaxDigits = 16;
constexpr int IdDigits = 10;

// The memories follow the four special codes without a gap, as Fields counts the slots.
static_assert(L::SpecialCodes + 4 * L::DtmfSlotSize == L::DtmfMemories);

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

void CodeSlot::Put(Image image, const DtmfCode& code) const
{
    EncodeCode(code, image.subspan(offset).first<L::DtmfSlotSize>());
}

void CodeSlot::Take(ConstImage image, DtmfCode& code) const
{
    code = DecodeCode(image.subspan(offset).first<L::DtmfSlotSize>());
}

void Identity::Put(Image image, const FixedText<10>& id, Integer idLength) const
{
    const int sent = SentIdLength(idLength);
    const QString text = id.text().left(sent).leftJustified(sent, u'0').leftJustified(IdDigits, u'0');
    ImageBytes::PutHexDigits(image.subspan(digits).first<L::IdCodeBytes>(), text);
    image[length] = static_cast<Byte>(sent);
}

void Identity::Take(ConstImage image, FixedText<10>& id, Integer& idLength) const
{
    idLength = static_cast<Integer>(SentIdLength(image[length]));
    const QString text = ImageBytes::HexDigits(image.subspan(digits).first<L::IdCodeBytes>()).left(idLength);
    id = EndedText(text, IdDigits);
}

} // namespace mk21::DtmfImage
