// Records printed pages into enhanced metafiles made against a reference
// device and reads them back record by record: each text with its
// reference point and alignment, the rules, the bitmaps and the fonts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"

struct RecordedText {
    std::string text;
    int x = 0;
    int y = 0;
    UINT align = 0;  // the text alignment in force when it was drawn
    bool underline = false;
    std::string face;         // the face of the font it was drawn in
    int height = 0;           // that font's lfHeight
    std::vector<int> widths;  // the character widths recorded with it
};

struct RecordedLine {
    int x1, y1, x2, y2;
};

struct RecordedBitmap {
    int x, y, cx, cy;  // destination in logical units
};

struct RecordedPage {
    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    std::vector<RecordedBitmap> bitmaps;
    std::vector<UINT> alignChanges;  // every SetTextAlign value, in order
    int mapMode = 0;                 // the last mapping mode set

    // The first text equal to s, or null.
    const RecordedText* Find(const std::string& s) const;
    // The texts from the first equal to `first` on, in drawing order.
    std::vector<std::string> Texts() const;
};

// A letter page (8.5 x 11 inches) in the device units of the reference.
class CPageRecorder {
public:
    CPageRecorder();
    ~CPageRecorder();
    CPageRecorder(const CPageRecorder&) = delete;
    CPageRecorder& operator=(const CPageRecorder&) = delete;

    HDC ReferenceDC() const { return m_hRef; }
    // The drawing rectangle the print loop hands for a page, in device units.
    CRect PageRectDevice() const;
    // Runs draw on a fresh metafile context (a CDC over it) and returns the
    // recorded metafile, owned by the caller.
    HENHMETAFILE Record(const std::function<void(CDC*)>& draw) const;
    static RecordedPage Walk(HENHMETAFILE hEmf);
    // Both at once; the metafile is deleted.
    RecordedPage RecordPage(const std::function<void(CDC*)>& draw) const;
    // A white 24-bit bitmap cx x cy, top row first, after play drew on it.
    static std::vector<BYTE> Paint(int cx, int cy, const std::function<void(HDC, const RECT&)>& play);
    // Renders a metafile onto a white bitmap of the page at nDpi and writes
    // it as a PNG-less 24-bit BMP file (ImageMagick converts it).
    bool SaveBitmap(HENHMETAFILE hEmf, const std::string& path, int nDpi) const;

private:
    HDC m_hRef = nullptr;
};
