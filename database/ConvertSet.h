// CConvertSet: a read-only recordset over any table or query of the
// quotation database. Its columns are learnt at run time from the catalog
// (LoadColumns, before the open), each bound by its ODBC SQL type, and the
// values of the current row are handed out by column name as text or as
// numbers. A NULL value reads as empty text or 0.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/StringArray.h"
#include "framework/db/Recordset.h"

class CConvertSet : public CRecordset {
    DECLARE_DYNAMIC(CConvertSet)
public:
    // The most columns a set takes; further columns of a wider table are
    // left out (not listed, not selected).
    static constexpr int kMaxColumns = 150;
    // Texts are read up to 255 characters, long texts up to 32000.
    static constexpr int kMaxText = 255;
    static constexpr int kMaxMemoText = 32000;

    explicit CConvertSet(CDatabase* pDatabase);
    ~CConvertSet() override;

    // Lists the columns of the table or query (the name acts as a catalog
    // search pattern) and prepares their names, widths, types and buffers.
    // The catalog's names, types and widths pass through the engine's
    // mapping first. CDBException when the catalog call fails.
    void LoadColumns(const CString& strTable);

    CString GetDefaultSQL() override { return ""; }
    void DoFieldExchange(CFieldExchange* pFX) override;

    // Values of the current row by exact column name (first match). A name
    // the set lacks, or a column without a buffer, gives "" or 0.
    CString GetText(const char* pszColumn) const;
    CString GetMemoText(const char* pszColumn) const;
    CString GetDoubleText(const char* pszColumn, int nDecimals) const;
    CString GetIntegerText(const char* pszColumn) const;
    LONG GetLong(const char* pszColumn) const;
    BOOL GetBool(const char* pszColumn) const;
    // "MM/DD/YYYY" from the value's own date; empty for NULL or a year
    // before 1970.
    CString GetDateText(const char* pszColumn) const;

    // Per column, in catalog order.
    int GetColumnCount() const { return m_arrNames.GetSize(); }
    CStringArray m_arrNames;
    std::vector<int> m_arrWidths;
    std::vector<int> m_arrTypes;

    // The value buffer of one column.
    struct Value;

private:
    const Value* Find(const char* pszColumn) const;

    std::vector<std::unique_ptr<Value>> m_values;  // null for a column without a binding
};
