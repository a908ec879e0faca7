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

// The modal dialog on screen now, if any: its title, and ways to end it.
std::string AfxTestModalDialogTitle();
bool AfxTestPressInModalDialog(const std::string& buttonLabel);

// Each static text of the modal dialog: the room its label needs in the dialog's font, in
// pixels, the room the control has, and whether the control draws in that font.
struct AfxTestTextFit {
    std::string text;
    int neededWidth;
    int neededHeight;
    int width;
    int height;
    bool inDialogFont;
};
std::vector<AfxTestTextFit> AfxTestModalDialogTexts();
