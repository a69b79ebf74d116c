#include "workspace/NewJob.h"

#include "model/CorvDoc.h"
#include "model/NewJobDefaults.h"
#include "workspace/QuotationFinder.h"
#include "workspace/Workspace.h"

namespace {
CNewJobDefaults NewJobDefaultsOf(const CCorvSettings& settings) {
    CNewJobDefaults d;
    d.m_strCustCountry = settings.GetDefaultCountry();
    d.m_strQuoteType = settings.GetDefaultQuoteType();
    d.m_strMarketGroup = settings.GetDefaultMarketingGroup();
    d.m_strSalesRegion = settings.GetDefaultSalesRegion();
    d.m_strProjectType = settings.GetDefaultProjectType();
    d.m_strPackaging = settings.GetDefaultPackaging();
    d.m_strPayment = settings.GetDefaultPayment();
    d.m_strShipping = settings.GetDefaultShipping();
    d.m_strFreight = settings.GetDefaultFreight();
    d.m_strPreparedBy = settings.GetDefaultPreparedBy();
    d.m_strInitials = settings.GetDefaultInitials();
    d.m_strPrepByTitle = settings.GetDefaultPreparedByTitle();
    d.m_strPrepByEmail = settings.GetDefaultPreparedByEmail();
    d.m_strFirstCC = settings.GetDefault1stCC();
    d.m_strFirstCCTitle = settings.GetDefault1stCCTitle();
    d.m_strSecondCC = settings.GetDefault2ndCC();
    d.m_strSecondCCTitle = settings.GetDefault2ndCCTitle();
    d.m_strValidity = settings.GetDefaultValidity();
    d.m_strStatus = settings.GetDefaultStatus();
    d.m_strLastUpdatedBy = settings.GetDefaultLastUpdatedBy();
    d.m_strIntro = settings.GetIntroText();
    d.m_strQNotes = settings.GetNotesText();
    d.m_strTerms = settings.GetTermsText();
    d.m_strCompanyName = settings.GetCompany();
    d.m_strAddress = settings.GetAddress();
    d.m_strPhoneNo = settings.GetPhoneNo();
    d.m_strFooterLn1 = settings.GetFooterLn1();
    d.m_strFooterLn2 = settings.GetFooterLn2();
    d.m_strBillToName = settings.GetBillToName();
    d.m_strBillToAddrsLn1 = settings.GetBillToAddressLn1();
    d.m_strBillToAddrsLn2 = settings.GetBillToAddressLn2();
    d.m_strBillToCity = settings.GetBillToCity();
    d.m_strBillToState = settings.GetBillToState();
    d.m_strBillToZip = settings.GetBillToZip();
    d.m_strBillToAttn = settings.GetBillToAttn();
    return d;
}
}  // namespace

void InitNewJobFromWorkspace(CCorvDoc& doc) {
    CWorkspace& workspace = CorvGetWorkspace();
    doc.InitNewJobData(NewJobDefaultsOf(workspace.Settings()));

    CFindState& find = workspace.FindState();
    if (find.m_bFindMode) {
        // Cleared first, so that any later New makes a plain job.
        find.m_bFindMode = FALSE;
        if (!RunQuotationFinder(doc)) find.m_pDocToClose = &doc;
    }
}
