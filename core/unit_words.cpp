#include "core/unit_words.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace tessaly {

namespace {

constexpr auto Length = Category::Length;
constexpr auto Mass = Category::Mass;
constexpr auto Temperature = Category::Temperature;

// Celsius and Fahrenheit take every degree sign people type: the degree sign, the ordinal
// indicator that Spanish and Portuguese keyboards give for it, the ring above, and the single
// characters for the two scales. "C" and "F" alone are read as the scales: Tessaly has no
// coulomb or farad for them to be. "K" is the letter or the Kelvin sign.
// clang-format off
constexpr std::array<UnitWords, 17> words{{
    {"Centimeters", Length, {"cm"},
        {"centimeter", "centimeters", "centimetre", "centimetres"}},
    {"Foots", Length, {"ft", "'", "\u2032"}, {"foot", "feet", "foots"}},
    {"Inches", Length, {"in", "\"", "\u2033"}, {"inch", "inches"}},
    {"Kilometers", Length, {"km"}, {"kilometer", "kilometers", "kilometre", "kilometres"}},
    {"Meters", Length, {"m"}, {"meter", "meters", "metre", "metres"}},
    {"Miles", Length, {"mi"}, {"mile", "miles"}},
    {"Milimeters", Length, {"mm"},
        {"millimeter", "millimeters", "millimetre", "millimetres", "milimeter", "milimeters"}},
    {"Yards", Length, {"yd"}, {"yard", "yards"}},
    {"Grams", Mass, {"g"}, {"gram", "grams", "gramme", "grammes"}},
    {"Kilograms", Mass, {"kg"}, {"kilogram", "kilograms", "kilogramme", "kilogrammes"}},
    {"Milligrams", Mass, {"mg"}, {"milligram", "milligrams"}},
    {"Ounces", Mass, {"oz"}, {"ounce", "ounces"}},
    {"Pounds", Mass, {"lb", "lbs"}, {"pound", "pounds"}},
    // The metric tonne; "ton" alone is refused below.
    {"Tons", Mass, {"t"}, {"tonne", "tonnes", "tons", "metric ton", "metric tons"}},
    {"Celsius", Temperature, {"\u00b0C", "\u2103", "\u00baC", "\u02daC", "degC", "C"},
        {"celsius", "centigrade"}},
    {"Fahrenheit", Temperature, {"\u00b0F", "\u2109", "\u00baF", "\u02daF", "degF", "F"},
        {"fahrenheit"}},
    {"Kelvin", Temperature, {"K", "\u212a"}, {"kelvin", "kelvins"}},
}};
// clang-format on

constexpr std::string_view noOtherTon
    = "Tons is the metric tonne, 1000 kilograms, and Tessaly has no short or long ton; "
      "write t, tonne or tons";

constexpr std::array<RefusedWords, 2> refused{{
    {{"ton", "short ton", "short tons", "long ton", "long tons"}, noOtherTon},
    {{"fl oz"}, "a fluid ounce is a volume, and Tessaly converts length, mass and temperature"},
}};

} // namespace

std::span<const UnitWords> unitWordTable()
{
    return words;
}

std::span<const std::string_view> singleUnitWords()
{
    static const std::vector<std::string_view> single = [] {
        std::vector<std::string_view> all;
        for (const UnitWords &unit : words) {
            for (const auto &forms : {unit.symbols, unit.names}) {
                std::copy_if(
                    forms.begin(), forms.end(), std::back_inserter(all), [](std::string_view form) {
                        return !form.empty() && form.find(' ') == std::string_view::npos;
                    });
            }
        }
        return all;
    }();
    return single;
}

std::span<const RefusedWords> refusedWordTable()
{
    return refused;
}

} // namespace tessaly
