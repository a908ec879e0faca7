// The test tools as a test or a person runs them: make_volume writing volume files, and
// both tools refusing arguments they cannot use.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "child_process.h"
#include "volumes/volume_shapes.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

std::vector<unsigned char> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ToolCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory_ = fs::temp_directory_path() / ("dorvane-make-volume-" + std::to_string(::getpid()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    static ProcessResult Run(std::vector<std::string> arguments, const char* program = MAKE_VOLUME_PATH)
    {
        arguments.insert(arguments.begin(), program);
        return RunProcess(arguments, seconds(20));
    }

    static std::size_t EntriesIn(const fs::path& directory)
    {
        return std::size_t(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
    }

    fs::path directory_;
};

struct RoundTrip {
    std::vector<std::string> arguments;  // before OUTPUT
    std::vector<std::string> options;    // after OUTPUT
    std::vector<unsigned char> expected;
};

// Each case writes over the file the one before left, and leaves no temporary file behind;
// the samples case below writes the other shapes.
TEST_F(ToolCli, WrittenFilesReadBackAsRequested)
{
    const RoundTrip cases[] = {
        {{"empty"}, {}, volumes::Empty()},
        {{"column"}, {}, volumes::AxisColumn()},
        {{"noise"}, {}, volumes::Noise(0.1, 1)},
        {{"noise"}, {"--density", "0.5", "--seed", "7"}, volumes::Noise(0.5, 7)},
        {{"noise"}, {"--seed", "4294967295"}, volumes::Noise(0.1, 4294967295u)},
        {{"--bytes", "5", "--fill", "7"}, {}, std::vector<unsigned char>(5, 7)},
        {{"--bytes", "0", "--fill", "1"}, {}, {}},
        {{"--fill", "255", "--bytes", "2097152"}, {}, std::vector<unsigned char>(2097152, 255)},
    };
    for (const RoundTrip& test : cases) {
        std::vector<std::string> arguments = test.arguments;
        const fs::path output = directory_ / "out file";
        arguments.push_back(output.string());
        arguments.insert(arguments.end(), test.options.begin(), test.options.end());
        SCOPED_TRACE(testing::PrintToString(arguments));
        const ProcessResult result = Run(arguments);
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_code, 0) << result.error_output;
        EXPECT_TRUE(ReadFile(output) == test.expected);
        EXPECT_EQ(EntriesIn(directory_), 1u);
    }
}

TEST_F(ToolCli, SamplesDirectoryHoldsEveryShapeUnderItsPlainName)
{
    const fs::path samples = directory_ / "new" / "samples";
    const ProcessResult result = Run({"--samples", samples.string()});
    ASSERT_EQ(result.exit_code, 0) << result.error_output;
    const struct {
        const char* name;
        std::vector<unsigned char> expected;
    } files[] = {{"sphere", volumes::Sphere()},
                 {"shell", volumes::HollowShell()},
                 {"torus", volumes::Torus()},
                 {"block", volumes::FullBlock()},
                 {"cell", volumes::SingleCellOnAxis()}};
    for (const auto& [name, expected] : files)
        EXPECT_TRUE(ReadFile(samples / name) == expected) << name;
    const auto noise = ReadFile(samples / "noise");
    ASSERT_EQ(noise.size(), GridShape::kCells);
    EXPECT_NEAR(double(std::count(noise.begin(), noise.end(), 1)) / noise.size(), 0.1, 0.005);
    EXPECT_EQ(EntriesIn(samples), 6u);
}

TEST_F(ToolCli, BadArgumentsAreRefusedWithUsageWithoutWritingAnything)
{
    const std::string out = (directory_ / "out").string();
    const struct {
        const char* program;
        std::vector<std::string> arguments;
    } cases[] = {
        {MAKE_VOLUME_PATH, {}},
        {MAKE_VOLUME_PATH, {"sphere"}},
        {MAKE_VOLUME_PATH, {"cube", out}},
        {MAKE_VOLUME_PATH, {"sphere", out, "extra"}},
        {MAKE_VOLUME_PATH, {"sphere", out, "--frobnicate"}},
        {MAKE_VOLUME_PATH, {"sphere", out, "--seed", "3"}},
        {MAKE_VOLUME_PATH, {"noise", out, "--density"}},
        {MAKE_VOLUME_PATH, {"noise", out, "--density", "1.5"}},
        {MAKE_VOLUME_PATH, {"noise", out, "--density", "half"}},
        {MAKE_VOLUME_PATH, {"noise", out, "--seed", "-1"}},
        {MAKE_VOLUME_PATH, {"noise", out, "--seed", "4294967296"}},
        {MAKE_VOLUME_PATH, {"--bytes", "5", out}},
        {MAKE_VOLUME_PATH, {"--fill", "5", out}},
        {MAKE_VOLUME_PATH, {"--bytes", "5", "--fill", "256", out}},
        {MAKE_VOLUME_PATH, {"--bytes", "5k", "--fill", "0", out}},
        {MAKE_VOLUME_PATH, {"--bytes", "16777217", "--fill", "0", out}},
        {MAKE_VOLUME_PATH, {"--bytes", "5", "--fill", "0"}},
        {MAKE_VOLUME_PATH, {"--samples"}},
        {MAKE_VOLUME_PATH, {"--samples", out, "sphere"}},
    };
    for (const auto& [program, arguments] : cases) {
        SCOPED_TRACE(fs::path(program).filename().string() + " " + testing::PrintToString(arguments));
        const ProcessResult result = Run(arguments, program);
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_code, 2);
        EXPECT_NE(result.error_output.find("usage:"), std::string::npos) << result.error_output;
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST_F(ToolCli, WriteFailureNamesTheFileAndTheReasonAndLeavesNoTemporaryFile)
{
    fs::create_directory(directory_ / "occupied-by-directory");
    const struct {
        fs::path path;
        int reason;
    } unwritable[] = {{directory_ / "missing" / "sphere", ENOENT},
                      {directory_ / "occupied-by-directory", EISDIR}};
    for (const auto& [path, reason] : unwritable) {
        SCOPED_TRACE(path.string());
        const ProcessResult result = Run({"sphere", path.string()});
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_NE(result.error_output.find(path.string()), std::string::npos) << result.error_output;
        EXPECT_NE(result.error_output.find(std::strerror(reason)), std::string::npos) << result.error_output;
        EXPECT_EQ(EntriesIn(directory_), 1u);
    }
}

}  // namespace
