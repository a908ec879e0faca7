#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <string>

#include "xdnd/drop_target.h"

namespace xdnd {

// One complete XDND drag of a text/uri-list onto a known target, played without a
// pointer: enter, one position at the drop point, drop, then serving the data until the
// target reports it has finished.
class DragSource {
public:
    using Clock = std::chrono::steady_clock;

    DragSource(Display* display, const DropTarget& target, std::string uri_list);
    ~DragSource();
    DragSource(const DragSource&) = delete;
    DragSource& operator=(const DragSource&) = delete;

    // Every wait ends at `deadline`; on failure `error` says which step went wrong.
    bool Drop(Clock::time_point deadline, std::string* error);

private:
    struct Atoms {
        explicit Atoms(Display* display);
        Atom selection, enter, position, status, leave, drop, finished, action_copy, uri_list, targets,
            timestamp;
    };

    std::optional<Time> ServerTime(Clock::time_point deadline);
    void Send(Atom type, long data1, long data2, long data3, long data4);
    // Next client message of `type` from the target, answering selection requests while
    // waiting.
    std::optional<XClientMessageEvent> WaitFor(Atom type, Clock::time_point deadline);
    void AnswerSelectionRequest(const XSelectionRequestEvent& request);
    std::string Timeout(const char* message_name) const;

    Display* display_;
    DropTarget target_;
    std::string uri_list_;
    Atoms atoms_;
    Window source_ = None;
    int version_ = 0;
};

}  // namespace xdnd
