// Every line of every message the program shows inks within the width that
// a message box measures for it in the message font. A box makes its text
// exactly that wide and cuts off whatever inks past it: a final period, half
// a letter. One column past is what rounding the measure may give anywhere
// in a line (a fragment measured alone, ".txt", does it where the whole
// line does not) and loses no stroke; two or more are a face that measures
// narrower than it draws. The messages are read from the program's headers.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The string literals of a header, adjacent ones joined as the compiler
// joins them; comments are skipped.
std::vector<std::string> LiteralsOf(const std::string& code) {
    std::vector<std::string> texts;
    bool adjacent = false;
    for (size_t i = 0; i < code.size(); ++i) {
        if (code.compare(i, 2, "//") == 0) {
            i = code.find('\n', i);
            if (i == std::string::npos) break;
        } else if (code[i] == '"') {
            std::string text;
            for (++i; i < code.size() && code[i] != '"'; ++i) {
                char c = code[i];
                if (c == '\\' && i + 1 < code.size()) {
                    c = code[++i];
                    c = c == 'n' ? '\n' : (c == 't' ? '\t' : c);
                }
                text += c;
            }
            if (adjacent)
                texts.back() += text;
            else
                texts.push_back(text);
            adjacent = true;
        } else if (!std::isspace(static_cast<unsigned char>(code[i]))) {
            adjacent = false;
        }
    }
    return texts;
}

// Each line of every message in the headers "*Messages.h" of the sources
// (build folders and the tests left out).
std::vector<std::string> MessageLines() {
    std::string root = CORV_SOURCE_DIR;
    if (root[0] == '/') root = "Z:" + root;  // the Linux side, under Wine
    std::vector<std::string> lines;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (it->is_directory() && (name[0] == '.' || name.rfind("build", 0) == 0 || name == "tests"))
            it.disable_recursion_pending();
        if (name.size() < 10 || name.compare(name.size() - 10, 10, "Messages.h") != 0) continue;
        std::ifstream in(it->path(), std::ios::binary);
        const std::string code((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const std::string& text : LiteralsOf(code)) {
            std::istringstream split(text);
            for (std::string line; std::getline(split, line);)
                if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(line);
        }
    }
    return lines;
}

// How many pixels past its measured width the line inks in hdc's font.
int InkPastMeasure(HDC hdc, const std::string& line) {
    const UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
    RECT measured{0, 0, 0, 0};
    ::DrawTextA(hdc, line.c_str(), -1, &measured, format | DT_CALCRECT);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = measured.right + 64;
    info.bmiHeader.biHeight = -measured.bottom;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(hdc, hBitmap);
    RECT all{0, 0, info.bmiHeader.biWidth, measured.bottom};
    ::FillRect(hdc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::DrawTextA(hdc, line.c_str(), -1, &all, format);
    ::GdiFlush();
    int past = 0;
    const auto* pixels = static_cast<const DWORD*>(pBits);
    for (LONG y = 0; y < all.bottom; ++y)
        for (LONG x = measured.right; x < all.right; ++x)
            if ((pixels[y * all.right + x] & 0xFFFFFF) != 0xFFFFFF)
                past = std::max<int>(past, x + 1 - measured.right);
    ::SelectObject(hdc, old);
    ::DeleteObject(hBitmap);
    return past;
}

}  // namespace

TEST(MessageText, EveryMessageLineInksWithinTheWidthAMessageBoxGivesIt) {
    const std::vector<std::string> lines = MessageLines();
    ASSERT_GE(lines.size(), 300u) << "the message headers were not found under " << CORV_SOURCE_DIR;

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HFONT hFont = ::CreateFontIndirectA(&metrics.lfMessageFont);
    HGDIOBJ oldFont = ::SelectObject(hdc, hFont);
    std::string cut;
    for (const std::string& line : lines)
        if (const int past = InkPastMeasure(hdc, line); past > 1)
            cut += "\"" + line + "\": " + std::to_string(past) + " px\n";
    ::SelectObject(hdc, oldFont);
    ::DeleteObject(hFont);
    ::DeleteDC(hdc);
    EXPECT_TRUE(cut.empty()) << "inked past the width measured in \"" << metrics.lfMessageFont.lfFaceName
                             << "\":\n"
                             << cut;
}
