// The keys of a frame window: the accelerator table it is loaded with is the one source of
// its key bindings. Framework-internal.
#pragma once

#include "platform/windows_types.h"

class wxFrame;

// Binds each entry of accelerator table nIDResource to the key its code names, held with
// its modifiers; an entry whose code names no key is left out, with a trace line.
void AfxBindAccelerators(wxFrame* frame, UINT nIDResource);

// Leaves the shortcuts written in the frame's menu texts on show, bound to nothing: a
// menu shows the keys, the accelerator table binds them. Called once the menu bar is set.
void AfxUnbindMenuTextShortcuts(wxFrame* frame);
