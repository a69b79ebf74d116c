#include "project/ProjWorkspace.h"

#include <cstring>

#include "workspace/EditIni.h"
#include "workspace/Workspace.h"

namespace {

constexpr const char* kNoDefault = "NoDefault";
constexpr const char* kNoSelections = "NoSelections";

struct DefaultKey {
    const char* pszSection;
    const char* pszKey;
    CString CCorvSettings::*pMember;
};

const DefaultKey kDefaultKeys[] = {
    {"Defaults", "QuoteType", &CCorvSettings::m_strDefQuoteType},
    {"Defaults", "MarketingGroup", &CCorvSettings::m_strDefMarketingGroup},
    {"Defaults", "SalesRegion", &CCorvSettings::m_strDefSalesRegion},
    {"Defaults", "ProjectType", &CCorvSettings::m_strDefProjectType},
    {"Defaults", "Packaging", &CCorvSettings::m_strDefPackaging},
    {"Defaults", "Payment", &CCorvSettings::m_strDefPayment},
    {"Defaults", "Shipping", &CCorvSettings::m_strDefShipping},
    {"Defaults", "Freight", &CCorvSettings::m_strDefFreight},
    {"Defaults", "PreparedBy", &CCorvSettings::m_strDefPreparedBy},
    {"Defaults", "Initials", &CCorvSettings::m_strDefInitials},
    {"Defaults", "PreparedByTitle", &CCorvSettings::m_strDefPreparedByTitle},
    {"Defaults", "PreparedByEmail", &CCorvSettings::m_strDefPreparedByEmail},
    {"Defaults", "1stCC", &CCorvSettings::m_strDef1stCC},
    {"Defaults", "1stCCTitle", &CCorvSettings::m_strDef1stCCTitle},
    {"Defaults", "2ndCC", &CCorvSettings::m_strDef2ndCC},
    {"Defaults", "2ndCCTitle", &CCorvSettings::m_strDef2ndCCTitle},
    {"Defaults", "Validity", &CCorvSettings::m_strDefValidity},
    {"Defaults", "Status", &CCorvSettings::m_strDefStatus},
    {"Defaults", "LastUpdatedBy", &CCorvSettings::m_strDefLastUpdatedBy},
    {"Defaults", "IntroFileName", &CCorvSettings::m_strDefIntroFileName},
    {"Defaults", "NotesFileName", &CCorvSettings::m_strDefNotesFileName},
    {"Defaults", "TermsFileName", &CCorvSettings::m_strDefTermsFileName},
    {"Quotation", "Company", &CCorvSettings::m_strCompany},
    {"Quotation", "Address", &CCorvSettings::m_strAddress},
    {"Quotation", "PhoneNo", &CCorvSettings::m_strPhoneNo},
    {"Quotation", "FooterLn1", &CCorvSettings::m_strFooterLn1},
    {"Quotation", "FooterLn2", &CCorvSettings::m_strFooterLn2},
    {"BillTo", "Name", &CCorvSettings::m_strBillToName},
    {"BillTo", "AddressLn1", &CCorvSettings::m_strBillToAddressLn1},
    {"BillTo", "AddressLn2", &CCorvSettings::m_strBillToAddressLn2},
    {"BillTo", "City", &CCorvSettings::m_strBillToCity},
    {"BillTo", "State", &CCorvSettings::m_strBillToState},
    {"BillTo", "Zip", &CCorvSettings::m_strBillToZip},
    {"BillTo", "Attn", &CCorvSettings::m_strBillToAttn},
};

}  // namespace

namespace ProjWorkspace {

CStringArray* ChoiceList(const char* pszSection) {
    if (!pszSection) return nullptr;
    for (const ChoiceListInfo& info : ChoiceListsInLoadOrder()) {
        if (std::strcmp(info.section, pszSection) == 0) return &CorvGetWorkspace().ChoiceLists()[info.index];
    }
    return nullptr;
}

CString* DefaultText(const char* pszSection, const char* pszKey) {
    if (!pszSection || !pszKey) return nullptr;
    for (const DefaultKey& key : kDefaultKeys) {
        if (std::strcmp(key.pszSection, pszSection) == 0 && std::strcmp(key.pszKey, pszKey) == 0)
            return &(CorvGetWorkspace().Settings().*key.pMember);
    }
    return nullptr;
}

CString DataFolder() { return CorvGetWorkspace().Settings().GetDtaFolder(); }
void SetProjectPage(int nPage) { CorvGetWorkspace().Settings().SetProjectPage(nPage); }
void SetWordsPage(int nPage) { CorvGetWorkspace().Settings().SetWordsPage(nPage); }
int GetProjectPage() { return CorvGetWorkspace().Settings().m_nProjectPage; }
int GetWordsPage() { return CorvGetWorkspace().Settings().m_nWordsPage; }
int GetSearchByOffices() { return CorvGetWorkspace().Settings().GetSearchByOffices(); }
void SetSearchByOffices(int nValue) { CorvGetWorkspace().Settings().SetSearchByOffices(nValue); }

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
    CCorvSettings* pApp = &CorvGetWorkspace().Settings();
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
