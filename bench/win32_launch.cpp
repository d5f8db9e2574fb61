// Times Windows programs from launch to their main window "Tessaly" on screen, interleaved run
// by run, and prints each one's median and its ratio to the first's (the floor's). Runs under
// Wine, where the programs' own start dominates and the ratio shows what Tessaly adds.
// Usage: win32_launch RUNS WARMUP NAME=PROGRAM...
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program
{
    std::string name;
    std::wstring path;
    std::vector<double> ms;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// Milliseconds until the program's window is visible, or below 0 when it never is.
double launch(const std::wstring &path)
{
    // Whatever the last run left must be gone, or it would be found at once.
    while (FindWindowW(nullptr, L"Tessaly") != nullptr)
        Sleep(10);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            nullptr, &startup, &process))
        return -1;
    double ms = -1;
    HWND window = nullptr;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        window = FindWindowW(nullptr, L"Tessaly");
        if (window != nullptr && IsWindowVisible(window)) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            break;
        }
        Sleep(0);
    }
    if (window != nullptr)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fputs("usage: win32_launch RUNS WARMUP NAME=PROGRAM...\n", stderr);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmup = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string word = argv[i];
        const std::size_t equals = word.find('=');
        const std::string path = word.substr(equals + 1);
        programs.push_back({word.substr(0, equals), std::wstring(path.begin(), path.end()), {}});
    }
    for (int run = 0; run < warmup + runs; ++run) {
        for (Program &program : programs) {
            const double ms = launch(program.path);
            if (ms < 0) {
                std::fprintf(stderr, "win32_launch: %s showed no window\n", program.name.c_str());
                return 1;
            }
            if (run >= warmup)
                program.ms.push_back(ms);
        }
    }
    const double floor = median(programs.front().ms);
    std::printf("%-10s %12s %10s\n", "program", "to window", "x first");
    for (const Program &program : programs) {
        const double ms = median(program.ms);
        std::printf("%-10s %9.2f ms %10.3f\n", program.name.c_str(), ms, ms / floor);
    }
    return 0;
}
