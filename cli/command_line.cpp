#include "cli/command_line.h"

#include "cli/quote.h"
#include "cli/suggestions.h"
#include "core/conversion_table.h"
#include "core/convert_command.h"
#include "core/disclaimer.h"
#include "core/list_refill.h"
#include "core/unit_catalogue.h"
#include "runtime/text.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaly::cli {

namespace {

constexpr std::string_view usageLine
    = "Usage: tessaly [--list [CATEGORY] | --accept-disclaimer PAIR [VALUE]...]\n";

// No number is anywhere near this long; a longer line is read past, not kept, so a gigantic or
// endless line costs no more memory than a short one.
constexpr std::streamsize maxLineLength = std::streamsize{1} << 20;

// Notepad and PowerShell start their UTF-8 files with one.
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view helpText
    = R"(Converts a number between units of length, mass and temperature. With no
arguments, Tessaly opens its window instead, and exits with status 1 where it
cannot.

Options:
  -l, --list               list the pairs of CATEGORY, or of every category
      --accept-disclaimer  accept the disclaimer below and convert by PAIR
  -h, --help               show this help and exit
  -v, --version            show the version and exit

PAIR is a conversion as --list shows it, letter for letter, such as "Pounds to
Kilograms". The unit names are Tessaly's own: "Foots" and "Milimeters" are
spelled so on purpose, and "Tons" is the metric tonne (1 Tons is 2204.62262184
Pounds). Options come before PAIR, and every word after it is a VALUE, so a
VALUE may start with a dash (-40). Each VALUE gets one line of output; with no
VALUE, or a VALUE of -, each line of standard input is a value. A line longer
than 1 MiB is no number; a byte-order mark at the start of the input is
skipped.
CATEGORY is Length, Mass or Temperature.

Exit status:
  0  every value converted, or the help, version or list shown
  1  a value that is not a number (its output line is empty), a PAIR with no
     conversion, or output that could not be written (a closed pipe ends the
     output without a message)
  2  a usage error, or the disclaimer not accepted

Disclaimer:
)";

#ifdef _WIN32
constexpr std::string_view inputExample
    = "  type values.txt | tessaly --accept-disclaimer \"Celsius to Fahrenheit\"\n";
#else
constexpr std::string_view inputExample
    = "  printf '0\\n100\\n' | tessaly --accept-disclaimer \"Celsius to Fahrenheit\"\n";
#endif

struct Options
{
    bool acceptDisclaimer = false;
    bool list = false;
    bool help = false;
    bool version = false;
    // PAIR and the VALUEs, or the CATEGORY.
    std::vector<std::string_view> words;
};

// "Length, Mass or Temperature".
std::string categoryChoice()
{
    std::string choice;
    for (std::size_t i = 0; i < allCategories.size(); ++i) {
        if (i > 0)
            choice += i + 1 == allCategories.size() ? " or " : ", ";
        choice += categoryName(allCategories[i]);
    }
    return choice;
}

std::string unknownOption(std::string_view word)
{
    static const std::array<std::string, 4> spellings{
        "--accept-disclaimer", "--list", "--help", "--version"};
    const std::vector<std::string> close = closestOf(word, spellings);
    const std::string_view name = word.starts_with("--") ? word.substr(2) : word;
    return "Unknown option " + quoteForMessage(name, '\'') + "."
        + (close.empty() ? "" : " Did you mean " + close.front() + "?");
}

// Options come before PAIR, as getopt_long reads them in POSIX order; everything from PAIR on is
// a word, so that a value such as "-40" stays a value. Empty, or why the arguments are unusable.
std::string readOptions(std::span<const std::string> arguments, Options &options)
{
    static constexpr std::array<option, 5> longOptions{{
        {"accept-disclaimer", no_argument, nullptr, 'a'},
        {"list", no_argument, nullptr, 'l'},
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'v'},
        {nullptr, 0, nullptr, 0},
    }};
    std::vector<std::string> copies(arguments.begin(), arguments.end());
    std::vector<char *> argv(copies.size() + 1, nullptr);
    std::transform(copies.begin(), copies.end(), argv.begin(),
        // cppcheck takes the lambda for one that returns a std::string.
        // cppcheck-suppress stlcstrReturn
        [](std::string &copy) -> char * { return copy.data(); });
    const auto argc = static_cast<int>(copies.size());

    // 0 starts the reading afresh, as each run must.
    optind = 0;
    opterr = 0;
    for (;;) {
        const auto at = static_cast<std::size_t>(std::max(optind, 1));
        const int found = getopt_long(argc, argv.data(), "+lhv", longOptions.data(), nullptr);
        if (found == -1)
            break;
        const std::string_view word = arguments[at];
        // Letters are never bundled: "-lh" is a mistyped "--help" far more often than "-l -h".
        if (found == '?' || (!word.starts_with("--") && word.size() > 2)) {
            const std::size_t equals = word.find('=');
            if (found == '?' && optopt != 0 && word.starts_with("--")
                && equals != std::string_view::npos)
                return "Unexpected value after " + quoteForMessage(word.substr(2, equals - 2), '\'')
                    + ".";
            return unknownOption(word);
        }
        options.acceptDisclaimer |= found == 'a';
        options.list |= found == 'l';
        options.help |= found == 'h';
        options.version |= found == 'v';
    }
    options.words.assign(
        arguments.begin() + std::min<std::ptrdiff_t>(optind, argc), arguments.end());
    return {};
}

int usageError(std::ostream &error, std::string_view why)
{
    error << "tessaly: " << why << '\n' << usageLine;
    return UsageError;
}

int listPairs(const std::vector<std::string_view> &words, std::ostream &output, std::ostream &error)
{
    if (words.size() > 1)
        return usageError(error, "--list takes one CATEGORY at most");
    UnitCatalogue catalogue;
    catalogue.Load();
    const auto named = [&](Category category) {
        const std::string_view name = categoryName(category);
        return words.empty()
            || std::equal(words[0].begin(), words[0].end(), name.begin(), name.end(),
                [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
    };
    bool listed = false;
    for (const Category category : allCategories) {
        if (!named(category))
            continue;
        for (const std::string &label : PairLabels(catalogue, category))
            output << label << '\n';
        listed = true;
    }
    if (!listed)
        return usageError(
            error, "no category " + quoteForMessage(words[0]) + "; choose " + categoryChoice());
    return Done;
}

// Values converted by one rule as the window would: one line out for each value in, the result
// or, for a value that is not a number, an empty line, so that answers stay paired with
// questions; each of those also gets one error line.
class Answerer
{
public:
    Answerer(const ConversionRule &rule, std::ostream &output, std::ostream &error)
        : m_rule(rule)
        , m_output(output)
        , m_error(error)
    { }

    // lineNumber 0 for a value given as an argument.
    void answer(std::string_view value, std::uint64_t lineNumber, bool tooLong)
    {
        if (!tooLong) {
            if (const auto result = Convert(m_rule, value)) {
                m_pending.append(*result).push_back('\n');
                if (m_pending.size() >= pendingLimit)
                    drain();
                return;
            }
        }
        // Its empty line goes out before its error line, so that a terminal shows them in order.
        m_pending.push_back('\n');
        drain();
        m_allConverted = false;
        std::string message = "tessaly: ";
        if (lineNumber != 0)
            message += "line " + std::to_string(lineNumber) + ": ";
        const std::string shown = tooLong ? "(longer than 1 MiB)" : quoteForMessage(value);
        message += shown.front() == '"' ? "not a number: " : "not a number ";
        m_error << message << shown << '\n';
    }

    // Every line of input until its end or a failed write; false where the input failed.
    bool answerLines(std::istream &input)
    {
        std::vector<char> buffer(static_cast<std::size_t>(maxLineLength) + 2);
        for (std::uint64_t lineNumber = 1; m_output; ++lineNumber) {
            // What has been answered goes out before a read that may wait, so that a program at
            // the other end of a pipe sees each answer.
            if (input.rdbuf()->in_avail() <= 0) {
                drain();
                m_output.flush();
                m_error.flush();
            }
            input.getline(buffer.data(), maxLineLength + 2);
            auto length = static_cast<std::size_t>(input.gcount());
            bool tooLong = false;
            if (input.bad())
                return false;
            if (input.fail() && length > 0) {
                tooLong = true;
                input.clear();
                input.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            } else if (input.fail()) {
                return true;
            } else if (!input.eof()) {
                --length; // the "\n"
            }
            std::string_view line(buffer.data(), length);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            if (lineNumber == 1 && line.starts_with(byteOrderMark)) {
                line.remove_prefix(byteOrderMark.size());
                // A mark and nothing after it is an empty input, not an empty line.
                if (line.empty() && input.eof())
                    return true;
            }
            answer(line, lineNumber, tooLong || std::cmp_greater(line.size(), maxLineLength));
        }
        return true;
    }

    [[nodiscard]] bool allConverted() const { return m_allConverted; }

    // Answers reach the stream 64 KiB at a time and before any wait for input: a stream call a
    // line would cost about what the conversion itself does.
    void drain()
    {
        m_output.write(m_pending.data(), static_cast<std::streamsize>(m_pending.size()));
        m_pending.clear();
    }

private:
    static constexpr std::size_t pendingLimit = std::size_t{64} * 1024;

    const ConversionRule &m_rule;
    std::ostream &m_output;
    std::ostream &m_error;
    std::string m_pending;
    bool m_allConverted = true;
};

int convertValues(const std::vector<std::string_view> &words, std::istream &input,
    std::ostream &output, std::ostream &error)
{
    const std::string_view pair = words.front();
    const ConversionRule *rule = FindRule(pair);
    if (rule == nullptr) {
        std::string message = "tessaly: no conversion " + quoteForMessage(pair);
        const std::vector<std::string> suggestions = suggestPairs(pair);
        for (std::size_t i = 0; i < suggestions.size(); ++i) {
            message += i == 0 ? "; did you mean " : i + 1 == suggestions.size() ? " or " : ", ";
            message += quoteForMessage(suggestions[i]);
        }
        error << message << (suggestions.empty() ? "; see tessaly --list\n" : "?\n");
        return Failed;
    }

    Answerer answerer(*rule, output, error);
    const std::vector<std::string_view> given(words.begin() + 1, words.end());
    const std::vector<std::string_view> values
        = given.empty() ? std::vector<std::string_view>{"-"} : given;
    for (const std::string_view value : values) {
        if (!output)
            break;
        if (value != "-") {
            answerer.answer(value, 0, false);
        } else if (!answerer.answerLines(input)) {
            answerer.drain();
            error << "tessaly: cannot read standard input: " << std::strerror(errno) << '\n';
            return Failed;
        }
    }
    answerer.drain();
    return answerer.allConverted() ? Done : Failed;
}

int dispatch(std::span<const std::string> arguments, std::istream &input, std::ostream &output,
    std::ostream &error)
{
    Options options;
    const std::string problem = readOptions(arguments, options);
    if (!problem.empty())
        return usageError(error, problem);
    if (options.help) {
        output << usageLine << helpText << "  " << disclaimerText << "\n\nExamples:\n"
               << "  tessaly --accept-disclaimer \"Pounds to Kilograms\" 2.5\n\n"
               << inputExample;
        return Done;
    }
    if (options.version) {
        output << "tessaly " TESSALY_DISPLAY_VERSION "\n";
        return Done;
    }
    if (options.list) {
        if (options.acceptDisclaimer)
            return usageError(error, "--list and --accept-disclaimer do not go together");
        return listPairs(options.words, output, error);
    }
    if (options.words.empty())
        return usageError(error, "no PAIR to convert by");
    if (!options.acceptDisclaimer) {
        error << "tessaly: " << disclaimerPrompt << '\n'
              << disclaimerText << "\ntessaly: accept it with --accept-disclaimer\n";
        return UsageError;
    }
    return convertValues(options.words, input, output, error);
}

} // namespace

int run(std::span<const std::string> arguments, std::istream &input, std::ostream &output,
    std::ostream &error)
{
    int status = dispatch(arguments, input, output, error);
    // A reader that closed the pipe has all it wanted, as with any filter: nothing to report,
    // but the output is not all there, so the status is not success.
    if (!output.flush()) {
        const int why = errno;
        if (why != EPIPE)
            error << "tessaly: cannot write the output: " << std::strerror(why) << '\n';
        status = Failed;
    }
    error.flush();
    return status;
}

} // namespace tessaly::cli
