// Failures of files and archives, thrown by value and caught by reference.
#pragma once

#include "text.h"

#include <cstdint>

class CException {
public:
    virtual ~CException() = default;
    // The failure in words a person understands, naming the file.
    virtual CString GetErrorMessage() const = 0;
};

class CFileException : public CException {
public:
    enum Cause {
        none,
        fileNotFound,
        accessDenied,
        notARegularFile,
        isADirectory,
        badPath,
        readError,
        generic
    };

    Cause m_cause = none;
    int m_lOsError = 0;
    CString m_strFileName;

    CFileException() = default;
    CFileException(Cause cause, int osError, CString fileName)
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName))
    {
    }
    CString GetErrorMessage() const override;
};

class CArchiveException : public CException {
public:
    enum Cause { none, endOfFile };

    Cause m_cause = none;
    CString m_strFileName;
    std::uint64_t m_nBytesRead = 0;

    CArchiveException(Cause cause, CString fileName, std::uint64_t bytesRead)
        : m_cause(cause), m_strFileName(std::move(fileName)), m_nBytesRead(bytesRead)
    {
    }
    CString GetErrorMessage() const override;
};
