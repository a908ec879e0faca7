#include "sample_stats.h"

#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numeric>

Summary Summarize(const std::vector<double>& samples)
{
    Summary summary;
    if (samples.empty())
        return summary;
    const auto [min, max] = std::minmax_element(samples.begin(), samples.end());
    const double n = static_cast<double>(samples.size());
    const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / n;
    double halfWidth = 0;
    if (samples.size() > 1) {
        double squares = 0;
        for (double sample : samples)
            squares += (sample - mean) * (sample - mean);
        const boost::math::students_t t(n - 1);
        halfWidth = boost::math::quantile(t, 0.975) * std::sqrt(squares / (n - 1) / n);
    }
    return {samples.size(), mean, mean - halfWidth, mean + halfWidth, *min, *max};
}

Summary SummarizeRatios(const std::vector<double>& ratios)
{
    std::vector<double> logs;
    for (double ratio : ratios)
        logs.push_back(std::log(ratio));
    const Summary s = Summarize(logs);
    return {s.n, std::exp(s.mean), std::exp(s.low), std::exp(s.high), std::exp(s.min), std::exp(s.max)};
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
                caseName.c_str(), cells, s.n, s.mean, s.low, s.high, s.min, s.max, unit.c_str());
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
