// The command line in-process, over strings for its streams; cases.tsv runs the programs
// themselves.
#include "cli/command_line.h"

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

} // namespace
} // namespace tessaly::cli
