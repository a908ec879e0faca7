// The application object: start-up, the message loop, the document templates, the
// application-level commands (New, Open, Exit), the profile and the wait cursor.
#pragma once

#include "cmd_target.h"
#include "profile.h"
#include "standard_ids.h"
#include "text.h"
#include "wait_cursor.h"

#include <memory>

class CSingleDocTemplate;
class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    // Runs start-up, the message loop and shut-down; the program's exit status.
    int Run(int argc, char** argv);

    // The template the application's New and Open make their document with; it owns it.
    void AddDocTemplate(CSingleDocTemplate* pTemplate);
    BOOL Enable3dControls() { return TRUE; }  // the desktop's controls have their own look already
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    void AddToRecentFileList(LPCSTR lpszPathName);

    void BeginWaitCursor() { AfxBeginWaitCursor(); }
    void EndWaitCursor() { AfxEndWaitCursor(); }

    // The application's name: the one it was made with, or its title string.
    LPCSTR GetAppName();

    CWnd* m_pMainWnd = nullptr;

    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

protected:
    // Asks for a file to open with the desktop's file chooser; FALSE when cancelled.
    BOOL DoPromptFileName(CString& fileName);

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::string m_appName;
};

CWinApp* AfxGetApp();
LPCSTR AfxGetAppName();
