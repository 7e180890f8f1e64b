#include "channels/ChannelList.h"

#include "base/TextOps.h"
#include "channels/ChannelState.h"
#include "data/FrequencyCodec.h"
#include "data/ToneList.h"

#include <array>
#include <cmath>
#include <optional>

namespace mk21::ModCHEdit {

namespace {

// A field set from a whole number in 0..high with no dependent fields.
struct PlainField {
    int code;
    Integer ChannelRecord::*field;
    int high;
};

constexpr std::array<PlainField, 16> PlainFields{{
    {ChannelField::TxPower, &ChannelRecord::TxPower, 2},
    {ChannelField::ScanSkip, &ChannelRecord::ScanSkip, 1},
    {ChannelField::Bandwidth, &ChannelRecord::Bandwidth, 2},
    {ChannelField::PttId, &ChannelRecord::PttId, 3},
    {ChannelField::BusyLock, &ChannelRecord::BusyLock, 2},
    {ChannelField::RevTalkSelect, &ChannelRecord::RevTalkSelect, 1},
    {ChannelField::AutoDial1, &ChannelRecord::AutoDial1, 16},
    {ChannelField::Encryption, &ChannelRecord::Encryption, 1},
    {ChannelField::TxInhibit, &ChannelRecord::TxInhibit, 1},
    {ChannelField::Talkaround, &ChannelRecord::Talkaround, 1},
    {ChannelField::Reverse, &ChannelRecord::Reverse, 1},
    {ChannelField::Whisper, &ChannelRecord::Whisper, 1},
    {ChannelField::Compander, &ChannelRecord::Compander, 1},
    {ChannelField::SignalRelation, &ChannelRecord::SignalRelation, 1},
    {ChannelField::AutoDial2, &ChannelRecord::AutoDial2, 16},
    {ChannelField::OptSignal, &ChannelRecord::OptSignal, 1},
}};

// The value of a text that is a whole number in 0..high; nothing for anything else, so that a
// stray text never lands in a field as 0 or as a value the radio cannot hold.
std::optional<Integer> FieldValue(const QString& text, int high)
{
    if (!ModFun::IsNumeric(text))
        return std::nullopt;
    const double value = ModFun::ToNumber(text);
    if (value != std::floor(value) || value < 0 || value > high)
        return std::nullopt;
    return static_cast<Integer>(value);
}

void SetOffset(ChannelRecord& channel, const QString& offset, Byte direction)
{
    channel.Offset = offset;
    channel.OffsetDir = direction;
}

bool SetReceiveFrequency(ChannelState& state, ChannelRecord& channel, const QString& value)
{
    // A channel exists only while it has a receive frequency; clearing it is a deletion.
    if (value.isEmpty())
        return false;
    const bool offsetMode = state.preferences.OffSetShowMode;
    // The old transmit frequency (or signed offset) is kept while the receive frequency moves.
    const QString oldTransmit = ModShowFreFun::GridTxText(state, channel.RxFreq.raw(), channel.Offset.raw(),
                                                          channel.OffsetDir, offsetMode);
    channel.RxFreq = ModShowFreFun::GetFreData(value, state.model.BandLow);
    Byte direction = channel.OffsetDir;
    QString offset = ModShowFreFun::GetOffSetData(state, channel.RxFreq.raw(), oldTransmit, offsetMode,
                                                  channel.Offset.raw(), direction);
    SetOffset(channel, offset, direction);

    // The transmit frequency that results must lie in the band too.
    const QString transmit = ModShowFreFun::LimitFreText(
        state, ModShowFreFun::GridTxText(state, channel.RxFreq.raw(), channel.Offset.raw(), channel.OffsetDir,
                                         false));
    offset = ModShowFreFun::GetOffSetData(state, channel.RxFreq.raw(), transmit, false, channel.Offset.raw(),
                                          direction);
    SetOffset(channel, offset, direction);
    ModShowFreFun::AdjustChStep(state, channel);
    return true;
}

bool SetTransmit(ChannelState& state, ChannelRecord& channel, const QString& value)
{
    Byte direction = channel.OffsetDir;
    const QString offset =
        ModShowFreFun::GetOffSetData(state, channel.RxFreq.raw(), value, state.preferences.OffSetShowMode,
                                     channel.Offset.raw(), direction);
    SetOffset(channel, offset, direction);
    ModShowFreFun::AdjustChStep(state, channel);
    return true;
}

bool SetPlainField(ChannelRecord& channel, int code, const QString& value)
{
    for (const PlainField& f : PlainFields) {
        if (f.code != code)
            continue;
        const std::optional<Integer> v = FieldValue(value, f.high);
        if (!v)
            return false;
        channel.*f.field = *v;
        return true;
    }
    return false;
}

} // namespace

bool SetChannelItem(ChannelState& state, ChannelRecord& channel, int code, const QString& value)
{
    switch (code) {
    case ChannelField::RxFreq: return SetReceiveFrequency(state, channel, value);
    case ChannelField::Transmit: return SetTransmit(state, channel, value);
    case ChannelField::DecodeTone: {
        const std::optional<Integer> tone = FieldValue(value, ToneList::LastPosition);
        if (!tone)
            return false;
        const Integer oldDecode = channel.DecodeTone;
        channel.DecodeTone = *tone;
        // Busy lock 2 needs a decode tone.
        if (*tone == 0 && channel.BusyLock == 2)
            channel.BusyLock = 1;
        // A channel without tones gets the same tone both ways.
        if (oldDecode == 0 && channel.EncodeTone == 0)
            channel.EncodeTone = *tone;
        return true;
    }
    case ChannelField::EncodeTone: {
        const std::optional<Integer> tone = FieldValue(value, ToneList::LastPosition);
        if (!tone)
            return false;
        const Integer oldEncode = channel.EncodeTone;
        channel.EncodeTone = *tone;
        if (oldEncode == 0 && channel.DecodeTone == 0)
            channel.DecodeTone = *tone;
        return true;
    }
    case ChannelField::OptSignal:
        if (!SetPlainField(channel, code, value))
            return false;
        // Busy lock 2 needs a decode tone.
        if (channel.DecodeTone == 0 && channel.BusyLock > 1)
            channel.BusyLock = 1;
        return true;
    default: return SetPlainField(channel, code, value);
    }
}

} // namespace mk21::ModCHEdit
