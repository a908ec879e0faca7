// Frame windows: a top-level window with the menu, accelerators and icon of one resource
// id, docking sites for control bars and one view as its client.
#pragma once

#include "standard_ids.h"
#include "wnd.h"

#include <memory>
#include <vector>

class CToolBar;
class CDocument;
class CView;
class DockingManager;

// What a frame needs to make its view.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
};

constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// Control-bar alignment and styles.
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | 0x0800;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext);

    // The view commands go to first; none once its window is gone, so that nothing is
    // ever routed to a view that has been destroyed.
    CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew);
    CDocument* GetActiveDocument() const;
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void DockControlBar(CToolBar* pBar, UINT nDockBarID = 0, const RECT* lpRect = nullptr);
    void ShowControlBar(CToolBar* pBar, BOOL bShow, BOOL bDelay);
    CToolBar* GetControlBar(UINT nID) const;

    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Routes a command from the frame's menu, accelerators or control bars.
    void RouteCommand(UINT nID) { OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr); }
    void RouteUpdate(CCmdUI* pCmdUI) { pCmdUI->DoUpdate(this, TRUE); }

protected:
    HWND CreateNativeWindow(const CREATESTRUCT& cs) override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnViewToolbar();
    void OnUpdateViewToolbar(CCmdUI* pCmdUI);

    UINT m_nIDResource = 0;
    DWORD m_dwDockStyle = 0;

    DECLARE_MESSAGE_MAP()

private:
    void BuildMenuBar();

    HWND m_hWndViewActive = nullptr;
    std::vector<HWND> m_controlBars;  // docked here, wherever each is now
    std::unique_ptr<DockingManager> m_pDockManager;
    // A control bar asks the docking sites whether it is shown.
    DockingManager* GetDockManager() const { return m_pDockManager.get(); }
    friend class CToolBar;
};
