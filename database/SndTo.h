// CSndTo: the base of the database writers. It supplies the SQL literal
// forms with which every writer builds its statements - the one place where
// values are quoted - and the getters that read a value out of a job's line
// table as text.
#pragma once

#include "framework/core/CmdTarget.h"
#include "framework/core/String.h"

class CComponent;
class CTable;
class CTechField;

class CSndTo : public CCmdTarget {
    DECLARE_DYNCREATE(CSndTo)
public:
    CSndTo() = default;
    ~CSndTo() override = default;

    // Literal forms. Both remove trailing blanks, tabs and line breaks and
    // give NULL for what is left empty; with bNotFirst the literal begins
    // with ", ".
    // Text: every apostrophe doubled, the whole between apostrophes.
    static CString SqlText(const CString& strValue, BOOL bNotFirst);
    // Number: "99999999.99" for an overflowed value (a row of '*'), else the
    // text unquoted. Callers check the text first (IsSqlNumber).
    static CString SqlNumber(const CString& strValue, BOOL bNotFirst);
    // TRUE when SqlNumber may take the text: empty or blank, an overflow
    // row, or a plain decimal number (sign, digits, point, exponent).
    static BOOL IsSqlNumber(const CString& strValue);
    // The same literals appended to a statement being built.
    static void AppendSqlText(CString& strSQL, const CString& strValue, BOOL bNotFirst);
    static void AppendSqlNumber(CString& strSQL, const CString& strValue, BOOL bNotFirst);

    static CString IntToText(int nValue);
    // The text with every occurrence of the character replaced.
    static CString ReplaceChar(const CString& strText, char ch, const CString& strReplacement);

    // Line values by column name (exact, as the layout spells it) and row.
    CString GetFieldText(const CString& strColumn, CTable* pTable, int nRow);
    CString GetWordsIndentLeft(const CString& strColumn, CTable* pTable, int nRow);
    CString GetWordsIndentRight(const CString& strColumn, CTable* pTable, int nRow);
    // The technical-description field at a layout index of a row.
    int GetTechCompCount(CTable* pTable, int nRow, int nColumn);
    CString GetTechCompCountText(CTable* pTable, int nRow, int nColumn);
    CString GetTechFileName(CTable* pTable, int nRow, int nColumn);
    CString GetTechFileNoText(CTable* pTable, int nRow, int nColumn);
    CString GetTechStyleText(CTable* pTable, int nRow, int nColumn);
    void GetTechComponent(CComponent& rComponent, CTable* pTable, int nRow, int nColumn, int nComponent);
    CString GetTechCompValue1Text(CTable* pTable, int nRow, int nColumn, int nComponent);
    CString GetTechCompValue2Text(CTable* pTable, int nRow, int nColumn, int nComponent);

private:
    static CTechField* TechField(CTable* pTable, int nRow, int nColumn);
};
