// The two roads by which a volume reaches the picture: File Open through the document,
// and a file dropped on the view. Good files, bad ones, and files odd in every way a
// person's disk can make them.
#include "program_session.h"

#include "framework/wait_cursor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<unsigned char> OneAt(std::size_t offset)
{
    std::vector<unsigned char> bytes(kVolume, 0);
    bytes[offset] = 0x80;
    return bytes;
}

std::vector<unsigned char> Pattern(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(size);
    for (auto& b : bytes)
        b = random() % 3 == 0 ? static_cast<unsigned char>(random()) : 0;
    return bytes;
}

// Starts each case from a known state: the document and the view hold the all-ones volume.
class Loading : public ::testing::Test {
protected:
    void SetUp() override
    {
        TakeMessages();
        OpenThroughFileOpen(WriteTestFile("ones", std::vector<unsigned char>(kVolume, 0xFF)));
        ASSERT_TRUE(TakeMessages().empty());
        ones = Decoded(std::vector<unsigned char>(kVolume, 1));
        ASSERT_TRUE(Document()->m_voxels.cells == ones.cells);
    }
    VoxelGrid ones;
};

}  // namespace

TEST_F(Loading, SingleCellsLandWhereTheirOffsetsSay)
{
    constexpr std::size_t kRow = VoxelGrid::kRowStride, kLayer = VoxelGrid::kLayerStride;
    constexpr int kLastLayer = VoxelGrid::kLayers - 1, kLastRow = VoxelGrid::kRows - 1,
                  kLastColumn = VoxelGrid::kColumns - 1;
    const struct {
        std::size_t offset;
        int layer, row, column;
    } cases[] = {{0, 0, 0, 0},      {kRow - 1, 0, 0, kLastColumn},
                 {kRow, 0, 1, 0},   {kLayer - 1, 0, kLastRow, kLastColumn},
                 {kLayer, 1, 0, 0}, {kVolume - 1, kLastLayer, kLastRow, kLastColumn}};
    for (const auto& c : cases) {
        OpenThroughFileOpen(WriteTestFile("cell", OneAt(c.offset)));
        EXPECT_EQ(Document()->m_voxels[VoxelGrid::Index(c.layer, c.row, c.column)], 1) << c.offset;
    }
}

// Paths that name no volume are refused in words on both roads, and nothing changes.
TEST_F(Loading, BadPathsAreRefusedInWordsOnBothRoads)
{
    const std::string folder = TestFolder();
    const std::string fifo = folder + "/pipe", fed = folder + "/pipe with a writer";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(fed.c_str(), 0600), 0);
    // Held open and fed a byte: opening it does not wait, but reading a volume would.
    const int writer = ::open(fed.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "x", 1), 1);
    const std::string loop = folder + "/loop";
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    const std::string subfolder = folder + "/a folder";
    ASSERT_EQ(::mkdir(subfolder.c_str(), 0700), 0);
    const std::string secret = WriteTestFile("secret", std::vector<unsigned char>(kVolume, 0));
    ASSERT_EQ(::chmod(secret.c_str(), 0), 0);
    const std::string notRegular = "it is not a regular file (a pipe, a device or a socket)";
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {folder + "/nothing here", "there is no such file"},
        {subfolder, "it is a folder, not a file"},
        {fifo, notRegular},
        {fed, notRegular},
        {folder + "/" + std::string(5000, 'x'), "the path is too long or loops"},
        {loop, "the path is too long or loops"},
        {secret, "permission to read it is denied"},
    };
    for (const auto& c : cases) {
        SetUp();
        // As a user without rights: root reads anything.
        const bool asNobody = c.path == secret && ::geteuid() == 0;
        if (asNobody) {
            ASSERT_EQ(::seteuid(65534), 0);
        }
        OpenThroughFileOpen(c.path);
        DropOnView({c.path});
        if (asNobody) {
            ASSERT_EQ(::seteuid(0), 0);
        }
        const std::string message = "Cannot open \"" + c.path + "\": " + c.reason + ".";
        EXPECT_EQ(TakeMessages(), (std::vector<std::string>{message, message})) << c.reason;
        EXPECT_TRUE(View()->m_voxels.cells == ones.cells) << c.reason << ": the picture must stay";
        EXPECT_TRUE(Document()->m_voxels.cells == ones.cells) << c.reason;
        EXPECT_EQ(Caption(), "Dorvane") << c.reason;
        EXPECT_EQ(AfxWaitCursorLevel(), 0) << c.reason << ": the busy cursor must end";
    }
    ::close(writer);
}

TEST_F(Loading, ADropLoadsTheLastFileIntoTheViewOnly)
{
    const std::string first = WriteTestFile("first", std::vector<unsigned char>(kVolume, 0));
    const std::string second = WriteTestFile("second", OneAt(5));
    const std::string last = WriteTestFile("last one", OneAt(VoxelGrid::kLayerStride));
    DropOnView({first, second, last});
    EXPECT_TRUE(View()->m_voxels.cells == Decoded(OneAt(VoxelGrid::kLayerStride)).cells);
    EXPECT_TRUE(Document()->m_voxels.cells == ones.cells);
    EXPECT_EQ(Caption(), last);
    EXPECT_EQ(AfxWaitCursorLevel(), 0);
}

// Files of every length, on both roads. The document reads a volume a quarter at a time,
// and files are read half a volume at a time: lengths about those pieces, where a piece's
// first or last byte could go astray. Every other byte is occupied, so a cell shifted by
// one or left from the last volume (all occupied) shows; a whole volume comes first, so
// that what a shorter file leaves of it shows too.
TEST_F(Loading, FilesOfEveryLengthAndEndingAboutThePiecesTheyAreReadIn)
{
    constexpr std::size_t kQuarter = kVolume / 4;
    const std::size_t sizes[] = {
        kVolume,
        0,
        1,
        kQuarter - 1,
        kQuarter,
        kQuarter + 1,
        2 * kQuarter - 1,
        2 * kQuarter,
        2 * kQuarter + 1,
        3 * kQuarter,
        kVolume - kQuarter / 2,
        kVolume - 1,
        kVolume + 2,  // its extra bytes occupied, and ignored
    };
    for (std::size_t size : sizes) {
        std::vector<unsigned char> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = i % 2 == 1 ? 0x40 : 0;
        const std::string path = WriteTestFile("alternate", bytes);

        // File Open replaces the cells the file has and keeps the rest, and names a short
        // file's length.
        SetUp();
        OpenThroughFileOpen(path);
        const std::size_t had = std::min(size, kVolume);
        VoxelGrid expected = ones;
        for (std::size_t i = 0; i < had; ++i)
            expected[i] = static_cast<BYTE>(i % 2);
        EXPECT_TRUE(Document()->m_voxels.cells == expected.cells) << size;
        const std::vector<std::string> shortFile = {
            "Cannot read \"" + path + "\": the file ends too soon, after " + std::to_string(size) +
            (size == 1 ? " byte." : " bytes.")};
        EXPECT_EQ(TakeMessages(), size < kVolume ? shortFile : std::vector<std::string>{}) << size;
        EXPECT_TRUE(View()->m_voxels.cells == (size < kVolume ? ones : expected).cells) << size;
        EXPECT_EQ(Caption(), "Dorvane") << size;
        EXPECT_EQ(AfxWaitCursorLevel(), 0) << size;

        // A drop leaves the cells past a short file's end empty, and names the file.
        DropOnView({path});
        EXPECT_TRUE(TakeMessages().empty()) << size;
        EXPECT_TRUE(View()->m_voxels.cells == Decoded(bytes).cells) << size;
        EXPECT_EQ(Caption(), path) << size;
        EXPECT_EQ(AfxWaitCursorLevel(), 0) << size;
    }
}

TEST_F(Loading, PathsOfEveryShapeLoadOnBothRoads)
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

TEST_F(Loading, AHugeSparseFileLoadsItsFirstMegabyteOnly)
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
