#include "doc_template.h"

#include "document.h"
#include "frame_wnd.h"
#include "resources.h"
#include "view.h"
#include "win_app.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CCmdTarget)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

CDocument* CSingleDocTemplate::CreateNewDocument()
{
    auto* pDocument =
        dynamic_cast<CDocument*>(m_pDocClass != nullptr ? m_pDocClass->CreateObject() : nullptr);
    if (pDocument != nullptr) {
        pDocument->m_pDocTemplate = this;
        m_pOnlyDoc = pDocument;
    }
    return pDocument;
}

CFrameWnd* CSingleDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CCreateContext context{m_pViewClass, pDoc};
    CObject* pObject = m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : nullptr;
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (pFrame == nullptr) {
        delete pObject;
        return nullptr;
    }
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;  // the frame deleted itself with its window
    return pFrame;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    // The one document and its frame are reused; what is missing is made.
    const bool created = m_pOnlyDoc == nullptr;
    CDocument* pDocument = created ? CreateNewDocument() : m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    if (!created && !pDocument->GetViews().empty())
        pFrame = pDocument->GetViews().front()->GetParentFrame();
    if (pDocument != nullptr && pFrame == nullptr)
        pFrame = CreateNewFrame(pDocument);
    if (pFrame == nullptr) {
        AfxMessageBox(AfxLoadString(AFX_IDP_FAILED_TO_CREATE_DOC).c_str(), MB_OK | MB_ICONEXCLAMATION);
        if (created)
            delete pDocument;
        return nullptr;
    }

    if (lpszPathName == nullptr)
        pDocument->SetTitle(AfxLoadString(AFX_IDS_UNTITLED).c_str());
    // A failed load has told the user why; a document that was there stays as it was.
    if (lpszPathName == nullptr ? !pDocument->OnNewDocument() : !pDocument->OnOpenDocument(lpszPathName)) {
        if (created) {
            pFrame->DestroyWindow();
            delete pDocument;
        }
        return nullptr;
    }
    if (lpszPathName != nullptr)
        pDocument->SetPathName(lpszPathName);

    CWinApp* app = AfxGetApp();
    if (created && app != nullptr && app->m_pMainWnd == nullptr)
        app->m_pMainWnd = pFrame;
    pFrame->InitialUpdateFrame(pDocument, bMakeVisible);
    return pDocument;
}
