// A key that a frame's accelerator table binds runs its command when a person presses it,
// with the modifiers its entry names; no other key does, whatever a menu text shows.
#include "framework_session.h"

#include "framework/resources.h"
#include "tests/support/toolkit_inspect.h"
#include "tests/support/toolkit_session.h"

#include <gtest/gtest.h>

namespace {

std::vector<UINT> g_commands;
std::vector<std::string> g_trace;

// A frame that handles every command by noting it.
struct CKeyFrame : CFrameWnd {
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode != CN_COMMAND || pCmdUI != nullptr)
            return CFrameWnd::OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo);
        if (pHandlerInfo == nullptr)  // not only asked whether there is a handler
            g_commands.push_back(nID);
        return TRUE;
    }
};

// The commands that pressing the keys runs. A press of A, bound to command 1003 below,
// follows it: once that has run, the first press has been handled whole, and a command that
// ran twice, or one that should not have run at all, shows.
std::vector<UINT> Press(CFrameWnd* frame, const std::string& keys)
{
    g_commands.clear();
    EXPECT_TRUE(AfxTestPressKey(frame->m_hWnd, keys) && AfxTestPressKey(frame->m_hWnd, "a")) << keys;
    EXPECT_TRUE(WaitFor([] { return !g_commands.empty() && g_commands.back() == 1003; })) << keys;
    if (!g_commands.empty())
        g_commands.pop_back();
    return g_commands;
}

// Entry i binds command 1000 + i. The first two bind nothing: 0x2F names no key (it is the
// toolkit's code of the slash), and a character is no virtual key. A lower-case letter is
// the code of an F key (F3). The number pad's Enter, with Num Lock off, is Return.
const struct {
    BYTE fVirt;
    WORD code;
    const char* pressed;
} kKeys[] = {{FVIRTKEY, 0x2F, "slash"},
             {0, 'Q', "q"},
             {FVIRTKEY, 'r', "F3"},
             {FVIRTKEY, 'A', "a"},
             {FVIRTKEY | FCONTROL, '0', "<Control>0"},
             {FVIRTKEY | FSHIFT, '9', "<Shift>9"},
             {FVIRTKEY | FCONTROL | FSHIFT, VK_F24, "<Control><Shift>F24"},
             {FVIRTKEY, VK_LEFT, "Left"},
             {FVIRTKEY | FSHIFT, VK_RIGHT, "<Shift>Right"},
             {FVIRTKEY | FCONTROL, VK_UP, "<Control>Up"},
             {FVIRTKEY | FALT, VK_DOWN, "<Alt>Down"},
             {FVIRTKEY, VK_INSERT, "Insert"},
             {FVIRTKEY, VK_DELETE, "Delete"},
             {FVIRTKEY | FSHIFT, VK_HOME, "<Shift>Home"},
             {FVIRTKEY | FCONTROL, VK_END, "<Control>End"},
             {FVIRTKEY | FALT, VK_PRIOR, "<Alt>Prior"},
             {FVIRTKEY, VK_NEXT, "Next"},
             {FVIRTKEY, VK_SPACE, "space"},
             {FVIRTKEY, VK_RETURN, "Return"},
             {FVIRTKEY | FSHIFT, VK_RETURN, "<Shift>KP_Enter"},
             {FVIRTKEY | FSHIFT, VK_ESCAPE, "<Shift>Escape"},
             {FVIRTKEY | FSHIFT, VK_TAB, "<Shift>Tab"},
             {FVIRTKEY | FALT, VK_BACK, "<Alt>BackSpace"},
             {FVIRTKEY, VK_NUMPAD0, "<Mod2>KP_0"},
             {FVIRTKEY | FCONTROL, VK_NUMPAD9, "<Control><Mod2>KP_9"},
             {FVIRTKEY | FALT, VK_MULTIPLY, "<Alt>KP_Multiply"},
             {FVIRTKEY, VK_ADD, "KP_Add"},
             {FVIRTKEY, VK_SEPARATOR, "KP_Separator"},
             {FVIRTKEY | FSHIFT, VK_SUBTRACT, "<Shift>KP_Subtract"},
             {FVIRTKEY, VK_DECIMAL, "<Mod2>KP_Decimal"},
             {FVIRTKEY | FCONTROL, VK_DIVIDE, "<Control>KP_Divide"}};

}  // namespace

// The menu shows the shortcut of its text, bound to nothing: the table alone binds keys.
TEST(Keys, EachKeyRunsTheCommandItsEntryBindsAndNoOtherKeyDoes)
{
    AfxResourceModule& resources = AfxOverrideResources();
    for (const auto& key : kKeys)
        resources.accelerators[kTestResource].push_back(
            {key.fVirt, key.code, static_cast<WORD>(1000 + resources.accelerators[kTestResource].size())});
    resources.menus[kTestResource] = {{"&Keys", {{999, "&Shown\tCtrl+K"}}}};
    AfxSetTraceSink([](const std::string& line) { g_trace.push_back(line); });
    auto* frame = new CKeyFrame;
    CCreateContext context{RUNTIME_CLASS(CTestView), nullptr};  // the view takes the keys
    ASSERT_TRUE(frame->LoadFrame(kTestResource, WS_OVERLAPPEDWINDOW, nullptr, &context));
    AfxSetTraceSink(nullptr);
    frame->InitialUpdateFrame(nullptr, TRUE);  // makes the menu bar
    resources = AfxProgramResources();
    AfxTestRunEventLoopOnce();
    for (UINT i = 0; i < std::size(kKeys); ++i)
        EXPECT_EQ(Press(frame, kKeys[i].pressed), i < 2 ? std::vector<UINT>() : std::vector<UINT>{1000 + i})
            << kKeys[i].pressed;
    EXPECT_EQ(Press(frame, "<Control>k"), std::vector<UINT>());
    EXPECT_TRUE(AfxTestMenuBar(frame->m_hWnd).at(0).items.at(0).showsShortcut);
    frame->DestroyWindow();
    AfxTestRunEventLoopOnce();
#ifdef _DEBUG
    EXPECT_EQ(
        g_trace,
        (std::vector<std::string>{
            "Accelerator table 1: code 0x2F names no key; command 1000 is not bound\n",
            "Accelerator table 1: code 0x51 without FVIRTKEY names no key; command 1001 is not bound\n"}));
#endif
}
