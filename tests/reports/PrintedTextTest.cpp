// The PDF printer's text layer: blanks and hyphens printed in the report
// faces come back as plain blanks and hyphens, so a print can be searched
// for a proposal number.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/PrintedPdfs.h"

TEST(PrintedText, BlanksAndHyphensComeBackPlainInEveryReportFace) {
    ASSERT_FALSE(printed::FolderUnix().empty()) << "CORV_WINEPREFIX is not set";
    HDC hdc = ::CreateDCA(nullptr, "PDF Printer", nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    printed::PrintWatch watch;
    DOCINFOA di{};
    di.cbSize = sizeof di;
    di.lpszDocName = "Proposal";
    ASSERT_GT(::StartDocA(hdc, &di), 0);
    ::StartPage(hdc);
    const char* faces[] = {"Arial", "Arial Narrow", "Courier New", "Times New Roman"};
    int y = 200;
    for (const char* face : faces) {
        HFONT hFont = ::CreateFontA(-80, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, face);
        HGDIOBJ hOld = ::SelectObject(hdc, hFont);
        const std::string line = std::string(face) + ": Q-2041 Rev B";
        ::TextOutA(hdc, 200, y, line.c_str(), static_cast<int>(line.size()));
        ::SelectObject(hdc, hOld);
        ::DeleteObject(hFont);
        y += 200;
    }
    ::EndPage(hdc);
    ::EndDoc(hdc);
    ::DeleteDC(hdc);

    const std::string name = watch.WaitForPrint();
    ASSERT_FALSE(name.empty()) << watch.Problem();
    const std::string text = printed::Text(printed::PrintWatch::PathOf(name));
    ASSERT_FALSE(text.empty()) << "Ghostscript could not read " << name;
    for (const char* face : faces)
        EXPECT_NE(text.find(std::string(face) + ": Q-2041 Rev B"), std::string::npos);
    EXPECT_EQ(text.find('\xC2'), std::string::npos) << text;  // no no-break space or soft hyphen
}
