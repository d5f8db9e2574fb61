// Any 8-byte bit pattern as a double, NaNs and infinities included. The text stays within its
// length limit and, for a finite value, reads back as the same number to 15 significant digits.
#include "fuzz_check.h"
#include "runtime/number_text.h"
#include "runtime/rounding.h"

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);

    for (double shown : {value, tessaly::roundToDecimals(value, 10)}) {
        const std::string text = tessaly::formatNumber(shown);
        FUZZ_CHECK(!text.empty() && text.size() <= tessaly::maxNumberTextLength);
        if (std::isnan(shown)) {
            FUZZ_CHECK(text == "NaN");
            continue;
        }
        if (std::isinf(shown)) {
            FUZZ_CHECK(text == (shown > 0 ? "Infinity" : "-Infinity"));
            continue;
        }
        const auto back = tessaly::parseNumber(text);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(std::isfinite(*back));
        FUZZ_CHECK(tessaly::formatNumber(*back) == text);
    }
    // Rounding keeps a finite value finite and within half a unit of the tenth decimal.
    if (std::isfinite(value)) {
        const double rounded = tessaly::roundToDecimals(value, 10);
        FUZZ_CHECK(std::isfinite(rounded));
        FUZZ_CHECK(std::fabs(rounded - value) <= 5.0000001e-11 + std::fabs(value) * 1e-15);
    }
    return 0;
}
