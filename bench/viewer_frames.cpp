// Frame cost of the real view (CCubeView::DrawScene in the program's own window) against
// the bare loop's, frame about frame: the two take turns, so whatever else the machine
// does falls on both alike, and each pair gives a ratio of its own. Each volume is drawn
// from angle 0 by both.
#include "bare_partner.h"
#include "sample_stats.h"
#include "swap_counter.h"
#include "viewer_sections.h"

#include "view/Cubeview.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

namespace {

int Bits(GLenum which)
{
    GLint bits = 0;
    glGetIntegerv(which, &bits);
    return bits;
}

double ViewFrame(CCubeView& view)
{
    const double start = NowMs();
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

        const int count = FramesToTime(std::max(ViewFrame(view), bare.Frame(index)));
        std::vector<double> viewMs, bareMs;
        for (int i = 0; i < count; ++i) {
            if (i % 2 == 1)
                bareMs.push_back(bare.Frame(index));
            viewMs.push_back(ViewFrame(view));
            if (i % 2 == 0)
                bareMs.push_back(bare.Frame(index));
        }
        if (SwapsSoFar() - swapsBefore != count + 1 || *std::min_element(bareMs.begin(), bareMs.end()) < 0) {
            std::fprintf(stderr, "bench_viewer: a frame of %s was not drawn\n", volume.name.c_str());
            return false;
        }
        std::vector<double> ratios;
        for (int i = 0; i < count; ++i)
            ratios.push_back(viewMs[i] / bareMs[i]);
        PrintRecord("frame-view", volume.name, volume.occupied, Summarize(viewMs), "ms");
        PrintRecord("frame-bare", volume.name, volume.occupied, Summarize(bareMs), "ms");
        PrintRecord("frame-ratio", volume.name, volume.occupied, Summarize(ratios), "view/bare");
    }
    PrintPeak("bare-glx-after-frames", bare.PeakKiB());
    view.m_voxels.Clear();
    return true;
}
