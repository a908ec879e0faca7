#include "cube_view.h"
#include "cube_scene.h"
#include "scene_constants.h"

#include "app/controller_dialog.h"
#include "document/cube_doc.h"
#include "resources/resource.h"

#include "framework/win_app.h"
#include "platform/opengl_binding.h"

#include <GL/gl.h>

IMPLEMENT_DYNCREATE(CCubeView, CView)

BEGIN_MESSAGE_MAP(CCubeView, CView)
    ON_COMMAND(ID_FILE_PLAY, OnFilePlay)
    ON_UPDATE_COMMAND_UI(ID_FILE_PLAY, OnUpdateFilePlay)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_ERASEBKGND()
    ON_WM_DROPFILES()
    ON_COMMAND(ID_CONTROL, OnControl)
END_MESSAGE_MAP()

CCubeView::CCubeView()
    : m_pPrevPalette(nullptr), m_eyeDistance(0.0f), m_pClientDC(nullptr), m_pController(nullptr),
      m_bPlaying(FALSE)
{
}

// The controller windows are the view's to release: the newest one goes with the view.
CCubeView::~CCubeView()
{
    delete m_pController;
}

BOOL CCubeView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

int CCubeView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    Init();
    DragAcceptFiles(TRUE);
    return 0;
}

void CCubeView::Init()
{
    m_pClientDC = new CClientDC(this);
    ASSERT(m_pClientDC != nullptr);

    if (!bSetupPixelFormat())
        return;

    CreateRGBPalette();

    HGLRC hrc = wglCreateContext(m_pClientDC->GetSafeHdc());
    wglMakeCurrent(m_pClientDC->GetSafeHdc(), hrc);

    GetClientRect(&m_clientRect);
    glClearDepth(1.0f);
    glEnable(GL_DEPTH_TEST);

    const GLfloat fAspect =
        m_clientRect.bottom != 0 ? static_cast<GLfloat>(m_clientRect.right) / m_clientRect.bottom : 1.0f;
    m_eyeDistance = kEyeDistance;
    SetSceneProjection(fAspect);
}

BOOL CCubeView::bSetupPixelFormat()
{
    // One line for each group of the descriptor's fields.
    // clang-format off
    static PIXELFORMATDESCRIPTOR pfd = {
        sizeof(PIXELFORMATDESCRIPTOR),
        1,
        PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,
        PFD_TYPE_RGBA,
        24,                // colour bits
        0, 0, 0, 0, 0, 0,  // colour bits and shifts, not asked for
        0, 0,              // no alpha
        0, 0, 0, 0, 0,     // no accumulation buffer
        32,                // depth bits
        0,                 // no stencil
        0,                 // no auxiliary buffers
        PFD_MAIN_PLANE,
        0,
        0, 0, 0,
    };
    // clang-format on

    const int pixelformat = ChoosePixelFormat(m_pClientDC->GetSafeHdc(), &pfd);
    if (pixelformat == 0) {
        MessageBox("ChoosePixelFormat failed");
        return FALSE;
    }
    if (SetPixelFormat(m_pClientDC->GetSafeHdc(), pixelformat, &pfd) == FALSE) {
        MessageBox("SetPixelFormat failed");
        return FALSE;
    }
    return TRUE;
}

void CCubeView::OnDestroy()
{
    KillTimer(kPlayTimer);

    HGLRC hrc = ::wglGetCurrentContext();
    ::wglMakeCurrent(nullptr, nullptr);
    if (hrc != nullptr)
        ::wglDeleteContext(hrc);

    if (m_pPrevPalette != nullptr)
        m_pClientDC->SelectPalette(m_pPrevPalette, FALSE);

    if (m_pClientDC != nullptr)
        delete m_pClientDC;
    m_pClientDC = nullptr;

    CView::OnDestroy();
}

CCubeDoc* CCubeView::GetDocument() const
{
    return STATIC_DOWNCAST(CCubeDoc, m_pDocument);
}

#ifdef _DEBUG
void CCubeView::AssertValid() const
{
    CView::AssertValid();
}

void CCubeView::Dump(CDumpContext& dc) const
{
    CView::Dump(dc);
}
#endif

// Each Control command makes a new controller and shows it; the one it replaces is
// released, so repeated commands never pile up windows or objects.
void CCubeView::OnControl()
{
    auto* pController = new CDRctrl(this);
    delete m_pController;
    m_pController = pController;
    if (m_pController->Create(nullptr, nullptr, 0, CRect(), this, 0, nullptr))
        m_pController->ShowWindow(TRUE);
    m_pController->SetActiveWindow();
}
