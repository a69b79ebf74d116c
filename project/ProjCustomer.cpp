#include "project/ProjCustomer.h"

#include "database/DbMessages.h"
#include "database/LookupRows.h"
#include "database/SndToCust.h"
#include "framework/win/DataExchange.h"
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

}  // namespace

CProjCustomer::CProjCustomer(CCorvDoc* pDoc)
    : CProjLookupPage(IDD_PROJ_CUSTOMER, kCustomerTexts), m_pDoc(pDoc) {}

void CProjCustomer::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_CUST_NO, m_strCustNo);
    DDX_Text(pDX, IDC_CUST_NAME, m_strCustomer);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN1, m_strAdrsLn1);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN2, m_strAdrsLn2);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN3, m_strAdrsLn3);
    DDX_Text(pDX, IDC_PROJ_CITY, m_strCity);
    DDX_Text(pDX, IDC_PROJ_STATE, m_strState);
    DDX_Text(pDX, IDC_PROJ_ZIP, m_strZip);
    DDX_Text(pDX, IDC_PROJ_COUNTRY, m_strCountry);
    DDX_Text(pDX, IDC_CUST_ATTN, m_strAttn);
    DDX_Text(pDX, IDC_PROJ_PHONE, m_strPhone);
    DDX_Text(pDX, IDC_PROJ_FAX, m_strFax);
    DDX_Text(pDX, IDC_PROJ_EMAIL, m_strEmail);
    DDX_Text(pDX, IDC_PROJ_URL, m_strURL);
}

BOOL CProjCustomer::OnInitDialog() {
    CProjLookupPage::OnInitDialog();
    LimitText(IDC_CUST_NO, 15);
    LimitText(IDC_CUST_NAME, 40);
    LimitText(IDC_CUST_ATTN, 40);
    for (const ControlLimit& limit : kSharedLimits) LimitText(limit.nID, limit.nChars);
    return TRUE;
}

CString* CProjCustomer::DetailField(int nIndex) {
    CString* fields[] = {&m_strAdrsLn1, &m_strAdrsLn2, &m_strAdrsLn3, &m_strCity, &m_strState, &m_strZip,
                         &m_strCountry, &m_strAttn,    &m_strPhone,   &m_strFax,  &m_strEmail, &m_strURL};
    return fields[nIndex];
}

BOOL CProjCustomer::SendToDatabase() { return CSndToCust(CustomerRowOf(*this)).Send(); }

CProjOffice::CProjOffice(CCorvDoc* pDoc) : CProjLookupPage(IDD_PROJ_OFFICE, kOfficeTexts), m_pDoc(pDoc) {}

void CProjOffice::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_OFFICE_NO, m_strOfficeNo);
    DDX_Text(pDX, IDC_OFFICE_NAME, m_strOffice);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN1, m_strAdrsLn1);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN2, m_strAdrsLn2);
    DDX_Text(pDX, IDC_PROJ_ADRS_LN3, m_strAdrsLn3);
    DDX_Text(pDX, IDC_PROJ_CITY, m_strCity);
    DDX_Text(pDX, IDC_PROJ_STATE, m_strState);
    DDX_Text(pDX, IDC_PROJ_ZIP, m_strZip);
    DDX_Text(pDX, IDC_PROJ_COUNTRY, m_strCountry);
    DDX_Text(pDX, IDC_OFFICE_CONTACT, m_strContact);
    DDX_Text(pDX, IDC_PROJ_PHONE, m_strPhone);
    DDX_Text(pDX, IDC_PROJ_FAX, m_strFax);
    DDX_Text(pDX, IDC_PROJ_EMAIL, m_strEmail);
    DDX_Text(pDX, IDC_PROJ_URL, m_strURL);
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

CString* CProjOffice::DetailField(int nIndex) {
    CString* fields[] = {&m_strAdrsLn1, &m_strAdrsLn2, &m_strAdrsLn3, &m_strCity, &m_strState, &m_strZip,
                         &m_strCountry, &m_strContact, &m_strPhone,   &m_strFax,  &m_strEmail, &m_strURL};
    return fields[nIndex];
}

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
