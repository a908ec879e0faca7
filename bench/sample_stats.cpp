#include "sample_stats.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace {

// Linear interpolation between the closest ranks.
double Quantile(const std::vector<double>& sorted, double q)
{
    const double rank = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (rank - static_cast<double>(below));
}

}  // namespace

Summary Summarize(std::vector<double> samples)
{
    Summary summary;
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.n = samples.size();
    summary.median = Quantile(samples, 0.5);
    summary.p25 = Quantile(samples, 0.25);
    summary.p75 = Quantile(samples, 0.75);
    summary.min = samples.front();
    summary.max = samples.back();
    return summary;
}

int SamplesWithin(double budgetMs, double oneSampleMs, int fewest, int most)
{
    const double fit = oneSampleMs > 0 ? budgetMs / oneSampleMs : most;
    return static_cast<int>(std::clamp(fit, static_cast<double>(fewest), static_cast<double>(most)));
}

void PrintRecord(const std::string& measure, const std::string& caseName, long long cells, const Summary& s,
                 const std::string& unit)
{
    std::printf("record\t%s\t%s\t%lld\t%zu\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%s\n", measure.c_str(),
                caseName.c_str(), cells, s.n, s.median, s.p25, s.p75, s.min, s.max, unit.c_str());
    std::fflush(stdout);
}

void PrintInfo(const std::string& key, const std::string& value)
{
    std::printf("info\t%s\t%s\n", key.c_str(), value.c_str());
    std::fflush(stdout);
}

long PeakResidentKiB(pid_t pid)
{
    std::ifstream status(pid == 0 ? std::string("/proc/self/status")
                                  : "/proc/" + std::to_string(pid) + "/status");
    std::string word;
    while (status >> word)
        if (word == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    return 0;
}

double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double MillisecondsSince(double startMs)
{
    return NowMs() - startMs;
}

double ProcessCpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}
