// CProjFollow, CProjHeadFoot, CProjPO and CProjUDC: the "Follow-Up",
// "Header/Footer", "Purchase Order" and "UDC" pages of the project sheet.
// Each keeps its own copies of its fields: setters before the sheet runs,
// getters after OK, checks of its dates and numbers when they lose the
// focus and when the page is left.
#pragma once

#include "project/ProjPage.h"

class CCorvDoc;
class CNumEdit;

#define CORV_PROJ_FOLLOW_TEXTS(FIELD)               \
    FIELD(Status, IDC_FOLLOW_STATUS, 10)            \
    FIELD(Probability, IDC_FOLLOW_PROBABILITY, 7)   \
    FIELD(AwardDate, IDC_FOLLOW_AWARD_DATE, 10)     \
    FIELD(LostTo, IDC_FOLLOW_LOST_TO, 15)           \
    FIELD(Notes, IDC_FOLLOW_NOTES, 32000)           \
    FIELD(LastUpdate, IDC_FOLLOW_LAST_UPDATE, 10)   \
    FIELD(LastUpdateBy, IDC_FOLLOW_UPDATED_BY, 40)  \
    FIELD(SalesOrderNo, IDC_FOLLOW_SALES_ORDER, 10) \
    FIELD(ReasonLost, IDC_FOLLOW_REASON_LOST, 40)

class CProjFollow : public CProjPage {
    DECLARE_DYNAMIC(CProjFollow)
public:
    explicit CProjFollow(CCorvDoc* pDoc);
    ~CProjFollow() override;
    CORV_PROJ_FOLLOW_TEXTS(CORV_PROJ_PAGE_ACCESS)

    void CheckAwardDate();
    void CheckLastUpdate();
    void CheckProbability();
    void OnAwardDateButton();
    void OnLastUpdateButton();

    CCorvDoc* m_pDoc;
    CNumEdit* m_pProbabilityEdit;
    int m_nProbabilityResult = 0;
    int m_nAwardDateStatus = 0;
    int m_nLastUpdateStatus = 0;
    CORV_PROJ_FOLLOW_TEXTS(CORV_PROJ_PAGE_MEMBER)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void OnDblClkLabel(UINT nID);
    DECLARE_MESSAGE_MAP()
};

#define CORV_PROJ_HEADFOOT_TEXTS(FIELD)       \
    FIELD(CompanyName, IDC_HF_COMPANY, 90)    \
    FIELD(CompanyAddress, IDC_HF_ADDRESS, 90) \
    FIELD(CompanyPhoneNo, IDC_HF_PHONE, 90)   \
    FIELD(FooterLn1, IDC_HF_FOOTER1, 90)      \
    FIELD(FooterLn2, IDC_HF_FOOTER2, 90)

class CProjHeadFoot : public CProjPage {
    DECLARE_DYNAMIC(CProjHeadFoot)
public:
    explicit CProjHeadFoot(CCorvDoc* pDoc);
    CORV_PROJ_HEADFOOT_TEXTS(CORV_PROJ_PAGE_ACCESS)

    CCorvDoc* m_pDoc;
    CORV_PROJ_HEADFOOT_TEXTS(CORV_PROJ_PAGE_MEMBER)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnDblClkLabel(UINT nID);
    DECLARE_MESSAGE_MAP()
};

#define CORV_PROJ_PO_TEXTS(FIELD)                    \
    FIELD(ShipToName, IDC_PO_SHIP_NAME, 40)          \
    FIELD(ShipToAdrsLn1, IDC_PO_SHIP_ADRS1, 40)      \
    FIELD(ShipToAdrsLn2, IDC_PO_SHIP_ADRS2, 40)      \
    FIELD(ShipToCity, IDC_PO_SHIP_CITY, 25)          \
    FIELD(ShipToState, IDC_PO_SHIP_STATE, 2)         \
    FIELD(ShipToZip, IDC_PO_SHIP_ZIP, 25)            \
    FIELD(ShipToAttn, IDC_PO_SHIP_ATTN, 40)          \
    FIELD(BillToName, IDC_PO_BILL_NAME, 40)          \
    FIELD(BillToAdrsLn1, IDC_PO_BILL_ADRS1, 40)      \
    FIELD(BillToAdrsLn2, IDC_PO_BILL_ADRS2, 40)      \
    FIELD(BillToCity, IDC_PO_BILL_CITY, 25)          \
    FIELD(BillToState, IDC_PO_BILL_STATE, 2)         \
    FIELD(BillToZip, IDC_PO_BILL_ZIP, 25)            \
    FIELD(BillToAttn, IDC_PO_BILL_ATTN, 40)          \
    FIELD(CustPONo, IDC_PO_CUST_PO, 25)              \
    FIELD(PODate, IDC_PO_DATE, 10)                   \
    FIELD(RequestDate, IDC_PO_REQUEST_DATE, 10)      \
    FIELD(ShipVia, IDC_PO_SHIP_VIA, 40)              \
    FIELD(ShippingNotes, IDC_PO_SHIPPING_NOTES, 100) \
    FIELD(POAmount, IDC_PO_AMOUNT, 10)

class CProjPO : public CProjPage {
    DECLARE_DYNAMIC(CProjPO)
public:
    explicit CProjPO(CCorvDoc* pDoc);
    ~CProjPO() override;
    CORV_PROJ_PO_TEXTS(CORV_PROJ_PAGE_ACCESS)

    void CheckPODate();
    void CheckRequestDate();
    void CheckPOAmount();

    CCorvDoc* m_pDoc;
    CNumEdit* m_pAmountEdit;
    int m_nAmountResult = 0;
    int m_nPODateStatus = 0;
    int m_nRequestDateStatus = 0;
    CORV_PROJ_PO_TEXTS(CORV_PROJ_PAGE_MEMBER)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void OnDblClkLabel(UINT nID);
    DECLARE_MESSAGE_MAP()
};

#define CORV_PROJ_UDC_TEXTS(FIELD) \
    FIELD(UDC1, IDC_UDC1, 40)      \
    FIELD(UDC2, IDC_UDC2, 40)      \
    FIELD(UDC3, IDC_UDC3, 250)     \
    FIELD(UDC4, IDC_UDC4, 250)     \
    FIELD(UDC5, IDC_UDC5, 10)      \
    FIELD(UDC6, IDC_UDC6, 10)      \
    FIELD(UDC7, IDC_UDC7, 6)       \
    FIELD(UDC8, IDC_UDC8, 6)

class CProjUDC : public CProjPage {
    DECLARE_DYNAMIC(CProjUDC)
public:
    explicit CProjUDC(CCorvDoc* pDoc);
    ~CProjUDC() override;
    CORV_PROJ_UDC_TEXTS(CORV_PROJ_PAGE_ACCESS)

    void OnKillFocusUDC5() { CheckUDC(0); }
    void OnKillFocusUDC6() { CheckUDC(1); }
    void OnKillFocusUDC7() { CheckUDC(2); }
    void OnKillFocusUDC8() { CheckUDC(3); }

    CCorvDoc* m_pDoc;
    CNumEdit* m_pNumEdits[4];
    int m_bReinterpreted[4] = {};
    CORV_PROJ_UDC_TEXTS(CORV_PROJ_PAGE_MEMBER)

protected:
    void CheckUDC(int nIndex);
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    DECLARE_MESSAGE_MAP()
};
