#include "toolkit_inspect.h"

#include "framework/native_ids.h"
#include "platform/native_window.h"

#include <wx/frame.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <algorithm>

namespace {

// Whether a menu item's label leaves room for a shortcut beside its text.
bool ShowsShortcut(const wxMenuItem* item)
{
    GtkWidget* label =
        item->GetMenuItem() != nullptr ? gtk_bin_get_child(GTK_BIN(item->GetMenuItem())) : nullptr;
    if (!GTK_IS_ACCEL_LABEL(label))
        return false;
    gint width = 0;
    gtk_widget_get_preferred_width(label, nullptr, &width);  // lays the label out
    return gtk_accel_label_get_accel_width(GTK_ACCEL_LABEL(label)) > 0;
}

// The windows of a list and all their descendants.
std::size_t CountWindows(const wxWindowList& windows)
{
    std::size_t count = 0;
    for (const wxWindow* window : windows)
        count += 1 + CountWindows(window->GetChildren());
    return count;
}

}  // namespace

std::vector<AfxTestMenu> AfxTestMenuBar(HWND hFrame)
{
    std::vector<AfxTestMenu> menus;
    auto* frame = dynamic_cast<wxFrame*>(NativeWindow(hFrame));
    wxMenuBar* bar = frame != nullptr ? frame->GetMenuBar() : nullptr;
    if (bar == nullptr)
        return menus;
    for (std::size_t i = 0; i < bar->GetMenuCount(); ++i) {
        wxMenu* popup = bar->GetMenu(i);
        popup->UpdateUI(frame);
        AfxTestMenu menu{std::string(bar->GetMenuLabel(i).utf8_str()), {}};
        for (const wxMenuItem* item : popup->GetMenuItems()) {
            const UINT id = item->IsSeparator() ? 0 : AfxCommandFromNativeId(item->GetId());
            menu.items.push_back({std::string(item->GetItemLabel().utf8_str()), id, item->IsEnabled(),
                                  item->IsCheckable() && item->IsChecked(), ShowsShortcut(item)});
        }
        menus.push_back(menu);
    }
    return menus;
}

bool AfxTestSliderIsVertical(HWND hSlider)
{
    return hSlider != nullptr && NativeWindow(hSlider)->HasFlag(wxSL_VERTICAL);
}

void AfxTestResizeWindow(HWND hWnd, int width, int height)
{
    NativeWindow(hWnd)->SetSize(width, height);
}

std::size_t AfxTestWindowCount()
{
    return CountWindows(wxTopLevelWindows);
}

bool AfxTestBusyCursorShown()
{
    return wxIsBusy();
}

std::vector<std::pair<int, int>> AfxTestWindowIconSizes(HWND hWnd)
{
    std::vector<std::pair<int, int>> sizes;
    auto* window = dynamic_cast<wxTopLevelWindow*>(NativeWindow(hWnd));
    if (window == nullptr)
        return sizes;
    const wxIconBundle& icons = window->GetIcons();
    for (size_t i = 0; i < icons.GetIconCount(); ++i)
        sizes.emplace_back(icons.GetIconByIndex(i).GetWidth(), icons.GetIconByIndex(i).GetHeight());
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}
