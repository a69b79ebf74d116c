// Storing a job in the quotation database: the job duty behind File >
// Store... and File > Store As...; the .job file is not written.
#pragma once

#include "framework/core/String.h"

class CCorvDoc;

// Sends the job's rows through the writer under strNumber ("Unassigned":
// as a new quotation); tells the user when nothing was stored.
void StoreJobInDatabase(CCorvDoc& doc, const CString& strNumber);
