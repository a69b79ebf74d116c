#include "database/DbEngine.h"

#include <cctype>
#include <cstdio>

#include "database/Schema.h"
#include "framework/db/Database.h"
#include "framework/db/Odbc.h"

namespace {

// The widths the engines report for the types of the shipped schemas.
constexpr int kDecimalWidth = 19;
constexpr int kFloatWidth = 15;
constexpr int kTimestampWidth = 16;
constexpr int kSqliteFloatWidth = 15;        // float(15)
constexpr int kSqliteDecimalWidth = 19;      // numeric(19)
constexpr int kPostgresFloatWidth = 17;      // double precision
constexpr int kPostgresTimestampWidth = 19;  // timestamp(0)

bool ContainsNoCase(const CString& strText, const char* pszWord) {
    CString strUpper(strText);
    strUpper.MakeUpper();
    CString strWord(pszWord);
    strWord.MakeUpper();
    return strUpper.Find(strWord) >= 0;
}

bool AllDigits(const CString& s) {
    if (s.IsEmpty()) return false;
    for (int i = 0; i < s.GetLength(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    }
    return true;
}

}  // namespace

CDbEngine::CDbEngine(const CDatabase& db) : m_kind(KindOf(db.GetDBMSName())) {}

DbEngineKind CDbEngine::KindOf(const CString& strDBMSName) {
    if (ContainsNoCase(strDBMSName, "SQLite")) return DbEngineKind::SQLite;
    if (ContainsNoCase(strDBMSName, "PostgreSQL")) return DbEngineKind::PostgreSQL;
    return DbEngineKind::Other;
}

CString CDbEngine::IdentitySql() const {
    switch (m_kind) {
        case DbEngineKind::SQLite:
            return "SELECT last_insert_rowid() AS Identity";
        case DbEngineKind::PostgreSQL:
            return "SELECT lastval() AS Identity";
        case DbEngineKind::Other:
            break;
    }
    return "SELECT @@IDENTITY AS 'Identity'";
}

CString CDbEngine::CatalogTableName(const CString& strTable) const {
    CString strName(strTable);
    if (m_kind == DbEngineKind::PostgreSQL) strName.MakeLower();  // unquoted names are folded
    return strName;
}

void CDbEngine::MapCatalogColumn(CString& strName, int& nSqlType, int& nWidth) const {
    // An ODBC 3 environment reports dates and times with the newer codes.
    if (nSqlType == SQL_TYPE_DATE)
        nSqlType = SQL_DATE;
    else if (nSqlType == SQL_TYPE_TIME)
        nSqlType = SQL_TIME;
    else if (nSqlType == SQL_TYPE_TIMESTAMP)
        nSqlType = SQL_TIMESTAMP;

    if (m_kind == DbEngineKind::Other) return;

    // Both drivers report single-byte text; the schema counts in characters either way.
    if (nSqlType == SQL_VARCHAR)
        nSqlType = SQL_WVARCHAR;
    else if (nSqlType == SQL_LONGVARCHAR)
        nSqlType = SQL_WLONGVARCHAR;

    if (m_kind == DbEngineKind::SQLite) {
        // No decimal or float codes: the declared sizes tell them apart.
        if (nSqlType == SQL_DOUBLE && nWidth == kSqliteDecimalWidth) {
            nSqlType = SQL_DECIMAL;
            nWidth = kDecimalWidth;
        } else if (nSqlType == SQL_DOUBLE && nWidth == kSqliteFloatWidth) {
            nSqlType = SQL_FLOAT;
            nWidth = kFloatWidth;
        }
        return;
    }

    // PostgreSQL.
    if (const char* pszCanonical = SchemaCanonicalName(strName)) {
        CString strLower(strName);
        strLower.MakeLower();
        if (strLower == strName) strName = pszCanonical;  // folded by the server: the schema's spelling
    }
    if (nSqlType == SQL_NUMERIC && nWidth == kDecimalWidth) {
        nSqlType = SQL_DECIMAL;
    } else if ((nSqlType == SQL_FLOAT || nSqlType == SQL_DOUBLE) && nWidth == kPostgresFloatWidth) {
        nSqlType = SQL_FLOAT;
        nWidth = kFloatWidth;
    } else if (nSqlType == SQL_TIMESTAMP && nWidth == kPostgresTimestampWidth) {
        nWidth = kTimestampWidth;
    }
}

CString CDbEngine::DateValue(const CString& strDate) const {
    if (m_kind != DbEngineKind::SQLite) return strDate;
    // SQLite keeps dates as text: ISO order compares and converts correctly.
    CString strTrimmed(strDate);
    strTrimmed.TrimRight();
    if (strTrimmed.GetLength() != 10 || strTrimmed[2] != '/' || strTrimmed[5] != '/') return strDate;
    CString strMonth = strTrimmed.Left(2), strDay = strTrimmed.Mid(3, 2), strYear = strTrimmed.Mid(6, 4);
    if (!AllDigits(strMonth) || !AllDigits(strDay) || !AllDigits(strYear)) return strDate;
    return strYear + "-" + strMonth + "-" + strDay;
}

CString CDbEngine::TimestampValue(const std::tm& when) const {
    char szText[64];
    if (m_kind == DbEngineKind::SQLite)
        std::strftime(szText, sizeof(szText), "%Y-%m-%d %H:%M:%S", &when);
    else
        std::strftime(szText, sizeof(szText), "%m/%d/%Y %H:%M:%S", &when);
    return szText;
}

const char* CDbEngine::ContainsOperator() const {
    return m_kind == DbEngineKind::PostgreSQL ? " ILIKE " : " LIKE ";
}
