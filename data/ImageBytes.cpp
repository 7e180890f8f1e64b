#include "data/ImageBytes.h"

#include <QByteArray>

#include <algorithm>

namespace mk21::ImageBytes {

void Put32(std::span<Byte, 4> out, std::uint32_t value)
{
    for (int i = 3; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = static_cast<Byte>(value & 0xFFu);
        value >>= 8;
    }
}

std::uint32_t Get32(std::span<const Byte, 4> in)
{
    std::uint32_t value = 0;
    for (const Byte b : in)
        value = (value << 8) | b;
    return value;
}

std::optional<int> HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return std::nullopt;
}

void PutHexDigits(std::span<Byte> out, const QString& digits)
{
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(digits.size()), out.size() * 2);
    for (std::size_t i = 0; i < count; i += 2) {
        const int high = HexValue(digits[static_cast<qsizetype>(i)]).value_or(0);
        const int low = i + 1 < count ? HexValue(digits[static_cast<qsizetype>(i + 1)]).value_or(0) : 0;
        out[i / 2] = static_cast<Byte>(high << 4 | low);
    }
}

QString HexDigits(std::span<const Byte> in)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(static_cast<qsizetype>(in.size() * 2));
    for (const Byte b : in) {
        text.append(QLatin1Char(digits[b >> 4]));
        text.append(QLatin1Char(digits[b & 0x0F]));
    }
    return text;
}

QString TextBeforeEnd(std::span<const Byte> in)
{
    QByteArray bytes;
    for (const Byte b : in) {
        if (b == 0x00 || b == 0xFF)
            break;
        bytes.append(static_cast<char>(b));
    }
    return QString::fromLatin1(bytes);
}

} // namespace mk21::ImageBytes
