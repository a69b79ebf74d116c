#include "app/PrefsSheet.h"

#include "app/AppMessages.h"
#include "app/CorvApp.h"
#include "framework/win/DataExchange.h"
#include "framework/win/FileDialog.h"
#include "framework/win/MessageMap.h"
#include "res/project_ids.h"

IMPLEMENT_DYNAMIC(CPrefsSheet, CPropertySheet)
IMPLEMENT_DYNAMIC(CPrefsPage, CPropertyPage)
IMPLEMENT_DYNAMIC(CPrefsCorvantis, CPrefsPage)
IMPLEMENT_DYNAMIC(CPrefsQuotation, CPrefsPage)
IMPLEMENT_DYNAMIC(CPrefsAlerts, CPrefsPage)

BEGIN_MESSAGE_MAP(CPrefsCorvantis, CPrefsPage)
    ON_BN_CLICKED(IDC_PREFS_BROWSE, &CPrefsCorvantis::OnBrowse)
END_MESSAGE_MAP()

BOOL CPrefsSheet::OnInitDialog() {
    const BOOL bResult = CPropertySheet::OnInitDialog();
    if (HWND hApply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW)) ::ShowWindow(hApply, SW_HIDE);
    return bResult;
}

void CPrefsPage::OnOK() {
    if (CPropertySheet* pSheet = GetParentSheet()) CorvGetApp()->SetPrefsPage(pSheet->GetActiveIndex());
    CPropertyPage::OnOK();
}

CPrefsCorvantis::CPrefsCorvantis() : CPrefsPage(IDD_PREFS_CORVANTIS) {}

void CPrefsCorvantis::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, IDC_PREFS_ROUND, m_bRound);
    DDX_Check(pDX, IDC_PREFS_MAXIMIZE, m_bMaximizeView);
    DDX_Check(pDX, IDC_PREFS_AUTO_SELECT, m_bAutoSelect);
    DDX_Radio(pDX, IDC_PREFS_MOVE_FIELD, m_bMoveByChar);
    DDX_Text(pDX, IDC_PREFS_DTA_FOLDER, m_strDtaFolder);
}

void CPrefsCorvantis::OnBrowse() {
    CFileDialog dlg(TRUE, "dta", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, AppMsg::kDtaFilter, this);
    dlg.m_ofn.lpstrTitle = AppMsg::kDtaBrowseTitle;
    const CString strInitial = GetDlgItemText(IDC_PREFS_DTA_FOLDER);
    dlg.m_ofn.lpstrInitialDir = strInitial.GetString();
    if (dlg.DoModal() != IDOK) return;
    const CString strPath = dlg.GetPathName();
    const int nSlash = strPath.ReverseFind('\\');
    SetDlgItemText(IDC_PREFS_DTA_FOLDER, nSlash >= 0 ? strPath.Left(nSlash + 1) : CString());
}

CPrefsQuotation::CPrefsQuotation() : CPrefsPage(IDD_PREFS_QUOTATION) {}

void CPrefsQuotation::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, IDC_PREFS_PRINT_LOGO, m_bPrintLogo);
    DDX_Check(pDX, IDC_PREFS_PRINT_HEADER, m_bPrintHeader);
    DDX_Check(pDX, IDC_PREFS_PRINT_FOOTER, m_bPrintFooter);
    DDX_Radio(pDX, IDC_PREFS_FORMAT_STD, m_bAltFormat);
    DDX_Radio(pDX, IDC_PREFS_LOGO_STD, m_bAltLogo);
}

CPrefsAlerts::CPrefsAlerts() : CPrefsPage(IDD_PREFS_ALERTS) {}

void CPrefsAlerts::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, IDC_PREFS_POA_ALERT, m_bPOAAlert);
    DDX_Check(pDX, IDC_PREFS_VANTR_ALERT, m_bVantrAlert);
    DDX_Check(pDX, IDC_PREFS_AUTO_SEL_FLD, m_bAutoSelFld);
}
