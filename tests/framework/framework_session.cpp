// A small program of the tests' own on the framework: an application, a document, a
// view and resources, to try routing, windows and the OpenGL binding without Dorvane's.
#include "framework_session.h"

#include "framework/doc_template.h"
#include "framework/resources.h"

std::vector<std::string> g_handled;

const AfxResourceModule& AfxProgramResources()
{
    static const AfxResourceModule resources = [] {
        AfxResourceModule made;
        made.menus[kTestResource] = {{"&Test", {{1, "&One"}, {4, "&Four"}, {5, "&Five"}, {6, "&Six"}}}};
        made.strings = {{kTestResource, "test frame\n\nTest"}, {AFX_IDS_APP_TITLE, "Framework Test"}};
        return made;
    }();
    return resources;
}

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(1, Note<1>)
    ON_COMMAND(2, Note<2>)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(1, Note<1>)
    ON_COMMAND(7, Note<7>)
    ON_COMMAND(7, Note<8>)  // a second entry for 7, never reached
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(2, Note<2>)
    ON_COMMAND(3, Note<3>)
    ON_UPDATE_COMMAND_UI(6, OnUpdateSix)
END_MESSAGE_MAP()
void CTestFrame::OnUpdateSix(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
    pCmdUI->SetCheck(1);
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(3, Note<3>)
    ON_COMMAND(4, Note<4>)
END_MESSAGE_MAP()

BOOL CTestApp::InitInstance()
{
    AddDocTemplate(new CSingleDocTemplate(kTestResource, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                          RUNTIME_CLASS(CTestView)));
    OnFileNew();
    return m_pMainWnd != nullptr;
}

CTestApp theTestApp;

bool StartTestProgram()
{
    return theTestApp.InitInstance();
}
