// Long runs: many frames, loads, resizes and controllers in a row, with the program's
// memory measured at the start and the end.
#include "program_session.h"

#include "app/controller_dialog.h"
#include "platform/message_queue.h"
#include "resources/resource.h"
#include "view/scene_constants.h"

#include "tests/support/toolkit_inspect.h"
#include "tests/support/toolkit_session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <unistd.h>

namespace {

long ResidentKiB()
{
    long pages = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

void ExpectGrowthBelow(const std::string& run, long startKiB, long endKiB, long limitKiB)
{
    std::printf("%s: resident %ld KiB at the start, %ld KiB at the end\n", run.c_str(), startKiB, endKiB);
    // The address sanitizer keeps freed memory in quarantine: there the figures say nothing
    // about the program's own growth.
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(endKiB - startKiB, limitKiB) << run;
#endif
}

// One timer tick, through the event loop as the timer's own would come.
void Tick()
{
    PostMessage(View()->m_hWnd, WM_TIMER, kPlayTimer, 0);
    AfxTestRunEventLoopOnce();
}

}  // namespace

// Unoptimised builds walk the grid ten times slower; they run a tenth of the frames.
#ifdef _DEBUG
constexpr int kFrames = 1000;
#else
constexpr int kFrames = 10000;
#endif

TEST(LongRun, ManyFramesKeepMemoryFlat)
{
    // A small window: the swap of each frame is most of its cost.
    AfxTestResizeWindow(MainFrame()->m_hWnd, 200, 160);
    Pump(200);
    View()->m_voxels.Clear();
    View()->m_voxels[VoxelGrid::AxisCell()] = 1;
    for (int i = 0; i < 200; ++i)
        Tick();
    const long start = ResidentKiB();
    const float angle = Angle();
    for (int i = 0; i < kFrames; ++i)
        Tick();
    const long end = ResidentKiB();
    EXPECT_GE(Angle(), angle + kFrames * 3.0f);  // paints of the window may add their own
    // What grows is the toolkit's and the driver's caches settling, not a cost per frame.
    ExpectGrowthBelow(std::to_string(kFrames) + " frames", start, end, 4096);
}

TEST(LongRun, TwoHundredDropsAndOpensInTurn)
{
    const std::string first = WriteTestFile("first", std::vector<unsigned char>(VoxelGrid::kCells, 1));
    std::vector<unsigned char> second(VoxelGrid::kCells, 0);
    second[12345] = 9;
    const std::string other = WriteTestFile("second", second);
    const long start = ResidentKiB();
    for (int i = 0; i < 100; ++i) {
        DropOnView({other});
        ASSERT_EQ(View()->m_voxels[12345], 1);
        ASSERT_EQ(View()->m_voxels[0], 0);
        OpenThroughFileOpen(first);
        ASSERT_EQ(View()->m_voxels[0], 1);
    }
    const long end = ResidentKiB();
    EXPECT_TRUE(TakeMessages().empty());
    ExpectGrowthBelow("200 drops and opens", start, end, 4096);
}

TEST(LongRun, AResizeStormWhilePlaying)
{
    View()->m_voxels.Clear();
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    std::mt19937 random(7);
    for (int i = 0; i < 40; ++i) {
        AfxTestResizeWindow(MainFrame()->m_hWnd, 200 + random() % 600, 150 + random() % 450);
        Pump(2);
    }
    AfxTestResizeWindow(MainFrame()->m_hWnd, 640, 480);
    Pump(200);
    MainFrame()->RouteCommand(ID_FILE_PLAY);
    CRect client;
    View()->GetClientRect(&client);
    EXPECT_EQ(View()->m_clientRect.right, client.right);
    EXPECT_EQ(View()->m_clientRect.bottom, client.bottom);
}

TEST(LongRun, ControlAHundredTimes)
{
    MainFrame()->RouteCommand(ID_CONTROL);
    Pump(50);
    const std::size_t windows = AfxTestWindowCount();
    const long start = ResidentKiB();
    for (int i = 0; i < 100; ++i) {
        MainFrame()->RouteCommand(ID_CONTROL);
        if (i % 25 == 0)
            Pump(5);  // let windows that went be deleted
    }
    Pump(200);
    const long end = ResidentKiB();
    ASSERT_NE(View()->m_pController, nullptr);
    EXPECT_TRUE(View()->m_pController->IsWindowVisible());
    // One controller and its trackbar stand, as after the first command.
    EXPECT_EQ(AfxTestWindowCount(), windows);
    // The desktop toolkit keeps some 9 KiB of its own for each dialog it has made; the
    // program's objects all go (the leak checker of the sanitizer build says so).
    ExpectGrowthBelow("100 View, Control", start, end, 16384);
}
