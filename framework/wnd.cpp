// Window objects: made over a toolkit window, told its events as messages through their
// message maps, and destroyed with their children.
#include "wnd.h"

#include "platform/message_queue.h"
#include "platform/native_window.h"
#include "platform/opengl_binding.h"

#include <wx/dcclient.h>
#include <wx/window.h>

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

void CollectDescendants(wxWindow* window, std::vector<HWND>& found)
{
    for (wxWindow* child : window->GetChildren()) {
        found.push_back(WindowHandle(child));
        CollectDescendants(child, found);
    }
}

// A window and every window below it, each before its own children; through toolkit
// windows of the framework's own too (floating toolbar frames, say).
std::vector<HWND> WindowAndDescendants(HWND hWnd)
{
    std::vector<HWND> family{hWnd};
    CollectDescendants(NativeWindow(hWnd), family);
    return family;
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
                CRect client;
                pWnd->GetClientRect(client);
                pWnd->SendMessage(WM_SIZE, SIZE_RESTORED, AfxPackSize(client.Width(), client.Height()));
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

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    // The window system tells a window it is going before its children, and all of them
    // while they still exist. A handler may destroy some of them, or all, meanwhile.
    for (HWND hWndGoing : WindowAndDescendants(hWnd))
        if (CWnd* pWnd = FromHandle(hWndGoing))
            pWnd->SendMessage(WM_DESTROY);
    if (FromHandle(hWnd) != this)
        return TRUE;

    wxWindow* window = NativeWindow(hWnd);
    // Each window object lets go of its window, and of what was kept for it, first.
    std::vector<CWnd*> gone;
    for (HWND hWndGoing : WindowAndDescendants(hWnd))
        if (CWnd* pWnd = FromHandle(hWndGoing)) {
            gone.push_back(pWnd);
            PermanentMap().erase(hWndGoing);
            DiscardWindowMessages(hWndGoing);
            ForgetWindowSurface(hWndGoing);
            pWnd->m_hWnd = nullptr;
        }
    if (window->IsTopLevel())
        window->Destroy();
    else
        delete window;
    for (auto it = gone.rbegin(); it != gone.rend(); ++it)
        (*it)->PostNcDestroy();
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    OnWndMsg(message, wParam, lParam, &result);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCmdMsg(static_cast<UINT>(wParam), CN_COMMAND, nullptr, nullptr);
    const AFX_MSGMAP_ENTRY* entry = FindEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr)
        return FALSE;
    AFX_MSG msg{message, wParam, lParam, 0};
    entry->pfn(this, msg);
    if (pResult != nullptr)
        *pResult = msg.lResult;
    return TRUE;
}
