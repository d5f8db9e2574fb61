#include "ui/behaviour/result_fit.h"

#include "ui/layout/control.h"

#include <algorithm>
#include <cmath>

namespace tessaly {

std::size_t resultBreak(std::string_view text)
{
    const std::size_t exponent = text.find('E');
    return exponent == 0 ? std::string::npos : exponent;
}

ResultFit fitResult(std::string_view text, double room, const MeasureText &width)
{
    constexpr double largest = layout::largeFace.points;
    constexpr double smallest = std::min(layout::largeFace.points, layout::windowFace.points);
    constexpr double step = 0.5;
    if (text.empty())
        return {largest};
    const double full = width(text, largest);
    if (full <= room)
        return {largest};
    // Widths grow nearly in proportion to the size, so the first guess is close; hinting can put
    // it a step off either way, and half a point at a time finds the largest size that fits.
    double points = std::clamp(std::floor(largest * room / full / step) * step, smallest, largest);
    while (points < largest && width(text, points + step) <= room)
        points += step;
    bool fits = width(text, points) <= room;
    while (!fits && points > smallest) {
        points -= step;
        fits = width(text, points) <= room;
    }
    return {points, fits ? std::string::npos : resultBreak(text)};
}

} // namespace tessaly
