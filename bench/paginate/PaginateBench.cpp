// Builds, paginates and records every page of the quotation letter and of
// the proposal summary by plant (five plants) of a job of 2,000 Summary
// lines (words above and below on every tenth line) into enhanced
// metafiles, and times it beside a baseline measured in the same run: the
// very text runs of those pages drawn with plain TextOut into the same kind
// of metafile context. The two are timed in pairs, round by round; the
// figure is the median of the per-round ratios with their range. A first,
// untimed build counts the text-measure calls and gives a digest of the
// recorded pages, which a change that must not move any text keeps.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/paginate/MeasureCount.h"
#include "bench/support/PairTiming.h"
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
constexpr int kRounds = 15;

struct TextRun {
    std::string text;
    int x, y;
    UINT align;
};

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
// Folds a recorded page into a running FNV-1a digest: every record, but of
// a font only what describes it (the bytes after the end of its face name
// are whatever the caller's buffer held).
void Digest(HENHMETAFILE hEmf, std::uint64_t& digest) {
    const UINT size = ::GetEnhMetaFileBits(hEmf, 0, nullptr);
    std::vector<BYTE> bits(size);
    ::GetEnhMetaFileBits(hEmf, size, bits.data());
    auto fold = [&digest](const BYTE* p, size_t n) {
        for (size_t i = 0; i < n; ++i) digest = (digest ^ p[i]) * 1099511628211ull;
    };
    for (size_t offset = 0; offset + sizeof(EMR) <= bits.size();) {
        const EMR* pRec = reinterpret_cast<const EMR*>(bits.data() + offset);
        if (pRec->nSize < sizeof(EMR)) break;
        if (pRec->iType == EMR_EXTCREATEFONTINDIRECTW) {
            const auto* pFont = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRec);
            const LOGFONTW& lf = pFont->elfw.elfLogFont;
            fold(reinterpret_cast<const BYTE*>(&lf), offsetof(LOGFONTW, lfFaceName));
            for (const WCHAR* pc = lf.lfFaceName; pc < lf.lfFaceName + LF_FACESIZE && *pc; ++pc)
                fold(reinterpret_cast<const BYTE*>(pc), sizeof *pc);
        } else {
            fold(bits.data() + offset, pRec->nSize);
        }
        offset += pRec->nSize;
    }
}

// Builds and records every page of one report, then draws the same text
// runs with TextOut, in pairs; prints the counts, both times and the ratio.
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

    // The report: built on page 1, then every page recorded and handed to
    // onPage.
    int pages = 0;
    auto report = [&](const std::function<void(HENHMETAFILE)>& onPage) {
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
            if (onPage) onPage(hEmf);
            ::DeleteEnhMetaFile(hEmf);
        }
        pages = static_cast<int>(info.GetMaxPage());
        delete pReport;
    };

    // The untimed first build: the runs of every page, the measure calls
    // and the digest of the pages.
    std::vector<TextRun> runs;
    std::vector<size_t> pageEnds;
    std::uint64_t digest = 14695981039346656037ull;
    MeasureCount count;
    {
        CMeasureCounter counter;
        report([&](HENHMETAFILE hEmf) {
            CollectRuns(hEmf, runs);
            pageEnds.push_back(runs.size());
            Digest(hEmf, digest);
        });
        count = counter.Count();
    }

    // Baseline: the same runs drawn with TextOut, page by page.
    auto baseline = [&] {
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
    };
    const PairFigures figures = TimePairs([&] { report(nullptr); }, baseline, kRounds);

    std::printf("%s of %d lines: %d pages, %zu text runs, pages digest %016llx\n", pszName, kSummaryLines,
                pages, runs.size(), static_cast<unsigned long long>(digest));
    std::printf("text measures: %zu calls, %zu characters\n", count.nCalls, count.nCharacters);
    PrintPair("report", figures);
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
