// The logical palette for displays that need one, and the frame realising it again.
#include "program_session.h"

#include "framework/test_seams.h"
#include "platform/opengl_binding.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A palette-based display's format, its colour fields as described.
PIXELFORMATDESCRIPTOR IndexedFormat(BYTE redBits, BYTE redShift, BYTE greenBits, BYTE greenShift,
                                    BYTE blueBits, BYTE blueShift)
{
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = 40;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 8;
    pfd.cRedBits = redBits, pfd.cRedShift = redShift;
    pfd.cGreenBits = greenBits, pfd.cGreenShift = greenShift;
    pfd.cBlueBits = blueBits, pfd.cBlueShift = blueShift;
    return pfd;
}

// Builds the view's palette as it would on a display whose format is described so.
std::vector<PALETTEENTRY> PaletteFor(const PIXELFORMATDESCRIPTOR& pfd)
{
    CCubeView* view = View();
    view->m_palette = CPalette();
    view->m_pPrevPalette = nullptr;
    SetPixelFormatSeam({false, false, &pfd});
    view->CreateRGBPalette();
    SetPixelFormatSeam(PixelFormatSeam());
    EXPECT_NE(view->m_pPrevPalette, nullptr);
    view->m_pClientDC->SelectPalette(view->m_pPrevPalette, FALSE);
    return view->m_palette.Entries();
}

// Each case leaves the view as a true-colour display has it: no palette of its own, none
// selected before it, and the system palette as it was.
class Palette : public ::testing::Test {
protected:
    void TearDown() override
    {
        View()->m_palette = CPalette();
        View()->m_pPrevPalette = nullptr;
        CSystemPalette::Instance().Reset();
    }
};

}  // namespace

TEST_F(Palette, TrueColourDisplaysGetNone)
{
    EXPECT_TRUE(View()->m_palette.Entries().empty());
    EXPECT_EQ(View()->m_pPrevPalette, nullptr);
}

// Each index's fields widened to eight bits; the 3-3-2 layout alone gives twelve entries
// to the reserved colours.
TEST_F(Palette, EntriesSpreadEachFieldAndOnlyTheThreeThreeTwoLayoutReservesColours)
{
    using Entries = std::vector<std::pair<int, std::array<BYTE, 3>>>;
    const Entries threeThreeTwo = {{0, {0, 0, 0}},         {255, {255, 255, 255}}, {1, {36, 0, 0}},
                                   {2, {73, 0, 0}},        {8, {0, 36, 0}},        {128, {0, 0, 170}},
                                   {3, {128, 0, 0}},       {24, {0, 128, 0}},      {27, {128, 128, 0}},
                                   {64, {0, 0, 128}},      {67, {128, 0, 128}},    {88, {0, 128, 128}},
                                   {173, {192, 192, 192}}, {181, {192, 220, 192}}, {236, {166, 202, 240}},
                                   {247, {255, 251, 240}}, {164, {160, 160, 164}}, {91, {128, 128, 128}}};
    const struct {
        const char* layout;
        PIXELFORMATDESCRIPTOR pfd;
        Entries entries;
    } cases[] = {
        {"3-3-2", IndexedFormat(3, 0, 3, 3, 2, 6), threeThreeTwo},
        {"blue at shift 0", IndexedFormat(3, 5, 3, 2, 2, 0), {{3, {0, 0, 255}}, {173, {182, 109, 85}}}},
        {"widths 4 and 0 give 0", IndexedFormat(4, 0, 3, 4, 0, 7), {{255, {0, 255, 0}}}},
    };
    for (const auto& c : cases) {
        const auto entries = PaletteFor(c.pfd);
        ASSERT_EQ(entries.size(), 256u) << c.layout;
        for (const auto& [index, rgb] : c.entries) {
            const PALETTEENTRY& e = entries[index];
            EXPECT_EQ((std::array<BYTE, 3>{e.peRed, e.peGreen, e.peBlue}), rgb) << c.layout << ", " << index;
        }
    }
}

TEST_F(Palette, TheFrameRealisesTheViewsPaletteWhenAnotherWindowChangedColours)
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
        EXPECT_EQ(CSystemPalette::Instance().Realize(View()->m_palette) == 0, c.realised) << c.cause;
    }
    CSystemPalette::Instance().Reset();
    EXPECT_EQ(MainFrame()->SendMessage(WM_QUERYNEWPALETTE), FALSE);
    EXPECT_EQ(CSystemPalette::Instance().Realize(View()->m_palette), 0u);
}
