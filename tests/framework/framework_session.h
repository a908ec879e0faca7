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
    // Each command's handler says who ran it and for which number.
    template <int N>
    void Note()
    {
        g_handled.push_back("document " + std::to_string(N));
    }
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
protected:
    void OnDraw(CDC*) override {}
    // Each command's handler says who ran it and for which number.
    template <int N>
    void Note()
    {
        g_handled.push_back("view " + std::to_string(N));
    }
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
protected:
    // Each command's handler says who ran it and for which number.
    template <int N>
    void Note()
    {
        g_handled.push_back("frame " + std::to_string(N));
    }
    void OnUpdateSix(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    // Each command's handler says who ran it and for which number.
    template <int N>
    void Note()
    {
        g_handled.push_back("application " + std::to_string(N));
    }
    DECLARE_MESSAGE_MAP()
};
