#include "tests/data/DefaultsGenerator.h"

#include "data/RecordCodec.h"

namespace mk21::test::DefaultsGenerator {

namespace {

ChannelRecord channel(int number, const char* rx, Byte offsetDir = 0, const char* offset = nullptr,
                      int tone = 0)
{
    ChannelRecord c;
    c.ChannelNo = static_cast<Integer>(number);
    c.RxFreq = rx;
    c.OffsetDir = offsetDir;
    if (offset != nullptr)
        c.Offset = offset;
    else
        c.Offset.bytes().fill('\0'); // a simplex channel as the channel list creates one
    c.DecodeTone = static_cast<Integer>(tone);
    c.EncodeTone = static_cast<Integer>(tone);
    c.TxPower = 2;
    return c;
}

void chooseFeatures(FeatureSettings& f, const QString& modelCode)
{
    OptionalFeatureSettings& o = f.OptionalFeatures;
    o.SquelchLevel = 3;
    o.VoicePrompt = 1;
    o.VoiceVolume = 3;
    o.TailElimMode = 3;
    o.BatterySave = 2; // 1:2
    o.GroupSelect = 1;
    o.WiredClone = 1;
    o.TotTime = 60;
    o.VoxLevel = 3;
    o.VoxDelay = 1; // 1.0 s
    o.ChannelGroup = 1;

    DtmfSettings& d = f.Dtmf;
    d.DtmfRate = 2;        // 100 ms
    d.FirstDigitTime = 2;  // 100 ms
    d.FirstDigitDelay = 6; // 300 ms
    d.StarHashTime = 2;    // 100 ms
    d.SideTone = 1;
    d.IdCode = "101";
    d.IdLength = 3;
    for (DtmfCode* code : {&d.BotCode, &d.EotCode, &d.StunCode, &d.KillCode})
        code->Digits.clear();
    for (DtmfCode& code : d.DtmfMemory)
        code.Digits.clear();

    for (FixedText<16>& line : f.MessageLines)
        line.clear();
    f.MessageLines[0] = modelCode == QLatin1String("ZR750") ? "MK-21G" : "MK-21";

    KeySettingsRecord& k = f.KeySettings;
    k.LongPressTime = 15;
    k.EmgLongPressTime = 15;
    k.Pf1Long = 1;   // monitor
    k.Pf1Short = 5;  // high/low power
    k.Pf2Long = 4;   // emergency alarm
    k.Pf2Short = 16; // battery level

    AlertSettingsRecord& a = f.AlertSettings;
    a.AlarmTime = 10;
    a.AlarmTxTime = 10;
    a.AlarmRxTime = 10;
    a.EmgChannelSelect = 1; // the current channel

    ScanSettingsRecord& s = f.ScanSettings;
    s.LookBackTimeA = 10;
    s.LookBackTimeB = 20;
    s.RxResumeDelay = 30;
    s.TxResumeDelay = 30;
    s.ScanEntryTone = 1;
}

} // namespace

QStringList Models()
{
    return {QStringLiteral("ZR750"), QStringLiteral("ZR750G")};
}

RadioConfiguration ShippedRecord(const QString& modelCode)
{
    RadioConfiguration r;
    r.DataVersion = "V200";

    // Band 0 (400 - 480 MHz): channel 1 starts a new document, all four an initialisation.
    const ChannelRecord channels[] = {
        channel(1, "44000000"), channel(2, "44002500"), channel(3, "45000000", 2, "0500000"),
        channel(4, "46000000", 0, nullptr, 9), // 88.5 Hz
    };
    for (const ChannelRecord& c : channels)
        r.Channels[static_cast<std::size_t>(r.ChannelCount++)] = c;

    const char* broadcast[] = {"08810000", "09150000", "09500000", "10000000", "10450000"};
    for (FmChannelRecord& fm : r.FmChannels) {
        fm.FmEmpty = 1;
        fm.FmFreq.clear();
    }
    for (std::size_t i = 0; i < std::size(broadcast); ++i) {
        r.FmChannels[i].FmEmpty = 0;
        r.FmChannels[i].FmFreq = broadcast[i];
    }

    const char* tests[TestFrequencyCount] = {"43510000", "40010000", "41000000", "42000000",
                                             "43000000", "44000000", "45000000", "46000000",
                                             "47000000", "47500000", "47990000"};
    for (std::size_t i = 0; i < std::size(tests); ++i) {
        r.TestFrequencies[i].TestFreqA = tests[i];
        r.TestFrequencies[i].TestFreqB = tests[i];
    }

    r.RadioInfo.ModelCode = modelCode;
    r.RadioInfo.BandNumber = 0;
    chooseFeatures(r.Features, modelCode);
    return r;
}

SideRecord ShippedSide()
{
    SideRecord side;
    side.SideVersion = "V200";
    side.AlarmMode = 1;
    return side;
}

QString DataFileName(const QString& modelCode)
{
    return modelCode + QStringLiteral("_0.dat");
}

QString SideFileName(const QString& modelCode)
{
    return modelCode + QStringLiteral("_0.NVD");
}

QByteArray DataFileBytes(const QString& modelCode)
{
    return ModRecordCodec::EncodeRecord(ShippedRecord(modelCode));
}

QByteArray SideFileBytes()
{
    return ModRecordCodec::EncodeSide(ShippedSide());
}

} // namespace mk21::test::DefaultsGenerator
