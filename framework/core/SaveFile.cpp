#include "framework/core/SaveFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/File.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#endif

namespace {

const char kSuffix[] = ".tmp~";
const size_t kSuffixLength = sizeof kSuffix - 1;

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

struct FolderFile {
    std::string name;
#ifdef _WIN32
    FILETIME lastWrite;
#endif
};

// The files of the folder whose names may be of save files of jobName.
std::vector<FolderFile> CandidatesIn(const std::string& folder, const std::string& jobName) {
    std::vector<FolderFile> files;
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    const HANDLE hFind = ::FindFirstFileA((folder + jobName + ".*" + kSuffix).c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back({found.cFileName, found.ftLastWriteTime});
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
#else
    (void)jobName;
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        files.push_back({it->path().filename().string()});
#endif
    return files;
}

#ifdef _WIN32
unsigned long long Ticks(const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}
#endif

// Whether the process named by a save file may still be writing it. Ours
// is not: its saves are done. Another is while it runs, unless (where the
// system tells when it started) it started well after the file was last
// written: then it only took the number of a process that has ended. A
// process that cannot be asked is taken to be running.
bool MayStillWrite(unsigned long process, const FolderFile& file) {
    if (process == ThisProcess()) return false;
#ifdef _WIN32
    const HANDLE hProcess =
        ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process));
    if (!hProcess) return ::GetLastError() == ERROR_ACCESS_DENIED;
    bool bRunning = ::WaitForSingleObject(hProcess, 0) == WAIT_TIMEOUT;
    FILETIME created, exited, kernel, user;
    // Clocks of file systems are coarse (two seconds on some) or set by
    // another machine: only a clear lead counts.
    const unsigned long long kSlack = 10ull * 10000000ull;
    if (bRunning && ::GetProcessTimes(hProcess, &created, &exited, &kernel, &user))
        bRunning = Ticks(created) < Ticks(file.lastWrite) + kSlack;
    ::CloseHandle(hProcess);
    return bRunning;
#else
    (void)file;
    if (process == 0 || process > static_cast<unsigned long>(INT_MAX)) return true;
    return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
#endif
}

}  // namespace

bool CorvOpenSaveFile(const CString& target, CFile& file, CString& temp, CFileException& fe) {
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

void CorvRemoveAbandonedSaveFiles(const CString& target) {
    const std::string path(target.GetString());
    const std::string folder = FolderOf(path);
    const std::string jobName = path.substr(folder.size());
    for (const FolderFile& file : CandidatesIn(folder, jobName)) {
        unsigned long process = 0;
        // A file still open is not removed on Windows: failing is fine.
        if (WriterOf(file.name, jobName, process) && !MayStillWrite(process, file))
            std::remove((folder + file.name).c_str());
    }
}
