#include "core/conversion_table.h"

#include "core/list_refill.h"
#include "core/pair_label.h"
#include "core/unit_catalogue.h"
#include "doubles/fake_main_window_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace tessaly {
namespace {

std::string labelOf(const ConversionRule &rule)
{
    return PairLabel(rule.source, rule.target);
}

std::string convert(std::string_view label, double x)
{
    const ConversionRule *rule = FindRule(label);
    if (rule == nullptr)
        return "<no rule for " + std::string(label) + ">";
    return Render(*rule, Evaluate(*rule, x));
}

TEST(ConversionTableTest, HasOneRuleForEveryListedPairAndNoOther)
{
    UnitCatalogue catalogue;
    catalogue.Load();
    FakeMainWindowView view;
    std::set<const ConversionRule *> found;
    for (Category category : allCategories) {
        view.selected = category;
        ListRefill(catalogue, view);
        for (const auto &label : view.items) {
            const ConversionRule *rule = FindRule(label);
            ASSERT_NE(rule, nullptr) << label;
            EXPECT_EQ(labelOf(*rule), label);
            EXPECT_TRUE(found.insert(rule).second) << label << " found twice";
        }
    }
    EXPECT_EQ(found.size(), 92u);
    // A row left out of the table's initialiser would stand there zero-filled, with no label that
    // finds it.
    for (const ConversionRule &rule : ConversionTable())
        EXPECT_EQ(found.count(&rule), 1u) << "no listed pair finds " << labelOf(rule);
}

TEST(ConversionTableTest, LookupIsExactAndIgnoresCategory)
{
    for (const char *text :
        {"", "centimeters to foots", "Centimeters to foots", " Centimeters to Foots",
            "Centimeters to Foots ", "Centimeters  to Foots", "Centimeters to", "Centimeters",
            "Meters to Meters", "Foots to Centimeters to Foots"}) {
        EXPECT_EQ(FindRule(text), nullptr) << '"' << text << '"';
    }
    EXPECT_EQ(FindRule(std::string_view("Centimeters to Foots\0", 21)), nullptr);
    // Rules are found by their label alone, whatever category is selected in the window.
    EXPECT_EQ(convert("Kelvin to Celsius", 300), "27");
}

// Each rule undone by its inverse gives x back, up to the looseness of the table's own short
// factors (Inches to Miles, 0.00001578, is the loosest at about 2e-4). A dropped or doubled digit,
// or a wrong leading digit, in any constant is far outside that.
TEST(ConversionTableTest, EveryRuleAndItsInverseRoundTrip)
{
    for (const ConversionRule &rule : ConversionTable()) {
        const ConversionRule *inverse = FindRule(PairLabel(rule.target, rule.source));
        ASSERT_NE(inverse, nullptr) << labelOf(rule);
        for (double x : {1.0, 37.5, -1234.5}) {
            const double back = Evaluate(*inverse, Evaluate(rule, x));
            EXPECT_NEAR(back, x, 2.5e-4 * std::fabs(x)) << labelOf(rule) << " with " << x;
        }
    }
}

// Going A to B to C must land where A to C does; this ties each constant to all the others of
// its category, not only to its inverse.
TEST(ConversionTableTest, ChainsAgreeWithDirectRules)
{
    UnitCatalogue catalogue;
    catalogue.Load();
    for (Category category : allCategories) {
        const auto &units = catalogue.units(category);
        for (const auto &a : units) {
            for (const auto &b : units) {
                for (const auto &c : units) {
                    if (a == b || b == c || a == c)
                        continue;
                    const double x = 250.0;
                    const double viaB = Evaluate(
                        *FindRule(PairLabel(b, c)), Evaluate(*FindRule(PairLabel(a, b)), x));
                    const double direct = Evaluate(*FindRule(PairLabel(a, c)), x);
                    EXPECT_NEAR(viaB, direct, 2.5e-4 * std::fabs(direct))
                        << a << " to " << b << " to " << c;
                }
            }
        }
    }
}

TEST(ConversionTableTest, KnownResults)
{
    EXPECT_EQ(convert("Pounds to Kilograms", 2.5), "1.133980925");
    EXPECT_EQ(convert("Foots to Miles", 5280), "1.000032");
    EXPECT_EQ(convert("Meters to Foots", 1), "3.280839895");
    EXPECT_EQ(convert("Kilometers to Foots", 1), "3280.839895");
    EXPECT_EQ(convert("Celsius to Fahrenheit", 100), "212");
    EXPECT_EQ(convert("Fahrenheit to Celsius", 212), "100");
    EXPECT_EQ(convert("Celsius to Fahrenheit", -40), "-40");
    EXPECT_EQ(convert("Fahrenheit to Celsius", -40), "-40");
    EXPECT_EQ(convert("Fahrenheit to Celsius", 0), "-17.7777777777778");
    EXPECT_EQ(convert("Celsius to Kelvin", 0), "273");
    EXPECT_EQ(convert("Kelvin to Celsius", 0), "-273");
    EXPECT_EQ(convert("Celsius to Fahrenheit", 0), "32");
    EXPECT_EQ(convert("Kelvin to Fahrenheit", 273), "32");
    EXPECT_EQ(convert("Fahrenheit to Kelvin", 32), "273");
}

TEST(ConversionTableTest, RoundedRulesShowTenDecimalsAtMost)
{
    EXPECT_EQ(convert("Centimeters to Miles", 1), "6.2137E-06");
    EXPECT_EQ(convert("Milligrams to Tons", 1), "1E-09");
    EXPECT_EQ(convert("Milligrams to Tons", 0.01), "0");
    EXPECT_EQ(convert("Milligrams to Tons", -0.01), "0");
    EXPECT_EQ(convert("Meters to Miles", 1000), "0.6213711922");
    // Plain rules keep every digit, however small the factor.
    EXPECT_EQ(convert("Milligrams to Kilograms", 0.01), "1E-08");
    EXPECT_EQ(convert("Centimeters to Kilometers", 1), "0.00001");
}

TEST(ConversionTableTest, ZeroMapsToZeroOrTheOffset)
{
    for (const ConversionRule &rule : ConversionTable()) {
        if (rule.formula == Formula::MinusTimesPlus)
            continue;
        EXPECT_EQ(Render(rule, Evaluate(rule, 0.0)), "0") << labelOf(rule);
        EXPECT_EQ(Render(rule, Evaluate(rule, -0.0)), "0") << labelOf(rule);
    }
}

TEST(ConversionTableTest, ResultsBeyondTheDoubleRangeAreInfinite)
{
    const double huge = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(convert("Kilometers to Foots", huge), "Infinity");
    EXPECT_EQ(convert("Kilometers to Foots", -huge), "-Infinity");
    EXPECT_EQ(convert("Centimeters to Miles", infinity), "Infinity");
    EXPECT_EQ(convert("Fahrenheit to Kelvin", -infinity), "-Infinity");
    EXPECT_EQ(convert("Meters to Foots", huge), "Infinity");

    // The product overflows but the quotient fits: the quotient is the answer.
    for (const char *label : {"Meters to Foots", "Meters to Inches", "Meters to Yards"}) {
        const ConversionRule *rule = FindRule(label);
        ASSERT_NE(rule, nullptr);
        const double x = 1e306;
        ASSERT_FALSE(std::isfinite(x * rule->a)) << label;
        EXPECT_DOUBLE_EQ(Evaluate(*rule, x), x * (rule->a / rule->b)) << label;
        EXPECT_DOUBLE_EQ(Evaluate(*rule, -x), -x * (rule->a / rule->b)) << label;
    }
}

} // namespace
} // namespace tessaly
