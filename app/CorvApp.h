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

    CORV_SETTING_TEXT_GETTERS(CORV_DECLARE_SETTING_GETTER)

    // --- Commands ---
    void OnAppAbout();
    void OnFileFind();
    // Options > Preferences... (app/PrefsCommand.cpp).
    void OnOptionsPreferences();
    void OnUpdateFileOpen(CCmdUI* pCmdUI);

    // --- The workspace's members under the names the application has always had ---
#define CORV_BIND_SETTING(type, member, init) type& member = m_workspace.Settings().member;
    CORV_SETTING_MEMBERS(CORV_BIND_SETTING)
#undef CORV_BIND_SETTING
    BOOL& m_bRound = m_workspace.Settings().m_bRound;  // the price rules' own flag
    int (&m_nPrintDefault)[kPrintDefaultCount] = m_workspace.Settings().m_nPrintDefault;
    // The choice lists, indexed by ChoiceList.
    CStringArray (&m_arrChoice)[kChoiceListCount] = m_workspace.ChoiceLists().m_arrChoice;
    // The state of File > Find...
    BOOL& m_bFindMode = m_workspace.FindState().m_bFindMode;
    CCorvDoc*& m_pDocToClose = m_workspace.FindState().m_pDocToClose;  // not owned
    CStringArray& m_arrOpenJobNumbers = m_workspace.FindState().m_arrOpenJobNumbers;

private:
    void SetPrintDefault(int nIndex, int nValue) { m_workspace.Settings().SetPrintDefault(nIndex, nValue); }

    DECLARE_MESSAGE_MAP()
};

// The running application object.
inline CCorvApp* CorvGetApp() { return static_cast<CCorvApp*>(AfxGetApp()); }
