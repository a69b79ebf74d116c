#include "project/ProjFollow.h"

#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/CorvDoc.h"
#include "model/ModelMessages.h"
#include "project/LabelChoice.h"
#include "res/project_ids.h"
#include "workspace/NumEdit.h"

IMPLEMENT_DYNAMIC(CProjFollow, CProjPage)
IMPLEMENT_DYNAMIC(CProjHeadFoot, CProjPage)
IMPLEMENT_DYNAMIC(CProjPO, CProjPage)
IMPLEMENT_DYNAMIC(CProjUDC, CProjPage)

BEGIN_MESSAGE_MAP(CProjFollow, CProjPage)
    ON_EN_KILLFOCUS(IDC_FOLLOW_AWARD_DATE, &CProjFollow::CheckAwardDate)
    ON_EN_KILLFOCUS(IDC_FOLLOW_LAST_UPDATE, &CProjFollow::CheckLastUpdate)
    ON_EN_KILLFOCUS(IDC_FOLLOW_PROBABILITY, &CProjFollow::CheckProbability)
    ON_BN_CLICKED(IDC_FOLLOW_AWARD_BUTTON, &CProjFollow::OnAwardDateButton)
    ON_BN_CLICKED(IDC_FOLLOW_LAST_UPDATE_BUTTON, &CProjFollow::OnLastUpdateButton)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_FOLLOW_STATUS_LABEL, IDC_FOLLOW_REASON_LOST_LABEL,
                     &CProjFollow::OnDblClkLabel)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CProjHeadFoot, CProjPage)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_HF_COMPANY_LABEL, IDC_HF_FOOTER2_LABEL, &CProjHeadFoot::OnDblClkLabel)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CProjPO, CProjPage)
    ON_EN_KILLFOCUS(IDC_PO_DATE, &CProjPO::CheckPODate)
    ON_EN_KILLFOCUS(IDC_PO_REQUEST_DATE, &CProjPO::CheckRequestDate)
    ON_EN_KILLFOCUS(IDC_PO_AMOUNT, &CProjPO::CheckPOAmount)
    ON_CONTROL_RANGE(STN_DBLCLK, IDC_PO_BILL_NAME_LABEL, IDC_PO_BILL_ADRS2_LABEL, &CProjPO::OnDblClkLabel)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CProjUDC, CProjPage)
    ON_EN_KILLFOCUS(IDC_UDC5, &CProjUDC::OnKillFocusUDC5)
    ON_EN_KILLFOCUS(IDC_UDC6, &CProjUDC::OnKillFocusUDC6)
    ON_EN_KILLFOCUS(IDC_UDC7, &CProjUDC::OnKillFocusUDC7)
    ON_EN_KILLFOCUS(IDC_UDC8, &CProjUDC::OnKillFocusUDC8)
END_MESSAGE_MAP()

namespace {

const LabelChoice kFollowLabels[] = {
    {IDC_FOLLOW_STATUS_LABEL, IDC_FOLLOW_STATUS, "Status", "Defaults", "Status", 10},
    {IDC_FOLLOW_LOST_TO_LABEL, IDC_FOLLOW_LOST_TO, "CompWonOrder", nullptr, nullptr, 15},
    {IDC_FOLLOW_UPDATED_BY_LABEL, IDC_FOLLOW_UPDATED_BY, "LastUpdatedBy", "Defaults", "LastUpdatedBy", 40},
    {IDC_FOLLOW_REASON_LOST_LABEL, IDC_FOLLOW_REASON_LOST, "ReasonLost", nullptr, nullptr, 40},
};

const LabelChoice kHeadFootLabels[] = {
    {IDC_HF_COMPANY_LABEL, IDC_HF_COMPANY, "CompanyName", "Quotation", "Company", 90},
    {IDC_HF_ADDRESS_LABEL, IDC_HF_ADDRESS, "CompanyAddress", "Quotation", "Address", 90},
    {IDC_HF_PHONE_LABEL, IDC_HF_PHONE, "CompanyPhoneNo", "Quotation", "PhoneNo", 90},
    {IDC_HF_FOOTER1_LABEL, IDC_HF_FOOTER1, "1stFooterLn", "Quotation", "FooterLn1", 90},
    {IDC_HF_FOOTER2_LABEL, IDC_HF_FOOTER2, "2ndFooterLn", "Quotation", "FooterLn2", 90},
};

const LabelChoice kBillToLabels[] = {
    {IDC_PO_BILL_NAME_LABEL, 0, nullptr, "BillTo", "Name", 40},
    {IDC_PO_BILL_ADRS1_LABEL, 0, nullptr, "BillTo", "AddressLn1", 40},
    {IDC_PO_BILL_ADRS2_LABEL, 0, nullptr, "BillTo", "AddressLn2", 40},
    {IDC_PO_BILL_CITY_LABEL, 0, nullptr, "BillTo", "City", 25},
    {IDC_PO_BILL_STATE_LABEL, 0, nullptr, "BillTo", "State", 2},
    {IDC_PO_BILL_ZIP_LABEL, 0, nullptr, "BillTo", "Zip", 25},
    {IDC_PO_BILL_ATTN_LABEL, 0, nullptr, "BillTo", "Attn", 40},
};

bool IsFollowCombo(int nID) {
    return nID == IDC_FOLLOW_STATUS || nID == IDC_FOLLOW_LOST_TO || nID == IDC_FOLLOW_UPDATED_BY ||
           nID == IDC_FOLLOW_REASON_LOST;
}

CTableStruct* SummaryLayout(CCorvDoc* pDoc) { return pDoc ? pDoc->m_pSummaryStruct : nullptr; }

}  // namespace

// --- Follow-Up ---

CProjFollow::CProjFollow(CCorvDoc* pDoc)
    : CProjPage(IDD_PROJ_FOLLOW), m_pDoc(pDoc), m_pProbabilityEdit(new CNumEdit) {}

CProjFollow::~CProjFollow() { delete m_pProbabilityEdit; }

void CProjFollow::DoDataExchange(CDataExchange* pDX) {
#define CORV_EXCHANGE(name, id, width)           \
    if (IsFollowCombo(id))                       \
        DDX_CBStringExact(pDX, id, m_str##name); \
    else                                         \
        DDX_Text(pDX, id, m_str##name);
    CORV_PROJ_FOLLOW_TEXTS(CORV_EXCHANGE)
#undef CORV_EXCHANGE
}

BOOL CProjFollow::OnInitDialog() {
    FillCombo(IDC_FOLLOW_STATUS, "Status");
    FillCombo(IDC_FOLLOW_LOST_TO, "CompWonOrder");
    FillCombo(IDC_FOLLOW_UPDATED_BY, "LastUpdatedBy");
    FillCombo(IDC_FOLLOW_REASON_LOST, "ReasonLost");
    CProjPage::OnInitDialog();
    CORV_PROJ_FOLLOW_TEXTS(CORV_PROJ_PAGE_LIMIT)
    m_pProbabilityEdit->SubclassDlgItem(IDC_FOLLOW_PROBABILITY, this);
    return TRUE;
}

void CProjFollow::CheckAwardDate() { CheckDate(IDC_FOLLOW_AWARD_DATE, m_nAwardDateStatus); }
void CProjFollow::CheckLastUpdate() { CheckDate(IDC_FOLLOW_LAST_UPDATE, m_nLastUpdateStatus); }

void CProjFollow::CheckProbability() {
    m_nProbabilityResult = CheckNumber(m_pProbabilityEdit, IDC_FOLLOW_PROBABILITY, m_strProbability,
                                       "Probability of Success %", SummaryLayout(m_pDoc));
}

BOOL CProjFollow::OnKillActive() {
    CheckAwardDate();
    if (m_nAwardDateStatus != 0)
        return Refuse(ModelMsg::DateStatusText(m_nAwardDateStatus), IDC_FOLLOW_AWARD_DATE);
    CheckLastUpdate();
    if (m_nLastUpdateStatus != 0)
        return Refuse(ModelMsg::DateStatusText(m_nLastUpdateStatus), IDC_FOLLOW_LAST_UPDATE);
    CheckProbability();
    if (m_nProbabilityResult != 0) return FALSE;
    return CProjPage::OnKillActive();
}

void CProjFollow::OnAwardDateButton() { PutToday(IDC_FOLLOW_AWARD_DATE); }
void CProjFollow::OnLastUpdateButton() { PutToday(IDC_FOLLOW_LAST_UPDATE); }

void CProjFollow::OnDblClkLabel(UINT nID) {
    EditLabelChoice(*this, std::begin(kFollowLabels), std::end(kFollowLabels), nID);
}

// --- Header/Footer ---

CProjHeadFoot::CProjHeadFoot(CCorvDoc* pDoc) : CProjPage(IDD_PROJ_HEADFOOT), m_pDoc(pDoc) {}

void CProjHeadFoot::DoDataExchange(CDataExchange* pDX) {
#define CORV_EXCHANGE(name, id, width) DDX_CBStringExact(pDX, id, m_str##name);
    CORV_PROJ_HEADFOOT_TEXTS(CORV_EXCHANGE)
#undef CORV_EXCHANGE
}

BOOL CProjHeadFoot::OnInitDialog() {
    FillCombo(IDC_HF_COMPANY, "CompanyName");
    FillCombo(IDC_HF_ADDRESS, "CompanyAddress");
    FillCombo(IDC_HF_PHONE, "CompanyPhoneNo");
    FillCombo(IDC_HF_FOOTER1, "1stFooterLn");
    FillCombo(IDC_HF_FOOTER2, "2ndFooterLn");
    CProjPage::OnInitDialog();
    CORV_PROJ_HEADFOOT_TEXTS(CORV_PROJ_PAGE_LIMIT)
    return TRUE;
}

void CProjHeadFoot::OnDblClkLabel(UINT nID) {
    EditLabelChoice(*this, std::begin(kHeadFootLabels), std::end(kHeadFootLabels), nID);
}

// --- Purchase Order ---

CProjPO::CProjPO(CCorvDoc* pDoc) : CProjPage(IDD_PROJ_PO), m_pDoc(pDoc), m_pAmountEdit(new CNumEdit) {}

CProjPO::~CProjPO() { delete m_pAmountEdit; }

void CProjPO::DoDataExchange(CDataExchange* pDX) {
#define CORV_EXCHANGE(name, id, width) DDX_Text(pDX, id, m_str##name);
    CORV_PROJ_PO_TEXTS(CORV_EXCHANGE)
#undef CORV_EXCHANGE
}

BOOL CProjPO::OnInitDialog() {
    CProjPage::OnInitDialog();
    CORV_PROJ_PO_TEXTS(CORV_PROJ_PAGE_LIMIT)
    m_pAmountEdit->SubclassDlgItem(IDC_PO_AMOUNT, this);
    return TRUE;
}

void CProjPO::CheckPODate() { CheckDate(IDC_PO_DATE, m_nPODateStatus); }
void CProjPO::CheckRequestDate() { CheckDate(IDC_PO_REQUEST_DATE, m_nRequestDateStatus); }

void CProjPO::CheckPOAmount() {
    m_nAmountResult =
        CheckNumber(m_pAmountEdit, IDC_PO_AMOUNT, m_strPOAmount, "P.O. Amount", SummaryLayout(m_pDoc));
}

BOOL CProjPO::OnKillActive() {
    CheckPODate();
    if (m_nPODateStatus != 0) return Refuse(ModelMsg::DateStatusText(m_nPODateStatus), IDC_PO_DATE);
    CheckRequestDate();
    if (m_nRequestDateStatus != 0)
        return Refuse(ModelMsg::DateStatusText(m_nRequestDateStatus), IDC_PO_REQUEST_DATE);
    CheckPOAmount();
    if (m_nAmountResult != 0) return FALSE;
    return CProjPage::OnKillActive();
}

void CProjPO::OnDblClkLabel(UINT nID) {
    EditLabelChoice(*this, std::begin(kBillToLabels), std::end(kBillToLabels), nID);
}

// --- UDC ---

namespace {
const struct {
    int nID;
    const char* pszName;
} kUdcNumbers[] = {{IDC_UDC5, "UDC 5"}, {IDC_UDC6, "UDC 6"}, {IDC_UDC7, "UDC 7"}, {IDC_UDC8, "UDC 8"}};
}  // namespace

CProjUDC::CProjUDC(CCorvDoc* pDoc)
    : CProjPage(IDD_PROJ_UDC),
      m_pDoc(pDoc),
      m_pNumEdits{new CNumEdit, new CNumEdit, new CNumEdit, new CNumEdit} {}

CProjUDC::~CProjUDC() {
    for (int i = 3; i >= 0; --i) delete m_pNumEdits[i];
}

void CProjUDC::DoDataExchange(CDataExchange* pDX) {
#define CORV_EXCHANGE(name, id, width) DDX_Text(pDX, id, m_str##name);
    CORV_PROJ_UDC_TEXTS(CORV_EXCHANGE)
#undef CORV_EXCHANGE
}

BOOL CProjUDC::OnInitDialog() {
    CProjPage::OnInitDialog();
    CORV_PROJ_UDC_TEXTS(CORV_PROJ_PAGE_LIMIT)
    for (int i = 0; i < 4; ++i) m_pNumEdits[i]->SubclassDlgItem(kUdcNumbers[i].nID, this);
    return TRUE;
}

void CProjUDC::CheckUDC(int nIndex) {
    const CString* members[] = {&m_strUDC5, &m_strUDC6, &m_strUDC7, &m_strUDC8};
    m_bReinterpreted[nIndex] = CheckNumber(m_pNumEdits[nIndex], kUdcNumbers[nIndex].nID, *members[nIndex],
                                           kUdcNumbers[nIndex].pszName, SummaryLayout(m_pDoc));
}

BOOL CProjUDC::OnKillActive() {
    for (int i = 0; i < 4; ++i) {
        CheckUDC(i);
        if (m_bReinterpreted[i]) return FALSE;
    }
    return CProjPage::OnKillActive();
}
