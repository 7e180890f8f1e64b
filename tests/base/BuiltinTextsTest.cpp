// The built-in English texts: what every number shows that the chosen language file cannot give.
#include "base/BuiltinTexts.h"
#include "app/LanguageCatalogue.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "tests/app/LanguageFileSupport.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace mk21 {
namespace {

using test::StagedState;

using test::SetLanguageFile;
using test::WriteWholeFile;

TEST(BuiltinTexts, AreTheShippedEnglishFile)
{
    const IniDocument shipped = IniDocument::load(
        QDir(QStringLiteral(MK21_SOURCE_DIR)).filePath(QStringLiteral("resources/language/english.ini")));
    const QList<int> numbers = LanguageCatalogue::AllNumbers();
    ASSERT_GT(numbers.size(), 300);
    for (int number : numbers) {
        const QString section = SectionOfNumber(number);
        EXPECT_EQ(BuiltinEnglish().value(section, QString::number(number)),
                  shipped.value(section, QString::number(number)))
            << number;
    }
}

struct LookupCase {
    const char* name;
    std::optional<QByteArray> file; // the chosen language file; nullopt: missing
    int number;
    const char* expected; // nullptr: the built-in English text
};

void PrintTo(const LookupCase& c, std::ostream* os)
{
    *os << c.name;
}

class FallbackLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(FallbackLookup, TakesTheFileOrElseTheBuiltInEnglish)
{
    const LookupCase& c = GetParam();
    StagedState s;
    s.state.settings.LanguageFileName = QStringLiteral("chinese.ini");
    SetLanguageFile(s, c.file);
    const QString expected = c.expected ? QString::fromUtf8(c.expected) : EnglishText(c.number);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(GetLangText(s.state, c.number), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FallbackLookup,
    testing::Values(LookupCase{"FileTextWins", QByteArray("[Msg]\r\n9008=Funk schweigt\r\n"), 9008,
                               "Funk schweigt"},
                    LookupCase{"NumberMissingFromFile", QByteArray("[Msg]\r\n9008=x\r\n"), 9009, nullptr},
                    LookupCase{"EmptyTextInFile", QByteArray("[Msg]\r\n9008=\r\n"), 9008, nullptr},
                    LookupCase{"SectionMissing", QByteArray("[Msg]\r\n9008=x\r\n"), 10000, nullptr},
                    LookupCase{"EmptyFile", QByteArray(), 12000, nullptr},
                    LookupCase{"Garbage", QByteArray("\xff\xfe\x00\x01garbage\x80\x81", 12), 9033, nullptr},
                    LookupCase{"MissingFile", std::nullopt, 9002, nullptr}),
    [](const testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(FillTextArgs, PutsEachArgumentInItsPlaceOnce)
{
    const struct {
        QString text;
        QStringList args;
        QString expected;
    } cases[] = {
        {QStringLiteral("block %1 refused"), {QStringLiteral("16")}, QStringLiteral("block 16 refused")},
        {QStringLiteral("%2 of %3 (%1)"),
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
         QStringLiteral("b of c (a)")},
        {QStringLiteral("no place"), {QStringLiteral("x")}, QStringLiteral("no place")},
        {QStringLiteral("%1 and %2"), {QStringLiteral("x")}, QStringLiteral("x and %2")},
        {QStringLiteral("%1/%2"), {QStringLiteral("%2"), QStringLiteral("y")}, QStringLiteral("%2/y")},
        {QStringLiteral("%10 %"), {QStringLiteral("x")}, QStringLiteral("%10 %")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillTextArgs(c.text, c.args), c.expected) << c.text.toStdString();
}

} // namespace
} // namespace mk21
