#include "ui/Twips.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace mk21;

TEST(Twips, OneInchIs1440AtTheLogicalResolution)
{
    const struct {
        double twips;
        double dpi;
        int pixels;
    } cases[] = {
        {1440, 96, 96}, {12500, 96, 833}, {9500, 96, 633},    {1000, 120, 83},
        {15, 96, 1},    {7, 96, 0},       {-1440, 144, -144},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Twips::ToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    EXPECT_EQ(Twips::FromPixels(833, 96), 12495);
    EXPECT_EQ(Twips::FromPixels(96, 120), 1152);
}

TEST(Twips, WidgetsUseTheirScreensResolution)
{
    QWidget widget;
    EXPECT_EQ(Twips::ToPixelsX(1440, widget), widget.logicalDpiX());
    EXPECT_EQ(Twips::ToPixelsY(2880, widget), 2 * widget.logicalDpiY());
    EXPECT_EQ(Twips::FromPixelsX(widget.logicalDpiX(), widget), 1440);
}
