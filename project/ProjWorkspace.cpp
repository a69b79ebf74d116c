#include "project/ProjWorkspace.h"

#include <cstring>

#include "app/BuiltInChoices.h"
#include "app/CorvApp.h"
#include "app/EditIni.h"

namespace {

constexpr const char* kNoDefault = "NoDefault";
constexpr const char* kNoSelections = "NoSelections";

struct DefaultKey {
    const char* pszSection;
    const char* pszKey;
    CString CCorvApp::*pMember;
};

const DefaultKey kDefaultKeys[] = {
    {"Defaults", "QuoteType", &CCorvApp::m_strDefQuoteType},
    {"Defaults", "MarketingGroup", &CCorvApp::m_strDefMarketingGroup},
    {"Defaults", "SalesRegion", &CCorvApp::m_strDefSalesRegion},
    {"Defaults", "ProjectType", &CCorvApp::m_strDefProjectType},
    {"Defaults", "Packaging", &CCorvApp::m_strDefPackaging},
    {"Defaults", "Payment", &CCorvApp::m_strDefPayment},
    {"Defaults", "Shipping", &CCorvApp::m_strDefShipping},
    {"Defaults", "Freight", &CCorvApp::m_strDefFreight},
    {"Defaults", "PreparedBy", &CCorvApp::m_strDefPreparedBy},
    {"Defaults", "Initials", &CCorvApp::m_strDefInitials},
    {"Defaults", "PreparedByTitle", &CCorvApp::m_strDefPreparedByTitle},
    {"Defaults", "PreparedByEmail", &CCorvApp::m_strDefPreparedByEmail},
    {"Defaults", "1stCC", &CCorvApp::m_strDef1stCC},
    {"Defaults", "1stCCTitle", &CCorvApp::m_strDef1stCCTitle},
    {"Defaults", "2ndCC", &CCorvApp::m_strDef2ndCC},
    {"Defaults", "2ndCCTitle", &CCorvApp::m_strDef2ndCCTitle},
    {"Defaults", "Validity", &CCorvApp::m_strDefValidity},
    {"Defaults", "Status", &CCorvApp::m_strDefStatus},
    {"Defaults", "LastUpdatedBy", &CCorvApp::m_strDefLastUpdatedBy},
    {"Defaults", "IntroFileName", &CCorvApp::m_strDefIntroFileName},
    {"Defaults", "NotesFileName", &CCorvApp::m_strDefNotesFileName},
    {"Defaults", "TermsFileName", &CCorvApp::m_strDefTermsFileName},
    {"Quotation", "Company", &CCorvApp::m_strCompany},
    {"Quotation", "Address", &CCorvApp::m_strAddress},
    {"Quotation", "PhoneNo", &CCorvApp::m_strPhoneNo},
    {"Quotation", "FooterLn1", &CCorvApp::m_strFooterLn1},
    {"Quotation", "FooterLn2", &CCorvApp::m_strFooterLn2},
    {"BillTo", "Name", &CCorvApp::m_strBillToName},
    {"BillTo", "AddressLn1", &CCorvApp::m_strBillToAddressLn1},
    {"BillTo", "AddressLn2", &CCorvApp::m_strBillToAddressLn2},
    {"BillTo", "City", &CCorvApp::m_strBillToCity},
    {"BillTo", "State", &CCorvApp::m_strBillToState},
    {"BillTo", "Zip", &CCorvApp::m_strBillToZip},
    {"BillTo", "Attn", &CCorvApp::m_strBillToAttn},
};

}  // namespace

namespace ProjWorkspace {

CStringArray* ChoiceList(const char* pszSection) {
    if (!pszSection) return nullptr;
    for (const ChoiceListInfo& info : ChoiceListsInLoadOrder()) {
        if (std::strcmp(info.section, pszSection) == 0) return &CorvGetApp()->m_arrChoice[info.index];
    }
    return nullptr;
}

CString* DefaultText(const char* pszSection, const char* pszKey) {
    if (!pszSection || !pszKey) return nullptr;
    for (const DefaultKey& key : kDefaultKeys) {
        if (std::strcmp(key.pszSection, pszSection) == 0 && std::strcmp(key.pszKey, pszKey) == 0)
            return &(CorvGetApp()->*key.pMember);
    }
    return nullptr;
}

CString DataFolder() { return CorvGetApp()->GetDtaFolder(); }
void SetProjectPage(int nPage) { CorvGetApp()->SetProjectPage(nPage); }
void SetWordsPage(int nPage) { CorvGetApp()->SetWordsPage(nPage); }
int GetProjectPage() { return CorvGetApp()->m_nProjectPage; }
int GetWordsPage() { return CorvGetApp()->m_nWordsPage; }
int GetSearchByOffices() { return CorvGetApp()->GetSearchByOffices(); }
void SetSearchByOffices(int nValue) { CorvGetApp()->SetSearchByOffices(nValue); }

void EditChoiceList(int nMaxLength, const char* pszDefaultSection, const char* pszDefaultKey,
                    const char* pszListSection, CComboBox* pCombo) {
    CString strNoDefault = kNoDefault;
    CString* pDefault = DefaultText(pszDefaultSection, pszDefaultKey);
    CStringArray* pList = ChoiceList(pszListSection);
    CEditIni().EditChoiceList(nMaxLength, pDefault != nullptr, pDefault ? pDefault : &strNoDefault,
                              pDefault ? pszDefaultSection : kNoDefault,
                              pDefault ? pszDefaultKey : kNoDefault, pList != nullptr,
                              pList ? pszListSection : kNoSelections, pList, pList ? pCombo : nullptr);
}

BOOL ReloadDefaultText(const char* pszKind, const CString& strFileName) {
    CCorvApp* pApp = CorvGetApp();
    CString* pText = nullptr;
    const CString* pFallback = nullptr;
    if (std::strcmp(pszKind, "Introduction") == 0) {
        pText = &pApp->m_strIntroText;
        pFallback = &pApp->m_strDefIntroduction;
    } else if (std::strcmp(pszKind, "Notes") == 0) {
        pText = &pApp->m_strNotesText;
        pFallback = &pApp->m_strDefQuoteNotes;
    } else if (std::strcmp(pszKind, "Terms") == 0) {
        pText = &pApp->m_strTermsText;
        pFallback = &pApp->m_strDefTerms;
    }
    if (!pText) return TRUE;
    return pApp->LoadTextFile(strFileName, *pText, *pFallback) == 0;
}

}  // namespace ProjWorkspace
