#ifndef TESSALY_RUNTIME_ROUNDING_H
#define TESSALY_RUNTIME_ROUNDING_H

namespace tessaly {

// Rounds to the given number of decimal places (0..17), working from the double's exact binary
// value; a value exactly halfway goes to the even last digit. Returns the double nearest to the
// rounded decimal. Infinities, NaN and values too large to have a fraction come back unchanged,
// so rounding never turns a finite value infinite.
[[nodiscard]] double roundToDecimals(double value, int places);

} // namespace tessaly

#endif
