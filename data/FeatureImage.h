#pragma once

#include "data/DtmfImage.h"
#include "data/ImageFields.h"
#include "data/ImageLayout.h"
#include "data/RadioConfiguration.h"

// The radio-wide settings in the radio image: optional features, DTMF (its rows are in DtmfImage),
// the embedded message, keys, scan, and alert with the alarm mode of the side record.
namespace mk21::FeatureImage {

using Image = ImageFields::Image;
using ConstImage = ImageFields::ConstImage;

// One message line: its characters followed by 0x00 bytes up to 16. Read back, a line ends at
// the first 0xFF or 0x00 byte, and a byte that is not printable ASCII reads as "?".
struct MessageLine {
    std::size_t offset;

    void Put(Image image, const FixedText<16>& line) const;
    void Take(ConstImage image, FixedText<16>& line) const;
};

// The one description of the feature blocks, walked by an ImageFields::Writer or Reader. F is
// FeatureSettings and M the side record's alarm mode, both const when writing.
template <class Io, class F, class M> void Fields(Io& io, F& f, M& alarmMode)
{
    using ImageFields::BitField;
    namespace L = ImageLayout;

    auto& o = f.OptionalFeatures;
    constexpr std::size_t O = L::OptionalFeatures;
    io(BitField{O + 0, 4, 4}, o.SquelchLevel);
    io(BitField{O + 1, 6, 2}, o.VoicePrompt);
    io(BitField{O + 1, 3, 3}, o.VoiceVolume);
    io(BitField{O + 1, 2, 1}, o.WiredClone);
    io(BitField{O + 1, 0, 2}, o.BatterySave);
    io(BitField{O + 2, 7, 1}, o.VoxOn);
    io(BitField{O + 2, 6, 1}, o.VoxTone);
    io(BitField{O + 2, 5, 1}, o.ChannelLock);
    io(BitField{O + 2, 4, 1}, o.GroupSelect);
    io(BitField{O + 2, 0, 4}, o.TotPreAlert);
    io(BitField{O + 3, 6, 2}, o.TailElimMode);
    io(BitField{O + 3, 5, 1}, o.NoSigTailElim);
    io(BitField{O + 4}, o.TotTime);
    io(BitField{O + 5}, o.TotRekey);
    io(BitField{O + 6}, o.TotReset);
    io(BitField{O + 7, 4, 4}, o.VoxDelay);
    io(BitField{O + 7, 0, 4}, o.VoxLevel);
    io(BitField{O + 8}, o.ChannelGroup);

    DtmfImage::Fields(io, f.Dtmf);

    for (std::size_t j = 0; j < f.MessageLines.size(); ++j)
        io(MessageLine{L::MessageLines + j * L::MessageLineSize}, f.MessageLines[j]);

    auto& k = f.KeySettings;
    constexpr std::size_t K = L::KeySettings;
    io(BitField{K + 0}, k.LongPressTime);
    io(BitField{K + 1}, k.EmgLongPressTime);
    io(BitField{K + 2}, k.Pf1Long);
    io(BitField{K + 3}, k.Pf1Short);
    io(BitField{K + 4}, k.Pf2Long);
    io(BitField{K + 5}, k.Pf2Short);

    auto& s = f.ScanSettings;
    constexpr std::size_t S = L::ScanSettings;
    io(BitField{S + 0, 7, 1}, s.ScanMode);
    io(BitField{S + 0, 6, 1}, s.ScanEntryTone);
    io(BitField{S + 0, 4, 2}, s.PriorityMode);
    io(BitField{S + 0, 0, 3}, s.RevertChannel);
    io(BitField{S + 1}, s.Pri1Group);
    io(BitField{S + 2}, s.Pri1Channel);
    io(BitField{S + 3}, s.Pri2Group);
    io(BitField{S + 4}, s.Pri2Channel);
    io(BitField{S + 5}, s.LookBackTimeA);
    io(BitField{S + 6}, s.LookBackTimeB);
    io(BitField{S + 7}, s.RxResumeDelay);
    io(BitField{S + 8}, s.TxResumeDelay);

    auto& a = f.AlertSettings;
    constexpr std::size_t A = L::AlertBytes;
    io(BitField{A + 0, 0, 2}, a.EmgAlarmType);
    io(BitField{A + 0, 2, 1}, a.EmgIdType);
    io(BitField{A + 0, 3, 1}, a.EmgChannelSelect);
    io(BitField{A + 0, 4, 1}, alarmMode);
    io(BitField{A + 1}, a.EmgGroup);
    io(BitField{A + 2}, a.EmgChannel);
    io(BitField{A + 3}, a.EmgIdMemory);
    io(BitField{A + 4}, a.AlarmTime);
    io(BitField{A + 5}, a.AlarmTxTime);
    io(BitField{A + 6}, a.AlarmRxTime);
    io(BitField{A + 7}, a.AlarmCycles);
}

// Writes every row of Fields; bytes no row touches are left as they are.
void Encode(const FeatureSettings& features, Byte alarmMode, Image image);
void Decode(ConstImage image, FeatureSettings& features, Byte& alarmMode);

} // namespace mk21::FeatureImage
