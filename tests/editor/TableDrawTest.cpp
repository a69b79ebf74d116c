// Drawing a line table: drawn into an enhanced metafile whose text records
// give every text with its position and alignment.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editor/TableDraw.h"
#include "framework/win/Gdi.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"

namespace {

struct DrawnText {
    std::string text;
    int x;
    int y;
    UINT align;
};

struct Recording {
    std::vector<DrawnText> texts;
    UINT align = TA_LEFT;
    int lines = 0;
};

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam) {
    auto* pRec = reinterpret_cast<Recording*>(lParam);
    if (pRecord->iType == EMR_SETTEXTALIGN) {
        pRec->align = reinterpret_cast<const EMRSETTEXTALIGN*>(pRecord)->iMode;
    } else if (pRecord->iType == EMR_LINETO) {
        ++pRec->lines;
    } else if (pRecord->iType == EMR_EXTTEXTOUTW || pRecord->iType == EMR_EXTTEXTOUTA) {
        const auto* pText = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord);
        const BYTE* pBase = reinterpret_cast<const BYTE*>(pRecord) + pText->emrtext.offString;
        std::string text;
        for (DWORD i = 0; i < pText->emrtext.nChars; ++i)
            text += pRecord->iType == EMR_EXTTEXTOUTW
                        ? static_cast<char>(reinterpret_cast<const WCHAR*>(pBase)[i])
                        : static_cast<char>(pBase[i]);
        pRec->texts.push_back({text, static_cast<int>(pText->emrtext.ptlReference.x),
                               static_cast<int>(pText->emrtext.ptlReference.y), pRec->align});
    }
    return 1;
}

class LineDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        m_font.CreatePointFont(100, "Arial");
        for (int i = 0; i < m_layout.GetSize(); ++i) m_widths.push_back(60);
    }

    // Draws columns [first, end) of the table from a first line into a metafile, clipped to rcClip.
    Recording Draw(int nFirstCol, int nColEnd, int nFirstLine, int nVisibleRows,
                   RECT rcClip = {0, 0, 2000, 2000}) {
        HDC hScreen = ::GetDC(nullptr);
        HDC hMeta = ::CreateEnhMetaFileA(hScreen, nullptr, nullptr, nullptr);
        ::ReleaseDC(nullptr, hScreen);
        CDC dc;
        dc.Attach(hMeta);
        dc.IntersectClipRect(rcClip.left, rcClip.top, rcClip.right, rcClip.bottom);
        DrawTable(m_table, &dc, &m_font, RGB(0, 0, 0), RECT{0, 0, 1000, 1000}, m_widths.data(), 30, 20,
                  nColEnd, nVisibleRows, 5, 2, 2, nFirstCol, nFirstLine);
        HENHMETAFILE hEmf = ::CloseEnhMetaFile(dc.Detach());
        Recording rec;
        ::EnumEnhMetaFile(nullptr, hEmf, CollectRecord, &rec, nullptr);
        ::DeleteEnhMetaFile(hEmf);
        return rec;
    }

    static const DrawnText* Find(const Recording& rec, const std::string& text) {
        for (const DrawnText& t : rec.texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    static int CountNonEmpty(const Recording& rec) {
        int n = 0;
        for (const DrawnText& t : rec.texts) n += t.text.empty() ? 0 : 1;
        return n;
    }

    void AddLine(const char* itm, const char* qty, const char* description) {
        CRecord* pRecord = m_table.AddRecord();
        pRecord->GetFieldByName("Itm")->SetText(itm);
        pRecord->GetFieldByName("Qty")->SetText(qty);
        pRecord->GetFieldByName("Description")->SetText(description);
    }

    CTableStruct m_layout{CTableStruct::kindSummary};
    CTable m_table{&m_layout};
    CFont m_font;
    std::vector<int> m_widths;
};

}  // namespace

TEST_F(LineDrawing, DrawsHeadingsLineNumbersAndCellTexts) {
    AddLine("A", "2", "Ball valve");
    AddLine("B", "10", "Gate valve");
    const Recording rec = Draw(0, 3, 0, 5);

    const DrawnText* pHead = Find(rec, "Qty");
    ASSERT_NE(pHead, nullptr);
    EXPECT_EQ(pHead->x, (90 + 150) / 2);  // centred over column 1 (x 90..150)
    EXPECT_EQ(pHead->y, 7);
    EXPECT_EQ(pHead->align & (TA_CENTER | TA_RIGHT), static_cast<UINT>(TA_CENTER));
    EXPECT_NE(Find(rec, "Itm"), nullptr);
    EXPECT_NE(Find(rec, "Description"), nullptr);
    EXPECT_EQ(Find(rec, "Operator"), nullptr);  // past the column end

    const DrawnText* pNumber = Find(rec, "2");
    ASSERT_NE(pNumber, nullptr);  // line number 2 and the Qty 2 both read "2"; the first is the Qty of line 1
    const DrawnText* pLineTwo = nullptr;
    for (const DrawnText& t : rec.texts)
        if (t.text == "2" && t.x == 30 - 4) pLineTwo = &t;
    ASSERT_NE(pLineTwo, nullptr);  // right-aligned against the strip
    EXPECT_EQ(pLineTwo->y, 5 + 2 * 20 + 2);
    EXPECT_EQ(pLineTwo->align & (TA_CENTER | TA_RIGHT), static_cast<UINT>(TA_RIGHT));

    const DrawnText* pQty = Find(rec, "10");
    ASSERT_NE(pQty, nullptr);  // a number sits at the right inset of its cell
    EXPECT_EQ(pQty->x, 150 - 2);
    EXPECT_EQ(pQty->y, 5 + 2 * 20 + 2);
    EXPECT_EQ(pQty->align & (TA_CENTER | TA_RIGHT), static_cast<UINT>(TA_RIGHT));

    const DrawnText* pText = Find(rec, "Gate valve");
    ASSERT_NE(pText, nullptr);  // any other text at the left inset
    EXPECT_EQ(pText->x, 150 + 2);
    EXPECT_EQ(pText->align & (TA_CENTER | TA_RIGHT), static_cast<UINT>(TA_LEFT));
}

TEST_F(LineDrawing, RowSlotsBelowTheLastLineAreRuledButEmpty) {
    AddLine("A", "1", "Only line");
    const Recording rec = Draw(0, 2, 0, 4);
    // Headings, one line number, two cells.
    EXPECT_EQ(CountNonEmpty(rec), 2 + 1 + 2);
    EXPECT_EQ(Find(rec, "2"), nullptr);
    // Vertical rules at 30, 90, 150; horizontal rules below the header and the four slots.
    EXPECT_EQ(rec.lines, 3 + 5);
}

TEST_F(LineDrawing, AFirstLineBeyondTheTableDrawsOnlyHeadingsAndRuling) {
    AddLine("A", "1", "x");
    const Recording rec = Draw(0, 3, 5, 4);
    EXPECT_EQ(CountNonEmpty(rec), 3);
    EXPECT_EQ(rec.lines, 4 + 5);
}

TEST_F(LineDrawing, AnEmptyTableAndAScrolledViewDrawWithoutLines) {
    EXPECT_EQ(CountNonEmpty(Draw(0, 3, 0, 3)), 3);
    AddLine("A", "1", "x");
    AddLine("B", "2", "y");
    // Scrolled by one column and one line: "Qty" is the first heading, line 2 the only line.
    const Recording rec = Draw(1, 3, 1, 3);
    const DrawnText* pHead = Find(rec, "Qty");
    ASSERT_NE(pHead, nullptr);
    EXPECT_EQ(pHead->x, 60);
    EXPECT_EQ(Find(rec, "Itm"), nullptr);
    EXPECT_EQ(Find(rec, "x"), nullptr);
    EXPECT_NE(Find(rec, "y"), nullptr);
}

TEST_F(LineDrawing, TheOverflowMarkerShowsRightAligned) {
    AddLine("A", "123456", "x");  // too wide for Qty (4)
    const Recording rec = Draw(0, 2, 0, 2);
    const DrawnText* pStars = Find(rec, "****");
    ASSERT_NE(pStars, nullptr);
    EXPECT_EQ(pStars->x, 148);
    EXPECT_EQ(pStars->align & (TA_CENTER | TA_RIGHT), static_cast<UINT>(TA_RIGHT));
}

TEST_F(LineDrawing, OnlyWhatMeetsTheClipBoxIsDrawn) {
    AddLine("A", "1", "Ball valve");
    AddLine("B", "2", "Gate valve");
    // Only the cell of line 2, column 2 (x 150..210, y 45..65).
    const Recording rec = Draw(0, 3, 0, 5, RECT{160, 50, 200, 60});
    EXPECT_EQ(CountNonEmpty(rec), 1);
    EXPECT_NE(Find(rec, "Gate valve"), nullptr);
}

TEST_F(LineDrawing, LineNumbersBeyondThreeDigitsAreDrawnWhole) {
    for (int i = 0; i < 1001; ++i) m_table.AddRecord();
    const Recording rec = Draw(0, 1, 999, 2);
    EXPECT_NE(Find(rec, "1000"), nullptr);
    EXPECT_NE(Find(rec, "1001"), nullptr);
}
