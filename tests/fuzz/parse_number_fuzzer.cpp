// Any bytes as the input box's text. A text that is accepted, written out again and re-read,
// must give the same number to 15 significant digits.
#include "fuzz_check.h"
#include "runtime/number_text.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto value = tessaly::parseNumber(text);
    if (!value)
        return 0;
    FUZZ_CHECK(!std::isnan(*value));

    const std::string written = tessaly::formatNumber(*value);
    FUZZ_CHECK(written.size() <= tessaly::maxNumberTextLength);
    if (!std::isfinite(*value))
        return 0;
    const auto reread = tessaly::parseNumber(written);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(std::isfinite(*reread));
    FUZZ_CHECK(tessaly::formatNumber(*reread) == written);
    return 0;
}
