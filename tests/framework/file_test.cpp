// Files and archives: what opens, what is refused and why, and the end of the data.
#include "framework_session.h"

#include "framework/archive.h"
#include "framework/wait_cursor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::string Write(const std::string& name, std::size_t size)
{
    return WriteTestFile(name, std::vector<unsigned char>(size, 'x'));
}

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

TEST(File, OpensRegularFilesOnlyAndSaysWhyNot)
{
    const std::string folder = TestFolder();
    const std::string fifo = folder + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string loop = folder + "/loop";
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    const std::string link = folder + "/link";
    ASSERT_EQ(::symlink(Write("target", 3).c_str(), link.c_str()), 0);
    const struct {
        std::string path;
        bool opens;
        CFileException::Cause cause;
    } cases[] = {
        {Write("plain", 3), true, CFileException::none},
        {link, true, CFileException::none},
        {folder + "/missing", false, CFileException::fileNotFound},
        {folder + "/missing/below", false, CFileException::fileNotFound},
        {folder, false, CFileException::isADirectory},
        {fifo, false, CFileException::notARegularFile},
        {"/dev/null", false, CFileException::notARegularFile},
        {loop, false, CFileException::badPath},
        {folder + "/" + std::string(5000, 'n'), false, CFileException::badPath},
    };
    for (const auto& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_EQ(file.Open(c.path.c_str(), CFile::modeRead, &error) != FALSE, c.opens) << c.path;
        EXPECT_EQ(error.m_cause, c.cause) << c.path;
        if (!c.opens) {
            EXPECT_NE(error.GetErrorMessage().str().find(c.path), std::string::npos);
        }
    }
}

TEST(WaitCursor, OneCountForEveryoneAndAnEndTooManyIsHarmless)
{
    ASSERT_EQ(AfxWaitCursorLevel(), 0);
    AfxEndWaitCursor();
    EXPECT_EQ(AfxWaitCursorLevel(), 0);
    AfxBeginWaitCursor();
    AfxGetApp()->BeginWaitCursor();
    EXPECT_EQ(AfxWaitCursorLevel(), 2);
    AfxRestoreWaitCursor(1);
    EXPECT_EQ(AfxWaitCursorLevel(), 1);
    AfxGetApp()->EndWaitCursor();
    AfxGetApp()->EndWaitCursor();
    EXPECT_EQ(AfxWaitCursorLevel(), 0);
    AfxBeginWaitCursor();
    EXPECT_EQ(AfxWaitCursorLevel(), 1);
    AfxEndWaitCursor();
}

TEST(File, LargeReadsComeWholeAcrossThePiecesTheyAreMadeIn)
{
    const struct {
        std::size_t fileSize;
        std::size_t asked;
    } cases[] = {
        {0, kPiece},
        {kPiece - 1, kPiece},
        {kPiece, kPiece},
        {kPiece + 1, kPiece + 1},
        {kPiece + 1, 4 * kPiece},
        {3 * kPiece - 1, 3 * kPiece - 1},
        {4 * kPiece, 4 * kPiece + 7},
        {4 * kPiece + 7, 4 * kPiece},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.fileSize) + " bytes, " + std::to_string(c.asked) + " asked";
        CFile file;
        ASSERT_TRUE(file.Open(WriteTestFile("numbered", Numbered(c.fileSize)).c_str(), CFile::modeRead));
        const std::vector<unsigned char> expected = Numbered(c.fileSize);
        std::vector<unsigned char> got(c.asked + 1, '*');
        const UINT count = file.Read(got.data(), static_cast<UINT>(c.asked));
        ASSERT_EQ(count, std::min(c.fileSize, c.asked)) << what;
        EXPECT_TRUE(std::equal(got.begin(), got.begin() + count, expected.begin())) << what;
        EXPECT_EQ(got[count], '*') << what << ": nothing written past what was read";
        // What is left comes next.
        const UINT rest = file.Read(got.data(), static_cast<UINT>(c.asked));
        EXPECT_EQ(count + rest, std::min(c.fileSize, 2 * c.asked)) << what;
        EXPECT_TRUE(std::equal(got.begin(), got.begin() + rest, expected.begin() + count)) << what;
    }
}

// Takes of 0 are single bytes through >>; others are Read calls of that many bytes. Each
// case takes the whole file; one byte more is the end of the data.
TEST(Archive, LargeAndSmallTakesGetTheBytesInOrderAndCountToTheEnd)
{
    const struct {
        const char* what;
        std::size_t fileSize;
        int bufferSize;
        std::vector<UINT> takes;
    } cases[] = {
        {"a volume in quarters", 4 * kPiece, 4096, {kPiece, kPiece, kPiece, kPiece}},
        {"short in the second quarter", kPiece + 5000, 4096, {kPiece, kPiece}},
        {"a byte, then more than a buffer", 10000, 4096, {0, 9999}},
        {"part of a buffer, then a large take across its end", 10000, 4096, {100, 5000, 5000}},
        {"takes of exactly a buffer", 8192, 4096, {4096, 4096, 1}},
        {"bytes after a large take", 5000, 4096, {4999, 0}},
        {"a one-byte buffer", 50, 1, {3, 0, 10, 40}},
        {"byte after byte through a small buffer", 10, 3, std::vector<UINT>(10, 0)},
        {"empty", 0, 4096, {kPiece}},
    };
    for (const auto& c : cases) {
        CFile file;
        ASSERT_TRUE(file.Open(WriteTestFile("numbered", Numbered(c.fileSize)).c_str(), CFile::modeRead));
        CArchive archive(&file, CArchive::load, c.bufferSize);
        const std::vector<unsigned char> expected = Numbered(c.fileSize);
        std::size_t taken = 0;
        for (UINT take : c.takes) {
            if (take == 0) {
                BYTE b = 0;
                archive >> b;
                EXPECT_EQ(b, expected[taken]) << c.what << ", byte " << taken;
                ++taken;
                continue;
            }
            std::vector<unsigned char> got(take);
            const UINT count = archive.Read(got.data(), take);
            ASSERT_EQ(count, std::min<std::size_t>(take, c.fileSize - taken)) << c.what;
            EXPECT_TRUE(std::equal(got.begin(), got.begin() + count, expected.begin() + taken)) << c.what;
            taken += count;
        }
        try {
            BYTE b = 0;
            archive >> b;
            ADD_FAILURE() << c.what << ": no end of data";
        } catch (const CArchiveException& end) {
            EXPECT_EQ(end.m_cause, CArchiveException::endOfFile) << c.what;
            EXPECT_EQ(end.m_nBytesRead, taken) << c.what;
        }
    }
}

TEST(WaitCursor, GoesUpOnlyOnceAWaitHasLastedLongEnoughToBeSeen)
{
    using namespace std::chrono;
    const std::string path = Write("some", 1000);
    const auto readFile = [&] {
        CFile file;
        char bytes[1000];
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
        file.Read(bytes, sizeof bytes);
    };

    const auto begun = steady_clock::now();
    AfxBeginWaitCursor();
    readFile();
    if (steady_clock::now() - begun < milliseconds(50)) {
        EXPECT_FALSE(AfxWaitCursorShown()) << "a wait over at once never reaches the screen";
    }
    AfxEndWaitCursor();
    EXPECT_FALSE(AfxWaitCursorShown());

    AfxBeginWaitCursor();
    std::this_thread::sleep_for(milliseconds(250));
    EXPECT_FALSE(AfxWaitCursorShown()) << "only a file read asks";
    readFile();
    EXPECT_TRUE(AfxWaitCursorShown());
    AfxBeginWaitCursor();
    AfxEndWaitCursor();
    EXPECT_TRUE(AfxWaitCursorShown()) << "an inner wait's end leaves the outer one's cursor";
    AfxEndWaitCursor();
    EXPECT_FALSE(AfxWaitCursorShown());
    readFile();
    EXPECT_FALSE(AfxWaitCursorShown()) << "no wait outstanding";
}
