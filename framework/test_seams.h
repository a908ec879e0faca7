// Test seams: the few places where a test stands in for a person or a display. Each
// replaces one thing a person would do or see, never the road to it; the program itself
// calls none of these. The OpenGL binding below the framework takes its two from here too.
#pragma once

#include "platform/windows_types.h"

#include <string>

class CString;
struct AfxResourceModule;
struct PIXELFORMATDESCRIPTOR;

// A person reading and closing a message box: boxes go to the hook, which gives the answer.
using AfxMessageBoxHook = int (*)(const char* text, const char* caption, UINT type);
void AfxSetMessageBoxHook(AfxMessageBoxHook hook);

// A person choosing a file in File Open's chooser; an empty path stands for cancelling.
using AfxFileChooser = CString (*)();
void AfxSetFileChooser(AfxFileChooser chooser);

// Where the debug trace goes: standard error unless a test collects it.
using AfxTraceSink = void (*)(const std::string& line);
void AfxSetTraceSink(AfxTraceSink sink);

// The resource set in force, to take a bitmap or an icon away.
AfxResourceModule& AfxOverrideResources();

// A display without a fitting pixel format, or one whose formats all describe themselves
// as the descriptor given (a palette-based display, say).
struct PixelFormatSeam {
    bool failChoose = false;
    bool failSet = false;
    const PIXELFORMATDESCRIPTOR* describeAs = nullptr;
};
void SetPixelFormatSeam(const PixelFormatSeam& seam);

// The binding's calls as they are made ("SetTimer 1", "wglMakeCurrent none"...), for
// tests in which their order is what matters: a timer killed before its context goes.
using BindingCallWatch = void (*)(const std::string& call);
void SetBindingCallWatch(BindingCallWatch watch);
void AfxNoteBindingCall(const std::string& call);
