// Size messages: the viewport and projection follow the window; shrinking repaints at once.
#include "program_session.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

std::array<GLint, 4> Viewport()
{
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    return viewport;
}

std::array<GLdouble, 16> Projection()
{
    std::array<GLdouble, 16> matrix{};
    glGetDoublev(GL_PROJECTION_MATRIX, matrix.data());
    return matrix;
}

void SendSize(int cx, int cy)
{
    View()->SendMessage(WM_SIZE, SIZE_RESTORED, AfxPackSize(cx, cy));
}

class Resize : public ::testing::Test {
protected:
    void SetUp() override { SendSize(400, 300); }
    void TearDown() override
    {
        CRect client;
        View()->GetClientRect(&client);
        SendSize(client.right, client.bottom);
    }
};

}  // namespace

TEST_F(Resize, ShrinkingEitherWayRepaintsAtOnceGrowingDoesNot)
{
    const std::tuple<int, int, bool> cases[] = {
        {390, 300, true},   // narrower
        {390, 290, true},   // both smaller
        {400, 300, false},  // grows back
        {400, 300, false},  // unchanged
        {420, 299, true},   // wider but lower
        {430, 320, false},  // grows both ways
    };
    for (const auto& [cx, cy, repaints] : cases) {
        const float before = Angle();
        SendSize(cx, cy);
        EXPECT_FLOAT_EQ(Angle(), before + (repaints ? 3.0f : 0.0f)) << cx << " x " << cy;
        EXPECT_EQ(View()->m_clientRect.right, cx);
        EXPECT_EQ(View()->m_clientRect.bottom, cy);
        EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, cx, cy}));
    }
}

TEST_F(Resize, ZeroHeightChangesNothingZeroWidthGivesAnEmptyViewport)
{
    const auto viewport = Viewport();
    const auto projection = Projection();
    const float before = Angle();
    SendSize(200, 0);
    EXPECT_EQ(Viewport(), viewport);
    EXPECT_EQ(Projection(), projection);
    EXPECT_FLOAT_EQ(Angle(), before);
    // The next size is compared with the last one whose height was at least 1.
    SendSize(399, 300);
    EXPECT_FLOAT_EQ(Angle(), before + 3.0f);
    // Zero width, unlike zero height, is taken: an empty viewport.
    SendSize(0, 300);
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 0, 300}));
    EXPECT_EQ(View()->m_clientRect.right, 0);
}
