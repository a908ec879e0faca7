// The picture: the view's grid drawn as cube_scene draws it, every occupied cell as a
// small cube turned about the vertical axis, then presented with a buffer swap.
#include "cube_view.h"
#include "cube_scene.h"
#include "scene_constants.h"

#include "document/cube_doc.h"

#include "platform/opengl_binding.h"

#include <GL/gl.h>

SceneState& TheSceneState()
{
    static SceneState state;
    return state;
}

void CCubeView::DrawScene()
{
    int& bBusy = TheSceneState().bBusy;
    float& wAngleY = TheSceneState().wAngleY;

    if (bBusy)
        return;
    bBusy = 1;

    DrawSceneFrame(m_voxels.cells.data(), wAngleY, m_eyeDistance);
    wAngleY += kAngleStep;
    SwapBuffers(wglGetCurrentDC());

    bBusy = 0;
}

void CCubeView::OnDraw(CDC*)
{
    CCubeDoc* pDoc = GetDocument();
#ifdef _DEBUG
    AfxAssertValidObject(pDoc, __FILE__, __LINE__);
#endif
    (void)pDoc;
    DrawScene();
}

BOOL CCubeView::OnEraseBkgnd(CDC*)
{
    return TRUE;  // each frame clears the whole view itself
}

void CCubeView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);

    if (cy < 1)
        return;

    glViewport(0, 0, cx, cy);

    // A smaller window shows at once, with the new viewport and the projection it had.
    if (cx < m_clientRect.right || cy < m_clientRect.bottom)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    m_clientRect.right = cx;
    m_clientRect.bottom = cy;

    SetSceneProjection(static_cast<double>(cx) / static_cast<double>(cy));
}
