#include "reports/RptComm.h"

#include <cmath>

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/ProjectHeading.h"
#include "reports/PrtSection.h"
#include "reports/ReportAmounts.h"
#include "reports/ReportMessages.h"

namespace {
constexpr int kRateStars = 6;
constexpr int kQtyStars = 4;

// The running totals of one build.
struct CommTotals {
    long long nQty = 0;
    BOOL bQtyOver = FALSE;
    CExtTotal net;
    CExtTotal buyOut;
    CExtTotal final;  // never shown per line; its flag is not used
    CExtTotal comm;
};

// Rounds an amount in hundredths to a whole number of them.
double RoundHalfUp(double x) { return std::trunc(x + 0.5); }

CString Percent(const CString& text) { return text + RptMsg::kPercent; }

CPrtSection* NewColumnHeadings(CDC* pDC, CPrintInfo* pInfo) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pItem = pBand->AddColumn();
    pItem->AddLine("");
    pItem->AddLine(RptMsg::kItem);
    pItem->AddLine("");
    for (const char* psz : {RptMsg::kQty, RptMsg::kNet, RptMsg::kExtNet, RptMsg::kBuyOut, RptMsg::kExtBuyOut,
                            RptMsg::kCommJob, RptMsg::kComm, RptMsg::kExtComm}) {
        CPrtCol* pCol = pBand->AddColumn();
        pCol->AddLine("");
        pCol->AddLine(psz);
    }
    pBand->LayoutCommHeading(pDC, pInfo);
    return pBand;
}

CPrtSection* NewItemLine(CDC* pDC, CPrintInfo* pInfo, CRecord* pLine, CommTotals& t) {
    const CString qty = FieldText(pLine, "Qty");
    const CString net = FieldText(pLine, "Net");
    const CString final = FieldText(pLine, "Final");
    const CString buyOut = FieldText(pLine, "BuyOut");
    const CString comm = FieldText(pLine, "Comm");
    const int q = TextInteger(qty);

    CPrtSection* pBand = new CPrtSection;
    auto add = [pBand](const CString& text) {
        pBand->AddColumn()->AddLine(text);
    };
    add(FieldText(pLine, "Itm"));
    add(qty);
    if (IsOverflowText(qty))
        t.bQtyOver = TRUE;
    else
        t.nQty += q;
    add(AddThousandsSeparators(net));
    add(AddThousandsSeparators(ExtendPrice(qty, net, t.net)));
    ExtendPrice(qty, final, t.final);
    add(AddThousandsSeparators(buyOut));
    add(AddThousandsSeparators(ExtendPrice(qty, buyOut, t.buyOut)));
    add(Percent(comm));

    // The rate earned on the net: the part not bought out at the job's rate,
    // the buy-out at half of it, each rounded to cents.
    const double n = TextNumber(net);
    double dEarned = 0.0;
    CString rate;
    if (IsOverflowText(net) || IsOverflowText(buyOut) || IsOverflowText(comm) || n == 0.0) {
        rate = Stars(kRateStars);
    } else {
        const double b = TextNumber(buyOut);
        const double c = TextNumber(comm);
        const double a1 = RoundHalfUp(c * (n - b)) / 100;
        const double a2 = RoundHalfUp(c * b * 0.5) / 100;
        dEarned = a2 + a1;
        rate = FixedTwo(dEarned * 100 / n);
    }
    add(Percent(rate));

    if (IsOverflowText(qty) || IsOverflowText(rate)) {
        t.comm.bOver = TRUE;
        add(Stars(kAmountStars));
    } else {
        const CString ext = FixedTwo(q * dEarned);
        t.comm.dSum += TextNumber(ext);
        add(AddThousandsSeparators(ext));
    }
    pBand->LayoutCommLine(pDC, pInfo);
    return pBand;
}

CString AmountOrStars(const CExtTotal& total) {
    return total.bOver ? Stars(kAmountStars) : FormatAmount(total.dSum);
}

// The job's commission is a share of the extended net only when both sums
// are known and the net is not zero.
bool JobRateKnown(const CommTotals& t) { return !t.net.bOver && !t.comm.bOver && t.net.dSum != 0.0; }

CPrtSection* NewTotals(CDC* pDC, CPrintInfo* pInfo, const CommTotals& t) {
    CPrtSection* pBand = new CPrtSection;
    auto add = [pBand](const char* pszRule, const CString& value) {
        CPrtCol* pCol = pBand->AddColumn();
        pCol->AddLine(pszRule);
        pCol->AddLine(value);
    };
    CString qty;
    qty.Format("%lld", t.nQty);
    add("___", t.bQtyOver ? Stars(kQtyStars) : AddThousandsSeparators(qty));
    add("_________", AmountOrStars(t.net));
    add("_________", AmountOrStars(t.buyOut));
    add("_______", Percent(JobRateKnown(t) ? FixedTwo(t.comm.dSum * 100 / t.net.dSum) : Stars(kRateStars)));
    add("_________", AmountOrStars(t.comm));
    pBand->LayoutCommTotal(pDC, pInfo);
    return pBand;
}

CPrtSection* NewSplit(CDC* pDC, CPrintInfo* pInfo, const CommTotals& t) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pLabels = pBand->AddColumn();
    pLabels->AddLine("");
    pLabels->AddLine(RptMsg::kTotalJobWithFreight);
    pLabels->AddLine(RptMsg::kTotalExtendedFreight);
    CPrtCol* pAmounts = pBand->AddColumn();
    pAmounts->AddLine("");
    pAmounts->AddLine(FormatAmount(t.final.dSum));
    pAmounts->AddLine(FormatAmount(t.final.dSum - t.net.dSum));

    CPrtCol* pShares = pBand->AddColumn();
    pShares->AddLine("");
    const char* shares[] = {RptMsg::kSharePurchaseOrder, RptMsg::kShareEngineering, RptMsg::kShareInfluence,
                            RptMsg::kShareTerritory};
    const int percents[] = {30, 30, 20, 20};
    for (int i = 0; i < 4; ++i) {
        const CString share = JobRateKnown(t) ? FixedTwo(t.comm.dSum * percents[i] / t.net.dSum) : Stars(4);
        pShares->AddLine(shares[i] + Percent(share));
    }
    pBand->LayoutCommSplit(pDC, pInfo);
    return pBand;
}
}  // namespace

int CRptComm::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop) {
    CBandCursor cur;
    BeginBuild(pDC, pInfo, laterTop, firstTop, cur);
    CLetterBuilder builder(*this, pDC, pInfo, pDoc, cur);
    AddProjectHeading(builder, pDoc);
    CPrtSection* pHeadings = NewColumnHeadings(pDC, pInfo);
    builder.Add(pHeadings);

    // Every page after a break starts with the column headings.
    CommTotals totals;
    CTable* pTable = pDoc->m_pTable;
    const int nLines = pTable ? pTable->GetSize() : 0;
    for (int r = 0; r < nLines; ++r) {
        CRecord* pLine = pTable->GetRecord(r);
        if (!pLine->IsEmpty()) builder.Add(NewItemLine(pDC, pInfo, pLine, totals), pHeadings);
    }
    builder.Add(NewTotals(pDC, pInfo, totals), pHeadings);
    builder.Add(NewSplit(pDC, pInfo, totals), pHeadings);
    return EndBuild(cur);
}
