#include "screen_probe.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

constexpr int kBlock = 8;

bool IsOfProcess(Display* dpy, Window window, pid_t pid)
{
    static const Atom wmPid = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const bool read = XGetWindowProperty(dpy, window, wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                                         &remaining, &data) == Success;
    const bool match = read && data != nullptr && format == 32 && count == 1 &&
                       static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    if (data != nullptr)
        XFree(data);
    return match;
}

}  // namespace

Backdrop::Backdrop(Display* dpy) : m_dpy(dpy)
{
    const int screen = DefaultScreen(dpy);
    XColor magenta{};
    magenta.red = 0xFFFF;
    magenta.blue = 0xFFFF;
    XAllocColor(dpy, DefaultColormap(dpy, screen), &magenta);
    m_pixel = magenta.pixel;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = m_pixel;
    m_window = XCreateWindow(dpy, RootWindow(dpy, screen), 0, 0, DisplayWidth(dpy, screen),
                             DisplayHeight(dpy, screen), 0, CopyFromParent, InputOutput, CopyFromParent,
                             CWOverrideRedirect | CWBackPixel, &attributes);
    XMapWindow(dpy, m_window);
    XSync(dpy, False);
}

Backdrop::~Backdrop()
{
    XDestroyWindow(m_dpy, m_window);
    XSync(m_dpy, False);
}

std::optional<Window> MappedTopLevelOf(Display* dpy, pid_t pid)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Window> largest;
    long largestArea = 0;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(dpy, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        const long area = static_cast<long>(attributes.width) * attributes.height;
        if (area > largestArea && IsOfProcess(dpy, children[i], pid)) {
            largest = children[i];
            largestArea = area;
        }
    }
    if (children != nullptr)
        XFree(children);
    return largest;
}

ScreenRect RectOnScreen(Display* dpy, Window window)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(dpy, window, &attributes);
    ScreenRect rect;
    Window child = 0;
    XTranslateCoordinates(dpy, window, DefaultRootWindow(dpy), 0, 0, &rect.x, &rect.y, &child);
    rect.width = attributes.width;
    rect.height = attributes.height;
    return rect;
}

Window InnermostAtCentre(Display* dpy, Window topLevel)
{
    const ScreenRect top = RectOnScreen(dpy, topLevel);
    const int centreX = top.x + top.width / 2;
    const int centreY = top.y + top.height / 2;
    Window inner = topLevel;
    for (;;) {
        int x = 0;
        int y = 0;
        Window child = 0;
        XTranslateCoordinates(dpy, DefaultRootWindow(dpy), inner, centreX, centreY, &x, &y, &child);
        XWindowAttributes attributes;
        if (child == None || !XGetWindowAttributes(dpy, child, &attributes) ||
            attributes.c_class == InputOnly)
            return inner;
        inner = child;
    }
}

AreaLook LookOf(Display* dpy, const ScreenRect& area, unsigned long backdropPixel)
{
    const unsigned long black = BlackPixel(dpy, DefaultScreen(dpy));
    bool allBlack = true;
    bool anyBackdrop = false;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            const int x = area.x + area.width * i / 4 - kBlock / 2;
            const int y = area.y + area.height * j / 4 - kBlock / 2;
            XImage* image = XGetImage(dpy, DefaultRootWindow(dpy), x, y, kBlock, kBlock, AllPlanes, ZPixmap);
            if (image == nullptr)
                return AreaLook::backdrop;
            for (int py = 0; py < kBlock; ++py)
                for (int px = 0; px < kBlock; ++px) {
                    const unsigned long pixel = XGetPixel(image, px, py);
                    allBlack &= pixel == black;
                    anyBackdrop |= pixel == backdropPixel;
                }
            XDestroyImage(image);
        }
    if (allBlack)
        return AreaLook::black;
    return anyBackdrop ? AreaLook::backdrop : AreaLook::drawn;
}
