// An archive over a file, taken from in pieces of any size: small takes come out of its
// buffer, large ones straight from the file. A reader that finds the data ended too soon
// says so with the end-of-file archive exception (ThrowEndOfFile).
#pragma once

#include "file.h"

#include <cstdint>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);

    BOOL IsStoring() const { return m_nMode == store; }

    // Takes up to nMax bytes; fewer only when the data runs out. Large requests go
    // straight to the file.
    UINT Read(void* lpBuf, UINT nMax);
    // The end-of-file failure, after the bytes taken so far.
    [[noreturn]] void ThrowEndOfFile() const;
    void Close() {}

private:
    bool TryFill();

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    const BYTE* m_pCur = nullptr;
    const BYTE* m_pEnd = nullptr;
    std::uint64_t m_nFileBytes = 0;  // read from the file so far
};
