// The framework's standard ids: the commands, windows and strings the framework itself
// answers or supplies. The program's own ids are in resources/resource.h.
#pragma once

#include "platform/windows_types.h"

// Commands.
constexpr UINT ID_FILE_NEW = 0xE100;
constexpr UINT ID_FILE_OPEN = 0xE101;
constexpr UINT ID_APP_ABOUT = 0xE140;
constexpr UINT ID_APP_EXIT = 0xE141;
constexpr UINT ID_NEXT_PANE = 0xE150;
constexpr UINT ID_PREV_PANE = 0xE151;
constexpr UINT ID_VIEW_TOOLBAR = 0xE800;

// Windows.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// Strings.
constexpr UINT AFX_IDS_APP_TITLE = 57344;
constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;
constexpr UINT AFX_IDS_OPENFILE = 61441;
constexpr UINT AFX_IDS_UNTITLED = 61443;
constexpr UINT AFX_IDS_ALLFILTER = 61446;
constexpr UINT AFX_IDP_FAILED_TO_CREATE_DOC = 61700;
