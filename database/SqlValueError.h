// CSqlValueException: a value that may not go into a statement - a number
// column's text that is not a number, or a text holding a NUL character
// (only a damaged or hand-made job file has one; the statement would end
// there). Raised while a statement is built, before anything is sent.
#pragma once

#include "framework/core/Exceptions.h"
#include "framework/core/String.h"

class CSqlValueException : public CException {
    DECLARE_DYNAMIC(CSqlValueException)
public:
    enum class Problem { NotANumber, NulCharacter };

    CSqlValueException(const char* pszTable, const char* pszColumn, const CString& strValue,
                       Problem problem = Problem::NotANumber)
        : m_strTable(pszTable), m_strColumn(pszColumn), m_strValue(strValue), m_problem(problem) {}

    // Names the table, the column and the value.
    CString GetErrorMessage() const override;

    CString m_strTable;
    CString m_strColumn;
    CString m_strValue;
    Problem m_problem;
};
