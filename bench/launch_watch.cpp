// Start-up time and peak memory of a program, measured from outside it.
//
// Start-up runs from just before the process is made to its first frame on screen. The
// program is not changed to say when that is, so the screen is watched instead: a
// backdrop of ours lies under everything, so nothing undrawn can read as black; once a
// top-level window of the process is mapped, the innermost window at its centre is the
// OpenGL view, and the first frame is on screen when blocks spread over that view read
// back as exactly black, the colour both programs clear to (the viewer's grid is empty at
// start). Nothing but a GL frame draws into that window: it shows the backdrop until the
// first swap after it is mapped, and frames drawn before that were never seen. Xvfb has
// no compositor, so a swap reaches the root window's pixels at once; polling every 2 ms
// bounds the error. Peak memory is VmHWM from /proc/PID/status, half a second later.
//
// Usage: bench_launch RUNS [--drop LIST DROPPER] -- NAME PROGRAM [ARGS...] [-- NAME ...]
// One untimed run of each program first warms the page cache; then the programs take
// turns, so that a change in the machine's load falls on each alike; with two programs,
// the first's start-up and peak are also taken run by run against the second's. With
// --drop, once the first frame is up, "DROPPER WINDOW_ID LIST" drops the files LIST names
// (one path a line) on the window, and the peak is read again once the view shows a
// picture of them.
#include "sample_stats.h"
#include "screen_probe.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

constexpr int kPollMs = 2;
constexpr int kSettleMs = 500;
constexpr double kFirstFrameTimeoutMs = 30000;
constexpr double kPictureTimeoutMs = 60000;

struct Program {
    std::string name;
    std::vector<std::string> command;
};

struct Options {
    int runs = 0;
    std::string dropFile;
    std::string dropper;
    std::vector<Program> programs;
};

struct RunResult {
    double startupMs = 0;
    double peakMiB = 0;
    double loadedPeakMiB = 0;
    ScreenRect topLevel;
};

pid_t Spawn(const std::vector<std::string>& command, bool quiet)
{
    std::vector<char*> args;
    for (const std::string& word : command)
        args.push_back(const_cast<char*>(word.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet)  // our standard output carries the records
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : pid;
}

bool Exited(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 150; ++i) {
        if (Exited(pid))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double PeakMiB(pid_t pid)
{
    return PeakResidentKiB(pid) / 1024.0;
}

// Polls until found() holds, the process ends or the time is up.
bool PollUntil(pid_t pid, const std::function<bool()>& found, double timeoutMs)
{
    const double start = NowMs();
    while (MillisecondsSince(start) < timeoutMs) {
        if (found())
            return true;
        if (Exited(pid))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    return false;
}

bool DropAndWaitForPicture(Display* dpy, const Backdrop& backdrop, const Options& options, pid_t pid,
                           Window topLevel, const ScreenRect& view)
{
    char windowId[32];
    std::snprintf(windowId, sizeof windowId, "0x%lx", static_cast<unsigned long>(topLevel));
    const pid_t dropper = Spawn({options.dropper, windowId, options.dropFile}, false);
    int status = 0;
    if (dropper == 0 || waitpid(dropper, &status, 0) != dropper || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_launch: %s could not drop %s\n", options.dropper.c_str(),
                     options.dropFile.c_str());
        return false;
    }
    return PollUntil(
        pid, [&] { return LookOf(dpy, view, backdrop.Pixel()) == AreaLook::drawn; }, kPictureTimeoutMs);
}

bool RunOnce(Display* dpy, const Backdrop& backdrop, const Options& options, const Program& program,
             RunResult& result)
{
    const double start = NowMs();
    const pid_t pid = Spawn(program.command, true);
    if (pid == 0) {
        std::fprintf(stderr, "bench_launch: cannot start %s\n", program.command[0].c_str());
        return false;
    }
    Window topLevel = None;
    ScreenRect view;
    const bool shown = PollUntil(
        pid,
        [&] {
            const std::optional<Window> top = MappedTopLevelOf(dpy, pid);
            if (!top)
                return false;
            const Window inner = InnermostAtCentre(dpy, *top);
            if (inner == *top)
                return false;
            topLevel = *top;
            view = RectOnScreen(dpy, inner);
            return LookOf(dpy, view, backdrop.Pixel()) == AreaLook::black;
        },
        kFirstFrameTimeoutMs);
    result.startupMs = MillisecondsSince(start);
    if (!shown) {
        std::fprintf(stderr, "bench_launch: %s showed no first frame\n", program.name.c_str());
        Stop(pid);
        return false;
    }
    result.topLevel = RectOnScreen(dpy, topLevel);
    std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
    result.peakMiB = PeakMiB(pid);

    bool ok = true;
    if (!options.dropFile.empty()) {
        ok = DropAndWaitForPicture(dpy, backdrop, options, pid, topLevel, view);
        std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
        result.loadedPeakMiB = PeakMiB(pid);
        if (!ok)
            std::fprintf(stderr, "bench_launch: %s showed no picture of %s\n", program.name.c_str(),
                         options.dropFile.c_str());
    }
    Stop(pid);
    return ok;
}

bool Parse(int argc, char** argv, Options& options)
{
    if (argc < 5)
        return false;
    options.runs = std::atoi(argv[1]);
    int i = 2;
    if (std::strcmp(argv[i], "--drop") == 0) {
        if (argc < i + 4)
            return false;
        options.dropFile = argv[i + 1];
        options.dropper = argv[i + 2];
        i += 3;
    }
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            options.programs.emplace_back();
        else if (options.programs.empty())
            return false;
        else if (options.programs.back().name.empty())
            options.programs.back().name = argv[i];
        else
            options.programs.back().command.push_back(argv[i]);
    }
    for (const Program& program : options.programs)
        if (program.command.empty())
            return false;
    return options.runs > 0 && !options.programs.empty();
}

struct Samples {
    std::vector<double> startup, peak, loadedPeak;
    ScreenRect topLevel;
};

// The first program against the second, run by run (each run of one is next to a run of
// the other): start-up ratio and extra peak memory, so that each has an interval.
void PrintPaired(const std::string& name, const Samples& first, const Samples& second)
{
    std::vector<double> ratios, extra;
    for (std::size_t run = 0; run < first.startup.size(); ++run) {
        ratios.push_back(first.startup[run] / second.startup[run]);
        extra.push_back(first.peak[run] - second.peak[run]);
    }
    PrintRecord("startup-ratio", name, 0, SummarizeRatios(ratios), "first/second");
    PrintRecord("peak-rss-extra", name, 0, Summarize(extra), "MiB");
}

// The warm-up runs first, then the runs that count; prints their records.
bool Measure(Display* dpy, const Options& options)
{
    const Backdrop backdrop(dpy);
    std::vector<Samples> samples(options.programs.size());
    RunResult result;
    for (const Program& program : options.programs)
        if (!RunOnce(dpy, backdrop, options, program, result))
            return false;
    for (int run = 0; run < options.runs; ++run)
        for (std::size_t p = 0; p < options.programs.size(); ++p) {
            if (!RunOnce(dpy, backdrop, options, options.programs[p], result))
                return false;
            samples[p].startup.push_back(result.startupMs);
            samples[p].peak.push_back(result.peakMiB);
            samples[p].loadedPeak.push_back(result.loadedPeakMiB);
            samples[p].topLevel = result.topLevel;
        }
    for (std::size_t p = 0; p < options.programs.size(); ++p) {
        const std::string& name = options.programs[p].name;
        PrintInfo("window-size-" + name, std::to_string(samples[p].topLevel.width) + " " +
                                             std::to_string(samples[p].topLevel.height));
        PrintRecord("startup", name, 0, Summarize(samples[p].startup), "ms");
        PrintRecord("peak-rss", name, 0, Summarize(samples[p].peak), "MiB");
        if (!options.dropFile.empty())
            PrintRecord("peak-rss", name + "-loaded", 0, Summarize(samples[p].loadedPeak), "MiB");
    }
    if (options.programs.size() == 2)
        PrintPaired(options.programs[0].name, samples[0], samples[1]);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(
            stderr,
            "usage: bench_launch RUNS [--drop LIST DROPPER] -- NAME PROGRAM [ARGS...] [-- NAME ...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "bench_launch: no X display\n");
        return 1;
    }
    const bool measured = Measure(dpy, options);
    XCloseDisplay(dpy);
    return measured ? 0 : 1;
}
