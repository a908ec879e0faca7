// The application-wide wait cursor: one count shared by every begin and end. An end
// that finds no begin outstanding changes nothing.
//
// The cursor itself goes up only once a wait has lasted long enough for a person to see
// it. Putting it up and taking it down are a message each to the X server, which between
// them cost more than loading a whole volume from the page cache; a cursor that changes
// for a tenth of a millisecond tells nobody anything. The waits that last are waits for
// a file, so file reads ask, piece by piece, whether the cursor is due.
#pragma once

void AfxBeginWaitCursor();
void AfxEndWaitCursor();
int AfxWaitCursorLevel();
// Ends the waits begun since the count was at the given level; for loads that fail.
void AfxRestoreWaitCursor(int level);
// Puts the cursor up when a wait is outstanding and has lasted long enough to be seen.
void AfxShowWaitCursorIfDue();
