#include "data/ImageCodec.h"
#include "data/ChannelBlock.h"
#include "tests/data/ImageTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

using mk21::test::BytesAt;
using mk21::test::Ended;
using mk21::test::MakeChannel;
using mk21::test::SetChannels;
namespace ModImage = mk21::ModImage;

namespace {

// A staged state whose working configuration is encoded into / decoded from its image.
struct ImageCodec : testing::Test {
    mk21::test::StagedState staged;
    mk21::AppState& st = staged.state;
    mk21::RadioConfiguration& config = st.WorkingConfiguration;
    mk21::FeatureSettings& features = st.WorkingConfiguration.Features;

    void Encode()
    {
        ModImage::PrefillImage(st, false);
        ModImage::EncodeImage(st);
    }
    std::vector<int> Bytes(std::size_t address, std::size_t count) const
    {
        return BytesAt(st.RadioImage, address, count);
    }
    void Put(std::size_t address, std::initializer_list<int> bytes)
    {
        for (const int b : bytes)
            st.RadioImage.at(address++) = static_cast<mk21::Byte>(b);
    }
    // Channel n present in the maps (scan skip clear).
    void MarkPresent(int n)
    {
        const auto ch = static_cast<std::size_t>(n - 1);
        st.RadioImage.at(2048 + ch / 8) &= static_cast<mk21::Byte>(~(1u << (ch % 8)));
        st.RadioImage.at(2064 + ch / 8) &= static_cast<mk21::Byte>(~(1u << (ch % 8)));
    }
};

TEST_F(ImageCodec, RepeaterChannelBytesAndBack)
{
    mk21::ChannelRecord ch = MakeChannel(12, "43850000");
    ch.OffsetDir = 1;
    ch.Offset = "0500000";
    SetChannels(st, {ch});
    Encode();

    const std::size_t base = 11 * 16;
    EXPECT_EQ(Bytes(base, 8), (std::vector<int>{0x02, 0x9D, 0x19, 0x10, 0x02, 0x95, 0x77, 0xF0}));
    EXPECT_EQ(Bytes(base + 15, 1), std::vector<int>{0x10});
    EXPECT_EQ(Bytes(2048, 2), (std::vector<int>{0xFF, 0xF7})); // channel 12: byte 1, bit 3
    EXPECT_EQ(Bytes(2064, 2), (std::vector<int>{0xFF, 0xF7}));
    EXPECT_EQ(Bytes(0, 16), std::vector<int>(16, 0xFF)); // channel 1 untouched

    ModImage::DecodeImage(st);
    ASSERT_EQ(config.ChannelCount, 1);
    const mk21::ChannelRecord& back = config.Channels[0];
    EXPECT_EQ(back.ChannelNo, 12);
    EXPECT_EQ(back.RxFreq.raw(), "43850000");
    EXPECT_EQ(back.OffsetDir, 1);
    EXPECT_EQ(back.Offset.raw(), "0500000");
    EXPECT_EQ(back.ScanSkip, 0);
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

TEST_F(ImageCodec, ToneRuleBothWays)
{
    const struct {
        int position;
        int low;
        bool flag;
    } cases[] = {{0, 0, false},   {1, 1, false},   {50, 50, false},  {51, 51, false}, {166, 166, false},
                 {167, 51, true}, {200, 84, true}, {281, 165, true}, {282, 166, true}};
    for (const auto& c : cases) {
        mk21::ChannelRecord ch = MakeChannel(1, "44000000");
        ch.DecodeTone = static_cast<mk21::Integer>(c.position);
        ch.EncodeTone = static_cast<mk21::Integer>(c.position);
        SetChannels(st, {ch});
        Encode();
        EXPECT_EQ(st.RadioImage[8], c.low) << c.position;
        EXPECT_EQ(st.RadioImage[9], c.low) << c.position;
        EXPECT_EQ((st.RadioImage[10] >> 7) & 1, c.flag ? 1 : 0) << c.position;
        EXPECT_EQ((st.RadioImage[11] >> 7) & 1, c.flag ? 1 : 0) << c.position;

        ModImage::DecodeImage(st);
        ASSERT_EQ(config.ChannelCount, 1);
        EXPECT_EQ(config.Channels[0].DecodeTone, c.position);
        EXPECT_EQ(config.Channels[0].EncodeTone, c.position);
    }
}

TEST_F(ImageCodec, ChannelBitFieldsLandInTheirBits)
{
    mk21::ChannelRecord ch = MakeChannel(3, "14612500");
    ch.TxInhibit = 1;
    ch.BusyLock = 2;
    ch.RxStepCode = 1;
    ch.Whisper = 1;
    ch.PttId = 3;
    ch.TxStepCode = 2;
    ch.Bandwidth = 1;
    ch.OptSignal = 1;
    ch.Reverse = 1;
    ch.TxPower = 2;
    ch.AutoDial1 = 16;
    ch.AutoDial2 = 7;
    ch.ScanSkip = 1;
    SetChannels(st, {ch});
    Encode();
    EXPECT_EQ(Bytes(32 + 10, 6), (std::vector<int>{0x49, 0x1E, 0x56, 16, 7, 0x00}));
    EXPECT_EQ(Bytes(2048, 1), std::vector<int>{0xFB});
    EXPECT_EQ(Bytes(2064, 1), std::vector<int>{0xFF}); // scan skip set

    ModImage::DecodeImage(st);
    ASSERT_EQ(config.ChannelCount, 1);
    mk21::ChannelRecord expected = ch;
    expected.Offset = "0000000";
    EXPECT_EQ(config.Channels[0], expected);
}

TEST_F(ImageCodec, DtmfCodeSlots)
{
    const struct {
        const char* digits;
        int length;
        std::vector<int> bytes; // slot bytes 0..8
        const char* readBack;
    } cases[] = {
        {"12*", 3, {0x12, 0xE0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 3}, "12*"},
        {"#", 1, {0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1}, "#"},
        {"1234567890ABCD*#", 16, {0x12, 0x34, 0x56, 0x78, 0x90, 0xAB, 0xCD, 0xEF, 16}, "1234567890ABCD*#"},
        {"", 0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, ""},
        {"12", 5, {0x12, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 5}, "12000"}, // filled with 0
        {"1234", 2, {0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 2}, "12"},  // cut to the length
        {"999", 17, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, ""},    // too long: none
        {"999", -1, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, ""},
    };
    for (const auto& c : cases) {
        mk21::DtmfSettings& dtmf = features.Dtmf;
        for (mk21::DtmfCode* code : {&dtmf.BotCode, &dtmf.KillCode, &dtmf.DtmfMemory[15]}) {
            code->Digits = c.digits;
            code->Length = static_cast<mk21::Integer>(c.length);
        }
        Encode();
        for (const std::size_t slot : {2240u, 2288u, 2544u}) {
            EXPECT_EQ(Bytes(slot, 9), c.bytes) << c.digits << " at " << slot;
            EXPECT_EQ(Bytes(slot + 9, 7), std::vector<int>(7, 0xFF));
        }
        ModImage::DecodeImage(st);
        for (const mk21::DtmfCode* code : {&dtmf.BotCode, &dtmf.KillCode, &dtmf.DtmfMemory[15]}) {
            EXPECT_EQ(code->Length, QString(c.readBack).size()) << c.digits;
            EXPECT_EQ(code->Digits.raw(), Ended(c.readBack, 16)) << c.digits;
        }
    }
}

TEST_F(ImageCodec, IdentityLengthAndDigits)
{
    const struct {
        const char* id;
        int length;
        int sent;
        std::vector<int> bytes;
        const char* readBack;
    } cases[] = {
        {"12345", 0, 3, {0x12, 0x30, 0x00, 0x00, 0x00}, "123"},
        {"12", 10, 10, {0x12, 0x00, 0x00, 0x00, 0x00}, "1200000000"},
        {"123456789", 5, 5, {0x12, 0x34, 0x50, 0x00, 0x00}, "12345"},
        {"9876543210", 11, 3, {0x98, 0x70, 0x00, 0x00, 0x00}, "987"},
        {"ABCD", 4, 4, {0xAB, 0xCD, 0x00, 0x00, 0x00}, "ABCD"},
    };
    for (const auto& c : cases) {
        features.Dtmf.IdCode = c.id;
        features.Dtmf.IdLength = static_cast<mk21::Integer>(c.length);
        Encode();
        EXPECT_EQ(Bytes(2144, 5), c.bytes) << c.id;
        EXPECT_EQ(Bytes(2149, 3), std::vector<int>(3, 0xFF));
        EXPECT_EQ(st.RadioImage[2152], c.sent) << c.id;
        EXPECT_EQ(features.Dtmf.IdLength, c.length) << "the record keeps its own length";

        ModImage::DecodeImage(st);
        EXPECT_EQ(features.Dtmf.IdLength, c.sent);
        EXPECT_EQ(features.Dtmf.IdCode.raw(), Ended(c.readBack, 10)) << c.id;
    }
}

TEST_F(ImageCodec, IdentityLengthOutsideThreeToTenReadsAsThree)
{
    for (const int stored : {0, 2, 11, 255}) {
        ModImage::PrefillImage(st, false);
        Put(2144, {0x12, 0x34, 0x56, 0x78, 0x9A});
        st.RadioImage[2152] = static_cast<mk21::Byte>(stored);
        ModImage::DecodeImage(st);
        EXPECT_EQ(features.Dtmf.IdLength, 3) << stored;
        EXPECT_EQ(features.Dtmf.IdCode.raw(), Ended("123", 10)) << stored;
    }
}

TEST_F(ImageCodec, TestFrequencyItems)
{
    config.TestFrequencies[0].TestFreqB = "43510000";
    config.TestFrequencies[0].TestFreqA = "4351";
    config.TestFrequencies[1].TestFreqB.clear();
    config.TestFrequencies[1].TestFreqA = "FFFFFFFF";
    config.TestFrequencies[10].TestFreqB = "43.5"; // not hex digits: none
    config.TestFrequencies[10].TestFreqA = "12345678";
    st.ExtraTestFreqs[0].TestFreqB = "40010000";
    st.ExtraTestFreqs[4].TestFreqA = "48000000";
    Encode();
    EXPECT_EQ(Bytes(2560, 8), (std::vector<int>{0x43, 0x51, 0x00, 0x00, 0x43, 0x51, 0x00, 0x00}));
    EXPECT_EQ(Bytes(2568, 8), std::vector<int>(8, 0xFF));
    EXPECT_EQ(Bytes(2640, 8), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x78}));
    EXPECT_EQ(Bytes(2648, 4), (std::vector<int>{0x40, 0x01, 0x00, 0x00}));
    EXPECT_EQ(Bytes(2684, 4), (std::vector<int>{0x48, 0x00, 0x00, 0x00}));

    Put(2576, {0, 0, 0, 0, 0x43, 0x50, 0x00, 0x01});
    ModImage::DecodeImage(st);
    EXPECT_EQ(config.TestFrequencies[0].TestFreqA.raw(), "43510000");
    EXPECT_EQ(config.TestFrequencies[1].TestFreqB.raw(), "FFFFFFFF");
    EXPECT_EQ(config.TestFrequencies[2].TestFreqB.raw(), "FFFFFFFF"); // 00 00 00 00
    EXPECT_EQ(config.TestFrequencies[2].TestFreqA.raw(), "43500001");
    EXPECT_EQ(config.TestFrequencies[10].TestFreqA.raw(), "12345678");
    EXPECT_EQ(st.ExtraTestFreqs[0].TestFreqB.raw(), "40010000");
    EXPECT_EQ(st.ExtraTestFreqs[4].TestFreqA.raw(), "48000000");
}

TEST_F(ImageCodec, MessageLinesOfDifferentLengths)
{
    const QString lines[4] = {"ABC", "0123456789ABCDEF", "Hello, you", ""};
    for (int j = 0; j < 4; ++j)
        features.MessageLines[static_cast<std::size_t>(j)] = Ended(lines[j], 16);
    Encode();
    for (int j = 0; j < 4; ++j) {
        std::vector<int> expected(16, 0x00);
        for (int i = 0; i < lines[j].size(); ++i)
            expected[static_cast<std::size_t>(i)] = lines[j][i].unicode();
        EXPECT_EQ(Bytes(2688 + 16 * static_cast<std::size_t>(j), 16), expected) << j;
    }
    for (auto& line : features.MessageLines)
        line = "garbage";
    ModImage::DecodeImage(st);
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(features.MessageLines[static_cast<std::size_t>(j)].raw(), Ended(lines[j], 16)) << j;
}

TEST_F(ImageCodec, MessageLineBytesFromTheRadio)
{
    ModImage::PrefillImage(st, false);
    Put(2688, {'H', 'I', 0xFF, 'X'});                   // 0xFF ends the line
    Put(2704, {'A', 0x07, 'B', 0x80, 0xFE, 0x00, 'Z'}); // other bytes read as "?", 0x00 ends
    Put(2720, {'A', 'B', ' ', ' ', 0x00});              // blanks before the end stay
    ModImage::DecodeImage(st);
    EXPECT_EQ(features.MessageLines[0].raw(), Ended("HI", 16));
    EXPECT_EQ(features.MessageLines[1].raw(), Ended("A?B??", 16));
    EXPECT_EQ(features.MessageLines[2].raw(), Ended("AB  ", 16));
    EXPECT_EQ(features.MessageLines[3].raw(), Ended("", 16)); // all 0xFF
}

TEST_F(ImageCodec, AllFfPresenceMapMeansNoChannels)
{
    ModImage::PrefillImage(st, false);
    Put(0, {0x02, 0x9D, 0x19, 0x10, 0x02, 0x9D, 0x19, 0x10, 0, 0, 0, 0, 2, 0, 0, 0});
    Put(2064, {0x00, 0x00});
    config.ChannelCount = 5;
    ModImage::DecodeImage(st);
    EXPECT_EQ(config.ChannelCount, 0);
}

TEST_F(ImageCodec, ChannelsComeBackInNumberOrder)
{
    SetChannels(st, {MakeChannel(100, "44100000"), MakeChannel(2, "44200000"), MakeChannel(128, "44300000"),
                     MakeChannel(17, "44400000")});
    Encode();
    ModImage::DecodeImage(st);
    ASSERT_EQ(config.ChannelCount, 4);
    const int numbers[] = {2, 17, 100, 128};
    const char* rx[] = {"44200000", "44400000", "44100000", "44300000"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(config.Channels[i].ChannelNo, numbers[i]);
        EXPECT_EQ(config.Channels[i].RxFreq.raw(), rx[i]);
    }
}

TEST_F(ImageCodec, FeatureBytes)
{
    features.OptionalFeatures = {.SquelchLevel = 9,
                                 .VoicePrompt = 2,
                                 .VoiceVolume = 5,
                                 .TailElimMode = 3,
                                 .BatterySave = 3,
                                 .VoxOn = 1,
                                 .GroupSelect = 1,
                                 .TotPreAlert = 10,
                                 .WiredClone = 1,
                                 .NoSigTailElim = 1,
                                 .TotTime = 240,
                                 .TotRekey = 60,
                                 .TotReset = 30,
                                 .VoxLevel = 6,
                                 .VoxDelay = 9,
                                 .ChannelGroup = 8};
    features.KeySettings = {10, 12, 1, 2, 3, 4};
    features.ScanSettings = {.ScanMode = 1,
                             .PriorityMode = 2,
                             .RevertChannel = 5,
                             .LookBackTimeA = 7,
                             .LookBackTimeB = 8,
                             .RxResumeDelay = 9,
                             .TxResumeDelay = 10,
                             .Pri1Group = 3,
                             .Pri1Channel = 4,
                             .Pri2Group = 5,
                             .Pri2Channel = 6};
    mk21::DtmfSettings& d = features.Dtmf;
    d.DtmfRate = 1;
    d.FirstDigitTime = 2;
    d.FirstDigitDelay = 3;
    d.StarHashTime = 4;
    d.DKeySetting = 5;
    d.SideTone = 1;
    d.CallAlertMode = 2;
    d.GroupCode = 14;
    d.AutoResetTime = 200;
    features.AlertSettings = {.EmgAlarmType = 3,
                              .EmgIdMemory = 4,
                              .AlarmTime = 5,
                              .AlarmTxTime = 6,
                              .AlarmRxTime = 7,
                              .EmgChannelSelect = 1,
                              .EmgGroup = 2,
                              .EmgChannel = 16,
                              .AlarmCycles = 8};
    st.WorkingSide.AlarmMode = 1;
    Encode();

    EXPECT_EQ(Bytes(2096, 10), (std::vector<int>{0x90, 0xAF, 0x9A, 0xE0, 240, 60, 30, 0x96, 8, 0xFF}));
    EXPECT_EQ(Bytes(2106, 6), (std::vector<int>{10, 12, 1, 2, 3, 4}));
    EXPECT_EQ(Bytes(2112, 9), (std::vector<int>{0xA5, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(Bytes(2121, 8), (std::vector<int>{1, 2, 3, 4, 5, 0xA0, 14, 200}));
    EXPECT_EQ(Bytes(2129, 8), (std::vector<int>{0x1B, 2, 16, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Bytes(2137, 7), std::vector<int>(7, 0xFF));
    EXPECT_EQ(Bytes(2080, 16), std::vector<int>(16, 0xFF));

    const mk21::FeatureSettings before = features;
    features = mk21::FeatureSettings{};
    st.WorkingSide.AlarmMode = 0;
    st.RadioImage[2127] = 0xFE; // only the low nibble is the group code
    ModImage::DecodeImage(st);
    EXPECT_EQ(features.OptionalFeatures, before.OptionalFeatures);
    EXPECT_EQ(features.KeySettings, before.KeySettings);
    EXPECT_EQ(features.ScanSettings, before.ScanSettings);
    EXPECT_EQ(features.AlertSettings, before.AlertSettings);
    EXPECT_EQ(features.Dtmf.GroupCode, 14);
    EXPECT_EQ(features.Dtmf.AutoResetTime, 200);
    EXPECT_EQ(features.Dtmf.CallAlertMode, 2);
    EXPECT_EQ(st.WorkingSide.AlarmMode, 1);
}

TEST_F(ImageCodec, ModelBandAndVersion)
{
    st.model.CurrentModelCode = "ZR750";
    st.model.CurrentBandText = "136 - 174 MHz";
    Encode();
    EXPECT_EQ(Bytes(2816, 12),
              (std::vector<int>{'Z', 'R', '7', '5', '0', 0x00, 0xFF, 8, 'V', '2', '0', '0'}));
    EXPECT_EQ(config.RadioInfo.ModelCode.text(), "ZR750");
    EXPECT_EQ(config.RadioInfo.BandNumber, 8);
    EXPECT_EQ(Bytes(2752, 64), std::vector<int>(64, 0xFF));
    EXPECT_EQ(Bytes(2828, 4), std::vector<int>(4, 0xFF));

    Put(2816, {'Z', 'R', '7', '5', '0', 'G', 0x00, 32});
    ModImage::DecodeImage(st);
    EXPECT_EQ(config.RadioInfo.ModelCode.text(), "ZR750G");
    EXPECT_EQ(config.RadioInfo.BandNumber, 32);
    EXPECT_EQ(st.model.CurrentModelCode, "ZR750G");
    EXPECT_EQ(st.model.CurrentBandText, "450 - 520 MHz");
    EXPECT_EQ(st.model.BandLow, 450);
    EXPECT_EQ(st.Details.DetailBand, 32);
}

TEST_F(ImageCodec, ModelCodeKeepsOnlyLettersAndDigits)
{
    const struct {
        std::initializer_list<int> bytes;
        const char* code;
    } cases[] = {
        {{'Z', 'R', '7', '5', '0', 0xFF, 'X'}, "ZR750"},
        {{'.', '.', '/', 'e', 't', 'c', 0}, ""},
        {{'Z', 'R', '/', '.', '.', 0, 0}, "ZR"},
        {{'A', 'B', 'C', 'D', 'E', 'F', 'G'}, "ABCDEFG"},
    };
    for (const auto& c : cases) {
        ModImage::PrefillImage(st, false);
        Put(2816, c.bytes);
        st.RadioImage[2823] = 0;
        ModImage::DecodeImage(st);
        EXPECT_EQ(config.RadioInfo.ModelCode.text(), c.code);
        EXPECT_EQ(st.model.CurrentModelCode, c.code);
    }
}

TEST_F(ImageCodec, CapabilityFlagsFollowTheRadio)
{
    st.settings.CapabilityRecord = {0, 0, 1, 0};
    ModImage::PrefillImage(st, false);
    st.RadioImage[2828] = 0x05; // bits 2 and 0
    ModImage::DecodeImage(st);
    EXPECT_EQ(st.CurCapFlags, (std::array<mk21::Byte, 4>{0, 1, 0, 1}));
    EXPECT_EQ(st.settings.CapabilityRecord, (std::array<mk21::Byte, 4>{0, 1, 1, 1}));

    st.RadioImage[2828] = 0xF8; // only bit 3 among the low four
    ModImage::DecodeImage(st);
    EXPECT_EQ(st.CurCapFlags, (std::array<mk21::Byte, 4>{1, 0, 0, 0}));
    EXPECT_EQ(st.settings.CapabilityRecord, (std::array<mk21::Byte, 4>{1, 1, 1, 1}));
}

TEST_F(ImageCodec, PrefillLeavesTheImageAloneDuringAnInformationRead)
{
    st.RadioImage.fill(0x5A);
    ModImage::PrefillImage(st, true);
    EXPECT_EQ(Bytes(0, 2832), std::vector<int>(2832, 0x5A));
    ModImage::PrefillImage(st, false);
    EXPECT_EQ(Bytes(0, 2832), std::vector<int>(2832, 0xFF));
}

TEST_F(ImageCodec, EncodeLeavesTheBytesOutsideItsAreas)
{
    st.model.CurrentModelCode = "ZR750";
    st.RadioImage.fill(0x5A);
    ModImage::EncodeImage(st); // no prefill: what the encoder does not write must keep its value
    EXPECT_EQ(Bytes(2752, 64), std::vector<int>(64, 0x5A));
    EXPECT_EQ(Bytes(2828, 4), std::vector<int>(4, 0x5A));
    EXPECT_EQ(Bytes(2821, 2), (std::vector<int>{0x00, 0x5A})); // after "ZR750" and its 0x00
    EXPECT_EQ(Bytes(2153, 87), std::vector<int>(87, 0xFF));
}

TEST_F(ImageCodec, RadioDetailsFromTheInformationArea)
{
    auto& info = st.InfoArea;
    info.fill(0xFF);
    const auto put = [&info](std::size_t offset, const QByteArray& text) {
        std::copy(text.begin(), text.end(), info.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    put(0, "0595");
    put(4, "XY");                    // beyond the sales area code's 4 bytes
    put(16, QByteArray("07-1-E-1")); // exactly 8 characters
    put(32, QByteArray("01A\0", 4));
    put(44, "PASS");
    put(48, "SN0123456789ABCD"); // 16 characters, no terminator
    put(64, QByteArray("2024/01/02\0zz", 13));
    put(80, "2025/02/03"); // ended by 0xFF
    put(96, QByteArray(96, 'r'));
    put(432, "DEALER");
    put(448, "2024-05-06");
    put(464, "");
    put(480, QByteArray("Zhang\xe9", 6));
    st.Details.VersionInfo = "V2.00";
    st.Details.DetailModel = "ZR750G";
    st.Details.DetailBand = 13;
    st.Details.DetailSpare = "spare";

    ModImage::DecodeRadioDetails(st);
    const mk21::RadioDetails& d = st.Details;
    EXPECT_EQ(d.SalesAreaCode, "0595");
    EXPECT_EQ(d.BatchNumber.raw(), "07-1-E-1");
    EXPECT_EQ(d.CustomerCode.raw(), Ended("01A", 4));
    EXPECT_EQ(d.SerialNumber.raw(), "SN0123456789ABCD");
    EXPECT_EQ(d.ProductionDate.raw(), Ended("2024/01/02", 16));
    EXPECT_EQ(d.RepairDate.raw(), Ended("2025/02/03", 16));
    EXPECT_EQ(d.RepairReason.raw(), QString(96, u'r'));
    EXPECT_EQ(d.DealerCode.raw(), Ended("DEALER", 16));
    EXPECT_EQ(d.StockInDate.raw(), Ended("2024-05-06", 16));
    EXPECT_EQ(d.SalesDate.raw(), Ended("", 16));
    EXPECT_EQ(d.HandledBy.raw(), Ended(QString::fromLatin1("Zhang\xe9"), 16));
    EXPECT_EQ(d.VersionInfo, "V2.00");
    EXPECT_EQ(d.DetailModel, "ZR750G");
    EXPECT_EQ(d.DetailBand, 13);
    EXPECT_EQ(d.DetailSpare.text(), "spare");

    info.fill(0x00);
    ModImage::DecodeRadioDetails(st);
    EXPECT_EQ(st.Details.SalesAreaCode, "");
    EXPECT_EQ(st.Details.SerialNumber.text(), "");
}

} // namespace
