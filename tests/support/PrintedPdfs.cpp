#include "tests/support/PrintedPdfs.h"

#include <algorithm>
#include <cstdlib>

namespace printed {

namespace {

const char kPrefix[] = "print-";
const char kPart[] = ".part";

bool StartsWith(const std::string& s, const std::string& head) {
    return s.compare(0, head.size(), head) == 0;
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The folder's prints, and the prints still being written under their
// hidden names (".print-....pdf.part"), by the name they will have.
std::set<std::string> Listing(bool withUnfinished) {
    std::set<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((WindowsPath(FolderUnix()) + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = fd.cFileName;
        if (withUnfinished && name[0] == '.' && EndsWith(name, kPart))
            name = name.substr(1, name.size() - 1 - (sizeof kPart - 1));
        if (StartsWith(name, kPrefix) && EndsWith(name, ".pdf")) names.insert(name);
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    return names;
}

// print-YYYYmmdd-HHMMSS-pid.pdf: by time, then by the converter's process
// number as a number.
bool MadeEarlier(const std::string& a, const std::string& b) {
    const size_t nTime = sizeof kPrefix - 1 + 15;
    const std::string ta = a.substr(0, nTime), tb = b.substr(0, nTime);
    if (ta != tb) return ta < tb;
    return std::atol(a.c_str() + std::min(a.size(), nTime + 1)) <
           std::atol(b.c_str() + std::min(b.size(), nTime + 1));
}

void Sleep(DWORD ms) { ::Sleep(ms); }

std::string Normalise(const std::string& raw) {
    std::string out;
    bool space = false;
    for (char c : raw) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') {
            space = !out.empty();
        } else {
            if (space) out += ' ';
            space = false;
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string FolderUnix() {
    const char* pszPrefix = std::getenv("CORV_WINEPREFIX");
    if (!pszPrefix) return std::string();
    std::string prefix = pszPrefix;
    while (!prefix.empty() && prefix.back() == '/') prefix.pop_back();
    return prefix.substr(0, prefix.rfind('/')) + "/printed";
}

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string ReadBytes(const std::string& unixPath) {
    std::string bytes;
    HANDLE h = ::CreateFileA(WindowsPath(unixPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD nRead = 0;
    while (::ReadFile(h, buffer, sizeof buffer, &nRead, nullptr) && nRead > 0) bytes.append(buffer, nRead);
    ::CloseHandle(h);
    return bytes;
}

bool EndsWithEof(const std::string& bytes) {
    size_t end = bytes.size();
    while (end > 0 && (bytes[end - 1] == '\n' || bytes[end - 1] == '\r' || bytes[end - 1] == ' ')) --end;
    return end >= 5 && bytes.compare(end - 5, 5, "%%EOF") == 0;
}

PrintWatch::PrintWatch(Pause pause) : m_pause(pause ? std::move(pause) : Pause(Sleep)) {
    m_before = Listing(true);
}

std::string PrintWatch::PathOf(const std::string& name) { return FolderUnix() + "/" + name; }

std::vector<std::string> PrintWatch::FreshComplete() const {
    std::vector<std::string> fresh;
    for (const std::string& name : Listing(false))
        if (!m_before.count(name) && EndsWithEof(ReadBytes(PathOf(name)))) fresh.push_back(name);
    std::sort(fresh.begin(), fresh.end(), MadeEarlier);
    return fresh;
}

size_t PrintWatch::CompleteNow() const { return FreshComplete().size(); }

std::vector<std::string> PrintWatch::WaitForPrints(size_t n, DWORD timeoutMs) {
    m_problem.clear();
    const DWORD start = ::GetTickCount();
    std::vector<std::string> fresh = FreshComplete();
    while (fresh.size() < n && ::GetTickCount() - start < timeoutMs) {
        m_pause(100);
        fresh = FreshComplete();
    }
    if (fresh.size() < n) {
        m_problem = std::to_string(fresh.size()) + " of " + std::to_string(n) + " prints were complete in " +
                    FolderUnix() + " after " + std::to_string(timeoutMs / 1000) + " s";
        size_t nWriting = 0;
        for (const std::string& name : Listing(true))
            if (!m_before.count(name) && std::find(fresh.begin(), fresh.end(), name) == fresh.end())
                ++nWriting;
        if (nWriting) m_problem += "; " + std::to_string(nWriting) + " still being written";
    }
    return fresh;
}

std::string PrintWatch::WaitForPrint(DWORD timeoutMs) {
    const std::vector<std::string> fresh = WaitForPrints(1, timeoutMs);
    return fresh.empty() ? std::string() : fresh.front();
}

bool RunShell(const std::string& command, DWORD timeoutMs) {
    static int s_nRun = 0;
    const std::string done = "/tmp/corv-shell-done-" + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(::GetTickCount()) + "-" + std::to_string(++s_nRun);
    const std::string doneWin = WindowsPath(done);
    ::DeleteFileA(doneWin.c_str());
    // Wine does not let us wait for a Unix program's end: the shell leaves
    // a mark when the command has ended, and the mark is waited for.
    std::string line = "Z:\\bin\\sh -c \"( " + command + " ); touch '" + done + "'\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    // For a Unix program Wine reports success without a process: the handles
    // it leaves in pi are not ours, and closing them would close whatever
    // this process holds under those numbers (the spooler's registry key,
    // and with it every printer).
    if (pi.dwProcessId != 0) {
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    const DWORD start = ::GetTickCount();
    while (::GetFileAttributesA(doneWin.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(50);
    }
    ::DeleteFileA(doneWin.c_str());
    return true;
}

std::vector<std::string> PageTexts(const std::string& unixPath, int nFirst, int nLast) {
    static int s_nRead = 0;
    const std::string pattern =
        "/tmp/corv-pages-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++s_nRead) + "-";
    std::string range = " -dFirstPage=" + std::to_string(nFirst);
    if (nLast > 0) range += " -dLastPage=" + std::to_string(nLast);
    std::vector<std::string> pages;
    if (!RunShell("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite" + range + " -sOutputFile='" + pattern +
                  "%d.txt' '" + unixPath + "'"))
        return pages;
    for (int n = 1;; ++n) {
        const std::string page = pattern + std::to_string(n) + ".txt";
        if (::GetFileAttributesA(WindowsPath(page).c_str()) == INVALID_FILE_ATTRIBUTES) break;
        pages.push_back(Normalise(ReadBytes(page)));
        ::DeleteFileA(WindowsPath(page).c_str());
    }
    return pages;
}

std::string Text(const std::string& unixPath) {
    std::string text;
    for (const std::string& page : PageTexts(unixPath)) {
        if (!text.empty() && !page.empty()) text += ' ';
        text += page;
    }
    return text;
}

}  // namespace printed
