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

// Each command's handler, Note<N>, says who ran it and for which number.
template <class Base, const char* Who>
class CNoting : public Base {
protected:
    template <int N>
    void Note()
    {
        g_handled.push_back(std::string(Who) + " " + std::to_string(N));
    }
};
inline constexpr char kDocument[] = "document", kView[] = "view", kFrame[] = "frame",
                      kApplication[] = "application";

class CTestDoc : public CNoting<CDocument, kDocument> {
    DECLARE_DYNCREATE(CTestDoc)
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CNoting<CView, kView> {
    DECLARE_DYNCREATE(CTestView)
protected:
    void OnDraw(CDC*) override {}
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CNoting<CFrameWnd, kFrame> {
    DECLARE_DYNCREATE(CTestFrame)
protected:
    void OnUpdateSix(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CNoting<CWinApp, kApplication> {
public:
    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
