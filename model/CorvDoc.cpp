#include "model/CorvDoc.h"

#include "framework/core/MessageBox.h"
#include "model/ModelMessages.h"
#include "model/Table.h"
#include "model/TableStruct.h"

IMPLEMENT_DYNCREATE(CCorvDoc, CDocument)

CCorvDoc::CCorvDoc() = default;

CCorvDoc::~CCorvDoc() { DeleteLines(); }

void CCorvDoc::DeleteLines() {
    // The records point to the layouts, so the table goes first.
    delete m_pTable;
    m_pTable = nullptr;
    delete m_pSummaryStruct;
    m_pSummaryStruct = nullptr;
    delete m_pDetailStruct;
    m_pDetailStruct = nullptr;
}

void CCorvDoc::SetModifiedFlag(BOOL bModified) {
    CDocument::SetModifiedFlag(bModified);
    if (bModified) m_bChangedSinceStore = TRUE;
}

BOOL CCorvDoc::OnOpenDocument(const char* lpszPathName) {
    // Only a file of the current format sets the flag again; an empty file is
    // not read at all and so stays refused.
    m_bLoadedOk = FALSE;
    if (!CDocument::OnOpenDocument(lpszPathName)) return FALSE;
    if (!m_bLoadedOk) {
        AfxMessageBox(CString(ModelMsg::kCanNotOpen) + lpszPathName + ModelMsg::kNotCurrentJobFile, MB_OK);
        return FALSE;
    }
    return TRUE;
}
