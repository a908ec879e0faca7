#include "wnd.h"

#include "frame_wnd.h"
#include "win_app.h"

#include "platform/drop_files.h"
#include "platform/message_queue.h"
#include "platform/native_window.h"
#include "platform/opengl_binding.h"

#include <wx/dcclient.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <cmath>
#include <unordered_map>
#include <vector>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

AfxMessageBoxHook g_messageBoxHook = nullptr;

// Messages from the thread's queue reach the window they were posted for, if it still
// exists.
void DispatchQueuedMessage(const MSG& msg)
{
    if (CWnd* pWnd = CWnd::FromHandle(msg.hwnd))
        pWnd->SendMessage(msg.message, msg.wParam, msg.lParam);
}

bool Handles(const AFX_MSGMAP* map, UINT message)
{
    return CCmdTarget::FindEntry(map, message, 0, 0) != nullptr;
}

// The attached windows below a toolkit window, nearest first, passing through toolkit
// windows of the framework's own (floating toolbar frames, say).
void CollectAttached(wxWindow* window, std::vector<CWnd*>& found)
{
    for (wxWindow* child : window->GetChildren()) {
        if (CWnd* pWnd = CWnd::FromHandle(WindowHandle(child)))
            found.push_back(pWnd);
        CollectAttached(child, found);
    }
}

std::vector<HWND> ChildHandles(wxWindow* window)
{
    std::vector<HWND> handles;
    for (wxWindow* child : window->GetChildren())
        handles.push_back(WindowHandle(child));
    return handles;
}

void SendDestroyToDescendants(std::vector<HWND> children)
{
    for (HWND child : children) {
        CWnd* pWnd = CWnd::FromHandle(child);
        if (pWnd != nullptr)
            pWnd->SendMessage(WM_DESTROY);
        // A handler may have destroyed the window meanwhile; then its children are gone too.
        if (pWnd == nullptr || CWnd::FromHandle(child) == pWnd)
            SendDestroyToDescendants(ChildHandles(NativeWindow(child)));
    }
}

// A window's client area in the display's device pixels. The toolkit measures in logical
// pixels, which a desktop scaled for a HiDPI screen makes larger than the device's; what
// the program draws with OpenGL is sized in device pixels, so windows report those.
wxSize DeviceClientSize(wxWindow* window)
{
    const double scale = window->GetContentScaleFactor();
    const wxSize logical = window->GetClientSize();
    return wxSize(static_cast<int>(logical.x * scale + 0.5), static_cast<int>(logical.y * scale + 0.5));
}

// A rectangle in device pixels as the toolkit's logical one, rounded outwards.
wxRect LogicalRect(wxWindow* window, const RECT& rect)
{
    const double scale = window->GetContentScaleFactor();
    const int left = static_cast<int>(std::floor(rect.left / scale));
    const int top = static_cast<int>(std::floor(rect.top / scale));
    const int right = static_cast<int>(std::ceil(rect.right / scale));
    const int bottom = static_cast<int>(std::ceil(rect.bottom / scale));
    return wxRect(left, top, right - left, bottom - top);
}

wxString FromUtf8(LPCSTR text)
{
    wxString converted = wxString::FromUTF8(text != nullptr ? text : "");
    // A path that is not UTF-8 still shows, byte for byte.
    if (converted.empty() && text != nullptr && *text != '\0')
        converted = wxString(text, wxConvISO8859_1);
    return converted;
}

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    auto it = PermanentMap().find(hWnd);
    return it != PermanentMap().end() ? it->second : nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}

HWND CWnd::CreateNativeWindow(const CREATESTRUCT& cs)
{
    if (cs.hwndParent == nullptr)
        return nullptr;
    return WindowHandle(
        new wxWindow(NativeWindow(cs.hwndParent), wxID_ANY, wxPoint(cs.x, cs.y), wxSize(cs.cx, cs.cy)));
}

BOOL CWnd::Create(LPCSTR, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                  CCreateContext* pContext)
{
    CREATESTRUCT cs{pContext,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    static_cast<int>(rect.bottom - rect.top),
                    static_cast<int>(rect.right - rect.left),
                    static_cast<int>(rect.top),
                    static_cast<int>(rect.left),
                    dwStyle,
                    lpszWindowName};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    m_dwStyle = cs.style;
    m_nID = nID;
    HWND hWnd = CreateNativeWindow(cs);
    if (hWnd == nullptr) {
        PostNcDestroy();
        return FALSE;
    }
    Attach(hWnd);
    if (cs.lpszName != nullptr)
        SetWindowText(cs.lpszName);
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();  // may delete this
        return FALSE;
    }
    return TRUE;
}

void CWnd::Attach(HWND hWnd)
{
    static const bool dispatcherInstalled = (SetMessageDispatcher(&DispatchQueuedMessage), true);
    (void)dispatcherInstalled;

    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    wxWindow* window = NativeWindow(hWnd);
    const AFX_MSGMAP* map = GetMessageMap();

    // Only the messages this class answers are taken from the toolkit; everything else
    // keeps the toolkit's own handling.
    if (Handles(map, WM_SIZE))
        window->Bind(wxEVT_SIZE, [hWnd](wxSizeEvent& event) {
            event.Skip();
            if (CWnd* pWnd = FromHandle(hWnd)) {
                const wxSize size = DeviceClientSize(NativeWindow(hWnd));
                pWnd->SendMessage(WM_SIZE, SIZE_RESTORED, AfxPackSize(size.x, size.y));
            }
        });
    if (Handles(map, WM_PAINT))
        window->Bind(wxEVT_PAINT, [hWnd](wxPaintEvent&) {
            wxPaintDC validatesTheDamage(NativeWindow(hWnd));
            if (CWnd* pWnd = FromHandle(hWnd))
                pWnd->SendMessage(WM_PAINT);
        });
    if (Handles(map, WM_ERASEBKGND))
        window->Bind(wxEVT_ERASE_BACKGROUND, [hWnd](wxEraseEvent& event) {
            CWnd* pWnd = FromHandle(hWnd);
            CDC dc;
            LRESULT erased = 0;
            if (pWnd == nullptr ||
                !pWnd->OnWndMsg(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0, &erased) || erased == 0)
                event.Skip();
        });
    if (Handles(map, WM_CLOSE))
        window->Bind(wxEVT_CLOSE_WINDOW, [hWnd](wxCloseEvent& event) {
            CWnd* pWnd = FromHandle(hWnd);
            if (pWnd == nullptr)
                event.Skip();
            else
                pWnd->SendMessage(WM_CLOSE);
        });
    if (Handles(map, WM_QUERYNEWPALETTE))
        window->Bind(wxEVT_ACTIVATE, [hWnd](wxActivateEvent& event) {
            event.Skip();
            CWnd* pWnd = FromHandle(hWnd);
            if (pWnd != nullptr && event.GetActive())
                pWnd->SendMessage(WM_QUERYNEWPALETTE);
        });
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return nullptr;
    PermanentMap().erase(hWnd);
    DiscardWindowMessages(hWnd);
    ForgetWindowSurface(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::SendDestroyMessages()
{
    HWND hWnd = m_hWnd;
    SendMessage(WM_DESTROY);
    if (FromHandle(hWnd) == this)
        SendDestroyToDescendants(ChildHandles(NativeWindow(hWnd)));
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    // The window system tells a window it is going before its children, and all of them
    // while they still exist.
    SendDestroyMessages();
    if (FromHandle(hWnd) != this)
        return TRUE;  // a handler destroyed it already

    wxWindow* window = NativeWindow(hWnd);
    std::vector<CWnd*> gone{this};
    CollectAttached(window, gone);
    for (CWnd* pWnd : gone)
        pWnd->Detach();
    if (window->IsTopLevel())
        window->Destroy();
    else
        delete window;
    for (auto it = gone.rbegin(); it != gone.rend(); ++it)
        (*it)->PostNcDestroy();
    return TRUE;
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    OnWndMsg(message, wParam, lParam, &result);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCommand(static_cast<UINT>(wParam));
    const AFX_MSGMAP_ENTRY* entry = FindEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr)
        return FALSE;
    AFX_MSG msg{message, wParam, lParam, 0};
    entry->pfn(this, msg);
    if (pResult != nullptr)
        *pResult = msg.lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(UINT nID)
{
    return OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr);
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return 0;
}

void CWnd::OnDestroy() {}

void CWnd::OnSize(UINT, int, int) {}

void CWnd::OnTimer(UINT) {}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return FALSE;  // not erased: the toolkit fills the background
}

void CWnd::OnPaletteChanged(CWnd*) {}

BOOL CWnd::OnQueryNewPalette()
{
    return FALSE;
}

void CWnd::OnClose()
{
    DestroyWindow();
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    if (m_hWnd != nullptr)
        NativeWindow(m_hWnd)->SetLabel(FromUtf8(lpszString));
}

CString CWnd::GetWindowText() const
{
    if (m_hWnd == nullptr)
        return CString();
    return CString(std::string(NativeWindow(m_hWnd)->GetLabel().utf8_str()));
}

CWnd* CWnd::GetParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (wxWindow* parent = NativeWindow(m_hWnd)->GetParent(); parent != nullptr;
         parent = parent->GetParent())
        if (CWnd* pWnd = FromHandle(WindowHandle(parent)))
            return pWnd;
    return nullptr;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (CWnd* pWnd = GetParent(); pWnd != nullptr; pWnd = pWnd->GetParent())
        if (pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    return nullptr;
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    const wxSize size = m_hWnd != nullptr ? DeviceClientSize(NativeWindow(m_hWnd)) : wxSize(0, 0);
    *lpRect = RECT{0, 0, size.x, size.y};
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (m_hWnd != nullptr || pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    wxWindow* control = NativeWindow(pParent->m_hWnd)->FindWindow(AfxNativeControlId(static_cast<int>(nID)));
    if (control == nullptr || FromHandle(WindowHandle(control)) != nullptr)
        return FALSE;
    m_nID = nID;
    Attach(WindowHandle(control));
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    if (m_hWnd == nullptr)
        return FALSE;
    const BOOL wasVisible = IsWindowVisible();
    NativeWindow(m_hWnd)->Show(nCmdShow != 0);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd != nullptr && NativeWindow(m_hWnd)->IsShown();
}

void CWnd::MoveWindow(int x, int y, int width, int height)
{
    if (m_hWnd != nullptr)
        NativeWindow(m_hWnd)->SetSize(LogicalRect(NativeWindow(m_hWnd), RECT{x, y, x + width, y + height}));
}

std::uintptr_t CWnd::SetTimer(std::uintptr_t nIDEvent, UINT nElapse, void*)
{
    return m_hWnd != nullptr ? ::SetTimer(m_hWnd, nIDEvent, nElapse) : 0;
}

BOOL CWnd::KillTimer(std::uintptr_t nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

void CWnd::Invalidate(BOOL bErase)
{
    InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(const RECT* lpRect, BOOL bErase)
{
    if (m_hWnd == nullptr)
        return;
    if (lpRect == nullptr) {
        NativeWindow(m_hWnd)->Refresh(bErase != FALSE);
        return;
    }
    const wxRect area = LogicalRect(NativeWindow(m_hWnd), *lpRect);
    NativeWindow(m_hWnd)->Refresh(bErase != FALSE, &area);
}

BOOL CWnd::RedrawWindow(const RECT* lpRectUpdate, void*, UINT flags)
{
    if (m_hWnd == nullptr)
        return FALSE;
    // An update now paints before returning and leaves nothing to paint later; a window
    // not on the screen has nothing to show.
    if (flags & RDW_UPDATENOW) {
        if (NativeWindow(m_hWnd)->IsShownOnScreen())
            SendMessage(WM_PAINT);
    } else if (flags & RDW_INVALIDATE)
        InvalidateRect(lpRectUpdate, (flags & RDW_ERASE) != 0);
    return TRUE;
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    const char* caption = lpszCaption != nullptr ? lpszCaption : AfxGetAppName();
    TRACE("Message box: %s\n", lpszText);
    if (g_messageBoxHook != nullptr)
        return g_messageBoxHook(lpszText, caption, nType);
    long style = wxOK | wxCENTRE;
    style |= (nType & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? wxICON_EXCLAMATION : wxICON_NONE;
    wxWindow* owner = m_hWnd != nullptr ? NativeWindow(m_hWnd) : nullptr;
    wxMessageDialog dialog(owner, FromUtf8(lpszText), FromUtf8(caption), style);
    dialog.ShowModal();
    return IDOK;
}

CWnd* CWnd::SetActiveWindow()
{
    // A window object without a window has nothing to activate.
    if (m_hWnd == nullptr)
        return nullptr;
    wxWindow* window = NativeWindow(m_hWnd);
    if (auto* topLevel = dynamic_cast<wxTopLevelWindow*>(window))
        topLevel->Raise();
    window->SetFocus();
    return nullptr;
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

std::size_t AfxAttachedWindowCount()
{
    return PermanentMap().size();
}

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr)
        return pMainWnd->MessageBox(lpszText, nullptr, nType);
    CWnd noOwner;
    return noOwner.MessageBox(lpszText, nullptr, nType);
}

void AfxSetMessageBoxHook(AfxMessageBoxHook hook)
{
    g_messageBoxHook = hook;
}

int AfxNativeControlId(int nID)
{
    switch (nID) {
    case IDOK:
        return wxID_OK;
    case IDCANCEL:
        return wxID_CANCEL;
    case -1:
        return wxID_ANY;
    default:
        return nID;
    }
}
