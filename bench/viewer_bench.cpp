// The real program started in this process, as the tests start it, on its own window:
// frame cost of the view, load cost of both roads, and animation pacing.
// Usage: bench_viewer FOLDER [frames] [loads] [pacing]   (all three when none is named;
// FOLDER takes the volume file the loads read).
#include "sample_stats.h"
#include "viewer_sections.h"

#include "view/cube_view.h"

#include "framework/frame_wnd.h"
#include "tests/support/toolkit_session.h"
#include "framework/win_app.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A message box would wait for a person; here it means something failed.
bool g_messageShown = false;
int ReportMessage(const char* text, const char*, UINT)
{
    std::fprintf(stderr, "bench_viewer: the program said: %s\n", text);
    g_messageShown = true;
    return 1;
}

void PrintViewInfo(CCubeView& view)
{
    const ViewFormat format = FormatOf(view);
    PrintInfo("renderer", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    PrintInfo("view-size", std::to_string(format.width) + "x" + std::to_string(format.height));
    PrintInfo("view-format", "alpha " + std::to_string(format.alphaBits) + ", depth " +
                                 std::to_string(format.depthBits) + ", stencil " +
                                 std::to_string(format.stencilBits));
}

// Every volume but the half-full noise plays: its seconds-long frames show nothing the
// full block does not.
std::vector<BenchVolume> PacedVolumes(const std::vector<BenchVolume>& all)
{
    std::vector<BenchVolume> paced;
    std::copy_if(all.begin(), all.end(), std::back_inserter(paced),
                 [](const BenchVolume& v) { return v.name != "noise50"; });
    return paced;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_viewer FOLDER [frames] [loads] [pacing]\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::string> sections(argv + 2, argv + argc);
    if (sections.empty())
        sections = {"frames", "loads", "pacing"};
    const auto wanted = [&](const char* name) {
        return std::find(sections.begin(), sections.end(), name) != sections.end();
    };

    int toolkitArgc = 1;
    if (!AfxTestStartToolkit(toolkitArgc, argv)) {
        std::fprintf(stderr, "bench_viewer: needs an X display ($DISPLAY)\n");
        return 1;
    }
    AfxSetMessageBoxHook(&ReportMessage);
    if (!AfxGetApp()->InitInstance()) {
        std::fprintf(stderr, "bench_viewer: the program did not start\n");
        return 1;
    }
    auto* frame = static_cast<CFrameWnd*>(AfxGetMainWnd());
    auto* view = static_cast<CCubeView*>(frame->GetActiveView());
    AfxTestRunEventLoop(300);  // mapped and sized
    PrintViewInfo(*view);

    const std::vector<BenchVolume> volumes = BenchVolumes();
    bool ok = true;
    if (wanted("frames"))
        ok = ok && TimeViewFrames(*view, volumes);
    if (wanted("loads"))
        ok = ok && TimeLoads(*view, folder);
    if (wanted("pacing"))
        ok = ok && TimePacing(*view, PacedVolumes(volumes));

    frame->SendMessage(WM_CLOSE);
    AfxGetApp()->ExitInstance();
    AfxTestStopToolkit();
    return ok && !g_messageShown ? 0 : 1;
}
