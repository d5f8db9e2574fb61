#include "core/conversion_rule.h"

#include "runtime/number_text.h"
#include "runtime/rounding.h"

#include <cmath>

namespace tessaly {

namespace {

// (x × a) ÷ b as though the product had no upper limit. Scaling by a power of two is exact, so
// the product and quotient round exactly as the unscaled ones would have.
double timesDividedBy(double x, double a, double b)
{
    const double product = x * a;
    if (std::isfinite(product) || !std::isfinite(x))
        return product / b;
    constexpr int scale = 64;
    return std::ldexp(std::ldexp(x, -scale) * a / b, scale);
}

} // namespace

double Evaluate(const ConversionRule &rule, double x)
{
    switch (rule.formula) {
    case Formula::Times:
        return x * rule.a;
    case Formula::TimesDividedBy:
        return timesDividedBy(x, rule.a, rule.b);
    case Formula::TimesTimes:
        return (x * rule.a) * rule.b;
    case Formula::MinusTimesPlus:
        return (x - rule.a) * rule.b + rule.c;
    }
    return x;
}

std::string Render(const ConversionRule &rule, double value)
{
    constexpr int round10Places = 10;
    if (rule.display == DisplayForm::Round10)
        value = roundToDecimals(value, round10Places);
    return formatNumber(value);
}

std::optional<std::string> Convert(const ConversionRule &rule, std::string_view input)
{
    const auto x = parseNumber(input);
    if (!x)
        return std::nullopt;
    return Render(rule, Evaluate(rule, *x));
}

} // namespace tessaly
