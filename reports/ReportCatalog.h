// The eleven reports by number: which class prints each, its fonts, page
// orientation, page-1 furniture and later-page title, and the one page
// print that the view runs for print and preview alike. Every number from
// 0 to 10 has its report class and body; CreateReport gives null for any
// other number, and PrintReportPage prints nothing for one.
#pragma once

#include "framework/core/String.h"

class CCorvDoc;
class CDC;
class CFont;
class CPrintInfo;
class CRptBaseClass;

enum ReportNumber {
    kRptQuote = 0,
    kRptDistribution = 1,
    kRptParts = 2,
    kRptPurchaseOrder = 3,
    kRptProposalSummary = 4,
    kRptICDS = 5,
    kRptScope = 6,
    kRptScopePriced = 7,
    kRptCommission = 8,
    kRptSellPrice = 9,
    kRptProposalSummaryPlant = 10,
    kReportCount = 11
};

// The order in which Print > Select... prints the ticked reports.
extern const int kSelectOrder[kReportCount];

BOOL IsValidReport(int nReport);
// The quotation letters (0, 1, 2, 6, 7): the job font, logo and letterhead, footer.
BOOL IsLetter(int nReport);
// Where the first band of page 1 begins below the top offset.
int FirstPageTop(int nReport);
// The character height of the report font of the other reports (negative).
int ReportFontHeight(int nReport);
// DMORIENT_LANDSCAPE or DMORIENT_PORTRAIT, or 0 to leave the printer's.
short ReportOrientation(int nReport);
// The title on pages after the first.
CString LaterPageTitle(int nReport, CCorvDoc* pDoc);
// The heading of page 1 of the reports that are not letters.
CString PageOneHeading(int nReport);

// Creates the report object of the number (null for no report).
CRptBaseClass* CreateReport(int nReport);
// Runs the report's body: builds and paginates its bands; returns the page
// count. A report whose table amounts come out wider than their slots is
// built a second time with room for them (WideAmounts.h).
int BuildReportBody(int nReport, CRptBaseClass* pReport, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc,
                    int laterTop, int firstTop);

// What one page print needs besides the device context and the page.
struct CReportPrintJob {
    int nReport = kRptQuote;
    CCorvDoc* pDoc = nullptr;
    CRptBaseClass** ppReport = nullptr;  // the view's member that holds the report object
    CFont* pBodyFont = nullptr;          // the job font for letters, else the report font
    CFont* pFooterFont = nullptr;        // letters only
    int nLaterTop = 0;
};

// Unless the job's report object exists: creates it, builds it (body and,
// for the letters, footer) with pInfo->m_rectDraw in device units, and sets
// the print's last page. The device context is left in the low-English
// mapping mode.
void BuildReportIfNone(CDC* pDC, CPrintInfo* pInfo, const CReportPrintJob& job);
// Prints page pInfo->m_nCurPage: builds the report first if need be
// (BuildReportIfNone); then the furniture, the page's bands and, for the
// letters, the footer. The device context is put into the low-English
// mapping mode.
void PrintReportPage(CDC* pDC, CPrintInfo* pInfo, const CReportPrintJob& job);
