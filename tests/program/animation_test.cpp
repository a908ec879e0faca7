// Play's ticks: one tick draws one frame and drops the ticks that piled up behind it, and
// Play twice leaves the volume where it was. Ticks are posted and counted, not timed.
#include "program_session.h"

#include "resources/resource.h"
#include "view/scene_constants.h"

#include "platform/message_queue.h"
#include "tests/support/toolkit_session.h"

#include <gtest/gtest.h>

TEST(Animation, OneTickDrawsOneFrameAndDropsTheTicksWaitingAndPlayTwiceTurnsNothing)
{
    View()->m_voxels.Clear();
    const float before = Angle();
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    EXPECT_EQ(View()->m_bPlaying, FALSE);
    EXPECT_FLOAT_EQ(Angle(), before);
    for (int i = 0; i < 3; ++i)
        PostMessage(View()->m_hWnd, WM_TIMER, kPlayTimer, 0);
    MSG msg;
    EXPECT_TRUE(AfxTestRunEventLoopUntil(
        [&] { return PeekMessage(&msg, View()->m_hWnd, WM_TIMER, WM_TIMER, PM_NOREMOVE) == FALSE; }, 5000));
    EXPECT_FLOAT_EQ(Angle(), before + 3.0f);
}
