#include "data/ChannelBlock.h"
#include "data/ImageCodec.h"
#include "tests/data/ImageTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using mk21::test::BytesAt;
using mk21::test::MakeChannel;
using mk21::test::SetChannels;
namespace ModImage = mk21::ModImage;
namespace ChannelBlock = mk21::ChannelBlock;

namespace {

// A staged state for feeding the codec images and records no editor would produce.
struct ImageRobustness : testing::Test {
    mk21::test::StagedState staged;
    mk21::AppState& st = staged.state;
    mk21::RadioConfiguration& config = st.WorkingConfiguration;

    void Encode()
    {
        ModImage::PrefillImage(st, false);
        ModImage::EncodeImage(st);
    }
    // An image holding only channel 1 with the given 16-byte block.
    void DecodeOneBlock(const std::array<int, 16>& block)
    {
        ModImage::PrefillImage(st, false);
        for (std::size_t i = 0; i < 16; ++i)
            st.RadioImage[i] = static_cast<mk21::Byte>(block[i]);
        st.RadioImage[2048] = 0xFE;
        ModImage::DecodeImage(st);
    }
};

TEST_F(ImageRobustness, TonesBeyondTheListReadAsNoTone)
{
    const struct {
        int low;
        bool flag;
        int position;
    } cases[] = {
        {166, true, 282},  {167, true, 0},    {200, true, 0}, {255, true, 0}, // 283.. is past the list
        {0, true, 116},    {50, true, 166},                                   // unusual but inside
        {255, false, 255}, {167, false, 167},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChannelBlock::ToneFromImage(static_cast<mk21::Byte>(c.low), c.flag), c.position)
            << c.low << (c.flag ? "+flag" : "");

    DecodeOneBlock({0x02, 0x9D, 0x19, 0x10, 0x02, 0x9D, 0x19, 0x10, 200, 167, 0x80, 0x80, 0, 0, 0, 0});
    ASSERT_EQ(config.ChannelCount, 1);
    EXPECT_EQ(config.Channels[0].DecodeTone, 0);
    EXPECT_EQ(config.Channels[0].EncodeTone, 0);
}

TEST_F(ImageRobustness, RecordTonesOutsideTheListAreSentAsNoTone)
{
    for (const int position : {-1, -200, 283, 300, 32767}) {
        const ChannelBlock::ToneBits bits = ChannelBlock::ToneToImage(position);
        EXPECT_EQ(bits.low, 0) << position;
        EXPECT_FALSE(bits.flag) << position;
    }
}

TEST_F(ImageRobustness, OutOfRangeBitFieldsAreHeldToTheirRanges)
{
    DecodeOneBlock({0x02, 0x9D, 0x19, 0x10, 0x02, 0x9D, 0x19, 0x10, 1, 1, 0x7F, 0x7F, 0xFF, 17, 255, 0xFF});
    ASSERT_EQ(config.ChannelCount, 1);
    const mk21::ChannelRecord& ch = config.Channels[0];
    EXPECT_EQ(ch.BusyLock, 2);
    EXPECT_EQ(ch.RxStepCode, 2);
    EXPECT_EQ(ch.TxStepCode, 2);
    EXPECT_EQ(ch.PttId, 3);
    EXPECT_EQ(ch.Bandwidth, 2);
    EXPECT_EQ(ch.OptSignal, 1);
    EXPECT_EQ(ch.TxPower, 2);
    EXPECT_EQ(ch.AutoDial1, 0);
    EXPECT_EQ(ch.AutoDial2, 0);
    EXPECT_EQ(ch.TxInhibit + ch.RevTalkSelect + ch.Encryption + ch.Talkaround + ch.SignalRelation +
                  ch.Whisper + ch.Compander + ch.Reverse,
              8);
    EXPECT_EQ(ch.OffsetDir, 0) << "byte 15 is never read";

    DecodeOneBlock({0x02, 0x9D, 0x19, 0x10, 0x02, 0x9D, 0x19, 0x10, 1, 1, 0x04, 0x00, 0x61, 16, 1, 0});
    EXPECT_EQ(config.Channels[0].BusyLock, 1);
    EXPECT_EQ(config.Channels[0].Bandwidth, 1);
    EXPECT_EQ(config.Channels[0].OptSignal, 1); // 2 in the image
    EXPECT_EQ(config.Channels[0].TxPower, 1);
    EXPECT_EQ(config.Channels[0].AutoDial1, 16);
    EXPECT_EQ(config.Channels[0].AutoDial2, 1);
}

TEST_F(ImageRobustness, ReceiveNumbersThatDoNotFitEightDigits)
{
    const struct {
        std::array<int, 4> rx;
        std::array<int, 4> tx;
        bool present;
        const char* rxText;
        int direction;
        const char* offset;
    } cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF, 0xFF}, false, "", 0, ""},
        {{0x05, 0xF5, 0xE1, 0x00}, {0x02, 0x9D, 0x19, 0x10}, false, "", 0, ""}, // 100000000
        {{0x05, 0xF5, 0xE0, 0xFF}, {0x05, 0xF5, 0xE0, 0xFF}, true, "99999999", 0, "0000000"},
        {{0x00, 0x45, 0x6D, 0x70}, {0x00, 0x45, 0x6D, 0x70}, true, "04550000", 0, "0000000"}, // 45.5 MHz
        {{0x02, 0x9D, 0x19, 0x10}, {0xFF, 0xFF, 0xFF, 0xFF}, true, "43850000", 0, "0000000"}, // tx unusable
        {{0x02, 0x9D, 0x19, 0x10}, {0x02, 0xA4, 0xBA, 0x30}, true, "43850000", 2, "0500000"},
        {{0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x00}, true, "00000000", 0, "0000000"},
    };
    for (const auto& c : cases) {
        std::array<int, 16> block{};
        std::copy(c.rx.begin(), c.rx.end(), block.begin());
        std::copy(c.tx.begin(), c.tx.end(), block.begin() + 4);
        DecodeOneBlock(block);
        ASSERT_EQ(config.ChannelCount, c.present ? 1 : 0) << c.rxText;
        if (!c.present)
            continue;
        const mk21::ChannelRecord& ch = config.Channels[0];
        EXPECT_EQ(ch.RxFreq.raw(), c.rxText);
        EXPECT_EQ(ch.OffsetDir, c.direction) << c.rxText;
        EXPECT_EQ(ch.Offset.raw(), c.offset) << c.rxText;
    }
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

TEST_F(ImageRobustness, EncoderSkipsEntriesThatHaveNoBlock)
{
    mk21::ChannelRecord nonDigits = MakeChannel(9, "43A50000");
    mk21::ChannelRecord none = MakeChannel(10, "FFFFFFFF");
    mk21::ChannelRecord empty = MakeChannel(11, "");
    SetChannels(st, {MakeChannel(0, "44000000"), MakeChannel(129, "44000000"), MakeChannel(-3, "44000000"),
                     MakeChannel(32767, "44000000"), nonDigits, none, empty, MakeChannel(5, "44000000")});
    Encode();
    const std::vector<int> withJunk = BytesAt(st.RadioImage, 0, 2832);

    SetChannels(st, {MakeChannel(5, "44000000")});
    Encode();
    EXPECT_EQ(withJunk, BytesAt(st.RadioImage, 0, 2832));
    EXPECT_EQ(BytesAt(st.RadioImage, 2048, 2), (std::vector<int>{0xEF, 0xFF}));
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

TEST_F(ImageRobustness, ChannelCountOutsideTheListIsHeldToIt)
{
    for (int i = 0; i < mk21::MaxChannels; ++i)
        config.Channels[static_cast<std::size_t>(i)] = MakeChannel(i + 1, "44000000");
    for (const int count : {-5, -32768}) {
        config.ChannelCount = static_cast<mk21::Integer>(count);
        Encode();
        EXPECT_EQ(BytesAt(st.RadioImage, 2048, 16), std::vector<int>(16, 0xFF)) << count;
    }
    for (const int count : {128, 129, 500, 32767}) {
        config.ChannelCount = static_cast<mk21::Integer>(count);
        Encode();
        EXPECT_EQ(BytesAt(st.RadioImage, 2048, 16), std::vector<int>(16, 0x00)) << count;
    }
}

TEST_F(ImageRobustness, OversizedRecordValuesStayInsideTheirBits)
{
    mk21::ChannelRecord ch = MakeChannel(1, "44000000");
    ch.BusyLock = 7;      // 2 bits
    ch.TxPower = -1;      // 2 bits
    ch.PttId = 0x7FFF;    // 2 bits
    ch.AutoDial1 = 0x1FF; // a byte
    ch.OffsetDir = 0xFF;  // high nibble only
    SetChannels(st, {ch});
    mk21::OptionalFeatureSettings& o = config.Features.OptionalFeatures;
    o.SquelchLevel = 0x1F;
    o.BatterySave = 4;
    o.VoxLevel = -1;
    config.Features.ScanSettings.RevertChannel = 0xFF;
    st.WorkingSide.AlarmMode = 2;
    config.Features.AlertSettings.EmgAlarmType = 0xFF;
    Encode();
    EXPECT_EQ(BytesAt(st.RadioImage, 10, 6), (std::vector<int>{0x0C, 0x0C, 0x03, 0xFF, 0x00, 0xF0}));
    EXPECT_EQ(st.RadioImage[2096], 0xF0);
    EXPECT_EQ(st.RadioImage[2097], 0x00); // BatterySave 4 does not reach the wired clone bit
    EXPECT_EQ(st.RadioImage[2103], 0x0F);
    EXPECT_EQ(st.RadioImage[2112], 0x07);
    EXPECT_EQ(st.RadioImage[2129], 0x03);
}

TEST_F(ImageRobustness, OddLengthReceiveTextGetsATrailingZero)
{
    SetChannels(st, {MakeChannel(1, "4385000")});
    Encode();
    EXPECT_EQ(BytesAt(st.RadioImage, 0, 4), (std::vector<int>{0x02, 0x9D, 0x19, 0x10}));
}

// Whatever bytes the image holds, the decoded configuration stays inside the record's ranges
// and encodes again without complaint.
TEST_F(ImageRobustness, RandomImagesDecodeIntoValidRecords)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        for (mk21::Byte& b : st.RadioImage)
            b = static_cast<mk21::Byte>(byte(random));
        if (round % 2 == 0) // many present channels
            std::fill_n(st.RadioImage.begin() + 2048, 16, mk21::Byte{0});
        ModImage::DecodeImage(st);

        ASSERT_GE(config.ChannelCount, 0);
        ASSERT_LE(config.ChannelCount, 128);
        std::set<int> numbers;
        for (int i = 0; i < config.ChannelCount; ++i) {
            const mk21::ChannelRecord& ch = config.Channels[static_cast<std::size_t>(i)];
            EXPECT_TRUE(numbers.insert(ch.ChannelNo).second);
            EXPECT_GE(ch.ChannelNo, 1);
            EXPECT_LE(ch.ChannelNo, 128);
            EXPECT_EQ(ch.RxFreq.raw().size(), 8);
            EXPECT_EQ(ch.RxFreq.raw().toStdString().find_first_not_of("0123456789"), std::string::npos);
            EXPECT_EQ(ch.Offset.raw().toStdString().find_first_not_of("0123456789"), std::string::npos);
            EXPECT_LE(ch.OffsetDir, 2);
            for (const int tone : {ch.DecodeTone, ch.EncodeTone}) {
                EXPECT_GE(tone, 0);
                EXPECT_LE(tone, 282);
            }
            EXPECT_LE(ch.BusyLock, 2);
            EXPECT_LE(ch.Bandwidth, 2);
            EXPECT_LE(ch.TxPower, 2);
            EXPECT_LE(ch.OptSignal, 1);
            EXPECT_LE(ch.RxStepCode, 2);
            EXPECT_LE(ch.TxStepCode, 2);
            EXPECT_LE(ch.AutoDial1, 16);
            EXPECT_LE(ch.AutoDial2, 16);
        }
        const mk21::DtmfSettings& d = config.Features.Dtmf;
        EXPECT_GE(d.IdLength, 3);
        EXPECT_LE(d.IdLength, 10);
        EXPECT_LE(d.DtmfMemory[3].Length, 16);
        for (const auto& line : config.Features.MessageLines)
            for (const QChar c : line.text())
                EXPECT_TRUE(c >= u' ' && c <= u'~') << line.text().toStdString();
        EXPECT_LE(st.WorkingSide.AlarmMode, 1);

        ModImage::PrefillImage(st, false);
        ModImage::EncodeImage(st);
    }
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

} // namespace
