// CTable: the ordered lines (records) that share one layout. The table owns
// its records; the layout is shared.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "model/Record.h"

class CTableStruct;

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

private:
    CTableStruct* m_pTableStruct = nullptr;  // shared
    CObArray m_arrRecords;                   // of CRecord, owned
};
