// Summaries of timed samples and the record lines every bench program prints, which
// scripts/bench gathers into its table. Fields are tab-separated: names may hold commas.
#pragma once

#include <cstddef>
#include <sys/types.h>
#include <string>
#include <vector>

// The mean with its 95 % interval (Student's t, from the samples' spread), and the
// extremes. With one sample the interval is that sample.
struct Summary {
    std::size_t n = 0;
    double mean = 0;
    double low = 0;
    double high = 0;
    double min = 0;
    double max = 0;
};

Summary Summarize(const std::vector<double>& samples);
// For ratios, taken on their logarithms: the geometric mean and its interval, which a
// few pairs the machine's load made lopsided sway far less and which stays above 0.
Summary SummarizeRatios(const std::vector<double>& ratios);

// How many samples fit a time budget, given what one costs, kept within [fewest, most].
int SamplesWithin(double budgetMs, double oneSampleMs, int fewest, int most);

// record <measure> <case> <cells> <n> <mean> <low> <high> <min> <max> <unit>
void PrintRecord(const std::string& measure, const std::string& caseName, long long cells,
                 const Summary& summary, const std::string& unit);
// info <key> <value>
void PrintInfo(const std::string& key, const std::string& value);

// Peak resident set so far (VmHWM) of a process, this one by default, in KiB; 0 when
// the process is gone.
long PeakResidentKiB(pid_t pid = 0);

double MillisecondsSince(double startMs);
double NowMs();
