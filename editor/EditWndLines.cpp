// The line commands of a cell editor: cut, copy, paste and insert a whole
// line through the main frame's line clipboard, and the copies of one
// Detail field into another. Each marks the job modified when it changes
// lines and tells the views through the update hints.
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "framework/core/MessageBox.h"
#include "framework/win/App.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Hint.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "workspace/Workspace.h"

namespace {
CLineClipboard& LineClipboard() { return CorvGetWorkspace().Clipboard(); }

BOOL AskBeforeDestroying(const char* pszQuestion) {
    return AfxMessageBox(pszQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Places the editor over its cell again after lines moved under it.
void RepositionInGrid(CEditWnd& edit) {
    if (edit.m_pDetailWnd)
        edit.Reposition(edit.m_pDetailWnd->GetGridRect(), edit.m_pDetailWnd->m_nVisibleRows, 0, 0);
    else
        edit.Reposition(edit.m_pView->GetClientRectLessBars(), edit.m_pView->m_nVisibleRows, 0, 0);
}

// Copies one field's text of the current Detail line into another field of
// it, whatever that field held.
void CopyDetailField(CEditWnd& edit, const char* pszFrom, const char* pszTo, CCorvDoc* pDoc) {
    CTableStruct* pLayout = edit.m_pTable->GetTableStruct();
    const int nFrom = pLayout->FindField(pszFrom);
    const int nTo = pLayout->FindField(pszTo);
    if (nFrom < 0 || nTo < 0) return;
    CRecord* pLine = edit.m_pTable->GetRecord(edit.m_nRow);
    pLine->GetField(nTo)->SetText(pLine->GetField(nFrom)->GetText());
    CHint hint(edit.m_pTable, edit.m_nCol, edit.m_nRow);
    pDoc->UpdateAllViews(nullptr, kHintDetailLineChanged, &hint);
    pDoc->SetModifiedFlag(TRUE);
}
}  // namespace

void CEditWnd::CutLine() {
    if (!IsCurrentRowValid()) return;
    if (!IsCurrentLineEmpty() && !AskBeforeDestroying(EditorMsg::kCutLineQuestion)) return;
    CCorvDoc* pDoc = GetDoc();
    int n = m_pTable->GetSize();
    const int r = m_nRow;
    if (!m_pDetailWnd) {
        // The other views close or retitle a Detail window of this line first.
        CHint hint(nullptr, m_nCol, r);
        pDoc->UpdateAllViews(m_pView, kHintLineToBeCut, &hint);
    }
    // A table never becomes empty: its only line is cleared instead.
    if (n >= 2) {
        m_pTable->RemoveRecord(r);
        --n;
    } else {
        m_pTable->GetRecord(r)->Clear();
    }
    pDoc->SetModifiedFlag(TRUE);
    CHint hint(m_pTable, m_nCol, r);
    pDoc->UpdateAllViews(nullptr, m_pDetailWnd ? kHintDetailLineDeleted : kHintLineDeleted, &hint);
    if (r == n) RepositionInGrid(*this);
}

void CEditWnd::CopyLine() {
    if (!IsCurrentRowValid()) return;
    CommitField();
    if (!IsCurrentRowValid()) return;
    if (m_pDetailWnd)
        LineClipboard().CopyRecordToDetailClip(m_pTable, m_nRow);
    else
        LineClipboard().CopyRecordToSummaryClip(m_pTable, m_nRow);
}

void CEditWnd::PasteLine() {
    if (!IsCurrentRowValid()) return;
    CommitField();
    if (!IsCurrentRowValid()) return;
    if (!IsCurrentLineEmpty() && !AskBeforeDestroying(EditorMsg::kPasteLineQuestion)) return;
    if (m_pDetailWnd)
        LineClipboard().CopyRecordFromDetailClip(m_pTable, m_nRow);
    else
        LineClipboard().CopyRecordFromSummaryClip(m_pTable, m_nRow);
    CCorvDoc* pDoc = GetDoc();
    CHint hint(m_pTable, m_nCol, m_nRow);
    pDoc->UpdateAllViews(nullptr, m_pDetailWnd ? kHintDetailLinePasted : kHintLinePasted, &hint);
    pDoc->SetModifiedFlag(TRUE);
}

void CEditWnd::InsertLine() {
    if (!IsCurrentRowValid()) return;
    m_pTable->InsertRecord(m_nRow, m_pChildLayout);
    CCorvDoc* pDoc = GetDoc();
    pDoc->SetModifiedFlag(TRUE);
    // The hint handlers move the editor down with its line.
    CHint hint(m_pTable, m_nCol, m_nRow);
    pDoc->UpdateAllViews(nullptr, m_pDetailWnd ? kHintDetailLineInserted : kHintLineInserted, &hint);
    RepositionInGrid(*this);
}

void CEditWnd::TechnicalToQuote() {
    if (!m_pDetailWnd || !IsCurrentRowValid()) return;
    CommitField();
    if (IsCurrentRowValid()) CopyDetailField(*this, "Technical Description", "QuoteDescription", GetDoc());
}

void CEditWnd::PartNumberToQuotePN() {
    if (!m_pDetailWnd || !IsCurrentRowValid()) return;
    CommitField();
    if (IsCurrentRowValid()) CopyDetailField(*this, "PartNumber", "QuotePN", GetDoc());
}
