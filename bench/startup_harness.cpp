// Starts programs on the X server in DISPLAY and measures, from just before each start, when the
// server maps the window with the expected title and when that window is first drawn into; then,
// a second later, the program's resident, anonymous and proportional memory. Programs run
// interleaved (A B A B ...) after a warm-up. With --disclaimer it also times a click on the
// "Disclaimer" button to the mapping of the disclaimer window, twice, for the first program.
//
// Usage: startup_harness [--runs N] [--warmup N] [--disclaimer] NAME=PROGRAM [NAME=PROGRAM ...]
#include "ui/layout/form1_layout.h"
#include "ui/layout/form2_layout.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

struct Program
{
    std::string name;
    std::string path;
};

struct Run
{
    double mappedMs = 0;
    double paintedMs = 0;
    double rssMiB = 0;
    double anonMiB = 0;
    double pssMiB = 0;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void die(const std::string &why)
{
    std::fprintf(stderr, "startup_harness: %s\n", why.c_str());
    std::exit(1);
}

class Display
{
public:
    Display()
    {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_connection))
            die("cannot connect to the X server in DISPLAY");
        auto iterator = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&iterator);
        m_root = iterator.data->root;

        const xcb_query_extension_reply_t *damage
            = xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (damage == nullptr || !damage->present)
            die("the X server has no DAMAGE extension");
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(
            m_connection, xcb_damage_query_version(m_connection, 1, 1), nullptr));
        const xcb_query_extension_reply_t *test
            = xcb_get_extension_data(m_connection, &xcb_test_id);
        if (test == nullptr || !test->present)
            die("the X server has no XTEST extension");

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_netWmName = atom("_NET_WM_NAME");
        m_utf8 = atom("UTF8_STRING");
        m_protocols = atom("WM_PROTOCOLS");
        m_deleteWindow = atom("WM_DELETE_WINDOW");
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    // Waits for the next event until the deadline; nullptr when it passed.
    std::unique_ptr<xcb_generic_event_t, decltype(&free)> next(Clock::time_point deadline)
    {
        for (;;) {
            if (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
                return {event, &free};
            const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                      .count();
            if (left <= 0)
                return {nullptr, &free};
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left));
        }
    }

    std::string title(xcb_window_t window)
    {
        auto *reply = xcb_get_property_reply(m_connection,
            xcb_get_property(m_connection, 0, window, m_netWmName, m_utf8, 0, 256), nullptr);
        std::string text;
        if (reply != nullptr) {
            text.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                static_cast<std::size_t>(xcb_get_property_value_length(reply)));
            free(reply);
        }
        return text;
    }

    // Watches a new window for drawing into it; DamageNotify comes on the first drawing.
    void watchDamage(xcb_window_t window)
    {
        xcb_damage_create(
            m_connection, xcb_generate_id(m_connection), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(m_connection);
    }

    void click(xcb_window_t window, int16_t x, int16_t y)
    {
        auto *at = xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, m_root, x, y), nullptr);
        if (at == nullptr)
            die("cannot place the click");
        xcb_test_fake_input(
            m_connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, at->dst_x, at->dst_y, 0);
        xcb_test_fake_input(m_connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        xcb_flush(m_connection);
        free(at);
    }

    void release()
    {
        xcb_test_fake_input(m_connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        xcb_flush(m_connection);
    }

    void close(xcb_window_t window)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = m_protocols;
        message.data.data32[0] = m_deleteWindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
            reinterpret_cast<const char *>(&message));
        xcb_flush(m_connection);
    }

    [[nodiscard]] uint8_t damageEvent() const { return m_damageEvent; }

private:
    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(m_connection,
            xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return result;
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    xcb_atom_t m_netWmName = 0;
    xcb_atom_t m_utf8 = 0;
    xcb_atom_t m_protocols = 0;
    xcb_atom_t m_deleteWindow = 0;
};

// Waits until a window titled title maps (returning it) and, with painted, until it is drawn.
std::optional<xcb_window_t> awaitWindow(Display &display, const std::string &title,
    Clock::time_point start, double &mappedMs, double *paintedMs)
{
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    std::optional<xcb_window_t> mapped;
    std::map<xcb_window_t, bool> damaged;
    while (auto event = display.next(deadline)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
            if (paintedMs != nullptr && !created->override_redirect)
                display.watchDamage(created->window);
        } else if (type == XCB_MAP_NOTIFY && !mapped) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
            const double at = msSince(start);
            if (display.title(map->window) == title) {
                mapped = map->window;
                mappedMs = at;
                if (paintedMs == nullptr)
                    return mapped;
                if (damaged[map->window]) {
                    *paintedMs = at;
                    return mapped;
                }
            }
        } else if (type == display.damageEvent()) {
            const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(event.get());
            damaged[damage->drawable] = true;
            if (mapped && damage->drawable == *mapped) {
                *paintedMs = msSince(start);
                return mapped;
            }
        }
    }
    return std::nullopt;
}

double statusMiB(pid_t pid, const char *file, const std::string &key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            std::istringstream fields(line.substr(key.size() + 1));
            double kiB = 0;
            fields >> kiB;
            return kiB / 1024.0;
        }
    }
    return 0;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10'000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

struct Disclaimer
{
    std::vector<double> firstMs;
    std::vector<double> againMs;
};

Run measure(Display &display, const Program &program, Disclaimer *disclaimer)
{
    Run run;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    const std::string title(form1::title);
    const auto window = awaitWindow(display, title, start, run.mappedMs, &run.paintedMs);
    if (!window) {
        stop(pid);
        die(program.name + ": no window titled " + title + " was mapped and drawn");
    }
    sleep(1);
    run.rssMiB = statusMiB(pid, "status", "VmRSS");
    run.anonMiB = statusMiB(pid, "status", "RssAnon");
    run.pssMiB = statusMiB(pid, "smaps_rollup", "Pss");

    if (disclaimer != nullptr) {
        for (int time = 0; time < 2; ++time) {
            const Pixels button = form1::inWindow(form1::Command2);
            display.click(*window, static_cast<int16_t>(button.x + button.width / 2),
                static_cast<int16_t>(button.y + button.height / 2));
            usleep(50'000);
            const auto clicked = Clock::now();
            display.release();
            double mappedMs = 0;
            const auto shown
                = awaitWindow(display, std::string(form2::title), clicked, mappedMs, nullptr);
            if (!shown)
                die(program.name + ": the disclaimer window did not map");
            (time == 0 ? disclaimer->firstMs : disclaimer->againMs).push_back(mappedMs);
            display.close(*shown);
            usleep(200'000);
        }
    }
    stop(pid);
    return run;
}

struct Summary
{
    double median;
    double min;
    double max;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 20;
    int warmup = 3;
    bool disclaimer = false;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (arg == "--warmup" && i + 1 < argc)
            warmup = std::atoi(argv[++i]);
        else if (arg == "--disclaimer")
            disclaimer = true;
        else if (const auto eq = arg.find('='); eq != std::string::npos)
            programs.push_back({arg.substr(0, eq), arg.substr(eq + 1)});
        else
            die("usage: startup_harness [--runs N] [--warmup N] [--disclaimer] NAME=PROGRAM ...");
    }
    if (programs.empty() || runs < 1)
        die("nothing to run");

    Display display;
    std::vector<std::vector<Run>> results(programs.size());
    Disclaimer clicks;
    for (int round = 0; round < warmup + runs; ++round) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const bool measured = round >= warmup;
            Run run = measure(
                display, programs[p], disclaimer && p == 0 && measured ? &clicks : nullptr);
            if (measured)
                results[p].push_back(run);
        }
    }

    std::printf("%d runs each after %d warm-up runs, interleaved\n\n", runs, warmup);
    std::printf("%-10s %-18s %8s %8s %8s\n", "program", "figure", "median", "min", "max");
    const std::vector<std::pair<const char *, double Run::*>> figures{{"mapped ms", &Run::mappedMs},
        {"first paint ms", &Run::paintedMs}, {"VmRSS MiB", &Run::rssMiB},
        {"RssAnon MiB", &Run::anonMiB}, {"Pss MiB", &Run::pssMiB}};
    std::vector<std::vector<double>> medians(programs.size());
    for (std::size_t p = 0; p < programs.size(); ++p) {
        for (const auto &[label, member] : figures) {
            std::vector<double> values(results[p].size());
            std::transform(results[p].begin(), results[p].end(), values.begin(),
                [member = member](const Run &run) { return run.*member; });
            const Summary s = summarise(values);
            medians[p].push_back(s.median);
            std::printf("%-10s %-18s %8.2f %8.2f %8.2f\n", programs[p].name.c_str(), label,
                s.median, s.min, s.max);
        }
    }
    // Against each other program: the ratio of the medians, and the median of the ratios of
    // runs made side by side, which a slow moment of the machine touches in one round only.
    for (std::size_t other = 1; other < programs.size(); ++other) {
        std::printf("\n%s / %s\n", programs[0].name.c_str(), programs[other].name.c_str());
        for (std::size_t f = 0; f < figures.size(); ++f) {
            const auto member = figures[f].second;
            std::vector<double> ratios(results[0].size());
            std::transform(results[0].begin(), results[0].end(), results[other].begin(),
                ratios.begin(),
                [member](const Run &run, const Run &then) { return run.*member / then.*member; });
            std::printf("  %-18s ratio of medians %.3f  median ratio %.3f  difference %+.2f\n",
                figures[f].first, medians[0][f] / medians[other][f], summarise(ratios).median,
                medians[0][f] - medians[other][f]);
        }
    }
    if (disclaimer) {
        const Summary first = summarise(clicks.firstMs);
        const Summary again = summarise(clicks.againMs);
        std::printf(
            "\n%s: click on Disclaimer to its window mapped, ms\n", programs[0].name.c_str());
        std::printf(
            "  first time  median %.2f  min %.2f  max %.2f\n", first.median, first.min, first.max);
        std::printf(
            "  again       median %.2f  min %.2f  max %.2f\n", again.median, again.min, again.max);
    }
    return 0;
}
