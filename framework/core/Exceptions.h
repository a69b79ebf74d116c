// The exception classes of the class layer. They are thrown by value and
// caught by reference (catch (CException& e)).
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    // The text the user is shown for this failure.
    virtual CString GetErrorMessage() const;
    // Kept for callers written in the heap-exception style; exceptions here
    // are values, so there is nothing to free.
    void Delete() {}
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CString GetErrorMessage() const override;
};

class CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CString GetErrorMessage() const override;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CString GetErrorMessage() const override;
};

class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
        bufferFull
    };
    explicit CArchiveException(int cause = none, const char* pszArchiveName = nullptr)
        : m_cause(cause), m_strFileName(pszArchiveName) {}
    CString GetErrorMessage() const override;

    int m_cause;
    CString m_strFileName;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };
    explicit CFileException(int cause = none, long lOsError = -1, const char* pszFileName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName) {}
    CString GetErrorMessage() const override;

    // The cause that matches a C runtime errno value.
    static int ErrnoToCause(int nErrno);

    int m_cause;
    long m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowArchiveException(int cause, const char* pszArchiveName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, long lOsError = -1, const char* pszFileName = nullptr);
