#include "framework/core/SaveFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/File.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#endif

namespace {

const char kSuffix[] = ".tmp~";
const size_t kSuffixLength = sizeof kSuffix - 1;

// A save writes its file from start to end and puts it in the job's place
// within seconds: one not written for this long was killed, on whatever
// machine or in whatever Wine prefix it ran.
const long long kAbandonedAfter = 15 * 60;

unsigned long ThisProcess() {
#ifdef _WIN32
    return static_cast<unsigned long>(::GetCurrentProcessId());
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

// The folder part of a path with its separator ("" for a bare name).
std::string FolderOf(const std::string& path) {
#ifdef _WIN32
    const size_t end = path.find_last_of("\\/:");
#else
    const size_t end = path.find_last_of('/');
#endif
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

bool SameName(const std::string& a, const std::string& b) {
#ifdef _WIN32
    return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;  // file names ignore case here
#else
    return a == b;
#endif
}

// The value of the 1 to 8 lower-case hexadecimal digits in [first, last).
bool ParseHex(const std::string& s, size_t first, size_t last, unsigned long& value) {
    if (last <= first || last - first > 8) return false;
    value = 0;
    for (size_t i = first; i < last; ++i) {
        const char ch = s[i];
        if (ch >= '0' && ch <= '9')
            value = value * 16 + static_cast<unsigned long>(ch - '0');
        else if (ch >= 'a' && ch <= 'f')
            value = value * 16 + static_cast<unsigned long>(ch - 'a' + 10);
        else
            return false;
    }
    return true;
}

// The process that wrote a save file of the job jobName, read from the
// file's name; false when the name is of another kind.
bool WriterOf(const std::string& name, const std::string& jobName, unsigned long& process) {
    if (name.size() <= jobName.size() + 1 + kSuffixLength) return false;
    if (!SameName(name.substr(0, jobName.size()), jobName) || name[jobName.size()] != '.') return false;
    if (name.compare(name.size() - kSuffixLength, kSuffixLength, kSuffix) != 0) return false;
    const size_t first = jobName.size() + 1;
    const size_t last = name.size() - kSuffixLength;
    const size_t dash = name.find('-', first);
    unsigned long nSave = 0;
    return dash < last && ParseHex(name, first, dash, process) && ParseHex(name, dash + 1, last, nSave);
}

// When a file was last written, in seconds on the clock of the file system
// that holds it.
struct FolderFile {
    std::string name;
    long long nWritten;
};

#ifdef _WIN32
// Seconds since 1601 of a system time.
long long SecondsOf(const FILETIME& t) {
    return static_cast<long long>(
        ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000000ull);
}
#endif

// The files of the folder whose names may be of save files of jobName.
std::vector<FolderFile> CandidatesIn(const std::string& folder, const std::string& jobName) {
    std::vector<FolderFile> files;
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    const HANDLE hFind = ::FindFirstFileA((folder + jobName + ".*" + kSuffix).c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back({found.cFileName, SecondsOf(found.ftLastWriteTime)});
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
#else
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        struct stat st;
        if (name.compare(0, jobName.size(), jobName) == 0 && ::stat(it->path().c_str(), &st) == 0 &&
            S_ISREG(st.st_mode))
            files.push_back({std::move(name), static_cast<long long>(st.st_mtime)});
    }
#endif
    return files;
}

// Whether the process named by a save file may still be writing it, where
// this system can tell: ours is not, as its saves are done; another is
// while it runs, unless (where the system tells when it started) it started
// well after the file was last written, so that it only took the number of
// a process that has ended. A process that cannot be asked is taken to be
// running. A number from another machine or another Wine prefix names some
// other process or none: this guard alone never decides.
bool MayStillRun(unsigned long process, const FolderFile& file) {
    if (process == ThisProcess()) return false;
#ifdef _WIN32
    const HANDLE hProcess =
        ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process));
    if (!hProcess) return ::GetLastError() == ERROR_ACCESS_DENIED;
    bool bRunning = ::WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT;
    FILETIME created, exited, kernel, user;
    // Clocks of file systems are coarse (two seconds on some): only a clear
    // lead counts.
    const long long kSlack = 10;
    if (bRunning && ::GetProcessTimes(hProcess, &created, &exited, &kernel, &user))
        bRunning = SecondsOf(created) < file.nWritten + kSlack;
    ::CloseHandle(hProcess);
    return bRunning;
#else
    (void)file;
    if (process == 0 || process > static_cast<unsigned long>(INT_MAX)) return true;
    return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
#endif
}

// Whether a file written at nWritten was written less than nSpan before
// nNow. Some file systems keep dates at either end of 64-bit time, where
// nNow - nWritten would overflow; the difference of the two as unsigned
// numbers is exact whenever nWritten is the earlier.
bool WrittenWithin(long long nWritten, long long nNow, long long nSpan) {
    return nWritten >= nNow ||
           static_cast<unsigned long long>(nNow) - static_cast<unsigned long long>(nWritten) <
               static_cast<unsigned long long>(nSpan);
}

// Whether the file is marked read-only: Windows refuses to replace such a
// file, and a user who marks an issued quotation so relies on that. Wine and
// other systems would replace it all the same.
bool IsReadOnly(const char* lpszPath) {
#ifdef _WIN32
    const DWORD dwAttrib = ::GetFileAttributesA(lpszPath);
    return dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY) &&
           !(dwAttrib & FILE_ATTRIBUTE_DIRECTORY);
#else
    struct stat st;
    return ::stat(lpszPath, &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH));
#endif
}

}  // namespace

bool CorvOpenSaveFile(const CString& target, CFile& file, CString& temp, CFileException& fe) {
    // A job that can never be replaced is refused before a byte is written:
    // the user is told why, not of a disk that fills with a job for nothing.
    if (IsReadOnly(target)) {
        fe.m_cause = CFileException::ErrnoToCause(EACCES);
        fe.m_lOsError = EACCES;
        fe.m_strFileName = target;
        return false;
    }
    static std::atomic<unsigned> s_nSaves{0};
    // Another process (on another machine, too) may have taken a name:
    // the next number is tried.
    for (int nTry = 0; nTry < 100; ++nTry) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".%lx-%x%s", ThisProcess(), s_nSaves++, kSuffix);
        temp = target + suffix;
        if (file.Open(temp, CFile::modeCreate | CFile::modeCreateNew | CFile::modeWrite | CFile::typeBinary,
                      &fe))
            return true;
        if (fe.m_lOsError != EEXIST) break;
    }
    fe.m_strFileName = target;
    return false;
}

void CorvRemoveAbandonedSaveFiles(const CString& target, const CString& ownSave) {
    const std::string path(target.GetString());
    const std::string folder = FolderOf(path);
    const std::string jobName = path.substr(folder.size());
    const std::string ownName = std::string(ownSave.GetString()).substr(folder.size());
    const std::vector<FolderFile> files = CandidatesIn(folder, jobName);
    // The save's own file was made just now on the folder's file system, whose
    // clock (a file server's, perhaps) is the one the other files were dated
    // by; without it nothing can be told old.
    const auto itOwn = std::find_if(files.begin(), files.end(),
                                    [&](const FolderFile& file) { return SameName(file.name, ownName); });
    if (itOwn == files.end()) return;
    const long long nNow = itOwn->nWritten;
    for (const FolderFile& file : files) {
        unsigned long process = 0;
        if (SameName(file.name, ownName) || !WriterOf(file.name, jobName, process)) continue;
        if (WrittenWithin(file.nWritten, nNow, kAbandonedAfter) || MayStillRun(process, file)) continue;
        // A file still open is not removed on Windows: failing is fine.
        std::remove((folder + file.name).c_str());
    }
}

#ifdef _WIN32
namespace {

// Whether a failed replace may have met another program with the target
// open: the system says access denied or a sharing or lock violation.
bool MayBeInUse(DWORD nError) {
    return nError == ERROR_ACCESS_DENIED || nError == ERROR_SHARING_VIOLATION ||
           nError == ERROR_LOCK_VIOLATION;
}

// Whether another program has the file open: one that shares nothing can
// then not open it. The system denies a replace so, and denies it too where
// the user may not write: only this tells the two apart.
bool InUse(const char* lpszPath) {
    const HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile != INVALID_HANDLE_VALUE) {
        ::CloseHandle(hFile);
        return false;
    }
    return ::GetLastError() == ERROR_SHARING_VIOLATION || ::GetLastError() == ERROR_LOCK_VIOLATION;
}

}  // namespace
#endif

bool CorvReplaceFile(const char* lpszSource, const char* lpszTarget, int* pCause) {
    // Checked again: the job may have been marked while its save was written.
    if (IsReadOnly(lpszTarget)) {
        if (pCause) *pCause = EACCES;
        return false;
    }
#ifdef _WIN32
    // Two saves that meet here, or a program that reads the job, hold it
    // open for a moment; the later save wins once it lets go.
    const ULONGLONG kPatience = 2000, kStep = 30;
    const ULONGLONG nGiveUp = ::GetTickCount64() + kPatience;
    DWORD nError = 0;
    for (;;) {
        if (::MoveFileExA(lpszSource, lpszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        nError = ::GetLastError();
        if (!MayBeInUse(nError) || ::GetTickCount64() >= nGiveUp) break;
        ::Sleep(static_cast<DWORD>(kStep));
    }
    if (pCause) {
        // Access denied is the answer both to a holder and to a lack of rights.
        const bool bInUse = nError == ERROR_ACCESS_DENIED ? InUse(lpszTarget) : MayBeInUse(nError);
        if (bInUse)
            *pCause = EBUSY;
        else
            *pCause = nError == ERROR_ACCESS_DENIED ? EACCES : (nError == ERROR_DISK_FULL ? ENOSPC : EIO);
    }
    return false;
#else
    if (std::rename(lpszSource, lpszTarget) == 0) return true;
    if (pCause) *pCause = errno;
    return false;
#endif
}
