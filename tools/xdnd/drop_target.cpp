#include "xdnd/drop_target.h"

#include <X11/Xatom.h>

#include <cstdio>

#include "xdnd/x_error_trap.h"

namespace xdnd {
namespace {

// 0 when the window does not take drops.
int AdvertisedVersion(Display* display, Window window)
{
    const Atom aware = XInternAtom(display, "XdndAware", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    int version = 0;
    if (XGetWindowProperty(display, window, aware, 0, 1, False, XA_ATOM, &type, &format, &count, &remaining,
                           &data) == Success &&
        type == XA_ATOM && format == 32 && count == 1) {
        version = int(reinterpret_cast<unsigned long*>(data)[0]);
    }
    if (data != nullptr)
        XFree(data);
    return version;
}

Window ParentOf(Display* display, Window window)
{
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return None;
    if (children != nullptr)
        XFree(children);
    return parent;
}

std::optional<DropTarget> SearchUpwards(Display* display, Window window, Window root)
{
    for (Window candidate = window; candidate != None && candidate != root;
         candidate = ParentOf(display, candidate)) {
        if (const int version = AdvertisedVersion(display, candidate); version > 0)
            return DropTarget{candidate, version, 0, 0};
    }
    return std::nullopt;
}

std::optional<DropTarget> SearchUnderPoint(Display* display, Window window, Window root, int root_x,
                                           int root_y)
{
    Window current = window;
    for (;;) {
        int x = 0;
        int y = 0;
        Window child = None;
        if (!XTranslateCoordinates(display, root, current, root_x, root_y, &x, &y, &child) || child == None)
            return std::nullopt;
        if (const int version = AdvertisedVersion(display, child); version > 0)
            return DropTarget{child, version, 0, 0};
        current = child;
    }
}

}  // namespace

std::string WindowName(Window window)
{
    char name[32];
    std::snprintf(name, sizeof name, "0x%lx", window);
    return name;
}

std::optional<DropTarget> FindDropTarget(Display* display, Window window, std::string* error)
{
    XErrorTrap trap(display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || trap.Failed()) {
        *error = "window " + WindowName(window) + " does not exist";
        return std::nullopt;
    }
    int root_x = 0;
    int root_y = 0;
    Window child = None;
    XTranslateCoordinates(display, window, attributes.root, attributes.width / 2, attributes.height / 2,
                          &root_x, &root_y, &child);
    auto target = SearchUpwards(display, window, attributes.root);
    if (!target)
        target = SearchUnderPoint(display, window, attributes.root, root_x, root_y);
    if (trap.Failed()) {
        *error = "window " + WindowName(window) + " disappeared while looking for a drop target";
        return std::nullopt;
    }
    if (!target) {
        *error = "neither window " + WindowName(window) +
                 " nor its ancestors nor the windows under its centre are XdndAware";
        return std::nullopt;
    }
    target->root_x = root_x;
    target->root_y = root_y;
    return target;
}

}  // namespace xdnd
