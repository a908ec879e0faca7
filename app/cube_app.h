// The application: start-up with its one document template, and the About box.
#pragma once

#include "framework/dialog.h"
#include "framework/win_app.h"

class CCubeApp : public CWinApp {
public:
    CCubeApp();
    ~CCubeApp() override;

    BOOL InitInstance() override;

protected:
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
