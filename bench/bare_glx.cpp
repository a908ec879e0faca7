// The baseline of the view's frame cost: the viewer's frame, drawn by the view's own OpenGL
// drawing (view/cube_scene) on a plain GLX window made with Xlib alone, no toolkit and no
// framework. The benchmark runs it as a process of its own and takes turns with it.
// Usage: bench_bare_glx FBCONFIG_ID WIDTH HEIGHT FD: the view's framebuffer configuration
// and client size, so that both draw into the same kind of buffer, and where to answer.
// Answers each line "I K" on standard input by drawing K frames of bench volume I (from
// angle 0 when I changes, turning as the view turns): "MS PEAK_KIB", the frames' clock time
// together and its peak resident set so far.
#include "bench.h"

#include "view/cube_scene.h"
#include "view/scene_constants.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

int main(int argc, char** argv)
{
    Display* dpy = argc == 5 ? XOpenDisplay(nullptr) : nullptr;
    std::FILE* answers = dpy != nullptr ? fdopen(std::atoi(argv[4]), "w") : nullptr;
    const int wanted[] = {GLX_FBCONFIG_ID, argc == 5 ? std::atoi(argv[1]) : 0, None};
    int count = 0;
    GLXFBConfig* configs =
        dpy != nullptr ? glXChooseFBConfig(dpy, DefaultScreen(dpy), wanted, &count) : nullptr;
    if (count < 1 || answers == nullptr) {
        std::fprintf(stderr,
                     "usage: bench_bare_glx FBCONFIG_ID WIDTH HEIGHT FD, on a display with that config\n");
        return 1;
    }
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    XVisualInfo* visual = glXGetVisualFromFBConfig(dpy, configs[0]);
    const Window root = RootWindow(dpy, visual->screen);
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(dpy, root, visual->visual, AllocNone);
    attributes.event_mask = StructureNotifyMask;
    // Bottom right, where it covers as little of the view as it can.
    const Window window = XCreateWindow(
        dpy, root, DisplayWidth(dpy, visual->screen) - width, DisplayHeight(dpy, visual->screen) - height,
        width, height, 0, visual->depth, InputOutput, visual->visual, CWColormap | CWEventMask, &attributes);
    XMapWindow(dpy, window);
    XEvent event;
    do
        XNextEvent(dpy, &event);
    while (event.type != MapNotify);
    XSelectInput(dpy, window, NoEventMask);  // nothing more to hear: events would only pile up
    const GLXContext context = glXCreateNewContext(dpy, configs[0], GLX_RGBA_TYPE, nullptr, True);
    glXMakeContextCurrent(dpy, window, window, context);
    // What the view sets up for a client area of this size.
    glClearDepth(1.0f);
    glEnable(GL_DEPTH_TEST);
    glViewport(0, 0, width, height);
    SetSceneProjection(static_cast<double>(width) / height);

    const std::vector<BenchVolume> volumes = BenchVolumes();
    std::size_t current = volumes.size();
    std::size_t index = 0;
    int frames = 0;
    float angle = 0.0f;
    while (std::scanf("%zu %d", &index, &frames) == 2 && index < volumes.size()) {
        if (index != current)
            angle = 0.0f;
        current = index;
        const double start = NowMs();
        for (int i = 0; i < frames; ++i, angle += kAngleStep) {
            DrawSceneFrame(volumes[index].cells.data(), angle, kEyeDistance);
            glXSwapBuffers(dpy, window);
        }
        std::fprintf(answers, "%.4f %ld\n", NowMs() - start, PeakKiB());
        std::fflush(answers);
    }
    XCloseDisplay(dpy);
    return 0;
}
