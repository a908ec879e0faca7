// What the toolkit shows of a program's windows, read from its own objects the way a
// person reads the screen: menus, controls, icons, windows, the busy cursor; and a window
// resized.
#pragma once

#include "platform/windows_types.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// One item of a pop-up menu: its text with the mnemonic marks, its command (0 for a
// separator), its state once the update handlers have run, as when the pop-up opens, and
// whether it shows a shortcut at its right.
struct AfxTestMenuItem {
    std::string text;
    UINT id;
    bool enabled;
    bool checked;
    bool showsShortcut;
};
struct AfxTestMenu {
    std::string title;
    std::vector<AfxTestMenuItem> items;
};
// The menu bar of a frame window, each pop-up brought up to date first.
std::vector<AfxTestMenu> AfxTestMenuBar(HWND hFrame);

bool AfxTestSliderIsVertical(HWND hSlider);

// Resizes a top-level window as a person drags its border, to the given size in pixels.
void AfxTestResizeWindow(HWND hWnd, int width, int height);

// How many windows the toolkit holds now, top-level ones and all their descendants.
std::size_t AfxTestWindowCount();
// Whether the busy (wait) cursor is on the screen.
bool AfxTestBusyCursorShown();

// The width and height of each icon a top-level window offers the desktop, smallest first.
std::vector<std::pair<int, int>> AfxTestWindowIconSizes(HWND hWnd);
