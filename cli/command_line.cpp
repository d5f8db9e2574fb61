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

#include <QCommandLineParser>

#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

namespace {

struct OptionText
{
    const char *shortName;
    const char *longName;
    const char *description;
};

constexpr std::array options{
    OptionText{"", "accept-disclaimer", "accept the disclaimer below and convert by PAIR"},
    OptionText{"l", "list", "list the pairs of CATEGORY, or of every category"},
    OptionText{"h", "help", "show this help and exit"},
    OptionText{"v", "version", "show the version and exit"},
};

constexpr std::string_view usageLine
    = "Usage: tessaly [--list [CATEGORY] | --accept-disclaimer PAIR [VALUE]...]\n";

enum Status { Done = 0, Failed = 1, UsageError = 2 };

// Options go to the parser, everything else is kept as given, byte for byte: every option is a
// flag, so a pair or a value can never be an option's argument. A value such as "-40" reads as a
// number, which makes it a value rather than an option.
struct Arguments
{
    QStringList options{QStringLiteral("tessaly")};
    std::vector<std::string_view> positional;
};

Arguments splitArguments(int argc, const char *const argv[])
{
    Arguments arguments;
    bool onlyPositional = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!onlyPositional && argument == "--")
            onlyPositional = true;
        else if (!onlyPositional && argument.size() > 1 && argument.front() == '-'
            && !parseNumber(argument))
            arguments.options.append(QString::fromLocal8Bit(argv[i]));
        else
            arguments.positional.push_back(argument);
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
    const auto lower
        = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
        [&](char a, char b) { return lower(a) == lower(b); });
}

std::string helpText()
{
    std::string help(usageLine);
    help += "Converts a number between units of length, mass and temperature, with exactly\n"
            "the answers of Tessaly's window. With no arguments, Tessaly opens its window.\n\n";
    for (const OptionText &option : options) {
        std::string names = *option.shortName != '\0'
            ? std::string("  -") + option.shortName + ", --" + option.longName
            : std::string("      --") + option.longName;
        names.resize(std::max<std::size_t>(names.size() + 2, 27), ' ');
        help += names + option.description + '\n';
    }
    help += "\nPAIR is a conversion as the window's list shows it, letter for letter, such as\n"
            "\"Pounds to Kilograms\". Each VALUE gets one line of output; with no VALUE, or a\n"
            "VALUE of -, each line of standard input is a value.\n"
            "CATEGORY is "
        + categoryChoice() + ".\n\n"
        + "Exit status:\n"
          "  0  every value converted, or the help, version or list shown\n"
          "  1  a value that is not a number (its output line is empty), a PAIR with no\n"
          "     conversion, output that could not be written, or no display for the window\n"
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
        LineReader lines(
            [](char *buffer, std::size_t size) {
                ssize_t count = 0;
                do
                    count = ::read(STDIN_FILENO, buffer, size);
                while (count < 0 && errno == EINTR);
                return static_cast<long>(count);
            },
            [&] {
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
    QCommandLineParser parser;
    for (const OptionText &option : options) {
        QStringList names{QLatin1String(option.longName)};
        if (*option.shortName != '\0')
            names.prepend(QLatin1String(option.shortName));
        parser.addOption(QCommandLineOption(names, QLatin1String(option.description)));
    }
    if (!parser.parse(arguments.options))
        return usageError(errors, parser.errorText().toStdString());

    if (parser.isSet(QStringLiteral("help"))) {
        out.write(helpText());
        return Done;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out.write("tessaly " TESSALY_DISPLAY_VERSION "\n");
        return Done;
    }
    const bool accepted = parser.isSet(QStringLiteral("accept-disclaimer"));
    if (parser.isSet(QStringLiteral("list"))) {
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

bool isCommandLine(int argc, const char *const argv[])
{
    const auto qtOption = [](std::string_view argument) {
        return argument.size() > 2 && argument[0] == '-' && argument[1] != '-';
    };
    if (argc > 1 && !qtOption(argv[1]))
        return true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--") || (argument.size() == 2 && argument[0] == '-'))
            return true;
    }
    return false;
}

int run(int argc, const char *const argv[])
{
    // A closed pipe is then a failed write, reported like any other, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    Output out(STDOUT_FILENO);
    Output errors(STDERR_FILENO);
    int status = dispatch(argc, argv, out, errors);
    if (!out.flush()) {
        errors.write(
            std::string("tessaly: cannot write the output: ") + std::strerror(out.error()) + '\n');
        status = Failed;
    }
    errors.flush();
    return status;
}

int reportUnusedArguments(int argc, const char *const argv[])
{
    Output errors(STDERR_FILENO);
    std::string unused;
    for (int i = 1; i < argc; ++i)
        unused += (i > 1 ? " " : "") + quoteForMessage(argv[i]);
    return usageError(errors, "unknown arguments: " + unused);
}

} // namespace tessaly::cli
