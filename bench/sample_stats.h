// Summaries of timed samples and the record lines every bench program prints, which
// scripts/bench gathers into its table. Fields are tab-separated: names may hold commas.
#pragma once

#include <cstddef>
#include <sys/types.h>
#include <string>
#include <vector>

struct Summary {
    std::size_t n = 0;
    double median = 0;
    double p25 = 0;
    double p75 = 0;
    double min = 0;
    double max = 0;
};

Summary Summarize(std::vector<double> samples);

// How many samples fit a time budget, given what one costs, kept within [fewest, most].
int SamplesWithin(double budgetMs, double oneSampleMs, int fewest, int most);

// record <measure> <case> <cells> <n> <median> <p25> <p75> <min> <max> <unit>
void PrintRecord(const std::string& measure, const std::string& caseName, long long cells,
                 const Summary& summary, const std::string& unit);
// info <key> <value>
void PrintInfo(const std::string& key, const std::string& value);

// Peak resident set so far (VmHWM) of a process, this one by default, in KiB; 0 when
// the process is gone.
long PeakResidentKiB(pid_t pid = 0);

double MillisecondsSince(double startMs);
double NowMs();
// CPU time used so far by every thread of this process (the GL driver's too), in ms.
double ProcessCpuMs();

// What a run of frames cost: time on the clock, and CPU time of the process that drew
// them, which another program's work on the machine does not lengthen.
struct FrameTimes {
    double wallMs = 0;
    double cpuMs = 0;
};
