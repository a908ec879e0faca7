// Binding OpenGL to a real window on the display: choosing and setting a pixel format,
// describing it. Contexts that draw and swap are tried by the program's own scene tests.
#include "tests/framework/framework_session.h"

#include "platform/opengl_binding.h"

#include <gtest/gtest.h>

namespace {

PIXELFORMATDESCRIPTOR Wanted(DWORD flags, BYTE pixelType = PFD_TYPE_RGBA)
{
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = flags;
    pfd.iPixelType = pixelType;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 32;
    return pfd;
}

const DWORD kWindowFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;

// A child window of the test frame with a view's surface, fresh for each test, since a
// window's pixel format is set once.
class GLBinding : public ::testing::Test {
protected:
    void SetUp() override
    {
        CCreateContext context;
        surface = static_cast<CTestView*>(RUNTIME_CLASS(CTestView)->CreateObject());
        ASSERT_TRUE(surface->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 64, 48), MainFrame(),
                                    99, &context));
        dc = new CClientDC(surface);
    }
    void TearDown() override
    {
        wglMakeCurrent(nullptr, nullptr);
        delete dc;
        surface->DestroyWindow();
    }
    CTestView* surface = nullptr;
    CClientDC* dc = nullptr;
};

}  // namespace

TEST_F(GLBinding, ChoosesAFittingWindowFormatAndDescribesIt)
{
    const PIXELFORMATDESCRIPTOR wanted = Wanted(kWindowFlags);
    const int format = ChoosePixelFormat(dc->GetSafeHdc(), &wanted);
    ASSERT_GT(format, 0);
    PIXELFORMATDESCRIPTOR described{};
    const int count = DescribePixelFormat(dc->GetSafeHdc(), format, sizeof described, &described);
    EXPECT_GE(count, format);
    EXPECT_EQ(described.dwFlags & kWindowFlags, kWindowFlags);
    EXPECT_FALSE(described.dwFlags & PFD_NEED_PALETTE);  // the display is true colour
    EXPECT_EQ(described.iPixelType, PFD_TYPE_RGBA);
    EXPECT_EQ(described.cColorBits, described.cRedBits + described.cGreenBits + described.cBlueBits);
    EXPECT_EQ(described.cColorBits, 24);
    EXPECT_GE(described.cDepthBits, 24);
    EXPECT_EQ(DescribePixelFormat(dc->GetSafeHdc(), count + 1, sizeof described, &described), 0);
    EXPECT_EQ(DescribePixelFormat(dc->GetSafeHdc(), 0, sizeof described, &described), 0);
    // No format fits a colour-index request on a true-colour display.
    const PIXELFORMATDESCRIPTOR indexed = Wanted(kWindowFlags, PFD_TYPE_COLORINDEX);
    EXPECT_EQ(ChoosePixelFormat(dc->GetSafeHdc(), &indexed), 0);
}

TEST_F(GLBinding, AWindowsFormatIsSetOnce)
{
    const PIXELFORMATDESCRIPTOR wanted = Wanted(kWindowFlags);
    const int format = ChoosePixelFormat(dc->GetSafeHdc(), &wanted);
    EXPECT_EQ(GetPixelFormat(dc->GetSafeHdc()), 0);
    EXPECT_EQ(wglCreateContext(dc->GetSafeHdc()), nullptr);  // no format, no context
    EXPECT_TRUE(SetPixelFormat(dc->GetSafeHdc(), format, &wanted));
    EXPECT_EQ(GetPixelFormat(dc->GetSafeHdc()), format);
    EXPECT_TRUE(SetPixelFormat(dc->GetSafeHdc(), format, &wanted));
    EXPECT_FALSE(SetPixelFormat(dc->GetSafeHdc(), format + 1, &wanted));
    EXPECT_EQ(GetPixelFormat(dc->GetSafeHdc()), format);
    // A second device context on the same window sees the same format.
    CClientDC another(surface);
    EXPECT_EQ(GetPixelFormat(another.GetSafeHdc()), format);
}
