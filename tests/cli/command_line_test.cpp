// The command line in-process, over strings for its streams; cases.tsv runs the programs
// themselves.
#include "cli/command_line.h"

#include "cli/quote.h"
#include "cli/suggestions.h"
#include "core/convert_command.h"
#include "doubles/fake_main_window_view.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tessaly::cli {
namespace {

struct Answer
{
    int status;
    std::string output;
    std::string error;
};

Answer answer(std::vector<std::string> words, const std::string &input = {})
{
    words.insert(words.begin(), "tessaly");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run(words, in, out, err);
    return {status, out.str(), err.str()};
}

// Standard input gives each line exactly the text the window's Convert shows for it, and an
// empty line where the window leaves the result empty.
TEST(CommandLineTest, AnswersEachLineAsTheWindowDoes)
{
    const std::vector<std::string> inputs{"2.5", "-40", "-0", " 1e-7 ", "123456789012345678",
        "1.5e308", ".5", "5.", "1e400", "abc", "", "1,5", "0x10", "\t300\t", "999999999999999.5"};
    FakeMainWindowView view;
    view.comboText = "Pounds to Kilograms";
    RecordingMessageBox messages;
    std::string typed;
    std::string shown;
    for (const std::string &input : inputs) {
        view.inputText = input;
        ConvertCommand(view, messages);
        typed += input + "\r\n";
        shown += view.caption + '\n';
    }
    const Answer got = answer({"--accept-disclaimer", view.comboText}, typed);
    EXPECT_EQ(got.output, shown);
    EXPECT_EQ(got.status, Failed);
    EXPECT_NE(got.error.find("tessaly: line 10: not a number: \"abc\"\n"), std::string::npos);
}

// Lines that no number could be are answered with an empty line and described, not shown.
TEST(CommandLineTest, DescribesLinesThatCannotBeShown)
{
    const std::string overlong((std::size_t{1} << 20) + 1, '1');
    const std::string endless(std::size_t{3} << 20, '2');
    const Answer got = answer({"--accept-disclaimer", "Kelvin to Celsius"},
        std::string("1\n2\0\n", 5) + "\xff\xfe\n" + overlong + "\nx\x1b[2J\n" + endless + "\n3");
    EXPECT_EQ(got.output, "-272\n\n\n\n\n\n-270\n");
    EXPECT_EQ(got.error,
        "tessaly: line 2: not a number (holds a NUL byte)\n"
        "tessaly: line 3: not a number (not valid UTF-8)\n"
        "tessaly: line 4: not a number (longer than 1 MiB)\n"
        "tessaly: line 5: not a number: \"x\\x1b[2J\"\n"
        "tessaly: line 6: not a number (longer than 1 MiB)\n");
}

// Options are read afresh on every run, whatever the one before left.
TEST(CommandLineTest, ReadsItsOptionsAfreshEachRun)
{
    EXPECT_EQ(answer({"-lh"}).status, UsageError);
    EXPECT_EQ(answer({"--frobnicate", "--list"}).status, UsageError);
    const Answer list = answer({"-l", "Temperature"});
    EXPECT_EQ(list.status, Done);
    EXPECT_EQ(list.output.rfind("Celsius to Fahrenheit\n", 0), 0U);
}

TEST(QuoteTest, ShowsWhatATerminalCanShowAndDescribesTheRest)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"abc", R"("abc")"},
        {"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"a\"b\\c\td\x7f", R"("a\"b\\c\x09d\x7f")"},
        {"a\xc2\x85\xe2\x80\x8b\xf3\xa0\x80\x81", R"("a\u0085\u200b\U000e0001")"},
        {std::string(70, 'x'), '"' + std::string(60, 'x') + "\"..."},
        {std::string(59, 'x') + "\xc3\xa9z", '"' + std::string(59, 'x') + "\xc3\xa9\"..."},
        {std::string(59, 'x') + "\xc3\xa9", '"' + std::string(59, 'x') + "\xc3\xa9\""},
        {std::string("1\0", 2), "(holds a NUL byte)"},
        {"\xc0\xaf", "(not valid UTF-8)"},         // overlong "/"
        {"\xed\xa0\x80", "(not valid UTF-8)"},     // a surrogate
        {"\xf4\x90\x80\x80", "(not valid UTF-8)"}, // past U+10FFFF
        {"\xe2\x82", "(not valid UTF-8)"},         // cut short
        {std::string(70, 'x') + "\x80", "(not valid UTF-8)"},
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
