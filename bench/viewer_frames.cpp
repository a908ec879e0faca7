// Frame cost of the real view (CCubeView::DrawScene in the program's own window) against
// the bare loop's, in pairs: a run of view frames and a run of bare frames of the same
// volume, one straight after the other, first one and then the other going first. Each
// pair gives a ratio of its own, so whatever else the machine does at the time falls on
// both of its members alike. The ratio is taken on CPU time of the drawing process (the
// GL driver's threads included), which a neighbour's work does not lengthen the way it
// lengthens time on the clock; the clock's ratio is kept beside it. Each volume is drawn
// from angle 0 by both.
#include "bare_partner.h"
#include "sample_stats.h"
#include "swap_counter.h"
#include "viewer_sections.h"

#include "view/Cubeview.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

int Bits(GLenum which)
{
    GLint bits = 0;
    glGetIntegerv(which, &bits);
    return bits;
}

constexpr double kRunMs = 25.0;  // a run this long makes the clock's and the scheduler's grain small
constexpr double kVolumeBudgetMs = 8000.0;
constexpr int kFewestPairs = 7;  // the full grid takes seconds a frame
constexpr int kMostPairs = 200;

FrameTimes ViewFrames(CCubeView& view, int count)
{
    const double start = NowMs();
    const double startCpu = ProcessCpuMs();
    for (int i = 0; i < count; ++i)
        view.DrawScene();
    return {MillisecondsSince(start), ProcessCpuMs() - startCpu};
}

// Frames in each run, and pairs of runs, for a volume whose frame takes about frameMs.
struct PairPlan {
    int framesInRun;
    int pairs;
};

PairPlan PlanPairs(double frameMs)
{
    const int framesInRun = std::max(1, static_cast<int>(std::ceil(kRunMs / std::max(frameMs, 0.01))));
    return {framesInRun, SamplesWithin(kVolumeBudgetMs, 2.0 * framesInRun * frameMs, kFewestPairs, kMostPairs)};
}

void PrintPeak(const std::string& caseName, long kib)
{
    PrintRecord("peak-rss", caseName, 0, Summarize({kib / 1024.0}), "MiB");
}

}  // namespace

ViewFormat FormatOf(CCubeView& view)
{
    CRect client;
    view.GetClientRect(&client);
    return {client.Width(), client.Height(), Bits(GL_ALPHA_BITS), Bits(GL_DEPTH_BITS), Bits(GL_STENCIL_BITS)};
}

bool TimeViewFrames(CCubeView& view, const std::vector<BenchVolume>& volumes)
{
    const ViewFormat format = FormatOf(view);
    BarePartner bare;
    if (!bare.Start(format.width, format.height, format.alphaBits, format.depthBits, format.stencilBits)) {
        std::fprintf(stderr, "bench_viewer: the bare GLX partner did not start\n");
        return false;
    }
    PrintPeak("bare-glx", bare.PeakKiB());
    for (std::size_t index = 0; index < volumes.size(); ++index) {
        const BenchVolume& volume = volumes[index];
        std::copy(volume.cells.begin(), volume.cells.end(), view.m_voxels.cells.begin());
        TheSceneState().wAngleY = 0.0f;
        const long swapsBefore = SwapsSoFar();

        // A first frame each, untimed: it tells what a frame costs.
        const double firstMs = std::max(ViewFrames(view, 1).wallMs, bare.Frames(index, 1).wallMs);
        const PairPlan plan = PlanPairs(firstMs);
        std::vector<double> viewMs, bareMs, cpuRatios, wallRatios;
        bool bareDrew = true;
        for (int pair = 0; pair < plan.pairs; ++pair) {
            FrameTimes viewRun, bareRun;
            if (pair % 2 == 1)
                bareRun = bare.Frames(index, plan.framesInRun);
            viewRun = ViewFrames(view, plan.framesInRun);
            if (pair % 2 == 0)
                bareRun = bare.Frames(index, plan.framesInRun);
            bareDrew = bareDrew && bareRun.wallMs >= 0;
            viewMs.push_back(viewRun.wallMs / plan.framesInRun);
            bareMs.push_back(bareRun.wallMs / plan.framesInRun);
            cpuRatios.push_back(viewRun.cpuMs / bareRun.cpuMs);
            wallRatios.push_back(viewRun.wallMs / bareRun.wallMs);
        }
        if (SwapsSoFar() - swapsBefore != 1 + plan.pairs * plan.framesInRun || !bareDrew) {
            std::fprintf(stderr, "bench_viewer: a frame of %s was not drawn\n", volume.name.c_str());
            return false;
        }
        PrintRecord("frame-view", volume.name, volume.occupied, Summarize(viewMs), "ms");
        PrintRecord("frame-bare", volume.name, volume.occupied, Summarize(bareMs), "ms");
        PrintRecord("frame-ratio", volume.name, volume.occupied, Summarize(cpuRatios), "view/bare");
        PrintRecord("frame-wall-ratio", volume.name, volume.occupied, Summarize(wallRatios), "view/bare");
    }
    PrintPeak("bare-glx-after-frames", bare.PeakKiB());
    view.m_voxels.Clear();
    return true;
}
