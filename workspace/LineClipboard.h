// CLineClipboard: the clipboard into which Copy Line and Paste Line copy
// whole Summary or Detail lines. There is one for the whole program, so a
// line copied in one job can be pasted into another.
#pragma once

#include <memory>

class CRecord;
class CTable;
class CTableStruct;

class CLineClipboard {
public:
    CLineClipboard();
    ~CLineClipboard();
    CLineClipboard(const CLineClipboard&) = delete;
    CLineClipboard& operator=(const CLineClipboard&) = delete;

    // Copy line `nRow` of the table into the clipboard of its kind, or the
    // clipboard's line over it. The row must exist.
    void CopyRecordToSummaryClip(CTable* pTable, int nRow);
    void CopyRecordFromSummaryClip(CTable* pTable, int nRow);
    void CopyRecordToDetailClip(CTable* pTable, int nRow);
    void CopyRecordFromDetailClip(CTable* pTable, int nRow);

    // The clipped lines; a Summary line carries its Detail lines in its
    // child table.
    CRecord* SummaryClip() const { return m_pSummaryClip.get(); }
    CRecord* DetailClip() const { return m_pDetailClip.get(); }
    CTableStruct* SummaryStruct() const { return m_pSummaryStruct.get(); }
    CTableStruct* DetailStruct() const { return m_pDetailStruct.get(); }

private:
    // The layouts come first: the clipped lines refer to them.
    std::unique_ptr<CTableStruct> m_pSummaryStruct;
    std::unique_ptr<CTableStruct> m_pDetailStruct;
    std::unique_ptr<CRecord> m_pSummaryClip;
    std::unique_ptr<CRecord> m_pDetailClip;
};
