#ifndef TESSALY_RUNTIME_NUMBER_TEXT_H
#define TESSALY_RUNTIME_NUMBER_TEXT_H

#include <array>
#include <charconv>
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

// The length of the number at the very start of text, by the same grammar, blanks not allowed:
// 3 for "2.5lb", 3 for "-40°F", 1 for "2em"; 0 where text starts with no number.
[[nodiscard]] std::size_t numberLength(std::string_view text);

// Writes a double with 15 significant digits, correctly rounded (but never beyond the largest
// double, so that every finite text reads back as a finite number), trailing zeros and point
// dropped, "." as the decimal point. Plain notation when the rounded value's decimal exponent is
// -5..14, otherwise "d.dddE+XX" with at least two exponent digits. -0 is "0"; infinities are
// "Infinity" and "-Infinity"; NaN is "NaN". The text never exceeds maxNumberTextLength characters.
[[nodiscard]] std::string formatNumber(double value);

inline constexpr std::size_t maxNumberTextLength = 22;

// The conversions between a double and its decimal digits that number text and rounding rest
// on, each in two forms: the C++ library's (std::from_chars, std::to_chars) and the C library's
// (strtod, snprintf), for a C++ library without floating-point forms of those (libc++ before 14,
// as Emscripten's has). read, scientific and fixed are the C++ library's where it has them. The
// C library's forms read and write the "C" locale's ".", the only locale a WebAssembly program
// has; they are compiled everywhere, so that the tests hold both forms to the same answers.
namespace decimal {

// Digits written into a buffer of their own, so that writing a number allocates nothing.
struct Digits
{
    std::array<char, 64> buffer{};
    std::size_t length = 0;

    [[nodiscard]] std::string_view text() const { return {buffer.data(), length}; }
};

// The double nearest to an unsigned decimal that parseNumber's grammar has accepted ("12.5e-3"):
// infinity past the largest double, 0 below the smallest subnormal.
[[nodiscard]] double readC(std::string_view digits);
// A finite double, without its sign, as "d.dddddddddddddde+XX": 15 significant digits, correctly
// rounded, and an exponent of at least two digits.
[[nodiscard]] Digits scientificC(double magnitude);
// A finite double below 2^53, without its sign, with the given count of decimals (0..17), correctly
// rounded from its exact binary value, ties to even.
[[nodiscard]] Digits fixedC(double magnitude, int places);

#if defined(__cpp_lib_to_chars)
[[nodiscard]] double readStd(std::string_view digits);
[[nodiscard]] Digits scientificStd(double magnitude);
[[nodiscard]] Digits fixedStd(double magnitude, int places);

inline constexpr auto read = readStd;
inline constexpr auto scientific = scientificStd;
inline constexpr auto fixed = fixedStd;
#else
inline constexpr auto read = readC;
inline constexpr auto scientific = scientificC;
inline constexpr auto fixed = fixedC;
#endif

} // namespace decimal

} // namespace tessaly

#endif
