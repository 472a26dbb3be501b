#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

// Window sizes are designed in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
namespace twips {

constexpr double kPerPixel = 15.0;

constexpr int toPixels(double t)
{
    return int(t / kPerPixel + (t >= 0 ? 0.5 : -0.5));
}

inline QRect rect(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(double width, double height)
{
    return QSize(toPixels(width), toPixels(height));
}

} // namespace twips
