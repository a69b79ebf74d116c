// What every band and furniture routine measures on the page: the page
// rectangle in logical units, the line height and the width of a text in
// the font selected into the device context.
#pragma once

#include "framework/core/String.h"
#include "framework/win/Types.h"

class CDC;
class CPrintInfo;

// The drawing rectangle of the current page in logical units. The print
// loop hands it in device units on the first page a print draws and in
// preview, and already converted on the following pages; a rectangle in
// device units has its bottom below its top, which no rectangle of the
// reports' upward-y mapping has, so that is what decides the conversion.
CRect LogicalPageRect(CDC* pDC, const CPrintInfo* pInfo);
// The printable width W of the page, in logical units.
int PageWidth(CDC* pDC, const CPrintInfo* pInfo);
// tmHeight + tmExternalLeading of the selected font.
int LineHeight(CDC* pDC);
// tmAveCharWidth of the selected font: the gap between table columns.
int AveCharWidth(CDC* pDC);
int TextWidth(CDC* pDC, const CString& text);
int TextWidth(CDC* pDC, const char* psz, int nLength);
// How many leading characters of the text are no wider than nMaxWidth,
// every prefix measured as TextWidth measures it, in one call.
int FittingLength(CDC* pDC, const char* psz, int nLength, int nMaxWidth);
