// The main window: the menu, a dockable two-button toolbar and the view; its caption is
// the program's own, never the document's name.
#pragma once

#include "framework/control_bar.h"
#include "framework/frame_wnd.h"

class CMainFrame : public CFrameWnd {
protected:
    CMainFrame();
    DECLARE_DYNCREATE(CMainFrame)

public:
    ~CMainFrame() override;
#ifdef _DEBUG
    void AssertValid() const override;
    void Dump(CDumpContext& dc) const override;
#endif

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CToolBar m_toolBar;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaletteChanged(CWnd* pFocusWnd);
    BOOL OnQueryNewPalette();

    DECLARE_MESSAGE_MAP()
};
