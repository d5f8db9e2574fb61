// Times whole commands: each is started afresh, the commands interleaved (A B A B ...) after a
// warm-up, and the wall time from fork to exit and the peak resident memory are summarised as
// median, minimum and maximum. Each command is one argument, split into words as a shell would.
// With --stdin FILE each run reads FILE, and the rate in lines a second is given too. Each
// median is also given as a multiple of the first command's, the floor where there is one.
//
// Usage: command_timer [--runs N] [--warmup N] [--stdin FILE] [--stdout FILE] NAME=COMMAND...
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wordexp.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Command
{
    std::string name;
    std::vector<std::string> words;
    std::vector<double> ms;
    std::vector<double> peakMiB;
};

[[noreturn]] void die(const std::string &why)
{
    std::fprintf(stderr, "command_timer: %s\n", why.c_str());
    std::exit(1);
}

std::vector<std::string> split(const std::string &line)
{
    wordexp_t words{};
    if (wordexp(line.c_str(), &words, WRDE_NOCMD | WRDE_UNDEF) != 0)
        die("cannot split into words: " + line);
    std::vector<std::string> result(words.we_wordv, words.we_wordv + words.we_wordc);
    wordfree(&words);
    return result;
}

void redirect(const std::string &path, int fd, int flags)
{
    const int opened = open(path.c_str(), flags, 0644);
    if (opened < 0 || dup2(opened, fd) < 0)
        _exit(126);
    close(opened);
}

void runOnce(Command &command, const std::string &in, const std::string &out, bool keep)
{
    std::vector<char *> argv(command.words.size() + 1, nullptr);
    std::transform(command.words.begin(), command.words.end(), argv.begin(),
        [](std::string &word) { return word.data(); });

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        redirect(in, STDIN_FILENO, O_RDONLY);
        redirect(out, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        die(command.name + " failed (status " + std::to_string(status) + ")");
    if (keep) {
        command.ms.push_back(ms);
        command.peakMiB.push_back(static_cast<double>(usage.ru_maxrss) / 1024.0);
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 30;
    int warmup = 3;
    std::string in = "/dev/null";
    std::string out = "/dev/null";
    std::vector<Command> commands;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--warmup" && hasValue)
            warmup = std::max(0, std::atoi(argv[++i]));
        else if (arg == "--stdin" && hasValue)
            in = argv[++i];
        else if (arg == "--stdout" && hasValue)
            out = argv[++i];
        else if (const auto equals = arg.find('='); equals != std::string::npos && equals > 0)
            commands.push_back({arg.substr(0, equals), split(arg.substr(equals + 1)), {}, {}});
        else
            die("usage: command_timer [--runs N] [--warmup N] [--stdin FILE] [--stdout FILE] "
                "NAME=COMMAND...");
    }
    if (commands.empty())
        die("no command to time");

    for (int run = 0; run < warmup + runs; ++run) {
        for (Command &command : commands)
            runOnce(command, in, out, run >= warmup);
    }

    std::size_t lines = 0;
    if (in != "/dev/null") {
        std::ifstream file(in, std::ios::binary);
        lines = static_cast<std::size_t>(std::count(
            std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>(), '\n'));
    }
    std::printf("%-10s %10s %10s %10s %8s %14s", "command", "median ms", "min ms", "max ms",
        "x first", "peak RSS MiB");
    std::printf(lines > 0 ? " %16s\n" : "\n", "lines/s");
    for (const Command &command : commands) {
        const double ms = median(command.ms);
        std::printf("%-10s %10.2f %10.2f %10.2f %8.3f %14.2f", command.name.c_str(), ms,
            *std::min_element(command.ms.begin(), command.ms.end()),
            *std::max_element(command.ms.begin(), command.ms.end()),
            ms / median(commands.front().ms), median(command.peakMiB));
        if (lines > 0)
            std::printf(" %16.0f", static_cast<double>(lines) / (ms / 1000.0));
        std::printf("\n");
    }
    return 0;
}
