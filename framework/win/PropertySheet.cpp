#include "framework/win/PropertySheet.h"

#include <algorithm>

#include "framework/win/MessageMap.h"
#include "framework/win/PropertyPage.h"
#include "framework/win/ResourceString.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CPropertySheet, CDialog)

BEGIN_MESSAGE_MAP(CPropertySheet, CDialog)
    ON_NOTIFY(TCN_SELCHANGING, AFX_IDC_TAB_CONTROL, &CPropertySheet::OnTabChanging)
    ON_NOTIFY(TCN_SELCHANGE, AFX_IDC_TAB_CONTROL, &CPropertySheet::OnTabChange)
END_MESSAGE_MAP()

namespace {

// Layout of the sheet in dialog units.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

bool IsPushButton(HWND hWnd) {
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, "Button") != 0) return false;
    const LONG_PTR nType = ::GetWindowLongPtrA(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON;
}

bool IsEditWantingReturn(HWND hWnd) {
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, "Edit") != 0) return false;
    const LONG_PTR nStyle = ::GetWindowLongPtrA(hWnd, GWL_STYLE);
    return (nStyle & ES_MULTILINE) && (nStyle & ES_WANTRETURN);
}

}  // namespace

CString CTabCtrl::GetItemText(int nItem) const {
    char szText[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    return GetItem(nItem, &item) ? CString(szText) : CString();
}

CPropertySheet::CPropertySheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption ? pszCaption : "") {
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(AfxLoadString(nIDCaption)) {
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (pPage) m_pages.push_back(pPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[nPage] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const {
    const auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(m_nActive); }

int CPropertySheet::GetActiveIndex() const { return m_nActive; }

void CPropertySheet::BuildTemplate() {
    SIZE page{0, 0};
    for (CPropertyPage* pPage : m_pages) {
        const SIZE size = pPage->GetTemplateSize();
        page.cx = std::max(page.cx, size.cx);
        page.cy = std::max(page.cy, size.cy);
    }
    // A first guess; OnInitDialog fits the sheet to the tab control.
    const short cx = static_cast<short>(page.cx + 2 * kMargin + 8);
    const short cy = static_cast<short>(page.cy + 3 * kMargin + kButtonHeight + 24);

    m_template = CDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_CENTER,
                                 WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, cx, cy, m_strCaption);
}

INT_PTR CPropertySheet::DoModal() {
    BuildTemplate();
    InitModalIndirect(m_template.Get(), m_pParentWnd);
    m_nActive = -1;
    const INT_PTR nResult = CDialog::DoModal();
    // The pages' windows went with the sheet's.
    for (CPropertyPage* pPage : m_pages) {
        if (pPage->m_hWnd && !::IsWindow(pPage->m_hWnd)) pPage->Detach();
    }
    return nResult;
}

BOOL CPropertySheet::OnInitDialog() {
    CDialog::OnInitDialog();
    const HFONT hFont = GetFont();

    // The tab control with one tab per page.
    m_tab.CreateEx(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 100,
                   100, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(AFX_IDC_TAB_CONTROL)));
    m_tab.SetFont(hFont, FALSE);
    for (int i = 0; i < GetPageCount(); ++i) {
        CString strTitle = m_pages[i]->GetTitle();
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(strTitle.GetString());
        m_tab.SendMessage(TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }

    // The pages' area, the tab control around it, the buttons below.
    SIZE pageDlu{0, 0};
    for (CPropertyPage* pPage : m_pages) {
        const SIZE size = pPage->GetTemplateSize();
        pageDlu.cx = std::max(pageDlu.cx, size.cx);
        pageDlu.cy = std::max(pageDlu.cy, size.cy);
    }
    CRect rcUnits(0, 0, kMargin, kMargin);
    MapDialogRect(&rcUnits);
    const int nMargin = rcUnits.right;
    CRect rcPage(0, 0, pageDlu.cx, pageDlu.cy);
    MapDialogRect(&rcPage);
    CRect rcButton(0, 0, kButtonWidth, kButtonHeight);
    MapDialogRect(&rcButton);
    CRect rcGap(0, 0, kButtonGap, kButtonGap);
    MapDialogRect(&rcGap);

    CRect rcTab = rcPage;
    m_tab.SendMessage(TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&rcTab));
    rcTab.OffsetRect(nMargin - rcTab.left, nMargin - rcTab.top);
    m_tab.MoveWindow(&rcTab, FALSE);

    const bool bApply = (m_psh.dwFlags & PSH_NOAPPLYNOW) == 0;
    struct ButtonDef {
        int nID;
        const char* pszText;
        DWORD dwStyle;
    };
    const ButtonDef buttons[] = {{IDOK, "OK", BS_DEFPUSHBUTTON},
                                 {IDCANCEL, "Cancel", BS_PUSHBUTTON},
                                 {ID_APPLY_NOW, "&Apply", BS_PUSHBUTTON | WS_DISABLED}};
    const int nButtons = bApply ? 3 : 2;
    const int nClientWidth = rcTab.right + nMargin;
    const int yButtons = rcTab.bottom + nMargin;
    int x = nClientWidth - nMargin - nButtons * rcButton.Width() - (nButtons - 1) * rcGap.Width();
    for (int i = 0; i < nButtons; ++i) {
        HWND hButton = ::CreateWindowExA(0, "BUTTON", buttons[i].pszText,
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | buttons[i].dwStyle, x, yButtons,
                                         rcButton.Width(), rcButton.Height(), m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttons[i].nID)),
                                         ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        x += rcButton.Width() + rcGap.Width();
    }
    // The tab control comes after the buttons in the tab order, as the
    // pages do (they are made later).
    ::SetWindowPos(m_tab.m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    CRect rcWindow(0, 0, nClientWidth, yButtons + rcButton.Height() + nMargin);
    ::AdjustWindowRectEx(&rcWindow, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();

    int nStart = static_cast<int>(m_psh.nStartPage);
    if (nStart < 0 || nStart >= GetPageCount()) nStart = 0;
    if (GetPageCount() > 0) {
        m_tab.SetCurSel(nStart);
        ShowPage(nStart);
        CPropertyPage* pPage = GetActivePage();
        if (pPage && pPage->m_hWnd) {
            HWND hFirst = ::GetNextDlgTabItem(pPage->m_hWnd, nullptr, FALSE);
            if (hFirst) {
                ::SetFocus(hFirst);
                return FALSE;
            }
        }
    }
    return TRUE;
}

void CPropertySheet::ShowPage(int nPage) {
    CPropertyPage* pPage = GetPage(nPage);
    if (!pPage) return;
    if (!pPage->m_hWnd && !pPage->CreatePage(this)) return;
    CRect rcPage;
    m_tab.GetClientRect(&rcPage);
    m_tab.SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rcPage));
    ::MapWindowPoints(m_tab.m_hWnd, m_hWnd, reinterpret_cast<LPPOINT>(&rcPage), 2);
    // Above the tab control in the z-order, right after it in tab order.
    ::SetWindowPos(pPage->m_hWnd, HWND_TOP, rcPage.left, rcPage.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    CPropertyPage* pOld = GetActivePage();
    m_nActive = nPage;
    pPage->OnSetActive();
    pPage->ShowWindow(SW_SHOW);
    if (pOld && pOld != pPage && pOld->m_hWnd) pOld->ShowWindow(SW_HIDE);
    if (m_tab.m_hWnd && m_tab.GetCurSel() != nPage) m_tab.SetCurSel(nPage);
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (!GetPage(nPage)) return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    if (nPage == m_nActive) return TRUE;
    CPropertyPage* pOld = GetActivePage();
    if (pOld && pOld->m_hWnd && !pOld->OnKillActive()) return FALSE;
    ShowPage(nPage);
    return TRUE;
}

void CPropertySheet::OnTabChanging(NMHDR*, LRESULT* pResult) {
    CPropertyPage* pOld = GetActivePage();
    // TRUE keeps the page whose checks failed.
    *pResult = pOld && pOld->m_hWnd && !pOld->OnKillActive();
}

void CPropertySheet::OnTabChange(NMHDR*, LRESULT* pResult) {
    ShowPage(m_tab.GetCurSel());
    *pResult = 0;
}

void CPropertySheet::OnOK() {
    CPropertyPage* pActive = GetActivePage();
    if (pActive && pActive->m_hWnd && !pActive->OnKillActive()) return;
    for (CPropertyPage* pPage : m_pages) {
        if (pPage->m_hWnd) pPage->OnOK();
    }
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
    for (CPropertyPage* pPage : m_pages) {
        if (pPage->m_hWnd) pPage->OnCancel();
    }
    EndDialog(IDCANCEL);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CDialog::OnCommand(wParam, lParam)) return TRUE;
    // A button of the sheet that the sheet does not know: the active page's.
    CPropertyPage* pPage = GetActivePage();
    if (pPage && pPage->m_hWnd && reinterpret_cast<HWND>(lParam) != pPage->m_hWnd) {
        pPage->SendMessage(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return FALSE;
}

BOOL CPropertySheet::HandleEnter(MSG* pMsg) {
    HWND hFocus = ::GetFocus();
    if (!hFocus || !(hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus))) return FALSE;
    if (IsPushButton(hFocus)) {
        if (::IsWindowEnabled(hFocus)) ::SendMessageA(hFocus, BM_CLICK, 0, 0);
        return TRUE;
    }
    if (IsEditWantingReturn(hFocus)) return FALSE;  // a line break
    // Any other control: the sheet's default button, OK.
    HWND hOk = ::GetDlgItem(m_hWnd, IDOK);
    if (hOk && ::IsWindowEnabled(hOk))
        ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(hOk));
    (void)pMsg;
    return TRUE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
    if (!m_hWnd || !(pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) return FALSE;
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) return HandleEnter(pMsg);
    // Ctrl+Tab and Ctrl+Shift+Tab step through the pages.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && (::GetKeyState(VK_CONTROL) & 0x8000) &&
        GetPageCount() > 0) {
        const int nStep = (::GetKeyState(VK_SHIFT) & 0x8000) ? GetPageCount() - 1 : 1;
        SetActivePage((m_nActive + nStep) % GetPageCount());
        return TRUE;
    }
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
