// The desktop toolkit inside a test program: start it, run its event loop for a while,
// and reach the dialogs it shows, as a person at the screen would. This is the tests' side
// of the toolkit, so its sources include the toolkit's headers as the framework's do.
#pragma once

#include "framework/test_seams.h"  // the seams come with the session that runs the program
#include "platform/windows_types.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Starts the toolkit on $DISPLAY; FALSE when there is no display to start it on.
bool AfxTestStartToolkit(int& argc, char** argv);
void AfxTestStopToolkit();

// Runs the event loop (toolkit events, posted messages, idle handling) once round, or for
// the time given.
void AfxTestRunEventLoopOnce();
void AfxTestRunEventLoop(int milliseconds);
// Runs it until done() holds or the time is up; whether done() held.
bool AfxTestRunEventLoopUntil(const std::function<bool()>& done, int timeoutMilliseconds);
// Calls fn from within the event loop as soon as a modal dialog is on the screen (from
// within the dialog's own loop).
void AfxTestWhenModalDialogShows(std::function<void()> fn);

// Calls reached with each window the toolkit delivers an event to (a size, a paint...),
// before the window handles it, for as long as the watch lives.
class AfxTestEventWatch {
public:
    explicit AfxTestEventWatch(std::function<void(HWND)> reached);
    ~AfxTestEventWatch();

private:
    class Filter;
    std::unique_ptr<Filter> m_pFilter;
};

// A key pressed on a top-level window as the display delivers it (accelerators answer the
// press, so no release follows): the key
// that makes the symbol named, held with the modifiers before it, written as the toolkit
// writes shortcuts ("<Control><Shift>Left", "<Mod2>KP_5" with Num Lock on). It makes what
// the keyboard map says it makes with them (a capital A with Shift); a key this keyboard
// lacks (F13) makes its symbol as named. FALSE when the window is not on the display.
bool AfxTestPressKey(HWND hTopLevel, const std::string& keys);

// The modal dialog on screen now, if any (an empty title when none is): its title and each
// static text, with the room its label needs in the dialog's font, in pixels, the room the
// control has, and whether the control draws in that font; and a way to end it.
struct AfxTestTextFit {
    std::string text;
    int neededWidth, neededHeight, width, height;
    bool inDialogFont;
};
struct AfxTestDialog {
    std::string title;
    std::vector<AfxTestTextFit> texts;
};
AfxTestDialog AfxTestModalDialog();
bool AfxTestPressInModalDialog(const std::string& buttonLabel);
