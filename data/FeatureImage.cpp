#include "data/FeatureImage.h"

#include <QByteArray>

namespace mk21::FeatureImage {

namespace L = ImageLayout;

void MessageLine::Put(Image image, const FixedText<16>& line) const
{
    const QByteArray text = line.text().toLatin1();
    const auto bytes = image.subspan(offset).first<L::MessageLineSize>();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto at = static_cast<qsizetype>(i);
        bytes[i] = at < text.size() ? static_cast<Byte>(text[at]) : Byte{0};
    }
}

void MessageLine::Take(ConstImage image, FixedText<16>& line) const
{
    QString text;
    for (const Byte b : image.subspan(offset).first<L::MessageLineSize>()) {
        if (b == 0xFF)
            break;
        // The message editor only ever stores printable ASCII; the radio's other bytes show as "?".
        const bool printable = b >= 0x20 && b <= 0x7E;
        text.append(b == 0x00 ? QChar(u'\0') : printable ? QChar(b) : QChar(u'?'));
    }
    text = TrimNul(text);
    if (text.size() < static_cast<qsizetype>(L::MessageLineSize))
        text.append(QChar(u'\0'));
    line = text;
}

void Encode(const FeatureSettings& features, Byte alarmMode, Image image)
{
    ImageFields::Writer writer(image);
    Fields(writer, features, alarmMode);
}

void Decode(ConstImage image, FeatureSettings& features, Byte& alarmMode)
{
    ImageFields::Reader reader(image);
    Fields(reader, features, alarmMode);
}

} // namespace mk21::FeatureImage
