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

}  // namespace

// On a child window of the test frame with a view's surface: a fitting format is chosen
// and described, and set once.
TEST(GLBinding, ChoosesAFittingWindowFormatDescribesItAndSetsItOnce)
{
    CCreateContext context;
    auto* surface = static_cast<CTestView*>(RUNTIME_CLASS(CTestView)->CreateObject());
    ASSERT_TRUE(surface->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 64, 48), MainFrame(), 99,
                                &context));
    {  // the device contexts go before the window
        CClientDC dc(surface);
        const HDC hdc = dc.GetSafeHdc();
        const PIXELFORMATDESCRIPTOR wanted = Wanted(kWindowFlags);
        const int format = ChoosePixelFormat(hdc, &wanted);
        ASSERT_GT(format, 0);
        PIXELFORMATDESCRIPTOR described{};
        const int count = DescribePixelFormat(hdc, format, sizeof described, &described);
        EXPECT_GE(count, format);
        EXPECT_EQ(described.dwFlags & kWindowFlags, kWindowFlags);
        EXPECT_FALSE(described.dwFlags & PFD_NEED_PALETTE);  // the display is true colour
        EXPECT_EQ(described.iPixelType, PFD_TYPE_RGBA);
        EXPECT_EQ(described.cColorBits, described.cRedBits + described.cGreenBits + described.cBlueBits);
        EXPECT_EQ(described.cColorBits, 24);
        EXPECT_GE(described.cDepthBits, 24);
        EXPECT_EQ(DescribePixelFormat(hdc, count + 1, sizeof described, &described), 0);
        EXPECT_EQ(DescribePixelFormat(hdc, 0, sizeof described, &described), 0);
        // No format fits a colour-index request on a true-colour display.
        const PIXELFORMATDESCRIPTOR indexed = Wanted(kWindowFlags, PFD_TYPE_COLORINDEX);
        EXPECT_EQ(ChoosePixelFormat(hdc, &indexed), 0);

        EXPECT_EQ(GetPixelFormat(hdc), 0);
        EXPECT_EQ(wglCreateContext(hdc), nullptr);  // no format, no context
        EXPECT_TRUE(SetPixelFormat(hdc, format, &wanted));
        EXPECT_EQ(GetPixelFormat(hdc), format);
        EXPECT_TRUE(SetPixelFormat(hdc, format, &wanted));
        EXPECT_FALSE(SetPixelFormat(hdc, format + 1, &wanted));
        EXPECT_EQ(GetPixelFormat(hdc), format);
        // A second device context on the same window sees the same format.
        CClientDC another(surface);
        EXPECT_EQ(GetPixelFormat(another.GetSafeHdc()), format);
    }
    surface->DestroyWindow();
}
