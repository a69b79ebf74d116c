// View > Project... and View > Words... of the job view.
#include "editor/CorvView.h"
#include "editor/EditWnd.h"
#include "project/ProjectCommand.h"

void CCorvView::OnViewProject() { RunProjectSheet(GetDocument()); }

void CCorvView::OnViewWords() {
    if (!IsDetailVisible() && m_pEditWnd && m_pEditWnd->IsWindowVisible()) m_pEditWnd->EditLineWords();
}

void CCorvView::OnUpdateViewWords(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!IsDetailVisible() && m_pEditWnd && m_pEditWnd->m_hWnd && m_pEditWnd->IsWindowVisible());
}
