#include "data/ToneList.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QSet>

namespace mk21::test {
namespace {

const QString NoTone = QStringLiteral("OFF");

TEST(ToneList, TextsAtTheSectionBorders)
{
    struct Case {
        int position;
        const char* text;
    };
    const Case cases[] = {{1, "67.0"},  {2, "69.3"},   {13, "100.0"}, {50, "254.1"}, {51, "017N"},
                          {52, "023N"}, {166, "765N"}, {167, "017I"}, {168, "023I"}, {282, "765I"}};
    for (const Case& c : cases)
        EXPECT_EQ(ToneList::ToneText(c.position, NoTone), c.text) << c.position;
}

TEST(ToneList, NoToneAndOutOfRangeShowTheGivenText)
{
    for (const int position : {0, -1, 283, 1000})
        EXPECT_EQ(ToneList::ToneText(position, NoTone), NoTone) << position;
    EXPECT_EQ(ToneList::ToneText(0, QStringLiteral("无")), QStringLiteral("无"));
}

TEST(ToneList, FullListHasEveryPositionOnce)
{
    const QStringList texts = ToneList::ToneTexts(NoTone);
    ASSERT_EQ(texts.size(), ToneList::Count);
    EXPECT_EQ(texts.front(), NoTone);
    EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), ToneList::Count);
    for (int p = 0; p < ToneList::Count; ++p)
        EXPECT_EQ(texts[p], ToneList::ToneText(p, NoTone)) << p;
}

TEST(ToneList, CtcssTonesAscendWithOneDecimal)
{
    double previous = 0;
    for (int p = 1; p <= 50; ++p) {
        const QString text = ToneList::ToneText(p, NoTone);
        bool ok = false;
        const double hz = QLocale::c().toDouble(text, &ok);
        ASSERT_TRUE(ok) << p;
        EXPECT_EQ(text.indexOf(u'.'), text.size() - 2) << p;
        EXPECT_GT(hz, previous) << p;
        previous = hz;
    }
}

TEST(ToneList, DcsCodesAreOctalAscendingAndMirroredInverted)
{
    int previous = 0;
    for (int p = 51; p <= 166; ++p) {
        const QString normal = ToneList::ToneText(p, NoTone);
        const QString inverted = ToneList::ToneText(p + 116, NoTone);
        ASSERT_EQ(normal.size(), 4) << p;
        EXPECT_TRUE(normal.endsWith(u'N')) << p;
        EXPECT_TRUE(inverted.endsWith(u'I')) << p;
        EXPECT_EQ(normal.left(3), inverted.left(3)) << p;
        bool ok = false;
        const int code = normal.left(3).toInt(&ok, 8);
        ASSERT_TRUE(ok) << normal.toStdString();
        EXPECT_GT(code, previous) << normal.toStdString();
        previous = code;
    }
}

TEST(ToneList, DcsListHoldsTheLessCommonCodes)
{
    const QStringList texts = ToneList::ToneTexts(NoTone);
    for (const char* code :
         {"017", "050", "055", "135", "217", "254", "305", "345", "425", "534", "645", "765"}) {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(code) + u'N')) << code;
        EXPECT_TRUE(texts.contains(QString::fromLatin1(code) + u'I')) << code;
    }
}

} // namespace
} // namespace mk21::test
