// The pages of a quotation letter as the view prints them, recorded and
// walked record by record: furniture, footer, rules, alignment, and the
// same page whether the print begins at page 1 or later.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/Table.h"
#include "reports/PageMetrics.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "tests/app/AppTestSupport.h"
#include "tests/reports/ReportJob.h"

namespace {
class LetterPages : public ::testing::Test {
protected:
    void SetUp() override {
        FillRealisticJob(doc);
        print = std::make_unique<LetterPrint>(doc, recorder);
        job.nReport = kRptQuote;
        job.pDoc = &doc;
        job.ppReport = &pReport;
        job.pBodyFont = &print->jobFont;
        job.pFooterFont = &print->footerFont;
        job.nLaterTop = print->laterTop;
    }
    void TearDown() override { delete pReport; }

    // Prints pages first..last as the print loop hands them: the page
    // rectangle in device units on the first page printed, converted with
    // the previous page's mapping after that.
    std::vector<RecordedPage> PrintPages(UINT first, UINT last) {
        std::vector<RecordedPage> out;
        delete pReport;
        pReport = nullptr;
        CRect logical;
        for (UINT page = first; page <= last; ++page) {
            print->info.m_nCurPage = page;
            print->info.m_rectDraw = page == first ? recorder.PageRectDevice() : logical;
            out.push_back(recorder.RecordPage([&](CDC* pDC) {
                PrintReportPage(pDC, &print->info, job);
                logical = recorder.PageRectDevice();
                pDC->DPtoLP(&logical);
            }));
        }
        return out;
    }

    // Width of a text in a font, on a low-English page context.
    int WidthIn(CFont& font, const CString& text) {
        int w = 0;
        recorder.RecordPage([&](CDC* pDC) {
            pDC->SetMapMode(MM_LOENGLISH);
            pDC->SelectObject(&font);
            w = TextWidth(pDC, text);
            pDC->SelectStockObject(SYSTEM_FONT);
        });
        return w;
    }
    int LineHeightIn(CFont& font) {
        int h = 0;
        recorder.RecordPage([&](CDC* pDC) {
            pDC->SetMapMode(MM_LOENGLISH);
            pDC->SelectObject(&font);
            h = LineHeight(pDC);
            pDC->SelectStockObject(SYSTEM_FONT);
        });
        return h;
    }
    int PageH() {
        int h = 0;
        recorder.RecordPage([&](CDC* pDC) {
            pDC->SetMapMode(MM_LOENGLISH);
            const CRect rect = LogicalPageRect(pDC, &print->info);
            h = rect.bottom - rect.top;
        });
        return h;
    }
    int PageW() {
        int w = 0;
        recorder.RecordPage([&](CDC* pDC) {
            pDC->SetMapMode(MM_LOENGLISH);
            w = PageWidth(pDC, &print->info);
        });
        return w;
    }

    CCorvDoc doc;
    CPageRecorder recorder;
    std::unique_ptr<LetterPrint> print;
    CRptBaseClass* pReport = nullptr;
    CReportPrintJob job;
};
}  // namespace

TEST_F(LetterPages, PageOneHasTheLogoTheCentredLetterheadAndTheFooterAtTheBottom) {
    std::vector<RecordedPage> pages = PrintPages(1, 1);
    const RecordedPage& one = pages[0];
    EXPECT_EQ(one.mapMode, MM_LOENGLISH);
    EXPECT_EQ(print->info.GetMaxPage(), 3u);

    ASSERT_EQ(one.bitmaps.size(), 1u);
    EXPECT_EQ(one.bitmaps[0].x, 44);
    EXPECT_EQ(one.bitmaps[0].y, -54);
    EXPECT_EQ(one.bitmaps[0].cx, 40);
    EXPECT_EQ(one.bitmaps[0].cy, -50);  // the 64 x 80 logo, upright, in proportion

    CFont big, small;
    big.CreateFont(24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, "Arial Narrow");
    small.CreateFont(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, "Arial Narrow");
    const int W = PageW();
    const RecordedText* company = one.Find("Corvantis Flow Controls");
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->x, (W - WidthIn(big, "Corvantis Flow Controls")) / 2);
    EXPECT_EQ(company->y, -50);
    EXPECT_EQ(company->face, "Arial Narrow");
    const RecordedText* phone = one.Find("Phone (937) 555-0142   Fax (937) 555-0143");
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(phone->x, (W - WidthIn(small, "Phone (937) 555-0142   Fax (937) 555-0143")) / 2);
    EXPECT_EQ(phone->y, -50 - LineHeightIn(big) - LineHeightIn(small));

    // The addressee block begins 50 + 75 below the top, under its rules.
    EXPECT_EQ(one.Find("To:")->y, -125 - LineHeightIn(print->jobFont));
    ASSERT_EQ(one.lines.size(), 4u);
    EXPECT_EQ(one.lines[0].y1, -125);

    // The footer's last line ends on the bottom edge of the page.
    const RecordedText* footer = one.Find("Corvantis Flow Controls - Dayton");
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->face, "Courier New");
    EXPECT_EQ(footer->align, static_cast<UINT>(TA_CENTER));
    EXPECT_EQ(footer->y - LineHeightIn(print->footerFont), PageH());
    EXPECT_EQ(footer->x, 40 + (W - 80) / 2);
}

TEST_F(LetterPages, LaterPagesCarryTitleAndPageNumberAtTheRight) {
    std::vector<RecordedPage> pages = PrintPages(1, 3);
    const RecordedPage& two = pages[1];
    const int W = PageW();
    const RecordedText* title = two.Find("Proposal Number: Q-26-0142 Rev B");
    const RecordedText* number = two.Find("Page 2 of 3");
    ASSERT_NE(title, nullptr);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(title->x + WidthIn(print->jobFont, "Proposal Number: Q-26-0142 Rev B"), W - 40);
    EXPECT_EQ(title->y, -50);
    EXPECT_EQ(number->x + WidthIn(print->jobFont, "Page 2 of 3"), W - 40);
    EXPECT_EQ(number->y, -50 - LineHeightIn(print->jobFont));
    EXPECT_EQ(number->align, static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_TRUE(two.bitmaps.empty());
    EXPECT_EQ(two.Find("Corvantis Flow Controls"), nullptr);
    ASSERT_NE(pages[2].Find("Page 3 of 3"), nullptr);
    // The page's first band is the repeated table heading, 50 + laterTop down.
    const RecordedText* item = two.Find("Item");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->y, -50 - print->laterTop);
    EXPECT_TRUE(item->underline);
    EXPECT_EQ(item->face, two.Find("Page 2 of 3")->face);
}

TEST_F(LetterPages, EveryBandPutsTheAlignmentBack) {
    std::vector<RecordedPage> pages = PrintPages(1, 3);
    for (const RecordedPage& page : pages) {
        ASSERT_FALSE(page.alignChanges.empty());
        EXPECT_EQ(page.alignChanges.back(), 0u);
        // Left-aligned texts of a band drawn after a right-aligned amount
        // column are drawn left-aligned.
        for (size_t i = 1; i < page.texts.size(); ++i) {
            const RecordedText& t = page.texts[i];
            if (t.text.rfind("Area ", 0) == 0) {
                EXPECT_EQ(t.align, 0u) << t.text;
            }
        }
    }
    EXPECT_NE(pages[0].Find("Area 100 - Intake"), nullptr);
}

TEST_F(LetterPages, PageThreeIsTheSameWhetherThePrintBeginsAtPageOneOrTwo) {
    std::vector<RecordedPage> fromOne = PrintPages(1, 3);
    std::vector<RecordedPage> fromTwo = PrintPages(2, 3);
    const RecordedPage& a = fromOne[2];
    const RecordedPage& b = fromTwo[1];
    ASSERT_EQ(a.texts.size(), b.texts.size());
    for (size_t i = 0; i < a.texts.size(); ++i) {
        EXPECT_EQ(a.texts[i].text, b.texts[i].text);
        EXPECT_EQ(a.texts[i].x, b.texts[i].x) << a.texts[i].text;
        EXPECT_EQ(a.texts[i].y, b.texts[i].y) << a.texts[i].text;
    }
    // Page 2 printed first has its footer on the page, not far below it.
    const RecordedPage& two = fromTwo[0];
    const RecordedText* footer = two.Find("Corvantis Flow Controls - Dayton");
    ASSERT_NE(footer, nullptr);
    EXPECT_GT(footer->y, -1100);
    const RecordedText* footerFromOne = fromOne[1].Find("Corvantis Flow Controls - Dayton");
    ASSERT_NE(footerFromOne, nullptr);
    EXPECT_EQ(footer->x, footerFromOne->x);
    EXPECT_EQ(footer->y, footerFromOne->y);
}

// A picture of page 1 for a person to look at: set CORV_REPORT_PAGE_BMP to
// a file name.
TEST_F(LetterPages, RendersPageOneWhenAskedTo) {
    const char* path = std::getenv("CORV_REPORT_PAGE_BMP");
    if (!path || !*path) GTEST_SKIP() << "CORV_REPORT_PAGE_BMP not set";
    print->info.m_nCurPage = 1;
    print->info.m_rectDraw = recorder.PageRectDevice();
    HENHMETAFILE hEmf = recorder.Record([&](CDC* pDC) { PrintReportPage(pDC, &print->info, job); });
    EXPECT_TRUE(recorder.SaveBitmap(hEmf, path, 100));
    ::DeleteEnhMetaFile(hEmf);
    // The job itself, cut to a two-page letter, for a look at its preview.
    while (doc.m_pTable->GetSize() > 14) doc.m_pTable->RemoveRecord(doc.m_pTable->GetSize() - 1);
    WriteFileBytes(std::string(path) + ".job", SerializeJob(doc));
}
