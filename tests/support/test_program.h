// The one entry of the in-process test programs. It runs GoogleTest with a configuration
// folder of the run's own (XDG_CONFIG_HOME) and the toolkit on $DISPLAY; each test program
// says how its windows come up before the tests and go after them.
#pragma once

#include "framework/frame_wnd.h"

#include <functional>
#include <string>
#include <vector>

// Defined by each test program: its start-up, FALSE when it failed. The tests over, the
// main window, if one is left, is closed and the application ends as the program's does.
bool StartTestProgram();

// The run's own folder, and a file of the given name and contents in it; its full path.
std::string TestFolder();
std::string WriteTestFile(const std::string& name, const std::vector<unsigned char>& bytes);

// The application's main window.
CFrameWnd* MainFrame();

// Runs the event loop (paints, sizes, timer ticks, posted messages) until done() holds,
// for at most half a minute, however loaded the machine; whether it held.
bool WaitFor(const std::function<bool()>& done);
