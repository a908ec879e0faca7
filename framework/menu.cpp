#include "menu.h"

#include "native_ids.h"

#include <wx/frame.h>
#include <wx/menu.h>

namespace {

wxMenuItem* ItemAt(wxMenu* menu, int nPos)
{
    if (menu == nullptr || nPos < 0 || static_cast<std::size_t>(nPos) >= menu->GetMenuItemCount())
        return nullptr;
    return menu->FindItemByPosition(static_cast<std::size_t>(nPos));
}

CString Utf8(const wxString& text)
{
    return CString(std::string(text.utf8_str()));
}

}  // namespace

int CMenu::GetMenuItemCount() const
{
    if (m_pNative == nullptr)
        return 0;
    return m_bIsBar ? static_cast<int>(static_cast<wxMenuBar*>(m_pNative)->GetMenuCount())
                    : static_cast<int>(static_cast<wxMenu*>(m_pNative)->GetMenuItemCount());
}

CString CMenu::GetMenuString(UINT nPos) const
{
    if (m_pNative == nullptr)
        return CString();
    if (m_bIsBar)
        return Utf8(static_cast<wxMenuBar*>(m_pNative)->GetMenuLabel(nPos));
    wxMenuItem* item = ItemAt(static_cast<wxMenu*>(m_pNative), static_cast<int>(nPos));
    return item != nullptr ? Utf8(item->GetItemLabel()) : CString();
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    if (m_bIsBar)
        return static_cast<UINT>(-1);
    wxMenuItem* item = ItemAt(static_cast<wxMenu*>(m_pNative), nPos);
    if (item == nullptr || item->IsSubMenu())
        return static_cast<UINT>(-1);
    return item->IsSeparator() ? 0 : AfxCommandFromNativeId(item->GetId());
}

CMenu CMenu::GetSubMenu(int nPos) const
{
    if (m_pNative == nullptr)
        return CMenu();
    if (m_bIsBar)
        return CMenu(static_cast<wxMenuBar*>(m_pNative)->GetMenu(static_cast<std::size_t>(nPos)), false);
    wxMenuItem* item = ItemAt(static_cast<wxMenu*>(m_pNative), nPos);
    return item != nullptr && item->IsSubMenu() ? CMenu(item->GetSubMenu(), false) : CMenu();
}

UINT CMenu::GetMenuState(UINT nID) const
{
    if (m_pNative == nullptr)
        return static_cast<UINT>(-1);
    const int nativeId = AfxNativeCommandId(nID);
    wxMenuItem* item = m_bIsBar ? static_cast<wxMenuBar*>(m_pNative)->FindItem(nativeId)
                                : static_cast<wxMenu*>(m_pNative)->FindItem(nativeId);
    if (item == nullptr)
        return static_cast<UINT>(-1);
    UINT state = 0;
    if (item->IsCheckable() && item->IsChecked())
        state |= MF_CHECKED;
    if (!item->IsEnabled())
        state |= MF_GRAYED;
    return state;
}

void CMenu::UpdateItems() const
{
    if (m_pNative == nullptr)
        return;
    if (!m_bIsBar) {
        static_cast<wxMenu*>(m_pNative)->UpdateUI();
        return;
    }
    auto* bar = static_cast<wxMenuBar*>(m_pNative);
    for (std::size_t i = 0; i < bar->GetMenuCount(); ++i)
        bar->GetMenu(i)->UpdateUI(bar->GetFrame());
}
