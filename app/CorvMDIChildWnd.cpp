#include "app/CorvMDIChildWnd.h"

#include "app/AppMessages.h"
#include "editor/CorvView.h"
#include "framework/core/MessageBox.h"
#include "framework/win/MessageMap.h"

IMPLEMENT_DYNCREATE(CCorvMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CCorvMDIChildWnd, CMDIChildWnd)
    ON_WM_MDIACTIVATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

void CCorvMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) {
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
}

void CCorvMDIChildWnd::OnClose() {
    auto* pView = dynamic_cast<CCorvView*>(GetActiveView());
    if (pView) {
        if (pView->m_bInPreview) {
            if (IsIconic()) {
                AfxMessageBox(AppMsg::kRestoreBeforeClose, MB_OK);
                return;
            }
        } else {
            pView->CommitEdit();
        }
    }
    CMDIChildWnd::OnClose();
}
