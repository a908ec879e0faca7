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
    std::vector<std::pair<int, int>> sizes = AfxTestWindowIconSizes(MainFrame()->m_hWnd);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, expected);
}

// Ending it by OK, Escape and the close box is the end-to-end toolbar_buttons case's.
TEST(Shell, AboutBoxShowsEveryLineWholeAndEndsByOk)
{
    std::string title;
    std::vector<AfxTestTextFit> texts;
    bool ended = false;
    AfxTestWhenModalDialogShows([&] {
        title = AfxTestModalDialogTitle();
        texts = AfxTestModalDialogTexts();
        ended = AfxTestPressInModalDialog("OK");
    });
    MainFrame()->RouteCommand(ID_APP_ABOUT);
    EXPECT_TRUE(ended);
    EXPECT_EQ(title, "About Dorvane");
    ASSERT_EQ(texts.size(), 2u);
    for (const AfxTestTextFit& text : texts) {
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
    const std::string prefix = "Copyright (c) ";
    std::string holders;
    for (std::string line; std::getline(licence, line) && holders.empty();)
        if (line.rfind(prefix, 0) == 0)
            holders = line.substr(prefix.size());
    ASSERT_FALSE(holders.empty()) << "no \"" << prefix << "\" line in " DORVANE_SOURCE_DIR "/LICENSE";
    const auto notice = [&](const std::string& text) {
        const bool marked =
            text.find("\xC2\xA9") != std::string::npos || text.find("Copyright") != std::string::npos;
        return marked && text.find(holders) != std::string::npos;
    };
    bool inAbout = false, inVersion = false;
    for (const AfxDialogItem& item : AfxResources().dialogs.at(IDD_ABOUTBOX).items)
        inAbout = inAbout || (item.text != nullptr && notice(item.text));
    for (const auto& [name, value] : AfxResources().version.strings)
        inVersion = inVersion || (name == "LegalCopyright" && notice(value));
    EXPECT_TRUE(inAbout) << "no line of the About box is a copyright notice of " << holders;
    EXPECT_TRUE(inVersion) << "the version block's LegalCopyright is no notice of " << holders;
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

TEST(Shell, AControllerWithoutAWindowIsNeverActivated)
{
    // Activating a controller whose window was never made leaves the focus where it is,
    // in the main window and in the controller on the screen: not taken away, nor handed
    // to the view the controller belongs to.
    MainFrame()->RouteCommand(ID_CONTROL);
    const HWND shown = View()->m_pController->m_hWnd;
    ASSERT_TRUE(WaitFor([&] { return AfxTestFocusWithin(shown) != nullptr; }));
    const std::pair<HWND, HWND> focus = {AfxTestFocusWithin(MainFrame()->m_hWnd), AfxTestFocusWithin(shown)};
    CDRctrl controller(View());
    controller.SetActiveWindow();
    AfxTestRunEventLoopOnce();  // a focus that moved within a window has moved by now
    EXPECT_EQ(std::make_pair(AfxTestFocusWithin(MainFrame()->m_hWnd), AfxTestFocusWithin(shown)), focus);
    EXPECT_EQ(controller.m_hWnd, nullptr);
}
