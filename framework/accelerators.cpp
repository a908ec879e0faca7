#include "accelerators.h"

#include "diagnostics.h"
#include "native_ids.h"
#include "resources.h"

#include <wx/accel.h>
#include <wx/event.h>
#include <wx/frame.h>
#include <gtk/gtk.h>

#include <vector>

namespace {

// A virtual-key code that names one key, and the number pad's key that is the same key
// while Num Lock is off, if there is one.
struct NamedKey {
    WORD code;
    int key;
    int keypadKey;
};

constexpr NamedKey kNamedKeys[] = {
    {VK_BACK, WXK_BACK, 0},
    {VK_TAB, WXK_TAB, 0},
    {VK_RETURN, WXK_RETURN, WXK_NUMPAD_ENTER},
    {VK_ESCAPE, WXK_ESCAPE, 0},
    {VK_SPACE, WXK_SPACE, 0},
    {VK_PRIOR, WXK_PAGEUP, WXK_NUMPAD_PAGEUP},
    {VK_NEXT, WXK_PAGEDOWN, WXK_NUMPAD_PAGEDOWN},
    {VK_END, WXK_END, WXK_NUMPAD_END},
    {VK_HOME, WXK_HOME, WXK_NUMPAD_HOME},
    {VK_LEFT, WXK_LEFT, WXK_NUMPAD_LEFT},
    {VK_UP, WXK_UP, WXK_NUMPAD_UP},
    {VK_RIGHT, WXK_RIGHT, WXK_NUMPAD_RIGHT},
    {VK_DOWN, WXK_DOWN, WXK_NUMPAD_DOWN},
    {VK_INSERT, WXK_INSERT, WXK_NUMPAD_INSERT},
    {VK_DELETE, WXK_DELETE, WXK_NUMPAD_DELETE},
    {VK_MULTIPLY, WXK_NUMPAD_MULTIPLY, 0},
    {VK_ADD, WXK_NUMPAD_ADD, 0},
    {VK_SEPARATOR, WXK_NUMPAD_SEPARATOR, 0},
    {VK_SUBTRACT, WXK_NUMPAD_SUBTRACT, 0},
    {VK_DECIMAL, WXK_NUMPAD_DECIMAL, 0},
    {VK_DIVIDE, WXK_NUMPAD_DIVIDE, 0},
};

// The toolkit's keys that a virtual-key code names; none for a code that names no key here.
std::vector<int> KeysOf(WORD code)
{
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return {code};  // the toolkit's codes of those keys are the same
    if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9)
        return {WXK_NUMPAD0 + (code - VK_NUMPAD0)};
    if (code >= VK_F1 && code <= VK_F24)
        return {WXK_F1 + (code - VK_F1)};
    for (const NamedKey& named : kNamedKeys)
        if (named.code == code)
            return named.keypadKey != 0 ? std::vector<int>{named.key, named.keypadKey}
                                        : std::vector<int>{named.key};
    return {};
}

// The key pressed, where the toolkit names it by the character it types or not at all: a
// digit's key (with Shift, the 9 of a US keyboard types '('), and F13 to F24. Otherwise 0.
int KeyPressed(const wxKeyEvent& event)
{
    const auto symbol = static_cast<guint>(event.GetRawKeyCode());
    if (symbol >= GDK_KEY_F13 && symbol <= GDK_KEY_F24)
        return WXK_F13 + static_cast<int>(symbol - GDK_KEY_F13);
    GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_display_get_default());
    GdkKeymapKey* keys = nullptr;
    guint* symbols = nullptr;
    gint count = 0;
    int key = 0;
    if (gdk_keymap_get_entries_for_keycode(keymap, event.GetRawKeyFlags(), &keys, &symbols, &count))
        for (gint i = 0; i < count && key == 0; ++i)
            if (symbols[i] >= GDK_KEY_0 && symbols[i] <= GDK_KEY_9)
                key = '0' + static_cast<int>(symbols[i] - GDK_KEY_0);
    g_free(keys);
    g_free(symbols);
    return key;
}

// Runs the command the table binds to such a key, before the toolkit looks the character up.
void RunBindingOfKeyPressed(wxFrame* frame, wxKeyEvent& event)
{
    const int key = KeyPressed(event);
    if (key != 0 && key != event.GetKeyCode()) {
        wxKeyEvent pressed(event);
        pressed.m_keyCode = key;
        const int command = frame->GetAcceleratorTable()->GetCommand(pressed);
        if (command != -1) {
            wxCommandEvent menu(wxEVT_MENU, command);
            menu.SetEventObject(frame);
            frame->HandleWindowEvent(menu);
            return;
        }
    }
    event.Skip();
}

}  // namespace

void AfxBindAccelerators(wxFrame* frame, UINT nIDResource)
{
    const auto& tables = AfxResources().accelerators;
    auto it = tables.find(nIDResource);
    if (it == tables.end())
        return;
    std::vector<wxAcceleratorEntry> entries;
    for (const AfxAccel& accel : it->second) {
        const std::vector<int> keys = (accel.fVirt & FVIRTKEY) ? KeysOf(accel.key) : std::vector<int>();
        if (keys.empty()) {
            TRACE("Accelerator table %u: code 0x%02X%s names no key; command %u is not bound\n", nIDResource,
                  accel.key, (accel.fVirt & FVIRTKEY) ? "" : " without FVIRTKEY", accel.cmd);
            continue;
        }
        int flags = wxACCEL_NORMAL;
        if (accel.fVirt & FSHIFT)
            flags |= wxACCEL_SHIFT;
        if (accel.fVirt & FCONTROL)
            flags |= wxACCEL_CTRL;
        if (accel.fVirt & FALT)
            flags |= wxACCEL_ALT;
        for (int key : keys)
            entries.emplace_back(flags, key, AfxNativeCommandId(accel.cmd));
    }
    frame->SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(entries.size()), entries.data()));
    frame->Bind(wxEVT_CHAR_HOOK, [frame](wxKeyEvent& event) { RunBindingOfKeyPressed(frame, event); });
}

void AfxUnbindMenuTextShortcuts(wxFrame* frame)
{
    // The toolkit binds a menu text's shortcut through accelerator groups it attaches to
    // the window; a menu item reads the shortcut it shows from its group, attached or not.
    GtkWindow* window = GTK_WINDOW(frame->GetHandle());
    while (GSList* groups = gtk_accel_groups_from_object(G_OBJECT(window)))
        gtk_window_remove_accel_group(window, GTK_ACCEL_GROUP(groups->data));
}
