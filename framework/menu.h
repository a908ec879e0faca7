// A frame's menu bar and its pop-ups, as they stand on the screen.
#pragma once

#include "text.h"

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_SEPARATOR = 0x0800;

class CMenu {
public:
    CMenu() = default;
    CMenu(void* nativeMenu, bool isBar) : m_pNative(nativeMenu), m_bIsBar(isBar) {}

    int GetMenuItemCount() const;
    CString GetMenuString(UINT nPos) const;  // by position, with its mnemonic marks
    UINT GetMenuItemID(int nPos) const;      // 0 for a separator, -1 for a pop-up
    CMenu GetSubMenu(int nPos) const;
    UINT GetMenuState(UINT nID) const;  // MF_CHECKED, MF_GRAYED, by command
    // Brings every item's state up to date through its update handler, as happens when
    // the pop-up opens.
    void UpdateItems() const;

private:
    void* m_pNative = nullptr;
    bool m_bIsBar = false;
};
