#include <gtest/gtest.h>

#include "child_process.h"

namespace {

// Rejected before any X connection is made, so these need no display.
TEST(XdndDropArguments, BadArgumentsExitWithUsage)
{
    const std::vector<std::string> cases[] = {
        {},
        {"0x400001"},
        {"window", "/tmp/a"},
        {"0x", "/tmp/a"},
        {"0", "/tmp/a"},
        {"-5", "/tmp/a"},
        {"12z", "/tmp/a"},
        {"0x400001", "relative/path"},
        {"0x400001", "/tmp/a", ""},
    };
    for (std::vector<std::string> arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        arguments.insert(arguments.begin(), XDND_DROP_PATH);
        const ProcessResult result = RunProcess(arguments, std::chrono::seconds(10));
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_code, 2);
        EXPECT_NE(result.error_output.find("usage:"), std::string::npos) << result.error_output;
    }
}

}  // namespace
