// Drawing a line table as the ruled grid of the job view and the Detail
// window.
#pragma once

#include <windows.h>

class CDC;
class CFont;
class CTable;

// Paints the part of the table that a grid window shows: the field names as
// headings in the row at nTop, the line numbers left of nXStart, the ruling
// and the text of every visible cell, columns nFirstCol to nColEnd - 1 from
// line nFirstLine on. Only what meets the DC's clip box is drawn.
void DrawTable(const CTable& table, CDC* pDC, CFont* pFont, COLORREF crText, RECT rcArea, const int* pWidths,
               int nXStart, int nRowHeight, int nColEnd, int nVisibleRows, int nTop, int nCellMargin,
               int nTextOffset, int nFirstCol, int nFirstLine);
