// The job document's duties that need the application and the job's
// windows: starting a new job, committing the views' open edits before the
// job is written or closed, the Close command and the enabling of Save.
#include "app/CorvApp.h"
#include "editor/CorvView.h"
#include "framework/win/StdIds.h"
#include "model/CorvDoc.h"
#include "model/NewJobDefaults.h"
#include "res/resource.h"
#include "workspace/QuotationFinder.h"

BEGIN_MESSAGE_MAP(CCorvDoc, CDocument)
    ON_COMMAND(ID_FILE_CLOSE, &CCorvDoc::OnFileClose)
    ON_COMMAND(ID_FILE_STORE, &CCorvDoc::OnFileStore)
    ON_COMMAND(ID_FILE_STORE_AS, &CCorvDoc::OnFileStoreAs)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CCorvDoc::OnUpdateFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, &CCorvDoc::OnUpdateFileSaveAs)
END_MESSAGE_MAP()

namespace {
CNewJobDefaults NewJobDefaultsOf(const CCorvApp& app) {
    CNewJobDefaults d;
    d.m_strCustCountry = app.GetDefaultCountry();
    d.m_strQuoteType = app.GetDefaultQuoteType();
    d.m_strMarketGroup = app.GetDefaultMarketingGroup();
    d.m_strSalesRegion = app.GetDefaultSalesRegion();
    d.m_strProjectType = app.GetDefaultProjectType();
    d.m_strPackaging = app.GetDefaultPackaging();
    d.m_strPayment = app.GetDefaultPayment();
    d.m_strShipping = app.GetDefaultShipping();
    d.m_strFreight = app.GetDefaultFreight();
    d.m_strPreparedBy = app.GetDefaultPreparedBy();
    d.m_strInitials = app.GetDefaultInitials();
    d.m_strPrepByTitle = app.GetDefaultPreparedByTitle();
    d.m_strPrepByEmail = app.GetDefaultPreparedByEmail();
    d.m_strFirstCC = app.GetDefault1stCC();
    d.m_strFirstCCTitle = app.GetDefault1stCCTitle();
    d.m_strSecondCC = app.GetDefault2ndCC();
    d.m_strSecondCCTitle = app.GetDefault2ndCCTitle();
    d.m_strValidity = app.GetDefaultValidity();
    d.m_strStatus = app.GetDefaultStatus();
    d.m_strLastUpdatedBy = app.GetDefaultLastUpdatedBy();
    d.m_strIntro = app.GetIntroText();
    d.m_strQNotes = app.GetNotesText();
    d.m_strTerms = app.GetTermsText();
    d.m_strCompanyName = app.GetCompany();
    d.m_strAddress = app.GetAddress();
    d.m_strPhoneNo = app.GetPhoneNo();
    d.m_strFooterLn1 = app.GetFooterLn1();
    d.m_strFooterLn2 = app.GetFooterLn2();
    d.m_strBillToName = app.GetBillToName();
    d.m_strBillToAddrsLn1 = app.GetBillToAddressLn1();
    d.m_strBillToAddrsLn2 = app.GetBillToAddressLn2();
    d.m_strBillToCity = app.GetBillToCity();
    d.m_strBillToState = app.GetBillToState();
    d.m_strBillToZip = app.GetBillToZip();
    d.m_strBillToAttn = app.GetBillToAttn();
    return d;
}
}  // namespace

BOOL CCorvDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return FALSE;
    InitNewJob();
    return TRUE;
}

void CCorvDoc::InitNewJob() {
    CCorvApp* pApp = CorvGetApp();
    InitNewJobData(NewJobDefaultsOf(*pApp));

    if (pApp->IsFindMode()) {
        // Cleared first, so that any later New makes a plain job.
        pApp->SetFindMode(FALSE);
        if (!RunQuotationFinder(*this)) pApp->SetDocToClose(this);
    }
}

void CCorvDoc::CommitEdits() {
    for (CView* pView : GetViews()) {
        auto* pJobView = dynamic_cast<CCorvView*>(pView);
        if (pJobView && !pJobView->m_bInPreview) pJobView->CommitEdit();
    }
}

BOOL CCorvDoc::SaveModified() {
    CommitEdits();
    return CDocument::SaveModified();
}

void CCorvDoc::OnFileClose() {
    CommitEdits();
    CDocument::OnFileClose();
}

void CCorvDoc::OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(IsModified()); }

// Save As stays enabled on every job.
void CCorvDoc::OnUpdateFileSaveAs(CCmdUI*) {}
