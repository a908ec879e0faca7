// Frame cost of the real view (CCubeView::DrawScene in the program's own window) against
// the bare loop's, in pairs: some view frames and as many bare frames of the same volume,
// drawn so that whatever else the machine does meanwhile (on 2 shared cores, other
// people's builds) falls on both members of a pair alike. Short frames take turns, one
// of each at a time; frames long enough for the machine's load to change within one are
// drawn side by side, by the two processes at once. Each pair gives a ratio of its own,
// taken on CPU time of the drawing process (the GL driver's threads included), which
// waiting for a core does not lengthen and which does not depend on how much of each
// window the screen shows; the clock's ratio is kept beside it. Each volume is drawn
// from angle 0 by both.
#include "bare_partner.h"
#include "sample_stats.h"
#include "swap_counter.h"
#include "viewer_sections.h"

#include "view/cube_view.h"

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

constexpr double kPairMs = 400.0;  // a pair this long makes the clock's and the scheduler's grain small
constexpr double kSideBySideFromMs = 20.0;  // frames at least this long are drawn side by side
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

void Add(FrameTimes& sum, const FrameTimes& more)
{
    sum.wallMs += more.wallMs;
    sum.cpuMs += more.cpuMs;
}

// How a volume whose frame takes about frameMs is paired.
struct PairPlan {
    int framesEach;
    bool sideBySide;
    int pairs;
};

PairPlan PlanPairs(double frameMs)
{
    const int framesEach = std::max(1, static_cast<int>(std::ceil(kPairMs / std::max(frameMs, 0.01))));
    return {framesEach, frameMs >= kSideBySideFromMs,
            SamplesWithin(kVolumeBudgetMs, 2.0 * framesEach * frameMs, kFewestPairs, kMostPairs)};
}

struct Pair {
    FrameTimes view;
    FrameTimes bare;
    bool drawn = true;
};

Pair DrawPair(CCubeView& view, BarePartner& bare, std::size_t volume, const PairPlan& plan, bool bareFirst)
{
    Pair pair;
    if (plan.sideBySide) {
        bare.BeginFrames(volume, plan.framesEach);
        pair.view = ViewFrames(view, plan.framesEach);
        pair.bare = bare.EndFrames();
        pair.drawn = pair.bare.wallMs >= 0;
        return pair;
    }
    for (int i = 0; i < plan.framesEach; ++i, bareFirst = !bareFirst) {
        FrameTimes bareFrame;
        if (bareFirst)
            bareFrame = bare.Frames(volume, 1);
        Add(pair.view, ViewFrames(view, 1));
        if (!bareFirst)
            bareFrame = bare.Frames(volume, 1);
        pair.drawn = pair.drawn && bareFrame.wallMs >= 0;
        Add(pair.bare, bareFrame);
    }
    return pair;
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

        // A first frame each, untimed, which sets the driver up for the volume; the second
        // tells what a frame costs.
        ViewFrames(view, 1);
        bare.Frames(index, 1);
        const PairPlan plan = PlanPairs(std::max(ViewFrames(view, 1).wallMs, bare.Frames(index, 1).wallMs));
        PrintInfo("pairing-" + volume.name,
                  std::to_string(plan.framesEach) + (plan.sideBySide ? " side by side" : " in turn"));
        std::vector<double> viewMs, bareMs, cpuRatios, wallRatios;
        bool bareDrew = true;
        for (int i = 0; i < plan.pairs; ++i) {
            const Pair pair = DrawPair(view, bare, index, plan, i % 2 == 1);
            bareDrew = bareDrew && pair.drawn;
            viewMs.push_back(pair.view.wallMs / plan.framesEach);
            bareMs.push_back(pair.bare.wallMs / plan.framesEach);
            cpuRatios.push_back(pair.view.cpuMs / pair.bare.cpuMs);
            wallRatios.push_back(pair.view.wallMs / pair.bare.wallMs);
        }
        if (SwapsSoFar() - swapsBefore != 2 + plan.pairs * plan.framesEach || !bareDrew) {
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
