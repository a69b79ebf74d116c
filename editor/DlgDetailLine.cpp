#include "editor/DlgDetailLine.h"

#include "editor/EditorMessages.h"
#include "editor/LineDlgSupport.h"
#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "res/editor_lines_ids.h"
#include "workspace/NumEdit.h"
#include "workspace/SetButton.h"

BEGIN_MESSAGE_MAP(CDlgDetail, CDialog)
    ON_EN_KILLFOCUS(IDC_DL_COST, &CDlgDetail::OnKillfocusCost)
    ON_EN_KILLFOCUS(IDC_DL_LIST, &CDlgDetail::OnKillfocusList)
    ON_EN_KILLFOCUS(IDC_DL_NET, &CDlgDetail::OnKillfocusNet)
    ON_EN_KILLFOCUS(IDC_DL_MULT, &CDlgDetail::OnKillfocusMult)
    ON_EN_KILLFOCUS(IDC_DL_MARGIN, &CDlgDetail::OnKillfocusMargin)
    ON_EN_KILLFOCUS(IDC_DL_WEIGHT, &CDlgDetail::OnKillfocusWeight)
    ON_BN_CLICKED(IDC_DL_OK, &CDlgDetail::OnClickedOk)
    ON_BN_CLICKED(IDC_DL_PREV, &CDlgDetail::OnClickedPrev)
    ON_BN_CLICKED(IDC_DL_NEXT, &CDlgDetail::OnClickedNext)
    ON_WM_MOVE()
END_MESSAGE_MAP()

namespace {
struct EditField {
    int nID;
    const char* pszField;
};
// The edit controls in Tab order with the Detail field each shows.
const EditField kEdits[] = {
    {IDC_DL_PRODUCT, "Product"},
    {IDC_DL_TECHNICAL, "Technical Description"},
    {IDC_DL_COST, "cost"},
    {IDC_DL_LIST, "list"},
    {IDC_DL_NET, "net"},
    {IDC_DL_MULT, "mult"},
    {IDC_DL_MARGIN, "margin"},
    {IDC_DL_WEIGHT, "weight"},
    {IDC_DL_PART_NUMBER, "PartNumber"},
    {IDC_DL_QUOTE_PN, "QuotePN"},
    {IDC_DL_QUOTE_DESCRIPTION, "QuoteDescription"},
    {IDC_DL_ALT_QUOTE_DESCRIPTION, "AltQuoteDescription"},
    {IDC_DL_DRAWING_NO, "DrawingNo"},
    {IDC_DL_DWG_ITEM, "DwgItem"},
    {IDC_DL_QTY_ASSY, "QtyAssy"},
    {IDC_DL_SECOND_PN, "SecondPN"},
};
}  // namespace

CDlgDetail::CDlgDetail(CTable* pTable, CWnd* pParent)
    : CDialog(IDD_DETAIL_LINE, pParent),
      m_pTable(pTable),
      m_pLayout(pTable ? pTable->GetTableStruct() : nullptr),
      m_pCostEdit(std::make_unique<CNumEdit>()),
      m_pListEdit(std::make_unique<CNumEdit>()),
      m_pNetEdit(std::make_unique<CNumEdit>()),
      m_pMultEdit(std::make_unique<CNumEdit>()),
      m_pMarginEdit(std::make_unique<CNumEdit>()),
      m_pWeightEdit(std::make_unique<CNumEdit>()),
      m_pOkButton(std::make_unique<CSetButton>()),
      m_pCancelButton(std::make_unique<CSetButton>()),
      m_pPrevButton(std::make_unique<CSetButton>()),
      m_pNextButton(std::make_unique<CSetButton>()) {}

CDlgDetail::~CDlgDetail() = default;

void CDlgDetail::Set(CString& strMember, const char* pszField, const CString& strText) {
    strMember = LineDlg::CutToField(m_pLayout, pszField, strText);
}

void CDlgDetail::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DL_PRODUCT, m_strProduct);
    DDX_Text(pDX, IDC_DL_TECHNICAL, m_strTechnical);
    DDX_Text(pDX, IDC_DL_COST, m_strCost);
    DDX_Text(pDX, IDC_DL_LIST, m_strList);
    DDX_Text(pDX, IDC_DL_NET, m_strNet);
    DDX_Text(pDX, IDC_DL_MULT, m_strMult);
    DDX_Text(pDX, IDC_DL_MARGIN, m_strMargin);
    DDX_Text(pDX, IDC_DL_WEIGHT, m_strWeight);
    DDX_Text(pDX, IDC_DL_PART_NUMBER, m_strPartNumber);
    DDX_Text(pDX, IDC_DL_QUOTE_PN, m_strQuotePN);
    DDX_Text(pDX, IDC_DL_QUOTE_DESCRIPTION, m_strQuoteDescription);
    DDX_Text(pDX, IDC_DL_ALT_QUOTE_DESCRIPTION, m_strAltQuoteDescription);
    DDX_Text(pDX, IDC_DL_DRAWING_NO, m_strDrawingNo);
    DDX_Text(pDX, IDC_DL_DWG_ITEM, m_strDwgItem);
    DDX_Text(pDX, IDC_DL_QTY_ASSY, m_strQtyAssy);
    DDX_Text(pDX, IDC_DL_SECOND_PN, m_strSecondPN);
}

BOOL CDlgDetail::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const EditField& edit : kEdits) LineDlg::LimitControl(*this, edit.nID, m_pLayout, edit.pszField);
    m_pCostEdit->SubclassDlgItem(IDC_DL_COST, this);
    m_pListEdit->SubclassDlgItem(IDC_DL_LIST, this);
    m_pNetEdit->SubclassDlgItem(IDC_DL_NET, this);
    m_pMultEdit->SubclassDlgItem(IDC_DL_MULT, this);
    m_pMarginEdit->SubclassDlgItem(IDC_DL_MARGIN, this);
    m_pWeightEdit->SubclassDlgItem(IDC_DL_WEIGHT, this);
    m_pOkButton->SubclassDlgItem(IDC_DL_OK, this);
    m_pCancelButton->SubclassDlgItem(IDCANCEL, this);
    m_pPrevButton->SubclassDlgItem(IDC_DL_PREV, this);
    m_pNextButton->SubclassDlgItem(IDC_DL_NEXT, this);
    m_bPrev = FALSE;
    m_bNext = FALSE;
    SetWindowText(
        LineDlg::LineCaption(EditorMsg::kDetailLineCaptionBefore, m_nRow, EditorMsg::kLineCaptionAfter));
    LineDlg::MoveToRect(*this, m_rcWindow);
    return TRUE;
}

void CDlgDetail::OnMove(int x, int y) {
    CDialog::OnMove(x, y);
    LineDlg::RememberRect(*this, m_bFirstMove, m_bPrev, m_bNext, m_rcWindow);
}

bool CDlgDetail::ValidateEntry(CNumEdit* pEdit, const CString& strMember, const char* pszField) {
    // A dialog already ended (hidden before it is destroyed) checks nothing.
    if (!pEdit->m_hWnd || !IsWindowVisible() || pEdit->GetWindowText() == strMember) return false;
    pEdit->ValidateNumField(pEdit, pszField, m_pLayout, m_pOkButton.get(), m_pCancelButton.get(),
                            m_pOkButton.get(), m_pCancelButton.get(), m_pPrevButton.get(),
                            m_pNextButton.get(), m_pPrevButton.get(), m_pNextButton.get());
    return true;
}

void CDlgDetail::RecalcMargin() {
    if (!LineDlg::HasField(m_pLayout, "margin")) return;
    CSlots slots;
    slots.CalcMargin(GetDlgItemText(IDC_DL_COST), GetDlgItemText(IDC_DL_NET), "margin",
                     LineDlg::FieldLength(m_pLayout, "margin"), LineDlg::FieldPrecision(m_pLayout, "margin"));
    LineDlg::PutSingleResult(*this, slots, {{"margin", IDC_DL_MARGIN}});
}

void CDlgDetail::RecalcMult() {
    if (!LineDlg::HasField(m_pLayout, "mult")) return;
    CSlots slots;
    slots.CalcMult(GetDlgItemText(IDC_DL_LIST), GetDlgItemText(IDC_DL_NET), "mult",
                   LineDlg::FieldLength(m_pLayout, "mult"), LineDlg::FieldPrecision(m_pLayout, "mult"));
    LineDlg::PutSingleResult(*this, slots, {{"mult", IDC_DL_MULT}});
}

void CDlgDetail::RecalcNetFromMult() {
    if (!LineDlg::HasField(m_pLayout, "net")) return;
    CSlots slots;
    slots.CalcNetFromMult(GetDlgItemText(IDC_DL_LIST), GetDlgItemText(IDC_DL_MULT), "net",
                          LineDlg::FieldLength(m_pLayout, "net"), LineDlg::FieldPrecision(m_pLayout, "net"),
                          "mult");
    LineDlg::PutSingleResult(*this, slots, {{"net", IDC_DL_NET}, {"mult", IDC_DL_MULT}});
}

void CDlgDetail::RecalcNetFromMargin() {
    if (!LineDlg::HasField(m_pLayout, "net") || !LineDlg::HasField(m_pLayout, "margin")) return;
    CSlots slots;
    slots.CalcNetFromMargin(
        GetDlgItemText(IDC_DL_COST), GetDlgItemText(IDC_DL_NET), GetDlgItemText(IDC_DL_MARGIN), "net",
        LineDlg::FieldLength(m_pLayout, "net"), LineDlg::FieldPrecision(m_pLayout, "net"), "margin",
        LineDlg::FieldLength(m_pLayout, "margin"), LineDlg::FieldPrecision(m_pLayout, "margin"));
    LineDlg::PutSingleResult(*this, slots, {{"net", IDC_DL_NET}, {"margin", IDC_DL_MARGIN}});
}

void CDlgDetail::OnKillfocusWeight() {
    if (!ValidateEntry(m_pWeightEdit.get(), m_strWeight, "weight")) return;
    UpdateData(TRUE);
}

void CDlgDetail::OnKillfocusCost() {
    if (!ValidateEntry(m_pCostEdit.get(), m_strCost, "cost")) return;
    RecalcMargin();
    UpdateData(TRUE);
}

void CDlgDetail::OnKillfocusList() {
    if (!ValidateEntry(m_pListEdit.get(), m_strList, "list")) return;
    RecalcMult();
    UpdateData(TRUE);
}

void CDlgDetail::OnKillfocusNet() {
    if (!ValidateEntry(m_pNetEdit.get(), m_strNet, "net")) return;
    RecalcMargin();
    RecalcMult();
    UpdateData(TRUE);
}

void CDlgDetail::OnKillfocusMult() {
    if (!ValidateEntry(m_pMultEdit.get(), m_strMult, "mult")) return;
    RecalcNetFromMult();
    RecalcMargin();
    UpdateData(TRUE);
}

void CDlgDetail::OnKillfocusMargin() {
    if (!ValidateEntry(m_pMarginEdit.get(), m_strMargin, "margin")) return;
    RecalcNetFromMargin();
    RecalcMult();
    UpdateData(TRUE);
}

void CDlgDetail::OnOK() { LineDlg::ValidateFocusedControl(*this); }

void CDlgDetail::OnClickedOk() {
    if (LineDlg::IsOkFocusedElsePress(*this, IDC_DL_OK)) CDialog::OnOK();
}

void CDlgDetail::OnClickedPrev() {
    m_bPrev = TRUE;
    OnClickedOk();
}

void CDlgDetail::OnClickedNext() {
    m_bNext = TRUE;
    OnClickedOk();
}
