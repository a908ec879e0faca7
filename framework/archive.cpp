#include "archive.h"

#include <algorithm>
#include <cstring>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_buffer(static_cast<std::size_t>(nBufSize > 0 ? nBufSize : 4096))
{
}

// Only called with the buffer used up: everything in it has been taken.
bool CArchive::TryFill()
{
    const UINT got = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    m_nFileBytes += got;
    m_pCur = m_buffer.data();
    m_pEnd = m_pCur + got;
    return got > 0;
}

// What is left in the buffer is taken first. A request that would use up a whole buffer
// or more then reads straight from the file into the caller's memory: copying it through
// the buffer would only cost a second pass over the bytes and more reads of the file.
UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    auto* out = static_cast<BYTE*>(lpBuf);
    UINT taken = 0;
    while (taken < nMax) {
        if (m_pCur == m_pEnd && nMax - taken >= m_buffer.size()) {
            const UINT got = m_pFile->Read(out + taken, nMax - taken);
            m_nFileBytes += got;
            return taken + got;
        }
        if (m_pCur == m_pEnd && !TryFill())
            break;
        const UINT chunk = std::min<UINT>(nMax - taken, static_cast<UINT>(m_pEnd - m_pCur));
        std::memcpy(out + taken, m_pCur, chunk);
        m_pCur += chunk;
        taken += chunk;
    }
    return taken;
}

void CArchive::ThrowEndOfFile() const
{
    // Taken so far: everything read from the file but what the buffer still holds.
    const std::uint64_t taken = m_nFileBytes - static_cast<std::uint64_t>(m_pEnd - m_pCur);
    throw CArchiveException(CArchiveException::endOfFile, m_pFile->GetFilePath(), taken);
}
