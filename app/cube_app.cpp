#include "cube_app.h"

#include "main_frame.h"

#include "document/cube_doc.h"
#include "resources/resource.h"
#include "view/cube_view.h"

#include "framework/doc_template.h"

BEGIN_MESSAGE_MAP(CCubeApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
END_MESSAGE_MAP()

CCubeApp::CCubeApp() : CWinApp(nullptr) {}

CCubeApp::~CCubeApp() = default;

CCubeApp theApp;

BOOL CCubeApp::InitInstance()
{
    Enable3dControls();
    LoadStdProfileSettings(4);

    auto* pDocTemplate = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CCubeDoc),
                                                RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CCubeView));
    AddDocTemplate(pDocTemplate);

    OnFileNew();
    // Without a first document, frame and view there is no window to run; the framework
    // has said why.
    if (m_pMainWnd == nullptr)
        return FALSE;

    m_pMainWnd->SetWindowText("Dorvane");
    return TRUE;
}

void CCubeApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}
