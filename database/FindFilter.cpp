#include "database/FindFilter.h"

#include <cstdlib>

#include "database/DbEngine.h"
#include "database/DbMessages.h"
#include "database/SndTo.h"

namespace {

void AppendTerm(CString& strFilter, const CString& strTerm) {
    if (!strFilter.IsEmpty()) strFilter += " AND ";
    strFilter += strTerm;
}

// column = 'value'
void AppendEquals(CString& strFilter, const char* pszColumn, const CString& strValue) {
    if (!strValue.IsEmpty())
        AppendTerm(strFilter, CString(pszColumn) + " = " + CSndTo::SqlText(strValue, FALSE));
}

// column LIKE '%value%', in any case on every engine
void AppendContains(CString& strFilter, const char* pszColumn, const CString& strValue,
                    const CDbEngine& engine) {
    if (!strValue.IsEmpty())
        AppendTerm(strFilter, CString(pszColumn) + engine.ContainsOperator() +
                                  CSndTo::SqlText("%" + strValue + "%", FALSE));
}

void AppendNumber(CString& strFilter, const char* pszColumn, const char* pszOperator,
                  const CString& strValue) {
    if (!strValue.IsEmpty())
        AppendTerm(strFilter, CString(pszColumn) + pszOperator + FindNumberLiteral(strValue));
}

void AppendDate(CString& strFilter, const char* pszOperator, const CString& strDate,
                const CDbEngine& engine) {
    if (!strDate.IsEmpty())
        AppendTerm(strFilter,
                   CString("QuoteDate") + pszOperator + CSndTo::SqlText(engine.DateValue(strDate), FALSE));
}

// The value trimmed, cut to nCut characters (0: no cut), then padded with
// blanks to nWidth.
CString Column(const CString& strValue, int nCut, int nWidth) {
    CString s(strValue);
    s.Trim();
    if (nCut > 0 && s.GetLength() > nCut) s = s.Left(nCut);
    while (s.GetLength() < nWidth) s += ' ';
    return s;
}

}  // namespace

bool CFindCriteria::IsEmpty() const {
    return strCorvNumber.IsEmpty() && strQuoteNo.IsEmpty() && strCustomer.IsEmpty() && strProject.IsEmpty() &&
           strOffice.IsEmpty() && strProjectType.IsEmpty() && strFrom.IsEmpty() && strTo.IsEmpty() &&
           strMarketGroup.IsEmpty() && strSalesRegion.IsEmpty() && strQuoteType.IsEmpty() &&
           strInitials.IsEmpty() && strMoreThan.IsEmpty();
}

CString FindNumberLiteral(const CString& strValue) {
    if (CSndTo::IsSqlNumber(strValue)) {
        CString strLiteral = CSndTo::SqlNumber(strValue, FALSE);
        if (strLiteral != "NULL") return strLiteral;
    }
    CString strNumber;
    strNumber.Format("%.2f", std::strtod(strValue.GetString(), nullptr));
    return strNumber;
}

CString BuildFindFilter(const CFindCriteria& c, const CDbEngine& engine) {
    CString strFilter;
    AppendNumber(strFilter, "CorvNumber", " = ", c.strCorvNumber);
    AppendEquals(strFilter, "QuoteNo", c.strQuoteNo);
    AppendContains(strFilter, "Customer", c.strCustomer, engine);
    AppendContains(strFilter, "Project", c.strProject, engine);
    AppendEquals(strFilter, "Office", c.strOffice);
    AppendEquals(strFilter, "ProjectType", c.strProjectType);
    AppendDate(strFilter, " >= ", c.strFrom, engine);
    AppendDate(strFilter, " <= ", c.strTo, engine);
    AppendEquals(strFilter, "MarketGroup", c.strMarketGroup);
    AppendEquals(strFilter, "SalesRegion", c.strSalesRegion);
    AppendEquals(strFilter, "QuoteType", c.strQuoteType);
    AppendEquals(strFilter, "Initials", c.strInitials);
    AppendNumber(strFilter, "TotalFinal", " >= ", c.strMoreThan);
    return strFilter;
}

CString FormatFoundLine(const CString& strCorvNumber, const CString& strQuoteNo, const CString& strQuoteRev,
                        const CString& strQuoteVersion, const CString& strProject, const CString& strCustomer,
                        const CString& strQuoteDate) {
    // A number longer than its column keeps one blank before the next.
    CString strNumber = Column(strCorvNumber, 0, 0);
    strNumber = strNumber.GetLength() > 8 ? strNumber + " " : Column(strNumber, 0, 8);
    return strNumber + Column(strQuoteNo, 10, 12) + Column(strQuoteRev, 0, 5) +
           Column(strQuoteVersion, 0, 12) + Column(strProject, 18, 20) + Column(strCustomer, 18, 20) +
           Column(strQuoteDate, 0, 12);
}

CString FoundCountText(int nCount) {
    if (nCount >= kMaxFoundQuotes) return DbMsg::kFirst300;
    CString strCount;
    strCount.Format("(%d)", nCount);
    return strCount;
}
