#include "runtime/rounding.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tessaly {

double roundToDecimals(double value, int places)
{
    // From 2^52 on every double is a whole number, so there is nothing left to round.
    if (!std::isfinite(value) || std::fabs(value) >= 0x1p52)
        return value;

    // Printing with a fixed precision rounds the exact binary value, which multiplying by 10^n
    // and calling round() does not: the product is itself rounded first.
    std::array<char, 64> buffer{};
    const auto printed = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, places);
    double rounded = value;
    std::from_chars(buffer.data(), printed.ptr, rounded);
    return rounded;
}

} // namespace tessaly
