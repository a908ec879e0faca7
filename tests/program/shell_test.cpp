// The shell a person meets: the window's icons, the About box and the copyright it shares
// with the licence, and the controller. The menus are the end-to-end cases' to use.
#include "program_session.h"

#include "app/controller_dialog.h"
#include "resources/resource.h"

#include "framework/resources.h"
#include "tests/support/toolkit_inspect.h"
#include "tests/support/toolkit_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

TEST(Shell, TheWindowOffersTheIconAtEveryThemeSize)
{
    const std::vector<std::pair<int, int>> expected = {{16, 16}, {32, 32},   {48, 48},
                                                       {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(AfxTestWindowIconSizes(MainFrame()->m_hWnd), expected);
}

// Ending it by OK, Escape and the close box is the end-to-end toolbar_buttons case's.
TEST(Shell, AboutBoxShowsEveryLineWholeAndEndsByOk)
{
    AfxTestDialog about;
    bool ended = false;
    AfxTestWhenModalDialogShows([&] {
        about = AfxTestModalDialog();
        ended = AfxTestPressInModalDialog("OK");
    });
    MainFrame()->RouteCommand(ID_APP_ABOUT);
    EXPECT_TRUE(ended);
    EXPECT_EQ(about.title, "About Dorvane");
    ASSERT_EQ(about.texts.size(), 2u);
    for (const AfxTestTextFit& text : about.texts) {
        SCOPED_TRACE(text.text);
        EXPECT_TRUE(text.inDialogFont);
        EXPECT_LE(text.neededWidth, text.width);
        EXPECT_LE(text.neededHeight, text.height);
    }
    EXPECT_TRUE(TakeMessages().empty());
}

// The licence's copyright line names the year and the holders; the About box and the
// version block say the same.
TEST(Shell, TheCopyrightAgreesWithTheLicence)
{
    std::ifstream licence(DORVANE_SOURCE_DIR "/LICENSE");
    std::string holders;
    for (std::string line; std::getline(licence, line);)
        if (line.rfind("Copyright (c) ", 0) == 0)
            holders = line.substr(14);
    ASSERT_FALSE(holders.empty()) << "no copyright line in the licence";
    const std::string notice = "\xC2\xA9 " + holders;
    std::string about;
    for (const AfxDialogItem& item : AfxResources().dialogs.at(IDD_ABOUTBOX).items)
        about += item.text != nullptr ? std::string(item.text) + "\n" : "";
    EXPECT_NE(about.find(notice), std::string::npos) << about;
    const auto& version = AfxResources().version.strings;
    const std::pair<std::string, std::string> legal = {"LegalCopyright", "Copyright " + notice};
    EXPECT_NE(std::find(version.begin(), version.end(), legal), version.end());
}

// Each View, Control shows a controller in the place of the one before: a hundred times
// over, one controller and its trackbar stand.
TEST(Shell, ControlShowsTheControllerInThePlaceOfTheOneBefore)
{
    MainFrame()->RouteCommand(ID_CONTROL);
    AfxTestRunEventLoopOnce();  // an earlier test's controller is deleted as the loop idles
    const std::size_t windows = AfxTestWindowCount();
    CDRctrl* first = View()->m_pController;
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first->m_hWnd, nullptr);
    EXPECT_TRUE(first->IsWindowVisible());
    EXPECT_EQ(first->GetWindowText().str(), "Contoroler");
    ASSERT_NE(first->m_slider.m_hWnd, nullptr);
    EXPECT_FALSE(AfxTestSliderIsVertical(first->m_slider.m_hWnd));
    EXPECT_EQ(first->m_slider.GetDlgCtrlID(), static_cast<UINT>(IDC_SLIDER_ROTATE_H));
    for (int i = 0; i < 100; ++i)
        MainFrame()->RouteCommand(ID_CONTROL);
    EXPECT_TRUE(WaitFor([&] { return AfxTestWindowCount() == windows; }));
    EXPECT_TRUE(View()->m_pController->IsWindowVisible());
}

// A controller whose window was never made has nothing to activate, and asks nothing of
// a window that is not there.
TEST(Shell, AControllerWithoutAWindowIsNeverActivated)
{
    CDRctrl controller(View());
    EXPECT_EQ(controller.SetActiveWindow(), nullptr);
    EXPECT_EQ(controller.m_hWnd, nullptr);
}
