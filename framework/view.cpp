#include "view.h"

#include "document.h"
#include "frame_wnd.h"

#include "platform/kept_by_library.h"
#include "platform/native_window.h"
#include "platform/opengl_binding.h"

#include <wx/glcanvas.h>
#include <gtk/gtk.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

namespace {

// Puts the window on the display as a window of its own. GTK 3.24.49 loses the native
// part (its X11 record and that record's table) when the window is destroyed.
void MakeNative(wxWindow* window)
{
    const KeptByLibrary lostByToolkit;
    gtk_widget_realize(window->GetHandle());
    gdk_window_ensure_native(window->GTKGetDrawingWindow());
}

}  // namespace

HWND CView::CreateNativeWindow(const CREATESTRUCT& cs)
{
    wxWindow* parent = NativeWindow(cs.hwndParent);
    if (parent == nullptr)
        return nullptr;
    const wxPoint position(cs.x, cs.y);
    const wxSize size(cs.cx, cs.cy);
    // A display that offers no OpenGL visual still gets the view, as a plain window: it
    // shows nothing, but takes drops, commands and its size like any other. Like the OpenGL
    // one, it is a window of the display's own rather than a part drawn by its parent.
    if (!DisplayOffersOpenGLWindows()) {
        auto* plain = new wxWindow(parent, wxID_ANY, position, size, wxFULL_REPAINT_ON_RESIZE);
        MakeNative(plain);
        return WindowHandle(plain);
    }
    // An RGBA, double-buffered window with a depth buffer: the surface the view's
    // pixel format is chosen for.
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    auto* canvas = new wxGLCanvas(parent, attributes, wxID_ANY, position, size, wxFULL_REPAINT_ON_RESIZE);
    // The window must exist on the display before a pixel format can be set on it. Until
    // the frame lays it out it spans the whole frame; kept at that size, the OpenGL driver
    // would make a back buffer as large as the frame, only to make another at the first
    // frame. The layout gives the window its size.
    MakeNative(canvas);
    gdk_window_resize(canvas->GTKGetDrawingWindow(), std::max(cs.cx, 1), std::max(cs.cy, 1));
    return WindowHandle(canvas);
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr) {
        m_pDocument = pContext->m_pCurrentDoc;
        m_pDocument->AddView(this);
    }
    return 0;
}

void CView::OnDestroy()
{
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr);
}

void CView::OnPaint()
{
    CClientDC dc(this);
    OnDraw(&dc);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo);
}
