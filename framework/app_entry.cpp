// The framework's entry: the toolkit's application object runs the program's start-up,
// its message loop and its shut-down.
#include "win_app.h"

#include "platform/kept_by_library.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

int g_exitCode = 0;

// A connection to the X display, held until the toolkit has its own: an X server resets
// when its last client leaves, and would then refuse the toolkit for a moment.
Display* g_displayProbe = nullptr;

}  // namespace

class FrameworkApp : public wxApp {
public:
    // GTK opens the display here; where GDK looks at GLX to choose its visuals, the GL
    // driver makes its state for the display then, and keeps it until the display closes.
    bool Initialize(int& argc, wxChar** argv) override
    {
        const KeptByLibrary driverState;
        return wxApp::Initialize(argc, argv);
    }

    bool OnInit() override
    {
        // Problems are written to standard error, never shown as toolkit pop-ups.
        delete wxLog::SetActiveTarget(new wxLogStderr);
        XCloseDisplay(g_displayProbe);
        g_displayProbe = nullptr;
        // The command line is the program's to read, and it reads none.
        return AfxGetApp() != nullptr && AfxGetApp()->InitInstance() != FALSE;
    }

    int OnExit() override
    {
        g_exitCode = AfxGetApp()->ExitInstance();
        return wxApp::OnExit();
    }

    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override
    {
        std::fprintf(stderr, "toolkit assertion: %s:%d %s: %s %s\n", wxString(file).utf8_str().data(), line,
                     wxString(func).utf8_str().data(), wxString(cond).utf8_str().data(),
                     wxString(msg).utf8_str().data());
    }
};

wxIMPLEMENT_APP_NO_MAIN(FrameworkApp);

int CWinApp::Run(int argc, char** argv)
{
    // OpenGL windows are bound through GLX, so the program runs on an X display, which a
    // Wayland session offers through XWayland. Without one there is nothing to show on.
    setenv("GDK_BACKEND", "x11", 1);
    g_displayProbe = XOpenDisplay(nullptr);
    if (g_displayProbe == nullptr) {
        std::fprintf(
            stderr,
            "%s draws with OpenGL through X11 and needs an X display or XWayland; none could be opened.\n",
            AfxGetAppName());
        return 1;
    }
    const int loopResult = wxEntry(argc, argv);
    if (g_displayProbe != nullptr)
        XCloseDisplay(g_displayProbe);  // the toolkit did not start
    return loopResult == 0 ? g_exitCode : 1;
}
