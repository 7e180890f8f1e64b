#pragma once

#include <QPaintDevice>

#include <cmath>

// Window geometry is kept in twips: 1440 twips are one inch at the screen's logical resolution.
namespace mk21::Twips {

inline constexpr double PerInch = 1440.0;

inline int ToPixels(double twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / PerInch));
}

inline int FromPixels(int pixels, double dotsPerInch)
{
    return static_cast<int>(std::lround(pixels * PerInch / dotsPerInch));
}

// Horizontal and vertical resolution may differ; each direction uses its own.
inline int ToPixelsX(double twips, const QPaintDevice& device)
{
    return ToPixels(twips, device.logicalDpiX());
}
inline int ToPixelsY(double twips, const QPaintDevice& device)
{
    return ToPixels(twips, device.logicalDpiY());
}
inline int FromPixelsX(int pixels, const QPaintDevice& device)
{
    return FromPixels(pixels, device.logicalDpiX());
}
inline int FromPixelsY(int pixels, const QPaintDevice& device)
{
    return FromPixels(pixels, device.logicalDpiY());
}

} // namespace mk21::Twips
