// The program's resource and command identifiers.
#pragma once

#define IDD_ABOUTBOX 100
#define IDR_MAINFRAME 128
#define IDD_CONTROLLER 134
#define IDC_SLIDER_ROTATE_H 1001
#define IDC_SLIDER_ROTATE_V 1002
#define IDC_RESET 1003
#define IDC_SLIDER_ZOOM 1004
#define ID_FILE_PLAY 32772
#define ID_FILE_OPEN_ALT 32773
#define ID_CONTROL 32775
