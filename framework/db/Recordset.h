// CRecordset: the rows of one SELECT statement, read one after the other.
// A derived class names its columns in DoFieldExchange with the RFX_
// functions below; the recordset then selects those columns (when it is
// opened on a table name) and fills the members from each fetched row.
//
// Values are read with SQLGetData, texts as character data (long texts in
// pieces, so any length arrives whole up to the member's limit). A NULL
// value is known from the driver's indicator: the member is set to empty
// text, 0 or a zeroed timestamp, and IsFieldNull reports it.
#pragma once

#include <vector>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/db/Database.h"
#include "framework/db/Odbc.h"

class CFieldExchange;

class CRecordset : public CObject {
    DECLARE_DYNAMIC(CRecordset)
public:
    // Every open type reads forward, read-only: that is all the program needs.
    enum OpenType { dynaset = 0, snapshot = 1, forwardOnly = 2, dynamic = 3 };
    enum OpenOptions : DWORD {
        none = 0,
        appendOnly = 0x0001,
        readOnly = 0x0004,
        skipDeletedRecords = 0x0008,
        noDirtyFieldCheck = 0x0100,
        executeDirect = 0x2000
    };
    static constexpr UINT useDefaultType = 0xFFFFFFFF;

    explicit CRecordset(CDatabase* pDatabase = nullptr);
    ~CRecordset() override;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs the statement and moves to its first row. lpszSQL (or
    // GetDefaultSQL when null) is either a whole SELECT (or {CALL ...}) or a
    // table or query name, for which the statement is built from the
    // exchanged columns. m_strFilter and m_strSort add WHERE and ORDER BY.
    // FALSE when there is no open connection or no statement can be made;
    // CDBException when the driver refuses the statement.
    virtual BOOL Open(UINT nOpenType = useDefaultType, const char* lpszSQL = nullptr, DWORD dwOptions = none);
    virtual void Close();
    BOOL IsOpen() const { return m_bOpen; }

    // Both marks are set when the statement gave no row.
    BOOL IsBOF() const { return m_bBOF; }
    BOOL IsEOF() const { return m_bEOF; }
    // Fetches the next row (sets the end mark after the last).
    void MoveNext();

    virtual CString GetDefaultConnect();
    virtual CString GetDefaultSQL();
    virtual void DoFieldExchange(CFieldExchange* pFX);

    // Whether the exchanged field at that position (0-based, in exchange
    // order) was NULL in the current row.
    BOOL IsFieldNull(int nField) const;
    // The statement last sent to the driver.
    const CString& GetSQL() const { return m_strSQL; }

    CString m_strFilter;
    CString m_strSort;
    int m_nFields = 0;
    CDatabase* m_pDatabase = nullptr;
    SQLHSTMT m_hstmt = SQL_NULL_HSTMT;

protected:
    // Makes the statement handle; FALSE when none can be made.
    BOOL AllocStatement();
    // Throws CDBException for a failed call on the statement.
    void ThrowIfFailed(SQLRETURN rc) const;
    // After the statement has produced its result: fetch the first row.
    void OpenFirstRow();
    // Closes the set again when an open ends early, by a return or an
    // exception; an open that succeeds says so with Opened().
    class COpenGuard {
    public:
        explicit COpenGuard(CRecordset& set) : m_set(set) {}
        COpenGuard(const COpenGuard&) = delete;
        COpenGuard& operator=(const COpenGuard&) = delete;
        ~COpenGuard() {
            if (!m_bOpened) m_set.Close();
        }
        void Opened() { m_bOpened = true; }

    private:
        CRecordset& m_set;
        bool m_bOpened = false;
    };
    // Fetches one row into the members.
    void Fetch();

    UINT m_nOpenType = snapshot;
    DWORD m_dwOptions = none;
    UINT m_nDefaultType = snapshot;

private:
    friend class CFieldExchange;
    CString BuildSelect(const CString& strSource);

    BOOL m_bOpen = FALSE;
    BOOL m_bBOF = TRUE;
    BOOL m_bEOF = TRUE;
    CString m_strSQL;
    std::vector<bool> m_fieldNull;
};

// The exchange of the members with the columns of the current row.
class CFieldExchange {
public:
    enum Operation {
        Name,  // list the column names for the SELECT
        Fetch  // read the current row's values into the members
    };
    enum FieldType { noFieldType = -1, outputColumn = 0, param = 1 };

    CFieldExchange(Operation nOperation, CRecordset* prs) : m_nOperation(nOperation), m_prs(prs) {}
    void SetFieldType(UINT nFieldType) { m_nFieldType = nFieldType; }

    // Called by each RFX_ function: TRUE when the value is to be read (the
    // column number is then nColumn), FALSE when only its name was noted.
    bool NextColumn(const char* szName, SQLUSMALLINT& nColumn);
    // Records whether the field just read was NULL.
    void SetNull(bool bNull);

    Operation m_nOperation;
    CRecordset* m_prs;
    UINT m_nFieldType = outputColumn;
    CString m_strColumns;  // Name: the names, each followed by ","
    int m_nFields = 0;
};

// Texts: at most nMaxLength characters are kept.
void RFX_Text(CFieldExchange* pFX, const char* szName, CString& value, int nMaxLength = 255,
              int nColumnType = SQL_VARCHAR, short nScale = 0);
// Long texts: fetched as character data in pieces; at most nMaxLength
// characters are kept.
void RFX_LongText(CFieldExchange* pFX, const char* szName, CString& value, int nMaxLength);
// Long binary values: the raw bytes, at most nMaxLength of them.
void RFX_LongBinary(CFieldExchange* pFX, const char* szName, CString& value, int nMaxLength);
void RFX_Bool(CFieldExchange* pFX, const char* szName, BOOL& value);
void RFX_Byte(CFieldExchange* pFX, const char* szName, BYTE& value);
void RFX_Int(CFieldExchange* pFX, const char* szName, int& value);
void RFX_Long(CFieldExchange* pFX, const char* szName, LONG& value);
void RFX_Single(CFieldExchange* pFX, const char* szName, float& value);
void RFX_Double(CFieldExchange* pFX, const char* szName, double& value);
// Date, time and timestamp columns: the value's own fields, no time zone.
void RFX_Date(CFieldExchange* pFX, const char* szName, TIMESTAMP_STRUCT& value);
