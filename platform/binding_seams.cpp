#include "binding_seams.h"

namespace {
PixelFormatSeam g_seam;
BindingCallWatch g_watch = nullptr;
}  // namespace

void SetPixelFormatSeam(const PixelFormatSeam& seam)
{
    g_seam = seam;
}

const PixelFormatSeam& CurrentPixelFormatSeam()
{
    return g_seam;
}

void SetBindingCallWatch(BindingCallWatch watch)
{
    g_watch = watch;
}

void AfxNoteBindingCall(const std::string& call)
{
    if (g_watch != nullptr)
        g_watch(call);
}
