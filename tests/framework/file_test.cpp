// Files and archives: what opens, what is refused and why, and the end of the data.
#include "framework_session.h"

#include "framework/archive.h"
#include "framework/wait_cursor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Write(const std::string& name, std::size_t size)
{
    const std::string path = TestFolder() + "/" + name;
    std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    return path;
}

}  // namespace

TEST(File, OpensRegularFilesOnlyAndSaysWhyNot)
{
    const std::string folder = TestFolder();
    const std::string fifo = folder + "/fifo";
    ::mkfifo(fifo.c_str(), 0600);
    const std::string loop = folder + "/loop";
    ::symlink(loop.c_str(), loop.c_str());
    const std::string link = folder + "/link";
    ::symlink(Write("target", 3).c_str(), link.c_str());
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

TEST(Archive, TakesByteAfterByteAndThrowsAtTheEndOfTheData)
{
    for (int bufferSize : {1, 3, 4096}) {
        CFile file;
        ASSERT_TRUE(file.Open(Write("ten", 10).c_str(), CFile::modeRead));
        CArchive archive(&file, CArchive::load, bufferSize);
        EXPECT_TRUE(archive.IsLoading());
        BYTE b = 0;
        for (int i = 0; i < 10; ++i) {
            archive >> b;
            EXPECT_EQ(b, 'x');
        }
        try {
            archive >> b;
            ADD_FAILURE() << "no end of data with buffer " << bufferSize;
        } catch (const CArchiveException& end) {
            EXPECT_EQ(end.m_cause, CArchiveException::endOfFile);
            EXPECT_EQ(end.m_nBytesRead, 10u) << "buffer " << bufferSize;
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
