// CCorvApp: the one application object. It owns what is not tied to one
// job: the workspace (the settings read from the INI file, the forty choice
// lists, the effective standard texts, the remembered pages of the property
// sheets, the print-selection defaults, the state of the Find command and
// the line clipboard), which it installs for the folders below app/. Its
// own members of the same names are bound to the workspace's.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"
#include "framework/win/App.h"
#include "workspace/Workspace.h"

class CCorvDoc;

class CCorvApp : public CWinApp {
    DECLARE_DYNAMIC(CCorvApp)
    // First of the members: the names further down are bound to its parts.
    CWorkspace m_workspace;

public:
    // Installs the workspace for the folders below app/.
    CCorvApp();
    ~CCorvApp() override;

    BOOL InitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // --- Start-up steps (public so that tests can run them on their own) ---
    // Reads every setting of the INI file and writes back the defaults.
    void ReadSettings() { m_workspace.Settings().ReadSettings(); }
    // Fills the forty choice lists in their load order.
    void LoadChoiceLists() { m_workspace.ChoiceLists().LoadChoiceLists(); }
    // Opens the job named by the raw command line, unless it is empty or
    // an embedding switch; a path in double quotes is taken without them.
    void OpenCommandLineJob(const char* lpszCmdLine);

    CWorkspace& Workspace() { return m_workspace; }

    // --- Choice lists and standard texts ---
    void GetChoiceList(CStringArray& list, const CString& strSection, int nMaxLength) {
        m_workspace.ChoiceLists().GetChoiceList(list, strSection, nMaxLength);
    }
    // Reads <data folder><name>.txt (at most 9,999 bytes, up to a zero
    // byte) into strText; returns 0 when read or no name is given (then
    // the fallback), 1 when the file could not be opened (the fallback).
    int LoadTextFile(CString strFileName, CString& strText, const CString& strFallback) {
        return m_workspace.Settings().LoadTextFile(strFileName, strText, strFallback);
    }

    // --- Accessors ---
    BOOL IsFindMode() const { return m_bFindMode; }
    void SetFindMode(BOOL bFindMode) { m_bFindMode = bFindMode; }
    void SetDocToClose(CCorvDoc* pDoc) { m_pDocToClose = pDoc; }
    void SetProjectPage(int nPage) { m_workspace.Settings().SetProjectPage(nPage); }
    void SetWordsPage(int nPage) { m_workspace.Settings().SetWordsPage(nPage); }
    void SetPrefsPage(int nPage) { m_workspace.Settings().SetPrefsPage(nPage); }
    int GetSearchByOffices() { return m_workspace.Settings().GetSearchByOffices(); }
    void SetSearchByOffices(int nValue) { m_workspace.Settings().SetSearchByOffices(nValue); }
    CString GetDtaFolder() const { return m_strDtaFolder; }

    void SetPrintDefaultQuote(int nValue) { SetPrintDefault(kPrintQuote, nValue); }
    void SetPrintDefaultScope(int nValue) { SetPrintDefault(kPrintScope, nValue); }
    void SetPrintDefaultScopePriced(int nValue) { SetPrintDefault(kPrintScopePriced, nValue); }
    void SetPrintDefaultDistribution(int nValue) { SetPrintDefault(kPrintDistribution, nValue); }
    void SetPrintDefaultParts(int nValue) { SetPrintDefault(kPrintParts, nValue); }
    void SetPrintDefaultICDS(int nValue) { SetPrintDefault(kPrintICDS, nValue); }
    void SetPrintDefaultProposalSummary(int nValue) { SetPrintDefault(kPrintProposalSummary, nValue); }
    void SetPrintDefaultProposalSummaryPlant(int nValue) {
        SetPrintDefault(kPrintProposalSummaryPlant, nValue);
    }
    void SetPrintDefaultProjectSellPrice(int nValue) { SetPrintDefault(kPrintProjectSellPrice, nValue); }
    void SetPrintDefaultCommission(int nValue) { SetPrintDefault(kPrintCommission, nValue); }
    void SetPrintDefaultPurchaseOrder(int nValue) { SetPrintDefault(kPrintPurchaseOrder, nValue); }

    CString GetCompany() const { return m_strCompany; }
    CString GetAddress() const { return m_strAddress; }
    CString GetPhoneNo() const { return m_strPhoneNo; }
    CString GetFooterLn1() const { return m_strFooterLn1; }
    CString GetFooterLn2() const { return m_strFooterLn2; }
    CString GetBillToName() const { return m_strBillToName; }
    CString GetBillToAddressLn1() const { return m_strBillToAddressLn1; }
    CString GetBillToAddressLn2() const { return m_strBillToAddressLn2; }
    CString GetBillToCity() const { return m_strBillToCity; }
    CString GetBillToState() const { return m_strBillToState; }
    CString GetBillToZip() const { return m_strBillToZip; }
    CString GetBillToAttn() const { return m_strBillToAttn; }
    CString GetDefaultCountry() const { return m_strDefCountry; }
    CString GetDefaultPackaging() const { return m_strDefPackaging; }
    CString GetDefaultPayment() const { return m_strDefPayment; }
    CString GetDefaultShipping() const { return m_strDefShipping; }
    CString GetDefaultFreight() const { return m_strDefFreight; }
    CString GetDefaultPreparedBy() const { return m_strDefPreparedBy; }
    CString GetDefaultPreparedByTitle() const { return m_strDefPreparedByTitle; }
    CString GetDefaultPreparedByEmail() const { return m_strDefPreparedByEmail; }
    CString GetDefault1stCC() const { return m_strDef1stCC; }
    CString GetDefault1stCCTitle() const { return m_strDef1stCCTitle; }
    CString GetDefault2ndCC() const { return m_strDef2ndCC; }
    CString GetDefault2ndCCTitle() const { return m_strDef2ndCCTitle; }
    CString GetDefaultValidity() const { return m_strDefValidity; }
    CString GetDefaultStatus() const { return m_strDefStatus; }
    CString GetDefaultLastUpdatedBy() const { return m_strDefLastUpdatedBy; }
    CString GetIntroText() const { return m_strIntroText; }
    CString GetNotesText() const { return m_strNotesText; }
    CString GetTermsText() const { return m_strTermsText; }
    CString GetDefaultProjectType() const { return m_strDefProjectType; }
    CString GetDefaultSalesRegion() const { return m_strDefSalesRegion; }
    CString GetDefaultInitials() const { return m_strDefInitials; }
    CString GetDefaultQuoteType() const { return m_strDefQuoteType; }
    CString GetDefaultMarketingGroup() const { return m_strDefMarketingGroup; }

    // --- Commands ---
    void OnAppAbout();
    void OnFileFind();
    // Options > Preferences... (app/PrefsCommand.cpp).
    void OnOptionsPreferences();
    void OnUpdateFileOpen(CCmdUI* pCmdUI);

    // --- The workspace's members under the names the application has always had ---
    BOOL& m_bDtaFolderChanged = m_workspace.Settings().m_bDtaFolderChanged;
    CString& m_strDtaFolder = m_workspace.Settings().m_strDtaFolder;
    BOOL& m_bRound = m_workspace.Settings().m_bRound;
    BOOL& m_bMaximizeView = m_workspace.Settings().m_bMaximizeView;
    BOOL& m_bAutoSelect = m_workspace.Settings().m_bAutoSelect;
    BOOL& m_bMoveByChar = m_workspace.Settings().m_bMoveByChar;
    BOOL& m_bPOAAlert = m_workspace.Settings().m_bPOAAlert;
    BOOL& m_bVantrAlert = m_workspace.Settings().m_bVantrAlert;
    BOOL& m_bAutoSelFld = m_workspace.Settings().m_bAutoSelFld;
    BOOL& m_bPrintLogo = m_workspace.Settings().m_bPrintLogo;
    BOOL& m_bPrintHeader = m_workspace.Settings().m_bPrintHeader;
    BOOL& m_bPrintFooter = m_workspace.Settings().m_bPrintFooter;
    BOOL& m_bAltLogo = m_workspace.Settings().m_bAltLogo;
    BOOL& m_bAltFormat = m_workspace.Settings().m_bAltFormat;
    int& m_nSearchByOffices =
        m_workspace.Settings().m_nSearchByOffices;  // kept in -1..2 by GetSearchByOffices
    BOOL& m_bFindMode = m_workspace.FindState().m_bFindMode;
    CCorvDoc*& m_pDocToClose = m_workspace.FindState().m_pDocToClose;  // not owned
    CStringArray& m_arrOpenJobNumbers = m_workspace.FindState().m_arrOpenJobNumbers;
    int& m_nProjectPage = m_workspace.Settings().m_nProjectPage;
    int& m_nPrefsPage = m_workspace.Settings().m_nPrefsPage;
    int& m_nWordsPage = m_workspace.Settings().m_nWordsPage;

    // [Quotation] letterhead and [BillTo]. The dialogs that edit a default
    // with the choice-list editor hand these texts to it directly.
    CString& m_strCompany = m_workspace.Settings().m_strCompany;
    CString& m_strAddress = m_workspace.Settings().m_strAddress;
    CString& m_strPhoneNo = m_workspace.Settings().m_strPhoneNo;
    CString& m_strFooterLn1 = m_workspace.Settings().m_strFooterLn1;
    CString& m_strFooterLn2 = m_workspace.Settings().m_strFooterLn2;
    CString& m_strBillToName = m_workspace.Settings().m_strBillToName;
    CString& m_strBillToAddressLn1 = m_workspace.Settings().m_strBillToAddressLn1;
    CString& m_strBillToAddressLn2 = m_workspace.Settings().m_strBillToAddressLn2;
    CString& m_strBillToCity = m_workspace.Settings().m_strBillToCity;
    CString& m_strBillToState = m_workspace.Settings().m_strBillToState;
    CString& m_strBillToZip = m_workspace.Settings().m_strBillToZip;
    CString& m_strBillToAttn = m_workspace.Settings().m_strBillToAttn;

    // The choice lists, indexed by ChoiceList.
    CStringArray (&m_arrChoice)[kChoiceListCount] = m_workspace.ChoiceLists().m_arrChoice;

    // [Defaults], as read (each cut to its width).
    CString& m_strDefCountry = m_workspace.Settings().m_strDefCountry;
    CString& m_strDefPackaging = m_workspace.Settings().m_strDefPackaging;
    CString& m_strDefPayment = m_workspace.Settings().m_strDefPayment;
    CString& m_strDefShipping = m_workspace.Settings().m_strDefShipping;
    CString& m_strDefFreight = m_workspace.Settings().m_strDefFreight;
    CString& m_strDefPreparedBy = m_workspace.Settings().m_strDefPreparedBy;
    CString& m_strDefPreparedByTitle = m_workspace.Settings().m_strDefPreparedByTitle;
    CString& m_strDefPreparedByEmail = m_workspace.Settings().m_strDefPreparedByEmail;
    CString& m_strDef1stCC = m_workspace.Settings().m_strDef1stCC;
    CString& m_strDef1stCCTitle = m_workspace.Settings().m_strDef1stCCTitle;
    CString& m_strDef2ndCC = m_workspace.Settings().m_strDef2ndCC;
    CString& m_strDef2ndCCTitle = m_workspace.Settings().m_strDef2ndCCTitle;
    CString& m_strDefValidity = m_workspace.Settings().m_strDefValidity;
    CString& m_strDefStatus = m_workspace.Settings().m_strDefStatus;
    CString& m_strDefLastUpdatedBy = m_workspace.Settings().m_strDefLastUpdatedBy;
    CString& m_strDefIntroduction = m_workspace.Settings().m_strDefIntroduction;
    CString& m_strDefQuoteNotes = m_workspace.Settings().m_strDefQuoteNotes;
    CString& m_strDefTerms = m_workspace.Settings().m_strDefTerms;
    CString& m_strDefIntroFileName = m_workspace.Settings().m_strDefIntroFileName;
    CString& m_strDefNotesFileName = m_workspace.Settings().m_strDefNotesFileName;
    CString& m_strDefTermsFileName = m_workspace.Settings().m_strDefTermsFileName;

    // The standard texts in effect: the named text file's contents, else
    // the [Defaults] text.
    CString& m_strIntroText = m_workspace.Settings().m_strIntroText;
    CString& m_strNotesText = m_workspace.Settings().m_strNotesText;
    CString& m_strTermsText = m_workspace.Settings().m_strTermsText;

    CString& m_strDefProjectType = m_workspace.Settings().m_strDefProjectType;
    CString& m_strDefSalesRegion = m_workspace.Settings().m_strDefSalesRegion;
    CString& m_strDefInitials = m_workspace.Settings().m_strDefInitials;
    CString& m_strDefQuoteType = m_workspace.Settings().m_strDefQuoteType;
    CString& m_strDefMarketingGroup = m_workspace.Settings().m_strDefMarketingGroup;

    int (&m_nPrintDefault)[kPrintDefaultCount] = m_workspace.Settings().m_nPrintDefault;

private:
    void SetPrintDefault(int nIndex, int nValue) { m_workspace.Settings().SetPrintDefault(nIndex, nValue); }

    DECLARE_MESSAGE_MAP()
};

// The running application object.
inline CCorvApp* CorvGetApp() { return static_cast<CCorvApp*>(AfxGetApp()); }
