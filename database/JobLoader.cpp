#include "database/JobLoader.h"

#include <memory>

#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/DbMessages.h"
#include "database/StoredRowsDigest.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageBox.h"
#include "framework/db/DBException.h"
#include "model/CorvDoc.h"
#include "model/NewJobDefaults.h"
#include "model/Record.h"
#include "model/Table.h"

namespace {

const char* const kProjectSort = "CorvNumber";
const char* const kSummarySort = "CorvNumber, SumLineNo";
const char* const kDetailSort = "CorvNumber, SumLineNo, DtlLineNo";

bool IsWholeNumber(const CString& s) {
    int i = s.GetLength() > 0 && s[0] == '-' ? 1 : 0;
    if (i >= s.GetLength() || s.GetLength() > 11) return false;
    for (; i < s.GetLength(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
    }
    return true;
}

}  // namespace

CJobLoader::CJobLoader(CDatabase& db, const CObArray& arrProject, const CObArray& arrSummary,
                       const CObArray& arrDetail)
    : m_db(db), m_arrProject(arrProject), m_arrSummary(arrSummary), m_arrDetail(arrDetail) {}

CTableStruct* CJobLoader::SummaryStruct() const { return m_pDoc ? m_pDoc->m_pSummaryStruct : nullptr; }

BOOL CJobLoader::LoadJob(const CString& strNumber) {
    // The number was read from an integer column; anything else never
    // reaches the SQL text.
    const CString strFilter = "CorvNumber = " + strNumber;
    BOOL bLoaded = FALSE;
    try {
        if (!IsWholeNumber(strNumber)) {
            AfxMessageBox(DbMsg::kQuote + strNumber + DbMsg::kNotInProjectTable, MB_OK);
        } else {
            const CString strDigest = StoredRowsSeen(strNumber);
            bLoaded = LoadProject(kProjectSort, strFilter, strNumber) &&
                      LoadSummary(kSummarySort, strFilter) && LoadDetail(kDetailSort, strFilter);
            if (bLoaded && m_pDoc) m_pDoc->RememberStoredRows(strNumber, strDigest);
        }
    } catch (const CException& e) {
        AfxMessageBox(e.GetErrorMessage(), MB_ICONSTOP);
        bLoaded = FALSE;
    }
    if (!bLoaded && m_pDoc) {
        // Nothing half-loaded stays in the job.
        if (m_resetJob)
            m_resetJob(*m_pDoc);
        else
            m_pDoc->InitNewJobData(CNewJobDefaults());
        m_pDoc->SetModifiedFlag(FALSE);
    }
    return bLoaded;
}

CString CJobLoader::StoredRowsSeen(const CString& strNumber) {
    // Read before the rows: a store that ends while they are read leaves a
    // digest that no longer matches, so the job's next store asks first.
    try {
        return StoredRowsDigest(m_db, strNumber);
    } catch (CDBException&) {
        return "";  // the job then knows nothing of its stored rows
    }
}

BOOL CJobLoader::LoadProject(const CString& strSort, const CString& strFilter, const CString& strNumber) {
    std::unique_ptr<CConvertSet> pSet;  // closed and deleted however the load ends
    if (!OpenCheckedRecordSet(m_db, pSet, m_arrProject, "Project", strSort, strFilter)) return FALSE;
    if (!HasRecords(pSet.get())) {
        AfxMessageBox(DbMsg::kQuote + strNumber + DbMsg::kNotInProjectTable, MB_OK);
        return FALSE;
    }
    ReadProjectRow(pSet.get());
    ProjectToDoc();
    return TRUE;
}

BOOL CJobLoader::LoadSummary(const CString& strSort, const CString& strFilter) {
    std::unique_ptr<CConvertSet> pSet;  // closed and deleted however the load ends
    if (!OpenCheckedRecordSet(m_db, pSet, m_arrSummary, "Summary", strSort, strFilter)) return FALSE;
    if (HasRecords(pSet.get())) {
        for (int i = 0; !pSet->IsEOF(); ++i) {
            ReadSummaryRow(pSet.get());
            if (i > 0) m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
            SummaryToDoc(i);
            pSet->MoveNext();
        }
    }
    return TRUE;
}

BOOL CJobLoader::LoadDetail(const CString& strSort, const CString& strFilter) {
    std::unique_ptr<CConvertSet> pSet;  // closed and deleted however the load ends
    if (!OpenCheckedRecordSet(m_db, pSet, m_arrDetail, "Detail", strSort, strFilter)) return FALSE;
    if (HasRecords(pSet.get())) {
        while (!pSet->IsEOF()) {
            ReadDetailRow(pSet.get());
            // A line number that names no line raises the table's
            // invalid-argument error, which ends the load.
            PlaceDetailRow(*m_pDoc, m_detailRow);
            pSet->MoveNext();
        }
    }
    return TRUE;
}

void CJobLoader::ReadProjectRow(CConvertSet* pSet) { m_projectRow.Read(*pSet, SummaryStruct()); }

void CJobLoader::ProjectToDoc() { m_projectRow.ToDoc(*m_pDoc, m_setFreight); }

void CJobLoader::ReadSummaryRow(CConvertSet* pSet) { m_summaryRow.Read(*pSet); }

void CJobLoader::SummaryToDoc(int nIndex) { m_summaryRow.ToRecord(*m_pDoc->m_pTable->GetRecord(nIndex)); }

void CJobLoader::ReadDetailRow(CConvertSet* pSet) { m_detailRow.Read(*pSet); }

void CJobLoader::PlaceDetailRow(CCorvDoc& doc, const CDetailRow& row) {
    CTable* pDetails = doc.m_pTable->GetRecord(row.SummaryIndex())->GetChild();
    if (!pDetails) AfxThrowInvalidArgException();
    pDetails->AddRecord();
    row.ToRecord(*pDetails->GetRecord(row.DetailIndex()));
}

void CJobLoader::DetailToDoc(int nSummary, int nDetail) {
    CTable* pDetails = m_pDoc->m_pTable->GetRecord(nSummary)->GetChild();
    if (!pDetails) AfxThrowInvalidArgException();
    m_detailRow.ToRecord(*pDetails->GetRecord(nDetail));
}
