// Animation pacing: Play on for about two seconds, frames counted by buffer swaps. Small
// volumes should keep up with the Play timer; a volume whose frames take longer than a
// tick must draw one frame per tick it gets to, each turning exactly one angle step, and
// leave no queued ticks to be drawn once Play is off.
#include "sample_stats.h"
#include "swap_counter.h"
#include "viewer_sections.h"

#include "view/cube_view.h"
#include "view/scene_constants.h"

#include "tests/support/toolkit_session.h"
#include "resources/resource.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr double kTickMs = kPlayTickMs;
constexpr int kPlayMs = 2000;
constexpr int kFewestFrames = 3;  // a slow volume plays on until it has drawn these
constexpr int kLongestPlayMs = 30000;

void TogglePlay(CCubeView& view)
{
    view.SendMessage(WM_COMMAND, ID_FILE_PLAY);
}

// False when Play drew nothing at all.
bool PlayVolume(CCubeView& view, const BenchVolume& volume)
{
    std::copy(volume.cells.begin(), volume.cells.end(), view.m_voxels.cells.begin());
    AfxTestRunEventLoop(100);  // paints still due are not ticks

    const long swaps0 = SwapsSoFar();
    const float angle0 = TheSceneState().wAngleY;
    const double start = NowMs();
    TogglePlay(view);
    AfxTestRunEventLoopUntil(
        [&] { return MillisecondsSince(start) >= kPlayMs && SwapsSoFar() - swaps0 >= kFewestFrames; },
        kLongestPlayMs);
    TogglePlay(view);
    const double elapsedMs = MillisecondsSince(start);
    const long frames = SwapsSoFar() - swaps0;
    const double turned = TheSceneState().wAngleY - angle0;

    const long swapsAtStop = SwapsSoFar();
    AfxTestRunEventLoop(500);
    const long afterStop = SwapsSoFar() - swapsAtStop;

    std::printf("pacing\t%s\t%lld\t%ld\t%.0f\t%.3f\t%.3f\t%ld\n", volume.name.c_str(), volume.occupied,
                frames, elapsedMs / kTickMs, elapsedMs / 1000.0, frames > 0 ? turned / frames : 0.0,
                afterStop);
    std::fflush(stdout);
    return frames > 0;
}

}  // namespace

bool TimePacing(CCubeView& view, const std::vector<BenchVolume>& volumes)
{
    bool played = true;
    for (const BenchVolume& volume : volumes)
        played &= PlayVolume(view, volume);
    view.m_voxels.Clear();
    return played;
}
