#include <gtest/gtest.h>
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

class WriteVolumeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory_ = fs::temp_directory_path() / ("dorvane-write-volume-" + std::to_string(::getpid()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    std::size_t EntriesInDirectory() const
    {
        return std::size_t(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()));
    }

    fs::path directory_;
};

TEST_F(WriteVolumeTest, WritesTheExactBytesAndReplacesAnOldFile)
{
    const fs::path path = directory_ / "shape";
    std::ofstream(path) << "old contents";
    const std::vector<unsigned char> sizes_to_write[] = {volumes::Sphere(), {}, {7, 0, 255}};
    for (const auto& bytes : sizes_to_write) {
        std::string error;
        ASSERT_TRUE(volumes::WriteVolume(path.string(), bytes, &error)) << error;
        EXPECT_EQ(ReadFile(path), bytes);
        EXPECT_EQ(EntriesInDirectory(), 1u) << "temporary file left behind";
    }
}

TEST_F(WriteVolumeTest, FailuresNameThePathAndLeaveNoTemporaryFile)
{
    fs::create_directory(directory_ / "occupied-by-directory");
    const struct {
        fs::path path;
        int reason;
    } unwritable[] = {{directory_ / "missing" / "shape", ENOENT},
                      {directory_ / "occupied-by-directory", EISDIR}};
    for (const auto& [path, reason] : unwritable) {
        SCOPED_TRACE(path.string());
        std::string error;
        EXPECT_FALSE(volumes::WriteVolume(path.string(), volumes::Sphere(), &error));
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
        EXPECT_NE(error.find(std::strerror(reason)), std::string::npos) << error;
        EXPECT_EQ(EntriesInDirectory(), 1u);
    }
}

}  // namespace
