// Reading what a program shows, from outside it, on the X display.
#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <sys/types.h>

// A window of our own, in a colour neither measured program ever draws, under every
// window made after it: a part of a window that nothing has been drawn into yet shows
// this colour, never black.
class Backdrop {
public:
    explicit Backdrop(Display* dpy);
    ~Backdrop();
    unsigned long Pixel() const { return m_pixel; }

private:
    Display* m_dpy;
    Window m_window;
    unsigned long m_pixel;
};

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The largest mapped top-level window of the process (_NET_WM_PID), if it has one yet.
std::optional<Window> MappedTopLevelOf(Display* dpy, pid_t pid);
ScreenRect RectOnScreen(Display* dpy, Window window);
// The deepest mapped window under the centre of a top level: the GL view in both programs.
Window InnermostAtCentre(Display* dpy, Window topLevel);

// What nine small blocks spread over the area show, read back from the screen: all black,
// some of the backdrop still, or anything else (a picture, or a toolkit's background).
enum class AreaLook { black, backdrop, drawn };
AreaLook LookOf(Display* dpy, const ScreenRect& area, unsigned long backdropPixel);
