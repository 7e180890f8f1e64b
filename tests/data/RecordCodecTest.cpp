#include "data/RecordCodec.h"

#include <gtest/gtest.h>

#include <functional>

namespace codec = mk21::ModRecordCodec;
using mk21::Integer;
using mk21::RadioConfiguration;

namespace {

Integer le16(const QByteArray& bytes, qsizetype at)
{
    return static_cast<Integer>(static_cast<std::uint8_t>(bytes[at]) |
                                (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

QByteArray at(const QByteArray& bytes, qsizetype offset, qsizetype size)
{
    return bytes.mid(offset, size);
}

} // namespace

// Each block lands at the offset of the documented layout.
TEST(RecordCodec, BlocksLieAtTheirOffsets)
{
    RadioConfiguration r;
    r.DataVersion = "V200";
    r.ChannelCount = 0x0102;
    r.Channels[0].ChannelNo = 1;
    r.Channels[127].ChannelNo = -2;
    r.FmChannels[0].FmEmpty = 7;
    r.FmChannels[0].FmFreq = "08750000";
    r.FmChannels[19].FmFreq = "10800000";
    r.TestFrequencies[0].TestFreqA = "AAAAAAAA";
    r.TestFrequencies[0].TestFreqB = "BBBBBBBB";
    r.TestFrequencies[10].TestFreqB = "KKKKKKKK";
    r.RadioInfo.ModelCode = "ZR750G";
    r.RadioInfo.BandNumber = 32;
    r.Features.OptionalFeatures.SquelchLevel = 9;
    r.Features.OptionalFeatures.ChannelGroup = 8;
    r.Features.Dtmf.DtmfRate = 3;
    r.Features.Dtmf.AutoResetTime = 15;
    r.Features.Dtmf.IdCode = "0123456789";
    r.Features.Dtmf.IdLength = 10;
    r.Features.Dtmf.BotCode.Length = 4;
    r.Features.Dtmf.BotCode.Digits = "12*#";
    r.Features.Dtmf.KillCode.Length = 2;
    r.Features.Dtmf.DtmfMemory[0].Length = 5;
    r.Features.Dtmf.DtmfMemory[15].Digits = "MEMORY16";
    r.Features.MessageLines[0] = "HELLO";
    r.Features.MessageLines[3] = "LAST LINE";
    r.Features.KeySettings.LongPressTime = 25;
    r.Features.KeySettings.Pf2Short = 21;
    r.Features.AlertSettings.EmgAlarmType = 3;
    r.Features.AlertSettings.AlarmCycles = 255;
    r.Features.ScanSettings.ScanMode = 1;
    r.Features.ScanSettings.Pri2Channel = 16;

    const QByteArray b = codec::EncodeRecord(r);
    ASSERT_EQ(b.size(), 8595);
    EXPECT_EQ(at(b, 0, 4), "V200");
    EXPECT_EQ(at(b, 4, 2), QByteArray("\x02\x01", 2));
    EXPECT_EQ(le16(b, 6), 1);
    EXPECT_EQ(at(b, 6 + 60 * 127, 2), QByteArray("\xFE\xFF", 2));
    EXPECT_EQ(le16(b, 7686), 7);
    EXPECT_EQ(at(b, 7688, 8), "08750000");
    EXPECT_EQ(at(b, 7686 + 190 + 2, 8), "10800000");
    EXPECT_EQ(at(b, 7886, 8), "AAAAAAAA");
    EXPECT_EQ(at(b, 7894, 8), "BBBBBBBB");
    EXPECT_EQ(at(b, 7886 + 160 + 8, 8), "KKKKKKKK");
    EXPECT_EQ(at(b, 8062, 7), "ZR750G ");
    EXPECT_EQ(le16(b, 8069), 32);
    EXPECT_EQ(le16(b, 8071), 9);
    EXPECT_EQ(le16(b, 8071 + 34), 8);
    EXPECT_EQ(le16(b, 8107), 3);
    EXPECT_EQ(le16(b, 8107 + 16), 15);
    EXPECT_EQ(at(b, 8125, 10), "0123456789");
    EXPECT_EQ(le16(b, 8135), 10);
    EXPECT_EQ(le16(b, 8137), 4);
    EXPECT_EQ(at(b, 8139, 16), "12*#            ");
    EXPECT_EQ(le16(b, 8137 + 54), 2);
    EXPECT_EQ(le16(b, 8209), 5);
    EXPECT_EQ(at(b, 8209 + 15 * 18 + 2, 16), "MEMORY16        ");
    EXPECT_EQ(at(b, 8497, 16), "HELLO           ");
    EXPECT_EQ(at(b, 8497 + 48, 16), "LAST LINE       ");
    EXPECT_EQ(le16(b, 8561), 25);
    EXPECT_EQ(le16(b, 8571), 21);
    EXPECT_EQ(b[8573], 3);
    EXPECT_EQ(static_cast<std::uint8_t>(b[8582]), 255);
    EXPECT_EQ(b[8583], 1);
    EXPECT_EQ(b[8594], 16);
}

// Every channel field at its offset inside the 60-byte entry, in an entry other than the first.
TEST(RecordCodec, ChannelFieldsLieAtTheirOffsets)
{
    using mk21::ChannelRecord;
    struct Field {
        const char* name;
        int offset;
        std::function<void(ChannelRecord&)> set;
        QByteArray expected;
    };
    const auto word = [](int v) {
        return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF));
    };
    const std::vector<Field> fields = {
        {"ChannelNo", 0, [](ChannelRecord& c) { c.ChannelNo = 300; }, word(300)},
        {"ChannelVoid", 2, [](ChannelRecord& c) { c.ChannelVoid = -1; }, word(-1)},
        {"RxFreq", 4, [](ChannelRecord& c) { c.RxFreq = "43850000"; }, "43850000"},
        {"OffsetDir", 12, [](ChannelRecord& c) { c.OffsetDir = 2; }, QByteArray(1, 2)},
        {"Offset", 13, [](ChannelRecord& c) { c.Offset = "0500000"; }, "0500000"},
        {"DecodeTone", 20, [](ChannelRecord& c) { c.DecodeTone = 282; }, word(282)},
        {"EncodeTone", 22, [](ChannelRecord& c) { c.EncodeTone = 167; }, word(167)},
        {"RxStepCode", 24, [](ChannelRecord& c) { c.RxStepCode = 2; }, word(2)},
        {"TxStepCode", 26, [](ChannelRecord& c) { c.TxStepCode = 1; }, word(1)},
        {"TxInhibit", 28, [](ChannelRecord& c) { c.TxInhibit = 1; }, word(1)},
        {"RevTalkSelect", 30, [](ChannelRecord& c) { c.RevTalkSelect = 1; }, word(1)},
        {"Encryption", 32, [](ChannelRecord& c) { c.Encryption = 1; }, word(1)},
        {"BusyLock", 34, [](ChannelRecord& c) { c.BusyLock = 2; }, word(2)},
        {"Talkaround", 36, [](ChannelRecord& c) { c.Talkaround = 1; }, word(1)},
        {"SignalRelation", 38, [](ChannelRecord& c) { c.SignalRelation = 1; }, word(1)},
        {"Whisper", 40, [](ChannelRecord& c) { c.Whisper = 1; }, word(1)},
        {"PttId", 42, [](ChannelRecord& c) { c.PttId = 3; }, word(3)},
        {"Bandwidth", 44, [](ChannelRecord& c) { c.Bandwidth = 2; }, word(2)},
        {"OptSignal", 46, [](ChannelRecord& c) { c.OptSignal = 1; }, word(1)},
        {"Compander", 48, [](ChannelRecord& c) { c.Compander = 1; }, word(1)},
        {"Reverse", 50, [](ChannelRecord& c) { c.Reverse = 1; }, word(1)},
        {"TxPower", 52, [](ChannelRecord& c) { c.TxPower = 2; }, word(2)},
        {"AutoDial1", 54, [](ChannelRecord& c) { c.AutoDial1 = 16; }, word(16)},
        {"AutoDial2", 56, [](ChannelRecord& c) { c.AutoDial2 = 9; }, word(9)},
        {"ScanSkip", 58, [](ChannelRecord& c) { c.ScanSkip = 1; }, word(1)},
    };
    const int entry = 5;
    const qsizetype base = 6 + 60 * entry;
    const QByteArray blank = codec::EncodeRecord(RadioConfiguration{});
    for (const Field& f : fields) {
        RadioConfiguration r;
        f.set(r.Channels[entry]);
        const QByteArray b = codec::EncodeRecord(r);
        EXPECT_EQ(b.mid(base + f.offset, f.expected.size()), f.expected) << f.name;
        // Nothing else moved.
        QByteArray rest = b;
        rest.replace(base + f.offset, f.expected.size(), blank.mid(base + f.offset, f.expected.size()));
        EXPECT_TRUE(rest == blank) << f.name;
        // And it reads back.
        EXPECT_EQ(codec::DecodeRecord(b)->Channels[entry], r.Channels[entry]) << f.name;
    }
}

TEST(RecordCodec, EveryByteReadsBackUnchanged)
{
    // Bytes 0..255 repeated: texts with NULs and high bytes, negative Integers, all of it.
    QByteArray bytes(8595, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    const std::optional<RadioConfiguration> r = codec::DecodeRecord(bytes);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(codec::EncodeRecord(*r) == bytes);
}

TEST(RecordCodec, OnlyExactLengthsDecode)
{
    for (const qsizetype size : {0, 4, 8594, 8596, 17190})
        EXPECT_FALSE(codec::DecodeRecord(QByteArray(size, 'V')).has_value()) << size;
    for (const qsizetype size : {0, 4, 6})
        EXPECT_FALSE(codec::DecodeSide(QByteArray(size, 'V')).has_value()) << size;
}

TEST(RecordCodec, SideRecordIsTagThenAlarmByte)
{
    mk21::SideRecord side;
    side.SideVersion = "V200";
    side.AlarmMode = 1;
    EXPECT_EQ(codec::EncodeSide(side), QByteArray("V200\x01", 5));
    const std::optional<mk21::SideRecord> back = codec::DecodeSide(QByteArray("V1\0\xFF\xFE", 5));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->SideVersion.raw(), QString::fromLatin1("V1\0\xFF", 4));
    EXPECT_EQ(back->AlarmMode, 0xFE);
}
