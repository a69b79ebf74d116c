// Saving a job when the system fails the save: the disk fills up while the
// job is written or as the file is closed, the folder may not be written, or
// the job is marked read-only.
// The job file already there stays as it was, the user is told why, no
// temporary file is left behind, and the job still counts as modified.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/support/SampleJob.h"
#include "framework/core/CoreMessages.h"
#include "framework/core/File.h"
#include "tests/model/DocTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string FileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Fails every call of one kind on files of the test's folder.
class InjectedFault {
public:
    InjectedFault(FileCall call, int nErrno, std::string folder) {
        m_previous = CorvSetFileFaultHook([=](FileCall c, const char* pszName) {
            return c == call && std::string(pszName).find(folder) == 0 ? nErrno : 0;
        });
    }
    ~InjectedFault() { CorvSetFileFaultHook(m_previous); }

private:
    FileFaultHook m_previous;
};

// Dates the folder an hour back, so that a file made in it shows.
void DateBack(const fs::path& folder) {
#ifdef _WIN32
    HANDLE hFolder = ::CreateFileA(folder.string().c_str(), FILE_WRITE_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(hFolder, INVALID_HANDLE_VALUE);
    FILETIME written;
    ::GetFileTime(hFolder, nullptr, nullptr, &written);
    ULARGE_INTEGER n{{written.dwLowDateTime, written.dwHighDateTime}};
    n.QuadPart -= 36000000000ULL;  // an hour in units of 100 ns
    written = {n.LowPart, n.HighPart};
    EXPECT_TRUE(::SetFileTime(hFolder, nullptr, nullptr, &written));
    ::CloseHandle(hFolder);
#else
    fs::last_write_time(folder, fs::last_write_time(folder) - std::chrono::hours(1));
#endif
}

class SaveFault : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / (std::string("corv_savefault_") + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "quote.job").string();
        // The file on disk: a saved one-line job.
        TestDoc saved;
        FillSampleJob(saved, 1, 1);
        ASSERT_TRUE(saved.OnSaveDocument(path.c_str()));
        before = FileBytes(path);
        ASSERT_FALSE(before.empty());
        boxes.Clear();
        // The job in hand: a larger one, changed since.
        FillSampleJob(job, 40, 6);
        job.SetPathName(path.c_str(), FALSE);
        job.SetModifiedFlag(TRUE);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    void ExpectRefused(const char* pszMessage) {
        ExpectFolderAsItWas();
        EXPECT_TRUE(job.IsModified());
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_NE(boxes.Texts()[0].find(pszMessage), std::string::npos) << boxes.Texts()[0];
    }
    void ExpectFolderAsItWas() {
        EXPECT_TRUE(FileBytes(path) == before) << "the old job file changed";
        for (const auto& entry : fs::directory_iterator(dir))
            EXPECT_EQ(entry.path().filename(), "quote.job") << "left behind";
    }
#ifndef _WIN32
    // Run in a child process: becomes the user, saves, writes what the user
    // was shown to stderr and ends with 0 only when the save was refused
    // with the access message and the job kept its changes.
    [[noreturn]] void SaveAs(const passwd& user) {
        if (setgroups(0, nullptr) != 0 || setgid(user.pw_gid) != 0 || setuid(user.pw_uid) != 0) {
            std::fprintf(stderr, "could not become %s\n", user.pw_name);
            std::_Exit(2);
        }
        const bool saved = job.DoFileSave();
        const auto texts = boxes.Texts();
        const std::string told = texts.empty() ? "nothing" : texts[0];
        std::fprintf(stderr, "saved: %d, still modified: %d, told: %s\n", saved, job.IsModified(),
                     told.c_str());
        const bool refused = !saved && job.IsModified() && texts.size() == 1 &&
                             told.find(CoreMsg::kFileAccessDenied) != std::string::npos;
        std::_Exit(refused ? 0 : 1);
    }
#endif

    fs::path dir;
    std::string path, before;
    TestDoc job;
    MessageBoxRecorder boxes;
};

}  // namespace

TEST_F(SaveFault, TheDiskFillsUpWhileTheJobIsWritten) {
    InjectedFault full(FileCall::Write, ENOSPC, dir.string());
    EXPECT_FALSE(job.DoFileSave());
    ExpectRefused(CoreMsg::kFileDiskFull);
}

TEST_F(SaveFault, TheDiskFillsUpAsTheFileIsClosed) {
    // Buffered bytes reach the disk only when the file is closed.
    InjectedFault full(FileCall::Close, ENOSPC, dir.string());
    EXPECT_FALSE(job.DoFileSave());
    ExpectRefused(CoreMsg::kFileDiskFull);
}

TEST_F(SaveFault, TheFolderMayNotBeWritten) {
    InjectedFault readOnly(FileCall::Open, EACCES, dir.string());
    EXPECT_FALSE(job.DoFileSave());
    ExpectRefused(CoreMsg::kFileAccessDenied);
}

TEST_F(SaveFault, AReallyReadOnlyFolderRefusesTheSaveToo) {
#ifndef _WIN32
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() != 0) {
        EXPECT_FALSE(job.DoFileSave());
        ExpectRefused(CoreMsg::kFileAccessDenied);
        return;
    }
    // Permissions do not bind the superuser (as on a build machine): the
    // save runs in a child process that has become an ordinary user, the
    // owner of the folder.
    const passwd* user = getpwnam("nobody");
    if (user == nullptr) GTEST_SKIP() << "no ordinary user to save as";
    for (fs::path p = dir.parent_path(); p != p.root_path(); p = p.parent_path())
        if ((fs::status(p).permissions() & fs::perms::others_exec) == fs::perms::none)
            GTEST_SKIP() << p << " is closed to other users";
    ASSERT_EQ(chown(dir.c_str(), user->pw_uid, user->pw_gid), 0);
    ASSERT_EQ(chown(path.c_str(), user->pw_uid, user->pw_gid), 0);
    EXPECT_EXIT(SaveAs(*user), ::testing::ExitedWithCode(0), "");
    ExpectFolderAsItWas();
#else
    GTEST_SKIP() << "the folder's permissions are the host's";
#endif
}

TEST_F(SaveFault, AJobHeldOpenByAnotherProgramIsNotReplaced) {
#ifdef _WIN32
    // The other program's handle does not share deletion, so the new file
    // cannot take the job's place, however long the save waits.
    HANDLE hHeld = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(job.DoFileSave());
    ::CloseHandle(hHeld);
    ExpectRefused(CoreMsg::kFileSharingViolation);
#else
    GTEST_SKIP() << "an open file never stops a rename here";
#endif
}

// Save As with the job's own name, the replace confirmed: a job the user
// marked read-only (an issued quotation) stays as it is, on every system.
// It is refused before anything is written, so a full disk does not hide
// why, and nothing is made in its folder, whose date stays as it was.
TEST_F(SaveFault, AJobMarkedReadOnlyIsNeverReplaced) {
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(path, writable, fs::perm_options::remove);
    DateBack(dir);
    const auto folderDated = fs::last_write_time(dir);
    InjectedFault full(FileCall::Write, ENOSPC, dir.string());
    EXPECT_FALSE(job.DoSave(path.c_str()));
    ExpectRefused(CoreMsg::kFileAccessDenied);
    EXPECT_TRUE((fs::status(path).permissions() & writable) == fs::perms::none) << "the job became writable";
    EXPECT_TRUE(fs::last_write_time(dir) == folderDated) << "a file was made in the job's folder";
}

// Refused with no program holding it: the user is told of rights, not of
// another program.
TEST_F(SaveFault, AFolderInTheJobsPlaceIsDeniedNotInUse) {
#ifdef _WIN32
    const fs::path folder = dir / "folder.job";
    fs::create_directory(folder);
    EXPECT_FALSE(job.DoSave(folder.string().c_str()));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find(CoreMsg::kFileAccessDenied), std::string::npos) << boxes.Texts()[0];
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "left behind";
#else
    GTEST_SKIP() << "a lack of rights and a holder are not told apart here";
#endif
}

TEST_F(SaveFault, TheSaveSucceedsOnceTheFaultIsGone) {
    {
        InjectedFault full(FileCall::Write, ENOSPC, dir.string());
        EXPECT_FALSE(job.DoFileSave());
    }
    boxes.Clear();
    EXPECT_TRUE(job.DoFileSave());
    EXPECT_FALSE(job.IsModified());
    EXPECT_NE(FileBytes(path), before);
    EXPECT_TRUE(boxes.Texts().empty());
}
