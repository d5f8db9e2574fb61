// The installed program's command line, run as a user's shell runs it: arguments, standard
// input in a pipe, redirections, no display.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

// Runs a shell command in which $T is the program, with no display in reach.
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
    std::remove(out.c_str());
    std::remove(err.c_str());
    rmdir(folder);
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
        {"$T --list | sed -n '1p;56p;57p;86p;87p;92p;93p'", 0,
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
        {"DISPLAY=:9999 $T -style fusion", 1, "", {"(DISPLAY=:9999, "}},
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
