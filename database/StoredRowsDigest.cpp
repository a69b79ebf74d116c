#include "database/StoredRowsDigest.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "framework/db/Database.h"
#include "framework/db/Recordset.h"

namespace {

// Every column of every row of a whole SELECT, read as text.
class CAllColumnsSet : public CRecordset {
public:
    explicit CAllColumnsSet(CDatabase* pDb) : CRecordset(pDb) {}
    void DoFieldExchange(CFieldExchange* pFX) override {
        if (m_nColumns < 0) {
            SQLSMALLINT nColumns = 0;
            ThrowIfFailed(SQLNumResultCols(m_hstmt, &nColumns));
            m_nColumns = nColumns;
            m_values.resize(static_cast<size_t>(m_nColumns));
        }
        for (CString& strValue : m_values) RFX_LongText(pFX, "", strValue, INT_MAX);
    }
    int m_nColumns = -1;
    std::vector<CString> m_values;
};

// 64-bit FNV-1a over the rows, each value framed by its length so that no
// two different rows run together into the same bytes.
class CDigest {
public:
    void Add(const char* p, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            m_nHash ^= static_cast<unsigned char>(p[i]);
            m_nHash *= 1099511628211ULL;
        }
        m_nBytes += n;
    }
    void AddValue(bool bNull, const CString& strValue) {
        char szFrame[32];
        const int n = bNull ? std::snprintf(szFrame, sizeof(szFrame), "N;")
                            : std::snprintf(szFrame, sizeof(szFrame), "%d:", strValue.GetLength());
        Add(szFrame, static_cast<size_t>(n));
        if (!bNull) Add(strValue.GetString(), static_cast<size_t>(strValue.GetLength()));
    }
    CString Text() const {
        char szText[64];
        std::snprintf(szText, sizeof(szText), "%016llx-%llu", static_cast<unsigned long long>(m_nHash),
                      static_cast<unsigned long long>(m_nBytes));
        return szText;
    }

private:
    uint64_t m_nHash = 14695981039346656037ULL;
    uint64_t m_nBytes = 0;
};

void AddRows(CDatabase& db, const CString& strSQL, CDigest& digest) {
    CAllColumnsSet set(&db);
    set.Open(CRecordset::forwardOnly, strSQL, CRecordset::readOnly);
    int nRows = 0;
    for (; !set.IsEOF(); set.MoveNext(), ++nRows) {
        for (int i = 0; i < set.m_nColumns; ++i)
            digest.AddValue(set.IsFieldNull(i) != FALSE, set.m_values[static_cast<size_t>(i)]);
    }
    // A table ends with its row count, so rows cannot move to another table.
    char szEnd[32];
    const int n = std::snprintf(szEnd, sizeof(szEnd), "#%d;", nRows);
    digest.Add(szEnd, static_cast<size_t>(n));
    set.Close();
}

}  // namespace

CString StoredRowsDigest(CDatabase& db, const CString& strNumber) {
    const CString strWhere = " WHERE CorvNumber = " + strNumber;
    CDigest digest;
    AddRows(db, "SELECT * FROM Project" + strWhere, digest);
    AddRows(db, "SELECT * FROM Summary" + strWhere + " ORDER BY SumLineNo", digest);
    AddRows(db, "SELECT * FROM Detail" + strWhere + " ORDER BY SumLineNo, DtlLineNo", digest);
    return digest.Text();
}
