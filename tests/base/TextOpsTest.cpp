#include "base/TextOps.h"

#include "app/AppState.h"
#include "base/FixedText.h"
#include "data/ModelBand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace mk21::test {
namespace {

using namespace ModFun;

// Case names must stay on one line: control characters show as "~".
std::string Visible(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c.unicode() < 0x20)
            c = u'~';
    }
    return '"' + out.toStdString() + '"';
}

// ---- TrimNul ------------------------------------------------------------------------------------

struct TrimCase {
    QString raw;
    QString trimmed;
};
void PrintTo(const TrimCase& c, std::ostream* os)
{
    *os << Visible(c.raw);
}

class TrimNulTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimNulTest, CutsBlanksThenAtNul)
{
    EXPECT_EQ(TrimNul(GetParam().raw), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrimNulTest,
    ::testing::Values(TrimCase{QString("ABC") + QChar(u'\0') + QString(12, u' '), "ABC"},
                      TrimCase{QString(16, u' '), ""}, TrimCase{"", ""}, TrimCase{"ABC   ", "ABC"},
                      TrimCase{"  ABC", "  ABC"}, TrimCase{"A B C", "A B C"},
                      TrimCase{QString("AB") + QChar(u'\0') + "CD  ", "AB"},
                      TrimCase{QString(7, QChar(u'\0')), ""},
                      TrimCase{QString("ABC ") + QChar(u'\0'), "ABC "})); // blanks before the NUL stay

TEST(TrimNul, FixedTextReadsThroughIt)
{
    FixedText<16> text;
    EXPECT_EQ(text.text(), "");
    text = "ABC";
    EXPECT_EQ(text.raw(), "ABC" + QString(13, u' '));
    EXPECT_EQ(text.text(), "ABC");
    text.clear();
    EXPECT_EQ(text.text(), "");
    text = QString("HELLO") + QChar(u'\0') + "WORLD";
    EXPECT_EQ(text.text(), "HELLO");
}

// ---- DTMF ---------------------------------------------------------------------------------------

TEST(Dtmf, CodesAndTextsConvertCharacterByCharacter)
{
    EXPECT_EQ(DtmfCodeToText("12E0F"), "12*0#");
    EXPECT_EQ(DtmfTextToCode("*#"), "EF");
    EXPECT_EQ(DtmfTextToCode("12*0#"), "12E0F");
    EXPECT_EQ(DtmfCodeToText("ABCD"), "ABCD");
    EXPECT_EQ(DtmfCodeToText("ef"), "ef");
    EXPECT_EQ(DtmfCodeToText(""), "");
    EXPECT_EQ(DtmfCodeToText("EEFF"), "**##");
    const QString codes = QStringLiteral("0123456789ABCDEF");
    EXPECT_EQ(DtmfTextToCode(DtmfCodeToText(codes)), codes);
}

// ---- FileNameOfPath -----------------------------------------------------------------------------

TEST(FileNameOfPath, EitherSeparator)
{
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\radio\\data\\new.dat", "new.dat"},
        {"/home/user/radio/new.dat", "new.dat"},
        {"new.dat", "new.dat"},
        {"C:\\radio\\", ""},
        {"/home/user/", ""},
        {"mixed/dir\\file.dat", "file.dat"},
        {"mixed\\dir/file.dat", "file.dat"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileNameOfPath(c.path), c.name) << c.path;
}

// ---- IsNumeric / ToNumber / PlainNumber ---------------------------------------------------------

struct NumericCase {
    QString text;
    bool numeric;
    double value;
};
void PrintTo(const NumericCase& c, std::ostream* os)
{
    *os << Visible(c.text);
}

class NumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericTest, RecognisesAndConverts)
{
    EXPECT_EQ(IsNumeric(GetParam().text), GetParam().numeric);
    EXPECT_DOUBLE_EQ(ToNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NumericTest,
    ::testing::Values(NumericCase{"12", true, 12}, NumericCase{" 12 ", true, 12},
                      NumericCase{"\t438.5\n", true, 438.5}, NumericCase{"+1.5", true, 1.5},
                      NumericCase{"-1.5", true, -1.5}, NumericCase{"-.5", true, -0.5},
                      NumericCase{".5", true, 0.5}, NumericCase{"5.", true, 5}, NumericCase{"007", true, 7},
                      NumericCase{"", false, 0}, NumericCase{"   ", false, 0}, NumericCase{".", false, 0},
                      NumericCase{"+", false, 0}, NumericCase{"-", false, 0}, NumericCase{"1.2.3", false, 0},
                      NumericCase{"1,5", false, 0}, // "." is the only decimal separator
                      NumericCase{"1e5", false, 0}, NumericCase{"12a", false, 0},
                      NumericCase{"- 5", false, 0}, NumericCase{"+-5", false, 0},
                      NumericCase{"4 38", false, 0}, NumericCase{QString("12") + QChar(u'\0'), false, 0},
                      NumericCase{QStringLiteral("１２"), false, 0})); // full-width digits

TEST(PlainNumber, ShortestFixedForm)
{
    EXPECT_EQ(PlainNumber(440), "440");
    EXPECT_EQ(PlainNumber(400.5), "400.5");
    EXPECT_EQ(PlainNumber(438.50625), "438.50625");
    EXPECT_EQ(PlainNumber(-3.25), "-3.25");
    EXPECT_EQ(PlainNumber(0), "0");
    // Very small and very large numbers must still read back as numbers.
    for (const double value : {0.00001, 1e-7, 1e21, 123456789.0}) {
        const QString text = PlainNumber(value);
        EXPECT_TRUE(IsNumeric(text)) << text.toStdString();
        EXPECT_DOUBLE_EQ(ToNumber(text), value) << text.toStdString();
    }
}

// ---- NumOrDefault -------------------------------------------------------------------------------

TEST(NumOrDefault, NumbersRoundOthersGiveTheDefault)
{
    struct Case {
        QString text;
        int fallback;
        int expected;
    };
    const QString huge(400, u'9');
    const Case cases[] = {
        {"12", 7, 12},
        {"abc", 7, 7},
        {"", 7, 7},
        {" 12 ", 7, 12},
        {"-3", 7, -3},
        {"12.4", 7, 12},
        {"12.6", 7, 13},
        {"-12.6", 7, -13},
        {"12abc", 7, 7},
        {"2147483647", 7, 2147483647},
        {"-2147483648", 7, std::numeric_limits<int>::min()},
        {"2147483648", 7, 7}, // beyond int: the default, not a wrapped value
        {"99999999999", -1, -1},
        {huge, 5, 5}, // overflows a double
        {"-" + huge, 5, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumOrDefault(c.text, c.fallback), c.expected) << c.text.left(20).toStdString();
}

// ---- Times16 ------------------------------------------------------------------------------------

TEST(Times16, RoundsAndSaturates)
{
    struct Case {
        double number;
        std::int16_t expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0, 0},
        {1, 16},
        {1.5, 24},
        {-1.5, -24},
        {0.03, 0},
        {0.04, 1},
        {-0.04, -1},
        {2047.9375, 32767},
        {2048, 32767},
        {3000, 32767},
        {-2048, -32768},
        {-3000, -32768},
        {inf, 32767},
        {-inf, -32768},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Times16(c.number), c.expected) << c.number;
}

// ---- ParseBandRange -----------------------------------------------------------------------------

TEST(ParseBandRange, TakesBothLimitsFromTheBandText)
{
    struct Case {
        const char* text;
        double low;
        double high;
    };
    const Case cases[] = {{"400 - 480 MHz", 400, 480},
                          {"136 - 174 MHz", 136, 174},
                          {"450 - 520 MHz", 450, 520},
                          {"350 - 390 MHz", 350, 390}};
    for (const Case& c : cases) {
        ModelBand model;
        model.CurrentBandText = c.text;
        model.BandLow = -1;
        model.BandHigh = -1;
        ParseBandRange(model);
        EXPECT_EQ(model.BandLow, c.low) << c.text;
        EXPECT_EQ(model.BandHigh, c.high) << c.text;
    }
}

TEST(ParseBandRange, EveryBandOfTheTableGivesAnAscendingRange)
{
    const QStringList texts = ModelBandTable::BandTexts();
    ASSERT_FALSE(texts.isEmpty());
    for (const QString& text : texts) {
        ModelBand model;
        model.CurrentBandText = text;
        ParseBandRange(model);
        EXPECT_GE(model.BandLow, 100) << text.toStdString();
        EXPECT_LT(model.BandLow, model.BandHigh) << text.toStdString();
        EXPECT_LT(model.BandHigh, 1000) << text.toStdString();
    }
}

} // namespace
} // namespace mk21::test
