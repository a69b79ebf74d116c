// CProjCustomer and CProjOffice: the "Customer" and "Offices" pages of the
// project sheet - the job's customer and representative office blocks,
// looked up in and stored to the Customers and Offices tables.
#pragma once

#include "project/ProjLookupPage.h"

class CCorvDoc;

// The address, telephone and web fields both pages hold.
#define CORV_PROJ_ADDRESS_FIELDS(FIELD) \
    FIELD(AdrsLn1, 40)                  \
    FIELD(AdrsLn2, 40)                  \
    FIELD(AdrsLn3, 40)                  \
    FIELD(City, 25)                     \
    FIELD(State, 2)                     \
    FIELD(Zip, 25)                      \
    FIELD(Country, 40)

#define CORV_PROJ_CONTACT_FIELDS(FIELD) \
    FIELD(Phone, 25)                    \
    FIELD(Fax, 25)                      \
    FIELD(Email, 40)                    \
    FIELD(URL, 50)

#define CORV_PROJ_DECLARE_FIELD(name, width) \
    CORV_PROJ_PAGE_ACCESS(name, 0, width)    \
    CORV_PROJ_PAGE_MEMBER(name, 0, width)

class CProjCustomer : public CProjLookupPage {
    DECLARE_DYNAMIC(CProjCustomer)
public:
    explicit CProjCustomer(CCorvDoc* pDoc);

    CORV_PROJ_DECLARE_FIELD(CustNo, 15)
    CORV_PROJ_DECLARE_FIELD(Customer, 40)
    CORV_PROJ_ADDRESS_FIELDS(CORV_PROJ_DECLARE_FIELD)
    CORV_PROJ_DECLARE_FIELD(Attn, 40)
    CORV_PROJ_CONTACT_FIELDS(CORV_PROJ_DECLARE_FIELD)

    CCorvDoc* m_pDoc;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    CString& NumberField() override { return m_strCustNo; }
    CString& NameField() override { return m_strCustomer; }
    CString* DetailField(int nIndex) override;
    BOOL SendToDatabase() override;
};

class CProjOffice : public CProjLookupPage {
    DECLARE_DYNAMIC(CProjOffice)
public:
    explicit CProjOffice(CCorvDoc* pDoc);

    CORV_PROJ_DECLARE_FIELD(OfficeNo, 15)
    CORV_PROJ_DECLARE_FIELD(Office, 40)
    CORV_PROJ_ADDRESS_FIELDS(CORV_PROJ_DECLARE_FIELD)
    CORV_PROJ_DECLARE_FIELD(Contact, 40)
    CORV_PROJ_CONTACT_FIELDS(CORV_PROJ_DECLARE_FIELD)

    // The Limit-to choice: 0 East, 1 West, 2 Both, -1 none.
    void SetLimitTo(int nLimitTo) { m_nLimitTo = nLimitTo; }
    int GetLimitTo() const { return m_nLimitTo; }
    int m_nLimitTo = -1;

    CCorvDoc* m_pDoc;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    CString& NumberField() override { return m_strOfficeNo; }
    CString& NameField() override { return m_strOffice; }
    CString* DetailField(int nIndex) override;
    CString LimitClause(bool bQuotedBits) override;
    BOOL SendToDatabase() override;
};
