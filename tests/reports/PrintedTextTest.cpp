// The PDF printer's text layer: the characters that the report faces draw
// with the glyph of another code point (blank, hyphen, semicolon, middle
// dot) come back as typed, so a print can be searched for what was typed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/PrintedPdfs.h"

namespace {
// As typed (Windows-1252) and as read back (UTF-8): the middle dot is \267.
const char kLine[] = ": Q-2041 Rev B; only; installation\267by";
const char kLineRead[] = ": Q-2041 Rev B; only; installation\302\267by";
}  // namespace

TEST(PrintedText, CharactersSharingAGlyphComeBackAsTypedInEveryReportFace) {
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
    for (const char* face : faces)
        for (const int nWeight : {FW_NORMAL, FW_BOLD}) {
            HFONT hFont = ::CreateFontA(-80, 0, 0, 0, nWeight, 0, 0, 0, 0, 0, 0, 0, 0, face);
            HGDIOBJ hOld = ::SelectObject(hdc, hFont);
            const std::string line = std::string(face) + kLine;
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
    for (const char* face : faces) {
        const std::string line = std::string(face) + kLineRead;
        const size_t regular = text.find(line);
        EXPECT_TRUE(regular != std::string::npos && text.find(line, regular + 1) != std::string::npos)
            << face << ", regular and bold: " << text;
    }
}
