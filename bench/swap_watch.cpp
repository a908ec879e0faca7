// Stands in for glXSwapBuffers and hands each call on to the real one. Linked into the
// benchmark, it counts the frames that reached the window, rather than trusting the angle
// the view keeps, which is the very thing the pacing figures check. Preloaded into a
// program the benchmark starts (LD_PRELOAD, with BENCH_SWAP_FD naming a descriptor), it
// tells the benchmark, one line each:
//   shown MS WINDOW WIDTH HEIGHT  the first frame of a viewable window is on the screen: the
//                                 steady clock then, in ms, the window, its top level's size
//   drawn                         with BENCH_SWAP_PICTURE set too, the first frame that is
//                                 not black at its centre (reading it back costs llvmpipe over
//                                 2 MiB, so only runs that look for a picture pay that)
// Xvfb has no compositor: a frame is on the screen once the server has the swap.
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

long g_swaps = 0;

}  // namespace

extern "C" void glXSwapBuffers(Display* dpy, GLXDrawable drawable)
{
    using Swap = void (*)(Display*, GLXDrawable);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    static const char* const fd = std::getenv("BENCH_SWAP_FD");
    static const bool lookForPicture = std::getenv("BENCH_SWAP_PICTURE") != nullptr;
    static bool shown = false, drawn = false;
    GLint viewport[4] = {};
    unsigned char centre[4] = {};
    if (fd != nullptr && lookForPicture) {  // the back buffer, before the swap leaves it undefined
        glGetIntegerv(GL_VIEWPORT, viewport);
        glReadPixels(viewport[0] + viewport[2] / 2, viewport[1] + viewport[3] / 2, 1, 1, GL_RGBA,
                     GL_UNSIGNED_BYTE, centre);
    }
    ++g_swaps;
    real(dpy, drawable);
    XWindowAttributes attributes;
    if (fd != nullptr && !shown && XGetWindowAttributes(dpy, drawable, &attributes) &&
        attributes.map_state == IsViewable) {
        XSync(dpy, False);
        using namespace std::chrono;
        const double ms = duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
        Window top = drawable, root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        while (XQueryTree(dpy, top, &root, &parent, &children, &count)) {
            XFree(children);
            if (parent == root)
                break;
            top = parent;
        }
        XGetWindowAttributes(dpy, top, &attributes);
        shown = dprintf(std::atoi(fd), "shown %.3f %lu %d %d\n", ms, drawable, attributes.width,
                        attributes.height) > 0;
    }
    if (shown && !drawn && (centre[0] | centre[1] | centre[2]) != 0)
        drawn = dprintf(std::atoi(fd), "drawn\n") > 0;
}

long SwapsSoFar()
{
    return g_swaps;
}
