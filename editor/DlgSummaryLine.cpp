#include "editor/DlgSummaryLine.h"

#include "editor/EditorMessages.h"
#include "editor/LineDlgSupport.h"
#include "framework/win/Controls.h"
#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "res/editor_lines_ids.h"
#include "workspace/EditIni.h"
#include "workspace/NumEdit.h"
#include "workspace/SetButton.h"
#include "workspace/Workspace.h"
#include "workspace/WorkspaceMessages.h"

BEGIN_MESSAGE_MAP(CDlgSummary, CDialog)
    ON_EN_KILLFOCUS(IDC_SL_QTY, &CDlgSummary::OnKillfocusQty)
    ON_EN_KILLFOCUS(IDC_SL_NET, &CDlgSummary::OnKillfocusNet)
    ON_EN_KILLFOCUS(IDC_SL_MULT, &CDlgSummary::OnKillfocusMult)
    ON_EN_KILLFOCUS(IDC_SL_MARGIN, &CDlgSummary::OnKillfocusMargin)
    ON_EN_KILLFOCUS(IDC_SL_FINAL, &CDlgSummary::OnKillfocusFinal)
    ON_EN_KILLFOCUS(IDC_SL_BUY_OUT, &CDlgSummary::OnKillfocusBuyOut)
    ON_EN_KILLFOCUS(IDC_SL_COMM, &CDlgSummary::OnKillfocusComm)
    ON_BN_CLICKED(IDC_SL_OK, &CDlgSummary::OnClickedOk)
    ON_BN_CLICKED(IDC_SL_PREV, &CDlgSummary::OnClickedPrev)
    ON_BN_CLICKED(IDC_SL_NEXT, &CDlgSummary::OnClickedNext)
    ON_WM_MOVE()
    ON_STN_DBLCLK(IDC_SL_TAG_LABEL, &CDlgSummary::OnDblclkTag)
    ON_STN_DBLCLK(IDC_SL_SERVICE_LABEL, &CDlgSummary::OnDblclkService)
    ON_STN_DBLCLK(IDC_SL_PLANT_LABEL, &CDlgSummary::OnDblclkPlant)
    ON_STN_DBLCLK(IDC_SL_WORDS_ABOVE_LABEL, &CDlgSummary::OnDblclkWordsAbove)
    ON_STN_DBLCLK(IDC_SL_WORDS_BELOW_LABEL, &CDlgSummary::OnDblclkWordsBelow)
END_MESSAGE_MAP()

namespace {
struct ControlField {
    int nID;
    const char* pszField;
    bool bCombo;
};
// The typing limits, in the order they are set.
const ControlField kLimits[] = {
    {IDC_SL_ITM, "Itm", false},
    {IDC_SL_QTY, "Qty", false},
    {IDC_SL_DESCRIPTION, "Description", false},
    {IDC_SL_OPERATOR, "Operator", false},
    {IDC_SL_COST, "Cost", false},
    {IDC_SL_LIST, "List", false},
    {IDC_SL_DETAIL_NET, "Detail Net", false},
    {IDC_SL_NET, "Net", false},
    {IDC_SL_MULT, "Mult", false},
    {IDC_SL_MARGIN, "Margin", false},
    {IDC_SL_FRT_AMOUNT, "FrtAmount", false},
    {IDC_SL_FINAL, "Final", false},
    {IDC_SL_WEIGHT, "Weight", false},
    {IDC_SL_BUY_OUT, "BuyOut", false},
    {IDC_SL_WEEKS, "Weeks", false},
    {IDC_SL_TAG, "Tag", true},
    {IDC_SL_SERVICE, "Service", true},
    {IDC_SL_WORDS_ABOVE, "WordsAbove", false},
    {IDC_SL_WORDS_BELOW, "WordsBelow", false},
    {IDC_SL_COMM, "Comm", false},
    {IDC_SL_PLANT, "Plant", true},
    {IDC_SL_PRODUCT, "Product", false},
    {IDC_SL_SIZE, "Size", false},
    {IDC_SL_TYPE, "Type", false},
    {IDC_SL_EC, "EC", false},
    {IDC_SL_CLASS, "Class", false},
    {IDC_SL_MC, "MC", false},
    {IDC_SL_PC, "PC", false},
};

// The price controls that follow the Detail lines when the line has a Detail Net.
const int kDetailPricedControls[] = {IDC_SL_NET, IDC_SL_MULT, IDC_SL_MARGIN, IDC_SL_FINAL};

void FillCombo(CWnd& dlg, int nID, const CStringArray& list) {
    auto* pCombo = static_cast<CComboBox*>(dlg.GetDlgItem(nID));
    if (!pCombo) return;
    for (const CString& entry : list) pCombo->AddString(entry);
}
}  // namespace

CDlgSummary::CDlgSummary(CTable* pTable, CWnd* pParent)
    : CDialog(IDD_SUMMARY_LINE, pParent),
      m_pTable(pTable),
      m_pLayout(pTable ? pTable->GetTableStruct() : nullptr),
      m_pQtyEdit(std::make_unique<CNumEdit>()),
      m_pNetEdit(std::make_unique<CNumEdit>()),
      m_pMultEdit(std::make_unique<CNumEdit>()),
      m_pMarginEdit(std::make_unique<CNumEdit>()),
      m_pFinalEdit(std::make_unique<CNumEdit>()),
      m_pBuyOutEdit(std::make_unique<CNumEdit>()),
      m_pCommEdit(std::make_unique<CNumEdit>()),
      m_pOkButton(std::make_unique<CSetButton>()),
      m_pCancelButton(std::make_unique<CSetButton>()),
      m_pPrevButton(std::make_unique<CSetButton>()),
      m_pNextButton(std::make_unique<CSetButton>()) {}

CDlgSummary::~CDlgSummary() = default;

void CDlgSummary::Set(CString& strMember, const char* pszField, const CString& strText) {
    strMember = LineDlg::CutToField(m_pLayout, pszField, strText);
}

void CDlgSummary::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SL_ITM, m_strItm);
    DDX_Text(pDX, IDC_SL_QTY, m_strQty);
    DDX_Text(pDX, IDC_SL_DESCRIPTION, m_strDescription);
    DDX_Text(pDX, IDC_SL_OPERATOR, m_strOperator);
    DDX_Text(pDX, IDC_SL_COST, m_strCost);
    DDX_Text(pDX, IDC_SL_LIST, m_strList);
    DDX_Text(pDX, IDC_SL_DETAIL_NET, m_strDetailNet);
    DDX_Text(pDX, IDC_SL_NET, m_strNet);
    DDX_Text(pDX, IDC_SL_MULT, m_strMult);
    DDX_Text(pDX, IDC_SL_MARGIN, m_strMargin);
    DDX_Text(pDX, IDC_SL_FRT_AMOUNT, m_strFrtAmount);
    DDX_Text(pDX, IDC_SL_FINAL, m_strFinal);
    DDX_Text(pDX, IDC_SL_WEIGHT, m_strWeight);
    DDX_Text(pDX, IDC_SL_BUY_OUT, m_strBuyOut);
    DDX_Text(pDX, IDC_SL_WEEKS, m_strWeeks);
    DDX_CBStringExact(pDX, IDC_SL_TAG, m_strTag);
    DDX_CBStringExact(pDX, IDC_SL_SERVICE, m_strService);
    DDX_Text(pDX, IDC_SL_WORDS_ABOVE, m_strWordsAbove);
    DDX_Text(pDX, IDC_SL_WORDS_BELOW, m_strWordsBelow);
    DDX_Text(pDX, IDC_SL_COMM, m_strComm);
    DDX_CBStringExact(pDX, IDC_SL_PLANT, m_strPlant);
    DDX_Text(pDX, IDC_SL_PRODUCT, m_strProduct);
    DDX_Text(pDX, IDC_SL_SIZE, m_strSize);
    DDX_Text(pDX, IDC_SL_TYPE, m_strType);
    DDX_Text(pDX, IDC_SL_EC, m_strEC);
    DDX_Text(pDX, IDC_SL_CLASS, m_strClass);
    DDX_Text(pDX, IDC_SL_MC, m_strMC);
    DDX_Text(pDX, IDC_SL_PC, m_strPC);
}

BOOL CDlgSummary::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const ControlField& control : kLimits)
        LineDlg::LimitControl(*this, control.nID, m_pLayout, control.pszField, control.bCombo);
    const CChoiceLists& lists = CorvGetWorkspace().ChoiceLists();
    FillCombo(*this, IDC_SL_TAG, lists[kChoiceTag]);
    FillCombo(*this, IDC_SL_SERVICE, lists[kChoiceService]);
    FillCombo(*this, IDC_SL_PLANT, lists[kChoicePlant]);
    m_pQtyEdit->SubclassDlgItem(IDC_SL_QTY, this);
    m_pNetEdit->SubclassDlgItem(IDC_SL_NET, this);
    m_pMultEdit->SubclassDlgItem(IDC_SL_MULT, this);
    m_pMarginEdit->SubclassDlgItem(IDC_SL_MARGIN, this);
    m_pFinalEdit->SubclassDlgItem(IDC_SL_FINAL, this);
    m_pBuyOutEdit->SubclassDlgItem(IDC_SL_BUY_OUT, this);
    m_pCommEdit->SubclassDlgItem(IDC_SL_COMM, this);
    m_pOkButton->SubclassDlgItem(IDC_SL_OK, this);
    m_pCancelButton->SubclassDlgItem(IDCANCEL, this);
    m_pPrevButton->SubclassDlgItem(IDC_SL_PREV, this);
    m_pNextButton->SubclassDlgItem(IDC_SL_NEXT, this);
    m_bPrev = FALSE;
    m_bNext = FALSE;
    SetWindowText(
        LineDlg::LineCaption(EditorMsg::kSummaryLineCaptionBefore, m_nRow, EditorMsg::kLineCaptionAfter));
    if (!GetDlgItemText(IDC_SL_DETAIL_NET).IsEmpty()) {
        for (int nID : kDetailPricedControls) ::EnableWindow(::GetDlgItem(m_hWnd, nID), FALSE);
    }
    LineDlg::MoveToRect(*this, m_rcWindow);
    return TRUE;
}

void CDlgSummary::OnMove(int x, int y) {
    CDialog::OnMove(x, y);
    LineDlg::RememberRect(*this, m_bFirstMove, m_bPrev, m_bNext, m_rcWindow);
}

bool CDlgSummary::ValidateEntry(CNumEdit* pEdit, const CString& strMember, const char* pszField) {
    // A dialog already ended (hidden before it is destroyed) checks nothing.
    if (!pEdit->m_hWnd || !IsWindowVisible() || pEdit->GetWindowText() == strMember) return false;
    m_nValidateResult =
        pEdit->ValidateNumField(pEdit, pszField, m_pLayout, m_pOkButton.get(), m_pCancelButton.get(),
                                m_pOkButton.get(), m_pCancelButton.get(), m_pPrevButton.get(),
                                m_pNextButton.get(), m_pPrevButton.get(), m_pNextButton.get());
    return true;
}

void CDlgSummary::RecalcMargin() {
    if (!LineDlg::HasField(m_pLayout, "Margin")) return;
    CSlots slots;
    slots.CalcMargin(GetDlgItemText(IDC_SL_COST), GetDlgItemText(IDC_SL_NET), "Margin",
                     LineDlg::FieldLength(m_pLayout, "Margin"), LineDlg::FieldPrecision(m_pLayout, "Margin"));
    LineDlg::PutSingleResult(*this, slots, {{"Margin", IDC_SL_MARGIN}});
}

void CDlgSummary::RecalcMult() {
    if (!LineDlg::HasField(m_pLayout, "Mult")) return;
    CSlots slots;
    slots.CalcMult(GetDlgItemText(IDC_SL_LIST), GetDlgItemText(IDC_SL_NET), "Mult",
                   LineDlg::FieldLength(m_pLayout, "Mult"), LineDlg::FieldPrecision(m_pLayout, "Mult"));
    LineDlg::PutSingleResult(*this, slots, {{"Mult", IDC_SL_MULT}});
}

void CDlgSummary::RecalcNetFromMargin() {
    if (!LineDlg::HasField(m_pLayout, "Net") || !LineDlg::HasField(m_pLayout, "Margin")) return;
    CSlots slots;
    slots.CalcNetFromMargin(
        GetDlgItemText(IDC_SL_COST), GetDlgItemText(IDC_SL_NET), GetDlgItemText(IDC_SL_MARGIN), "Net",
        LineDlg::FieldLength(m_pLayout, "Net"), LineDlg::FieldPrecision(m_pLayout, "Net"), "Margin",
        LineDlg::FieldLength(m_pLayout, "Margin"), LineDlg::FieldPrecision(m_pLayout, "Margin"));
    LineDlg::PutSingleResult(*this, slots, {{"Net", IDC_SL_NET}, {"Margin", IDC_SL_MARGIN}});
}

void CDlgSummary::RecalcNetFromMult() {
    if (!LineDlg::HasField(m_pLayout, "Net")) return;
    CSlots slots;
    slots.CalcNetFromMult(GetDlgItemText(IDC_SL_LIST), GetDlgItemText(IDC_SL_MULT), "Net",
                          LineDlg::FieldLength(m_pLayout, "Net"), LineDlg::FieldPrecision(m_pLayout, "Net"),
                          "Mult");
    LineDlg::PutSingleResult(*this, slots, {{"Net", IDC_SL_NET}, {"Mult", IDC_SL_MULT}});
}

void CDlgSummary::RecalcNetFromFinal() {
    if (!LineDlg::HasField(m_pLayout, "Net")) return;
    CSlots slots;
    slots.CalcNetFromFinal(GetDlgItemText(IDC_SL_FINAL), GetDlgItemText(IDC_SL_FRT_AMOUNT), "Net",
                           LineDlg::FieldLength(m_pLayout, "Net"), LineDlg::FieldPrecision(m_pLayout, "Net"));
    LineDlg::PutSingleResult(*this, slots, {{"Net", IDC_SL_NET}});
}

void CDlgSummary::RecalcFinal() {
    if (!LineDlg::HasField(m_pLayout, "Final")) return;
    CSlots slots;
    slots.CalcFinal(GetDlgItemText(IDC_SL_NET), GetDlgItemText(IDC_SL_FRT_AMOUNT), "Final",
                    LineDlg::FieldLength(m_pLayout, "Final"), LineDlg::FieldPrecision(m_pLayout, "Final"));
    LineDlg::PutSingleResult(*this, slots, {{"Final", IDC_SL_FINAL}});
}

void CDlgSummary::OnKillfocusQty() {
    if (!ValidateEntry(m_pQtyEdit.get(), m_strQty, "Qty")) return;
    UpdateData(TRUE);
}

void CDlgSummary::OnKillfocusNet() {
    if (!ValidateEntry(m_pNetEdit.get(), m_strNet, "Net")) return;
    RecalcMargin();
    RecalcMult();
    RecalcFinal();
    UpdateData(TRUE);
}

void CDlgSummary::OnKillfocusMult() {
    if (!ValidateEntry(m_pMultEdit.get(), m_strMult, "Mult")) return;
    RecalcNetFromMult();
    RecalcMargin();
    RecalcFinal();
    UpdateData(TRUE);
}

void CDlgSummary::OnKillfocusMargin() {
    if (!ValidateEntry(m_pMarginEdit.get(), m_strMargin, "Margin")) return;
    RecalcNetFromMargin();
    RecalcMult();
    RecalcFinal();
    UpdateData(TRUE);
}

void CDlgSummary::OnKillfocusFinal() {
    if (!ValidateEntry(m_pFinalEdit.get(), m_strFinal, "Final")) return;
    RecalcNetFromFinal();
    RecalcMargin();
    RecalcMult();
    UpdateData(TRUE);
}

void CDlgSummary::OnKillfocusBuyOut() {
    if (!ValidateEntry(m_pBuyOutEdit.get(), m_strBuyOut, "BuyOut")) return;
    UpdateData(TRUE);
}

void CDlgSummary::OnKillfocusComm() {
    if (!ValidateEntry(m_pCommEdit.get(), m_strComm, "Comm")) return;
    UpdateData(TRUE);
}

void CDlgSummary::OnOK() { LineDlg::ValidateFocusedControl(*this); }

void CDlgSummary::OnClickedOk() {
    if (LineDlg::IsOkFocusedElsePress(*this, IDC_SL_OK)) CDialog::OnOK();
}

void CDlgSummary::OnClickedPrev() {
    m_bPrev = TRUE;
    OnClickedOk();
}

void CDlgSummary::OnClickedNext() {
    m_bNext = TRUE;
    OnClickedOk();
}

void CDlgSummary::EditChoices(int nMaxLength, const char* pszSection, int nList, int nComboID) {
    CString strNoDefault = WorkspaceMsg::kNoDefault;
    CEditIni().EditChoiceList(nMaxLength, FALSE, &strNoDefault, WorkspaceMsg::kNoDefault,
                              WorkspaceMsg::kNoDefault, TRUE, pszSection,
                              &CorvGetWorkspace().ChoiceLists().m_arrChoice[nList],
                              static_cast<CComboBox*>(GetDlgItem(nComboID)));
}

void CDlgSummary::OnDblclkTag() { EditChoices(250, "Tag", kChoiceTag, IDC_SL_TAG); }
void CDlgSummary::OnDblclkService() { EditChoices(250, "Service", kChoiceService, IDC_SL_SERVICE); }
void CDlgSummary::OnDblclkPlant() { EditChoices(10, "Plant", kChoicePlant, IDC_SL_PLANT); }
