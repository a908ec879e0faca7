#include "xdnd/x_error_trap.h"

namespace xdnd {
namespace {

// Xlib offers only a process-wide handler, so the flag is process-wide too.
bool g_error_seen = false;

int RecordError(Display*, XErrorEvent*)
{
    g_error_seen = true;
    return 0;
}

}  // namespace

XErrorTrap::XErrorTrap(Display* display) : display_(display)
{
    XSync(display_, False);  // earlier errors belong to whoever was handling them before
    previous_handler_ = XSetErrorHandler(RecordError);
    outer_error_seen_ = g_error_seen;
    g_error_seen = false;
}

XErrorTrap::~XErrorTrap()
{
    XSync(display_, False);
    g_error_seen = outer_error_seen_;
    XSetErrorHandler(previous_handler_);
}

bool XErrorTrap::Failed()
{
    XSync(display_, False);
    return g_error_seen;
}

}  // namespace xdnd
