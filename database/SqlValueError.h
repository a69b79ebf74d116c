// CSqlValueException: a value that may not go into a statement - a number
// column's text that is not a number. Raised while a statement is built,
// before anything is sent.
#pragma once

#include "framework/core/Exceptions.h"
#include "framework/core/String.h"

class CSqlValueException : public CException {
    DECLARE_DYNAMIC(CSqlValueException)
public:
    CSqlValueException(const char* pszTable, const char* pszColumn, const CString& strValue)
        : m_strTable(pszTable), m_strColumn(pszColumn), m_strValue(strValue) {}

    // Names the table, the column and the value.
    CString GetErrorMessage() const override;

    CString m_strTable;
    CString m_strColumn;
    CString m_strValue;
};
