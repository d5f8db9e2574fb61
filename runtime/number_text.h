#ifndef TESSALY_RUNTIME_NUMBER_TEXT_H
#define TESSALY_RUNTIME_NUMBER_TEXT_H

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// Reads a decimal number. Spaces and tabs around it are ignored; what remains must be an optional
// sign, digits with at most one "." (".5" and "5." count) and an optional exponent ("e" or "E",
// optional sign, digits). Anything else, the empty text included, is not a number: std::nullopt.
// The value is the double nearest to the decimal; beyond the double range it is an infinity of
// its sign, below the smallest subnormal a zero of its sign. Never depends on the locale.
[[nodiscard]] std::optional<double> parseNumber(std::string_view text);

// Writes a double with 15 significant digits, correctly rounded (but never beyond the largest
// double, so that every finite text reads back as a finite number), trailing zeros and point
// dropped, "." as the decimal point. Plain notation when the rounded value's decimal exponent is
// -5..14, otherwise "d.dddE+XX" with at least two exponent digits. -0 is "0"; infinities are
// "Infinity" and "-Infinity"; NaN is "NaN". The text never exceeds maxNumberTextLength characters.
[[nodiscard]] std::string formatNumber(double value);

inline constexpr std::size_t maxNumberTextLength = 22;

} // namespace tessaly

#endif
