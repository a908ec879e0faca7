// Files dropped on a window arrive as WM_DROPFILES (wParam = the drop) once the window
// has asked for them; the handler reads the count and the paths from the drop.
#pragma once

#include "windows_types.h"

#include <string>
#include <vector>

void DragAcceptFiles(HWND hWnd, BOOL fAccept);

// Index 0xFFFFFFFF asks for the number of files; a null buffer asks for the length of
// path iFile without its terminating zero; otherwise the path is copied, cut to cch - 1.
UINT DragQueryFile(HDROP hDrop, UINT iFile, LPSTR lpszFile, UINT cch);
void DragFinish(HDROP hDrop);

// Makes a drop as the toolkit's drop target would; for the drop target and for tests.
HDROP MakeDrop(const std::vector<std::string>& paths);
