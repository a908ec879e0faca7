#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <vector>

#include "child_process.h"

// How the target answers XdndPosition.
enum class TargetReply { kAccept, kRefuse, kSilent };

// A drop target written directly against the XDND protocol, standing in for a GTK
// window: it accepts (or not) text/uri-list, fetches TARGETS and the uri list from
// XdndSelection on drop, and reports XdndFinished. What it saw is kept for checking.
class XdndTestTarget {
public:
    XdndTestTarget(Display* display, Window parent, int x, int y, int width, int height, TargetReply reply);
    XdndTestTarget(const XdndTestTarget&) = delete;
    XdndTestTarget& operator=(const XdndTestTarget&) = delete;

    Window window() const { return window_; }
    // Answers the drag until `source` exits or `limit` passes.
    void ServeUntilExit(ChildProcess& source, std::chrono::milliseconds limit);

    bool enter_offered_uri_list = false;
    int position_x = -1;  // root coordinates from XdndPosition
    int position_y = -1;
    std::vector<std::string> selection_targets;  // answer to TARGETS
    std::string uri_list;                        // the dropped data
    bool got_leave = false;

private:
    void OnClientMessage(const XClientMessageEvent& message);
    void OnSelectionNotify(const XSelectionEvent& notify);
    void Reply(Atom type, long data1, long data2, long data3, long data4);
    std::vector<unsigned char> TakeProperty(int* format);

    Display* display_;
    TargetReply reply_;
    Window window_;
    Window source_ = None;
    Time drop_time_ = CurrentTime;
    Atom enter_, position_, status_, leave_, drop_, finished_, selection_, action_copy_, uri_list_type_,
        targets_, property_;
};

Window CreateMappedWindow(Display* display, Window parent, int x, int y, int width, int height);
