#include "main_frame.h"

#include "resources/resource.h"
#include "view/cube_view.h"

#include "framework/win_app.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_PALETTECHANGED()
    ON_WM_QUERYNEWPALETTE()
END_MESSAGE_MAP()

// The toolbar's buttons, in the order of their pictures in bitmap 128.
static const UINT buttons[] = {
    ID_FILE_PLAY,
    ID_APP_ABOUT,
};

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    if (!m_toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
        !m_toolBar.LoadBitmap(IDR_MAINFRAME) ||
        !m_toolBar.SetButtons(buttons, sizeof(buttons) / sizeof(UINT))) {
        TRACE("%s", "Failed to create toolbar\n");
        return -1;
    }

    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);

    m_toolBar.SetBarStyle(m_toolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    return 0;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~FWS_ADDTOTITLE;
    return CFrameWnd::PreCreateWindow(cs);
}

void CMainFrame::OnPaletteChanged(CWnd* pFocusWnd)
{
    CFrameWnd::OnPaletteChanged(pFocusWnd);
    if (pFocusWnd != this)
        OnQueryNewPalette();
}

// Realises the view's palette again; a frame without a view has none to realise.
BOOL CMainFrame::OnQueryNewPalette()
{
    auto* pView = static_cast<CCubeView*>(GetActiveView());
    if (pView != nullptr) {
        CClientDC dc(pView);
        CPalette* pOldPal = dc.SelectPalette(&pView->m_palette, FALSE);
        const WORD iColors = static_cast<WORD>(dc.RealizePalette());
        dc.SelectPalette(pOldPal, FALSE);
        if (iColors > 0)
            InvalidateRect(nullptr, TRUE);
    }
    return CFrameWnd::OnQueryNewPalette();
}

#ifdef _DEBUG
void CMainFrame::AssertValid() const
{
    CFrameWnd::AssertValid();
}

void CMainFrame::Dump(CDumpContext& dc) const
{
    CFrameWnd::Dump(dc);
}
#endif
