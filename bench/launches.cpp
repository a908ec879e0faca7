// Start-up time and peak memory of the real program against the bare toolkit window,
// measured from outside them. Each is started with the swap watch preloaded, which says
// when its first frame is on the screen: start-up runs from just before the process is
// made to then. Peak memory is VmHWM from /proc/PID/status, half a second later. One
// untimed run of each first warms the page cache; in the viewer's, a full grid is then
// dropped on its view as from a file manager (GTK's own drag source under the real
// pointer, tools/drag_files), and the peak read again once a frame shows it. Then the two
// take turns, so that a change in the machine's load falls on each alike, and each run of
// the viewer is set against the bare window's run next to it. The full grid's peak is shown,
// not judged: drawing a million cubes takes the GL driver as much in the bare GLX loop, and
// more the less of the cores its threads get (a watcher polling the screen raised it by half).
#include "bench.h"

#include <csignal>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

constexpr int kRuns = 7;

struct Launch {
    double startupMs = 0, peakMiB = 0, loadedPeakMiB = 0;
    std::string window, width, height;  // the first frame's window, and its top level's size
};

// Starts a program with these settings added to its environment; 0 when it cannot.
pid_t Start(std::vector<std::string> words, std::vector<std::string> settings)
{
    std::vector<char*> args, env;
    for (std::string& word : words)
        args.push_back(word.data());
    for (std::string& setting : settings)
        env.push_back(setting.data());
    for (char** setting = environ; *setting != nullptr; ++setting)
        env.push_back(*setting);
    args.push_back(nullptr);
    env.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), env.data()) == 0 ? pid : 0;
}

// What the swap watch says next, within the time given; nothing once the program is gone.
std::string Hear(int fd, int timeoutMs)
{
    pollfd ready{fd, POLLIN, 0};
    char said[256];
    const ssize_t got = ::poll(&ready, 1, timeoutMs) == 1 ? ::read(fd, said, sizeof said) : 0;
    return std::string(said, got > 0 ? static_cast<std::size_t>(got) : 0);
}

double PeakMiBAfterSettling(pid_t pid)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return PeakKiB(pid) / 1024.0;
}

// One run; with a list of files, drops them on the view once the first frame is up.
bool Run(const std::vector<std::string>& command, const std::string& dropList, Launch& result)
{
    int watch[2];
    if (::pipe(watch) != 0)
        return false;
    std::vector<std::string> settings = {"LD_PRELOAD=" SWAP_WATCH_LIBRARY,
                                         "BENCH_SWAP_FD=" + std::to_string(watch[1])};
    if (!dropList.empty())
        settings.emplace_back("BENCH_SWAP_PICTURE=1");
    const double start = NowMs();
    const pid_t pid = Start(command, settings);
    ::close(watch[1]);
    std::istringstream shown(Hear(watch[0], 30000));
    std::string word;
    double shownMs = 0;
    bool ok = shown >> word >> shownMs >> result.window >> result.width >> result.height && word == "shown";
    result.startupMs = shownMs - start;
    result.peakMiB = PeakMiBAfterSettling(pid);
    if (ok && !dropList.empty()) {
        const std::string drop = "'" DRAG_FILES "' " + result.window + " '" + dropList + "'";
        ok = std::system(drop.c_str()) == 0 && Hear(watch[0], 60000) == "drawn\n";
        result.loadedPeakMiB = PeakMiBAfterSettling(pid);
    }
    if (pid != 0 && ::kill(pid, SIGKILL) == 0)
        ::waitpid(pid, nullptr, 0);
    ::close(watch[0]);
    if (!ok)
        std::fprintf(stderr, "bench: %s showed no %s\n", command[0].c_str(),
                     word.empty() ? "first frame" : "picture");
    return ok;
}

}  // namespace

bool TimeLaunches()
{
    const std::string block = std::filesystem::absolute("full-block.vol");
    const std::string dropList = std::filesystem::absolute("dropped.txt");
    std::ofstream(dropList) << block << "\n";
    Launch runs[2];  // the viewer's and the bare window's
    bool ok = volumes::WriteVolume(block, volumes::FullBlock(), nullptr) &&
              Run({DORVANE_BINARY}, dropList, runs[0]);
    const double fullLoadedMiB = runs[0].loadedPeakMiB;
    const std::vector<std::string> commands[] = {{DORVANE_BINARY},
                                                 {BARE_WX_BINARY, runs[0].width, runs[0].height}};
    ok = ok && Run(commands[1], "", runs[1]);
    std::filesystem::remove(block);
    std::filesystem::remove(dropList);
    std::printf("main window %sx%s\n", runs[0].width.c_str(), runs[0].height.c_str());

    std::vector<double> startup[2], peak[2], ratios, extra;
    for (int run = 0; ok && run < kRuns; ++run) {
        for (int p = 0; p < 2; ++p) {
            ok = ok && Run(commands[p], "", runs[p]);
            startup[p].push_back(runs[p].startupMs);
            peak[p].push_back(runs[p].peakMiB);
        }
        ratios.push_back(startup[0].back() / startup[1].back());
        extra.push_back(peak[0].back() - peak[1].back());
    }
    if (!ok)
        return false;
    const Summary startupRatio = SummarizeRatios(ratios);
    const Summary extraMiB = Summarize(extra);
    const Summary bareWxPeak = Summarize(peak[1]);
    Report("startup", "dorvane", 0, Summarize(startup[0]), "ms");
    Report("startup", "bare-wx", 0, Summarize(startup[1]), "ms");
    Report("startup-ratio", "dorvane", 0, startupRatio, "dorvane/bare-wx", "runs in turn", "<= 1.3",
           Judge(startupRatio, -INFINITY, 1.3));
    Report("peak-rss", "bare-wx", 0, bareWxPeak, "MiB", "toolkit + GL canvas + one frame");
    Report("peak-rss", "dorvane", 0, Summarize(peak[0]), "MiB", "empty grid");
    Report("peak-rss-extra", "dorvane", 0, extraMiB, "MiB", "over bare wx in runs in turn", "<= +4 MiB",
           Judge(extraMiB, -INFINITY, 4.0));
    Report("peak-rss", "dorvane-full-loaded", 0, Summarize({fullLoadedMiB}), "MiB",
           Number("%+.1f MiB over bare wx with a full grid", fullLoadedMiB - bareWxPeak.mean));
    return true;
}
