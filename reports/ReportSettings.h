// The application settings the reports read. This file is the reports'
// only road to them, so moving the settings elsewhere changes one line.
#pragma once

#include "framework/core/WinTypes.h"

struct CReportSettings {
    BOOL m_bPrintLogo = TRUE;    // [Quotation] PrintLogo
    BOOL m_bPrintHeader = TRUE;  // [Quotation] PrintHeader: the letterhead lines
    BOOL m_bPrintFooter = TRUE;  // [Quotation] PrintFooter
};

// The settings as they stand now (each is set unless its key holds "No").
CReportSettings GetReportSettings();
