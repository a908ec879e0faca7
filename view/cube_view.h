// The view: draws its own copy of the volume as colour-graded cubes in a perspective
// OpenGL view, turns it on a timer, and takes volumes from the document or from a drop.
#pragma once

#include "document/voxel_grid.h"

#include "framework/view.h"
#include "platform/drop_files.h"

class CCubeDoc;
class CDRctrl;

class CCubeView : public CView {
protected:
    CCubeView();
    DECLARE_DYNCREATE(CCubeView)

public:
    CPalette m_palette;
    CPalette* m_pPrevPalette;
    CRect m_clientRect;
    float m_eyeDistance;
    CClientDC* m_pClientDC;
    CDRctrl* m_pController;
    VoxelGrid m_voxels;
    BOOL m_bPlaying;

    CCubeDoc* GetDocument() const;

    void Init();
    BOOL bSetupPixelFormat();
    void CreateRGBPalette();
    static unsigned char ComponentFromIndex(int i, UINT nbits, UINT shift);
    void DrawScene();

    ~CCubeView() override;
#ifdef _DEBUG
    void AssertValid() const override;
    void Dump(CDumpContext& dc) const override;
#endif
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnDraw(CDC* pDC) override;

protected:
    void OnFilePlay();
    void OnUpdateFilePlay(CCmdUI* pCmdUI);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnTimer(UINT nIDEvent);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnDropFiles(HDROP hDropInfo);
    void OnControl();

    DECLARE_MESSAGE_MAP()
};

// The state every frame shares, whichever view draws it: the re-entry guard and the
// angle about the vertical axis at which the next frame is drawn.
struct SceneState {
    int bBusy = 0;
    float wAngleY = 0.0f;
};
SceneState& TheSceneState();
