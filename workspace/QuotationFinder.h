// The seam through which a new job created by the Find command reaches the
// quotation finder of the database. Until a finder is installed, a find
// loads nothing and the new job is closed again.
#pragma once

#include <functional>

class CCorvDoc;

// Runs the finder on the new job; TRUE when it loaded a quotation into it.
using QuotationFinder = std::function<bool(CCorvDoc& doc)>;

// Installs the finder; returns the one it replaces.
QuotationFinder SetQuotationFinder(QuotationFinder finder);
// Runs the installed finder; FALSE when none is installed.
bool RunQuotationFinder(CCorvDoc& doc);
