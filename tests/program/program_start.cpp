// The program starts as it does for a person, on a 640 x 480 window, with message boxes
// collected instead of shown; the tests share that one start.
#include "program_session.h"

#include "framework/win_app.h"
#include "tests/support/toolkit_inspect.h"

bool StartTestProgram()
{
    CollectMessages();
    if (!AfxGetApp()->InitInstance())
        return false;
    AfxTestResizeWindow(MainFrame()->m_hWnd, 640, 480);
    Pump(300);
    return true;
}

void EndTestProgram()
{
    MainFrame()->SendMessage(WM_CLOSE);
    AfxGetApp()->ExitInstance();
}
