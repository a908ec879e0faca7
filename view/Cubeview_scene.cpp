// The picture: every occupied cell as a small cube with colour-graded corners, turned
// about the vertical axis, then presented with a buffer swap.
#include "Cubeview.h"
#include "cube_geometry.h"

#include "document/Cubedoc.h"

#include "platform/opengl_binding.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr double kCellPitch = 0.0175;
constexpr double kAngleStep = 3.0;
constexpr double kAxisBeyondEye = 0.5;

}  // namespace

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

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glPushMatrix();
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(-m_eyeDistance - kAxisBeyondEye));
    glRotatef(wAngleY, 0.0f, 1.0f, 0.0f);
    wAngleY = static_cast<float>(wAngleY + kAngleStep);

    for (int layer = 0; layer < VoxelGrid::kLayers; ++layer)
        for (int row = 0; row < VoxelGrid::kRows; ++row)
            for (int column = 0; column < VoxelGrid::kColumns; ++column) {
                if (m_voxels[VoxelGrid::Index(layer, row, column)] != 1)
                    continue;
                glPushMatrix();
                glTranslatef(static_cast<GLfloat>((column - 64) * kCellPitch),
                             static_cast<GLfloat>(-(layer - 32) * kCellPitch),
                             static_cast<GLfloat>((row - 64) * kCellPitch));
                DrawCube();
                glPopMatrix();
            }

    glPopMatrix();
    glFinish();
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

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(cx) / static_cast<double>(cy), 3.0, 7.0);
    glMatrixMode(GL_MODELVIEW);
}
