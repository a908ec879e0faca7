// Test seams: the few places where a test stands in for a person or a display. Each
// replaces one thing a person would do or see, never the road to it; the program itself
// calls none of these. The OpenGL binding's two come from the layer below.
#pragma once

#include "platform/binding_seams.h"
#include "platform/windows_types.h"

#include <string>

class CString;
struct AfxResourceModule;

// A person reading and closing a message box: boxes go to the hook, which gives the answer.
using AfxMessageBoxHook = int (*)(const char* text, const char* caption, UINT type);
void AfxSetMessageBoxHook(AfxMessageBoxHook hook);

// A person choosing a file in File Open's chooser; an empty path stands for cancelling.
using AfxFileChooser = CString (*)();
void AfxSetFileChooser(AfxFileChooser chooser);

// Where the debug trace goes: standard error unless a test collects it.
using AfxTraceSink = void (*)(const std::string& line);
void AfxSetTraceSink(AfxTraceSink sink);

// A copy of the program's resource set, in force from the first call on, to take a bitmap
// or an icon away.
AfxResourceModule& AfxOverrideResources();
