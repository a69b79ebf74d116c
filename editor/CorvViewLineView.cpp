// The Line command of the job view: Line View on the active editor.
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"

namespace {
// The Detail window's editor while that window is visible, else the
// Summary editor; null when that editor is not showing a cell.
CEditWnd* VisibleActiveEditor(const CCorvView& view) {
    CEditWnd* pEdit = view.IsDetailVisible() ? view.m_pDetailWnd->m_pEditWnd.get() : view.m_pEditWnd.get();
    return pEdit && pEdit->m_hWnd && pEdit->IsWindowVisible() ? pEdit : nullptr;
}
}  // namespace

void CCorvView::OnViewLine() {
    if (CEditWnd* pEdit = VisibleActiveEditor(*this)) pEdit->OnLineView();
}

void CCorvView::OnUpdateViewLine(CCmdUI* pCmdUI) { pCmdUI->Enable(VisibleActiveEditor(*this) != nullptr); }
