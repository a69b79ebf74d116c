#include "selection/DlgFindPN.h"

#include <commctrl.h>

#include "framework/core/MessageBox.h"
#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "framework/win/WaitCursor.h"
#include "model/Component.h"
#include "res/selection_ids.h"
#include "selection/SelGuard.h"
#include "selection/SelMessages.h"
#include "selection/SelSettings.h"

namespace {

constexpr int kMaxPartNumber = 20;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgFindPN, CDialog)
    ON_BN_CLICKED(IDC_FPN_FIND, &CDlgFindPN::OnFind)
    ON_BN_CLICKED(IDC_FPN_OK, &CDlgFindPN::OnOkButton)
    ON_EN_CHANGE(IDC_FPN_PART_NUMBER, &CDlgFindPN::OnChangePartNumber)
END_MESSAGE_MAP()

CDlgFindPN::CDlgFindPN(CWnd* pParent) : CDialog(IDD_FIND_PN, pParent) {
    // The progress bar's window class.
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
}

CDlgFindPN::~CDlgFindPN() { m_arrComponents.DeleteAll(); }

void CDlgFindPN::GetComponents(CObArray& components) const {
    components.DeleteAll();
    for (CObject* p : m_arrComponents) components.Add(new CComponent(*static_cast<CComponent*>(p)));
}

void CDlgFindPN::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FPN_PART_NUMBER, m_strPartNumber);
    DDX_Text(pDX, IDC_FPN_PRODUCT, m_search.m_strProduct);
    DDX_Text(pDX, IDC_FPN_TYPE, m_search.m_strType);
    DDX_Text(pDX, IDC_FPN_RESULT_PN, m_search.m_strPartNumber);
    DDX_Text(pDX, IDC_FPN_QUOTE_DESCRIPTION, m_search.m_strQuoteDescription);
    DDX_Text(pDX, IDC_FPN_ALT_QUOTE_DESCRIPTION, m_search.m_strAltQuoteDescription);
    DDX_Text(pDX, IDC_FPN_TECHNICAL, m_search.m_strTechnical);
}

void CDlgFindPN::PutTexts() {
    m_bWriting = true;
    UpdateData(FALSE);
    m_bWriting = false;
}

void CDlgFindPN::TakeTexts() { UpdateData(TRUE); }

void CDlgFindPN::SetProgress(int nPos) { SendDlgItemMessage(IDC_FPN_PROGRESS, PBM_SETPOS, nPos); }

BOOL CDlgFindPN::OnInitDialog() {
    m_bWriting = true;
    CDialog::OnInitDialog();
    m_bWriting = false;
    SendDlgItemMessage(IDC_FPN_PART_NUMBER, EM_LIMITTEXT, kMaxPartNumber);
    SendDlgItemMessage(IDC_FPN_PROGRESS, PBM_SETRANGE, 0, MAKELPARAM(0, m_search.GetFileCount()));
    SetProgress(0);
    return TRUE;
}

void CDlgFindPN::OnFind() {
    RunGuarded([this] {
        TakeTexts();
        m_strPartNumber.Trim();
        PutTexts();
        if (m_strPartNumber.IsEmpty()) {
            AfxMessageBox(SelMsg::kEnterPartNumberFirst, MB_OK);
            return;
        }
        CWaitCursor wait;
        const BOOL hit = m_search.Find(GetSelSettings().strDtaFolder, m_strPartNumber,
                                       [this](int nPos) { SetProgress(nPos); });
        if (hit) {
            PutTexts();
            SetDlgItemText(IDC_FPN_FIND, SelMsg::kFindNextButton);
        } else {
            OnChangePartNumber();
        }
    });
}

void CDlgFindPN::OnChangePartNumber() {
    if (m_bWriting) return;
    TakeTexts();
    m_search.Reset();
    PutTexts();
    SetDlgItemText(IDC_FPN_FIND, SelMsg::kFindButton);
    SetProgress(0);
}

void CDlgFindPN::OnOkButton() {
    if (!m_search.HasHit()) {
        AfxMessageBox(SelMsg::kFindPartNumberFirst, MB_OK);
        return;
    }
    bool taken = false;
    RunGuarded([&] {
        taken = m_search.TakeHit(m_strDescription, m_strFileName, m_nFileNo, m_nStyle, m_arrNames,
                                 m_arrValues, m_arrComponents);
    });
    if (taken) EndDialog(IDOK);
}
