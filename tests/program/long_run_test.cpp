// Long runs: many frames, and a resize storm while playing, where what one step leaves
// behind adds up. Their memory is the
// benchmarks' to measure; what they leak, the sanitizer build's leak check reports.
#include "program_session.h"

#include "platform/message_queue.h"
#include "resources/resource.h"
#include "view/scene_constants.h"

#include "tests/support/toolkit_inspect.h"
#include "tests/support/toolkit_session.h"

#include <gtest/gtest.h>

#include <random>

// Unoptimised builds walk the grid ten times slower; they run a tenth of the frames.
#ifdef _DEBUG
constexpr int kFrames = 1000;
#else
constexpr int kFrames = 10000;
#endif

TEST(LongRun, EveryTickOfManyDrawsAFrame)
{
    // A small window: the swap of each frame is most of its cost.
    AfxTestResizeWindow(MainFrame()->m_hWnd, 200, 160);
    ASSERT_TRUE(WaitFor([] { return View()->m_clientRect.right <= 200 && ViewDrawnAtItsSize(); }));
    View()->m_voxels.Clear();
    View()->m_voxels[VoxelGrid::AxisCell()] = 1;
    const float angle = Angle();
    for (int i = 0; i < kFrames; ++i) {
        // One timer tick, through the event loop as the timer's own would come.
        PostMessage(View()->m_hWnd, WM_TIMER, kPlayTimer, 0);
        AfxTestRunEventLoopOnce();
    }
    EXPECT_GE(Angle(), angle + kFrames * 3.0f);  // paints of the window may add their own
}

TEST(LongRun, AResizeStormWhilePlaying)
{
    CRect frame, view;
    MainFrame()->GetClientRect(&frame);
    View()->GetClientRect(&view);
    const LONG edges = frame.right - view.right;  // the docking manager's, about the view
    View()->m_voxels.Clear();
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    std::mt19937 random(7);
    for (int i = 0; i < 40; ++i) {
        AfxTestResizeWindow(MainFrame()->m_hWnd, 200 + random() % 600, 150 + random() % 450);
        AfxTestRunEventLoopOnce();
    }
    AfxTestResizeWindow(MainFrame()->m_hWnd, 640, 480);
    // The view comes to the frame's last width, and was told the size it has.
    MainFrame()->GetClientRect(&frame);
    EXPECT_TRUE(
        WaitFor([&] { return View()->m_clientRect.right == frame.right - edges && ViewDrawnAtItsSize(); }));
    MainFrame()->RouteCommand(ID_FILE_PLAY);
}
