#include "file.h"

#include "wait_cursor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The most one read() asks for: few enough system calls that a large read costs what
// one would, and short enough apart that a slow file's wait cursor goes up in time.
constexpr UINT kReadPiece = 512 * 1024;

CFileException::Cause CauseOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return CFileException::fileNotFound;
    case EACCES:
    case EPERM:
        return CFileException::accessDenied;
    case EISDIR:
        return CFileException::isADirectory;
    case ENAMETOOLONG:
    case ELOOP:
        return CFileException::badPath;
    default:
        return CFileException::generic;
    }
}

// The reason alone, without the file's name.
std::string Reason(CFileException::Cause cause, int osError)
{
    switch (cause) {
    case CFileException::fileNotFound:
        return "there is no such file";
    case CFileException::accessDenied:
        return "permission to read it is denied";
    case CFileException::isADirectory:
        return "it is a folder, not a file";
    case CFileException::notARegularFile:
        return "it is not a regular file (a pipe, a device or a socket)";
    case CFileException::badPath:
        return "the path is too long or loops";
    case CFileException::readError:
        return std::string("it could not be read: ") + std::strerror(osError);
    default:
        return std::strerror(osError);
    }
}

}  // namespace

CString CFileException::GetErrorMessage() const
{
    return CString("Cannot open \"" + m_strFileName.str() + "\": " + Reason(m_cause, m_lOsError) + ".");
}

CString CArchiveException::GetErrorMessage() const
{
    return CString("Cannot read \"" + m_strFileName.str() + "\": the file ends too soon, after " +
                   std::to_string(m_nBytesRead) + (m_nBytesRead == 1 ? " byte." : " bytes."));
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT, CFileException* pError)
{
    Close();
    m_strFileName = lpszFileName;
    auto fail = [&](CFileException::Cause cause, int error) {
        if (pError != nullptr)
            *pError = CFileException(cause, error, m_strFileName);
        return FALSE;
    };
    // Not blocking: opening a pipe with no writer must come back at once.
    const int fd = ::open(lpszFileName, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(CauseOf(errno), errno);
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(CauseOf(error), error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return fail(S_ISDIR(status.st_mode) ? CFileException::isADirectory : CFileException::notARegularFile,
                    0);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    auto* out = static_cast<char*>(lpBuf);
    UINT total = 0;
    while (total < nCount && m_fd >= 0) {
        const ssize_t got = ::read(m_fd, out + total, std::min(nCount - total, kReadPiece));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw CFileException(CFileException::readError, errno, m_strFileName);
        if (got == 0)
            break;
        total += static_cast<UINT>(got);
        AfxShowWaitCursorIfDue();
    }
    return total;
}

void CFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
