#include "control_bar.h"

#include "dock_site.h"
#include "frame_wnd.h"
#include "native_ids.h"
#include "resource_image.h"

#include "platform/native_window.h"

#include <wx/aui/auibar.h>

IMPLEMENT_DYNAMIC(CToolBar, CWnd)

struct ToolbarImages {
    std::vector<wxBitmap> images;
};

namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;

wxAuiToolBar* NativeToolBar(HWND hWnd)
{
    return static_cast<wxAuiToolBar*>(NativeWindow(hWnd));
}

}  // namespace

BOOL CToolBar::IsVisible() const
{
    if (m_hWnd == nullptr)
        return FALSE;
    // Docked or floating, the bar belongs to the frame whose docking sites hold it.
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetDockManager() != nullptr) {
        const wxAuiPaneInfo& pane = pFrame->GetDockManager()->GetPane(NativeWindow(m_hWnd));
        if (pane.IsOk())
            return pane.IsShown();
    }
    return IsWindowVisible();
}

CToolBar::CToolBar() = default;

CToolBar::~CToolBar() = default;

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwBarStyle = dwStyle & 0xFFFF;
    return CWnd::Create(nullptr, nullptr, dwStyle & 0xFFFF0000, CRect(), pParentWnd, nID);
}

HWND CToolBar::CreateNativeWindow(const CREATESTRUCT& cs)
{
    if (cs.hwndParent == nullptr)
        return nullptr;
    auto* toolbar = new wxAuiToolBar(NativeWindow(cs.hwndParent), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER);
    AfxRouteCommandsToFrame(toolbar, cs.hwndParent, true);
    return WindowHandle(toolbar);
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    const auto& bitmaps = AfxResources().bitmaps;
    auto it = bitmaps.find(nIDResource);
    if (it == bitmaps.end())
        return FALSE;
    wxImage strip = ResourceImage(it->second, wxBITMAP_TYPE_BMP);
    if (!strip.IsOk() || strip.GetWidth() < kImageWidth || strip.GetHeight() < 1)
        return FALSE;
    // Light grey is the button face: it shows through.
    strip.SetMaskColour(192, 192, 192);
    auto images = std::make_unique<ToolbarImages>();
    for (int x = 0; x + kImageWidth <= strip.GetWidth(); x += kImageWidth)
        images->images.emplace_back(
            strip.GetSubImage(wxRect(x, 0, kImageWidth, std::min(kImageHeight, strip.GetHeight()))));
    m_pImages = std::move(images);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || m_pImages == nullptr || lpIDArray == nullptr)
        return FALSE;
    wxAuiToolBar* toolbar = NativeToolBar(m_hWnd);
    toolbar->ClearTools();
    m_buttons.clear();
    std::size_t image = 0;
    for (int i = 0; i < nIDCount; ++i) {
        const UINT id = lpIDArray[i];
        m_buttons.push_back(id);
        if (id == 0) {
            toolbar->AddSeparator();
            continue;
        }
        if (image >= m_pImages->images.size())
            return FALSE;
        toolbar->AddTool(AfxNativeCommandId(id), wxEmptyString, m_pImages->images[image++], wxEmptyString,
                         wxITEM_CHECK);
    }
    ApplyTooltips();
    toolbar->Realize();
    return TRUE;
}

void CToolBar::SetBarStyle(DWORD dwStyle)
{
    m_dwBarStyle = dwStyle;
    ApplyTooltips();
}

void CToolBar::ApplyTooltips()
{
    if (m_hWnd == nullptr)
        return;
    wxAuiToolBar* toolbar = NativeToolBar(m_hWnd);
    for (UINT id : m_buttons) {
        if (id == 0)
            continue;
        const std::string tip =
            (m_dwBarStyle & CBRS_TOOLTIPS) ? AfxExtractSubString(AfxLoadString(id), 1) : std::string();
        toolbar->SetToolShortHelp(AfxNativeCommandId(id), wxString::FromUTF8(tip));
    }
}
