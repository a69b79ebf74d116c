#include "reports/ProjectHeading.h"

#include "model/CorvDoc.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/ReportMessages.h"

CString ProposalNumberText(CCorvDoc* pDoc) {
    CString text = pDoc->GetQuoteNo();
    if (!pDoc->GetQuoteRev().IsEmpty()) text += RptMsg::kRev + pDoc->GetQuoteRev();
    return text;
}

void AddProjectHeading(CLetterBuilder& builder, CCorvDoc* pDoc) {
    CStringArray labels, values, rightLabels, rightValues;
    for (const char* psz : {"", RptMsg::kProjectName, RptMsg::kLocation, RptMsg::kEngineer, RptMsg::kRepName,
                            RptMsg::kOffice, ""})
        labels.Add(psz);
    values.Add("");
    values.Add(pDoc->GetProject());
    values.Add(pDoc->GetProjectLoc());
    values.Add(pDoc->GetEngineer());
    values.Add(pDoc->GetOffContact());
    values.Add(pDoc->GetOffice());

    for (const char* psz : {"", RptMsg::kProposalNumber, RptMsg::kCorvNo, RptMsg::kPreparedBy,
                            RptMsg::kQuoteDate, RptMsg::kBidDateAndTime})
        rightLabels.Add(psz);
    rightValues.Add("");
    rightValues.Add(ProposalNumberText(pDoc));
    rightValues.Add(pDoc->GetCorvNumber());
    rightValues.Add(pDoc->GetPreparedBy());
    rightValues.Add(pDoc->GetQuoteDate());
    if (!pDoc->GetBidDate().IsEmpty()) rightValues.Add(BidDateTime(pDoc->GetBidDate(), pDoc->GetBidTime()));

    builder.AddHeadingBlock(labels, values, rightLabels, rightValues);
}
