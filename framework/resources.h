// Resources as data: menus, accelerators, strings, pictures, dialog templates and the
// version block, looked up by id. The program supplies its set through
// AfxProgramResources(); the framework adds its own standard strings.
#pragma once

#include "standard_ids.h"

#include <map>
#include <string>
#include <vector>

struct AfxMenuItem {
    UINT nID;  // 0 for a separator
    // With '&' before the mnemonic. A shortcut written after a tab ("&Open\tCtrl+O") is
    // shown at the item's right and binds nothing: keys come from the accelerator table
    // alone, so the table must bind it too.
    const char* text;
};

struct AfxPopupMenu {
    const char* text;
    std::vector<AfxMenuItem> items;
};

// A menu bar: its pop-ups from left to right.
using AfxMenuResource = std::vector<AfxPopupMenu>;

// An accelerator binds a key, held with any of Shift, Ctrl and Alt, to a command. Every
// entry carries FVIRTKEY: its key is a virtual-key code, a letter written in upper case
// ('R'; a lower-case 'r' is 0x72, the code of F3), a digit ('0') or one of the VK_ names
// below. The keys that Return, the arrows, Insert, Delete, Home, End, Page Up and Page Down
// name answer on the number pad too while Num Lock is off. An entry without FVIRTKEY, or
// whose code names no key here, binds nothing; the debug trace names it.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_TAB = 0x09;
constexpr WORD VK_RETURN = 0x0D;
constexpr WORD VK_ESCAPE = 0x1B;
constexpr WORD VK_SPACE = 0x20;
constexpr WORD VK_PRIOR = 0x21;  // Page Up
constexpr WORD VK_NEXT = 0x22;   // Page Down
constexpr WORD VK_END = 0x23;
constexpr WORD VK_HOME = 0x24;
constexpr WORD VK_LEFT = 0x25;
constexpr WORD VK_UP = 0x26;
constexpr WORD VK_RIGHT = 0x27;
constexpr WORD VK_DOWN = 0x28;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_NUMPAD0 = 0x60;
constexpr WORD VK_NUMPAD1 = 0x61;
constexpr WORD VK_NUMPAD2 = 0x62;
constexpr WORD VK_NUMPAD3 = 0x63;
constexpr WORD VK_NUMPAD4 = 0x64;
constexpr WORD VK_NUMPAD5 = 0x65;
constexpr WORD VK_NUMPAD6 = 0x66;
constexpr WORD VK_NUMPAD7 = 0x67;
constexpr WORD VK_NUMPAD8 = 0x68;
constexpr WORD VK_NUMPAD9 = 0x69;
constexpr WORD VK_MULTIPLY = 0x6A;
constexpr WORD VK_ADD = 0x6B;
constexpr WORD VK_SEPARATOR = 0x6C;
constexpr WORD VK_SUBTRACT = 0x6D;
constexpr WORD VK_DECIMAL = 0x6E;
constexpr WORD VK_DIVIDE = 0x6F;
constexpr WORD VK_F1 = 0x70;
constexpr WORD VK_F2 = 0x71;
constexpr WORD VK_F3 = 0x72;
constexpr WORD VK_F4 = 0x73;
constexpr WORD VK_F5 = 0x74;
constexpr WORD VK_F6 = 0x75;
constexpr WORD VK_F7 = 0x76;
constexpr WORD VK_F8 = 0x77;
constexpr WORD VK_F9 = 0x78;
constexpr WORD VK_F10 = 0x79;
constexpr WORD VK_F11 = 0x7A;
constexpr WORD VK_F12 = 0x7B;
constexpr WORD VK_F13 = 0x7C;
constexpr WORD VK_F14 = 0x7D;
constexpr WORD VK_F15 = 0x7E;
constexpr WORD VK_F16 = 0x7F;
constexpr WORD VK_F17 = 0x80;
constexpr WORD VK_F18 = 0x81;
constexpr WORD VK_F19 = 0x82;
constexpr WORD VK_F20 = 0x83;
constexpr WORD VK_F21 = 0x84;
constexpr WORD VK_F22 = 0x85;
constexpr WORD VK_F23 = 0x86;
constexpr WORD VK_F24 = 0x87;

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
