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

// Files of every length, on both roads. The document reads a volume a quarter at a time,
// and files are read half a volume at a time: lengths about those pieces, where a piece's
// first or last byte could go astray. Every other byte is occupied, so a cell shifted by
// one or left from the last volume (all occupied) shows; a whole volume comes first, so
// that what a shorter file leaves of it shows too.
TEST_F(Loading, FilesOfEveryLengthAndEndingAboutThePiecesTheyAreReadIn)
{
    constexpr std::size_t kQuarter = kVolume / 4;
    // The last one longer than a volume: its extra bytes occupied, and ignored.
    std::vector<std::size_t> sizes = {kVolume, 0, 1};
    for (std::size_t end : {kQuarter, 2 * kQuarter, 3 * kQuarter})
        sizes.insert(sizes.end(), {end - 1, end, end + 1});
    sizes.insert(sizes.end(), {kVolume - kQuarter / 2, kVolume - 1, kVolume + 2});
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

        // A drop leaves the cells past a short file's end empty, and names the file; it
        // loads the view alone, not the document.
        DropOnView({path});
        EXPECT_TRUE(TakeMessages().empty()) << size;
        EXPECT_TRUE(View()->m_voxels.cells == Decoded(bytes).cells) << size;
        EXPECT_TRUE(Document()->m_voxels.cells == expected.cells) << size;
        EXPECT_EQ(Caption(), path) << size;
        EXPECT_EQ(AfxWaitCursorLevel(), 0) << size;
    }
}

// Paths of every shape, and a huge sparse file, whose first megabyte alone is read.
TEST_F(Loading, PathsOfEveryShapeAndHugeFilesLoadOnBothRoads)
{
    const std::string folder = TestFolder(), deep = std::string(200, 'd') + "/" + std::string(200, 'e');
    std::filesystem::create_directories(folder + "/" + deep);
    const struct {
        std::string name;
        off_t size;
    } files[] = {
        {"with spaces in it", kVolume},
        {"quotes \" and ' too", kVolume},
        {"non-ASCII \xC3\xA9t\xC3\xA9 \xE4\xBD\x93\xE7\xA7\xAF", kVolume},
        {"a\nnewline", kVolume},
        {deep + "/" + std::string(250, 'f'), kVolume},
        {"huge", 4LL << 30},
    };
    unsigned seed = 1;
    for (const auto& file : files) {
        for (const bool dropped : {false, true}) {
            const auto bytes = Pattern(kVolume, seed++);
            const std::string path = WriteTestFile(file.name, bytes);
            ASSERT_EQ(::truncate(path.c_str(), file.size), 0) << file.name;
            dropped ? DropOnView({path}) : OpenThroughFileOpen(path);
            EXPECT_TRUE(TakeMessages().empty()) << file.name;
            EXPECT_EQ((dropped ? View()->m_voxels : Document()->m_voxels).cells, Decoded(bytes).cells)
                << file.name << (dropped ? ", dropped" : ", through File Open");
            EXPECT_EQ(Caption(), dropped ? path : "Dorvane") << file.name;
            EXPECT_EQ(::unlink(path.c_str()), 0);
        }
    }
}
