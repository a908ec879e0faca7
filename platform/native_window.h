// How the opaque window handle maps onto the toolkit's window. Only for platform/ and
// framework/ sources.
#pragma once

#include "windows_types.h"

class wxWindow;

inline wxWindow* NativeWindow(HWND hWnd)
{
    return reinterpret_cast<wxWindow*>(hWnd);
}
inline HWND WindowHandle(wxWindow* window)
{
    return reinterpret_cast<HWND>(window);
}
