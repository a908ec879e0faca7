#include "gdi.h"

#include "wnd.h"

#include "platform/message_queue.h"
#include "platform/opengl_binding.h"

#include <iterator>

namespace {

// The twenty colours the display reserves: the first ten and the last ten entries.
constexpr PALETTEENTRY kReservedColours[20] = {
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},
    {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
};

bool SameColour(const PALETTEENTRY& a, const PALETTEENTRY& b)
{
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

}  // namespace

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette)
{
    if (lpLogPalette == nullptr || lpLogPalette->palNumEntries == 0)
        return FALSE;
    m_entries.assign(lpLogPalette->palPalEntry, lpLogPalette->palPalEntry + lpLogPalette->palNumEntries);
    return TRUE;
}

CSystemPalette& CSystemPalette::Instance()
{
    static CSystemPalette palette;
    return palette;
}

void CSystemPalette::Reset()
{
    m_entries.assign(256, PALETTEENTRY{0, 0, 0, 0});
    for (int i = 0; i < 10; ++i) {
        m_entries[i] = kReservedColours[i];
        m_entries[246 + i] = kReservedColours[10 + i];
    }
}

UINT CSystemPalette::Realize(const CPalette& palette)
{
    UINT changed = 0;
    const auto& entries = palette.Entries();
    for (std::size_t i = 0; i < entries.size() && i < m_entries.size(); ++i) {
        if (SameColour(m_entries[i], entries[i]))
            continue;
        m_entries[i] = entries[i];
        ++changed;
    }
    return changed;
}

CPalette& CDC::DefaultPalette()
{
    static CPalette reserved(
        std::vector<PALETTEENTRY>(std::begin(kReservedColours), std::end(kReservedColours)));
    return reserved;
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL)
{
    if (pPalette == nullptr)
        return nullptr;
    CPalette* previous = m_pPalette;
    m_pPalette = pPalette;
    return previous;
}

UINT CDC::RealizePalette()
{
    const UINT changed = CSystemPalette::Instance().Realize(*m_pPalette);
    // Every top-level window hears that the display's colours changed, and who changed them.
    CWnd* pMainWnd = AfxGetMainWnd();
    if (changed > 0 && pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
        PostMessage(pMainWnd->m_hWnd, WM_PALETTECHANGED,
                    reinterpret_cast<WPARAM>(m_pWnd != nullptr ? m_pWnd->m_hWnd : nullptr), 0);
    return changed;
}

CClientDC::CClientDC(CWnd* pWnd)
{
    m_pWnd = pWnd;
    m_hDC = ::GetDC(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_pWnd != nullptr ? m_pWnd->m_hWnd : nullptr, m_hDC);
}
