// The OpenGL binding's two test seams: a display without a fitting pixel format, and a
// watch on the order of the binding's calls. Tests reach them through
// framework/test_seams.h; the program itself calls none of them.
#pragma once

#include <string>

struct PIXELFORMATDESCRIPTOR;

// A display without a fitting pixel format, or one whose formats all describe themselves
// as the descriptor given (a palette-based display, say).
struct PixelFormatSeam {
    bool failChoose = false;
    bool failSet = false;
    const PIXELFORMATDESCRIPTOR* describeAs = nullptr;
};
void SetPixelFormatSeam(const PixelFormatSeam& seam);
const PixelFormatSeam& CurrentPixelFormatSeam();

// The binding's calls as they are made ("SetTimer 1", "wglMakeCurrent none"...), for
// tests in which their order is what matters: a timer killed before its context goes.
using BindingCallWatch = void (*)(const std::string& call);
void SetBindingCallWatch(BindingCallWatch watch);
void AfxNoteBindingCall(const std::string& call);
