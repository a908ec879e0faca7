#include "frame_wnd.h"

#include "accelerators.h"
#include "control_bar.h"
#include "native_ids.h"
#include "dock_site.h"
#include "document.h"
#include "resource_image.h"
#include "view.h"
#include "win_app.h"

#include "platform/native_window.h"

#include <wx/event.h>
#include <wx/frame.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_COMMAND(ID_VIEW_TOOLBAR, OnViewToolbar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateViewToolbar)
END_MESSAGE_MAP()

namespace {

wxFrame* NativeFrame(HWND hWnd)
{
    return static_cast<wxFrame*>(NativeWindow(hWnd));
}

// Learns whether a command's update handler shows a check mark, so that its menu item
// is made as one that can carry it.
class CheckProbe : public CCmdUI {
public:
    explicit CheckProbe(UINT nID) { m_nID = nID; }
    void SetCheck(int) override { m_bChecks = true; }
    bool m_bChecks = false;
};

// The state an update handler gives a menu item or a toolbar button, carried back to the
// toolkit's update event for that item.
class UpdateEventCmdUI : public CCmdUI {
public:
    explicit UpdateEventCmdUI(wxUpdateUIEvent& event) : m_event(event)
    {
        m_nID = AfxCommandFromNativeId(event.GetId());
    }
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        m_event.Enable(bOn != FALSE);
    }
    void SetCheck(int nCheck) override { m_event.Check(nCheck != 0); }

private:
    wxUpdateUIEvent& m_event;
};

// Every size of the icon, so the desktop shows the one it needs in each place. An image
// that cannot be read is left out without a word: the window is still usable.
wxIconBundle LoadIconSet(UINT nIDResource)
{
    wxIconBundle icons;
    const auto& sets = AfxResources().iconSets;
    auto it = sets.find(nIDResource);
    if (it == sets.end())
        return icons;
    for (const AfxBytes& png : it->second) {
        const wxImage image = ResourceImage(png, wxBITMAP_TYPE_PNG);
        if (image.IsOk()) {
            wxIcon icon;
            icon.CopyFromBitmap(wxBitmap(image));
            icons.AddIcon(icon);
        }
    }
    return icons;
}

}  // namespace

void AfxRouteCommandsToFrame(wxEvtHandler* window, HWND hWndFrame, bool buttons)
{
    // The frame that takes the event, or none. A toolbar's own window asks for its state
    // too; it is no command: routed as one it would find no handler and be disabled, and a
    // disabled bar takes no pointer input.
    auto frameFor = [hWndFrame](wxEvent& event) -> CFrameWnd* {
        auto* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(hWndFrame));
        if (pFrame != nullptr && AfxCommandFromNativeId(event.GetId()) != 0)
            return pFrame;
        event.Skip();
        return nullptr;
    };
    window->Bind(wxEVT_MENU, [frameFor](wxCommandEvent& event) {
        if (CFrameWnd* pFrame = frameFor(event))
            pFrame->RouteCommand(AfxCommandFromNativeId(event.GetId()));
    });
    window->Bind(wxEVT_UPDATE_UI, [frameFor, buttons](wxUpdateUIEvent& event) {
        if (CFrameWnd* pFrame = frameFor(event)) {
            UpdateEventCmdUI state(event);
            pFrame->RouteUpdate(&state);
            // A button shows pressed exactly while its handler checks it; a menu item that
            // no handler checks is left as it was made.
            if (buttons && !event.GetSetChecked())
                event.Check(false);
        }
    });
}

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    const std::string title = AfxExtractSubString(AfxLoadString(nIDResource), 0);
    // On failure the frame object is gone with its window.
    return Create(nullptr, title.c_str(), dwDefaultStyle, CRect(0, 0, 800, 600), pParentWnd, 0, pContext);
}

HWND CFrameWnd::CreateNativeWindow(const CREATESTRUCT& cs)
{
    auto* frame = new wxFrame(NativeWindow(cs.hwndParent), wxID_ANY, wxEmptyString, wxDefaultPosition,
                              wxSize(cs.cx, cs.cy));
    AfxBindAccelerators(frame, m_nIDResource);
    const wxIconBundle icons = LoadIconSet(m_nIDResource);
    if (!icons.IsEmpty())
        frame->SetIcons(icons);

    m_pDockManager = std::make_unique<DockingManager>();
    m_pDockManager->SetManagedWindow(frame);

    AfxRouteCommandsToFrame(frame, WindowHandle(frame), false);
    return WindowHandle(frame);
}

void CFrameWnd::BuildMenuBar()
{
    const auto& menus = AfxResources().menus;
    auto found = menus.find(m_nIDResource);
    if (found == menus.end())
        return;
    auto* bar = new wxMenuBar;
    for (const AfxPopupMenu& popup : found->second) {
        auto* menu = new wxMenu;
        for (const AfxMenuItem& item : popup.items) {
            if (item.nID == 0) {
                menu->AppendSeparator();
                continue;
            }
            CheckProbe probe(item.nID);
            RouteUpdate(&probe);
            menu->Append(AfxNativeCommandId(item.nID), wxString::FromUTF8(item.text), wxEmptyString,
                         probe.m_bChecks ? wxITEM_CHECK : wxITEM_NORMAL);
        }
        bar->Append(menu, wxString::FromUTF8(popup.text));
    }
    NativeFrame(m_hWnd)->SetMenuBar(bar);
    AfxUnbindMenuTextShortcuts(NativeFrame(m_hWnd));
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return CWnd::OnCreate(lpCreateStruct) == -1 || !OnCreateClient(lpCreateStruct, pContext) ? -1 : 0;
}

// Makes the context's view, if it names one, as the frame's centre pane.
BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return TRUE;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CWnd*>(pObject);
    if (pView == nullptr) {
        delete pObject;
        return FALSE;
    }
    // The view starts with no area; the frame's layout gives it its size.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                       AFX_IDW_PANE_FIRST, pContext))
        return FALSE;  // gone with its window
    m_pDockManager->AddPane(NativeWindow(pView->m_hWnd), wxAuiPaneInfo().Name("view").CenterPane());
    m_pDockManager->Update();
    return TRUE;
}

void CFrameWnd::SetActiveView(CView* pViewNew)
{
    m_hWndViewActive = pViewNew != nullptr ? pViewNew->m_hWnd : nullptr;
}

CView* CFrameWnd::GetActiveView() const
{
    return dynamic_cast<CView*>(FromHandle(m_hWndViewActive));
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (GetActiveView() == nullptr && pDoc != nullptr && !pDoc->GetViews().empty())
        SetActiveView(pDoc->GetViews().front());
    // Made once commands reach the view, so that the menu can tell which items carry a
    // check; and only once, since a frame takes one menu bar for its life.
    if (NativeFrame(m_hWnd)->GetMenuBar() == nullptr)
        BuildMenuBar();
    if (pDoc != nullptr)
        for (CView* pView : pDoc->GetViews())
            pView->OnInitialUpdate();
    if (bMakeVisible && m_hWnd != nullptr) {
        ShowWindow(TRUE);
        NativeFrame(m_hWnd)->Raise();
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDoc = GetActiveDocument();
    if (!bAddToTitle || !(GetStyle() & FWS_ADDTOTITLE) || pDoc == nullptr)
        return;
    const std::string frameTitle = AfxExtractSubString(AfxLoadString(m_nIDResource), 0);
    SetWindowText((pDoc->GetTitle().str() + " - " + frameTitle).c_str());
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo);
}

void CFrameWnd::DockControlBar(CToolBar* pBar, UINT, const RECT*)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || m_pDockManager == nullptr)
        return;
    // A bar may go to the sides that both it and the frame allow.
    const DWORD sides = pBar->GetDockingStyle() & m_dwDockStyle;
    wxAuiPaneInfo pane;
    pane.Name(wxString::Format("bar%u", pBar->GetDlgCtrlID()))
        .ToolbarPane()
        .TopDockable((sides & CBRS_ALIGN_TOP) != 0)
        .BottomDockable((sides & CBRS_ALIGN_BOTTOM) != 0)
        .LeftDockable((sides & CBRS_ALIGN_LEFT) != 0)
        .RightDockable((sides & CBRS_ALIGN_RIGHT) != 0)
        .Floatable(sides != 0);
    const DWORD placed = pBar->GetBarStyle();
    if (placed & CBRS_ALIGN_BOTTOM)
        pane.Bottom();
    else if (placed & CBRS_ALIGN_LEFT)
        pane.Left();
    else if (placed & CBRS_ALIGN_RIGHT)
        pane.Right();
    else
        pane.Top();
    m_pDockManager->AddPane(NativeWindow(pBar->m_hWnd), pane);
    m_pDockManager->Update();
    m_controlBars.push_back(pBar->m_hWnd);
}

CToolBar* CFrameWnd::GetControlBar(UINT nID) const
{
    for (HWND hWndBar : m_controlBars)
        if (auto* pBar = dynamic_cast<CToolBar*>(FromHandle(hWndBar)); pBar && pBar->GetDlgCtrlID() == nID)
            return pBar;
    return nullptr;
}

void CFrameWnd::ShowControlBar(CToolBar* pBar, BOOL bShow, BOOL)
{
    if (pBar == nullptr || m_pDockManager == nullptr)
        return;
    wxAuiPaneInfo& pane = m_pDockManager->GetPane(NativeWindow(pBar->m_hWnd));
    if (!pane.IsOk())
        return;
    pane.Show(bShow != FALSE);
    m_pDockManager->Update();
}

void CFrameWnd::OnViewToolbar()
{
    if (CToolBar* pBar = GetControlBar(AFX_IDW_TOOLBAR))
        ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
}

void CFrameWnd::OnUpdateViewToolbar(CCmdUI* pCmdUI)
{
    CToolBar* pBar = GetControlBar(pCmdUI->m_nID);
    pCmdUI->Enable(pBar != nullptr);
    pCmdUI->SetCheck(pBar != nullptr && pBar->IsVisible() ? 1 : 0);
}

void CFrameWnd::OnClose()
{
    if (CDocument* pDoc = GetActiveDocument())
        pDoc->OnCloseDocument();  // destroys this frame
    else
        DestroyWindow();
}

void CFrameWnd::PostNcDestroy()
{
    if (m_pDockManager != nullptr)
        m_pDockManager->UnInit();
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    delete this;
}
