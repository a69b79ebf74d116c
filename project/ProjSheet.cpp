#include "project/ProjSheet.h"

#include "project/ProjCustomer.h"
#include "project/ProjFollow.h"
#include "project/ProjQuote.h"
#include "project/ProjWords.h"
#include "res/project_ids.h"

IMPLEMENT_DYNAMIC(CProjSheet, CPropertySheet)

namespace {

// The tab text is copied through a buffer of this size.
constexpr int kTabTextChars = 100;

bool FocusIsOneOf(const CWnd* pPage, HWND hFocus, std::initializer_list<int> ids) {
    for (int nID : ids) {
        if (::GetDlgItem(pPage->m_hWnd, nID) == hFocus) return true;
    }
    return false;
}

}  // namespace

CProjSheet::CProjSheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {}

CProjSheet::CProjSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage) {}

CProjSheet::~CProjSheet() = default;

BOOL CProjSheet::OnInitDialog() {
    const BOOL bResult = CPropertySheet::OnInitDialog();
    if (HWND hOk = ::GetDlgItem(m_hWnd, IDOK)) {
        // A plain push button that is no longer the default one.
        ::SendMessageA(hOk, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        ::SetWindowLongPtrA(hOk, GWLP_ID, IDC_PROJ_SHEET_OK);
    }
    for (int i = 0; i < GetPageCount(); ++i) {
        auto* pWords = dynamic_cast<CProjWords*>(GetPage(i));
        if (!pWords) continue;
        char szText[kTabTextChars];
        lstrcpynA(szText, pWords->GetCaption().GetString(), sizeof(szText));
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        GetTabControl()->SetItem(i, &item);
    }
    return bResult;
}

BOOL CProjSheet::IsEnterAllowed(HWND hFocus) const {
    const CPropertyPage* pPage = GetActivePage();
    if (!pPage || !pPage->m_hWnd) return FALSE;
    if (dynamic_cast<const CProjLookupPage*>(pPage))
        return FocusIsOneOf(pPage, hFocus,
                            {IDC_PROJ_FIND_NUMBER, IDC_PROJ_FIND_NAME, IDC_PROJ_PREVIOUS, IDC_PROJ_NEXT});
    if (dynamic_cast<const CProjQuote*>(pPage))
        return FocusIsOneOf(
            pPage, hFocus,
            {IDC_QUOTE_DATE_BUTTON, IDC_QUOTE_BID_DATE_BUTTON, IDC_QUOTE_TIME_BUTTON, IDC_QUOTE_AMPM});
    if (dynamic_cast<const CProjFollow*>(pPage))
        return FocusIsOneOf(pPage, hFocus,
                            {IDC_FOLLOW_NOTES, IDC_FOLLOW_AWARD_BUTTON, IDC_FOLLOW_LAST_UPDATE_BUTTON});
    if (dynamic_cast<const CProjWords*>(pPage)) return FocusIsOneOf(pPage, hFocus, {IDC_WORDS_TEXT});
    if (dynamic_cast<const CProjUDC*>(pPage)) return FocusIsOneOf(pPage, hFocus, {IDC_UDC3, IDC_UDC4});
    return FALSE;
}

BOOL CProjSheet::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_RETURN)
        return CPropertySheet::PreTranslateMessage(pMsg);
    HWND hFocus = ::GetFocus();
    if (!hFocus) return TRUE;
    if (hFocus == ::GetDlgItem(m_hWnd, IDC_PROJ_SHEET_OK) || hFocus == ::GetDlgItem(m_hWnd, IDCANCEL))
        return CPropertySheet::PreTranslateMessage(pMsg);
    if (IsEnterAllowed(hFocus)) return CPropertySheet::PreTranslateMessage(pMsg);
    return TRUE;
}
