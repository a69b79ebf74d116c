// The row buffers of the quotation finder and loader: one stored row of
// the Project, Summary or Detail table, read from a recordset by column
// name and stored into a job through the job's setters and the lines' own
// fields. No price rule runs: every field holds what the database held.
#pragma once

#include <functional>
#include <vector>

#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

class CConvertSet;
class CCorvDoc;
class CRecord;
class CTableStruct;

// The Project row: every column but TotalFinal.
class CProjectRow {
public:
    // How the freight rate reaches the job (the document's freight
    // operation, without repricing the lines).
    using FreightSetter = std::function<void(CCorvDoc& doc, const CString& strRate)>;

    CProjectRow();

    // Reads the current row. The seven number columns kept as text pass
    // through a number field of the Summary layout ("List", "Margin",
    // "Weight"), which fixes their decimals and turns a value too wide
    // into a row of '*'. Without a layout they stay as read.
    void Read(const CConvertSet& set, CTableStruct* pSummaryStruct);
    // Gives every value to the job's setter of its column.
    void ToDoc(CCorvDoc& doc, const FreightSetter& setFreight) const;
    // Texts empty, flags and indents 0.
    void Clear();

    // A value by column name; the name must be one of the row's columns.
    CString& Text(const char* pszColumn);
    const CString& Text(const char* pszColumn) const;
    LONG& Int(const char* pszColumn);
    LONG Int(const char* pszColumn) const;

    // "Corv: " + number, then the quote number (with its revision), the
    // version and the count, as a loaded or stored job is titled.
    CString BuildTitle() const;

    static int ColumnCount();

private:
    static int IndexOf(const char* pszColumn);

    std::vector<CString> m_texts;  // one per column; unused for the integer columns
    std::vector<LONG> m_ints;
};

// A Summary row: the 28 line fields and the four words indents.
class CSummaryRow {
public:
    static constexpr int kFields = 28;

    void Read(const CConvertSet& set);
    // Stores into a Summary record, field by field by name.
    void ToRecord(CRecord& record) const;
    void Clear();

    CString m_strField[kFields];  // in the Summary layout's order
    LONG m_nAboveIndLeft = 0;
    LONG m_nAboveIndRight = 0;
    LONG m_nBelowIndLeft = 0;
    LONG m_nBelowIndRight = 0;
};

// A Detail row: its two line numbers, the 16 line fields, the technical
// description's file data and up to 20 components.
class CDetailRow {
public:
    static constexpr int kFields = 16;
    static constexpr int kMaxComponents = 20;

    void Read(const CConvertSet& set);
    void ToRecord(CRecord& record) const;
    void Clear();

    // The zero-based indexes of the Summary line and of the Detail line the
    // row names, or -1 when its number names no line at all (0, negative).
    // A damaged row may hold any integer, the smallest one too: nothing is
    // computed from it before it is checked.
    int SummaryIndex() const { return LineIndex(m_nSumLineNo); }
    int DetailIndex() const { return LineIndex(m_nDtlLineNo); }
    static int LineIndex(LONG nLineNo) { return nLineNo >= 1 ? static_cast<int>(nLineNo - 1) : -1; }

    LONG m_nSumLineNo = 0;
    LONG m_nDtlLineNo = 0;
    CString m_strField[kFields];  // in the Detail layout's order
    CString m_strTDFileName;
    LONG m_nTDFileNo = 0;
    LONG m_nTDStyle = 0;
    LONG m_nTDNoOfComp = 0;  // at most 20
    CString m_strCompName[kMaxComponents];
    LONG m_nCompStart[kMaxComponents] = {};
    LONG m_nCompLength[kMaxComponents] = {};
};
