#include "reports/ReportSettings.h"

#include "workspace/Workspace.h"

CReportSettings GetReportSettings() {
    const CCorvSettings& s = CorvGetWorkspace().Settings();
    CReportSettings settings;
    settings.m_bPrintLogo = s.m_bPrintLogo;
    settings.m_bPrintHeader = s.m_bPrintHeader;
    settings.m_bPrintFooter = s.m_bPrintFooter;
    return settings;
}
