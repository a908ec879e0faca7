// Files that are odd in every way a person's disk can make them, through both roads.
#include "program_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

std::vector<unsigned char> Pattern(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(size);
    for (auto& b : bytes)
        b = random() % 3 == 0 ? static_cast<unsigned char>(random()) : 0;
    return bytes;
}

}  // namespace

TEST(Hardening, PathsOfEveryShapeLoadOnBothRoads)
{
    const std::string folder = TestFolder();
    std::filesystem::create_directories(folder + "/" + std::string(200, 'd') + "/" + std::string(200, 'e'));
    const std::string names[] = {
        "with spaces in it",
        "quotes \" and ' too",
        "non-ASCII \xC3\xA9t\xC3\xA9 \xE4\xBD\x93\xE7\xA7\xAF",
        "a\nnewline",
        std::string(200, 'd') + "/" + std::string(200, 'e') + "/" + std::string(250, 'f'),
    };
    unsigned seed = 1;
    for (const std::string& name : names) {
        const auto bytes = Pattern(kVolume, seed++);
        const std::string path = WriteTestFile(name, bytes);
        OpenThroughFileOpen(path);
        EXPECT_TRUE(TakeMessages().empty()) << name;
        EXPECT_EQ(Document()->m_voxels.cells, Decoded(bytes).cells) << name;
        const auto other = Pattern(kVolume, seed++);
        DropOnView({WriteTestFile(name, other)});
        EXPECT_TRUE(TakeMessages().empty()) << name;
        EXPECT_EQ(View()->m_voxels.cells, Decoded(other).cells) << name;
        EXPECT_EQ(Caption(), path) << name;
    }
}

TEST(Hardening, AHugeSparseFileLoadsItsFirstMegabyteOnly)
{
    const std::string path = WriteTestFile("huge", Pattern(kVolume, 99));
    ASSERT_EQ(::truncate(path.c_str(), 4LL << 30), 0);
    OpenThroughFileOpen(path);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Document()->m_voxels.cells, Decoded(Pattern(kVolume, 99)).cells);
    DropOnView({path});
    EXPECT_EQ(View()->m_voxels.cells, Decoded(Pattern(kVolume, 99)).cells);
    EXPECT_EQ(::unlink(path.c_str()), 0);
}
