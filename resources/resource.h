// The program's own resource and command ids; the framework's standard ones are in
// framework/standard_ids.h.
#pragma once

#include "platform/windows_types.h"

constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDD_CONTROLLER = 134;
constexpr UINT IDC_SLIDER_ROTATE_H = 1001;
constexpr UINT IDC_SLIDER_ROTATE_V = 1002;
constexpr UINT IDC_RESET = 1003;
constexpr UINT IDC_SLIDER_ZOOM = 1004;
constexpr UINT ID_FILE_PLAY = 32772;
constexpr UINT ID_FILE_OPEN_ALT = 32773;
constexpr UINT ID_CONTROL = 32775;
