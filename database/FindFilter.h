// The window-free half of the quotation finder: the filter that the
// criteria make, the fixed-width line that lists one found quotation, and
// the count text under the list.
#pragma once

#include "framework/core/String.h"

class CDbEngine;
class CProjectRow;

// The criteria of a Find, trimmed; an empty one takes no part. The dates
// are MM/DD/YYYY texts, empty when the range is not in use.
struct CFindCriteria {
    CString strCorvNumber;
    CString strQuoteNo;
    CString strCustomer;
    CString strProject;
    CString strOffice;
    CString strProjectType;
    CString strFrom;
    CString strTo;
    CString strMarketGroup;
    CString strSalesRegion;
    CString strQuoteType;
    CString strInitials;
    CString strMoreThan;

    bool IsEmpty() const;
};

// The terms of the non-empty criteria joined by " AND ". Texts are quoted
// by the writers' one literal form (apostrophes doubled); Customer and
// Project match anywhere and in any case (LIKE '%...%', or ILIKE on an
// engine whose LIKE heeds case); the two numbers go in as numbers only (see
// FindNumberLiteral); the dates in the engine's date form.
CString BuildFindFilter(const CFindCriteria& criteria, const CDbEngine& engine);

// A number criterion as SQL: a plain number as it stands, a row of '*' as
// the writers store it, any other text as the number its leading numeric
// part reads as (0 when none), so no text of it reaches the statement.
CString FindNumberLiteral(const CString& strValue);

// The result list's line for one found quotation (89 characters for
// values that fit their columns).
CString FormatFoundLine(const CString& strCorvNumber, const CString& strQuoteNo, const CString& strQuoteRev,
                        const CString& strQuoteVersion, const CString& strProject, const CString& strCustomer,
                        const CString& strQuoteDate);

// "(n)" below 300, else "First 300".
CString FoundCountText(int nCount);

// The most quotations one Find lists.
constexpr int kMaxFoundQuotes = 300;
