// The job view's Edit, View and Options commands: the text commands and the
// line commands go to the active editor (the Detail window's while that
// window is visible, else the Summary editor) and do nothing while it is
// hidden; Font, Arrow Control and Delete Bottom Blanks are the view's own.
#include "editor/CorvScrollBar.h"
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "editor/GridGeometry.h"
#include "framework/core/CmdTarget.h"
#include "framework/core/MessageBox.h"
#include "framework/win/FontDialog.h"
#include "model/CorvDoc.h"
#include "model/Hint.h"
#include "model/Table.h"

namespace {
BOOL IsShown(const CEditWnd* pEdit) { return pEdit && pEdit->m_hWnd && pEdit->IsWindowVisible(); }
}  // namespace

CEditWnd* CCorvView::GetActiveEditor() const {
    if (IsDetailVisible()) return m_pDetailWnd->m_pEditWnd.get();
    return m_pEditWnd.get();
}

// ---- Text of the current cell -------------------------------------------

void CCorvView::OnEditUndo() {
    CEditWnd* pEdit = GetActiveEditor();
    if (IsShown(pEdit)) pEdit->SendMessage(WM_UNDO);
}

void CCorvView::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    CEditWnd* pEdit = GetActiveEditor();
    pCmdUI->Enable(IsShown(pEdit) && pEdit->SendMessage(EM_CANUNDO) != 0);
}

void CCorvView::OnEditCut() {
    CEditWnd* pEdit = GetActiveEditor();
    if (IsShown(pEdit)) pEdit->SendMessage(WM_CUT);
}

void CCorvView::OnEditCopy() {
    CEditWnd* pEdit = GetActiveEditor();
    if (IsShown(pEdit)) pEdit->SendMessage(WM_COPY);
}

void CCorvView::OnUpdateEditCutCopy(CCmdUI* pCmdUI) {
    CEditWnd* pEdit = GetActiveEditor();
    BOOL bSelection = FALSE;
    if (IsShown(pEdit)) {
        DWORD dwStart = 0, dwEnd = 0;
        pEdit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        bSelection = dwStart != dwEnd;
    }
    pCmdUI->Enable(bSelection);
}

void CCorvView::OnEditPaste() {
    CEditWnd* pEdit = GetActiveEditor();
    if (IsShown(pEdit)) pEdit->SendMessage(WM_PASTE);
}

void CCorvView::OnUpdateEditPaste(CCmdUI* pCmdUI) {
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT));
}

// ---- Whole lines ---------------------------------------------------------

void CCorvView::OnEditCutLine() {
    CEditWnd* pEdit = GetActiveEditor();
    if (!IsShown(pEdit)) return;
    pEdit->CopyLine();
    pEdit->CutLine();
}

void CCorvView::OnEditCopyLine() {
    CEditWnd* pEdit = GetActiveEditor();
    if (IsShown(pEdit)) pEdit->CopyLine();
}

void CCorvView::OnEditPasteLine() {
    CEditWnd* pEdit = GetActiveEditor();
    if (IsShown(pEdit)) pEdit->PasteLine();
}

void CCorvView::OnEditInsertLine() {
    CEditWnd* pEdit = GetActiveEditor();
    if (IsShown(pEdit)) pEdit->InsertLine();
}

void CCorvView::OnUpdateActiveEditor(CCmdUI* pCmdUI) { pCmdUI->Enable(IsShown(GetActiveEditor())); }

// ---- Detail-line commands --------------------------------------------------

void CCorvView::OnViewSelect() {
    if (IsDetailVisible() && IsShown(m_pDetailWnd->m_pEditWnd.get()))
        m_pDetailWnd->m_pEditWnd->OnSelectionDialog(TRUE);
}

void CCorvView::OnViewFindPartNumber() {
    if (IsDetailVisible() && IsShown(m_pDetailWnd->m_pEditWnd.get()))
        m_pDetailWnd->m_pEditWnd->OnFindPartNumber();
}

void CCorvView::OnEditTechToQuote() {
    if (IsDetailVisible() && IsShown(m_pDetailWnd->m_pEditWnd.get()))
        m_pDetailWnd->m_pEditWnd->TechnicalToQuote();
}

void CCorvView::OnEditPNToQuotePN() {
    if (IsDetailVisible() && IsShown(m_pDetailWnd->m_pEditWnd.get()))
        m_pDetailWnd->m_pEditWnd->PartNumberToQuotePN();
}

void CCorvView::OnUpdateDetailEditor(CCmdUI* pCmdUI) {
    pCmdUI->Enable(IsDetailVisible() && IsShown(m_pDetailWnd->m_pEditWnd.get()));
}

// ---- The view's own commands ---------------------------------------------

void CCorvView::OnFont() {
    CCorvDoc* pDoc = GetDocument();
    if (!pDoc) return;
    const LOGFONT lf = pDoc->m_lfFont;
    CFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS);
    dlg.m_cf.rgbColors = pDoc->m_crFontColor;
    if (dlg.DoModal() != IDOK) return;
    LOGFONT lfChosen;
    dlg.GetCurrentFont(&lfChosen);
    pDoc->SetFont(lfChosen);
    pDoc->SetFontColor(dlg.GetColor());
    // Every view rebuilds its font and grid metrics.
    pDoc->UpdateAllViews(nullptr, kHintFontChanged, nullptr);
    if (m_pEditWnd) m_pEditWnd->Reposition(GetClientRectLessBars(), m_nVisibleRows, 0, 0);
    if (m_pDetailWnd) m_pDetailWnd->UpdateEditorPosition();
}

void CCorvView::OnViewArrowControl() { m_bArrowControl = 1 - m_bArrowControl; }

void CCorvView::OnUpdateViewArrowControl(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bArrowControl ? 1 : 0); }

void CCorvView::OnDeleteBottomBlanks() {
    // The blank lines at the end go one by one from the last; the first
    // line always stays. They do not pass through the line clipboard, so a
    // line the user copied is still there after a print.
    auto cutEmptyTail = [](CEditWnd* pEdit) {
        while (pEdit->IsCurrentLineEmpty() && pEdit->m_nRow >= 1) pEdit->CutLine();
    };
    if (!IsDetailVisible()) {
        if (!m_pEditWnd || !m_pVScroll) return;
        OnVScroll(SB_BOTTOM, 0, m_pVScroll.get());
        m_pEditWnd->MoveToCell(m_nLeftMargin, m_nRowHeight + Grid::kTop, GetClientRectLessBars(),
                               m_nVisibleRows);
        cutEmptyTail(m_pEditWnd.get());
        OnVScroll(SB_TOP, 0, m_pVScroll.get());
        return;
    }
    m_pDetailWnd->VScroll(SB_BOTTOM, 0);
    if (CEditWnd* pEdit = m_pDetailWnd->m_pEditWnd.get()) {
        pEdit->MoveToCell(m_nLeftMargin, m_nRowHeight + Grid::kTop, m_pDetailWnd->GetGridRect(),
                          m_pDetailWnd->m_nVisibleRows);
        cutEmptyTail(pEdit);
    }
    m_pDetailWnd->VScroll(SB_TOP, 0);
}

void CCorvView::GoOnWithNextSelection() {
    CCorvDoc* pDoc = GetDocument();
    if (!m_pEditWnd || !pDoc || !pDoc->m_pTable) return;
    if (m_nVisibleRows == 1 && m_pEditWnd->m_nRow == pDoc->m_pTable->GetSize() - 1) {
        AfxMessageBox(EditorMsg::kSelectNoRoomSummary, MB_OK);
        return;
    }
    OnKeyDown(VK_DOWN, 1, 0x150);
    if (!m_pEditWnd->IsCurrentLineEmpty()) {
        m_pEditWnd->InsertLine();
        if (!m_pEditWnd->IsWindowVisible()) OnVScroll(SB_LINEDOWN, 0, m_pVScroll.get());
        OnKeyDown(VK_UP, 1, 0x148);
    }
    m_bOpenSelect = TRUE;
    OnViewDetail();
    m_bOpenSelect = FALSE;
}
