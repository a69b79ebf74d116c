// The RFX_ functions: each names one column for the SELECT list, or reads
// the column's value of the current row into its member.
#include <algorithm>
#include <string>

#include "framework/db/DBException.h"
#include "framework/db/Recordset.h"

namespace {

// Reads a fixed-size value; true when it was NULL.
template <class T>
bool GetFixed(CFieldExchange* pFX, SQLUSMALLINT nColumn, SQLSMALLINT nCType, T& value) {
    SQLLEN nIndicator = 0;
    SQLRETURN rc = SQLGetData(pFX->m_prs->m_hstmt, nColumn, nCType, &value, sizeof(T), &nIndicator);
    if (!OdbcSucceeded(rc)) AfxThrowDBException(rc, SQL_HANDLE_STMT, pFX->m_prs->m_hstmt);
    return nIndicator == SQL_NULL_DATA;
}

// Reads character or binary data piece by piece, keeping at most nMaxLength
// bytes; true when it was NULL.
bool GetPieces(CFieldExchange* pFX, SQLUSMALLINT nColumn, SQLSMALLINT nCType, int nMaxLength,
               CString& value) {
    const bool bChars = nCType == SQL_C_CHAR;
    char buffer[8192];
    // Character data ends with a terminating zero in each piece.
    const SQLLEN nPiece = static_cast<SQLLEN>(sizeof(buffer)) - (bChars ? 1 : 0);
    const size_t nLimit = nMaxLength > 0 ? static_cast<size_t>(nMaxLength) : 0;
    std::string text;
    for (;;) {
        SQLLEN nIndicator = 0;
        SQLRETURN rc = SQLGetData(pFX->m_prs->m_hstmt, nColumn, nCType, buffer, sizeof(buffer), &nIndicator);
        if (rc == SQL_NO_DATA) break;
        if (!OdbcSucceeded(rc)) AfxThrowDBException(rc, SQL_HANDLE_STMT, pFX->m_prs->m_hstmt);
        if (nIndicator == SQL_NULL_DATA) {
            value.Empty();
            return true;
        }
        bool bLast = nIndicator != SQL_NO_TOTAL && nIndicator <= nPiece;
        size_t nGot = bLast ? static_cast<size_t>(nIndicator) : static_cast<size_t>(nPiece);
        if (text.size() < nLimit) text.append(buffer, std::min(nGot, nLimit - text.size()));
        if (bLast || rc == SQL_SUCCESS || text.size() >= nLimit)
            break;  // the rest of a longer value is dropped with the next column
    }
    value = CString(std::move(text));
    return false;
}

void ExchangePieces(CFieldExchange* pFX, const char* szName, SQLSMALLINT nCType, int nMaxLength,
                    CString& value) {
    SQLUSMALLINT nColumn = 0;
    if (pFX->NextColumn(szName, nColumn)) pFX->SetNull(GetPieces(pFX, nColumn, nCType, nMaxLength, value));
}

// Reads a fixed-size value as the C type nCType into a scratch of type
// Scratch and hands it to the member (a zeroed member for NULL). True when
// the column was read, false when only its name was noted.
template <class Scratch, class Member>
bool ExchangeFixed(CFieldExchange* pFX, const char* szName, SQLSMALLINT nCType, Member& value) {
    SQLUSMALLINT nColumn = 0;
    if (!pFX->NextColumn(szName, nColumn)) return false;
    Scratch scratch{};
    bool bNull = GetFixed(pFX, nColumn, nCType, scratch);
    value = bNull ? Member{} : static_cast<Member>(scratch);
    pFX->SetNull(bNull);
    return true;
}

}  // namespace

void RFX_Text(CFieldExchange* pFX, const char* szName, CString& value, int nMaxLength, int, short) {
    ExchangePieces(pFX, szName, SQL_C_CHAR, nMaxLength, value);
}

void RFX_LongText(CFieldExchange* pFX, const char* szName, CString& value, int nMaxLength) {
    ExchangePieces(pFX, szName, SQL_C_CHAR, nMaxLength, value);
}

void RFX_LongBinary(CFieldExchange* pFX, const char* szName, CString& value, int nMaxLength) {
    ExchangePieces(pFX, szName, SQL_C_BINARY, nMaxLength, value);
}

void RFX_Bool(CFieldExchange* pFX, const char* szName, BOOL& value) {
    if (ExchangeFixed<unsigned char>(pFX, szName, SQL_C_BIT, value)) value = value != 0 ? TRUE : FALSE;
}

void RFX_Byte(CFieldExchange* pFX, const char* szName, BYTE& value) {
    ExchangeFixed<unsigned char>(pFX, szName, SQL_C_UTINYINT, value);
}

void RFX_Int(CFieldExchange* pFX, const char* szName, int& value) {
    ExchangeFixed<SQLINTEGER>(pFX, szName, SQL_C_SLONG, value);
}

void RFX_Long(CFieldExchange* pFX, const char* szName, LONG& value) {
    ExchangeFixed<SQLINTEGER>(pFX, szName, SQL_C_SLONG, value);
}

void RFX_Single(CFieldExchange* pFX, const char* szName, float& value) {
    ExchangeFixed<float>(pFX, szName, SQL_C_FLOAT, value);
}

void RFX_Double(CFieldExchange* pFX, const char* szName, double& value) {
    ExchangeFixed<double>(pFX, szName, SQL_C_DOUBLE, value);
}

void RFX_Date(CFieldExchange* pFX, const char* szName, TIMESTAMP_STRUCT& value) {
    ExchangeFixed<TIMESTAMP_STRUCT>(pFX, szName, SQL_C_TYPE_TIMESTAMP, value);
}
