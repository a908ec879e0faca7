// What a window object does with its window once it exists: its caption, its geometry in
// the display's device pixels, showing it, timers, painting, message boxes and activation.
#include "wnd.h"

#include "frame_wnd.h"
#include "test_seams.h"
#include "win_app.h"

#include "platform/drop_files.h"
#include "platform/message_queue.h"
#include "platform/native_window.h"

#include <wx/msgdlg.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <cmath>

namespace {

AfxMessageBoxHook g_messageBoxHook = nullptr;

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

// ---- Caption, family and geometry -------------------------------------------------------
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

// ---- Timers and painting ----------------------------------------------------------------
std::uintptr_t CWnd::SetTimer(std::uintptr_t nIDEvent, UINT nElapse, void*)
{
    return m_hWnd != nullptr ? ::SetTimer(m_hWnd, nIDEvent, nElapse) : 0;
}

BOOL CWnd::KillTimer(std::uintptr_t nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
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

// ---- Message boxes, activation and drops ------------------------------------------------
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

// ---- The main window, and dialog controls' ids ------------------------------------------
CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType)
{
    CWnd noOwner;
    CWnd* pOwner = AfxGetMainWnd() != nullptr ? AfxGetMainWnd() : &noOwner;
    return pOwner->MessageBox(lpszText, nullptr, nType);
}

void AfxSetMessageBoxHook(AfxMessageBoxHook hook)
{
    g_messageBoxHook = hook;
}

int AfxNativeControlId(int nID)
{
    return nID == IDOK ? wxID_OK : nID == IDCANCEL ? wxID_CANCEL : nID == -1 ? wxID_ANY : nID;
}
