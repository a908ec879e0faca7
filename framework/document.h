// Documents: the data a program shows, loaded from a file through an archive and shown
// by its views.
#pragma once

#include "cmd_target.h"
#include "text.h"

#include <vector>

class CArchive;
class CSingleDocTemplate;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    ~CDocument() override;

    virtual BOOL OnNewDocument() { return TRUE; }
    // Opens the file, refusing what is not a readable regular file, and lets Serialize
    // load it; reports every failure to the user and returns FALSE.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Destroys the frames of its views, then itself.
    virtual void OnCloseDocument();

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);

    void AddView(CView* pView) { m_viewList.push_back(pView); }
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }

    CSingleDocTemplate* m_pDocTemplate = nullptr;

protected:
    CDocument() = default;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strTitle;
    std::vector<CView*> m_viewList;
};
