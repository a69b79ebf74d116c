// The letter's first page, recorded and played as the print preview does
// at every zoom, gives back every GDI object it takes: after fifty rounds
// the process holds what it held after the first, and the logo is still on
// the page.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/win/PreviewView.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "tests/reports/ReportJob.h"

namespace {
// The process's GDI objects. Wine's GetGuiResources answers 0, so each
// handle slot is asked for its object's type as well.
struct GdiObjects {
    DWORD reported = 0;  // GetGuiResources
    long all = 0;
    long memoryDCs = 0;
    long bitmaps = 0;
};

GdiObjects CountGdiObjects() {
    GdiObjects n;
    n.reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot) {
        const DWORD type = ::GetObjectType(reinterpret_cast<HGDIOBJ>(slot));
        if (type == 0) continue;
        ++n.all;
        n.memoryDCs += type == OBJ_MEMDC;
        n.bitmaps += type == OBJ_BITMAP;
    }
    return n;
}

std::string Describe(const GdiObjects& n) {
    return "GetGuiResources " + std::to_string(n.reported) + ", handles " + std::to_string(n.all) +
           ", memory DCs " + std::to_string(n.memoryDCs) + ", bitmaps " + std::to_string(n.bitmaps);
}
}  // namespace

TEST(PageObjects, RecordingAndPlayingTheFirstPageFiftyTimesLeavesNoGdiObjectBehind) {
    CCorvDoc doc;
    FillRealisticJob(doc);
    CPageRecorder recorder;
    LetterPrint print(doc, recorder);
    CRptBaseClass* pReport = nullptr;
    CReportPrintJob job;
    job.nReport = kRptQuote;
    job.pDoc = &doc;
    job.ppReport = &pReport;
    job.pBodyFont = &print.jobFont;
    job.pFooterFont = &print.footerFont;
    job.nLaterTop = print.laterTop;

    // A page of 850 x 1100 pixels: a hundredth of an inch each.
    constexpr int cx = 850;
    constexpr int cy = 1100;
    std::vector<BYTE> played;
    const auto round = [&] {
        print.info.m_nCurPage = 1;
        print.info.m_rectDraw = recorder.PageRectDevice();
        HENHMETAFILE hPage = recorder.Record([&](CDC* pDC) { PrintReportPage(pDC, &print.info, job); });
        played = CPageRecorder::Paint(
            cx, cy, [hPage](HDC hDC, const RECT& rc) { CPreviewView::PlayPage(hDC, hPage, rc); });
        ::DeleteEnhMetaFile(hPage);
    };
    round();
    const GdiObjects first = CountGdiObjects();
    for (int i = 2; i <= 50; ++i) round();
    const GdiObjects last = CountGdiObjects();
    std::printf("after the first round: %s\nafter fifty rounds:    %s\n", Describe(first).c_str(),
                Describe(last).c_str());
    EXPECT_EQ(last.reported, first.reported);
    EXPECT_EQ(last.all, first.all);
    EXPECT_EQ(last.memoryDCs, first.memoryDCs);
    EXPECT_EQ(last.bitmaps, first.bitmaps);

    // The logo (0.4 inch wide, 0.44 inch from the left and 0.54 from the
    // top) is mostly coloured; nothing else is drawn there.
    const int stride = (cx * 3 + 3) & ~3;
    int inked = 0;
    for (int y = 54; y < 104; ++y)
        for (int x = 44; x < 84; ++x) {
            const BYTE* p = &played[static_cast<size_t>(y * stride + x * 3)];
            inked += p[0] < 128 || p[1] < 128 || p[2] < 128;
        }
    EXPECT_GT(inked, 40 * 50 / 2) << "the logo is missing from the played page";
    delete pReport;
}
