#include "toolkit_session.h"

#include "platform/kept_by_library.h"
#include "platform/native_window.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/evtloop.h>
#include <wx/log.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

wxEventLoopBase* g_loop = nullptr;

// Only started (wxEntryStart), never run, so its OnInit is not called.
class TestToolkitApp : public wxApp {
public:
    void OnAssertFailure(const wxChar* file, int line, const wxChar*, const wxChar* cond,
                         const wxChar* msg) override
    {
        std::fprintf(stderr, "toolkit assertion: %s:%d %s %s\n", wxString(file).utf8_str().data(), line,
                     wxString(cond).utf8_str().data(), wxString(msg).utf8_str().data());
    }
};

wxDialog* ModalDialog()
{
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = dynamic_cast<wxDialog*>(window);
        if (dialog != nullptr && dialog->IsModal())
            return dialog;
    }
    return nullptr;
}

}  // namespace

bool AfxTestStartToolkit(int& argc, char** argv)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return false;
    wxApp::SetInstance(new TestToolkitApp);
    {
        // As in the program: GDK may bind the GL driver to the display while opening it.
        const KeptByLibrary driverState;
        if (!wxEntryStart(argc, argv))
            return false;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    g_loop = new wxGUIEventLoop;
    wxEventLoopBase::SetActive(g_loop);
    return true;
}

void AfxTestStopToolkit()
{
    AfxTestRunEventLoop(50);
    wxEventLoopBase::SetActive(nullptr);
    delete g_loop;
    g_loop = nullptr;
    wxEntryCleanup();
}

void AfxTestRunEventLoopOnce()
{
    g_loop->YieldFor(wxEVT_CATEGORY_ALL);
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

void AfxTestRunEventLoop(int milliseconds)
{
    AfxTestRunEventLoopUntil([] { return false; }, milliseconds);
}

bool AfxTestRunEventLoopUntil(const std::function<bool()>& done, int timeoutMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    do {
        AfxTestRunEventLoopOnce();
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (std::chrono::steady_clock::now() < deadline);
    AfxTestRunEventLoopOnce();
    return done();
}

void AfxTestWhenModalDialogShows(std::function<void()> fn)
{
    auto* timer = new wxTimer;  // looks every 5 ms, from within the dialog's own loop once it runs
    timer->Bind(wxEVT_TIMER, [timer, fn = std::move(fn)](wxTimerEvent&) {
        if (ModalDialog() == nullptr)
            return;
        timer->Stop();
        fn();
        wxTheApp->CallAfter([timer] { delete timer; });
    });
    timer->Start(5);
}

class AfxTestEventWatch::Filter : public wxEventFilter {
public:
    std::function<void(HWND)> reached;
    int FilterEvent(wxEvent& event) override
    {
        if (auto* window = dynamic_cast<wxWindow*>(event.GetEventObject()))
            reached(WindowHandle(window));
        return Event_Skip;
    }
};

AfxTestEventWatch::AfxTestEventWatch(std::function<void(HWND)> reached)
    : m_pFilter(std::make_unique<Filter>())
{
    m_pFilter->reached = std::move(reached);
    wxEvtHandler::AddFilter(m_pFilter.get());
}

AfxTestEventWatch::~AfxTestEventWatch()
{
    wxEvtHandler::RemoveFilter(m_pFilter.get());
}

bool AfxTestPressKey(HWND hTopLevel, const std::string& keys)
{
    wxWindow* topLevel = NativeWindow(hTopLevel);
    GdkWindow* window = topLevel != nullptr ? gtk_widget_get_window(topLevel->GetHandle()) : nullptr;
    guint keyval = 0;
    GdkModifierType state{};
    gtk_accelerator_parse(keys.c_str(), &keyval, &state);
    if (window == nullptr || keyval == 0)
        return false;
    GdkDisplay* display = gdk_window_get_display(window);
    GdkKeymap* keymap = gdk_keymap_get_for_display(display);
    GdkKeymapKey* found = nullptr;
    gint count = 0;
    guint16 keycode = 0;
    if (gdk_keymap_get_entries_for_keyval(keymap, keyval, &found, &count) && count > 0) {
        keycode = static_cast<guint16>(found[0].keycode);
        gdk_keymap_translate_keyboard_state(keymap, keycode, state, found[0].group, &keyval, nullptr, nullptr,
                                            nullptr);
    }
    g_free(found);
    GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(window));
    event->key.time = GDK_CURRENT_TIME;
    event->key.state = state;
    event->key.keyval = keyval;
    event->key.hardware_keycode = keycode;
    gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
    gdk_display_put_event(display, event);
    gdk_event_free(event);
    return true;
}

AfxTestDialog AfxTestModalDialog()
{
    AfxTestDialog seen;
    wxDialog* dialog = ModalDialog();
    if (dialog == nullptr)
        return seen;
    seen.title = dialog->GetTitle().utf8_str();
    // Measured in the dialog's font, the one its dialog units were worked out from.
    const wxFont font = dialog->GetFont();
    for (wxWindow* child : dialog->GetChildren()) {
        auto* text = dynamic_cast<wxStaticText*>(child);
        if (text == nullptr)
            continue;
        int neededWidth = 0, neededHeight = 0;
        text->GetTextExtent(text->GetLabel(), &neededWidth, &neededHeight, nullptr, nullptr, &font);
        const wxSize size = text->GetSize();
        seen.texts.push_back({std::string(text->GetLabel().utf8_str()), neededWidth, neededHeight, size.x,
                              size.y, text->GetFont() == font});
    }
    return seen;
}

bool AfxTestPressInModalDialog(const std::string& buttonLabel)
{
    wxDialog* dialog = ModalDialog();
    auto* button = dynamic_cast<wxButton*>(
        dialog != nullptr ? wxWindow::FindWindowByLabel(wxString::FromUTF8(buttonLabel), dialog) : nullptr);
    if (button == nullptr)
        return false;
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
    return true;
}
