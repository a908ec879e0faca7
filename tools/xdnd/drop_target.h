#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>

namespace xdnd {

struct DropTarget {
    Window window = None;  // the window carrying XdndAware
    int version = 0;       // protocol version it advertises
    int root_x = 0;        // drop point, in root window coordinates
    int root_y = 0;
};

// Picks the XdndAware window for a drop at the centre of `window`: the window itself or
// its nearest ancestor (GTK marks the toplevel), otherwise the first descendant under the
// centre that has it (when `window` is a window manager frame).
std::optional<DropTarget> FindDropTarget(Display* display, Window window, std::string* error);

// "0x" followed by the window id in hex, as xwininfo prints it.
std::string WindowName(Window window);

}  // namespace xdnd
