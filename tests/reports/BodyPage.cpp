#include "tests/reports/BodyPage.h"

#include "model/CorvDoc.h"
#include "reports/PrtSection.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "tests/reports/PageRecorder.h"

BodyPage::BodyPage(int nReport)
    : m_nReport(nReport), m_bLandscape(ReportOrientation(nReport) == DMORIENT_LANDSCAPE) {
    HDC hScreen = ::GetDC(nullptr);
    m_dc.Attach(::CreateCompatibleDC(hScreen));
    const int dpiX = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);

    // The letters print in the job's font, the other reports in Arial of
    // their own size.
    LOGFONTA lf{};
    lf.lfHeight = IsLetter(nReport) ? -12 : ReportFontHeight(nReport);
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, IsLetter(nReport) ? "Courier New" : "Arial");
    m_font.CreateFontIndirect(&lf);

    // Measured before any mapping mode, as the start of a print does.
    m_hOldFont = m_dc.SelectObject(&m_font);
    TEXTMETRICA tm{};
    m_dc.GetTextMetrics(&tm);
    m_nLaterTop = 3 * (tm.tmHeight + tm.tmExternalLeading);
    m_dc.SetMapMode(MM_LOENGLISH);

    const int cx = dpiX * 85 / 10;
    const int cy = dpiY * 11;
    m_info.m_rectDraw = m_bLandscape ? CRect(0, 0, cy, cx) : CRect(0, 0, cx, cy);
    m_info.m_nCurPage = 1;
}

BodyPage::~BodyPage() {
    delete m_pReport;
    m_dc.SelectObject(m_hOldFont);
    ::DeleteDC(m_dc.Detach());
}

int BodyPage::Build(CCorvDoc& doc) {
    delete m_pReport;
    m_pReport = CreateReport(m_nReport);
    return BuildReportBody(m_nReport, m_pReport, &m_dc, &m_info, &doc, m_nLaterTop, FirstPageTop(m_nReport));
}

std::vector<std::string> ColumnLines(const CPrtSection* pBand, int nColumn) {
    std::vector<std::string> lines;
    const CPrtCol* pCol = pBand->GetColumn(nColumn);
    for (int i = 0; i < pCol->GetLineCount(); ++i) lines.push_back(pCol->GetLine(i).str());
    return lines;
}

std::vector<std::vector<std::string>> BandLines(const CPrtSection* pBand) {
    std::vector<std::vector<std::string>> columns;
    for (int c = 0; c < pBand->GetColumnCount(); ++c) columns.push_back(ColumnLines(pBand, c));
    return columns;
}

std::vector<std::string> FirstLines(const CPrtSection* pBand) {
    std::vector<std::string> first;
    for (int c = 0; c < pBand->GetColumnCount(); ++c) {
        const CPrtCol* pCol = pBand->GetColumn(c);
        first.push_back(pCol->GetLineCount() > 0 ? pCol->GetLine(0).str() : std::string());
    }
    return first;
}

int FindBand(const CRptBaseClass& report, const std::string& firstLine, int nFrom) {
    for (int i = nFrom; i < report.GetBandCount(); ++i) {
        const CPrtSection* pBand = report.GetBand(i);
        if (pBand->GetColumnCount() > 0 && pBand->GetColumn(0)->GetLineCount() > 0 &&
            pBand->GetColumn(0)->GetLine(0).str() == firstLine)
            return i;
    }
    return -1;
}

int FindBandWithText(const CRptBaseClass& report, const std::string& text, int nFrom) {
    for (int i = nFrom; i < report.GetBandCount(); ++i) {
        for (const auto& column : BandLines(report.GetBand(i)))
            for (const std::string& line : column)
                if (line == text) return i;
    }
    return -1;
}

std::vector<std::string> AllLines(const CRptBaseClass& report) {
    std::vector<std::string> all;
    for (int i = 0; i < report.GetBandCount(); ++i)
        for (const auto& column : BandLines(report.GetBand(i)))
            all.insert(all.end(), column.begin(), column.end());
    return all;
}

// Every page of a report as the page print draws it on letter paper of the
// report's orientation, in the fonts the view hands it.
std::vector<RecordedPage> PrintedPages(CCorvDoc& doc, int nReport) {
    CPageRecorder recorder;
    CFont body, footer;
    if (IsLetter(nReport))
        body.CreateFontIndirect(&doc.m_lfFont);
    else
        body.CreateFont(ReportFontHeight(nReport), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS,
                        "Arial");
    footer.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_MODERN, "Courier New");
    HGDIOBJ hOld = ::SelectObject(recorder.ReferenceDC(), body.m_hObject);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(recorder.ReferenceDC(), &tm);
    ::SelectObject(recorder.ReferenceDC(), hOld);

    CRptBaseClass* pReport = nullptr;
    CReportPrintJob job;
    job.nReport = nReport;
    job.pDoc = &doc;
    job.ppReport = &pReport;
    job.pBodyFont = &body;
    job.pFooterFont = &footer;
    job.nLaterTop = 3 * (tm.tmHeight + tm.tmExternalLeading);
    const CRect device = recorder.PageRectDevice();
    CPrintInfo info;
    info.SetMaxPage(100);
    std::vector<RecordedPage> pages;
    for (info.m_nCurPage = 1; info.m_nCurPage <= info.GetMaxPage(); ++info.m_nCurPage) {
        info.m_rectDraw = ReportOrientation(nReport) == DMORIENT_LANDSCAPE
                              ? CRect(0, 0, device.bottom, device.right)
                              : device;
        pages.push_back(recorder.RecordPage([&](CDC* pDC) { PrintReportPage(pDC, &info, job); }));
    }
    delete pReport;
    return pages;
}
