// The test tools as a test or a person runs them: make_volume writing volume files, and
// refusing arguments it cannot use.
#include <glib.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "volumes/volume_shapes.h"

namespace {

namespace fs = std::filesystem;

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

    // make_volume's exit status (124 when it hung and was stopped) and error output.
    static std::pair<int, std::string> Run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"timeout", "20", MAKE_VOLUME_PATH});
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        g_autofree gchar* errors = nullptr;
        g_autoptr(GError) error = nullptr;
        int status = -1;
        EXPECT_TRUE(g_spawn_sync(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr,
                                 nullptr, &errors, &status, &error));
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, errors != nullptr ? errors : ""};
    }

    static std::size_t EntriesIn(const fs::path& directory)
    {
        return std::size_t(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
    }

    fs::path directory_;
};

// Each case writes over the file the one before left, and leaves no temporary file behind;
// the samples case below writes the other shapes.
TEST_F(ToolCli, WrittenFilesReadBackAsRequested)
{
    const std::string out = (directory_ / "out file").string();
    const struct {
        std::vector<std::string> arguments;
        std::vector<unsigned char> expected;
    } cases[] = {
        {{"empty", out}, volumes::Empty()},
        {{"column", out}, volumes::AxisColumn()},
        {{"noise", out}, volumes::Noise(0.1, 1)},
        {{"noise", out, "--density", "0.5", "--seed", "7"}, volumes::Noise(0.5, 7)},
        {{"noise", out, "--seed", "4294967295"}, volumes::Noise(0.1, 4294967295u)},
        {{"--bytes", "5", "--fill", "7", out}, std::vector<unsigned char>(5, 7)},
        {{"--bytes", "0", "--fill", "1", out}, {}},
        {{"--fill", "255", "--bytes", "2097152", out}, std::vector<unsigned char>(2097152, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const auto [status, errors] = Run(c.arguments);
        EXPECT_EQ(status, 0) << errors;
        EXPECT_TRUE(ReadFile(out) == c.expected);
        EXPECT_EQ(EntriesIn(directory_), 1u);
    }
}

TEST_F(ToolCli, SamplesDirectoryHoldsEveryShapeUnderItsPlainName)
{
    const fs::path samples = directory_ / "new" / "samples";
    const auto [status, errors] = Run({"--samples", samples.string()});
    ASSERT_EQ(status, 0) << errors;
    const std::pair<const char*, std::vector<unsigned char>> files[] = {
        {"sphere", volumes::Sphere()},         {"shell", volumes::HollowShell()},
        {"torus", volumes::Torus()},           {"block", volumes::FullBlock()},
        {"cell", volumes::SingleCellOnAxis()}, {"noise", volumes::Noise(0.1, 1)}};
    for (const auto& [name, expected] : files)
        EXPECT_TRUE(ReadFile(samples / name) == expected) << name;
    EXPECT_EQ(EntriesIn(samples), 6u);
}

TEST_F(ToolCli, BadArgumentsAreRefusedWithUsageWithoutWritingAnything)
{
    const std::string out = (directory_ / "out").string();
    const std::vector<std::string> cases[] = {
        {},
        {"cube", out},
        {"sphere", out, "--frobnicate"},
        {"sphere", out, "--seed", "3"},
        {"noise", out, "--density"},
        {"noise", out, "--density", "1.5"},
        {"noise", out, "--seed", "4294967296"},
        {"--bytes", "5", out},
        {"--fill", "5", out},
        {"--bytes", "5k", "--fill", "0", out},
        {"--bytes", "5", "--fill", "256", out},
        {"--bytes", "5", "--fill", "0"},
        {"--samples", out, "sphere"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const auto [status, errors] = Run(arguments);
        EXPECT_EQ(status, 2);
        EXPECT_NE(errors.find("usage:"), std::string::npos) << errors;
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST_F(ToolCli, WriteFailureNamesTheFileAndTheReasonAndLeavesNoTemporaryFile)
{
    fs::create_directory(directory_ / "occupied-by-directory");
    const std::pair<fs::path, int> unwritable[] = {{directory_ / "missing" / "sphere", ENOENT},
                                                   {directory_ / "occupied-by-directory", EISDIR}};
    for (const auto& [path, reason] : unwritable) {
        SCOPED_TRACE(path.string());
        const auto [status, errors] = Run({"sphere", path.string()});
        EXPECT_EQ(status, 1);
        EXPECT_NE(errors.find(path.string()), std::string::npos) << errors;
        EXPECT_NE(errors.find(std::strerror(reason)), std::string::npos) << errors;
        EXPECT_EQ(EntriesIn(directory_), 1u);
    }
}

}  // namespace
