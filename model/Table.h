// CTable: the ordered lines (records) that share one layout. The table owns
// its records; the layout is shared.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "model/Record.h"

class CTableStruct;
#ifdef _WIN32
#include <windows.h>
class CDC;
class CFont;
#endif

class CTable : public CObject {
    DECLARE_SERIAL(CTable)
public:
    // An empty table with no layout, filled when an archive is read.
    CTable() = default;
    // An empty table on a layout.
    explicit CTable(CTableStruct* pTableStruct) : m_pTableStruct(pTableStruct) {}
    // Same layout, copies of every record.
    CTable(const CTable& other);
    CTable& operator=(const CTable& other);
    ~CTable() override;

    // Records (object array), then the layout (object reference). Reading
    // refuses records that are not on the table's layout.
    void Serialize(CArchive& ar) override;

    CTableStruct* GetTableStruct() const { return m_pTableStruct; }
    // Number of records.
    int GetSize() const { return m_arrRecords.GetSize(); }

    // The record at an index; any other index raises CInvalidArgException.
    CRecord* GetRecord(int nIndex) const;
    // A new record on the table's layout, with an empty child table on
    // pChildStruct when one is given, appended or inserted before nIndex
    // (0 to the count; another index raises CInvalidArgException).
    CRecord* AddRecord(CTableStruct* pChildStruct = nullptr);
    CRecord* InsertRecord(int nIndex, CTableStruct* pChildStruct = nullptr);
    // Deletes the record at an index; another index raises CInvalidArgException.
    void RemoveRecord(int nIndex);
    void RemoveAll() { m_arrRecords.DeleteAll(); }
    // Deletes empty records from the end, never the first record.
    void RemoveEmptyTail();

#ifdef _WIN32
    // Paints the part of the table that a grid window shows: the field
    // names as headings in the row at nTop, the line numbers left of
    // nXStart, the ruling and the text of every visible cell, columns
    // nFirstCol to nColEnd - 1 from line nFirstLine on. Only what meets the
    // DC's clip box is drawn. (Win32 tree only: model/TableDraw.cpp.)
    void Draw(CDC* pDC, CFont* pFont, COLORREF crText, RECT rcArea, const int* pWidths, int nXStart,
              int nRowHeight, int nColEnd, int nVisibleRows, int nTop, int nCellMargin, int nTextOffset,
              int nFirstCol, int nFirstLine) const;
#endif

private:
    CTableStruct* m_pTableStruct = nullptr;  // shared
    CObArray m_arrRecords;                   // of CRecord, owned
};
