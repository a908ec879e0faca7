// Views: the child window of a frame that shows a document. Its window is made able to
// draw with OpenGL from the start, since a window's visual cannot change later.
#pragma once

#include "wnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) { Invalidate(TRUE); }
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    HWND CreateNativeWindow(const CREATESTRUCT& cs) override;
    CView() = default;
    ~CView() override;
    virtual void OnDraw(CDC* pDC) = 0;
    void PostNcDestroy() override { delete this; }

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()
};
