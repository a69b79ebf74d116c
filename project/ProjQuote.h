// CProjQuote: the "Proposal" page of the project sheet - quote number,
// revision, dates, bid time, people, terms and the freight rate, with date,
// time and number checks and editable choice lists behind the labels.
#pragma once

#include "project/ProjPage.h"

class CCorvDoc;
class CNumEdit;

// Text fields: name, control, limit.
#define CORV_PROJ_QUOTE_TEXTS(FIELD)                 \
    FIELD(QuoteNo, IDC_QUOTE_NO, 20)                 \
    FIELD(Rev, IDC_QUOTE_REV, 3)                     \
    FIELD(Version, IDC_QUOTE_VERSION, 10)            \
    FIELD(QuoteDate, IDC_QUOTE_DATE, 10)             \
    FIELD(QuoteType, IDC_QUOTE_TYPE, 10)             \
    FIELD(MarketingGroup, IDC_QUOTE_MARKET, 10)      \
    FIELD(SalesRegion, IDC_QUOTE_REGION, 10)         \
    FIELD(ProjectType, IDC_QUOTE_PROJ_TYPE, 25)      \
    FIELD(ProjectName, IDC_QUOTE_PROJECT, 40)        \
    FIELD(ProjectLocation, IDC_QUOTE_LOCATION, 40)   \
    FIELD(EngFirm, IDC_QUOTE_ENGINEER, 40)           \
    FIELD(Packaging, IDC_QUOTE_PACKAGING, 250)       \
    FIELD(Payment, IDC_QUOTE_PAYMENT, 40)            \
    FIELD(Shipping, IDC_QUOTE_SHIPPING, 40)          \
    FIELD(FreightRate, IDC_QUOTE_FREIGHT_RATE, 10)   \
    FIELD(Freight, IDC_QUOTE_FREIGHT, 100)           \
    FIELD(StartUp, IDC_QUOTE_STARTUP, 100)           \
    FIELD(CustRefNo, IDC_QUOTE_CUST_REF, 40)         \
    FIELD(BidDate, IDC_QUOTE_BID_DATE, 10)           \
    FIELD(PreparedBy, IDC_QUOTE_PREPARED_BY, 40)     \
    FIELD(Initials, IDC_QUOTE_INITIALS, 3)           \
    FIELD(PreparedByTitle, IDC_QUOTE_PREP_TITLE, 40) \
    FIELD(PreparedByEmail, IDC_QUOTE_PREP_EMAIL, 40) \
    FIELD(FirstCC, IDC_QUOTE_CC1, 40)                \
    FIELD(FirstCCTitle, IDC_QUOTE_CC1_TITLE, 40)     \
    FIELD(SecondCC, IDC_QUOTE_CC2, 40)               \
    FIELD(SecondCCTitle, IDC_QUOTE_CC2_TITLE, 40)    \
    FIELD(Validity, IDC_QUOTE_VALIDITY, 40)          \
    FIELD(Delivery, IDC_QUOTE_DELIVERY, 40)

class CProjQuote : public CProjPage {
    DECLARE_DYNAMIC(CProjQuote)
public:
    explicit CProjQuote(CCorvDoc* pDoc);
    ~CProjQuote() override;

    void SetNumber(CString strValue) { m_strNumber = strValue; }
    CString GetNumber() const { return m_strNumber; }
    void SetCount(int nCount) { m_nCount = nCount; }
    int GetCount() const { return m_nCount; }
    CORV_PROJ_QUOTE_TEXTS(CORV_PROJ_PAGE_ACCESS)
    // The job holds the bid time in 24-hour form; the page shows it in
    // 12-hour form with the AM/PM button.
    void SetBidTime(CString strValue);
    CString GetBidTime() const;

    void CheckQuoteDate();
    void CheckBidDate();
    void CheckBidTime();
    void CheckFreightRate();
    void OnQuoteDateButton();
    void OnBidDateButton();
    void OnTimeButton();
    void OnAmPm();
    void SetAmPm();

    CCorvDoc* m_pDoc;
    CNumEdit* m_pFreightEdit;
    int m_nQuoteDateStatus = 0;
    int m_nBidDateStatus = 0;
    int m_nBidTimeStatus = 0;
    int m_nAM = 1;
    int m_nFreightResult = 0;

    CString m_strNumber;
    int m_nCount = 0;
    CString m_strBidTime;
    CORV_PROJ_QUOTE_TEXTS(CORV_PROJ_PAGE_MEMBER)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void OnDblClkLabel(UINT nID);

    DECLARE_MESSAGE_MAP()
};
