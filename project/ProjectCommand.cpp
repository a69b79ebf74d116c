#include "project/ProjectCommand.h"

#include "model/CorvDoc.h"
#include "project/ProjCustomer.h"
#include "project/ProjFollow.h"
#include "project/ProjMessages.h"
#include "project/ProjQuote.h"
#include "project/ProjSheet.h"
#include "project/ProjWords.h"
#include "project/ProjWorkspace.h"

namespace {

constexpr int kPageCount = 10;

// One header field: the document's accessor name, then the page's.
#define CORV_QUOTE_FIELDS(F)       \
    F(QuoteNo, QuoteNo)            \
    F(QuoteRev, Rev)               \
    F(QuoteVersion, Version)       \
    F(QuoteDate, QuoteDate)        \
    F(QuoteType, QuoteType)        \
    F(MarketGroup, MarketingGroup) \
    F(SalesRegion, SalesRegion)    \
    F(ProjectType, ProjectType)    \
    F(Project, ProjectName)        \
    F(ProjectLoc, ProjectLocation) \
    F(Engineer, EngFirm)           \
    F(Packaging, Packaging)        \
    F(Payment, Payment)            \
    F(Shipping, Shipping)

#define CORV_QUOTE_FIELDS_AFTER_RATE(F) \
    F(Freight, Freight)                 \
    F(StartUp, StartUp)                 \
    F(CustRef, CustRefNo)               \
    F(BidDate, BidDate)                 \
    F(BidTime, BidTime)                 \
    F(PreparedBy, PreparedBy)           \
    F(Initials, Initials)               \
    F(PrepByTitle, PreparedByTitle)     \
    F(PrepByEmail, PreparedByEmail)     \
    F(FirstCC, FirstCC)                 \
    F(FirstCCTitle, FirstCCTitle)       \
    F(SecondCC, SecondCC)               \
    F(SecondCCTitle, SecondCCTitle)     \
    F(Validity, Validity)               \
    F(Delivery, Delivery)

#define CORV_CUSTOMER_FIELDS(F) \
    F(CustomerNo, CustNo)       \
    F(Customer, Customer)       \
    F(CustAddrsLn1, AdrsLn1)    \
    F(CustAddrsLn2, AdrsLn2)    \
    F(CustAddrsLn3, AdrsLn3)    \
    F(CustCity, City)           \
    F(CustState, State)         \
    F(CustZip, Zip)             \
    F(CustCountry, Country)     \
    F(CustAttn, Attn)           \
    F(CustPhone, Phone)         \
    F(CustFax, Fax)             \
    F(CustEmail, Email)         \
    F(CustURL, URL)

#define CORV_OFFICE_FIELDS(F) \
    F(OfficeNo, OfficeNo)     \
    F(Office, Office)         \
    F(OffAddrsLn1, AdrsLn1)   \
    F(OffAddrsLn2, AdrsLn2)   \
    F(OffAddrsLn3, AdrsLn3)   \
    F(OffCity, City)          \
    F(OffState, State)        \
    F(OffZip, Zip)            \
    F(OffCountry, Country)    \
    F(OffContact, Contact)    \
    F(OffPhone, Phone)        \
    F(OffFax, Fax)            \
    F(OffEmail, Email)        \
    F(OffURL, URL)

#define CORV_FOLLOW_FIELDS(F)      \
    F(Status, Status)              \
    F(ProbOfSuccess, Probability)  \
    F(LostTo, LostTo)              \
    F(ExptAwardDate, AwardDate)    \
    F(Notes, Notes)                \
    F(LastUpdate, LastUpdate)      \
    F(LastUpdatedBy, LastUpdateBy) \
    F(SalesOrderNo, SalesOrderNo)  \
    F(ReasonLost, ReasonLost)

#define CORV_HEADFOOT_FIELDS(F) \
    F(CompanyName, CompanyName) \
    F(Address, CompanyAddress)  \
    F(PhoneNo, CompanyPhoneNo)  \
    F(FooterLn1, FooterLn1)     \
    F(FooterLn2, FooterLn2)

#define CORV_PO_FIELDS(F)             \
    F(ShipToName, ShipToName)         \
    F(ShipToAddrsLn1, ShipToAdrsLn1)  \
    F(ShipToAddrsLn2, ShipToAdrsLn2)  \
    F(ShipToCity, ShipToCity)         \
    F(ShipToState, ShipToState)       \
    F(ShipToZip, ShipToZip)           \
    F(ShipToAttn, ShipToAttn)         \
    F(BillToName, BillToName)         \
    F(BillToAddrsLn1, BillToAdrsLn1)  \
    F(BillToAddrsLn2, BillToAdrsLn2)  \
    F(BillToCity, BillToCity)         \
    F(BillToState, BillToState)       \
    F(BillToZip, BillToZip)           \
    F(BillToAttn, BillToAttn)         \
    F(CustomerPO, CustPONo)           \
    F(PODate, PODate)                 \
    F(PORequestDate, RequestDate)     \
    F(POShipVia, ShipVia)             \
    F(POShippingNotes, ShippingNotes) \
    F(POAmount, POAmount)

#define CORV_UDC_FIELDS(F) \
    F(UDC01, UDC1)         \
    F(UDC02, UDC2)         \
    F(UDC03, UDC3)         \
    F(UDC04, UDC4)         \
    F(UDC05, UDC5)         \
    F(UDC06, UDC6)         \
    F(UDC07, UDC7)         \
    F(UDC08, UDC8)

struct WordsKind {
    const char* pszCaption;
    const char* pszSelections;
    const char* pszFileNames;
};

const WordsKind kWordsKinds[3] = {{ProjMsg::kIntroduction, "Introduction", "IntroFileName"},
                                  {ProjMsg::kNotes, "Notes", "NotesFileName"},
                                  {ProjMsg::kTerms, "Terms", "TermsFileName"}};

void FillWords(CProjWords& page, int nKind, const CString& strText, int nLeft, int nRight) {
    page.SetCaption(kWordsKinds[nKind].pszCaption);
    page.SetWords(strText);
    page.m_nIndentLeft = nLeft;
    page.m_nIndentRight = nRight;
    page.m_pSelections = ProjWorkspace::ChoiceList(kWordsKinds[nKind].pszSelections);
    page.m_pTextFiles = ProjWorkspace::ChoiceList(kWordsKinds[nKind].pszFileNames);
}

}  // namespace

BOOL RunProjectSheet(CCorvDoc* pDoc) {
    int nStart = ProjWorkspace::GetProjectPage();
    if (nStart < 0 || nStart >= kPageCount) {
        nStart = 0;
        ProjWorkspace::SetProjectPage(0);
    }
    CProjSheet sheet((CString(ProjMsg::kProjectCaption) + pDoc->GetCorvNumber()).GetString(), nullptr,
                     nStart);

    CProjQuote quote(pDoc);
    CProjCustomer customer(pDoc);
    CProjOffice office(pDoc);
    CProjFollow follow(pDoc);
    CProjWords intro, notes, terms;
    CProjHeadFoot headFoot(pDoc);
    CProjPO po(pDoc);
    CProjUDC udc(pDoc);
    for (CPropertyPage* pPage : std::initializer_list<CPropertyPage*>{
             &quote, &customer, &office, &follow, &intro, &notes, &terms, &headFoot, &po, &udc})
        sheet.AddPage(pPage);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;

#define CORV_FILL(doc, page) p.Set##page(pDoc->Get##doc());
    {
        CProjQuote& p = quote;
        p.SetNumber(pDoc->GetCorvNumber());
        CORV_QUOTE_FIELDS(CORV_FILL)
        p.SetCount(pDoc->m_nQuoteCount);
        p.SetFreightRate(pDoc->GetFreightRate());
        CORV_QUOTE_FIELDS_AFTER_RATE(CORV_FILL)
    }
    {
        CProjCustomer& p = customer;
        CORV_CUSTOMER_FIELDS(CORV_FILL)
    }
    {
        CProjOffice& p = office;
        CORV_OFFICE_FIELDS(CORV_FILL)
        p.SetLimitTo(ProjWorkspace::GetSearchByOffices());
    }
    {
        CProjFollow& p = follow;
        CORV_FOLLOW_FIELDS(CORV_FILL)
    }
    FillWords(intro, 0, pDoc->GetIntro(), pDoc->m_nIntroIndLeft, pDoc->m_nIntroIndRight);
    FillWords(notes, 1, pDoc->GetQNotes(), pDoc->m_nQNotesIndLeft, pDoc->m_nQNotesIndRight);
    FillWords(terms, 2, pDoc->GetTerms(), pDoc->m_nTermsIndLeft, pDoc->m_nTermsIndRight);
    {
        CProjHeadFoot& p = headFoot;
        CORV_HEADFOOT_FIELDS(CORV_FILL)
    }
    {
        CProjPO& p = po;
        CORV_PO_FIELDS(CORV_FILL)
    }
    {
        CProjUDC& p = udc;
        CORV_UDC_FIELDS(CORV_FILL)
    }
#undef CORV_FILL

    if (sheet.DoModal() != IDOK) return FALSE;

#define CORV_STORE(doc, page) pDoc->Set##doc(p.Get##page());
    {
        CProjQuote& p = quote;
        pDoc->SetCorvNumber(p.GetNumber());
        CORV_QUOTE_FIELDS(CORV_STORE)
        pDoc->SetQuoteCount(p.GetCount());
        pDoc->ApplyFreight(p.GetFreightRate(), TRUE);
        CORV_QUOTE_FIELDS_AFTER_RATE(CORV_STORE)
    }
    {
        CProjCustomer& p = customer;
        CORV_CUSTOMER_FIELDS(CORV_STORE)
    }
    {
        CProjOffice& p = office;
        CORV_OFFICE_FIELDS(CORV_STORE)
        ProjWorkspace::SetSearchByOffices(p.m_nLimitTo);
    }
    {
        CProjFollow& p = follow;
        CORV_FOLLOW_FIELDS(CORV_STORE)
    }
    pDoc->SetIntro(intro.GetWords());
    pDoc->SetIntroIndLeft(intro.m_nIndentLeft);
    pDoc->SetIntroIndRight(intro.m_nIndentRight);
    pDoc->SetQNotes(notes.GetWords());
    pDoc->SetQNotesIndLeft(notes.m_nIndentLeft);
    pDoc->SetQNotesIndRight(notes.m_nIndentRight);
    pDoc->SetTerms(terms.GetWords());
    pDoc->SetTermsIndLeft(terms.m_nIndentLeft);
    pDoc->SetTermsIndRight(terms.m_nIndentRight);
    {
        CProjHeadFoot& p = headFoot;
        CORV_HEADFOOT_FIELDS(CORV_STORE)
    }
    {
        CProjPO& p = po;
        CORV_PO_FIELDS(CORV_STORE)
    }
    {
        CProjUDC& p = udc;
        CORV_UDC_FIELDS(CORV_STORE)
    }
#undef CORV_STORE
    return TRUE;
}
