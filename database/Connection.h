// The one way of reaching the quotation database: its fixed connection
// string, and the opening and checked-recordset steps shared by the finder,
// the loader and the lookup pages.
#pragma once

#include <memory>

#include "framework/core/ObArray.h"
#include "framework/core/String.h"

class CDatabase;
class CRecordset;
class CConvertSet;

// The connection string of every connection the program makes.
const char* CorvConnectString();
// Tests point the program at a database of their own; an empty or null
// text restores the fixed string. The program itself never calls it.
void CorvSetConnectStringForTests(const char* pszConnect);

// Opens the connection with the fixed string. On failure shows "Could not
// open Database" (the user cancelled the connect dialog) or the driver's
// text framed as "Open Database: %s", and returns FALSE.
BOOL OpenQuotationDatabase(CDatabase& db);

// Creates a CConvertSet on the open connection (stored in rpSet even when
// the call fails: the caller closes and deletes it), lists the columns of
// the table or query, checks them against the expected list and opens the
// set with the sort and filter. Failures show the check's messages, "Could
// not open \"<table>\" Table" or the driver's text framed as
// "Open Record Set: %s", and return FALSE.
BOOL OpenCheckedRecordSet(CDatabase& db, std::unique_ptr<CConvertSet>& rpSet, const CObArray& arrExpected,
                          const CString& strTable, const CString& strSort, const CString& strFilter);

// TRUE when the freshly opened recordset holds at least one row.
BOOL HasRecords(CRecordset* pSet);

// The driver's text framed by a format with one %s, cut so the whole
// message keeps within nMaxChars characters.
CString FormatDriverMessage(const char* pszFormat, const CString& strDriverText, int nMaxChars);
