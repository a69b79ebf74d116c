// CJobLoader: reads one stored job - its Project row, its Summary rows and
// their Detail rows - into a new job, over an open connection, through
// read-only snapshots and in no transaction. The quotation finder runs it
// when the user presses OK.
#pragma once

#include <functional>

#include "database/JobRows.h"
#include "framework/core/ObArray.h"
#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

class CConvertSet;
class CCorvDoc;
class CDatabase;

class CJobLoader {
public:
    // The expected-column lists of the Project, Summary and Detail tables
    // stay the caller's.
    CJobLoader(CDatabase& db, const CObArray& arrProject, const CObArray& arrSummary,
               const CObArray& arrDetail);

    void SetJob(CCorvDoc* pDoc) { m_pDoc = pDoc; }

    // Loads the job numbered strNumber: Project, then Summary, then Detail,
    // each filtered by the number; a failed step ends the load. A load that
    // fails, also half-way through the rows or on an error raised while
    // they are read (reported as it arrives), leaves the job as a new job
    // again (ResetJob). TRUE when every step succeeded; the job then also
    // remembers what it loaded (CCorvDoc::RememberStoredRows).
    BOOL LoadJob(const CString& strNumber);

    // The Project row: FALSE when the table failed to open or the check,
    // or holds no row for the number ("\"<n>\" NOT in Project Table.").
    BOOL LoadProject(const CString& strSort, const CString& strFilter, const CString& strNumber);
    // Nonzero when the table was opened (with or without rows).
    BOOL LoadSummary(const CString& strSort, const CString& strFilter);
    BOOL LoadDetail(const CString& strSort, const CString& strFilter);

    void ReadProjectRow(CConvertSet* pSet);
    void ProjectToDoc();
    void ReadSummaryRow(CConvertSet* pSet);
    void SummaryToDoc(int nIndex);
    void ReadDetailRow(CConvertSet* pSet);
    void DetailToDoc(int nSummary, int nDetail);
    // Puts a Detail row into the job: a new Detail line under the Summary
    // line the row names, then the row into the Detail line it names. A
    // number that names no line raises the invalid-argument error.
    static void PlaceDetailRow(CCorvDoc& doc, const CDetailRow& row);

    // The freight rate goes to the job through the document's freight
    // operation without repricing; a failed load puts the job back to a
    // new job. The window layer sets both (the document's window half
    // holds those operations).
    CProjectRow::FreightSetter m_setFreight;
    std::function<void(CCorvDoc& doc)> m_resetJob;

    CProjectRow m_projectRow;
    CSummaryRow m_summaryRow;
    CDetailRow m_detailRow;

private:
    CTableStruct* SummaryStruct() const;
    // The digest of the job's stored rows, which a loaded job remembers;
    // "" when they cannot be read.
    CString StoredRowsSeen(const CString& strNumber);

    CDatabase& m_db;
    const CObArray& m_arrProject;
    const CObArray& m_arrSummary;
    const CObArray& m_arrDetail;
    CCorvDoc* m_pDoc = nullptr;
};
