// The thread's message queue. Posted messages (timer expiries, dropped files) wait here
// until the event loop hands them, one at a time, to the dispatcher the framework installs;
// PeekMessage can take waiting ones out before that happens.
#pragma once

#include "windows_types.h"

using MessageDispatcher = void (*)(const MSG&);
void SetMessageDispatcher(MessageDispatcher dispatcher);

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PeekMessage(MSG* pMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);

// Forgets every waiting message and every timer of a window that is going away.
void DiscardWindowMessages(HWND hWnd);

// Window timers: each expiry posts WM_TIMER (wParam = timer id) for the window.

std::uintptr_t SetTimer(HWND hWnd, std::uintptr_t nIDEvent, UINT uElapse);
BOOL KillTimer(HWND hWnd, std::uintptr_t uIDEvent);
