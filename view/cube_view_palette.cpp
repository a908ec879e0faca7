// The logical palette for pixel formats that need one: each index stands for the colour
// its red, green and blue bit fields give it, so that RGBA colours map onto it.
#include "cube_view.h"

#include "platform/opengl_binding.h"

#include <cstdlib>

namespace {

const unsigned char oneto8[2] = {0, 255};
const unsigned char twoto8[4] = {0, 85, 170, 255};
const unsigned char threeto8[8] = {0, 36, 73, 109, 146, 182, 219, 255};

// Twelve entries of the 3-3-2 palette are replaced by the display's reserved colours,
// which they nearly match; row 0 and rows 13 to 19 already stand in it exactly.
const int defaultOverride[13] = {0, 3, 24, 27, 64, 67, 88, 173, 181, 236, 247, 164, 91};

const PALETTEENTRY defaultPalEntry[20] = {
    {0, 0, 0, 0},       {0x80, 0, 0, 0},    {0, 0x80, 0, 0},       {0x80, 0x80, 0, 0}, {0, 0, 0x80, 0},
    {0x80, 0, 0x80, 0}, {0, 0x80, 0x80, 0}, {0xC0, 0xC0, 0xC0, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
    {255, 251, 240, 0}, {160, 160, 164, 0}, {0x80, 0x80, 0x80, 0}, {0xFF, 0, 0, 0},    {0, 0xFF, 0, 0},
    {0xFF, 0xFF, 0, 0}, {0, 0, 0xFF, 0},    {0xFF, 0, 0xFF, 0},    {0, 0xFF, 0xFF, 0}, {0xFF, 0xFF, 0xFF, 0},
};

// A logical palette counts its entries in 16 bits.
constexpr int kMaxPaletteBits = 15;

}  // namespace

unsigned char CCubeView::ComponentFromIndex(int i, UINT nbits, UINT shift)
{
    const unsigned char val = static_cast<unsigned char>(i >> shift);
    switch (nbits) {
    case 1:
        return oneto8[val & 0x1];
    case 2:
        return twoto8[val & 0x3];
    case 3:
        return threeto8[val & 0x7];
    default:
        return 0;
    }
}

void CCubeView::CreateRGBPalette()
{
    PIXELFORMATDESCRIPTOR pfd;
    const int format = ::GetPixelFormat(m_pClientDC->GetSafeHdc());
    ::DescribePixelFormat(m_pClientDC->GetSafeHdc(), format, sizeof(PIXELFORMATDESCRIPTOR), &pfd);

    if (!(pfd.dwFlags & PFD_NEED_PALETTE) || pfd.cColorBits > kMaxPaletteBits)
        return;

    const int n = 1 << pfd.cColorBits;
    auto* pPal = static_cast<LOGPALETTE*>(std::malloc(sizeof(LOGPALETTE) + n * sizeof(PALETTEENTRY)));
    ASSERT(pPal != nullptr);
    if (pPal == nullptr)
        return;

    pPal->palVersion = 0x300;
    pPal->palNumEntries = static_cast<WORD>(n);
    for (int i = 0; i < n; ++i) {
        pPal->palPalEntry[i].peRed = ComponentFromIndex(i, pfd.cRedBits, pfd.cRedShift);
        pPal->palPalEntry[i].peGreen = ComponentFromIndex(i, pfd.cGreenBits, pfd.cGreenShift);
        pPal->palPalEntry[i].peBlue = ComponentFromIndex(i, pfd.cBlueBits, pfd.cBlueShift);
        pPal->palPalEntry[i].peFlags = 0;
    }

    if (pfd.cColorBits == 8 && pfd.cRedBits == 3 && pfd.cRedShift == 0 && pfd.cGreenBits == 3 &&
        pfd.cGreenShift == 3 && pfd.cBlueBits == 2 && pfd.cBlueShift == 6)
        for (int j = 1; j <= 12; ++j)
            pPal->palPalEntry[defaultOverride[j]] = defaultPalEntry[j];

    m_palette.CreatePalette(pPal);
    std::free(pPal);

    m_pPrevPalette = m_pClientDC->SelectPalette(&m_palette, FALSE);
    m_pClientDC->RealizePalette();
}
