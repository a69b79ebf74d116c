// The page furniture of the reports: the logo and the letterhead on page 1
// of a quotation letter, the title and company lines on page 1 of the
// other reports, and the title with the page number on later pages.
// Positions are logical units of 0.01 inch, y upwards from the top of the
// page; every routine takes the page rectangle in logical units whether
// or not the print began at page 1.
#pragma once

#include "framework/core/String.h"

class CCorvDoc;
class CDC;
class CPrintInfo;

// The logo, 0.4 inch wide, at the top left; none for the marketing group
// that prints without it, none when the logo setting is off.
void PrintLogo(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc);
// Company name, address and phone centred at the top (when the letterhead
// setting is on).
void PrintLetterhead(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc);
// The report title at the top left and the three company lines centred.
void PrintReportHeading(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, const CString& title);
// The title and "Page n of m" ending 40 units from the right edge, in the
// font selected now.
void PrintPageNumber(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, const CString& title);
