#include "data/FeatureImage.h"

#include "data/ImageBytes.h"

#include <QByteArray>

namespace mk21::FeatureImage {

namespace {
using ImageBytes::Bits;
using ImageBytes::Low8;
using ImageBytes::Place;
namespace L = ImageLayout;

Integer IntBits(Byte byte, int low, int width)
{
    return static_cast<Integer>(Bits(byte, low, width));
}

Byte ByteBits(Byte byte, int low, int width)
{
    return static_cast<Byte>(Bits(byte, low, width));
}
} // namespace

void EncodeOptionalFeatures(const OptionalFeatureSettings& f, Image image)
{
    const auto b = image.subspan<L::OptionalFeatures, 9>();
    b[0] = Place(f.SquelchLevel, 4, 4);
    b[1] = static_cast<Byte>(Place(f.VoicePrompt, 6, 2) | Place(f.VoiceVolume, 3, 3) | Place(f.WiredClone, 2, 1)
                             | Place(f.BatterySave, 0, 2));
    b[2] = static_cast<Byte>(Place(f.VoxOn, 7, 1) | Place(f.VoxTone, 6, 1) | Place(f.ChannelLock, 5, 1)
                             | Place(f.GroupSelect, 4, 1) | Place(f.TotPreAlert, 0, 4));
    b[3] = static_cast<Byte>(Place(f.TailElimMode, 6, 2) | Place(f.NoSigTailElim, 5, 1));
    b[4] = Low8(f.TotTime);
    b[5] = Low8(f.TotRekey);
    b[6] = Low8(f.TotReset);
    b[7] = static_cast<Byte>(Place(f.VoxDelay, 4, 4) | Place(f.VoxLevel, 0, 4));
    b[8] = Low8(f.ChannelGroup);
}

void DecodeOptionalFeatures(ConstImage image, OptionalFeatureSettings& f)
{
    const auto b = image.subspan<L::OptionalFeatures, 9>();
    f.SquelchLevel = IntBits(b[0], 4, 4);
    f.VoicePrompt = IntBits(b[1], 6, 2);
    f.VoiceVolume = IntBits(b[1], 3, 3);
    f.WiredClone = IntBits(b[1], 2, 1);
    f.BatterySave = IntBits(b[1], 0, 2);
    f.VoxOn = IntBits(b[2], 7, 1);
    f.VoxTone = IntBits(b[2], 6, 1);
    f.ChannelLock = IntBits(b[2], 5, 1);
    f.GroupSelect = IntBits(b[2], 4, 1);
    f.TotPreAlert = IntBits(b[2], 0, 4);
    f.TailElimMode = IntBits(b[3], 6, 2);
    f.NoSigTailElim = IntBits(b[3], 5, 1);
    f.TotTime = b[4];
    f.TotRekey = b[5];
    f.TotReset = b[6];
    f.VoxDelay = IntBits(b[7], 4, 4);
    f.VoxLevel = IntBits(b[7], 0, 4);
    f.ChannelGroup = b[8];
}

void EncodeKeys(const KeySettingsRecord& k, Image image)
{
    const auto b = image.subspan<L::KeySettings, 6>();
    b[0] = Low8(k.LongPressTime);
    b[1] = Low8(k.EmgLongPressTime);
    b[2] = Low8(k.Pf1Long);
    b[3] = Low8(k.Pf1Short);
    b[4] = Low8(k.Pf2Long);
    b[5] = Low8(k.Pf2Short);
}

void DecodeKeys(ConstImage image, KeySettingsRecord& k)
{
    const auto b = image.subspan<L::KeySettings, 6>();
    k.LongPressTime = b[0];
    k.EmgLongPressTime = b[1];
    k.Pf1Long = b[2];
    k.Pf1Short = b[3];
    k.Pf2Long = b[4];
    k.Pf2Short = b[5];
}

void EncodeScan(const ScanSettingsRecord& s, Image image)
{
    const auto b = image.subspan<L::ScanSettings, 9>();
    b[0] = static_cast<Byte>(Place(s.ScanMode, 7, 1) | Place(s.ScanEntryTone, 6, 1) | Place(s.PriorityMode, 4, 2)
                             | Place(s.RevertChannel, 0, 3));
    b[1] = s.Pri1Group;
    b[2] = s.Pri1Channel;
    b[3] = s.Pri2Group;
    b[4] = s.Pri2Channel;
    b[5] = s.LookBackTimeA;
    b[6] = s.LookBackTimeB;
    b[7] = s.RxResumeDelay;
    b[8] = s.TxResumeDelay;
}

void DecodeScan(ConstImage image, ScanSettingsRecord& s)
{
    const auto b = image.subspan<L::ScanSettings, 9>();
    s.ScanMode = ByteBits(b[0], 7, 1);
    s.ScanEntryTone = ByteBits(b[0], 6, 1);
    s.PriorityMode = ByteBits(b[0], 4, 2);
    s.RevertChannel = ByteBits(b[0], 0, 3);
    s.Pri1Group = b[1];
    s.Pri1Channel = b[2];
    s.Pri2Group = b[3];
    s.Pri2Channel = b[4];
    s.LookBackTimeA = b[5];
    s.LookBackTimeB = b[6];
    s.RxResumeDelay = b[7];
    s.TxResumeDelay = b[8];
}

void EncodeAlert(const AlertSettingsRecord& a, Byte alarmMode, Image image)
{
    const auto b = image.subspan<L::AlertBytes, 8>();
    b[0] = static_cast<Byte>(Place(a.EmgAlarmType, 0, 2) | Place(a.EmgIdType, 2, 1)
                             | Place(a.EmgChannelSelect, 3, 1) | Place(alarmMode, 4, 1));
    b[1] = a.EmgGroup;
    b[2] = a.EmgChannel;
    b[3] = a.EmgIdMemory;
    b[4] = a.AlarmTime;
    b[5] = a.AlarmTxTime;
    b[6] = a.AlarmRxTime;
    b[7] = a.AlarmCycles;
}

void DecodeAlert(ConstImage image, AlertSettingsRecord& a, Byte& alarmMode)
{
    const auto b = image.subspan<L::AlertBytes, 8>();
    a.EmgAlarmType = ByteBits(b[0], 0, 2);
    a.EmgIdType = ByteBits(b[0], 2, 1);
    a.EmgChannelSelect = ByteBits(b[0], 3, 1);
    alarmMode = ByteBits(b[0], 4, 1);
    a.EmgGroup = b[1];
    a.EmgChannel = b[2];
    a.EmgIdMemory = b[3];
    a.AlarmTime = b[4];
    a.AlarmTxTime = b[5];
    a.AlarmRxTime = b[6];
    a.AlarmCycles = b[7];
}

void EncodeMessageLines(const std::array<FixedText<16>, 4>& lines, Image image)
{
    const auto area = image.subspan<L::MessageLines, 4 * L::MessageLineSize>();
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const QByteArray text = lines[j].text().toLatin1();
        for (std::size_t i = 0; i < L::MessageLineSize; ++i) {
            const auto at = static_cast<qsizetype>(i);
            area[j * L::MessageLineSize + i] = at < text.size() ? static_cast<Byte>(text[at]) : Byte{0};
        }
    }
}

void DecodeMessageLines(ConstImage image, std::array<FixedText<16>, 4>& lines)
{
    const auto area = image.subspan<L::MessageLines, 4 * L::MessageLineSize>();
    for (std::size_t j = 0; j < lines.size(); ++j) {
        QString text;
        for (const Byte b : area.subspan(j * L::MessageLineSize, L::MessageLineSize)) {
            if (b == 0xFF)
                break;
            // The message editor only ever stores printable ASCII; the radio's other bytes show as "?".
            const bool printable = b >= 0x20 && b <= 0x7E;
            text.append(b == 0x00 ? QChar(u'\0') : printable ? QChar(b) : QChar(u'?'));
        }
        text = TrimNul(text);
        if (text.size() < static_cast<qsizetype>(L::MessageLineSize))
            text.append(QChar(u'\0'));
        lines[j] = text;
    }
}

} // namespace mk21::FeatureImage
