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

// The size message carries width and height side by side.
inline LPARAM AfxPackSize(int cx, int cy)
{
    return static_cast<LPARAM>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(cy)) << 32) |
                               static_cast<std::uint32_t>(cx));
}
inline int AfxSizeWidth(LPARAM lParam)
{
    return static_cast<std::int32_t>(lParam & 0xFFFFFFFF);
}
inline int AfxSizeHeight(LPARAM lParam)
{
    return static_cast<std::int32_t>(static_cast<std::uint64_t>(lParam) >> 32);
}

namespace afx_detail {

template <class F>
struct MemberOf;
template <class T, class R, class... A>
struct MemberOf<R (T::*)(A...)> {
    using Class = T;
};

template <auto F>
auto* Target(CCmdTarget* target)
{
    return static_cast<typename MemberOf<decltype(F)>::Class*>(target);
}

CWnd* WindowFromHandle(WPARAM hwnd);

template <auto F>
void UpdateCommandUI(CCmdTarget* t, AFX_MSG& m)
{
    (Target<F>(t)->*F)(reinterpret_cast<CCmdUI*>(m.wParam));
}
template <auto F>
void Create(CCmdTarget* t, AFX_MSG& m)
{
    m.lResult = (Target<F>(t)->*F)(reinterpret_cast<CREATESTRUCT*>(m.lParam));
}
template <auto F>
void NoArguments(CCmdTarget* t, AFX_MSG&)
{
    (Target<F>(t)->*F)();
}
template <auto F>
void Size(CCmdTarget* t, AFX_MSG& m)
{
    (Target<F>(t)->*F)(static_cast<UINT>(m.wParam), AfxSizeWidth(m.lParam), AfxSizeHeight(m.lParam));
}
template <auto F>
void Timer(CCmdTarget* t, AFX_MSG& m)
{
    (Target<F>(t)->*F)(static_cast<UINT>(m.wParam));
}
template <auto F>
void EraseBkgnd(CCmdTarget* t, AFX_MSG& m)
{
    m.lResult = (Target<F>(t)->*F)(reinterpret_cast<CDC*>(m.wParam));
}
template <auto F>
void DropFiles(CCmdTarget* t, AFX_MSG& m)
{
    (Target<F>(t)->*F)(reinterpret_cast<HDROP>(m.wParam));
}
template <auto F>
void PaletteChanged(CCmdTarget* t, AFX_MSG& m)
{
    (Target<F>(t)->*F)(WindowFromHandle(m.wParam));
}
template <auto F>
void ReturnsBool(CCmdTarget* t, AFX_MSG& m)
{
    m.lResult = (Target<F>(t)->*F)();
}

}  // namespace afx_detail

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
    const AFX_MSGMAP* theClass::GetMessageMap() const \
    {                                                 \
        return GetThisMessageMap();                   \
    }                                                 \
    const AFX_MSGMAP* theClass::GetThisMessageMap()   \
    {                                                 \
        using ThisClass [[maybe_unused]] = theClass;  \
        using TheBaseClass = baseClass;               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                      \
    {                                                                          \
        0, 0, 0, nullptr                                                       \
    }                                                                          \
    }                                                                          \
    ;                                                                          \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

#define ON_COMMAND(id, fn) {WM_COMMAND, CN_COMMAND, (id), &afx_detail::NoArguments<&ThisClass::fn>},
#define ON_UPDATE_COMMAND_UI(id, fn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (id), &afx_detail::UpdateCommandUI<&ThisClass::fn>},
#define ON_WM_CREATE() {WM_CREATE, 0, 0, &afx_detail::Create<&ThisClass::OnCreate>},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, &afx_detail::NoArguments<&ThisClass::OnDestroy>},
#define ON_WM_SIZE() {WM_SIZE, 0, 0, &afx_detail::Size<&ThisClass::OnSize>},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, &afx_detail::Timer<&ThisClass::OnTimer>},
#define ON_WM_ERASEBKGND() {WM_ERASEBKGND, 0, 0, &afx_detail::EraseBkgnd<&ThisClass::OnEraseBkgnd>},
#define ON_WM_DROPFILES() {WM_DROPFILES, 0, 0, &afx_detail::DropFiles<&ThisClass::OnDropFiles>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &afx_detail::NoArguments<&ThisClass::OnPaint>},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, &afx_detail::NoArguments<&ThisClass::OnClose>},
#define ON_WM_PALETTECHANGED() \
    {WM_PALETTECHANGED, 0, 0, &afx_detail::PaletteChanged<&ThisClass::OnPaletteChanged>},
#define ON_WM_QUERYNEWPALETTE() \
    {WM_QUERYNEWPALETTE, 0, 0, &afx_detail::ReturnsBool<&ThisClass::OnQueryNewPalette>},
