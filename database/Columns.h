// CColumns: the columns of one table or query, as the ODBC catalog function
// SQLColumns lists them, one row per column.
#pragma once

#include "framework/db/Recordset.h"

class CColumns : public CRecordset {
    DECLARE_DYNAMIC(CColumns)
public:
    explicit CColumns(CDatabase* pDatabase);

    // Lists the columns of the table named by m_strTableNameParam (empty
    // parameters restrict nothing); lpszSQL is not used. FALSE when no
    // statement can be made; CDBException when the catalog call fails.
    BOOL Open(UINT nOpenType = forwardOnly, const char* lpszSQL = nullptr,
              DWORD dwOptions = readOnly) override;

    CString GetDefaultConnect() override { return "ODBC;"; }
    CString GetDefaultSQL() override { return "!"; }
    void DoFieldExchange(CFieldExchange* pFX) override;

    // The row's values, in the catalog's result order.
    CString m_strQualifier;
    CString m_strOwner;
    CString m_strTableName;
    CString m_strColumnName;
    short m_nDataType = 0;
    CString m_strTypeName;
    LONG m_nPrecision = 0;  // the column size: the width the column check compares
    LONG m_nLength = 0;
    short m_nScale = 0;
    short m_nRadix = 0;
    short m_nNullable = 0;

    // The search arguments.
    CString m_strQualifierParam;
    CString m_strOwnerParam;
    CString m_strTableNameParam;
};
