#include "runtime/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace tessaly {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

#if defined(__cpp_lib_to_chars)
// Decimal exponent of the leading significant digit of an unsigned decimal that the grammar has
// already accepted, saturated far outside the double range. Only its sign is needed: it tells an
// overflow from an underflow when the exact value does not fit.
constexpr long long exponentSaturation = 1'000'000'000;

long long leadingExponent(std::string_view digits)
{
    const std::size_t expMark = digits.find_first_of("eE");
    const std::string_view mantissa = digits.substr(0, expMark);

    long long exponent = 0;
    if (expMark != std::string_view::npos) {
        std::string_view exp = digits.substr(expMark + 1);
        bool negative = false;
        if (exp.front() == '+' || exp.front() == '-') {
            negative = exp.front() == '-';
            exp.remove_prefix(1);
        }
        exponent = std::accumulate(exp.begin(), exp.end(), 0LL, [](long long sum, char digit) {
            return std::min(exponentSaturation, sum * 10 + (digit - '0'));
        });
        if (negative)
            exponent = -exponent;
    }

    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string_view::npos)
        return 0;
    if (firstSignificant < point)
        return exponent + static_cast<long long>(point - firstSignificant) - 1;
    return exponent - static_cast<long long>(firstSignificant - point);
}
#endif

} // namespace

namespace decimal {

double readC(std::string_view digits)
{
    return std::strtod(std::string(digits).c_str(), nullptr);
}

Digits scientificC(double magnitude)
{
    Digits digits;
    const int length
        = std::snprintf(digits.buffer.data(), digits.buffer.size(), "%.14e", magnitude);
    digits.length = static_cast<std::size_t>(std::clamp(length, 0, 63));
    return digits;
}

Digits fixedC(double magnitude, int places)
{
    Digits digits;
    const int length
        = std::snprintf(digits.buffer.data(), digits.buffer.size(), "%.*f", places, magnitude);
    digits.length = static_cast<std::size_t>(std::clamp(length, 0, 63));
    return digits;
}

#if defined(__cpp_lib_to_chars)
double readStd(std::string_view digits)
{
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    // Out of range, the value is left alone; the decimal's own exponent says which end it is past.
    if (result.ec == std::errc::result_out_of_range)
        return leadingExponent(digits) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

Digits scientificStd(double magnitude)
{
    Digits digits;
    const auto result = std::to_chars(digits.buffer.data(),
        digits.buffer.data() + digits.buffer.size(), magnitude, std::chars_format::scientific, 14);
    digits.length = static_cast<std::size_t>(result.ptr - digits.buffer.data());
    return digits;
}

Digits fixedStd(double magnitude, int places)
{
    Digits digits;
    const auto result = std::to_chars(digits.buffer.data(),
        digits.buffer.data() + digits.buffer.size(), magnitude, std::chars_format::fixed, places);
    digits.length = static_cast<std::size_t>(result.ptr - digits.buffer.data());
    return digits;
}
#endif

} // namespace decimal

std::size_t numberLength(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t integerEnd = skipDigits(text, pos);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.')
        end = skipDigits(text, end + 1);
    // Digits before or after the point: "." alone, or a sign alone, is none.
    if (end - pos == (end > integerEnd ? 1U : 0U))
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t expStart = end + 1;
        if (expStart < text.size() && (text[expStart] == '+' || text[expStart] == '-'))
            ++expStart;
        const std::size_t expEnd = skipDigits(text, expStart);
        if (expEnd > expStart)
            end = expEnd;
    }
    return end;
}

std::optional<double> parseNumber(std::string_view text)
{
    text = trimBlanks(text);
    // An "e" with no digits after it is part of no number, so "2e" is none.
    if (text.empty() || numberLength(text) != text.size())
        return std::nullopt;
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+')
        text.remove_prefix(1);
    const double value = decimal::read(text);
    return negative ? -value : value;
}

std::string formatNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return "0";

    // "d.dddddddddddddde+XX": the 15 significant digits and the exponent of the rounded value,
    // so 999999999999999.5 already arrives as 1e+15 and takes the scientific form.
    const decimal::Digits scientific = decimal::scientific(std::fabs(value));
    const std::string_view written = scientific.text();
    const std::size_t expMark = written.find('e');

    std::string digits;
    digits += written[0];
    digits.append(written, 2, expMark - 2);

    int exponent = 0;
    const std::string_view expText = written.substr(expMark + 2);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    if (written[expMark + 1] == '-')
        exponent = -exponent;

    // The very largest doubles round up to 1.79769313486232E+308, a number beyond the double
    // range that would read back as infinity; they are written one unit lower instead.
    constexpr std::string_view largestFiniteDigits = "179769313486231";
    if (exponent == 308 && digits > largestFiniteDigits)
        digits = largestFiniteDigits;
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -5 && exponent <= 14) {
        if (exponent < 0) {
            text += "0.";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                text += digits;
                text.append(integerDigits - digits.size(), '0');
            } else {
                text.append(digits, 0, integerDigits);
                text += '.';
                text.append(digits, integerDigits);
            }
        }
        return text;
    }

    text += digits[0];
    if (digits.size() > 1) {
        text += '.';
        text.append(digits, 1);
    }
    text += exponent < 0 ? "E-" : "E+";
    if (std::abs(exponent) < 10)
        text += '0';
    text += std::to_string(std::abs(exponent));
    return text;
}

} // namespace tessaly
