#include "reports/LetterBlocks.h"

#include <cstdlib>

#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/WordsField.h"
#include "reports/BandText.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"

namespace {
// The indent of the office lines under the sales representative's sentence.
const CString kRepIndent(' ', 30);

CStringArray Lines(std::initializer_list<CString> lines) {
    CStringArray array;
    for (const CString& line : lines) array.Add(line);
    return array;
}

void AddIfSet(CStringArray& lines, const CString& text) {
    if (!text.IsEmpty()) lines.Add(text);
}

void AddLabelled(CStringArray& labels, CStringArray& values, const char* pszLabel, const CString& value) {
    labels.Add(pszLabel);
    values.Add(value);
}
}  // namespace

CString FieldText(CRecord* pLine, const char* pszField) { return pLine->GetFieldByName(pszField)->GetText(); }

CString CItemTotal::AddLine(const CString& qty, const CString& final) {
    if (qty.IsEmpty() && final.IsEmpty()) return CString();
    if ((!qty.IsEmpty() && qty[0] == '*') || (!final.IsEmpty() && final[0] == '*')) {
        bOverflow = TRUE;
        return RptMsg::kOverflow;
    }
    const double dAmount = std::atoi(qty) * std::atof(final);
    dTotal += dAmount;
    return FormatAmount(dAmount);
}

CString CItemTotal::DollarTotal() const {
    if (bOverflow) return RptMsg::kOverflow;
    return CString(RptMsg::kDollar) + FormatAmount(dTotal);
}

int CLetterBuilder::Add(CPrtSection* pBand, const CPrtSection* pRepeatHeading) {
    return m_report.AddBand(m_pDC, pBand, m_cur, pRepeatHeading);
}

int CLetterBuilder::AddIndented(const CStringArray& lines, int leftPercent, int rightPercent,
                                BOOL bTrimLeading, const CPrtSection* pRepeatHeading) {
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pCol = pBand->AddColumn();
    for (const CString& line : lines) pCol->AddLine(line);
    pBand->LayoutIndented(m_pDC, m_pInfo, leftPercent, rightPercent, bTrimLeading);
    return Add(pBand, pRepeatHeading);
}

int CLetterBuilder::AddIndented(const CString& line, int leftPercent, int rightPercent, BOOL bTrimLeading,
                                const CPrtSection* pRepeatHeading) {
    return AddIndented(Lines({line}), leftPercent, rightPercent, bTrimLeading, pRepeatHeading);
}

void CLetterBuilder::AddSpacer(int nLines) {
    CStringArray lines;
    for (int i = 0; i < nLines; ++i) lines.Add("");
    AddIndented(lines, 0, 0, TRUE);
}

void CLetterBuilder::AddParagraphs(const CString& text, int leftPercent, int rightPercent, BOOL bTrimLeading,
                                   const CPrtSection* pRepeatHeading) {
    for (const CString& paragraph : CutParagraphs(text))
        AddIndented(paragraph, leftPercent, rightPercent, bTrimLeading, pRepeatHeading);
}

void CLetterBuilder::AddHeadingBlock(const CStringArray& col0, const CStringArray& col1,
                                     const CStringArray& col2, const CStringArray& col3) {
    CPrtSection* pBand = new CPrtSection;
    for (const CStringArray* pLines : {&col0, &col1, &col2, &col3}) {
        CPrtCol* pCol = pBand->AddColumn();
        for (const CString& line : *pLines) pCol->AddLine(line);
    }
    pBand->LayoutHeadingBlock(m_pDC, m_pInfo);
    Add(pBand);
}

int CLetterBuilder::AddTotalLine(const CString& label, const CString& amount,
                                 const CPrtSection* pRepeatHeading) {
    CPrtSection* pBand = new CPrtSection;
    pBand->AddColumn()->AddLine(label);
    pBand->AddColumn()->AddLine(amount);
    pBand->LayoutTotalLine(m_pDC, m_pInfo);
    return Add(pBand, pRepeatHeading);
}

void CLetterBuilder::AddAddresseeBlock() {
    CCorvDoc& doc = *m_pDoc;
    const CStringArray to = Lines({"", RptMsg::kTo, ""});

    CStringArray address;
    address.Add("");
    address.Add(doc.GetCustomer());
    AddIfSet(address, doc.GetCustAddrsLn1());
    AddIfSet(address, doc.GetCustAddrsLn2());
    AddIfSet(address, doc.GetCustAddrsLn3());
    AddIfSet(address, CityLine(doc.GetCustCity(), doc.GetCustState(), doc.GetCustZip()));
    AddIfSet(address, doc.GetCustCountry());
    if (!doc.GetCustAttn().IsEmpty()) address.Add(RptMsg::kAttn + doc.GetCustAttn());
    if (!doc.GetCustPhone().IsEmpty()) address.Add(RptMsg::kPhone + doc.GetCustPhone());
    if (!doc.GetCustFax().IsEmpty()) address.Add(RptMsg::kFax + doc.GetCustFax());
    AddIfSet(address, doc.GetCustEmail());
    AddIfSet(address, doc.GetCustURL());
    address.Add("");

    CStringArray labels;
    CStringArray values;
    AddLabelled(labels, values, "", "");
    AddLabelled(labels, values, RptMsg::kDate, doc.GetQuoteDate());
    CString proposal = doc.GetQuoteNo();
    if (!doc.GetQuoteRev().IsEmpty()) proposal += RptMsg::kRev + doc.GetQuoteRev();
    AddLabelled(labels, values, RptMsg::kProposalNumber, proposal);
    AddLabelled(labels, values, RptMsg::kCorvNo, doc.GetCorvNumber());
    if (!doc.GetCustRef().IsEmpty()) AddLabelled(labels, values, RptMsg::kInquiryNumber, doc.GetCustRef());
    if (!doc.GetEngineer().IsEmpty()) AddLabelled(labels, values, RptMsg::kEngineer, doc.GetEngineer());
    if (!doc.GetBidDate().IsEmpty())
        AddLabelled(labels, values, RptMsg::kBidDate, BidDateTime(doc.GetBidDate(), doc.GetBidTime()));
    if (!doc.GetProject().IsEmpty()) AddLabelled(labels, values, RptMsg::kProject, doc.GetProject());
    if (!doc.GetProjectLoc().IsEmpty()) AddLabelled(labels, values, RptMsg::kLocation, doc.GetProjectLoc());
    AddLabelled(labels, values, "", "");

    AddHeadingBlock(to, address, labels, values);
}

void CLetterBuilder::AddIntroduction() {
    const CString intro = m_pDoc->GetIntro();
    if (intro.IsEmpty()) return;
    AddParagraphs(intro, m_pDoc->m_nIntroIndLeft, m_pDoc->m_nIntroIndRight, TRUE);
    AddSpacer();
}

void CLetterBuilder::AddWordsAbove(CRecord* pLine, const CPrtSection* pHeading) {
    const CWordsField* pWords = static_cast<const CWordsField*>(pLine->GetFieldByName("WordsAbove"));
    const CString words = pWords->GetText();
    if (words.IsEmpty()) return;
    AddParagraphs(words + "\r\n", pWords->m_nIndentLeft, pWords->m_nIndentRight, TRUE, pHeading);
}

BOOL CLetterBuilder::IsAltGroup() const {
    CString group = m_pDoc->GetMarketGroup();
    TrimLeadingSpaces(group);
    TrimTrailingSpaces(group);
    return group.CompareNoCase(RptMsg::kAltGroup) == 0;
}

CString CLetterBuilder::DetailDescriptions(CRecord* pLine) const {
    CString text;
    const BOOL bAlt = IsAltGroup();
    if (CTable* pDetails = pLine->GetChild()) {
        for (int i = 0; i < pDetails->GetSize(); ++i) {
            CRecord* pDetail = pDetails->GetRecord(i);
            CString description = FieldText(pDetail, "QuoteDescription");
            if (bAlt) {
                CString alternative = FieldText(pDetail, "AltQuoteDescription");
                TrimTrailingSpaces(alternative);
                if (!alternative.IsEmpty()) description = alternative;
            }
            text += " " + description;
        }
    }
    return text;
}

CString CLetterBuilder::ItemDescription(CRecord* pLine) const {
    CString text = DetailDescriptions(pLine);
    const CString tag = FieldText(pLine, "Tag");
    if (!tag.IsEmpty()) text = tag + "^" + text;
    const CString service = FieldText(pLine, "Service");
    if (!service.IsEmpty()) text = service + "^" + text;
    CString below = FieldText(pLine, "WordsBelow");
    if (!below.IsEmpty()) {
        below.Replace("\r\n", "^");
        text += "^" + below;
    }
    return text + "^";
}

void CLetterBuilder::AddStartUp() {
    const CString startUp = m_pDoc->GetStartUp();
    if (startUp.IsEmpty()) return;
    AddIndented(Lines({"", RptMsg::kStartUp + startUp}), 0, 0, TRUE);
}

void CLetterBuilder::AddNotes() {
    const CString notes = m_pDoc->GetQNotes();
    if (!notes.IsEmpty()) {
        AddSpacer();
        AddParagraphs(notes, m_pDoc->m_nQNotesIndLeft, m_pDoc->m_nQNotesIndRight, TRUE);
    }
    AddSpacer();
}

void CLetterBuilder::AddTermsHeading() { AddIndented(CString(RptMsg::kCommercialTerms), 0, 0, TRUE); }

void CLetterBuilder::AddCommercialTerms() {
    CCorvDoc& doc = *m_pDoc;
    CPrtSection* pBand = new CPrtSection;
    CPrtCol* pLabels = pBand->AddColumn();
    CPrtCol* pColons = pBand->AddColumn();
    CPrtCol* pValues = pBand->AddColumn();
    auto row = [&](const char* pszLabel, const CString& value) {
        pLabels->AddLine(pszLabel);
        pColons->AddLine(RptMsg::kColon);
        pValues->AddLine(value);
    };
    row(RptMsg::kFobPoint, doc.GetShipping());
    row(RptMsg::kFreightTerms, doc.GetFreight());
    row(RptMsg::kPaymentTerms, doc.GetPayment());
    if (!doc.GetValidity().IsEmpty()) row(RptMsg::kPriceValidity, doc.GetValidity());
    if (!doc.GetDelivery().IsEmpty()) row(RptMsg::kLeadTime, doc.GetDelivery());
    if (!doc.GetPackaging().IsEmpty()) row(RptMsg::kPackaging, doc.GetPackaging());
    pBand->LayoutTermsBlock(m_pDC, m_pInfo);
    Add(pBand);
}

void CLetterBuilder::AddTermsText() {
    const CString terms = m_pDoc->GetTerms();
    if (terms.IsEmpty()) return;
    AddSpacer();
    AddParagraphs(terms, m_pDoc->m_nTermsIndLeft, m_pDoc->m_nTermsIndRight, FALSE);
}

void CLetterBuilder::AddSalesRepresentative() {
    CCorvDoc& doc = *m_pDoc;
    if (doc.GetOffContact().IsEmpty() && doc.GetOffice().IsEmpty()) return;
    CStringArray lines = Lines({"", RptMsg::kContactRep});
    auto indented = [&](const CString& text) {
        if (!text.IsEmpty()) lines.Add(kRepIndent + text);
    };
    indented(doc.GetOffContact());
    indented(doc.GetOffPhone());
    indented(doc.GetOffEmail());
    indented(doc.GetOffice());
    indented(doc.GetOffAddrsLn1());
    indented(doc.GetOffAddrsLn2());
    indented(doc.GetOffAddrsLn3());
    indented(CityLine(doc.GetOffCity(), doc.GetOffState(), doc.GetOffZip()));
    indented(doc.GetOffCountry());
    if (!doc.GetOffFax().IsEmpty()) lines.Add(kRepIndent + RptMsg::kRepFax + doc.GetOffFax());
    indented(doc.GetOffURL());
    AddIndented(lines, 0, 0, FALSE);
}

void CLetterBuilder::AddSignature() {
    CCorvDoc& doc = *m_pDoc;
    CStringArray lines = Lines({"", RptMsg::kSincerely});
    AddIfSet(lines, doc.GetPreparedBy());
    AddIfSet(lines, doc.GetPrepByTitle());
    AddIfSet(lines, doc.GetPrepByEmail());
    if (!doc.GetFirstCC().IsEmpty() || !doc.GetSecondCC().IsEmpty()) lines.Add("");
    auto copy = [&](const CString& name, const CString& title) {
        if (name.IsEmpty()) return;
        lines.Add(RptMsg::kCc + name + (title.IsEmpty() ? CString() : ", " + title));
    };
    copy(doc.GetFirstCC(), doc.GetFirstCCTitle());
    copy(doc.GetSecondCC(), doc.GetSecondCCTitle());
    AddIndented(lines, 0, 0, TRUE);
}
