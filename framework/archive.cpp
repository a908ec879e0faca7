#include "archive.h"

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_buffer(static_cast<std::size_t>(nBufSize > 0 ? nBufSize : 4096))
{
}

void CArchive::Fill()
{
    // Only called with the buffer used up: everything in it has been taken.
    if (m_pEnd != nullptr)
        m_nConsumed += static_cast<std::uint64_t>(m_pEnd - m_buffer.data());
    const UINT got = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    if (got == 0)
        throw CArchiveException(CArchiveException::endOfFile, m_pFile->GetFilePath(), m_nConsumed);
    m_pCur = m_buffer.data();
    m_pEnd = m_pCur + got;
}
