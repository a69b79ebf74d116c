// Read access to the job lines that a selection looks at: the Detail lines
// of the table being edited and their Technical Description fields. Out of
// range rows and fields of another kind read as absent, so a selection never
// raises an exception over the job's lines.
#pragma once

#include "framework/core/String.h"

class CRecord;
class CTable;
class CTechField;

// Number of lines; 0 for no table.
int SelLineCount(const CTable* pTable);
// The line at nRow, or null.
CRecord* SelLine(const CTable* pTable, int nRow);
// The Technical Description field at column nCol of line nRow, or null.
CTechField* SelTechField(const CTable* pTable, int nRow, int nCol);
// The text of the field at nField of a line; empty when absent.
CString SelFieldText(const CRecord* pLine, int nField);
// The characters of text from start, at most length of them; a start at or
// beyond the end gives empty text, negative values count as 0.
CString SelCut(const CString& text, int nStart, int nLength);
// text with trailing white space removed.
CString SelTrimRight(CString text);
