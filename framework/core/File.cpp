#include "framework/core/File.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>  // _open with _O_EXCL creates the file with CREATE_NEW
#include <sys/stat.h>
#include <windows.h>

#include <string>
#else
#include <unistd.h>
#endif

#include "framework/core/Exceptions.h"

namespace {

const char* ModeString(UINT flags) {
    const bool text = (flags & CFile::typeText) != 0;
    if (flags & CFile::modeCreate) {
        if (flags & CFile::modeReadWrite) return text ? "w+" : "w+b";
        return text ? "w" : "wb";
    }
    if (flags & CFile::modeReadWrite) return text ? "r+" : "r+b";
    if (flags & CFile::modeWrite) return text ? "r+" : "r+b";
    return text ? "r" : "rb";
}

// Creates the file, failing when it exists, and opens it as a stream; null
// with errno set on failure.
FILE* OpenNewFile(const char* pszFileName, UINT flags) {
    const bool text = (flags & CFile::typeText) != 0;
#ifdef _WIN32
    const int fd = ::_open(pszFileName, _O_CREAT | _O_EXCL | _O_RDWR | (text ? _O_TEXT : _O_BINARY),
                           _S_IREAD | _S_IWRITE);
#else
    const int fd = ::open(pszFileName, O_CREAT | O_EXCL | O_RDWR, 0666);
#endif
    if (fd < 0) return nullptr;
#ifdef _WIN32
    FILE* fp = ::_fdopen(fd, text ? "w+" : "w+b");
    if (!fp) ::_close(fd);
#else
    FILE* fp = ::fdopen(fd, text ? "w+" : "w+b");
    if (!fp) ::close(fd);
#endif
    return fp;
}

FileFaultHook& FaultHook() {
    static FileFaultHook s_hook;
    return s_hook;
}

// The injected errno for this call, or 0; sets errno as the failing call would.
int InjectedFault(FileCall call, const char* pszFileName) {
    if (!FaultHook()) return 0;
    const int nError = FaultHook()(call, pszFileName);
    if (nError != 0) errno = nError;
    return nError;
}

[[noreturn]] void ThrowErrno(const CString& fileName) {
    const int nErrno = errno;
    AfxThrowFileException(CFileException::ErrnoToCause(nErrno), nErrno, fileName);
}

#ifdef _WIN32
FileWriteCall g_writeCall = ::WriteFile;

int CauseOfSystemError(DWORD nError) {
    switch (nError) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return CFileException::diskFull;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return CFileException::accessDenied;
        case ERROR_SHARING_VIOLATION:
            return CFileException::sharingViolation;
        case ERROR_LOCK_VIOLATION:
            return CFileException::lockViolation;
        default:
            return CFileException::hardIO;
    }
}

[[noreturn]] void ThrowSystemError(DWORD nError, const CString& fileName) {
    AfxThrowFileException(CauseOfSystemError(nError), static_cast<long>(nError), fileName);
}

HANDLE HandleOf(FILE* fp) { return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(fp))); }

// Writes all the bytes at the stream's position through the system call;
// the system's error, or 0.
DWORD WriteThroughHandle(FILE* fp, const char* pBytes, DWORD nCount) {
    // The stream holds no written bytes (it never writes), but it may hold
    // bytes read ahead: seeking drops them and puts the handle where the
    // stream stands.
    if (std::fseek(fp, 0, SEEK_CUR) != 0) return ERROR_SEEK;
    const HANDLE hFile = HandleOf(fp);
    while (nCount > 0) {
        DWORD nWritten = 0;
        if (!g_writeCall(hFile, pBytes, nCount, &nWritten, nullptr)) return ::GetLastError();
        if (nWritten == 0) return ERROR_DISK_FULL;  // the system took nothing and said no more
        pBytes += nWritten;
        nCount -= nWritten;
    }
    return 0;
}
#endif

}  // namespace

#ifdef _WIN32
FileWriteCall CorvSetFileWriteCall(FileWriteCall call) {
    const FileWriteCall previous = g_writeCall;
    g_writeCall = call ? call : ::WriteFile;
    return previous;
}
#endif

FileFaultHook CorvSetFileFaultHook(FileFaultHook hook) {
    FileFaultHook previous = std::move(FaultHook());
    FaultHook() = std::move(hook);
    return previous;
}

CFile::CFile(const char* pszFileName, UINT nOpenFlags) {
    CFileException e;
    if (!Open(pszFileName, nOpenFlags, &e)) throw e;
}

CFile::~CFile() { Abort(); }

bool CFile::Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError) {
    Abort();
    m_strFileName = pszFileName;
    m_bText = (nOpenFlags & typeText) != 0;
    if (InjectedFault(FileCall::Open, pszFileName) != 0) {
        // As the system fails it: nothing opened.
    } else if ((nOpenFlags & modeCreate) && (nOpenFlags & modeCreateNew)) {
        m_fp = OpenNewFile(pszFileName, nOpenFlags);
    } else if ((nOpenFlags & modeCreate) && (nOpenFlags & modeNoTruncate)) {
        // Open an existing file without emptying it, or create it.
        m_fp = std::fopen(pszFileName, (nOpenFlags & typeText) ? "r+" : "r+b");
        if (!m_fp) m_fp = std::fopen(pszFileName, ModeString(nOpenFlags));
    } else {
        m_fp = std::fopen(pszFileName, ModeString(nOpenFlags));
    }
    if (!m_fp) {
        if (pError) {
            pError->m_cause = CFileException::ErrnoToCause(errno);
            pError->m_lOsError = errno;
            pError->m_strFileName = pszFileName;
        }
        return false;
    }
    return true;
}

void CFile::Close() {
    if (!m_fp) return;
    FILE* fp = m_fp;
    m_fp = nullptr;
    const bool failed = std::ferror(fp) != 0;
    const bool injected = InjectedFault(FileCall::Close, m_strFileName) != 0;
    const int nInjected = errno;
    if (injected) {
        std::fclose(fp);
        errno = nInjected;
    }
    if (injected || std::fclose(fp) != 0 || failed)
        AfxThrowFileException(CFileException::ErrnoToCause(errno), errno, m_strFileName);
}

void CFile::Abort() {
    if (m_fp) {
        std::fclose(m_fp);
        m_fp = nullptr;
    }
}

UINT CFile::Read(void* pBuf, UINT nCount) {
    if (!m_fp) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    size_t n = std::fread(pBuf, 1, nCount, m_fp);
    if (n < nCount && std::ferror(m_fp)) AfxThrowFileException(CFileException::hardIO, errno, m_strFileName);
    return static_cast<UINT>(n);
}

void CFile::Write(const void* pBuf, UINT nCount) {
    if (!m_fp) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (!nCount) return;
    if (InjectedFault(FileCall::Write, m_strFileName) != 0) ThrowErrno(m_strFileName);
#ifdef _WIN32
    const char* pBytes = static_cast<const char*>(pBuf);
    std::string lines;
    if (m_bText) {
        for (UINT i = 0; i < nCount; ++i) {
            if (pBytes[i] == '\n') lines += '\r';
            lines += pBytes[i];
        }
        pBytes = lines.data();
        nCount = static_cast<UINT>(lines.size());
    }
    if (const DWORD nError = WriteThroughHandle(m_fp, pBytes, nCount))
        ThrowSystemError(nError, m_strFileName);
#else
    if (std::fwrite(pBuf, 1, nCount, m_fp) != nCount) ThrowErrno(m_strFileName);
#endif
}

void CFile::Flush() {
    if (m_fp && std::fflush(m_fp) != 0) ThrowErrno(m_strFileName);
}

void CFile::FlushToDisk() {
    if (!m_fp) return;
    Flush();
#ifdef _WIN32
    if (!::FlushFileBuffers(HandleOf(m_fp))) ThrowSystemError(::GetLastError(), m_strFileName);
#else
    if (::fsync(::fileno(m_fp)) != 0) ThrowErrno(m_strFileName);
#endif
}

unsigned long long CFile::Seek(long long lOff, UINT nFrom) {
    if (!m_fp) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    int whence = nFrom == current ? SEEK_CUR : (nFrom == end ? SEEK_END : SEEK_SET);
    if (std::fseek(m_fp, static_cast<long>(lOff), whence) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return GetPosition();
}

unsigned long long CFile::GetPosition() const {
    if (!m_fp) return 0;
    long p = std::ftell(m_fp);
    return p < 0 ? 0 : static_cast<unsigned long long>(p);
}

unsigned long long CFile::GetLength() const {
    if (!m_fp) return 0;
    long here = std::ftell(m_fp);
    std::fseek(m_fp, 0, SEEK_END);
    long len = std::ftell(m_fp);
    std::fseek(m_fp, here, SEEK_SET);
    return len < 0 ? 0 : static_cast<unsigned long long>(len);
}

CMemFile::CMemFile(const void* pData, size_t nSize)
    : m_data(static_cast<const unsigned char*>(pData), static_cast<const unsigned char*>(pData) + nSize) {}

UINT CMemFile::Read(void* pBuf, UINT nCount) {
    size_t left = m_pos < m_data.size() ? m_data.size() - m_pos : 0;
    size_t n = nCount < left ? nCount : left;
    if (n) std::memcpy(pBuf, m_data.data() + m_pos, n);
    m_pos += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* pBuf, UINT nCount) {
    if (!nCount) return;
    if (m_pos + nCount > m_data.size()) m_data.resize(m_pos + nCount);
    std::memcpy(m_data.data() + m_pos, pBuf, nCount);
    m_pos += nCount;
}

unsigned long long CMemFile::Seek(long long lOff, UINT nFrom) {
    long long base = nFrom == current ? static_cast<long long>(m_pos)
                                      : (nFrom == end ? static_cast<long long>(m_data.size()) : 0);
    long long p = base + lOff;
    if (p < 0) AfxThrowFileException(CFileException::badSeek);
    m_pos = static_cast<size_t>(p);
    return m_pos;
}

bool CStdioFile::ReadString(CString& rString) {
    rString.Empty();
    if (!m_fp) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    std::string line;
    int ch;
    bool any = false;
    while ((ch = std::fgetc(m_fp)) != EOF) {
        any = true;
        if (ch == '\n') break;
        line += static_cast<char>(ch);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    rString = CString(std::move(line));
    return any;
}

void CStdioFile::WriteString(const char* psz) {
    if (psz) Write(psz, static_cast<UINT>(std::strlen(psz)));
}
