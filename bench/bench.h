// What the benchmark and its bare GLX loop share (the clock, a process's peak memory, the
// volumes every frame benchmark draws), the benchmark's sections and its one report.
#pragma once

#include "volumes/volume_shapes.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

class CCubeView;

inline double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Peak resident set (VmHWM) of a process, this one by default, in KiB; 0 once it is gone.
inline long PeakKiB(pid_t pid = 0)
{
    std::ifstream status(pid == 0 ? "/proc/self/status" : "/proc/" + std::to_string(pid) + "/status");
    std::string word;
    while (status >> word && word != "VmHWM:")
        ;
    long kib = 0;
    status >> kib;
    return kib;
}

constexpr unsigned kNoiseSeed = 20240601;  // the half-full noise volume is the same in every run

struct BenchVolume {
    std::string name;
    std::vector<unsigned char> cells;
    long long occupied;
};

// From an empty grid to a full one, decoded as the viewer decodes a file (0 empty, 1 occupied).
inline std::vector<BenchVolume> BenchVolumes()
{
    std::vector<BenchVolume> list;
    for (const std::string name : {"empty", "cell", "shell", "sphere", "torus", "noise", "block"}) {
        BenchVolume volume{name == "noise" ? "noise50" : name, *volumes::ShapeByName(name, 0.5, kNoiseSeed),
                           0};
        for (unsigned char& cell : volume.cells)
            cell = cell != 0 ? 1 : 0;
        volume.occupied = std::count(volume.cells.begin(), volume.cells.end(), 1);
        list.push_back(volume);
    }
    return list;
}

// The mean with its 95 % interval (Student's t, from the samples' spread), and the
// extremes. With one sample the interval is that sample; NaN where there is none.
struct Summary {
    std::size_t n = 0;
    double mean = 0, low = 0, high = 0, min = 0, max = 0;
};
Summary Summarize(const std::vector<double>& samples);
// For ratios, taken on their logarithms: the geometric mean and its interval, which a few
// pairs the machine's load made lopsided sway far less and which stays above 0.
Summary SummarizeRatios(const std::vector<double>& ratios);
// A goal judged on the interval: MET when all of it lies within [least, most], MISSED when
// none of it does, UNDECIDED when a bound of the goal lies within it.
std::string Judge(const Summary& summary, double least, double most);
// A number as the report shows it, `format` taking the one value; nothing for NaN.
std::string Number(const char* format, double value);

// One row of the report (bench.csv, which scripts/bench lays out as a table). No field
// holds a comma.
void Report(const std::string& measure, const std::string& name, long long cells, const Summary& summary,
            const std::string& unit, const std::string& note = "", const std::string& goal = "",
            const std::string& verdict = "");

// Frames that reached a window of this process: every buffer swap is counted.
long SwapsSoFar();

// Each section reports its rows; false when the program did not do what was timed.
// TimeFrames gives each volume's mean view frame, in ms, which pacing judges by.
bool TimeFrames(CCubeView& view, const std::vector<BenchVolume>& volumes, std::vector<double>& viewFrameMs);
bool TimeLoads(CCubeView& view);
bool TimePacing(CCubeView& view, const std::vector<BenchVolume>& volumes,
                const std::vector<double>& viewFrameMs);
bool TimeLaunches();
