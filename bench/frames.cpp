// Frame cost of the real view (CCubeView::DrawScene in the program's own window) against
// the bare loop's, drawn in turn, never at the same time: two GL processes drawing at once
// share the machine's few cores, and their ratio then tells how they shared them rather
// than what the view costs. A pair is a run of view frames and a run of as many bare frames
// of the same volume, one after the other, the order changing from pair to pair, so that a
// change in the machine's load falls on both alike; each pair gives the ratio of its two
// clock times. Each volume is drawn from angle 0 by both.
//
// Then animation pacing: Play on for about two seconds, frames counted by buffer swaps.
// Small volumes should keep up with the Play timer; a volume whose frames take longer than
// a tick must draw one frame per tick it gets to, each turning exactly one angle step, and
// leave no queued ticks to be drawn once Play is off.
#include "bench.h"

#include "view/cube_view.h"
#include "view/scene_constants.h"

#include "resources/resource.h"
#include "tests/support/toolkit_session.h"

#include <GL/glx.h>

#include <memory>

namespace {

constexpr double kRunMs = 400.0;  // a run this long makes the clock's and the scheduler's grain small
constexpr double kVolumeBudgetMs = 8000.0;
constexpr double kFewestPairs = 7;  // the full grid takes seconds a frame
constexpr double kMostPairs = 200;

constexpr double kTickMs = kPlayTickMs;
constexpr int kPlayMs = 2000;
constexpr int kFewestPlayed = 3;  // a slow volume plays on until it has drawn these
constexpr int kLongestPlayMs = 30000;

double ViewFrames(CCubeView& view, int count)
{
    const double start = NowMs();
    for (int i = 0; i < count; ++i)
        view.DrawScene();
    return NowMs() - start;
}

}  // namespace

bool TimeFrames(CCubeView& view, const std::vector<BenchVolume>& volumes, std::vector<double>& viewFrameMs)
{
    CRect client;
    view.GetClientRect(&client);
    int configId = 0;
    glXQueryContext(glXGetCurrentDisplay(), glXGetCurrentContext(), GLX_FBCONFIG_ID, &configId);
    GLint bits[3] = {};  // what the report says the frames are drawn on
    glGetIntegerv(GL_ALPHA_BITS, &bits[0]);
    glGetIntegerv(GL_DEPTH_BITS, &bits[1]);
    glGetIntegerv(GL_STENCIL_BITS, &bits[2]);
    std::printf("gl-renderer %s\nview %dx%d, alpha %d, depth %d, stencil %d\n", glGetString(GL_RENDERER),
                client.Width(), client.Height(), bits[0], bits[1], bits[2]);
    // The bare loop, a process of its own on a window of the view's client size and GL
    // configuration: told what to draw on its standard input, it answers on a pipe of ours.
    int answers[2];
    char command[512];
    if (::pipe(answers) != 0)
        return false;
    std::snprintf(command, sizeof command, "'%s' %d %d %d %d", BARE_GLX_BINARY, configId, client.Width(),
                  client.Height(), answers[1]);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> toBare(::popen(command, "w"), &::pclose);
    ::close(answers[1]);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> fromBare(::fdopen(answers[0], "r"), &std::fclose);
    long bareKiB = 0;  // its peak resident set so far
    // `count` frames of bench volume `index` in a row: their clock time in ms, negative when it failed.
    const auto bareFrames = [&](std::size_t index, int count) {
        double ms = -1.0;
        std::fprintf(toBare.get(), "%zu %d\n", index, count);
        return std::fflush(toBare.get()) == 0 && std::fscanf(fromBare.get(), "%lf %ld", &ms, &bareKiB) == 2
                   ? ms
                   : -1.0;
    };
    if (!toBare || !fromBare || bareFrames(0, 0) < 0) {
        std::fprintf(stderr, "bench: the bare GLX loop did not start\n");
        return false;
    }
    const long nothingDrawnKiB = bareKiB;
    for (std::size_t index = 0; index < volumes.size(); ++index) {
        const BenchVolume& volume = volumes[index];
        std::copy(volume.cells.begin(), volume.cells.end(), view.m_voxels.cells.begin());
        TheSceneState().wAngleY = 0.0f;
        const long swapsBefore = SwapsSoFar();

        // A first frame each, untimed, which sets the driver up for the volume; the second
        // tells what a frame costs.
        ViewFrames(view, 1);
        bareFrames(index, 1);
        const double frameMs = std::max(ViewFrames(view, 1), bareFrames(index, 1));
        const int framesEach = std::max(1, static_cast<int>(std::ceil(kRunMs / std::max(frameMs, 0.01))));
        const int pairs = static_cast<int>(
            std::clamp(kVolumeBudgetMs / (2.0 * framesEach * frameMs), kFewestPairs, kMostPairs));
        std::vector<double> viewMs, bareMs, ratios;
        for (int i = 0; i < pairs; ++i) {
            double bareRun = i % 2 == 1 ? bareFrames(index, framesEach) : 0.0;
            const double viewRun = ViewFrames(view, framesEach);
            if (i % 2 == 0)
                bareRun = bareFrames(index, framesEach);
            viewMs.push_back(viewRun / framesEach);
            bareMs.push_back(bareRun / framesEach);
            ratios.push_back(viewRun / bareRun);
        }
        if (SwapsSoFar() - swapsBefore != 2 + pairs * framesEach ||
            *std::min_element(bareMs.begin(), bareMs.end()) <= 0) {
            std::fprintf(stderr, "bench: a frame of %s was not drawn\n", volume.name.c_str());
            return false;
        }
        const Summary ratio = SummarizeRatios(ratios);
        viewFrameMs.push_back(Summarize(viewMs).mean);
        Report("frame-view", volume.name, volume.occupied, Summarize(viewMs), "ms");
        Report("frame-bare", volume.name, volume.occupied, Summarize(bareMs), "ms");
        Report("frame-ratio", volume.name, volume.occupied, ratio, "view/bare", "pairs of runs",
               "in 1 +/- 0.05", Judge(ratio, 0.95, 1.05));
    }
    Report("peak-rss", "bare-glx", 0, Summarize({nothingDrawnKiB / 1024.0}), "MiB",
           "Xlib + GLX; nothing drawn");
    Report("peak-rss", "bare-glx-after-frames", 0, Summarize({bareKiB / 1024.0}), "MiB",
           Number("%+.1f MiB after drawing every volume", (bareKiB - nothingDrawnKiB) / 1024.0));
    view.m_voxels.Clear();
    return true;
}

bool TimePacing(CCubeView& view, const std::vector<BenchVolume>& volumes,
                const std::vector<double>& viewFrameMs)
{
    for (std::size_t index = 0; index < volumes.size(); ++index) {
        const BenchVolume& volume = volumes[index];
        if (volume.name == "noise50")
            continue;  // its seconds-long frames show nothing the full block does not
        std::copy(volume.cells.begin(), volume.cells.end(), view.m_voxels.cells.begin());
        AfxTestRunEventLoop(100);  // paints still due are not ticks

        const long swaps0 = SwapsSoFar();
        const float angle0 = TheSceneState().wAngleY;
        const double start = NowMs();
        view.SendMessage(WM_COMMAND, ID_FILE_PLAY);
        AfxTestRunEventLoopUntil(
            [&] { return NowMs() - start >= kPlayMs && SwapsSoFar() - swaps0 >= kFewestPlayed; },
            kLongestPlayMs);
        view.SendMessage(WM_COMMAND, ID_FILE_PLAY);
        const double seconds = (NowMs() - start) / 1000.0;
        const long frames = SwapsSoFar() - swaps0;
        const double degrees = frames > 0 ? (TheSceneState().wAngleY - angle0) / frames : 0.0;
        const long due = std::lround(seconds * 1000.0 / kTickMs);
        const long swapsAtStop = SwapsSoFar();
        AfxTestRunEventLoop(500);
        const long after = SwapsSoFar() - swapsAtStop;
        if (frames == 0)
            return false;

        const double rate = frames / seconds;
        const bool noBacklog = degrees == kAngleStep && after == 0 && frames <= due;
        const bool keepsUp = viewFrameMs[index] < kTickMs;  // a frame shorter than a tick
        const std::string goal = keepsUp ? Number("%.1f/s", 1000.0 / kTickMs) : "no backlog";
        const bool met = noBacklog && (!keepsUp || rate >= 0.9 * 1000.0 / kTickMs);
        const Summary played = {static_cast<std::size_t>(frames), rate, NAN, NAN, NAN, NAN};
        char note[80];
        std::snprintf(note, sizeof note, "%ld ticks due; %.3f deg/frame; %ld after", due, degrees, after);
        Report("pacing", volume.name, volume.occupied, played, "frames/s", note, goal,
               met ? "MET" : "MISSED");
    }
    view.m_voxels.Clear();
    return true;
}
