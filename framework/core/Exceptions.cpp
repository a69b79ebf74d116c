#include "framework/core/Exceptions.h"

#include <cerrno>

#include "framework/core/CoreMessages.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

CString CException::GetErrorMessage() const { return CoreMsg::kNoErrorMessage; }
CString CMemoryException::GetErrorMessage() const { return CoreMsg::kOutOfMemory; }
CString CInvalidArgException::GetErrorMessage() const { return CoreMsg::kInvalidArgument; }
CString CNotSupportedException::GetErrorMessage() const { return CoreMsg::kNotSupported; }

CString CArchiveException::GetErrorMessage() const {
    switch (m_cause) {
        case endOfFile:
            return CoreMsg::kArchiveEndOfFile;
        case badIndex:
        case badClass:
        case badSchema:
            return CoreMsg::kUnexpectedFileFormat;
        case readOnly:
            return CoreMsg::kArchiveReadOnly;
        case writeOnly:
            return CoreMsg::kArchiveWriteOnly;
        default:
            return CoreMsg::kArchiveGeneric;
    }
}

CString CFileException::GetErrorMessage() const {
    CString s;
    switch (m_cause) {
        case fileNotFound:
            s = CoreMsg::kFileNotFound;
            break;
        case badPath:
            s = CoreMsg::kFileBadPath;
            break;
        case accessDenied:
            s = CoreMsg::kFileAccessDenied;
            break;
        case sharingViolation:
            s = CoreMsg::kFileSharingViolation;
            break;
        case diskFull:
            s = CoreMsg::kFileDiskFull;
            break;
        case endOfFile:
            s = CoreMsg::kFileEndOfFile;
            break;
        default:
            s = CoreMsg::kFileGeneric;
            break;
    }
    if (!m_strFileName.IsEmpty()) s += CString("\n") + m_strFileName;
    return s;
}

int CFileException::ErrnoToCause(int nErrno) {
    switch (nErrno) {
        case ENOENT:
            return fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
            return badPath;
        case EACCES:
        case EPERM:
        case EROFS:
            return accessDenied;
        case EMFILE:
        case ENFILE:
            return tooManyOpenFiles;
        case ENOSPC:
            return diskFull;
        case EBUSY:
            return sharingViolation;
        case EIO:
            return hardIO;
        default:
            return genericException;
    }
}

void AfxThrowInvalidArgException() { throw CInvalidArgException(); }
void AfxThrowMemoryException() { throw CMemoryException(); }
void AfxThrowNotSupportedException() { throw CNotSupportedException(); }
void AfxThrowUserException() { throw CUserException(); }
void AfxThrowArchiveException(int cause, const char* pszArchiveName) {
    throw CArchiveException(cause, pszArchiveName);
}
void AfxThrowFileException(int cause, long lOsError, const char* pszFileName) {
    throw CFileException(cause, lOsError, pszFileName);
}
