// Command ids as the toolkit knows them: it takes ids below 32768 only, while commands
// use the whole 16-bit range. Each command gets its own small id on first use. And the
// road from the toolkit's command events to a frame's routing. Framework-internal.
#pragma once

#include "platform/windows_types.h"

int AfxNativeCommandId(UINT nID);
UINT AfxCommandFromNativeId(int nativeId);

class wxEvtHandler;

// Routes the commands and update requests that reach the toolkit window to the frame,
// wherever the window is: a toolbar may float in a window of its own. Those of ids the
// program never gave keep the toolkit's handling; on buttons, a check no handler sets is
// cleared.
void AfxRouteCommandsToFrame(wxEvtHandler* window, HWND hWndFrame, bool buttons);
