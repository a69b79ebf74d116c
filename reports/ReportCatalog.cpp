#include "reports/ReportCatalog.h"

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "model/CorvDoc.h"
#include "reports/PageFurniture.h"
#include "reports/QuoteOne.h"
#include "reports/QuoteThree.h"
#include "reports/QuoteTwo.h"
#include "reports/ReportMessages.h"
#include "reports/RptBaseClass.h"
#include "reports/RptComm.h"
#include "reports/RptICDS.h"
#include "reports/RptPropSum1.h"
#include "reports/RptPropSum2.h"
#include "reports/RptPurchOrd.h"
#include "reports/WideAmounts.h"

const int kSelectOrder[kReportCount] = {
    kRptQuote,     kRptScope,      kRptScopePriced,     kRptDistribution,
    kRptParts,     kRptICDS,       kRptProposalSummary, kRptProposalSummaryPlant,
    kRptSellPrice, kRptCommission, kRptPurchaseOrder};

BOOL IsValidReport(int nReport) { return nReport >= 0 && nReport < kReportCount; }

BOOL IsLetter(int nReport) {
    return nReport == kRptQuote || nReport == kRptDistribution || nReport == kRptParts ||
           nReport == kRptScope || nReport == kRptScopePriced;
}

int FirstPageTop(int nReport) { return IsLetter(nReport) ? 75 : 60; }

int ReportFontHeight(int nReport) {
    switch (nReport) {
        case kRptPurchaseOrder:
            return -15;
        case kRptProposalSummary:
        case kRptProposalSummaryPlant:
            return -10;
        case kRptICDS:
        case kRptCommission:
            return -12;
        case kRptSellPrice:
            return -14;
        default:
            return -12;
    }
}

short ReportOrientation(int nReport) {
    if (IsLetter(nReport) || !IsValidReport(nReport)) return 0;
    return nReport == kRptCommission ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
}

namespace {
CString WithRevision(const CString& prefix, CCorvDoc* pDoc) {
    CString title = prefix + pDoc->GetQuoteNo();
    if (!pDoc->GetQuoteRev().IsEmpty()) title += RptMsg::kRev + pDoc->GetQuoteRev();
    return title;
}
}  // namespace

CString LaterPageTitle(int nReport, CCorvDoc* pDoc) {
    switch (nReport) {
        case kRptPurchaseOrder:
            return RptMsg::kTitlePurchaseOrder + pDoc->GetCustomerPO();
        case kRptProposalSummary:
        case kRptProposalSummaryPlant:
            return WithRevision(RptMsg::kTitleProposalSummary, pDoc);
        case kRptICDS:
            return WithRevision(RptMsg::kTitleICDS, pDoc);
        case kRptCommission:
            return WithRevision(RptMsg::kTitleCommission, pDoc);
        case kRptSellPrice:
            return WithRevision(RptMsg::kTitleSellPrice, pDoc);
        default:
            return WithRevision(RptMsg::kTitleProposal, pDoc);
    }
}

CString PageOneHeading(int nReport) {
    switch (nReport) {
        case kRptPurchaseOrder:
            return RptMsg::kHeadingPurchaseOrder;
        case kRptProposalSummary:
        case kRptProposalSummaryPlant:
            return RptMsg::kHeadingProposalSummary;
        case kRptICDS:
            return RptMsg::kHeadingICDS;
        case kRptCommission:
            return RptMsg::kHeadingCommission;
        case kRptSellPrice:
            return RptMsg::kHeadingSellPrice;
        default:
            return CString();
    }
}

CRptBaseClass* CreateReport(int nReport) {
    switch (nReport) {
        case kRptQuote:
            return new CQuoteOne(1, 1);
        case kRptScope:
            return new CQuoteOne(0, 0);
        case kRptScopePriced:
            return new CQuoteOne(0, 1);
        case kRptDistribution:
            return new CQuoteTwo;
        case kRptParts:
            return new CQuoteThree;
        case kRptPurchaseOrder:
            return new CRptPurchOrd;
        case kRptProposalSummary:
        case kRptProposalSummaryPlant:
            return new CRptPropSum1;
        case kRptICDS:
            return new CRptICDS;
        case kRptCommission:
            return new CRptComm;
        case kRptSellPrice:
            return new CRptPropSum2;
        default:
            return nullptr;
    }
}

namespace {
int RunBody(int nReport, CRptBaseClass* pReport, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop,
            int firstTop) {
    switch (nReport) {
        case kRptQuote:
        case kRptScope:
        case kRptScopePriced:
            return static_cast<CQuoteOne*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop);
        case kRptDistribution:
            return static_cast<CQuoteTwo*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop);
        case kRptParts:
            return static_cast<CQuoteThree*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop);
        case kRptPurchaseOrder:
            return static_cast<CRptPurchOrd*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop);
        case kRptProposalSummary:
        case kRptProposalSummaryPlant:
            return static_cast<CRptPropSum1*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop,
                                                                    nReport == kRptProposalSummaryPlant);
        case kRptICDS:
            return static_cast<CRptICDS*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop);
        case kRptCommission:
            return static_cast<CRptComm*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop);
        case kRptSellPrice:
            return static_cast<CRptPropSum2*>(pReport)->BuildReport(pDC, pInfo, pDoc, laterTop, firstTop);
        default:
            return 0;  // no report has that number
    }
}
}  // namespace

int BuildReportBody(int nReport, CRptBaseClass* pReport, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc,
                    int laterTop, int firstTop) {
    return BuildWithRoomForAmounts(
        [&] { return RunBody(nReport, pReport, pDC, pInfo, pDoc, laterTop, firstTop); });
}

void BuildReportIfNone(CDC* pDC, CPrintInfo* pInfo, const CReportPrintJob& job) {
    if (!IsValidReport(job.nReport) || !job.ppReport || *job.ppReport || !job.pDoc) return;
    CRptBaseClass*& pReport = *job.ppReport;
    pReport = CreateReport(job.nReport);
    if (!pReport) return;
    HGDIOBJ hOldFont = job.pBodyFont ? pDC->SelectObject(job.pBodyFont) : nullptr;
    pDC->SetMapMode(MM_LOENGLISH);
    const int nPages =
        BuildReportBody(job.nReport, pReport, pDC, pInfo, job.pDoc, job.nLaterTop, FirstPageTop(job.nReport));
    pInfo->SetMaxPage(static_cast<UINT>(nPages));
    if (IsLetter(job.nReport) && job.pFooterFont) {
        pDC->SelectObject(job.pFooterFont);
        pReport->BuildFooter(pDC, pInfo, job.pDoc);
    }
    if (hOldFont) pDC->SelectObject(hOldFont);
}

void PrintReportPage(CDC* pDC, CPrintInfo* pInfo, const CReportPrintJob& job) {
    if (!IsValidReport(job.nReport) || !job.ppReport || !job.pDoc) return;
    BuildReportIfNone(pDC, pInfo, job);
    CRptBaseClass* pReport = *job.ppReport;
    if (!pReport) return;
    const bool bLetter = IsLetter(job.nReport) != FALSE;
    const int nFirstTop = FirstPageTop(job.nReport);
    HGDIOBJ hOldFont = job.pBodyFont ? pDC->SelectObject(job.pBodyFont) : nullptr;
    pDC->SetMapMode(MM_LOENGLISH);

    if (pInfo->m_nCurPage > 1) {
        PrintPageNumber(pDC, pInfo, job.pDoc, LaterPageTitle(job.nReport, job.pDoc));
    } else if (bLetter) {
        PrintLogo(pDC, pInfo, job.pDoc);
        PrintLetterhead(pDC, pInfo, job.pDoc);
    } else {
        PrintReportHeading(pDC, pInfo, job.pDoc, PageOneHeading(job.nReport));
    }
    pReport->PrintPage(pDC, pInfo, job.nLaterTop, nFirstTop);
    if (bLetter && job.pFooterFont) {
        pDC->SelectObject(job.pFooterFont);
        pReport->PrintFooter(pDC, pInfo);
    }
    if (hOldFont) pDC->SelectObject(hOldFont);
}
