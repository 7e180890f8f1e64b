#include "data/FrequencyCodec.h"

#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>

namespace mk21::test {
namespace {

using namespace ModShowFreFun;

const QString Nul7 = QString(7, QChar(u'\0'));

// Case names must stay on one line: control characters (the NULs of stored texts) show as "~".
std::string Visible(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c.unicode() < 0x20)
            c = u'~';
    }
    return '"' + out.toStdString() + '"';
}
constexpr int OutOfBandWarning = 9021;

// A state on band 400 - 480 MHz with a clean prompt record.
class CodecFixture {
protected:
    CodecFixture()
    {
        state.model.BandLow = 400;
        state.model.BandHigh = 480;
    }
    int outOfBandWarnings() const { return int(staged.prompter.numbers().count(OutOfBandWarning)); }

    StagedState staged;
    AppState& state = staged.state;
};

class FrequencyCodecTest : public CodecFixture, public ::testing::Test {};

// ---- GetFreData ---------------------------------------------------------------------------------

struct StoreCase {
    QString typed;
    QString stored;
};
void PrintTo(const StoreCase& c, std::ostream* os)
{
    *os << Visible(c.typed);
}

class GetFreDataTest : public ::testing::TestWithParam<StoreCase> {};

TEST_P(GetFreDataTest, StoresEightDigitsTruncated)
{
    EXPECT_EQ(GetFreData(GetParam().typed, 400), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GetFreDataTest,
    ::testing::Values(StoreCase{"", ""}, StoreCase{"438.5", "43850000"}, StoreCase{"45.5", "04550000"},
                      StoreCase{"438", "43800000"}, StoreCase{"438.123456", "43812345"}, // cut, not rounded
                      StoreCase{"438.506259", "43850625"}, StoreCase{".5", "00050000"},
                      StoreCase{"438.50625", "43850625"}, StoreCase{"045.5", "04550000"},
                      StoreCase{"0438.5", "43850000"}, // leading zeros do not count as a fourth digit
                      StoreCase{"45", "04500000"},     // an integer without a point is whole megahertz too
                      StoreCase{" +438.5 ", "43850000"},
                      StoreCase{"abc", "40000000"},    // not numeric: the lower band limit
                      StoreCase{"1234.5", "99999999"}, // beyond three integer digits: clamped to the top
                      StoreCase{"-5", "00000000"}));   // negative: clamped to zero

TEST(GetFreDataBand, NonNumericTakesTheGivenLowerLimit)
{
    EXPECT_EQ(GetFreData("x", 136), "13600000");
    EXPECT_EQ(GetFreData("x", 144.5), "14450000");
}

// ---- ShowFre ------------------------------------------------------------------------------------

struct ShowCase {
    QString stored;
    QString shown;
};
void PrintTo(const ShowCase& c, std::ostream* os)
{
    *os << Visible(c.stored);
}

class ShowFreTest : public CodecFixture, public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowFreTest, ShowsFiveDecimalsWithoutPrompt)
{
    EXPECT_EQ(ShowFre(state, GetParam().stored), GetParam().shown);
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ShowFreTest,
    ::testing::Values(ShowCase{"", ""}, ShowCase{"FFFFFFFF", ""}, ShowCase{QString(u'\0') + "       ", ""},
                      ShowCase{"04550000", "45.50000"}, ShowCase{"43850000", "438.50000"},
                      ShowCase{"43850625", "438.50625"}, ShowCase{"00000001", "0.00001"},
                      ShowCase{"99999999", "999.99999"}, ShowCase{"4385    ", "438.50000"},
                      ShowCase{QString("43850625") + QChar(u'\0'), "438.50625"}));

TEST_F(FrequencyCodecTest, ShowFreOfGarbageShowsNotIsNumericAndTheLowerLimit)
{
    for (const QString& garbage :
         {QStringLiteral("43A50000"), QStringLiteral("4.5"), QStringLiteral("FFFFFFF0")}) {
        staged.prompter.clear();
        EXPECT_EQ(ShowFre(state, garbage), "400") << garbage.toStdString();
        ASSERT_EQ(staged.prompter.asked.size(), 1);
        const Prompt& p = staged.prompter.asked.front();
        EXPECT_EQ(p.text, "Not IsNumeric");
        EXPECT_EQ(p.textNumber, 0);
        EXPECT_EQ(p.icon, PromptIcon::None);
        EXPECT_EQ(p.buttons, PromptButtons::Ok);
    }
}

TEST_F(FrequencyCodecTest, GetFreDataAndShowFreRoundTripOnTheTenHertzGrid)
{
    // Every 10 Hz step of a stretch that binary floating point represents inexactly.
    for (int units = 43850000; units <= 43852600; ++units) {
        const QString stored = QString::number(units);
        const QString shown = ShowFre(state, stored);
        ASSERT_EQ(GetFreData(shown, 400), stored) << shown.toStdString();
    }
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

// ---- ShowOffSet ---------------------------------------------------------------------------------

struct OffsetCase {
    QString stored;
    int direction;
    QString shown;
};
void PrintTo(const OffsetCase& c, std::ostream* os)
{
    *os << Visible(c.stored) << " dir " << c.direction;
}

class ShowOffSetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(ShowOffSetTest, SignedText)
{
    EXPECT_EQ(ShowOffSet(GetParam().stored, GetParam().direction), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, ShowOffSetTest,
    ::testing::Values(OffsetCase{Nul7, 2, "+0.00000"}, OffsetCase{"0500000", 1, "-5.00000"},
                      OffsetCase{"0500000", 2, "+5.00000"}, OffsetCase{"0500000", 0, "5.00000"},
                      OffsetCase{"0500000", 7, "5.00000"}, OffsetCase{"0500000", -1, "5.00000"},
                      OffsetCase{"0060000", 2, "+0.60000"}, OffsetCase{"9999999", 1, "-99.99999"},
                      OffsetCase{"0500000   ", 2, "+5.00000"},
                      OffsetCase{QString("05") + QChar(u'\0') + "0000", 2,
                                 "+0.00000"}, // cut at the NUL: too short
                      OffsetCase{"FFFFFFF", 1, "-0.00000"}, OffsetCase{"", 0, "0.00000"},
                      OffsetCase{"050000", 2, "+0.00000"}, OffsetCase{"05A0000", 2, "+0.00000"},
                      OffsetCase{"-500000", 2, "+0.00000"}, OffsetCase{"05.0000", 1, "-0.00000"}));

// ---- GridTxText / EditTxText --------------------------------------------------------------------

struct TxTextCase {
    QString rx;
    QString offset;
    int direction;
    bool offsetMode;
    QString grid;
    QString edit;
};
void PrintTo(const TxTextCase& c, std::ostream* os)
{
    *os << Visible(c.rx) << ' ' << Visible(c.offset) << " dir " << c.direction << " mode " << c.offsetMode;
}

class TxTextTest : public CodecFixture, public ::testing::TestWithParam<TxTextCase> {};

TEST_P(TxTextTest, GridAndEditTexts)
{
    const TxTextCase& c = GetParam();
    EXPECT_EQ(GridTxText(state, c.rx, c.offset, c.direction, c.offsetMode), c.grid);
    EXPECT_EQ(EditTxText(state, c.rx, c.offset, c.direction, c.offsetMode), c.edit);
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Channels, TxTextTest,
    ::testing::Values(
        TxTextCase{"43850000", "0500000", 1, false, "433.50000", "433.50000"},
        TxTextCase{"43850000", "0500000", 2, false, "443.50000", "443.50000"},
        TxTextCase{"43850000", "0500000", 0, false, "438.50000", "438.50000"},
        TxTextCase{"43850000", "0500000", 7, false, "438.50000", "438.50000"}, // unknown direction: simplex
        TxTextCase{"43850000", Nul7, 0, false, "438.50000", "438.50000"},
        TxTextCase{"43850625", "0060000", 2, false, "439.10625", "439.10625"},
        TxTextCase{"43850000", "0500000", 1, true, "-5.00000", "-5.00000"},
        TxTextCase{"43850000", "0500000", 0, true, "5.00000", "5.00000"},
        TxTextCase{"00100000", "0500000", 1, false, "4.00000", "-4.00000"}, // grid shows the magnitude
        TxTextCase{"", "0500000", 1, false, "", ""},
        TxTextCase{"FFFFFFFF", "0500000", 2, true, "+5.00000", ""}));

// ---- GetOffSetData ------------------------------------------------------------------------------

struct OffsetEntryCase {
    QString rx;
    QString typed;
    bool offsetMode;
    QString oldOffset;
    Byte oldDirection;
    QString newOffset;
    Byte newDirection;
};
void PrintTo(const OffsetEntryCase& c, std::ostream* os)
{
    *os << Visible(c.rx) << " typed " << Visible(c.typed) << " mode " << c.offsetMode;
}

class GetOffSetDataTest : public CodecFixture, public ::testing::TestWithParam<OffsetEntryCase> {};

TEST_P(GetOffSetDataTest, OffsetAndDirection)
{
    const OffsetEntryCase& c = GetParam();
    Byte direction = c.oldDirection;
    EXPECT_EQ(GetOffSetData(state, c.rx, c.typed, c.offsetMode, c.oldOffset, direction), c.newOffset);
    EXPECT_EQ(direction, c.newDirection);
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, GetOffSetDataTest,
    ::testing::Values(
        // a typed transmit frequency
        OffsetEntryCase{"43850000", "433.5", false, Nul7, 0, "0500000", 1},
        OffsetEntryCase{"43850000", "443.5", false, Nul7, 0, "0500000", 2},
        OffsetEntryCase{"43850000", "438.5", false, "0500000", 1, "0500000", 0}, // same: magnitude kept
        OffsetEntryCase{"43850000", "438.500004", false, "0060000", 2, "0060000", 0},
        OffsetEntryCase{"43850000", "438.50001", false, Nul7, 0, "0000001", 2},
        OffsetEntryCase{"43850000", "433.49999", false, Nul7, 0, "0500001", 1},
        OffsetEntryCase{"43850000", "600", false, Nul7, 0, "9999999", 2}, // 161.5 MHz cannot be stored
        // a typed signed offset
        OffsetEntryCase{"43850000", "+0.6", true, Nul7, 0, "0060000", 2},
        OffsetEntryCase{"43850000", "0.6", true, "0500000", 1, "0060000", 0},
        OffsetEntryCase{"43850000", "-5", true, Nul7, 0, "0500000", 1},
        OffsetEntryCase{"43850000", " -5 ", true, Nul7, 0, "0500000", 1},
        OffsetEntryCase{"43850000", "+150", true, Nul7, 0, "9999999", 2},
        // nothing usable typed or stored: simplex, magnitude kept
        OffsetEntryCase{"43850000", "", false, "0500000", 2, "0500000", 0},
        OffsetEntryCase{"43850000", "abc", true, "0500000", 1, "0500000", 0},
        OffsetEntryCase{"", "433.5", false, "0500000", 1, "0500000", 0},
        OffsetEntryCase{"FFFFFFFF", "+1", true, "FFFFFFF", 2, "0000000", 0},
        OffsetEntryCase{"43850000", "", false, "05X0000", 2, "0000000", 0}));

TEST_F(FrequencyCodecTest, GetOffSetDataOfAGarbageReceiveFrequencyWarnsAndUsesTheLowerLimit)
{
    Byte direction = 0;
    EXPECT_EQ(GetOffSetData(state, "4X850000", "405", false, Nul7, direction), "0500000");
    EXPECT_EQ(direction, 2);
    EXPECT_EQ(staged.prompter.asked.size(), 1);
}

// ---- LimitFre / LimitFreText / FormatFre --------------------------------------------------------

TEST_F(FrequencyCodecTest, LimitFreInsideAndAtTheLimitsIsSilent)
{
    for (const double mhz : {400.0, 438.5, 479.99999, 480.0}) {
        EXPECT_EQ(LimitFre(state, mhz), mhz);
    }
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

TEST_F(FrequencyCodecTest, LimitFreOutsideClampsWithOneWarningEach)
{
    struct Case {
        double mhz;
        double clamped;
        const char* setTo; // as the warning names it
    };
    const Case cases[] = {{480.00001, 480, "480.00000"},
                          {399.99999, 400, "400.00000"},
                          {0, 400, "400.00000"},
                          {1e9, 480, "480.00000"},
                          {-std::numeric_limits<double>::infinity(), 400, "400.00000"},
                          {std::numeric_limits<double>::quiet_NaN(), 400, "400.00000"}};
    for (const Case& c : cases) {
        staged.prompter.clear();
        EXPECT_EQ(LimitFre(state, c.mhz), c.clamped) << c.mhz;
        ASSERT_EQ(staged.prompter.asked.size(), 1) << c.mhz;
        // The warning says which band was left and what the frequency became.
        EXPECT_EQ(staged.prompter.asked.front().text,
                  QStringLiteral("The frequency is outside the band 400\u2013480 MHz; it was set to %1 MHz.")
                      .arg(QLatin1String(c.setTo)));
        EXPECT_EQ(staged.prompter.asked.front().textNumber, OutOfBandWarning);
        EXPECT_EQ(staged.prompter.asked.front().icon, PromptIcon::Warning);
        EXPECT_EQ(staged.prompter.asked.front().buttons, PromptButtons::Ok);
    }
}

TEST_F(FrequencyCodecTest, LimitFreTextFormatsAndClamps)
{
    struct Case {
        const char* value;
        const char* text;
        int warnings;
    };
    const Case cases[] = {
        {"438.5", "438.50000", 0},      {" 438.50625 ", "438.50625", 0}, {"438.506245", "438.50625", 0},
        {"438.506244", "438.50624", 0}, {"480", "480.00000", 0},         {"480.00001", "480.00000", 1},
        {"500", "480.00000", 1},        {"-438", "400.00000", 1},        {"abc", "400.00000", 1},
        {"", "400.00000", 1},           {"4e2", "400.00000", 1},
    };
    for (const Case& c : cases) {
        staged.prompter.clear();
        EXPECT_EQ(LimitFreText(state, c.value), c.text) << c.value;
        EXPECT_EQ(outOfBandWarnings(), c.warnings) << c.value;
    }
}

TEST(FormatFre, FiveDecimalsRoundedAsWritten)
{
    EXPECT_EQ(FormatFre(438.50625), "438.50625");
    EXPECT_EQ(FormatFre(45.5), "45.50000");
    EXPECT_EQ(FormatFre(0), "0.00000");
    EXPECT_EQ(FormatFre(-1.5), "-1.50000");
    EXPECT_EQ(FormatFre(438.506245), "438.50625");
    EXPECT_EQ(FormatFre(0.000004), "0.00000");
    EXPECT_EQ(FormatFre(999.999996), "1000.00000");
    EXPECT_EQ(FormatFre(1e15), "1000000000000000.00000");
    // Every 10 Hz step of a stretch comes out as written.
    for (int units = 43850000; units <= 43851000; ++units) {
        const double mhz = units / 100000.0;
        ASSERT_EQ(GetFreData(FormatFre(mhz), 400), QString::number(units)) << units;
    }
}

// ---- AdjustChStep -------------------------------------------------------------------------------

struct StepCase {
    QString rx;
    QString offset;
    Byte direction;
    QString alignedRx;
    Integer rxClass;
    QString alignedOffset; // the stored offset text, untrimmed
    Byte alignedDirection;
    Integer txClass;
};
void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << Visible(c.rx) << ' ' << Visible(c.offset) << " dir " << int(c.direction);
}

class AdjustChStepTest : public CodecFixture, public ::testing::TestWithParam<StepCase> {};

TEST_P(AdjustChStepTest, AlignsBothSides)
{
    const StepCase& c = GetParam();
    ChannelRecord channel;
    channel.RxFreq = c.rx;
    channel.Offset = c.offset;
    channel.OffsetDir = c.direction;
    channel.RxStepCode = 9;
    channel.TxStepCode = 9;
    ChannelRecord expected = channel;

    AdjustChStep(state, channel);

    expected.RxFreq = c.alignedRx;
    expected.RxStepCode = c.rxClass;
    expected.Offset = c.alignedOffset;
    expected.OffsetDir = c.alignedDirection;
    expected.TxStepCode = c.txClass;
    EXPECT_EQ(channel.RxFreq.raw(), expected.RxFreq.raw());
    EXPECT_EQ(channel.RxStepCode, c.rxClass);
    EXPECT_EQ(channel.Offset.raw(), expected.Offset.raw());
    EXPECT_EQ(channel.OffsetDir, c.alignedDirection);
    EXPECT_EQ(channel.TxStepCode, c.txClass);
    EXPECT_TRUE(channel == expected) << "a field outside the step alignment changed";
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Simplex, AdjustChStepTest,
    ::testing::Values(
        StepCase{"43850000", Nul7, 0, "43850000", 0, Nul7, 0, 0},
        StepCase{"43850300", Nul7, 0, "43850000", 0, Nul7, 0, 0}, // on no grid: down to 5 kHz
        StepCase{"43850499", Nul7, 0, "43850000", 0, Nul7, 0, 0},
        StepCase{"43850625", Nul7, 0, "43850625", 1, Nul7, 0, 1},
        StepCase{"43851875", Nul7, 0, "43851875", 1, Nul7, 0, 1},
        StepCase{"43850833", Nul7, 0, "43850833", 2, Nul7, 0, 2},
        StepCase{"43851666", Nul7, 0, "43851666", 2, Nul7, 0, 2},
        StepCase{"43852499", Nul7, 0, "43852500", 2, Nul7, 0, 2}, // 24.99 kHz belongs to the next block
        StepCase{"43852500", Nul7, 0, "43852500", 0, Nul7, 0, 0},
        StepCase{"39999700", Nul7, 0, "39999500", 0, Nul7, 0, 0}, // below the band: still down
        StepCase{"4385", Nul7, 0, "43850000", 0, Nul7, 0, 0},     // short stored form is rewritten
        StepCase{"43850300", "0500300", 7, "43850000", 0, "0500300", 7, 0})); // unknown direction: simplex

INSTANTIATE_TEST_SUITE_P(
    Duplex, AdjustChStepTest,
    ::testing::Values(
        StepCase{"43850000", "0500000", 1, "43850000", 0, "0500000", 1, 0},
        StepCase{"43850000", "0500300", 1, "43850000", 0, "0500500", 1, 0}, // tx 433.497 -> 433.495
        StepCase{"43850000", "0500625", 2, "43850000", 0, "0500625", 2, 1},
        StepCase{"43850000", "0502499", 2, "43850000", 0, "0502500", 2, 2}, // tx 443.52499 -> 443.525
        StepCase{"43850625", "0500000", 2, "43850625", 1, "0500000", 2, 1},
        StepCase{"43850300", "0500000", 2, "43850000", 0, "0500000", 2, 0}, // tx moves with rx
        StepCase{"43850300", "0500300", 2, "43850000", 0, "0500000", 2, 0},
        StepCase{"43850000", "0000300", 2, "43850000", 0, "0000300", 0, 0},   // tx falls onto rx: simplex
        StepCase{"00100000", "0500000", 1, "00100000", 0, "0300000", 2, 0})); // |1 - 5| = 4 MHz above

TEST_F(FrequencyCodecTest, AdjustChStepLeavesChannelsWithoutReceiveFrequencyAlone)
{
    for (const QString& rx : {QStringLiteral("FFFFFFFF"), QString(), QStringLiteral("438.5xyz")}) {
        ChannelRecord channel;
        channel.RxFreq = rx;
        channel.Offset = QStringLiteral("0500300");
        channel.OffsetDir = 2;
        channel.RxStepCode = 5;
        channel.TxStepCode = 6;
        const ChannelRecord before = channel;
        AdjustChStep(state, channel);
        EXPECT_TRUE(channel == before) << rx.toStdString();
    }
    ChannelRecord cleared;
    cleared.RxFreq.clear();
    const ChannelRecord before = cleared;
    AdjustChStep(state, cleared);
    EXPECT_TRUE(cleared == before);
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

TEST_F(FrequencyCodecTest, AdjustChStepCountsGridsFromTheLowerBandLimit)
{
    state.model.BandLow = 400.001;
    ChannelRecord channel;
    channel.RxFreq = QStringLiteral("43850100"); // 38.5 MHz above this band's start
    AdjustChStep(state, channel);
    EXPECT_EQ(channel.RxFreq.text(), "43850100");
    EXPECT_EQ(channel.RxStepCode, 0);

    channel.RxFreq = QStringLiteral("43850000");
    AdjustChStep(state, channel);
    EXPECT_EQ(channel.RxFreq.text(), "43849600");
    EXPECT_EQ(channel.RxStepCode, 0);
}

TEST_F(FrequencyCodecTest, AdjustChStepFrequenciesAreStable)
{
    // A second alignment of an aligned channel moves no frequency, on every 10 Hz of a 25 kHz block.
    // (The step codes may change: 438.52499 is class 2 once and lands on the 5 kHz grid.)
    for (int units = 43850000; units < 43852500; ++units) {
        ChannelRecord channel;
        channel.RxFreq = QString::number(units);
        channel.Offset = QStringLiteral("0500037");
        channel.OffsetDir = 1;
        AdjustChStep(state, channel);
        const ChannelRecord once = channel;
        AdjustChStep(state, channel);
        ASSERT_EQ(channel.RxFreq, once.RxFreq) << units;
        ASSERT_EQ(channel.Offset, once.Offset) << units;
        ASSERT_EQ(channel.OffsetDir, once.OffsetDir) << units;
        const int aligned = channel.RxFreq.text().toInt();
        ASSERT_LE(std::abs(aligned - units), 499) << units;
    }
}

} // namespace
} // namespace mk21::test
