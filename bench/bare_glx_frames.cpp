// The viewer's frame, drawn by the view's own OpenGL drawing (view/cube_scene) on a plain
// GLX window made with Xlib alone (no toolkit, no framework): the baseline of the view's
// frame cost, what the frame costs OpenGL without the program around it. It runs as
// bench_viewer's partner and draws when told, while the view waits: the two take turns.
// Usage: bench_bare_glx WIDTH HEIGHT ALPHA_BITS DEPTH_BITS STENCIL_BITS, the view's client
// size and the bits of its pixel format, so that both draw into the same kind of buffer.
// Says "ready", then answers each line on standard input:
//   frames I K  draws K frames of bench volume I (from angle 0 when I changes, turning as
//               the view turns on each frame): their clock time in ms, together
//   peak        its peak resident set so far, in KiB
#include "bench_volumes.h"
#include "sample_stats.h"

#include "view/cube_scene.h"
#include "view/scene_constants.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Wanted {
    int width;
    int height;
    int alpha;
    int depth;
    int stencil;
};

int Attribute(Display* dpy, GLXFBConfig config, int attribute)
{
    int value = 0;
    glXGetFBConfigAttrib(dpy, config, attribute, &value);
    return value;
}

// The first double-buffered RGB8 window format with exactly the bits wanted, preferring
// one on the screen's default visual as a toolkit window would be.
GLXFBConfig ChooseConfig(Display* dpy, const Wanted& want)
{
    const int attributes[] = {GLX_X_RENDERABLE,
                              True,
                              GLX_DRAWABLE_TYPE,
                              GLX_WINDOW_BIT,
                              GLX_RENDER_TYPE,
                              GLX_RGBA_BIT,
                              GLX_DOUBLEBUFFER,
                              True,
                              GLX_RED_SIZE,
                              8,
                              GLX_GREEN_SIZE,
                              8,
                              GLX_BLUE_SIZE,
                              8,
                              None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(dpy, DefaultScreen(dpy), attributes, &count);
    const VisualID defaultVisual = XVisualIDFromVisual(DefaultVisual(dpy, DefaultScreen(dpy)));
    GLXFBConfig chosen = nullptr;
    for (int i = 0; i < count; ++i) {
        const GLXFBConfig config = configs[i];
        if (Attribute(dpy, config, GLX_RED_SIZE) != 8 ||
            Attribute(dpy, config, GLX_ALPHA_SIZE) != want.alpha ||
            Attribute(dpy, config, GLX_DEPTH_SIZE) != want.depth ||
            Attribute(dpy, config, GLX_STENCIL_SIZE) != want.stencil)
            continue;
        const bool onDefaultVisual =
            static_cast<VisualID>(Attribute(dpy, config, GLX_VISUAL_ID)) == defaultVisual;
        if (chosen == nullptr || onDefaultVisual)
            chosen = config;
        if (onDefaultVisual)
            break;
    }
    if (configs != nullptr)
        XFree(configs);
    return chosen;
}

Window OpenWindow(Display* dpy, GLXFBConfig config, const Wanted& want)
{
    XVisualInfo* visual = glXGetVisualFromFBConfig(dpy, config);
    const Window root = RootWindow(dpy, visual->screen);
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(dpy, root, visual->visual, AllocNone);
    attributes.event_mask = StructureNotifyMask;
    const int x = DisplayWidth(dpy, visual->screen) - want.width;
    const int y = DisplayHeight(dpy, visual->screen) - want.height;
    const Window window = XCreateWindow(dpy, root, x, y, want.width, want.height, 0, visual->depth,
                                        InputOutput, visual->visual, CWColormap | CWEventMask, &attributes);
    XFree(visual);
    XStoreName(dpy, window, "bare GLX frames");
    XMapWindow(dpy, window);
    XEvent event;
    do
        XNextEvent(dpy, &event);
    while (event.type != MapNotify);
    XSelectInput(dpy, window, NoEventMask);  // nothing more to hear: events would only pile up
    return window;
}

// Depth test, and the viewport and projection the view sets for a client area of this size.
void SetUpView(int width, int height)
{
    glClearDepth(1.0f);
    glEnable(GL_DEPTH_TEST);
    glViewport(0, 0, width, height);
    SetSceneProjection(static_cast<double>(width) / static_cast<double>(height));
}

double TimedFrames(Display* dpy, Window window, const BenchVolume& volume, float& angle, int count)
{
    const double start = NowMs();
    for (int i = 0; i < count; ++i) {
        DrawSceneFrame(volume.cells.data(), angle, kEyeDistance);
        glXSwapBuffers(dpy, window);
        angle += kAngleStep;
    }
    return MillisecondsSince(start);
}

void Serve(Display* dpy, Window window)
{
    const std::vector<BenchVolume> volumes = BenchVolumes();
    std::size_t current = volumes.size();
    float angle = 0.0f;
    std::printf("ready\n");
    std::fflush(stdout);
    char command[64];
    while (std::fgets(command, sizeof command, stdin) != nullptr) {
        std::size_t index = 0;
        int count = 0;
        if (std::sscanf(command, "frames %zu %d", &index, &count) == 2 && index < volumes.size() &&
            count > 0) {
            if (index != current) {
                current = index;
                angle = 0.0f;
            }
            std::printf("%.4f\n", TimedFrames(dpy, window, volumes[index], angle, count));
        } else if (std::strncmp(command, "peak", 4) == 0) {
            std::printf("%ld\n", PeakResidentKiB());
        } else {
            std::printf("?\n");
        }
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: bench_bare_glx WIDTH HEIGHT ALPHA_BITS DEPTH_BITS STENCIL_BITS\n");
        return 2;
    }
    const Wanted want{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                      std::atoi(argv[5])};
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "bench_bare_glx: no X display\n");
        return 1;
    }
    const GLXFBConfig config = ChooseConfig(dpy, want);
    if (config == nullptr) {
        std::fprintf(stderr, "bench_bare_glx: no format with alpha %d, depth %d, stencil %d\n", want.alpha,
                     want.depth, want.stencil);
        return 1;
    }
    const Window window = OpenWindow(dpy, config, want);
    const GLXContext context = glXCreateNewContext(dpy, config, GLX_RGBA_TYPE, nullptr, True);
    glXMakeContextCurrent(dpy, window, window, context);
    SetUpView(want.width, want.height);

    Serve(dpy, window);

    glXMakeContextCurrent(dpy, None, None, nullptr);
    glXDestroyContext(dpy, context);
    XDestroyWindow(dpy, window);
    XCloseDisplay(dpy);
    return 0;
}
