#include "cli/command_line.h"

#include "cli/completion_scripts.h"
#include "core/conversion_table.h"
#include "core/convert_command.h"
#include "core/disclaimer.h"
#include "core/list_refill.h"
#include "core/pair_label.h"
#include "core/question.h"
#include "core/suggestions.h"
#include "core/unit_catalogue.h"
#include "core/unit_words.h"
#include "runtime/number_text.h"
#include "runtime/quote.h"
#include "runtime/text.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaly::cli {

namespace {

constexpr std::string_view usageLine
    = "Usage: tessaly --accept-disclaimer QUESTION | PAIR [VALUE]...\n"
      "  or:  tessaly --list [CATEGORY] | --units [CATEGORY] | --completion SHELL\n";

// No number is anywhere near this long; a longer line is read past, not kept, so a gigantic or
// endless line costs no more memory than a short one.
constexpr std::streamsize maxLineLength = std::streamsize{1} << 20;

// Notepad and PowerShell start their UTF-8 files with one.
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view helpText
    = R"(Converts a number between units of length, mass and temperature, asked as you
would write it:

  tessaly --accept-disclaimer 2.5 lb to kg

  tessaly --accept-disclaimer -40 °F in °C

A QUESTION is a value, its unit and the unit to convert to, with to, in, into,
as, -> or = between the units, or nothing: 2.5 lb to kg, 5 ft m, 100degF=degC.
The value may be written against its unit (2.5lb, 5', 12", -40°F). Symbols are
read in their own letter case (kg, lb, ft, in, mi, oz, t, °C, C, F, K), names in
any case and number (Pound, feet, metres, celsius); "in" right after the value
is the inch. --units lists every word. A word is read one way or not at all:
Tessaly refuses what it cannot read, and names the word. There is no "ton"
(Tons is the metric tonne, t), no "KG" and no "M".

PAIR is the two units alone, as a QUESTION writes them ("lb to kg"), or a
conversion as --list shows it, letter for letter ("Pounds to Kilograms"). The
unit names are Tessaly's own: "Foots" and "Milimeters" are spelled so on
purpose, and "Tons" is the metric tonne (1 Tons is 2204.62262184 Pounds). Every
word after PAIR is a VALUE, so a VALUE may start with a dash (-40). Each VALUE
gets one line of output; with no VALUE, or a VALUE of -, each line of standard
input is a value. A line longer than 1 MiB is no number; a byte-order mark at
the start of the input is skipped. Numbers read the same in every locale.

With no arguments, Tessaly opens its window instead, and exits with status 1
where it cannot.

Options:
      --accept-disclaimer  accept the disclaimer below and convert
  -l, --list [CATEGORY]    list the PAIRs of CATEGORY, or of every category
      --units [CATEGORY]   list each unit with the words read for it
      --completion SHELL   print the script with which SHELL (bash, zsh, fish
                           or powershell) completes tessaly's words, as in
                           source <(tessaly --completion bash)
  -h, --help               show this help and exit
  -v, --version            show the version and exit

Options come first. CATEGORY is Length, Mass or Temperature.

Exit status:
  0  every value converted, or the help, version or a list shown
  1  a value that is not a number (its output line is empty), a QUESTION or
     PAIR that cannot be read, or output that could not be written (a closed
     pipe ends the output without a message)
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

// The long options, as getopt_long reads them and completion offers them.
constexpr std::array<option, 7> longOptions{{
    {"accept-disclaimer", no_argument, nullptr, 'a'},
    {"list", no_argument, nullptr, 'l'},
    {"units", no_argument, nullptr, 'u'},
    {"completion", required_argument, nullptr, 'c'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'v'},
    {nullptr, 0, nullptr, 0},
}};

struct Options
{
    bool acceptDisclaimer = false;
    bool list = false;
    bool units = false;
    bool help = false;
    bool version = false;
    std::optional<std::string_view> completion;
    // The QUESTION, or PAIR and the VALUEs, or the CATEGORY.
    std::vector<std::string_view> words;
};

std::string unknownOption(std::string_view word)
{
    std::vector<std::string> spellings;
    for (const option &known : longOptions) {
        if (known.name != nullptr)
            spellings.push_back(std::string("--") + known.name);
    }
    const std::vector<std::string_view> views(spellings.begin(), spellings.end());
    const std::vector<std::string_view> close = closestOf(word, views);
    const std::string_view name = word.starts_with("--") ? word.substr(2) : word;
    return "Unknown option " + quoteForMessage(name, '\'') + "."
        + (close.empty() ? "" : " Did you mean " + std::string(close.front()) + "?");
}

// Options come before PAIR, as getopt_long reads them in POSIX order; everything from PAIR on is
// a word, so that a value such as "-40" stays a value, and a question may start with one. Empty,
// or why the arguments are unusable.
std::string readOptions(std::span<const std::string> arguments, Options &options)
{
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
        // No option starts with a digit: "-40" is the value a question starts with.
        if (at < arguments.size() && arguments[at].starts_with('-')
            && numberLength(arguments[at]) > 1) {
            optind = static_cast<int>(at);
            break;
        }
        const int found = getopt_long(argc, argv.data(), "+lhv", longOptions.data(), nullptr);
        if (found == -1)
            break;
        const std::string_view word = arguments[at];
        // Letters are never bundled: "-lh" is a mistyped "--help" far more often than "-l -h".
        if (found == '?' || found == ':' || (!word.starts_with("--") && word.size() > 2)) {
            const std::size_t equals = word.find('=');
            if (found == '?' && optopt != 0 && word.starts_with("--")
                && equals != std::string_view::npos)
                return "Unexpected value after " + quoteForMessage(word.substr(2, equals - 2), '\'')
                    + ".";
            if (found == '?' && optopt == 'c')
                return "--completion needs a SHELL: bash, zsh, fish or powershell";
            return unknownOption(word);
        }
        options.acceptDisclaimer |= found == 'a';
        options.list |= found == 'l';
        options.units |= found == 'u';
        options.help |= found == 'h';
        options.version |= found == 'v';
        if (found == 'c')
            options.completion = arguments[static_cast<std::size_t>(optind) - 1];
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

// "Length, Mass or Temperature".
std::string categoryChoice()
{
    std::array<std::string_view, allCategories.size()> names{};
    std::transform(allCategories.begin(), allCategories.end(), names.begin(), categoryName);
    return oneOf(names, false);
}

// Each category that the words name (any letter case), or every one for none; what each
// category lists goes out through show. Names its own usage errors.
template <typename Show>
int listEach(const std::vector<std::string_view> &words, std::ostream &error, Show show)
{
    if (words.size() > 1)
        return usageError(error, "a list takes one CATEGORY at most");
    const auto named = [&](Category category) {
        const std::string_view name = categoryName(category);
        return words.empty()
            || std::equal(words[0].begin(), words[0].end(), name.begin(), name.end(),
                [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
    };
    bool listed = false;
    for (const Category category : allCategories) {
        if (named(category)) {
            show(category);
            listed = true;
        }
    }
    if (!listed)
        return usageError(
            error, "no category " + quoteForMessage(words[0]) + "; choose " + categoryChoice());
    return Done;
}

int listPairs(const std::vector<std::string_view> &words, std::ostream &output, std::ostream &error)
{
    UnitCatalogue catalogue;
    catalogue.Load();
    return listEach(words, error, [&](Category category) {
        for (const std::string &label : PairLabels(catalogue, category))
            output << label << '\n';
    });
}

// "Pounds: lb, lbs, pound, pounds", a unit a line.
int listUnits(const std::vector<std::string_view> &words, std::ostream &output, std::ostream &error)
{
    return listEach(words, error, [&](Category category) {
        for (const UnitWords &unit : unitWordTable()) {
            if (unit.category != category)
                continue;
            output << unit.unit << ':';
            const char *separator = " ";
            for (const auto &forms : {unit.symbols, unit.names}) {
                for (const std::string_view form : forms) {
                    if (!form.empty())
                        output << std::exchange(separator, ", ") << form;
                }
            }
            output << '\n';
        }
    });
}

int printCompletion(std::string_view shell, std::ostream &output, std::ostream &error)
{
    const auto *script = std::find_if(completionScripts.begin(), completionScripts.end(),
        [shell](const CompletionScript &known) { return known.shell == shell; });
    if (script == completionScripts.end()) {
        return usageError(error,
            "no completion for " + quoteForMessage(shell)
                + "; choose bash, zsh, fish or powershell");
    }
    output << script->text;
    return Done;
}

// What may come after the words typed so far, one a line, for the completion scripts, which
// keep no list of their own; each shell picks those that start as the word being typed does.
// The options, the categories after --list and --units, the shells after --completion, the
// pairs and the unit words.
int printCandidates(std::span<const std::string> typed, std::ostream &output)
{
    const std::string_view last = typed.empty() ? "" : std::string_view(typed.back());
    if (last == "--list" || last == "-l" || last == "--units") {
        for (const Category category : allCategories)
            output << categoryName(category) << '\n';
        return Done;
    }
    if (last == "--completion") {
        for (const CompletionScript &script : completionScripts)
            output << script.shell << '\n';
        return Done;
    }
    // Options stand before the first other word, as the command line reads them.
    const auto firstWord = std::find_if(typed.begin(), typed.end(),
        [](const std::string &word) { return !word.starts_with('-') || numberLength(word) > 1; });
    if (firstWord == typed.end()) {
        for (const option &known : longOptions) {
            if (known.name != nullptr)
                output << "--" << known.name << '\n';
        }
        for (const ConversionRule &rule : ConversionTable())
            output << PairLabel(rule.source, rule.target) << '\n';
    } else if (FindRule(*firstWord) != nullptr) {
        // Only values follow a PAIR.
        return Done;
    }
    for (const std::string_view word : singleUnitWords()) {
        // The quote marks for feet and inches would reach a shell as quotes.
        if (word != "'" && word != "\"")
            output << word << '\n';
    }
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

    // Every line of input until its end or a failed write; false where the input failed. The
    // input is taken in blocks, as much as has arrived, and split here: a line costs a search
    // for its end and nothing of the stream's per call.
    bool answerLines(std::istream &input)
    {
        std::streambuf &source = *input.rdbuf();
        // One line of the longest kept, its "\r" and a block after it.
        constexpr std::size_t block = std::size_t{64} * 1024;
        constexpr auto longest = static_cast<std::size_t>(maxLineLength) + 1;
        std::vector<char> buffer(longest + block);
        std::size_t begin = 0;
        std::size_t end = 0;
        std::size_t scanned = 0;
        bool skipping = false;
        bool atEnd = false;
        for (std::uint64_t lineNumber = 1; m_output;) {
            const auto *newline = static_cast<const char *>(
                std::memchr(buffer.data() + scanned, '\n', end - scanned));
            if (newline != nullptr || (atEnd && (begin < end || skipping))) {
                const std::size_t stop
                    = newline != nullptr ? static_cast<std::size_t>(newline - buffer.data()) : end;
                if (!answerLine({buffer.data() + begin, stop - begin}, lineNumber++, skipping,
                        atEnd && newline == nullptr))
                    return true;
                begin = scanned = std::min(stop + 1, end);
                skipping = false;
                continue;
            }
            if (atEnd)
                return true;
            // Of a line too long to be a number, only its end is looked for.
            if (end - begin > longest) {
                skipping = true;
                begin = end;
            }
            if (buffer.size() - end < block) {
                std::memmove(buffer.data(), buffer.data() + begin, end - begin);
                end -= begin;
                begin = 0;
            }
            scanned = end;
            // What has been answered goes out before a read that may wait, so that a program at
            // the other end of a pipe sees each answer.
            std::streamsize available = source.in_avail();
            try {
                if (available <= 0) {
                    drain();
                    m_output.flush();
                    m_error.flush();
                    atEnd = source.sgetc() == std::char_traits<char>::eof();
                    available = source.in_avail();
                }
                if (!atEnd) {
                    end += static_cast<std::size_t>(source.sgetn(buffer.data() + end,
                        std::min(available, static_cast<std::streamsize>(buffer.size() - end))));
                }
            } catch (const std::ios_base::failure &) {
                // The C++ library's file buffer says so of a read that failed; errno says why.
                return false;
            }
        }
        return true;
    }

    // One line, without its "\n"; false where nothing more is to be read (a byte-order mark
    // alone at the end).
    bool answerLine(std::string_view line, std::uint64_t lineNumber, bool tooLong, bool last)
    {
        if (lineNumber == 1 && line.starts_with(byteOrderMark)) {
            line.remove_prefix(byteOrderMark.size());
            // A mark and nothing after it is an empty input, not an empty line.
            if (line.empty() && last)
                return false;
        }
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        answer(line, lineNumber, tooLong || std::cmp_greater(line.size(), maxLineLength));
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

// What the words after the options ask, by which rule, of which values: a PAIR as --list shows
// it with the VALUEs after it; a question, in one argument or several; or units alone, in one
// argument or several, with the VALUEs after them. Holds the text that a question's value views.
struct Asked
{
    const ConversionRule *rule = nullptr;
    std::vector<std::string_view> values;
    // A question's own value, which is never "-" for standard input.
    bool valueAsked = false;
    std::string question;
    std::string refusal;
};

Asked ask(const std::vector<std::string_view> &words)
{
    Asked asked;
    asked.rule = FindRule(words.front());
    if (asked.rule != nullptr) {
        asked.values.assign(words.begin() + 1, words.end());
        return asked;
    }
    const auto joined = [&words](std::size_t count) {
        std::string text(words.front());
        for (std::size_t i = 1; i < count; ++i)
            text.append(1, ' ').append(words[i]);
        return text;
    };
    asked.question = joined(words.size());
    const Question whole = readQuestion(asked.question);
    if (whole.rule != nullptr) {
        asked.rule = whole.rule;
        asked.valueAsked = whole.value.has_value();
        if (whole.value)
            asked.values.push_back(*whole.value);
        return asked;
    }
    // Units take five words at most: "metric tons to metric tons".
    constexpr std::size_t mostUnitWords = 5;
    for (std::size_t count = std::min(words.size() - 1, mostUnitWords); count > 0; --count) {
        const Question units = readQuestion(joined(count));
        if (units.rule != nullptr && !units.value) {
            asked.rule = units.rule;
            asked.values.assign(words.begin() + static_cast<std::ptrdiff_t>(count), words.end());
            return asked;
        }
    }
    asked.refusal = whole.refusal;
    return asked;
}

int convertValues(const std::vector<std::string_view> &words, std::istream &input,
    std::ostream &output, std::ostream &error)
{
    const Asked asked = ask(words);
    if (asked.rule == nullptr) {
        // What reads like a mistyped PAIR is answered with the PAIRs it is like.
        const std::vector<std::string_view> pairs = suggestPairs(words.front());
        if (pairs.empty())
            error << "tessaly: " << asked.refusal << '\n';
        else
            error << "tessaly: no conversion " << quoteForMessage(words.front())
                  << didYouMean(pairs) << '\n';
        return Failed;
    }

    Answerer answerer(*asked.rule, output, error);
    const std::vector<std::string_view> values
        = asked.values.empty() ? std::vector<std::string_view>{"-"} : asked.values;
    for (const std::string_view value : values) {
        if (!output)
            break;
        if (value != "-" || asked.valueAsked) {
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
    // Not an option of getopt_long's, since every word after it is one typed, options included.
    if (arguments.size() > 1 && arguments[1] == "--candidates")
        return printCandidates(arguments.subspan(2), output);
    Options options;
    const std::string problem = readOptions(arguments, options);
    if (!problem.empty())
        return usageError(error, problem);
    if (options.help) {
        output << usageLine << helpText << "  " << disclaimerText << "\n\nExamples:\n"
               << "  tessaly --accept-disclaimer 2.5 lb to kg\n\n"
               << "  tessaly --accept-disclaimer \"lb to kg\" 1 2 3\n\n"
               << "  tessaly --accept-disclaimer \"Pounds to Kilograms\" 2.5\n\n"
               << inputExample << "\n  tessaly --units mass\n";
        return Done;
    }
    if (options.version) {
        output << "tessaly " TESSALY_DISPLAY_VERSION "\n";
        return Done;
    }
    if (options.completion) {
        if (!options.words.empty() || options.list || options.units || options.acceptDisclaimer)
            return usageError(error, "--completion takes its SHELL alone");
        return printCompletion(*options.completion, output, error);
    }
    if (options.list || options.units) {
        if (options.acceptDisclaimer || (options.list && options.units))
            return usageError(error, "--list, --units and --accept-disclaimer do not go together");
        return options.list ? listPairs(options.words, output, error)
                            : listUnits(options.words, output, error);
    }
    if (options.words.empty())
        return usageError(error, "no QUESTION or PAIR to convert by");
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
