// Frame cost of the real view (CCubeView::DrawScene in the program's own window) against
// the bare loop's, drawn in turn, never at the same time: two GL processes drawing at
// once share the machine's few cores, and their ratio then tells how they shared them
// rather than what the view costs. A pair is a run of view frames and a run of as many
// bare frames of the same volume, one after the other, the order changing from pair to
// pair, so that a change in the machine's load falls on both alike. Each pair gives the
// ratio of its two clock times; the record holds their mean and its 95 % interval. Each
// volume is drawn from angle 0 by both.
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

constexpr double kRunMs = 400.0;  // a run this long makes the clock's and the scheduler's grain small
constexpr double kVolumeBudgetMs = 8000.0;
constexpr int kFewestPairs = 7;  // the full grid takes seconds a frame
constexpr int kMostPairs = 200;

double ViewFrames(CCubeView& view, int count)
{
    const double start = NowMs();
    for (int i = 0; i < count; ++i)
        view.DrawScene();
    return MillisecondsSince(start);
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
        const double frameMs = std::max(ViewFrames(view, 1), bare.Frames(index, 1));
        const int framesEach = std::max(1, static_cast<int>(std::ceil(kRunMs / std::max(frameMs, 0.01))));
        const int pairs =
            SamplesWithin(kVolumeBudgetMs, 2.0 * framesEach * frameMs, kFewestPairs, kMostPairs);
        std::vector<double> viewMs, bareMs, ratios;
        bool bareDrew = true;
        for (int i = 0; i < pairs; ++i) {
            const bool bareFirst = i % 2 == 1;
            double bareRun = bareFirst ? bare.Frames(index, framesEach) : 0.0;
            const double viewRun = ViewFrames(view, framesEach);
            if (!bareFirst)
                bareRun = bare.Frames(index, framesEach);
            bareDrew = bareDrew && bareRun > 0;
            viewMs.push_back(viewRun / framesEach);
            bareMs.push_back(bareRun / framesEach);
            ratios.push_back(viewRun / bareRun);
        }
        if (SwapsSoFar() - swapsBefore != 2 + pairs * framesEach || !bareDrew) {
            std::fprintf(stderr, "bench_viewer: a frame of %s was not drawn\n", volume.name.c_str());
            return false;
        }
        PrintRecord("frame-view", volume.name, volume.occupied, Summarize(viewMs), "ms");
        PrintRecord("frame-bare", volume.name, volume.occupied, Summarize(bareMs), "ms");
        PrintRecord("frame-ratio", volume.name, volume.occupied, SummarizeRatios(ratios), "view/bare");
    }
    PrintPeak("bare-glx-after-frames", bare.PeakKiB());
    view.m_voxels.Clear();
    return true;
}
