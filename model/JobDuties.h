// CJobDuties: what a job document does through the rest of the program:
// the values of a new job (the settings, and the finder when File > Find...
// made the job), the views committing the cell edit open in them, and
// storing the job in the quotation database. The model calls them; the
// application fills them in at start-up. A duty left empty does nothing,
// which is what a job without windows, settings or database does.
#pragma once

#include <functional>

#include "framework/core/String.h"

class CCorvDoc;

struct CJobDuties {
    std::function<void(CCorvDoc& doc)> initNewJob;
    std::function<void(CCorvDoc& doc)> commitEdits;
    // Stores the job's rows under the given quotation number ("Unassigned":
    // as a new quotation).
    std::function<void(CCorvDoc& doc, const CString& strNumber)> store;
};

// The duties every job uses.
CJobDuties& CorvJobDuties();
