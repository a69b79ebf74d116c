// Options > Preferences...: the user-level settings in the Preferences
// sheet; OK stores and writes only the settings that changed.
#include "app/AppMessages.h"
#include "app/CorvApp.h"
#include "app/PrefsSheet.h"

namespace {

// Stores a changed flag and writes its key.
void StoreFlag(CCorvApp& app, BOOL& bHeld, int nValue, const char* pszSection, const char* pszKey,
               const char* pszTrue, const char* pszFalse) {
    const BOOL bValue = nValue != 0;
    if (bValue == bHeld) return;
    bHeld = bValue;
    app.WriteProfileString(pszSection, pszKey, bValue ? pszTrue : pszFalse);
}

// A radio pair of standard (0) and alternate (1); any other index changes nothing.
void StoreChoice(CCorvApp& app, BOOL& bHeld, int nIndex, const char* pszSection, const char* pszKey) {
    if (nIndex != 0 && nIndex != 1) return;
    StoreFlag(app, bHeld, nIndex, pszSection, pszKey, "ALT", "STD");
}

}  // namespace

void CCorvApp::OnOptionsPreferences() {
    if (m_nPrefsPage < 0 || m_nPrefsPage > 2) m_nPrefsPage = 0;
    CPrefsSheet sheet(AppMsg::kPreferencesCaption, nullptr, m_nPrefsPage);
    CPrefsCorvantis corvantis;
    CPrefsQuotation quotation;
    CPrefsAlerts alerts;
    sheet.AddPage(&corvantis);
    sheet.AddPage(&quotation);
    sheet.AddPage(&alerts);

    corvantis.m_bRound = m_bRound;
    corvantis.m_bMaximizeView = m_bMaximizeView;
    corvantis.m_bAutoSelect = m_bAutoSelect;
    corvantis.m_bMoveByChar = m_bMoveByChar ? 1 : 0;
    corvantis.SetDtaFolder(m_strDtaFolder);
    quotation.m_bPrintLogo = m_bPrintLogo;
    quotation.m_bPrintHeader = m_bPrintHeader;
    quotation.m_bPrintFooter = m_bPrintFooter;
    quotation.m_bAltFormat = m_bAltFormat ? 1 : 0;
    quotation.m_bAltLogo = m_bAltLogo ? 1 : 0;
    alerts.m_bPOAAlert = m_bPOAAlert;
    alerts.m_bVantrAlert = m_bVantrAlert;
    alerts.m_bAutoSelFld = m_bAutoSelFld;

    if (sheet.DoModal() != IDOK) return;

    StoreFlag(*this, m_bRound, corvantis.m_bRound, "Quote Descriptions", "Round", "Yes", "No");
    StoreFlag(*this, m_bMaximizeView, corvantis.m_bMaximizeView, "Preferences", "MaximizeView", "Yes", "No");
    StoreFlag(*this, m_bAutoSelect, corvantis.m_bAutoSelect, "Preferences", "AutoSelect", "Yes", "No");
    StoreFlag(*this, m_bMoveByChar, corvantis.m_bMoveByChar != 0, "Preferences", "MoveBy", "Character",
              "Field");
    CString strFolder = corvantis.GetDtaFolder();
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] != '\\') strFolder += '\\';
    if (strFolder != m_strDtaFolder) {
        m_bDtaFolderChanged = TRUE;
        m_strDtaFolder = strFolder;
        WriteProfileString("Folders", "DtaFolder", strFolder);
    }
    StoreFlag(*this, m_bPrintLogo, quotation.m_bPrintLogo, "Quotation", "PrintLogo", "Yes", "No");
    StoreFlag(*this, m_bPrintHeader, quotation.m_bPrintHeader, "Quotation", "PrintHeader", "Yes", "No");
    StoreFlag(*this, m_bPrintFooter, quotation.m_bPrintFooter, "Quotation", "PrintFooter", "Yes", "No");
    StoreChoice(*this, m_bAltLogo, quotation.m_bAltLogo, "Quotation", "Logo");
    StoreChoice(*this, m_bAltFormat, quotation.m_bAltFormat, "Quote Descriptions", "Format");
    StoreFlag(*this, m_bPOAAlert, alerts.m_bPOAAlert, "Preferences", "POAAlert", "Yes", "No");
    StoreFlag(*this, m_bVantrAlert, alerts.m_bVantrAlert, "Preferences", "VantrAlert", "Yes", "No");
    StoreFlag(*this, m_bAutoSelFld, alerts.m_bAutoSelFld, "Preferences", "AutoSelFld", "Yes", "No");
}
