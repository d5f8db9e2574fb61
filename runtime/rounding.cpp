#include "runtime/rounding.h"

#include "runtime/number_text.h"

#include <cmath>

namespace tessaly {

double roundToDecimals(double value, int places)
{
    // From 2^52 on every double is a whole number, so there is nothing left to round.
    if (!std::isfinite(value) || std::fabs(value) >= 0x1p52)
        return value;

    // Printing with a fixed precision rounds the exact binary value, which multiplying by 10^n
    // and calling round() does not: the product is itself rounded first.
    // Ties go to the even digit, the same either side of zero, so the sign can wait.
    return std::copysign(decimal::read(decimal::fixed(std::fabs(value), places).text()), value);
}

} // namespace tessaly
