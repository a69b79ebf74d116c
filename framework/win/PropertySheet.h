// CPropertySheet: a modal tabbed dialog of pages (CPropertyPage).
//
// The sheet is a dialog of the layer's own: a tab control over the pages
// and the OK, Cancel and Apply buttons below them, made from a template in
// memory and run by CDialog's modal loop. It does not use the common
// controls' property sheet, which runs a modal loop of its own: here every
// message passes PreTranslateMessage (the sheet decides what Enter does),
// the dialog test hook scripts a sheet like any dialog, and the sheet looks
// and behaves the same on every system that has a tab control.
//
// Pages are added in tab order before DoModal; a page's window is made
// the first time its tab is shown, so only pages that were shown exchange
// data. OK asks the active page to let go (OnKillActive), then calls OnOK
// of every created page and ends with IDOK; Cancel calls their OnCancel and
// ends with IDCANCEL. A command the sheet does not handle (a button of its
// own with another id) goes to the active page.
#pragma once

#include <windows.h>
// (the common controls' header needs the system's first)
#include <commctrl.h>

#include <vector>

#include "framework/win/Dialog.h"
#include "framework/win/DialogTemplate.h"

class CPropertyPage;

// The tab control of a sheet.
class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int nItem) { return static_cast<int>(SendMessage(TCM_SETCURSEL, nItem)); }
    BOOL GetItem(int nItem, TCITEMA* pItem) const {
        return static_cast<BOOL>(SendMessage(TCM_GETITEMA, nItem, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(int nItem, TCITEMA* pItem) {
        return static_cast<BOOL>(SendMessage(TCM_SETITEMA, nItem, reinterpret_cast<LPARAM>(pItem)));
    }
    // The text of a tab (at most 255 characters).
    CString GetItemText(int nItem) const;
};

// The control ids of a sheet.
#define AFX_IDC_TAB_CONTROL 0x3020
#define ID_APPLY_NOW 0x3021

class CPropertySheet : public CDialog {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet() = default;
    explicit CPropertySheet(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // The sheet's header flags: PSH_NOAPPLYNOW leaves the Apply button out.
    struct Header {
        DWORD dwFlags = 0;
        UINT nStartPage = 0;
    } m_psh;

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Leaves the active page (its checks may refuse) and shows another.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    CTabCtrl* GetTabControl() { return &m_tab; }
    void SetTitle(const char* pszCaption) { m_strCaption = pszCaption; }

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnTabChanging(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    // Enter in the sheet: presses the focused push button, lets a
    // multi-line edit that wants it have it, else presses OK.
    BOOL HandleEnter(MSG* pMsg);
    void ShowPage(int nPage);
    void BuildTemplate();

    CString m_strCaption;
    std::vector<CPropertyPage*> m_pages;  // not owned
    int m_nActive = -1;
    CTabCtrl m_tab;
    CDialogTemplate m_template;

    DECLARE_MESSAGE_MAP()
};
