// Builds, paginates and records every page of the quotation letter and of
// the proposal summary by plant (five plants) of a job of 2,000 Summary
// lines (words above and below on every tenth line) into enhanced
// metafiles, and times it beside a baseline measured in the
// same run: the very text runs of those pages drawn with plain TextOut
// into the same kind of metafile context. Each figure is the best of
// several runs.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/support/SampleJob.h"
#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"

namespace {
constexpr int kSummaryLines = 2000;
constexpr int kDetailLines = 3;
constexpr int kRuns = 3;

struct TextRun {
    std::string text;
    int x, y;
    UINT align;
};

double BestOf(const std::function<void()>& run) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        if (took.count() < best) best = took.count();
    }
    return best;
}

HDC NewPageDC(HDC hRef, bool bLandscape) {
    const RECT frame = bLandscape ? RECT{0, 0, 27940, 21590} : RECT{0, 0, 21590, 27940};
    return ::CreateEnhMetaFileA(hRef, nullptr, &frame, nullptr);
}

void Words(CRecord* pLine, const char* pszField, const char* pszText) {
    pLine->GetFieldByName(pszField)->SetText(pszText);
}

// The text runs of a metafile, in drawing order.
void CollectRuns(HENHMETAFILE hEmf, std::vector<TextRun>& runs) {
    const UINT size = ::GetEnhMetaFileBits(hEmf, 0, nullptr);
    std::vector<BYTE> bits(size);
    ::GetEnhMetaFileBits(hEmf, size, bits.data());
    UINT align = 0;
    for (size_t offset = 0; offset + sizeof(EMR) <= bits.size();) {
        const EMR* pRec = reinterpret_cast<const EMR*>(bits.data() + offset);
        if (pRec->nSize < sizeof(EMR)) break;
        if (pRec->iType == EMR_SETTEXTALIGN) align = reinterpret_cast<const EMRSETTEXTALIGN*>(pRec)->iMode;
        if (pRec->iType == EMR_EXTTEXTOUTW) {
            const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRec);
            const wchar_t* pw = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(pRec) +
                                                                 pText->emrtext.offString);
            std::string s;
            for (DWORD i = 0; i < pText->emrtext.nChars; ++i) s += static_cast<char>(pw[i]);
            runs.push_back({s, pText->emrtext.ptlReference.x, pText->emrtext.ptlReference.y, align});
        }
        offset += pRec->nSize;
    }
}
// Builds and records every page of one report of the job, then draws the
// same text runs with TextOut; prints both times and their ratio.
void Measure(const char* pszName, int nReport, CCorvDoc& job, HDC hRef, CFont& bodyFont, CFont* pFooterFont,
             bool bLandscape) {
    HGDIOBJ hOld = ::SelectObject(hRef, bodyFont.m_hObject);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(hRef, &tm);
    ::SelectObject(hRef, hOld);
    const int laterTop = 3 * (tm.tmHeight + tm.tmExternalLeading);
    const int cx = ::GetDeviceCaps(hRef, LOGPIXELSX) * 85 / 10;
    const int cy = ::GetDeviceCaps(hRef, LOGPIXELSY) * 11;
    const CRect device = bLandscape ? CRect(0, 0, cy, cx) : CRect(0, 0, cx, cy);

    // The report: built on page 1, then every page recorded.
    std::vector<TextRun> runs;
    std::vector<size_t> pageEnds;
    int pages = 0;
    const double report = BestOf([&] {
        runs.clear();
        pageEnds.clear();
        CRptBaseClass* pReport = nullptr;
        CPrintInfo info;
        info.SetMaxPage(100);
        CReportPrintJob print;
        print.nReport = nReport;
        print.pDoc = &job;
        print.ppReport = &pReport;
        print.pBodyFont = &bodyFont;
        print.pFooterFont = pFooterFont;
        print.nLaterTop = laterTop;
        for (info.m_nCurPage = 1; info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage) {
            CDC dc;
            dc.Attach(NewPageDC(hRef, bLandscape));
            info.m_rectDraw = device;
            PrintReportPage(&dc, &info, print);
            HENHMETAFILE hEmf = ::CloseEnhMetaFile(dc.Detach());
            CollectRuns(hEmf, runs);
            pageEnds.push_back(runs.size());
            ::DeleteEnhMetaFile(hEmf);
        }
        pages = static_cast<int>(info.GetMaxPage());
        delete pReport;
    });

    // Baseline: the same runs drawn with TextOut, page by page.
    const double baseline = BestOf([&] {
        size_t next = 0;
        for (size_t end : pageEnds) {
            HDC hPage = NewPageDC(hRef, bLandscape);
            ::SetMapMode(hPage, MM_LOENGLISH);
            HGDIOBJ hPrev = ::SelectObject(hPage, bodyFont.m_hObject);
            for (; next < end; ++next) {
                const TextRun& r = runs[next];
                ::SetTextAlign(hPage, r.align);
                ::TextOutA(hPage, r.x, r.y, r.text.c_str(), static_cast<int>(r.text.size()));
            }
            ::SelectObject(hPage, hPrev);
            ::DeleteEnhMetaFile(::CloseEnhMetaFile(hPage));
        }
    });

    std::printf("%s of %d lines: %d pages, %zu text runs\n", pszName, kSummaryLines, pages, runs.size());
    std::printf("report  %9.2f ms   baseline %8.2f ms   ratio %6.2f\n", report, baseline, report / baseline);
}
}  // namespace

int main() {
    CCorvDoc job;
    FillSampleJob(job, kSummaryLines, kDetailLines);
    const char* plants[] = {"WEST", "EAST", "CENTRAL", "NORTH", "SOUTH"};
    for (int i = 0; i < job.m_pTable->GetSize(); ++i) {
        CRecord* pLine = job.m_pTable->GetRecord(i);
        const bool tenth = i % 10 == 0;
        Words(pLine, "WordsAbove",
              tenth ? "Valves for the east unit,\r\nincluding the operators' spares." : "");
        Words(pLine, "WordsBelow", tenth ? "Supplied with mating flanges.\r\nBolting by others." : "");
        Words(pLine, "Plant", plants[i % 5]);
        CTable* pDetails = pLine->GetChild();
        for (int d = 0; d < pDetails->GetSize(); ++d)
            Words(pDetails->GetRecord(d), "QuoteDescription",
                  "2\" ball valve, carbon steel body, 316 SS trim, class 150 RF, with gear operator");
    }
    job.SetFooterLn1("Prices in US dollars. Subject to our standard conditions of sale.");

    HDC hRef = ::GetDC(nullptr);
    CFont jobFont;
    jobFont.CreateFontIndirect(&job.m_lfFont);
    CFont footerFont;
    footerFont.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_MODERN, "Courier New");
    Measure("quotation letter", kRptQuote, job, hRef, jobFont, &footerFont, false);

    // The proposal summary by plant prints landscape in its own Arial.
    CFont reportFont;
    reportFont.CreateFont(ReportFontHeight(kRptProposalSummaryPlant), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0,
                          FF_SWISS, "Arial");
    Measure("proposal summary by plant", kRptProposalSummaryPlant, job, hRef, reportFont, nullptr, true);
    ::ReleaseDC(nullptr, hRef);
    return 0;
}
