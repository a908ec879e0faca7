// Message maps: a static table of (message or command, handler) entries per class,
// chained to the base class's table. The entries are type-checked: each kind of entry
// accepts only a member function of the signature its message needs.
#pragma once

#include "platform/windows_types.h"

class CCmdTarget;
class CCmdUI;
class CDC;
class CWnd;
struct CREATESTRUCT;

// Notification codes of a command.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// One message as the handler's thunk receives it.
struct AFX_MSG {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT lResult;
};

using AfxThunk = void (*)(CCmdTarget* target, AFX_MSG& msg);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message, or WM_COMMAND for commands and their updates
    int nCode;      // CN_COMMAND or CN_UPDATE_COMMAND_UI for WM_COMMAND entries
    UINT nID;       // command id; 0 for window messages
    AfxThunk pfn;   // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The size message carries width and height side by side, the height in the high half.
inline LPARAM AfxPackSize(int cx, int cy)
{
    return static_cast<LPARAM>(static_cast<std::uint64_t>(static_cast<std::uint32_t>(cy)) << 32 |
                               static_cast<std::uint32_t>(cx));
}

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

// The two open the map's table and close it; clang-format would break their unmatched braces.
// clang-format off
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const                               \
    {                                                                               \
        return GetThisMessageMap();                                                 \
    }                                                                               \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                 \
    {                                                                               \
        using ThisClass [[maybe_unused]] = theClass;                                \
        using TheBaseClass = baseClass;                                             \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                           \
            {0, 0, 0, nullptr}};                                                    \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries};  \
        return &map;                                                                \
    }
// clang-format on

// Each entry calls its handler through a function made for the entry, which unpacks the
// message's arguments for the member function named: a handler of the wrong signature
// does not compile. Made inside the class's own map, it may call protected handlers.
#define AFX_ENTRY(message, code, id, call) \
    {(message), (code), (id),              \
     [](CCmdTarget* target, [[maybe_unused]] AFX_MSG& msg) { static_cast<ThisClass*>(target)->call; }},
// The same for a handler whose answer is the message's result.
#define AFX_RESULT_ENTRY(message, call) \
    {(message), 0, 0,                   \
     [](CCmdTarget* target, AFX_MSG& msg) { msg.lResult = static_cast<ThisClass*>(target)->call; }},

#define ON_COMMAND(id, fn) AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, fn())
#define ON_UPDATE_COMMAND_UI(id, fn) \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, fn(reinterpret_cast<CCmdUI*>(msg.wParam)))
#define ON_WM_CREATE() AFX_RESULT_ENTRY(WM_CREATE, OnCreate(reinterpret_cast<CREATESTRUCT*>(msg.lParam)))
#define ON_WM_DESTROY() AFX_ENTRY(WM_DESTROY, 0, 0, OnDestroy())
#define ON_WM_SIZE()                                                                       \
    AFX_ENTRY(WM_SIZE, 0, 0,                                                               \
              OnSize(static_cast<UINT>(msg.wParam), static_cast<std::int32_t>(msg.lParam), \
                     static_cast<std::int32_t>(static_cast<std::uint64_t>(msg.lParam) >> 32)))
#define ON_WM_TIMER() AFX_ENTRY(WM_TIMER, 0, 0, OnTimer(static_cast<UINT>(msg.wParam)))
#define ON_WM_ERASEBKGND() AFX_RESULT_ENTRY(WM_ERASEBKGND, OnEraseBkgnd(reinterpret_cast<CDC*>(msg.wParam)))
#define ON_WM_DROPFILES() AFX_ENTRY(WM_DROPFILES, 0, 0, OnDropFiles(reinterpret_cast<HDROP>(msg.wParam)))
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, 0, 0, OnPaint())
#define ON_WM_CLOSE() AFX_ENTRY(WM_CLOSE, 0, 0, OnClose())
#define ON_WM_PALETTECHANGED() \
    AFX_ENTRY(WM_PALETTECHANGED, 0, 0, OnPaletteChanged(CWnd::FromHandle(reinterpret_cast<HWND>(msg.wParam))))
#define ON_WM_QUERYNEWPALETTE() AFX_RESULT_ENTRY(WM_QUERYNEWPALETTE, OnQueryNewPalette())
