#include "cli/value_converter.h"

#include "cli/line_reader.h"
#include "cli/output.h"
#include "cli/quote.h"
#include "cli/suggestions.h"
#include "core/conversion_table.h"
#include "core/convert_command.h"
#include "core/pair_label.h"
#include "doubles/fake_main_window_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tessaly::cli {
namespace {

// Feeds text to a LineReader in pieces of the given size, as a pipe might.
LineReader::Source piecesOf(const std::string &text, std::size_t piece)
{
    return [&text, piece, at = std::size_t{0}](char *buffer, std::size_t size) mutable {
        const std::size_t count = std::min({piece, size, text.size() - at});
        std::copy_n(text.data() + at, count, buffer);
        at += count;
        return static_cast<long>(count);
    };
}

// Every rule, over inputs of every shape: the command line's standard input gives each line
// exactly the text the window's Convert command shows for it, and an empty line where the window
// leaves the result empty.
TEST(ValueConverterTest, AnswersEveryPairExactlyAsTheWindowDoes)
{
    const std::vector<std::string> inputs{"2.5", "-40", "0", "-0", " 1e-7 ", "123456789012345678",
        "1.5e308", "-2.2250738585072014e-308", ".5", "5.", "1e400", "abc", "", "1,5", "0x10",
        "\t300\t", "999999999999999.5", "0.00001578"};
    std::string stdinText;
    for (const auto &input : inputs)
        stdinText += input + "\r\n";

    for (const ConversionRule &rule : ConversionTable()) {
        FakeMainWindowView view;
        view.comboText = PairLabel(rule.source, rule.target);
        RecordingMessageBox messages;
        std::string expected;
        for (const auto &input : inputs) {
            view.inputText = input;
            ConvertCommand(view, messages);
            expected += view.caption + '\n';
        }

        Output out;
        Output errors;
        ValueConverter converter(rule, out, errors);
        LineReader lines(piecesOf(stdinText, 7), nullptr);
        EXPECT_TRUE(converter.convertLines(lines));
        EXPECT_EQ(out.text(), expected) << view.comboText;
        EXPECT_FALSE(converter.allConverted());
        EXPECT_NE(
            errors.text().find("tessaly: line 12: not a number: \"abc\"\n"), std::string::npos);
    }
}

// Lines that no number could be are answered with an empty line and described, not shown.
TEST(ValueConverterTest, DescribesLinesThatCannotBeShown)
{
    // One just past the limit, one past what the reader can hold at once.
    const std::string overlong(LineReader::maxLineLength + 1, '1');
    const std::string endless(3 * LineReader::maxLineLength, '2');
    const std::string input = std::string("1\n", 2) + std::string("2\0\n", 3) + "\xff\xfe\n"
        + overlong + "\n" + "x\x1b[2J\n" + endless + "\n3";
    Output out;
    Output errors;
    ValueConverter converter(*FindRule("Kelvin to Celsius"), out, errors);
    LineReader lines(piecesOf(input, std::size_t{64} * 1024), nullptr);
    EXPECT_TRUE(converter.convertLines(lines));
    EXPECT_EQ(out.text(), "-272\n\n\n\n\n\n-270\n");
    EXPECT_EQ(errors.text(),
        "tessaly: line 2: not a number (holds a NUL byte)\n"
        "tessaly: line 3: not a number (not valid UTF-8)\n"
        "tessaly: line 4: not a number (longer than 1 MiB)\n"
        "tessaly: line 5: not a number: \"x\\x1b[2J\"\n"
        "tessaly: line 6: not a number (longer than 1 MiB)\n");
}

TEST(QuoteTest, ShowsWhatATerminalCanShowAndDescribesTheRest)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"abc", R"("abc")"},
        {"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"a\"b\\c\td\x7f", R"("a\"b\\c\x09d\x7f")"},
        {"\xef\xbb\xbf"
         "1",
            R"("\ufeff1")"},
        {"a\xc2\x85\xe2\x80\x8b\xf3\xa0\x80\x81", R"("a\u0085\u200b\U000e0001")"},
        {std::string(70, 'x'), '"' + std::string(60, 'x') + "\"..."},
        {std::string(59, 'x') + "\xc3\xa9z", '"' + std::string(59, 'x') + "\xc3\xa9\"..."},
        {std::string("1\0", 2), "(holds a NUL byte)"},
        {"\xc0\xaf", "(not valid UTF-8)"},         // overlong "/"
        {"\xed\xa0\x80", "(not valid UTF-8)"},     // a surrogate
        {"\xf4\x90\x80\x80", "(not valid UTF-8)"}, // past U+10FFFF
        {"\xe2\x82", "(not valid UTF-8)"},         // cut short
        {"\x80", "(not valid UTF-8)"},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(quoteForMessage(text), shown);
}

// The first suggestion is the likeliest; text that is like no pair gets none.
TEST(SuggestionsTest, OffersWhatTheUserMostLikelyMeant)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Feet to Meters", "Foots to Meters"},
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
} // namespace tessaly::cli
