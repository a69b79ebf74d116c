// CSqlInsert: builds one INSERT statement with the table's explicit column
// list from the schema. Each value is given with its column's name, which
// must be the table's next column, so no value can land in another column.
// The literal forms are CSndTo's; dates and bits take the engine's forms.
#pragma once

#include "database/DbEngine.h"
#include "database/Schema.h"
#include "framework/core/String.h"

// A row's statement whose first value, the job number, is put in when it
// runs: a job's rows are built (and their values checked) before its number
// is drawn.
struct CRowStatement {
    CString strHead;  // up to and including "VALUES ("
    CString strTail;  // from the second value to the closing ")"
    CString Text(const CString& strKey) const { return strHead + strKey + strTail; }
};

class CSqlInsert {
public:
    CSqlInsert(DbTable table, const CDbEngine& engine);

    // The first column, whose value FinishRow leaves to the caller.
    void Key(const char* pszColumn);
    // Every value: a text holding a NUL character raises CSqlValueException.
    // Text form (NULL when blank).
    void Text(const char* pszColumn, const CString& strValue);
    // Number form; CSqlValueException when the text is not a number.
    void Number(const char* pszColumn, const CString& strValue);
    // A date text in the engine's date form, then the text form.
    void Date(const char* pszColumn, const CString& strValue);
    // 1 or 0, quoted where the engine's bits need it.
    void Bit(const char* pszColumn, bool bSet);

    // The finished statement; every column must have had its value.
    CString Finish();
    // The same for a statement begun with Key.
    CRowStatement FinishRow();

private:
    // Checks that the column is the next one; TRUE for its not-first flag.
    BOOL Next(const char* pszColumn);
    void CheckComplete() const;
    void RefuseNul(const char* pszColumn, const CString& strValue) const;

    DbTable m_table;
    const CDbEngine& m_engine;
    const CSchemaColumn* m_pColumns;
    int m_nCount = 0;
    int m_nNext = 0;
    int m_nKeyAt = -1;
    CString m_strSQL;
};
