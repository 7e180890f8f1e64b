#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

namespace {

TEST(QtPrinters, QtTextsPrintAsQuotedText)
{
    const struct {
        std::string printed;
        std::string expected;
    } cases[] = {
        {testing::PrintToString(QString("abc")), R"("abc")"},
        {testing::PrintToString(QString("ab") + QChar(u'\0') + "  "), R"("ab\0  ")"},
        {testing::PrintToString(QString()), R"("")"},
        {testing::PrintToString(QByteArray("a\x01\xFF", 3)), R"("a\x1\xFF")"},
        {testing::PrintToString(QChar(u'x')), R"("x")"},
        {testing::PrintToString(QStringList{"a", "bc"}), R"({ "a", "bc" })"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.printed, c.expected);
}

TEST(QtPrinters, FailedComparisonShowsTheTexts)
{
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(QString("left side"), QString("right side")), R"("right side")");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(QByteArray("left"), QByteArray("right")), R"("right")");
}

} // namespace
