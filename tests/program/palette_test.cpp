// The logical palette for displays that need one, and the frame realising it again.
#include "program_session.h"

#include "platform/opengl_binding.h"

#include <gtest/gtest.h>

#include <set>

namespace {

PIXELFORMATDESCRIPTOR IndexedFormat(BYTE redBits, BYTE redShift, BYTE greenBits, BYTE greenShift,
                                    BYTE blueBits, BYTE blueShift)
{
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE;
    pfd.cColorBits = 8;
    pfd.cRedBits = redBits;
    pfd.cRedShift = redShift;
    pfd.cGreenBits = greenBits;
    pfd.cGreenShift = greenShift;
    pfd.cBlueBits = blueBits;
    pfd.cBlueShift = blueShift;
    return pfd;
}

// Builds the view's palette as it would on a display whose format is described so.
std::vector<PALETTEENTRY> PaletteFor(const PIXELFORMATDESCRIPTOR& pfd)
{
    CCubeView* view = View();
    view->m_palette = CPalette();
    view->m_pPrevPalette = nullptr;
    PixelFormatSeam seam;
    seam.describeAs = &pfd;
    SetPixelFormatSeam(seam);
    view->CreateRGBPalette();
    SetPixelFormatSeam(PixelFormatSeam());
    EXPECT_NE(view->m_pPrevPalette, nullptr);
    view->m_pClientDC->SelectPalette(view->m_pPrevPalette, FALSE);
    return view->m_palette.Entries();
}

std::set<int> DifferencesFromComputed(const std::vector<PALETTEENTRY>& entries,
                                      const PIXELFORMATDESCRIPTOR& pfd)
{
    std::set<int> different;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const PALETTEENTRY& e = entries[i];
        if (e.peRed != CCubeView::ComponentFromIndex(i, pfd.cRedBits, pfd.cRedShift) ||
            e.peGreen != CCubeView::ComponentFromIndex(i, pfd.cGreenBits, pfd.cGreenShift) ||
            e.peBlue != CCubeView::ComponentFromIndex(i, pfd.cBlueBits, pfd.cBlueShift) || e.peFlags != 0)
            different.insert(i);
    }
    return different;
}

}  // namespace

TEST(Palette, ComponentsExpandEachFieldToEightBits)
{
    const struct {
        int index;
        UINT bits, shift;
        unsigned char expected;
    } cases[] = {
        {255, 3, 0, 255}, {255, 3, 3, 255}, {255, 2, 6, 255},   {173, 3, 0, 182}, {173, 3, 3, 182},
        {173, 2, 6, 170}, {0, 3, 0, 0},     {1, 1, 0, 255},     {2, 2, 0, 170},   {3, 3, 0, 109},
        {255, 0, 0, 0},   {255, 4, 0, 0},   {0x1FF, 3, 6, 255},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CCubeView::ComponentFromIndex(c.index, c.bits, c.shift), c.expected)
            << c.index << ", " << c.bits << ", " << c.shift;
}

TEST(Palette, TrueColourDisplaysGetNone)
{
    EXPECT_TRUE(View()->m_palette.Entries().empty());
    EXPECT_EQ(View()->m_pPrevPalette, nullptr);
}

TEST(Palette, TheThreeThreeTwoLayoutTakesTwelveReservedColours)
{
    const PIXELFORMATDESCRIPTOR pfd = IndexedFormat(3, 0, 3, 3, 2, 6);
    const auto entries = PaletteFor(pfd);
    ASSERT_EQ(entries.size(), 256u);
    EXPECT_EQ(DifferencesFromComputed(entries, pfd),
              (std::set<int>{3, 24, 27, 64, 67, 88, 173, 181, 236, 247, 164, 91}));
    const struct {
        int index;
        BYTE r, g, b;
    } replaced[] = {{3, 128, 0, 0},       {24, 0, 128, 0},      {27, 128, 128, 0},    {64, 0, 0, 128},
                    {67, 128, 0, 128},    {88, 0, 128, 128},    {173, 192, 192, 192}, {181, 192, 220, 192},
                    {236, 166, 202, 240}, {247, 255, 251, 240}, {164, 160, 160, 164}, {91, 128, 128, 128},
                    {0, 0, 0, 0},         {255, 255, 255, 255}};
    for (const auto& r : replaced) {
        EXPECT_EQ(entries[r.index].peRed, r.r) << r.index;
        EXPECT_EQ(entries[r.index].peGreen, r.g) << r.index;
        EXPECT_EQ(entries[r.index].peBlue, r.b) << r.index;
    }
}

TEST(Palette, OtherLayoutsAreComputedOnly)
{
    const PIXELFORMATDESCRIPTOR layouts[] = {
        IndexedFormat(3, 5, 3, 2, 2, 0),                                   // blue at shift 0
        IndexedFormat(2, 0, 3, 2, 3, 5), IndexedFormat(4, 0, 3, 4, 0, 7),  // widths 4 and 0 give 0
    };
    for (const auto& pfd : layouts) {
        const auto entries = PaletteFor(pfd);
        ASSERT_EQ(entries.size(), 256u);
        EXPECT_TRUE(DifferencesFromComputed(entries, pfd).empty());
    }
    View()->m_palette = CPalette();
    View()->m_pPrevPalette = nullptr;
}

TEST(Palette, TheFrameRealisesTheViewsPaletteWhenAnotherWindowChangedColours)
{
    PaletteFor(IndexedFormat(3, 0, 3, 3, 2, 6));
    const struct {
        const char* cause;
        CWnd* focus;
        bool realised;
    } cases[] = {{"the frame itself", MainFrame(), false}, {"the view", View(), true}};
    for (const auto& c : cases) {
        CSystemPalette::Instance().Reset();
        MainFrame()->SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(c.focus->m_hWnd));
        // Realising what is already realised changes no entry.
        const UINT stillToChange = CSystemPalette::Instance().Realize(View()->m_palette);
        EXPECT_EQ(stillToChange == 0, c.realised) << c.cause;
    }
    CSystemPalette::Instance().Reset();
    EXPECT_EQ(MainFrame()->SendMessage(WM_QUERYNEWPALETTE), FALSE);
    EXPECT_EQ(CSystemPalette::Instance().Realize(View()->m_palette), 0u);
    View()->m_palette = CPalette();
    CSystemPalette::Instance().Reset();
    Pump(100);
}
