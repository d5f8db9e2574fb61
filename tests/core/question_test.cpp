// Questions in people's words, read through the same rules as a PAIR: a table of what each form
// reads as and of every kind of refusal, and every word of every rule's units.
#include "core/question.h"

#include "core/conversion_table.h"
#include "core/pair_label.h"
#include "core/suggestions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaly {
namespace {

struct Read
{
    std::string_view question;
    // The PAIR it asks by, and the value's text ("" for none).
    std::string_view pair;
    std::string_view value;
};

// clang-format off
constexpr Read reads[] = {
    // Each separator, in any case, or none.
    {"1 m to cm", "Meters to Centimeters", "1"},
    {"1 m TO cm", "Meters to Centimeters", "1"},
    {"1 m into cm", "Meters to Centimeters", "1"},
    {"1 m As cm", "Meters to Centimeters", "1"},
    {"1 m -> cm", "Meters to Centimeters", "1"},
    {"1 m \u2192 cm", "Meters to Centimeters", "1"},
    {"1 m = cm", "Meters to Centimeters", "1"},
    {"1 m cm", "Meters to Centimeters", "1"},
    {"100 degF degC", "Fahrenheit to Celsius", "100"},
    // The value written against its unit, and separator signs against both.
    {"2.5lb kg", "Pounds to Kilograms", "2.5"},
    {"-40\u00b0F to \u00b0C", "Fahrenheit to Celsius", "-40"},
    {"5' cm", "Foots to Centimeters", "5"},
    {"12\" ft", "Inches to Foots", "12"},
    {"1e3m->km", "Meters to Kilometers", "1e3"},
    {"-.5kg=g", "Kilograms to Grams", "-.5"},
    {"300K in \u2103", "Kelvin to Celsius", "300"},
    // "in": the inch after a value, the separator after a unit, unless nothing follows.
    {"5 in in cm", "Inches to Centimeters", "5"},
    {"5 ft in in", "Foots to Inches", "5"},
    {"12 in to ft", "Inches to Foots", "12"},
    {"5 ft in", "Foots to Inches", "5"},
    {"in cm", "Inches to Centimeters", ""},
    // Names in any case; symbols in their own.
    {"2 POUNDS to Kilogrammes", "Pounds to Kilograms", "2"},
    {"1 Metric  Tons to kg", "Tons to Kilograms", "1"},
    {"3 TONS g", "Tons to Grams", "3"},
    {"1 Feet METRES", "Foots to Meters", "1"},
    {"7 \u212a \u00baC", "Kelvin to Celsius", "7"},
    // Units alone, and blanks of every kind around the words.
    {"lb to kg", "Pounds to Kilograms", ""},
    {"\u00b0F in \u00b0C", "Fahrenheit to Celsius", ""},
    {" \tft\r\nm ", "Foots to Meters", ""},
    // A value that is no number is the conversion's to refuse, as it is for a PAIR's.
    {"1,5 lb to kg", "Pounds to Kilograms", "1,5"},
    {"abc ft m", "Foots to Meters", "abc"},
};

struct Refused
{
    std::string_view question;
    // What the refusal must say.
    std::string_view says;
};

constexpr Refused refusals[] = {
    // Units Tessaly does not have, or would have to guess at.
    {"1 ton to kg", R"(no unit "ton": Tons is the metric tonne)"},
    {"1 short ton to kg", R"(no unit "short ton": )"},
    {"2 Long Tons kg", R"(no unit "Long Tons": )"},
    {"1 fl oz to g", R"(no unit "fl oz": a fluid ounce is a volume)"},
    {"1 stone to kg", R"(no unit "stone"; did you mean "tonne" or "tons"?)"},
    {"1 furlong to m", R"(no unit "furlong")"},
    {"1 ozt to g", R"(no unit "ozt"; did you mean "oz"?)"},
    {"lbb kg", R"(no unit "lbb"; did you mean "lb" or "lbs"?)"},
    // Symbols in a case not their own.
    {"1 M to cm", R"(no unit "M" (a symbol is read in its own case); did you mean "m"?)"},
    {"1 Mg to g", R"(no unit "Mg" (a symbol is read in its own case); did you mean "mg"?)"},
    {"1 KG to g", R"(no unit "KG" (a symbol is read in its own case); did you mean "kg"?)"},
    {"100 f to c", R"(no unit "f" (a symbol is read in its own case); did you mean "F"?)"},
    // One value in one unit at a time.
    {R"(5'10" to cm)", R"(cannot read "5'10\"": ask for one value in one unit at a time)"},
    {"5 ft 10 in", R"("10" is a second value: ask for one value in one unit at a time)"},
    // Units that make no conversion.
    {"1 lb to m", R"("m" is a length and "lb" a mass; Pounds converts to Grams, Kilograms, )"
        "Milligrams, Ounces or Tons"},
    {"1 kg to kg", R"("kg" and "kg" are both Kilograms; Kilograms converts to Grams)"},
    // A unit missing, or one too many.
    {"1 kg to", R"(no unit after "to")"},
    {"1 to kg", R"(no unit before "to")"},
    {"1 kg to to g", R"(no unit after "to")"},
    {"1 kg", R"(no unit to convert "kg" to)"},
    {"5", R"(no unit after "5")"},
    {"", "nothing to convert"},
    {"1 kg g mg", R"(one unit too many: "mg")"},
    {"1 kg g please", R"(one word too many: "please")"},
};
// clang-format on

TEST(QuestionTest, ReadsEachFormAsItsPair)
{
    for (const Read &row : reads) {
        const Question question = readQuestion(row.question);
        const std::string asked = question.rule != nullptr
            ? PairLabel(question.rule->source, question.rule->target)
            : std::string();
        EXPECT_EQ(asked, row.pair) << row.question << ": " << question.refusal;
        EXPECT_EQ(question.value.value_or(""), row.value) << row.question;
    }
}

TEST(QuestionTest, RefusesWhatItCannotReadAndSaysWhy)
{
    for (const Refused &row : refusals) {
        const Question question = readQuestion(row.question);
        EXPECT_EQ(question.rule, nullptr) << row.question;
        EXPECT_NE(question.refusal.find(row.says), std::string::npos)
            << row.question << ": " << question.refusal;
    }
}

// Every word of both units of every rule, in every place a unit stands, asks that rule: no word
// reads as another unit.
TEST(QuestionTest, EveryWordOfEveryRuleAsksThatRule)
{
    const auto wordsOf = [](std::string_view unit) {
        std::vector<std::string_view> all;
        for (const UnitWords &words : unitWordTable()) {
            for (const auto &forms : {words.symbols, words.names}) {
                std::copy_if(forms.begin(), forms.end(), std::back_inserter(all),
                    [&](std::string_view form) { return words.unit == unit && !form.empty(); });
            }
        }
        return all;
    };
    std::size_t asked = 0;
    for (const ConversionRule &rule : ConversionTable()) {
        for (const std::string_view from : wordsOf(rule.source)) {
            for (const std::string_view to : wordsOf(rule.target)) {
                const std::string text = "-1.5 " + std::string(from) + " to " + std::string(to);
                const Question question = readQuestion(text);
                ASSERT_EQ(question.rule, &rule) << text << ": " << question.refusal;
                ASSERT_EQ(question.value.value_or(""), "-1.5") << text;
                ++asked;
            }
        }
    }
    EXPECT_GT(asked, 92U * 9);
}

// The first suggestion is the likeliest; text that is like no pair gets none.
TEST(SuggestionsTest, OffersWhatTheUserMostLikelyMeant)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Foots to Meterz", "Foots to Meters"},
        {"Millimeters to Inches", "Milimeters to Inches"},
        {"pounds  to KILOGRAMS", "Pounds to Kilograms"},
        {"Celcius to Farenheit", "Celsius to Fahrenheit"},
        {"Grams ot Tons", "Grams to Tons"},
        {"the moon", ""},
        {std::string(100000, 'a'), ""},
    };
    for (const auto &[typed, likeliest] : cases) {
        const auto offered = suggestPairs(typed);
        EXPECT_LE(offered.size(), 3U);
        EXPECT_EQ(offered.empty() ? "" : offered.front(), likeliest) << typed.substr(0, 40);
    }
}

} // namespace
} // namespace tessaly
