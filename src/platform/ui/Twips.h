#pragma once

#include <QRect>

namespace trelimor::ui {

// Window layouts are given in twips; on screen 15 twips make one pixel.
inline constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(double twips)
{
    const double pixels = twips / TwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// A control's geometry from its left, top, width and height in twips.
constexpr QRect rectFromTwips(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace trelimor::ui
