// CCustCol: one column that the program expects a table or query to have,
// with the width and ODBC SQL type code that the catalog must report.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CCustCol : public CObject {
    DECLARE_DYNAMIC(CCustCol)
public:
    CCustCol(const char* pszName, int nWidth, int nSqlType)
        : m_strName(pszName), m_nWidth(nWidth), m_nSqlType(nSqlType) {}

    CString m_strName;  // matched exactly, case included
    int m_nWidth;       // the catalog's column size
    int m_nSqlType;     // ODBC SQL type code
};
