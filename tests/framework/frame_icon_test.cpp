// A main window offers the desktop every size of its icon that it can read (the program's
// own, all of them: Shell.TheWindowOffersTheIconAtEveryThemeSize).
#include "framework_session.h"

#include "art/embedded_art.h"
#include "framework/frame_wnd.h"
#include "framework/resources.h"
#include "framework/test_seams.h"
#include "tests/support/toolkit_inspect.h"

#include <gtest/gtest.h>

TEST(FrameIcon, TheWindowTakesEveryImageItCanReadAndLeavesOutTheRest)
{
    const std::vector<art::Bytes> pngs = art::IconSet();  // 16, 32, 48, 64, 128, 256
    ASSERT_EQ(pngs.size(), 6u);
    static const unsigned char kNotAPicture[] = "not a picture at all";
    const AfxBytes good16{pngs[0].data, pngs[0].size}, good48{pngs[2].data, pngs[2].size};
    const struct {
        const char* what;
        std::vector<AfxBytes> images;
        std::vector<std::pair<int, int>> expected;
    } cases[] = {
        {"none", {}, {}},
        {"not a picture", {good16, {kNotAPicture, sizeof kNotAPicture}, good48}, {{16, 16}, {48, 48}}},
        {"cut short", {good16, {pngs[5].data, pngs[5].size / 2}, good48}, {{16, 16}, {48, 48}}},
        {"empty", {{pngs[1].data, 0}, good48}, {{48, 48}}},
        {"no bytes at all", {{nullptr, 0}, good16}, {{16, 16}}},
        {"only broken ones", {{kNotAPicture, sizeof kNotAPicture}}, {}},
    };
    AfxResourceModule& resources = AfxOverrideResources();
    const std::size_t windows = AfxTestWindowCount();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        resources.iconSets[kTestResource] = c.images;
        auto* frame = new CFrameWnd;
        ASSERT_TRUE(frame->LoadFrame(kTestResource, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
        EXPECT_EQ(AfxTestWindowIconSizes(frame->m_hWnd), c.expected);
        frame->DestroyWindow();
        EXPECT_TRUE(WaitFor([&] { return AfxTestWindowCount() == windows; }));
    }
    resources = AfxProgramResources();
}
