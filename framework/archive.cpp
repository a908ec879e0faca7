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
    if (m_pEnd != nullptr)
        m_nConsumed += static_cast<std::uint64_t>(m_pEnd - m_buffer.data());
    const UINT got = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    m_pCur = m_buffer.data();
    m_pEnd = m_pCur + got;
    return got > 0;
}

void CArchive::Fill()
{
    if (!TryFill())
        ThrowEndOfFile();
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    auto* out = static_cast<BYTE*>(lpBuf);
    UINT taken = 0;
    while (taken < nMax) {
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
    const std::uint64_t taken = m_nConsumed + static_cast<std::uint64_t>(m_pCur - m_buffer.data());
    throw CArchiveException(CArchiveException::endOfFile, m_pFile->GetFilePath(), taken);
}
