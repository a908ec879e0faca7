// Play: the timer, the check mark, and no backlog of ticks.
#include "program_session.h"

#include "resources/resource.h"
#include "view/scene_constants.h"

#include "platform/message_queue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CheckState : public CCmdUI {
public:
    explicit CheckState(UINT nID) { m_nID = nID; }
    void SetCheck(int nCheck) override { checked = nCheck; }
    int checked = -1;
};

int PlayCheck()
{
    CheckState state(ID_FILE_PLAY);
    MainFrame()->RouteUpdate(&state);
    return state.checked;
}

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

TEST(Animation, PlayTurnsTheVolumeAndShowsTheCheck)
{
    View()->m_voxels.Clear();
    EXPECT_EQ(PlayCheck(), 0);
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    EXPECT_EQ(View()->m_bPlaying, TRUE);
    EXPECT_EQ(PlayCheck(), 1);
    const float started = Angle();
    Pump(300);
    const float turned = Angle() - started;
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    EXPECT_EQ(View()->m_bPlaying, FALSE);
    EXPECT_EQ(PlayCheck(), 0);
    // About 20 ticks of 15 ms in 300 ms; each frame turns 3 degrees.
    EXPECT_GE(turned, 3.0f * 5);
    EXPECT_FLOAT_EQ(std::fmod(turned, 3.0f), 0.0f);
}

TEST(Animation, PlayTwiceLeavesTheAngleWhereItWas)
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
}

TEST(Animation, ATickAfterStoppingStillDrawsOneFrame)
{
    const float before = Angle();
    PostMessage(View()->m_hWnd, WM_TIMER, kPlayTimer, 0);
    DispatchPendingMessages();
    EXPECT_FLOAT_EQ(Angle(), before + 3.0f);
}
