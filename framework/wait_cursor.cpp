#include "wait_cursor.h"

#include <wx/utils.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// About the shortest wait a person notices as one.
constexpr Clock::duration kNoticeableWait = std::chrono::milliseconds(100);

int g_level = 0;
bool g_shown = false;
Clock::time_point g_waitBegun;

}  // namespace

void AfxBeginWaitCursor()
{
    if (g_level++ == 0)
        g_waitBegun = Clock::now();
}

void AfxEndWaitCursor()
{
    if (g_level == 0)
        return;
    if (--g_level == 0 && g_shown) {
        wxEndBusyCursor();
        g_shown = false;
    }
}

void AfxShowWaitCursorIfDue()
{
    if (g_level == 0 || g_shown || Clock::now() - g_waitBegun < kNoticeableWait)
        return;
    wxBeginBusyCursor();
    g_shown = true;
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
