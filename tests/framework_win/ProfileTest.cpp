// The profile operations on an INI file of the test's own.
#include <gtest/gtest.h>

#include "tests/framework_win/WinTestSupport.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = theTestApp.m_pszProfileName;
        m_path = TestFolder() + "profile.ini";
        ::DeleteFileA(m_path);
        theTestApp.SetProfileName(m_path);
    }
    void TearDown() override { theTestApp.SetProfileName(m_saved); }

    CString FileText() const {
        CString text;
        HANDLE h = ::CreateFileA(m_path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return text;
        char buf[65536];
        DWORD n = 0;
        ::ReadFile(h, buf, sizeof buf, &n, nullptr);
        ::CloseHandle(h);
        return CString(buf, static_cast<int>(n));
    }

    CString m_saved;
    CString m_path;
};

}  // namespace

TEST_F(ProfileTest, DefaultProfileIsTheExecutableNameInTheWindowsFolder) {
    CWinApp* pApp = AfxGetApp();
    pApp->SetProfileName(m_saved);
    EXPECT_STREQ(pApp->m_pszProfileName, (CString(pApp->m_pszExeName) + ".INI").GetString());
}

TEST_F(ProfileTest, LongValuesAreReadWhole) {
    CString value('x', 3000);
    value.SetAt(0, 'A');
    value.SetAt(2999, 'Z');
    EXPECT_TRUE(theTestApp.WriteProfileString("Defaults", "Introduction", value));
    EXPECT_EQ(theTestApp.GetProfileString("Defaults", "Introduction"), value);
    CString longer('y', 9000);
    theTestApp.WriteProfileString("Defaults", "Terms", longer);
    EXPECT_EQ(theTestApp.GetProfileString("Defaults", "Terms").GetLength(), 9000);
}

TEST_F(ProfileTest, NullValueDeletesTheKeyAndNullKeyTheSection) {
    theTestApp.WriteProfileString("Status", "Status1", "Open");
    theTestApp.WriteProfileString("Status", "Status2", "Booked");
    theTestApp.WriteProfileInt("SearchBy", "Offices", 2);
    EXPECT_EQ(theTestApp.GetProfileInt("SearchBy", "Offices", 9), 2u);

    theTestApp.WriteProfileString("Status", "Status2", nullptr);
    EXPECT_EQ(theTestApp.GetProfileString("Status", "Status2", "gone"), "gone");
    EXPECT_EQ(theTestApp.GetProfileString("Status", "Status1"), "Open");
    EXPECT_EQ(FileText().Find("Status2"), -1);

    theTestApp.WriteProfileString("Status", nullptr, nullptr);
    EXPECT_EQ(theTestApp.GetProfileString("Status", "Status1"), "");
    EXPECT_EQ(FileText().Find("[Status]"), -1);
    EXPECT_EQ(theTestApp.GetProfileInt("Missing", "Key", 7), 7u);
}
