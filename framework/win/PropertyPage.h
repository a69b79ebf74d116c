// CPropertyPage: one page of a CPropertySheet, made from a dialog template
// as a child of the sheet the first time its tab is shown.
//
// The page's template is the program's ordinary dialog template; the page
// takes it as a child window (its popup frame dropped), so one template
// serves whatever sheet shows it. The tab text is the template's caption
// unless SetTitle gives another.
//
// Protocol, as the sheet drives it:
//   OnSetActive  - the page is about to be shown (later showings refill the
//                  controls from the members);
//   OnKillActive - the page is about to be left (tab change or OK); the
//                  default reads the controls into the members and returns
//                  FALSE when a check failed, which keeps the page;
//   OnOK/OnCancel - the sheet closes; called on every page that was created.
// EndDialog on a page ends its sheet.
#pragma once

#include <vector>

#include "framework/win/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    // Creates the page as a child of the sheet (once); FALSE when the
    // template is missing.
    BOOL CreatePage(CPropertySheet* pSheet);

    // The tab text: the title set here, else the template's caption.
    void SetTitle(const char* pszTitle) { m_strTitle = pszTitle; }
    CString GetTitle() const;
    // The page's size in dialog units, from its template (0 when missing).
    SIZE GetTemplateSize() const;

    CPropertySheet* GetParentSheet() const { return m_pSheet; }

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    void OnOK() override {}
    void OnCancel() override {}

    // Ends the sheet that shows the page.
    void EndDialog(int nResult);

    // The sheet does the dialog keys for all its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Enter and Escape that reach a page go to its sheet.
    void OnPageOK();
    void OnPageCancel();

    CPropertySheet* m_pSheet = nullptr;
    CString m_strTitle;
    BOOL m_bFirstSetActive = TRUE;
    std::vector<BYTE> m_childTemplate;  // the template made a child's

    DECLARE_MESSAGE_MAP()
};
