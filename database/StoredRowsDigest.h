// A digest of the rows a quotation has in the database - its Project row,
// its Summary rows and their Detail rows, every column as the database
// gives it back - by which a job tells whether the stored quotation was
// changed since the job last loaded or stored it.
#pragma once

#include "framework/core/String.h"

class CDatabase;

// strNumber is a plain integer. The same rows give the same text on every
// connection of one data source; a quotation without rows gives a text of
// its own. Raises CDBException when the rows cannot be read.
CString StoredRowsDigest(CDatabase& db, const CString& strNumber);
