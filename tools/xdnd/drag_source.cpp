#include "xdnd/drag_source.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <algorithm>

#include "xdnd/x_error_trap.h"

namespace xdnd {
namespace {

constexpr int kNewestVersion = 5;
// Oldest version whose messages carry the timestamp and action used here.
constexpr int kOldestVersion = 3;

// Largest property a single ChangeProperty request can carry; bigger data would need the
// INCR protocol, which a list of dropped files never warrants.
std::size_t MaxPropertyBytes(Display* display)
{
    long units = XExtendedMaxRequestSize(display);
    if (units == 0)
        units = XMaxRequestSize(display);
    return std::size_t(units) * 4 - 64;
}

// Blocks until an event arrives or the deadline passes.
bool NextEvent(Display* display, DragSource::Clock::time_point deadline, XEvent* event)
{
    for (;;) {
        if (XPending(display) > 0) {
            XNextEvent(display, event);
            return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - DragSource::Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, int(left.count()) + 1);
    }
}

}  // namespace

DragSource::Atoms::Atoms(Display* display)
    : selection(XInternAtom(display, "XdndSelection", False)),
      enter(XInternAtom(display, "XdndEnter", False)), position(XInternAtom(display, "XdndPosition", False)),
      status(XInternAtom(display, "XdndStatus", False)), leave(XInternAtom(display, "XdndLeave", False)),
      drop(XInternAtom(display, "XdndDrop", False)), finished(XInternAtom(display, "XdndFinished", False)),
      action_copy(XInternAtom(display, "XdndActionCopy", False)),
      uri_list(XInternAtom(display, "text/uri-list", False)), targets(XInternAtom(display, "TARGETS", False)),
      timestamp(XInternAtom(display, "XDND_DROP_TIMESTAMP", False))
{
}

DragSource::DragSource(Display* display, const DropTarget& target, std::string uri_list)
    : display_(display), target_(target), uri_list_(std::move(uri_list)), atoms_(display),
      version_(std::min(target.version, kNewestVersion))
{
    XSetWindowAttributes attributes;
    attributes.event_mask = PropertyChangeMask;
    source_ = XCreateWindow(display_, DefaultRootWindow(display_), -10, -10, 1, 1, 0, CopyFromParent,
                            InputOnly, CopyFromParent, CWEventMask, &attributes);
}

DragSource::~DragSource()
{
    XDestroyWindow(display_, source_);
    XSync(display_, False);
}

bool DragSource::Drop(Clock::time_point deadline, std::string* error)
{
    const std::string target_name = "window " + WindowName(target_.window);
    if (version_ < kOldestVersion) {
        *error = target_name + " speaks XDND version " + std::to_string(version_) + ", at least 3 is needed";
        return false;
    }
    if (uri_list_.size() > MaxPropertyBytes(display_)) {
        *error = "too many paths to drop at once";
        return false;
    }
    const std::optional<Time> time = ServerTime(deadline);
    if (!time) {
        *error = "timed out waiting for the X server";
        return false;
    }
    XSetSelectionOwner(display_, atoms_.selection, source_, *time);
    if (XGetSelectionOwner(display_, atoms_.selection) != source_) {
        *error = "could not take ownership of XdndSelection";
        return false;
    }

    XErrorTrap trap(display_);
    const std::string vanished = target_name + " disappeared during the drag";
    Send(atoms_.enter, long(version_) << 24, long(atoms_.uri_list), None, None);
    Send(atoms_.position, 0, (long(target_.root_x) << 16) | target_.root_y, long(*time),
         long(atoms_.action_copy));
    if (trap.Failed()) {
        *error = vanished;
        return false;
    }
    const auto status = WaitFor(atoms_.status, deadline);
    if (!status || !(status->data.l[1] & 1)) {
        Send(atoms_.leave, 0, 0, 0, 0);
        XSync(display_, False);
        *error = status ? target_name + " refused the drop of text/uri-list" : Timeout("XdndStatus");
        return false;
    }

    Send(atoms_.drop, 0, long(*time), 0, 0);
    if (trap.Failed()) {
        *error = vanished;
        return false;
    }
    const auto finished = WaitFor(atoms_.finished, deadline);
    if (!finished) {
        *error = Timeout("XdndFinished");
        return false;
    }
    // Before version 5 XdndFinished carries no verdict.
    if (version_ >= 5 && !(finished->data.l[1] & 1)) {
        *error = target_name + " reported that it could not take the drop";
        return false;
    }
    return true;
}

// Selection ownership and XDND messages want a real server timestamp rather than
// CurrentTime; a zero-length property append is the usual way to get one.
std::optional<Time> DragSource::ServerTime(Clock::time_point deadline)
{
    XChangeProperty(display_, source_, atoms_.timestamp, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    while (NextEvent(display_, deadline, &event)) {
        if (event.type == PropertyNotify && event.xproperty.window == source_)
            return event.xproperty.time;
    }
    return std::nullopt;
}

void DragSource::Send(Atom type, long data1, long data2, long data3, long data4)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = display_;
    event.xclient.window = target_.window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(source_);
    event.xclient.data.l[1] = data1;
    event.xclient.data.l[2] = data2;
    event.xclient.data.l[3] = data3;
    event.xclient.data.l[4] = data4;
    XSendEvent(display_, target_.window, False, NoEventMask, &event);
    XFlush(display_);
}

std::optional<XClientMessageEvent> DragSource::WaitFor(Atom type, Clock::time_point deadline)
{
    XEvent event;
    while (NextEvent(display_, deadline, &event)) {
        if (event.type == SelectionRequest) {
            AnswerSelectionRequest(event.xselectionrequest);
        } else if (event.type == ClientMessage && event.xclient.message_type == type &&
                   Window(event.xclient.data.l[0]) == target_.window) {
            return event.xclient;
        }
    }
    return std::nullopt;
}

void DragSource::AnswerSelectionRequest(const XSelectionRequestEvent& request)
{
    // A requestor that vanished meanwhile must not end the drag.
    XErrorTrap trap(display_);
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = display_;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = None;
    // Clients predating ICCCM 2 leave the property out and expect the target name.
    const Atom property = request.property != None ? request.property : request.target;
    if (request.selection == atoms_.selection && request.target == atoms_.targets) {
        const Atom offered[] = {atoms_.targets, atoms_.uri_list};
        XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(offered), 2);
        reply.xselection.property = property;
    } else if (request.selection == atoms_.selection && request.target == atoms_.uri_list) {
        XChangeProperty(display_, request.requestor, property, atoms_.uri_list, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(uri_list_.data()), int(uri_list_.size()));
        reply.xselection.property = property;
    }
    XSendEvent(display_, request.requestor, False, NoEventMask, &reply);
}

std::string DragSource::Timeout(const char* message_name) const
{
    return std::string("timed out waiting for ") + message_name + " from window " +
           WindowName(target_.window);
}

}  // namespace xdnd
