// Drops files onto an X window the way a file manager would, so the viewer's drop
// handling can be exercised from scripts and tests.
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "xdnd/drag_source.h"
#include "xdnd/drop_target.h"
#include "xdnd/uri_list.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// Covers the whole exchange; a live target answers within milliseconds.
constexpr std::chrono::seconds kTimeLimit{5};

const char kUsage[] = "usage: xdnd_drop WINDOW_ID PATH...\n"
                      "Drops the absolute PATHs as a text/uri-list onto the X window WINDOW_ID\n"
                      "(decimal or 0x hex), at its centre, using XDND. Gives up after 5 seconds.\n";

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "xdnd_drop: %s\n\n%s", message.c_str(), kUsage);
    return kExitUsage;
}

int Failure(const std::string& message)
{
    std::fprintf(stderr, "xdnd_drop: %s\n", message.c_str());
    return kExitFailure;
}

std::optional<Window> ParseWindowId(const std::string& text)
{
    const bool hex = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0;
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits[0] == '-' || digits[0] == '+')
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || *end != '\0' || value == 0)
        return std::nullopt;
    return Window(value);
}

int DropFiles(Display* display, Window window, const std::vector<std::string>& paths,
              xdnd::DragSource::Clock::time_point deadline)
{
    std::string error;
    const auto target = xdnd::FindDropTarget(display, window, &error);
    if (!target)
        return Failure(error);
    xdnd::DragSource drag(display, *target, xdnd::FileUriList(paths));
    if (!drag.Drop(deadline, &error))
        return Failure(error);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return UsageError("expected a WINDOW_ID and at least one PATH");
    const std::optional<Window> window = ParseWindowId(argv[1]);
    if (!window)
        return UsageError(std::string("'") + argv[1] + "' is not a window id");
    const std::vector<std::string> paths(argv + 2, argv + argc);
    for (const std::string& path : paths) {
        if (path.empty() || path[0] != '/')
            return UsageError("'" + path + "' is not an absolute path");
    }

    const auto deadline = xdnd::DragSource::Clock::now() + kTimeLimit;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        const char* name = std::getenv("DISPLAY");
        return Failure(std::string("cannot open X display '") + (name ? name : "") + "'");
    }
    const int status = DropFiles(display, *window, paths, deadline);
    XCloseDisplay(display);
    return status;
}
