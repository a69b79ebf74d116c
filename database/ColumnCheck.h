// The column check: before a table or query is read, the columns that the
// catalog lists for it are compared with the columns the program expects.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/String.h"

class CConvertSet;

// TRUE when every expected column (CCustCol) is listed with the expected
// type and width. Stops at the first faulty column, after showing its
// message or messages (type, then width); an empty expected list fails
// without a message. strTable names the table in the messages.
BOOL CheckColumns(const CConvertSet* pSet, const CObArray& arrExpected, const CString& strTable);
