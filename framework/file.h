// Files opened for reading. Only regular files are opened: a folder, a pipe or a device
// is refused at once, so that a read can neither block nor run forever.
#pragma once

#include "exception.h"

class CFile {
public:
    enum OpenFlags : UINT { modeRead = 0 };

    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Returns FALSE on failure, filling in pError when one is given; never throws.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Reads up to nCount bytes; fewer only at the end of the file. Throws CFileException
    // when the file cannot be read. A large read is made in pieces, and a wait cursor
    // that has become due goes up between them.
    UINT Read(void* lpBuf, UINT nCount);
    void Close();
    const CString& GetFilePath() const { return m_strFileName; }

private:
    int m_fd = -1;
    CString m_strFileName;
};
