// CPrefsSheet and its pages: the Preferences sheet of Options >
// Preferences... - rounding, window and editor behaviour, the data folder,
// the print options of quotations and the alert dialogs.
#pragma once

#include "framework/win/PropertyPage.h"
#include "framework/win/PropertySheet.h"

class CPrefsSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CPrefsSheet)
public:
    CPrefsSheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
        : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {}
    BOOL OnInitDialog() override;
};

// A page of the sheet: OK remembers the sheet's active page.
class CPrefsPage : public CPropertyPage {
    DECLARE_DYNAMIC(CPrefsPage)
public:
    explicit CPrefsPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}
    void OnOK() override;
};

class CPrefsCorvantis : public CPrefsPage {
    DECLARE_DYNAMIC(CPrefsCorvantis)
public:
    CPrefsCorvantis();

    CString GetDtaFolder() const { return m_strDtaFolder; }
    void SetDtaFolder(const CString& strFolder) { m_strDtaFolder = strFolder; }
    // Picks the data folder by choosing any data file in it.
    void OnBrowse();

    int m_bRound = 0;
    int m_bMaximizeView = 0;
    int m_bAutoSelect = 0;
    int m_bMoveByChar = -1;  // the radio index: 0 field, 1 character, -1 none
    CString m_strDtaFolder;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()
};

class CPrefsQuotation : public CPrefsPage {
    DECLARE_DYNAMIC(CPrefsQuotation)
public:
    CPrefsQuotation();

    int m_bPrintLogo = 0;
    int m_bPrintHeader = 0;
    int m_bPrintFooter = 0;
    int m_bAltFormat = -1;  // radio index: 0 standard, 1 alternate
    int m_bAltLogo = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CPrefsAlerts : public CPrefsPage {
    DECLARE_DYNAMIC(CPrefsAlerts)
public:
    CPrefsAlerts();

    int m_bPOAAlert = 0;
    int m_bVantrAlert = 0;
    int m_bAutoSelFld = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
