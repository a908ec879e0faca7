// Play: the timer, the turning, and no backlog of ticks.
#include "program_session.h"

#include "resources/resource.h"
#include "view/scene_constants.h"

#include "platform/message_queue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool TimerWaiting()
{
    MSG msg;
    return PeekMessage(&msg, View()->m_hWnd, WM_TIMER, WM_TIMER, PM_NOREMOVE) != FALSE;
}

}  // namespace

TEST(Animation, OneTickDrawsOneFrameAndDropsTheTicksWaiting)
{
    View()->m_voxels.Clear();
    for (int i = 0; i < 3; ++i)
        PostMessage(View()->m_hWnd, WM_TIMER, kPlayTimer, 0);
    const float before = Angle();
    DispatchPendingMessages();
    EXPECT_FLOAT_EQ(Angle(), before + 3.0f);
    EXPECT_FALSE(TimerWaiting());
}

TEST(Animation, PlayTurnsTheVolume)
{
    View()->m_voxels.Clear();
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    EXPECT_EQ(View()->m_bPlaying, TRUE);
    const float started = Angle();
    Pump(300);
    const float turned = Angle() - started;
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    EXPECT_EQ(View()->m_bPlaying, FALSE);
    // About 20 ticks of 15 ms in 300 ms; each frame turns 3 degrees.
    EXPECT_GE(turned, 3.0f * 5);
    EXPECT_FLOAT_EQ(std::fmod(turned, 3.0f), 0.0f);
}

TEST(Animation, PlayTwiceLeavesTheAngleWhereItWasAndATickStillDrawsAFrame)
{
    const float before = Angle();
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    EXPECT_EQ(View()->m_bPlaying, FALSE);
    EXPECT_FLOAT_EQ(Angle(), before);
    // Nothing keeps ticking afterwards: over 20 timer periods the angle moves by no more
    // than the odd repaint that another window on the display may cause.
    View()->m_voxels.Clear();
    Pump(100);
    const float settled = Angle();
    Pump(300);
    EXPECT_LE(Angle() - settled, 2 * 3.0f);
    // A tick that comes after stopping is drawn all the same.
    const float stopped = Angle();
    PostMessage(View()->m_hWnd, WM_TIMER, kPlayTimer, 0);
    DispatchPendingMessages();
    EXPECT_FLOAT_EQ(Angle(), stopped + 3.0f);
}
