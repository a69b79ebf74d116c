// The job file: the identification text, the grids' font and colour, the
// header fields in declaration order, the reserve fields, then the two
// layouts and the table of Summary lines as archived objects.
#include <memory>

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"

namespace {
// A job's table must be the Summary lines on the file's Summary layout,
// each owning its Detail lines on the Detail layout; the editor, the
// reports and the database writer count on exactly that shape.
bool IsJobShape(const CTable& table, const CTableStruct* pSummary, const CTableStruct* pDetail) {
    if (table.GetTableStruct() != pSummary) return false;
    for (int i = 0; i < table.GetSize(); ++i) {
        const CRecord* pLine = table.GetRecord(i);
        const CTable* pDetails = pLine->GetChild();
        if (pLine->GetTableStruct() != pSummary || !pDetails || pDetails->GetTableStruct() != pDetail)
            return false;
        for (int j = 0; j < pDetails->GetSize(); ++j) {
            const CRecord* pDetailLine = pDetails->GetRecord(j);
            if (pDetailLine->GetTableStruct() != pDetail || pDetailLine->GetChild()) return false;
        }
    }
    return true;
}
}  // namespace

void CCorvDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        WriteJob(ar);
    else
        ReadJob(ar);
}

void CCorvDoc::WriteJob(CArchive& ar) {
    m_strFileIdent = kJobFileIdent;
    ar << m_strFileIdent;

    ar << m_lfFont.lfHeight << m_lfFont.lfWidth << m_lfFont.lfEscapement << m_lfFont.lfOrientation
       << m_lfFont.lfWeight;
    ar << m_lfFont.lfItalic << m_lfFont.lfUnderline << m_lfFont.lfStrikeOut << m_lfFont.lfCharSet
       << m_lfFont.lfOutPrecision << m_lfFont.lfClipPrecision << m_lfFont.lfQuality
       << m_lfFont.lfPitchAndFamily;
    ar.Write(m_lfFont.lfFaceName, sizeof(m_lfFont.lfFaceName));  // all bytes, as held
    ar << m_crFontColor;

#define CORV_WRITE_TEXT(name, width) ar << m_str##name;
    CORV_HEADER_TEXTS_FIRST(CORV_WRITE_TEXT, CORV_WRITE_TEXT, CORV_WRITE_TEXT)
    ar << m_nQuoteCount;
    CORV_HEADER_TEXTS_MIDDLE(CORV_WRITE_TEXT, CORV_WRITE_TEXT, CORV_WRITE_TEXT)
    ar << m_nIntroIndLeft << m_nIntroIndRight << m_strIntro;
    ar << m_nQNotesIndLeft << m_nQNotesIndRight << m_strQNotes;
    ar << m_nTermsIndLeft << m_nTermsIndRight << m_strTerms;
    CORV_HEADER_TEXTS_LAST(CORV_WRITE_TEXT, CORV_WRITE_TEXT, CORV_WRITE_TEXT)
#undef CORV_WRITE_TEXT

    for (const CString& s : m_strSpare) ar << s;
    for (double d : m_dSpare) ar << d;
    for (int n : m_nSpare) ar << n;

    ar.WriteObject(m_pSummaryStruct);
    ar.WriteObject(m_pDetailStruct);
    ar.WriteOwnedObject(m_pTable);
}

void CCorvDoc::ReadJob(CArchive& ar) {
    m_strFileIdent = kJobFileIdent;
    m_bLoadedOk = TRUE;
    ar >> m_strFileIdent;
    if (m_strFileIdent != kJobFileIdent) {
        // Another program's file or another version: read nothing more.
        m_bLoadedOk = FALSE;
        return;
    }

    ar >> m_lfFont.lfHeight >> m_lfFont.lfWidth >> m_lfFont.lfEscapement >> m_lfFont.lfOrientation >>
        m_lfFont.lfWeight;
    ar >> m_lfFont.lfItalic >> m_lfFont.lfUnderline >> m_lfFont.lfStrikeOut >> m_lfFont.lfCharSet >>
        m_lfFont.lfOutPrecision >> m_lfFont.lfClipPrecision >> m_lfFont.lfQuality >>
        m_lfFont.lfPitchAndFamily;
    ar.ReadExact(m_lfFont.lfFaceName, sizeof(m_lfFont.lfFaceName));
    ar >> m_crFontColor;

#define CORV_READ_TEXT(name, width) ar >> m_str##name;
    CORV_HEADER_TEXTS_FIRST(CORV_READ_TEXT, CORV_READ_TEXT, CORV_READ_TEXT)
    ar >> m_nQuoteCount;
    CORV_HEADER_TEXTS_MIDDLE(CORV_READ_TEXT, CORV_READ_TEXT, CORV_READ_TEXT)
    ar >> m_nIntroIndLeft >> m_nIntroIndRight >> m_strIntro;
    ar >> m_nQNotesIndLeft >> m_nQNotesIndRight >> m_strQNotes;
    ar >> m_nTermsIndLeft >> m_nTermsIndRight >> m_strTerms;
    CORV_HEADER_TEXTS_LAST(CORV_READ_TEXT, CORV_READ_TEXT, CORV_READ_TEXT)
#undef CORV_READ_TEXT

    for (CString& s : m_strSpare) ar >> s;
    for (double& d : m_dSpare) ar >> d;
    for (int& n : m_nSpare) ar >> n;

    // The objects are held here until all three are read and fit together,
    // so a damaged file leaves no half-built lines in the job.
    std::unique_ptr<CTableStruct> pSummary(
        static_cast<CTableStruct*>(ar.ReadOwnedObject(RUNTIME_CLASS(CTableStruct))));
    std::unique_ptr<CTableStruct> pDetail(
        static_cast<CTableStruct*>(ar.ReadOwnedObject(RUNTIME_CLASS(CTableStruct))));
    std::unique_ptr<CTable> pTable(static_cast<CTable*>(ar.ReadOwnedObject(RUNTIME_CLASS(CTable))));
    if (!IsJobShape(*pTable, pSummary.get(), pDetail.get()))
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);

    DeleteLines();
    m_pTable = pTable.release();
    m_pSummaryStruct = pSummary.release();
    m_pDetailStruct = pDetail.release();
}
