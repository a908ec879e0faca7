// The program's resources: menu, accelerators, strings, pictures, dialog templates and
// the version block.
#include "resource.h"

#include "art/embedded_art.h"
#include "framework/frame_wnd.h"
#include "framework/resources.h"
#include "framework/win_app.h"

namespace {

constexpr WORD LANG_ENGLISH_US = 0x0409;
constexpr WORD LANG_JAPANESE = 0x0411;

AfxBytes Bytes(art::Bytes picture)
{
    return AfxBytes{picture.data, picture.size};
}

std::vector<AfxBytes> IconSet()
{
    std::vector<AfxBytes> images;
    for (art::Bytes png : art::IconSet())
        images.push_back(Bytes(png));
    return images;
}

AfxMenuResource MainMenu()
{
    return {
        {"&File", {{ID_FILE_OPEN, "&Open"}, {ID_FILE_PLAY, "&Play"}, {0, nullptr}, {ID_APP_EXIT, "E&xit"}}},
        {"&View", {{ID_CONTROL, "&Control"}, {ID_VIEW_TOOLBAR, "&Toolbar"}}},
        {"&Help", {{ID_APP_ABOUT, "&About Dorvane"}}},
    };
}

std::vector<AfxAccel> MainAccelerators()
{
    return {
        {FVIRTKEY, VK_F6, ID_NEXT_PANE},
        {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},
    };
}

std::map<UINT, std::string> Strings()
{
    return {
        {IDR_MAINFRAME, "cube\n\nCube\n\n\nCube.Document\nCube Document"},
        {ID_FILE_PLAY, "Play 3-D \nPlay"},
        {ID_FILE_OPEN_ALT, "Open file\nOpen"},
        {AFX_IDS_APP_TITLE, "Dorvane"},
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    };
}

AfxDialogTemplate AboutBox()
{
    return AfxDialogTemplate{
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        0,
        0,
        217,
        55,
        "About Dorvane",
        8,
        "MS Sans Serif",
        LANG_ENGLISH_US,
        {
            {IDC_STATIC, "STATIC", "", IDR_MAINFRAME, WS_CHILD | WS_VISIBLE | SS_ICON, 11, 17, 20, 20},
            {IDC_STATIC, "STATIC", "Dorvane Ver.1.10", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 40, 10,
             119, 8},
            // The copyright sign keeps the line inside its 119 units in the desktop's font.
            {IDC_STATIC, "STATIC", "\xC2\xA9 2026 the Dorvane developers", 0,
             WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 40, 25, 119, 8},
            {IDOK, "BUTTON", "OK", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 176,
             6, 32, 14},
        },
    };
}

AfxDialogTemplate Controller()
{
    const DWORD trackbar = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS;
    const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    return AfxDialogTemplate{
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        0,
        0,
        197,
        183,
        "Contoroler",
        9,
        "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",  // ＭＳ
                                                                                                  // Ｐゴシック
        LANG_JAPANESE,
        {
            {IDOK, "BUTTON", "OK", 0, button | BS_DEFPUSHBUTTON, 140, 162, 50, 14},
            {IDCANCEL, "BUTTON", "Cancel", 0, button | BS_PUSHBUTTON, 74, 162, 50, 14},
            {IDC_SLIDER_ROTATE_H, "msctls_trackbar32", "Slider1", 0, trackbar | TBS_HORZ, 16, 80, 164, 15},
            {IDC_SLIDER_ROTATE_V, "msctls_trackbar32", "Slider2", 0, trackbar | TBS_VERT, 89, 15, 18, 61},
            {IDC_RESET, "BUTTON", "Reset", 0, button | BS_PUSHBUTTON, 7, 162, 50, 14},
            {IDC_STATIC, "BUTTON", "Rotation", 0, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 7, 7, 183, 98},
            {IDC_STATIC, "BUTTON", "ZooooM", 0, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 7, 111, 183, 35},
            {IDC_SLIDER_ZOOM, "msctls_trackbar32", "Slider3", 0, trackbar | TBS_HORZ, 16, 125, 163, 15},
        },
    };
}

AfxVersionInfo Version()
{
    return AfxVersionInfo{
        {1, 1, 0, 1},
        {1, 1, 0, 1},
        0x3F,
        0x1,  // a debug build
        0x4,  // 32-bit Windows, as first built
        0x1,  // an application
        0,
        "040904b0",
        {
            {"Comments", ""},
            {"CompanyName", "The Dorvane developers"},
            {"FileDescription", "Dorvane"},
            {"FileVersion", "1, 1, 0, 1"},
            {"InternalName", "Dorvane"},
            {"LegalCopyright", "Copyright \xC2\xA9 2026 the Dorvane developers"},
            {"LegalTrademarks", ""},
            {"OriginalFilename", "Dorvane.exe"},
            {"PrivateBuild", ""},
            {"ProductName", "Dorvane Application"},
            {"ProductVersion", "1, 1, 0, 1"},
            {"SpecialBuild", ""},
        },
        LANG_ENGLISH_US,
        1200,
    };
}

}  // namespace

const AfxResourceModule& AfxProgramResources()
{
    static const AfxResourceModule resources{
        {{IDR_MAINFRAME, MainMenu()}},
        {{IDR_MAINFRAME, MainAccelerators()}},
        Strings(),
        {{IDR_MAINFRAME, Bytes(art::ToolbarBitmap())}},
        {{IDR_MAINFRAME, Bytes(art::Icon())}},
        {{IDD_ABOUTBOX, AboutBox()}, {IDD_CONTROLLER, Controller()}},
        Version(),
        {{IDR_MAINFRAME, IconSet()}},
    };
    return resources;
}
