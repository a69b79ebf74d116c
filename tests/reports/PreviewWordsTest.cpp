// The print preview painted at every page size it shows, its job window
// maximized and not: the words of the letter's prose stay apart, each
// where the printer puts it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/win/Frame.h"
#include "framework/win/PreviewView.h"
#include "framework/win/PrintDialog.h"
#include "res/resource.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/reports/PageRecorder.h"
#include "tests/reports/ReportJob.h"

namespace {
const std::string kProse =
    "The following valve package is offered for installation per the plans and drawings, subject "
    "to the terms below. We are pleased to propose the following: every valve is tested and tagged "
    "before shipment. Price includes the distributor discount. Thank you for the opportunity to quote.";

class PreviewWords : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (!CPrintDialog(FALSE).GetDefaults()) GTEST_SKIP() << "the prefix has no printer";
    }
};

void Click(CPreviewView* pPreview, int nID) {
    pPreview->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
    PumpMessages();
}

// The pairs of the prose's words on the page shown whose blank shows
// narrower than the page makes it, less a pixel at each side for rounding
// (and never less than one column of background), or whose second word's
// ink begins more than a pixel and a half before where the printer puts it
// (half a pixel of rounding, and a small "t" starts a pixel left of its
// origin); nChecked counts the pairs looked at.
std::vector<std::string> RunTogether(CPreviewView* pPreview, int& nChecked) {
    const CRect rc = pPreview->GetPageRect(0);
    HENHMETAFILE hPage = pPreview->GetPageMetafile(0);
    ENHMETAHEADER header{};
    ::GetEnhMetaFileHeader(hPage, sizeof header, &header);
    const double perUnit = rc.Width() * 25.4 / (header.rclFrame.right - header.rclFrame.left);
    const std::vector<BYTE> bits = CPageRecorder::Paint(
        rc.right, rc.bottom, [&](HDC hDC, const RECT&) { CPreviewView::PlayPage(hDC, hPage, rc); });
    const size_t stride = static_cast<size_t>(rc.right * 3 + 3) & ~size_t(3);
    std::vector<std::string> pairs;
    for (const RecordedText& t : CPageRecorder::Walk(hPage).texts) {
        if (t.text.find(' ') == std::string::npos || kProse.find(t.text) == std::string::npos) continue;
        const int top = rc.top - static_cast<int>(t.y * perUnit);
        std::vector<bool> ink(static_cast<size_t>(rc.right), false);
        for (int y = top; y < top + std::lround(-t.height * perUnit * 1.1); ++y)
            for (size_t x = 0; x < ink.size(); ++x)
                if (bits[static_cast<size_t>(y) * stride + x * 3] != 0xFF) ink[x] = true;
        double x = rc.left + t.x * perUnit, blank = x;
        for (size_t i = 0, word = 0; i < t.text.size(); x += t.widths[i++] * perUnit) {
            if (t.text[i] == ' ' && i > 0 && t.text[i - 1] != ' ') blank = x;
            if (i == 0 || t.text[i] == ' ' || t.text[i - 1] != ' ') continue;
            int longest = 0, end = 0;  // the widest run of background about the blank
            for (int c = static_cast<int>(blank) - 2, run = 0; c <= static_cast<int>(x) + 2; ++c) {
                run = ink[static_cast<size_t>(c)] ? 0 : run + 1;
                if (run >= longest) longest = run, end = c + 1;
            }
            if (longest < std::max(1.0, x - blank - 2) || end < x - 1.5)
                pairs.push_back(t.text.substr(word, t.text.find(' ', i) - word) + " at " +
                                std::to_string(rc.Width()) + " px");
            ++nChecked;
            word = i;
        }
    }
    return pairs;
}
}  // namespace

TEST_F(PreviewWords, BlanksShowBetweenAllWordsAtEveryPageSize) {
    CCorvDoc job;
    FillRealisticJob(job);
    job.SetIntro(kProse.c_str());
    WriteFileBytes(TestDir() + "prose.job", SerializeJob(job));
    ASSERT_NE(TestApp().OpenDocumentFile((TestDir() + "prose.job").c_str()), nullptr);
    PumpMessages();
    CView* pView = OpenJobs().back()->GetViews().at(0);
    CFrameWnd* pFrame = pView->GetParentFrame();
    for (int show : {SW_MAXIMIZE, SW_RESTORE}) {
        pFrame->ShowWindow(show);
        pView->SendMessage(WM_COMMAND, ID_FILE_PREVIEW_QUOTE);
        PumpMessages();
        CPreviewView* pPreview = static_cast<CCorvView*>(pView)->GetPreviewView();
        ASSERT_NE(pPreview, nullptr);
        if (pPreview->GetPagesShown() == 1) Click(pPreview, CPreviewView::IDC_PREVIEW_NUMPAGE);
        for (int step : std::vector<int>{CPreviewView::IDC_PREVIEW_NUMPAGE, CPreviewView::IDC_PREVIEW_ZOOMIN,
                                         CPreviewView::IDC_PREVIEW_ZOOMIN, 0}) {
            int nChecked = 0;
            EXPECT_EQ(RunTogether(pPreview, nChecked), std::vector<std::string>())
                << (show == SW_MAXIMIZE ? "maximized" : "restored");
            EXPECT_GT(nChecked, 40);
            if (step) Click(pPreview, step);
        }
        Click(pPreview, CPreviewView::IDC_PREVIEW_CLOSE);
    }
}
