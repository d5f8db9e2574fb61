#include "core/conversion_table.h"

#include "core/pair_label.h"

#include <algorithm>
#include <array>

namespace tessaly {

namespace {

constexpr auto Times = Formula::Times;
constexpr auto TimesDividedBy = Formula::TimesDividedBy;
constexpr auto TimesTimes = Formula::TimesTimes;
constexpr auto MinusTimesPlus = Formula::MinusTimesPlus;
constexpr auto Plain = DisplayForm::Plain;
constexpr auto Round10 = DisplayForm::Round10;

// The constants are the published factors, digits and all: some are deliberately short (a foot is
// 0.0001894 miles here, and Kelvin is Celsius + 273), and results are expected to match them, so
// none is replaced by its exact definition. A ratio such as 5.0 / 9.0 is its own quotient, taken
// before it meets x. Temperatures share one affine form; subtracting 0, multiplying by 1 and
// adding 0 change no result.
// clang-format off
constexpr std::array<ConversionRule, 92> rules{{
    // source        target         formula         a                      b            c     display
    {"Centimeters", "Foots",       Times,          0.0328083989,          0,           0,    Plain},   //  1
    {"Centimeters", "Inches",      Times,          0.3937007874,          0,           0,    Plain},
    {"Centimeters", "Kilometers",  Times,          0.00001,               0,           0,    Plain},
    {"Centimeters", "Meters",      Times,          0.01,                  0,           0,    Plain},
    {"Centimeters", "Miles",       Times,          0.0000062137119223,    0,           0,    Round10},
    {"Centimeters", "Milimeters",  Times,          10,                    0,           0,    Plain},
    {"Centimeters", "Yards",       Times,          0.0109361329,          0,           0,    Plain},
    {"Foots",       "Centimeters", Times,          30.48,                 0,           0,    Plain},
    {"Foots",       "Inches",      Times,          12,                    0,           0,    Plain},
    {"Foots",       "Kilometers",  Times,          0.0003048,             0,           0,    Plain},   // 10
    {"Foots",       "Meters",      Times,          0.3048,                0,           0,    Plain},
    {"Foots",       "Miles",       Times,          0.0001894,             0,           0,    Plain},
    {"Foots",       "Milimeters",  Times,          304.8,                 0,           0,    Plain},
    {"Foots",       "Yards",       Times,          0.3333333333,          0,           0,    Plain},
    {"Inches",      "Centimeters", Times,          2.54,                  0,           0,    Plain},
    {"Inches",      "Foots",       Times,          0.0833333333,          0,           0,    Plain},
    {"Inches",      "Kilometers",  Times,          0.0000254,             0,           0,    Plain},
    {"Inches",      "Meters",      Times,          0.0254,                0,           0,    Plain},
    {"Inches",      "Miles",       Times,          0.00001578,            0,           0,    Round10},
    {"Inches",      "Milimeters",  Times,          25.4,                  0,           0,    Plain},   // 20
    {"Inches",      "Yards",       Times,          0.0277777777,          0,           0,    Plain},
    {"Kilometers",  "Centimeters", Times,          100000,                0,           0,    Plain},
    {"Kilometers",  "Foots",       Times,          3280.839895,           0,           0,    Plain},
    {"Kilometers",  "Inches",      Times,          39370.07874,           0,           0,    Plain},
    {"Kilometers",  "Meters",      Times,          1000,                  0,           0,    Plain},
    {"Kilometers",  "Miles",       Times,          0.6213711922,          0,           0,    Plain},
    {"Kilometers",  "Milimeters",  Times,          1000000,               0,           0,    Plain},
    {"Kilometers",  "Yards",       Times,          1093.61329833,         0,           0,    Plain},
    {"Meters",      "Centimeters", Times,          100,                   0,           0,    Plain},
    {"Meters",      "Foots",       TimesDividedBy, 3280.839895,           1000,        0,    Plain},   // 30
    {"Meters",      "Inches",      TimesDividedBy, 39370.07874,           1000,        0,    Plain},
    {"Meters",      "Kilometers",  Times,          0.001,                 0,           0,    Plain},
    {"Meters",      "Miles",       TimesDividedBy, 0.6213711922,          1000,        0,    Round10},
    {"Meters",      "Milimeters",  Times,          1000,                  0,           0,    Plain},
    {"Meters",      "Yards",       TimesDividedBy, 1093.61329833,         1000,        0,    Plain},
    {"Miles",       "Centimeters", Times,          160934.4,              0,           0,    Plain},
    {"Miles",       "Foots",       Times,          5280,                  0,           0,    Plain},
    {"Miles",       "Inches",      Times,          63360,                 0,           0,    Plain},
    {"Miles",       "Kilometers",  Times,          1.609344,              0,           0,    Plain},
    {"Miles",       "Meters",      Times,          1609.344,              0,           0,    Plain},   // 40
    {"Miles",       "Milimeters",  Times,          1609344,               0,           0,    Plain},
    {"Miles",       "Yards",       Times,          1760,                  0,           0,    Plain},
    {"Milimeters",  "Centimeters", Times,          0.1,                   0,           0,    Plain},
    {"Milimeters",  "Foots",       Times,          0.0032808398,          0,           0,    Plain},
    {"Milimeters",  "Inches",      Times,          0.0393700787,          0,           0,    Plain},
    {"Milimeters",  "Kilometers",  Times,          0.000001,              0,           0,    Round10},
    {"Milimeters",  "Meters",      Times,          0.001,                 0,           0,    Plain},
    {"Milimeters",  "Miles",       Times,          0.00000062137119223,   0,           0,    Round10},
    {"Milimeters",  "Yards",       Times,          0.001093613298,        0,           0,    Plain},
    {"Yards",       "Centimeters", Times,          91.44,                 0,           0,    Plain},   // 50
    {"Yards",       "Foots",       Times,          3,                     0,           0,    Plain},
    {"Yards",       "Inches",      Times,          36,                    0,           0,    Plain},
    {"Yards",       "Kilometers",  Times,          0.0009144,             0,           0,    Round10},
    {"Yards",       "Meters",      Times,          0.9144,                0,           0,    Plain},
    {"Yards",       "Miles",       Times,          0.0005682,             0,           0,    Round10},
    {"Yards",       "Milimeters",  Times,          914.4,                 0,           0,    Plain},
    {"Grams",       "Kilograms",   Times,          0.001,                 0,           0,    Plain},
    {"Grams",       "Milligrams",  Times,          1000,                  0,           0,    Plain},
    {"Grams",       "Ounces",      Times,          0.0352739619,          0,           0,    Plain},
    {"Grams",       "Pounds",      Times,          0.00220462262,         0,           0,    Plain},   // 60
    {"Grams",       "Tons",        Times,          0.000001,              0,           0,    Round10},
    {"Kilograms",   "Grams",       Times,          1000,                  0,           0,    Plain},
    {"Kilograms",   "Milligrams",  Times,          1000000,               0,           0,    Plain},
    {"Kilograms",   "Ounces",      TimesTimes,     0.0352739619,          1000,        0,    Plain},
    {"Kilograms",   "Pounds",      TimesTimes,     0.00220462262,         1000,        0,    Plain},
    {"Kilograms",   "Tons",        TimesTimes,     0.000001,              1000,        0,    Plain},
    {"Milligrams",  "Grams",       Times,          0.001,                 0,           0,    Plain},
    {"Milligrams",  "Kilograms",   Times,          0.000001,              0,           0,    Plain},
    {"Milligrams",  "Ounces",      Times,          0.0000352739619,       0,           0,    Round10},
    {"Milligrams",  "Pounds",      Times,          0.00000220462262,      0,           0,    Round10}, // 70
    {"Milligrams",  "Tons",        Times,          0.000000001,           0,           0,    Round10},
    {"Ounces",      "Grams",       Times,          28.349523125,          0,           0,    Plain},
    {"Ounces",      "Kilograms",   Times,          0.028349523125,        0,           0,    Plain},
    {"Ounces",      "Milligrams",  Times,          28349.523125,          0,           0,    Plain},
    {"Ounces",      "Pounds",      Times,          0.0625,                0,           0,    Plain},
    {"Ounces",      "Tons",        Times,          0.00002835,            0,           0,    Round10},
    {"Pounds",      "Grams",       Times,          453.59237,             0,           0,    Plain},
    {"Pounds",      "Kilograms",   Times,          0.45359237,            0,           0,    Plain},
    {"Pounds",      "Milligrams",  Times,          453592.37,             0,           0,    Plain},
    {"Pounds",      "Ounces",      Times,          16,                    0,           0,    Plain},   // 80
    {"Pounds",      "Tons",        Times,          0.00045359237,         0,           0,    Round10},
    {"Tons",        "Grams",       Times,          1000000,               0,           0,    Plain},
    {"Tons",        "Kilograms",   Times,          1000,                  0,           0,    Plain},
    {"Tons",        "Milligrams",  Times,          1000000000,            0,           0,    Plain},
    {"Tons",        "Ounces",      Times,          35273.962,             0,           0,    Plain},
    {"Tons",        "Pounds",      Times,          2204.62262184,         0,           0,    Plain},
    {"Fahrenheit",  "Celsius",     MinusTimesPlus, 32,                    5.0 / 9.0,   0,    Plain},
    {"Celsius",     "Fahrenheit",  MinusTimesPlus, 0,                     9.0 / 5.0,   32,   Plain},
    {"Celsius",     "Kelvin",      MinusTimesPlus, 0,                     1,           273,  Plain},
    {"Kelvin",      "Fahrenheit",  MinusTimesPlus, 273,                   9.0 / 5.0,   32,   Plain},   // 90
    {"Fahrenheit",  "Kelvin",      MinusTimesPlus, 32,                    5.0 / 9.0,   273,  Plain},
    {"Kelvin",      "Celsius",     MinusTimesPlus, 273,                   1,           0,    Plain},
}};
// clang-format on

} // namespace

std::span<const ConversionRule> ConversionTable()
{
    return rules;
}

const ConversionRule *FindRule(std::string_view text)
{
    const auto *found = std::find_if(rules.begin(), rules.end(),
        [text](const ConversionRule &rule) { return isPairLabel(text, rule.source, rule.target); });
    return found == rules.end() ? nullptr : found;
}

const ConversionRule *FindRule(std::string_view source, std::string_view target)
{
    const auto *found = std::find_if(rules.begin(), rules.end(),
        [&](const ConversionRule &rule) { return rule.source == source && rule.target == target; });
    return found == rules.end() ? nullptr : found;
}

} // namespace tessaly
