// Stands in for glXSwapBuffers within this program and hands each call on to the real
// one, so that frames drawn are counted by what reached the window rather than by the
// angle the view keeps, which is the very thing the pacing figures check.
#include "swap_counter.h"

#include <GL/glx.h>
#include <dlfcn.h>

namespace {

long g_swaps = 0;

}  // namespace

extern "C" void glXSwapBuffers(Display* dpy, GLXDrawable drawable)
{
    using Swap = void (*)(Display*, GLXDrawable);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    ++g_swaps;
    real(dpy, drawable);
}

long SwapsSoFar()
{
    return g_swaps;
}
