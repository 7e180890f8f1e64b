#include "data/RecordCodec.h"

#include <cstdint>

namespace mk21::ModRecordCodec {

namespace {

// Appends fields in file form.
class Writer final {
public:
    explicit Writer(QByteArray& out) : out_(out) {}

    void operator()(Integer value)
    {
        const auto bits = static_cast<std::uint16_t>(value);
        out_.append(static_cast<char>(bits & 0xFF));
        out_.append(static_cast<char>(bits >> 8));
    }
    void operator()(Byte value) { out_.append(static_cast<char>(value)); }
    template <std::size_t N> void operator()(const FixedText<N>& text)
    {
        out_.append(text.bytes().data(), static_cast<qsizetype>(N));
    }

private:
    QByteArray& out_;
};

// Takes fields in file form from the front of a byte range; never reads past its end.
class Reader final {
public:
    explicit Reader(QByteArrayView in) : in_(in) {}

    void operator()(Integer& value)
    {
        if (!take(2))
            return;
        const auto low = static_cast<std::uint8_t>(in_[pos_ - 2]);
        const auto high = static_cast<std::uint8_t>(in_[pos_ - 1]);
        value = static_cast<Integer>(static_cast<std::uint16_t>(low | (high << 8)));
    }
    void operator()(Byte& value)
    {
        if (take(1))
            value = static_cast<Byte>(in_[pos_ - 1]);
    }
    template <std::size_t N> void operator()(FixedText<N>& text)
    {
        if (!take(static_cast<qsizetype>(N)))
            return;
        for (std::size_t i = 0; i < N; ++i)
            text.bytes()[i] = in_[pos_ - static_cast<qsizetype>(N) + static_cast<qsizetype>(i)];
    }

    bool complete() const { return ok_ && pos_ == in_.size(); }

private:
    bool take(qsizetype n)
    {
        if (!ok_ || in_.size() - pos_ < n) {
            ok_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

// The one statement of the layouts: both directions walk the fields through these. R is the
// record type, const when writing.
template <class Io, class R> void channelFields(Io& io, R& c)
{
    io(c.ChannelNo);
    io(c.ChannelVoid);
    io(c.RxFreq);
    io(c.OffsetDir);
    io(c.Offset);
    io(c.DecodeTone);
    io(c.EncodeTone);
    io(c.RxStepCode);
    io(c.TxStepCode);
    io(c.TxInhibit);
    io(c.RevTalkSelect);
    io(c.Encryption);
    io(c.BusyLock);
    io(c.Talkaround);
    io(c.SignalRelation);
    io(c.Whisper);
    io(c.PttId);
    io(c.Bandwidth);
    io(c.OptSignal);
    io(c.Compander);
    io(c.Reverse);
    io(c.TxPower);
    io(c.AutoDial1);
    io(c.AutoDial2);
    io(c.ScanSkip);
}

template <class Io, class R> void optionalFeatureFields(Io& io, R& o)
{
    io(o.SquelchLevel);
    io(o.VoicePrompt);
    io(o.VoiceVolume);
    io(o.TailElimMode);
    io(o.BatterySave);
    io(o.VoxOn);
    io(o.VoxTone);
    io(o.ChannelLock);
    io(o.GroupSelect);
    io(o.TotPreAlert);
    io(o.WiredClone);
    io(o.NoSigTailElim);
    io(o.TotTime);
    io(o.TotRekey);
    io(o.TotReset);
    io(o.VoxLevel);
    io(o.VoxDelay);
    io(o.ChannelGroup);
}

template <class Io, class R> void dtmfFields(Io& io, R& d)
{
    io(d.DtmfRate);
    io(d.FirstDigitTime);
    io(d.FirstDigitDelay);
    io(d.StarHashTime);
    io(d.DKeySetting);
    io(d.SideTone);
    io(d.CallAlertMode);
    io(d.GroupCode);
    io(d.AutoResetTime);
    io(d.IdCode);
    io(d.IdLength);
    const auto code = [&io](auto& c) {
        io(c.Length);
        io(c.Digits);
    };
    code(d.BotCode);
    code(d.EotCode);
    code(d.StunCode);
    code(d.KillCode);
    for (auto& memory : d.DtmfMemory)
        code(memory);
}

template <class Io, class R> void keyFields(Io& io, R& k)
{
    io(k.LongPressTime);
    io(k.EmgLongPressTime);
    io(k.Pf1Long);
    io(k.Pf1Short);
    io(k.Pf2Long);
    io(k.Pf2Short);
}

template <class Io, class R> void alertFields(Io& io, R& a)
{
    io(a.EmgAlarmType);
    io(a.EmgIdType);
    io(a.EmgIdMemory);
    io(a.AlarmTime);
    io(a.AlarmTxTime);
    io(a.AlarmRxTime);
    io(a.EmgChannelSelect);
    io(a.EmgGroup);
    io(a.EmgChannel);
    io(a.AlarmCycles);
}

template <class Io, class R> void scanFields(Io& io, R& s)
{
    io(s.ScanMode);
    io(s.PriorityMode);
    io(s.RevertChannel);
    io(s.LookBackTimeA);
    io(s.LookBackTimeB);
    io(s.RxResumeDelay);
    io(s.TxResumeDelay);
    io(s.ScanEntryTone);
    io(s.Pri1Group);
    io(s.Pri1Channel);
    io(s.Pri2Group);
    io(s.Pri2Channel);
}

template <class Io, class R> void recordFields(Io& io, R& r)
{
    io(r.DataVersion);
    io(r.ChannelCount);
    for (auto& channel : r.Channels)
        channelFields(io, channel);
    for (auto& fm : r.FmChannels) {
        io(fm.FmEmpty);
        io(fm.FmFreq);
    }
    for (auto& test : r.TestFrequencies) {
        io(test.TestFreqA);
        io(test.TestFreqB);
    }
    io(r.RadioInfo.ModelCode);
    io(r.RadioInfo.BandNumber);
    optionalFeatureFields(io, r.Features.OptionalFeatures);
    dtmfFields(io, r.Features.Dtmf);
    for (auto& line : r.Features.MessageLines)
        io(line);
    keyFields(io, r.Features.KeySettings);
    alertFields(io, r.Features.AlertSettings);
    scanFields(io, r.Features.ScanSettings);
}

template <class Io, class R> void sideFields(Io& io, R& side)
{
    io(side.SideVersion);
    io(side.AlarmMode);
}

} // namespace

QByteArray EncodeRecord(const RadioConfiguration& config)
{
    QByteArray out;
    out.reserve(DataFileSize);
    Writer writer(out);
    recordFields(writer, config);
    return out;
}

std::optional<RadioConfiguration> DecodeRecord(QByteArrayView bytes)
{
    if (bytes.size() != DataFileSize)
        return std::nullopt;
    RadioConfiguration config;
    Reader reader(bytes);
    recordFields(reader, config);
    if (!reader.complete())
        return std::nullopt;
    return config;
}

QByteArray EncodeSide(const SideRecord& side)
{
    QByteArray out;
    Writer writer(out);
    sideFields(writer, side);
    return out;
}

std::optional<SideRecord> DecodeSide(QByteArrayView bytes)
{
    if (bytes.size() != SideFileSize)
        return std::nullopt;
    SideRecord side;
    Reader reader(bytes);
    sideFields(reader, side);
    if (!reader.complete())
        return std::nullopt;
    return side;
}

} // namespace mk21::ModRecordCodec
