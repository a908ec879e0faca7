#pragma once

#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "framework/win_app.h"

#include "tests/support/test_program.h"

#include <string>
#include <vector>

constexpr UINT kTestResource = 1;

// Which handlers ran, in order.
extern std::vector<std::string> g_handled;

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
protected:
    void OnOne();
    void OnTwo();
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
protected:
    void OnDraw(CDC*) override {}
    void OnOne();
    void OnSeven();
    void OnSevenAgain();
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
protected:
    void OnTwo();
    void OnThree();
    void OnUpdateSix(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    void OnThree();
    void OnFour();
    DECLARE_MESSAGE_MAP()
};
