// Options > Preferences...: the user-level settings in the Preferences
// sheet; OK stores and writes only the settings that changed.
#include "app/AppMessages.h"
#include "app/CorvApp.h"
#include "app/PrefsSheet.h"
#include "framework/core/MessageBox.h"

namespace {

// Stores the changed settings and writes their keys, remembering whether
// the INI file refused any of them.
class CPrefsWriter {
public:
    explicit CPrefsWriter(CCorvApp& app) : m_app(app) {}

    void Text(CString& strHeld, const CString& strValue, const char* pszSection, const char* pszKey) {
        if (strValue == strHeld) return;
        strHeld = strValue;
        if (!m_app.WriteProfileString(pszSection, pszKey, strValue)) m_bFailed = true;
    }
    void Flag(BOOL& bHeld, int nValue, const char* pszSection, const char* pszKey,
              const char* pszTrue = "Yes", const char* pszFalse = "No") {
        const BOOL bValue = nValue != 0;
        if (bValue == bHeld) return;
        bHeld = bValue;
        if (!m_app.WriteProfileString(pszSection, pszKey, bValue ? pszTrue : pszFalse)) m_bFailed = true;
    }
    // A radio pair of standard (0) and alternate (1); any other index changes nothing.
    void Choice(BOOL& bHeld, int nIndex, const char* pszSection, const char* pszKey) {
        if (nIndex == 0 || nIndex == 1) Flag(bHeld, nIndex, pszSection, pszKey, "ALT", "STD");
    }
    // The changes stay in force for this run either way; the user learns
    // that the next start will not see them.
    void ReportFailure() const {
        if (m_bFailed)
            AfxMessageBox(AppMsg::kPrefsNotWritten + m_app.GetProfilePath() + AppMsg::kPrefsNotWrittenTail,
                          MB_ICONEXCLAMATION);
    }

private:
    CCorvApp& m_app;
    bool m_bFailed = false;
};

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

    CPrefsWriter write(*this);
    write.Flag(m_bRound, corvantis.m_bRound, "Quote Descriptions", "Round");
    write.Flag(m_bMaximizeView, corvantis.m_bMaximizeView, "Preferences", "MaximizeView");
    write.Flag(m_bAutoSelect, corvantis.m_bAutoSelect, "Preferences", "AutoSelect");
    write.Flag(m_bMoveByChar, corvantis.m_bMoveByChar != 0, "Preferences", "MoveBy", "Character", "Field");
    CString strFolder = corvantis.GetDtaFolder();
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] != '\\') strFolder += '\\';
    if (strFolder != m_strDtaFolder) m_bDtaFolderChanged = TRUE;
    write.Text(m_strDtaFolder, strFolder, "Folders", "DtaFolder");
    write.Flag(m_bPrintLogo, quotation.m_bPrintLogo, "Quotation", "PrintLogo");
    write.Flag(m_bPrintHeader, quotation.m_bPrintHeader, "Quotation", "PrintHeader");
    write.Flag(m_bPrintFooter, quotation.m_bPrintFooter, "Quotation", "PrintFooter");
    write.Choice(m_bAltLogo, quotation.m_bAltLogo, "Quotation", "Logo");
    write.Choice(m_bAltFormat, quotation.m_bAltFormat, "Quote Descriptions", "Format");
    write.Flag(m_bPOAAlert, alerts.m_bPOAAlert, "Preferences", "POAAlert");
    write.Flag(m_bVantrAlert, alerts.m_bVantrAlert, "Preferences", "VantrAlert");
    write.Flag(m_bAutoSelFld, alerts.m_bAutoSelFld, "Preferences", "AutoSelFld");
    write.ReportFailure();
}
