// The job view's print commands through the real print loop and the
// prefix's PDF printer: Print > Select..., the print dialog of a batch and
// the report chosen before it, page ranges and the printing box's Cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "framework/core/CmdTarget.h"
#include "framework/win/Dialog.h"
#include "framework/win/PreviewView.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/WinMessages.h"
#include "reports/ReportCatalog.h"
#include "res/editor_values_ids.h"
#include "res/resource.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/reports/ReportJob.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/NumberedParagraphs.h"
#include "tests/support/PrintedPdfs.h"
#include "tests/support/PrintingBox.h"

namespace {
using printed::PrintWatch;

// Waiting for the printer, the job windows go on taking their messages.
PrintWatch WatchPrints() {
    return PrintWatch([](DWORD ms) { PumpMessages(static_cast<int>(ms)); });
}

class ViewPrint : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (!HasPrinter()) GTEST_SKIP() << "the prefix has no printer";
    }
    static bool HasPrinter() {
        CPrintDialog dlg(FALSE);
        return dlg.GetDefaults() != FALSE;
    }
    static void Command(UINT nID) {
        AfxGetMainWnd()->SendMessage(WM_COMMAND, nID);
        PumpMessages();
    }
    // Ticks Quote, Scope and Scope (Priced) in the selection dialog and OKs it.
    static void TickThreeQuotes() {
        CDialog::SetTestHook([](CDialog& dlg) {
            for (int id : {IDC_PRTSEL_QUOTE, IDC_PRTSEL_SCOPE, IDC_PRTSEL_SCOPE_PRICED})
                dlg.SendDlgItemMessage(id, BM_SETCHECK, BST_CHECKED, 0);
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
};
}  // namespace

TEST_F(ViewPrint, TheReportCommandsAreEnabled) {
    for (UINT id : {ID_FILE_PRINT_SELECT, ID_FILE_PRINT_QUOTE, ID_FILE_PREVIEW_PURCH_ORD,
                    ID_FILE_PRINT_PROJ_SELL, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW}) {
        CCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(AfxGetMainWnd(), TRUE);
        EXPECT_TRUE(ui.m_bEnabled) << id;
    }
}

TEST_F(ViewPrint, SelectPrintsEachTickedReportWithOneDialog) {
    m_pView->m_nReport = kRptICDS;
    PrintWatch watch = WatchPrints();
    int dialogs = 0;
    TickThreeQuotes();
    CPrintDialog::SetTestHook([&](CPrintDialog&) {
        ++dialogs;
        return IDOK;
    });
    Command(ID_FILE_PRINT_SELECT);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);
    EXPECT_EQ(watch.WaitForPrints(3).size(), 3u) << watch.Problem();
    // The plain Print command prints the report chosen before the batch.
    EXPECT_EQ(m_pView->m_nReport, kRptICDS);
    EXPECT_FALSE(m_pView->m_bNoPrintDialog);
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);
    EXPECT_EQ(m_pView->m_pFooterFont, nullptr);
    CPrintDialog::ClearTestHooks();
}

TEST_F(ViewPrint, CancellingTheFirstDialogSkipsOnlyTheFirstReport) {
    PrintWatch watch = WatchPrints();
    TickThreeQuotes();
    CPrintDialog::SetTestHook([](CPrintDialog&) { return IDCANCEL; });
    Command(ID_FILE_PRINT_SELECT);
    EXPECT_EQ(watch.WaitForPrints(2).size(), 2u) << watch.Problem();
    PumpMessages(500);
    EXPECT_EQ(watch.CompleteNow(), 2u);
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);  // no report object was left behind
    CPrintDialog::ClearTestHooks();
}

// The letter of a realistic job through the PDF printer, read back with
// Ghostscript's text output: its texts in order, on three pages.
TEST_F(ViewPrint, TheQuotationLetterComesOutAsAThreePagePdf) {
    CCorvDoc realistic;
    FillRealisticJob(realistic);
    const std::string jobPath = TestDir() + "realistic.job";
    WriteFileBytes(jobPath, SerializeJob(realistic));
    ASSERT_NE(TestApp().OpenDocumentFile(jobPath.c_str()), nullptr);
    PumpMessages();
    CCorvDoc* pDoc = OpenJobs().back();
    CCorvView* pView = dynamic_cast<CCorvView*>(pDoc->GetViews().at(0));
    ASSERT_NE(pView, nullptr);

    PrintWatch watch = WatchPrints();
    CPrintDialog::SetTestHook([](CPrintDialog&) { return IDOK; });
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_QUOTE);
    PumpMessages();
    const std::string name = watch.WaitForPrint();
    ASSERT_FALSE(name.empty()) << watch.Problem();
    const std::string pdf = PrintWatch::PathOf(name);
    const std::string letter = printed::Text(pdf);
    ASSERT_FALSE(letter.empty()) << "Ghostscript could not read " << pdf;
    size_t at = 0;
    for (const char* expected :
         {"Corvantis Flow Controls", "To:", "Harlow Process Systems", "Q-26-0142 Rev B", "Item", "Unit Price",
          "Area 100 - Intake", "Cooling water return", "582,000.00", "Page 2 of 3", "**********",
          "Page 3 of 3", "The lump sum price for the above listed items is:", "Commercial Terms:",
          "Sincerely,", "cc: R. Okafor, Regional Manager"}) {
        const size_t found = letter.find(expected, at);
        ASSERT_NE(found, std::string::npos) << expected << " in " << pdf << ": " << letter.size() << " bytes";
        at = found;
    }
    EXPECT_EQ(letter.find("Page 4"), std::string::npos);
    // Every page ends with the footer: three of them.
    size_t footers = 0;
    for (size_t pos = letter.find("Corvantis Flow Controls - Dayton"); pos != std::string::npos;
         pos = letter.find("Corvantis Flow Controls - Dayton", pos + 1))
        ++footers;
    EXPECT_EQ(footers, 3u);
    CPrintDialog::ClearTestHooks();
}

namespace {
// How the pages of the print the watch waits for are shown: "landscape"
// when a page is wider than high or turned a quarter (ps2pdf keeps the
// upright box and turns the page), else "portrait".
std::vector<std::string> NewPageOrientations(PrintWatch& watch) {
    const std::string name = watch.WaitForPrint();
    if (name.empty()) ADD_FAILURE() << watch.Problem();
    const std::string pdf = name.empty() ? std::string() : printed::ReadBytes(PrintWatch::PathOf(name));
    std::vector<std::string> pages;
    for (size_t pos = pdf.find("/MediaBox [0 0 "); pos != std::string::npos;
         pos = pdf.find("/MediaBox [0 0 ", pos + 1)) {
        int w = 0, h = 0;
        std::sscanf(pdf.c_str() + pos, "/MediaBox [0 0 %d %d", &w, &h);
        const size_t next = pdf.find("/MediaBox", pos + 1);
        const std::string page = pdf.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
        const bool turned =
            page.find("/Rotate 90") != std::string::npos || page.find("/Rotate 270") != std::string::npos;
        pages.push_back((w > h) != turned ? "landscape" : "portrait");
    }
    return pages;
}
}  // namespace

TEST_F(ViewPrint, LandscapeReportsComeOutLandscapeAndTheNextLetterPortrait) {
    PrintWatch purchaseOrder = WatchPrints();
    CPrintDialog::SetTestHook([](CPrintDialog&) { return IDOK; });
    Command(ID_FILE_PRINT_PURCH_ORD);
    EXPECT_EQ(NewPageOrientations(purchaseOrder), (std::vector<std::string>{"landscape"}));
    EXPECT_EQ(m_pView->m_pReportFont, nullptr);
    EXPECT_EQ(m_pView->m_pPurchOrd, nullptr);

    // The plain Print command prints the report chosen last, in the
    // orientation the user had.
    PrintWatch letter = WatchPrints();
    CPrintDialog::SetTestHook([](CPrintDialog&) { return IDOK; });
    m_pView->m_nReport = kRptQuote;
    Command(ID_FILE_PRINT);
    EXPECT_EQ(NewPageOrientations(letter), (std::vector<std::string>{"portrait"}));
    CPrintDialog::ClearTestHooks();
}

namespace {
CCorvView* OpenRealisticJob() {
    CCorvDoc realistic;
    FillRealisticJob(realistic);
    const std::string jobPath = TestDir() + "realistic.job";
    WriteFileBytes(jobPath, SerializeJob(realistic));
    if (!TestApp().OpenDocumentFile(jobPath.c_str())) return nullptr;
    PumpMessages();
    return dynamic_cast<CCorvView*>(OpenJobs().back()->GetViews().at(0));
}

// The quotation letter of the realistic job in print preview.
CPreviewView* PreviewRealisticLetter(CCorvView*& pView) {
    pView = OpenRealisticJob();
    if (!pView) return nullptr;
    pView->SendMessage(WM_COMMAND, ID_FILE_PREVIEW_QUOTE);
    PumpMessages();
    return pView->GetPreviewView();
}

bool Shows(CPreviewView* pPreview, const char* pszText) {
    return CPageRecorder::Walk(pPreview->GetPageMetafile(0)).Find(pszText) != nullptr;
}

void Click(CPreviewView* pPreview, int nID) {
    pPreview->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
    PumpMessages();
}
}  // namespace

TEST_F(ViewPrint, PreviewPagesBackAndForthAndCloseReturnsToTheJob) {
    CCorvView* pView = nullptr;
    CPreviewView* pPreview = PreviewRealisticLetter(pView);
    ASSERT_NE(pPreview, nullptr);
    EXPECT_TRUE(pView->m_bInPreview);
    EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
    EXPECT_EQ(pPreview->GetPageCount(), 3u);
    EXPECT_TRUE(Shows(pPreview, "Corvantis Flow Controls"));
    Click(pPreview, CPreviewView::IDC_PREVIEW_NEXT);
    Click(pPreview, CPreviewView::IDC_PREVIEW_NEXT);
    EXPECT_EQ(pPreview->GetCurrentPage(), 3u);
    EXPECT_TRUE(Shows(pPreview, "Page 3 of 3"));
    EXPECT_FALSE(Shows(pPreview, "Corvantis Flow Controls"));
    Click(pPreview, CPreviewView::IDC_PREVIEW_PREV);
    Click(pPreview, CPreviewView::IDC_PREVIEW_PREV);
    EXPECT_TRUE(Shows(pPreview, "Corvantis Flow Controls"));  // page 1's furniture is back
    EXPECT_NE(pView->m_pQuoteOne, nullptr);                   // built once for the whole preview

    Click(pPreview, CPreviewView::IDC_PREVIEW_CLOSE);
    EXPECT_EQ(pView->GetPreviewView(), nullptr);
    EXPECT_FALSE(pView->m_bInPreview);
    EXPECT_EQ(pView->m_pQuoteOne, nullptr);
    EXPECT_EQ(pView->m_pFooterFont, nullptr);
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_NE(pView->m_pEditWnd, nullptr);
}

namespace {
// The columns of rows top..bottom of a played page that hold ink.
std::vector<bool> InkColumns(const std::vector<BYTE>& bits, int cx, int top, int bottom) {
    const int stride = (cx * 3 + 3) & ~3;
    std::vector<bool> ink(static_cast<size_t>(cx), false);
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < cx; ++x)
            if (bits[static_cast<size_t>(y * stride + x * 3)] < 128) ink[static_cast<size_t>(x)] = true;
    return ink;
}

// The gaps between the inked columns of a line of text: those under a
// tick (a blank) and the others (inside words).
struct Gaps {
    int blanks = 0;
    int narrowestBlank = 1 << 30;
    int widestOther = 0;
};
Gaps MeasureGaps(const std::vector<bool>& text, const std::vector<bool>& ticks) {
    Gaps gaps;
    size_t first = 0, last = text.size() - 1;
    while (first < last && !text[first]) ++first;
    while (last > first && !text[last]) --last;
    for (size_t x = first; x <= last; ++x) {
        size_t end = x;
        bool tick = false;
        while (end <= last && !text[end]) tick = ticks[end++] || tick;
        const int width = static_cast<int>(end - x);
        if (width == 0) continue;
        if (tick) ++gaps.blanks, gaps.narrowestBlank = std::min(gaps.narrowestBlank, width);
        if (!tick) gaps.widestOther = std::max(gaps.widestOther, width);
        x = end;
    }
    return gaps;
}

}  // namespace

TEST_F(ViewPrint, PreviewPutsEachWordWhereThePrinterDoes) {
    CCorvView* pView = nullptr;
    CPreviewView* pPreview = PreviewRealisticLetter(pView);
    ASSERT_NE(pPreview, nullptr);
    CDC* pPrinter = pPreview->GetPrinterDC();
    const int nSaved = pPrinter->SaveDC();
    pPrinter->SetMapMode(MM_LOENGLISH);
    CFont font;
    font.CreateFontIndirect(&pView->GetDocument()->m_lfFont);
    pPrinter->SelectObject(&font);

    // The recorded widths add up to where the printer puts each character.
    const std::string intro =
        "We are pleased to offer the following valves and actuators for the above project.";
    const int n = static_cast<int>(intro.size());
    const RecordedPage page = CPageRecorder::Walk(pPreview->GetPageMetafile(0));
    const RecordedText* pIntro = page.Find(intro);
    ASSERT_NE(pIntro, nullptr);
    std::vector<int> printed(static_cast<size_t>(n));
    pPrinter->GetTextExtentExPoint(intro.c_str(), n, printed.data());
    std::vector<int> recorded;
    for (int w : pIntro->widths) recorded.push_back((recorded.empty() ? 0 : recorded.back()) + w);
    EXPECT_EQ(recorded, printed);

    // A line recorded as the preview records it, with a tick under the
    // middle of each blank, played small: no gap inside a word is wider
    // than a blank (a blank as wide as the page makes it can be as narrow as
    // the gap a small font leaves after a letter such as "s").
    const std::string line = "Spare seat and seal kits, gaskets";
    const int m = static_cast<int>(line.size());
    const CRect frame(0, 0, pPrinter->GetDeviceCaps(HORZSIZE) * 100, pPrinter->GetDeviceCaps(VERTSIZE) * 100);
    CDC dc;
    dc.Attach(::CreateEnhMetaFileA(pPrinter->m_hDC, nullptr, &frame, nullptr));
    dc.SetTextWithWidths(TRUE);
    dc.SetMapMode(MM_LOENGLISH);
    dc.SelectObject(&font);
    dc.TextOut(40, -40, line.c_str(), m);
    std::vector<int> steps(static_cast<size_t>(m));
    dc.GetTextExtentExPoint(line.c_str(), m, steps.data());
    for (int i = 1; i < m; ++i) {
        if (line[static_cast<size_t>(i)] != ' ') continue;
        const int x = 40 + (steps[static_cast<size_t>(i) - 1] + steps[static_cast<size_t>(i)]) / 2;
        dc.MoveTo(x, -75);
        dc.LineTo(x, -90);
    }
    dc.SelectStockObject(SYSTEM_FONT);
    HENHMETAFILE hLine = ::CloseEnhMetaFile(dc.Detach());
    // From a whole page in a small window to well zoomed in.
    for (int cx = 550; cx <= 1400; cx += 25) {
        const int cy = cx * frame.Height() / frame.Width();
        const double perUnit = cx / (frame.Width() / 25.4);  // pixels per 0.01 inch
        const std::vector<BYTE> bits = CPageRecorder::Paint(
            cx, cy, [hLine](HDC hDC, const RECT& rc) { CPreviewView::PlayPage(hDC, hLine, rc); });
        const std::vector<bool> text = InkColumns(bits, cx, int(30 * perUnit), int(65 * perUnit));
        const std::vector<bool> ticks = InkColumns(bits, cx, int(78 * perUnit), int(88 * perUnit));
        const Gaps gaps = MeasureGaps(text, ticks);
        EXPECT_EQ(gaps.blanks, 5) << cx;
        EXPECT_GE(gaps.narrowestBlank, gaps.widestOther) << "words split at a page " << cx << " pixels wide";
    }
    ::DeleteEnhMetaFile(hLine);
    pPrinter->RestoreDC(nSaved);
    Click(pPreview, CPreviewView::IDC_PREVIEW_CLOSE);
}

TEST_F(ViewPrint, WithoutAPrinterNothingPrintsAndNothingIsLeft) {
    CPrintDialog::SetNoPrinterForTest(TRUE);
    PrintWatch watch = WatchPrints();
    MessageBoxRecorder boxes;
    m_pView->m_bNoPrintDialog = TRUE;
    Command(ID_FILE_PRINT_QUOTE);
    m_pView->m_bNoPrintDialog = FALSE;
    CPrintDialog::SetNoPrinterForTest(FALSE);
    PumpMessages(300);
    EXPECT_EQ(boxes.Texts().size(), 1u);  // one clear message, no crash
    EXPECT_EQ(watch.CompleteNow(), 0u);
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);
}

TEST_F(ViewPrint, PreviewThatCannotStartLeavesTheWindowOutOfPreview) {
    CPrintDialog::SetNoPrinterForTest(TRUE);
    MessageBoxRecorder boxes;
    Command(ID_FILE_PREVIEW_QUOTE);
    CPrintDialog::SetNoPrinterForTest(FALSE);
    PumpMessages(300);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(m_pView->GetPreviewView(), nullptr);
    // Left set, the window would refuse to close when minimized and its
    // document would skip this view's edit commit.
    EXPECT_FALSE(m_pView->m_bInPreview);
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);
}

namespace {
// An introduction long enough for a letter of well over a hundred pages.
CString ManyParagraphs() { return NumberedParagraphs(7000); }

// The print dialog's user: OK, for pages nFrom to nTo (0: all pages).
void QueuePages(int nFrom = 0, int nTo = 0) {
    CPrintDialog::SetTestHook([=](CPrintDialog& dlg) -> INT_PTR {
        if (nFrom) {
            dlg.m_pd.Flags = (dlg.m_pd.Flags & ~PD_ALLPAGES) | PD_PAGENUMS;
            dlg.m_pd.nFromPage = static_cast<WORD>(nFrom);
            dlg.m_pd.nToPage = static_cast<WORD>(nTo);
        }
        return IDOK;
    });
}

std::string PrintedPdf(PrintWatch& watch) {
    const std::string name = watch.WaitForPrint();
    EXPECT_FALSE(name.empty()) << watch.Problem();
    return name.empty() ? name : PrintWatch::PathOf(name);
}
}  // namespace

TEST_F(ViewPrint, PagesPastTheHundredthPrintAsInTheWholePrint) {
    m_pDoc->SetIntro(ManyParagraphs());
    PrintWatch whole = WatchPrints();
    QueuePages();
    Command(ID_FILE_PRINT_QUOTE);
    const std::string wholePdf = PrintedPdf(whole);
    PrintWatch range = WatchPrints();
    QueuePages(101, 102);
    Command(ID_FILE_PRINT_QUOTE);
    const std::string rangePdf = PrintedPdf(range);
    ASSERT_FALSE(wholePdf.empty() || rangePdf.empty());

    const std::vector<std::string> pages = printed::PageTexts(rangePdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Page 101 of "), std::string::npos) << pages[0];
    EXPECT_NE(pages[1].find("Introduction paragraph"), std::string::npos) << pages[1];
    EXPECT_EQ(pages, printed::PageTexts(wholePdf, 101, 102));
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);
}

TEST_F(ViewPrint, ARangePastTheEndPrintsNothingAndSaysHowManyPagesThereAre) {
    CCorvView* pView = OpenRealisticJob();  // a letter of three pages
    ASSERT_NE(pView, nullptr);
    PrintWatch watch = WatchPrints();
    MessageBoxRecorder boxes;
    QueuePages(5, 6);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_QUOTE);
    PumpMessages(500);
    CString told;
    told.Format(WinMsg::kPrintPastEnd, 5u, 3u, "s");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{told.GetString()});
    EXPECT_EQ(watch.CompleteNow(), 0u);
    EXPECT_EQ(pView->m_pQuoteOne, nullptr);
    EXPECT_EQ(pView->m_pFooterFont, nullptr);
}

TEST_F(ViewPrint, CancelInThePrintingBoxLeavesNoReportObjectAndNoPdf) {
    m_pDoc->SetIntro(ManyParagraphs());
    PrintWatch watch = WatchPrints();
    {
        CancelAfterPageOne cancel;
        QueuePages();
        Command(ID_FILE_PRINT_QUOTE);
        EXPECT_TRUE(cancel.WasClicked());
    }
    EXPECT_EQ(m_pView->m_pQuoteOne, nullptr);
    EXPECT_EQ(m_pView->m_pFooterFont, nullptr);

    // The next print is the only one that comes out.
    m_pDoc->SetIntro("");
    QueuePages();
    Command(ID_FILE_PRINT_QUOTE);
    EXPECT_EQ(watch.WaitForPrints(1).size(), 1u) << watch.Problem();
    PumpMessages(300);
    EXPECT_EQ(watch.CompleteNow(), 1u);
}
