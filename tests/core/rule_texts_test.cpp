// Every rule against result texts worked out apart from this program, from the published table
// with the plain double arithmetic of another language, for inputs chosen so that a factor with
// another last digit, the operations in another order or the other display form each change at
// least one text. tests/core/mutants.sh makes those changes and requires this to catch them.
#include "core/conversion_table.h"
#include "core/pair_label.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly {
namespace {

struct Published
{
    int rule;
    const char *pair;
    const char *input;
    const char *result;
};

// clang-format off
constexpr Published published[] = {
    {1, "Centimeters to Foots", "1", "0.0328083989"},
    {1, "Centimeters to Foots", "1.23456789e-9", "4.05041958042513E-11"},
    {2, "Centimeters to Inches", "1", "0.3937007874"},
    {2, "Centimeters to Inches", "1.23456789e-9", "4.86050350391757E-10"},
    {3, "Centimeters to Kilometers", "1", "0.00001"},
    {3, "Centimeters to Kilometers", "1.23456789e-9", "1.23456789E-14"},
    {4, "Centimeters to Meters", "1", "0.01"},
    {4, "Centimeters to Meters", "1.23456789e-9", "1.23456789E-11"},
    {5, "Centimeters to Miles", "1", "6.2137E-06"},
    {5, "Centimeters to Miles", "123456789", "767.1249216982"},
    {6, "Centimeters to Milimeters", "1", "10"},
    {6, "Centimeters to Milimeters", "1.23456789e-9", "1.23456789E-08"},
    {7, "Centimeters to Yards", "1", "0.0109361329"},
    {7, "Centimeters to Yards", "1.23456789e-9", "1.35013985191126E-11"},
    {8, "Foots to Centimeters", "1", "30.48"},
    {8, "Foots to Centimeters", "1.23456789e-9", "3.76296292872E-08"},
    {9, "Foots to Inches", "1", "12"},
    {9, "Foots to Inches", "1.23456789e-9", "1.481481468E-08"},
    {10, "Foots to Kilometers", "1", "0.0003048"},
    {10, "Foots to Kilometers", "1.23456789e-9", "3.76296292872E-13"},
    {11, "Foots to Meters", "1", "0.3048"},
    {11, "Foots to Meters", "1.23456789e-9", "3.76296292872E-10"},
    {12, "Foots to Miles", "1", "0.0001894"},
    {12, "Foots to Miles", "1.23456789e-9", "2.33827158366E-13"},
    {13, "Foots to Milimeters", "1", "304.8"},
    {13, "Foots to Milimeters", "1.23456789e-9", "3.76296292872E-07"},
    {14, "Foots to Yards", "1", "0.3333333333"},
    {14, "Foots to Yards", "1.23456789e-9", "4.11522629958848E-10"},
    {15, "Inches to Centimeters", "1", "2.54"},
    {15, "Inches to Centimeters", "1.23456789e-9", "3.1358024406E-09"},
    {16, "Inches to Foots", "1", "0.0833333333"},
    {16, "Inches to Foots", "1.23456789e-9", "1.02880657458848E-10"},
    {17, "Inches to Kilometers", "1", "0.0000254"},
    {17, "Inches to Kilometers", "1.23456789e-9", "3.1358024406E-14"},
    {18, "Inches to Meters", "1", "0.0254"},
    {18, "Inches to Meters", "1.23456789e-9", "3.1358024406E-11"},
    {19, "Inches to Miles", "1", "0.00001578"},
    {19, "Inches to Miles", "1.23456789e-9", "0"},
    {20, "Inches to Milimeters", "1", "25.4"},
    {20, "Inches to Milimeters", "1.23456789e-9", "3.1358024406E-08"},
    {21, "Inches to Yards", "1", "0.0277777777"},
    {21, "Inches to Yards", "1.23456789e-9", "3.4293552403978E-11"},
    {22, "Kilometers to Centimeters", "1", "100000"},
    {22, "Kilometers to Centimeters", "1.23456789e-9", "0.000123456789"},
    {23, "Kilometers to Foots", "1", "3280.839895"},
    {23, "Kilometers to Foots", "1.23456789e-9", "4.05041958659797E-06"},
    {24, "Kilometers to Inches", "1", "39370.07874"},
    {24, "Kilometers to Inches", "1.23456789e-9", "0.0000486050350391756"},
    {25, "Kilometers to Meters", "1", "1000"},
    {25, "Kilometers to Meters", "1.23456789e-9", "1.23456789E-06"},
    {26, "Kilometers to Miles", "1", "0.6213711922"},
    {26, "Kilometers to Miles", "1.23456789e-9", "7.67124921661138E-10"},
    {27, "Kilometers to Milimeters", "1", "1000000"},
    {27, "Kilometers to Milimeters", "1.23456789e-9", "0.00123456789"},
    {28, "Kilometers to Yards", "1", "1093.61329833"},
    {28, "Kilometers to Yards", "1.23456789e-9", "1.35013986219521E-06"},
    {29, "Meters to Centimeters", "1", "100"},
    {29, "Meters to Centimeters", "1.23456789e-9", "1.23456789E-07"},
    {30, "Meters to Foots", "1", "3.280839895"},
    {30, "Meters to Foots", "1.23456789e-9", "4.05041958659797E-09"},
    {30, "Meters to Foots", "-881.779", "-2892.9757217732"},
    {31, "Meters to Inches", "1", "39.37007874"},
    {31, "Meters to Inches", "1.23456789e-9", "4.86050350391756E-08"},
    {31, "Meters to Inches", "1.23456789e-14", "4.86050350391757E-13"},
    {32, "Meters to Kilometers", "1", "0.001"},
    {32, "Meters to Kilometers", "1.23456789e-9", "1.23456789E-12"},
    {33, "Meters to Miles", "1", "0.0006213712"},
    {33, "Meters to Miles", "12345.678", "7.6712486574"},
    {33, "Meters to Miles", "1.17534635e+14", "73032636274.7418"},
    {34, "Meters to Milimeters", "1", "1000"},
    {34, "Meters to Milimeters", "1.23456789e-9", "1.23456789E-06"},
    {35, "Meters to Yards", "1", "1.09361329833"},
    {35, "Meters to Yards", "3561359788.847343", "3894750425.22117"},
    {36, "Miles to Centimeters", "1", "160934.4"},
    {36, "Miles to Centimeters", "1.23456789e-9", "0.000198684442636416"},
    {37, "Miles to Foots", "1", "5280"},
    {37, "Miles to Foots", "1.23456789e-9", "6.5185184592E-06"},
    {38, "Miles to Inches", "1", "63360"},
    {38, "Miles to Inches", "1.23456789e-9", "0.0000782222215104"},
    {39, "Miles to Kilometers", "1", "1.609344"},
    {39, "Miles to Kilometers", "1.23456789e-9", "1.98684442636416E-09"},
    {40, "Miles to Meters", "1", "1609.344"},
    {40, "Miles to Meters", "1.23456789e-9", "1.98684442636416E-06"},
    {41, "Miles to Milimeters", "1", "1609344"},
    {41, "Miles to Milimeters", "1.23456789e-9", "0.00198684442636416"},
    {42, "Miles to Yards", "1", "1760"},
    {42, "Miles to Yards", "1.23456789e-9", "2.1728394864E-06"},
    {43, "Milimeters to Centimeters", "1", "0.1"},
    {43, "Milimeters to Centimeters", "1.23456789e-9", "1.23456789E-10"},
    {44, "Milimeters to Foots", "1", "0.0032808398"},
    {44, "Milimeters to Foots", "1.23456789e-9", "4.05041946931402E-12"},
    {45, "Milimeters to Inches", "1", "0.0393700787"},
    {45, "Milimeters to Inches", "1.23456789e-9", "4.86050349897929E-11"},
    {46, "Milimeters to Kilometers", "1", "1E-06"},
    {46, "Milimeters to Kilometers", "1.23456789e-9", "0"},
    {47, "Milimeters to Meters", "1", "0.001"},
    {47, "Milimeters to Meters", "1.23456789e-9", "1.23456789E-12"},
    {48, "Milimeters to Miles", "1", "6.214E-07"},
    {48, "Milimeters to Miles", "123456789", "76.7124921698"},
    {49, "Milimeters to Yards", "1", "0.001093613298"},
    {50, "Yards to Centimeters", "1", "91.44"},
    {50, "Yards to Centimeters", "1.23456789e-9", "1.128888878616E-07"},
    {51, "Yards to Foots", "1", "3"},
    {51, "Yards to Foots", "1.23456789e-9", "3.70370367E-09"},
    {52, "Yards to Inches", "1", "36"},
    {52, "Yards to Inches", "1.23456789e-9", "4.444444404E-08"},
    {53, "Yards to Kilometers", "1", "0.0009144"},
    {53, "Yards to Kilometers", "1.23456789e-9", "0"},
    {54, "Yards to Meters", "1", "0.9144"},
    {54, "Yards to Meters", "1.23456789e-9", "1.128888878616E-09"},
    {55, "Yards to Miles", "1", "0.0005682"},
    {55, "Yards to Miles", "1.23456789e-9", "0"},
    {56, "Yards to Milimeters", "1", "914.4"},
    {56, "Yards to Milimeters", "1.23456789e-9", "1.128888878616E-06"},
    {57, "Grams to Kilograms", "1", "0.001"},
    {57, "Grams to Kilograms", "1.23456789e-9", "1.23456789E-12"},
    {58, "Grams to Milligrams", "1", "1000"},
    {58, "Grams to Milligrams", "1.23456789e-9", "1.23456789E-06"},
    {59, "Grams to Ounces", "1", "0.0352739619"},
    {59, "Grams to Ounces", "1.23456789e-9", "4.35481007148234E-11"},
    {60, "Grams to Pounds", "1", "0.00220462262"},
    {61, "Grams to Tons", "1", "1E-06"},
    {61, "Grams to Tons", "1.23456789e-9", "0"},
    {62, "Kilograms to Grams", "1", "1000"},
    {62, "Kilograms to Grams", "1.23456789e-9", "1.23456789E-06"},
    {63, "Kilograms to Milligrams", "1", "1000000"},
    {63, "Kilograms to Milligrams", "1.23456789e-9", "0.00123456789"},
    {64, "Kilograms to Ounces", "1", "35.2739619"},
    {64, "Kilograms to Ounces", "1.23456789e-9", "4.35481007148234E-08"},
    {64, "Kilograms to Ounces", "5109793499.825873", "180242661229.726"},
    {65, "Kilograms to Pounds", "1", "2.20462262"},
    {65, "Kilograms to Pounds", "1.23456789e-9", "2.72175629621967E-09"},
    {65, "Kilograms to Pounds", "17.4686225", "38.511720303741"},
    {66, "Kilograms to Tons", "1", "0.001"},
    {66, "Kilograms to Tons", "1.23456789e-9", "1.23456789E-12"},
    {66, "Kilograms to Tons", "7642.606849543865", "7.64260684954386"},
    {67, "Milligrams to Grams", "1", "0.001"},
    {67, "Milligrams to Grams", "1.23456789e-9", "1.23456789E-12"},
    {68, "Milligrams to Kilograms", "1", "1E-06"},
    {68, "Milligrams to Kilograms", "1.23456789e-9", "1.23456789E-15"},
    {69, "Milligrams to Ounces", "1", "0.000035274"},
    {69, "Milligrams to Ounces", "12345.678", "0.4354809754"},
    {70, "Milligrams to Pounds", "1", "2.2046E-06"},
    {70, "Milligrams to Pounds", "12345.678", "0.027217561"},
    {71, "Milligrams to Tons", "1", "1E-09"},
    {71, "Milligrams to Tons", "1.23456789e-9", "0"},
    {72, "Ounces to Grams", "1", "28.349523125"},
    {72, "Ounces to Grams", "1.23456789e-9", "3.49994109469375E-08"},
    {73, "Ounces to Kilograms", "1", "0.028349523125"},
    {74, "Ounces to Milligrams", "1", "28349.523125"},
    {74, "Ounces to Milligrams", "1.23456789e-9", "0.0000349994109469375"},
    {75, "Ounces to Pounds", "1", "0.0625"},
    {75, "Ounces to Pounds", "1.23456789e-9", "7.7160493125E-11"},
    {76, "Ounces to Tons", "1", "0.00002835"},
    {76, "Ounces to Tons", "1.23456789e-9", "0"},
    {77, "Pounds to Grams", "1", "453.59237"},
    {77, "Pounds to Grams", "1.23456789e-9", "5.59990575150999E-07"},
    {78, "Pounds to Kilograms", "1", "0.45359237"},
    {78, "Pounds to Kilograms", "1.23456789e-9", "5.59990575150999E-10"},
    {79, "Pounds to Milligrams", "1", "453592.37"},
    {79, "Pounds to Milligrams", "1.23456789e-9", "0.000559990575150999"},
    {80, "Pounds to Ounces", "1", "16"},
    {80, "Pounds to Ounces", "1.23456789e-9", "1.975308624E-08"},
    {81, "Pounds to Tons", "1", "0.0004535924"},
    {81, "Pounds to Tons", "7", "0.0031751466"},
    {82, "Tons to Grams", "1", "1000000"},
    {82, "Tons to Grams", "1.23456789e-9", "0.00123456789"},
    {83, "Tons to Kilograms", "1", "1000"},
    {83, "Tons to Kilograms", "1.23456789e-9", "1.23456789E-06"},
    {84, "Tons to Milligrams", "1", "1000000000"},
    {84, "Tons to Milligrams", "1.23456789e-20", "1.23456789E-11"},
    {85, "Tons to Ounces", "1", "35273.962"},
    {85, "Tons to Ounces", "1.23456789e-9", "0.0000435481008382802"},
    {86, "Tons to Pounds", "1", "2204.62262184"},
    {86, "Tons to Pounds", "1.23456789e-9", "2.72175629849128E-06"},
    {87, "Fahrenheit to Celsius", "1", "-17.2222222222222"},
    {87, "Fahrenheit to Celsius", "204.558", "95.8655555555556"},
    {88, "Celsius to Fahrenheit", "1", "33.8"},
    {88, "Celsius to Fahrenheit", "1.23456789e-9", "32.0000000022222"},
    {89, "Celsius to Kelvin", "1", "274"},
    {89, "Celsius to Kelvin", "1.23456789e-9", "273.000000001235"},
    {90, "Kelvin to Fahrenheit", "1", "-457.6"},
    {90, "Kelvin to Fahrenheit", "1.23456789e-9", "-459.399999997778"},
    {90, "Kelvin to Fahrenheit", "271.828", "29.8904"},
    {91, "Fahrenheit to Kelvin", "1", "255.777777777778"},
    {91, "Fahrenheit to Kelvin", "-496.0", "-20.3333333333334"},
    {92, "Kelvin to Celsius", "1", "-272"},
    {92, "Kelvin to Celsius", "1.23456789e-9", "-272.999999998765"},
};
// clang-format on

// One case a rule, named by its label, so that a failure names the rule.
class RuleTextsTest : public ::testing::TestWithParam<int>
{ };

TEST_P(RuleTextsTest, GivesThePublishedTexts)
{
    const ConversionRule &rule = ConversionTable()[static_cast<std::size_t>(GetParam() - 1)];
    int rows = 0;
    for (const Published &row : published) {
        if (row.rule != GetParam())
            continue;
        EXPECT_EQ(PairLabel(rule.source, rule.target), row.pair);
        EXPECT_EQ(Convert(rule, row.input).value_or("(not a number)"), row.result) << row.input;
        ++rows;
    }
    EXPECT_GT(rows, 0) << "no published texts";
}

INSTANTIATE_TEST_SUITE_P(EveryRule, RuleTextsTest,
    ::testing::Range(1, static_cast<int>(ConversionTable().size()) + 1),
    [](const ::testing::TestParamInfo<int> &info) {
        const ConversionRule &rule = ConversionTable()[static_cast<std::size_t>(info.param - 1)];
        return std::string(rule.source) + "To" + std::string(rule.target);
    });

} // namespace
} // namespace tessaly
