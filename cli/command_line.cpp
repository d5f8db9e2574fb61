#include "cli/command_line.h"

#include "cli/line_reader.h"
#include "cli/output.h"
#include "cli/quote.h"
#include "cli/suggestions.h"
#include "cli/value_converter.h"
#include "core/conversion_table.h"
#include "core/convert_command.h"
#include "core/disclaimer.h"
#include "core/list_refill.h"
#include "core/main_window_view.h"
#include "core/unit_catalogue.h"
#include "runtime/number_text.h"

#include "cli/system.h"
#include "runtime/text.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

namespace {

enum OptionId { AcceptDisclaimer = 'a', List = 'l', Help = 'h', Version = 'v' };

struct OptionText
{
    OptionId id;
    const char *longName;
    const char *description;
};

constexpr std::array options{
    OptionText{
        AcceptDisclaimer, "accept-disclaimer", "accept the disclaimer below and convert by PAIR"},
    OptionText{List, "list", "list the pairs of CATEGORY, or of every category"},
    OptionText{Help, "help", "show this help and exit"},
    OptionText{Version, "version", "show the version and exit"},
};

bool hasShortName(const OptionText &option)
{
    return option.id != AcceptDisclaimer;
}

constexpr std::string_view usageLine
    = "Usage: tessaly [--list [CATEGORY] | --accept-disclaimer PAIR [VALUE]...]\n";

enum Status { Done = 0, Failed = 1, UsageError = 2 };

// The options of the toolkit's window that take a value, and those that do not, as the toolkit
// documents them; they start the window, not the command line.
constexpr std::array<std::string_view, 12> windowOptionsWithValue{"-style", "-stylesheet",
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle", "-session", "-display", "-geometry"};
constexpr std::array<std::string_view, 6> windowOptionsWithValueAttached{
    "-style=", "-stylesheet=", "-qmljsdebugger=", "-dialogs=", "-fontengine=", "-platform="};
constexpr std::array<std::string_view, 2> windowFlags{"-reverse", "-widgetcount"};

template <std::size_t N>
bool oneOf(std::string_view word, const std::array<std::string_view, N> &words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// How many words from argv[i] on form one window option: 0 when it is none.
int windowOptionWords(int argc, const char *const argv[], int i)
{
    const std::string_view word = argv[i];
    if (oneOf(word, windowFlags))
        return 1;
    if (std::any_of(windowOptionsWithValueAttached.begin(), windowOptionsWithValueAttached.end(),
            [word](std::string_view prefix) {
                return word.size() > prefix.size() && word.starts_with(prefix);
            }))
        return 1;
    if (oneOf(word, windowOptionsWithValue) && i + 1 < argc)
        return 2;
    return 0;
}

struct Arguments
{
    std::vector<OptionId> options;
    std::vector<std::string_view> positional;
    // Empty, or why the arguments are not usable.
    std::string error;
};

// The spellings getopt_long matches; it also takes any unambiguous abbreviation of a long one.
std::array<option, options.size() + 1> longOptions()
{
    std::array<option, options.size() + 1> table{};
    std::transform(options.begin(), options.end(), table.begin(), [](const OptionText &text) {
        return option{text.longName, no_argument, nullptr, text.id};
    });
    return table;
}

bool isExactSpelling(std::string_view word)
{
    return std::any_of(options.begin(), options.end(), [word](const OptionText &option) {
        return (word.starts_with("--") && word.substr(2) == option.longName)
            || (hasShortName(option) && word.size() == 2 && word[0] == '-'
                && word[1] == static_cast<char>(option.id));
    });
}

std::string unknownOption(std::string_view word)
{
    std::vector<std::string> spellings(options.size());
    std::transform(options.begin(), options.end(), spellings.begin(),
        [](const OptionText &option) { return std::string("--") + option.longName; });
    const std::vector<std::string> close = closestOf(word, spellings);
    const std::string_view name = word.starts_with("--") ? word.substr(2) : word;
    return "Unknown option " + quoteForMessage(name, '\'') + "."
        + (close.empty() ? "" : " Did you mean " + close.front() + "?");
}

// One option word, read by getopt_long on its own, so that its state never carries over.
std::string readOption(std::string_view word, std::vector<OptionId> &read)
{
    // Letters are never bundled: "-lh" is a mistyped "--help" far more often than "-l -h".
    if (!word.starts_with("--") && word.size() > 2)
        return unknownOption(word);
    static const auto table = longOptions();
    static const std::string shortNames = [] {
        std::string names = "+";
        for (const OptionText &option : options) {
            if (hasShortName(option))
                names += static_cast<char>(option.id);
        }
        return names;
    }();
    std::string program = "tessaly";
    std::string copy(word);
    std::array<char *, 3> words{program.data(), copy.data(), nullptr};
    optind = 0;
    opterr = 0;
    const int found = getopt_long(2, words.data(), shortNames.c_str(), table.data(), nullptr);
    if (found != '?' && found != -1) {
        read.push_back(static_cast<OptionId>(found));
        return {};
    }
    const std::size_t equals = word.find('=');
    if (optopt != 0 && equals != std::string_view::npos)
        return "Unexpected value after " + quoteForMessage(word.substr(2, equals - 2), '\'') + ".";
    return unknownOption(word);
}

// Options are read until the PAIR; after it, only the exact spelling of an option is one, so a
// value that merely starts with a dash ("-40", "-1,5", "-inf") stays a value. "--" ends the
// options anywhere.
Arguments splitArguments(int argc, const char *const argv[])
{
    Arguments arguments;
    bool onlyPositional = false;
    for (int i = 1; i < argc && arguments.error.empty(); ++i) {
        const std::string_view word = argv[i];
        const bool beforePair = !onlyPositional && arguments.positional.empty();
        const int windowWords = beforePair ? windowOptionWords(argc, argv, i) : 0;
        if (!onlyPositional && word == "--") {
            onlyPositional = true;
        } else if (windowWords > 0) {
            arguments.error = quoteForMessage(word, '\'')
                + " is an option of the window, which takes no other arguments";
        } else if (beforePair && oneOf(word, windowOptionsWithValue)) {
            arguments.error = quoteForMessage(word, '\'') + " needs a value";
        } else if (onlyPositional || word.size() < 2 || word.front() != '-'
            || (!arguments.positional.empty() && !isExactSpelling(word))
            || (arguments.positional.empty() && parseNumber(word))) {
            arguments.positional.push_back(word);
        } else {
            arguments.error = readOption(word, arguments.options);
        }
    }
    return arguments;
}

std::string wrapped(std::string_view text, std::string_view indent)
{
    constexpr std::size_t width = 78;
    std::string result;
    std::size_t column = 0;
    while (!text.empty()) {
        const std::size_t wordEnd = std::min(text.find(' '), text.size());
        const std::string_view word = text.substr(0, wordEnd);
        if (column > 0 && column + 1 + word.size() > width) {
            result += '\n';
            column = 0;
        }
        if (column == 0) {
            result += indent;
            column = indent.size();
        } else {
            result += ' ';
            ++column;
        }
        result += word;
        column += word.size();
        text.remove_prefix(std::min(wordEnd + 1, text.size()));
    }
    return result + '\n';
}

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

bool sameIgnoringCase(std::string_view left, std::string_view right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
        [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

std::string helpText()
{
    std::string help(usageLine);
    help += wrapped("Converts a number between units of length, mass and temperature. With no "
                    "arguments, Tessaly opens its window instead, and exits with status 1 where "
                    "it cannot.",
        "");
    help += '\n';
    for (const OptionText &option : options) {
        std::string names = hasShortName(option)
            ? std::string("  -") + static_cast<char>(option.id) + ", --" + option.longName
            : std::string("      --") + option.longName;
        names.resize(std::max<std::size_t>(names.size() + 2, 27), ' ');
        help += names + option.description + '\n';
    }
    help += '\n';
    help += wrapped("PAIR is a conversion as --list shows it, letter for letter, such as \"Pounds "
                    "to Kilograms\". The unit names are Tessaly's own: \"Foots\" and "
                    "\"Milimeters\" are spelled so on purpose, and \"Tons\" is the metric tonne "
                    "(1 Tons is 2204.62262184 Pounds). Each VALUE gets one line of output; with "
                    "no VALUE, or a VALUE of -, each line of standard input is a value. A VALUE "
                    "may start with a dash (-40); only the exact spelling of an option is read "
                    "as one after PAIR.",
        "");
    help += "CATEGORY is " + categoryChoice() + ".\n\n"
        + "Exit status:\n"
          "  0  every value converted, or the help, version or list shown\n"
          "  1  a value that is not a number (its output line is empty), a PAIR with no\n"
          "     conversion, or output that could not be written (a closed pipe ends the\n"
          "     output without a message)\n"
          "  2  a usage error, or the disclaimer not accepted\n\n"
          "Disclaimer:\n";
    help += wrapped(disclaimerText, "  ");
    help += "\nExamples:\n"
            "  tessaly --accept-disclaimer \"Pounds to Kilograms\" 2.5\n\n"
            "  printf '0\\n100\\n' | tessaly --accept-disclaimer \"Celsius to Fahrenheit\"\n";
    return help;
}

int usageError(Output &errors, std::string_view why)
{
    errors.write("tessaly: ");
    errors.write(why);
    errors.write("\n");
    errors.write(usageLine);
    return UsageError;
}

// The drop-down list's refill, with the list printed instead of shown.
class PairPrinter final : public MainWindowView
{
public:
    PairPrinter(Category category, Output &out)
        : m_category(category)
        , m_out(out)
    { }

    bool isOptionSelected(Category category) const override { return category == m_category; }
    CheckValue check1Value() const override { return CheckValue::Unticked; }
    void combo1Clear() override { }
    void combo1AddItem(const std::string &item) override
    {
        m_out.write(item);
        m_out.write("\n");
    }
    std::string combo1Text() const override { return {}; }
    std::string text1Text() const override { return {}; }
    void setLabel1Caption(const std::string &) override { }

private:
    Category m_category;
    Output &m_out;
};

int listPairs(const std::vector<std::string_view> &positional, Output &out, Output &errors)
{
    if (positional.size() > 1)
        return usageError(errors, "--list takes one CATEGORY at most");
    UnitCatalogue catalogue;
    catalogue.Load();
    bool listed = false;
    for (const Category category : allCategories) {
        if (!positional.empty() && !sameIgnoringCase(positional[0], categoryName(category)))
            continue;
        PairPrinter printer(category, out);
        ListRefill(catalogue, printer);
        listed = true;
    }
    if (!listed)
        return usageError(errors,
            "no category " + quoteForMessage(positional[0]) + "; choose " + categoryChoice());
    return Done;
}

int convertValues(const std::vector<std::string_view> &positional, Output &out, Output &errors)
{
    const std::string_view pair = positional.front();
    const ConversionRule *rule = FindRule(pair);
    if (rule == nullptr) {
        std::string message = "tessaly: no conversion " + quoteForMessage(pair);
        const std::vector<std::string> suggestions = suggestPairs(pair);
        for (std::size_t i = 0; i < suggestions.size(); ++i) {
            message += i == 0 ? "; did you mean " : i + 1 == suggestions.size() ? " or " : ", ";
            message += quoteForMessage(suggestions[i]);
        }
        message += suggestions.empty() ? "; see tessaly --list\n" : "?\n";
        errors.write(message);
        return Failed;
    }

    ValueConverter converter(*rule, out, errors);
    std::vector<std::string_view> values(positional.begin() + 1, positional.end());
    if (values.empty())
        values.emplace_back("-");
    for (const std::string_view value : values) {
        if (out.failed())
            break;
        if (value != "-") {
            converter.convertArgument(value);
            continue;
        }
        LineReader lines(system::readInput, [&] {
            out.flush();
            errors.flush();
        });
        if (!converter.convertLines(lines)) {
            errors.write(
                std::string("tessaly: cannot read standard input: ") + std::strerror(errno) + '\n');
            return Failed;
        }
    }
    return converter.allConverted() ? Done : Failed;
}

int dispatch(int argc, const char *const argv[], Output &out, Output &errors)
{
    const Arguments arguments = splitArguments(argc, argv);
    if (!arguments.error.empty())
        return usageError(errors, arguments.error);
    const auto given = [&](OptionId id) {
        return std::find(arguments.options.begin(), arguments.options.end(), id)
            != arguments.options.end();
    };

    if (given(Help)) {
        out.write(helpText());
        return Done;
    }
    if (given(Version)) {
        out.write("tessaly " TESSALY_DISPLAY_VERSION "\n");
        return Done;
    }
    const bool accepted = given(AcceptDisclaimer);
    if (given(List)) {
        if (accepted)
            return usageError(errors, "--list and --accept-disclaimer do not go together");
        return listPairs(arguments.positional, out, errors);
    }
    if (arguments.positional.empty())
        return usageError(errors, "no PAIR to convert by");
    if (!accepted) {
        errors.write("tessaly: ");
        errors.write(disclaimerPrompt);
        errors.write("\n");
        errors.write(wrapped(disclaimerText, ""));
        errors.write("tessaly: accept it with --accept-disclaimer\n");
        return UsageError;
    }
    return convertValues(arguments.positional, out, errors);
}

} // namespace

bool wantsWindow(int argc, const char *const argv[])
{
    for (int i = 1; i < argc;) {
        const int words = windowOptionWords(argc, argv, i);
        if (words == 0)
            return false;
        i += words;
    }
    return true;
}

int run(int argc, const char *const argv[])
{
    system::prepareStandardStreams();
    Output out(system::standardOutput);
    Output errors(system::standardError);
    int status = dispatch(argc, argv, out, errors);
    // A reader that closed the pipe has all it wanted, as with any filter: nothing to report,
    // but the output is not all there, so the status is not success.
    if (!out.flush()) {
        if (out.error() != EPIPE)
            errors.write(std::string("tessaly: cannot write the output: ")
                + std::strerror(out.error()) + '\n');
        status = Failed;
    }
    errors.flush();
    return status;
}

} // namespace tessaly::cli
