#include "xdnd_test_target.h"

#include <X11/Xatom.h>
#include <poll.h>

Window CreateMappedWindow(Display* display, Window parent, int x, int y, int width, int height)
{
    const Window window =
        XCreateSimpleWindow(display, parent, x, y, unsigned(width), unsigned(height), 0, 0, 0);
    XMapWindow(display, window);
    XSync(display, False);
    return window;
}

XdndTestTarget::XdndTestTarget(Display* display, Window parent, int x, int y, int width, int height,
                               TargetReply reply)
    : display_(display), reply_(reply), window_(CreateMappedWindow(display, parent, x, y, width, height)),
      enter_(XInternAtom(display, "XdndEnter", False)),
      position_(XInternAtom(display, "XdndPosition", False)),
      status_(XInternAtom(display, "XdndStatus", False)), leave_(XInternAtom(display, "XdndLeave", False)),
      drop_(XInternAtom(display, "XdndDrop", False)), finished_(XInternAtom(display, "XdndFinished", False)),
      selection_(XInternAtom(display, "XdndSelection", False)),
      action_copy_(XInternAtom(display, "XdndActionCopy", False)),
      uri_list_type_(XInternAtom(display, "text/uri-list", False)),
      targets_(XInternAtom(display, "TARGETS", False)),
      property_(XInternAtom(display, "TEST_DROP_DATA", False))
{
    const long version = 5;
    XChangeProperty(display_, window_, XInternAtom(display, "XdndAware", False), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&version), 1);
    XSync(display_, False);
}

void XdndTestTarget::ServeUntilExit(ChildProcess& source, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!source.Exited() && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == ClientMessage)
                OnClientMessage(event.xclient);
            if (event.type == SelectionNotify)
                OnSelectionNotify(event.xselection);
        }
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, 10);
    }
}

void XdndTestTarget::OnClientMessage(const XClientMessageEvent& message)
{
    const long* data = message.data.l;
    if (message.message_type == enter_) {
        source_ = Window(data[0]);
        for (int i = 2; i <= 4; ++i)
            enter_offered_uri_list |= Atom(data[i]) == uri_list_type_;
    } else if (message.message_type == position_) {
        position_x = int((data[2] >> 16) & 0xFFFF);
        position_y = int(data[2] & 0xFFFF);
        if (reply_ == TargetReply::kAccept)
            Reply(status_, 1, 0, 0, long(action_copy_));
        if (reply_ == TargetReply::kRefuse)
            Reply(status_, 0, 0, 0, None);
    } else if (message.message_type == leave_) {
        got_leave = true;
    } else if (message.message_type == drop_) {
        drop_time_ = Time(data[2]);
        XConvertSelection(display_, selection_, targets_, property_, window_, drop_time_);
    }
}

void XdndTestTarget::OnSelectionNotify(const XSelectionEvent& notify)
{
    if (notify.target == targets_) {
        int format = 0;
        const auto bytes = notify.property == None ? std::vector<unsigned char>() : TakeProperty(&format);
        const auto* atoms = reinterpret_cast<const unsigned long*>(bytes.data());
        for (std::size_t i = 0; format == 32 && i < bytes.size() / sizeof(unsigned long); ++i) {
            char* name = XGetAtomName(display_, Atom(atoms[i]));
            selection_targets.push_back(name);
            XFree(name);
        }
        XConvertSelection(display_, selection_, uri_list_type_, property_, window_, drop_time_);
    } else if (notify.target == uri_list_type_) {
        int format = 0;
        if (notify.property != None) {
            const auto bytes = TakeProperty(&format);
            uri_list.assign(bytes.begin(), bytes.end());
        }
        Reply(finished_, notify.property != None ? 1 : 0, long(action_copy_), 0, 0);
    }
}

void XdndTestTarget::Reply(Atom type, long data1, long data2, long data3, long data4)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = source_;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(window_);
    event.xclient.data.l[1] = data1;
    event.xclient.data.l[2] = data2;
    event.xclient.data.l[3] = data3;
    event.xclient.data.l[4] = data4;
    XSendEvent(display_, source_, False, NoEventMask, &event);
    XFlush(display_);
}

// Reads and deletes the selection property. Format 32 data comes back as longs.
std::vector<unsigned char> XdndTestTarget::TakeProperty(int* format)
{
    Atom type = None;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned char> bytes;
    if (XGetWindowProperty(display_, window_, property_, 0, 1 << 20, True, AnyPropertyType, &type, format,
                           &count, &remaining, &data) == Success &&
        data != nullptr) {
        const std::size_t unit = *format == 32 ? sizeof(long) : std::size_t(*format / 8);
        bytes.assign(data, data + count * unit);
    }
    if (data != nullptr)
        XFree(data);
    return bytes;
}
