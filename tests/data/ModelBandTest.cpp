#include "data/ModelBand.h"

#include <gtest/gtest.h>

namespace T = mk21::ModelBandTable;

TEST(ModelBand, BandTextsAndNumbersConvertBothWays)
{
    const QStringList texts = T::BandTexts();
    const QList<int> numbers = T::BandNumbers();
    ASSERT_EQ(texts.size(), 17);
    ASSERT_EQ(numbers.size(), 17);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(T::BandNumberOfText(texts[i]), numbers[i]);
        EXPECT_EQ(T::BandTextOfNumber(numbers[i]), texts[i]);
    }
    EXPECT_EQ(T::BandNumberOfText("450 - 520 MHz"), 32);
    EXPECT_EQ(T::BandTextOfNumber(32), "450 - 520 MHz");
    EXPECT_EQ(T::BandTextOfNumber(15), "");
    EXPECT_EQ(T::BandTextOfNumber(-1), "");
    EXPECT_EQ(T::BandNumberOfText(""), 0);
    EXPECT_EQ(T::BandNumberOfText("450 - 520 MHz "), 0); // exact match only
}

TEST(ModelBand, ModelNamesAndCodes)
{
    EXPECT_EQ(T::ModelCodeOfDisplayName("MK-21G"), "ZR750");
    EXPECT_EQ(T::ModelCodeOfDisplayName("MK-21"), "ZR750G");
    EXPECT_EQ(T::ModelCodeOfDisplayName(QString("MK-21") + QChar(u'\0') + "  "), "ZR750G");
    EXPECT_EQ(T::ModelCodeOfDisplayName("Other  "), "Other");
    EXPECT_EQ(T::DisplayNameOfModelCode("ZR750"), "MK-21G");
    EXPECT_EQ(T::DisplayNameOfModelCode("ZR750G"), "MK-21");
    EXPECT_EQ(T::DisplayNameOfModelCode("XYZ"), "XYZ");
    EXPECT_TRUE(T::IsKnownModelCode("ZR750"));
    EXPECT_FALSE(T::IsKnownModelCode("ZR750 "));
}
