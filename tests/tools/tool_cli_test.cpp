#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
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

class MakeVolumeCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory_ = fs::temp_directory_path() / ("dorvane-make-volume-" + std::to_string(::getpid()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    static ProcessResult Run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), MAKE_VOLUME_PATH);
        return RunProcess(arguments, seconds(20));
    }

    fs::path directory_;
};

struct RoundTrip {
    std::vector<std::string> arguments;  // before OUTPUT
    std::vector<std::string> options;    // after OUTPUT
    std::vector<unsigned char> expected;
};

TEST_F(MakeVolumeCli, WrittenFilesReadBackAsRequested)
{
    const RoundTrip cases[] = {
        {{"sphere"}, {}, volumes::Sphere()},
        {{"shell"}, {}, volumes::HollowShell()},
        {{"torus"}, {}, volumes::Torus()},
        {{"block"}, {}, volumes::FullBlock()},
        {{"empty"}, {}, volumes::Empty()},
        {{"cell"}, {}, volumes::SingleCellOnAxis()},
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
    }
}

TEST_F(MakeVolumeCli, SamplesDirectoryHoldsEveryShapeUnderItsPlainName)
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
    ASSERT_EQ(noise.size(), 1048576u);
    EXPECT_NEAR(double(std::count(noise.begin(), noise.end(), 1)) / noise.size(), 0.1, 0.005);
    EXPECT_EQ(std::distance(fs::directory_iterator(samples), fs::directory_iterator()), 6);
}

TEST_F(MakeVolumeCli, BadArgumentsAreRefusedWithoutWritingAnything)
{
    const std::string out = (directory_ / "out").string();
    const std::vector<std::string> cases[] = {
        {},
        {"sphere"},
        {"cube", out},
        {"sphere", out, "extra"},
        {"sphere", out, "--frobnicate"},
        {"sphere", out, "--seed", "3"},
        {"noise", out, "--density"},
        {"noise", out, "--density", "1.5"},
        {"noise", out, "--density", "-0.1"},
        {"noise", out, "--density", "half"},
        {"noise", out, "--seed", "-1"},
        {"noise", out, "--seed", "4294967296"},
        {"--bytes", "5", out},
        {"--fill", "5", out},
        {"--bytes", "5", "--fill", "256", out},
        {"--bytes", "5k", "--fill", "0", out},
        {"--bytes", "16777217", "--fill", "0", out},
        {"--bytes", "5", "--fill", "0"},
        {"--samples"},
        {"--samples", out, "sphere"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const ProcessResult result = Run(arguments);
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_code, 2);
        EXPECT_NE(result.error_output.find("usage:"), std::string::npos) << result.error_output;
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST_F(MakeVolumeCli, WriteFailureNamesTheFile)
{
    const std::string out = (directory_ / "missing" / "sphere").string();
    const ProcessResult result = Run({"sphere", out});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.error_output.find(out), std::string::npos) << result.error_output;
}

}  // namespace
