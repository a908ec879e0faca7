// The application-wide wait cursor: one count shared by every begin and end. An end
// that finds no begin outstanding changes nothing.
#pragma once

void AfxBeginWaitCursor();
void AfxEndWaitCursor();
int AfxWaitCursorLevel();
// Ends the waits begun since the count was at the given level; for loads that fail.
void AfxRestoreWaitCursor(int level);
