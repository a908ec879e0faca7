// A text string with a writable buffer, for platform calls that fill one in.
#pragma once

#include "platform/windows_types.h"

#include <cstring>
#include <string>

class CString {
public:
    CString() = default;
    CString(LPCSTR text) : m_text(text != nullptr ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}

    // A buffer of at least nMinBufLength characters plus a terminating zero; the
    // string's text is what it holds up to the first zero, once released.
    LPSTR GetBuffer(int nMinBufLength)
    {
        if (nMinBufLength > GetLength())
            m_text.resize(static_cast<std::size_t>(nMinBufLength));
        return m_text.data();
    }
    void ReleaseBuffer(int nNewLength = -1)
    {
        m_text.resize(nNewLength < 0 ? std::strlen(m_text.c_str()) : static_cast<std::size_t>(nNewLength));
    }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    operator LPCSTR() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};
