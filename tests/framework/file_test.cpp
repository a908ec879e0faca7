// Files through archives: large reads, small takes and the end of the data; the wait cursor.
#include "framework_session.h"

#include "framework/archive.h"
#include "framework/wait_cursor.h"
#include "tests/support/toolkit_inspect.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Each byte unlike its neighbours, so that a piece read twice, skipped or shifted shows.
std::vector<unsigned char> Numbered(std::size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i % 251);
    return bytes;
}

constexpr std::size_t kPiece = 512 * 1024;  // the most a file read asks the system for at once

}  // namespace

// Each case takes the whole file in Read calls of the sizes given; one byte more finds the
// end of the data, which the end-of-file failure reports with the bytes taken.
TEST(Archive, LargeAndSmallTakesGetTheBytesInOrderAndCountToTheEnd)
{
    const struct {
        const char* what;
        std::size_t fileSize;
        int bufferSize;
        std::vector<UINT> takes;
    } cases[] = {
        {"a byte, then more than a buffer", 10000, 4096, {1, 9999}},
        {"part of a buffer, then a large take across its end", 10000, 4096, {100, 5000, 5000}},
        {"takes of exactly a buffer", 8192, 4096, {4096, 4096, 1}},
        {"bytes after a large take", 5000, 4096, {4999, 1}},
        {"a one-byte buffer", 50, 1, {3, 1, 10, 40}},
        {"byte after byte through a small buffer", 10, 3, std::vector<UINT>(10, 1)},
        {"empty", 0, 4096, {kPiece}},
        {"takes of several pieces, the last one short", 4 * kPiece + 7, 4096, {3 * kPiece - 1, 2 * kPiece}},
        {"a piece and a byte", kPiece + 1, 4096, {kPiece + 1}},
    };
    for (const auto& c : cases) {
        CFile file;
        ASSERT_TRUE(file.Open(WriteTestFile("numbered", Numbered(c.fileSize)).c_str(), CFile::modeRead));
        CArchive archive(&file, CArchive::load, c.bufferSize);
        const std::vector<unsigned char> expected = Numbered(c.fileSize);
        std::size_t taken = 0;
        for (UINT take : c.takes) {
            std::vector<unsigned char> got(take);
            const UINT count = archive.Read(got.data(), take);
            ASSERT_EQ(count, std::min<std::size_t>(take, c.fileSize - taken)) << c.what;
            EXPECT_TRUE(std::equal(got.begin(), got.begin() + count, expected.begin() + taken)) << c.what;
            taken += count;
        }
        BYTE beyond = 0;
        EXPECT_EQ(archive.Read(&beyond, 1), 0u) << c.what << ": no end of data";
        try {
            archive.ThrowEndOfFile();
        } catch (const CArchiveException& end) {
            EXPECT_EQ(end.m_cause, CArchiveException::endOfFile) << c.what;
            EXPECT_EQ(end.m_nBytesRead, taken) << c.what;
        }
    }
}

// One count for everyone, an end too many is harmless, and the cursor goes up only once a
// wait has lasted long enough to be seen, when a file read asks.
TEST(WaitCursor, OneCountAndTheCursorOnlyForWaitsLongEnoughToBeSeen)
{
    const std::string path = WriteTestFile("some", std::vector<unsigned char>(1000));
    const auto readFile = [&] {
        CFile file;
        char bytes[1000];
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
        file.Read(bytes, sizeof bytes);
    };
    ASSERT_EQ(AfxWaitCursorLevel(), 0);
    AfxEndWaitCursor();
    EXPECT_EQ(AfxWaitCursorLevel(), 0);
    AfxBeginWaitCursor();
    AfxGetApp()->BeginWaitCursor();
    EXPECT_EQ(AfxWaitCursorLevel(), 2);
    readFile();
    EXPECT_FALSE(AfxTestBusyCursorShown()) << "a wait over at once never reaches the screen";
    AfxRestoreWaitCursor(1);
    EXPECT_EQ(AfxWaitCursorLevel(), 1);
    AfxGetApp()->EndWaitCursor();
    AfxGetApp()->EndWaitCursor();
    EXPECT_EQ(AfxWaitCursorLevel(), 0);

    AfxBeginWaitCursor();
    EXPECT_TRUE(WaitFor([&] {
        readFile();
        return AfxTestBusyCursorShown();
    })) << "a file read once the wait has lasted long enough to be seen";
    AfxBeginWaitCursor();
    AfxEndWaitCursor();
    EXPECT_TRUE(AfxTestBusyCursorShown()) << "an inner wait's end leaves the outer one's cursor";
    AfxEndWaitCursor();
    EXPECT_FALSE(AfxTestBusyCursorShown());
    readFile();
    EXPECT_FALSE(AfxTestBusyCursorShown()) << "no wait outstanding";
}
