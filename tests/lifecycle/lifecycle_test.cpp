// Start-up and shut-down of the whole program, including the ways they can go wrong:
// no pixel format, no toolbar picture, a window closed while the volume turns.
#include "resources/resource.h"
#include "view/cube_view.h"
#include "view/scene_constants.h"

#include "framework/resources.h"
#include "framework/test_seams.h"
#include "framework/win_app.h"
#include "platform/drop_files.h"
#include "platform/message_queue.h"
#include "platform/opengl_binding.h"
#include "tests/program/program_session.h"
#include "tests/support/toolkit_inspect.h"
#include "tests/support/toolkit_session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

float g_angleWhenShown = -1.0f;
bool g_framesDrawn = false;
std::vector<std::string> g_trace;

// The binding's calls from when the watch is put on.
std::vector<std::string> g_calls;
void JournalEnable(bool on)
{
    g_calls.clear();
    SetBindingCallWatch(on ? +[](const std::string& call) { g_calls.push_back(call); } : nullptr);
}

// Closes the main window, if there is one, and waits until the toolkit holds no window:
// the updates asked for on the way out have run.
void CloseProgramWindow()
{
    if (MainFrame() != nullptr)
        MainFrame()->SendMessage(WM_CLOSE);
    EXPECT_TRUE(WaitFor([] { return AfxTestWindowCount() == 0; }));
}

std::size_t Position(const std::vector<std::string>& calls, const std::string& call)
{
    return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        TakeMessages();
        g_trace.clear();
        AfxSetTraceSink([](const std::string& line) { g_trace.push_back(line); });
    }
    void TearDown() override
    {
        SetPixelFormatSeam(PixelFormatSeam());
        JournalEnable(false);
        CloseProgramWindow();
        AfxOverrideResources() = AfxProgramResources();
    }
    // Start-up's New, as the program makes it: document, frame, view, initial update;
    // then its first frame, drawn or not.
    void StartAgain()
    {
        const float angle = Angle();
        AfxGetApp()->OnFileNew();
        EXPECT_TRUE(MainFrame() == nullptr || WaitFor([&] { return Angle() > angle; }));
    }
};

}  // namespace

TEST_F(Lifecycle, NoFrameIsDrawnBeforeTheWindowIsOnTheScreen)
{
    // Start-up resizes the view several times; a frame drawn on any of those occasions
    // before the main window is shown would turn the volume before a person sees it. The
    // first frame shown is drawn at angle 0.
    EXPECT_EQ(g_angleWhenShown, 0.0f);
    EXPECT_TRUE(g_framesDrawn);
}

TEST_F(Lifecycle, WithoutAPixelFormatTheProgramRunsOnAndDrawsNothing)
{
    const struct {
        PixelFormatSeam seam;
        const char* message;
        bool setTried;
    } cases[] = {
        {{true, false, nullptr}, "ChoosePixelFormat failed", false},
        {{false, true, nullptr}, "SetPixelFormat failed", true},
    };
    for (const auto& c : cases) {
        SetUp();
        SetPixelFormatSeam(c.seam);
        JournalEnable(true);
        StartAgain();
        const auto calls = g_calls;
        EXPECT_EQ(TakeMessages(), std::vector<std::string>{c.message});
        EXPECT_EQ(Position(calls, "SetPixelFormat") < calls.size(), c.setTried) << c.message;
        EXPECT_EQ(Position(calls, "wglCreateContext"), calls.size()) << c.message;
        ASSERT_NE(MainFrame(), nullptr) << c.message;
        EXPECT_EQ(MainFrame()->GetWindowText().str(), "Dorvane");
        EXPECT_EQ(wglGetCurrentContext(), nullptr);

        // Frames still run, without a context to draw with, and say nothing.
        const float angle = Angle();
        View()->SendMessage(WM_PAINT);
        EXPECT_FLOAT_EQ(Angle(), angle + 3.0f);
        // Dropped files are still taken.
        DropOnView({WriteTestFile("ones", std::vector<unsigned char>(VoxelGrid::kCells, 1))});
        EXPECT_EQ(View()->m_voxels[0], 1);
        EXPECT_TRUE(TakeMessages().empty());
        TearDown();
    }
}

TEST_F(Lifecycle, ClosingStopsTheTimerBeforeTheContextGoesAndNothingReachesTheViewAfter)
{
    // The roads out on which the toolbar or the menu ask after commands while the frame
    // is being taken apart; with the address sanitizer, a view used after it is gone
    // ends the test.
    const struct {
        const char* road;
        UINT command;
        bool dropPosted;
    } roads[] = {
        {"still", 0, false},
        {"playing", ID_FILE_PLAY, false},
        {"with the controller open", ID_CONTROL, false},
        {"with a drop posted", 0, true},
    };
    for (const auto& road : roads) {
        StartAgain();
        if (road.command != 0)
            MainFrame()->RouteCommand(road.command);
        if (road.dropPosted)
            ::PostMessage(View()->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"/nonexistent"})),
                          0);
        JournalEnable(true);
        CloseProgramWindow();
        const auto calls = g_calls;
        const std::size_t killed = Position(calls, "KillTimer " + std::to_string(kPlayTimer));
        ASSERT_LT(killed, calls.size()) << road.road;
        EXPECT_LT(killed, Position(calls, "wglMakeCurrent none")) << road.road;
        EXPECT_LT(Position(calls, "wglMakeCurrent none"), Position(calls, "wglDeleteContext")) << road.road;
        EXPECT_LT(Position(calls, "wglDeleteContext"), calls.size()) << road.road;
        EXPECT_EQ(AfxGetMainWnd(), nullptr) << road.road;
        EXPECT_EQ(wglGetCurrentContext(), nullptr) << road.road;
        EXPECT_TRUE(TakeMessages().empty()) << road.road;
    }
}

TEST_F(Lifecycle, WithoutItsToolbarPictureNoFrameIsShown)
{
    static const unsigned char notABitmap[] = {'B', 'M', 0, 1, 2, 3};
    const std::pair<const char*, AfxBytes> cases[] = {
        {"missing", AfxBytes{}}, {"unreadable", AfxBytes{notABitmap, sizeof notABitmap}}};
    for (const auto& [what, bitmap] : cases) {
        SetUp();
        AfxOverrideResources().bitmaps[IDR_MAINFRAME] = bitmap;
        StartAgain();
        EXPECT_EQ(AfxGetMainWnd(), nullptr) << what;
        EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Failed to create empty document."}) << what;
#ifdef _DEBUG
        EXPECT_NE(std::find(g_trace.begin(), g_trace.end(), "Failed to create toolbar\n"), g_trace.end())
            << what;
#endif
        EXPECT_EQ(wglGetCurrentContext(), nullptr) << what << ": the view made on the way is released";
        // Start-up itself ends with failure rather than using a window that is not there.
        EXPECT_FALSE(AfxGetApp()->InitInstance()) << what;
        TearDown();
    }
}

bool StartTestProgram()
{
    CollectMessages();
    // Start-up once, as the program does, until the first frame is drawn; each test then
    // starts a new document and frame. The view's first event once its window is shown
    // (the size it takes as the window appears) draws the first frame a person sees.
    const AfxTestEventWatch watch([](HWND hWnd) {
        auto* view = dynamic_cast<CCubeView*>(CWnd::FromHandle(hWnd));
        if (g_angleWhenShown < 0.0f && view != nullptr && view->GetParentFrame()->IsWindowVisible())
            g_angleWhenShown = Angle();
    });
    if (!AfxGetApp()->InitInstance())
        return false;
    g_framesDrawn = AfxTestRunEventLoopUntil([] { return Angle() > 0.0f; }, 5000);
    CloseProgramWindow();
    return true;
}
