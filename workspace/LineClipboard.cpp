#include "workspace/LineClipboard.h"

#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"

CLineClipboard::CLineClipboard()
    : m_pSummaryStruct(std::make_unique<CTableStruct>(CTableStruct::kindSummary)),
      m_pDetailStruct(std::make_unique<CTableStruct>(CTableStruct::kindDetail)),
      m_pSummaryClip(std::make_unique<CRecord>(m_pSummaryStruct.get(), m_pDetailStruct.get())),
      m_pDetailClip(std::make_unique<CRecord>(m_pDetailStruct.get())) {}

CLineClipboard::~CLineClipboard() = default;

void CLineClipboard::CopyRecordToSummaryClip(CTable* pTable, int nRow) {
    pTable->GetRecord(nRow)->CopyToClip(*m_pSummaryClip);
}

void CLineClipboard::CopyRecordFromSummaryClip(CTable* pTable, int nRow) {
    pTable->GetRecord(nRow)->PasteFromClip(*m_pSummaryClip);
}

void CLineClipboard::CopyRecordToDetailClip(CTable* pTable, int nRow) {
    pTable->GetRecord(nRow)->CopyToClip(*m_pDetailClip);
}

void CLineClipboard::CopyRecordFromDetailClip(CTable* pTable, int nRow) {
    pTable->GetRecord(nRow)->PasteFromClip(*m_pDetailClip);
}
