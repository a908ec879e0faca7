#pragma once

#include <X11/Xlib.h>

namespace xdnd {

// Xlib's default error handler exits the process; while one of these is alive, protocol
// errors (typically BadWindow when a window vanishes) are recorded instead so they can be
// reported in words. Traps nest: errors caught by an inner trap stay out of the outer one.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits for the server to process every request sent so far, then tells whether any
    // of them failed since the trap was set.
    bool Failed();

private:
    Display* display_;
    int (*previous_handler_)(Display*, XErrorEvent*);
    bool outer_error_seen_;
};

}  // namespace xdnd
