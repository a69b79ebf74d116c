#include "project/ProjQuote.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/CorvDoc.h"
#include "model/ModelMessages.h"
#include "model/TimeCheck.h"
#include "project/LabelChoice.h"
#include "project/ProjMessages.h"
#include "res/project_ids.h"
#include "workspace/NumEdit.h"

IMPLEMENT_DYNAMIC(CProjQuote, CProjPage)

BEGIN_MESSAGE_MAP(CProjQuote, CProjPage)
    ON_EN_KILLFOCUS(IDC_QUOTE_DATE, &CProjQuote::CheckQuoteDate)
    ON_EN_KILLFOCUS(IDC_QUOTE_BID_DATE, &CProjQuote::CheckBidDate)
    ON_EN_KILLFOCUS(IDC_QUOTE_BID_TIME, &CProjQuote::CheckBidTime)
    ON_EN_KILLFOCUS(IDC_QUOTE_FREIGHT_RATE, &CProjQuote::CheckFreightRate)
    ON_BN_CLICKED(IDC_QUOTE_DATE_BUTTON, &CProjQuote::OnQuoteDateButton)
    ON_BN_CLICKED(IDC_QUOTE_BID_DATE_BUTTON, &CProjQuote::OnBidDateButton)
    ON_BN_CLICKED(IDC_QUOTE_TIME_BUTTON, &CProjQuote::OnTimeButton)
    ON_BN_CLICKED(IDC_QUOTE_AMPM, &CProjQuote::OnAmPm)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_QUOTE_PREPARED_BY_LABEL, IDC_QUOTE_TYPE_LABEL,
                     &CProjQuote::OnDblClkLabel)
END_MESSAGE_MAP()

namespace {

// The labels that open the choice-list editor; the defaults are in [Defaults].
const LabelChoice kLabels[] = {
    {IDC_QUOTE_TYPE_LABEL, IDC_QUOTE_TYPE, "QuoteType", "Defaults", "QuoteType", 10},
    {IDC_QUOTE_MARKET_LABEL, IDC_QUOTE_MARKET, "MarketingGroup", "Defaults", "MarketingGroup", 10},
    {IDC_QUOTE_REGION_LABEL, IDC_QUOTE_REGION, "SalesRegion", "Defaults", "SalesRegion", 10},
    {IDC_QUOTE_PROJ_TYPE_LABEL, IDC_QUOTE_PROJ_TYPE, "ProjectType", "Defaults", "ProjectType", 25},
    {IDC_QUOTE_PACKAGING_LABEL, 0, nullptr, "Defaults", "Packaging", 250},
    {IDC_QUOTE_PAYMENT_LABEL, IDC_QUOTE_PAYMENT, "Payment", "Defaults", "Payment", 40},
    {IDC_QUOTE_SHIPPING_LABEL, IDC_QUOTE_SHIPPING, "Shipping", "Defaults", "Shipping", 40},
    {IDC_QUOTE_FREIGHT_LABEL, IDC_QUOTE_FREIGHT, "Freight", "Defaults", "Freight", 100},
    {IDC_QUOTE_STARTUP_LABEL, IDC_QUOTE_STARTUP, "StartUp", nullptr, nullptr, 100},
    {IDC_QUOTE_PREPARED_BY_LABEL, IDC_QUOTE_PREPARED_BY, "PreparedBy", "Defaults", "PreparedBy", 40},
    {IDC_QUOTE_INITIALS_LABEL, IDC_QUOTE_INITIALS, "Initials", "Defaults", "Initials", 3},
    {IDC_QUOTE_PREP_TITLE_LABEL, IDC_QUOTE_PREP_TITLE, "Title", "Defaults", "PreparedByTitle", 40},
    {IDC_QUOTE_PREP_EMAIL_LABEL, IDC_QUOTE_PREP_EMAIL, "E-Mail", "Defaults", "PreparedByEmail", 40},
    {IDC_QUOTE_CC1_LABEL, IDC_QUOTE_CC1, "RSM", "Defaults", "1stCC", 40},
    {IDC_QUOTE_CC1_TITLE_LABEL, IDC_QUOTE_CC1_TITLE, "CCTitle", "Defaults", "1stCCTitle", 40},
    {IDC_QUOTE_CC2_LABEL, IDC_QUOTE_CC2, "2ndCC", "Defaults", "2ndCC", 40},
    {IDC_QUOTE_CC2_TITLE_LABEL, IDC_QUOTE_CC2_TITLE, "2ndCCTitle", "Defaults", "2ndCCTitle", 40},
    {IDC_QUOTE_VALIDITY_LABEL, 0, nullptr, "Defaults", "Validity", 40},
};

// The combo boxes in the order they are filled, with their lists.
const struct {
    int nCombo;
    const char* pszList;
} kCombos[] = {
    {IDC_QUOTE_TYPE, "QuoteType"},
    {IDC_QUOTE_MARKET, "MarketingGroup"},
    {IDC_QUOTE_REGION, "SalesRegion"},
    {IDC_QUOTE_PROJ_TYPE, "ProjectType"},
    {IDC_QUOTE_PAYMENT, "Payment"},
    {IDC_QUOTE_SHIPPING, "Shipping"},
    {IDC_QUOTE_FREIGHT, "Freight"},
    {IDC_QUOTE_STARTUP, "StartUp"},
    {IDC_QUOTE_PREPARED_BY, "PreparedBy"},
    {IDC_QUOTE_INITIALS, "Initials"},
    {IDC_QUOTE_PREP_TITLE, "Title"},
    {IDC_QUOTE_PREP_EMAIL, "E-Mail"},
    {IDC_QUOTE_CC1, "RSM"},
    {IDC_QUOTE_CC2, "2ndCC"},
    {IDC_QUOTE_CC1_TITLE, "CCTitle"},
    {IDC_QUOTE_CC2_TITLE, "2ndCCTitle"},
};

bool IsCombo(int nID) {
    for (const auto& combo : kCombos) {
        if (combo.nCombo == nID) return true;
    }
    return false;
}

// The hour of a time text: the number in its first two characters.
int HourOf(const CString& strTime) { return std::atoi(strTime.Left(2).GetString()); }

CString TwoDigits(int n) {
    char sz[8];
    std::snprintf(sz, sizeof(sz), "%02d", n);
    return sz;
}

const char* TimeMessage(int nStatus) {
    const char* pszText = ModelMsg::TimeStatusText(nStatus);
    return *pszText ? pszText : ProjMsg::kUnknownTimeError;
}

}  // namespace

CProjQuote::CProjQuote(CCorvDoc* pDoc)
    : CProjPage(IDD_PROJ_QUOTE), m_pDoc(pDoc), m_pFreightEdit(new CNumEdit) {}

CProjQuote::~CProjQuote() { delete m_pFreightEdit; }

void CProjQuote::SetBidTime(CString strValue) {
    m_strBidTime = CutText(strValue, 5);
    m_nAM = 1;
    const int nHour = HourOf(m_strBidTime);
    if (nHour > 11) m_nAM = 0;
    if (nHour > 12) m_strBidTime = TwoDigits(nHour - 12) + m_strBidTime.Mid(2);
}

CString CProjQuote::GetBidTime() const {
    if (m_strBidTime.IsEmpty()) return m_strBidTime;
    const int nHour = HourOf(m_strBidTime);
    if (m_nAM) return nHour == 12 ? "00" + m_strBidTime.Mid(2) : m_strBidTime;
    if (nHour == 12) return m_strBidTime;
    char sz[8];
    std::snprintf(sz, sizeof(sz), "%d", nHour + 12);
    return CString(sz) + m_strBidTime.Mid(2);
}

void CProjQuote::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_QUOTE_NUMBER, m_strNumber);
    DDX_Check(pDX, IDC_QUOTE_COUNT, m_nCount);
    DDX_Text(pDX, IDC_QUOTE_BID_TIME, m_strBidTime);
#define CORV_PROJ_QUOTE_EXCHANGE(name, id, width) \
    if (IsCombo(id))                              \
        DDX_CBStringExact(pDX, id, m_str##name);  \
    else                                          \
        DDX_Text(pDX, id, m_str##name);
    CORV_PROJ_QUOTE_TEXTS(CORV_PROJ_QUOTE_EXCHANGE)
#undef CORV_PROJ_QUOTE_EXCHANGE
}

BOOL CProjQuote::OnInitDialog() {
    // The lists are in place before the exchange looks for the texts.
    for (const auto& combo : kCombos) FillCombo(combo.nCombo, combo.pszList);
    CProjPage::OnInitDialog();
    CORV_PROJ_QUOTE_TEXTS(CORV_PROJ_PAGE_LIMIT)
    LimitText(IDC_QUOTE_BID_TIME, 5);
    m_pFreightEdit->SubclassDlgItem(IDC_QUOTE_FREIGHT_RATE, this);
    SetAmPm();
    return TRUE;
}

void CProjQuote::CheckQuoteDate() { CheckDate(IDC_QUOTE_DATE, m_nQuoteDateStatus); }
void CProjQuote::CheckBidDate() { CheckDate(IDC_QUOTE_BID_DATE, m_nBidDateStatus); }

void CProjQuote::CheckBidTime() {
    HWND hEdit = ::GetDlgItem(m_hWnd, IDC_QUOTE_BID_TIME);
    if (!hEdit || !::SendMessageA(hEdit, EM_GETMODIFY, 0, 0)) return;
    CTimeCheck time;
    m_nBidTimeStatus = time.Parse(CutText(GetDlgItemText(IDC_QUOTE_BID_TIME), 5));
    if (m_nBidTimeStatus != CTimeCheck::valid) return;
    SetDlgItemText(IDC_QUOTE_BID_TIME, time.GetText());
    ::SendMessageA(hEdit, EM_SETMODIFY, FALSE, 0);
}

void CProjQuote::CheckFreightRate() {
    m_nFreightResult = 0;
    m_nFreightResult = CheckNumber(m_pFreightEdit, IDC_QUOTE_FREIGHT_RATE, m_strFreightRate, "Freight Rate",
                                   m_pDoc ? m_pDoc->m_pSummaryStruct : nullptr);
}

BOOL CProjQuote::OnKillActive() {
    CheckQuoteDate();
    if (m_nQuoteDateStatus != 0) return Refuse(ModelMsg::DateStatusText(m_nQuoteDateStatus), IDC_QUOTE_DATE);
    CheckBidDate();
    if (m_nBidDateStatus != 0) return Refuse(ModelMsg::DateStatusText(m_nBidDateStatus), IDC_QUOTE_BID_DATE);
    CheckBidTime();
    if (m_nBidTimeStatus != 0) return Refuse(TimeMessage(m_nBidTimeStatus), IDC_QUOTE_BID_TIME);
    CheckFreightRate();
    if (m_nFreightResult != 0) return FALSE;
    return CProjPage::OnKillActive();
}

void CProjQuote::OnQuoteDateButton() { PutToday(IDC_QUOTE_DATE); }
void CProjQuote::OnBidDateButton() { PutToday(IDC_QUOTE_BID_DATE); }

void CProjQuote::OnTimeButton() {
    SYSTEMTIME st{};
    ::GetLocalTime(&st);
    int nHour = st.wHour;
    m_nAM = nHour < 12;
    if (nHour > 12) nHour -= 12;
    SetDlgItemText(IDC_QUOTE_BID_TIME, TwoDigits(nHour) + ":" + TwoDigits(st.wMinute));
    SetAmPm();
    HWND hEdit = ::GetDlgItem(m_hWnd, IDC_QUOTE_BID_TIME);
    ::SendMessageA(hEdit, EM_SETMODIFY, TRUE, 0);
    GotoDlgCtrl(CWnd::FromHandle(hEdit));
}

void CProjQuote::OnAmPm() {
    m_nAM = !m_nAM;
    SetAmPm();
}

void CProjQuote::SetAmPm() { SetDlgItemText(IDC_QUOTE_AMPM, m_nAM ? "AM" : "PM"); }

void CProjQuote::OnDblClkLabel(UINT nID) {
    EditLabelChoice(*this, std::begin(kLabels), std::end(kLabels), nID);
}
