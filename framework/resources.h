// Resources as data: menus, accelerators, strings, pictures, dialog templates and the
// version block, looked up by id. The program supplies its set through
// AfxProgramResources(); the framework adds its own standard strings.
#pragma once

#include "standard_ids.h"

#include <map>
#include <string>
#include <vector>

struct AfxMenuItem {
    UINT nID;          // 0 for a separator
    const char* text;  // with '&' before the mnemonic
};

struct AfxPopupMenu {
    const char* text;
    std::vector<AfxMenuItem> items;
};

// A menu bar: its pop-ups from left to right.
using AfxMenuResource = std::vector<AfxPopupMenu>;

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;
constexpr WORD VK_F6 = 0x75;

struct AfxAccel {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

struct AfxBytes {
    const unsigned char* data = nullptr;
    unsigned long size = 0;
};

// Dialog styles, and the classes and styles of dialog controls.
constexpr DWORD DS_SETFONT = 0x00000040;
constexpr DWORD DS_MODALFRAME = 0x00000080;
constexpr DWORD SS_LEFT = 0x00000000;
constexpr DWORD SS_ICON = 0x00000003;
constexpr DWORD BS_PUSHBUTTON = 0x00000000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
constexpr DWORD BS_GROUPBOX = 0x00000007;
constexpr DWORD TBS_HORZ = 0x00000000;
constexpr DWORD TBS_VERT = 0x00000002;
constexpr DWORD TBS_BOTH = 0x00000008;
constexpr DWORD TBS_NOTICKS = 0x00000010;
constexpr int IDC_STATIC = -1;

struct AfxDialogItem {
    int id;
    const char* className;  // "BUTTON", "STATIC", "msctls_trackbar32"
    const char* text;       // the caption; for an icon, empty and iconId set
    UINT iconId;
    DWORD style;
    short x, y, cx, cy;  // dialog units
};

struct AfxDialogTemplate {
    DWORD style;
    short x, y, cx, cy;  // dialog units
    const char* caption;
    int pointSize;
    const char* faceName;
    WORD language;
    std::vector<AfxDialogItem> items;
};

struct AfxVersionInfo {
    WORD fileVersion[4];
    WORD productVersion[4];
    DWORD fileFlagsMask;
    DWORD fileFlags;
    DWORD fileOS;
    DWORD fileType;
    DWORD fileSubtype;
    std::string blockName;  // language and code page, as "040904b0"
    std::vector<std::pair<std::string, std::string>> strings;
    WORD translationLanguage;
    WORD translationCodePage;
};

struct AfxResourceModule {
    std::map<UINT, AfxMenuResource> menus;
    std::map<UINT, std::vector<AfxAccel>> accelerators;
    std::map<UINT, std::string> strings;
    std::map<UINT, AfxBytes> bitmaps;
    std::map<UINT, AfxBytes> icons;
    std::map<UINT, AfxDialogTemplate> dialogs;
    AfxVersionInfo version;
    // An icon's PNG images at the sizes the desktop picks from, for a main window.
    std::map<UINT, std::vector<AfxBytes>> iconSets;
};

// Defined by the program: its own resource set.
const AfxResourceModule& AfxProgramResources();

// The set in force: the program's own, or a test's changed copy of it.
const AfxResourceModule& AfxResources();

// A string by id, from the program's table or the framework's standard ones; empty when
// there is none.
std::string AfxLoadString(UINT nID);
// Field n of a newline-separated string (a document string, or a command's prompt and tip).
std::string AfxExtractSubString(const std::string& full, int n);
