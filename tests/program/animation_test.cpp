// Play's ticks: one tick draws one frame and drops the ticks that piled up behind it, and
// Play twice leaves the volume where it was. Ticks are posted and counted, not timed, and
// the first is handed to the view as the event loop hands it, with no paint in between.
#include "program_session.h"

#include "resources/resource.h"
#include "view/scene_constants.h"

#include "platform/message_queue.h"

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
    MSG tick;
    ASSERT_TRUE(PeekMessage(&tick, View()->m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    View()->SendMessage(tick.message, tick.wParam, tick.lParam);
    EXPECT_FLOAT_EQ(Angle(), before + 3.0f);
    EXPECT_FALSE(PeekMessage(&tick, View()->m_hWnd, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}
