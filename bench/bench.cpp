// Dorvane's benchmarks, one program. First the real program, started in this process as
// the tests start it, on its own window: frame cost of the view against a bare GLX loop,
// load cost of both roads against a plain read, animation pacing. Then the real binary,
// started again and again in turn with a bare toolkit window: start-up and peak memory.
// scripts/bench runs it on a display of its own, in the folder it writes to; it writes
// one table there, bench.csv, and prints what it measured on. Every figure is a mean with
// its 95 % interval; a ratio's is the geometric mean of its pairs, and a goal counts as
// missed only when all of the interval misses it.
#include "bench.h"

#include "view/cube_view.h"

#include "framework/frame_wnd.h"
#include "framework/win_app.h"
#include "tests/support/toolkit_session.h"

#include <boost/math/distributions/students_t.hpp>

#include <numeric>

namespace {

std::FILE* g_report = nullptr;

// A message box would wait for a person; here it means something failed.
bool g_messageShown = false;
int ReportMessage(const char* text, const char*, UINT)
{
    std::fprintf(stderr, "bench: the program said: %s\n", text);
    g_messageShown = true;
    return 1;
}

}  // namespace

Summary Summarize(const std::vector<double>& samples)
{
    const double n = static_cast<double>(samples.size());
    const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / n;
    double squares = 0;
    for (double sample : samples)
        squares += (sample - mean) * (sample - mean);
    const double halfWidth = n > 1 ? boost::math::quantile(boost::math::students_t(n - 1), 0.975) *
                                         std::sqrt(squares / (n - 1) / n)
                                   : 0;
    const auto [min, max] = std::minmax_element(samples.begin(), samples.end());
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

std::string Judge(const Summary& summary, double least, double most)
{
    if (summary.low >= least && summary.high <= most)
        return "MET";
    return summary.high < least || summary.low > most ? "MISSED" : "UNDECIDED";
}

std::string Number(const char* format, double value)
{
    char text[80] = "";
    if (!std::isnan(value))
        std::snprintf(text, sizeof text, format, value);
    return text;
}

void Report(const std::string& measure, const std::string& name, long long cells, const Summary& s,
            const std::string& unit, const std::string& note, const std::string& goal,
            const std::string& verdict)
{
    std::fprintf(g_report, "%s,%s,%lld,%zu,%s,%s,%s,%s,%s,%s,%s,%s,%s\n", measure.c_str(), name.c_str(),
                 cells, s.n, Number("%.4f", s.mean).c_str(), Number("%.4f", s.low).c_str(),
                 Number("%.4f", s.high).c_str(), Number("%.4f", s.min).c_str(), Number("%.4f", s.max).c_str(),
                 unit.c_str(), goal.c_str(), verdict.c_str(), note.c_str());
    std::fflush(g_report);
}

int main(int argc, char** argv)
{
    int toolkitArgc = 1;
    g_report = std::fopen("bench.csv", "w");
    AfxSetMessageBoxHook(&ReportMessage);
    if (g_report == nullptr || !AfxTestStartToolkit(toolkitArgc, argv) || !AfxGetApp()->InitInstance()) {
        std::fprintf(
            stderr,
            "bench: needs an X display ($DISPLAY), to write bench.csv here, and the program to start\n");
        return 1;
    }
    std::fprintf(g_report, "measure,case,cells,n,mean,low95,high95,min,max,unit,goal,verdict,note\n");
    auto* frame = static_cast<CFrameWnd*>(AfxGetMainWnd());
    auto* view = static_cast<CCubeView*>(frame->GetActiveView());
    AfxTestRunEventLoop(300);  // mapped and sized
    const std::vector<BenchVolume> volumes = BenchVolumes();
    std::vector<double> viewFrameMs;
    std::fprintf(stderr, "== frame cost (view and bare loop in turn), load cost, pacing\n");
    bool measured = TimeFrames(*view, volumes, viewFrameMs) && TimeLoads(*view) &&
                    TimePacing(*view, volumes, viewFrameMs);
    frame->SendMessage(WM_CLOSE);
    AfxGetApp()->ExitInstance();
    AfxTestStopToolkit();
    std::fprintf(stderr,
                 "== start-up and peak memory, and peak memory with a full grid dropped on the window\n");
    measured = measured && !g_messageShown && TimeLaunches();
    return std::fclose(g_report) == 0 && measured ? 0 : 1;
}
