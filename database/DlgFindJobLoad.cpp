// OK in the finder: the chosen quotation into the new job.
#include "database/DbMessages.h"
#include "database/DlgFindJob.h"
#include "framework/core/MessageBox.h"
#include "framework/win/WaitCursor.h"
#include "model/CorvDoc.h"
#include "workspace/Workspace.h"

void CDlgFindJob::OnLoadQuote() {
    m_strShownCorvNumber.Trim();
    const CString strNumber = m_strShownCorvNumber;

    bool bOpen = false;
    const CStringArray& arrOpen = CorvGetWorkspace().FindState().m_arrOpenJobNumbers;
    for (int i = 0; i < arrOpen.GetSize(); ++i) {
        CString strOpen = arrOpen[i];
        strOpen.Trim();
        if (strOpen == strNumber) bOpen = true;
    }
    if (strNumber.IsEmpty()) {
        AfxMessageBox(DbMsg::kOkNeedsFind, MB_OK);
        return;
    }
    if (bOpen) {
        AfxMessageBox(DbMsg::kCurrentlyOpen + strNumber + DbMsg::kOpenInCorvantis, MB_OK);
        return;
    }
    if (m_pDoc == nullptr) {
        m_bLoadFailed = TRUE;
        CDialog::OnOK();
        return;
    }

    if (!OpenDatabase()) {
        m_bLoadFailed = TRUE;
    } else {
        CWaitCursor wait;
        if (!m_loader.LoadJob(strNumber)) m_bLoadFailed = TRUE;
    }
    if (m_db.IsOpen()) m_db.Close();

    m_pDoc->SetTitle(BuildTitle());
    m_pDoc->ClearChangedSinceStore();
    CDialog::OnOK();
}

BOOL CDlgFindJob::LoadProject(const CString& strSort, const CString& strFilter) {
    return m_loader.LoadProject(strSort, strFilter, m_strShownCorvNumber);
}
