#include "wait_cursor.h"

#include <wx/utils.h>

namespace {
int g_level = 0;
}

void AfxBeginWaitCursor()
{
    if (g_level++ == 0)
        wxBeginBusyCursor();
}

void AfxEndWaitCursor()
{
    if (g_level == 0)
        return;
    if (--g_level == 0)
        wxEndBusyCursor();
}

int AfxWaitCursorLevel()
{
    return g_level;
}

void AfxRestoreWaitCursor(int level)
{
    while (g_level > level)
        AfxEndWaitCursor();
}
