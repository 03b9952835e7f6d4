// Not a test: times whole programs from their start to the last drawing of their windows, as a
// user sees it. Each program is started on the X display in $DISPLAY (a virtual server with
// nothing else on it), every top-level window it creates is watched with the X Damage extension,
// and the time of the last drawing counts once the windows have stayed quiet for a while; then
// the program is ended. The programs are run in turn, N times each, and the medians compared.
//
//   startup_timer [-n RUNS] [-q QUIET_MS] [-d FOLDER] [-c BASE:OTHER]... -- PROGRAM [ARG...]
//                 [-- PROGRAM [ARG...]]...
//
// STARTUP_TIMER_TRACE=1 also prints every drawing as it comes, with its window and rectangle.
// Prints every run, then per program the median time to the last drawing (with the lowest and the
// highest) and the median processor time the program used (user and system, steadier than the
// former on a busy machine), each also against the first program's; `-c 2:3` also compares the
// third program with the second (programs counted from 1).
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double drawnMs;   // from the start to the last drawing
    double processMs; // processor time the program used in all (user and system), waiting not counted
};

struct Options {
    int runs = 21;
    int quietMs = 300;
    int giveUpMs = 15000;
    std::string folder;
    std::vector<std::pair<std::size_t, std::size_t>> comparisons; // base, other; counted from 0
    std::vector<std::vector<std::string>> programs;
};

[[noreturn]] void Usage(const char* why) {
    std::fprintf(stderr,
                 "startup_timer: %s\n"
                 "usage: startup_timer [-n RUNS] [-q QUIET_MS] [-d FOLDER] [-c BASE:OTHER]... -- "
                 "PROGRAM [ARG...] [-- PROGRAM [ARG...]]...\n",
                 why);
    std::exit(2);
}

Options ParseOptions(int argc, char* argv[]) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc)
            Usage("option without a value");
        const char* value = argv[++i];
        if (flag == "-n")
            options.runs = std::max(1, std::atoi(value));
        else if (flag == "-q")
            options.quietMs = std::max(50, std::atoi(value));
        else if (flag == "-d")
            options.folder = value;
        else if (int base = 0, other = 0;
                 flag == "-c" && std::sscanf(value, "%d:%d", &base, &other) == 2 && base >= 1 && other >= 1)
            options.comparisons.emplace_back(base - 1, other - 1);
        else
            Usage("unknown option");
    }
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            options.programs.emplace_back();
        else
            options.programs.back().emplace_back(argv[i]);
    }
    options.programs.erase(std::remove_if(options.programs.begin(), options.programs.end(),
                                          [](const auto& p) { return p.empty(); }),
                           options.programs.end());
    if (options.programs.empty())
        Usage("no program to time");
    for (const auto& [base, other] : options.comparisons)
        if (base >= options.programs.size() || other >= options.programs.size())
            Usage("a comparison names a program that is not there");
    return options;
}

std::string CommandLine(const std::vector<std::string>& program) {
    std::string line;
    for (const std::string& word : program)
        line += (line.empty() ? "" : " ") + word;
    return line;
}

class Display {
  public:
    Display() {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "startup_timer: cannot open the display in DISPLAY\n");
            std::exit(1);
        }
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present) {
            std::fprintf(stderr, "startup_timer: the X server has no Damage extension\n");
            std::exit(1);
        }
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1),
                                            nullptr));
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        // New top-level windows are reported as children of the root window.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // One run: starts the program, follows its windows' drawing, ends it. The time from the start
    // to its last drawing in ms, or nothing when it drew nothing.
    std::optional<Run> timeRun(const std::vector<std::string>& program, const Options& options) {
        drainEvents();
        std::vector<char*> argv;
        for (const std::string& word : program)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);

        const Clock::time_point start = Clock::now();
        if (std::getenv("STARTUP_TIMER_TRACE"))
            std::fprintf(stderr, "started at %.1f ms\n",
                         std::chrono::duration<double, std::milli>(start.time_since_epoch()).count());
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            std::fprintf(stderr, "startup_timer: cannot start %s\n", argv[0]);
            std::exit(1);
        }
        std::optional<Clock::time_point> lastDrawing;
        std::vector<xcb_damage_damage_t> damages;
        const int fd = xcb_get_file_descriptor(m_connection);
        bool exited = false;
        rusage usage{};
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const uint8_t type = event->response_type & 0x7f;
                if (type == XCB_CREATE_NOTIFY) {
                    const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                    const xcb_damage_damage_t damage = xcb_generate_id(m_connection);
                    // Input-only windows refuse (an error event, passed over): they draw nothing.
                    xcb_damage_create(m_connection, damage, created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                    damages.push_back(damage);
                    xcb_flush(m_connection);
                } else if (type == m_damageEvent) {
                    lastDrawing = Clock::now();
                    if (std::getenv("STARTUP_TIMER_TRACE")) {
                        const auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                        std::fprintf(stderr, "  %7.1f ms drawn %ux%u+%d+%d on 0x%x\n",
                                     std::chrono::duration<double, std::milli>(*lastDrawing - start).count(),
                                     d->area.width, d->area.height, d->area.x, d->area.y, d->drawable);
                    }
                }
                free(event);
            }
            if (xcb_connection_has_error(m_connection)) {
                std::fprintf(stderr, "startup_timer: the display went away\n");
                std::exit(1);
            }
            const Clock::time_point now = Clock::now();
            const auto since = [&](Clock::time_point t) {
                return std::chrono::duration_cast<std::chrono::milliseconds>(now - t).count();
            };
            if (lastDrawing && since(*lastDrawing) >= options.quietMs)
                break;
            if (since(start) >= options.giveUpMs)
                break;
            if (!exited && wait4(pid, nullptr, WNOHANG, &usage) == pid)
                exited = true; // its last drawing may still be on the way: wait for quiet
            if (exited && !lastDrawing && since(start) >= options.quietMs)
                break;
            pollfd watch{fd, POLLIN, 0};
            const long waitMs = lastDrawing ? options.quietMs - since(*lastDrawing) : 50;
            poll(&watch, 1, static_cast<int>(std::clamp(waitMs, 1L, 50L)));
        }
        if (!exited) {
            kill(pid, SIGTERM);
            wait4(pid, nullptr, 0, &usage);
        }
        for (xcb_damage_damage_t damage : damages)
            xcb_damage_destroy(m_connection, damage);
        xcb_flush(m_connection);
        if (!lastDrawing)
            return std::nullopt;
        const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
        return Run{std::chrono::duration<double, std::milli>(*lastDrawing - start).count(),
                   ms(usage.ru_utime) + ms(usage.ru_stime)};
    }

  private:
    // Windows of the previous run going away (and errors for damages on them) are no drawing.
    void drainEvents() {
        xcb_aux_sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            free(event);
    }
    void xcb_aux_sync() {
        free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
};

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = ParseOptions(argc, argv);
    if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) {
        std::fprintf(stderr, "startup_timer: cannot enter %s\n", options.folder.c_str());
        return 1;
    }
    Display display;
    std::vector<std::vector<double>> drawn(options.programs.size()), process(options.programs.size());
    // In turn, so that a slow moment of the machine falls on every program alike.
    for (int run = 1; run <= options.runs; ++run) {
        for (std::size_t p = 0; p < options.programs.size(); ++p) {
            const std::optional<Run> timed = display.timeRun(options.programs[p], options);
            if (!timed) {
                std::fprintf(stderr, "startup_timer: %s drew nothing\n",
                             CommandLine(options.programs[p]).c_str());
                return 1;
            }
            drawn[p].push_back(timed->drawnMs);
            process[p].push_back(timed->processMs);
            std::printf("run %2d  drawn after %7.1f ms, processor %6.1f ms  %s\n", run, timed->drawnMs,
                        timed->processMs, CommandLine(options.programs[p]).c_str());
            std::fflush(stdout);
        }
    }
    std::printf("\nmedians of %d runs; drawn after (lowest, highest), ratio to the first program; "
                "processor time, ratio:\n",
                options.runs);
    const double firstDrawn = Median(drawn[0]);
    const double firstProcess = Median(process[0]);
    for (std::size_t p = 0; p < options.programs.size(); ++p) {
        const double median = Median(drawn[p]);
        const double processor = Median(process[p]);
        std::printf("%8.1f ms (%6.1f, %6.1f) %.3fx   %6.1f ms %.3fx   %s\n", median,
                    *std::min_element(drawn[p].begin(), drawn[p].end()),
                    *std::max_element(drawn[p].begin(), drawn[p].end()), median / firstDrawn, processor,
                    firstProcess > 0 ? processor / firstProcess : 0.0,
                    CommandLine(options.programs[p]).c_str());
    }
    for (const auto& [base, other] : options.comparisons) {
        const double baseProcess = Median(process[base]);
        std::printf("%s against %s: drawn after %.3fx, processor time %.3fx\n",
                    CommandLine(options.programs[other]).c_str(), CommandLine(options.programs[base]).c_str(),
                    Median(drawn[other]) / Median(drawn[base]),
                    baseProcess > 0 ? Median(process[other]) / baseProcess : 0.0);
    }
    return 0;
}
