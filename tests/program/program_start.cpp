// The program starts as it does for a person, on an 800 x 600 window, with message boxes
// collected instead of shown; the tests share that one start, and each test file finds it
// as it was (program_session.h says how).
#include "program_session.h"

#include "framework/win_app.h"

bool StartTestProgram()
{
    CollectMessages();
    return AfxGetApp()->InitInstance() && WaitFor(ViewDrawnAtItsSize);
}
