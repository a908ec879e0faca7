// Windows: a window object over a toolkit window, with its message map, captions,
// timers, painting, message boxes and activation.
#pragma once

#include "cmd_target.h"
#include "gdi.h"
#include "text.h"

class CCreateContext;
class CFrameWnd;

struct CREATESTRUCT {
    void* lpCreateParams;  // the creation context, for frames and views
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    DWORD style;
    LPCSTR lpszName;
};
using LPCREATESTRUCT = CREATESTRUCT*;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    static CWnd* FromHandle(HWND hWnd);  // the window object attached to a handle, or null

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) { return TRUE; }
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL DestroyWindow();

    void SetWindowText(LPCSTR lpszString);
    CString GetWindowText() const;
    DWORD GetStyle() const { return m_dwStyle; }
    UINT GetDlgCtrlID() const { return m_nID; }
    CWnd* GetParent() const;
    CFrameWnd* GetParentFrame() const;
    void GetClientRect(LPRECT lpRect) const;
    // Takes over the dialog control with the given id, as this object's window.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;

    std::uintptr_t SetTimer(std::uintptr_t nIDEvent, UINT nElapse, void* lpfnTimer);
    BOOL KillTimer(std::uintptr_t nIDEvent);

    void Invalidate(BOOL bErase = TRUE) { InvalidateRect(nullptr, bErase); }
    void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE);
    BOOL RedrawWindow(const RECT* lpRectUpdate = nullptr, void* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_ERASE);

    // Shows a message box owned by this window; the caption defaults to the application's title.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
    CWnd* SetActiveWindow();
    void DragAcceptFiles(BOOL bAccept = TRUE);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Finds and calls the message's handler; FALSE when there is none.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    // How a window of this kind is made in the toolkit, under cs.hwndParent; the
    // framework's window classes each make their own.
    virtual HWND CreateNativeWindow(const CREATESTRUCT& cs);
    // Called once the window is gone; windows that own themselves delete themselves here.
    virtual void PostNcDestroy() {}

    int OnCreate(LPCREATESTRUCT lpCreateStruct) { return 0; }
    void OnDestroy() {}
    void OnSize(UINT nType, int cx, int cy) {}
    void OnTimer(UINT nIDEvent) {}
    BOOL OnEraseBkgnd(CDC* pDC) { return FALSE; }  // not erased: the toolkit fills the background
    void OnPaletteChanged(CWnd* pFocusWnd) {}
    BOOL OnQueryNewPalette() { return FALSE; }
    void OnClose() { DestroyWindow(); }

    // Gives the window to this object and routes its toolkit events here.
    void Attach(HWND hWnd);

    DWORD m_dwStyle = 0;
    UINT m_nID = 0;

    DECLARE_MESSAGE_MAP()
};

// The application's main window, and the window that owns its message boxes.
CWnd* AfxGetMainWnd();

// Shows a message box with the application's title as caption.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK);

// The toolkit id of a dialog control: OK and Cancel take the toolkit's own, so that
// Enter, Escape and the close box work as the desktop expects.
int AfxNativeControlId(int nID);
