#include "channels/ChannelList.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

using mk21::test::StagedState;
namespace ModCHEdit = mk21::ModCHEdit;
namespace Field = mk21::ModCHEdit::ChannelField;

namespace {

struct PlainCase {
    int code;
    mk21::Integer mk21::ChannelRecord::*field;
    int high;
};

const PlainCase PlainCases[] = {
    {Field::TxPower, &mk21::ChannelRecord::TxPower, 2},
    {Field::ScanSkip, &mk21::ChannelRecord::ScanSkip, 1},
    {Field::OptSignal, &mk21::ChannelRecord::OptSignal, 1},
    {Field::Bandwidth, &mk21::ChannelRecord::Bandwidth, 2},
    {Field::PttId, &mk21::ChannelRecord::PttId, 3},
    {Field::BusyLock, &mk21::ChannelRecord::BusyLock, 2},
    {Field::RevTalkSelect, &mk21::ChannelRecord::RevTalkSelect, 1},
    {Field::AutoDial1, &mk21::ChannelRecord::AutoDial1, 16},
    {Field::Encryption, &mk21::ChannelRecord::Encryption, 1},
    {Field::TxInhibit, &mk21::ChannelRecord::TxInhibit, 1},
    {Field::Talkaround, &mk21::ChannelRecord::Talkaround, 1},
    {Field::Reverse, &mk21::ChannelRecord::Reverse, 1},
    {Field::Whisper, &mk21::ChannelRecord::Whisper, 1},
    {Field::Compander, &mk21::ChannelRecord::Compander, 1},
    {Field::SignalRelation, &mk21::ChannelRecord::SignalRelation, 1},
    {Field::AutoDial2, &mk21::ChannelRecord::AutoDial2, 16},
    {Field::DecodeTone, &mk21::ChannelRecord::DecodeTone, 282},
    {Field::EncodeTone, &mk21::ChannelRecord::EncodeTone, 282},
};

mk21::ChannelRecord& FreshChannel(StagedState& s)
{
    return mk21::test::AddDuplex(s.state, 1, "438.5", "0000000", 0);
}

} // namespace

TEST(ChannelItem, EachCodeSetsItsOwnFieldOnly)
{
    for (const PlainCase& c : PlainCases) {
        StagedState s;
        mk21::ChannelRecord& channel = FreshChannel(s);
        channel.DecodeTone = 1; // keeps the tone coupling out of this test
        channel.EncodeTone = 1;
        mk21::ChannelRecord expected = channel;
        expected.*c.field = static_cast<mk21::Integer>(c.high);

        EXPECT_TRUE(ModCHEdit::SetChannelItem(s.state, channel, c.code, QString::number(c.high))) << c.code;
        EXPECT_EQ(channel, expected) << c.code;
        EXPECT_TRUE(ModCHEdit::SetChannelItem(s.state, channel, c.code, QStringLiteral(" 0 "))) << c.code;
        EXPECT_EQ(channel.*c.field, 0) << c.code;
    }
}

TEST(ChannelItem, ValuesOutsideAFieldAreRefused)
{
    StagedState s;
    mk21::ChannelRecord& channel = FreshChannel(s);
    channel.DecodeTone = 1;
    channel.EncodeTone = 1;
    channel.BusyLock = 2;
    const mk21::ChannelRecord before = channel;
    for (const PlainCase& c : PlainCases) {
        for (const QString& bad : {QString::number(c.high + 1), QStringLiteral("-1"), QStringLiteral("1.5"),
                                   QStringLiteral("abc"), QString(), QStringLiteral("70000")}) {
            EXPECT_FALSE(ModCHEdit::SetChannelItem(s.state, channel, c.code, bad))
                << c.code << " " << qPrintable(bad);
            EXPECT_EQ(channel, before) << c.code << " " << qPrintable(bad);
        }
    }
}

TEST(ChannelItem, CodesWithoutAFieldChangeNothing)
{
    for (const int code : {0, 3, 20, 23, -1, 1000}) {
        StagedState s;
        mk21::ChannelRecord& channel = FreshChannel(s);
        const mk21::ChannelRecord before = channel;
        EXPECT_FALSE(ModCHEdit::SetChannelItem(s.state, channel, code, QStringLiteral("1"))) << code;
        EXPECT_EQ(channel, before) << code;
    }
}

TEST(ChannelItem, TonesAndBusyLockFollowEachOther)
{
    struct Case {
        const char* name;
        int decode, encode, busy;
        int code;
        const char* value;
        int wantDecode, wantEncode, wantBusy;
    };
    const Case cases[] = {
        {"decode on a channel without tones sets both", 0, 0, 0, Field::DecodeTone, "12", 12, 12, 0},
        {"decode back to 0 keeps encode, lowers busy 2", 12, 12, 2, Field::DecodeTone, "0", 0, 12, 1},
        {"decode 0 leaves busy 1", 12, 12, 1, Field::DecodeTone, "0", 0, 12, 1},
        {"decode change keeps an encode tone", 5, 9, 2, Field::DecodeTone, "7", 7, 9, 2},
        {"decode change keeps encode 0 once decode was set", 5, 0, 0, Field::DecodeTone, "7", 7, 0, 0},
        {"first decode keeps an existing encode", 0, 9, 0, Field::DecodeTone, "7", 7, 9, 0},
        {"encode on a channel without tones sets both", 0, 0, 0, Field::EncodeTone, "170", 170, 170, 0},
        {"encode change keeps decode 0", 0, 30, 2, Field::EncodeTone, "31", 0, 31, 2},
        {"first encode keeps an existing decode", 4, 0, 2, Field::EncodeTone, "3", 4, 3, 2},
        {"signalling without decode tone lowers busy 2", 0, 8, 2, Field::OptSignal, "1", 0, 8, 1},
        {"signalling with a decode tone keeps busy 2", 5, 0, 2, Field::OptSignal, "1", 5, 0, 2},
        {"refused tone changes nothing", 0, 0, 2, Field::DecodeTone, "283", 0, 0, 2},
    };
    for (const Case& c : cases) {
        StagedState s;
        mk21::ChannelRecord& channel = FreshChannel(s);
        channel.DecodeTone = static_cast<mk21::Integer>(c.decode);
        channel.EncodeTone = static_cast<mk21::Integer>(c.encode);
        channel.BusyLock = static_cast<mk21::Integer>(c.busy);
        ModCHEdit::SetChannelItem(s.state, channel, c.code, QString::fromLatin1(c.value));
        EXPECT_EQ(channel.DecodeTone, c.wantDecode) << c.name;
        EXPECT_EQ(channel.EncodeTone, c.wantEncode) << c.name;
        EXPECT_EQ(channel.BusyLock, c.wantBusy) << c.name;
    }
}

TEST(ChannelItem, TransmitSideFromTextAndMode)
{
    struct Case {
        bool offsetMode;
        const char* typed;
        const char* wantOffset;
        int wantDirection;
    };
    const Case cases[] = {
        {false, "433.5", "0500000", 1},   {false, "439.1", "0060000", 2},
        {false, "438.5", "0250000", 0}, // simplex keeps the old magnitude
        {true, "+0.6", "0060000", 2},     {true, "-5", "0500000", 1},
        {true, "0.6", "0060000", 0},      {false, "", "0250000", 0},
        {false, "433.503", "0500000", 1}, // aligned to the 5 kHz grid afterwards
    };
    for (const Case& c : cases) {
        StagedState s;
        s.state.preferences.OffSetShowMode = c.offsetMode;
        mk21::ChannelRecord& channel = mk21::test::AddDuplex(s.state, 1, "438.5", "0250000", 2);
        EXPECT_TRUE(
            ModCHEdit::SetChannelItem(s.state, channel, Field::Transmit, QString::fromLatin1(c.typed)));
        EXPECT_EQ(channel.Offset.text(), c.wantOffset) << c.typed;
        EXPECT_EQ(channel.OffsetDir, c.wantDirection) << c.typed;
    }
}

TEST(ChannelItem, ReceiveFrequencyIsAlignedAndClassified)
{
    struct Case {
        const char* typed;
        const char* wantRx;
        int wantStep;
    };
    const Case cases[] = {
        {"438.503", "43850000", 0},
        {"438.50625", "43850625", 1},
        {"438.52499", "43852500", 2},
    };
    for (const Case& c : cases) {
        StagedState s;
        s.state.preferences.OffSetShowMode = true; // the simplex channel stays simplex
        mk21::ChannelRecord& channel = FreshChannel(s);
        EXPECT_TRUE(ModCHEdit::SetChannelItem(s.state, channel, Field::RxFreq, QString::fromLatin1(c.typed)));
        EXPECT_EQ(channel.OffsetDir, 0) << c.typed;
        EXPECT_EQ(channel.RxFreq.text(), c.wantRx) << c.typed;
        EXPECT_EQ(channel.RxStepCode, c.wantStep) << c.typed;
        EXPECT_EQ(channel.TxStepCode, c.wantStep) << c.typed;
    }
}

TEST(ChannelItem, ResultingTransmitFrequencyIsClampedIntoTheBand)
{
    StagedState s;
    s.state.preferences.OffSetShowMode = true;
    mk21::ChannelRecord& channel = mk21::test::AddDuplex(s.state, 1, "470", "0500000", 2);
    EXPECT_TRUE(ModCHEdit::SetChannelItem(s.state, channel, Field::RxFreq, QStringLiteral("479")));
    EXPECT_EQ(channel.RxFreq.text(), "47900000");
    EXPECT_EQ(channel.Offset.text(), "0100000"); // transmit 484 came back to 480
    EXPECT_EQ(channel.OffsetDir, 2);
    EXPECT_EQ(mk21::test::TimesShown(s.prompter.numbers(), 9021), 1);
}

TEST(ChannelItem, EmptyReceiveFrequencyIsRefused)
{
    StagedState s;
    mk21::ChannelRecord& channel = FreshChannel(s);
    const mk21::ChannelRecord before = channel;
    EXPECT_FALSE(ModCHEdit::SetChannelItem(s.state, channel, Field::RxFreq, QString()));
    EXPECT_EQ(channel, before);
}
