#include "win_app.h"

#include "doc_template.h"
#include "resources.h"
#include "test_seams.h"
#include "wnd.h"

#include "platform/kept_by_library.h"
#include "platform/native_window.h"

#include <wx/filedlg.h>

#include <cstdio>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace {
CWinApp* g_app = nullptr;
AfxFileChooser g_fileChooser = nullptr;
}  // namespace

CWinApp* AfxGetApp()
{
    return g_app;
}

LPCSTR AfxGetAppName()
{
    return g_app != nullptr ? g_app->GetAppName() : "";
}

LPCSTR CWinApp::GetAppName()
{
    if (m_appName.empty())
        m_appName = AfxLoadString(AFX_IDS_APP_TITLE);
    return m_appName.c_str();
}

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    if (lpszAppName != nullptr)
        m_appName = lpszAppName;
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate)
{
    m_pDocTemplate.reset(pTemplate);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_pRecentFileList = std::make_unique<CRecentFileList>(nMaxMRU);
    m_pRecentFileList->ReadList(AfxProfilePath(GetAppName()));  // none without a profile path
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList == nullptr)
        return;
    // Without a configuration folder there is nowhere to keep settings, as meant; a
    // profile that could not be read or written is told once, to the person.
    const std::string profile = AfxProfilePath(GetAppName());
    std::string error;
    if (profile.empty())
        std::fprintf(
            stderr,
            "%s: the recent-file list was not saved: neither XDG_CONFIG_HOME nor HOME names a folder\n",
            GetAppName());
    else if (!m_pRecentFileList->WriteList(profile, &error))
        AfxMessageBox(("The list of recently opened files was not saved. " + error).c_str(),
                      MB_ICONEXCLAMATION);
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr && lpszPathName != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::OnFileNew()
{
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString fileName;
    if (m_pDocTemplate != nullptr && DoPromptFileName(fileName))
        m_pDocTemplate->OpenDocumentFile(fileName);
}

void AfxSetFileChooser(AfxFileChooser chooser)
{
    g_fileChooser = chooser;
}

BOOL CWinApp::DoPromptFileName(CString& fileName)
{
    if (g_fileChooser != nullptr) {
        fileName = g_fileChooser();
        return !fileName.IsEmpty();
    }
    // The document type names no filter of its own, so every file is offered.
    const wxString filter = wxString::FromUTF8(AfxLoadString(AFX_IDS_ALLFILTER)) + "|*";
    wxWindow* owner = m_pMainWnd != nullptr ? NativeWindow(m_pMainWnd->m_hWnd) : nullptr;
    wxFileDialog chooser(owner, wxString::FromUTF8(AfxLoadString(AFX_IDS_OPENFILE)), wxEmptyString,
                         wxEmptyString, filter, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    // GTK 3.24.49's path bar loses a folder it looked up (its file object and path) when
    // the chooser moves on or closes before the answer comes.
    const int answer = [&] {
        const KeptByLibrary lostByToolkit;
        return chooser.ShowModal();
    }();
    if (answer != wxID_OK)
        return FALSE;
    fileName = CString(std::string(chooser.GetPath().fn_str()));
    return TRUE;
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}
