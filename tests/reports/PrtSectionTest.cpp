#include <gtest/gtest.h>

#include <memory>

#include "reports/PageMetrics.h"
#include "tests/reports/BandTestSupport.h"

namespace {
class Bands : public ::testing::Test {
protected:
    BandPage page;
};

int Width(CDC* pDC, const char* psz) { return TextWidth(pDC, CString(psz)); }
}  // namespace

TEST_F(Bands, AnEmptyRuledBandDrawsOnlyItsFourRules) {
    std::unique_ptr<CPrtSection> band(new CPrtSection);
    band->m_nStyle = CPrtSection::kRuled;
    RecordedPage rec = page.Draw([&](CDC* pDC) {
        EXPECT_EQ(band->GetHeight(pDC), 0);
        band->Print(pDC, &page.info, -200);
    });
    EXPECT_TRUE(rec.texts.empty());
    ASSERT_EQ(rec.lines.size(), 4u);
    const int ys[] = {-200, -203, -199, -196};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rec.lines[i].y1, ys[i]);
        EXPECT_EQ(rec.lines[i].y2, ys[i]);
        EXPECT_EQ(rec.lines[i].x1, 40);
        EXPECT_EQ(rec.lines[i].x2, page.W - 40);
    }
    EXPECT_TRUE(rec.alignChanges.empty());  // no column: the alignment is not touched
}

TEST_F(Bands, ABandIsAsHighAsItsLongestColumn) {
    std::unique_ptr<CPrtSection> band(MakeBand({{"a", "", "c"}, {"x"}, {}}));
    band->m_nStyle = CPrtSection::kRuled;
    band->GetColumn(1)->m_x = 300;
    RecordedPage rec = page.Draw([&](CDC* pDC) {
        EXPECT_EQ(band->GetHeight(pDC), -3 * page.lineHeight);
        band->Print(pDC, &page.info, -100);
    });
    const int lh = page.lineHeight;
    ASSERT_EQ(rec.texts.size(), 4u);  // the empty line is drawn too and moves the next one down
    EXPECT_EQ(rec.texts[2].text, "c");
    EXPECT_EQ(rec.texts[2].y, -100 - 2 * lh);
    EXPECT_EQ(rec.texts[3].text, "x");
    EXPECT_EQ(rec.texts[3].x, 300);
    EXPECT_EQ(rec.texts[3].y, -100);
    // The rules under the band sit 1 and 4 units above its bottom edge.
    ASSERT_EQ(rec.lines.size(), 4u);
    EXPECT_EQ(rec.lines[2].y1, -100 - 3 * lh + 1);
    EXPECT_EQ(rec.lines[3].y1, -100 - 3 * lh + 4);
}

TEST_F(Bands, TheAlignmentBeforeTheBandComesBack) {
    std::unique_ptr<CPrtSection> band(MakeBand({{"left"}, {"right"}}));
    band->GetColumn(1)->m_nAlign = CPrtCol::kRight;
    band->GetColumn(1)->m_x = 500;
    UINT after = 0;
    RecordedPage rec = page.Draw([&](CDC* pDC) {
        pDC->SetTextAlign(TA_LEFT | TA_TOP);
        band->Print(pDC, &page.info, -100);
        after = pDC->GetTextAlign();
        pDC->TextOut(40, -200, CString("next"));
    });
    EXPECT_EQ(after, static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(rec.Find("right")->align, static_cast<UINT>(TA_RIGHT));
    EXPECT_EQ(rec.Find("next")->align, static_cast<UINT>(TA_LEFT | TA_TOP));
}

TEST_F(Bands, UnderlinedColumnsKeepTheBodyFaceAndSize) {
    std::unique_ptr<CPrtSection> band(MakeBand({{"Item"}, {}, {"plain"}}));
    band->GetColumn(0)->m_bUnderline = TRUE;
    band->GetColumn(1)->m_bUnderline = TRUE;  // no lines: its font still comes and goes
    HGDIOBJ before = nullptr;
    HGDIOBJ after = nullptr;
    RecordedPage rec = page.Draw([&](CDC* pDC) {
        before = pDC->GetCurrentFont();
        band->Print(pDC, &page.info, -100);
        after = pDC->GetCurrentFont();
    });
    const RecordedText* item = rec.Find("Item");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->underline);
    EXPECT_EQ(item->face, "Arial");
    EXPECT_EQ(item->height, -15);
    EXPECT_FALSE(rec.Find("plain")->underline);
    EXPECT_EQ(before, after);
}

TEST_F(Bands, CopiesAreDeepAndSelfAssignmentKeepsTheColumns) {
    auto source = std::make_unique<CPrtSection>();
    source->m_nStyle = CPrtSection::kRuled;
    source->AddColumn()->AddLine("a");
    CPrtSection copy(*source);
    copy.GetColumn(0)->AddLine("b");
    copy.GetColumn(0)->m_x = 77;
    EXPECT_EQ(source->GetColumn(0)->GetLineCount(), 1);
    EXPECT_EQ(source->GetColumn(0)->m_x, 0);
    EXPECT_EQ(copy.m_nStyle, CPrtSection::kRuled);
    source.reset();
    EXPECT_EQ(copy.GetColumn(0)->GetLine(1), "b");
    copy = copy;
    ASSERT_EQ(copy.GetColumnCount(), 1);
    EXPECT_EQ(copy.GetColumn(0)->GetLineCount(), 2);
    CPrtSection other;
    other.AddColumn();
    other.AddColumn();
    other = copy;
    EXPECT_EQ(other.GetColumnCount(), 1);
}

TEST_F(Bands, SplittingKeepsTheGeometryAndMovesTheRestOfTheLines) {
    std::unique_ptr<CPrtSection> band(MakeBand({{"1", "2", "3"}, {"a"}}));
    band->GetColumn(0)->m_x = 90;
    band->GetColumn(0)->m_nAlign = CPrtCol::kCenter;
    std::unique_ptr<CPrtSection> rest(band->SplitAtLine(2));
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(band->GetLineCount(), 2);
    EXPECT_EQ(rest->GetColumn(0)->GetLine(0), "3");
    EXPECT_EQ(rest->GetColumn(0)->m_x, 90);
    EXPECT_EQ(rest->GetColumn(0)->m_nAlign, CPrtCol::kCenter);
    EXPECT_EQ(rest->GetColumn(1)->GetLineCount(), 0);
    EXPECT_EQ(band->SplitAtLine(2), nullptr);
}

TEST_F(Bands, HeadingBlockSharesTheFreeSpaceInThree) {
    std::unique_ptr<CPrtSection> band(
        MakeBand({{"To:"}, {"Harlow Process Systems"}, {"Date:"}, {"03/14/2026"}}));
    page.Draw([&](CDC* pDC) {
        band->LayoutHeadingBlock(pDC, &page.info);
        const int w0 = Width(pDC, "To:"), w1 = Width(pDC, "Harlow Process Systems");
        const int w2 = Width(pDC, "Date:"), w3 = Width(pDC, "03/14/2026");
        const int third = (page.W - 80 - 2 * page.gap - (w0 + w1 + w2 + w3)) / 3;
        EXPECT_EQ(band->GetColumn(0)->m_x, 40 + third);
        EXPECT_EQ(band->GetColumn(1)->m_x, 40 + third + w0 + page.gap);
        EXPECT_EQ(band->GetColumn(2)->m_x, page.W - 40 - third - w3 - page.gap);
        EXPECT_EQ(band->GetColumn(2)->m_nAlign, CPrtCol::kRight);
        EXPECT_EQ(band->GetColumn(3)->m_x, page.W - 40 - third - w3);
    });
    EXPECT_EQ(band->m_nStyle, CPrtSection::kRuled);
    std::unique_ptr<CPrtSection> three(MakeBand({{"a"}, {"b"}, {"c"}}));
    page.Draw([&](CDC* pDC) { three->LayoutHeadingBlock(pDC, &page.info); });
    EXPECT_EQ(three->m_nStyle, CPrtSection::kRuled);
    EXPECT_EQ(three->GetColumn(2)->m_x, 0);
}

TEST_F(Bands, TermsBlockKeepsEachLabelOnTheFirstLineOfItsValue) {
    std::string longValue;
    for (int i = 0; i < 40; ++i) longValue += "wrapping ";
    std::unique_ptr<CPrtSection> band(MakeBand({{"FOB Point", "Packaging", "Lead Time"},
                                                {":", ":", ":"},
                                                {"Factory", longValue.c_str(), "6 weeks"}}));
    page.Draw([&](CDC* pDC) { band->LayoutTermsBlock(pDC, &page.info); });
    const int n = band->GetColumn(2)->GetLineCount();
    ASSERT_GE(n, 4);  // the long value wraps onto at least two lines
    EXPECT_EQ(band->GetColumn(0)->GetLineCount(), n);
    EXPECT_EQ(band->GetColumn(1)->GetLineCount(), n);
    EXPECT_EQ(band->GetColumn(0)->GetLine(1), "Packaging");
    EXPECT_EQ(band->GetColumn(0)->GetLine(2), "");
    EXPECT_EQ(band->GetColumn(0)->GetLine(n - 1), "Lead Time");
    EXPECT_EQ(band->GetColumn(2)->GetLine(n - 1), "6 weeks");
    EXPECT_EQ(band->GetColumn(0)->m_x, 40);
}

TEST_F(Bands, PricedItemLineAnchorsTheAmountsAndWrapsTheDescription) {
    std::string description = "Service^";
    for (int i = 0; i < 30; ++i) description += "ball valve ";
    std::unique_ptr<CPrtSection> band(
        MakeBand({{"1"}, {"12"}, {description.c_str()}, {"48,500.00"}, {"582,000.00"}}));
    int amount = 0, flexible = 0;
    page.Draw([&](CDC* pDC) {
        band->LayoutQuoteOnePricedLine(pDC, &page.info);
        amount = Width(pDC, "9,999,999.99");
        flexible = page.W - 80 - Width(pDC, "999") - Width(pDC, "9999") - 2 * amount - 4 * page.gap;
        for (int i = 0; i < band->GetColumn(2)->GetLineCount(); ++i)
            EXPECT_LE(TextWidth(pDC, band->GetColumn(2)->GetLine(i)), flexible);
    });
    EXPECT_EQ(band->GetColumn(4)->m_x, page.W - 40);
    EXPECT_EQ(band->GetColumn(4)->m_nAlign, CPrtCol::kRight);
    EXPECT_EQ(band->GetColumn(3)->m_x, page.W - 40 - amount - page.gap);
    EXPECT_EQ(band->GetColumn(2)->m_nAlign, CPrtCol::kLeft);
    EXPECT_EQ(band->GetColumn(2)->GetLine(0), "Service");
    EXPECT_GT(band->GetColumn(2)->GetLineCount(), 2);
    EXPECT_FALSE(band->GetColumn(0)->m_bUnderline);
    // One column too many or too few: nothing changes.
    std::unique_ptr<CPrtSection> four(MakeBand({{"1"}, {"2"}, {"3"}, {"4"}}));
    page.Draw([&](CDC* pDC) {
        four->LayoutQuoteOnePricedLine(pDC, &page.info);
        four->LayoutQuoteOneHeading(pDC, &page.info);
        four->LayoutPropSumLine(pDC, &page.info);
    });
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(four->GetColumn(i)->m_x, 0);
        EXPECT_FALSE(four->GetColumn(i)->m_bUnderline);
    }
}

TEST_F(Bands, IndentedAndCentredParagraphs) {
    std::unique_ptr<CPrtSection> indented(MakeBand({{"  Area 300"}}));
    std::unique_ptr<CPrtSection> centred(MakeBand({{"footer line"}}));
    page.Draw([&](CDC* pDC) {
        indented->LayoutIndented(pDC, &page.info, 8, 0, TRUE);
        centred->LayoutCentred(pDC, &page.info);
    });
    EXPECT_EQ(indented->GetColumn(0)->m_x, 40 + (page.W - 80) * 8 / 100);
    EXPECT_EQ(indented->GetColumn(0)->GetLine(0), "Area 300");
    EXPECT_EQ(centred->GetColumn(0)->m_x, 40 + (page.W - 80) / 2);
    EXPECT_EQ(centred->GetColumn(0)->m_nAlign, CPrtCol::kCenter);
}
