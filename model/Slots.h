// CSlots: the changed-field list. The price rules never write into a line:
// each appends (field name, value text) entries, and the caller writes the
// list into a line (names it lacks are ignored there), or reads a single
// result out of it. Value texts are display texts: "" clears a field, a text
// beginning with '*' is an overflow, anything else is the new value.
// Names compare exactly, case counting; every reader takes the first entry
// of a name.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"
#include "framework/core/WinTypes.h"

class CCorvDoc;
class CTable;

class CSlots {
public:
    CSlots() = default;
    virtual ~CSlots() = default;

    // The list.
    void Clear();
    void GetAll(CStringArray& arrNames, CStringArray& arrValues) const;
    void AddName(const CString& strName);  // the field is to be cleared
    void Add(const CString& strName, const CString& strValue);
    void AddOverflow(const CString& strName, int nLength);
    // The value formatted at the precision, or the overflow entry when its
    // text is longer than nLength (or does not format at all).
    void AddNumber(const CString& strName, double dValue, int nLength, int nPrecision);
    BOOL Lookup(const CString& strName, CString& strValue) const;
    BOOL GetSingle(CString& strName, CString& strValue) const;

    // Text tests.
    static BOOL IsBlank(const CString& strText);     // empty or only spaces
    static BOOL IsOverflow(const CString& strText);  // begins with '*'

    // Line readers.
    static CString GetLineText(CTable* pTable, const CString& strName, int nRow);
    static BOOL SumColumn(CTable* pTable, const CString& strName, double& dSum, BOOL& bOverflow);

    // Calculations: each appends exactly one entry.
    void CalcNetFromMult(CString strBase, CString strRatio, CString strResult, int nLength, int nPrecision,
                         CString strRatioName);
    void CalcMargin(CString strCost, CString strNet, CString strResult, int nLength, int nPrecision);
    void CalcMult(CString strBase, CString strNet, CString strResult, int nLength, int nPrecision);
    void CalcNetFromFinal(CString strFinal, CString strFreight, CString strResult, int nLength,
                          int nPrecision);
    void CalcFreight(CString strFirst, CString strSecond, CString strResult, int nLength, int nPrecision);
    void CalcFinal(CString strNet, CString strFreight, CString strResult, int nLength, int nPrecision);
    void CalcNetFromMargin(CString strCost, CString strCurrentNet, CString strMargin, CString strNetName,
                           int nNetLength, int nNetPrecision, CString strMarginName, int nMarginLength,
                           int nMarginPrecision);

    // Field rules on a Summary line ("line" inputs are read from the row,
    // "new" inputs are the first entries of this list).
    void RuleNetFromFinal(CTable* pTable, int nRow);
    void RuleFreightFromWeight(CTable* pTable, CString strFreightRate);
    void RuleFinal(CTable* pTable, int nRow);
    void RuleFinalNewNet(CTable* pTable, int nRow);
    void RuleFinalNewNetFreight(CTable* pTable);
    void RuleNetFromMargin(CTable* pTable, int nRow);
    void RuleNetFromMult(CTable* pTable, int nRow);
    void RuleMargin(CTable* pTable, int nRow);
    void RuleMarginNewNet(CTable* pTable, int nRow);
    void RuleMarginNewCostNet(CTable* pTable);
    void RuleMult(CTable* pTable, int nRow);
    void RuleMultNewNet(CTable* pTable, int nRow);
    void RuleMultNewListNet(CTable* pTable);
    // The same relations on a Detail line.
    void RuleDetailNetFromMult(CTable* pTable, int nRow);
    void RuleDetailNetFromMargin(CTable* pTable, int nRow);
    void RuleDetailMargin(CTable* pTable, int nRow);
    void RuleDetailMarginNewNet(CTable* pTable, int nRow);
    void RuleDetailMult(CTable* pTable, int nRow);
    void RuleDetailMultNewNet(CTable* pTable, int nRow);

    // After a cell edit: TRUE when the edited field drives other fields
    // (its rules have run into this list).
    BOOL RecalcSummaryCell(CTable* pTable, int nRow, int nField);
    BOOL RecalcDetailCell(CTable* pTable, int nRow, int nField);

    // Detail-to-Summary roll-up of one Summary line.
    void RollUpDetailLines(CTable* pSummary, CTable* pDetail, int nSummaryRow, CCorvDoc* pDoc);
    void RollUpDetail(CTable* pSummary, CTable* pDetail, int nSummaryRow, CCorvDoc* pDoc);
    void RollUpAndPriceDetail(CTable* pSummary, CTable* pDetail, int nSummaryRow, int nDetailRow,
                              CCorvDoc* pDoc);

    // Job totals over the Summary lines, each value times the line's Qty.
    BOOL SumExtended(CTable* pTable, const CString& strColumn, double& dSum, BOOL& bOverflow, double dFactor);
    CString CalcOverallMargin(CTable* pTable);
    CString CalcOverallMult(CTable* pTable);
    CString CalcColumnTotal(CTable* pTable, const CString& strColumn, double dFactor);

    CStringArray m_arrNames;
    CStringArray m_arrValues;

private:
    // Appends a column's sum as the roll-up and the job totals do: cleared
    // when no line had a value, the overflow entry when one overflowed, else
    // the sum as a number.
    void AddSum(const CString& strName, BOOL bAny, BOOL bOverflow, double dSum, int nLength, int nPrecision);
    // Appends the total of one column as the job totals do (cleared,
    // overflow or number) and returns the entry's value.
    CString AddColumnTotal(CTable* pTable, const CString& strColumn, double dFactor);
    // Appends a Detail column's sum under a Summary name (cleared, overflow
    // or number), when the Summary layout has that field; returns the sum.
    double AddDetailSum(CTable* pSummary, CTable* pDetail, const char* pszSummaryName,
                        const char* pszDetailName);
    CString BuildDescription(CTable* pSummary, CTable* pDetail, int nSummaryRow, CCorvDoc* pDoc) const;
};
