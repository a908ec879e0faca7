// The document template: what makes the program's one document, with its frame and view,
// for a new document or an opened file; the same three are reused for every file opened.
#pragma once

#include "cmd_target.h"
#include "text.h"

class CDocument;
class CFrameWnd;

class CSingleDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                       const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE);
    // The template keeps the document it made, and the document its template.
    void RemoveDocument(CDocument* pDoc);

private:
    CDocument* CreateNewDocument();
    CFrameWnd* CreateNewFrame(CDocument* pDoc);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CDocument* m_pOnlyDoc = nullptr;
};
