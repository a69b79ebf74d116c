// Reading the INI settings at start-up, and the setters that write a
// single setting back at once.
#include <initializer_list>

#include "app/AppDefaults.h"
#include "app/CorvApp.h"
#include "model/PriceSettings.h"

namespace {

// A text setting: its key, its default and the most characters kept.
struct TextSetting {
    const char* key;
    const char* def;
    int maxLength;
    CString CCorvApp::*member;
};

// A flag: TRUE unless the stored word is exactly `falseWord`, or (when
// `trueWord` is given) TRUE only when it is exactly `trueWord`.
struct FlagSetting {
    const char* section;
    const char* key;
    const char* def;
    const char* trueWord;
    const char* falseWord;
    BOOL CCorvApp::*member;
};

const FlagSetting kFlags[] = {
    {"Quotation", "Logo", "STD", "ALT", nullptr, &CCorvApp::m_bAltLogo},
    {"Quote Descriptions", "Format", "STD", "ALT", nullptr, &CCorvApp::m_bAltFormat},
    {"Quote Descriptions", "Round", "Yes", nullptr, "No", &CCorvApp::m_bRound},
    {"Preferences", "MaximizeView", "No", "Yes", nullptr, &CCorvApp::m_bMaximizeView},
    {"Preferences", "AutoSelect", "Yes", nullptr, "No", &CCorvApp::m_bAutoSelect},
    {"Preferences", "MoveBy", "Character", nullptr, "Field", &CCorvApp::m_bMoveByChar},
    {"Preferences", "POAAlert", "Yes", nullptr, "No", &CCorvApp::m_bPOAAlert},
    {"Preferences", "VantrAlert", "Yes", nullptr, "No", &CCorvApp::m_bVantrAlert},
    {"Preferences", "AutoSelFld", "Yes", nullptr, "No", &CCorvApp::m_bAutoSelFld},
    {"Quotation", "PrintLogo", "Yes", nullptr, "No", &CCorvApp::m_bPrintLogo},
    {"Quotation", "PrintHeader", "Yes", nullptr, "No", &CCorvApp::m_bPrintHeader},
    {"Quotation", "PrintFooter", "Yes", nullptr, "No", &CCorvApp::m_bPrintFooter},
};

// [Defaults] up to the file names: read, then written back.
const TextSetting kDefaultsFirst[] = {
    {"Country", "", 40, &CCorvApp::m_strDefCountry},
    {"Packaging", "Standard Packaging", 250, &CCorvApp::m_strDefPackaging},
    {"Payment", "Net 30 Days", 40, &CCorvApp::m_strDefPayment},
    {"Shipping", AppDefault::kShipping1, 40, &CCorvApp::m_strDefShipping},
    {"Freight", "Prepaid and Add", 100, &CCorvApp::m_strDefFreight},
    {"PreparedBy", "Prepared By", 40, &CCorvApp::m_strDefPreparedBy},
    {"PreparedByTitle", "Title", 40, &CCorvApp::m_strDefPreparedByTitle},
    {"PreparedByEmail", AppDefault::kEmail, 40, &CCorvApp::m_strDefPreparedByEmail},
    {"1stCC", "1st CC Person", 40, &CCorvApp::m_strDef1stCC},
    {"1stCCTitle", "1st CC Title", 40, &CCorvApp::m_strDef1stCCTitle},
    {"2ndCC", "2nd CC Person", 40, &CCorvApp::m_strDef2ndCC},
    {"2ndCCTitle", "2nd CC Title", 40, &CCorvApp::m_strDef2ndCCTitle},
    {"Validity", "30 Days", 40, &CCorvApp::m_strDefValidity},
    {"Status", "Open", 10, &CCorvApp::m_strDefStatus},
    {"LastUpdatedBy", "Person One", 40, &CCorvApp::m_strDefLastUpdatedBy},
    {"Introduction", "We are pleased to propose the following:", 3000, &CCorvApp::m_strDefIntroduction},
    {"QuoteNotes", "", 3000, &CCorvApp::m_strDefQuoteNotes},
    {"Terms", "", 3000, &CCorvApp::m_strDefTerms},
    {"IntroFileName", "", 20, &CCorvApp::m_strDefIntroFileName},
    {"NotesFileName", "", 20, &CCorvApp::m_strDefNotesFileName},
    {"TermsFileName", "Terms", 20, &CCorvApp::m_strDefTermsFileName},
};

// [Defaults] after the standard texts are loaded.
const TextSetting kDefaultsSecond[] = {
    {"ProjectType", "", 25, &CCorvApp::m_strDefProjectType},
    {"SalesRegion", "", 10, &CCorvApp::m_strDefSalesRegion},
    {"Initials", "", 3, &CCorvApp::m_strDefInitials},
    {"QuoteType", "", 10, &CCorvApp::m_strDefQuoteType},
    {"MarketingGroup", "", 10, &CCorvApp::m_strDefMarketingGroup},
};

const TextSetting kLetterhead[] = {
    {"Company", AppDefault::kCompany, 90, &CCorvApp::m_strCompany},
    {"Address", AppDefault::kStreet, 90, &CCorvApp::m_strAddress},
    {"PhoneNo", AppDefault::kPhone, 90, &CCorvApp::m_strPhoneNo},
    {"FooterLn1", "Line 1 of Quotation Footer", 90, &CCorvApp::m_strFooterLn1},
    {"FooterLn2", "Line 2 of Quotation Footer", 90, &CCorvApp::m_strFooterLn2},
};

const TextSetting kBillTo[] = {
    {"Name", "Bill To Name", 40, &CCorvApp::m_strBillToName},
    {"AddressLn1", "Bill To Address Line 1", 40, &CCorvApp::m_strBillToAddressLn1},
    {"AddressLn2", "Bill To Address Line 2", 40, &CCorvApp::m_strBillToAddressLn2},
    {"City", "Bill To City", 25, &CCorvApp::m_strBillToCity},
    {"State", "BT", 2, &CCorvApp::m_strBillToState},
    {"Zip", "Bill To Zip", 25, &CCorvApp::m_strBillToZip},
    {"Attn", "Bill To Attn", 40, &CCorvApp::m_strBillToAttn},
};

const char* const kPrintDefaultKeys[kPrintDefaultCount] = {
    "Quote",
    "Scope",
    "Scope Priced",
    "Distribution",
    "Parts",
    "ICDS",
    "Proposal Summary",
    "Proposal Summary Plant",
    "Project Sell Price",
    "Commission",
    "Purchase Order",
};

template <size_t N>
void ReadTexts(CCorvApp& app, const char* section, const TextSetting (&settings)[N]) {
    for (const TextSetting& s : settings)
        app.*s.member = app.GetProfileString(section, s.key, s.def).Left(s.maxLength);
}

template <size_t N>
void WriteTexts(CCorvApp& app, const char* section, const TextSetting (&settings)[N]) {
    for (const TextSetting& s : settings) app.WriteProfileString(section, s.key, app.*s.member);
}

}  // namespace

const char* PrintDefaultKey(int nIndex) {
    return nIndex >= 0 && nIndex < kPrintDefaultCount ? kPrintDefaultKeys[nIndex] : "";
}

void CCorvApp::ReadSettings() {
    m_strDtaFolder = GetProfileString("Folders", "DtaFolder", AppDefault::kDtaFolder);
    if (m_strDtaFolder.IsEmpty() || m_strDtaFolder[m_strDtaFolder.GetLength() - 1] != '\\')
        m_strDtaFolder += '\\';

    ReadFlags();
    m_nSearchByOffices = static_cast<int>(GetProfileInt("SearchBy", "Offices", 2));

    ReadDefaults();
    for (int i = 0; i < kPrintDefaultCount; ++i)
        m_nPrintDefault[i] = static_cast<int>(GetProfileInt("PrintDefaults", kPrintDefaultKeys[i], 0));
    ReadLetterhead();
    ReadBillTo();
}

void CCorvApp::ReadFlags() {
    for (const FlagSetting& f : kFlags) {
        const CString word = GetProfileString(f.section, f.key, f.def);
        this->*f.member = f.trueWord ? word == f.trueWord : word != f.falseWord;
    }
    // The price rules read the rounding preference from their own settings.
    GetPriceSettings().m_bRound = m_bRound;
}

void CCorvApp::ReadDefaults() {
    ReadTexts(*this, "Defaults", kDefaultsFirst);
    ReadTexts(*this, "Defaults", kDefaultsSecond);
    WriteTexts(*this, "Defaults", kDefaultsFirst);

    LoadTextFile(m_strDefIntroFileName, m_strIntroText, m_strDefIntroduction);
    LoadTextFile(m_strDefNotesFileName, m_strNotesText, m_strDefQuoteNotes);
    LoadTextFile(m_strDefTermsFileName, m_strTermsText, m_strDefTerms);

    WriteTexts(*this, "Defaults", kDefaultsSecond);
}

void CCorvApp::ReadLetterhead() {
    ReadTexts(*this, "Quotation", kLetterhead);
    WriteTexts(*this, "Quotation", kLetterhead);
}

void CCorvApp::ReadBillTo() {
    ReadTexts(*this, "BillTo", kBillTo);
    WriteTexts(*this, "BillTo", kBillTo);
}

int CCorvApp::GetSearchByOffices() {
    if (m_nSearchByOffices < -1 || m_nSearchByOffices > 2) m_nSearchByOffices = 2;
    return m_nSearchByOffices;
}

void CCorvApp::SetSearchByOffices(int nValue) {
    if (nValue == m_nSearchByOffices) return;
    if (nValue < -1 || nValue > 2) nValue = 2;
    m_nSearchByOffices = nValue;
    WriteProfileInt("SearchBy", "Offices", nValue);
}

void CCorvApp::SetPrintDefault(int nIndex, int nValue) {
    if (m_nPrintDefault[nIndex] == nValue) return;
    m_nPrintDefault[nIndex] = nValue;
    WriteProfileInt("PrintDefaults", kPrintDefaultKeys[nIndex], nValue);
}
