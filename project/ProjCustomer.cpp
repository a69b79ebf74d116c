#include "project/ProjCustomer.h"

#include "database/DbMessages.h"
#include "database/SndToCust.h"
#include "framework/win/DataExchange.h"
#include "project/LookupPageRows.h"
#include "project/ProjMessages.h"
#include "res/project_ids.h"

IMPLEMENT_DYNAMIC(CProjCustomer, CProjLookupPage)
IMPLEMENT_DYNAMIC(CProjOffice, CProjLookupPage)

namespace {

const CLookupTexts kCustomerTexts = {
    DbTable::Customers,
    "CustNo",
    "Customer",
    ProjMsg::kCustFindNumberEmpty,
    ProjMsg::kCustFindNameEmpty,
    ProjMsg::kCustNextEmpty,
    ProjMsg::kCustPreviousEmpty,
    ProjMsg::kCustUpdateEmpty,
    DbMsg::kDidNotUpdateCustomers,
    {"AdrsLn1", "AdrsLn2", "AdrsLn3", "City", "State", "Zip", "Country", "Attn", "Phone", "Fax", "Email",
     "URL"},
};

const CLookupTexts kOfficeTexts = {
    DbTable::Offices,
    "OfficeNo",
    "Office",
    ProjMsg::kOfficeFindNumberEmpty,
    ProjMsg::kOfficeFindNameEmpty,
    ProjMsg::kOfficeNextEmpty,
    ProjMsg::kOfficePreviousEmpty,
    ProjMsg::kOfficeUpdateEmpty,
    DbMsg::kDidNotUpdateOffices,
    {"AdrsLn1", "AdrsLn2", "AdrsLn3", "City", "State", "Zip", "Country", "Contact", "Phone", "Fax", "Email",
     "URL"},
};

// The controls of the fields the two pages share, with their limits.
struct ControlLimit {
    int nID;
    int nChars;
};
const ControlLimit kSharedLimits[] = {
    {IDC_PROJ_ADRS_LN1, 40}, {IDC_PROJ_ADRS_LN2, 40}, {IDC_PROJ_ADRS_LN3, 40}, {IDC_PROJ_CITY, 25},
    {IDC_PROJ_STATE, 2},     {IDC_PROJ_ZIP, 25},      {IDC_PROJ_COUNTRY, 40},  {IDC_PROJ_PHONE, 25},
    {IDC_PROJ_FAX, 25},      {IDC_PROJ_EMAIL, 40},    {IDC_PROJ_URL, 50},
};

// The address block both pages exchange between their key fields and the
// person, and the telephone and web block after the person.
template <class TPage>
void ExchangeAddress(CDataExchange* pDX, TPage& page) {
    DDX_Text(pDX, IDC_PROJ_ADRS_LN1, page.m_strAdrsLn1);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN2, page.m_strAdrsLn2);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN3, page.m_strAdrsLn3);
    DDX_Text(pDX, IDC_PROJ_CITY, page.m_strCity);
    DDX_Text(pDX, IDC_PROJ_STATE, page.m_strState);
    DDX_Text(pDX, IDC_PROJ_ZIP, page.m_strZip);
    DDX_Text(pDX, IDC_PROJ_COUNTRY, page.m_strCountry);
}

template <class TPage>
void ExchangeContact(CDataExchange* pDX, TPage& page) {
    DDX_Text(pDX, IDC_PROJ_PHONE, page.m_strPhone);
    DDX_Text(pDX, IDC_PROJ_FAX, page.m_strFax);
    DDX_Text(pDX, IDC_PROJ_EMAIL, page.m_strEmail);
    DDX_Text(pDX, IDC_PROJ_URL, page.m_strURL);
}

// The twelve detail fields in the order of CLookupTexts::pszDetailColumns;
// only the person (Attn or Contact) differs between the pages.
template <class TPage>
CString* DetailFieldOf(TPage& page, CString& strPerson, int nIndex) {
    CString* fields[] = {&page.m_strAdrsLn1, &page.m_strAdrsLn2, &page.m_strAdrsLn3, &page.m_strCity,
                         &page.m_strState,   &page.m_strZip,     &page.m_strCountry, &strPerson,
                         &page.m_strPhone,   &page.m_strFax,     &page.m_strEmail,   &page.m_strURL};
    return fields[nIndex];
}

}  // namespace

CProjCustomer::CProjCustomer(CCorvDoc* pDoc)
    : CProjLookupPage(IDD_PROJ_CUSTOMER, kCustomerTexts), m_pDoc(pDoc) {}

void CProjCustomer::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_CUST_NO, m_strCustNo);
    DDX_Text(pDX, IDC_CUST_NAME, m_strCustomer);
    ExchangeAddress(pDX, *this);
    DDX_Text(pDX, IDC_CUST_ATTN, m_strAttn);
    ExchangeContact(pDX, *this);
}

BOOL CProjCustomer::OnInitDialog() {
    CProjLookupPage::OnInitDialog();
    LimitText(IDC_CUST_NO, 15);
    LimitText(IDC_CUST_NAME, 40);
    LimitText(IDC_CUST_ATTN, 40);
    for (const ControlLimit& limit : kSharedLimits) LimitText(limit.nID, limit.nChars);
    return TRUE;
}

CString* CProjCustomer::DetailField(int nIndex) { return DetailFieldOf(*this, m_strAttn, nIndex); }

BOOL CProjCustomer::SendToDatabase() { return CSndToCust(CustomerRowOf(*this)).Send(); }

CProjOffice::CProjOffice(CCorvDoc* pDoc) : CProjLookupPage(IDD_PROJ_OFFICE, kOfficeTexts), m_pDoc(pDoc) {}

void CProjOffice::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_OFFICE_NO, m_strOfficeNo);
    DDX_Text(pDX, IDC_OFFICE_NAME, m_strOffice);
    ExchangeAddress(pDX, *this);
    DDX_Text(pDX, IDC_OFFICE_CONTACT, m_strContact);
    ExchangeContact(pDX, *this);
    DDX_Radio(pDX, IDC_OFFICE_EAST, m_nLimitTo);
}

BOOL CProjOffice::OnInitDialog() {
    CProjLookupPage::OnInitDialog();
    LimitText(IDC_OFFICE_NO, 15);
    LimitText(IDC_OFFICE_NAME, 40);
    LimitText(IDC_OFFICE_CONTACT, 40);
    for (const ControlLimit& limit : kSharedLimits) LimitText(limit.nID, limit.nChars);
    return TRUE;
}

CString* CProjOffice::DetailField(int nIndex) { return DetailFieldOf(*this, m_strContact, nIndex); }

CString CProjOffice::LimitClause(bool bQuotedBits) {
    const char* pszTrue = bQuotedBits ? "'1'" : "1";
    switch (m_nLimitTo) {
        case 0:
            return CString(" AND Ostry = ") + pszTrue;
        case 1:
            return CString(" AND Kestrom = ") + pszTrue;
        default:
            return CString();
    }
}

BOOL CProjOffice::SendToDatabase() { return CSndToOffices(OfficeRowOf(*this)).Send(); }
