#include "database/Columns.h"

#include "framework/db/DBException.h"

IMPLEMENT_DYNAMIC(CColumns, CRecordset)

namespace {

// An empty argument places no restriction on the listing.
SQLCHAR* Argument(const CString& str) { return str.IsEmpty() ? nullptr : OdbcText(str.GetString()); }

}  // namespace

CColumns::CColumns(CDatabase* pDatabase) : CRecordset(pDatabase) {
    m_nFields = 11;
    m_nDefaultType = forwardOnly;
}

BOOL CColumns::Open(UINT nOpenType, const char*, DWORD dwOptions) {
    Close();
    m_nOpenType = nOpenType == useDefaultType ? m_nDefaultType : nOpenType;
    m_dwOptions = dwOptions | noDirtyFieldCheck;
    if (!AllocStatement()) return FALSE;
    COpenGuard guard(*this);
    SQLRETURN rc;
    do {
        rc = SQLColumns(m_hstmt, Argument(m_strQualifierParam), SQL_NTS, Argument(m_strOwnerParam), SQL_NTS,
                        Argument(m_strTableNameParam), SQL_NTS, nullptr, 0);
    } while (rc == SQL_STILL_EXECUTING);
    ThrowIfFailed(rc);
    OpenFirstRow();
    guard.Opened();
    return TRUE;
}

void CColumns::DoFieldExchange(CFieldExchange* pFX) {
    int nDataType = m_nDataType, nScale = m_nScale, nRadix = m_nRadix, nNullable = m_nNullable;
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Text(pFX, "table_qualifier", m_strQualifier);
    RFX_Text(pFX, "table_owner", m_strOwner);
    RFX_Text(pFX, "table_name", m_strTableName);
    RFX_Text(pFX, "column_name", m_strColumnName);
    RFX_Int(pFX, "data_type", nDataType);
    RFX_Text(pFX, "type_name", m_strTypeName);
    RFX_Long(pFX, "precision", m_nPrecision);
    RFX_Long(pFX, "length", m_nLength);
    RFX_Int(pFX, "scale", nScale);
    RFX_Int(pFX, "radix", nRadix);
    RFX_Int(pFX, "nullable", nNullable);
    m_nDataType = static_cast<short>(nDataType);
    m_nScale = static_cast<short>(nScale);
    m_nRadix = static_cast<short>(nRadix);
    m_nNullable = static_cast<short>(nNullable);
}
