#include "database/SqlInsert.h"

#include <cstring>

#include "database/SndTo.h"
#include "database/SqlValueError.h"
#include "framework/core/Exceptions.h"

CSqlInsert::CSqlInsert(DbTable table, const CDbEngine& engine) : m_table(table), m_engine(engine) {
    m_pColumns = SchemaColumns(table, &m_nCount);
    m_strSQL =
        CString("INSERT INTO ") + SchemaTableName(table) + " " + SchemaInsertColumnList(table) + " VALUES (";
}

BOOL CSqlInsert::Next(const char* pszColumn) {
    // A value out of step with the schema is a fault of the program.
    if (m_nNext >= m_nCount || std::strcmp(m_pColumns[m_nNext].pszName, pszColumn) != 0)
        AfxThrowInvalidArgException();
    return m_nNext++ > 0 ? TRUE : FALSE;
}

void CSqlInsert::Key(const char* pszColumn) {
    if (Next(pszColumn)) AfxThrowInvalidArgException();  // only the first value can wait
    m_nKeyAt = m_strSQL.GetLength();
}

void CSqlInsert::RefuseNul(const char* pszColumn, const CString& strValue) const {
    if (strValue.str().find('\0') != std::string::npos)
        throw CSqlValueException(SchemaTableName(m_table), pszColumn, strValue,
                                 CSqlValueException::Problem::NulCharacter);
}

void CSqlInsert::Text(const char* pszColumn, const CString& strValue) {
    RefuseNul(pszColumn, strValue);
    CSndTo::AppendSqlText(m_strSQL, strValue, Next(pszColumn));
}

void CSqlInsert::Number(const char* pszColumn, const CString& strValue) {
    RefuseNul(pszColumn, strValue);
    if (!CSndTo::IsSqlNumber(strValue))
        throw CSqlValueException(SchemaTableName(m_table), pszColumn, strValue);
    CSndTo::AppendSqlNumber(m_strSQL, strValue, Next(pszColumn));
}

void CSqlInsert::Date(const char* pszColumn, const CString& strValue) {
    RefuseNul(pszColumn, strValue);
    CSndTo::AppendSqlText(m_strSQL, m_engine.DateValue(strValue), Next(pszColumn));
}

void CSqlInsert::Bit(const char* pszColumn, bool bSet) {
    const char* pszBit = bSet ? "1" : "0";
    BOOL bNotFirst = Next(pszColumn);
    if (m_engine.QuotesBits())
        CSndTo::AppendSqlText(m_strSQL, pszBit, bNotFirst);
    else
        CSndTo::AppendSqlNumber(m_strSQL, pszBit, bNotFirst);
}

void CSqlInsert::CheckComplete() const {
    if (m_nNext != m_nCount) AfxThrowInvalidArgException();
}

CString CSqlInsert::Finish() {
    CheckComplete();
    if (m_nKeyAt >= 0) AfxThrowInvalidArgException();
    return m_strSQL + ")";
}

CRowStatement CSqlInsert::FinishRow() {
    CheckComplete();
    if (m_nKeyAt < 0) AfxThrowInvalidArgException();
    CRowStatement row;
    row.strHead = m_strSQL.Left(m_nKeyAt);
    row.strTail = m_strSQL.Mid(m_nKeyAt) + ")";
    return row;
}
