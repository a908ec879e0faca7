#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "child_process.h"
#include "xdnd_test_target.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

// Well past the helper's own 5 s limit, so a hang shows up as a kill, not a pass.
constexpr seconds kKillAfter{10};

std::string Hex(Window window)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", window);
    return text;
}

class XdndDrop : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The drops go to a real X display; scripts/with-display gives the run one.
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "DISPLAY is not set";
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr) << "cannot open display " << std::getenv("DISPLAY");
        root_ = DefaultRootWindow(display_);
    }
    void TearDown() override
    {
        if (display_ != nullptr)
            XCloseDisplay(display_);
    }

    static std::vector<std::string> Command(const std::string& window_id,
                                            const std::vector<std::string>& paths)
    {
        std::vector<std::string> command = {XDND_DROP_PATH, window_id};
        command.insert(command.end(), paths.begin(), paths.end());
        return command;
    }

    ProcessResult DropOnto(Window given, XdndTestTarget& target, const std::vector<std::string>& paths)
    {
        return RunProcess(Command(Hex(given), paths), kKillAfter,
                          [&](ChildProcess& source) { target.ServeUntilExit(source, kKillAfter); });
    }

    void ExpectDropPointAtCentreOf(Window window, const XdndTestTarget& target)
    {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window, &attributes);
        int x = 0;
        int y = 0;
        Window child = None;
        XTranslateCoordinates(display_, window, root_, attributes.width / 2, attributes.height / 2, &x, &y,
                              &child);
        EXPECT_EQ(target.position_x, x);
        EXPECT_EQ(target.position_y, y);
    }

    Display* display_ = nullptr;
    Window root_ = None;
};

struct EncodingCase {
    const char* what;
    std::vector<std::string> paths;
    std::string expected_uri_list;
};

TEST_F(XdndDrop, DeliversPathsAsPercentEncodedFileUris)
{
    const EncodingCase cases[] = {
        {"plain", {"/tmp/plain/file.vol"}, "file:///tmp/plain/file.vol\r\n"},
        {"spaces", {"/home/me/My Volumes/scan 1"}, "file:///home/me/My%20Volumes/scan%201\r\n"},
        {"UTF-8", {"/data/Größe/体积"}, "file:///data/Gr%C3%B6%C3%9Fe/%E4%BD%93%E7%A7%AF\r\n"},
        {"percent", {"/tmp/100% full"}, "file:///tmp/100%25%20full\r\n"},
        {"reserved",
         {"/a/#?&+=:;@!'(),*[]"},
         "file:///a/%23%3F%26%2B%3D%3A%3B%40%21%27%28%29%2C%2A%5B%5D\r\n"},
        {"unreserved", {"/keep/A-Z_a.z~09"}, "file:///keep/A-Z_a.z~09\r\n"},
        {"several", {"/one", "/two words", "/3%"}, "file:///one\r\nfile:///two%20words\r\nfile:///3%25\r\n"},
    };
    for (const EncodingCase& test : cases) {
        SCOPED_TRACE(test.what);
        XdndTestTarget target(display_, root_, 100, 150, 200, 100, TargetReply::kAccept);
        const ProcessResult result = DropOnto(target.window(), target, test.paths);
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_code, 0) << result.error_output;
        EXPECT_TRUE(target.enter_offered_uri_list);
        EXPECT_NE(
            std::find(target.selection_targets.begin(), target.selection_targets.end(), "text/uri-list"),
            target.selection_targets.end());
        EXPECT_EQ(target.uri_list, test.expected_uri_list);
        ExpectDropPointAtCentreOf(target.window(), target);
    }
}

// GTK marks only its toplevel as XdndAware, while the id at hand may be a child (a GL
// canvas) or a window manager frame around the toplevel.
TEST_F(XdndDrop, FindsTheAwareWindowAboveOrBelowTheGivenOne)
{
    XdndTestTarget aboveChild(display_, root_, 0, 0, 400, 300, TargetReply::kAccept);
    const Window child = CreateMappedWindow(display_, aboveChild.window(), 250, 50, 100, 100);
    const Window frame = CreateMappedWindow(display_, root_, 500, 500, 300, 300);
    XdndTestTarget inFrame(display_, frame, 50, 50, 200, 200, TargetReply::kAccept);
    const struct {
        const char* what;
        Window given;
        XdndTestTarget& target;
    } cases[] = {{"child of the aware window", child, aboveChild},
                 {"frame around the aware window", frame, inFrame}};
    for (const auto& [what, given, target] : cases) {
        SCOPED_TRACE(what);
        const ProcessResult result = DropOnto(given, target, {"/x y"});
        EXPECT_EQ(result.exit_code, 0) << result.error_output;
        EXPECT_EQ(target.uri_list, "file:///x%20y\r\n");
        ExpectDropPointAtCentreOf(given, target);
    }
}

TEST_F(XdndDrop, TargetThatRefusesOrStaysSilentFailsTheDrop)
{
    const struct {
        TargetReply reply;
        const char* expected_message;
        milliseconds at_most;
    } cases[] = {
        {TargetReply::kRefuse, "refused", milliseconds(5000)},
        {TargetReply::kSilent, "timed out", milliseconds(12000)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.expected_message);
        XdndTestTarget target(display_, root_, 100, 100, 200, 200, test.reply);
        const ProcessResult result = DropOnto(target.window(), target, {"/tmp/a"});
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_NE(result.error_output.find(test.expected_message), std::string::npos) << result.error_output;
        EXPECT_LE(result.elapsed, test.at_most);
        EXPECT_TRUE(target.got_leave) << "drag was not cancelled";
        EXPECT_TRUE(target.uri_list.empty());
    }
}

TEST_F(XdndDrop, WindowThatCannotTakeDropsFailsQuickly)
{
    const Window unaware = CreateMappedWindow(display_, root_, 100, 100, 200, 200);
    const Window destroyed = CreateMappedWindow(display_, root_, 100, 100, 200, 200);
    XDestroyWindow(display_, destroyed);
    XSync(display_, False);
    const struct {
        Window window;
        const char* expected_message;
    } cases[] = {
        {unaware, "XdndAware"},
        {destroyed, "does not exist"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.expected_message);
        const ProcessResult result = RunProcess(Command(Hex(test.window), {"/tmp/a"}), kKillAfter);
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_NE(result.error_output.find(test.expected_message), std::string::npos) << result.error_output;
        EXPECT_LE(result.elapsed, milliseconds(5000));
    }
}

}  // namespace
