// Files: CFile over the C runtime's streams, CMemFile over a byte buffer and
// CStdioFile for line-by-line text. Failures raise CFileException.
//
// On Windows a CFile writes through the system's own call on the file's
// handle rather than through the C runtime, so that a failed write is told
// by the system's error (a full disk as a full disk) and not by the
// runtime's rendering of it.
#pragma once

#include <cstdio>
#include <functional>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

class CFile : public CObject {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoTruncate = 0x0100,
        typeText = 0x4000,
        typeBinary = 0x8000,
        modeCreate = 0x1000,
        // With modeCreate: make a new file, failing (EEXIST) when a file of
        // that name exists already, so that no two writers share one file.
        modeCreateNew = 0x2000
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const char* pszFileName, UINT nOpenFlags);  // throws CFileException
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Returns false and fills pError (when given) on failure.
    virtual bool Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual void Close();
    virtual void Abort();  // closes without raising
    virtual UINT Read(void* pBuf, UINT nCount);
    virtual void Write(const void* pBuf, UINT nCount);
    virtual void Flush();
    // Flush, then waits until the system has the file's bytes on the disk,
    // so that they outlast a power cut.
    void FlushToDisk();
    virtual unsigned long long Seek(long long lOff, UINT nFrom);
    virtual unsigned long long GetPosition() const;
    virtual unsigned long long GetLength() const;
    bool IsOpen() const { return m_fp != nullptr; }
    const CString& GetFilePath() const { return m_strFileName; }

protected:
    FILE* m_fp = nullptr;
    CString m_strFileName;
    bool m_bText = false;  // "\n" is written as "\r\n" on Windows
};

class CMemFile : public CFile {
public:
    CMemFile() = default;
    CMemFile(const void* pData, size_t nSize);

    bool Open(const char*, UINT, CFileException* = nullptr) override { return true; }
    void Close() override {}
    void Abort() override {}
    UINT Read(void* pBuf, UINT nCount) override;
    void Write(const void* pBuf, UINT nCount) override;
    void Flush() override {}
    unsigned long long Seek(long long lOff, UINT nFrom) override;
    unsigned long long GetPosition() const override { return m_pos; }
    unsigned long long GetLength() const override { return m_data.size(); }

    const std::vector<unsigned char>& Data() const { return m_data; }

private:
    std::vector<unsigned char> m_data;
    size_t m_pos = 0;
};

class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    // Reads one line without its line break; false at the end of the file.
    bool ReadString(CString& rString);
    // Writes the text as it stands ("\n" is written as the platform's line break in text mode).
    void WriteString(const char* psz);
};

// Faults injected by tests: before each open, write and close of a CFile
// (not of a CMemFile) the file layer asks the hook, which answers 0 to let
// the call go on, or an errno value (ENOSPC: the disk is full, EACCES: the
// folder may not be written, ...) that makes the call fail as the system
// would have failed it. No hook is installed outside tests.
enum class FileCall { Open, Write, Close };
using FileFaultHook = std::function<int(FileCall call, const char* pszFileName)>;
// Installs a hook (an empty one removes it); returns the previous hook.
FileFaultHook CorvSetFileFaultHook(FileFaultHook hook);

#ifdef _WIN32
// The system call in which every write of a CFile ends: WriteFile unless a
// test puts another in its place to have the system refuse a write as it
// would (SetLastError(ERROR_DISK_FULL), return FALSE). A null call puts
// WriteFile back; the previous call is returned.
using FileWriteCall = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
FileWriteCall CorvSetFileWriteCall(FileWriteCall call);
#endif
