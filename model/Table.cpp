#include "model/Table.h"

#include <memory>

#include "framework/core/Exceptions.h"
#include "model/TableStruct.h"

IMPLEMENT_SERIAL(CTable, CObject, 1)

CTable::CTable(const CTable& other) : CObject() { *this = other; }

CTable& CTable::operator=(const CTable& other) {
    if (this == &other) return *this;
    m_pTableStruct = other.m_pTableStruct;
    RemoveAll();
    for (CObject* p : other.m_arrRecords) m_arrRecords.Add(new CRecord(*static_cast<CRecord*>(p)));
    return *this;
}

CTable::~CTable() { RemoveAll(); }

void CTable::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_arrRecords.SerializeOwned(ar, RUNTIME_CLASS(CRecord));
        ar.WriteObject(m_pTableStruct);
        return;
    }
    RemoveAll();
    m_arrRecords.SerializeOwned(ar, RUNTIME_CLASS(CRecord));
    m_pTableStruct = static_cast<CTableStruct*>(ar.ReadSharedObject(RUNTIME_CLASS(CTableStruct)));
    for (CObject* p : m_arrRecords)
        if (static_cast<CRecord*>(p)->GetTableStruct() != m_pTableStruct)
            AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
}

CRecord* CTable::GetRecord(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetSize()) AfxThrowInvalidArgException();
    return static_cast<CRecord*>(m_arrRecords.GetAt(nIndex));
}

CRecord* CTable::AddRecord(CTableStruct* pChildStruct) { return InsertRecord(GetSize(), pChildStruct); }

CRecord* CTable::InsertRecord(int nIndex, CTableStruct* pChildStruct) {
    if (nIndex < 0 || nIndex > GetSize()) AfxThrowInvalidArgException();
    auto pRecord = std::make_unique<CRecord>(m_pTableStruct, pChildStruct);
    m_arrRecords.InsertAt(nIndex, pRecord.get());
    return pRecord.release();
}

void CTable::RemoveRecord(int nIndex) {
    CRecord* pRecord = GetRecord(nIndex);
    m_arrRecords.RemoveAt(nIndex);
    delete pRecord;
}

void CTable::RemoveEmptyTail() {
    for (int i = GetSize() - 1; i >= 1 && GetRecord(i)->IsEmpty(); --i) RemoveRecord(i);
}
