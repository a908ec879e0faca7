#include "document.h"

#include "archive.h"
#include "doc_template.h"
#include "frame_wnd.h"
#include "resources.h"
#include "view.h"
#include "wait_cursor.h"
#include "win_app.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
END_MESSAGE_MAP()

CDocument::~CDocument()
{
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFile file;
    CFileException openError;
    if (!file.Open(lpszPathName, CFile::modeRead, &openError)) {
        AfxMessageBox(openError.GetErrorMessage(), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // A load that fails part-way must not leave the busy cursor on.
    const int waitLevel = AfxWaitCursorLevel();
    try {
        CArchive loadArchive(&file, CArchive::load);
        Serialize(loadArchive);
        loadArchive.Close();
        file.Close();
    } catch (const CException& failure) {
        AfxRestoreWaitCursor(waitLevel);
        AfxMessageBox(failure.GetErrorMessage(), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    std::vector<CFrameWnd*> frames;
    for (CView* pView : m_viewList)
        if (CFrameWnd* pFrame = pView->GetParentFrame();
            pFrame != nullptr && std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    for (CFrameWnd* pFrame : frames)
        pFrame->DestroyWindow();
    delete this;
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    const std::string path = lpszPathName;
    SetTitle(path.substr(path.find_last_of('/') + 1).c_str());
    if (bAddToMRU && AfxGetApp() != nullptr)
        AfxGetApp()->AddToRecentFileList(lpszPathName);
}

void CDocument::RemoveView(CView* pView)
{
    m_viewList.erase(std::remove(m_viewList.begin(), m_viewList.end(), pView), m_viewList.end());
}
