#include "project/ProjPage.h"

#include <cstdio>

#include "framework/core/MessageBox.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PropertySheet.h"
#include "model/Date.h"
#include "project/ProjWorkspace.h"
#include "res/project_ids.h"
#include "workspace/NumEdit.h"

IMPLEMENT_DYNAMIC(CProjPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CProjPage, CPropertyPage)
    ON_BN_CLICKED(IDC_PROJ_SHEET_OK, &CProjPage::OnSheetOK)
END_MESSAGE_MAP()

CString CutText(const CString& str, int nChars) { return str.GetLength() > nChars ? str.Left(nChars) : str; }

CString CProjPage::TodayText() {
    SYSTEMTIME st{};
    ::GetLocalTime(&st);
    char szDate[16];
    std::snprintf(szDate, sizeof(szDate), "%02u/%02u/%04u", st.wMonth, st.wDay, st.wYear);
    return szDate;
}

void CProjPage::OnSheetOK() {
    if (!OnKillActive()) return;
    if (CPropertySheet* pSheet = GetParentSheet()) RememberPage(pSheet->GetActiveIndex());
    EndDialog(IDOK);
}

void CProjPage::RememberPage(int nIndex) { ProjWorkspace::SetProjectPage(nIndex); }

void CProjPage::LimitText(int nID, int nChars) {
    HWND hCtrl = ::GetDlgItem(m_hWnd, nID);
    if (!hCtrl) return;
    char szClass[16] = {};
    ::GetClassNameA(hCtrl, szClass, sizeof(szClass));
    const UINT nMessage = lstrcmpiA(szClass, "ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
    ::SendMessageA(hCtrl, nMessage, nChars, 0);
}

void CProjPage::FillCombo(int nID, const char* pszSection) {
    const CStringArray* pList = ProjWorkspace::ChoiceList(pszSection);
    HWND hCombo = ::GetDlgItem(m_hWnd, nID);
    if (!pList || !hCombo) return;
    for (const CString& entry : *pList)
        ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.GetString()));
}

void CProjPage::CheckDate(int nID, int& nStatus) {
    HWND hEdit = ::GetDlgItem(m_hWnd, nID);
    if (!hEdit || !::SendMessageA(hEdit, EM_GETMODIFY, 0, 0)) return;
    const CDate date(CutText(GetDlgItemText(nID), 10));
    nStatus = date.m_nStatus;
    if (nStatus != CDate::valid) return;
    SetDlgItemText(nID, date.GetText());
    ::SendMessageA(hEdit, EM_SETMODIFY, FALSE, 0);
}

void CProjPage::PutToday(int nID) {
    HWND hEdit = ::GetDlgItem(m_hWnd, nID);
    if (!hEdit) return;
    SetDlgItemText(nID, TodayText());
    ::SendMessageA(hEdit, EM_SETMODIFY, TRUE, 0);
    GotoDlgCtrl(CWnd::FromHandle(hEdit));
}

int CProjPage::CheckNumber(CNumEdit* pEdit, int nID, const CString& strMember, const char* pszLabel,
                           CTableStruct* pLayout) {
    CWnd* pCtrl = pEdit && pEdit->m_hWnd ? static_cast<CWnd*>(pEdit) : GetDlgItem(nID);
    if (!pCtrl || pCtrl->GetWindowText() == strMember) return 0;
    const int nResult = CNumEdit().ValidateNumField(pCtrl, pszLabel, pLayout);
    UpdateData(TRUE);
    return nResult;
}

BOOL CProjPage::Refuse(const char* pszMessage, int nID) {
    AfxMessageBox(pszMessage, MB_OK);
    if (HWND hCtrl = ::GetDlgItem(m_hWnd, nID)) GotoDlgCtrl(CWnd::FromHandle(hCtrl));
    return FALSE;
}
