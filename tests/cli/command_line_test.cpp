// The installed program's command line, run as a user's shell runs it: arguments, standard
// input in a pipe, redirections, no display.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result
{
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs a shell command in which $T is the program and $W a scratch folder, with no display in
// reach.
Result shell(const std::string &command)
{
    char folder[] = "/tmp/tessaly-cli-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return {};
    const std::string out = std::string(folder) + "/out";
    const std::string err = std::string(folder) + "/err";
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("T", TESSALY_PROGRAM, 1);
        setenv("W", folder, 1);
        setenv("WINDOW_LIBRARY", TESSALY_WINDOW_LIBRARY, 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("QT_QPA_PLATFORM");
        const std::string script = "exec >" + out + " 2>" + err + " </dev/null; " + command;
        execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Result result{
        WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), slurp(out), slurp(err)};
    std::filesystem::remove_all(folder);
    return result;
}

struct Case
{
    std::string command;
    int status;
    std::string out;
    // What standard error must contain; empty means it must be empty.
    std::vector<std::string> err;
};

constexpr const char *disclaimerStart = "This is Freeware, by accepting the disclaimer";

TEST(CommandLineTest, AnswersWithTheWindowsTextsAndDocumentedStatuses)
{
    const std::string usage
        = "Usage: tessaly [--list [CATEGORY] | --accept-disclaimer PAIR [VALUE]...]";
    const std::vector<Case> cases{
        {"$T --version", 0, "tessaly " TESSALY_DISPLAY_VERSION "\n", {}},
        {"$T --list TEMPERATURE", 0,
            "Celsius to Fahrenheit\nCelsius to Kelvin\nFahrenheit to Celsius\n"
            "Fahrenheit to Kelvin\nKelvin to Celsius\nKelvin to Fahrenheit\n",
            {}},
        {"$T --list >$W/list; s=$?; sed -n '1p;56p;57p;86p;87p;92p;93p' $W/list; exit $s", 0,
            "Centimeters to Foots\nYards to Milimeters\nGrams to Kilograms\nTons to Pounds\n"
            "Celsius to Fahrenheit\nKelvin to Fahrenheit\n",
            {}},
        {"$T --accept-disclaimer 'Pounds to Kilograms' 2.5", 0, "1.133980925\n", {}},
        {"$T --accept-disclaimer 'Celsius to Kelvin' -40 abc 1e999", 1, "233\n\nInfinity\n",
            {"tessaly: not a number: \"abc\"\n"}},
        {"printf '0\\nx\\n100' | $T --accept-disclaimer 'Celsius to Fahrenheit'", 1, "32\n\n212\n",
            {"tessaly: line 2: not a number: \"x\"\n"}},
        {"echo 2 | $T --accept-disclaimer 'Kelvin to Celsius' 1 - 3", 0, "-272\n-271\n-270\n", {}},
        {"$T 'Pounds to Kilograms' 2.5", 2, "",
            {"tessaly: Please Read and Check the Disclaimer\n", disclaimerStart}},
        {"$T --accept-disclaimer 'Feet to Meters' 1", 1, "",
            {R"(tessaly: no conversion "Feet to Meters"; did you mean "Foots to Meters")"}},
        {"$T --frobnicate", 2, "", {"tessaly: Unknown option 'frobnicate'.\n", usage}},
        {"$T --accept-disclaimer", 2, "", {usage}},
        {"$T --list Mass --accept-disclaimer", 2, "", {usage}},
        {"$T --list Heat", 2, "", {usage}},
        {"$T --accept-disclaimer 'Pounds to Kilograms' 2.5 >/dev/full", 1, "",
            {"tessaly: cannot write the output: No space left on device\n"}},
        {"$T --help >/dev/full", 1, "", {"No space left on device"}},
        {"$T", 1, "", {"tessaly: cannot open a window: no display", "tessaly --help"}},
        // The command line maps none of the window's libraries.
        {"LD_DEBUG=libs $T --version 2>$W/libs; s=$?; grep -c 'libQt6' $W/libs;"
         " grep -q 'calling init: .*libc.so' $W/libs || echo 'nothing traced'; exit $s",
            0, "tessaly " TESSALY_DISPLAY_VERSION "\n0\n", {}},
        {"mkdir $W/bin && cp $T $W/bin && $W/bin/tessaly", 1, "",
            {"tessaly: cannot open a window: ", "missing or broken"}},
        {"mkdir -p $W/bin/$WINDOW_LIBRARY && rmdir $W/bin/$WINDOW_LIBRARY && cp $T $W/bin"
         " && echo junk >$W/bin/$WINDOW_LIBRARY && $W/bin/tessaly -platform xcb",
            1, "", {"tessaly: cannot open a window: ", "missing or broken"}},
        {"$T -help", 2, "", {"tessaly: Unknown option '-help'. Did you mean --help?\n", usage}},
        {"$T -version", 2, "", {"Did you mean --version?\n", usage}},
        {"$T -lh", 2, "", {"tessaly: Unknown option '-lh'.\n", usage}},
        {"$T -style fusion extra", 2, "", {usage}},
        {"$T --accept-disclaimer 'Kelvin to Celsius' -1,5 -inf -e5 -- -5 --accept-disclaimer", 1,
            "\n\n\n-278\n\n", {"tessaly: not a number: \"-1,5\"\n", "not a number: \"-e5\"\n"}},
        {"$T --accept-disclaimer 'Kelvin to Celsius' \"$(printf '\\357\\273\\2771')\"", 1, "\n",
            {"tessaly: not a number: \"\\ufeff1\"\n"}},
        {"$T 'Kelvin to Celsius' 1 --accept-disclaimer", 0, "-272\n", {}},
        {"yes 1 | { $T --accept-disclaimer 'Pounds to Kilograms'; s=$?; [ $s = 1 ] ||"
         " echo \"status $s\" >&2; } | head -n 1",
            0, "0.45359237\n", {}},
        {"DISPLAY=:9999 $T -style fusion", 1, "", {"(DISPLAY=:9999, "}},
        {"QT_QPA_PLATFORM=bogus $T", 1, "",
            {"tessaly: cannot open a window: could not find the Qt platform plugin \"bogus\"",
                "offscreen"}},
    };
    for (const Case &c : cases) {
        const Result result = shell(c.command);
        EXPECT_EQ(result.status, c.status) << c.command << "\n" << result.err;
        EXPECT_EQ(result.out, c.out) << c.command;
        if (c.err.empty()) {
            EXPECT_EQ(result.err, "") << c.command;
        }
        for (const std::string &part : c.err)
            EXPECT_NE(result.err.find(part), std::string::npos) << c.command << "\n" << result.err;
        EXPECT_EQ(result.err.find("Reinstalling"), std::string::npos) << c.command;
    }
}

TEST(CommandLineTest, HelpNeedsNoDisplayAndCarriesTheDisclaimer)
{
    for (const char *option : {"--help", "-h"}) {
        const Result result = shell(std::string("$T ") + option);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out.rfind("Usage: tessaly", 0), 0U) << result.out;
        for (const char *part : {"--accept-disclaimer", "--list", "--version",
                 "Exit status:", "Examples:", disclaimerStart})
            EXPECT_NE(result.out.find(part), std::string::npos) << part;
        EXPECT_EQ(result.err, "");
    }
}

} // namespace
