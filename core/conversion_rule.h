#ifndef TESSALY_CORE_CONVERSION_RULE_H
#define TESSALY_CORE_CONVERSION_RULE_H

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// The order in which a rule's constants meet the input x. Each step is one rounded double
// operation, in exactly the order written.
enum class Formula {
    Times,          // x × a
    TimesDividedBy, // (x × a) ÷ b
    TimesTimes,     // (x × a) × b
    MinusTimesPlus, // (x − a) × b + c
};

// How the result is written: directly, or first rounded to 10 decimal places.
enum class DisplayForm { Plain, Round10 };

// Unused constants are 0 or 1, which leave every result, ±0 included, as it is.
struct ConversionRule
{
    std::string_view source;
    std::string_view target;
    Formula formula;
    double a;
    double b;
    double c;
    DisplayForm display;
};

// The rule's formula applied to x. Never fails: a result beyond the double range is an infinity
// of its sign, and a quotient that fits is returned even when its dividend alone would not.
[[nodiscard]] double Evaluate(const ConversionRule &rule, double x);

// The result as the user sees it, by the rule's display form.
[[nodiscard]] std::string Render(const ConversionRule &rule, double value);

// The result text for a typed input, the same in the window and on the command line; nullopt
// when the input is not a number.
[[nodiscard]] std::optional<std::string> Convert(
    const ConversionRule &rule, std::string_view input);

} // namespace tessaly

#endif
