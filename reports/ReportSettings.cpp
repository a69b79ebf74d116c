#include "reports/ReportSettings.h"

#include "framework/win/App.h"

namespace {
BOOL IsOn(CWinApp* pApp, const char* pszKey) {
    return pApp->GetProfileString("Quotation", pszKey, "Yes") != "No";
}
}  // namespace

CReportSettings GetReportSettings() {
    CReportSettings settings;
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return settings;
    settings.m_bPrintLogo = IsOn(pApp, "PrintLogo");
    settings.m_bPrintHeader = IsOn(pApp, "PrintHeader");
    settings.m_bPrintFooter = IsOn(pApp, "PrintFooter");
    return settings;
}
