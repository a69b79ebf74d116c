// Opening and saving a document's file: an empty file is not read, a
// damaged one is reported, a failed save leaves the old file intact, and two
// programs saving one job at once leave one whole save.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "framework/core/Document.h"
#include "framework/core/MessageBox.h"
#include "framework/core/SaveFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#endif

namespace {

class CTextDoc : public CDocument {
public:
    void Serialize(CArchive& ar) override {
        ++serializeCalls;
        if (ar.IsStoring()) {
            ar << m_text;
            if (failWrite) AfxThrowFileException(CFileException::diskFull);
            ar << m_text;
        } else {
            ar >> m_text;
            ar >> m_text;
        }
    }
    void DeleteContents() override { m_text.Empty(); }
    CString m_text;
    bool failWrite = false;
    int serializeCalls = 0;
};

struct MessageLog {
    MessageLog() {
        previous = AfxSetMessageBoxHook([this](const char* text, UINT) {
            texts.push_back(text);
            return IDOK;
        });
    }
    ~MessageLog() { AfxSetMessageBoxHook(previous); }
    std::vector<std::string> texts;
    MessageBoxHook previous;
};

std::string TempPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
#ifdef _WIN32
    if (!dir) dir = std::getenv("TEMP");
#endif
    std::string base = dir ? dir : "/tmp";
    return base + "/corv_doc_" + name + "_" + std::to_string(reinterpret_cast<uintptr_t>(&base) % 100000);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The files beside the job that a save made and left there.
std::vector<std::string> LeftBehind(const std::string& path) {
    const std::filesystem::path job(path);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(job.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name != job.filename().string() && name.rfind(job.filename().string() + ".", 0) == 0)
            names.push_back(name);
    }
    return names;
}

// 16 MB of one byte: each save is told from the other by its byte. A
// save's halfWay, when given, runs with half of it written.
class CBulkDoc : public CDocument {
public:
    explicit CBulkDoc(char ch, std::function<void()> halfWay = nullptr)
        : m_chunk(64 * 1024, ch), m_halfWay(std::move(halfWay)) {}
    void Serialize(CArchive& ar) override {
        for (int i = 0; ar.IsStoring() && i < 256; ++i) {
            if (i == 128 && m_halfWay) m_halfWay();
            ar.Write(m_chunk.data(), static_cast<UINT>(m_chunk.size()));
        }
    }
    static constexpr size_t kSize = 16u << 20;
    std::string m_chunk;
    std::function<void()> m_halfWay;
};

#ifdef _WIN32
// This test program started again running only the test filter, its report
// thrown away (it would only muddle this one's).
bool StartSelf(const char* pszFilter, PROCESS_INFORMATION& pi) {
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string cmd =
        std::string("\"") + exe + "\" --gtest_filter=" + pszFilter + " --gtest_also_run_disabled_tests";
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE hNul = ::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = hNul;
    const bool bStarted =
        ::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hNul);
    return bStarted;
}
#endif

// The id of a process that has run and ended.
unsigned long EndedProcessId() {
#ifdef _WIN32
    PROCESS_INFORMATION pi{};
    if (!StartSelf("None.None", pi)) return 0;
    ::WaitForSingleObject(pi.hProcess, 60000);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return pi.dwProcessId;
#else
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return static_cast<unsigned long>(pid);
#endif
}

unsigned long ThisProcessId() {
#ifdef _WIN32
    return ::GetCurrentProcessId();
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

std::string Hex(unsigned long n) {
    char text[24];
    std::snprintf(text, sizeof text, "%lx", n);
    return text;
}

// A second program saving 'B' into the job: it starts, says it is ready and
// saves at once; Finish tells whether its save succeeded. bHalfWay: it says
// it is ready half-way through its save and waits there until Finish.
class CSecondSaver {
public:
    explicit CSecondSaver(const std::string& path, bool bHalfWay = false) {
#ifdef _WIN32
        const std::string ready = "corv-second-saver-" + std::to_string(::GetCurrentProcessId());
        HANDLE hReady = ::CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
        if (bHalfWay) m_hGo = ::CreateEventA(nullptr, TRUE, FALSE, (ready + "-go").c_str());
        ::SetEnvironmentVariableA("CORV_SECOND_SAVER_JOB", path.c_str());
        ::SetEnvironmentVariableA("CORV_SECOND_SAVER_READY", ready.c_str());
        ::SetEnvironmentVariableA("CORV_SECOND_SAVER_GO", bHalfWay ? (ready + "-go").c_str() : nullptr);
        if (StartSelf("DocumentFile.DISABLED_SecondSaver", m_pi)) ::WaitForSingleObject(hReady, 60000);
        ::CloseHandle(hReady);
        ::SetEnvironmentVariableA("CORV_SECOND_SAVER_JOB", nullptr);
#else
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(m_go) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            ::close(m_go[1]);
            CBulkDoc doc('B');
            if (bHalfWay)
                doc.m_halfWay = [&] {
                    ::close(ready[1]);
                    char ch;
                    (void)::read(m_go[0], &ch, 1);  // returns when the parent closes its end
                };
            else
                ::close(ready[1]);
            ::_exit(doc.OnSaveDocument(path.c_str()) ? 0 : 1);
        }
        ::close(ready[1]);
        ::close(m_go[0]);
        char ch;
        (void)::read(ready[0], &ch, 1);  // returns when the child closes its end
        ::close(ready[0]);
#endif
    }
    unsigned long ProcessId() const {
#ifdef _WIN32
        return m_pi.dwProcessId;
#else
        return static_cast<unsigned long>(m_pid);
#endif
    }
    bool Finish() {
#ifdef _WIN32
        if (m_hGo) {
            ::SetEvent(m_hGo);
            ::CloseHandle(m_hGo);
        }
        if (!m_pi.hProcess) return false;
        DWORD code = 1;
        ::WaitForSingleObject(m_pi.hProcess, 120000);
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        ::CloseHandle(m_pi.hProcess);
        ::CloseHandle(m_pi.hThread);
        return code == 0;
#else
        ::close(m_go[1]);
        int status = 1;
        return m_pid > 0 && ::waitpid(m_pid, &status, 0) == m_pid && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
#endif
    }

private:
#ifdef _WIN32
    PROCESS_INFORMATION m_pi{};
    HANDLE m_hGo = nullptr;
#else
    pid_t m_pid = -1;
    int m_go[2] = {-1, -1};
#endif
};

}  // namespace

TEST(DocumentFile, TwoProgramsSavingOneJobLeaveOneWholeSave) {
    MessageLog log;
    const std::string path = TempPath("shared.job");
    for (int nTry = 0; nTry < 4; ++nTry) {
        CSecondSaver second(path);
        CBulkDoc doc('A');
        const bool bFirst = doc.OnSaveDocument(path.c_str()) != FALSE;
        const bool bSecond = second.Finish();
        const std::string bytes = ReadAll(path);
        ASSERT_EQ(bytes.size(), CBulkDoc::kSize) << "try " << nTry;
        const char ch = bytes[0];
        EXPECT_EQ(bytes.find_first_not_of(ch), std::string::npos) << "two saves mixed, try " << nTry;
        // The file is a save that said it succeeded.
        EXPECT_TRUE(ch == 'A' ? bFirst : bSecond) << "try " << nTry;
        EXPECT_EQ(bFirst, log.texts.empty());
        EXPECT_EQ(LeftBehind(path), std::vector<std::string>{});
        log.texts.clear();
    }
    std::remove(path.c_str());
}

#ifdef _WIN32
// Another program has the job open for a moment (a reader, a second saver's
// own replace) while a save replaces it: the save waits it out.
TEST(DocumentFile, ASaveWaitsOutAProgramThatHasTheJobOpenForAMoment) {
    MessageLog log;
    const std::string path = TempPath("held.job");
    CTextDoc doc;
    doc.m_text = "first";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    HANDLE hHeld = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    std::thread letGo([hHeld] {
        ::Sleep(300);
        ::CloseHandle(hHeld);
    });
    doc.m_text = "second";
    EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
    letGo.join();
    EXPECT_EQ(log.texts, std::vector<std::string>{});
    EXPECT_EQ(ReadAll(path), std::string("\x06second\x06second"));
    std::remove(path.c_str());
}
#endif

// Save files of killed saves are removed once they are a quarter of an hour
// old. A recent one may be another program's running save: its process
// number means nothing in another Wine prefix or on another machine, where
// it may be that of an ended process or of this one.
TEST(DocumentFile, ASaveRemovesOnlyLongUnwrittenSaveFiles) {
    MessageLog log;
    const std::string path = TempPath("killed.job");
    const std::string name = std::filesystem::path(path).filename().string();
    const std::string dir = path.substr(0, path.size() - name.size());
    CSecondSaver running(path, true);  // half-way through its save
    const std::string ended = name + "." + Hex(EndedProcessId());
    const std::string ours = name + "." + Hex(ThisProcessId());
    const std::vector<std::string> killed = {ended + "-0.tmp~", ended + "-1f.tmp~", ours + "-7fff.tmp~"};
    std::vector<std::string> others = {ended + "-0.tmp", name + ".backup.tmp~", name + ".1-0.old.tmp~",
                                       ended + "-3.tmp~", ours + "-7ffe.tmp~"};
    for (const auto& file : killed) std::ofstream(dir + file, std::ios::binary) << "killed save";
    for (const auto& file : others) std::ofstream(dir + file, std::ios::binary) << "another file";
#ifdef _WIN32
    // Open in a program: it cannot be removed, and the save goes on.
    others.push_back(ended + "-2.tmp~");
    std::ofstream(dir + others.back(), std::ios::binary) << "held";
    const std::vector<std::string> aged = {killed[0], killed[1], killed[2], others.back()};
#else
    const std::vector<std::string> aged = killed;
#endif
    const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(16);
    for (const auto& file : aged) std::filesystem::last_write_time(dir + file, longAgo);
#ifdef _WIN32
    HANDLE hHeld = ::CreateFileA((dir + others.back()).c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
#endif
    CBulkDoc doc('A');
    EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_TRUE(log.texts.empty());

    std::vector<std::string> left = LeftBehind(path);
    const std::string runningFile = name + "." + Hex(running.ProcessId()) + "-";
    const auto itRunning = std::find_if(left.begin(), left.end(),
                                        [&](const std::string& s) { return s.rfind(runningFile, 0) == 0; });
    EXPECT_NE(itRunning, left.end()) << "the running save's file was removed";
    if (itRunning != left.end()) left.erase(itRunning);
    std::sort(left.begin(), left.end());
    std::sort(others.begin(), others.end());
    EXPECT_EQ(left, others);
    EXPECT_TRUE(running.Finish());  // and the running save ends well
    EXPECT_EQ(ReadAll(path).substr(0, 1), "B");
#ifdef _WIN32
    ::CloseHandle(hHeld);
#endif
    for (const auto& file : others) std::remove((dir + file).c_str());
    std::remove(path.c_str());
}

// A folder on a file server whose clock runs an hour ahead: a save file a
// quarter of an hour old by that clock, whose program still runs and had
// started before the file was written, may be a slow save: it is left.
TEST(DocumentFile, AnOldSaveFileOfAProgramStillRunningIsLeft) {
    const std::string path = TempPath("slow.job");
    CSecondSaver running(path, true);  // half-way through its own save
    const std::string own = path + "." + Hex(ThisProcessId()) + "-ffff.tmp~";
    const std::string slow = path + "." + Hex(running.ProcessId()) + "-ffff.tmp~";
    for (const auto& file : {own, slow}) std::ofstream(file, std::ios::binary) << "save";
    const auto serverNow = std::filesystem::file_time_type::clock::now() + std::chrono::hours(1);
    std::filesystem::last_write_time(own, serverNow);
    std::filesystem::last_write_time(slow, serverNow - std::chrono::minutes(16));
    CorvRemoveAbandonedSaveFiles(path.c_str(), own.c_str());
    EXPECT_TRUE(std::filesystem::exists(slow));
    EXPECT_TRUE(running.Finish());
    for (const auto& file : {own, slow, path}) std::remove(file.c_str());
}

#ifndef _WIN32
// Some file systems (tmpfs) keep any 64-bit date: a save file dated at the
// far past end is as old as any.
TEST(DocumentFile, ASaveFileDatedAtTheEarliestTimeIsRemoved) {
    if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no tmpfs folder";
    MessageLog log;
    const std::string path = "/dev/shm/corv_doc_ancient_" + Hex(ThisProcessId()) + ".job";
    const std::string ancient = path + "." + Hex(EndedProcessId()) + "-0.tmp~";
    std::ofstream(ancient, std::ios::binary) << "killed save";
    const timespec times[2] = {{LLONG_MIN + 1, 0}, {LLONG_MIN + 1, 0}};
    struct stat st;
    if (::utimensat(AT_FDCWD, ancient.c_str(), times, 0) != 0 || ::stat(ancient.c_str(), &st) != 0 ||
        st.st_mtime != LLONG_MIN + 1) {
        std::remove(ancient.c_str());
        GTEST_SKIP() << "the file system does not keep such a date";
    }
    CTextDoc doc;
    EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_EQ(LeftBehind(path), std::vector<std::string>{});
    std::remove(ancient.c_str());
    std::remove(path.c_str());
}
#endif

#ifdef _WIN32
// The second program of the tests above (the test program started again).
TEST(DocumentFile, DISABLED_SecondSaver) {
    const char* pszJob = std::getenv("CORV_SECOND_SAVER_JOB");
    const char* pszReady = std::getenv("CORV_SECOND_SAVER_READY");
    ASSERT_TRUE(pszJob && pszReady);
    MessageLog log;  // a failed save's message must not wait for a click
    HANDLE hReady = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, pszReady);
    const char* pszGo = std::getenv("CORV_SECOND_SAVER_GO");
    HANDLE hGo = pszGo ? ::OpenEventA(SYNCHRONIZE, FALSE, pszGo) : nullptr;
    const auto sayReady = [hReady] {
        ::SetEvent(hReady);
        ::CloseHandle(hReady);
    };
    CBulkDoc doc('B');
    if (hGo)
        doc.m_halfWay = [&] {
            sayReady();
            ::WaitForSingleObject(hGo, 60000);
        };
    else
        sayReady();
    EXPECT_TRUE(doc.OnSaveDocument(pszJob));
    if (hGo) ::CloseHandle(hGo);
}
#endif

TEST(DocumentFile, SaveThenOpenRoundTrips) {
    MessageLog log;
    std::string path = TempPath("roundtrip");
    CTextDoc doc;
    doc.m_text = "gate valve";
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadAll(path), std::string("\x0Agate valve\x0Agate valve"));

    CTextDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path.c_str()));
    EXPECT_EQ(back.m_text, "gate valve");
    EXPECT_FALSE(back.IsModified());
    EXPECT_TRUE(log.texts.empty());
    std::remove(path.c_str());
}

TEST(DocumentFile, AnEmptyFileIsNotRead) {
    MessageLog log;
    std::string path = TempPath("empty");
    { std::ofstream(path, std::ios::binary); }
    CTextDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(path.c_str()));
    EXPECT_EQ(doc.serializeCalls, 0);
    std::remove(path.c_str());
}

TEST(DocumentFile, ATruncatedFileIsReportedAndEmptied) {
    MessageLog log;
    std::string path = TempPath("truncated");
    { std::ofstream(path, std::ios::binary) << std::string("\x0Agate", 5); }
    CTextDoc doc;
    doc.m_text = "left over";
    EXPECT_FALSE(doc.OnOpenDocument(path.c_str()));
    EXPECT_TRUE(doc.m_text.IsEmpty());
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_EQ(log.texts[0], "Unexpected file format.");
    std::remove(path.c_str());
}

TEST(DocumentFile, AMissingFileIsReported) {
    MessageLog log;
    CTextDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(TempPath("does_not_exist").c_str()));
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_NE(log.texts[0].find("could not be found"), std::string::npos);
}

TEST(DocumentFile, AFailedSaveKeepsThePreviousFileAndTheModifiedFlag) {
    MessageLog log;
    std::string path = TempPath("failsave");
    { std::ofstream(path, std::ios::binary) << "previous contents"; }
    CTextDoc doc;
    doc.m_text = "new text";
    doc.SetModifiedFlag();
    doc.failWrite = true;
    EXPECT_FALSE(doc.OnSaveDocument(path.c_str()));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadAll(path), "previous contents");
    EXPECT_EQ(LeftBehind(path), std::vector<std::string>{});
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_NE(log.texts[0].find("disk is full"), std::string::npos);
    std::remove(path.c_str());
}
